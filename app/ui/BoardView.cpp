#include "app/ui/BoardView.h"

#include <QMouseEvent>
#include <QPainter>

namespace velmora {
namespace {

void Call(const BoardView::MouseHandler& handler, const QMouseEvent* event) {
    if (handler) handler(event->position().toPoint());
}

}  // namespace

BoardView::BoardView(const QImage& buffer, QWidget* parent) : QWidget(parent), buffer_(buffer) {
    setObjectName("PaintBox1");
    setMouseTracking(true);  // moves without a button light the card under the pointer
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, buffer_);
}

void BoardView::mousePressEvent(QMouseEvent* event) { Call(onMouseDown, event); }
void BoardView::mouseMoveEvent(QMouseEvent* event) { Call(onMouseMove, event); }
void BoardView::mouseReleaseEvent(QMouseEvent* event) { Call(onMouseUp, event); }

}  // namespace velmora
