#pragma once
// The configurator's own pictures, drawn rather than shipped: the application icon and the
// 254 x 254 splash picture.

#include <QIcon>
#include <QPixmap>

namespace korvex::app {

inline constexpr int kSplashSize = 254;

// The icon drawn at `size` x `size` pixels.
QPixmap iconPicture(int size);
// The icon at the sizes desktops ask for.
QIcon applicationIcon();
QPixmap splashPicture();

}  // namespace korvex::app
