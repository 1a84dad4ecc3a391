#include "app/ui/MainWindow.h"

#include <QBuffer>
#include <QCloseEvent>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>

#include "app/CardSetFileType.h"
#include "app/ui/BoardView.h"
#include "app/ui/ExitUnit.h"
#include "app/ui/InitUnit.h"
#include "app/ui/Sound.h"
#include "cardsets/CardSetFolder.h"
#include "cardsets/FileNames.h"
#include "cardsets/pictures/PictureImage.h"
#include "engine/ui/GameOver.h"
#include "widgets/AnsiText.h"
#include "widgets/Artwork.h"
#include "widgets/CommandGuard.h"
#include "widgets/HelpWindow.h"
#include "widgets/Links.h"
#include "widgets/Messages.h"
#include "widgets/Modal.h"

namespace velmora {
namespace {

constexpr int kClientWidth = 651;
constexpr int kPanelWidth = 108;
constexpr int kBoardAreaHeight = 376;
constexpr int kStatusHeight = 22;

const char* const kStartStatus = "Select Game -> New Game or press F2 to start a new game.";
const char* const kLowColourWarning =
    "This program is made for hi/true color displays. The display mode you are currently using may distort "
    "Velmora images. Please switch your computer to hi/true color mode.";

QByteArray PngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

template <typename Handler>
void OnTriggered(QAction* action, QWidget* window, Handler handler) {
    QObject::connect(action, &QAction::triggered, window, [window, handler] { RunGuarded(window, handler); });
}

BoardKey ToBoardKey(int key) {
    switch (key) {
        case Qt::Key_Left: return BoardKey::Left;
        case Qt::Key_Right: return BoardKey::Right;
        case Qt::Key_Down: return BoardKey::Down;
        case Qt::Key_Up: return BoardKey::Up;
        case Qt::Key_Space: return BoardKey::Space;
        default: return BoardKey::Other;
    }
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

MainWindow::MainWindow(std::filesystem::path programFolder, QWidget* parent)
    : QMainWindow(parent),
      folder_(std::move(programFolder)),
      library_(folder_),
      records_(library_),
      game_(*this, records_, clock_),
      painter_(artwork::kBoardSize) {
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
    sound_ = new SoundPlayer(folder_, this);
    splash_ = new TInitScreen(this);
    about_ = new TExitForm(this);
    gameOver_ = new GameOver(this);
    SetHelpContext(gameOver_, 116);
    gameOver_->onHelp = [](const QString& keyword) { OpenHelpTopic(keyword); };
    players_ = std::make_unique<PlayersWindows>(library_, game_, cardSet_, folder_, *this,
                                                [](const char* topic) { OpenHelpTopic(topic); }, this);
    showPlayerStatistics = [this](int position) { players_->ShowPlayerStatistics(position); };
    gameOver_->onStats = [this](int position) { showPlayerStatistics(position); };
    cardWindows_ = std::make_unique<CardSetWindows>(this, cardSet_, folder_, settings_.LastSet);
    painter_.SetHighlightColour(palette().color(QPalette::Highlight));
    // Placed before start-up runs, so that a box it raises comes up where the window will be.
    CentreOnScreen();
    // An error on the way stops the remaining start-up steps, not the program.
    RunGuarded(this, [this] { FormCreate(); });
}

void MainWindow::BuildLayout() {
    auto* client = new QWidget;
    client->setFixedSize(kClientWidth, kBoardAreaHeight);
    setCentralWidget(client);

    auto* bevel = new QFrame(client);
    bevel->setObjectName("Bevel1");
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(0, 0, 542, 376);
    paintBox_ = new BoardView(painter_.Buffer(), client);
    paintBox_->setGeometry(1, 1, artwork::kBoardSize.width(), artwork::kBoardSize.height());
    BuildSidePanel(client);

    statusBar()->setObjectName("sb");
    statusBar()->setFixedHeight(kStatusHeight);
    statusBar()->setSizeGripEnabled(false);
    status_ = new QLabel(kStartStatus);
    status_->setObjectName("sbText");
    statusBar()->addWidget(status_, 1);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setInterval(75);
}

void MainWindow::BuildSidePanel(QWidget* client) {
    auto* panel = new QFrame(client);
    panel->setObjectName("Panel2");
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(kClientWidth - kPanelWidth, 0, kPanelWidth, kBoardAreaHeight);

    listView_ = new QTreeWidget(panel);
    listView_->setObjectName("ListView1");
    listView_->setGeometry(1, 1, kPanelWidth - 2, 168);
    listView_->setColumnCount(2);
    listView_->setHeaderLabels({"Player", "Sc."});
    listView_->setHeaderHidden(true);
    listView_->header()->setStretchLastSection(false);
    listView_->setColumnWidth(0, 53);
    listView_->setColumnWidth(1, 29);
    listView_->setRootIsDecorated(false);
    listView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    listView_->setToolTip("List of currently playing players.");
    listView_->setStyleSheet("QTreeWidget { background: black; color: lime; }");
    QFont listFont("MS Sans Serif");
    listFont.setPixelSize(12);
    listView_->setFont(listFont);
    listView_->installEventFilter(this);
    connect(listView_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        RunGuarded(this, [this, item] { ListView1DblClick(item); });
    });

    logo_ = new QLabel(panel);
    logo_->setObjectName("Image2");
    logo_->setGeometry(19, 310, 60, 50);
    logo_->setPixmap(QPixmap::fromImage(artwork::Logo(QSize(60, 50))));
    logo_->setCursor(Qt::PointingHandCursor);
    logo_->installEventFilter(this);
    image1_ = new QLabel(panel);
    image1_->setObjectName("Image1");
    image1_->setPixmap(QPixmap::fromImage(artwork::DefaultBackground()));
    image1_->hide();
}

void MainWindow::ConnectMenu() {
    for (std::size_t i = 0; i < menu_.delays.size(); ++i)
        OnTriggered(menu_.delays[i], this, [this, i] {
            settings_.FlipDelay = kFlipDelays[i];
            game_.SetFlipDelay(settings_.FlipDelay);
        });
    OnTriggered(menu_.Sound1, this, [this] { settings_.SoundOn = menu_.Sound1->isChecked(); });
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
    OnTriggered(menu_.Contents1, this, [] { OpenHelpTopic("help_system"); });
    OnTriggered(menu_.SearchHelp1, this, [] { OpenHelpSearch(); });
    OnTriggered(menu_.QuickIntro1, this, [] { OpenHelpTopic("quick1"); });
    OnTriggered(menu_.HowtoContactHalvik1, this, [] { OpenHelpTopic("contactus"); });
    OnTriggered(menu_.HalvikWebSite1, this, [] { OpenAddress(kMakerWebSite); });
    OnTriggered(menu_.EmailHalvikSales1, this, [] { OpenAddress(kSalesMail); });
    OnTriggered(menu_.EmailHalvikSupport1, this, [] { OpenAddress(kSupportMail); });
    OnTriggered(menu_.About1, this, [this] { About1Click(); });
}

void MainWindow::ConnectBoardInput() {
    paintBox_->onMouseDown = [this](QPoint p) { RunGuarded(this, [&] { game_.MouseDown(p.x(), p.y()); }); };
    paintBox_->onMouseMove = [this](QPoint p) { RunGuarded(this, [&] { game_.MouseMove(p.x(), p.y()); }); };
    paintBox_->onMouseUp = [this](QPoint p) { RunGuarded(this, [&] { game_.MouseUp(p.x(), p.y()); }); };
    connect(timer1_, &QTimer::timeout, this, [this] { RunGuarded(this, [this] { game_.Timer1Timer(); }); });
}

void MainWindow::FormCreate() {
    ReadSettings();
    players_->LoadLibraryAtStartUp(this);
    cardSet_.BackgroundTile = ToPicture(image1_->pixmap().toImage());
    painter_.SetBackgroundTile(ToImage(cardSet_.BackgroundTile));
    cardSet_.LoadedSetFile.clear();
    DrawBoard();
    RegisterFileType();
}

void MainWindow::ReadSettings() {
    settings_ = Settings::Read(folder_);
    for (std::size_t i = 0; i < kFlipDelays.size(); ++i)
        menu_.delays[i]->setChecked(kFlipDelays[i] == settings_.FlipDelay);
    menu_.Sound1->setChecked(settings_.SoundOn);
    game_.SetFlipDelay(settings_.FlipDelay);
    CheckCardSets(folder_);
}

void MainWindow::RegisterFileType() {
    const std::filesystem::path dataFolder = UserDataFolder();
    if (!RegisterCardSetFileType(dataFolder, PngBytes(artwork::CardSetIcon(48)).toStdString())) return;
    // The desktop sees the new entry once its database is rebuilt; where the tool is missing the
    // entry waits for the next rebuild.
    const QString updater = QStandardPaths::findExecutable("update-mime-database");
    if (updater.isEmpty()) return;
    auto* update = new QProcess(this);
    connect(update, &QProcess::finished, update, &QObject::deleteLater);
    update->start(updater, {QString::fromStdString((dataFolder / "mime").string())});
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_) return;
    shown_ = true;
    CentreOnScreen();
    // After the window is on the screen, as the splash is shown over it.
    QTimer::singleShot(0, this, [this] { RunGuarded(this, [this] { FormShow(); }); });
}

void MainWindow::CentreOnScreen() {
    adjustSize();
    if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
}

void MainWindow::FormShow() {
    if (const QScreen* screen = this->screen(); screen != nullptr && screen->depth() <= 8)
        ShowPlainMessage(this, kLowColourWarning);
    SetTopMenusEnabled(false);
    RunModal(*splash_);
    SetTopMenusEnabled(true);
}

void MainWindow::SetTopMenusEnabled(bool enabled) {
    for (QMenu* menu : {menu_.game, menu_.edit, menu_.options, menu_.help}) menu->menuAction()->setEnabled(enabled);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The settings are written before the question, so they are kept even when the user stays.
    // A settings file that cannot be written is reported and costs the settings only: the program
    // must still close, or the user has no way out but to kill it.
    RunGuarded(this, [this] { settings_.Write(folder_); });
    if (AskOkCancel(this, "Are you sure you want to exit Velmora?"))
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
    if (watched == listView_ && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease))
        return BoardKeyEvent(static_cast<QKeyEvent*>(event));
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::CurrentVelmoraSetInfo1Click() {
    if (cardSet_.LoadedSetFile.empty()) ShowError(this, "No Velmora set selected.");
    else cardWindows_->ShowCurrentInfo();
}

void MainWindow::CardSetCheck1Click() {
    CheckCardSets(folder_);
    ShowInformation(this, "Card set check completed!");
}

void MainWindow::About1Click() { RunModal(*about_); }

QString MainWindow::StatusText() const { return status_->text(); }

CardSize MainWindow::LoadGameCardSet(const std::string& file) {
    cardSet_.LoadCardSet(folder_, file, true, false, &cardWindows_->Progress());
    ShowLoadedPictures();
    return {cardSet_.CardWidth, cardSet_.CardHeight};
}

void MainWindow::ShowLoadedPictures() {
    std::vector<QImage> images;
    images.reserve(cardSet_.CardPictures.size());
    for (const Picture& picture : cardSet_.CardPictures) images.push_back(ToImage(picture));
    painter_.SetCardImages(std::move(images));
    painter_.SetBackgroundTile(ToImage(cardSet_.BackgroundTile));
}

QRect MainWindow::CellRect(int col, int row) const {
    const CardSize card = game_.CardSizeOfSet();
    return {game_.BoardLeft() + (col - 1) * card.Width, game_.BoardTop() + (row - 1) * card.Height, card.Width,
            card.Height};
}

void MainWindow::DrawBoard() {
    painter_.DrawBackground();
    const Board& board = game_.GetBoard();
    for (int col = 1; col <= board.Cols(); ++col)
        for (int row = 1; row <= board.Rows(); ++row)
            if (const auto image = game_.CellImage(col, row))
                painter_.DrawCard(CellRect(col, row), *image, game_.CellHighlighted(col, row));
    ShowBoard();
}

void MainWindow::DrawCell(int col, int row, bool highlighted) {
    if (const auto image = game_.CellImage(col, row)) painter_.DrawCard(CellRect(col, row), *image, highlighted);
}

void MainWindow::InvertCell(int col, int row) { painter_.Invert(CellRect(col, row)); }

void MainWindow::ShowBoard() { paintBox_->update(); }

void MainWindow::RefreshPlayerList() {
    listView_->clear();
    for (const PlayerListRow& row : game_.PlayerListRows())
        listView_->addTopLevelItem(new ScoreItem(QStringList{FromAnsi(row.Name), QString::number(row.Pairs)}));
    listView_->sortItems(1, Qt::AscendingOrder);
}

void MainWindow::PlaySoundFile(const std::string& name) {
    sound_->Play(QString::fromStdString(name), menu_.Sound1->isChecked());
}

void MainWindow::SetStatusText(const std::string& text) { status_->setText(FromAnsi(text)); }

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

bool MainWindow::Confirm(const std::string& question) { return AskYesNo(this, FromAnsi(question)); }

void MainWindow::ShowGameOver(const std::string& winnerSentence, int libraryPosition) {
    gameOver_->SetWinner(FromAnsi(winnerSentence), libraryPosition);
    RunModal(*gameOver_);
}

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
    if (!SameFileName(cardSet_.LoadedSetFile, setFile)) cardSet_.LoadCardSet(folder_, setFile, false, true);
    cardWindows_->ViewCardSet();
}

void MainWindow::OpenWebAddress(const std::string& address) { OpenAddress(FromAnsi(address)); }

}  // namespace velmora
