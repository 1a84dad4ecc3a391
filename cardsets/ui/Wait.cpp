#include "cardsets/ui/Wait.h"
#include "widgets/Translation.h"

#include <QApplication>
#include <QGuiApplication>
#include <QProgressBar>
#include <QScreen>

namespace velmora {

Wait::Wait(QWidget* parent) : QDialog(parent) {
    setObjectName("TForm10");
    SetText(this, "windowTitle", VELMORA_TR("PleaseWait", "Velmora - Please Wait..."));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint);
    setCursor(Qt::WaitCursor);
    setFixedSize(ClientWidth, ClientHeight);
    progressBar_ = new QProgressBar(this);
    progressBar_->setObjectName("ProgressBar1");
    progressBar_->setRange(0, ProgressSession::Maximum);
    progressBar_->setTextVisible(false);
    progressBar_->setGeometry(16, 24, ClientWidth - 32, 20);
}

void Wait::ShowProgress() {
    progressBar_->setValue(0);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    raise();
    // Painted now: the work that follows lets no input through until it is done.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void Wait::SetProgressPosition(int position) {
    progressBar_->setValue(position);
    progressBar_->repaint();
}

void Wait::ProcessEvents() { QApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

void Wait::CloseProgress() {
    hide();
}

}  // namespace velmora
