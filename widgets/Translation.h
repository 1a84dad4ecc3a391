#pragma once
// The windows' texts in the interface language. A text set through SetText keeps its English
// source on the object and is set again whenever the language changes, so that a window needs
// code of its own only for texts it composes.

#include <QString>
#include <QMetaType>
#include <exception>
#include <initializer_list>

#include "text/Phrase.h"

class QObject;
class QTreeWidget;

namespace velmora {

// An English source text and the window it belongs to, as the translation files name them.
struct Tr {
    const char* Context;
    const char* Source;
};

// Marks a window text for the translation tools (which know it as an alias of QT_TRANSLATE_NOOP).
#define VELMORA_TR(context, source) ::velmora::Tr{context, source}

QString Translated(Tr text);
// The phrase in the interface language with its values filled in one pass; a phrase without a
// translation reads as the core's English.
QString Translated(const Phrase& phrase);

// A fixed English text of the core (Windows-1252 bytes) that was marked for translation in context.
QString TranslatedEnglish(const char* context, const std::string& english);

// The message of an error in the interface language: a phrase error's phrases translated, any other
// error's text as its fixed English is translated, or as it is.
QString TranslatedError(const std::exception& error);

// Sets the Qt property (text, title, windowTitle, toolTip, placeholderText) now and on every
// language change.
void SetText(QObject* object, const char* property, Tr text);
void SetText(QObject* object, const char* property, const Phrase& text);
// Sets a text that is no translation (a name, a number): the property no longer follows the language.
void SetPlainText(QObject* object, const char* property, const QString& text);

template <typename Object>
Object* WithText(Object* object, Tr text, const char* property = "text") {
    SetText(object, property, text);
    return object;
}

void SetHeaderLabels(QTreeWidget* tree, std::initializer_list<Tr> labels);

}  // namespace velmora

Q_DECLARE_METATYPE(velmora::Phrase)
