#pragma once
// The program's own pictures, painted when asked for: the default board background, the logo,
// the splash picture and the icons. Painting them keeps them sharp at every size they are shown
// in and keeps binary files out of the sources.

#include <QImage>
#include <QSize>

namespace velmora::artwork {

inline constexpr QSize kBoardSize{540, 374};
inline constexpr QSize kSplashSize{635, 448};

QImage DefaultBackground();           // 540 x 374
QImage Logo(QSize size);              // two cards on a transparent ground
QImage SplashPicture();               // 635 x 448
QImage CardSetIcon(int side);         // icon of a card-set file

}  // namespace velmora::artwork
