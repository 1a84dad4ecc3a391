#include "players/ui/DeletePlayer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "players/ui/Password.h"
#include "widgets/AnsiText.h"
#include "widgets/CommandGuard.h"
#include "widgets/Messages.h"
#include "widgets/Modal.h"
#include "widgets/WindowParts.h"
#include "widgets/Translation.h"

namespace velmora {

void ShowLines(QListWidget& list, const std::vector<std::string>& lines) {
    list.clear();
    for (const std::string& line : lines) list.addItem(FromAnsi(line));
}

void ShowListedPlayers(QListWidget& list, std::span<const TPlayerRecord> players) {
    list.clear();
    for (const TPlayerRecord& player : players) list.addItem(Translated(ListedPlayer(player, LibraryFilter::AllPlayers)));
}

DeletionOutcome DeleteFromList(QWidget& window, QListWidget& list, PlayerLibrary& library, int position,
                               std::vector<std::string>& lines, const PasswordPrompt& prompt) {
    const DeletionResult result = DeleteAskingPassword(library, position, lines, LibraryFilter::AllPlayers, prompt);
    if (result.Outcome == DeletionOutcome::Deleted) ShowListedPlayers(list, library.Records());
    if (result.Outcome == DeletionOutcome::FileError) ShowError(&window, TranslatedError(*result.Error));
    return result.Outcome;
}

DeletePlayer::DeletePlayer(PlayerLibrary& library, Password& prompt, HelpHook help, QWidget* parent)
    : QDialog(parent), library_(library), prompt_(prompt) {
    setObjectName("TForm14");
    SetText(this, "windowTitle", VELMORA_TR("DeletePlayer", "Delete Player - Velmora"));
    list_ = MakeList(this, "ListBox2");

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(MakeButton(this, "BitBtn1", VELMORA_TR("DeletePlayer", "&Delete"), [this] { DeleteClick(); }));
    buttons->addWidget(MakeButton(this, "BitBtn2", VELMORA_TR("DeletePlayer", "&Close"), [this] { reject(); }));
    buttons->addWidget(MakeHelpButton(this, "BitBtn3", VELMORA_TR("DeletePlayer", "&Help"), help, "deleteplayer_w"));
    buttons->addStretch();
    auto* body = new QHBoxLayout;
    body->addWidget(list_);
    body->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeLabel(this, "Label1", VELMORA_TR("DeletePlayer", "Select player from the list and click Delete button.")));
    layout->addLayout(body);
    resize(360, 260);
}

void DeletePlayer::Execute() {
    // A damaged file still shows the players read before the damage.
    RunGuarded(this, [this] { library_.LoadPlayerLibrary(lines_, LibraryFilter::AllPlayers); });
    ShowListedPlayers(*list_, library_.Records());
    list_->setFocus();
    RunModal(*this);
}

void DeletePlayer::DeleteClick() {
    QListWidgetItem* selected = list_->currentItem();
    if (list_->count() == 0 || selected == nullptr || !selected->isSelected()) return;
    const int position = list_->row(selected) + 1;
    const auto prompt = [this](const TPlayerRecord& player) {
        return prompt_.AskTyped(Translated(Password::StandardTitle),
                                Translated(VELMORA_TR("DeletePlayer", "Please enter the password for %1")).arg(FromAnsi(player.Name.Text())));
    };
    if (DeleteFromList(*this, *list_, library_, position, lines_, prompt) == DeletionOutcome::WrongPassword)
        ShowError(this, Translated(VELMORA_TR("DeletePlayer", "Incorrect password.")));
}

}  // namespace velmora
