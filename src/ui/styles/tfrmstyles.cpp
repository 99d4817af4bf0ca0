#include "ui/styles/tfrmstyles.h"

#include "doc/document.h"
#include "model/paramtable.h"
#include "output/datawriter.h"
#include "ui/styles/tfrmfont.h"
#include "widgets/colorbutton.h"
#include "widgets/contrastnote.h"
#include "widgets/conversions.h"
#include "widgets/widthslider.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace menuloom::ui {

using widgets::ColorButton;
using widgets::fromModel;
using widgets::toModel;

using model::TStyle;

namespace {

struct ColorEntry {
    const char* select;
    const char* clear;
    const char* group;
    const char* label;
    int32_t TStyle::*field;
};
// By tag: font normal, font over, back normal, back over, border normal, border over.
constexpr ColorEntry kColors[6] = {
    {"spdFontColorNormal", "spdFontColorNormalClear", "Font Colors",
     "Color Normal:", &TStyle::fontColorNormal},
    {"spdFontColorOver", "newSpd3", "Font Colors", "Color Over:", &TStyle::fontColorOver},
    {"spdBackColorNormal", "newSpd5", "Item Back Color",
     "Color Normal:", &TStyle::itemBackColorNormal},
    {"spdBackColorOver", "newSpd6", "Item Back Color", "Color Over:", &TStyle::itemBackColorOver},
    {"spdBorderColorNormal", "newSpd4", "Item Border Color",
     "Color Normal:", &TStyle::itemBorderColorNormal},
    {"spdBorderColorOver", "newSpd7", "Item Border Color",
     "Color Over:", &TStyle::itemBorderColorOver},
};

struct ImageEntry {
    const char* edit;
    const char* select;
    const char* group;
    const char* label;
    std::string TStyle::*field;
};
// By tag: back normal, back over, main arrow normal and over, sub arrow normal and over.
constexpr ImageEntry kImages[6] = {
    {"eBackImageNormal", "newSpd14", "Item Back Image",
     "Image Normal:", &TStyle::itemBackImageNormal},
    {"eBackImageOver", "newSpd15", "Item Back Image", "Image Over:", &TStyle::itemBackImageOver},
    {"eImageMainNormal", "newSpd1", "Arrow Image Main",
     "Image Normal:", &TStyle::arrowImageMainNormal},
    {"eImageMainOver", "newSpd2", "Arrow Image Main", "Image Over:", &TStyle::arrowImageMainOver},
    {"eImageSubNormal", "newSpd10", "Arrow Image Sub",
     "Image Normal:", &TStyle::arrowImageSubNormal},
    {"eImageSubOver", "newSpd11", "Arrow Image Sub", "Image Over:", &TStyle::arrowImageSubOver},
};

struct FlagEntry {
    const char* name;
    const char* caption;
    bool TStyle::*field;
};
constexpr FlagEntry kFlags[10] = {
    {"cbFontStyle", "Font Style:", &TStyle::useFontStyle},
    {"cbFontColors", "Font Colors", &TStyle::useFontColor},
    {"cbFontDecors", "Font Decoration", &TStyle::useFontDecoration},
    {"cbItemBackColor", "Item Back Color", &TStyle::useItemBackColor},
    {"cbItemBorderColor", "Item Border Color", &TStyle::useItemBorderColor},
    {"cbItemBorderWidth", "Item Border Width", &TStyle::useItemBorderWidth},
    {"cbItemBorderStyle", "Item Border Style", &TStyle::useItemBorderStyle},
    {"cbItemBackImage", "Item Back Image", &TStyle::useItemBackImage},
    {"cbArrowImageMain", "Arrow Image Main", &TStyle::useArrowImageMain},
    {"cbArrowImageSub", "Arrow Image Sub", &TStyle::useArrowImageSub},
};
enum Flag {
    kFontStyle,
    kFontColors,
    kFontDecors,
    kItemBackColor,
    kItemBorderColor,
    kItemBorderWidth,
    kItemBorderStyle,
    kItemBackImage,
    kArrowImageMain,
    kArrowImageSub
};

template <std::size_t N>
QComboBox* nameList(const char* name, const std::array<std::string_view, N>& names) {
    auto* list = new QComboBox;
    list->setObjectName(QString::fromLatin1(name));
    for (std::string_view entry : names)
        list->addItem(QString::fromLatin1(entry.data(), static_cast<qsizetype>(entry.size())));
    list->setMinimumWidth(140);
    return list;
}

// Shows `row`, or no row when the stored value names none.
void showRow(QComboBox* list, int row) {
    list->setCurrentIndex(row >= 0 && row < list->count() ? row : -1);
}

} // namespace

TfrmStyles::TfrmStyles(doc::Document& document, doc::Prompter& prompter, TfrmFont& font,
                       QString startFolder, QWidget* parent)
    : StyleDialogBase(document, prompter, std::move(startFolder), model::StyleKind::Item,
                      QStringLiteral("Item Styles"),
                      {"lbStyles", "spdAddStyle", "spdDeleteStyle", "spdDeleteAllStyles",
                       "spdDuplicateStyle", "eStyleName"},
                      parent),
      font_(font) {
    setObjectName(QStringLiteral("frmStyles"));
    setParametersPanel(buildParameters());

    connect(add_, &QPushButton::clicked, this, [this] { spdAddStyleClick(); });
    connect(duplicate_, &QPushButton::clicked, this, [this] { spdDuplicateStyleClick(); });
    connect(remove_, &QPushButton::clicked, this, [this] { spdDeleteStyleClick(); });
    connect(removeAll_, &QPushButton::clicked, this, [this] { spdDeleteAllStylesClick(); });
    selectStyle(-1);
}

QWidget* TfrmStyles::buildParameters() {
    // The controls are made without a parent: the layouts adopt them in reading order, which
    // becomes the order of the keyboard focus and of the accessible tree.
    auto* host = new QWidget(this);
    auto label = [](const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text);
        // In line with the captions of the check boxes above.
        l->setContentsMargins(22, 0, 0, 0);
        if (buddy)
            l->setBuddy(buddy);
        return l;
    };
    for (int i = 0; i < 10; ++i)
        flagBoxes_[static_cast<std::size_t>(i)] =
            makeFlagBox(kFlags[i].name, kFlags[i].caption,
                        [this](QCheckBox* box, bool on) { cbFontColorsClick(box, on); });
    auto flag = [this](Flag f) { return flagBoxes_[static_cast<std::size_t>(f)]; };

    spdFontStyle = makeButton("spdFontStyle", QStringLiteral("normal 8pt Tahoma"));
    connect(spdFontStyle, &QPushButton::clicked, this, [this] { spdFontStyleClick(); });

    for (int tag = 0; tag < 6; ++tag) {
        const ColorEntry& entry = kColors[tag];
        const QString prefix =
            QStringLiteral("%1: %2 ").arg(latin(entry.group), latin(entry.label));
        auto* select = new ColorButton(QStringLiteral("Select..."));
        select->setObjectName(latin(entry.select));
        select->setAccessibleName(prefix + QStringLiteral("Select..."));
        select->setSwatchSource([this, tag] { return spdFontColorNormalPostPaint(tag); });
        auto* clear = makeButton(entry.clear, QStringLiteral("Clear"));
        clear->setAccessibleName(prefix + QStringLiteral("Clear"));
        connect(select, &QPushButton::clicked, this, [this, tag] { spdFontColorNormalClick(tag); });
        connect(clear, &QPushButton::clicked, this,
                [this, tag] { spdFontColorNormalClearClick(tag); });
        colorButtons_[static_cast<std::size_t>(tag)] = select;
        clearButtons_[static_cast<std::size_t>(tag)] = clear;
    }
    const char* noteNames[4] = {"lblFontColorNormalContrast", "lblFontColorOverContrast",
                                "lblBackColorNormalContrast", "lblBackColorOverContrast"};
    for (int tag = 0; tag < 4; ++tag) {
        auto* note = new widgets::ContrastNote;
        note->setObjectName(latin(noteNames[tag]));
        note->setCompact(true);
        note->setInset(4);
        contrastNotes_[static_cast<std::size_t>(tag)] = note;
    }

    for (int tag = 0; tag < 6; ++tag) {
        const ImageEntry& entry = kImages[tag];
        auto* edit = new QLineEdit;
        edit->setObjectName(latin(entry.edit));
        const QString name = QStringLiteral("%1: %2").arg(latin(entry.group), latin(entry.label));
        edit->setAccessibleName(name);
        edit->setMinimumWidth(190);
        trackSession(edit);
        connect(edit, &QLineEdit::textChanged, this, [this, tag] {
            if (!filling_)
                eImageMainNormalChange(tag);
        });
        auto* select = makeButton(entry.select, QStringLiteral("Select..."));
        select->setAccessibleName(name + QStringLiteral(" Select..."));
        connect(select, &QPushButton::clicked, this, [this, tag] { newSpd1Click(tag); });
        imageEdits_[static_cast<std::size_t>(tag)] = edit;
        imageButtons_[static_cast<std::size_t>(tag)] = select;
    }

    cbFontDecorNormal = nameList("cbFontDecorNormal", model::kDecorationNames);
    cbFontDecorOver = nameList("cbFontDecorOver", model::kDecorationNames);
    cbBorderStyleNormal = nameList("cbBorderStyleNormal", model::kBorderStyleNames);
    cbBorderStyleOver = nameList("cbBorderStyleOver", model::kBorderStyleNames);
    for (QComboBox* list :
         {cbFontDecorNormal, cbFontDecorOver, cbBorderStyleNormal, cbBorderStyleOver})
        connect(list, &QComboBox::activated, this,
                [this, list](int row) { cbFontDecorNormalChange(list, row); });

    const widgets::WidthSlider width = widgets::makeWidthSlider(
        "tbWidthNormal", "lblWidthNormal", QStringLiteral("Width:"), widthSession_);
    tbWidthNormal = width.bar;
    lblWidthNormal = width.label;
    connect(tbWidthNormal, &QSlider::valueChanged, this, [this](int v) { verChange(v); });

    // Two columns of groups, each group headed by its check box.
    auto column = [] {
        auto* grid = new QGridLayout;
        grid->setHorizontalSpacing(6);
        grid->setVerticalSpacing(4);
        grid->setColumnStretch(1, 1);
        return grid;
    };
    QGridLayout* left = column();
    QGridLayout* right = column();
    int row = 0;
    auto heading = [&](QGridLayout* grid, Flag f) {
        if (row > 0)
            grid->setRowMinimumHeight(row++, 6);
        // Only as wide as its caption, so that its middle is on it.
        grid->addWidget(flag(f), row++, 0, 1, 3, Qt::AlignLeft);
    };
    auto colorRow = [&](QGridLayout* grid, int tag) {
        auto* pair = new QHBoxLayout;
        pair->setSpacing(6);
        pair->addWidget(colorButtons_[static_cast<std::size_t>(tag)]);
        pair->addWidget(clearButtons_[static_cast<std::size_t>(tag)]);
        if (tag < 4)
            pair->addWidget(contrastNotes_[static_cast<std::size_t>(tag)]);
        pair->addStretch(1);
        grid->addWidget(label(latin(kColors[tag].label), nullptr), row, 0);
        grid->addLayout(pair, row++, 1, 1, 2);
    };
    auto listRow = [&](QGridLayout* grid, const char* text, QComboBox* list) {
        grid->addWidget(label(latin(text), list), row, 0);
        grid->addWidget(list, row++, 1, 1, 2);
    };
    auto imageRow = [&](QGridLayout* grid, int tag) {
        QLineEdit* edit = imageEdits_[static_cast<std::size_t>(tag)];
        grid->addWidget(label(latin(kImages[tag].label), edit), row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(imageButtons_[static_cast<std::size_t>(tag)], row++, 2);
    };

    left->addWidget(flag(kFontStyle), row, 0, Qt::AlignLeft);
    left->addWidget(spdFontStyle, row++, 1, 1, 2);
    heading(left, kFontColors);
    colorRow(left, 0);
    colorRow(left, 1);
    heading(left, kFontDecors);
    listRow(left, "Decoration Normal:", cbFontDecorNormal);
    listRow(left, "Decoration Over:", cbFontDecorOver);
    heading(left, kItemBackColor);
    colorRow(left, 2);
    colorRow(left, 3);
    heading(left, kItemBorderColor);
    colorRow(left, 4);
    colorRow(left, 5);
    left->setRowStretch(row, 1);

    row = 0;
    heading(right, kItemBorderWidth);
    auto* widthLabel = label(QStringLiteral("Width:"), tbWidthNormal);
    right->addWidget(widthLabel, row, 0);
    right->addWidget(tbWidthNormal, row, 1);
    right->addWidget(lblWidthNormal, row++, 2);
    heading(right, kItemBorderStyle);
    listRow(right, "Style Normal:", cbBorderStyleNormal);
    listRow(right, "Style Over:", cbBorderStyleOver);
    heading(right, kItemBackImage);
    imageRow(right, 0);
    imageRow(right, 1);
    heading(right, kArrowImageMain);
    imageRow(right, 2);
    imageRow(right, 3);
    heading(right, kArrowImageSub);
    imageRow(right, 4);
    imageRow(right, 5);
    right->setRowStretch(row, 1);

    auto* columns = new QHBoxLayout(host);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->setSpacing(18);
    columns->addLayout(left, 4);
    columns->addLayout(right, 5);

    auto* content = new QVBoxLayout;
    content->addWidget(host);
    return panel("pnlStyleParameters", QStringLiteral("Style Parameters"), content, this);
}

void TfrmStyles::lbStylesClick() {
    // The swatches first: they show the selected style's colours, or none.
    const TStyle* s = selectedRecord<TStyle>();
    for (int tag = 0; tag < 6; ++tag) {
        ColorButton* b = colorButtons_[static_cast<std::size_t>(tag)];
        const int32_t color = s ? s->*kColors[tag].field : -1;
        b->setAccessibleDescription(color < 0 ? QString()
                                              : QString::fromStdString(output::formatColor(color)));
        b->update();
    }
    showCommon();
    if (!s)
        return;
    const bool was = filling_;
    filling_ = true;
    spdFontStyle->setText(fromModel(model::fontDescription(*s)));
    showRow(cbFontDecorNormal, s->fontDecorationNormal);
    showRow(cbFontDecorOver, s->fontDecorationOver);
    showRow(cbBorderStyleNormal, s->itemBorderStyleNormal + 1);
    showRow(cbBorderStyleOver, s->itemBorderStyleOver + 1);
    tbWidthNormal->setValue(s->itemBorderWidth);
    lblWidthNormal->setText(QString::number(tbWidthNormal->value()));
    for (int tag = 0; tag < 6; ++tag)
        setEditText(imageEdits_[static_cast<std::size_t>(tag)], fromModel(s->*kImages[tag].field));
    for (int i = 0; i < 10; ++i)
        flagBoxes_[static_cast<std::size_t>(i)]->setChecked(s->*kFlags[i].field);
    filling_ = was;
}

int32_t TfrmStyles::spdFontColorNormalPostPaint(int tag) const {
    const TStyle* s = selectedRecord<TStyle>();
    return s ? s->*kColors[tag].field : -1;
}

void TfrmStyles::showContrast() {
    // Beside each colour that is set: the contrast of the text in the state it draws.
    const TStyle* s = selectedRecord<TStyle>();
    for (int tag = 0; tag < 4; ++tag) {
        QList<doc::ColorUse> uses;
        if (s && s->*kColors[tag].field != -1)
            uses = widgets::colorUses(
                document_.project(), check::Place::ofItemStyle(selected_), {tag % 2},
                [k = selected_](check::Looks& looks) { looks.applyStyleColors(k); });
        widgets::ContrastNote* note = contrastNotes_[static_cast<std::size_t>(tag)];
        note->setUses(uses);
        // The colour's button tells it too, to whoever reaches the button by keyboard.
        const int32_t color = s ? s->*kColors[tag].field : -1;
        colorButtons_[static_cast<std::size_t>(tag)]->setAccessibleDescription(note->describing(
            color < 0 ? QString() : QString::fromStdString(output::formatColor(color))));
    }
}

void TfrmStyles::spdFontColorNormalClick(int tag) {
    if (selected_ < 0)
        return;
    // The text colours and the back colours: the picker judges the state its colour draws.
    doc::ColorJudge judge;
    if (tag < 4)
        judge = [this, tag, k = selected_](const QColor& color) {
            return widgets::colorUses(document_.project(), check::Place::ofItemStyle(k), {tag % 2},
                                      [&](check::Looks& looks) {
                                          looks.itemStyle(k)->*kColors[tag].field =
                                              widgets::colorValue(color);
                                          looks.applyStyleColors(k);
                                      });
        };
    const std::optional<int32_t> color = pickColor(judge);
    if (!color)
        return;
    editStep<TStyle>([&](TStyle& s) { s.*kColors[tag].field = *color; });
    lbStylesClick();
}

void TfrmStyles::spdFontColorNormalClearClick(int tag) {
    editStep<TStyle>([&](TStyle& s) { s.*kColors[tag].field = -1; });
    lbStylesClick();
}

void TfrmStyles::cbFontColorsClick(QCheckBox* box, bool on) {
    for (int i = 0; i < 10; ++i)
        if (flagBoxes_[static_cast<std::size_t>(i)] == box)
            editStep<TStyle>([&](TStyle& s) { s.*kFlags[i].field = on; });
}

void TfrmStyles::cbFontDecorNormalChange(QComboBox* list, int row) {
    if (row < 0)
        return;
    editStep<TStyle>([&](TStyle& s) {
        if (list == cbFontDecorNormal)
            s.fontDecorationNormal = row;
        else if (list == cbFontDecorOver)
            s.fontDecorationOver = row;
        else if (list == cbBorderStyleNormal)
            s.itemBorderStyleNormal = row - 1;
        else
            s.itemBorderStyleOver = row - 1;
    });
}

void TfrmStyles::verChange(int position) {
    lblWidthNormal->setText(QString::number(position));
    if (filling_)
        return;
    editStep<TStyle>([&](TStyle& s) { s.itemBorderWidth = position; }, widthSession_);
}

void TfrmStyles::eImageMainNormalChange(int tag) {
    QLineEdit* edit = imageEdits_[static_cast<std::size_t>(tag)];
    // Exactly as typed, blanks included.
    const std::string path = toModel(edit->text());
    editStep<TStyle>([&](TStyle& s) { s.*kImages[tag].field = path; }, sessionOf(edit));
}

void TfrmStyles::newSpd1Click(int tag) {
    if (selected_ < 0)
        return;
    const std::optional<QString> path = pickImage();
    if (!path)
        return;
    editStep<TStyle>([&](TStyle& s) { s.*kImages[tag].field = toModel(*path); });
    setEditText(imageEdits_[static_cast<std::size_t>(tag)], *path);
}

void TfrmStyles::spdFontStyleClick() {
    if (!selectedRecord<TStyle>())
        return;
    font_.setMode(TfrmFont::ItemStyleMode);
    font_.setStyleIndex(selected_);
    font_.exec();
    // Whichever button closed it.
    if (const TStyle* s = selectedRecord<TStyle>())
        spdFontStyle->setText(fromModel(model::fontDescription(*s)));
}

void TfrmStyles::eStyleNameChange() {
    renameStep<TStyle>();
}

void TfrmStyles::spdAddStyleClick() {
    addStep<TStyle>();
}

void TfrmStyles::spdDuplicateStyleClick() {
    duplicateStep<TStyle>();
}

void TfrmStyles::spdDeleteStyleClick() {
    deleteStep<TStyle>();
}

void TfrmStyles::spdDeleteAllStylesClick() {
    deleteAllStep<TStyle>();
}

} // namespace menuloom::ui
