#pragma once

#include <QMainWindow>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "settings/LanguageSetting.h"
#include "app/Locations.h"
#include "settings/Settings.h"
#include "settings/AccessibilitySettings.h"
#include "app/ui/BoardCanvas.h"
#include "app/ui/BoardPainter.h"
#include "app/ui/MainMenu.h"
#include "cardsets/LoadedCardSet.h"
#include "cardsets/ui/CardSetWindows.h"
#include "engine/Clock.h"
#include "engine/Game.h"
#include "engine/GameView.h"
#include "players/LibraryRecords.h"
#include "players/PlayerLibrary.h"
#include "players/ui/NewGameHost.h"
#include "players/ui/PlayersWindows.h"
#include "widgets/HelpHook.h"
#include "widgets/OnFirstUse.h"

class QFrame;
class QKeyEvent;
class QLabel;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace velmora {

class BoardView;
class SoundPlayer;
class GameOver;
class TExitForm;
class TInitScreen;
class ZoomControl;
class ZoomedClient;

// The main window: the board, the players list, the status bar and the menu. It draws and
// forwards input; the game itself decides everything.
class MainWindow : public QMainWindow, public GameView, public NewGameHost {
    Q_OBJECT
public:
    // The files are where locations says.
    explicit MainWindow(Locations locations, QWidget* parent = nullptr);
    // A portable program: programFolder holds the settings file, the card sets, the player library
    // and the sounds.
    explicit MainWindow(const std::filesystem::path& programFolder, QWidget* parent = nullptr);
    ~MainWindow() override;

    const Locations& FileLocations() const { return locations_; }
    // Runs command once, when start-up is over and the splash has gone.
    void RunAfterStartUp(std::function<void()> command);

    const Settings& GameSettings() const { return settings_; }
    // The New Game dialog records the set and format of the game it starts here.
    Settings& GameSettings() { return settings_; }
    const MainMenu& Menu() const { return menu_; }
    ZoomControl& Zooming() { return *zoom_; }
    Game& CurrentGame() { return game_; }
    PlayerLibrary& Library() { return library_; }
    const QImage& BoardBuffer() const { return painter_.Buffer(); }
    BoardView& PaintBox() { return *paintBox_; }
    QTreeWidget& PlayerList() { return *listView_; }
    QLabel& StatusLine() { return *status_; }
    QString StatusText() const;

    LoadedCardSet& CardSet() { return cardSet_; }
    // Opens the statistics window for a library position (the players' windows; tests replace it).
    std::function<void(int libraryPosition)> showPlayerStatistics;
    CardSetWindows& CardWindows() { return *cardWindows_; }
    // Reads file (a set of the program folder) in full with its background, shows its pictures on
    // the board and returns its card size. The set read before stays when the file fails.
    CardSize LoadGameCardSet(const std::string& file);

    // GameView: GameDisplay
    void DrawBoard() override;
    void DrawCell(int col, int row, bool highlighted) override;
    void InvertCell(int col, int row) override;
    void ShowBoard() override;
    void RefreshPlayerList() override;
    // GameSounds
    void PlaySoundFile(const std::string& name) override;
    // TurnTimer
    void StartTimer() override;
    void StopTimer() override;
    // GameChrome
    void SetStatusText(const Phrase& text) override;
    void EnableMenu(GameMenu item, bool enabled) override;
    bool MainWindowActive() const override;
    // GameDialogs
    bool Confirm(const Phrase& question) override;
    void ShowGameOver(const Phrase& winnerSentence, int libraryPosition) override;
    CardSize RestoreGameCardSet() override;

    // NewGameHost
    std::string LastSet() const override { return settings_.LastSet; }
    int LastFormat() const override { return settings_.LastFormat; }
    void RememberChoice(const std::string& set, int format) override;
    CardSetProgress* LoadProgress() override { return &cardWindows_->Progress(); }
    void CardSetLoaded() override { ShowLoadedPictures(); }
    void ViewCardSet(const std::string& setFile) override;
    void OpenWebAddress(const std::string& address) override;

    PlayersWindows& PlayerDialogs() { return *players_; }
    // The About and Game Over windows, made when first opened.
    TExitForm& AboutWindow();
    GameOver& GameOverWindow();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLayout();
    void DescribeControls();
    void SetHighContrast(bool on);
    void ConnectMenu();
    void ConnectBoardInput();
    void FormCreate();
    void FormShow();
    void ReadSettings();
    void RegisterFileType();
    void SetTopMenusEnabled(bool enabled);
    QRect CellRect(int col, int row) const;
    // Routes a key of the window or the players list to the board; true when the board took it.
    bool BoardKeyEvent(QKeyEvent* event);

    void ShowLoadedPictures();
    void ListView1DblClick(QTreeWidgetItem* item);
    void CurrentVelmoraSetInfo1Click();
    void CardSetCheck1Click();
    void About1Click();
    std::unique_ptr<GameOver> MakeGameOver();

    Locations locations_;
    Settings settings_;
    AccessibilitySettings accessibility_;
    LanguageSetting language_;
    SystemClock clock_;
    PlayerLibrary library_;
    LibraryRecords records_;
    Game game_;
    BoardPainter painter_;
    BoardCanvas canvas_;
    MainMenu menu_{};

    ZoomedClient* client_ = nullptr;
    ZoomControl* zoom_ = nullptr;
    BoardView* paintBox_ = nullptr;
    QTreeWidget* listView_ = nullptr;
    QLabel* logo_ = nullptr;
    QLabel* image1_ = nullptr;
    QLabel* status_ = nullptr;
    QTimer* timer1_ = nullptr;
    SoundPlayer* sound_ = nullptr;
    // How every window of the program opens a help topic.
    HelpHook help_ = HelpWindowHook();
    TInitScreen* splash_ = nullptr;
    OnFirstUse<TExitForm> about_;
    OnFirstUse<GameOver> gameOver_;

    LoadedCardSet cardSet_;
    std::unique_ptr<PlayersWindows> players_;
    std::unique_ptr<CardSetWindows> cardWindows_;
    bool shown_ = false;
    std::function<void()> afterStartUp_;
};

}  // namespace velmora
