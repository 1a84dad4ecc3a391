#pragma once
// The board area (PaintBox1): shows the board buffer and hands mouse events on to the window.

#include <QImage>
#include <QWidget>
#include <functional>

namespace velmora {

class BoardView : public QWidget {
public:
    using MouseHandler = std::function<void(QPoint)>;

    BoardView(const QImage& buffer, QWidget* parent);

    MouseHandler onMouseDown;
    MouseHandler onMouseMove;
    MouseHandler onMouseUp;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const QImage& buffer_;
};

}  // namespace velmora
