#pragma once
// The shipped card sets' English card names and details, shown in the interface language. Only
// the windows translate them: the set files and everything written keep the English bytes, and a
// text of the user's own sets is shown as it is.

#include <QString>
#include <string>

namespace velmora {

// text (Windows-1252 bytes) in the interface language when a shipped set says it, else as it is.
QString ShownSetText(const std::string& text);
// A board format's name ("Standard (7x6)") in the interface language.
QString ShownFormatName(const std::string& name);

}  // namespace velmora
