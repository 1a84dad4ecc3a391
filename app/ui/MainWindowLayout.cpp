// The main window's controls and their places on the screen.
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>

#include "widgets/Artwork.h"
#include "app/ui/BoardView.h"
#include "widgets/CommandGuard.h"
#include "app/ui/MainWindow.h"

namespace velmora {
namespace {

constexpr int kClientWidth = 651;
constexpr int kPanelWidth = 108;
constexpr int kBoardAreaHeight = 376;
constexpr int kStatusHeight = 22;

const char* const kStartStatus = "Select Game -> New Game or press F2 to start a new game.";

}  // namespace

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

void MainWindow::CentreOnScreen() {
    adjustSize();
    if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
}

}  // namespace velmora
