#pragma once
// The editors that are a row of buttons: the choices (True/False, Left/Center/Right), which
// store on a press and close, and the single colour's Clear/Select panel.

#include "ui/props/valueeditor.h"

#include <QList>

#include <vector>

namespace menuloom::widgets {
class ContrastNote;
} // namespace menuloom::widgets

namespace menuloom::ui {

// A pop-up of buttons, one per value; the button of the current value is shown pressed.
class ChoiceEditor : public ValueEditor {
    Q_OBJECT
public:
    struct Setup {
        const char* panel;
        Qt::Orientation orientation;
        // Object name and caption of each button, in the order of their values' indexes.
        std::vector<std::pair<const char*, const char*>> buttons;
        // The index of the parameter's value (-1 for none), and the value of an index.
        int (*index)(const model::TPropType&);
        void (*set)(model::TPropType&, int index);
        // A vertical pop-up lies with its current value's button over the row.
        bool currentOverRow;
    };

    ChoiceEditor(EditorHost& host, Setup setup);

    void open(bool byKeyboard) override;
    QFrame* panel() const override { return panel_; }
    bool key(QWidget* target, QKeyEvent* event) override;
    bool hidesOnLeave() const override { return true; }

private:
    void choose(int index);

    Setup setup_;
    QFrame* panel_;
    QList<QPushButton*> buttons_;
};

// A set colour: "Clear" and "Select..." (the colour picker, preset with the colour). An unset
// colour goes straight to the picker, and a cancel there leaves no panel.
class ColorEditor : public ValueEditor {
    Q_OBJECT
public:
    explicit ColorEditor(EditorHost& host);

    void open(bool byKeyboard) override;
    QFrame* panel() const override { return panel_; }
    bool key(QWidget* target, QKeyEvent* event) override;
    bool hidesOnLeave() const override { return true; }

private:
    void pick();
    // The picker, judging its colours where this one goes.
    std::optional<QColor> pickFrom(std::optional<QColor> initial);

    QFrame* panel_;
    QPushButton* clear_;
    QPushButton* select_;
    widgets::ContrastNote* note_;
};

} // namespace menuloom::ui
