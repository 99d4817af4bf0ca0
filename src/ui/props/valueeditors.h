#pragma once
// The value editors of the property grid: one small panel per kind of parameter, shown over the
// value cell of the row whose button was clicked, one at a time. Each stores through the document
// (one undo step named after the parameter; a track bar drag, one opening of a list, one session
// of an image path merge into one step). The grid owns the closing: a mouse press anywhere in the
// main window outside the open panel, and any change the panel did not make itself, close it.

#include "model/paramtable.h"

#include <QObject>
#include <QString>
#include <QTimer>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSlider;

namespace menuloom::doc {
class Document;
class Prompter;
} // namespace menuloom::doc

namespace menuloom::widgets {
class TargetList;
} // namespace menuloom::widgets

namespace menuloom::ui {

class DGProps;
class TfrmFont;
class TfrmImages;
class TfrmText;

class ValueEditors : public QObject {
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

    // The value button of `row` was clicked: opens the editor of its kind.
    void open(int row);
    // Stops the hide timer and hides the open panel, if any. Never stores anything.
    void hideValueEditor();
    QWidget* openEditor() const { return open_; }
    int row() const { return row_; }
    QTimer& timerHide() { return timerHide_; }

    QFrame* pnlBool = nullptr;
    QPushButton* spdBoolTrue = nullptr;
    QPushButton* spdBoolFalse = nullptr;
    QFrame* pnlInt = nullptr;
    QLineEdit* eInt = nullptr;
    QFrame* pnlImg = nullptr;
    QLineEdit* eImg = nullptr;
    QPushButton* spdImgClear = nullptr;
    QPushButton* spdImgSelect = nullptr;
    QPushButton* spdImgOk = nullptr;
    QFrame* pnlColor = nullptr;
    QPushButton* spdColorClear = nullptr;
    QPushButton* spdColorSelect = nullptr;
    QFrame* pnlColorArray = nullptr;
    QListWidget* lbColorArray = nullptr;
    QPushButton* spdColorArrayClear = nullptr;
    QPushButton* spdColorArraySelect = nullptr;
    QPushButton* spdColorArrayOk = nullptr;
    QFrame* pnlFontDecorArray = nullptr;
    QListWidget* lbFontDecorArray = nullptr;
    QPushButton* spdFontDecorOk = nullptr;
    QFrame* pnlBorderStyle = nullptr;
    QListWidget* lbBorderStyle = nullptr;
    QPushButton* spdBorderStyleOk = nullptr;
    QFrame* pnlAlign = nullptr;
    QPushButton* spdAlignLeft = nullptr;
    QPushButton* spdAlignCenter = nullptr;
    QPushButton* spdAlignRight = nullptr;
    QFrame* pnlPercents = nullptr;
    QSlider* tbPercents = nullptr;
    QLabel* lblPercentsValue = nullptr;
    QPushButton* spdPercentsOk = nullptr;
    QFrame* pnlTransition = nullptr;
    QSlider* tbTransition = nullptr;
    QLabel* lblTransitionValue = nullptr;
    QPushButton* spdTransitionOk = nullptr;
    QFrame* pnlStrs = nullptr;
    widgets::TargetList* lbStrs = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    QFrame* panel(const char* name);
    QPushButton* button(QFrame* panel, const char* name, const QString& caption,
                        bool choice = false);
    void show(QFrame* panel, bool valueWidth, int dy = 0);
    const model::TPropType& param() const;
    // Stores `value` for the current row as this opening's step.
    void store(const model::TPropType& value);
    // Runs a modal window from inside the open panel without the panel taking it for leaving.
    template <typename Fn> auto modal(Fn&& fn);

    void openInt();
    void eIntKeyEnter();
    void openImg();
    void pickImage();
    void openColor();
    void pickColor();
    void fillColorArray();
    void pickArrayColor();
    void setListEntry(QListWidget* list, int32_t value);
    void fillNamesList(QListWidget* list, std::string_view (*name)(int));
    void openStrs();
    void strsChosen(int index);

    doc::Document& document_;
    doc::Prompter& prompter_;
    DGProps& grid_;
    QWidget* host_;
    QString startFolder_;
    TfrmFont* font_ = nullptr;
    TfrmText* text_ = nullptr;
    TfrmImages* images_ = nullptr;

    QWidget* open_ = nullptr;
    int row_ = -1;
    int session_ = 0;
    bool storing_ = false; // a change of this editor's own: it does not close it
    bool inModal_ = false; // a dialog of the open panel is up: its focus is not a leaving
    bool filling_ = false; // the program sets a control: nothing is stored
    QTimer timerHide_;
};

} // namespace menuloom::ui
