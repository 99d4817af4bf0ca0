#include "ui/props/fieldeditors.h"

#include "doc/document.h"
#include "doc/prompter.h"
#include "model/paramtable.h"
#include "ui/props/dgprops.h"
#include "widgets/conversions.h"
#include "widgets/imagepicker.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace menuloom::ui {

using widgets::fromModel;
using widgets::toModel;

namespace {

// The keys the number field lets through: digits, "-", "%", "." and the three control keys.
bool isIntKey(const QKeyEvent* key) {
    if (panels::isEnter(key) || key->key() == Qt::Key_Escape || key->key() == Qt::Key_Backspace)
        return true;
    const QString text = key->text();
    if (text.size() != 1 || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    const QChar c = text.at(0);
    return (c >= '0' && c <= '9') || c == '-' || c == '%' || c == '.';
}

} // namespace

IntEditor::IntEditor(EditorHost& host)
    : ValueEditor(host), panel_(panels::make(host.window(), "pnlInt")),
      field_(new QLineEdit(panel_)) {
    field_->setObjectName(QStringLiteral("eInt"));
    field_->setMaxLength(9);
    auto* layout = new QHBoxLayout(panel_);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(field_);
}

void IntEditor::open(bool) {
    const model::TPropType& p = host_.param();
    field_->setAccessibleName(fromModel(p.name));
    field_->setText(QString::number(p.value) +
                    (p.text == "percents" && p.boolValue == 0 ? QStringLiteral("%") : QString()));
    host_.show(panel_, true);
    field_->selectAll();
    field_->setFocus(Qt::PopupFocusReason);
}

bool IntEditor::key(QWidget* target, QKeyEvent* event) {
    if (target != field_)
        return false;
    if (!isIntKey(event))
        return true; // dropped
    if (panels::isEnter(event)) {
        enter();
        return true;
    }
    return false;
}

void IntEditor::enter() {
    const model::IntInputResult result =
        model::acceptIntInput(host_.param(), toModel(field_->text()));
    if (result.accepted()) {
        model::TPropType v = host_.param();
        model::applyIntInput(v, result);
        host_.store(v);
        host_.close();
        host_.grid().setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!result.message.empty())
        host_.modal([&] {
            return host_.prompter().message(QStringLiteral("Error"), fromModel(result.message),
                                            doc::Prompter::Buttons::Ok);
        });
    // The old number again, all selected (a text that is no number stays as typed).
    if (result.kind != model::IntInputResult::Kind::ConversionError)
        field_->setText(QString::number(host_.param().value));
    if (host_.isOpen(panel_)) {
        field_->setFocus(Qt::OtherFocusReason);
        field_->selectAll();
    }
}

ImageEditor::ImageEditor(EditorHost& host)
    : ValueEditor(host), panel_(panels::make(host.window(), "pnlImg")),
      field_(new QLineEdit(panel_)),
      clear_(panels::button(panel_, "spdImgClear", QStringLiteral("Clear"), false, true)),
      select_(panels::button(panel_, "spdImgSelect", QStringLiteral("Select..."), false, true)),
      ok_(panels::button(panel_, "spdImgOk", QStringLiteral("Ok"), false, true)) {
    panel_->setProperty("ownWidth", 330);
    field_->setObjectName(QStringLiteral("eImg"));
    auto* label = new QLabel(QStringLiteral("Image file:"), panel_);
    label->setBuddy(field_);
    auto* layout = new QGridLayout(panel_);
    layout->setContentsMargins(6, 4, 6, 5);
    layout->setHorizontalSpacing(4);
    layout->setVerticalSpacing(4);
    layout->addWidget(label, 0, 0);
    layout->addWidget(field_, 0, 1, 1, 4);
    layout->setColumnStretch(1, 1);
    layout->addWidget(clear_, 1, 2);
    layout->addWidget(select_, 1, 3);
    layout->addWidget(ok_, 1, 4);
    connect(clear_, &QPushButton::clicked, this, [this] {
        model::TPropType v = host_.param();
        v.text.clear();
        field_->clear();
        host_.store(v);
    });
    connect(select_, &QPushButton::clicked, this, &ImageEditor::pick);
    connect(ok_, &QPushButton::clicked, this, [this] {
        model::TPropType v = host_.param();
        const std::string typed = toModel(field_->text());
        if (typed != v.text) {
            v.text = typed;
            host_.store(v);
        }
        host_.close();
    });
}

void ImageEditor::open(bool) {
    const model::TPropType& p = host_.param();
    if (p.text.empty()) {
        // Nothing to edit yet: straight to the file picker.
        pick();
        return;
    }
    field_->setText(fromModel(p.text));
    host_.show(panel_, false);
    field_->selectAll();
    field_->setFocus(Qt::PopupFocusReason);
}

bool ImageEditor::key(QWidget* target, QKeyEvent* event) {
    if (!panels::isEnter(event))
        return false;
    // Enter in the field is "Ok"; on a button it presses that button.
    auto* button = qobject_cast<QPushButton*>(target);
    (button ? button : ok_)->click();
    return true;
}

void ImageEditor::pick() {
    const auto relative = host_.modal([this] {
        return widgets::pickImagePath(host_.prompter(), host_.startFolder(),
                                      fromModel(host_.document().project().workingFolder));
    });
    if (host_.isOpen(panel_))
        field_->setFocus(Qt::OtherFocusReason);
    if (!relative)
        return;
    model::TPropType v = host_.param();
    v.text = toModel(*relative);
    host_.store(v);
    field_->setText(*relative);
}

DialogEditor::DialogEditor(EditorHost& host, std::function<void(int)> run)
    : ValueEditor(host), run_(std::move(run)) {}

void DialogEditor::open(bool) {
    const int row = host_.row();
    host_.modal([&] { run_(row); });
}

} // namespace menuloom::ui
