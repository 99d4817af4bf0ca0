#include "widgets/widthslider.h"

#include "doc/document.h"

#include <QLabel>
#include <QSlider>

namespace menuloom::widgets {

WidthSlider makeWidthSlider(const char* barName, const char* labelName,
                            const QString& accessibleName, int& dragSession) {
    auto* bar = new QSlider(Qt::Horizontal);
    bar->setObjectName(QString::fromLatin1(barName));
    bar->setAccessibleName(accessibleName);
    bar->setRange(0, kMaxBorderWidth);
    bar->setPageStep(5);
    bar->setMinimumWidth(150);
    auto* label = new QLabel(QStringLiteral("0"));
    label->setObjectName(QString::fromLatin1(labelName));
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("000")));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The session lives in the dialog that owns the bar, as long as the bar.
    int* session = &dragSession;
    QObject::connect(bar, &QSlider::sliderPressed, bar,
                     [session] { *session = doc::Document::newSession(); });
    QObject::connect(bar, &QSlider::sliderReleased, bar, [session] { *session = 0; });
    return {bar, label};
}

} // namespace menuloom::widgets
