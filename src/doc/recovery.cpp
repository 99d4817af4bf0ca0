#include "doc/recovery.h"

#include "doc/document.h"

#include "output/datawriter.h"
#include "output/textfile.h"
#include "reader/datareader.h"
#include "reader/encoding.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>

namespace menuloom::doc {

namespace {

// The first line of a copy: this marker, then the header as one line of JSON.
constexpr std::string_view kMarker = "// menuloom recovery ";
constexpr int kFormat = 1;

// Model texts are bytes; Latin-1 carries them through JSON unchanged.
QString bytesToJson(const std::string& s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}
std::string bytesFromJson(const QJsonValue& v) {
    return v.toString().toLatin1().toStdString();
}

QString lockPathOf(const QString& copyPath) {
    QString base = copyPath;
    base.chop(3); // ".js"
    return base + QStringLiteral(".lock");
}

std::unique_ptr<QLockFile> makeLock(const QString& path) {
    auto lock = std::make_unique<QLockFile>(path);
    // A lock stays valid for as long as its process lives, however long that is.
    lock->setStaleLockTime(0);
    return lock;
}

QByteArray sha1(std::string_view bytes) {
    return QCryptographicHash::hash(
               QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())),
               QCryptographicHash::Sha1)
        .toHex();
}

} // namespace

QString RecoveryStore::defaultFolder() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    // The base directory rules: a relative value is ignored.
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/menuloom/");
}

RecoveryStore::RecoveryStore(const QString& folder)
    : folder_(folder.isEmpty() ? defaultFolder() : folder) {
    if (!folder_.endsWith(QLatin1Char('/')))
        folder_ += QLatin1Char('/');
    QDir().mkpath(folder_);
    // The process id names the run for people; the token keeps a reused id apart.
    const QString token = QString::number(QRandomGenerator::global()->generate() & 0xFFFFFF, 16)
                              .rightJustified(6, '0');
    base_ = folder_ +
            QStringLiteral("recovery-%1-%2").arg(QCoreApplication::applicationPid()).arg(token);
    lock_ = makeLock(base_ + QStringLiteral(".lock"));
    lock_->tryLock(0);
}

RecoveryStore::~RecoveryStore() = default;

std::string RecoveryStore::render(const model::Project& project, const Header& header) {
    const std::string data = output::renderDataFile(project, false);
    QJsonObject cross{
        {QStringLiteral("framesetId"), bytesToJson(header.crossframe.framesetId)},
        {QStringLiteral("topFrame"), bytesToJson(header.crossframe.topFrame)},
        {QStringLiteral("subFrame"), bytesToJson(header.crossframe.subFrame)},
        {QStringLiteral("vertical"), header.crossframe.vertical},
        {QStringLiteral("enabled"), header.crossframe.enabled},
    };
    QJsonObject head{
        {QStringLiteral("format"), kFormat},
        {QStringLiteral("fileName"), header.fileName},
        {QStringLiteral("workingFolder"), bytesToJson(header.workingFolder)},
        {QStringLiteral("crossframe"), cross},
        {QStringLiteral("size"), static_cast<qint64>(data.size())},
        {QStringLiteral("sha1"), QString::fromLatin1(sha1(data))},
    };
    std::string text(kMarker);
    text += QJsonDocument(head).toJson(QJsonDocument::Compact).toStdString();
    text += '\n';
    text += data;
    return text;
}

bool RecoveryStore::write(const model::Project& project, const Header& header, QString* error) {
    return writeText(render(project, header), error);
}

bool RecoveryStore::writeText(const std::string& text, QString* error) {
    QDir().mkpath(folder_);
    const output::WriteResult result =
        output::writeFileAtomically(QFile::encodeName(copyPath()).toStdString(), text);
    if (!result.ok() && error)
        *error = QString::fromLocal8Bit(result.message.c_str());
    return result.ok();
}

void RecoveryStore::remove() {
    QFile::remove(copyPath());
}

QList<RecoveryStore::Orphan> RecoveryStore::orphans() const {
    const QDir dir(folder_);
    const QFileInfoList copies =
        dir.entryInfoList({QStringLiteral("recovery-*.js")}, QDir::Files, QDir::Time);
    QList<Orphan> found;
    for (const QFileInfo& copy : copies) {
        const QString path = copy.absoluteFilePath();
        if (path == QFileInfo(copyPath()).absoluteFilePath())
            continue;
        std::shared_ptr<QLockFile> lock = makeLock(lockPathOf(path));
        // Taken only when no live run holds it (a dead run's lock is stale and goes).
        if (lock->tryLock(0))
            found.append({path, std::move(lock)});
    }
    return found;
}

namespace {

// Reads a copy's header and menu text; the error, or empty when the copy is whole.
QString load(const QString& path, QJsonObject* head, std::string* data) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    const QByteArray all = file.readAll();
    const qsizetype eol = all.indexOf('\n');
    const auto markerSize = static_cast<qsizetype>(kMarker.size());
    if (!all.startsWith(QByteArray(kMarker.data(), markerSize)) || eol < 0)
        return QStringLiteral("it does not start with its header");
    QJsonParseError parseError;
    const QJsonDocument doc =
        QJsonDocument::fromJson(all.mid(markerSize, eol - markerSize), &parseError);
    *head = doc.object();
    if (parseError.error != QJsonParseError::NoError ||
        head->value(QStringLiteral("format")).toInt() != kFormat)
        return QStringLiteral("its header cannot be read");
    *data = all.mid(eol + 1).toStdString();
    if (static_cast<qint64>(data->size()) != head->value(QStringLiteral("size")).toInteger(-1) ||
        sha1(*data) != head->value(QStringLiteral("sha1")).toString().toLatin1())
        return QStringLiteral("it is cut short or changed");
    return {};
}

} // namespace

QString RecoveryStore::verify(const QString& path) {
    QJsonObject head;
    std::string data;
    return load(path, &head, &data);
}

RecoveryStore::Restored RecoveryStore::restore(const QString& path, model::Project& project) {
    Restored r;
    QJsonObject head;
    std::string data;
    r.message = load(path, &head, &data);
    if (!r.message.isEmpty())
        return r;
    const reader::ReadResult read = reader::readDataText(project, reader::decodeDataFileText(data));
    if (!read.ok()) {
        r.message = read.message.empty() ? QStringLiteral("its menu cannot be read")
                                         : QString::fromUtf8(read.message.c_str());
        return r;
    }
    r.header.fileName = head.value(QStringLiteral("fileName")).toString();
    r.header.workingFolder = bytesFromJson(head.value(QStringLiteral("workingFolder")));
    const QJsonObject cross = head.value(QStringLiteral("crossframe")).toObject();
    r.header.crossframe.framesetId = bytesFromJson(cross.value(QStringLiteral("framesetId")));
    r.header.crossframe.topFrame = bytesFromJson(cross.value(QStringLiteral("topFrame")));
    r.header.crossframe.subFrame = bytesFromJson(cross.value(QStringLiteral("subFrame")));
    r.header.crossframe.vertical = cross.value(QStringLiteral("vertical")).toBool();
    r.header.crossframe.enabled = cross.value(QStringLiteral("enabled")).toBool();
    r.ok = true;
    return r;
}

void RecoveryStore::discard(Orphan& orphan) {
    QFile::remove(orphan.path);
    if (orphan.lock)
        orphan.lock->unlock(); // removes the lock file
    orphan.lock.reset();
}

QString RecoveryStore::setAside(Orphan& orphan) {
    QString target = orphan.path + QStringLiteral(".damaged-") +
                     QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int n = 2; QFile::exists(target); ++n)
        target = target.section(QLatin1Char('~'), 0, 0) + QLatin1Char('~') + QString::number(n);
    const bool moved = QFile::rename(orphan.path, target);
    if (orphan.lock)
        orphan.lock->unlock();
    orphan.lock.reset();
    return moved ? target : QString();
}

} // namespace menuloom::doc

namespace menuloom::doc {

RecoveryWriter::RecoveryWriter(Document& document, RecoveryStore& store, QObject* parent)
    : QObject(parent), document_(document), store_(store) {
    worker_.setMaxThreadCount(1);
    timer_.setSingleShot(true);
    timer_.setInterval(kDelayMs);
    connect(&timer_, &QTimer::timeout, this, &RecoveryWriter::writeNow);
    // Not restarted by later changes: a copy at most kDelayMs after any change, even while the
    // user keeps editing.
    connect(&document_, &Document::changed, this, [this] {
        if (!timer_.isActive())
            timer_.start();
    });
    // Saved, New, Open, or undone back to the saved state: nothing left to recover.
    connect(&document_, &Document::modifiedChanged, this, [this](bool modified) {
        if (!modified)
            discard();
    });
}

RecoveryWriter::~RecoveryWriter() {
    worker_.waitForDone();
}

void RecoveryWriter::writeNow() {
    timer_.stop();
    if (!document_.isModified()) {
        discard();
        return;
    }
    const model::Project& p = document_.project();
    std::string text =
        RecoveryStore::render(p, {document_.fileName(), p.workingFolder, p.crossframe});
    const int generation = ++generation_;
    worker_.start([this, text = std::move(text), generation] {
        const std::lock_guard<std::mutex> lock(fileMutex_);
        if (generation != generation_.load())
            return;
        QString error;
        store_.writeText(text, &error);
        QMetaObject::invokeMethod(
            this, [this, error] { reportError(error); }, Qt::QueuedConnection);
    });
}

void RecoveryWriter::reportError(const QString& error) {
    if (error.isEmpty()) {
        lastError_.clear();
    } else if (error != lastError_) {
        // Said once per kind of failure, not after every change.
        lastError_ = error;
        emit writeFailed(error);
    }
}

void RecoveryWriter::discard() {
    timer_.stop();
    ++generation_;
    const std::lock_guard<std::mutex> lock(fileMutex_);
    store_.remove();
}

void RecoveryWriter::waitForWrites() {
    worker_.waitForDone();
}

} // namespace menuloom::doc
