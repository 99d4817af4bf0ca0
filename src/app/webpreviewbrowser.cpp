#include "app/webpreviewbrowser.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

namespace menuloom::app {

namespace {

// Links that leave the local preview (the blank page's logo, a menu item's web address opened
// in a new window) go to the desktop's browser instead of a window the designer cannot show.
class PreviewPage : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;

protected:
    QWebEnginePage* createWindow(WebWindowType) override {
        auto* page = new QWebEnginePage(profile(), this);
        connect(page, &QWebEnginePage::urlChanged, page, [page](const QUrl& url) {
            if (url.isValid() && !url.isEmpty())
                QDesktopServices::openUrl(url);
            page->deleteLater();
        });
        return page;
    }
};

} // namespace

QWebEngineProfile* WebPreviewBrowser::previewProfile() {
    static QWebEngineProfile* profile = [] {
        auto* p = new QWebEngineProfile(QCoreApplication::instance());
        p->setHttpCacheType(QWebEngineProfile::NoCache);
        p->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
        return p;
    }();
    return profile;
}

WebPreviewBrowser::WebPreviewBrowser(QWidget* parent) : QWebEngineView(parent) {
    setObjectName(QStringLiteral("WB"));
    setPage(new PreviewPage(previewProfile(), this));
    setContextMenuPolicy(Qt::NoContextMenu);
}

void WebPreviewBrowser::navigate(const QString& path) {
    setUrl(QUrl::fromLocalFile(path));
}

BrowserFactory WebPreviewBrowser::factory() {
    return [](QWidget* parent) {
        auto* view = new WebPreviewBrowser(parent);
        return BrowserView{view, view};
    };
}

} // namespace menuloom::app
