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
    void setPointing(std::function<void(const ItemRows&)> picked) override;
    void showItem(const ItemRows& rows) override;
    void setMeasuring(Measured measured) override;

    // The in-memory profile shared by every preview browser: nothing cached between loads, so
    // each navigation reads the preview files afresh.
    static QWebEngineProfile* previewProfile();
    static BrowserFactory factory();

private:
    // Installs the page's half of the pointing bridge and shows the chosen item again.
    void applyPointing();
    // Installs the page's half of the measuring and measures.
    void applyMeasuring();

    std::function<void(const ItemRows&)> picked_;
    ItemRows shown_;
    Measured measured_;
};

} // namespace menuloom::app
