#pragma once
// The Item Styles dialog: creates, names, duplicates, deletes and edits the item styles. Every
// change is a step on the document's undo stack; there is nothing to commit or cancel.

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

class TfrmFont;

class TfrmStyles : public StyleDialogBase {
    Q_OBJECT
public:
    // `font`: the Font dialog, opened in item-style mode by the font button. `startFolder`:
    // where the image file picker starts.
    TfrmStyles(doc::Document& document, doc::Prompter& prompter, TfrmFont& font,
               QString startFolder, QWidget* parent = nullptr);

protected:
    void showSelection() override { lbStylesClick(); }
    void nameEdited() override { eStyleNameChange(); }
    void showContrast() override;

private:
    QWidget* buildParameters();

    // The selection display.
    void lbStylesClick();
    // Colour "Select..." and "Clear", told apart by their tags 0 to 5: font normal, font over,
    // back normal, back over, border normal, border over.
    void spdFontColorNormalClick(int tag);
    void spdFontColorNormalClearClick(int tag);
    // The swatch colour of the colour button with `tag` (-1: none).
    int32_t spdFontColorNormalPostPaint(int tag) const;
    // The ten check boxes.
    void cbFontColorsClick(QCheckBox* box, bool on);
    // The four drop-down lists.
    void cbFontDecorNormalChange(QComboBox* list, int row);
    // The border width track bar.
    void verChange(int position);
    // The six image edits and their "Select..." buttons, by tag 0 to 5: back normal, back over,
    // main arrow normal, main arrow over, sub arrow normal, sub arrow over.
    void eImageMainNormalChange(int tag);
    void newSpd1Click(int tag);
    void spdFontStyleClick();
    void eStyleNameChange();
    void spdAddStyleClick();
    void spdDuplicateStyleClick();
    void spdDeleteStyleClick();
    void spdDeleteAllStylesClick();

    TfrmFont& font_;
    int widthSession_ = 0; // one drag of the track bar, one step

    QPushButton* spdFontStyle = nullptr;
    std::array<widgets::ColorButton*, 6> colorButtons_{};
    std::array<QPushButton*, 6> clearButtons_{};
    std::array<QLineEdit*, 6> imageEdits_{};
    std::array<QPushButton*, 6> imageButtons_{};
    std::array<QCheckBox*, 10> flagBoxes_{};
    // The text's contrast beside the font and back colours, by tag 0 to 3.
    std::array<widgets::ContrastNote*, 4> contrastNotes_{};
    QComboBox* cbFontDecorNormal = nullptr;
    QComboBox* cbFontDecorOver = nullptr;
    QComboBox* cbBorderStyleNormal = nullptr;
    QComboBox* cbBorderStyleOver = nullptr;
    QSlider* tbWidthNormal = nullptr;
    QLabel* lblWidthNormal = nullptr;
};

} // namespace menuloom::ui
