#pragma once
// The input, the output and the two I/O buffers of one operation of the container. Whatever the
// session opened it closes, and an output file it created is removed unless the operation
// completed, so every way out of an operation, normal or by exception, cleans up alike.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "compression/OutputFile.h"
#include "compression/Stream.h"

namespace velmora {

class ContainerSession {
public:
    static constexpr std::size_t BlockSize = 32768;
    static constexpr std::size_t BufferSize = BlockSize + 16;

    // Raises ELzrw1Exception(noMemoryText) when the buffers cannot be had.
    explicit ContainerSession(const char* noMemoryText);

    std::uint8_t* InBuffer() { return in_.get(); }
    std::uint8_t* OutBuffer() { return out_.get(); }

    // Stream mode: the caller's streams.
    void UseInput(Stream& stream) { input_ = &stream; }
    void UseOutput(Stream& stream) { output_ = &stream; }

    // File mode: false when the file cannot be opened or created.
    bool OpenInputFile(const std::string& name);
    bool CreateOutputFile(const std::string& name);

    Stream& Input() { return *input_; }
    Stream& Output() { return *output_; }

    // File mode: closes the output and puts it in place; false when that fails. Stream mode: true.
    bool FinishOutput();

private:
    std::unique_ptr<std::uint8_t[]> in_;
    std::unique_ptr<std::uint8_t[]> out_;
    std::unique_ptr<FileStream> inputFile_;
    std::unique_ptr<OutputFile> outputFile_;
    Stream* input_ = nullptr;
    Stream* output_ = nullptr;
};

}  // namespace velmora
