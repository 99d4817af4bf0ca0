#pragma once
// The Select images dialog: the fixed-length list of image paths of an "imgArray" parameter.
// Every change is written at once; one opening is one undo step.

#include "widgets/framelessdialog.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace menuloom::doc {
class Document;
class Prompter;
} // namespace menuloom::doc

namespace menuloom::ui {

class TfrmImages : public widgets::FramelessDialog {
    Q_OBJECT
public:
    // `startFolder`: where the image file picker starts (the current folder when the main window
    // was created).
    TfrmImages(doc::Document& document, doc::Prompter& prompter, QString startFolder,
               QWidget* parent = nullptr);

    // The "imgArray" parameter at `row`: one list row per entry of its declared length.
    void setParameterRow(int row);

    QListWidget* lbImgArray = nullptr;
    QLineEdit* eImg = nullptr;
    QPushButton* spdImgArraySelect = nullptr;
    QPushButton* spdImgArrayClear = nullptr;
    QPushButton* spdImgArrayOk = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void lbImgArrayClick();
    void eImgChange();
    void spdImgArraySelectClick();
    void spdImgArrayClearClick();
    void spdImgArrayOkClick();
    // Enter and Escape close without the change notification (the edits are already stored).
    void FormKeyPress(QKeyEvent* event);

    // The entries as the model holds them, padded to the declared length.
    QStringList entries() const;
    void fillRows();
    // Entry `index` of the parameter takes `path` (one step per opening).
    void storeEntry(int index, const QString& path);
    void setEditText(const QString& text);

    doc::Document& document_;
    doc::Prompter& prompter_;
    QString startFolder_;
    int row_ = -1;
    int session_ = 0;
    bool filling_ = false;
};

} // namespace menuloom::ui
