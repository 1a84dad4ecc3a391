#pragma once
// A ModalRunner for tests: instead of entering a dialog's event loop it shows the dialog, hands it
// to the next scripted step (which works its widgets and presses its buttons) and returns its result.

#include <QApplication>
#include <QDialog>
#include <deque>
#include <functional>

#include "widgets/Modal.h"

namespace velmora::fakes {

class ScriptedModal : public ModalRunner {
public:
    using Step = std::function<void(QDialog&)>;

    ScriptedModal() { ModalRunner::Install(this); }
    ~ScriptedModal() override { ModalRunner::Install(nullptr); }
    ScriptedModal(const ScriptedModal&) = delete;
    ScriptedModal& operator=(const ScriptedModal&) = delete;

    // The next dialog opened is handed to step; a dialog with no step left is rejected at once.
    void Then(Step step) { steps_.push_back(std::move(step)); }

    int Run(QDialog& dialog) override {
        opened.push_back(dialog.objectName());
        dialog.setResult(QDialog::Rejected);
        dialog.show();
        QApplication::processEvents();
        if (!steps_.empty()) {
            Step step = std::move(steps_.front());
            steps_.pop_front();
            step(dialog);
        }
        dialog.hide();
        return dialog.result();
    }

    std::vector<QString> opened;  // objectName of every dialog opened, in order

private:
    std::deque<Step> steps_;
};

}  // namespace velmora::fakes
