#include "ui/styles/tfrmimages.h"

#include "doc/document.h"
#include "doc/prompter.h"
#include "widgets/conversions.h"
#include "widgets/imagepicker.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace menuloom::ui {

using widgets::fromModel;
using widgets::pickImagePath;
using widgets::toModel;

namespace {

QString rowText(const QString& path) {
    return path.isEmpty() ? QStringLiteral("[empty]") : path;
}

// A row shows its path, or "[empty]" in the muted colour.
void showRow(QListWidgetItem* item, const QString& path) {
    item->setText(rowText(path));
    item->setForeground(path.isEmpty() ? QBrush(QColor(0x8A, 0x93, 0xA3)) : QBrush());
}

} // namespace

TfrmImages::TfrmImages(doc::Document& document, doc::Prompter& prompter, QString startFolder,
                       QWidget* parent)
    : widgets::FramelessDialog(QStringLiteral("Select images"), parent), document_(document),
      prompter_(prompter), startFolder_(std::move(startFolder)) {
    setObjectName(QStringLiteral("frmImages"));

    lbImgArray = new QListWidget(this);
    lbImgArray->setObjectName(QStringLiteral("lbImgArray"));
    lbImgArray->setAccessibleName(QStringLiteral("Image files:"));
    lbImgArray->setMinimumHeight(64);
    eImg = new QLineEdit(this);
    eImg->setObjectName(QStringLiteral("eImg"));
    eImg->setAccessibleName(QStringLiteral("Image file:"));
    eImg->setPlaceholderText(QStringLiteral("path of the image"));
    spdImgArraySelect = new QPushButton(QStringLiteral("Select..."), this);
    spdImgArraySelect->setObjectName(QStringLiteral("spdImgArraySelect"));
    spdImgArrayClear = new QPushButton(QStringLiteral("Clear"), this);
    spdImgArrayClear->setObjectName(QStringLiteral("spdImgArrayClear"));
    spdImgArrayOk = new QPushButton(QStringLiteral("Ok"), this);
    spdImgArrayOk->setObjectName(QStringLiteral("spdImgArrayOk"));

    auto* label = new QLabel(QStringLiteral("Image files:"), this);
    label->setBuddy(lbImgArray);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    grid->addWidget(label, 0, 0, 1, 3);
    grid->addWidget(lbImgArray, 1, 0, 1, 3);
    grid->addWidget(eImg, 2, 0);
    grid->addWidget(spdImgArraySelect, 2, 1);
    grid->addWidget(spdImgArrayClear, 2, 2);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(1, 1);
    body()->addWidget(panel("pnlImages", QString(), grid, this), 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(spdImgArrayOk);
    spdImgArrayOk->setMinimumWidth(88);
    body()->addLayout(buttons);
    for (QPushButton* b : {spdImgArraySelect, spdImgArrayClear, spdImgArrayOk})
        b->setAutoDefault(false);
    resize(460, 250);

    connect(lbImgArray, &QListWidget::currentRowChanged, this, [this] {
        if (!filling_)
            lbImgArrayClick();
    });
    connect(lbImgArray, &QListWidget::itemDoubleClicked, this,
            [this] { spdImgArraySelectClick(); });
    connect(eImg, &QLineEdit::textChanged, this, [this] { eImgChange(); });
    connect(spdImgArraySelect, &QPushButton::clicked, this, [this] { spdImgArraySelectClick(); });
    connect(spdImgArrayClear, &QPushButton::clicked, this, [this] { spdImgArrayClearClick(); });
    connect(spdImgArrayOk, &QPushButton::clicked, this, [this] { spdImgArrayOkClick(); });
}

void TfrmImages::setParameterRow(int row) {
    row_ = row;
    fillRows();
}

QStringList TfrmImages::entries() const {
    const model::TProps& params = document_.project().params;
    if (row_ < 0 || row_ >= static_cast<int>(params.size()))
        return {};
    const model::TPropType& p = params[static_cast<std::size_t>(row_)];
    QStringList list;
    for (int i = 0; i < p.num; ++i)
        list << (i < static_cast<int>(p.strList.size())
                     ? fromModel(p.strList[static_cast<std::size_t>(i)])
                     : QString());
    return list;
}

void TfrmImages::fillRows() {
    filling_ = true;
    lbImgArray->clear();
    for (const QString& path : entries())
        showRow(new QListWidgetItem(lbImgArray), path);
    filling_ = false;
}

void TfrmImages::showEvent(QShowEvent* event) {
    // One opening is one undo step.
    session_ = doc::Document::newSession();
    fillRows();
    widgets::FramelessDialog::showEvent(event);
    lbImgArray->setFocus(Qt::ActiveWindowFocusReason);
    filling_ = true;
    lbImgArray->setCurrentRow(lbImgArray->count() > 0 ? 0 : -1);
    filling_ = false;
    lbImgArrayClick();
}

void TfrmImages::setEditText(const QString& text) {
    filling_ = true;
    eImg->setText(text);
    filling_ = false;
}

void TfrmImages::lbImgArrayClick() {
    const int index = lbImgArray->currentRow();
    const QStringList list = entries();
    setEditText(index >= 0 && index < list.size() ? list.at(index) : QString());
}

void TfrmImages::eImgChange() {
    // Only typing counts: filling the edit from a row writes nothing.
    if (filling_ || !eImg->hasFocus())
        return;
    storeEntry(lbImgArray->currentRow(), eImg->text().trimmed());
}

void TfrmImages::storeEntry(int index, const QString& path) {
    const model::TProps& params = document_.project().params;
    if (row_ < 0 || row_ >= static_cast<int>(params.size()) || index < 0 ||
        index >= lbImgArray->count())
        return;
    model::TPropType p = params[static_cast<std::size_t>(row_)];
    if (static_cast<int>(p.strList.size()) <= index)
        p.strList.resize(static_cast<std::size_t>(index) + 1);
    p.strList[static_cast<std::size_t>(index)] = toModel(path);
    // The automatic preview waits for "Ok"; Enter and Escape leave it to the user.
    document_.setParam(row_, std::move(p), session_, false);
    showRow(lbImgArray->item(index), path);
}

void TfrmImages::spdImgArraySelectClick() {
    const int index = lbImgArray->currentRow();
    if (index < 0)
        return;
    const std::optional<QString> path =
        pickImagePath(prompter_, startFolder_, fromModel(document_.project().workingFolder));
    if (!path)
        return;
    storeEntry(index, *path);
    setEditText(*path);
}

void TfrmImages::spdImgArrayClearClick() {
    const int index = lbImgArray->currentRow();
    if (index < 0)
        return;
    storeEntry(index, QString());
    setEditText(QString());
}

void TfrmImages::spdImgArrayOkClick() {
    document_.markModified(true);
    accept();
}

void TfrmImages::keyPressEvent(QKeyEvent* event) {
    FormKeyPress(event);
    if (!event->isAccepted())
        widgets::FramelessDialog::keyPressEvent(event);
}

void TfrmImages::FormKeyPress(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        accept();
        return;
    case Qt::Key_Escape:
        event->accept();
        reject();
        return;
    default:
        event->ignore();
    }
}

} // namespace menuloom::ui
