#pragma once
// The recent-files list: at most ten paths, most recent first, kept in "lmtool.ini".

#include <QString>
#include <QStringList>

namespace menuloom::app {

class RecentFiles {
public:
    static constexpr int kMaxEntries = 10;

    const QStringList& paths() const { return paths_; }
    int size() const { return static_cast<int>(paths_.size()); }
    bool isEmpty() const { return paths_.isEmpty(); }

    // Puts `path` at the top, dropping an equal entry (case-sensitive) and the eleventh.
    void add(const QString& path);
    // Reads the list from the settings file: its lines in order, duplicates skipped, at most ten.
    // A missing or unreadable file leaves the list empty.
    void load(const QString& settingsPath);
    // Writes one line per entry, CR LF ended, replacing the file. An empty list leaves the file
    // untouched. Returns false when the file could not be written.
    bool save(const QString& settingsPath) const;

    // The menu caption that shows `path` literally: every "&" doubled, so that the menu neither
    // takes one as a hot-key marker nor loses it. Menu entries keep their path beside the caption.
    static QString captionForPath(const QString& path);

private:
    QStringList paths_;
};

// Where "lmtool.ini" lives: in the program folder, or in the user's configuration folder when
// the program folder may not be written (an installed copy).
QString settingsFilePath(const QString& programFolder);

} // namespace menuloom::app
