#pragma once
// Runs a window command so that an error it raises ends the command with the general error box,
// as every command of the program does; nothing raised ever crosses the Qt event loop.

#include <QApplication>
#include <QString>
#include <functional>

class QPushButton;

namespace velmora {

// Runs command; an exception it raises is shown in an error box with its message. Returns false then.
bool RunGuarded(QWidget* parent, const std::function<void()>& command);

// A button named name whose click runs command guarded within the button's window. It is never a
// default button by itself, so Return in a text box does not click it.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, std::function<void()> command);

// The application object: also catches what an event handler raises, as the last line of defence.
class VelmoraApplication : public QApplication {
public:
    VelmoraApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace velmora
