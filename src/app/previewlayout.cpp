#include "app/previewlayout.h"

#include "widgets/backgroundtile.h"

#include <QPaintEvent>
#include <QPainter>

namespace menuloom::app {

Backdrop::Backdrop(QWidget* parent) : QWidget(parent), tile_(widgets::backgroundTile()) {}

void Backdrop::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.drawTiledPixmap(event->rect(), tile_, event->rect().topLeft());
}

} // namespace menuloom::app
