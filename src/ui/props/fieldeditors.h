#pragma once
// The editors that are a text field (the number, the image path) and the two parameters whose
// editor is a dialog of its own (the font, the image list).

#include "ui/props/valueeditor.h"

#include <functional>

class QLineEdit;

namespace menuloom::ui {

// The number field: only digits, "-", "%" and "." reach it; Enter stores what the parameter
// accepts (or says why not), Escape leaves without storing.
class IntEditor : public ValueEditor {
    Q_OBJECT
public:
    explicit IntEditor(EditorHost& host);

    void open(bool byKeyboard) override;
    QFrame* panel() const override { return panel_; }
    bool key(QWidget* target, QKeyEvent* event) override;

private:
    void enter();

    QFrame* panel_;
    QLineEdit* field_;
};

// An image path: the typed path stored on Enter or "Ok", "Clear" and "Select..." (the file
// picker) store at once. An empty path goes straight to the picker.
class ImageEditor : public ValueEditor {
    Q_OBJECT
public:
    explicit ImageEditor(EditorHost& host);

    void open(bool byKeyboard) override;
    QFrame* panel() const override { return panel_; }
    bool key(QWidget* target, QKeyEvent* event) override;

private:
    void pick();

    QFrame* panel_;
    QLineEdit* field_;
    QPushButton* clear_;
    QPushButton* select_;
    QPushButton* ok_;
};

// A parameter edited in a modal dialog of its own, which stores it.
class DialogEditor : public ValueEditor {
    Q_OBJECT
public:
    // `run` shows the dialog for a row (and does nothing while there is no dialog).
    DialogEditor(EditorHost& host, std::function<void(int row)> run);

    void open(bool byKeyboard) override;
    QFrame* panel() const override { return nullptr; }

private:
    std::function<void(int)> run_;
};

} // namespace menuloom::ui
