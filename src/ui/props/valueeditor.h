#pragma once
// One editor of the property grid per kind of value, behind one interface: it opens over the
// value cell of the grid's current row, takes the keys of its panel's controls, and stores each
// change through its host as part of the one document step of this opening. The host (the
// `ValueEditors` facade) owns the panels' placing, closing and the modal runs.

#include "check/checks.h"
#include "model/paramtable.h"

#include <QObject>
#include <QString>

#include <QColor>

#include <functional>
#include <optional>

class QFrame;
class QKeyEvent;
class QPushButton;
class QWidget;

namespace menuloom::doc {
class Document;
class Prompter;
} // namespace menuloom::doc

namespace menuloom::ui {

class DGProps;

// What an editor may ask of the grid's editor host.
class EditorHost {
public:
    virtual ~EditorHost() = default;

    virtual doc::Document& document() = 0;
    virtual doc::Prompter& prompter() = 0;
    virtual DGProps& grid() = 0;
    // The main window that holds the panels.
    virtual QWidget* window() = 0;
    virtual const QString& startFolder() const = 0;

    // The parameter being edited and its row.
    virtual int row() const = 0;
    virtual const model::TPropType& param() const = 0;
    // Stores `value` for the row as this opening's step.
    virtual void store(const model::TPropType& value) = 0;
    // Places `panel` over the row's value cell (its own "ownWidth" unless `valueWidth`), `dy`
    // pixels lower, and shows it as the open editor.
    virtual void show(QFrame* panel, bool valueWidth, int dy = 0) = 0;
    // Closes the open editor, if any; stores nothing.
    virtual void close() = 0;
    // Whether `panel` is the open editor.
    virtual bool isOpen(const QFrame* panel) const = 0;
    // Runs a modal window from inside the open editor without taking its focus for a leaving.
    virtual void runModal(const std::function<void()>& fn) = 0;

    template <typename Fn> auto modal(Fn&& fn) {
        using R = decltype(fn());
        if constexpr (std::is_void_v<R>) {
            runModal(fn);
        } else {
            R result{};
            runModal([&] { result = fn(); });
            return result;
        }
    }
};

class ValueEditor : public QObject {
    Q_OBJECT
public:
    explicit ValueEditor(EditorHost& host) : host_(host) {}

    // Opens the editor for the host's row; `byKeyboard`: the focus goes into it as well.
    virtual void open(bool byKeyboard) = 0;
    // The panel, or nothing for an editor that is a dialog.
    virtual QFrame* panel() const = 0;
    // A key pressed in a control of the open panel: true when the editor took it.
    virtual bool key(QWidget* target, QKeyEvent* event);
    // The pop-ups that close by themselves shortly after the pointer leaves them.
    virtual bool hidesOnLeave() const { return false; }

protected:
    EditorHost& host_;
};

// Building blocks of the panels.
namespace panels {
// A hidden, bordered panel of the main window named `name`.
QFrame* make(QWidget* window, const char* name);
// A button of `panel`; `choice`: a button that shows the current value pressed. `keys`: the
// button takes the focus with Tab (a click never moves the focus to it).
QPushButton* button(QFrame* panel, const char* name, const QString& caption, bool choice = false,
                    bool keys = false);
bool isEnter(const QKeyEvent* key);
// The colour picker's preset for a colour value: none for -1.
std::optional<QColor> preset(int32_t color);
// Where a colour parameter lies in or behind the items' text ("fontColor", "itemBackColor",
// "menuBackColor"), so that its editor tells the contrast; nothing for other parameters.
std::optional<check::Place> textColorPlace(const model::TPropType& param);
// Moves the focus to the next (`step` 1) or previous (-1) of `buttons`, wrapping; true if one
// of them had it.
bool stepFocus(const QList<QPushButton*>& buttons, int step);
// The keys of a row of buttons: the arrows move between them, Enter presses the focused one
// (Space does by itself). True when taken.
bool buttonKeys(const QList<QPushButton*>& buttons, QKeyEvent* event);
} // namespace panels

} // namespace menuloom::ui
