#include "app/tfrmsplash.h"

#include "app/logo.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace menuloom::app {

TfrmSplash::TfrmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    const qreal dpr = devicePixelRatioF();
    picture_ = productPicture(dpr);
    picture_.setDevicePixelRatio(dpr);
    setFixedSize(440, 230);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.center() - rect().center());
    }
    timer_.setInterval(kCheckInterval);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (watched_ && watched_->isVisible()) {
            timer_.stop();
            hide();
        }
    });
}

void TfrmSplash::watch(QWidget* window) {
    watched_ = window;
    timer_.start();
}

void TfrmSplash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(QColor(0xdf, 0xe3, 0xea));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const QSizeF size = picture_.deviceIndependentSize();
    p.drawImage(QPointF((width() - size.width()) / 2, 44), picture_);
    p.setPen(QColor(0x64, 0x70, 0x86));
    QFont font = p.font();
    font.setPixelSize(13);
    p.setFont(font);
    p.drawText(QRect(0, height() - 54, width(), 20), Qt::AlignCenter,
               QStringLiteral("by %1").arg(QString::fromLatin1(kMakerName)));
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(QColor(0x9a, 0xa3, 0xb2));
    p.drawText(QRect(0, height() - 32, width(), 18), Qt::AlignCenter,
               QStringLiteral("Starting\u2026"));
}

void TfrmSplash::closeEvent(QCloseEvent* event) {
    event->accept();
    QCoreApplication::quit();
}

} // namespace menuloom::app
