#include "ui/styles/tfrmtext.h"

#include "doc/document.h"
#include "widgets/conversions.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace menuloom::ui {

using widgets::fromModel;
using widgets::toModel;

TfrmText::TfrmText(doc::Document& document, QWidget* parent)
    : widgets::FramelessDialog(QStringLiteral("Enter text"), parent), document_(document) {
    setObjectName(QStringLiteral("frmText"));

    eText = new QLineEdit(this);
    eText->setObjectName(QStringLiteral("eText"));
    auto* label = new QLabel(QStringLiteral("Text:"), this);
    label->setBuddy(eText);
    auto* content = new QVBoxLayout;
    content->setSpacing(4);
    content->addWidget(label);
    content->addWidget(eText);
    body()->addWidget(panel("pnlText", QString(), content, this));

    newSpd1 = new QPushButton(QStringLiteral("Apply"), this);
    newSpd1->setObjectName(QStringLiteral("newSpd1"));
    newSpd2 = new QPushButton(QStringLiteral("Cancel"), this);
    newSpd2->setObjectName(QStringLiteral("newSpd2"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {newSpd1, newSpd2}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(88);
        buttons->addWidget(b);
    }
    body()->addLayout(buttons);
    setMinimumWidth(380);

    connect(newSpd1, &QPushButton::clicked, this, [this] { newSpd1Click(); });
    connect(newSpd2, &QPushButton::clicked, this, [this] { newSpd2Click(); });
}

void TfrmText::setParameter(int row, int choice) {
    row_ = row;
    choice_ = choice;
    const model::TProps& params = document_.project().params;
    eText->setText(row >= 0 && row < static_cast<int>(params.size())
                       ? fromModel(params[static_cast<std::size_t>(row)].text)
                       : QString());
}

void TfrmText::showEvent(QShowEvent* event) {
    widgets::FramelessDialog::showEvent(event);
    eText->setFocus(Qt::ActiveWindowFocusReason);
    eText->selectAll();
    selectOnActivation_ = true;
}

void TfrmText::changeEvent(QEvent* event) {
    widgets::FramelessDialog::changeEvent(event);
    // The window's activation can drop the selection made on showing; make it again once.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && selectOnActivation_) {
        selectOnActivation_ = false;
        eText->selectAll();
    }
}

void TfrmText::keyPressEvent(QKeyEvent* event) {
    eTextKeyPress(event);
    if (!event->isAccepted())
        widgets::FramelessDialog::keyPressEvent(event);
}

void TfrmText::eTextKeyPress(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        newSpd1Click();
        return;
    case Qt::Key_Escape:
        event->accept();
        newSpd2Click();
        return;
    default:
        event->ignore();
    }
}

void TfrmText::newSpd1Click() {
    const model::TProps& params = document_.project().params;
    if (row_ >= 0 && row_ < static_cast<int>(params.size())) {
        model::TPropType p = params[static_cast<std::size_t>(row_)];
        p.text = toModel(eText->text());
        p.num = choice_;
        p.flag = 1;
        document_.setParam(row_, std::move(p));
    }
    accept();
}

void TfrmText::newSpd2Click() {
    reject();
}

} // namespace menuloom::ui
