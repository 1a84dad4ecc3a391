#include "cardsets/ui/CardSizeShape.h"

#include <QPainter>

namespace velmora {

void CardSizeShape::SetCardSize(QSize size) {
    size_ = size;
    update();
}

void CardSizeShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawRect(0, 0, size_.width() - 1, size_.height() - 1);
}

}  // namespace velmora
