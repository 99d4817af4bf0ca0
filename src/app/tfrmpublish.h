#pragma once
// "Publish to Site": the site folder (remembered for each data file), what publishing will do to
// each page, the two marker lines to copy, and the publishing itself on a worker thread with a
// progress bar that can be cancelled. Publishing writes files; it changes nothing in the project.

#include "output/publish.h"

#include <QDialog>

#include <atomic>
#include <memory>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QThread;
class QTreeWidget;

namespace menuloom::doc {
class Document;
class Prompter;
} // namespace menuloom::doc

namespace menuloom::app {

class TfrmPublish : public QDialog {
    Q_OBJECT
public:
    TfrmPublish(doc::Document& document, doc::Prompter& prompter, QString programFolder,
                QString settingsPath, QWidget* parent = nullptr);
    ~TfrmPublish() override;

    QString siteFolder() const;
    // Chooses the site folder (and remembers it for the data file) and lists its pages.
    void setSiteFolder(const QString& folder);
    bool busy() const { return worker_ != nullptr; }

    QLineEdit* eSite = nullptr;
    QPushButton* spdSiteSelect = nullptr;
    QPlainTextEdit* mmMarkers = nullptr;
    QPushButton* spdCopyMarkers = nullptr;
    QTreeWidget* lvPages = nullptr;
    QLabel* lblSummary = nullptr;
    QProgressBar* pbProgress = nullptr;
    QPushButton* spdPublish = nullptr;
    QPushButton* spdCancel = nullptr;
    QPushButton* spdClose = nullptr;

signals:
    // A run (listing or publishing) has ended and the list shows its outcome.
    void runFinished(bool published);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void spdSiteSelectClick();
    void spdCopyMarkersClick();
    // Runs publishing (or, with `dryRun`, only works out each page's word) on a worker thread.
    void start(bool dryRun);
    void pageDone(const output::PageOutcome& page, int done, int total);
    void runEnded(bool dryRun);
    void updateButtons();

    doc::Document& document_;
    doc::Prompter& prompter_;
    QString programFolder_;
    QString settingsPath_;
    QThread* worker_ = nullptr;
    std::atomic<bool> cancel_{false};
    std::shared_ptr<output::PublishResult> result_;
};

} // namespace menuloom::app
