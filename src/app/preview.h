#pragma once
// The live preview: writes the preview files into the temporary folder and points the preview
// browsers at them, now or one second after the last change.

#include "app/previewbrowser.h"
#include "model/project.h"

#include <QObject>
#include <QString>
#include <QTimer>

namespace menuloom::doc {
class Prompter;
}

namespace menuloom::app {

using doc::Prompter;

class TfrmFullscreen;

inline constexpr const char* kPreviewDataName = "tmp_zel_data.js";
inline constexpr const char* kPreviewPageName = "tmp_zel.html";

// Writes the preview data file, the preview page and the engine copy into `tempFolder`, each
// regardless of the others. Returns the system's texts of the writes that failed, without repeats.
QStringList writePreviewFiles(const model::Project& project, const QString& programFolder,
                              const QString& tempFolder);

class PreviewController : public QObject {
    Q_OBJECT
public:
    static constexpr int kUpdateInterval = 1000; // ms from the last change to the refresh

    PreviewController(const model::Project& project, QString programFolder, QString tempFolder,
                      Prompter& prompter, PreviewBrowser& mainBrowser, QObject* parent = nullptr);

    void setFullscreen(TfrmFullscreen* window);
    TfrmFullscreen* fullscreen() const { return fullscreen_; }

    bool autoUpdate() const { return autoUpdate_; }
    void setAutoUpdate(bool on) { autoUpdate_ = on; }
    QTimer& timer() { return timerUpdate_; }

    QString pagePath() const;
    QString dataPath() const;

    // Restarts the one-second countdown when "Auto Update" is on (a change was made).
    void scheduleRefresh();
    // Stops the countdown without refreshing (New).
    void cancelScheduled() { timerUpdate_.stop(); }
    // Sends the main browser to another page (the blank page), without writing anything.
    void navigateMain(const QString& path) { mainBrowser_.navigate(path); }
    // Writes the preview files and navigates the main browser, and the full-screen one when shown.
    void refresh();
    // Writes the preview files and reports a failure once; true when all were written.
    bool writeFiles();
    // "Fullscreen Preview...": writes the files, shows the window and navigates its browser.
    void showFullscreen();
    // "Preview in Browser...": writes the files and hands the page to the desktop's browser.
    void previewInBrowser();

signals:
    void refreshed();

private:
    void timerUpdateTimer();

    const model::Project& project_;
    QString programFolder_;
    QString tempFolder_;
    Prompter& prompter_;
    PreviewBrowser& mainBrowser_;
    TfrmFullscreen* fullscreen_ = nullptr;
    bool autoUpdate_ = true;
    QTimer timerUpdate_;
};

} // namespace menuloom::app
