#include "compression/Stream.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>

namespace velmora {
namespace {

Phrase StreamWriteError() { return MakePhrase(ErrorContext, VELMORA_TRANSLATE_NOOP("Errors", "Stream write error")); }

}  // namespace

Phrase CannotOpenFile(const std::string& name) {
    return MakePhrase(ErrorContext, VELMORA_TRANSLATE_NOOP("Errors", "Cannot open file %1"), {name});
}

Phrase CannotCreateFile(const std::string& name) {
    return MakePhrase(ErrorContext, VELMORA_TRANSLATE_NOOP("Errors", "Cannot create file %1"), {name});
}

void Stream::ReadBuffer(void* buffer, std::int64_t count) {
    if (count > 0 && Read(buffer, count) != count) {
        throw EReadError(MakePhrase(ErrorContext, VELMORA_TRANSLATE_NOOP("Errors", "Read beyond end of file")));
    }
}

void Stream::WriteBuffer(const void* buffer, std::int64_t count) {
    if (count > 0 && Write(buffer, count) != count) throw EWriteError(StreamWriteError());
}

std::int64_t MemoryStream::Read(void* buffer, std::int64_t count) {
    if (count < 0) return -1;
    const std::int64_t available = std::max<std::int64_t>(0, Size() - position_);
    const std::int64_t n = std::min(count, available);
    if (n > 0) std::memcpy(buffer, data_.data() + position_, static_cast<std::size_t>(n));
    position_ += n;
    return n;
}

const std::uint8_t* MemoryStream::Borrow(std::int64_t count) {
    if (count < 0 || count > Size() - position_) return nullptr;
    const std::uint8_t* const bytes = data_.data() + position_;
    position_ += count;
    return bytes;
}

std::int64_t MemoryStream::Write(const void* buffer, std::int64_t count) {
    if (count < 0) return -1;
    if (count == 0) return 0;
    const auto end = static_cast<std::size_t>(position_ + count);
    if (end > data_.size()) data_.resize(end);
    std::memcpy(data_.data() + position_, buffer, static_cast<std::size_t>(count));
    position_ += count;
    return count;
}

std::int64_t MemoryStream::Seek(std::int64_t offset, SeekOrigin origin) {
    std::int64_t base = 0;
    if (origin == SeekOrigin::Current) base = position_;
    if (origin == SeekOrigin::End) base = Size();
    const std::int64_t target = base + offset;
    if (target < 0) return -1;
    position_ = target;
    return position_;
}

std::vector<std::uint8_t> MemoryStream::TakeData() {
    position_ = 0;
    return std::exchange(data_, {});
}

FileStream::FileStream(const std::filesystem::path& path, Mode mode) {
    const char* how = mode == Mode::Read ? "rb" : mode == Mode::ReadWrite ? "r+b" : "w+b";
    file_ = std::fopen(path.c_str(), how);
    if (file_ == nullptr) {
        const std::string name = path.string();
        if (mode == Mode::Create) throw EFCreateError(CannotCreateFile(name));
        throw EFOpenError(CannotOpenFile(name));
    }
}

FileStream::~FileStream() {
    if (file_ != nullptr) std::fclose(file_);
}

void FileStream::Close() {
    if (file_ == nullptr) return;
    const bool failed = std::fclose(file_) != 0;
    file_ = nullptr;
    if (failed) throw EWriteError(StreamWriteError());
}

std::int64_t FileStream::Read(void* buffer, std::int64_t count) {
    if (file_ == nullptr || count < 0) return -1;
    const std::size_t n = std::fread(buffer, 1, static_cast<std::size_t>(count), file_);
    if (n < static_cast<std::size_t>(count) && std::ferror(file_)) return -1;
    return static_cast<std::int64_t>(n);
}

std::int64_t FileStream::Write(const void* buffer, std::int64_t count) {
    if (file_ == nullptr || count < 0) return -1;
    return static_cast<std::int64_t>(std::fwrite(buffer, 1, static_cast<std::size_t>(count), file_));
}

std::int64_t FileStream::Seek(std::int64_t offset, SeekOrigin origin) {
    if (file_ == nullptr) return -1;
    const int whence = origin == SeekOrigin::Begin ? SEEK_SET : origin == SeekOrigin::Current ? SEEK_CUR : SEEK_END;
    if (fseeko(file_, static_cast<off_t>(offset), whence) != 0) return -1;
    return Position();
}

std::int64_t FileStream::Size() {
    if (file_ == nullptr) return -1;
    const off_t here = ftello(file_);
    if (here < 0 || fseeko(file_, 0, SEEK_END) != 0) return -1;
    const off_t end = ftello(file_);
    if (fseeko(file_, here, SEEK_SET) != 0) return -1;
    return static_cast<std::int64_t>(end);
}

std::int64_t FileStream::Position() {
    if (file_ == nullptr) return -1;
    return static_cast<std::int64_t>(ftello(file_));
}

}  // namespace velmora
