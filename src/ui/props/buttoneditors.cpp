#include "ui/props/buttoneditors.h"

#include "doc/document.h"
#include "doc/prompter.h"
#include "widgets/contrastnote.h"
#include "widgets/conversions.h"

#include <QBoxLayout>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QPushButton>

namespace menuloom::ui {

ChoiceEditor::ChoiceEditor(EditorHost& host, Setup setup)
    : ValueEditor(host), setup_(std::move(setup)),
      panel_(panels::make(host.window(), setup_.panel)) {
    auto* layout = new QBoxLayout(setup_.orientation == Qt::Vertical ? QBoxLayout::TopToBottom
                                                                     : QBoxLayout::LeftToRight,
                                  panel_);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(setup_.orientation == Qt::Vertical ? 0 : 1);
    for (const auto& [name, caption] : setup_.buttons) {
        QPushButton* b = panels::button(panel_, name, QString::fromLatin1(caption), true, true);
        const int index = static_cast<int>(buttons_.size());
        layout->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, index] { choose(index); });
        buttons_ << b;
    }
}

void ChoiceEditor::open(bool byKeyboard) {
    const int current = setup_.index(host_.param());
    int dy = 0;
    for (int i = 0; i < buttons_.size(); ++i) {
        buttons_[i]->setChecked(i == current);
        if (setup_.currentOverRow && i < current)
            dy -= buttons_[i]->sizeHint().height();
    }
    host_.show(panel_, true, dy);
    if (byKeyboard)
        buttons_[qMax(0, current)]->setFocus(Qt::PopupFocusReason);
}

bool ChoiceEditor::key(QWidget*, QKeyEvent* event) {
    return panels::buttonKeys(buttons_, event);
}

void ChoiceEditor::choose(int index) {
    model::TPropType v = host_.param();
    setup_.set(v, index);
    host_.store(v);
    host_.close();
}

ColorEditor::ColorEditor(EditorHost& host)
    : ValueEditor(host), panel_(panels::make(host.window(), "pnlColor")),
      clear_(panels::button(panel_, "spdColorClear", QStringLiteral("Clear"), false, true)),
      select_(panels::button(panel_, "spdColorSelect", QStringLiteral("Select..."), false, true)),
      note_(new widgets::ContrastNote(panel_)) {
    note_->setObjectName(QStringLiteral("lblColorContrast"));
    auto* layout = new QGridLayout(panel_);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(2);
    layout->addWidget(clear_, 0, 0);
    layout->addWidget(select_, 0, 1);
    layout->addWidget(note_, 1, 0, 1, 2);
    connect(clear_, &QPushButton::clicked, this, [this] {
        model::TPropType v = host_.param();
        v.num = -1;
        host_.store(v);
        host_.close();
    });
    connect(select_, &QPushButton::clicked, this, &ColorEditor::pick);
}

std::optional<QColor> ColorEditor::pickFrom(std::optional<QColor> initial) {
    doc::ColorJudge judge;
    if (const auto place = panels::textColorPlace(host_.param()))
        judge = [this, place = *place](const QColor& color) {
            return widgets::colorUses(
                host_.document().project(), place, {0, 1}, [&](check::Looks& looks) {
                    looks.param(place.param)->num = widgets::colorValue(color);
                });
        };
    return host_.modal([&] { return host_.prompter().pickColor(initial, judge); });
}

void ColorEditor::open(bool byKeyboard) {
    if (host_.param().num == -1) {
        if (const auto color = pickFrom(std::nullopt)) {
            model::TPropType v = host_.param();
            v.num = widgets::colorValue(*color);
            host_.store(v);
        }
        return;
    }
    const auto place = panels::textColorPlace(host_.param());
    note_->setUses(place ? widgets::colorUses(host_.document().project(), *place, {0, 1})
                         : QList<doc::ColorUse>());
    select_->setAccessibleDescription(note_->sentence());
    host_.show(panel_, true);
    if (byKeyboard)
        select_->setFocus(Qt::PopupFocusReason);
}

bool ColorEditor::key(QWidget*, QKeyEvent* event) {
    return panels::buttonKeys({clear_, select_}, event);
}

void ColorEditor::pick() {
    const bool hadFocus = select_->hasFocus();
    const auto color = pickFrom(panels::preset(host_.param().num));
    if (!color) {
        // The panel stays, and a keyboard user is back on "Select...".
        if (hadFocus && host_.isOpen(panel_))
            select_->setFocus(Qt::OtherFocusReason);
        return;
    }
    model::TPropType v = host_.param();
    v.num = widgets::colorValue(*color);
    host_.store(v);
    host_.close();
}

} // namespace menuloom::ui
