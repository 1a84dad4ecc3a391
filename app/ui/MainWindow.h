#pragma once

#include <QImage>
#include <QMainWindow>
#include <filesystem>
#include <string>

#include "app/Settings.h"
#include "app/ui/MainMenu.h"

class QFrame;
class QLabel;
class QTimer;
class QTreeWidget;

namespace velmora {

class BoardView;
class SoundPlayer;
class TExitForm;
class TInitScreen;

// The main window: the board, the players list, the status bar and the menu.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // programFolder holds the settings file, the card sets and the sounds.
    explicit MainWindow(std::filesystem::path programFolder, QWidget* parent = nullptr);

    const Settings& settings() const { return settings_; }
    const MainMenu& menu() const { return menu_; }
    const QImage& BoardBuffer() const { return boardBuffer_; }
    QString StatusText() const;

    void DrawBoard();
    void ShowBoard();
    void PlaySoundFile(const QString& name);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLayout();
    void ConnectMenu();
    void FormCreate();
    void FormShow();
    void ReadSettings();
    void RegisterFileType();
    void SetStatusText(const QString& text);
    void SetTopMenusEnabled(bool enabled);
    void TileBackground();

    void CurrentVelmoraSetInfo1Click();
    void About1Click();

    std::filesystem::path folder_;
    Settings settings_;
    MainMenu menu_{};

    QFrame* bevel_ = nullptr;
    BoardView* paintBox_ = nullptr;
    QFrame* panel_ = nullptr;
    QTreeWidget* listView_ = nullptr;
    QLabel* logo_ = nullptr;
    QLabel* image1_ = nullptr;
    QLabel* status_ = nullptr;
    QTimer* timer1_ = nullptr;
    SoundPlayer* sound_ = nullptr;
    TInitScreen* splash_ = nullptr;
    TExitForm* about_ = nullptr;

    QImage boardBuffer_;
    QImage backgroundTile_;
    std::string loadedSetFile_;
    bool shown_ = false;
};

}  // namespace velmora
