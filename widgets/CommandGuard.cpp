#include "widgets/CommandGuard.h"

#include <QPushButton>
#include <exception>

#include "widgets/Messages.h"
#include "widgets/Translation.h"

namespace velmora {
namespace {

void ShowCurrentException(QWidget* parent) {
    try {
        throw;
    } catch (const std::exception& e) {
        ShowError(parent, TranslatedError(e));
    } catch (...) {
        ShowError(parent, Translated(VELMORA_TR("Messages", "An unexpected error occurred.")));
    }
}

}  // namespace

bool RunGuarded(QWidget* parent, const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (...) {
        ShowCurrentException(parent);
        return false;
    }
}

VelmoraApplication::VelmoraApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool VelmoraApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowCurrentException(nullptr);
        return false;
    }
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, std::function<void()> command) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, parent,
                     [parent, command = std::move(command)] { RunGuarded(parent->window(), command); });
    return button;
}

QPushButton* MakeButton(QWidget* parent, const char* name, Tr caption, std::function<void()> command) {
    return WithText(MakeButton(parent, name, QString(), std::move(command)), caption);
}

}  // namespace velmora
