#include "app/ui/MainWindow.h"

#include <QActionGroup>
#include <QBuffer>
#include <QCloseEvent>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>

#include "app/CardSetFileType.h"
#include "app/ui/Artwork.h"
#include "app/ui/BoardView.h"
#include "app/ui/CommandGuard.h"
#include "app/ui/ExitUnit.h"
#include "app/ui/HelpWindow.h"
#include "app/ui/InitUnit.h"
#include "app/ui/Links.h"
#include "app/ui/Messages.h"
#include "app/ui/Modal.h"
#include "app/ui/Sound.h"

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

}  // namespace

MainWindow::MainWindow(std::filesystem::path programFolder, QWidget* parent)
    : QMainWindow(parent), folder_(std::move(programFolder)) {
    setObjectName("TForm1");
    setWindowTitle("Velmora");
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QPixmap::fromImage(artwork::Logo(QSize(64, 64)))));
    menu_ = BuildMainMenu(*menuBar());
    BuildLayout();
    ConnectMenu();
    sound_ = new SoundPlayer(folder_, this);
    splash_ = new TInitScreen(this);
    about_ = new TExitForm(this);
    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setInterval(75);
    // An error on the way stops the remaining start-up steps, not the program.
    RunGuarded(this, [this] { FormCreate(); });
}

void MainWindow::BuildLayout() {
    auto* client = new QWidget;
    client->setFixedSize(kClientWidth, kBoardAreaHeight);
    setCentralWidget(client);

    bevel_ = new QFrame(client);
    bevel_->setObjectName("Bevel1");
    bevel_->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel_->setGeometry(0, 0, 542, 376);
    paintBox_ = new BoardView(boardBuffer_, client);
    paintBox_->setGeometry(1, 1, artwork::kBoardSize.width(), artwork::kBoardSize.height());

    panel_ = new QFrame(client);
    panel_->setObjectName("Panel2");
    panel_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel_->setGeometry(kClientWidth - kPanelWidth, 0, kPanelWidth, kBoardAreaHeight);

    listView_ = new QTreeWidget(panel_);
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

    logo_ = new QLabel(panel_);
    logo_->setObjectName("Image2");
    logo_->setGeometry(19, 310, 60, 50);
    logo_->setPixmap(QPixmap::fromImage(artwork::Logo(QSize(60, 50))));
    logo_->setCursor(Qt::PointingHandCursor);
    logo_->installEventFilter(this);
    image1_ = new QLabel(panel_);
    image1_->setObjectName("Image1");
    image1_->setPixmap(QPixmap::fromImage(artwork::DefaultBackground()));
    image1_->hide();

    statusBar()->setObjectName("sb");
    statusBar()->setFixedHeight(kStatusHeight);
    statusBar()->setSizeGripEnabled(false);
    status_ = new QLabel(kStartStatus);
    status_->setObjectName("sbText");
    statusBar()->addWidget(status_, 1);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::ConnectMenu() {
    for (std::size_t i = 0; i < menu_.delays.size(); ++i)
        OnTriggered(menu_.delays[i], this, [this, i] { settings_.FlipDelay = kFlipDelays[i]; });
    OnTriggered(menu_.Sound1, this, [this] { settings_.SoundOn = menu_.Sound1->isChecked(); });
    OnTriggered(menu_.Exit1, this, [this] { close(); });
    OnTriggered(menu_.CurrentVelmoraSetInfo1, this, [this] { CurrentVelmoraSetInfo1Click(); });
    OnTriggered(menu_.Contents1, this, [] { OpenHelpTopic("help_system"); });
    OnTriggered(menu_.SearchHelp1, this, [] { OpenHelpSearch(); });
    OnTriggered(menu_.QuickIntro1, this, [] { OpenHelpTopic("quick1"); });
    OnTriggered(menu_.HowtoContactHalvik1, this, [] { OpenHelpTopic("contactus"); });
    OnTriggered(menu_.HalvikWebSite1, this, [] { OpenAddress(kMakerWebSite); });
    OnTriggered(menu_.EmailHalvikSales1, this, [] { OpenAddress(kSalesMail); });
    OnTriggered(menu_.EmailHalvikSupport1, this, [] { OpenAddress(kSupportMail); });
    OnTriggered(menu_.About1, this, [this] { About1Click(); });
}

void MainWindow::FormCreate() {
    ReadSettings();
    backgroundTile_ = image1_->pixmap().toImage();
    boardBuffer_ = QImage(paintBox_->size(), QImage::Format_RGB32);
    loadedSetFile_.clear();
    DrawBoard();
    RegisterFileType();
}

void MainWindow::ReadSettings() {
    settings_ = Settings::Read(folder_);
    for (std::size_t i = 0; i < kFlipDelays.size(); ++i)
        menu_.delays[i]->setChecked(kFlipDelays[i] == settings_.FlipDelay);
    menu_.Sound1->setChecked(settings_.SoundOn);
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
    if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
    // After the window is on the screen, as the splash is shown over it.
    QTimer::singleShot(0, this, [this] { RunGuarded(this, [this] { FormShow(); }); });
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
    const bool written = RunGuarded(this, [this] { settings_.Write(folder_); });
    if (written && AskOkCancel(this, "Are you sure you want to exit Velmora?"))
        event->accept();
    else
        event->ignore();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == logo_ && event->type() == QEvent::MouseButtonRelease) {
        RunGuarded(this, [this] { About1Click(); });
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::CurrentVelmoraSetInfo1Click() {
    if (loadedSetFile_.empty()) ShowError(this, "No Velmora set selected.");
}

void MainWindow::About1Click() { RunModal(*about_); }

QString MainWindow::StatusText() const { return status_->text(); }

void MainWindow::SetStatusText(const QString& text) { status_->setText(text); }

void MainWindow::PlaySoundFile(const QString& name) { sound_->Play(name, menu_.Sound1->isChecked()); }

void MainWindow::TileBackground() {
    if (backgroundTile_.isNull()) return;
    QPainter painter(&boardBuffer_);
    const int w = backgroundTile_.width();
    const int h = backgroundTile_.height();
    for (int i = 0; i <= boardBuffer_.width() / w; ++i)
        for (int j = 0; j <= boardBuffer_.height() / h; ++j) painter.drawImage(i * w, j * h, backgroundTile_);
}

void MainWindow::DrawBoard() {
    TileBackground();
    ShowBoard();
}

void MainWindow::ShowBoard() { paintBox_->update(); }

}  // namespace velmora
