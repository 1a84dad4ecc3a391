#include "players/ui/DeletePlayer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "players/PlayerPasswords.h"
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
    ShowLines(*list_, lines_);
    list_->setFocus();
    RunModal(*this);
}

void DeletePlayer::DeleteClick() {
    QListWidgetItem* selected = list_->currentItem();
    if (list_->count() == 0 || selected == nullptr || !selected->isSelected()) return;
    const int position = list_->row(selected) + 1;
    const TPlayerRecord& player = library_.Player(position);
    if (AsksForPassword(player)) {
        const PromptAnswer answer = prompt_.AskFor(player, Translated(Password::StandardTitle),
                                                   Translated(VELMORA_TR("DeletePlayer", "Please enter the password for %1")).arg(FromAnsi(player.Name.Text())));
        if (answer == PromptAnswer::Cancelled) return;
        if (answer == PromptAnswer::Wrong) {
            ShowError(this, Translated(VELMORA_TR("DeletePlayer", "Incorrect password.")));
            return;
        }
    }
    library_.DeletePlayer(position, lines_, LibraryFilter::AllPlayers);
    ShowLines(*list_, lines_);
}

}  // namespace velmora
