// The main window's controls; their places at each zoom are ZoomedClient's and ZoomControl's.
#include <QCoreApplication>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>

#include "app/ui/BoardDescription.h"
#include "app/ui/BoardView.h"
#include "widgets/CommandGuard.h"
#include "app/ui/ZoomControl.h"
#include "app/ui/MainWindow.h"
#include "widgets/Translation.h"
#include "app/ui/ZoomedClient.h"

namespace velmora {
namespace {

constexpr int kStatusHeight = 22;

constexpr Tr kStartStatus = VELMORA_TR("MainWindow", "Select Game -> New Game or press F2 to start a new game.");

}  // namespace

void MainWindow::BuildLayout() {
    client_ = new ZoomedClient(painter_.Buffer());
    setCentralWidget(client_);
    paintBox_ = client_->PaintBox();
    listView_ = client_->ListView();
    logo_ = client_->Logo();
    image1_ = client_->image1();
    listView_->installEventFilter(this);
    connect(listView_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        RunGuarded(this, [this, item] { ListView1DblClick(item); });
    });
    logo_->installEventFilter(this);

    statusBar()->setObjectName("sb");
    statusBar()->setFixedHeight(kStatusHeight);
    statusBar()->setSizeGripEnabled(false);
    status_ = WithText(new QLabel, kStartStatus);
    status_->setObjectName("sbText");
    statusBar()->addWidget(status_, 1);

    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setInterval(75);
    DescribeControls();
}

void MainWindow::DescribeControls() {
    paintBox_->describe = [this] {
        return DescribeBoard(game_, cardSet_, [this](int col, int row) {
            const QRect cell = CellRect(col, row);
            const ZoomRect shown = zoom_->Shown().Map(ZoomRect{cell.x(), cell.y(), cell.width(), cell.height()});
            return QRect(shown.X, shown.Y, shown.Width, shown.Height);
        });
    };
    paintBox_->onPressCell = [this](int cell) {
        const int cols = game_.GameBoard().Cols();
        const QPoint centre = CellRect(cell % cols + 1, cell / cols + 1).center();
        RunGuarded(this, [&] {
            game_.MouseDown(centre.x(), centre.y());
            game_.MouseUp(centre.x(), centre.y());
        });
    };
    listView_->setAccessibleName(QCoreApplication::translate("MainWindow", "Players"));
    listView_->setAccessibleDescription(QCoreApplication::translate("MainWindow", "The players of the game and the pairs each has found"));
    status_->setAccessibleDescription(QCoreApplication::translate("MainWindow", "Status line"));
    logo_->setAccessibleName(QCoreApplication::translate("MainWindow", "About Velmora"));
    setTabOrder(paintBox_, listView_);
}

}  // namespace velmora
