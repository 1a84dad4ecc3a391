// Every kind of bitmap the common programs write, made byte by byte here, read to the exact pixel;
// and damaged ones refused with "Bitmap image is not valid".

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "CardSetSamples.h"
#include "cardsets/pictures/PictureFile.h"
#include "cardsets/pictures/StandardPalette.h"

using namespace velmora;
using velmora::testing::ScratchFolder;

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put(Bytes& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// What goes into one bitmap file; a negative height stores the rows from the top.
struct Bitmap {
    std::uint32_t headerBytes = 40;
    std::int32_t width = 3;
    std::int32_t height = 2;
    std::uint32_t planes = 1;
    std::uint32_t bitCount = 24;
    std::uint32_t compression = 0;
    std::uint32_t coloursUsed = 0;
    std::vector<std::uint32_t> masks;    // after a 40-byte header, or in the larger ones
    std::vector<std::uint32_t> colours;  // 0x00RRGGBB
    Bytes pixels;                        // as stored, padding included
};

Bytes Encode(const Bitmap& b) {
    const bool core = b.headerBytes == 12;
    const std::uint32_t entryBytes = core ? 3 : 4;
    const std::uint32_t maskBytes = b.headerBytes == 40 ? static_cast<std::uint32_t>(b.masks.size()) * 4 : 0;
    const std::uint32_t offset = 14 + b.headerBytes + maskBytes + static_cast<std::uint32_t>(b.colours.size()) * entryBytes;
    Bytes bytes{'B', 'M'};
    Put(bytes, offset + static_cast<std::uint32_t>(b.pixels.size()), 4);
    Put(bytes, 0, 4);
    Put(bytes, offset, 4);
    Put(bytes, b.headerBytes, 4);
    if (core) {
        Put(bytes, static_cast<std::uint32_t>(b.width), 2);
        Put(bytes, static_cast<std::uint32_t>(b.height), 2);
        Put(bytes, b.planes, 2);
        Put(bytes, b.bitCount, 2);
    } else {
        Put(bytes, static_cast<std::uint32_t>(b.width), 4);
        Put(bytes, static_cast<std::uint32_t>(b.height), 4);
        Put(bytes, b.planes, 2);
        Put(bytes, b.bitCount, 2);
        Put(bytes, b.compression, 4);
        Put(bytes, static_cast<std::uint32_t>(b.pixels.size()), 4);
        Put(bytes, 2835, 4);
        Put(bytes, 2835, 4);
        Put(bytes, b.coloursUsed, 4);
        Put(bytes, 0, 4);
        for (const std::uint32_t mask : b.masks) Put(bytes, mask, 4);
        while (bytes.size() < 14 + b.headerBytes) bytes.push_back(0);
    }
    for (const std::uint32_t colour : b.colours) Put(bytes, colour, static_cast<int>(entryBytes));
    bytes.insert(bytes.end(), b.pixels.begin(), b.pixels.end());
    return bytes;
}

class BitmapFiles : public ::testing::Test {
protected:
    Picture Read(const Bitmap& bitmap) { return Read(Encode(bitmap)); }
    Picture Read(const Bytes& bytes) {
        folder_.WriteFile("card.bmp", bytes);
        return ReadPictureFile(folder_ / "card.bmp");
    }
    std::string ErrorOf(const Bitmap& bitmap) { return ErrorOf(Encode(bitmap)); }
    std::string ErrorOf(const Bytes& bytes) {
        try {
            Read(bytes);
        } catch (const EPictureError& e) {
            return e.what();
        }
        return "read";
    }

private:
    ScratchFolder folder_;
};

constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF,
                        kBlack = 0x000000, kGrey = 0x808080;

// The picture most cases store: top row red, green, blue; bottom row white, black, grey.
const std::vector<std::uint32_t> kPicture{kRed, kGreen, kBlue, kWhite, kBlack, kGrey};

// A colour table with those six colours at indices 1..6 and a seventh, unused one.
const std::vector<std::uint32_t> kTable{0x123456, kRed, kGreen, kBlue, kWhite, kBlack, kGrey, 0x654321};

Bitmap TrueColour24(bool topDown) {
    Bitmap b;
    const Bytes top{0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0};  // blue, green, red byte order
    const Bytes bottom{255, 255, 255, 0, 0, 0, 128, 128, 128, 0, 0, 0};
    b.height = topDown ? -2 : 2;
    b.pixels = topDown ? top : bottom;
    const Bytes& second = topDown ? bottom : top;
    b.pixels.insert(b.pixels.end(), second.begin(), second.end());
    return b;
}

Bitmap Indexed8(bool topDown) {
    Bitmap b;
    b.bitCount = 8;
    b.colours = kTable;
    b.height = topDown ? -2 : 2;
    b.pixels = topDown ? Bytes{1, 2, 3, 0, 4, 5, 6, 0} : Bytes{4, 5, 6, 0, 1, 2, 3, 0};
    return b;
}

}  // namespace

TEST_F(BitmapFiles, RowsStoredFromTheTopReadLikeRowsStoredFromTheBottom) {
    EXPECT_EQ(Read(TrueColour24(false)).Pixels, kPicture);
    EXPECT_EQ(Read(TrueColour24(true)).Pixels, kPicture);
    EXPECT_EQ(Read(Indexed8(false)).Pixels, kPicture);
    const Picture indexed = Read(Indexed8(true));
    EXPECT_EQ(indexed.Pixels, kPicture);
    EXPECT_EQ(indexed.Palette[7], 0x654321u);

    Bitmap wide = TrueColour24(true);  // 32 bits, high byte unused
    wide.bitCount = 32;
    wide.pixels = {0, 0, 255, 9, 0, 255, 0, 9, 255, 0, 0, 9, 255, 255, 255, 9, 0, 0, 0, 9, 128, 128, 128, 9};
    EXPECT_EQ(Read(wide).Pixels, kPicture);
}

TEST_F(BitmapFiles, AnIndexedPictureKeepsItsColourTableExactly) {
    const Picture picture = Read(Indexed8(false));
    for (std::size_t i = 0; i < kTable.size(); ++i) EXPECT_EQ(picture.Palette[i], kTable[i]) << i;
    for (std::size_t i = kTable.size(); i < 256; ++i) EXPECT_EQ(picture.Palette[i], 0u) << i;

    Bitmap mono;  // 1 bit: rows 0b010 (bottom) and 0b101, padded to four bytes
    mono.bitCount = 1;
    mono.colours = {kBlack, kWhite};
    mono.pixels = {0x40, 0, 0, 0, 0xA0, 0, 0, 0};
    const Picture bits = Read(mono);
    EXPECT_EQ(bits.Pixels, (std::vector<std::uint32_t>{kWhite, kBlack, kWhite, kBlack, kWhite, kBlack}));
    EXPECT_EQ(bits.Palette[1], kWhite);

    Bitmap nibbles;  // 4 bits, a table of seven named by the header
    nibbles.bitCount = 4;
    nibbles.coloursUsed = 7;
    nibbles.colours = {kTable.begin(), kTable.begin() + 7};
    nibbles.pixels = {0x45, 0x60, 0, 0, 0x12, 0x30, 0, 0};
    EXPECT_EQ(Read(nibbles).Pixels, kPicture);

    Bitmap trueColour = TrueColour24(false);
    EXPECT_EQ(Read(trueColour).Palette, StandardPalette());
}

TEST_F(BitmapFiles, TheOs2CoreHeaderWithItsThreeByteColourTable) {
    Bitmap indexed = Indexed8(false);
    indexed.headerBytes = 12;
    indexed.colours.resize(256, 0x010203);
    const Picture picture = Read(indexed);
    EXPECT_EQ(picture.Pixels, kPicture);
    EXPECT_EQ(picture.Palette[6], kGrey);
    EXPECT_EQ(picture.Palette[255], 0x010203u);

    Bitmap trueColour = TrueColour24(false);
    trueColour.headerBytes = 12;
    EXPECT_EQ(Read(trueColour).Pixels, kPicture);

    Bitmap mono;
    mono.headerBytes = 12;
    mono.bitCount = 1;
    mono.colours = {kBlue, kRed};
    mono.pixels = {0x20, 0, 0, 0, 0xC0, 0, 0, 0};
    EXPECT_EQ(Read(mono).Pixels, (std::vector<std::uint32_t>{kRed, kRed, kBlue, kBlue, kBlue, kRed}));
}

TEST_F(BitmapFiles, SixteenBitColoursWithAndWithoutMasksReachFullIntensity) {
    Bitmap plain;  // 5-5-5: red, green, blue; then white, black, half (16 of 31)
    plain.bitCount = 16;
    plain.pixels = {0xFF, 0x7F, 0x00, 0x00, 0x10, 0x42, 0, 0, 0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0, 0};
    const std::uint32_t half = 0x848484;  // 16 / 31 of full intensity, rounded
    EXPECT_EQ(Read(plain).Pixels, (std::vector<std::uint32_t>{kRed, kGreen, kBlue, kWhite, kBlack, half}));

    Bitmap fields = plain;  // 5-6-5 named by masks after the header
    fields.compression = 3;
    fields.masks = {0xF800, 0x07E0, 0x001F};
    fields.pixels = {0xFF, 0xFF, 0x00, 0x00, 0x10, 0x84, 0, 0, 0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0, 0};
    EXPECT_EQ(Read(fields).Pixels, (std::vector<std::uint32_t>{kRed, kGreen, kBlue, kWhite, kBlack, 0x848284}));
}

TEST_F(BitmapFiles, ThirtyTwoBitColoursFollowTheirMasks) {
    Bitmap fields;  // red in the top byte, green, blue, and the low byte unused
    fields.bitCount = 32;
    fields.compression = 3;
    fields.height = -2;
    fields.masks = {0xFF000000, 0x00FF0000, 0x0000FF00};
    fields.pixels = {7, 0, 0, 255, 7, 0, 255, 0, 7, 255, 0, 0, 7, 255, 255, 255, 7, 0, 0, 0, 7, 128, 128, 128};
    EXPECT_EQ(Read(fields).Pixels, kPicture);

    // The same with the masks inside the later headers, which hold them after the first 40 bytes.
    for (const std::uint32_t header : {52u, 56u, 108u, 124u}) {
        Bitmap later = fields;
        later.headerBytes = header;
        EXPECT_EQ(Read(later).Pixels, kPicture) << header;
    }
}

TEST_F(BitmapFiles, TheV4AndV5HeadersHoldEveryOtherKindToo) {
    for (const std::uint32_t header : {108u, 124u}) {
        Bitmap indexed = Indexed8(true);
        indexed.headerBytes = header;
        EXPECT_EQ(Read(indexed).Pixels, kPicture) << header;
        EXPECT_EQ(Read(indexed).Palette[1], kRed) << header;
        Bitmap trueColour = TrueColour24(false);
        trueColour.headerBytes = header;
        EXPECT_EQ(Read(trueColour).Pixels, kPicture) << header;
        // Without the bit-field compression the masks in the header are not used.
        Bitmap wide = trueColour;
        wide.bitCount = 32;
        wide.masks = {0xFF, 0xFF00, 0xFF0000};
        wide.pixels = {255, 255, 255, 0, 0, 0, 0, 0, 128, 128, 128, 0, 0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0};
        EXPECT_EQ(Read(wide).Pixels, kPicture) << header;
    }
}

TEST_F(BitmapFiles, RunLengthCodedPicturesOfEightBits) {
    Bitmap runs;
    runs.width = 6;
    runs.height = 3;
    runs.bitCount = 8;
    runs.compression = 1;
    runs.colours = kTable;
    runs.pixels = {
        3, 4, 0, 3, 5, 6, 1, 0,  // bottom row: a run of three whites, then black, grey, red stored as they are
        0, 0,                    // end of row
        0, 2, 2, 1,              // move two right and one row up (the middle row is skipped to index 0)
        2, 2, 0, 0,              // top row from x = 2: two greens, end of row
        0, 1,                    // end of picture
    };
    const std::uint32_t none = kTable[0];
    EXPECT_EQ(Read(runs).Pixels, (std::vector<std::uint32_t>{none, none, kGreen, kGreen, none, none,  //
                                                             none, none, none, none, none, none,      //
                                                             kWhite, kWhite, kWhite, kBlack, kGrey, kRed}));

    // The end-of-picture code may be left out once every pixel is reached.
    Bitmap whole = runs;
    whole.height = 1;
    whole.pixels = {6, 3};
    EXPECT_EQ(Read(whole).Pixels, std::vector<std::uint32_t>(6, kBlue));
}

TEST_F(BitmapFiles, RunLengthCodedPicturesOfFourBits) {
    Bitmap runs;
    runs.width = 5;
    runs.height = 2;
    runs.bitCount = 4;
    runs.compression = 2;
    runs.coloursUsed = 7;
    runs.colours = {kTable.begin(), kTable.begin() + 7};
    runs.pixels = {
        5, 0x12, 0, 0,              // bottom row: red and green in turn
        0, 3, 0x45, 0x60, 2, 0x33,  // top row: white, black, grey stored as they are, two blues
        0, 1,
    };
    EXPECT_EQ(Read(runs).Pixels, (std::vector<std::uint32_t>{kWhite, kBlack, kGrey, kBlue, kBlue,  //
                                                             kRed, kGreen, kRed, kGreen, kRed}));
}

TEST_F(BitmapFiles, DamagedRunsAreNotValid) {
    Bitmap runs;
    runs.width = 4;
    runs.height = 2;
    runs.bitCount = 8;
    runs.compression = 1;
    runs.colours = kTable;
    const std::vector<std::pair<const char*, Bytes>> damaged{
        {"a run past the row", {5, 1, 0, 1}},
        {"a run that starts where another ended the row", {4, 1, 1, 1, 0, 1}},
        {"stored indices past the row", {0, 5, 1, 1, 1, 1, 1, 0, 0, 1}},
        {"a run past the picture", {0, 0, 0, 0, 1, 1, 0, 1}},
        {"a move past the row", {0, 2, 5, 0, 0, 1}},
        {"a move past the picture", {0, 2, 0, 3, 0, 1}},
        {"an index beyond the table", {2, 8, 0, 1}},
        {"a stored index beyond the table", {0, 3, 1, 9, 1, 0, 0, 1}},
        {"data ending before the picture", {4, 1, 0, 0, 2, 1}},
        {"stored indices cut short", {0, 4, 1, 1}},
        {"a move cut short", {0, 2, 1}},
        {"no data at all", {}},
    };
    for (const auto& [what, pixels] : damaged) {
        Bitmap bad = runs;
        bad.pixels = pixels;
        EXPECT_EQ(ErrorOf(bad), "Bitmap image is not valid") << what;
    }
    Bitmap nibbles = runs;
    nibbles.bitCount = 4;
    nibbles.compression = 2;
    nibbles.coloursUsed = 7;
    nibbles.colours.resize(7);
    for (const Bytes& pixels : {Bytes{5, 0x11, 0, 1}, Bytes{2, 0x17, 0, 1}, Bytes{0, 3, 0x11, 0x70, 0, 1}}) {
        nibbles.pixels = pixels;
        EXPECT_EQ(ErrorOf(nibbles), "Bitmap image is not valid") << int{pixels[1]};
    }
}

TEST_F(BitmapFiles, DamagedHeadersTablesAndRowsAreNotValid) {
    std::vector<std::pair<std::string, Bytes>> damaged;
    const auto add = [&](const std::string& what, const Bitmap& b) { damaged.emplace_back(what, Encode(b)); };
    for (const std::uint32_t size : {0u, 8u, 39u, 41u, 100u, 125u, 4000u}) {
        Bitmap b = TrueColour24(false);
        b.headerBytes = size;
        if (size > 40) b.masks.assign((size - 40) / 4, 0);
        Bytes bytes = Encode(b);
        bytes[14] = static_cast<std::uint8_t>(size);
        bytes[15] = static_cast<std::uint8_t>(size >> 8);
        damaged.emplace_back("header size " + std::to_string(size), bytes);
    }
    for (const std::uint32_t bits : {0u, 2u, 3u, 7u, 12u, 48u, 64u}) {
        Bitmap b = TrueColour24(false);
        b.bitCount = bits;
        add("bit count " + std::to_string(bits), b);
    }
    for (const std::uint32_t bits : {16u, 32u}) {  // the core header knows neither
        Bitmap b = TrueColour24(false);
        b.headerBytes = 12;
        b.bitCount = bits;
        add("core header with bit count " + std::to_string(bits), b);
    }
    for (const std::uint32_t planes : {0u, 2u, 3u}) {
        Bitmap b = TrueColour24(false);
        b.planes = planes;
        add("planes " + std::to_string(planes), b);
    }
    {
        Bitmap b = TrueColour24(false);
        b.width = 0;
        add("width 0", b);
        b.width = -3;
        add("negative width", b);
        b = TrueColour24(false);
        b.height = 0;
        add("height 0", b);
    }
    {
        Bitmap b = Indexed8(false);
        b.pixels[5] = 8;  // the table has eight entries
        add("index beyond the table", b);
        b = Indexed8(false);
        b.coloursUsed = 6;
        b.colours.resize(6);
        add("index beyond a table of six", b);
        Bitmap mono;
        mono.bitCount = 1;
        mono.coloursUsed = 1;
        mono.colours = {kBlack};
        mono.pixels = {0x20, 0, 0, 0, 0, 0, 0, 0};
        add("1-bit index beyond a table of one", mono);
        b = Indexed8(false);
        b.coloursUsed = 257;
        add("a table of more than 256", b);
    }
    {
        Bitmap b = TrueColour24(false);
        b.compression = 1;
        add("runs of 8 bits for 24-bit pixels", b);
        b = Indexed8(false);
        b.compression = 2;
        add("runs of 4 bits for 8-bit pixels", b);
        b.compression = 3;
        add("masks for 8-bit pixels", b);
        b.compression = 4;
        add("an embedded JPEG", b);
        b = Indexed8(true);
        b.compression = 1;
        b.pixels = {3, 1, 0, 1};
        add("runs stored from the top", b);
    }
    const std::vector<std::vector<std::uint32_t>> masks{
        {0, 0x07E0, 0x001F}, {0xF800, 0x0FE0, 0x001F}, {0xF000, 0x0F0F, 0x00F0}, {0x1F0000, 0x07E0, 0x001F}};
    for (const auto& set : masks) {
        Bitmap b;
        b.bitCount = 16;
        b.compression = 3;
        b.masks = set;
        b.pixels.assign(16, 0);
        add("masks " + std::to_string(set[0]) + " " + std::to_string(set[1]), b);
    }
    {
        Bitmap b = TrueColour24(false);
        b.pixels.resize(b.pixels.size() - 4);
        add("the last row cut short", b);
        b = TrueColour24(false);
        b.height = 3;
        add("a row missing", b);
        b = Indexed8(false);
        b.pixels.clear();
        add("no pixels", b);
    }
    const Bytes whole = Encode(Indexed8(false));
    for (const std::size_t length : {2u, 13u, 17u, 30u, 54u, 60u, 80u}) {
        damaged.emplace_back("cut at " + std::to_string(length), Bytes{whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length)});
    }
    {
        Bytes bytes = whole;
        bytes[10] = 40;  // the pixels would start inside the header
        damaged.emplace_back("pixels inside the header", bytes);
        bytes = whole;
        bytes[10] = 0xF0;
        bytes[11] = 0xFF;
        damaged.emplace_back("pixels past the end", bytes);
        bytes = whole;
        bytes[0] = 'M';
        bytes[1] = 'B';
        damaged.emplace_back("no signature", bytes);
    }
    for (const auto& [what, bytes] : damaged) EXPECT_EQ(ErrorOf(bytes), "Bitmap image is not valid") << what;

    // The padding of the last row is not needed: it holds no pixels.
    Bitmap unpadded = TrueColour24(false);
    unpadded.pixels.resize(unpadded.pixels.size() - 3);
    EXPECT_EQ(Read(unpadded).Pixels, kPicture);
}
