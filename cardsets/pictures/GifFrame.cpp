#include "cardsets/pictures/GifFrame.h"

#include <array>
#include <vector>

namespace velmora {

namespace {

constexpr std::size_t kScreenBytes = 13;
constexpr std::size_t kDescriptorBytes = 10;
constexpr int kMostCodes = 4096;

std::size_t Word(std::span<const std::uint8_t> bytes, std::size_t at) {
    return std::size_t{bytes[at]} | std::size_t{bytes[at + 1]} << 8;
}

std::size_t TableBytes(std::uint8_t flags) { return (flags & 0x80) ? 3 * (std::size_t{2} << (flags & 7)) : 0; }

// The data of a run of sub-blocks from at, joined; false when the file ends inside them.
bool JoinSubBlocks(std::span<const std::uint8_t> bytes, std::size_t& at, std::vector<std::uint8_t>* data) {
    while (at < bytes.size()) {
        const std::size_t length = bytes[at];
        if (length == 0) {
            ++at;
            return true;
        }
        if (length >= bytes.size() - at) return false;
        if (data != nullptr) data->insert(data->end(), bytes.begin() + static_cast<std::ptrdiff_t>(at + 1),
                                          bytes.begin() + static_cast<std::ptrdiff_t>(at + 1 + length));
        at += 1 + length;
    }
    return false;
}

// The number of pixels the LZW codes give before their end code, counting only the lengths of the
// strings a decoder would build; stops early at pixels, and at a code no decoder could take.
std::int64_t LzwPixels(const std::vector<std::uint8_t>& data, int minimumCodeSize, std::int64_t pixels) {
    const int clear = 1 << minimumCodeSize;
    std::array<std::int64_t, kMostCodes> lengths{};
    for (int code = 0; code < clear; ++code) lengths[static_cast<std::size_t>(code)] = 1;
    int next = clear + 2, width = minimumCodeSize + 1, previous = -1;
    std::int64_t total = 0;
    std::uint32_t bits = 0;
    int count = 0;
    std::size_t at = 0;
    while (total < pixels) {
        while (count < width && at < data.size()) {
            bits |= std::uint32_t{data[at++]} << count;
            count += 8;
        }
        if (count < width) break;
        const int code = static_cast<int>(bits & ((1u << width) - 1));
        bits >>= width;
        count -= width;
        if (code == clear) {
            next = clear + 2;
            width = minimumCodeSize + 1;
            previous = -1;
            continue;
        }
        if (code == clear + 1 || code > next || (previous < 0 && code >= clear)) break;
        if (previous >= 0) {
            const std::int64_t grown = lengths[static_cast<std::size_t>(previous)] + 1;
            if (code == next && next >= kMostCodes) break;
            if (next < kMostCodes) lengths[static_cast<std::size_t>(next++)] = grown;
            if (next == (1 << width) && width < 12) ++width;
        }
        total += lengths[static_cast<std::size_t>(code)];
        previous = code;
    }
    return total;
}

}  // namespace

bool HoldsWholeFirstFrame(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kScreenBytes) return false;
    const auto screen = static_cast<std::int64_t>(Word(bytes, 6) * Word(bytes, 8));
    if (screen > static_cast<std::int64_t>(bytes.size()) * MostGifPixelsPerByte) return false;
    std::size_t at = kScreenBytes + TableBytes(bytes[10]);
    while (at < bytes.size()) {
        if (bytes[at] == 0x21) {
            at += 2;
            if (!JoinSubBlocks(bytes, at, nullptr)) return false;
            continue;
        }
        if (bytes[at] != 0x2C || bytes.size() - at <= kDescriptorBytes) return false;
        const auto frame = static_cast<std::int64_t>(Word(bytes, at + 5) * Word(bytes, at + 7));
        at += kDescriptorBytes + TableBytes(bytes[at + 9]);
        if (at >= bytes.size()) return false;
        const int minimumCodeSize = bytes[at++];
        if (minimumCodeSize < 1 || minimumCodeSize > 11) return false;
        std::vector<std::uint8_t> data;
        return JoinSubBlocks(bytes, at, &data) && LzwPixels(data, minimumCodeSize, frame) >= frame;
    }
    return false;
}

}  // namespace velmora
