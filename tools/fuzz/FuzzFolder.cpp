#include "FuzzFolder.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <system_error>

namespace velmora::fuzz {

namespace {

// A failure here is the harness's, not the code under test's: stop at once rather than fuzz nothing.
[[noreturn]] void Abandon(const char* what) {
    std::perror(what);
    std::abort();
}

class ProcessFolder {
public:
    ProcessFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "velmora-fuzz-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) Abandon("velmora fuzz: cannot make a temporary folder");
        path_ = pattern;
    }
    ~ProcessFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ProcessFolder(const ProcessFolder&) = delete;
    ProcessFolder& operator=(const ProcessFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace

const std::filesystem::path& FuzzFolder() {
    static const ProcessFolder folder;
    return folder.Path();
}

void WriteInput(const std::string& name, const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path path = FuzzFolder() / name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) Abandon("velmora fuzz: cannot write the input file");
    const bool written = size == 0 || std::fwrite(data, 1, size, file) == size;
    if (std::fclose(file) != 0 || !written) Abandon("velmora fuzz: cannot write the input file");
}

}  // namespace velmora::fuzz
