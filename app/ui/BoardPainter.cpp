#include "app/ui/BoardPainter.h"

#include <QPainter>
#include <algorithm>

namespace velmora {

BoardPainter::BoardPainter(QSize bufferSize)
    : buffer_(bufferSize, QImage::Format_RGB32), highlight_(0, 120, 215) {
    buffer_.fill(Qt::black);
}

void BoardPainter::DrawBackground() {
    if (tile_.isNull()) return;
    QPainter painter(&buffer_);
    const int w = tile_.width();
    const int h = tile_.height();
    for (int i = 0; i <= buffer_.width() / w; ++i)
        for (int j = 0; j <= buffer_.height() / h; ++j) painter.drawImage(i * w, j * h, tile_);
}

void BoardPainter::DrawCard(const QRect& cell, int image, bool highlighted) {
    if (image < 0 || image >= CardImageCount()) return;
    QPainter painter(&buffer_);
    painter.drawImage(cell, images_[static_cast<std::size_t>(image)]);
    if (highlighted) {
        // Half the picture, half the highlight colour: the selected look of an image list.
        QColor veil = highlight_;
        veil.setAlpha(128);
        painter.fillRect(cell, veil);
    }
}

void BoardPainter::Invert(const QRect& cell) {
    const QRect inside = cell.adjusted(1, 1, -1, -1).intersected(buffer_.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(buffer_.scanLine(y));
        for (int x = inside.left(); x <= inside.right(); ++x) line[x] ^= 0x00FFFFFFu;
    }
}

}  // namespace velmora
