#include "app/ui/BoardView.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

#include "app/ui/AccessibleEvents.h"

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
    // Takes the keyboard so that the cursor's card is the focus assistive technology follows; the
    // keys themselves go on to the window, which hands them to the game.
    setFocusPolicy(Qt::StrongFocus);
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

void BoardView::ReportChanges() {
    if (!AccessibilityListening()) {
        reported_ = {};
        return;
    }
    AccessibleBoard now = Described();
    if (now == reported_) return;
    if (now.Rows != reported_.Rows || now.Columns != reported_.Columns) {
        QAccessibleTableModelChangeEvent reset(this, QAccessibleTableModelChangeEvent::ModelReset);
        Tell(reset);
    } else {
        for (std::size_t i = 0; i < now.Cells.size(); ++i) {
            if (now.Cells[i].Name == reported_.Cells[i].Name) continue;
            QAccessibleEvent changed(this, QAccessible::NameChanged);
            changed.setChild(static_cast<int>(i));
            Tell(changed);
        }
    }
    const bool moved = now.Cursor != reported_.Cursor;
    reported_ = std::move(now);
    if (moved && hasFocus()) ReportFocus(reported_.Cursor);
}

void BoardView::ReportFocus(int cell) {
    QAccessibleEvent focus(this, QAccessible::Focus);
    if (cell >= 0) focus.setChild(cell);
    Tell(focus);
}

void BoardView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (!AccessibilityListening()) return;
    reported_ = Described();
    ReportFocus(reported_.Cursor);
}

void BoardView::mousePressEvent(QMouseEvent* event) { Call(onMouseDown, event); }
void BoardView::mouseMoveEvent(QMouseEvent* event) { Call(onMouseMove, event); }
void BoardView::mouseReleaseEvent(QMouseEvent* event) { Call(onMouseUp, event); }

}  // namespace velmora
