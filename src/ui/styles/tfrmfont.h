#pragma once
// The Font dialog: family, size and weight of a "fontStyle" parameter (mode 0) or of an item
// style (mode 1), with a test panel that shows the choice.

#include "widgets/framelessdialog.h"

#include <QStringList>

class QLabel;
class QListWidget;
class QPushButton;

namespace menuloom::doc {
class Document;
class Prompter;
} // namespace menuloom::doc

namespace menuloom::ui {

class TfrmFont : public widgets::FramelessDialog {
    Q_OBJECT
public:
    enum Mode { ParameterMode = 0, ItemStyleMode = 1 };

    TfrmFont(doc::Document& document, doc::Prompter& prompter, QWidget* parent = nullptr);

    // Set by the caller before each opening.
    void setMode(int mode) { mode_ = mode; }
    int mode() const { return mode_; }
    // Mode 0: the row of the "fontStyle" parameter being edited.
    void setParameterRow(int row) { row_ = row; }
    // Mode 1: the item style being edited.
    void setStyleIndex(int k) { style_ = k; }

    // The family and size the test panel shows; Apply stores them.
    QString testFamily() const { return testFamily_; }
    int testSize() const { return testSize_; }

    QListWidget* lbFontName = nullptr;
    QListWidget* lbFontSize = nullptr;
    QListWidget* lbFontStyle = nullptr;
    QLabel* pnlFontTest = nullptr;
    QPushButton* spdApply = nullptr;
    QPushButton* spdCancel = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Loads the lists and selects the stored font (each opening).
    void FormActivate();
    // Shows the chosen font in the test panel when a family is chosen.
    void lbFontNameClick();
    void spdApplyClick();
    void spdCancelClick();

    doc::Document& document_;
    doc::Prompter& prompter_;
    int mode_ = ParameterMode;
    int row_ = -1;
    int style_ = -1;
    QStringList families_; // "Default" and the installed families, taken once per run
    bool familiesLoaded_ = false;
    bool filling_ = false;
    QString testFamily_ = QStringLiteral("Tahoma");
    int testSize_ = 8;
};

} // namespace menuloom::ui
