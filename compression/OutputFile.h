#pragma once
// A file that the container writes: it is written under a name of its own beside the final one and
// takes the final name only when complete, so a failed run leaves any earlier file of that name
// whole and no partial file behind. A name that stands for something other than a plain file (a
// device, a pipe) is written directly and never removed.

#include <filesystem>
#include <memory>

#include "compression/Stream.h"

namespace velmora {

class OutputFile {
public:
    // Raises EFCreateError when the file cannot be created.
    explicit OutputFile(const std::filesystem::path& path);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    Stream& Data() { return *file_; }

    // Closes the file and gives it its final name; false when either fails (the partial file is
    // then gone).
    bool Commit();

    // Closes the file and removes what was written.
    void Discard();

private:
    std::filesystem::path final_;
    std::filesystem::path written_;
    std::unique_ptr<FileStream> file_;
    bool replaces_ = false;  // written under a name of its own, renamed when complete
};

}  // namespace velmora
