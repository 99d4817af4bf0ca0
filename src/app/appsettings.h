#pragma once
// The designer's settings beside the recent files in "lmtool.ini": after the recent-file lines,
// a "[Settings]" line and one "key=value" line each. The recent-files list stops at that line.

#include <QMap>
#include <QString>

namespace menuloom::app {

inline constexpr char kSettingsSection[] = "[Settings]";

class AppSettings {
public:
    // Reads the settings part of the file; a missing file gives no settings.
    void load(const QString& settingsPath);
    // Writes the settings part, keeping the recent-file lines above it. False on a failed write.
    bool save(const QString& settingsPath) const;

    QString value(const QString& key) const { return values_.value(key); }
    void setValue(const QString& key, const QString& value) { values_.insert(key, value); }

    // "Links in the page" of the save dialog.
    bool saveLinks() const { return value(QStringLiteral("SaveLinks")) == QLatin1String("1"); }
    void setSaveLinks(bool on) { setValue(QStringLiteral("SaveLinks"), on ? "1" : "0"); }
    // The site folder last published into from a data file.
    QString siteFor(const QString& dataPath) const;
    void setSiteFor(const QString& dataPath, const QString& site);

private:
    QMap<QString, QString> values_;
};

// The recent-file part of a settings file: its lines before the "[Settings]" line.
QByteArray recentPart(const QByteArray& settingsFile);
// The settings part: from the "[Settings]" line on (empty when there is none).
QByteArray settingsPart(const QByteArray& settingsFile);

} // namespace menuloom::app
