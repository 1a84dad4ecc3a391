#include "compression/Lzrw1.h"

#include <cstring>
#include <filesystem>
#include <limits>
#include <system_error>

#include "compression/ContainerSession.h"
#include "compression/Lzh.h"
#include "compression/Lzrw1LzhIo.h"
#include "compression/Lzrw1kh.h"
#include "text/Phrase.h"

namespace velmora {

namespace {

constexpr std::uint8_t FastMagic[4] = {'W', 'R', 'Z', 'L'};
constexpr std::uint8_t GoodMagic[4] = {'!', 'H', 'Z', 'L'};
constexpr std::size_t BlockSize = ContainerSession::BlockSize;
constexpr const char* NoBuffersText = VELMORA_TRANSLATE_NOOP("Errors", "Lzrw1 (de)compression : Failed to get memory for I/O buffers !");
constexpr const char* FastMismatchText =
    VELMORA_TRANSLATE_NOOP("Errors", "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !");
constexpr const char* GoodMismatchText = VELMORA_TRANSLATE_NOOP("Errors", "Lzrw1 (LZH decompression) : Original and compressed sizes do not match !");

// The most bytes that `coded` bytes of LZRW1/KH blocks can restore: the richest item is a run of at
// most 4111 bytes for 33 bits (four bytes and its control bit); everything else gives less per bit.
std::int64_t MostRestorableFast(std::int64_t coded) { return coded * 8 * 4111 / 33; }

// The same for an LZH bit stream: every symbol takes at least 1 bit, and a match (at most 60 bytes)
// takes its symbol and at least 9 bits of position, so no bit restores more than 6 bytes.
std::int64_t MostRestorableGood(std::int64_t coded) { return coded * 8 * 6; }

void PutLittleEndian(std::uint8_t* bytes, std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t GetLittleEndian(const std::uint8_t* bytes, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = value << 8 | bytes[i];
    return value;
}

}  // namespace

// An empty input leaves nothing to divide by; it shows as 0%.
std::string Tlzrw1::Percentage(std::int64_t part, std::int64_t whole) {
    return std::to_string(whole == 0 ? 0 : 100 * part / whole);
}

Tlzrw1::Tlzrw1() : lzh_(std::make_unique<TLZH>()), lzr_(std::make_unique<TLZR>()) {}

Tlzrw1::~Tlzrw1() = default;

void Tlzrw1::Fail(const std::string& streamText, const std::string& fileText) const {
    throw ELzrw1Exception(UseStream ? streamText : fileText);
}

void Tlzrw1::RunEvents() const {
    if (ProcessEvents) ProcessEvents();
}

void Tlzrw1::Show(const std::string& text) {
    if (!Visible) return;
    caption_ = text;
    if (CaptionChanged) CaptionChanged(caption_);
}

void Tlzrw1::ShowProgress(const char* codec) {
    Show(std::string(codec) + " Bytes in : " + std::to_string(bytesIn_) + " Bytes out : " + std::to_string(bytesOut_));
}

void Tlzrw1::VerifyWrite(std::int64_t done, std::int64_t asked) const {
    if (done != asked) Fail(VELMORA_TRANSLATE_NOOP("Errors", "Lzrw1 : Error writing to output stream !"), "Lzrw1 : Error writing to output file : " + OutputFile);
    RunEvents();
}

void Tlzrw1::VerifyRead(std::int64_t done, std::int64_t asked) const {
    if (done != asked) Fail(VELMORA_TRANSLATE_NOOP("Errors", "Lzrw1 : Error reading from input stream !"), "Lzrw1 : Error reading from input file : " + InputFile);
    RunEvents();
}

void Tlzrw1::WriteChecked(ContainerSession& session, const void* buffer, std::int64_t count) {
    VerifyWrite(session.Output().Write(buffer, count), count);
}

void Tlzrw1::ReadChecked(ContainerSession& session, void* buffer, std::int64_t count) {
    VerifyRead(session.Input().Read(buffer, count), count);
}

std::int32_t Tlzrw1::InputSize() const {
    std::int64_t size = -1;
    if (UseStream) {
        if (InputStream != nullptr) size = InputStream->Size();
    } else {
        std::error_code error;
        const auto fileSize = std::filesystem::file_size(InputFile, error);
        if (!error) size = static_cast<std::int64_t>(fileSize);
    }
    // The header holds the size as a signed 32-bit number; a larger input cannot be described.
    if (size < 0 || size > std::numeric_limits<std::int32_t>::max()) {
        Fail(VELMORA_TRANSLATE_NOOP("Errors", "Lzrw1 compression : Failed to obtain the size of the input stream !"),
             "Lzrw1 compression : Failed to obtain the size of : " + InputFile);
    }
    return static_cast<std::int32_t>(size);
}

void Tlzrw1::Open(ContainerSession& session) {
    if (UseStream) {
        if (InputStream == nullptr || InputStream->Seek(0, SeekOrigin::Current) < 0) {
            throw ELzrw1Exception(VELMORA_TRANSLATE_NOOP("Errors", "Lzrw1 (de)compression : Failed to initialize input stream !"));
        }
        if (OutputStream == nullptr || OutputStream->Seek(0, SeekOrigin::Current) < 0) {
            throw ELzrw1Exception(VELMORA_TRANSLATE_NOOP("Errors", "Lzrw1 (de)compression : Failed to initialize output stream !"));
        }
        session.UseInput(*InputStream);
        session.UseOutput(*OutputStream);
        return;
    }
    if (!session.OpenInputFile(InputFile)) {
        throw ELzrw1Exception("Lzrw1 (de)compression : Failed to open input file : " + InputFile);
    }
    if (!session.CreateOutputFile(OutputFile)) {
        throw ELzrw1Exception("Lzrw1 (de)compression : Failed to open output file : " + OutputFile);
    }
}

// Puts the output in place and shows the success text; returns the final BytesOut.
std::int32_t Tlzrw1::Conclude(ContainerSession& session, const char* streamText, const char* fileText) {
    // Data still buffered for the file can fail to reach it here, as with any other write.
    if (!session.FinishOutput()) VerifyWrite(-1, 0);
    const std::string percentage = Percentage(bytesOut_, bytesIn_) + "%";
    Show(UseStream ? streamText + percentage : InputFile + fileText + percentage);
    return bytesOut_;
}

std::int32_t Tlzrw1::Compress() {
    const TCompressMode mode = CompressMode == TCompressMode::Auto ? Advise() : CompressMode;
    ContainerSession session(NoBuffersText);
    const bool fast = mode == TCompressMode::Fast;
    uncompressedSize_ = InputSize();
    Open(session);
    WriteHeader(session, fast ? FastMagic : GoodMagic);
    if (fast) {
        CompressFast(session);
    } else {
        CompressGood(session);
    }
    return Conclude(session, "Lzrw1 : inputstream successfully compressed at ", " : Lzrw1 : successfully compressed at ");
}

void Tlzrw1::WriteHeader(ContainerSession& session, const std::uint8_t* magic) {
    WriteChecked(session, magic, 4);
    bytesOut_ = 4;
    bytesIn_ = 0;
    std::uint8_t size[4];
    PutLittleEndian(size, static_cast<std::uint32_t>(uncompressedSize_), 4);
    WriteChecked(session, size, 4);
    bytesOut_ += 4;
}

void Tlzrw1::CompressFast(ContainerSession& session) {
    bytesIn_ = 0;
    std::int64_t read = 0;
    do {
        read = session.Input().Read(session.InBuffer(), BlockSize);
        if (read < 0) {
            Fail(VELMORA_TRANSLATE_NOOP("Errors", "Lzrw1 : Error reading from input stream ! (LZRW1/KH)"),
                 "Lzrw1 : Error reading from input file : " + InputFile + " (LZRW1/KH)");
        }
        RunEvents();
        bytesIn_ += static_cast<std::int32_t>(read);
        const std::uint16_t coded =
            lzr_->CompressBlock(session.InBuffer(), session.OutBuffer(), static_cast<std::uint16_t>(read));
        std::uint8_t length[2];
        PutLittleEndian(length, coded, 2);
        WriteChecked(session, length, 2);
        bytesOut_ += 2;
        WriteChecked(session, session.OutBuffer(), coded);
        bytesOut_ += coded;
        ShowProgress("(LZRW1/KH)");
    } while (read == static_cast<std::int64_t>(BlockSize));
}

void Tlzrw1::CompressGood(ContainerSession& session) {
    InputReader reader(*this, session);
    OutputWriter writer(*this, session);
    lzh_->EncodeStream(writer, reader);
    writer.Finish();
}

std::int32_t Tlzrw1::Decompress() {
    ContainerSession session(NoBuffersText);
    Open(session);
    std::uint8_t magic[4];
    ReadChecked(session, magic, 4);
    const bool fast = std::memcmp(magic, FastMagic, 4) == 0;
    if (!fast && std::memcmp(magic, GoodMagic, 4) != 0) {
        Fail(VELMORA_TRANSLATE_NOOP("Errors", "Lzrw1 decompression : input stream contains no valid header !"),
             InputFile + " : Lzrw1 decompression : this file has no valid header !");
    }
    bytesIn_ = 4;
    bytesOut_ = 0;
    std::uint8_t size[4];
    ReadChecked(session, size, 4);
    bytesIn_ += 4;
    uncompressedSize_ = static_cast<std::int32_t>(GetLittleEndian(size, 4));
    if (fast) {
        DecompressFast(session);
    } else {
        DecompressGood(session);
    }
    return Conclude(session, "LZrw1 : inputstream successfully decompressed at ",
                    " : Lzrw1 : successfully decompressed at ");
}

// A size field that is negative, or larger than the rest of the input could restore, is refused
// before anything is written, so a damaged header cannot make the output grow without end.
void Tlzrw1::RefuseImpossibleSize(ContainerSession& session, std::int64_t (*mostRestorable)(std::int64_t),
                                  const char* mismatchText) const {
    const std::int64_t size = session.Input().Size();
    const std::int64_t position = session.Input().Position();
    const std::int64_t coded = size < 0 || position < 0 || position > size ? 0 : size - position;
    if (uncompressedSize_ < 0 || uncompressedSize_ > mostRestorable(coded)) throw ELzrw1Exception(mismatchText);
}

// A stream in memory lends the block where it lies; any other is read into the input buffer.
const std::uint8_t* Tlzrw1::ReadBlock(ContainerSession& session, std::uint16_t length) {
    if (const std::uint8_t* lent = session.Input().Borrow(length)) {
        RunEvents();  // as after any verified read
        return lent;
    }
    ReadChecked(session, session.InBuffer(), length);
    return session.InBuffer();
}

void Tlzrw1::DecompressFast(ContainerSession& session) {
    RefuseImpossibleSize(session, MostRestorableFast, FastMismatchText);
    std::uint16_t restored = 0;
    do {
        std::uint8_t lengthBytes[2];
        ReadChecked(session, lengthBytes, 2);
        const auto length = static_cast<std::uint16_t>(GetLittleEndian(lengthBytes, 2));
        if (length > TLZR::MaxCodedLength) throw ELzrw1Exception(TLZR::DamagedBlockText);
        const std::uint8_t* const block = ReadBlock(session, length);
        bytesIn_ += length + 2;
        restored = lzr_->DecompressBlock(block, session.OutBuffer(), length);
        // More than the header announced can only come from damage; stop before writing it.
        if (restored > uncompressedSize_ - bytesOut_) throw ELzrw1Exception(FastMismatchText);
        WriteChecked(session, session.OutBuffer(), restored);
        bytesOut_ += restored;
        ShowProgress("(LZRW1/KH)");
    } while (restored == BlockSize);
    if (bytesOut_ != uncompressedSize_) throw ELzrw1Exception(FastMismatchText);
}

void Tlzrw1::DecompressGood(ContainerSession& session) {
    RefuseImpossibleSize(session, MostRestorableGood, GoodMismatchText);
    InputReader reader(*this, session);
    OutputWriter writer(*this, session);
    lzh_->DecodeStream(uncompressedSize_, writer, reader);
    writer.Finish();
    if (bytesOut_ != uncompressedSize_) throw ELzrw1Exception(GoodMismatchText);
}

}  // namespace velmora
