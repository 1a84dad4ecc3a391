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

std::optional<std::string> AnsiTextOf(QLineEdit* box, const QString& what) {
    std::optional<std::string> bytes = ToAnsi(box->text());
    if (!bytes) {
        ShowError(box->window(), QString("The %1 holds a character that cannot be stored. Please use only Western "
                                         "European letters, digits and signs.")
                                     .arg(what));
        box->setFocus();
    }
    return bytes;
}

}  // namespace velmora
