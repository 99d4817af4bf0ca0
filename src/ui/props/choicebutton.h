#pragma once
// A button that stands for one value of a pop-up editor (True/False, Left/Center/Right) and is
// shown pressed while it is the current value. A screen reader hears it as a push button with
// the checked and pressed states, not as a check box.

#include <QPushButton>

namespace menuloom::ui {

class ChoiceButton : public QPushButton {
    Q_OBJECT
public:
    ChoiceButton(const QString& caption, QWidget* parent);
};

} // namespace menuloom::ui
