#pragma once
// Byte streams that the compressed container reads and writes: an interface, a stream in memory
// and a stream on a file. Read, Write and Seek report failure by their result, as the container
// expects; ReadBuffer and WriteBuffer raise the run-time errors that the file readers rely on.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "text/PhraseError.h"

namespace velmora {

// Run-time errors of file and stream operations; the user is shown their phrases.
class EStreamError : public EPhraseError {
public:
    using EPhraseError::EPhraseError;
};
class EFOpenError : public EStreamError {  // "Cannot open file %s"
public:
    using EStreamError::EStreamError;
};
class EFCreateError : public EStreamError {  // "Cannot create file %s"
public:
    using EStreamError::EStreamError;
};
class EReadError : public EStreamError {  // "Read beyond end of file"
public:
    using EStreamError::EStreamError;
};
class EWriteError : public EStreamError {  // "Stream write error"
public:
    using EStreamError::EStreamError;
};

// The messages of EFOpenError and EFCreateError for the file named.
Phrase CannotOpenFile(const std::string& name);
Phrase CannotCreateFile(const std::string& name);

enum class SeekOrigin { Begin, Current, End };

class Stream {
public:
    virtual ~Stream() = default;

    // Reads up to count bytes; returns the number read (0 at the end), or -1 on failure.
    virtual std::int64_t Read(void* buffer, std::int64_t count) = 0;
    // Writes count bytes; returns the number written, or -1 on failure.
    virtual std::int64_t Write(const void* buffer, std::int64_t count) = 0;
    // Moves the position; returns the new position, or -1 on failure.
    virtual std::int64_t Seek(std::int64_t offset, SeekOrigin origin) = 0;
    // The whole length of the stream, or -1 when it cannot be known.
    virtual std::int64_t Size() = 0;
    virtual std::int64_t Position() = 0;

    // Where the stream holds its bytes in memory: the next count bytes, passed over as Read would,
    // without copying them. nullptr, with the position unchanged, when fewer bytes are left or the
    // stream keeps no bytes in memory; the caller then reads them.
    virtual const std::uint8_t* Borrow(std::int64_t) { return nullptr; }

    // Reads exactly count bytes or raises EReadError("Read beyond end of file").
    void ReadBuffer(void* buffer, std::int64_t count);
    // Writes exactly count bytes or raises EWriteError("Stream write error").
    void WriteBuffer(const void* buffer, std::int64_t count);
};

class MemoryStream : public Stream {
public:
    MemoryStream() = default;
    explicit MemoryStream(std::vector<std::uint8_t> data) : data_(std::move(data)) {}

    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void* buffer, std::int64_t count) override;
    std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override;
    std::int64_t Size() override { return static_cast<std::int64_t>(data_.size()); }
    std::int64_t Position() override { return position_; }
    const std::uint8_t* Borrow(std::int64_t count) override;

    const std::vector<std::uint8_t>& Data() const { return data_; }
    std::vector<std::uint8_t> TakeData();
    void Reserve(std::size_t bytes) { data_.reserve(bytes); }

private:
    std::vector<std::uint8_t> data_;
    std::int64_t position_ = 0;
};

class FileStream : public Stream {
public:
    enum class Mode {
        Read,       // existing file, reading only
        ReadWrite,  // existing file, reading and writing
        Create,     // created or truncated, reading and writing
    };

    // Raises EFOpenError("Cannot open file <name>") or EFCreateError("Cannot create file <name>").
    FileStream(const std::filesystem::path& path, Mode mode);
    ~FileStream() override;
    FileStream(const FileStream&) = delete;
    FileStream& operator=(const FileStream&) = delete;

    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void* buffer, std::int64_t count) override;
    std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override;
    std::int64_t Size() override;
    std::int64_t Position() override;

    // Flushes and closes; raises EWriteError when buffered data cannot be written.
    void Close();

private:
    std::FILE* file_ = nullptr;
};

}  // namespace velmora
