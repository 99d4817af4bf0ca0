#include "app/appstyle.h"

#include <QApplication>
#include <QFile>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

static void initAppStyleResources() {
    Q_INIT_RESOURCE(appstyle);
}

namespace menuloom::app {

void applyAppStyle(QApplication& app) {
    initAppStyleResources();
    // One base style everywhere, so that the sheet looks the same on every desktop.
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        app.setStyle(fusion);

    QPalette palette = app.style()->standardPalette();
    palette.setColor(QPalette::Window, QColor(0xF3, 0xF5, 0xF8));
    palette.setColor(QPalette::WindowText, QColor(0x1F, 0x29, 0x3B));
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::AlternateBase, QColor(0xF6, 0xF8, 0xFB));
    palette.setColor(QPalette::Text, QColor(0x1F, 0x29, 0x3B));
    palette.setColor(QPalette::Button, Qt::white);
    palette.setColor(QPalette::ButtonText, QColor(0x1F, 0x29, 0x3B));
    palette.setColor(QPalette::Highlight, QColor(0x2F, 0x7C, 0xF6));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, QColor(0x1F, 0x29, 0x3B));
    palette.setColor(QPalette::ToolTipText, Qt::white);
    palette.setColor(QPalette::PlaceholderText, QColor(0xA3, 0xAB, 0xB8));
    palette.setColor(QPalette::Link, QColor(0x2F, 0x6F, 0xDC));
    app.setPalette(palette);

    QFile sheet(QStringLiteral(":/appstyle/appstyle.qss"));
    if (sheet.open(QIODevice::ReadOnly | QIODevice::Text))
        app.setStyleSheet(QString::fromUtf8(sheet.readAll()));
}

} // namespace menuloom::app
