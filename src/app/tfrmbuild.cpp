#include "output/tfrmbuild.h"

#include "app/apptitle.h"
#include "app/prompter.h"
#include "output/datawriter.h"
#include "output/pagewriter.h"
#include "output/tfrmcross.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace menuloom::output {

namespace {

std::string localPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

FolderDisplay::FolderDisplay(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pbPath"));
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void FolderDisplay::setFolder(const QString& folder) {
    if (folder == folder_)
        return;
    folder_ = folder;
    setToolTip(folder_);
    update();
}

QSize FolderDisplay::sizeHint() const {
    return {180, fontMetrics().height() + 4};
}

QSize FolderDisplay::minimumSizeHint() const {
    return {60, fontMetrics().height() + 4};
}

void FolderDisplay::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QColor(128, 128, 128));
    const QRect area = rect().adjusted(0, 0, -2, 0);
    p.drawText(area, Qt::AlignRight | Qt::AlignVCenter,
               fontMetrics().elidedText(folder_, Qt::ElideMiddle, area.width()));
}

TfrmBuild::TfrmBuild(model::Project& project, app::Prompter& prompter, QString programFolder,
                     TfrmCross& cross, QWidget* parent)
    : QDialog(parent), project_(project), prompter_(prompter),
      programFolder_(std::move(programFolder)), cross_(cross) {
    setObjectName(QStringLiteral("frmBuild"));
    setWindowTitle(QStringLiteral("Save script"));
    setModal(true);
    setMinimumWidth(520);

    cbData = new QCheckBox(QStringLiteral("Create Data:"), this);
    cbData->setObjectName(QStringLiteral("cbData"));
    eData = new QLineEdit(this);
    eData->setObjectName(QStringLiteral("eData"));
    spdDataSelect = new QPushButton(QStringLiteral("Select..."), this);
    spdDataSelect->setObjectName(QStringLiteral("spdDataSelect"));
    cbHTML = new QCheckBox(QStringLiteral("Create HTML:"), this);
    cbHTML->setObjectName(QStringLiteral("cbHTML"));
    pbPath = new FolderDisplay(this);
    eHTML = new QLineEdit(this);
    eHTML->setObjectName(QStringLiteral("eHTML"));
    cbScript = new QCheckBox(QStringLiteral("Create Script File"), this);
    cbScript->setObjectName(QStringLiteral("cbScript"));
    cbScript->hide();
    cbCross = new QCheckBox(QStringLiteral("Crossframe support"), this);
    cbCross->setObjectName(QStringLiteral("cbCross"));
    spdItemLink = new QPushButton(QStringLiteral("Crossframe options..."), this);
    spdItemLink->setObjectName(QStringLiteral("spdItemLink"));
    spdBuild = new QPushButton(QStringLiteral("Save"), this);
    spdBuild->setObjectName(QStringLiteral("spdBuild"));
    spdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    spdCancel->setObjectName(QStringLiteral("spdCancel"));
    // Enter anywhere saves and Escape anywhere cancels: no button takes those keys for itself.
    for (QPushButton* b : {spdDataSelect, spdItemLink, spdBuild, spdCancel}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    spdBuild->setMinimumWidth(88);
    spdCancel->setMinimumWidth(88);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(10);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->addWidget(cbData, 0, 0);
    grid->addWidget(eData, 0, 1, 1, 2);
    grid->addWidget(spdDataSelect, 0, 3);
    grid->addWidget(cbHTML, 1, 0);
    grid->addWidget(pbPath, 1, 1);
    grid->addWidget(eHTML, 1, 2);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(2, 2);
    layout->addLayout(grid);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addWidget(line);

    auto* crossRow = new QHBoxLayout;
    crossRow->addWidget(cbCross);
    crossRow->addStretch();
    crossRow->addWidget(spdItemLink);
    layout->addLayout(crossRow);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(spdBuild);
    buttons->addWidget(spdCancel);
    layout->addSpacing(4);
    layout->addLayout(buttons);

    connect(spdDataSelect, &QPushButton::clicked, this, &TfrmBuild::spdDataSelectClick);
    connect(eData, &QLineEdit::textChanged, this, &TfrmBuild::eDataChange);
    connect(spdItemLink, &QPushButton::clicked, this, &TfrmBuild::spdItemLinkClick);
    connect(spdBuild, &QPushButton::clicked, this, [this] { spdBuildClick(); });
    connect(spdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cbCross, &QCheckBox::toggled, this,
            [this](bool on) { project_.crossframe.enabled = on; });

    resetToDefaults();
}

void TfrmBuild::resetToDefaults() {
    eData->setText(programFolder_ + QStringLiteral("zel_data.js"));
    eHTML->setText(QStringLiteral("zelmenu.html"));
    cbData->setChecked(true);
    cbHTML->setChecked(true);
    cbScript->setChecked(true);
}

void TfrmBuild::adoptOpenedFile(const QString& path) {
    keepNames_ = true;
    cbData->setChecked(true);
    cbHTML->setChecked(false);
    cbScript->setChecked(false);
    eData->setText(path);
}

TfrmBuild::Paths TfrmBuild::paths() const {
    Paths p;
    p.data = eData->text();
    // Both separators count, as they do for the page's reference to the data file.
    const auto sep =
        std::max(p.data.lastIndexOf(QLatin1Char('/')), p.data.lastIndexOf(QLatin1Char('\\')));
    // A bare file name lies in the current folder (the program folder), where the data file
    // itself is written too.
    p.folder = sep >= 0 ? p.data.left(sep + 1) : QDir::currentPath() + QLatin1Char('/');
    p.page = p.folder + eHTML->text();
    p.engine = p.folder + QString::fromLatin1(kEngineFileName.data(), kEngineFileName.size());
    return p;
}

void TfrmBuild::showEvent(QShowEvent* event) {
    if (!keepNames_)
        resetToDefaults();
    cbCross->setChecked(project_.crossframe.enabled);
    eDataChange();
    eData->setFocus();
    QDialog::showEvent(event);
}

void TfrmBuild::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        spdBuildClick();
        return;
    case Qt::Key_Escape:
        event->accept();
        reject();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void TfrmBuild::eDataChange() {
    pbPath->setFolder(paths().folder);
}

void TfrmBuild::spdDataSelectClick() {
    const QString chosen =
        prompter_.saveFile(QStringLiteral("Save file..."),
                           {{QStringLiteral("Java-Scipt files (*.js)"), QStringLiteral("*.js")},
                            {QStringLiteral("All files (*.*)"), QStringLiteral("*.*")}},
                           paths().folder, QStringLiteral("zel_data.js"));
    if (!chosen.isEmpty())
        eData->setText(chosen);
}

void TfrmBuild::spdItemLinkClick() {
    cross_.exec();
}

void TfrmBuild::showMessage(const QString& text) {
    prompter_.message(app::appTitle(), text, app::Prompter::Buttons::Ok);
}

bool TfrmBuild::spdBuildClick() {
    const Paths p = paths();

    if (QFile::exists(p.data) || QFile::exists(p.page)) {
        const auto answer = prompter_.message(
            QStringLiteral("Confirmation"),
            QStringLiteral("Some or all of specified files are exist.\r\nDo you want to rewrite "
                           "them?"),
            app::Prompter::Buttons::YesNo);
        if (answer != app::Prompter::Answer::Yes)
            return false;
    }

    bool failed = false;
    if (cbData->isChecked()) {
        if (p.data.trimmed().isEmpty()) {
            showMessage(QStringLiteral("Please, enter correct data-filename."));
            return false;
        }
        const WriteResult result = writeDataFile(project_, localPath(p.data), false);
        if (!result.ok()) {
            showMessage(QString::fromLocal8Bit(result.message.c_str()));
            failed = true;
        }
    }

    if (cbHTML->isChecked() && eHTML->text().trimmed().isEmpty()) {
        showMessage(QStringLiteral("Please, enter correct HTML-filename."));
        return false;
    }

    if (cbHTML->isChecked() && !failed) {
        const WriteResult result = writePage(localPath(p.page), localPath(p.data), false);
        if (!result.ok()) {
            showMessage(QString::fromLocal8Bit(result.message.c_str()));
            failed = true;
        }
    }

    if (cbScript->isChecked() && !failed)
        copyEngine(localPath(programFolder_), localPath(p.engine));

    if (failed)
        return false;
    keepNames_ = true;
    emit saved();
    accept();
    return true;
}

} // namespace menuloom::output
