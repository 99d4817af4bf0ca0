#pragma once
// The real preview browser: a web view that loads local preview pages.

#include "app/previewbrowser.h"

#include <QWebEngineView>

class QWebEngineProfile;

namespace menuloom::app {

class WebPreviewBrowser : public QWebEngineView, public PreviewBrowser {
    Q_OBJECT
public:
    explicit WebPreviewBrowser(QWidget* parent = nullptr);
    void navigate(const QString& path) override;

    // The in-memory profile shared by every preview browser: nothing cached between loads, so
    // each navigation reads the preview files afresh.
    static QWebEngineProfile* previewProfile();
    static BrowserFactory factory();
};

} // namespace menuloom::app
