#include "app/ui/ZoomedClient.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QResizeEvent>
#include <QTreeWidget>
#include <cmath>

#include "widgets/Artwork.h"
#include "app/ui/BoardView.h"

namespace velmora {
namespace {

constexpr int kPanelWidth = 108;
constexpr int kBoardAreaHeight = 376;
constexpr int kListFontPixels = 12;

void Place(QWidget* widget, const Scale& zoom, ZoomRect at) {
    const ZoomRect r = zoom.Map(at);
    widget->setGeometry(r.X, r.Y, r.Width, r.Height);
}

}  // namespace

ZoomedClient::ZoomedClient(const QImage& boardBuffer, QWidget* parent) : QWidget(parent) {
    block_ = new QWidget(this);
    bevel_ = new QFrame(block_);
    bevel_->setObjectName("Bevel1");
    bevel_->setFrameStyle(QFrame::Box | QFrame::Sunken);
    paintBox_ = new BoardView(boardBuffer, block_);
    BuildSidePanel();
    Apply(Scale{}, 1);
}

void ZoomedClient::BuildSidePanel() {
    panel_ = new QFrame(block_);
    panel_->setObjectName("Panel2");
    panel_->setFrameStyle(QFrame::Panel | QFrame::Raised);

    listView_ = new QTreeWidget(panel_);
    listView_->setObjectName("ListView1");
    listView_->setColumnCount(2);
    listView_->setHeaderLabels({"Player", "Sc."});
    listView_->setHeaderHidden(true);
    listView_->header()->setStretchLastSection(false);
    listView_->setRootIsDecorated(false);
    listView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    listView_->setToolTip("List of currently playing players.");
    listView_->setStyleSheet("QTreeWidget { background: black; color: lime; }");

    logo_ = new QLabel(panel_);
    logo_->setObjectName("Image2");
    logo_->setCursor(Qt::PointingHandCursor);
    image1_ = new QLabel(panel_);
    image1_->setObjectName("Image1");
    image1_->setPixmap(QPixmap::fromImage(artwork::DefaultBackground()));
    image1_->hide();
}

void ZoomedClient::Apply(const Scale& zoom, qreal ratio) {
    const int boardWidth = artwork::kBoardSize.width();
    const int boardHeight = artwork::kBoardSize.height();
    const int clientWidth = kClientExtent.Width;
    block_->resize(zoom.Map(clientWidth), zoom.Map(kBoardAreaHeight));
    Place(bevel_, zoom, {0, 0, boardWidth + 2, boardHeight + 2});
    // The board's own pixels start at its top left, so its size is the zoomed board, exactly.
    paintBox_->setGeometry(zoom.Map(1), zoom.Map(1), zoom.Map(boardWidth), zoom.Map(boardHeight));
    Place(panel_, zoom, {clientWidth - kPanelWidth, 0, kPanelWidth, kBoardAreaHeight});
    Place(listView_, zoom, {1, 1, kPanelWidth - 2, 168});
    QFont listFont("MS Sans Serif");
    listFont.setPixelSize(static_cast<int>(std::lround(kListFontPixels * zoom.Factor())));
    listView_->setFont(listFont);
    listView_->setColumnWidth(0, zoom.Map(53));
    listView_->setColumnWidth(1, zoom.Map(29));

    Place(logo_, zoom, {19, 310, 60, 50});
    QImage logo = artwork::Logo(logo_->size() * ratio);
    logo.setDevicePixelRatio(ratio);
    logo_->setPixmap(QPixmap::fromImage(logo));

    preferred_ = block_->size();
    updateGeometry();
    Centre();
}

QSize ZoomedClient::minimumSizeHint() const { return {kClientExtent.Width, kBoardAreaHeight}; }

QRect ZoomedClient::BlockGeometry() const { return block_->geometry(); }

void ZoomedClient::Centre() {
    block_->move(std::max(0, (width() - block_->width()) / 2), std::max(0, (height() - block_->height()) / 2));
}

void ZoomedClient::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Centre();
    if (onResized) onResized();
}

}  // namespace velmora
