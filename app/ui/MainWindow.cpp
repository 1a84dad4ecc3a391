#include "app/ui/MainWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>
#include <utility>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>

#include "settings/LanguageSetting.h"
#include "app/ViewSettings.h"
#include "widgets/AccessibleControls.h"
#include "app/ui/BoardAccessible.h"
#include "app/ui/BoardDescription.h"
#include "app/ui/BoardView.h"
#include "app/ui/ExitUnit.h"
#include "app/ui/FileTypeRegistration.h"
#include "app/ui/InitUnit.h"
#include "app/ui/Sound.h"
#include "app/ui/Language.h"
#include "widgets/Translation.h"
#include "app/ui/ZoomControl.h"
#include "app/ui/ZoomedClient.h"
#include "cardsets/CardSetFolder.h"
#include "cardsets/FileNames.h"
#include "cardsets/pictures/PictureImage.h"
#include "engine/ui/GameOver.h"
#include "widgets/AnsiText.h"
#include "widgets/Artwork.h"
#include "widgets/CommandGuard.h"
#include "widgets/DialogZoom.h"
#include "widgets/HelpWindow.h"
#include "widgets/Links.h"
#include "widgets/Messages.h"
#include "widgets/Modal.h"

namespace velmora {
namespace {

constexpr Tr kLowColourWarning = VELMORA_TR(
    "MainWindow",
    "This program is made for hi/true color displays. The display mode you are currently using may distort "
    "Velmora images. Please switch your computer to hi/true color mode.");

template <typename Handler>
void OnTriggered(QAction* action, QWidget* window, Handler handler) {
    QObject::connect(action, &QAction::triggered, window, [window, handler] { RunGuarded(window, handler); });
}

// Sorts the players list by the score column read as a number, larger first.
class ScoreItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override {
        return text(1).toInt() > other.text(1).toInt();
    }
};

}  // namespace

MainWindow::MainWindow(const std::filesystem::path& programFolder, QWidget* parent)
    : MainWindow(PortableLocations(programFolder), parent) {}

MainWindow::MainWindow(Locations locations, QWidget* parent)
    : QMainWindow(parent),
      locations_(std::move(locations)),
      library_(locations_.LibraryFolder),
      records_(library_),
      game_(*this, records_, clock_),
      painter_(artwork::kBoardSize),
      canvas_(painter_, game_, [this](int col, int row) { return CellRect(col, row); }),
      about_([this] { return std::make_unique<TExitForm>(this, help_); }),
      gameOver_([this] { return MakeGameOver(); }) {
    InstallBoardAccessibility();
    new AccessibleWindows(this);
    setObjectName("TForm1");
    setWindowTitle("Velmora");
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QPixmap::fromImage(artwork::Logo(QSize(64, 64)))));
    setFocusPolicy(Qt::StrongFocus);
    menu_ = BuildMainMenu(*menuBar());
    BuildLayout();
    ConnectMenu();
    ConnectBoardInput();
    sound_ = new SoundPlayer(locations_.SoundFolder, this);
    splash_ = new TInitScreen(this, help_);
    players_ = std::make_unique<PlayersWindows>(library_, game_, cardSet_, locations_.CardSets, *this, help_, this);
    showPlayerStatistics = [this](int position) { players_->ShowPlayerStatistics(position); };
    cardWindows_ = std::make_unique<CardSetWindows>(this, cardSet_, locations_.CardSets, locations_.SettingsFolder,
                                                    settings_.LastSet, help_);
    painter_.SetHighlightColour(palette().color(QPalette::Highlight));
    zoom_ = new ZoomControl(*this, *client_, painter_, *status_, menu_, [this] { DrawBoard(); });
    // Placed before start-up runs, so that a box it raises comes up where the window will be.
    zoom_->Restore(ViewSettings::Read(locations_.SettingsFolder));
    // An error on the way stops the remaining start-up steps, not the program.
    RunGuarded(this, [this] { FormCreate(); });
}

void MainWindow::ConnectMenu() {
    for (std::size_t i = 0; i < menu_.delays.size(); ++i)
        OnTriggered(menu_.delays[i], this, [this, i] {
            settings_.FlipDelay = kFlipDelays[i];
            game_.SetFlipDelay(settings_.FlipDelay);
        });
    for (std::size_t i = 0; i < menu_.languages.size(); ++i)
        OnTriggered(menu_.languages[i], this, [this, i] {
            language_.Code = i == 0 ? std::string() : kLanguageCodes[i - 1];
            ApplyLanguage(language_.Code);
        });
    OnTriggered(menu_.Sound1, this, [this] { settings_.SoundOn = menu_.Sound1->isChecked(); });
    OnTriggered(menu_.HighContrast1, this, [this] { SetHighContrast(menu_.HighContrast1->isChecked()); });
    OnTriggered(menu_.New1, this, [this] { players_->New1Click(); });
    OnTriggered(menu_.Seebestplayers1, this, [this] { players_->Seebestplayers1Click(); });
    OnTriggered(menu_.AddNewPlayer1, this, [this] { players_->AddNewPlayer1Click(); });
    OnTriggered(menu_.DeletePlayer1, this, [this] { players_->DeletePlayer1Click(); });
    OnTriggered(menu_.AddPassword1, this, [this] { players_->AddPassword1Click(); });
    OnTriggered(menu_.ChangePassword1, this, [this] { players_->ChangePassword1Click(); });
    OnTriggered(menu_.Restart1, this, [this] { game_.Restart1Click(); });
    OnTriggered(menu_.EndGame1, this, [this] { game_.EndGame1Click(); });
    OnTriggered(menu_.Exit1, this, [this] { close(); });
    OnTriggered(menu_.CreateNewVelmoraSet1, this, [this] { cardWindows_->CreateNewSet(); });
    OnTriggered(menu_.ViewVelmoraSet1, this, [this] {
        if (menu_.New1->isEnabled()) cardWindows_->SelectAndView(); else cardWindows_->ViewCardSet();
    });
    OnTriggered(menu_.CurrentVelmoraSetInfo1, this, [this] { CurrentVelmoraSetInfo1Click(); });
    OnTriggered(menu_.CardSetCheck1, this, [this] { CardSetCheck1Click(); });
    OnTriggered(menu_.Contents1, this, [this] { help_("help_system"); });
    OnTriggered(menu_.SearchHelp1, this, [] { OpenHelpSearch(); });
    OnTriggered(menu_.QuickIntro1, this, [this] { help_("quick1"); });
    OnTriggered(menu_.HowtoContactHalvik1, this, [this] { help_("contactus"); });
    OnTriggered(menu_.HalvikWebSite1, this, [] { OpenAddress(kMakerWebSite); });
    OnTriggered(menu_.EmailHalvikSales1, this, [] { OpenAddress(kSalesMail); });
    OnTriggered(menu_.EmailHalvikSupport1, this, [] { OpenAddress(kSupportMail); });
    OnTriggered(menu_.About1, this, [this] { About1Click(); });
}

void MainWindow::ConnectBoardInput() {
    // The board area's pixels are the zoomed board's: the game hit-tests on the 100 % board.
    const auto onBoard = [this](void (Game::*handler)(int, int)) {
        return [this, handler](QPoint p) {
            RunGuarded(this, [&] { p = zoom_->ToBoard(p); (game_.*handler)(p.x(), p.y()); });
        };
    };
    paintBox_->onMouseDown = onBoard(&Game::MouseDown);
    paintBox_->onMouseMove = onBoard(&Game::MouseMove);
    paintBox_->onMouseUp = onBoard(&Game::MouseUp);
    connect(timer1_, &QTimer::timeout, this, [this] { RunGuarded(this, [this] { game_.Timer1Timer(); }); });
}

void MainWindow::FormCreate() {
    ReadSettings();
    players_->LoadLibraryAtStartUp(this);
    // Until a set's background is read the board shows the built-in one, as it is painted.
    painter_.SetBackgroundTile(image1_->pixmap().toImage());
    cardSet_.LoadedSetFile.clear();
    DrawBoard();
    RegisterFileType();
}

void MainWindow::ReadSettings() {
    settings_ = Settings::Read(locations_.SettingsFolder);
    for (std::size_t i = 0; i < kFlipDelays.size(); ++i)
        menu_.delays[i]->setChecked(kFlipDelays[i] == settings_.FlipDelay);
    menu_.Sound1->setChecked(settings_.SoundOn);
    game_.SetFlipDelay(settings_.FlipDelay);
    accessibility_ = AccessibilitySettings::Read(locations_.SettingsFolder);
    SetHighContrast(accessibility_.HighContrast);
    language_ = LanguageSetting::Read(locations_.SettingsFolder);
    for (std::size_t i = 0; i < menu_.languages.size(); ++i)
        menu_.languages[i]->setChecked(language_.Code == (i == 0 ? std::string() : kLanguageCodes[i - 1]));
    ApplyLanguage(language_.Code);
    CheckCardSets(locations_.CardSets.User());
}

void MainWindow::RegisterFileType() {
    // An installed program's package brings the entry for the whole system.
    if (!locations_.FileTypeFolder.empty()) RegisterCardSetFileTypeForUser(locations_.FileTypeFolder, this);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_) return;
    shown_ = true;
    // The menu bar has its real height now; a move to a screen of another pixel ratio draws anew.
    zoom_->PlaceOnScreen();
    paintBox_->setFocus();  // the keys play the board from the start
    if (QWindow* handle = windowHandle())
        connect(handle, &QWindow::screenChanged, this, [this] { zoom_->Relayout(); });
    // After the window is on the screen, as the splash is shown over it.
    QTimer::singleShot(0, this, [this] { RunGuarded(this, [this] { FormShow(); }); });
}

void MainWindow::FormShow() {
    if (const QScreen* screen = this->screen(); screen != nullptr && screen->depth() <= 8)
        ShowPlainMessage(this, Translated(kLowColourWarning));
    SetTopMenusEnabled(false);
    RunModal(*splash_);
    SetTopMenusEnabled(true);
    if (afterStartUp_) std::exchange(afterStartUp_, nullptr)();
}

void MainWindow::RunAfterStartUp(std::function<void()> command) { afterStartUp_ = std::move(command); }

void MainWindow::SetTopMenusEnabled(bool enabled) {
    for (QMenu* menu : {menu_.game, menu_.edit, menu_.options, menu_.help}) menu->menuAction()->setEnabled(enabled);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The settings are written before the question, so they are kept even when the user stays.
    // A settings file that cannot be written is reported and costs the settings only: the program
    // must still close, or the user has no way out but to kill it.
    RunGuarded(this, [this] {
        settings_.Write(locations_.SettingsFolder);
        zoom_->Current().Write(locations_.SettingsFolder);
        accessibility_.Write(locations_.SettingsFolder);
        language_.Write(locations_.SettingsFolder);
    });
    if (AskOkCancel(this, Translated(VELMORA_TR("MainWindow", "Are you sure you want to exit Velmora?"))))
        event->accept();
    else
        event->ignore();
}

bool MainWindow::BoardKeyEvent(QKeyEvent* event) {
    const BoardKey key = ToBoardKey(event->key());
    if (event->type() == QEvent::KeyPress) {
        // A held key repeats its step.
        RunGuarded(this, [&] { game_.KeyDown(key); });
        return key != BoardKey::Other;
    }
    // A held key sends releases between its repeats; only the real release turns the card.
    if (event->isAutoRepeat()) return key != BoardKey::Other;
    RunGuarded(this, [&] { game_.KeyUp(key); });
    return key != BoardKey::Other;
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (!BoardKeyEvent(event)) QMainWindow::keyPressEvent(event);
}

void MainWindow::keyReleaseEvent(QKeyEvent* event) {
    if (!BoardKeyEvent(event)) QMainWindow::keyReleaseEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == logo_ && event->type() == QEvent::MouseButtonRelease) {
        RunGuarded(this, [this] { About1Click(); });
        return true;
    }
    if (watched == listView_ && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        auto* key = static_cast<QKeyEvent*>(event);
        // Enter opens the statistics as a double click does.
        if (event->type() == QEvent::KeyPress && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            RunGuarded(this, [this] { ListView1DblClick(listView_->currentItem()); });
            return true;
        }
        return BoardKeyEvent(key);
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::CurrentVelmoraSetInfo1Click() {
    if (cardSet_.LoadedSetFile.empty()) ShowError(this, Translated(VELMORA_TR("MainWindow", "No Velmora set selected.")));
    else cardWindows_->ShowCurrentInfo();
}

void MainWindow::CardSetCheck1Click() {
    CheckCardSets(locations_.CardSets.User());
    ShowInformation(this, Translated(VELMORA_TR("MainWindow", "Card set check completed!")));
}

QString MainWindow::StatusText() const { return status_->text(); }

CardSize MainWindow::LoadGameCardSet(const std::string& file) {
    cardSet_.LoadCardSet(locations_.CardSets, file, CardSetParts::PicturesAndBackground, &cardWindows_->Progress());
    ShowLoadedPictures();
    return {cardSet_.CardWidth, cardSet_.CardHeight};
}

void MainWindow::ShowLoadedPictures() {
    std::vector<QImage> images;
    images.reserve(cardSet_.CardPictures.size());
    for (const Picture& picture : cardSet_.CardPictures) images.push_back(ToImage(picture));
    painter_.SetCardImages(std::move(images));
    if (!cardSet_.BackgroundTile.Empty()) painter_.SetBackgroundTile(ToImage(cardSet_.BackgroundTile));
}

QRect MainWindow::CellRect(int col, int row) const {
    const CardSize card = game_.CardSizeOfSet();
    return {game_.BoardLeft() + (col - 1) * card.Width, game_.BoardTop() + (row - 1) * card.Height, card.Width,
            card.Height};
}

void MainWindow::DrawBoard() {
    canvas_.DrawBoard();
    ShowBoard();
}

void MainWindow::DrawCell(int col, int row, bool highlighted) { canvas_.DrawCell(col, row, highlighted); }

void MainWindow::InvertCell(int col, int row) { canvas_.InvertCell(col, row); }

void MainWindow::ShowBoard() {
    paintBox_->update();
    paintBox_->ReportChanges();
}

void MainWindow::SetHighContrast(bool on) {
    accessibility_.HighContrast = on;
    menu_.HighContrast1->setChecked(on);
    painter_.SetHighContrast(on);
    DrawBoard();
}

void MainWindow::RefreshPlayerList() {
    listView_->clear();
    for (const PlayerListRow& row : game_.PlayerListRows()) {
        auto* item = new ScoreItem(QStringList{FromAnsi(row.Name), QString::number(row.Pairs)});
        item->setData(0, Qt::AccessibleTextRole, PlayerRowName(item->text(0), row.Pairs));
        listView_->addTopLevelItem(item);
    }
    listView_->sortItems(1, Qt::AscendingOrder);
}

void MainWindow::PlaySoundFile(const std::string& name) {
    sound_->Play(QString::fromStdString(name), menu_.Sound1->isChecked());
}

void MainWindow::SetStatusText(const Phrase& text) { SetText(status_, "text", text); }

void MainWindow::EnableMenu(GameMenu item, bool enabled) {
    switch (item) {
        case GameMenu::NewGame: menu_.New1->setEnabled(enabled); break;
        case GameMenu::RestartGame: menu_.Restart1->setEnabled(enabled); break;
        case GameMenu::EndGame: menu_.EndGame1->setEnabled(enabled); break;
        case GameMenu::Edit: menu_.edit->menuAction()->setEnabled(enabled); break;
    }
}

void MainWindow::StartTimer() { timer1_->start(); }
void MainWindow::StopTimer() { timer1_->stop(); }

bool MainWindow::MainWindowActive() const { return isActiveWindow(); }

bool MainWindow::Confirm(const Phrase& question) { return AskYesNo(this, Translated(question)); }

CardSize MainWindow::RestoreGameCardSet() {
    // Browsing sets reads other sets: the New Game dialog their prefixes, View Card Set their
    // pictures and card size, after which Select Card Set names the game's set as read last again.
    // The restarted game wants its own details, pictures and size.
    if (!SameFileName(cardSet_.LoadedSetFile, cardSet_.GameSetFile) ||
        !SameFileName(cardSet_.PicturedSetFile, cardSet_.GameSetFile))
        return LoadGameCardSet(cardSet_.GameSetFile);
    return {cardSet_.CardWidth, cardSet_.CardHeight};
}

void MainWindow::ListView1DblClick(QTreeWidgetItem* item) {
    if (item == nullptr || !item->isSelected()) return;
    const std::optional<std::string> name = ToAnsi(item->text(0));
    showPlayerStatistics(name ? library_.FindLibraryPlayer(*name) : 0);
}

void MainWindow::RememberChoice(const std::string& set, int format) {
    settings_.LastSet = set;
    settings_.LastFormat = format;
}

void MainWindow::ViewCardSet(const std::string& setFile) {
    // The dialog has read the chosen set's prefix, unless that read failed: then it is read here,
    // so that the viewer never shows another set than the one chosen.
    if (!SameFileName(cardSet_.LoadedSetFile, setFile)) {
        cardSet_.LoadCardSet(locations_.CardSets, setFile, CardSetParts::Details);
    }
    cardWindows_->ViewCardSet();
}

void MainWindow::OpenWebAddress(const std::string& address) { OpenAddress(FromAnsi(address)); }

}  // namespace velmora
