#pragma once
// The editors that are a list: the lists of names (decorations, border styles), the colour
// list, and the choice list of a "strs" parameter.

#include "ui/props/valueeditor.h"

#include <span>
#include <string_view>

class QListWidget;

namespace menuloom::widgets {
class TargetList;
} // namespace menuloom::widgets

namespace menuloom::widgets {
class ContrastNote;
} // namespace menuloom::widgets

namespace menuloom::ui {

// A list of N entries, each one of a fixed set of names, with a button per name that sets the
// selected entry. Every press stores; Enter, Escape or "Ok" close.
class NamesListEditor : public ValueEditor {
    Q_OBJECT
public:
    struct Setup {
        const char* panel;
        const char* list;
        const char* buttonPrefix; // button i is named prefix + i
        const char* ok;           // the "Ok" button
        int ownWidth;             // 0: as wide as the value cell
        std::span<const std::string_view> names;
        int firstValue; // the value the first button stores; the next ones count up
        std::string_view (*name)(int value);
        // Placing: the list above the buttons, or to their left; the buttons in `columns`
        // columns; "Ok" in the given cell of the buttons' grid.
        bool listBeside;
        int columns;
        int okRow;
        int okColumn;
    };

    NamesListEditor(EditorHost& host, Setup setup);

    void open(bool byKeyboard) override;
    QFrame* panel() const override { return panel_; }
    bool key(QWidget* target, QKeyEvent* event) override;

private:
    void set(int32_t value);
    void fill();

    Setup setup_;
    QFrame* panel_;
    QListWidget* list_;
    QList<QPushButton*> buttons_;
};

// A list of N colours: "Select..." (or a double click, or Space) picks the selected row's colour
// and stores it at once, "Clear" sets it to none.
class ColorListEditor : public ValueEditor {
    Q_OBJECT
public:
    explicit ColorListEditor(EditorHost& host);

    void open(bool byKeyboard) override;
    QFrame* panel() const override { return panel_; }
    bool key(QWidget* target, QKeyEvent* event) override;

private:
    void pick();
    void set(int32_t value);
    void fill();

    QFrame* panel_;
    QListWidget* list_;
    QPushButton* clear_;
    QPushButton* select_;
    QPushButton* ok_;
    widgets::ContrastNote* note_; // the text's contrast, for the colours of the text
};

// A "strs" parameter's choices; "..." asks for a text of one's own.
class StrsEditor : public ValueEditor {
    Q_OBJECT
public:
    // `askText` runs the text dialog for (row, index of "...").
    StrsEditor(EditorHost& host, std::function<void(int, int)> askText);

    void open(bool byKeyboard) override;
    QFrame* panel() const override { return panel_; }

private:
    void chosen(int index);

    std::function<void(int, int)> askText_;
    QFrame* panel_;
    widgets::TargetList* list_;
    bool asking_ = false;
};

} // namespace menuloom::ui
