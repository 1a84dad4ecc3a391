#include "widgets/WindowParts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "widgets/AnsiText.h"
#include "widgets/CommandGuard.h"
#include "widgets/Messages.h"

namespace velmora {

QPushButton* MakeHelpButton(QWidget* window, const char* objectName, const QString& caption, const HelpHook& help,
                            const char* topic) {
    return MakeButton(window, objectName, caption, [help, topic] {
        if (help) help(topic);
    });
}

QPushButton* MakeHelpButton(QWidget* window, const char* objectName, Tr caption, const HelpHook& help, const char* topic) {
    return WithText(MakeHelpButton(window, objectName, QString(), help, topic), caption);
}

QLabel* MakeLabel(QWidget* window, const char* objectName, Tr text) {
    return WithText(MakeLabel(window, objectName, QString()), text);
}

QLabel* MakeLabel(QWidget* window, const char* objectName, const QString& text) {
    auto* label = new QLabel(text, window);
    label->setObjectName(objectName);
    return label;
}

QLineEdit* MakeTextBox(QWidget* window, const char* objectName, bool secret, int maxLength) {
    auto* box = new QLineEdit(window);
    box->setObjectName(objectName);
    box->setMaxLength(maxLength);
    if (secret) {
        box->setEchoMode(QLineEdit::Password);
        box->setStyleSheet("lineedit-password-character: 42");
    }
    return box;
}

std::optional<std::string> AnsiTextOf(QLineEdit* box, Tr refusal) {
    std::optional<std::string> bytes = ToAnsi(box->text());
    if (!bytes) {
        ShowError(box->window(), Translated(refusal));
        box->setFocus();
    }
    return bytes;
}

}  // namespace velmora
