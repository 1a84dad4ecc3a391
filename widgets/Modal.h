#pragma once
// The one way the windows open a modal window. Tests install a runner that answers the window
// through its widgets instead of entering its event loop.

class QDialog;

namespace velmora {

class ModalRunner {
public:
    virtual ~ModalRunner() = default;
    // Shows the dialog modally and returns its result (QDialog::Accepted, QDialog::Rejected, ...).
    virtual int Run(QDialog& dialog) = 0;

    static ModalRunner& Current();
    // Installs a runner (not owned); nullptr restores QDialog::exec.
    static void Install(ModalRunner* runner);
};

inline int RunModal(QDialog& dialog) { return ModalRunner::Current().Run(dialog); }

}  // namespace velmora
