#pragma once
// Small pieces dialogs are built from: named buttons whose commands run guarded,
// labels, password boxes, and text that must be stored as Windows-1252.

#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "widgets/CommandGuard.h"
#include "widgets/HelpHook.h"
#include "widgets/Translation.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace velmora {

// A button that opens the help topic.
QPushButton* MakeHelpButton(QWidget* window, const char* objectName, const QString& caption, const HelpHook& help,
                            const char* topic);
QPushButton* MakeHelpButton(QWidget* window, const char* objectName, Tr caption, const HelpHook& help, const char* topic);
QLabel* MakeLabel(QWidget* window, const char* objectName, const QString& text);
QLabel* MakeLabel(QWidget* window, const char* objectName, Tr text);
// A text box of at most maxLength characters; with secret, its characters show as "*".
QLineEdit* MakeTextBox(QWidget* window, const char* objectName, bool secret, int maxLength);

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
