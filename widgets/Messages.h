#pragma once
// The one way the windows show a message box. Every box has a fixed kind and fixed buttons; tests
// install a scripted implementation so that no test ever waits on a modal box.

#include <QString>

class QWidget;

namespace velmora {

enum class MessageKind {
    Error,        // OK
    Information,  // OK
    Warning,      // OK
    Plain,        // OK, captioned with the program's title
    YesNo,        // confirmation with Yes and No
    OkCancel,     // confirmation with OK and Cancel
};

enum class MessageAnswer { Ok, Cancel, Yes, No };

class Messages {
public:
    virtual ~Messages() = default;
    virtual MessageAnswer Show(QWidget* parent, MessageKind kind, const QString& text) = 0;

    // The implementation in use: the real message boxes unless another one was installed.
    static Messages& Current();
    // Installs an implementation (not owned); nullptr restores the real message boxes.
    static void Install(Messages* messages);
};

// The window a box is centred on: parent when given, else the active modal window, the active
// window or the main window, so that no box opens away from the program.
QWidget* MessageParent(QWidget* parent);

// parent may be nullptr; the box then goes over the window MessageParent finds.
void ShowError(QWidget* parent, const QString& text);
void ShowInformation(QWidget* parent, const QString& text);
void ShowWarning(QWidget* parent, const QString& text);
void ShowPlainMessage(QWidget* parent, const QString& text);
bool AskYesNo(QWidget* parent, const QString& text);     // true for Yes
bool AskOkCancel(QWidget* parent, const QString& text);  // true for OK

}  // namespace velmora
