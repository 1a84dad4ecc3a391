#pragma once
// The pieces windows are built from, named as tests and help find them: labels, group boxes,
// lists, text boxes, read-only fields and notes that show details, Help buttons, and text that
// must be stored as Windows-1252. Laid-out windows leave the geometry out; windows drawn to the
// pixel give it.

#include <QRect>
#include <QString>
#include <optional>
#include <string>

#include "widgets/CommandGuard.h"
#include "widgets/HelpHook.h"
#include "widgets/Translation.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace velmora {

// A button that asks help for the topic; F1 in its window asks for the same topic.
QPushButton* MakeHelpButton(QWidget* window, const char* objectName, const QString& caption, const HelpHook& help,
                            const char* topic);
QPushButton* MakeHelpButton(QWidget* window, const char* objectName, Tr caption, const HelpHook& help, const char* topic);

QLabel* MakeLabel(QWidget* window, const char* objectName, const QString& text);
QLabel* MakeLabel(QWidget* window, const char* objectName, Tr text);
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry);
QLabel* MakeLabel(QWidget* parent, const char* name, Tr text, QRect geometry);
void MakeBold(QLabel* label);

QGroupBox* MakeGroup(QWidget* parent, const char* name, Tr title);
QGroupBox* MakeGroup(QWidget* parent, const char* name, const QString& title, QRect geometry);
QGroupBox* MakeGroup(QWidget* parent, const char* name, Tr title, QRect geometry);

QListWidget* MakeList(QWidget* parent, const char* name);

// A text box of at most maxLength characters; with secret, its characters show as "*".
QLineEdit* MakeTextBox(QWidget* window, const char* objectName, bool secret, int maxLength);
// Fields and notes that show a detail the window does not let the user change.
QLineEdit* MakeReadOnlyField(QWidget* parent, const char* name);
QLineEdit* MakeReadOnlyField(QWidget* parent, const char* name, QRect geometry);
QPlainTextEdit* MakeReadOnlyNotes(QWidget* parent, const char* name, QRect geometry);

// name less its last four characters (the extension), as the windows title a set.
QString SetTitle(const std::string& fileName);

// The box's text as Windows-1252 bytes. A character those cannot hold is refused with an error
// box saying what the box is for (one of the refusals below), and the box gets the focus.
std::optional<std::string> AnsiTextOf(QLineEdit* box, Tr refusal);

inline constexpr Tr kNameRefused = VELMORA_TR(
    "Players", "The name holds a character that cannot be stored. Please use only Western European letters, digits and signs.");
inline constexpr Tr kPasswordRefused = VELMORA_TR("Players",
    "The password holds a character that cannot be stored. Please use only Western European letters, digits and signs.");
inline constexpr Tr kNewPasswordRefused = VELMORA_TR("Players",
    "The new password holds a character that cannot be stored. Please use only Western European letters, digits and "
    "signs.");
inline constexpr Tr kConfirmationRefused = VELMORA_TR("Players",
    "The password confirmation holds a character that cannot be stored. Please use only Western European letters, "
    "digits and signs.");

}  // namespace velmora
