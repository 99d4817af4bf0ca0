#pragma once
// The value editors of the property grid: one editor per kind of parameter, chosen from a table,
// shown over the value cell of the row whose button was clicked (or whose row took Enter, F2,
// Space or Alt+Down), one at a time. Each stores through the document (one undo step named after
// the parameter; a track bar drag, one opening of a list, one session of an image path merge into
// one step). This facade owns the closing: a mouse press anywhere in the main window outside the
// open panel, the focus leaving it, Escape, and any change the panel did not make itself.

#include "ui/props/valueeditor.h"

#include <QFrame>
#include <QObject>
#include <QString>
#include <QTimer>

#include <map>
#include <memory>

namespace menuloom::ui {

class TfrmFont;
class TfrmImages;
class TfrmText;

class ValueEditors : public QObject, public EditorHost {
    Q_OBJECT
public:
    static constexpr int kHideDelay = 50; // ms after the pointer leaves a pop-up panel

    // The panels are children of `host` (the main window), hidden until opened. `startFolder`:
    // where the image file picker starts.
    ValueEditors(doc::Document& document, doc::Prompter& prompter, DGProps& grid, QWidget* host,
                 QString startFolder);
    ~ValueEditors() override;

    // The three dialogs some kinds open (they are made after the main window).
    void setDialogs(TfrmFont* font, TfrmText* text, TfrmImages* images);

    // Opens the editor of `row`'s kind, as a press on its value button does; `byKeyboard`: the
    // keyboard focus goes into the editor as well.
    void open(int row, bool byKeyboard = false);
    // Stops the hide timer and hides the open panel, if any. Never stores anything.
    void hideValueEditor();
    QWidget* openEditor() const { return open_; }
    int row() const override { return row_; }
    QTimer& timerHide() { return timerHide_; }

    // A control of the editors' panels by its object name ("pnlInt", "eInt", "spdBoolTrue"...).
    template <typename T = QWidget> T* widget(const char* name) const {
        return qobject_cast<T*>(find(name));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // EditorHost, for the editors
    doc::Document& document() override { return document_; }
    doc::Prompter& prompter() override { return prompter_; }
    DGProps& grid() override { return grid_; }
    QWidget* window() override { return host_; }
    const QString& startFolder() const override { return startFolder_; }
    const model::TPropType& param() const override;
    void store(const model::TPropType& value) override;
    void show(QFrame* panel, bool valueWidth, int dy) override;
    void close() override { hideValueEditor(); }
    bool isOpen(const QFrame* panel) const override { return panel && open_ == panel; }
    void runModal(const std::function<void()>& fn) override;

    QWidget* find(const char* name) const;
    void add(model::ParamKind kind, std::unique_ptr<ValueEditor> editor);
    bool holdsFocus() const;
    bool panelKey(QWidget* target, QKeyEvent* key);
    void watchWindow();

    doc::Document& document_;
    doc::Prompter& prompter_;
    DGProps& grid_;
    QWidget* host_;
    QString startFolder_;
    TfrmFont* font_ = nullptr;
    TfrmText* text_ = nullptr;
    TfrmImages* images_ = nullptr;

    std::map<model::ParamKind, std::unique_ptr<ValueEditor>> editors_;
    ValueEditor* current_ = nullptr;
    QFrame* open_ = nullptr;
    QObject* watchedWindow_ = nullptr;
    int row_ = -1;
    int session_ = 0;
    bool storing_ = false; // a change of this editor's own: it does not close it
    bool inModal_ = false; // a dialog of the open panel is up: its focus is not a leaving
    QTimer timerHide_;
};

} // namespace menuloom::ui
