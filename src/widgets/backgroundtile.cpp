#include "widgets/backgroundtile.h"

#include <QImage>

namespace menuloom::widgets {

QPixmap backgroundTile() {
    QImage tile(50, 50, QImage::Format_RGB32);
    tile.fill(Qt::white);
    const QRgb line = qRgb(246, 246, 246);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x)
            if (x % 5 == 0 || y % 5 == 0)
                tile.setPixel(x, y, line);
    return QPixmap::fromImage(tile);
}

} // namespace menuloom::widgets
