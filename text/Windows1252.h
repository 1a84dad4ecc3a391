#pragma once
// The program's texts (card-set details, player names and passwords) are Windows-1252 bytes; the
// windows want code points, a terminal and the files the tools write want UTF-8.

#include <optional>
#include <string>

namespace velmora {

// The code point of one byte. The five bytes the code page leaves undefined keep their own value,
// as Windows converts them, so every byte round-trips.
char32_t Windows1252CodePoint(char byte);
// The byte of a code point; nothing for a character the code page lacks.
std::optional<char> Windows1252Byte(char32_t codePoint);

std::string Windows1252ToUtf8(const std::string& text);
// The Windows-1252 bytes of UTF-8 text; nothing when it is not UTF-8 or holds a character the code
// page lacks.
std::optional<std::string> Utf8ToWindows1252(const std::string& text);

}  // namespace velmora
