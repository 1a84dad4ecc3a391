#pragma once
// The palette a set gets when its card back is a picture without a colour table (a true-colour
// bitmap or a JPEG image): a 6 x 6 x 6 colour cube followed by a ramp of 40 greys, which shows every
// picture fairly on a display of 256 colours instead of leaving it to whatever the entries held.

#include "cardsets/Picture.h"

namespace velmora {

const ColourTable& StandardPalette();

}  // namespace velmora
