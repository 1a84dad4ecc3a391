#include "widgets/Messages.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>

namespace velmora {
namespace {

class BoxMessages : public Messages {
public:
    MessageAnswer Show(QWidget* parent, MessageKind kind, const QString& text) override {
        parent = MessageParent(parent);
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

QWidget* MainWindowOfProgram() {
    QWidget* hidden = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMainWindow*>(widget) == nullptr) continue;
        if (widget->isVisible()) return widget;
        if (hidden == nullptr) hidden = widget;
    }
    return hidden;
}

MessageAnswer ShowOver(QWidget* parent, MessageKind kind, const QString& text) {
    return Messages::Current().Show(MessageParent(parent), kind, text);
}
Messages* installed = nullptr;

}  // namespace

Messages& Messages::Current() { return installed != nullptr ? *installed : boxMessages; }

void Messages::Install(Messages* messages) { installed = messages; }

QWidget* MessageParent(QWidget* parent) {
    if (parent != nullptr) return parent;
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (QWidget* active = QApplication::activeWindow()) return active;
    return MainWindowOfProgram();
}

void ShowError(QWidget* parent, const QString& text) { ShowOver(parent, MessageKind::Error, text); }
void ShowInformation(QWidget* parent, const QString& text) { ShowOver(parent, MessageKind::Information, text); }
void ShowWarning(QWidget* parent, const QString& text) { ShowOver(parent, MessageKind::Warning, text); }
void ShowPlainMessage(QWidget* parent, const QString& text) { ShowOver(parent, MessageKind::Plain, text); }
bool AskYesNo(QWidget* parent, const QString& text) {
    return ShowOver(parent, MessageKind::YesNo, text) == MessageAnswer::Yes;
}
bool AskOkCancel(QWidget* parent, const QString& text) {
    return ShowOver(parent, MessageKind::OkCancel, text) == MessageAnswer::Ok;
}

}  // namespace velmora
