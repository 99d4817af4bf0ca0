// The recent-files list and its settings file.

#include "app/recentfiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using menuloom::app::RecentFiles;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

} // namespace

class TestRecentFiles : public QObject {
    Q_OBJECT
private slots:
    void addKeepsOrderWithoutDuplicates() {
        RecentFiles list;
        list.add("/m/a.js");
        list.add("/m/b.js");
        list.add("/m/a.js");
        QCOMPARE(list.paths(), QStringList({"/m/a.js", "/m/b.js"}));

        // Letter case makes a different file.
        list.add("/m/A.js");
        QCOMPARE(list.paths(), QStringList({"/m/A.js", "/m/a.js", "/m/b.js"}));
    }

    void neverMoreThanTen() {
        RecentFiles list;
        for (int i = 1; i <= 11; ++i)
            list.add(QString("/m/%1.js").arg(i));
        QCOMPARE(list.size(), 10);
        QCOMPARE(list.paths().first(), QString("/m/11.js"));
        QCOMPARE(list.paths().last(), QString("/m/2.js"));
        QVERIFY(!list.paths().contains("/m/1.js"));
        // Re-adding one from the middle moves it up without dropping anything.
        list.add("/m/5.js");
        QCOMPARE(list.size(), 10);
        QCOMPARE(list.paths().first(), QString("/m/5.js"));
        QCOMPARE(list.paths().last(), QString("/m/2.js"));
    }

    void settingsFileRoundTrip() {
        QTemporaryDir dir;
        const QString ini = dir.filePath("lmtool.ini");
        writeAll(ini, "x\r\ny\r\nz\r\n");
        RecentFiles list;
        list.load(ini);
        QCOMPARE(list.paths(), QStringList({"x", "y", "z"}));
        QVERIFY(list.save(ini));
        QCOMPARE(readAll(ini), QByteArray("x\r\ny\r\nz\r\n"));

        // Paths keep every character, "&" and non-ASCII letters included.
        list.add("/home/m\u00fcller/R&D/menu.js");
        QVERIFY(list.save(ini));
        RecentFiles again;
        again.load(ini);
        QCOMPARE(again.paths().first(), QString("/home/m\u00fcller/R&D/menu.js"));
        QCOMPARE(RecentFiles::captionForPath("/a&b/c.js"), QString("/a&&b/c.js"));
    }

    void loadSkipsRepeatsAndStopsAtTen() {
        QTemporaryDir dir;
        const QString ini = dir.filePath("lmtool.ini");
        QByteArray bytes = "a\r\na\r\nb\n\r\n";
        for (int i = 0; i < 12; ++i)
            bytes += QByteArray::number(i) + "\r\n";
        writeAll(ini, bytes);
        RecentFiles list;
        list.load(ini);
        QCOMPARE(list.size(), 10);
        QCOMPARE(list.paths().mid(0, 3), QStringList({"a", "b", "0"}));
        QCOMPARE(list.paths().last(), QString("7"));

        // A missing file gives an empty list, also over an earlier one.
        list.load(dir.filePath("none.ini"));
        QVERIFY(list.isEmpty());
    }

    void emptyListLeavesFileUntouched() {
        QTemporaryDir dir;
        const QString ini = dir.filePath("lmtool.ini");
        writeAll(ini, "keep\r\nme\r\n");
        RecentFiles empty;
        QVERIFY(empty.save(ini));
        QCOMPARE(readAll(ini), QByteArray("keep\r\nme\r\n"));

        // A file that cannot be created loses the list quietly.
        RecentFiles one;
        one.add("/m/a.js");
        const QString blocked = dir.filePath("blocked");
        writeAll(blocked, "file, not folder");
        QVERIFY(!one.save(blocked + "/lmtool.ini"));
    }
};

QTEST_GUILESS_MAIN(TestRecentFiles)
#include "test_recentfiles.moc"
