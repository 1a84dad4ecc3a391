#include "app/ui/CommandGuard.h"

#include <exception>

#include "app/ui/AnsiText.h"
#include "app/ui/Messages.h"

namespace velmora {
namespace {

// Error texts of the core are Windows-1252 bytes (they may quote file and player names).
void ShowCurrentException(QWidget* parent) {
    try {
        throw;
    } catch (const std::exception& e) {
        ShowError(parent, FromAnsi(e.what()));
    } catch (...) {
        ShowError(parent, "An unexpected error occurred.");
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

}  // namespace velmora
