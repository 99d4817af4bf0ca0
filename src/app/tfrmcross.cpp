#include "app/tfrmcross.h"

#include "doc/document.h"
#include "widgets/conversions.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace menuloom::app {

using widgets::fromModel;
using widgets::toModel;

namespace {

QLabel* noteLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("lblNote"));
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 0.9);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: #6b7280;"));
    return label;
}

} // namespace

QStringList TfrmCross::helpLines() {
    return {
        QStringLiteral("Be sure you have frameset \"ID\" and frame \"NAME\" properties in "),
        QStringLiteral("your frameset. Example:"),
        QString(),
        QStringLiteral("<frameset id=\"fset\" rows=\"130,*\">"),
        QStringLiteral("    <frame id=\"frm1\" name=\"frm1\" src=\"topmenu.html\">"),
        QStringLiteral("    <frame id=\"frm2\" name=\"frm2\" src=\"content.html\">"),
        QStringLiteral("</frameset>"),
        QString(),
        QStringLiteral("For this example next function call will be inserted:"),
        QString(),
        QStringLiteral("  zel_initFrame (\"fset\", 0, 1, 0);"),
        QString(47, QLatin1Char('-')),
        QString(),
        QStringLiteral("Specify following parameters for your page:"),
    };
}

TfrmCross::TfrmCross(Document& document, QWidget* parent) : QDialog(parent), document_(document) {
    setObjectName(QStringLiteral("frmCross"));
    setWindowTitle(QStringLiteral("Crossframe Options"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(10);

    auto* help = new QLabel(helpLines().join(QLatin1Char('\n')), this);
    help->setObjectName(QStringLiteral("lblHelp"));
    help->setTextFormat(Qt::PlainText);
    help->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    help->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(help);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(2);
    eFsetID = new QLineEdit(this);
    eFsetID->setObjectName(QStringLiteral("eFsetID"));
    eTopNum = new QLineEdit(this);
    eTopNum->setObjectName(QStringLiteral("eTopNum"));
    eSubNum = new QLineEdit(this);
    eSubNum->setObjectName(QStringLiteral("eSubNum"));
    eTopNum->setMaxLength(kFrameNumberLength);
    eSubNum->setMaxLength(kFrameNumberLength);

    grid->addWidget(new QLabel(QStringLiteral("Frameset ID:"), this), 0, 0);
    grid->addWidget(eFsetID, 0, 1);
    grid->setRowMinimumHeight(1, 8);
    grid->addWidget(new QLabel(QStringLiteral("Number of top menu frame:"), this), 2, 0);
    grid->addWidget(eTopNum, 2, 1);
    grid->addWidget(
        noteLabel(QStringLiteral("(frame where the top menu will be placed). Must be >=0."), this),
        3, 1);
    grid->setRowMinimumHeight(4, 8);
    grid->addWidget(new QLabel(QStringLiteral("Number of submenus' frame:"), this), 5, 0);
    grid->addWidget(eSubNum, 5, 1);
    grid->addWidget(
        noteLabel(QStringLiteral("(frame where submenus will be placed). Must be >=0."), this), 6,
        1);
    layout->addLayout(grid);

    cbVertical = new QCheckBox(QStringLiteral("Vertical frame orientation"), this);
    cbVertical->setObjectName(QStringLiteral("cbVertical"));
    layout->addWidget(cbVertical);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    spdOk = new QPushButton(QStringLiteral("Ok"), this);
    spdOk->setObjectName(QStringLiteral("spdOk"));
    spdOk->setDefault(true);
    spdOk->setMinimumWidth(88);
    buttons->addWidget(spdOk);
    layout->addLayout(buttons);

    eTopNum->installEventFilter(this);
    eSubNum->installEventFilter(this);

    connect(spdOk, &QPushButton::clicked, this, &QDialog::accept);
    loadFromSettings();
}

void TfrmCross::loadFromSettings() {
    const model::CrossframeSettings& settings = document_.project().crossframe;
    eFsetID->setText(fromModel(settings.framesetId));
    eTopNum->setText(fromModel(settings.topFrame));
    eSubNum->setText(fromModel(settings.subFrame));
    cbVertical->setChecked(settings.vertical);
}

model::CrossframeSettings TfrmCross::fieldSettings() const {
    model::CrossframeSettings settings = document_.project().crossframe;
    settings.framesetId = toModel(eFsetID->text());
    settings.topFrame = toModel(eTopNum->text());
    settings.subFrame = toModel(eSubNum->text());
    settings.vertical = cbVertical->isChecked();
    return settings;
}

void TfrmCross::done(int result) {
    // "Ok", Escape or the close box: what the fields hold stays.
    document_.setCrossframe(fieldSettings());
    QDialog::done(result);
}

void TfrmCross::showEvent(QShowEvent* event) {
    loadFromSettings();
    QDialog::showEvent(event);
}

bool TfrmCross::eventFilter(QObject* watched, QEvent* event) {
    // The frame numbers take typed digits only; editing keys and shortcuts (paste) pass, so
    // pasted text arrives unfiltered.
    if (event->type() == QEvent::KeyPress && (watched == eTopNum || watched == eSubNum)) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        const bool command = key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
        if (!command && !text.isEmpty() && text.at(0).isPrint()) {
            const QByteArray latin = text.toLatin1();
            for (int i = 0; i < text.size(); ++i)
                if (text.at(i).unicode() > 127 || !model::isFrameNumberChar(latin.at(i)))
                    return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace menuloom::app
