#pragma once
// Card-set texts are Windows-1252 bytes; a terminal and the files the tool writes want UTF-8.

#include <string>

namespace velmora {

std::string Windows1252ToUtf8(const std::string& text);

}  // namespace velmora
