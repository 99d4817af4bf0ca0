#include "ui/props/valueeditor.h"

#include "ui/props/choicebutton.h"
#include "ui/props/editorpanel.h"
#include "widgets/conversions.h"

#include <QKeyEvent>
#include <QPushButton>

namespace menuloom::ui {

bool ValueEditor::key(QWidget*, QKeyEvent*) {
    return false;
}

namespace panels {

namespace {

// The focused control carries a clear outline, so that a keyboard user sees where they are.
constexpr const char* kPanelStyle = R"(
QFrame[editorPanel="true"] { background: #ffffff; border: 1px solid #76a0e0; }
QFrame[editorPanel="true"] QPushButton { padding: 1px 6px; min-height: 16px; }
QFrame[editorPanel="true"] QPushButton:checked { background: #d9e7ff; border-color: #1f5fcf;
                                                 font-weight: 600; }
QFrame[editorPanel="true"] QPushButton:focus { border: 2px solid #1f5fcf; }
QFrame[editorPanel="true"] QListWidget { border: 1px solid #c3ccd8; }
QFrame[editorPanel="true"] QListWidget:focus { border: 2px solid #1f5fcf; }
QFrame[editorPanel="true"] QLineEdit { min-height: 14px; padding: 0 3px; }
QFrame[editorPanel="true"] QSlider:focus { border: 1px solid #1f5fcf; border-radius: 2px; }
)";

} // namespace

QFrame* make(QWidget* window, const char* name) {
    auto* frame = new EditorPanel(window);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setProperty("editorPanel", true);
    frame->setStyleSheet(QString::fromLatin1(kPanelStyle));
    frame->setAutoFillBackground(true);
    frame->hide();
    return frame;
}

QPushButton* button(QFrame* owner, const char* name, const QString& caption, bool choice,
                    bool keys) {
    QPushButton* b = choice ? new ChoiceButton(caption, owner) : new QPushButton(caption, owner);
    b->setObjectName(QString::fromLatin1(name));
    // A click leaves the focus where it is (the panel's field or list keeps it); Tab reaches it.
    b->setFocusPolicy(keys ? Qt::TabFocus : Qt::NoFocus);
    b->setAutoDefault(false);
    return b;
}

bool isEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

std::optional<QColor> preset(int32_t color) {
    if (color == -1)
        return std::nullopt;
    return widgets::toQColor(color);
}

std::optional<check::Place> textColorPlace(const model::TPropType& param) {
    for (const char* name : {"fontColor", "itemBackColor", "menuBackColor"})
        if (param.name == name)
            return check::Place::ofParam(name);
    return std::nullopt;
}

bool stepFocus(const QList<QPushButton*>& buttons, int step) {
    const auto count = buttons.size();
    for (qsizetype i = 0; i < count; ++i) {
        if (!buttons[i]->hasFocus())
            continue;
        buttons[(i + step + count) % count]->setFocus(Qt::TabFocusReason);
        return true;
    }
    return false;
}

bool buttonKeys(const QList<QPushButton*>& buttons, QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        return stepFocus(buttons, -1);
    case Qt::Key_Down:
    case Qt::Key_Right:
        return stepFocus(buttons, 1);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        for (QPushButton* b : buttons)
            if (b->hasFocus()) {
                b->click();
                return true;
            }
        return false;
    default:
        return false;
    }
}

} // namespace panels

} // namespace menuloom::ui
