#include "app/ui/BoardView.h"

#include <QMouseEvent>
#include <QPainter>

namespace velmora {
namespace {

void Call(const BoardView::MouseHandler& handler, const QMouseEvent* event) {
    if (handler) handler(event->position().toPoint());
}

}  // namespace

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

BoardView::BoardView(const QImage& buffer, QWidget* parent) : QWidget(parent), buffer_(buffer) {
    setObjectName("PaintBox1");
    setMouseTracking(true);  // moves without a button light the card under the pointer
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (ratio_ == 1) {
        painter.drawImage(0, 0, buffer_);
        return;
    }
    // The buffer holds device pixels: at the screen's ratio one buffer pixel is one pixel of the screen.
    const QRectF shown(0, 0, buffer_.width() / ratio_, buffer_.height() / ratio_);
    if (shown.width() < width() || shown.height() < height()) painter.fillRect(rect(), Qt::black);
    painter.drawImage(shown, buffer_, QRectF(buffer_.rect()));
}

void BoardView::mousePressEvent(QMouseEvent* event) { Call(onMouseDown, event); }
void BoardView::mouseMoveEvent(QMouseEvent* event) { Call(onMouseMove, event); }
void BoardView::mouseReleaseEvent(QMouseEvent* event) { Call(onMouseUp, event); }

}  // namespace velmora
