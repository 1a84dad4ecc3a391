// Run-length coded bitmaps (8 or 4 bits a pixel), rows from the bottom. A pair of bytes is either a
// run (count, index) or, after a zero, a code: 0 end of row, 1 end of picture, 2 a move right and
// up, 3 and more that many indices stored as they are, padded to a whole 16-bit word. Pixels the
// codes skip keep index 0. A run past its row or the picture, an index the table lacks, or data
// that ends before the picture does is damage.

#include "cardsets/pictures/BmpDecoding.h"

namespace velmora {

namespace {

class RunDecoder {
public:
    RunDecoder(std::span<const std::uint8_t> file, const BmpLayout& layout)
        : data_(file.subspan(layout.PixelOffset)), layout_(layout), nibbles_(layout.Storage == BmpStorage::Runs4),
          indices_(static_cast<std::size_t>(layout.Width) * static_cast<std::size_t>(layout.Height), 0) {}

    Picture Decode() {
        while (!Finished()) Step();
        return ToPicture();
    }

private:
    // The data may end without the end-of-picture code once it has reached every pixel.
    bool Finished() const {
        if (ended_) return true;
        const bool lastReached = line_ == layout_.Height || (line_ == layout_.Height - 1 && x_ == layout_.Width);
        return at_ == data_.size() && lastReached;
    }

    std::uint8_t Next() {
        if (at_ >= data_.size()) ThrowBitmapNotValid();
        return data_[at_++];
    }

    void Step() {
        const std::uint8_t count = Next();
        const std::uint8_t value = Next();
        if (count != 0) return Run(count, value);
        switch (value) {
        case 0: return MoveTo(0, line_ + 1);
        case 1: ended_ = true; return;
        case 2: {
            const std::uint8_t right = Next();
            const std::uint8_t up = Next();
            return MoveTo(x_ + right, line_ + up);
        }
        default: return Literal(value);
        }
    }

    // A place to write from: on a row, or just past the last one at its start.
    void MoveTo(std::int64_t x, std::int64_t line) {
        const bool onRow = line < layout_.Height && x <= layout_.Width;
        if (!onRow && !(line == layout_.Height && x == 0)) ThrowBitmapNotValid();
        x_ = x;
        line_ = line;
    }

    void Put(std::uint32_t index) {
        if (index >= layout_.Colours.size()) ThrowBitmapNotValid();
        const std::int64_t y = layout_.Height - 1 - line_;
        indices_[static_cast<std::size_t>(y * layout_.Width + x_)] = static_cast<std::uint8_t>(index);
        ++x_;
    }

    void Reserve(std::int64_t count) const {
        if (line_ >= layout_.Height || x_ + count > layout_.Width) ThrowBitmapNotValid();
    }

    void Run(std::uint8_t count, std::uint8_t value) {
        Reserve(count);
        for (int i = 0; i < count; ++i) Put(nibbles_ ? (i % 2 == 0 ? value >> 4 : value & 0x0F) : value);
    }

    void Literal(std::uint8_t count) {
        Reserve(count);
        std::uint8_t byte = 0;
        for (int i = 0; i < count; ++i) {
            if (!nibbles_ || i % 2 == 0) byte = Next();
            Put(nibbles_ ? (i % 2 == 0 ? byte >> 4 : byte & 0x0F) : byte);
        }
        const std::size_t bytes = nibbles_ ? (count + 1u) / 2 : count;
        if (bytes % 2 == 1) Next();  // the padding to a whole word
    }

    Picture ToPicture() const {
        Picture picture(layout_.Width, layout_.Height);
        for (std::size_t i = 0; i < indices_.size(); ++i) picture.Pixels[i] = layout_.Colours[indices_[i]];
        return picture;
    }

    std::span<const std::uint8_t> data_;
    const BmpLayout& layout_;
    bool nibbles_;
    std::vector<std::uint8_t> indices_;
    std::size_t at_ = 0;
    std::int64_t x_ = 0;
    std::int64_t line_ = 0;
    bool ended_ = false;
};

}  // namespace

Picture DecodeBmpRuns(std::span<const std::uint8_t> file, const BmpLayout& layout) {
    return RunDecoder(file, layout).Decode();
}

}  // namespace velmora
