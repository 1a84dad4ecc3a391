#include "app/ui/Messages.h"

#include <QMessageBox>

namespace velmora {
namespace {

class BoxMessages : public Messages {
public:
    MessageAnswer Show(QWidget* parent, MessageKind kind, const QString& text) override {
        switch (kind) {
        case MessageKind::Error:
            QMessageBox::critical(parent, "Error", text);
            return MessageAnswer::Ok;
        case MessageKind::Information:
            QMessageBox::information(parent, "Information", text);
            return MessageAnswer::Ok;
        case MessageKind::Warning:
            QMessageBox::warning(parent, "Warning", text);
            return MessageAnswer::Ok;
        case MessageKind::Plain:
            QMessageBox::information(parent, "Velmora", text);
            return MessageAnswer::Ok;
        case MessageKind::YesNo:
            return QMessageBox::question(parent, "Confirm", text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
                           QMessageBox::Yes
                       ? MessageAnswer::Yes
                       : MessageAnswer::No;
        case MessageKind::OkCancel:
            return QMessageBox::question(parent, "Confirm", text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) ==
                           QMessageBox::Ok
                       ? MessageAnswer::Ok
                       : MessageAnswer::Cancel;
        }
        return MessageAnswer::Cancel;
    }
};

BoxMessages boxMessages;
Messages* installed = nullptr;

}  // namespace

Messages& Messages::Current() { return installed != nullptr ? *installed : boxMessages; }

void Messages::Install(Messages* messages) { installed = messages; }

void ShowError(QWidget* parent, const QString& text) { Messages::Current().Show(parent, MessageKind::Error, text); }
void ShowInformation(QWidget* parent, const QString& text) {
    Messages::Current().Show(parent, MessageKind::Information, text);
}
void ShowWarning(QWidget* parent, const QString& text) { Messages::Current().Show(parent, MessageKind::Warning, text); }
void ShowPlainMessage(QWidget* parent, const QString& text) {
    Messages::Current().Show(parent, MessageKind::Plain, text);
}
bool AskYesNo(QWidget* parent, const QString& text) {
    return Messages::Current().Show(parent, MessageKind::YesNo, text) == MessageAnswer::Yes;
}
bool AskOkCancel(QWidget* parent, const QString& text) {
    return Messages::Current().Show(parent, MessageKind::OkCancel, text) == MessageAnswer::Ok;
}

}  // namespace velmora
