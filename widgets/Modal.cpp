#include "widgets/Modal.h"

#include <QDialog>

namespace velmora {
namespace {

class ExecRunner : public ModalRunner {
public:
    int Run(QDialog& dialog) override { return dialog.exec(); }
};

ExecRunner execRunner;
ModalRunner* installed = nullptr;

}  // namespace

ModalRunner& ModalRunner::Current() { return installed != nullptr ? *installed : execRunner; }

void ModalRunner::Install(ModalRunner* runner) { installed = runner; }

}  // namespace velmora
