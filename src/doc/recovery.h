#pragma once
// The recovery copies: while a project has unsaved changes, each running designer keeps one copy
// of it in the user's state folder, so that a crash or a killed session loses nothing. A later
// run offers the copies of runs that are no longer alive.
//
// A copy is one file, "recovery-PID-TOKEN.js": a first comment line holding a JSON header (the
// data file the project came from, the working folder, the crossframe settings, and the size and
// SHA-1 of the rest), then the data file exactly as the data file writer renders it. Each run
// holds the lock file "recovery-PID-TOKEN.lock" (QLockFile, which tells a lock of a dead process
// from a live one) while it runs; a copy whose lock can be taken belongs to a run that is gone.

#include "model/project.h"

#include <QList>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>
#include <atomic>
#include <memory>
#include <mutex>

namespace menuloom::doc {

class RecoveryStore {
public:
    // What a copy holds besides the menu.
    struct Header {
        QString fileName; // the data file the project was opened from or saved to; may be empty
        std::string workingFolder;
        model::CrossframeSettings crossframe;
    };
    // A copy of a run that is no longer alive, locked by this run while it is handled.
    struct Orphan {
        QString path;
        std::shared_ptr<QLockFile> lock;
    };
    struct Restored {
        bool ok = false;
        QString message; // why it could not be read
        Header header;
    };

    // `folder` empty: defaultFolder(). Takes this run's lock at once (creating the folder).
    explicit RecoveryStore(const QString& folder = {});
    // Releases the lock; this run's copy stays when it was not removed (a later run offers it).
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    // $XDG_STATE_HOME/menuloom/, else ~/.local/state/menuloom/ (with the trailing "/").
    static QString defaultFolder();
    QString folder() const { return folder_; }
    // This run's copy.
    QString copyPath() const { return base_ + QStringLiteral(".js"); }

    // The copy's text for a project (fast; on the thread that owns the project).
    static std::string render(const model::Project& project, const Header& header);
    // Writes this run's copy atomically; false with `error` set when it could not be written.
    bool write(const model::Project& project, const Header& header, QString* error = nullptr);
    bool writeText(const std::string& text, QString* error = nullptr);
    // Removes this run's copy (after a save, New, Open, an exit that saved or discarded).
    void remove();

    // The copies of runs that are no longer alive, newest first. Each one is locked for this
    // run until it is restored, removed or set aside, so that two new runs never both take it.
    QList<Orphan> orphans() const;
    // Why a copy cannot be restored (cut short, changed, no header), or empty when it is whole.
    static QString verify(const QString& path);
    // Reads a copy into `project` (reset by the caller). A copy that is cut short or otherwise
    // damaged is not read: `ok` is false and `message` says why.
    static Restored restore(const QString& path, model::Project& project);
    // Removes a copy and its lock.
    static void discard(Orphan& orphan);
    // Renames a damaged copy to "...damaged-YYYYMMDD-HHMMSS" beside it and releases its lock;
    // returns the new path (empty when the rename failed).
    static QString setAside(Orphan& orphan);

private:
    QString folder_;
    QString base_; // folder + "recovery-PID-TOKEN"
    std::unique_ptr<QLockFile> lock_;
};

} // namespace menuloom::doc

namespace menuloom::doc {

class Document;

// Keeps this run's copy up to date: written at most kDelayMs after a change while the document
// is modified, removed as soon as it is not (saved, New, Open, undone to the saved state).
// The text is rendered on the user-interface thread (the project is not shared); the file is
// written on a worker thread, since a synced write can take longer than a frame.
class RecoveryWriter : public QObject {
    Q_OBJECT
public:
    static constexpr int kDelayMs = 2000;
    RecoveryWriter(Document& document, RecoveryStore& store, QObject* parent = nullptr);
    ~RecoveryWriter() override;

    // Writes (or, when not modified, removes) the copy now; the write finishes on the worker.
    void writeNow();
    // Removes the copy and drops any write not yet made (an exit that saved or discarded).
    void discard();
    // Waits until the worker has made every write asked for.
    void waitForWrites();
    const QTimer& timer() const { return timer_; }

signals:
    // The copy could not be written (once per distinct error).
    void writeFailed(const QString& message);

private:
    void reportError(const QString& error);

    Document& document_;
    RecoveryStore& store_;
    QTimer timer_;
    QString lastError_;
    QThreadPool worker_;   // one thread: the writes stay in order
    std::mutex fileMutex_; // one write or removal of the copy at a time
    std::atomic<int> generation_{
        0}; // a write asked for before the latest change of plan is dropped
};

} // namespace menuloom::doc
