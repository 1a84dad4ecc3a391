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

class QPainter;

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
    // The high-contrast look: the highlight and the pressed mark are outlines in the highlight
    // colour (thick, and twice as thick) instead of a veil and an inversion.
    void SetHighContrast(bool on) { highContrast_ = on; }
    bool HighContrast() const { return highContrast_; }

    void DrawBackground();
    // A picture index the set does not have draws nothing, so a damaged deal cannot crash drawing.
    // pressed draws the high-contrast pressed mark; the normal look marks a pressed card with Invert.
    void DrawCard(const QRect& cell, int image, bool highlighted, bool pressed = false);
    // XOR white inside the cell; the outline (one 100 % pixel) stays. Twice restores the cell.
    void Invert(const QRect& cell);

private:
    const QImage& ScaledBackground();
    const QImage& ScaledCard(int image, QSize size);
    void Outline(QPainter& painter, const QRect& target, int width100);

    QSize logicalSize_;
    Scale scale_;
    QImage buffer_;
    QImage tile_;
    std::vector<QImage> images_;
    QColor highlight_;
    bool highContrast_ = false;
    // Pictures scaled from their source pixels once per shown size; cleared with the scale or the set.
    QImage scaledBackground_;
    std::map<std::pair<int, int>, std::vector<QImage>> scaledCards_;
};

}  // namespace velmora
