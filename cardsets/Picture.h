#pragma once
// The core's own picture: what a card set stores for each card and for the background, kept in a
// form the windows can show without converting (32-bit 0x00RRGGBB, rows from the top).

#include <array>
#include <cstdint>
#include <vector>

namespace velmora {

// 256 entries of 0x00RRGGBB, in palette index order.
using ColourTable = std::array<std::uint32_t, 256>;

struct Picture {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::vector<std::uint32_t> Pixels;  // Width x Height values 0x00RRGGBB, row-major from the top row
    ColourTable Palette{};

    Picture() = default;
    // The caller has checked that the size is sensible: this allocates Width x Height pixels.
    Picture(std::int32_t width, std::int32_t height, std::uint32_t fill = 0);

    bool Empty() const { return Pixels.empty(); }
    std::uint32_t& At(std::int32_t x, std::int32_t y) { return Pixels[Index(x, y)]; }
    std::uint32_t At(std::int32_t x, std::int32_t y) const { return Pixels[Index(x, y)]; }

    bool operator==(const Picture&) const = default;

private:
    std::size_t Index(std::int32_t x, std::int32_t y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(Width) + static_cast<std::size_t>(x);
    }
};

}  // namespace velmora
