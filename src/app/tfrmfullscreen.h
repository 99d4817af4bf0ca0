#pragma once
// The full-screen preview: a tool window with a second preview browser and "Stay On Top".

#include "app/previewbrowser.h"

#include <QWidget>

class QCheckBox;

namespace menuloom::app {

class TfrmFullscreen : public QWidget {
    Q_OBJECT
public:
    // Placed 25 px from the screen's left and top edges, the screen's size less 50 by 80.
    explicit TfrmFullscreen(const app::BrowserFactory& browsers, QWidget* parent = nullptr);

    app::PreviewBrowser& browser() { return *browser_; }
    QWidget* browserWidget() const { return browserWidget_; }
    QCheckBox* stayOnTopBox() const { return cbStayOnTop_; }
    // The page the browser shows again after "Stay On Top" changes.
    void setPagePath(const QString& path) { pagePath_ = path; }

private:
    void cbStayOnTopClick();

    app::PreviewBrowser* browser_ = nullptr;
    QWidget* browserWidget_ = nullptr;
    QCheckBox* cbStayOnTop_ = nullptr;
    QString pagePath_;
};

} // namespace menuloom::app
