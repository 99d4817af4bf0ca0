#include "app/tfrmpublish.h"

#include "app/appsettings.h"
#include "doc/document.h"
#include "doc/prompter.h"
#include "output/pagewriter.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace menuloom::app {

namespace {

QString fromLocal(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

QString markerLines() {
    return QString::fromLatin1(output::kBeginMarker.data(), output::kBeginMarker.size()) +
           QLatin1Char('\n') +
           QString::fromLatin1(output::kEndMarker.data(), output::kEndMarker.size());
}

} // namespace

TfrmPublish::TfrmPublish(doc::Document& document, doc::Prompter& prompter, QString programFolder,
                         QString settingsPath, QWidget* parent)
    : QDialog(parent), document_(document), prompter_(prompter),
      programFolder_(std::move(programFolder)), settingsPath_(std::move(settingsPath)) {
    setObjectName(QStringLiteral("frmPublish"));
    setWindowTitle(QStringLiteral("Publish to Site"));
    setModal(true);
    resize(640, 520);

    auto* siteLabel = new QLabel(QStringLiteral("Site folder:"), this);
    eSite = new QLineEdit(this);
    eSite->setObjectName(QStringLiteral("eSite"));
    eSite->setReadOnly(true);
    eSite->setPlaceholderText(QStringLiteral("Choose the folder that holds your pages"));
    siteLabel->setBuddy(eSite);
    spdSiteSelect = new QPushButton(QStringLiteral("Choose..."), this);
    spdSiteSelect->setObjectName(QStringLiteral("spdSiteSelect"));
    spdSiteSelect->setAccessibleName(QStringLiteral("Site folder: Choose..."));

    auto* markersLabel = new QLabel(
        QStringLiteral("Markers: put these two lines where the menu goes, once in each page:"),
        this);
    markersLabel->setWordWrap(true);
    mmMarkers = new QPlainTextEdit(markerLines(), this);
    mmMarkers->setObjectName(QStringLiteral("mmMarkers"));
    mmMarkers->setReadOnly(true);
    mmMarkers->setAccessibleName(QStringLiteral("Markers:"));
    mmMarkers->setFixedHeight(mmMarkers->fontMetrics().lineSpacing() * 2 + 14);
    mmMarkers->setFont(QFont(QStringLiteral("monospace")));
    markersLabel->setBuddy(mmMarkers);
    spdCopyMarkers = new QPushButton(QStringLiteral("Copy Markers"), this);
    spdCopyMarkers->setObjectName(QStringLiteral("spdCopyMarkers"));

    auto* pagesLabel = new QLabel(QStringLiteral("Pages:"), this);
    lvPages = new QTreeWidget(this);
    lvPages->setObjectName(QStringLiteral("lvPages"));
    lvPages->setAccessibleName(QStringLiteral("Pages:"));
    lvPages->setRootIsDecorated(false);
    lvPages->setUniformRowHeights(true);
    lvPages->setHeaderLabels({QStringLiteral("Page"), QStringLiteral("What happens")});
    lvPages->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    lvPages->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    lvPages->header()->setStretchLastSection(false);
    pagesLabel->setBuddy(lvPages);
    lblSummary = new QLabel(this);
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    lblSummary->setWordWrap(true);

    auto* progressLabel = new QLabel(QStringLiteral("Progress:"), this);
    pbProgress = new QProgressBar(this);
    pbProgress->setObjectName(QStringLiteral("pbProgress"));
    pbProgress->setAccessibleName(QStringLiteral("Progress:"));
    pbProgress->setRange(0, 1);
    pbProgress->setValue(0);
    progressLabel->setBuddy(pbProgress);

    spdPublish = new QPushButton(QStringLiteral("Publish"), this);
    spdPublish->setObjectName(QStringLiteral("spdPublish"));
    spdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    spdCancel->setObjectName(QStringLiteral("spdCancel"));
    spdClose = new QPushButton(QStringLiteral("Close"), this);
    spdClose->setObjectName(QStringLiteral("spdClose"));
    for (QPushButton* b : {spdSiteSelect, spdCopyMarkers, spdPublish, spdCancel, spdClose}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(88);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(8);
    auto* siteRow = new QHBoxLayout;
    siteRow->addWidget(siteLabel);
    siteRow->addWidget(eSite, 1);
    siteRow->addWidget(spdSiteSelect);
    layout->addLayout(siteRow);
    layout->addSpacing(4);
    layout->addWidget(markersLabel);
    auto* markersRow = new QHBoxLayout;
    markersRow->addWidget(mmMarkers, 1);
    markersRow->addWidget(spdCopyMarkers, 0, Qt::AlignTop);
    layout->addLayout(markersRow);
    layout->addSpacing(4);
    layout->addWidget(pagesLabel);
    layout->addWidget(lvPages, 1);
    layout->addWidget(lblSummary);
    auto* progressRow = new QHBoxLayout;
    progressRow->addWidget(progressLabel);
    progressRow->addWidget(pbProgress, 1);
    layout->addLayout(progressRow);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(spdPublish);
    buttons->addWidget(spdCancel);
    buttons->addWidget(spdClose);
    layout->addSpacing(4);
    layout->addLayout(buttons);

    connect(spdSiteSelect, &QPushButton::clicked, this, &TfrmPublish::spdSiteSelectClick);
    connect(spdCopyMarkers, &QPushButton::clicked, this, &TfrmPublish::spdCopyMarkersClick);
    connect(spdPublish, &QPushButton::clicked, this, [this] { start(false); });
    connect(spdCancel, &QPushButton::clicked, this, [this] { cancel_ = true; });
    connect(spdClose, &QPushButton::clicked, this, &TfrmPublish::reject);
    updateButtons();
}

TfrmPublish::~TfrmPublish() {
    if (worker_) {
        cancel_ = true;
        worker_->wait();
        delete worker_;
    }
}

QString TfrmPublish::siteFolder() const {
    return eSite->text();
}

void TfrmPublish::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    AppSettings settings;
    settings.load(settingsPath_);
    const QString remembered = settings.siteFor(document_.fileName());
    if (!busy() && !remembered.isEmpty() && remembered != eSite->text())
        setSiteFolder(remembered);
    else if (!busy() && !eSite->text().isEmpty())
        start(true);
    spdSiteSelect->setFocus();
}

void TfrmPublish::closeEvent(QCloseEvent* event) {
    if (busy()) {
        // Publishing stops at the next page; the window closes when it has.
        cancel_ = true;
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TfrmPublish::reject() {
    if (busy()) {
        cancel_ = true;
        return;
    }
    QDialog::reject();
}

void TfrmPublish::setSiteFolder(const QString& folder) {
    eSite->setText(folder);
    AppSettings settings;
    settings.load(settingsPath_);
    if (settings.siteFor(document_.fileName()) != folder) {
        settings.setSiteFor(document_.fileName(), folder);
        settings.save(settingsPath_);
    }
    start(true);
}

void TfrmPublish::spdSiteSelectClick() {
    const QString chosen = prompter_.chooseFolder(
        QStringLiteral("Site folder"),
        eSite->text().isEmpty() ? QFileInfo(document_.fileName()).absolutePath() : eSite->text());
    if (!chosen.isEmpty())
        setSiteFolder(chosen);
}

void TfrmPublish::spdCopyMarkersClick() {
    QGuiApplication::clipboard()->setText(markerLines() + QLatin1Char('\n'));
    lblSummary->setText(QStringLiteral("The two marker lines are on the clipboard."));
}

void TfrmPublish::start(bool dryRun) {
    if (busy() || eSite->text().isEmpty())
        return;
    lvPages->clear();
    pbProgress->setRange(0, 0); // busy until the first page tells the number of pages
    pbProgress->setValue(0);
    lblSummary->setText(dryRun ? QStringLiteral("Looking at the pages...")
                               : QStringLiteral("Publishing..."));
    cancel_ = false;

    // The worker gets copies only: the project may change while it runs.
    auto input = std::make_shared<output::PublishInput>(output::publishInputOf(
        document_.project(),
        QFile::encodeName(programFolder_).toStdString() + std::string(output::kEngineFileName)));
    const std::string site = QFile::encodeName(eSite->text()).toStdString();
    auto result = std::make_shared<output::PublishResult>();
    result_ = result;
    worker_ = QThread::create([this, input, site, result, dryRun] {
        output::PublishOptions options;
        options.dryRun = dryRun;
        options.cancel = &cancel_;
        options.progress = [this](const output::PageOutcome& page, std::size_t done,
                                  std::size_t total) {
            QMetaObject::invokeMethod(
                this,
                [this, page, done, total] {
                    pageDone(page, static_cast<int>(done), static_cast<int>(total));
                },
                Qt::QueuedConnection);
        };
        *result = output::publishSite(*input, site, options);
    });
    connect(worker_, &QThread::finished, this, [this, dryRun] { runEnded(dryRun); });
    worker_->start();
    updateButtons();
}

void TfrmPublish::pageDone(const output::PageOutcome& page, int done, int total) {
    if (pbProgress->maximum() != total)
        pbProgress->setRange(0, total);
    pbProgress->setValue(done);
    auto* row = new QTreeWidgetItem(
        lvPages, {fromLocal(page.path), QString::fromUtf8(output::describeOutcome(page).c_str())});
    row->setData(0, Qt::AccessibleTextRole, row->text(0) + QLatin1Char(' ') + row->text(1));
}

void TfrmPublish::runEnded(bool dryRun) {
    worker_->deleteLater();
    worker_ = nullptr;
    const output::PublishResult& r = *result_;
    int counts[4] = {0, 0, 0, 0};
    for (const auto& page : r.pages)
        ++counts[static_cast<int>(page.action)];
    if (pbProgress->maximum() == 0)
        pbProgress->setRange(0, 1);
    if (!r.cancelled)
        pbProgress->setValue(pbProgress->maximum());
    QString text;
    if (!r.siteError.empty()) {
        text = eSite->text() + QStringLiteral(": ") + QString::fromLocal8Bit(r.siteError.c_str());
    } else {
        text = QStringLiteral("%1 pages: %2 %3, %4 unchanged, %5 without markers, %6 refused.")
                   .arg(r.pages.size())
                   .arg(counts[0])
                   .arg(dryRun ? QStringLiteral("to update") : QStringLiteral("updated"))
                   .arg(counts[1])
                   .arg(counts[2])
                   .arg(counts[3]);
        if (r.cancelled)
            text = QStringLiteral("Cancelled after ") + text;
        for (const std::string& error : r.fileErrors)
            text += QLatin1Char('\n') + QString::fromLocal8Bit(error.c_str());
    }
    lblSummary->setText(text);
    updateButtons();
    emit runFinished(!dryRun);
}

void TfrmPublish::updateButtons() {
    const bool running = busy();
    spdPublish->setEnabled(!running && !eSite->text().isEmpty());
    spdSiteSelect->setEnabled(!running);
    spdCancel->setEnabled(running);
}

} // namespace menuloom::app
