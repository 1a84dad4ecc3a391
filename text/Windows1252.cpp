#include "text/Windows1252.h"

#include <array>
#include <cstdint>

namespace velmora {

namespace {

// Code points of 0x80..0x9F; the five bytes the code page leaves undefined keep their own value.
constexpr std::array<char32_t, 32> HighControlRange{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The code point starting at text[at], advancing at past it; nothing for a malformed sequence.
std::optional<char32_t> DecodeUtf8(const std::string& text, std::size_t& at) {
    const auto lead = static_cast<std::uint8_t>(text[at++]);
    if (lead < 0x80) return lead;
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (extra < 0 || at + static_cast<std::size_t>(extra) > text.size()) return std::nullopt;
    char32_t c = lead & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) {
        const auto next = static_cast<std::uint8_t>(text[at++]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        c = c << 6 | (next & 0x3F);
    }
    return c;
}

}  // namespace

char32_t Windows1252CodePoint(char byte) {
    const auto b = static_cast<std::uint8_t>(byte);
    return b >= 0x80 && b < 0xA0 ? HighControlRange[b - 0x80] : char32_t{b};
}

std::optional<char> Windows1252Byte(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) return static_cast<char>(codePoint);
    for (std::size_t i = 0; i < HighControlRange.size(); ++i)
        if (HighControlRange[i] == codePoint) return static_cast<char>(0x80 + i);
    return std::nullopt;
}

std::optional<std::string> Utf8ToWindows1252(const std::string& text) {
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        const std::optional<char32_t> c = DecodeUtf8(text, at);
        if (!c) return std::nullopt;
        const std::optional<char> byte = Windows1252Byte(*c);
        if (!byte) return std::nullopt;
        out += *byte;
    }
    return out;
}

std::string Windows1252ToUtf8(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char byte : text) AppendUtf8(out, Windows1252CodePoint(byte));
    return out;
}

}  // namespace velmora
