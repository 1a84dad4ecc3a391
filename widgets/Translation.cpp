#include "widgets/Translation.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVariant>

#include "text/PhraseError.h"
#include "widgets/AnsiText.h"

namespace velmora {
namespace {

constexpr const char* kKeptPrefix = "velmoraTr/";
constexpr const char* kHeaderProperty = "velmoraTrHeader";

QByteArray KeptName(const char* property) { return QByteArray(kKeptPrefix) + property; }

void Reapply(QObject& object) {
    const QByteArray prefix(kKeptPrefix);
    for (const QByteArray& name : object.dynamicPropertyNames()) {
        if (name.startsWith(prefix))
            object.setProperty(name.mid(prefix.size()).constData(), Translated(object.property(name).value<Phrase>()));
    }
    // A tab's caption is its page's kept title; the pages hear of the change after their tabs.
    if (auto* tabs = qobject_cast<QTabWidget*>(&object)) {
        for (int i = 0; i < tabs->count(); ++i) {
            Reapply(*tabs->widget(i));
            tabs->setTabText(i, tabs->widget(i)->windowTitle());
        }
    }
    if (auto* tree = qobject_cast<QTreeWidget*>(&object); tree && tree->property(kHeaderProperty).isValid()) {
        QStringList labels;
        for (const QVariant& kept : tree->property(kHeaderProperty).toList())
            labels << Translated(kept.value<Phrase>());
        tree->setHeaderLabels(labels);
    }
}

// Every widget hears of a language change (QApplication posts it to the windows, which pass it to
// their children); actions hear of it through the widgets that show them.
class TextKeeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::LanguageChange) {
            Reapply(*watched);
            if (auto* widget = qobject_cast<QWidget*>(watched))
                for (QAction* action : widget->actions()) Reapply(*action);
        }
        return false;
    }
};

void InstallKeeper() {
    static bool installed = false;
    if (installed || QCoreApplication::instance() == nullptr) return;
    QCoreApplication::instance()->installEventFilter(new TextKeeper(QCoreApplication::instance()));
    installed = true;
}

QString FillArguments(const QString& text, const QStringList& args) {
    QString filled;
    filled.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto index = static_cast<qsizetype>(text[i + 1].unicode() - '1');
            if (index < args.size()) {
                filled += args[index];
                ++i;
                continue;
            }
        }
        filled += c;
    }
    return filled;
}

QStringList ShownArguments(const std::vector<std::string>& args) {
    QStringList shown;
    for (const std::string& arg : args) shown << FromAnsi(arg);
    return shown;
}

// The phrase with its own values and then inner, the message of the error it wraps.
QString TranslatedAround(const Phrase& phrase, const QString& inner) {
    QStringList args = ShownArguments(phrase.Args);
    args << inner;
    return FillArguments(QCoreApplication::translate(phrase.Context, phrase.Source), args);
}

}  // namespace

QString Translated(Tr text) { return QCoreApplication::translate(text.Context, text.Source); }

QString Translated(const Phrase& phrase) {
    const int count = phrase.Count.value_or(-1);
    const QString translated = QCoreApplication::translate(phrase.Context, phrase.Source, nullptr, count);
    QString untranslated = QString::fromUtf8(phrase.Source);
    if (phrase.Count) untranslated.replace("%n", QString::number(count));
    // English has no translation file: its singular comes from the core.
    if (translated == untranslated) return FromAnsi(phrase.English());
    return FillArguments(translated, ShownArguments(phrase.Args));
}

QString TranslatedEnglish(const char* context, const std::string& english) {
    return Translated(MakePhrase(context, english.c_str()));
}

QString TranslatedError(const std::exception& error) {
    const std::vector<Phrase> phrases = PhrasesOf(error);
    const Phrase& innermost = phrases.back();
    QString text = IsVerbatim(innermost) ? TranslatedEnglish(innermost.Context, innermost.Args.front()) : Translated(innermost);
    for (auto outer = phrases.rbegin() + 1; outer != phrases.rend(); ++outer) text = TranslatedAround(*outer, text);
    return text;
}

void SetText(QObject* object, const char* property, Tr text) {
    SetText(object, property, MakePhrase(text.Context, text.Source));
}

void SetText(QObject* object, const char* property, const Phrase& text) {
    InstallKeeper();
    object->setProperty(KeptName(property).constData(), QVariant::fromValue(text));
    object->setProperty(property, Translated(text));
}

void SetPlainText(QObject* object, const char* property, const QString& text) {
    object->setProperty(KeptName(property).constData(), QVariant());
    object->setProperty(property, text);
}

void SetHeaderLabels(QTreeWidget* tree, std::initializer_list<Tr> labels) {
    InstallKeeper();
    QVariantList kept;
    QStringList shown;
    for (const Tr& label : labels) {
        kept << QVariant::fromValue(MakePhrase(label.Context, label.Source));
        shown << Translated(label);
    }
    tree->setProperty(kHeaderProperty, kept);
    tree->setHeaderLabels(shown);
}

}  // namespace velmora
