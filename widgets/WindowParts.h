#pragma once
// Small pieces dialogs are built from: named buttons whose commands run guarded,
// labels, password boxes, and text that must be stored as Windows-1252.

#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "widgets/CommandGuard.h"
#include "widgets/HelpHook.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace velmora {

// A button that opens the help topic.
QPushButton* MakeHelpButton(QWidget* window, const char* objectName, const QString& caption, const HelpHook& help,
                            const char* topic);
QLabel* MakeLabel(QWidget* window, const char* objectName, const QString& text);
// A text box of at most maxLength characters; with secret, its characters show as "*".
QLineEdit* MakeTextBox(QWidget* window, const char* objectName, bool secret, int maxLength);

// The box's text as Windows-1252 bytes. A character those cannot hold is refused with an error
// box naming what the box is for ("name", "password"), and the box gets the focus.
std::optional<std::string> AnsiTextOf(QLineEdit* box, const QString& what);

}  // namespace velmora
