// Tlzrw1::Advise: recommends the fast codec when it alone already brings two samples of the input
// below Threshold percent of their size.

#include <filesystem>
#include <system_error>

#include "compression/ContainerSession.h"
#include "compression/Lzrw1.h"
#include "compression/Lzrw1kh.h"

namespace velmora {

namespace {

constexpr std::int64_t SmallInput = 3 * 32768;
constexpr std::int64_t SampleAlignment = 32768;

// Puts the caller's input stream back where Advise found it, however Advise ends.
class PositionKeeper {
public:
    explicit PositionKeeper(Stream* stream) : stream_(stream), position_(stream ? stream->Position() : -1) {}
    ~PositionKeeper() {
        if (stream_ != nullptr && position_ >= 0) stream_->Seek(position_, SeekOrigin::Begin);
    }
    PositionKeeper(const PositionKeeper&) = delete;
    PositionKeeper& operator=(const PositionKeeper&) = delete;

private:
    Stream* stream_;
    std::int64_t position_;
};

}  // namespace

std::int64_t Tlzrw1::AdviseInputSize() const {
    if (UseStream) {
        const std::int64_t size = InputStream != nullptr ? InputStream->Size() : -1;
        if (size < 0) throw ELzrw1Exception("Lzrw1 advise : can not get size of inputstream !");
        return size;
    }
    std::error_code error;
    const auto size = std::filesystem::file_size(InputFile, error);
    if (error) throw ELzrw1Exception("Lzrw1 advise : can not get the size of : " + InputFile);
    return static_cast<std::int64_t>(size);
}

// Codes up to one block from offset with the fast codec; returns the coded length and sets read.
std::int32_t Tlzrw1::SampleCoded(ContainerSession& session, std::int64_t offset, std::int64_t& read) {
    read = -1;
    if (session.Input().Seek(offset, SeekOrigin::Begin) >= 0) {
        read = session.Input().Read(session.InBuffer(), ContainerSession::BlockSize);
    }
    if (read < 0) Fail("Lzrw1 advise : input stream read error !", "Lzrw1 advise : read error on input file : " + InputFile);
    RunEvents();
    return lzr_->CompressBlock(session.InBuffer(), session.OutBuffer(), static_cast<std::uint16_t>(read));
}

TCompressMode Tlzrw1::Advise() {
    // Advise writes its texts into the caption even when the component is not visible.
    caption_ = UseStream ? "Guessing the best compression mode for the inputstream"
                         : "Guessing the best compression mode for : " + InputFile;
    const PositionKeeper keeper(UseStream ? InputStream : nullptr);
    ContainerSession session("Lzrw1 advise : Error getting I/O buffers");
    const std::int64_t size = AdviseInputSize();
    if (UseStream) {
        if (InputStream->Seek(0, SeekOrigin::Begin) < 0) {
            throw ELzrw1Exception("Lzrw1 edvise : can not initialize the input stream!");
        }
        session.UseInput(*InputStream);
    } else if (!session.OpenInputFile(InputFile)) {
        throw ELzrw1Exception("Lzrw1 advise : can open input file : " + InputFile);
    }
    if (size < SmallInput) {
        CompressMode = TCompressMode::Good;
        caption_ = "Lzrw1 recommends GOOD compression :  small file !!";
        return TCompressMode::Good;
    }
    // Two whole blocks, from a third and from two thirds of the way in (64-bit, so that inputs of a
    // gigabyte and more are sampled where they should be).
    std::int64_t read1 = 0;
    std::int64_t read2 = 0;
    const std::int64_t coded1 = SampleCoded(session, size / 3 / SampleAlignment * SampleAlignment, read1);
    const std::int64_t coded2 = SampleCoded(session, 2 * size / 3 / SampleAlignment * SampleAlignment, read2);
    const std::int64_t coded = coded1 + coded2;
    const std::int64_t sampled = read1 + read2;
    const std::string percentage = Percentage(coded, sampled) + "%.";
    if (coded < Threshold * sampled / 100) {
        caption_ = "Lzrw1 recommends FAST compression : " + percentage;
        return TCompressMode::Fast;
    }
    caption_ = "Lzrw1 recommends GOOD compression : " + percentage;
    return TCompressMode::Good;
}

}  // namespace velmora
