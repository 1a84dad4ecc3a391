#pragma once
// Which file holds a help page in a language. Translated pages live in a folder named after the
// language's code beside the English pages; a page a language lacks is shown in English, so a
// missing translation never costs a page.

#include <QLocale>
#include <QString>
#include <QUrl>

namespace velmora {

inline constexpr const char* kHelpRoot = ":/help";

// The page of keyword in the language of locale, or the English page under root when that
// language has none.
QString HelpPagePath(const QString& keyword, const QLocale& locale = QLocale(), const QString& root = kHelpRoot);

// The same page as the address the help browser opens.
QUrl HelpPageUrl(const QString& keyword, const QLocale& locale = QLocale());

}  // namespace velmora
