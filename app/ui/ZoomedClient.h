#pragma once
// The main window's central widget: the board area (Bevel1, PaintBox1) and the side panel (Panel2
// with ListView1, Image2, Image1), laid out at the shown zoom as one block at the top left of the
// 100 % view and centred in whatever room is left over.

#include <QImage>
#include <QWidget>
#include <functional>

#include "app/Zoom.h"

class QFrame;
class QLabel;
class QTreeWidget;

namespace velmora {

class BoardView;

class ZoomedClient : public QWidget {
public:
    explicit ZoomedClient(const QImage& boardBuffer, QWidget* parent = nullptr);

    BoardView* PaintBox() const { return paintBox_; }
    QTreeWidget* ListView() const { return listView_; }
    QLabel* Logo() const { return logo_; }
    QLabel* image1() const { return image1_; }

    // Places every part at zoom; ratio is the screen's device pixel ratio, for the logo's pixels.
    void Apply(const Scale& zoom, qreal ratio);
    // The block's place inside this widget.
    QRect BlockGeometry() const;
    // The zoomed block: what the window asks for at a fixed zoom.
    QSize sizeHint() const override { return preferred_; }
    QSize minimumSizeHint() const override;

    std::function<void()> onResized;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildSidePanel();
    void Centre();

    QWidget* block_ = nullptr;
    QFrame* bevel_ = nullptr;
    QFrame* panel_ = nullptr;
    BoardView* paintBox_ = nullptr;
    QTreeWidget* listView_ = nullptr;
    QLabel* logo_ = nullptr;
    QLabel* image1_ = nullptr;
    QSize preferred_;
};

}  // namespace velmora
