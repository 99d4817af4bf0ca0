#include "ui/props/slidereditor.h"

#include "widgets/conversions.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

namespace menuloom::ui {

SliderEditor::SliderEditor(EditorHost& host, Setup setup)
    : ValueEditor(host), setup_(setup), panel_(panels::make(host.window(), setup.panel)),
      slider_(new QSlider(Qt::Horizontal, panel_)), value_(new QLabel(panel_)) {
    if (setup_.ownWidth > 0)
        panel_->setProperty("ownWidth", setup_.ownWidth);
    slider_->setObjectName(QString::fromLatin1(setup_.slider));
    slider_->setRange(0, setup_.maximum);
    slider_->setSingleStep(1);
    slider_->setPageStep(5);
    value_->setObjectName(QString::fromLatin1(setup_.label));
    QPushButton* ok = panels::button(panel_, setup_.ok, QStringLiteral("Ok"), false, true);
    if (!setup_.caption) {
        value_->setMinimumWidth(value_->fontMetrics().horizontalAdvance(text(setup_.maximum)) + 4);
        auto* layout = new QHBoxLayout(panel_);
        layout->setContentsMargins(6, 3, 4, 3);
        layout->addWidget(slider_, 1);
        layout->addWidget(value_);
        layout->addWidget(ok);
    } else {
        auto* caption = new QLabel(QString::fromLatin1(setup_.caption), panel_);
        caption->setBuddy(slider_);
        auto* layout = new QGridLayout(panel_);
        layout->setContentsMargins(6, 3, 4, 3);
        layout->setHorizontalSpacing(6);
        layout->setVerticalSpacing(1);
        layout->addWidget(caption, 0, 0);
        layout->addWidget(value_, 0, 1);
        layout->setColumnStretch(1, 1);
        layout->addWidget(slider_, 1, 0, 1, 2);
        layout->addWidget(ok, 1, 2);
    }
    connect(slider_, &QSlider::valueChanged, this, [this](int position) {
        value_->setText(text(position));
        if (filling_)
            return;
        model::TPropType v = host_.param();
        v.value = position;
        host_.store(v);
    });
    connect(ok, &QPushButton::clicked, this, [this] { host_.close(); });
}

void SliderEditor::open(bool) {
    const model::TPropType& p = host_.param();
    filling_ = true;
    slider_->setAccessibleName(widgets::fromModel(p.name));
    slider_->setValue(p.value);
    filling_ = false;
    // A value read from a file may lie outside the track bar; the label says what it is.
    value_->setText(text(p.value));
    host_.show(panel_, setup_.ownWidth == 0);
    slider_->setFocus(Qt::PopupFocusReason);
}

bool SliderEditor::key(QWidget*, QKeyEvent* event) {
    // Each step is stored already: Enter only closes.
    if (!panels::isEnter(event))
        return false;
    host_.close();
    return true;
}

QString SliderEditor::text(int value) const {
    return QString::number(value) + QString::fromLatin1(setup_.suffix);
}

} // namespace menuloom::ui
