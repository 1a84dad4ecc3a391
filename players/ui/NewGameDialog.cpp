#include "players/ui/NewGameDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <utility>

#include "cardsets/CardSetFolder.h"
#include "widgets/AnsiText.h"
#include "widgets/CommandGuard.h"
#include "widgets/Messages.h"
#include "widgets/Modal.h"
#include "cardsets/CardSetFolders.h"
#include "cardsets/LoadedCardSet.h"
#include "engine/Game.h"
#include "formats/Formats.h"
#include "players/GameStart.h"
#include "players/NewGameChoices.h"
#include "players/PlayerPasswords.h"
#include "players/ui/ChosenSetSource.h"
#include "players/ui/DeletePlayer.h"
#include "players/ui/NewGameHost.h"
#include "players/ui/NewPlayer.h"
#include "players/ui/Password.h"
#include "players/ui/stats.h"
#include "widgets/WindowParts.h"
#include "widgets/Translation.h"
#include "cardsets/ui/ShippedTexts.h"

namespace velmora {
namespace {

bool IsSelected(const QListWidget& list) {
    const QListWidgetItem* item = list.currentItem();
    return list.count() > 0 && item != nullptr && item->isSelected();
}

}  // namespace

NewGameDialog::NewGameDialog(PlayerLibrary& library, Game& game, LoadedCardSet& cardSet, CardSetFolders folders,
                             NewGameHost& host, PlayerWindows windows, HelpHook help, QWidget* parent)
    : QDialog(parent),
      library_(library),
      game_(game),
      cardSet_(cardSet),
      folders_(std::move(folders)),
      host_(host),
      windows_(windows) {
    setObjectName("TForm2");
    SetText(this, "windowTitle", VELMORA_TR("NewGame", "New Game - Velmora"));
    auto* steps = new QGridLayout;
    steps->addWidget(BuildStep1(), 0, 0);
    steps->addWidget(BuildStep2(), 0, 0);  // in the same place: one of the two shows
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(steps);
    layout->addWidget(BuildButtons(help));
    ShowStep(1);
    resize(500, 370);
}

QGroupBox* NewGameDialog::BuildStep1() {
    step1_ = MakeGroup(this, "GroupBox1", VELMORA_TR("NewGame", "Step 1 : Select At Least Two Players "));
    playersToPlay_ = MakeList(step1_, "ListBox1");
    libraryList_ = MakeList(step1_, "ListBox2");
    connect(playersToPlay_, &QListWidget::itemDoubleClicked, this,
            [this] { RunGuarded(this, [this] { RemovePlayerFromGame(); }); });
    connect(libraryList_, &QListWidget::itemDoubleClicked, this,
            [this] { RunGuarded(this, [this] { AddPlayerToGame(); }); });

    auto* moves = new QVBoxLayout;
    moves->addStretch();
    moves->addWidget(MakeButton(this, "BitBtn3", "<", [this] { AddPlayerToGame(); }));
    moves->addWidget(MakeButton(this, "BitBtn4", ">", [this] { RemovePlayerFromGame(); }));
    moves->addWidget(MakeButton(this, "BitBtn8", ">>", [this] { RemoveAllPlayers(); }));
    moves->addStretch();

    auto* grid = new QGridLayout(step1_);
    grid->addWidget(MakeLabel(step1_, "Label1", VELMORA_TR("NewGame", "Players To Play :")), 0, 0);
    grid->addWidget(MakeLabel(step1_, "Label2", VELMORA_TR("NewGame", "Library Of Players :")), 0, 2);
    grid->addWidget(playersToPlay_, 1, 0);
    grid->addLayout(moves, 1, 1);
    grid->addWidget(libraryList_, 1, 2);
    auto* libraryButtons = new QHBoxLayout;
    libraryButtons->addWidget(MakeButton(this, "BitBtn6", VELMORA_TR("NewGame", "&Add Player..."), [this] { AddPlayerClick(); }));
    libraryButtons->addWidget(MakeButton(this, "BitBtn7", VELMORA_TR("NewGame", "&Delete Player"), [this] { DeletePlayerClick(); }));
    libraryButtons->addWidget(MakeButton(this, "BitBtn5", VELMORA_TR("NewGame", "&Stats"), [this] { StatsClick(); }));
    grid->addLayout(libraryButtons, 2, 0, 1, 3);
    return step1_;
}

QGroupBox* NewGameDialog::BuildStep2() {
    step2_ = MakeGroup(this, "GroupBox2", VELMORA_TR("NewGame", "Step 2 : Select Card-Set"));
    setList_ = new QComboBox(step2_);
    setList_->setObjectName("ComboBox1");
    sizeList_ = new QComboBox(step2_);
    sizeList_->setObjectName("ComboBox2");
    connect(setList_, &QComboBox::currentIndexChanged, this,
            [this](int index) { RunGuarded(this, [this, index] { ChooseSet(index); }); });

    auto* choices = new QGridLayout;
    choices->addWidget(MakeLabel(step2_, "Label3", VELMORA_TR("NewGame", "Select Set")), 0, 0);
    choices->addWidget(setList_, 1, 0);
    choices->addWidget(MakeLabel(step2_, "Label4", VELMORA_TR("NewGame", "Select Size")), 0, 1);
    choices->addWidget(sizeList_, 1, 1);
    choices->addWidget(MakeButton(this, "Button3", VELMORA_TR("NewGame", "View Velmora Set"),
                                  [this] {
                                      if (setList_->currentIndex() < 0) return;
                                      const auto chosen = static_cast<std::size_t>(setList_->currentIndex());
                                      host_.ViewCardSet(CardSetFileName(sets_.at(chosen)));
                                  }),
                       1, 2);
    auto* column = new QVBoxLayout(step2_);
    column->addLayout(choices);
    column->addWidget(BuildDetails());
    return step2_;
}

QGroupBox* NewGameDialog::BuildDetails() {
    QGroupBox* details = MakeGroup(step2_, "GroupBox3", VELMORA_TR("NewGame", " Details "));
    author_ = MakeReadOnlyField(details, "Edit1");
    language_ = MakeReadOnlyField(details, "Edit4");
    email_ = MakeReadOnlyField(details, "Edit2");
    web_ = MakeReadOnlyField(details, "Edit3");
    notes_ = new QPlainTextEdit(details);
    notes_->setObjectName("Memo1");
    notes_->setReadOnly(true);
    auto* webRow = new QHBoxLayout;
    webRow->addWidget(web_);
    QPushButton* open = MakeButton(this, "Button1", "...", [this] {
        if (!web_->text().isEmpty()) host_.OpenWebAddress(cardSet_.Web);
    });
    open->setFixedWidth(28);
    webRow->addWidget(open);
    auto* form = new QFormLayout(details);
    form->addRow(WithText(new QLabel, VELMORA_TR("NewGame", "Author :")), author_);
    form->addRow(WithText(new QLabel, VELMORA_TR("NewGame", "Lang :")), language_);
    form->addRow(WithText(new QLabel, VELMORA_TR("NewGame", "E-Mail :")), email_);
    form->addRow(WithText(new QLabel, VELMORA_TR("NewGame", "Web :")), webRow);
    form->addRow(WithText(new QLabel, VELMORA_TR("NewGame", "Notes :")), notes_);
    return details;
}

QWidget* NewGameDialog::BuildButtons(const HelpHook& help) {
    auto* row = new QWidget(this);
    back_ = MakeButton(this, "BitBtn10", VELMORA_TR("NewGame", "Back"), [this] { ShowStep(1); });
    next_ = MakeButton(this, "BitBtn11", VELMORA_TR("NewGame", "Next"), [this] { NextClick(); });
    start_ = MakeButton(this, "BitBtn1", VELMORA_TR("NewGame", "Start"), [this] { StartClick(); });
    auto* nextOrStart = new QGridLayout;
    nextOrStart->setContentsMargins(0, 0, 0, 0);
    nextOrStart->addWidget(next_, 0, 0);
    nextOrStart->addWidget(start_, 0, 0);  // exactly over Next
    auto* buttons = new QHBoxLayout(row);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addStretch();
    buttons->addWidget(back_);
    buttons->addLayout(nextOrStart);
    buttons->addWidget(MakeButton(this, "BitBtn2", VELMORA_TR("NewGame", "&Cancel"), [this] { reject(); }));
    buttons->addWidget(MakeHelpButton(this, "BitBtn9", VELMORA_TR("NewGame", "&Help"), help, "newgame_w"));
    return row;
}

void NewGameDialog::Execute() {
    ShowStep(1);
    bool ready = false;
    RunGuarded(this, [this, &ready] { ready = PrepareSteps(); });
    if (!ready) return;
    RunModal(*this);
    ShowStep(1);  // however it closed, the next opening is at step 1
}

// Returns false when there is no card set to play with.
bool NewGameDialog::PrepareSteps() {
    // The game's copies of its players are newer than the ones chosen for it.
    lineup_.TakeCountersFrom(game_.GamePlayers());
    ShowLineup();
    RunGuarded(this, [this] { ReloadLibraryList(); });

    const QSignalBlocker blockSets(setList_);
    setList_->clear();
    sizeList_->clear();
    sets_ = ListCardSets(folders_);
    if (sets_.empty()) {
        ShowError(this, Translated(VELMORA_TR("NewGame", "No Velmora card set found.")));
        return false;
    }
    for (const std::string& set : sets_) setList_->addItem(FromAnsi(set));
    setList_->setCurrentIndex(PreselectedSet(sets_, host_.LastSet()));
    RunGuarded(this, [this] {
        const auto chosen = static_cast<std::size_t>(setList_->currentIndex());
        cardSet_.LoadCardSet(folders_, CardSetFileName(sets_.at(chosen)), CardSetParts::Details);
        ShowDetails();
    });
    FillSizes(host_.LastFormat());
    return true;
}

void NewGameDialog::ReloadLibraryList() {
    try {
        library_.LoadPlayerLibrary(libraryLines_, LibraryFilter::AllPlayers);
    } catch (...) {
        ShowListedPlayers(*libraryList_, library_.Records());  // the players read before the damage
        throw;
    }
    ShowListedPlayers(*libraryList_, library_.Records());
}

void NewGameDialog::ShowLineup() {
    ShowListedPlayers(*playersToPlay_, lineup_.Players());
}

void NewGameDialog::ShowStep(int step) {
    step1_->setVisible(step == 1);
    step2_->setVisible(step == 2);
    back_->setEnabled(step == 2);
    next_->setVisible(step == 1);
    start_->setVisible(step == 2);
    // Enter presses the visible one of the two buttons that lie in the same place.
    next_->setDefault(step == 1);
    start_->setDefault(step == 2);
}

void NewGameDialog::done(int result) {
    ShowStep(1);
    QDialog::done(result);
}

void NewGameDialog::ChooseSet(int index) {
    if (index < 0 || index >= static_cast<int>(sets_.size())) return;
    cardSet_.LoadCardSet(folders_, CardSetFileName(sets_[static_cast<std::size_t>(index)]), CardSetParts::Details);
    FillSizes(0);
    ShowDetails();
}

void NewGameDialog::ShowDetails() {
    author_->setText(FromAnsi(cardSet_.Author));
    language_->setText(ShownSetText(cardSet_.Language));
    email_->setText(FromAnsi(cardSet_.Email));
    web_->setText(FromAnsi(cardSet_.Web));
    notes_->clear();
    notes_->appendPlainText(ShownSetText(cardSet_.Notes));
}

void NewGameDialog::FillSizes(int preselected) {
    sizeList_->clear();
    formats_ = OfferedFormats(cardSet_.CardCount);
    for (const int format : formats_) sizeList_->addItem(ShownFormatName(Formats[static_cast<std::size_t>(format)].Name));
    sizeList_->setCurrentIndex(PreselectedFormat(preselected, static_cast<int>(formats_.size())));
}

int NewGameDialog::SelectedLibraryPosition() const {
    return IsSelected(*libraryList_) ? libraryList_->currentRow() + 1 : 0;
}

void NewGameDialog::AddPlayerToGame() {
    const int position = SelectedLibraryPosition();
    if (position == 0) return;
    const TPlayerRecord& player = library_.Player(position);
    const Phrase refusal = lineup_.RefusalToAdd(player);
    if (!refusal.Empty()) {
        ShowError(this, Translated(refusal));
        return;
    }
    if (AsksForPassword(player)) {
        const QString name = FromAnsi(player.Name.Text());
        const PromptAnswer answer = windows_.prompt.AskFor(
            player, Translated(VELMORA_TR("NewGame", "Enter password %1")).arg(name), Translated(Password::StandardLabel));
        if (answer == PromptAnswer::Cancelled) return;
        if (answer == PromptAnswer::Wrong) {
            ShowPlainMessage(this, Translated(VELMORA_TR("NewGame", "Wrong password!")));
            return;
        }
    }
    lineup_.Add(player);
    ShowLineup();
}

void NewGameDialog::RemovePlayerFromGame() {
    if (!IsSelected(*playersToPlay_)) return;
    lineup_.Remove(playersToPlay_->currentRow() + 1);
    ShowLineup();
}

void NewGameDialog::RemoveAllPlayers() {
    lineup_.Clear();
    ShowLineup();
}

void NewGameDialog::AddPlayerClick() {
    if (windows_.addPlayer.Execute()) ReloadLibraryList();
}

void NewGameDialog::DeletePlayerClick() {
    const int position = SelectedLibraryPosition();
    if (position == 0) return;
    const Phrase refusal = lineup_.RefusalToDelete(library_.Player(position).Name.Text());
    if (!refusal.Empty()) {
        ShowPlainMessage(this, Translated(refusal));
        return;
    }
    const auto prompt = [this](const TPlayerRecord& player) {
        return windows_.prompt.AskTyped(
            Translated(VELMORA_TR("NewGame", "Enter password for %1")).arg(FromAnsi(player.Name.Text())),
            Translated(Password::StandardLabel));
    };
    if (DeleteFromList(*this, *libraryList_, library_, position, libraryLines_, prompt) == DeletionOutcome::WrongPassword)
        ShowPlainMessage(this, Translated(VELMORA_TR("NewGame", "Wrong password!")));
}

void NewGameDialog::StatsClick() {
    const int position = SelectedLibraryPosition();
    if (position != 0) windows_.stats.ShowPlayerStatistics(position);
}

void NewGameDialog::NextClick() {
    if (!lineup_.CanStart()) {
        ShowPlainMessage(this, Translated(VELMORA_TR("NewGame", "Please select at least 2 players.")));
        return;
    }
    ShowStep(2);
}

void NewGameDialog::StartClick() {
    if (setList_->currentIndex() < 0 || sizeList_->currentIndex() < 0) return;
    ChosenSetSource sets(cardSet_, folders_, host_);
    const GameStartOutcome outcome =
        StartChosenGame(game_, lineup_.Players(), formats_.at(static_cast<std::size_t>(sizeList_->currentIndex())),
                        sets_.at(static_cast<std::size_t>(setList_->currentIndex())), sets);
    if (!outcome.Started) {
        ShowError(this, TranslatedError(*outcome.Error));
        return;
    }
    accept();
}

}  // namespace velmora
