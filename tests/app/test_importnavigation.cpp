// "Import Navigation" driven through its widgets: a page chosen through the file dialog, its
// navigations listed, Replace Items and Add to Items as single undo steps, failures that change
// nothing, and fetches from a local web server (a page, one too large, endless redirects).

#include "app/tfrmimport.h"
#include "doc/document.h"
#include "fakeprompter.h"
#include "testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTreeWidget>
#include <QUndoStack>

using namespace menuloom;
using app::testing::FakePrompter;

namespace {

// The realistic page of the importer's tests.
const QString kSite = QStringLiteral(MENULOOM_TEST_DATA "/import/site.html");

struct Fixture {
    doc::Document document;
    model::Project& project = document.mutableProject();
    FakePrompter prompter;
    int changes = 0;
    std::unique_ptr<app::TfrmImport> window;

    Fixture() {
        for (const char* caption : {"Old0", "Old1"})
            project.items.rename(project.items.addItem(nullptr, false), caption);
        QObject::connect(&document, &doc::Document::changed, [this] { ++changes; });
        window = std::make_unique<app::TfrmImport>(document, prompter, "/home/ann");
        window->show();
    }

    QStringList topCaptions() const {
        QStringList out;
        const model::ItemNode* root = project.items.root();
        for (int i = 0; i < root->childCount(); ++i)
            out << QString::fromStdString(root->child(i)->props().caption);
        return out;
    }
    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    QUndoStack* stack() { return document.undoStack(); }
};

// Answers every request by its path: /site the test page, /big 6 MB, /loop a redirect to itself.
class LocalServer : public QTcpServer {
public:
    LocalServer() {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [socket] {
                    const QByteArray request = socket->readAll();
                    const QByteArray path = request.split(' ').value(1);
                    QByteArray head = "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n";
                    QByteArray body;
                    if (path == "/site") {
                        body = app::testing::readAll(kSite);
                    } else if (path == "/big") {
                        body = QByteArray(6 << 20, 'x');
                    } else {
                        head = "HTTP/1.1 302 Found\r\nLocation: /loop\r\n";
                    }
                    socket->write(head + "Content-Length: " + QByteArray::number(body.size()) +
                                  "\r\nConnection: close\r\n\r\n" + body);
                    socket->disconnectFromHost();
                });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
    QString address(const char* path) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(QLatin1String(path));
    }
};

} // namespace

class TestImportNavigation : public QObject {
    Q_OBJECT
private slots:
    void replaceAndAddAreSingleStepsUndoneAndRedone();
    void failuresChangeNothing();
    void fetchesFromTheWeb();
};

void TestImportNavigation::replaceAndAddAreSingleStepsUndoneAndRedone() {
    Fixture f;
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Import Navigation"));
    QVERIFY(!f.window->spdReplace->isEnabled());

    f.prompter.files.enqueue(kSite);
    f.click(f.window->spdBrowse);
    QCOMPARE(f.prompter.fileRequests.size(), 1);
    QCOMPARE(f.prompter.fileRequests[0].filters[0].pattern, QStringLiteral("*.html;*.htm;*.xml"));
    QCOMPARE(f.window->lbNavigations->count(), 3);
    QCOMPARE(f.window->lbNavigations->currentRow(), 0);
    QVERIFY(f.window->lbNavigations->item(0)->text().contains(QStringLiteral("Main: Home")));
    QCOMPARE(f.window->tvImport->topLevelItemCount(), 4);
    QCOMPARE(f.window->tvImport->topLevelItem(1)->child(0)->child(1)->text(1),
             QStringLiteral("/products/hardware/saws.html"));
    QCOMPARE(f.changes, 0); // looking changes nothing

    // Replace: one step named after the source; the items are the header navigation's.
    f.click(f.window->spdReplace);
    QCOMPARE(f.stack()->count(), 1);
    QCOMPARE(f.stack()->undoText(), QStringLiteral("Replace Items from site.html"));
    QCOMPARE(f.topCaptions(),
             (QStringList{"Home", "Products & Services", "Company", "Café <Menu>"}));
    QCOMPARE(f.project.items.count(), 10);
    QCOMPARE(f.changes, 1);
    QVERIFY(f.document.isModified());

    f.stack()->undo();
    QCOMPARE(f.topCaptions(), (QStringList{"Old0", "Old1"}));
    QCOMPARE(f.project.items.count(), 2);
    f.stack()->redo();
    QCOMPARE(f.project.items.count(), 10);
    QCOMPARE(f.project.items.root()->child(1)->child(0)->child(1)->props().target, "_blank");
    f.stack()->undo();
    QCOMPARE(f.changes, 4); // the step, its undo, its redo and the undo again

    // Add: the footer's navigation after the last top-level item, again one step.
    f.window->lbNavigations->setCurrentRow(2);
    QCOMPARE(f.window->tvImport->topLevelItemCount(), 3);
    f.click(f.window->spdAdd);
    QCOMPARE(f.stack()->count(), 1); // the undone Replace left the history
    QCOMPARE(f.stack()->undoText(), QStringLiteral("Add Items from site.html"));
    const QStringList added{"Old0", "Old1", "Shop", "Help", "Legal"};
    QCOMPARE(f.topCaptions(), added);
    QCOMPARE(f.project.items.count(), 15);
    f.stack()->undo();
    QCOMPARE(f.topCaptions(), (QStringList{"Old0", "Old1"}));
    QCOMPARE(f.project.items.count(), 2);
    f.stack()->redo();
    QCOMPARE(f.topCaptions(), added);
    QCOMPARE(f.project.items.root()->child(3)->child(3)->props().link, "/help/faq.html");
    QCOMPARE(f.project.items.count(), 15);
}

void TestImportNavigation::failuresChangeNothing() {
    Fixture f;
    f.window->load(kSite);
    QVERIFY(f.window->hasSource());

    QTemporaryDir dir;
    const QString bomb = dir.filePath("bomb.xml");
    QVERIFY(app::testing::writeAll(
        bomb, "<?xml version=\"1.0\"?><!DOCTYPE urlset [<!ENTITY a \"aaaa\">]><urlset/>"));
    const struct {
        QString source;
        QString reason;
    } failures[] = {
        {bomb, QStringLiteral("bomb.xml: the sitemap declares XML entities")},
        {dir.filePath("missing.html"), QStringLiteral("missing.html: No such file or directory")},
        {QStringLiteral("ftp://example.com/"), QStringLiteral("only http and https")},
    };
    for (const auto& failure : failures) {
        f.window->eSource->setText(failure.source);
        f.click(f.window->spdLoad);
        QVERIFY2(f.window->lblStatus->text().contains(failure.reason),
                 qPrintable(f.window->lblStatus->text()));
        // The page loaded before stays, and the menu is as it was.
        QCOMPARE(f.window->lbNavigations->count(), 3);
        QCOMPARE(f.window->sourceName(), QStringLiteral("site.html"));
        QCOMPARE(f.topCaptions(), (QStringList{"Old0", "Old1"}));
        QCOMPARE(f.stack()->count(), 0);
        QCOMPARE(f.changes, 0);
    }
}

void TestImportNavigation::fetchesFromTheWeb() {
    Fixture f;
    LocalServer server;
    QVERIFY(server.isListening());
    QSignalSpy loaded(f.window.get(), &app::TfrmImport::loaded);

    f.window->eSource->setText(server.address("/site"));
    f.click(f.window->spdLoad);
    QVERIFY(loaded.wait(20000));
    QCOMPARE(loaded.takeFirst().at(0).toBool(), true);
    QCOMPARE(f.window->lbNavigations->count(), 3);
    QCOMPARE(f.window->sourceName(), server.address("/site"));
    f.click(f.window->spdReplace);
    QCOMPARE(f.stack()->undoText(),
             QStringLiteral("Replace Items from ") + server.address("/site"));
    f.stack()->undo();

    const struct {
        const char* path;
        QString reason;
    } failures[] = {
        {"/big", QStringLiteral("the page is larger than 5 MB")},
        {"/loop", QStringLiteral("more than 5 redirects")},
    };
    for (const auto& failure : failures) {
        f.window->load(server.address(failure.path));
        QVERIFY(loaded.wait(20000));
        QCOMPARE(loaded.takeFirst().at(0).toBool(), false);
        QVERIFY2(f.window->lblStatus->text().contains(failure.reason),
                 qPrintable(f.window->lblStatus->text()));
        QCOMPARE(f.window->sourceName(), server.address("/site"));
        QCOMPARE(f.topCaptions(), (QStringList{"Old0", "Old1"}));
    }

    // Nothing listens on port 1: the system's reason is shown.
    f.window->load(QStringLiteral("http://127.0.0.1:1/"));
    QVERIFY(loaded.wait(20000));
    QCOMPARE(loaded.takeFirst().at(0).toBool(), false);
    QVERIFY(f.window->lblStatus->text().startsWith(QStringLiteral("http://127.0.0.1:1/: ")));
    QCOMPARE(f.topCaptions(), (QStringList{"Old0", "Old1"}));
}

QTEST_MAIN(TestImportNavigation)
#include "test_importnavigation.moc"
