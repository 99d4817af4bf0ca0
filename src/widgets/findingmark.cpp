#include "widgets/findingmark.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace menuloom::widgets {

namespace {

QPixmap canvas() {
    const qreal dpr = 2.0;
    QPixmap pm(QSize(kMarkSize, kMarkSize) * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    return pm;
}

} // namespace

QIcon findingMark(check::Severity severity) {
    QPixmap pm = canvas();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    if (severity == check::Severity::Error) {
        p.setBrush(QColor(0xC6, 0x28, 0x28));
        p.drawEllipse(QRectF(1, 1, 12, 12));
    } else {
        QPainterPath tri;
        tri.moveTo(7, 1);
        tri.lineTo(13.5, 12.5);
        tri.lineTo(0.5, 12.5);
        tri.closeSubpath();
        p.setBrush(QColor(0xD9, 0x8E, 0x04));
        p.drawPath(tri);
    }
    // An exclamation mark in white.
    p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
    const qreal x = 7;
    const qreal top = severity == check::Severity::Error ? 3.8 : 5.0;
    p.drawLine(QPointF(x, top), QPointF(x, 8.2));
    p.drawPoint(QPointF(x, 10.6));
    p.end();
    return QIcon(pm);
}

QIcon passMark() {
    QPixmap pm = canvas();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2E, 0x7D, 0x32));
    p.drawEllipse(QRectF(1, 1, 12, 12));
    p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(4.2, 7.2), QPointF(6.2, 9.2), QPointF(9.9, 5.0)}));
    p.end();
    return QIcon(pm);
}

} // namespace menuloom::widgets
