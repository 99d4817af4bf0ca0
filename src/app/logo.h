#pragma once
// The product picture: the Menuloom logo with its name, drawn from the SVG in the resources.

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace menuloom::app {

// The logo mark alone, `size` pixels square, transparent around it.
QImage logoMark(int size);
// The logo mark beside the product name on white: the splash window's picture and the bitmap of
// the blank page. `scale` multiplies its 360 by 112 pixels.
QImage productPicture(qreal scale = 1.0);
// The window icon, in the sizes the desktop asks for.
QIcon appIcon();

} // namespace menuloom::app
