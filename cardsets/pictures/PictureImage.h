#pragma once
// Conversion at the edge between the core's Picture (0x00RRGGBB pixels) and QImage.

#include <QImage>

#include "cardsets/Picture.h"

namespace velmora {

QImage ToImage(const Picture& picture);
Picture ToPicture(const QImage& image);

}  // namespace velmora
