#include "compression/ContainerSession.h"

#include <new>

#include "compression/CompressionErrors.h"

namespace velmora {

ContainerSession::ContainerSession(const char* noMemoryText)
    : in_(new (std::nothrow) std::uint8_t[BufferSize]), out_(new (std::nothrow) std::uint8_t[BufferSize]) {
    if (!in_ || !out_) throw ELzrw1Exception(noMemoryText);
}

bool ContainerSession::OpenInputFile(const std::string& name) {
    try {
        inputFile_ = std::make_unique<FileStream>(name, FileStream::Mode::Read);
    } catch (const EStreamError&) {
        return false;
    }
    input_ = inputFile_.get();
    return true;
}

bool ContainerSession::CreateOutputFile(const std::string& name) {
    if (name.empty()) return false;
    try {
        outputFile_ = std::make_unique<OutputFile>(name);
    } catch (const EStreamError&) {
        return false;
    }
    output_ = &outputFile_->Data();
    return true;
}

bool ContainerSession::FinishOutput() {
    if (!outputFile_) return true;
    output_ = nullptr;
    return outputFile_->Commit();
}

}  // namespace velmora
