#pragma once
// Composes the board in the off-screen BoardBuffer: background tiles, card pictures with or
// without the cursor highlight, and the inversion that marks a pressed or blinking card.

#include <QColor>
#include <QImage>
#include <vector>

namespace velmora {

class BoardPainter {
public:
    explicit BoardPainter(QSize bufferSize);

    const QImage& Buffer() const { return buffer_; }

    // The picture tiled under the cards; a null image leaves the buffer as it is.
    void SetBackgroundTile(const QImage& tile) { tile_ = tile; }
    const QImage& BackgroundTile() const { return tile_; }
    // The loaded set's pictures: image 0 the card back, image i the i-th face.
    void SetCardImages(std::vector<QImage> images) { images_ = std::move(images); }
    int CardImageCount() const { return static_cast<int>(images_.size()); }
    void SetHighlightColour(QColor colour) { highlight_ = colour; }

    void DrawBackground();
    // A picture index the set does not have draws nothing, so a damaged deal cannot crash drawing.
    void DrawCard(const QRect& cell, int image, bool highlighted);
    // XOR white inside the cell; the one-pixel outline stays. Twice restores the cell.
    void Invert(const QRect& cell);

private:
    QImage buffer_;
    QImage tile_;
    std::vector<QImage> images_;
    QColor highlight_;
};

}  // namespace velmora
