#pragma once
// Switching the interface language while the program runs.

#include <QString>
#include <string>

namespace velmora {

// Makes the language of code ("en", "de", "fr", "es"; empty for the system's) the interface
// language: QLocale's default first, since the help reads its language from there, then Qt's own
// texts and the program's. Every window hears of it through QEvent::LanguageChange. A language
// without a translation reads as English.
void ApplyLanguage(const std::string& code);

}  // namespace velmora
