#include "widgets/WindowParts.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "widgets/AnsiText.h"
#include "widgets/CommandGuard.h"
#include "widgets/Messages.h"

namespace velmora {

QPushButton* MakeHelpButton(QWidget* window, const char* objectName, const QString& caption, const HelpHook& help,
                            const char* topic) {
    QPushButton* button = MakeButton(window, objectName, caption, [help, topic] {
        if (help) help(topic);
    });
    SetHelpTopic(button, topic, help);
    return button;
}

QPushButton* MakeHelpButton(QWidget* window, const char* objectName, Tr caption, const HelpHook& help, const char* topic) {
    return WithText(MakeHelpButton(window, objectName, QString(), help, topic), caption);
}

QLabel* MakeLabel(QWidget* window, const char* objectName, const QString& text) {
    auto* label = new QLabel(text, window);
    label->setObjectName(objectName);
    return label;
}

QLabel* MakeLabel(QWidget* window, const char* objectName, Tr text) {
    return WithText(MakeLabel(window, objectName, QString()), text);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    QLabel* label = MakeLabel(parent, name, text);
    label->setGeometry(geometry);
    return label;
}

QLabel* MakeLabel(QWidget* parent, const char* name, Tr text, QRect geometry) {
    return WithText(MakeLabel(parent, name, QString(), geometry), text);
}

void MakeBold(QLabel* label) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
}

QGroupBox* MakeGroup(QWidget* parent, const char* name, Tr title) {
    auto* group = WithText(new QGroupBox(parent), title, "title");
    group->setObjectName(name);
    return group;
}

QGroupBox* MakeGroup(QWidget* parent, const char* name, const QString& title, QRect geometry) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(name);
    group->setGeometry(geometry);
    return group;
}

QGroupBox* MakeGroup(QWidget* parent, const char* name, Tr title, QRect geometry) {
    return WithText(MakeGroup(parent, name, QString(), geometry), title, "title");
}

QListWidget* MakeList(QWidget* parent, const char* name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    return list;
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

QLineEdit* MakeReadOnlyField(QWidget* parent, const char* name) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    return field;
}

QLineEdit* MakeReadOnlyField(QWidget* parent, const char* name, QRect geometry) {
    QLineEdit* field = MakeReadOnlyField(parent, name);
    field->setGeometry(geometry);
    return field;
}

QPlainTextEdit* MakeReadOnlyNotes(QWidget* parent, const char* name, QRect geometry) {
    auto* notes = new QPlainTextEdit(parent);
    notes->setObjectName(name);
    notes->setReadOnly(true);
    notes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    notes->setGeometry(geometry);
    return notes;
}

QString SetTitle(const std::string& fileName) {
    return QFile::decodeName(fileName.substr(0, fileName.size() >= 4 ? fileName.size() - 4 : 0).c_str());
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
