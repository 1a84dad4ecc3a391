#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "CompressionTestSupport.h"
#include "PackCommand.h"
#include "tools/support/TempFolder.h"

namespace velmora::testing {
namespace {

namespace fs = std::filesystem;

class PackCommand : public ::testing::Test {
protected:
    std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }

    int Run(const std::vector<std::string>& args) {
        out_.str("");
        err_.str("");
        return RunPackCommand(args, out_, err_);
    }

    Bytes Read(const std::string& name) const {
        std::ifstream file(PathOf(name), std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(file), {});
    }

    TempFolder folder_;
    fs::path dir_ = folder_.Path();
    std::ostringstream out_;
    std::ostringstream err_;
};

TEST_F(PackCommand, CompressesAndRestoresFilesInEveryMode) {
    const Bytes input = TextSample(120000);
    std::ofstream(PathOf("in.txt"), std::ios::binary)
        .write(reinterpret_cast<const char*>(input.data()), static_cast<std::streamsize>(input.size()));
    for (const std::string mode : {"good", "fast", "auto"}) {
        ASSERT_EQ(Run({"compress", "--mode", mode, PathOf("in.txt"), PathOf("packed")}), 0) << err_.str();
        EXPECT_EQ(out_.str().rfind(PathOf("in.txt") + " : Lzrw1 : successfully compressed at ", 0), 0u);
        const Bytes packed = Read("packed");
        // This text is repetitive enough for the fast codec, so auto picks it too.
        EXPECT_EQ(Bytes(packed.begin(), packed.begin() + 4), ToBytes(mode == "good" ? "!HZL" : "WRZL")) << mode;
        ASSERT_EQ(Run({"decompress", PathOf("packed"), PathOf("out.txt")}), 0) << err_.str();
        EXPECT_EQ(Read("out.txt"), input);
        EXPECT_TRUE(err_.str().empty());
    }
    ASSERT_EQ(Run({"advise", PathOf("in.txt")}), 0);
    EXPECT_EQ(out_.str().rfind("Lzrw1 recommends ", 0), 0u) << out_.str();
}

TEST_F(PackCommand, ReportsTheContainersMessageAndFails) {
    EXPECT_EQ(Run({"decompress", PathOf("missing"), PathOf("out")}), 1);
    EXPECT_EQ(err_.str(), "Lzrw1 (de)compression : Failed to open input file : " + PathOf("missing") + "\n");
    EXPECT_TRUE(out_.str().empty());
    EXPECT_FALSE(fs::exists(PathOf("out")));
}

TEST_F(PackCommand, RefusesArgumentsThatMakeNoCommand) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{},
                                               {"pack", "a", "b"},
                                               {"compress", "a"},
                                               {"compress", "--mode", "best", "a", "b"},
                                               {"decompress", "--mode", "fast", "a", "b"},
                                               {"advise", "a", "b"}}) {
        EXPECT_EQ(Run(args), 2);
        EXPECT_EQ(err_.str().rfind("usage: velmora-pack", 0), 0u);
    }
}

}  // namespace
}  // namespace velmora::testing
