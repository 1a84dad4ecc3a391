#pragma once
// The pictures of the shipped card sets. Every face differs from every other one in its shape
// or in its pattern, not only in its colour, so that players who see colours differently can
// tell all pairs apart; the colour is a second cue on top.

#include <QColor>
#include <QImage>
#include <QSize>

namespace velmora::cardart {

inline constexpr int kFaceCount = 50;  // enough for the largest board

QImage CardBack(QSize size);
// face is 1..kFaceCount.
QImage CardFace(int face, QSize size);
// A name for the face, such as "Striped Star", for the card set's card names.
const char* ShapeName(int face);
const char* PatternName(int face);

}  // namespace velmora::cardart
