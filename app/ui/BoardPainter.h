#pragma once
// Composes the board in the off-screen BoardBuffer: background tiles, card pictures with or
// without the cursor highlight, and the inversion that marks a pressed or blinking card.
// Callers give every rectangle in the pixels of the 100 % board; the buffer itself holds the
// board at its shown size in device pixels (zoom times device pixel ratio), so nothing is
// scaled twice on its way to the screen.

#include <QColor>
#include <QImage>
#include <map>
#include <utility>
#include <vector>

#include "app/Zoom.h"

namespace velmora {

class BoardPainter {
public:
    explicit BoardPainter(QSize bufferSize);

    const QImage& Buffer() const { return buffer_; }

    // deviceScale maps 100 % board pixels to buffer pixels (the zoom times the screen's device
    // pixel ratio). The buffer is made anew (black) when its size changes.
    void SetScale(const Scale& deviceScale);
    const Scale& DeviceScale() const { return scale_; }
    // The buffer rectangle a 100 % board rectangle covers.
    QRect Map(const QRect& rect) const;

    // The picture tiled under the cards; a null image leaves the buffer as it is.
    void SetBackgroundTile(const QImage& tile);
    const QImage& BackgroundTile() const { return tile_; }
    // The loaded set's pictures: image 0 the card back, image i the i-th face.
    void SetCardImages(std::vector<QImage> images);
    int CardImageCount() const { return static_cast<int>(images_.size()); }
    void SetHighlightColour(QColor colour) { highlight_ = colour; }

    void DrawBackground();
    // A picture index the set does not have draws nothing, so a damaged deal cannot crash drawing.
    void DrawCard(const QRect& cell, int image, bool highlighted);
    // XOR white inside the cell; the outline (one 100 % pixel) stays. Twice restores the cell.
    void Invert(const QRect& cell);

private:
    const QImage& ScaledBackground();
    const QImage& ScaledCard(int image, QSize size);

    QSize logicalSize_;
    Scale scale_;
    QImage buffer_;
    QImage tile_;
    std::vector<QImage> images_;
    QColor highlight_;
    // Pictures scaled from their source pixels once per shown size; cleared with the scale or the set.
    QImage scaledBackground_;
    std::map<std::pair<int, int>, std::vector<QImage>> scaledCards_;
};

}  // namespace velmora
