#include "widgets/colorbutton.h"

#include "widgets/conversions.h"

#include <QPainter>

namespace menuloom::widgets {

ColorButton::ColorButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    // Room for the swatch right of the caption, whether or not one shows.
    setProperty("swatch", true);
    setAutoDefault(false);
}

void ColorButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    const int32_t value = swatch();
    if (value < 0)
        return;
    QPainter p(this);
    const QRect r(width() - 26, (height() - 10) / 2, 16, 10);
    p.fillRect(r, toQColor(value));
    p.setPen(QColor(0x7D, 0x87, 0x96));
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

} // namespace menuloom::widgets
