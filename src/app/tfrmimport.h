#pragma once
// "Import Navigation": items from the navigation of a page or from a sitemap, read from a file or
// fetched from a web address, to replace the menu's items or to add to them.

#include "import/navimport.h"

#include <QByteArray>
#include <QDialog>
#include <memory>

class QLabel;
class QLineEdit;
class QListWidget;
class QNetworkAccessManager;
class QNetworkReply;
class QPushButton;
class QTreeWidget;
class QUrl;

namespace menuloom::doc {
class Document;
class Prompter;
} // namespace menuloom::doc

namespace menuloom::app {

using doc::Document;
using doc::Prompter;

class TfrmImport : public QDialog {
    Q_OBJECT
public:
    // `startFolder`: where the file dialog opens.
    TfrmImport(Document& document, Prompter& prompter, const QString& startFolder,
               QWidget* parent = nullptr);
    ~TfrmImport() override;

    // What a fetch may take: the whole answer within the time-out, at most the cap in bytes,
    // through at most the given number of redirects.
    static constexpr int kFetchTimeoutMs = 15000;
    static constexpr qint64 kFetchCap = qint64{5} << 20;
    static constexpr int kMaxRedirects = 5;

    // Reads the file or fetches the address; a fetch finishes later (see loaded()).
    void load(const QString& source);
    // The name the undo steps carry: the file's name, or the address.
    QString sourceName() const { return sourceName_; }
    bool hasSource() const { return source_ != nullptr; }

    QLineEdit* eSource = nullptr;
    QPushButton* spdBrowse = nullptr;
    QPushButton* spdLoad = nullptr;
    QLabel* lblStatus = nullptr;
    QListWidget* lbNavigations = nullptr;
    QTreeWidget* tvImport = nullptr;
    QPushButton* spdReplace = nullptr;
    QPushButton* spdAdd = nullptr;
    QPushButton* spdClose = nullptr;

signals:
    // A load finished: a new source is shown, or `ok` is false and the status tells why.
    void loaded(bool ok);

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void spdBrowseClick();
    void spdLoadClick();
    void lbNavigationsChange();
    void importClick(bool replace);
    void fetch(const QUrl& url);
    void fetchFinished();
    void cancelFetch();
    // Parses `bytes` as the source named `name`; on failure nothing changes.
    void useBytes(const QByteArray& bytes, const QString& name);
    void showStatus(const QString& text, bool error);
    void updateButtons();

    Document& document_;
    Prompter& prompter_;
    QString startFolder_;
    std::unique_ptr<importer::Source> source_;
    QString sourceName_;
    importer::ItemsResult shown_; // the items of the chosen navigation
    QNetworkAccessManager* network_ = nullptr;
    QNetworkReply* reply_ = nullptr;
    QByteArray received_;
    bool overCap_ = false;
};

} // namespace menuloom::app
