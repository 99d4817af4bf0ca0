#pragma once
// The Enter text dialog: the free text of a parameter whose choice list offers "...".

#include "widgets/framelessdialog.h"

class QLineEdit;
class QPushButton;

namespace menuloom::doc {
class Document;
} // namespace menuloom::doc

namespace menuloom::ui {

class TfrmText : public widgets::FramelessDialog {
    Q_OBJECT
public:
    explicit TfrmText(doc::Document& document, QWidget* parent = nullptr);

    // The "strs" parameter at `row`; `choice` is the index of its "..." entry. Fills eText with
    // the parameter's current custom text. Apply and Enter store the text as typed, num = choice
    // and flag = 1 in one step named after the parameter; Cancel and Escape change nothing.
    void setParameter(int row, int choice);

    QLineEdit* eText = nullptr;
    QPushButton* newSpd1 = nullptr; // "Apply"
    QPushButton* newSpd2 = nullptr; // "Cancel"

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Enter and Escape, wherever the focus is.
    void eTextKeyPress(QKeyEvent* event);
    void newSpd1Click();
    void newSpd2Click();

    doc::Document& document_;
    int row_ = -1;
    int choice_ = -1;
    bool selectOnActivation_ = false;
};

} // namespace menuloom::ui
