#include "app/tfrmbuild.h"

#include "app/appsettings.h"
#include "app/apptitle.h"
#include "app/tfrmcross.h"
#include "doc/document.h"
#include "doc/prompter.h"
#include "output/pagewriter.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <algorithm>

namespace menuloom::app {

namespace {

std::string localPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString fromLocal(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
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

TfrmBuild::TfrmBuild(Document& document, Prompter& prompter, QString programFolder,
                     TfrmCross& cross, QWidget* parent)
    : QDialog(parent), document_(document), prompter_(prompter),
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
    cbLinks = new QCheckBox(
        QStringLiteral("Links in the page (for search engines and visitors without JavaScript)"),
        this);
    cbLinks->setObjectName(QStringLiteral("cbLinks"));
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
    grid->addWidget(cbLinks, 2, 0, 1, 4);
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
    connect(cbHTML, &QCheckBox::toggled, cbLinks, &QWidget::setEnabled);
    connect(cbLinks, &QCheckBox::toggled, this, [this](bool on) {
        if (settingsPath_.isEmpty())
            return;
        AppSettings settings;
        settings.load(settingsPath_);
        if (settings.saveLinks() == on)
            return;
        settings.setSaveLinks(on);
        settings.save(settingsPath_);
    });
    connect(spdBuild, &QPushButton::clicked, this, [this] { spdBuildClick(); });
    connect(spdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cbCross, &QCheckBox::toggled, this, [this](bool on) {
        model::CrossframeSettings settings = document_.project().crossframe;
        settings.enabled = on;
        document_.setCrossframe(settings);
    });

    resetToDefaults();
}

void TfrmBuild::resetToDefaults() {
    // An installed program folder is not the user's to write: propose their documents instead.
    QString folder = programFolder_;
    if (!QFileInfo(programFolder_).isWritable()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty() || !QFileInfo(folder).isDir())
            folder = QDir::homePath();
        folder += QLatin1Char('/');
    }
    eData->setText(folder + QStringLiteral("zel_data.js"));
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

output::SaveRequest TfrmBuild::request() const {
    output::SaveRequest r;
    r.dataPath = localPath(eData->text());
    r.pageName = localPath(eHTML->text());
    r.createData = cbData->isChecked();
    r.createPage = cbHTML->isChecked();
    r.copyEngine = cbScript->isChecked();
    r.staticLinks = cbLinks->isChecked();
    r.programFolder = localPath(programFolder_);
    // A bare file name lies in the current folder (the program folder), where the data file
    // itself is written too.
    r.currentFolder = localPath(QDir::currentPath() + QLatin1Char('/'));
    return r;
}

void TfrmBuild::setSettingsPath(const QString& path) {
    settingsPath_ = path;
    AppSettings settings;
    settings.load(path);
    const QSignalBlocker quiet(cbLinks);
    cbLinks->setChecked(settings.saveLinks());
}

void TfrmBuild::startFromExample() {
    keepNames_ = true;
    eData->clear();
    eHTML->setText(QStringLiteral("zelmenu.html"));
    cbData->setChecked(true);
    cbHTML->setChecked(true);
    cbScript->setChecked(true);
}

TfrmBuild::Paths TfrmBuild::paths() const {
    const output::SavePaths p = output::savePaths(request());
    return {fromLocal(p.data), fromLocal(p.folder), fromLocal(p.page), fromLocal(p.engine)};
}

void TfrmBuild::showEvent(QShowEvent* event) {
    if (!keepNames_)
        resetToDefaults();
    cbCross->setChecked(document_.project().crossframe.enabled);
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
    prompter_.message(appTitle(), text, Prompter::Buttons::Ok);
}

bool TfrmBuild::spdBuildClick() {
    const output::SaveRequest req = request();
    const model::Project& project = document_.project();
    // A save that would write a menu no browser can start is refused before anything is asked.
    if (const std::string refusal = output::crossframeRefusal(project, req); !refusal.empty()) {
        showMessage(QString::fromUtf8(refusal.c_str()));
        return false;
    }

    const Paths p = paths();
    if (QFile::exists(p.data) || QFile::exists(p.page)) {
        const auto answer = prompter_.message(
            QStringLiteral("Confirmation"),
            QStringLiteral("Some or all of specified files are exist.\r\nDo you want to rewrite "
                           "them?"),
            Prompter::Buttons::YesNo);
        if (answer != Prompter::Answer::Yes)
            return false;
    }

    const output::SaveResult result = output::saveScript(project, req);
    for (const std::string& message : result.messages)
        showMessage(QString::fromLocal8Bit(message.c_str()));
    if (!result.completed)
        return false;
    keepNames_ = true;
    emit saved();
    accept();
    return true;
}

} // namespace menuloom::app
