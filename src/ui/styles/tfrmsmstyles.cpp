#include "ui/styles/tfrmsmstyles.h"

#include "doc/document.h"
#include "model/paramtable.h"
#include "output/datawriter.h"
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

using model::TSmStyle;

namespace {

struct FlagEntry {
    const char* name;
    const char* caption;
    bool TSmStyle::*field;
};
constexpr FlagEntry kFlags[5] = {
    {"cbBorderColor", "Border Color:", &TSmStyle::useMenuBorderColor},
    {"cbBackColor", "Back Color:", &TSmStyle::useMenuBackColor},
    {"cbBorderStyle", "Border Style:", &TSmStyle::useMenuBorderStyle},
    {"cbBorderWidth", "Border Width:", &TSmStyle::useMenuBorderWidth},
    {"cbBackImage", "Back Image:", &TSmStyle::useMenuBackImage},
};
enum Flag { kBorderColor, kBackColor, kBorderStyle, kBorderWidth, kBackImage };

// By tag: border colour, back colour.
constexpr int32_t TSmStyle::*kColors[2] = {&TSmStyle::menuBorderColor, &TSmStyle::menuBackColor};

} // namespace

TfrmSmStyles::TfrmSmStyles(doc::Document& document, doc::Prompter& prompter, QString startFolder,
                           QWidget* parent)
    : StyleDialogBase(document, prompter, std::move(startFolder), model::StyleKind::Submenu,
                      QStringLiteral("Submenu Styles"),
                      {"lbSmStyles", "spdAddSmStyle", "spdDeleteSmStyle", "spdDeleteAllSmStyles",
                       "spdDuplicateSmStyle", "eSmStyleName"},
                      parent) {
    setObjectName(QStringLiteral("frmSmStyles"));
    setParametersPanel(buildParameters());

    connect(add_, &QPushButton::clicked, this, [this] { spdAddSmStyleClick(); });
    connect(duplicate_, &QPushButton::clicked, this, [this] { spdDuplicateSmStyleClick(); });
    connect(remove_, &QPushButton::clicked, this, [this] { spdDeleteSmStyleClick(); });
    connect(removeAll_, &QPushButton::clicked, this, [this] { spdDeleteAllSmStylesClick(); });
    selectStyle(-1);
}

QWidget* TfrmSmStyles::buildParameters() {
    // The controls are made without a parent: the layout adopts them in reading order, which
    // becomes the order of the keyboard focus and of the accessible tree.
    auto* host = new QWidget(this);
    for (int i = 0; i < 5; ++i)
        flagBoxes_[static_cast<std::size_t>(i)] =
            makeFlagBox(kFlags[i].name, kFlags[i].caption,
                        [this](QCheckBox* box, bool on) { cbBorderColorClick(box, on); });

    const char* colorNames[2][2] = {{"spdSmBorderColor", "spdSmBorderColorClear"},
                                    {"spdSmBackColor", "spdSmBackColorClear"}};
    QPushButton* clears[3] = {};
    for (int tag = 0; tag < 2; ++tag) {
        const QString group = latin(kFlags[tag == 0 ? kBorderColor : kBackColor].caption);
        auto* select = new ColorButton(QStringLiteral("Select..."));
        select->setObjectName(latin(colorNames[tag][0]));
        select->setAccessibleName(group + QStringLiteral(" Select..."));
        select->setSwatchSource([this, tag] { return spdSmBorderColorPostPaint(tag); });
        connect(select, &QPushButton::clicked, this, [this, tag] { spdSmBorderColorClick(tag); });
        colorButtons_[static_cast<std::size_t>(tag)] = select;
        clears[tag] = makeButton(colorNames[tag][1], QStringLiteral("Clear"),
                                 group + QStringLiteral(" Clear"));
    }

    backContrast_ = new widgets::ContrastNote;
    backContrast_->setObjectName(QStringLiteral("lblSmBackColorContrast"));
    backContrast_->setCompact(true);
    backContrast_->setInset(4);

    cbSmBorderStyle = new QComboBox;
    cbSmBorderStyle->setObjectName(QStringLiteral("cbSmBorderStyle"));
    for (std::string_view name : model::kBorderStyleNames)
        cbSmBorderStyle->addItem(
            QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    cbSmBorderStyle->setMinimumWidth(140);
    connect(cbSmBorderStyle, &QComboBox::activated, this,
            [this](int row) { cbSmBorderStyleChange(row); });

    const widgets::WidthSlider width = widgets::makeWidthSlider(
        "tbSmWidth", "lblSmWidth", QStringLiteral("Border Width:"), widthSession_);
    tbSmWidth = width.bar;
    lblSmWidth = width.label;
    connect(tbSmWidth, &QSlider::valueChanged, this, [this](int v) { tbSmWidthChange(v); });

    eSmBackImage = new QLineEdit;
    eSmBackImage->setObjectName(QStringLiteral("eSmBackImage"));
    eSmBackImage->setAccessibleName(QStringLiteral("Back Image:"));
    eSmBackImage->setMinimumWidth(190);
    trackSession(eSmBackImage);
    connect(eSmBackImage, &QLineEdit::textChanged, this, [this] {
        if (!filling_)
            eSmBackImageChange();
    });
    auto* spdSmBackImage = makeButton("spdSmBackImage", QStringLiteral("Select..."),
                                      QStringLiteral("Back Image: Select..."));
    connect(spdSmBackImage, &QPushButton::clicked, this, [this] { spdSmBackImageClick(); });
    clears[2] = makeButton("spdSmBackImageClear", QStringLiteral("Clear"),
                           QStringLiteral("Back Image: Clear"));
    for (int tag = 0; tag < 3; ++tag)
        connect(clears[tag], &QPushButton::clicked, this,
                [this, tag] { spdSmBorderColorClearClick(tag); });

    // One row per value, headed by its check box.
    auto* grid = new QGridLayout(host);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(8);
    grid->setColumnStretch(1, 1);
    // Check boxes only as wide as their captions, so that their middle is on them.
    auto flag = [this](Flag f) { return flagBoxes_[static_cast<std::size_t>(f)]; };
    auto pairRow = [&](int row, QWidget* a, QWidget* b, QWidget* c = nullptr) {
        auto* pair = new QHBoxLayout;
        pair->setSpacing(6);
        pair->addWidget(a);
        if (b)
            pair->addWidget(b);
        if (c)
            pair->addWidget(c);
        pair->addStretch(1);
        grid->addLayout(pair, row, 1, 1, 3);
    };
    grid->addWidget(flag(kBorderColor), 0, 0, Qt::AlignLeft);
    pairRow(0, colorButtons_[0], clears[0]);
    grid->addWidget(flag(kBackColor), 1, 0, Qt::AlignLeft);
    pairRow(1, colorButtons_[1], clears[1], backContrast_);
    grid->addWidget(flag(kBorderStyle), 2, 0, Qt::AlignLeft);
    pairRow(2, cbSmBorderStyle, nullptr);
    grid->addWidget(flag(kBorderWidth), 3, 0, Qt::AlignLeft);
    grid->addWidget(tbSmWidth, 3, 1);
    grid->addWidget(lblSmWidth, 3, 2);
    grid->addWidget(flag(kBackImage), 4, 0, Qt::AlignLeft);
    grid->addWidget(eSmBackImage, 4, 1);
    grid->addWidget(spdSmBackImage, 4, 2);
    grid->addWidget(clears[2], 4, 3);
    auto* note = new QLabel(QStringLiteral("A ticked value replaces the menu's own value in "
                                           "the submenu boxes of the items that use this style."));
    note->setObjectName(QStringLiteral("lblNote"));
    note->setProperty("hint", true);
    note->setWordWrap(true);
    grid->setRowStretch(5, 1);
    grid->addWidget(note, 6, 0, 1, 4);

    auto* content = new QVBoxLayout;
    content->addWidget(host);
    return panel("pnlStyleParameters", QStringLiteral("Style Parameters"), content, this);
}

void TfrmSmStyles::lbSmStylesClick() {
    // The swatches first: they show the selected style's colours, or none.
    const TSmStyle* s = selectedRecord<TSmStyle>();
    for (int tag = 0; tag < 2; ++tag) {
        ColorButton* b = colorButtons_[static_cast<std::size_t>(tag)];
        const int32_t color = s ? s->*kColors[tag] : -1;
        b->setAccessibleDescription(color < 0 ? QString()
                                              : QString::fromStdString(output::formatColor(color)));
        b->update();
    }
    showCommon();
    if (!s)
        return;
    const bool was = filling_;
    filling_ = true;
    const int row = s->menuBorderStyle + 1;
    cbSmBorderStyle->setCurrentIndex(row >= 0 && row < cbSmBorderStyle->count() ? row : -1);
    tbSmWidth->setValue(s->menuBorderWidth);
    lblSmWidth->setText(QString::number(tbSmWidth->value()));
    setEditText(eSmBackImage, fromModel(s->menuBackImage));
    for (int i = 0; i < 5; ++i)
        flagBoxes_[static_cast<std::size_t>(i)]->setChecked(s->*kFlags[i].field);
    filling_ = was;
}

int32_t TfrmSmStyles::spdSmBorderColorPostPaint(int tag) const {
    const TSmStyle* s = selectedRecord<TSmStyle>();
    return s ? s->*kColors[tag] : -1;
}

void TfrmSmStyles::showContrast() {
    // Beside a set back colour: the contrast of the text on it.
    const TSmStyle* s = selectedRecord<TSmStyle>();
    QList<doc::ColorUse> uses;
    if (s && s->menuBackColor != -1)
        uses = widgets::colorUses(
            document_.project(), check::Place::ofSmStyle(selected_), {0, 1},
            [k = selected_](check::Looks& looks) { looks.applySmStyleColors(k); });
    backContrast_->setUses(uses);
    // The colour's button tells it too, to whoever reaches the button by keyboard.
    colorButtons_[1]->setAccessibleDescription(backContrast_->describing(
        s && s->menuBackColor != -1 ? QString::fromStdString(output::formatColor(s->menuBackColor))
                                    : QString()));
}

void TfrmSmStyles::spdSmBorderColorClick(int tag) {
    if (selected_ < 0)
        return;
    // The back colour: the picker judges the text on it.
    doc::ColorJudge judge;
    if (tag == 1)
        judge = [this, k = selected_](const QColor& color) {
            return widgets::colorUses(
                document_.project(), check::Place::ofSmStyle(k), {0, 1}, [&](check::Looks& looks) {
                    looks.smStyle(k)->menuBackColor = widgets::colorValue(color);
                    looks.applySmStyleColors(k);
                });
        };
    const std::optional<int32_t> color = pickColor(judge);
    if (!color)
        return;
    editStep<TSmStyle>([&](TSmStyle& s) { s.*kColors[tag] = *color; });
    lbSmStylesClick();
}

void TfrmSmStyles::spdSmBorderColorClearClick(int tag) {
    editStep<TSmStyle>([&](TSmStyle& s) {
        if (tag == 2)
            s.menuBackImage.clear();
        else
            s.*kColors[tag] = -1;
    });
    if (tag == 2 && selected_ >= 0)
        setEditText(eSmBackImage, QString());
    lbSmStylesClick();
}

void TfrmSmStyles::cbBorderColorClick(QCheckBox* box, bool on) {
    for (int i = 0; i < 5; ++i)
        if (flagBoxes_[static_cast<std::size_t>(i)] == box)
            editStep<TSmStyle>([&](TSmStyle& s) { s.*kFlags[i].field = on; });
}

void TfrmSmStyles::cbSmBorderStyleChange(int row) {
    if (row < 0)
        return;
    editStep<TSmStyle>([&](TSmStyle& s) { s.menuBorderStyle = row - 1; });
}

void TfrmSmStyles::tbSmWidthChange(int position) {
    lblSmWidth->setText(QString::number(position));
    if (filling_)
        return;
    editStep<TSmStyle>([&](TSmStyle& s) { s.menuBorderWidth = position; }, widthSession_);
}

void TfrmSmStyles::eSmBackImageChange() {
    const std::string path = toModel(eSmBackImage->text());
    editStep<TSmStyle>([&](TSmStyle& s) { s.menuBackImage = path; }, sessionOf(eSmBackImage));
}

void TfrmSmStyles::spdSmBackImageClick() {
    if (selected_ < 0)
        return;
    const std::optional<QString> path = pickImage();
    if (!path)
        return;
    editStep<TSmStyle>([&](TSmStyle& s) { s.menuBackImage = toModel(*path); });
    setEditText(eSmBackImage, *path);
}

void TfrmSmStyles::eSmStyleNameChange() {
    renameStep<TSmStyle>();
}

void TfrmSmStyles::spdAddSmStyleClick() {
    addStep<TSmStyle>();
}

void TfrmSmStyles::spdDuplicateSmStyleClick() {
    duplicateStep<TSmStyle>();
}

void TfrmSmStyles::spdDeleteSmStyleClick() {
    deleteStep<TSmStyle>();
}

void TfrmSmStyles::spdDeleteAllSmStylesClick() {
    deleteAllStep<TSmStyle>();
}

} // namespace menuloom::ui
