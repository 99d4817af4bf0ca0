#include "app/logo.h"

#include <QFont>
#include <QPainter>
#include <QSvgRenderer>

static void initLogoResources() {
    Q_INIT_RESOURCE(menuloom);
}

namespace menuloom::app {

namespace {

QSvgRenderer& renderer() {
    static QSvgRenderer* svg = [] {
        initLogoResources();
        return new QSvgRenderer(QStringLiteral(":/menuloom/logo.svg"));
    }();
    return *svg;
}

} // namespace

QImage logoMark(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    renderer().render(&p, QRectF(0, 0, size, size));
    return image;
}

QImage productPicture(qreal scale) {
    const QSize size(qRound(360 * scale), qRound(112 * scale));
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    p.scale(scale, scale);
    renderer().render(&p, QRectF(12, 12, 88, 88));

    QFont name(QStringLiteral("DejaVu Sans"));
    name.setPixelSize(40);
    name.setWeight(QFont::Bold);
    name.setLetterSpacing(QFont::PercentageSpacing, 96);
    p.setFont(name);
    p.setPen(QColor(0x1F, 0x29, 0x3B));
    p.drawText(QRectF(114, 18, 240, 50), Qt::AlignLeft | Qt::AlignBottom,
               QStringLiteral("Menuloom"));

    QFont tagline(QStringLiteral("DejaVu Sans"));
    tagline.setPixelSize(14);
    p.setFont(tagline);
    p.setPen(QColor(0x64, 0x70, 0x86));
    p.drawText(QRectF(116, 70, 240, 24), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("drop-down menu designer"));
    return image;
}

QIcon appIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(logoMark(size)));
    return icon;
}

} // namespace menuloom::app
