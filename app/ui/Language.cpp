#include "app/ui/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>
#include <optional>

namespace velmora {
namespace {

struct Installed {
    QLocale locale;
    std::unique_ptr<QTranslator> qt;
    std::unique_ptr<QTranslator> program;
};

std::optional<Installed>& Current() {
    static std::optional<Installed> current;
    return current;
}

std::unique_ptr<QTranslator> Load(const QLocale& locale, const QString& name, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, name, "_", folder) || !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    return translator;
}

}  // namespace

void ApplyLanguage(const std::string& code) {
    // The system's interface language is the first of its list (LANGUAGE, LC_MESSAGES), not the
    // locale numbers are written in.
    const QLocale locale = code.empty() ? QLocale(QLocale::system().uiLanguages().value(0, "en"))
                                        : QLocale(QString::fromStdString(code));
    std::optional<Installed>& current = Current();
    if (current && current->locale == locale) return;
    if (current) {
        if (current->program) QCoreApplication::removeTranslator(current->program.get());
        if (current->qt) QCoreApplication::removeTranslator(current->qt.get());
    }
    QLocale::setDefault(locale);
    Installed next{locale, nullptr, nullptr};
    // English is the source language: its texts need no file, and Qt's own would come from
    // whichever language of the system's list has one.
    if (locale.language() != QLocale::English && locale.language() != QLocale::C) {
        next.qt = Load(locale, "qtbase", QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        next.program = Load(locale, "velmora", ":/i18n");
    }
    current = std::move(next);
}

}  // namespace velmora
