#pragma once
// The track bar editors (percentage, transition): every move stores, and one opening is one
// step; the arrows step 1, Page Up/Down 5. Their differences are data.

#include "ui/props/valueeditor.h"

class QLabel;
class QSlider;

namespace menuloom::ui {

class SliderEditor : public ValueEditor {
    Q_OBJECT
public:
    struct Setup {
        const char* panel;
        const char* slider;
        const char* label; // shows the value
        const char* ok;
        int maximum;
        const char* suffix;  // after the number in the label
        int ownWidth;        // 0: as wide as the value cell
        const char* caption; // nullptr: one row of bar, value and "Ok"; else a caption row above
    };

    SliderEditor(EditorHost& host, Setup setup);

    void open(bool byKeyboard) override;
    QFrame* panel() const override { return panel_; }
    bool key(QWidget* target, QKeyEvent* event) override;

private:
    QString text(int value) const;

    Setup setup_;
    QFrame* panel_;
    QSlider* slider_;
    QLabel* value_;
    bool filling_ = false; // the program sets the bar: nothing is stored
};

} // namespace menuloom::ui
