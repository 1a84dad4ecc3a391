#include "players/ui/Password.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "players/PlayerPasswords.h"
#include "players/PlayerRecord.h"
#include "widgets/AnsiText.h"
#include "widgets/Modal.h"
#include "widgets/WindowParts.h"
#include "widgets/Translation.h"

namespace velmora {

Password::Password(HelpHook help, QWidget* parent) : QDialog(parent) {
    setObjectName("TForm5");
    setWindowTitle(Translated(StandardTitle));
    label_ = MakeLabel(this, "Label1", Translated(StandardLabel));
    passwordBox_ = MakeTextBox(this, "Edit1", true, MaxNameLength);
    QPushButton* ok = MakeButton(this, "BitBtn1", VELMORA_TR("Password", "&OK"), [this] { accept(); });
    ok->setDefault(true);
    QPushButton* cancel = MakeButton(this, "BitBtn2", VELMORA_TR("Password", "&Cancel"), [this] { reject(); });
    QPushButton* helpButton = MakeHelpButton(this, "BitBtn3", VELMORA_TR("Password", "&Help"), help, "enterpassword_w");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(helpButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(passwordBox_);
    layout->addLayout(buttons);
    setFixedWidth(320);
}

void Password::showEvent(QShowEvent* event) {
    passwordBox_->clear();
    passwordBox_->setFocus();
    QDialog::showEvent(event);
}

std::optional<QString> Password::Ask(const QString& title, const QString& label) {
    setWindowTitle(title);
    label_->setText(label);
    const int result = RunModal(*this);
    setWindowTitle(Translated(StandardTitle));
    label_->setText(Translated(StandardLabel));
    if (result != QDialog::Accepted) return std::nullopt;
    return passwordBox_->text();
}

TypedPassword Password::AskTyped(const QString& title, const QString& label) {
    const std::optional<QString> typed = Ask(title, label);
    if (!typed) return {true, std::nullopt};
    return {false, ToAnsi(*typed)};
}

PromptAnswer Password::AskFor(const TPlayerRecord& player, const QString& title, const QString& label) {
    const TypedPassword typed = AskTyped(title, label);
    if (typed.Cancelled) return PromptAnswer::Cancelled;
    return PasswordMatches(player, typed) ? PromptAnswer::Right : PromptAnswer::Wrong;
}

}  // namespace velmora
