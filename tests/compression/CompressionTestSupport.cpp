#include "CompressionTestSupport.h"

#include <algorithm>
#include <cstring>
#include <random>

#include <gtest/gtest.h>

namespace velmora::testing {

Bytes ToBytes(std::string_view text) { return Bytes(text.begin(), text.end()); }

Bytes FromHex(std::string_view hex) {
    Bytes bytes;
    for (std::size_t i = 0; i + 1 < hex.size();) {
        if (hex[i] == ' ') {
            ++i;
            continue;
        }
        bytes.push_back(static_cast<std::uint8_t>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
        i += 2;
    }
    return bytes;
}

Bytes TextSample(std::size_t size) {
    static const char* const words[] = {"the ",  "memory ", "cards ",   "of ",  "players ", "turn ",   "a ",
                                        "pair ", "match ",  "board, ",  "and ", "every ",   "wins. ",  "\r\n",
                                        "with ", "picture ", "computer ", "IQ ", "remembers ", "flip "};
    std::mt19937 random(7);
    Bytes text;
    while (text.size() < size) {
        const std::string_view word = words[random() % std::size(words)];
        text.insert(text.end(), word.begin(), word.end());
    }
    text.resize(size);
    return text;
}

Bytes RunSample(std::size_t size) {
    Bytes bytes;
    std::mt19937 random(11);
    while (bytes.size() < size) {
        const auto value = static_cast<std::uint8_t>(random());
        bytes.insert(bytes.end(), 1 + random() % 5000, value);
    }
    bytes.resize(size);
    return bytes;
}

Bytes RandomSample(std::size_t size, std::uint32_t seed) {
    std::mt19937 random(seed);
    Bytes bytes(size);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(random() >> 24);
    return bytes;
}

void UseStreams(Tlzrw1& lzrw, Stream& in, Stream& out, TCompressMode mode) {
    lzrw.UseStream = true;
    lzrw.CompressMode = mode;
    lzrw.InputStream = &in;
    lzrw.OutputStream = &out;
}

Bytes PictureSample(std::size_t size) {
    std::mt19937 random(13);
    Bytes bytes;
    for (std::size_t row = 0; bytes.size() < size; ++row) {
        for (std::size_t x = 0; x < 540; ++x) {
            const bool flat = row % 40 < 25;
            for (std::size_t channel = 0; channel < 3; ++channel) {
                const std::size_t shade = flat ? (x / 60 + channel * 70) : (x / 4 + row + channel * 30 + random() % 5);
                bytes.push_back(static_cast<std::uint8_t>(shade));
            }
        }
    }
    bytes.resize(size);
    return bytes;
}

Bytes PatternSample(std::size_t size) {
    std::mt19937 random(17);
    Bytes bytes;
    while (bytes.size() < size) {
        Bytes pattern(1 + random() % 90);
        for (std::uint8_t& b : pattern) b = static_cast<std::uint8_t>(random() % 8);
        const std::size_t length = pattern.size() + random() % 3000;
        for (std::size_t i = 0; i < length; ++i) bytes.push_back(pattern[i % pattern.size()]);
        for (std::size_t i = random() % 4; i > 0; --i) bytes.push_back(static_cast<std::uint8_t>(random()));
    }
    bytes.resize(size);
    return bytes;
}

std::uint64_t Digest(const Bytes& bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const std::uint8_t b : bytes) hash = (hash ^ b) * 1099511628211ull;
    return hash;
}

Bytes Compressed(const Bytes& input, TCompressMode mode) {
    MemoryStream in(input);
    MemoryStream out;
    Tlzrw1 lzrw;
    UseStreams(lzrw, in, out, mode);
    lzrw.Compress();
    return out.TakeData();
}

Bytes Restored(const Bytes& container) {
    MemoryStream in(container);
    MemoryStream out;
    Tlzrw1 lzrw;
    UseStreams(lzrw, in, out);
    lzrw.Decompress();
    return out.TakeData();
}

std::int64_t FailingStream::Read(void* buffer, std::int64_t count) {
    if (readableBytes >= 0 && read_ + count > readableBytes) return -1;
    const std::int64_t n = MemoryStream::Read(buffer, count);
    read_ += std::max<std::int64_t>(n, 0);
    return n;
}

std::int64_t FailingStream::Write(const void* buffer, std::int64_t count) {
    if (writableBytes >= 0) count = std::min(count, writableBytes - written_);
    const std::int64_t n = MemoryStream::Write(buffer, count);
    written_ += std::max<std::int64_t>(n, 0);
    return n;
}

std::int64_t FailingStream::Seek(std::int64_t offset, SeekOrigin origin) {
    if (failSeek) return -1;
    if (origin == SeekOrigin::Begin) seeksFromBegin.push_back(offset);
    return MemoryStream::Seek(offset, origin);
}

std::int64_t FailingStream::Size() { return failSize ? -1 : MemoryStream::Size(); }

bool VectorSource::Refill() {
    ++refills;
    const std::size_t count = std::min(piece_, bytes_.size() - taken_);
    Offer(bytes_.data() + taken_, count);
    taken_ += count;
    return count > 0;
}

void VectorSink::Drain() {
    bytes_.insert(bytes_.end(), buffer_, buffer_ + Held());
    Lend(buffer_, sizeof buffer_);
}

Bytes VectorSink::Take() {
    Drain();
    return std::move(bytes_);
}

Bytes LzhEncoded(const Bytes& input) {
    VectorSource source(input);
    VectorSink sink;
    TLZH().EncodeStream(sink, source);
    return sink.Take();
}

Bytes LzhDecoded(const Bytes& coded, std::int32_t size) {
    VectorSource source(coded);
    VectorSink sink;
    TLZH().DecodeStream(size, sink, source);
    return sink.Take();
}

}  // namespace velmora::testing
