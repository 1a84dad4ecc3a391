#include "widgets/HelpPages.h"

#include <QFileInfo>

namespace velmora {

QString HelpPagePath(const QString& keyword, const QLocale& locale, const QString& root) {
    const QString file = keyword + ".html";
    // "de_AT" and "de_CH" read the German pages: the help is written per language, not per country.
    const QString language = locale.name().section('_', 0, 0);
    const QString translated = root + '/' + language + '/' + file;
    return QFileInfo(translated).isFile() ? translated : root + '/' + file;
}

QUrl HelpPageUrl(const QString& keyword, const QLocale& locale) {
    return QUrl("qrc" + HelpPagePath(keyword, locale));
}

}  // namespace velmora
