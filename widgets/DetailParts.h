#pragma once
// Controls the card-set windows make again and again, named as tests and help find them.

#include <QRect>
#include <QString>
#include <functional>
#include <string>

#include "widgets/CommandGuard.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace velmora {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry);
QGroupBox* MakeGroup(QWidget* parent, const char* name, const QString& title, QRect geometry);
QLineEdit* MakeReadOnlyField(QWidget* parent, const char* name, QRect geometry);
QPlainTextEdit* MakeReadOnlyNotes(QWidget* parent, const char* name, QRect geometry);
void MakeBold(QLabel* label);

// name less its last four characters (the extension), as the windows title a set.
QString SetTitle(const std::string& fileName);

}  // namespace velmora
