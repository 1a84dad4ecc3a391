#pragma once
// Conversion at the edge between the core's Windows-1252 byte strings and the windows' QString.

#include <QString>
#include <optional>
#include <string>

namespace velmora {

QString FromAnsi(const std::string& bytes);
// The Windows-1252 bytes of text, or nothing when text holds a character Windows-1252 cannot.
std::optional<std::string> ToAnsi(const QString& text);

}  // namespace velmora
