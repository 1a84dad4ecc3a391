// The headers of a bitmap: the 12-byte core header of the oldest files and the information header
// with its later extensions (40, 52, 56, 64, 108 and 124 bytes), each checked field by field.

#include <algorithm>
#include <bit>
#include <limits>

#include "cardsets/pictures/BmpDecoding.h"
#include "cardsets/pictures/PictureFile.h"

namespace velmora {

namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kCoreHeaderBytes = 12;
constexpr std::size_t kInfoHeaderBytes = 40;
constexpr std::size_t kOs2HeaderBytes = 64;

enum Compression : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3 };

std::uint32_t Number(std::span<const std::uint8_t> file, std::size_t at, int size) {
    if (at + static_cast<std::size_t>(size) > file.size()) ThrowBitmapNotValid();
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | file[at + static_cast<std::size_t>(i)];
    return value;
}

bool KnownHeaderSize(std::uint32_t size) {
    constexpr std::array<std::uint32_t, 7> kSizes{12, 40, 52, 56, 64, 108, 124};
    return std::find(kSizes.begin(), kSizes.end(), size) != kSizes.end();
}

struct Fields {
    std::size_t headerBytes = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t planes = 0;
    std::uint32_t bitCount = 0;
    std::uint32_t compression = kRgb;
    std::uint32_t coloursUsed = 0;
};

Fields ReadFields(std::span<const std::uint8_t> file) {
    Fields fields;
    fields.headerBytes = Number(file, kFileHeaderBytes, 4);
    if (!KnownHeaderSize(static_cast<std::uint32_t>(fields.headerBytes))) ThrowBitmapNotValid();
    if (kFileHeaderBytes + fields.headerBytes > file.size()) ThrowBitmapNotValid();
    if (fields.headerBytes == kCoreHeaderBytes) {
        fields.width = Number(file, 18, 2);
        fields.height = Number(file, 20, 2);
        fields.planes = Number(file, 22, 2);
        fields.bitCount = Number(file, 24, 2);
        return fields;
    }
    fields.width = static_cast<std::int32_t>(Number(file, 18, 4));
    fields.height = static_cast<std::int32_t>(Number(file, 22, 4));
    fields.planes = Number(file, 26, 2);
    fields.bitCount = Number(file, 28, 2);
    fields.compression = Number(file, 30, 4);
    fields.coloursUsed = Number(file, 46, 4);
    return fields;
}

bool BitCountAllowed(const Fields& fields) {
    switch (fields.bitCount) {
    case 1: case 4: case 8: case 24: return true;
    case 16: case 32: return fields.headerBytes != kCoreHeaderBytes;
    default: return false;
    }
}

// Which storage the compression names, for the bit count it goes with; the OS/2 header gives 3 and
// 4 other meanings (Huffman and 24-bit runs), which nothing writes today.
BmpStorage StorageOf(const Fields& fields) {
    switch (fields.compression) {
    case kRgb: return BmpStorage::Rows;
    case kRle8: if (fields.bitCount == 8) return BmpStorage::Runs8; break;
    case kRle4: if (fields.bitCount == 4) return BmpStorage::Runs4; break;
    case kBitFields:
        if ((fields.bitCount == 16 || fields.bitCount == 32) && fields.headerBytes != kOs2HeaderBytes)
            return BmpStorage::Rows;
        break;
    default: break;
    }
    ThrowBitmapNotValid();
}

// A mask must be one run of bits inside the pixel, and no two masks may share a bit.
void CheckMasks(const std::array<std::uint32_t, 3>& masks, std::uint32_t bitCount) {
    std::uint32_t seen = 0;
    for (const std::uint32_t mask : masks) {
        if (mask == 0 || (bitCount < 32 && mask >> bitCount != 0) || (mask & seen) != 0) ThrowBitmapNotValid();
        const std::uint32_t run = mask >> std::countr_zero(mask);
        if ((run & (run + 1)) != 0) ThrowBitmapNotValid();
        seen |= mask;
    }
}

// Returns where the colour table starts: after the header, or after the three masks that follow a
// 40-byte header.
std::size_t ReadMasks(std::span<const std::uint8_t> file, const Fields& fields, BmpLayout& layout) {
    std::size_t end = kFileHeaderBytes + fields.headerBytes;
    if (fields.compression == kBitFields) {
        const std::size_t at = kFileHeaderBytes + kInfoHeaderBytes;
        if (fields.headerBytes == kInfoHeaderBytes) end += 12;
        layout.Masks = {Number(file, at, 4), Number(file, at + 4, 4), Number(file, at + 8, 4)};
        CheckMasks(layout.Masks, fields.bitCount);
    } else if (fields.bitCount == 16) {
        layout.Masks = {0x7C00, 0x03E0, 0x001F};
    } else {
        layout.Masks = {0xFF0000, 0x00FF00, 0x0000FF};
    }
    return end;
}

// The table holds the count the header names (or the full count for the bit count), cut to the
// entries that lie before the pixels: some writers leave out the unused ones and say so only there.
std::vector<std::uint32_t> ReadColours(std::span<const std::uint8_t> file, const Fields& fields, std::size_t start,
                                       std::size_t pixelOffset) {
    if (fields.bitCount > 8) return {};
    const bool core = fields.headerBytes == kCoreHeaderBytes;
    const std::uint32_t full = 1u << fields.bitCount;
    const std::uint32_t named = core || fields.coloursUsed == 0 ? full : fields.coloursUsed;
    if (named > 256) ThrowBitmapNotValid();
    const std::size_t entryBytes = core ? 3 : 4;
    const std::size_t count = std::min<std::size_t>(named, (pixelOffset - start) / entryBytes);
    if (count == 0) ThrowBitmapNotValid();
    std::vector<std::uint32_t> colours(count);
    for (std::size_t i = 0; i < count; ++i) colours[i] = Number(file, start + i * entryBytes, 3);
    return colours;
}

}  // namespace

void ThrowBitmapNotValid() { throw EPictureError(VELMORA_TRANSLATE_NOOP("Errors", "Bitmap image is not valid"), {}); }

BmpLayout ReadBmpLayout(std::span<const std::uint8_t> file, const std::filesystem::path& path) {
    if (file.size() < kFileHeaderBytes + 4 || file[0] != 'B' || file[1] != 'M') ThrowBitmapNotValid();
    const Fields fields = ReadFields(file);
    if (fields.planes != 1 || !BitCountAllowed(fields)) ThrowBitmapNotValid();
    if (fields.width < 1 || fields.height == 0 || fields.height == std::numeric_limits<std::int32_t>::min())
        ThrowBitmapNotValid();

    BmpLayout layout;
    layout.Storage = StorageOf(fields);
    layout.TopDown = fields.height < 0;
    // Rows stored from the top cannot be compressed.
    if (layout.TopDown && layout.Storage != BmpStorage::Rows) ThrowBitmapNotValid();
    const std::int64_t height = layout.TopDown ? -fields.height : fields.height;
    CheckPictureSize(path, fields.width, height);
    layout.Width = static_cast<std::int32_t>(fields.width);
    layout.Height = static_cast<std::int32_t>(height);
    layout.BitCount = static_cast<int>(fields.bitCount);

    const std::size_t tableStart = ReadMasks(file, fields, layout);
    layout.PixelOffset = Number(file, 10, 4);
    if (layout.PixelOffset < tableStart || layout.PixelOffset > file.size()) ThrowBitmapNotValid();
    layout.Colours = ReadColours(file, fields, tableStart, layout.PixelOffset);
    return layout;
}

}  // namespace velmora
