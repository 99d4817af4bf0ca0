#include "ui/styles/tfrmfont.h"

#include "doc/document.h"
#include "doc/prompter.h"
#include "model/paramtable.h"
#include "widgets/conversions.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace menuloom::ui {

using widgets::fromModel;
using widgets::toModel;

namespace {

constexpr int kSizeRows = 100;

QListWidget* fontList(const char* name, const QString& label, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setAccessibleName(label);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

// Selects `row`, or nothing when it is no row of the list.
void selectRow(QListWidget* list, int row) {
    if (row >= 0 && row < list->count()) {
        list->setCurrentRow(row);
        list->scrollToItem(list->item(row), QAbstractItemView::PositionAtCenter);
    } else {
        list->setCurrentRow(-1);
        list->clearSelection();
    }
}

// The chosen row, or -1. A list may hold a current row that is not chosen (focusing a list
// without a choice makes its first row current), so the selection decides.
int chosenRow(const QListWidget* list) {
    const QList<QListWidgetItem*> items = list->selectedItems();
    return items.isEmpty() ? -1 : list->row(items.first());
}

} // namespace

TfrmFont::TfrmFont(doc::Document& document, doc::Prompter& prompter, QWidget* parent)
    : widgets::FramelessDialog(QStringLiteral("Font"), parent), document_(document),
      prompter_(prompter) {
    setObjectName(QStringLiteral("frmFont"));

    lbFontName = fontList("lbFontName", QStringLiteral("Name:"), this);
    lbFontSize = fontList("lbFontSize", QStringLiteral("Size:"), this);
    lbFontStyle = fontList("lbFontStyle", QStringLiteral("Style:"), this);
    for (int size = 1; size <= kSizeRows; ++size)
        lbFontSize->addItem(QString::number(size));
    for (std::string_view weight : model::kFontWeightNames)
        lbFontStyle->addItem(QString::fromLatin1(weight.data(), qsizetype(weight.size())));
    lbFontName->setMinimumWidth(200);
    lbFontSize->setFixedWidth(64);
    lbFontStyle->setFixedWidth(96);

    auto* lists = new QGridLayout;
    lists->setHorizontalSpacing(8);
    lists->setVerticalSpacing(3);
    const std::pair<QListWidget*, const char*> columns[] = {
        {lbFontName, "Name:"}, {lbFontSize, "Size:"}, {lbFontStyle, "Style:"}};
    int column = 0;
    for (const auto& [list, text] : columns) {
        auto* label = new QLabel(QString::fromLatin1(text), this);
        label->setBuddy(list);
        lists->addWidget(label, 0, column);
        lists->addWidget(list, 1, column);
        ++column;
    }
    lists->setColumnStretch(0, 1);
    lists->setRowStretch(1, 1);

    pnlFontTest = new QLabel(QStringLiteral("Text Test: AaBbCcDd"), this);
    pnlFontTest->setObjectName(QStringLiteral("pnlFontTest"));
    pnlFontTest->setAlignment(Qt::AlignCenter);
    // A large size is clipped by the panel, not allowed to grow the dialog.
    pnlFontTest->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    pnlFontTest->setFixedHeight(64);
    pnlFontTest->setStyleSheet(QStringLiteral(
        "#pnlFontTest { background: #f7f8fa; border: 1px solid #d8dde6; border-radius: 4px; "
        "color: #1f293b; }"));
    QFont font(testFamily_);
    font.setPointSize(testSize_);
    pnlFontTest->setFont(font);
    lists->addWidget(pnlFontTest, 2, 0, 1, 3);
    body()->addWidget(panel("pnlFont", QString(), lists, this), 1);

    spdApply = new QPushButton(QStringLiteral("Apply"), this);
    spdApply->setObjectName(QStringLiteral("spdApply"));
    spdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    spdCancel->setObjectName(QStringLiteral("spdCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {spdApply, spdCancel}) {
        // Enter and Escape belong to the dialog, not to the focused button.
        b->setAutoDefault(false);
        b->setMinimumWidth(88);
        buttons->addWidget(b);
    }
    body()->addLayout(buttons);
    resize(440, 400);

    for (QListWidget* list : {lbFontName, lbFontSize, lbFontStyle})
        connect(list, &QListWidget::itemSelectionChanged, this, [this] {
            if (!filling_)
                lbFontNameClick();
        });
    connect(spdApply, &QPushButton::clicked, this, [this] { spdApplyClick(); });
    connect(spdCancel, &QPushButton::clicked, this, [this] { spdCancelClick(); });
}

void TfrmFont::showEvent(QShowEvent* event) {
    FormActivate();
    widgets::FramelessDialog::showEvent(event);
    lbFontName->setFocus(Qt::ActiveWindowFocusReason);
}

void TfrmFont::FormActivate() {
    if (!familiesLoaded_) {
        QStringList installed = prompter_.fontFamilies();
        std::sort(installed.begin(), installed.end(), [](const QString& a, const QString& b) {
            return QString::compare(a, b, Qt::CaseInsensitive) < 0;
        });
        families_ = QStringList{QStringLiteral("Default")} + installed;
        familiesLoaded_ = true;
    }

    // The font value being edited; without one (no such style or row) nothing is selected.
    QString family;
    int size = 0;
    int weight = -1;
    const model::Project& project = document_.project();
    if (mode_ == ItemStyleMode) {
        if (project.itemStyles.valid(style_)) {
            const model::TStyle& s = project.itemStyles.at(style_);
            family = fromModel(s.fontName);
            size = s.fontSize;
            weight = s.fontWeight;
        }
    } else if (row_ >= 0 && row_ < static_cast<int>(project.params.size())) {
        const model::TPropType& p = project.params[static_cast<std::size_t>(row_)];
        family = fromModel(p.text);
        size = p.num;
        weight = p.flag;
    }

    filling_ = true;
    lbFontName->clear();
    lbFontName->addItems(families_);
    selectRow(lbFontSize, size - 1);
    selectRow(lbFontStyle, weight);
    // The first exact match, letter case included; none selects no family.
    selectRow(lbFontName, static_cast<int>(families_.indexOf(family)));
    filling_ = false;
    lbFontNameClick();
}

void TfrmFont::lbFontNameClick() {
    const int family = chosenRow(lbFontName);
    if (family < 0)
        return;
    testFamily_ = lbFontName->item(family)->text();
    testSize_ = chosenRow(lbFontSize) + 1;
    const int weight = chosenRow(lbFontStyle);
    QFont font(testFamily_);
    if (testSize_ > 0)
        font.setPointSize(testSize_);
    font.setBold(weight == 1 || weight == 2);
    pnlFontTest->setFont(font);
}

void TfrmFont::spdApplyClick() {
    const std::string family = toModel(testFamily_);
    const int weight = chosenRow(lbFontStyle);
    const model::Project& project = document_.project();
    if (mode_ == ItemStyleMode) {
        if (project.itemStyles.valid(style_)) {
            model::TStyle s = project.itemStyles.at(style_);
            s.fontName = family;
            s.fontSize = testSize_;
            s.fontWeight = weight;
            document_.setStyle<model::TStyle>(style_, s);
        }
    } else if (row_ >= 0 && row_ < static_cast<int>(project.params.size())) {
        model::TPropType p = project.params[static_cast<std::size_t>(row_)];
        p.text = family;
        p.num = testSize_;
        p.flag = weight;
        document_.setParam(row_, std::move(p));
    }
    accept();
}

void TfrmFont::spdCancelClick() {
    reject();
}

void TfrmFont::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        spdApplyClick();
        return;
    case Qt::Key_Escape:
        event->accept();
        spdCancelClick();
        return;
    default:
        widgets::FramelessDialog::keyPressEvent(event);
    }
}

} // namespace menuloom::ui
