#pragma once
// Card-set texts are Windows-1252 bytes; a terminal and the files the tool writes want UTF-8.

#include <optional>
#include <string>

namespace velmora {

std::string Windows1252ToUtf8(const std::string& text);
// The Windows-1252 bytes of UTF-8 text; nothing when it is not UTF-8 or holds a character the code
// page lacks.
std::optional<std::string> Utf8ToWindows1252(const std::string& text);

}  // namespace velmora
