#pragma once
// The password prompt: asks for one protected player's password before the player is chosen for
// a game or deleted.

#include <QDialog>
#include <optional>

#include "players/PlayerPasswords.h"
#include "players/PlayerRecord.h"
#include "widgets/HelpHook.h"
#include "widgets/Translation.h"

class QLabel;
class QLineEdit;

namespace velmora {

enum class PromptAnswer { Cancelled, Wrong, Right };

class Password : public QDialog {
    Q_OBJECT
public:
    static constexpr Tr StandardTitle = VELMORA_TR("Password", "Password - Velmora");
    static constexpr Tr StandardLabel = VELMORA_TR("Password", "Please enter the password :");

    explicit Password(HelpHook help, QWidget* parent = nullptr);

    // Shows the prompt with this title and label and returns the text typed, or nothing when
    // cancelled. The standard title and label are back afterwards, so no caller's text can stand
    // when the other caller shows the prompt.
    std::optional<QString> Ask(const QString& title, const QString& label);
    // The same, with the text as the core compares it: the prompt of DeleteAskingPassword.
    TypedPassword AskTyped(const QString& title, const QString& label);
    // Asks for the player's password and compares it exactly with the stored one.
    PromptAnswer AskFor(const TPlayerRecord& player, const QString& title, const QString& label);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* label_;
    QLineEdit* passwordBox_;
};

}  // namespace velmora
