// The main window's controls; their places at each zoom are ZoomedClient's and ZoomControl's.
#include <QLabel>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>

#include "widgets/CommandGuard.h"
#include "app/ui/MainWindow.h"
#include "app/ui/ZoomedClient.h"

namespace velmora {
namespace {

constexpr int kStatusHeight = 22;

const char* const kStartStatus = "Select Game -> New Game or press F2 to start a new game.";

}  // namespace

void MainWindow::BuildLayout() {
    client_ = new ZoomedClient(painter_.Buffer());
    setCentralWidget(client_);
    paintBox_ = client_->paintBox();
    listView_ = client_->listView();
    logo_ = client_->logo();
    image1_ = client_->image1();
    listView_->installEventFilter(this);
    connect(listView_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        RunGuarded(this, [this, item] { ListView1DblClick(item); });
    });
    logo_->installEventFilter(this);

    statusBar()->setObjectName("sb");
    statusBar()->setFixedHeight(kStatusHeight);
    statusBar()->setSizeGripEnabled(false);
    status_ = new QLabel(kStartStatus);
    status_->setObjectName("sbText");
    statusBar()->addWidget(status_, 1);

    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setInterval(75);
}

}  // namespace velmora
