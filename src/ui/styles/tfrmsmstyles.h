#pragma once
// The Submenu Styles dialog: creates, names, duplicates, deletes and edits the submenu styles.
// Every change is a step on the document's undo stack; there is nothing to commit or cancel.

#include "ui/styles/styledialogbase.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QSlider;

namespace menuloom::widgets {
class ColorButton;
class ContrastNote;
} // namespace menuloom::widgets

namespace menuloom::ui {

class TfrmSmStyles : public StyleDialogBase {
    Q_OBJECT
public:
    // `startFolder`: where the image file picker starts.
    TfrmSmStyles(doc::Document& document, doc::Prompter& prompter, QString startFolder,
                 QWidget* parent = nullptr);

protected:
    void showSelection() override { lbSmStylesClick(); }
    void nameEdited() override { eSmStyleNameChange(); }
    void showContrast() override;

private:
    QWidget* buildParameters();

    // The selection display.
    void lbSmStylesClick();
    // Colour "Select..." by tag: 0 border colour, 1 back colour.
    void spdSmBorderColorClick(int tag);
    int32_t spdSmBorderColorPostPaint(int tag) const;
    // "Clear" by tag: 0 border colour, 1 back colour, 2 back image.
    void spdSmBorderColorClearClick(int tag);
    // The five check boxes.
    void cbBorderColorClick(QCheckBox* box, bool on);
    void cbSmBorderStyleChange(int row);
    void tbSmWidthChange(int position);
    void eSmBackImageChange();
    void spdSmBackImageClick();
    void eSmStyleNameChange();
    void spdAddSmStyleClick();
    void spdDuplicateSmStyleClick();
    void spdDeleteSmStyleClick();
    void spdDeleteAllSmStylesClick();

    int widthSession_ = 0; // one drag of the track bar, one step

    std::array<QCheckBox*, 5> flagBoxes_{};
    std::array<widgets::ColorButton*, 2> colorButtons_{};
    widgets::ContrastNote* backContrast_ = nullptr; // the text's contrast on the back colour
    QComboBox* cbSmBorderStyle = nullptr;
    QSlider* tbSmWidth = nullptr;
    QLabel* lblSmWidth = nullptr;
    QLineEdit* eSmBackImage = nullptr;
};

} // namespace menuloom::ui
