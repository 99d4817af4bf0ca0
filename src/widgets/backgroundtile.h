#pragma once
// The light grid behind the preview and the frameless dialogs.

#include <QPixmap>

namespace menuloom::widgets {

// A 50 x 50 tile of white with a faint line every 5 pixels.
QPixmap backgroundTile();

} // namespace menuloom::widgets
