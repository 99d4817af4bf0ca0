#include "app/tfrmfullscreen.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QVBoxLayout>

namespace menuloom::app {

TfrmFullscreen::TfrmFullscreen(const app::BrowserFactory& browsers, QWidget* parent)
    : QWidget(parent, Qt::Tool) {
    setObjectName(QStringLiteral("frmFullscreen"));
    setWindowTitle(QStringLiteral("Fullscreen preview"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("pnlFullscreenStrip"));
    auto* stripLayout = new QHBoxLayout(strip);
    stripLayout->setContentsMargins(8, 3, 8, 3);
    cbStayOnTop_ = new QCheckBox(QStringLiteral("Stay On Top"), strip);
    cbStayOnTop_->setObjectName(QStringLiteral("cbStayOnTop"));
    stripLayout->addWidget(cbStayOnTop_);
    stripLayout->addStretch();
    layout->addWidget(strip);

    const app::BrowserView view = browsers(this);
    browser_ = view.browser;
    browserWidget_ = view.widget;
    layout->addWidget(browserWidget_, 1);

    connect(cbStayOnTop_, &QCheckBox::clicked, this, &TfrmFullscreen::cbStayOnTopClick);

    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.left() + 25, area.top() + 25);
        resize(area.width() - 50, area.height() - 80);
    }
}

void TfrmFullscreen::cbStayOnTopClick() {
    const bool shown = isVisible();
    // Changing the flag re-creates the native window, which hides it.
    setWindowFlag(Qt::WindowStaysOnTopHint, cbStayOnTop_->isChecked());
    if (shown)
        show();
    if (!pagePath_.isEmpty())
        browser_->navigate(pagePath_);
}

} // namespace menuloom::app
