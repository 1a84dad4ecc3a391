#include "cardsets/PayloadContainer.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "cardsets/CardSetError.h"
#include "cardsets/PayloadReader.h"
#include "compression/Lzrw1.h"

namespace velmora {

namespace {

constexpr std::int64_t ContainerHeaderSize = 8;

// The most bytes one byte of each codec's stream can stand for: the LZH codec codes a 60-byte match
// in no fewer than 10 bits; an LZRW1/KH block gives at most 32768 bytes and, made of the longest runs
// its decoder takes, is still at least 9 bytes long.
constexpr std::int64_t LzhExpansion = 48;
constexpr std::int64_t LzrwExpansion = 4096;
constexpr std::int64_t CodecSlack = 64;

// Refuses writes past a limit, so the container fails instead of growing the payload without end.
class CappedMemoryStream : public MemoryStream {
public:
    explicit CappedMemoryStream(std::int64_t cap) : cap_(cap) {}
    std::int64_t Write(const void* buffer, std::int64_t count) override {
        if (count > cap_ - Position()) return -1;
        return MemoryStream::Write(buffer, count);
    }

private:
    std::int64_t cap_;
};

// The LZH stream has no end mark and its decoder reads past the end of the input as zero bits, so a
// stream cut short decodes into plausible garbage. A whole stream makes the decoder ask for at most
// two bytes past its end (its bit reader tops itself up to 9 bits), and the container reads the file
// again for each byte asked once the file is used up; more empty reads than that mean bits are missing.
class EndWatchingStream : public Stream {
public:
    static constexpr int MostEmptyReadsOfAWholeStream = 2;

    explicit EndWatchingStream(Stream& file) : file_(file) {}
    std::int64_t Read(void* buffer, std::int64_t count) override {
        const std::int64_t n = file_.Read(buffer, count);
        if (n == 0 && count > 0) ++emptyReads_;
        return n;
    }
    std::int64_t Write(const void* buffer, std::int64_t count) override { return file_.Write(buffer, count); }
    std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override { return file_.Seek(offset, origin); }
    std::int64_t Size() override { return file_.Size(); }
    std::int64_t Position() override { return file_.Position(); }

    bool ReadPastTheEnd() const { return emptyReads_ > MostEmptyReadsOfAWholeStream; }

private:
    Stream& file_;
    int emptyReads_ = 0;
};

struct ContainerHeader {
    std::array<char, 4> Magic{};
    std::int32_t UncompressedSize = 0;
};

ContainerHeader PeekContainerHeader(Stream& file, const std::string& fileName) {
    const std::int64_t start = file.Position();
    std::array<std::uint8_t, ContainerHeaderSize> bytes{};
    const std::int64_t got = file.Read(bytes.data(), ContainerHeaderSize);
    if (file.Seek(start, SeekOrigin::Begin) != start) ThrowUnreadableCardSet(fileName);
    if (got != ContainerHeaderSize) {
        ThrowDamagedCardSet(fileName,
                            ErrorPhrase(VELMORA_TRANSLATE_NOOP("Errors", "the compressed pictures are missing")));
    }
    ContainerHeader header;
    std::memcpy(header.Magic.data(), bytes.data(), 4);
    const std::uint32_t size = bytes[4] | std::uint32_t{bytes[5]} << 8 | std::uint32_t{bytes[6]} << 16 |
                               std::uint32_t{bytes[7]} << 24;
    header.UncompressedSize = static_cast<std::int32_t>(size);
    return header;
}

std::int64_t LargestCodableSize(const ContainerHeader& header, std::int64_t containerLength) {
    const bool lzh = std::memcmp(header.Magic.data(), "!HZL", 4) == 0;
    const std::int64_t coded = std::max<std::int64_t>(0, containerLength - ContainerHeaderSize);
    return (coded + CodecSlack) * (lzh ? LzhExpansion : LzrwExpansion);
}

std::int64_t CheckedPayloadSize(Stream& file, const CardSetPrefix& prefix, const std::string& fileName) {
    const ContainerHeader header = PeekContainerHeader(file, fileName);
    const std::int64_t size = header.UncompressedSize;
    if (size < SmallestPayloadSize(prefix)) {
        const char* tooShort =
            VELMORA_TRANSLATE_NOOP("Errors", "the payload of %1 bytes is shorter than its %2 cards need");
        ThrowDamagedCardSet(fileName, ErrorPhrase(tooShort, {std::to_string(size), std::to_string(prefix.CardCount)}));
    }
    const std::int64_t containerLength = file.Size() - file.Position();
    if (size > LargestPayloadSize(prefix) || size > LargestCodableSize(header, containerLength)) {
        const char* tooLarge = VELMORA_TRANSLATE_NOOP("Errors", "the payload size %1 is too large for this file");
        ThrowDamagedCardSet(fileName, ErrorPhrase(tooLarge, {std::to_string(size)}));
    }
    return size;
}

}  // namespace

std::vector<std::uint8_t> UnpackPayload(Stream& file, const CardSetPrefix& prefix, const std::string& fileName,
                                        ProgressSession& progress) {
    const std::int64_t size = CheckedPayloadSize(file, prefix, fileName);
    CappedMemoryStream payload(size);
    payload.Reserve(static_cast<std::size_t>(size));
    EndWatchingStream input(file);
    Tlzrw1 lzrw;
    lzrw.UseStream = true;
    lzrw.Visible = false;
    lzrw.InputStream = &input;
    lzrw.OutputStream = &payload;
    lzrw.ProcessEvents = [&progress] { progress.ProcessEvents(); };
    try {
        lzrw.Decompress();
    } catch (const std::exception& e) {
        ThrowUnpackableCardSet(fileName, e);
    }
    if (input.ReadPastTheEnd()) {
        ThrowDamagedCardSet(fileName,
                            ErrorPhrase(VELMORA_TRANSLATE_NOOP("Errors", "the compressed pictures are cut short")));
    }
    return payload.TakeData();
}

void PackPayload(const std::vector<std::uint8_t>& payload, Stream& file, ProgressSession& progress) {
    MemoryStream input(payload);
    Tlzrw1 lzrw;
    lzrw.UseStream = true;
    lzrw.Visible = false;
    lzrw.CompressMode = TCompressMode::Good;
    lzrw.InputStream = &input;
    lzrw.OutputStream = &file;
    lzrw.ProcessEvents = [&progress] { progress.ProcessEvents(); };
    lzrw.Compress();
}

}  // namespace velmora
