#pragma once
// The board area (PaintBox1): shows the board buffer and hands mouse events on to the window, in
// the widget's own pixels (the window maps them to the 100 % board).

#include <QImage>
#include <QWidget>
#include <functional>

#include "engine/BoardInput.h"

namespace velmora {

// The board's meaning of a key: the arrows and Space; every other key is Other.
BoardKey ToBoardKey(int key);

class BoardView : public QWidget {
public:
    using MouseHandler = std::function<void(QPoint)>;

    BoardView(const QImage& buffer, QWidget* parent);

    MouseHandler onMouseDown;
    MouseHandler onMouseMove;
    MouseHandler onMouseUp;

    // The device pixel ratio the buffer was drawn for.
    void SetDeviceRatio(qreal ratio) {
        ratio_ = ratio;
        update();
    }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const QImage& buffer_;
    qreal ratio_ = 1;
};

}  // namespace velmora
