#include "players/LibraryFile.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <memory>
#include <system_error>
#include <vector>

#include "compression/Stream.h"
#include "players/InOutError.h"

namespace velmora {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

void ReadRecords(Stream& stream, const std::function<void(const TPlayerRecord&)>& onRecord) {
    const std::int64_t size = stream.Size();
    while (stream.Position() < size) {
        PlayerRecordBytes bytes;
        stream.ReadBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
        onRecord(DecodePlayerRecord(bytes));
    }
}

// Writes one record's bytes and pushes them to the disk; returns the system error, 0 when fine.
int WriteRecord(std::FILE* file, const TPlayerRecord& record) {
    const PlayerRecordBytes bytes = EncodePlayerRecord(record);
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) return errno != 0 ? errno : EIO;
    return 0;
}

int FlushToDisk(std::FILE* file) {
    errno = 0;
    if (std::fflush(file) != 0 || fsync(fileno(file)) != 0) return errno != 0 ? errno : EIO;
    return 0;
}

int WriteAll(std::FILE* file, std::span<const TPlayerRecord> records) {
    for (const TPlayerRecord& record : records) {
        if (const int error = WriteRecord(file, record)) return error;
    }
    return FlushToDisk(file);
}

std::filesystem::path TemporaryPathFor(const std::filesystem::path& file) {
    std::filesystem::path temporary = file;
    temporary += ".tmp";
    return temporary;
}

void RemoveQuietly(const std::filesystem::path& file) {
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
}

FilePtr OpenForAppend(const std::filesystem::path& file, bool& created) {
    std::error_code ignored;
    created = !std::filesystem::exists(file, ignored);
    // An existing file is never opened in a mode that would empty it.
    FilePtr handle(std::fopen(file.c_str(), created ? "w+b" : "r+b"));
    if (!handle) RaiseInOutError(errno);
    return handle;
}

void UndoAppend(const std::filesystem::path& file, std::FILE* handle, bool created, long originalSize) {
    if (created) {
        RemoveQuietly(file);
    } else if (ftruncate(fileno(handle), originalSize) != 0) {
        // Nothing more can be done here; the write error below is what the user hears about.
    }
}

}  // namespace

std::filesystem::path LibraryFilePath(const std::filesystem::path& folder) { return folder / LibraryFileName; }

void ReadLibraryFile(const std::filesystem::path& file, const std::function<void(const TPlayerRecord&)>& onRecord) {
    std::unique_ptr<FileStream> stream;
    try {
        stream = std::make_unique<FileStream>(file, FileStream::Mode::Read);
    } catch (const EFOpenError&) {
        return;  // a missing library is an empty one
    }
    ReadRecords(*stream, onRecord);
}

void WriteLibraryFile(const std::filesystem::path& file, std::span<const TPlayerRecord> records) {
    const std::filesystem::path temporary = TemporaryPathFor(file);
    FilePtr handle(std::fopen(temporary.c_str(), "wb"));
    if (!handle) RaiseInOutError(errno);
    int error = WriteAll(handle.get(), records);
    errno = 0;
    if (std::fclose(handle.release()) != 0 && error == 0) error = errno != 0 ? errno : EIO;
    if (error == 0 && std::rename(temporary.c_str(), file.c_str()) != 0) error = errno;
    if (error != 0) {
        RemoveQuietly(temporary);
        RaiseInOutError(error);
    }
}

Phrase AppendLibraryRecord(const std::filesystem::path& file, const TPlayerRecord& record,
                                const AppendCheck& check) {
    bool created = false;
    FilePtr handle = OpenForAppend(file, created);
    std::vector<TPlayerRecord> existing;
    {
        FileStream reader(file, FileStream::Mode::Read);
        ReadRecords(reader, [&](const TPlayerRecord& r) { existing.push_back(r); });
    }
    if (Phrase refusal = check(existing); !refusal.Empty()) return refusal;
    const long originalSize = static_cast<long>(existing.size() * PlayerRecordSize);
    int error = std::fseek(handle.get(), originalSize, SEEK_SET) != 0 ? errno : 0;
    if (error == 0) error = WriteRecord(handle.get(), record);
    if (error == 0) error = FlushToDisk(handle.get());
    if (error != 0) {
        UndoAppend(file, handle.get(), created, originalSize);
        RaiseInOutError(error);
    }
    return {};
}

}  // namespace velmora
