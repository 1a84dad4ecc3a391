#include "FuzzFolder.h"

#include <cstdio>
#include <cstdlib>

#include "tools/support/TempFolder.h"

namespace velmora::fuzz {

namespace {

// A failure here is the harness's, not the code under test's: stop at once rather than fuzz nothing.
[[noreturn]] void Abandon(const char* what) {
    std::perror(what);
    std::abort();
}

}  // namespace

// A folder that cannot be made throws from here, which ends the run before any input is tried.
const std::filesystem::path& FuzzFolder() {
    static const testing::TempFolder folder("velmora-fuzz");
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
