#include "app/preview.h"

#include "app/apptitle.h"
#include "app/tfrmfullscreen.h"
#include "doc/prompter.h"
#include "output/datawriter.h"
#include "output/pagewriter.h"

#include <QFile>

namespace menuloom::app {

using output::copyEngine;
using output::kEngineFileName;
using output::writeDataFile;
using output::writePage;
using output::WriteResult;

namespace {

std::string localPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

QStringList writePreviewFiles(const model::Project& project, const QString& programFolder,
                              const QString& tempFolder) {
    QStringList failures;
    auto note = [&failures](const WriteResult& result) {
        const QString text = QString::fromLocal8Bit(result.message.c_str());
        if (!result.ok() && !failures.contains(text))
            failures << text;
    };
    const std::string dataPath = localPath(tempFolder + QString::fromLatin1(kPreviewDataName));
    note(writeDataFile(project, dataPath, true));
    note(writePage(localPath(tempFolder + QString::fromLatin1(kPreviewPageName)), dataPath, true));
    copyEngine(localPath(programFolder), localPath(tempFolder) + std::string(kEngineFileName));
    return failures;
}

PreviewController::PreviewController(const model::Project& project, QString programFolder,
                                     QString tempFolder, Prompter& prompter,
                                     PreviewBrowser& mainBrowser, QObject* parent)
    : QObject(parent), project_(project), programFolder_(std::move(programFolder)),
      tempFolder_(std::move(tempFolder)), prompter_(prompter), mainBrowser_(mainBrowser) {
    timerUpdate_.setObjectName(QStringLiteral("timerUpdate"));
    timerUpdate_.setInterval(kUpdateInterval);
    // "One second after the last change": a coarse timer could fire up to 5% early.
    timerUpdate_.setTimerType(Qt::PreciseTimer);
    connect(&timerUpdate_, &QTimer::timeout, this, &PreviewController::timerUpdateTimer);
}

void PreviewController::setFullscreen(TfrmFullscreen* window) {
    fullscreen_ = window;
    if (fullscreen_)
        fullscreen_->setPagePath(pagePath());
}

QString PreviewController::pagePath() const {
    return tempFolder_ + QString::fromLatin1(kPreviewPageName);
}

QString PreviewController::dataPath() const {
    return tempFolder_ + QString::fromLatin1(kPreviewDataName);
}

void PreviewController::scheduleRefresh() {
    timerUpdate_.stop();
    if (autoUpdate_)
        timerUpdate_.start();
}

void PreviewController::timerUpdateTimer() {
    timerUpdate_.stop();
    if (autoUpdate_)
        refresh();
}

bool PreviewController::writeFiles() {
    const QStringList failures = writePreviewFiles(project_, programFolder_, tempFolder_);
    if (!failures.isEmpty())
        prompter_.message(appTitle(), failures.join(QLatin1Char('\n')), Prompter::Buttons::Ok);
    return failures.isEmpty();
}

void PreviewController::refresh() {
    timerUpdate_.stop();
    writeFiles();
    mainBrowser_.navigate(pagePath());
    if (fullscreen_ && fullscreen_->isVisible()) {
        fullscreen_->show();
        fullscreen_->raise();
        fullscreen_->browser().navigate(pagePath());
    }
    emit refreshed();
}

void PreviewController::showFullscreen() {
    writeFiles();
    if (!fullscreen_)
        return;
    fullscreen_->show();
    fullscreen_->raise();
    fullscreen_->activateWindow();
    fullscreen_->browser().navigate(pagePath());
}

void PreviewController::previewInBrowser() {
    writeFiles();
    prompter_.openExternally(pagePath());
}

} // namespace menuloom::app
