// The about box: borderless and centred, its texts, the three links and the ways to close it.

#include "app/tfrmabout.h"
#include "fakeprompter.h"

#include <QEnterEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using namespace menuloom;
using app::testing::FakePrompter;

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void borderlessCentredWithTexts();
    void linksUnderlineAndOpen();
    void okEnterAndEscapeClose();
};

void TestAbout::borderlessCentredWithTexts() {
    FakePrompter prompter;
    app::TfrmAbout about(prompter);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QVERIFY(about.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(about.isModal());
    const QPoint centre = about.screen()->availableGeometry().center();
    QVERIFY2((about.frameGeometry().center() - centre).manhattanLength() <= 2,
             qPrintable(QString("%1,%2")
                            .arg(about.frameGeometry().center().x())
                            .arg(about.frameGeometry().center().y())));

    QStringList texts;
    for (const QLabel* l : about.findChildren<QLabel*>())
        texts << l->text();
    QVERIFY(texts.contains("Menuloom"));
    QVERIFY(texts.join(' ').contains("Zelvane"));
    auto* picture = about.findChild<QLabel*>("imgProduct");
    QVERIFY(picture && !picture->pixmap().isNull());
    QCOMPARE(about.findChild<QPushButton*>("spdOk")->text(), QString("Ok"));
}

void TestAbout::linksUnderlineAndOpen() {
    FakePrompter prompter;
    app::TfrmAbout about(prompter);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const QList<std::pair<const char*, QString>> links = {
        {"lblMakerSite", "https://zelvane.example/"},
        {"lblProductSite", "https://menuloom.example/"},
        {"lblMail", "mailto:support@zelvane.example"}};
    for (const auto& [name, target] : links) {
        auto* label = about.findChild<QLabel*>(name);
        QVERIFY2(label, name);
        QVERIFY(!label->font().underline());
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), label->mapToGlobal(QPointF(2, 2)));
        QCoreApplication::sendEvent(label, &enter);
        QVERIFY(label->font().underline());
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(label, &leave);
        QVERIFY(!label->font().underline());
        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(prompter.opened.last(), target);
    }
    QCOMPARE(prompter.opened.size(), 3);
    QVERIFY(about.isVisible()); // a link leaves the box open
}

void TestAbout::okEnterAndEscapeClose() {
    FakePrompter prompter;
    app::TfrmAbout about(prompter);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QTest::mouseClick(about.findChild<QPushButton*>("spdOk"), Qt::LeftButton);
    QVERIFY(!about.isVisible());
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::keyClick(&about, key);
        QVERIFY2(!about.isVisible(), qPrintable(QString::number(key, 16)));
    }
    // Shown again it is centred again, with the same texts.
    about.show();
    QVERIFY(about.findChild<QLabel*>("lblProduct"));
    QVERIFY(prompter.opened.isEmpty());
}

QTEST_MAIN(TestAbout)
#include "test_about.moc"
