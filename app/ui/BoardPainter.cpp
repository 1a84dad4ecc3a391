#include "app/ui/BoardPainter.h"

#include <QPainter>
#include <QRegion>
#include <algorithm>

namespace velmora {
namespace {

// The high-contrast outline's width in pixels of the 100 % board.
constexpr int kOutlineWidth = 4;

void TileOver(QImage& target, const QImage& tile) {
    QPainter painter(&target);
    const int w = tile.width();
    const int h = tile.height();
    for (int i = 0; i <= target.width() / w; ++i)
        for (int j = 0; j <= target.height() / h; ++j) painter.drawImage(i * w, j * h, tile);
}

}  // namespace

BoardPainter::BoardPainter(QSize bufferSize)
    : logicalSize_(bufferSize), buffer_(bufferSize, QImage::Format_RGB32), highlight_(0, 120, 215) {
    buffer_.fill(Qt::black);
}

void BoardPainter::SetScale(const Scale& deviceScale) {
    const QSize size(deviceScale.Map(logicalSize_.width()), deviceScale.Map(logicalSize_.height()));
    if (!(deviceScale == scale_)) {
        scaledBackground_ = QImage();
        scaledCards_.clear();
    }
    scale_ = deviceScale;
    if (size != buffer_.size()) {
        buffer_ = QImage(size, QImage::Format_RGB32);
        buffer_.fill(Qt::black);
    }
}

QRect BoardPainter::Map(const QRect& rect) const {
    const ZoomRect mapped = scale_.Map(ZoomRect{rect.x(), rect.y(), rect.width(), rect.height()});
    return {mapped.X, mapped.Y, mapped.Width, mapped.Height};
}

void BoardPainter::SetBackgroundTile(const QImage& tile) {
    tile_ = tile;
    scaledBackground_ = QImage();
}

void BoardPainter::SetCardImages(std::vector<QImage> images) {
    images_ = std::move(images);
    scaledCards_.clear();
}

const QImage& BoardPainter::ScaledBackground() {
    if (scaledBackground_.isNull()) {
        // Tiled at 100 % first, then scaled as one picture: tiles whose zoomed size is not a whole
        // number of pixels still meet without seams.
        QImage logical(logicalSize_, QImage::Format_RGB32);
        logical.fill(Qt::black);
        TileOver(logical, tile_);
        scaledBackground_ = logical.scaled(buffer_.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return scaledBackground_;
}

const QImage& BoardPainter::ScaledCard(int image, QSize size) {
    std::vector<QImage>& scaled = scaledCards_[{size.width(), size.height()}];
    scaled.resize(images_.size());
    QImage& card = scaled[static_cast<std::size_t>(image)];
    if (card.isNull())
        card = images_[static_cast<std::size_t>(image)]
                   .convertToFormat(QImage::Format_RGB32)
                   .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return card;
}

void BoardPainter::DrawBackground() {
    if (tile_.isNull()) return;
    if (scale_.IsOne()) {
        TileOver(buffer_, tile_);
        return;
    }
    QPainter painter(&buffer_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, ScaledBackground());
}

void BoardPainter::Outline(QPainter& painter, const QRect& target, int width100) {
    const int width = std::max(1, scale_.Map(width100));
    const QRect inside = target.adjusted(width, width, -width, -width);
    const QRegion ring = QRegion(target).subtracted(QRegion(inside));
    for (const QRect& part : ring) painter.fillRect(part, highlight_);
}

void BoardPainter::DrawCard(const QRect& cell, int image, bool highlighted, bool pressed) {
    if (image < 0 || image >= CardImageCount()) return;
    const QRect target = Map(cell);
    QPainter painter(&buffer_);
    if (scale_.IsOne())
        painter.drawImage(target, images_[static_cast<std::size_t>(image)]);
    else
        painter.drawImage(target.topLeft(), ScaledCard(image, target.size()));
    if (highContrast_) {
        if (highlighted || pressed) Outline(painter, target, pressed ? 2 * kOutlineWidth : kOutlineWidth);
        return;
    }
    if (highlighted) {
        // Half the picture, half the highlight colour: the selected look of an image list.
        QColor veil = highlight_;
        veil.setAlpha(128);
        painter.fillRect(target, veil);
    }
}

void BoardPainter::Invert(const QRect& cell) {
    const QRect inside = Map(cell.adjusted(1, 1, -1, -1)).intersected(QRect(QPoint(0, 0), buffer_.size()));
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(buffer_.scanLine(y));
        for (int x = inside.left(); x <= inside.right(); ++x) line[x] ^= 0x00FFFFFFu;
    }
}

}  // namespace velmora
