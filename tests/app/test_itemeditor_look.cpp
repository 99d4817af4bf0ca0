// The item area with the application style and a real menu: its layout holds together, and with
// MENULOOM_SHOT_DIR set it leaves a picture of itself there for a person to look at.

#include "app/appstyle.h"
#include "app/itemeditor.h"
#include "doc/document.h"
#include "fakeprompter.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

using namespace menuloom;

namespace {

void buildMenu(model::Project& p) {
    auto& t = p.items;
    model::appendDefaultStyle(p.itemStyles);
    model::appendDefaultStyle(p.itemStyles);
    p.itemStyles.rename(0, "Top bar");
    p.itemStyles.rename(1, "Highlight");
    model::appendDefaultSmStyle(p.smStyles);
    p.smStyles.rename(0, "Drop shadow");
    auto add = [&](model::ItemNode* parent, const char* text, const char* link) {
        model::ItemNode* n = parent ? t.addItem(parent, true) : t.addItem(nullptr, false);
        model::TItemProps props = n->props();
        props.caption = text;
        props.link = link;
        props.itemStyle = parent ? -1 : 0;
        t.setProps(n, props);
        return n;
    };
    add(nullptr, "Home", "index.html");
    model::ItemNode* products = add(nullptr, "Products", "products/index.html");
    add(products, "Designer", "products/designer.html");
    add(products, "Engine", "products/engine.html");
    add(products, "-", "");
    model::ItemNode* pricing = add(products, "Pricing", "products/pricing.html");
    t.setProps(pricing, {"Pricing", "products/pricing.html", "img/tag.gif", "img/tag_over.gif",
                         "_self", "Plans for teams and studios", 1, 0});
    model::ItemNode* support = add(nullptr, "Support", "support/index.html");
    add(support, "Documentation", "support/docs.html");
    add(support, "Forum", "https://forum.menuloom.example/");
    add(support, "Contact", "support/contact.html");
    add(nullptr, "About us", "about.html");
}

} // namespace

class TestItemEditorLook : public QObject {
    Q_OBJECT
private slots:
    void layoutWithRealMenu();
};

void TestItemEditorLook::layoutWithRealMenu() {
    app::applyAppStyle(*qApp);
    doc::Document document;
    model::Project& project = document.mutableProject();
    buildMenu(project);
    project.workingFolder = "/tmp/";
    app::testing::FakePrompter prompter;

    QWidget window;
    window.setObjectName("shotBackground");
    window.setStyleSheet("#shotBackground { background: #f7f8fa; }");
    auto* editor = new app::ItemEditor(document, prompter, "/tmp", &window);
    editor->setGeometry(12, 12, 736, 436);
    window.resize(760, 460);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    editor->rebuildStyleLists();
    editor->treeView()->expandAll();
    editor->selectItem(project.items.root()->child(1)->child(3));
    QCOMPARE(editor->findChild<QLineEdit*>("eItemCaption")->text(), QString("Pricing"));
    QCOMPARE(editor->findChild<QComboBox*>("cbItemStyle")->currentText(), QString("Highlight"));

    // The fields line up on one left edge (the two images on their own, after their
    // sub-labels), all end on one right edge, and the "Select..." buttons line up too.
    auto geometry = [&](const char* name) { return editor->findChild<QWidget*>(name)->geometry(); };
    const int left = geometry("eItemCaption").left();
    const int right = geometry("eItemCaption").right();
    for (const char* name :
         {"eItemLink", "eItemTarget", "eItemTip", "cbItemStyle", "cbItemSmStyle"})
        QCOMPARE(geometry(name).left(), left);
    QVERIFY(geometry("eItemImg1").left() > left);
    QCOMPARE(geometry("eItemImg2").left(), geometry("eItemImg1").left());
    for (const char* name : {"eItemTip", "cbItemStyle", "cbItemSmStyle"})
        QCOMPARE(geometry(name).right(), right);
    QCOMPARE(geometry("eItemImg1").right(), geometry("eItemLink").right());
    for (const char* name : {"spdItemImg1", "spdItemImg2", "spdItemTarget"}) {
        QCOMPARE(geometry(name).right(), geometry("spdItemLink").right());
        QCOMPARE(geometry(name).right(), right);
    }
    // Fields and buttons of a row are equally tall, so that the rows read as lines.
    QCOMPARE(geometry("spdItemLink").height(), geometry("eItemLink").height());
    QCOMPARE(geometry("cbItemStyle").height(), geometry("eItemLink").height());
    // Every operation button shows its whole caption.
    for (QPushButton* b : editor->findChildren<QPushButton*>()) {
        QVERIFY2(b->width() >= b->fontMetrics().horizontalAdvance(b->text()) + 8,
                 qPrintable(b->objectName()));
        QVERIFY(b->isVisible());
    }
    // Every item of the menu is in view at this size.
    QTreeView* tree = editor->treeView();
    const QModelIndex last = tree->model()->index(tree->model()->rowCount() - 1, 0);
    QVERIFY(tree->viewport()->rect().contains(tree->visualRect(last)));

    const QByteArray dir = qgetenv("MENULOOM_SHOT_DIR");
    if (!dir.isEmpty()) {
        QTest::qWait(50);
        QVERIFY(window.grab().save(QString::fromLocal8Bit(dir) + "/itemeditor.png"));
    }
}

QTEST_MAIN(TestItemEditorLook)
#include "test_itemeditor_look.moc"
