#include "app/tfrmimport.h"

#include "doc/document.h"
#include "doc/prompter.h"
#include "widgets/conversions.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPushButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace menuloom::app {

using widgets::fromModel;

namespace {

QLabel* caption(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

QPushButton* button(const QString& text, const char* name, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setMinimumWidth(96);
    b->setAutoDefault(false);
    return b;
}

bool isWebAddress(const QString& text) {
    return text.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
           text.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

} // namespace

TfrmImport::TfrmImport(Document& document, Prompter& prompter, const QString& startFolder,
                       QWidget* parent)
    : QDialog(parent), document_(document), prompter_(prompter), startFolder_(startFolder),
      network_(new QNetworkAccessManager(this)) {
    setObjectName(QStringLiteral("frmImport"));
    setWindowTitle(QStringLiteral("Import Navigation"));
    setModal(true);
    resize(720, 560);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(8);

    auto* intro = new QLabel(
        QStringLiteral("Use the navigation of a page, or the addresses of a sitemap, as the "
                       "menu's items. Both are read from a file or from the web."),
        this);
    intro->setObjectName(QStringLiteral("lblIntro"));
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto* sourceRow = new QHBoxLayout;
    eSource = new QLineEdit(this);
    eSource->setObjectName(QStringLiteral("eSource"));
    eSource->setPlaceholderText(
        QStringLiteral("An HTML page or sitemap file, or an address starting with https://"));
    sourceRow->addWidget(caption(QStringLiteral("Source:"), eSource, this));
    sourceRow->addWidget(eSource, 1);
    spdLoad = button(QStringLiteral("Load"), "spdLoad", this);
    sourceRow->addWidget(spdLoad);
    spdBrowse = button(QStringLiteral("Browse..."), "spdBrowse", this);
    sourceRow->addWidget(spdBrowse);
    layout->addLayout(sourceRow);

    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setWordWrap(true);
    lblStatus->setTextFormat(Qt::PlainText);
    lblStatus->setMinimumHeight(lblStatus->fontMetrics().lineSpacing() * 2);
    lblStatus->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(lblStatus);

    lbNavigations = new QListWidget(this);
    lbNavigations->setObjectName(QStringLiteral("lbNavigations"));
    lbNavigations->setAccessibleName(QStringLiteral("Navigations:"));
    lbNavigations->setMaximumHeight(lbNavigations->fontMetrics().lineSpacing() * 6);
    layout->addWidget(caption(QStringLiteral("Navigations:"), lbNavigations, this));
    layout->addWidget(lbNavigations);

    tvImport = new QTreeWidget(this);
    tvImport->setObjectName(QStringLiteral("tvImport"));
    tvImport->setAccessibleName(QStringLiteral("Items:"));
    tvImport->setHeaderLabels({QStringLiteral("Text"), QStringLiteral("Link")});
    tvImport->header()->setStretchLastSection(true);
    tvImport->setColumnWidth(0, 260);
    tvImport->setUniformRowHeights(true);
    tvImport->setSelectionMode(QAbstractItemView::NoSelection);
    layout->addWidget(caption(QStringLiteral("Items:"), tvImport, this));
    layout->addWidget(tvImport, 1);

    auto* buttons = new QHBoxLayout;
    spdReplace = button(QStringLiteral("Replace Items"), "spdReplace", this);
    spdReplace->setToolTip(QStringLiteral("The menu's items give way to these (one undo step)"));
    spdAdd = button(QStringLiteral("Add to Items"), "spdAdd", this);
    spdAdd->setToolTip(QStringLiteral("These go after the menu's last top-level item"));
    spdClose = button(QStringLiteral("Close"), "spdClose", this);
    buttons->addWidget(spdReplace);
    buttons->addWidget(spdAdd);
    buttons->addStretch();
    buttons->addWidget(spdClose);
    layout->addLayout(buttons);

    connect(spdBrowse, &QPushButton::clicked, this, &TfrmImport::spdBrowseClick);
    connect(spdLoad, &QPushButton::clicked, this, &TfrmImport::spdLoadClick);
    connect(eSource, &QLineEdit::returnPressed, this, &TfrmImport::spdLoadClick);
    connect(eSource, &QLineEdit::textChanged, this, &TfrmImport::updateButtons);
    connect(lbNavigations, &QListWidget::currentRowChanged, this, &TfrmImport::lbNavigationsChange);
    connect(spdReplace, &QPushButton::clicked, this, [this] { importClick(true); });
    connect(spdAdd, &QPushButton::clicked, this, [this] { importClick(false); });
    connect(spdClose, &QPushButton::clicked, this, &QDialog::accept);
    showStatus(QStringLiteral("Choose a file with Browse..., or type an address and press Load."),
               false);
    updateButtons();
}

TfrmImport::~TfrmImport() {
    cancelFetch();
}

void TfrmImport::cancelFetch() {
    if (!reply_)
        return;
    QNetworkReply* reply = std::exchange(reply_, nullptr);
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
    received_.clear();
}

void TfrmImport::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    eSource->setFocus();
}

void TfrmImport::done(int result) {
    // A fetch does not outlive the window's showing.
    if (reply_) {
        cancelFetch();
        showStatus(QStringLiteral("The fetch was cancelled."), false);
        updateButtons();
    }
    QDialog::done(result);
}

void TfrmImport::showStatus(const QString& text, bool error) {
    lblStatus->setText(text);
    lblStatus->setStyleSheet(error ? QStringLiteral("color: #b42318;")
                                   : QStringLiteral("color: #4b5563;"));
}

void TfrmImport::updateButtons() {
    const bool busy = reply_ != nullptr;
    spdLoad->setEnabled(!busy && !eSource->text().trimmed().isEmpty());
    spdBrowse->setEnabled(!busy);
    const bool items = source_ && shown_.ok() && !shown_.items.empty();
    spdReplace->setEnabled(!busy && items);
    spdAdd->setEnabled(!busy && items);
}

void TfrmImport::spdBrowseClick() {
    const QString path =
        prompter_.openFile(QStringLiteral("Import Navigation"),
                           {{QStringLiteral("Pages and sitemaps (*.html, *.htm, *.xml)"),
                             QStringLiteral("*.html;*.htm;*.xml")},
                            {QStringLiteral("All files (*.*)"), QStringLiteral("*")}},
                           startFolder_);
    if (path.isEmpty())
        return;
    eSource->setText(path);
    load(path);
}

void TfrmImport::spdLoadClick() {
    const QString text = eSource->text().trimmed();
    if (!text.isEmpty() && !reply_)
        load(text);
}

void TfrmImport::load(const QString& source) {
    if (isWebAddress(source)) {
        const QUrl url(source, QUrl::StrictMode);
        if (!url.isValid() || url.host().isEmpty()) {
            showStatus(source + QStringLiteral(": not a valid address"), true);
            emit loaded(false);
            return;
        }
        fetch(url);
        return;
    }
    if (source.contains(QLatin1String("://"))) {
        showStatus(source + QStringLiteral(": only http and https addresses are fetched"), true);
        emit loaded(false);
        return;
    }
    std::string bytes;
    const std::string error =
        importer::readSourceFile(QFile::encodeName(source).toStdString(), bytes);
    if (!error.empty()) {
        showStatus(QFileInfo(source).fileName() + QStringLiteral(": ") + fromModel(error), true);
        emit loaded(false);
        return;
    }
    useBytes(QByteArray::fromStdString(bytes), QFileInfo(source).fileName());
}

void TfrmImport::fetch(const QUrl& url) {
    QNetworkRequest request(url);
    request.setTransferTimeout(kFetchTimeoutMs);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    // Redirects stay on http or https and never go from https to http.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    received_.clear();
    overCap_ = false;
    reply_ = network_->get(request);
    reply_->setReadBufferSize(0);
    connect(reply_, &QNetworkReply::readyRead, this, [this] {
        received_ += reply_->readAll();
        if (received_.size() > kFetchCap) {
            overCap_ = true;
            reply_->abort();
        }
    });
    connect(reply_, &QNetworkReply::finished, this, &TfrmImport::fetchFinished);
    showStatus(QStringLiteral("Fetching ") + url.toDisplayString() + QStringLiteral("..."), false);
    updateButtons();
}

void TfrmImport::fetchFinished() {
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    reply->deleteLater();
    const QString address = reply->request().url().toDisplayString();
    QString failure;
    if (overCap_)
        failure = QStringLiteral("the page is larger than %1 MB").arg(kFetchCap >> 20);
    else if (reply->error() == QNetworkReply::OperationCanceledError)
        failure = QStringLiteral("no answer within %1 s").arg(kFetchTimeoutMs / 1000);
    else if (reply->error() == QNetworkReply::TooManyRedirectsError)
        failure = QStringLiteral("more than %1 redirects").arg(kMaxRedirects);
    else if (reply->error() != QNetworkReply::NoError)
        failure = reply->errorString();
    if (!failure.isEmpty()) {
        received_.clear();
        updateButtons();
        showStatus(address + QStringLiteral(": ") + failure, true);
        emit loaded(false);
        return;
    }
    received_ += reply->readAll();
    const QByteArray bytes = std::exchange(received_, {});
    useBytes(bytes, address);
}

void TfrmImport::useBytes(const QByteArray& bytes, const QString& name) {
    importer::OpenResult opened =
        importer::openSource(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (!opened.ok()) {
        showStatus(name + QStringLiteral(": ") + fromModel(opened.message), true);
        updateButtons();
        emit loaded(false);
        return;
    }
    source_ = std::move(opened.source);
    sourceName_ = name;
    const QSignalBlocker block(lbNavigations);
    lbNavigations->clear();
    const auto& candidates = source_->candidates();
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const importer::Candidate& c = candidates[i];
        const bool suggested = static_cast<int>(i) == source_->defaultCandidate();
        lbNavigations->addItem(
            QStringLiteral("%1. %2  (%3 %4%5)")
                .arg(i + 1)
                .arg(fromModel(c.label()))
                .arg(c.linkCount)
                .arg(c.linkCount == 1 ? QStringLiteral("link") : QStringLiteral("links"))
                .arg(suggested ? QStringLiteral(", suggested") : QString()));
    }
    lbNavigations->setCurrentRow(source_->defaultCandidate());
    lbNavigationsChange();
    emit loaded(true);
}

void TfrmImport::lbNavigationsChange() {
    tvImport->clear();
    const int row = lbNavigations->currentRow();
    if (!source_ || row < 0) {
        shown_ = {};
        updateButtons();
        return;
    }
    shown_ = source_->items(row);
    if (!shown_.ok()) {
        showStatus(sourceName_ + QStringLiteral(": ") + fromModel(shown_.message), true);
        updateButtons();
        return;
    }
    std::vector<QTreeWidgetItem*> path; // the last row made at each level
    QList<QTreeWidgetItem*> top;
    for (const importer::ImportedItem& item : shown_.items) {
        const std::size_t level = std::min(static_cast<std::size_t>(item.level), path.size());
        auto* node =
            new QTreeWidgetItem({fromModel(item.props.caption), fromModel(item.props.link)});
        if (!item.props.tip.empty())
            node->setToolTip(0, fromModel(item.props.tip));
        if (level == 0)
            top.append(node);
        else
            path[level - 1]->addChild(node);
        path.resize(level);
        path.push_back(node);
    }
    tvImport->addTopLevelItems(top);
    tvImport->expandToDepth(0);
    const std::size_t topCount = static_cast<std::size_t>(top.size());
    showStatus(QStringLiteral("%1: navigation %2 of %3 holds %4 items, %5 at the top level.")
                   .arg(sourceName_)
                   .arg(row + 1)
                   .arg(lbNavigations->count())
                   .arg(shown_.items.size())
                   .arg(topCount),
               false);
    updateButtons();
}

void TfrmImport::importClick(bool replace) {
    if (!source_ || !shown_.ok() || shown_.items.empty())
        return;
    const QString step =
        (replace ? QStringLiteral("Replace Items from ") : QStringLiteral("Add Items from ")) +
        sourceName_;
    document_.importItems(shown_.items, replace, step);
    showStatus(QStringLiteral("%1 %2 items from %3. Edit > Undo takes it back.")
                   .arg(replace ? QStringLiteral("Replaced the menu's items with")
                                : QStringLiteral("Added"))
                   .arg(shown_.items.size())
                   .arg(sourceName_),
               false);
}

} // namespace menuloom::app
