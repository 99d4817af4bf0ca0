// The item area driven through its real widgets: selection and the panel, the text fields, the
// "Select..." buttons, the style lists and the nine operation buttons.

#include "app/itemeditor.h"
#include "app/itemtreemodel.h"
#include "app/itemtreeview.h"
#include "doc/document.h"
#include "fakeprompter.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

using namespace menuloom;
using app::testing::FakePrompter;
using model::ItemNode;

namespace {

// A standalone item area over its own document, counting the changes it makes. Tests set up
// their menus on the project directly, which the document does not count.
struct Fixture {
    doc::Document document;
    model::Project& project = document.mutableProject();
    FakePrompter prompter;
    int modified = 0;
    std::unique_ptr<app::ItemEditor> editor;

    Fixture() {
        project.workingFolder = "/home/ann/site/";
        QObject::connect(&document, &doc::Document::changed, [this] { ++modified; });
        editor = std::make_unique<app::ItemEditor>(document, prompter, "/home/ann/start");
        editor->resize(760, 420);
        editor->show();
        editor->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(editor.get()));
    }

    template <typename T> T* w(const char* name) const {
        T* found = editor->findChild<T*>(name);
        if (!found)
            qFatal("no widget %s", name);
        return found;
    }
    QLineEdit* edit(const char* name) const { return w<QLineEdit>(name); }
    app::ItemTreeView* tree() const { return static_cast<app::ItemTreeView*>(editor->treeView()); }
    app::ItemTreeModel* itemModel() const { return tree()->itemModel(); }
    ItemNode* top(int i) { return project.items.root()->child(i); }
    QModelIndex index(const ItemNode* node) const { return itemModel()->indexOf(node); }

    void click(const char* button) { QTest::mouseClick(w<QPushButton>(button), Qt::LeftButton); }
    // Selects like the user does: a click on the item's text.
    void clickItem(const ItemNode* node) {
        const QModelIndex idx = index(node);
        tree()->scrollTo(idx);
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {},
                          tree()->contentRect(idx).center());
    }
    void focus(QWidget* widget) {
        widget->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(widget->hasFocus());
    }
    // The tree in brackets: "Item0(SubItem3 SubItem4) Item1".
    static std::string dump(const ItemNode* node) {
        std::string out;
        for (int i = 0; i < node->childCount(); ++i) {
            const ItemNode* c = node->child(i);
            if (i)
                out += ' ';
            out += c->props().caption;
            if (c->hasChildren())
                out += '(' + dump(c) + ')';
        }
        return out;
    }
    std::string dump() const { return dump(project.items.root()); }
};

QString shown(const QTreeView* view, const ItemNode* node, const app::ItemTreeModel* m) {
    return view->model()->data(m->indexOf(node), Qt::DisplayRole).toString();
}

} // namespace

class TestItemEditor : public QObject {
    Q_OBJECT
private slots:
    void selectionFillsPanelWithoutMarking();
    void captionRenamesAtEachKeystroke();
    void escapeRestoresFocusTimeText();
    void changeWithoutFocusWritesNothing();
    void inPlaceEditRenames();
    void linkAndImagePaths();
    void targetList();
    void styleLists();
    void dropZonesFromGeometry();
    void dropsMoveItems();
    void dragsFromElsewhereRefused();
    void operationButtons();
    void moveButtonsKeepSelectionAndExpansion();
    void deleteAllAsks();
    void suspendShowsTreeOnce();
};

void TestItemEditor::selectionFillsPanelWithoutMarking() {
    Fixture f;
    auto& items = f.project.items;
    model::appendDefaultStyle(f.project.itemStyles);
    model::appendDefaultStyle(f.project.itemStyles);
    model::appendDefaultSmStyle(f.project.smStyles);
    f.editor->rebuildStyleLists();
    ItemNode* a = items.addItem(nullptr, false);
    ItemNode* b = items.addItem(nullptr, false);
    items.setProps(a, {"Home", "index.html", "img/h.gif", "img/h2.gif", "_top", "Start", 1, 0});

    auto* style = f.w<QComboBox>("cbItemStyle");
    auto* smStyle = f.w<QComboBox>("cbItemSmStyle");
    QCOMPARE(style->count(), 3);
    QCOMPARE(style->itemText(0), QString("[none]"));
    QCOMPARE(style->itemText(2), QString("Item Style 2"));
    QCOMPARE(smStyle->itemText(1), QString("Submenu Style 1"));

    f.clickItem(a);
    QCOMPARE(f.editor->selectedItem(), a);
    QCOMPARE(f.edit("eItemCaption")->text(), QString("Home"));
    QCOMPARE(f.edit("eItemLink")->text(), QString("index.html"));
    QCOMPARE(f.edit("eItemImg1")->text(), QString("img/h.gif"));
    QCOMPARE(f.edit("eItemImg2")->text(), QString("img/h2.gif"));
    QCOMPARE(f.edit("eItemTarget")->text(), QString("_top"));
    QCOMPARE(f.edit("eItemTip")->text(), QString("Start"));
    QCOMPARE(style->currentIndex(), 2);
    QCOMPARE(smStyle->currentIndex(), 1);

    f.clickItem(b);
    QCOMPARE(f.edit("eItemCaption")->text(), QString("Item1"));
    for (const char* name : {"eItemLink", "eItemImg1", "eItemImg2", "eItemTarget", "eItemTip"})
        QVERIFY2(f.edit(name)->text().isEmpty(), name);
    QCOMPARE(style->currentText(), QString("[none]"));
    QCOMPARE(smStyle->currentText(), QString("[none]"));

    // Nothing selected: an empty panel.
    f.clickItem(a);
    f.editor->selectItem(nullptr);
    QVERIFY(!f.editor->selectedItem());
    QVERIFY(f.edit("eItemCaption")->text().isEmpty());
    QVERIFY(f.edit("eItemLink")->text().isEmpty());
    QCOMPARE(style->currentIndex(), 0);
    QCOMPARE(smStyle->currentIndex(), 0);

    QCOMPARE(f.modified, 0);
    QCOMPARE(items.root()->child(0)->props(),
             (model::TItemProps{"Home", "index.html", "img/h.gif", "img/h2.gif", "_top", "Start", 1,
                                0}));
}

void TestItemEditor::captionRenamesAtEachKeystroke() {
    Fixture f;
    ItemNode* a = f.project.items.addItem(nullptr, false);
    f.clickItem(a);
    QLineEdit* caption = f.edit("eItemCaption");
    f.focus(caption);
    caption->end(false);
    const QString typed = "Xy-";
    QString expected = "Item0";
    for (int i = 0; i < typed.size(); ++i) {
        QTest::keyClick(caption, typed.at(i).toLatin1());
        expected += typed.at(i);
        QCOMPARE(QString::fromStdString(a->props().caption), expected);
        QCOMPARE(shown(f.tree(), a, f.itemModel()), expected);
        QCOMPARE(f.modified, i + 1);
    }
    // Other fields write their own field only.
    QLineEdit* link = f.edit("eItemLink");
    f.focus(link);
    QTest::keyClicks(link, "a.htm");
    QCOMPARE(a->props().link, std::string("a.htm"));
    QLineEdit* tip = f.edit("eItemTip");
    f.focus(tip);
    QTest::keyClicks(tip, "Hi");
    QCOMPARE(a->props().tip, std::string("Hi"));
    QCOMPARE(a->props().caption, std::string("Item0Xy-"));
    QCOMPARE(f.modified, 3 + 5 + 2);
    // Characters beyond ASCII reach the record as UTF-8.
    f.focus(caption);
    caption->selectAll();
    QTest::keyClicks(caption, "Caf");
    QTest::sendKeyEvent(QTest::Click, caption, Qt::Key_unknown, QString::fromUtf8("é"), {});
    QCOMPARE(a->props().caption, std::string("Caf\xc3\xa9"));
}

void TestItemEditor::escapeRestoresFocusTimeText() {
    Fixture f;
    ItemNode* a = f.project.items.addItem(nullptr, false);
    ItemNode* b = f.project.items.addItem(nullptr, false);
    f.clickItem(a);
    QLineEdit* caption = f.edit("eItemCaption");
    f.focus(caption);
    caption->end(false);
    QTest::keyClicks(caption, "xyz");
    QCOMPARE(a->props().caption, std::string("Item0xyz"));
    QTest::keyClick(caption, Qt::Key_Escape);
    QCOMPARE(caption->text(), QString("Item0"));
    QCOMPARE(a->props().caption, std::string("Item0"));
    QCOMPARE(shown(f.tree(), a, f.itemModel()), QString("Item0"));
    QCOMPARE(caption->selectedText(), QString("Item0"));
    QVERIFY(f.editor->isVisible()); // the key went no further

    // Enter makes the current text the restore text and selects it.
    caption->end(false);
    QTest::keyClicks(caption, "A");
    QTest::keyClick(caption, Qt::Key_Return);
    QCOMPARE(caption->selectedText(), QString("Item0A"));
    caption->end(false);
    QTest::keyClicks(caption, "B");
    QTest::keyClick(caption, Qt::Key_Escape);
    QCOMPARE(a->props().caption, std::string("Item0A"));

    // The same for a field that started empty.
    QLineEdit* target = f.edit("eItemTarget");
    f.focus(target);
    QTest::keyClicks(target, "main");
    QCOMPARE(a->props().target, std::string("main"));
    QTest::keyClick(target, Qt::Key_Escape);
    QCOMPARE(a->props().target, std::string());
    QVERIFY(target->text().isEmpty());

    // Refocusing after another item was selected restores that item's text.
    f.clickItem(b);
    f.focus(caption);
    QTest::keyClicks(caption, "Q");
    QTest::keyClick(caption, Qt::Key_Escape);
    QCOMPARE(b->props().caption, std::string("Item1"));
    QCOMPARE(a->props().caption, std::string("Item0A"));
}

void TestItemEditor::changeWithoutFocusWritesNothing() {
    Fixture f;
    ItemNode* a = f.project.items.addItem(nullptr, false);
    f.clickItem(a);
    f.focus(f.tree());
    for (const char* name :
         {"eItemCaption", "eItemLink", "eItemImg1", "eItemImg2", "eItemTarget", "eItemTip"})
        f.edit(name)->setText("changed");
    QCOMPARE(a->props(), (model::TItemProps{"Item0", "", "", "", "", "", -1, -1}));
    QCOMPARE(f.modified, 0);

    // Focused but with no item selected: nothing to write either.
    f.editor->selectItem(nullptr);
    QLineEdit* link = f.edit("eItemLink");
    f.focus(link);
    QTest::keyClicks(link, "x.htm");
    QCOMPARE(a->props().link, std::string());
    QCOMPARE(f.modified, 0);
}

void TestItemEditor::inPlaceEditRenames() {
    Fixture f;
    ItemNode* a = f.project.items.addItem(nullptr, false);
    f.clickItem(a);
    f.tree()->edit(f.index(a));
    auto* editor = f.tree()->viewport()->findChild<QLineEdit*>();
    QVERIFY(editor);
    QTRY_VERIFY(editor->hasFocus());
    editor->selectAll();
    QTest::keyClicks(editor, "Products");
    QCOMPARE(a->props().caption, std::string("Item0")); // not before the edit is finished
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(a->props().caption, std::string("Products"));
    QCOMPARE(f.edit("eItemCaption")->text(), QString("Products"));
    QCOMPARE(f.modified, 1);
}

void TestItemEditor::linkAndImagePaths() {
    Fixture f;
    ItemNode* a = f.project.items.addItem(nullptr, false);

    // Without a selection nothing is asked.
    f.click("spdItemLink");
    f.click("spdItemImg1");
    QVERIFY(f.prompter.fileRequests.isEmpty());

    f.clickItem(a);
    f.prompter.files.enqueue("/home/ann/site/pages/about.html");
    f.click("spdItemLink");
    QCOMPARE(f.prompter.fileRequests.size(), 1);
    const auto& linkRequest = f.prompter.fileRequests.last();
    QCOMPARE(linkRequest.title, QString("Select URL..."));
    QCOMPARE(linkRequest.filters.size(), 2);
    QCOMPARE(linkRequest.filters[0].description, QString("HTM, HTML files"));
    QCOMPARE(linkRequest.filters[0].pattern, QString("*.htm;*.html"));
    QCOMPARE(linkRequest.filters[1].description, QString("All files (*.*)"));
    QCOMPARE(linkRequest.filters[1].pattern, QString("*.*"));
    QVERIFY(linkRequest.startFolder.isEmpty());
    QCOMPARE(a->props().link, std::string("pages/about.html"));
    QCOMPARE(f.edit("eItemLink")->text(), QString("pages/about.html"));
    QCOMPARE(f.modified, 1);

    // Inside the working folder (its case ignored): relative. Elsewhere: the full path.
    f.prompter.files.enqueue("/HOME/Ann/Site/img/a.gif");
    f.click("spdItemImg1");
    const auto& imageRequest = f.prompter.fileRequests.last();
    QCOMPARE(imageRequest.title, QString("Select image..."));
    QCOMPARE(imageRequest.startFolder, QString("/home/ann/start"));
    QStringList filters;
    for (const auto& filter : imageRequest.filters)
        filters << filter.description + "|" + filter.pattern;
    QCOMPARE(filters, QStringList({"GIF-image|*.gif", "JPG-image|*.jpg", "PNG-image|*.png",
                                   "All files (*.*)|*.*"}));
    QCOMPARE(a->props().img1, std::string("img/a.gif"));
    QCOMPARE(f.edit("eItemImg1")->text(), QString("img/a.gif"));

    f.prompter.files.enqueue("/usr/share/pics/b.png");
    f.click("spdItemImg2");
    QCOMPARE(a->props().img2, std::string("/usr/share/pics/b.png"));
    QCOMPARE(a->props().img1, std::string("img/a.gif"));
    QCOMPARE(f.edit("eItemImg2")->text(), QString("/usr/share/pics/b.png"));
    QCOMPARE(f.modified, 3);

    // Cancelling a dialog changes nothing.
    f.click("spdItemImg2");
    f.click("spdItemLink");
    QCOMPARE(a->props().img2, std::string("/usr/share/pics/b.png"));
    QCOMPARE(a->props().link, std::string("pages/about.html"));
    QCOMPARE(f.modified, 3);
}

void TestItemEditor::targetList() {
    Fixture f;
    ItemNode* a = f.project.items.addItem(nullptr, false);
    auto* button = f.w<QPushButton>("spdItemTarget");
    auto* list = f.editor->findChild<QListWidget*>("lbTargets");
    QVERIFY(list);

    f.click("spdItemTarget"); // nothing selected
    QVERIFY(!list->isVisible());

    f.clickItem(a);
    f.click("spdItemTarget");
    QTRY_VERIFY(list->isVisible());
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->item(i)->text();
    QCOMPARE(entries, QStringList({"", "_self", "_blank", "_parent", "_top", "_search"}));
    QCOMPARE(list->currentRow(), 0);
    QTRY_VERIFY(list->hasFocus());
    const QRect over(list->mapToGlobal(QPoint(0, 0)), list->size());
    const QRect under(button->mapToGlobal(QPoint(0, 0)), button->size());
    QCOMPARE(over.top(), under.top());
    QCOMPARE(over.right(), under.right());

    // The keyboard: moving the selection chooses.
    QTest::keyClick(list, Qt::Key_Down);
    QTRY_VERIFY(!list->isVisible());
    QCOMPARE(a->props().target, std::string("_self"));
    QCOMPARE(f.edit("eItemTarget")->text(), QString("_self"));
    QCOMPARE(f.modified, 1);

    // Escape and Enter close it without a change.
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        f.click("spdItemTarget");
        QTRY_VERIFY(list->isVisible());
        QTest::keyClick(list, key);
        QTRY_VERIFY(!list->isVisible());
    }
    QCOMPARE(a->props().target, std::string("_self"));
    QCOMPARE(f.modified, 1);

    // The mouse: a click on an entry chooses it, the first (empty) one too.
    f.click("spdItemTarget");
    QTRY_VERIFY(list->isVisible());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(4)).center());
    QTRY_VERIFY(!list->isVisible());
    QCOMPARE(a->props().target, std::string("_top"));
    f.click("spdItemTarget");
    QTRY_VERIFY(list->isVisible());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    QTRY_VERIFY(!list->isVisible());
    QCOMPARE(a->props().target, std::string());
    QCOMPARE(f.modified, 3);
}

void TestItemEditor::styleLists() {
    Fixture f;
    model::appendDefaultStyle(f.project.itemStyles);
    model::appendDefaultStyle(f.project.itemStyles);
    model::appendDefaultSmStyle(f.project.smStyles);
    f.editor->rebuildStyleLists();
    ItemNode* a = f.project.items.addItem(nullptr, false);
    auto* style = f.w<QComboBox>("cbItemStyle");
    auto* smStyle = f.w<QComboBox>("cbItemSmStyle");

    // Without a selected item a choice stores nothing and the list shows "[none]" again.
    f.focus(style);
    QTest::keyClick(style, Qt::Key_End);
    QCOMPARE(style->currentIndex(), 0);
    QCOMPARE(f.modified, 0);

    f.clickItem(a);
    f.focus(style);
    QTest::keyClick(style, Qt::Key_End);
    QCOMPARE(a->props().itemStyle, 1);
    QTest::keyClick(style, Qt::Key_Up);
    QCOMPARE(a->props().itemStyle, 0);
    QTest::keyClick(style, Qt::Key_Home);
    QCOMPARE(a->props().itemStyle, -1);
    f.focus(smStyle);
    QTest::keyClick(smStyle, Qt::Key_Down);
    QCOMPARE(a->props().smStyle, 0);
    QCOMPARE(f.modified, 4);

    // Rebuilding keeps the selected item's entries; deleting a style renumbers and shows it.
    QTest::keyClick(style, Qt::Key_End);
    f.focus(style);
    QTest::keyClick(style, Qt::Key_End);
    QCOMPARE(a->props().itemStyle, 1);
    model::deleteStyleAt(f.project, 0);
    f.editor->rebuildStyleLists();
    QCOMPARE(style->count(), 2);
    QCOMPARE(style->currentIndex(), 1);
    QCOMPARE(style->currentText(), QString("Item Style 2"));
    model::deleteAllSmStyles(f.project);
    f.editor->rebuildStyleLists();
    QCOMPARE(smStyle->count(), 1);
    QCOMPARE(smStyle->currentText(), QString("[none]"));
}

void TestItemEditor::dropZonesFromGeometry() {
    Fixture f;
    auto& items = f.project.items;
    ItemNode* a = items.addItem(nullptr, false);
    ItemNode* a1 = items.addItem(a, true);
    ItemNode* b = items.addItem(nullptr, false);
    f.tree()->expandAll();
    app::ItemTreeView* view = f.tree();
    using model::DropZone;
    auto zoneAt = [&](QPoint p) { return view->dropSpotAt(p); };

    const QRect rowA = view->visualRect(f.index(a));
    const QRect rowA1 = view->visualRect(f.index(a1));
    const QRect textA = view->contentRect(f.index(a));
    QVERIFY(textA.width() > 10 && textA.width() < rowA.width());
    QCOMPARE(rowA1.left(), rowA.left() + view->indentation());

    // On the text: that item.
    auto spot = zoneAt(textA.center());
    QCOMPARE(spot.zone, DropZone::OnItem);
    QCOMPARE(spot.target, f.index(a));
    spot = zoneAt(view->contentRect(f.index(a1)).topLeft() + QPoint(2, 2));
    QCOMPARE(spot.zone, DropZone::OnItem);
    QCOMPARE(spot.target, f.index(a1));

    // On the expand button of an item with children: that item.
    const QRect button = view->expandButtonRect(f.index(a));
    QVERIFY(!button.isEmpty());
    QVERIFY(button.right() < rowA.left());
    spot = zoneAt(button.center());
    QCOMPARE(spot.zone, DropZone::OnItem);
    QCOMPARE(spot.target, f.index(a));
    QVERIFY(view->expandButtonRect(f.index(b)).isEmpty());

    // Left of an item, outside its button: before it.
    spot = zoneAt(QPoint(1, rowA.center().y()));
    QCOMPARE(spot.zone, DropZone::Indentation);
    QCOMPARE(spot.target, f.index(a));
    spot = zoneAt(QPoint(rowA1.left() - 3, rowA1.center().y()));
    QCOMPARE(spot.zone, DropZone::Indentation);
    QCOMPARE(spot.target, f.index(a1));
    spot = zoneAt(QPoint(view->indentation() / 2, rowA1.center().y()));
    QCOMPARE(spot.zone, DropZone::Indentation);
    QCOMPARE(spot.target, f.index(a1));

    // Right of the text: nothing.
    spot = zoneAt(QPoint(textA.right() + 12, textA.center().y()));
    QCOMPARE(spot.zone, DropZone::Elsewhere);

    // Below the last item: empty space.
    const QRect rowB = view->visualRect(f.index(b));
    QVERIFY(rowB.bottom() + 20 < view->viewport()->height());
    spot = zoneAt(QPoint(textA.center().x(), rowB.bottom() + 15));
    QCOMPARE(spot.zone, DropZone::EmptySpace);
    QVERIFY(!spot.target.isValid());
}

namespace {

// Sends a drag of `data` over `pos` and then drops it there, as a window system would.
bool dropAt(QWidget* viewport, QPoint pos, const QMimeData* data) {
    QDragEnterEvent enter(pos, Qt::MoveAction, data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(viewport, &enter);
    if (!enter.isAccepted())
        return false;
    QDragMoveEvent move(pos, Qt::MoveAction, data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(viewport, &move);
    QDropEvent drop(pos, Qt::MoveAction, data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(viewport, &drop);
    return drop.isAccepted();
}

} // namespace

void TestItemEditor::dropsMoveItems() {
    Fixture f;
    auto& items = f.project.items;
    ItemNode* a = items.addItem(nullptr, false); // Item0
    ItemNode* a1 = items.addItem(a, true);       // SubItem1
    ItemNode* a1x = items.addItem(a1, true);     // SubItem2
    ItemNode* b = items.addItem(nullptr, false); // Item3
    ItemNode* c = items.addItem(nullptr, false); // Item4
    app::ItemTreeView* view = f.tree();
    view->expand(f.index(a));
    QWidget* vp = view->viewport();
    std::unique_ptr<QMimeData> data(f.itemModel()->mimeData({f.index(c)}));

    // Onto an item's text: its last child, shown expanded, still selected.
    f.clickItem(c);
    QVERIFY(dropAt(vp, view->contentRect(f.index(b)).center(), data.get()));
    QCOMPARE(f.dump(), std::string("Item0(SubItem1(SubItem2)) Item3(Item4)"));
    QVERIFY(view->isExpanded(f.index(b)));
    QCOMPARE(f.editor->selectedItem(), c);
    QCOMPARE(f.edit("eItemCaption")->text(), QString("Item4"));
    QCOMPARE(f.modified, 1);

    // Onto the indentation left of an item: just before it, under its parent.
    QVERIFY(dropAt(vp, QPoint(2, view->visualRect(f.index(a1)).center().y()), data.get()));
    QCOMPARE(f.dump(), std::string("Item0(Item4 SubItem1(SubItem2)) Item3"));
    QCOMPARE(f.modified, 2);

    // Onto the expand button of a collapsed item: its last child, and it opens.
    QVERIFY(!view->isExpanded(f.index(a1)));
    QVERIFY(dropAt(vp, view->expandButtonRect(f.index(a1)).center(), data.get()));
    QCOMPARE(f.dump(), std::string("Item0(SubItem1(SubItem2 Item4)) Item3"));
    QVERIFY(view->isExpanded(f.index(a1)));
    QCOMPARE(f.modified, 3);

    // Onto empty space: the last top-level item.
    const int below = view->visualRect(f.index(b)).bottom() + 15;
    QVERIFY(dropAt(vp, QPoint(40, below), data.get()));
    QCOMPARE(f.dump(), std::string("Item0(SubItem1(SubItem2)) Item3 Item4"));
    QCOMPARE(f.modified, 4);

    // Right of an item's text: refused while dragging, and nothing happens.
    const QRect textB = view->contentRect(f.index(b));
    QDragEnterEvent enter(textB.center(), Qt::MoveAction, data.get(), Qt::LeftButton, {});
    QCoreApplication::sendEvent(vp, &enter);
    QDragMoveEvent move(QPoint(textB.right() + 20, textB.center().y()), Qt::MoveAction, data.get(),
                        Qt::LeftButton, {});
    QCoreApplication::sendEvent(vp, &move);
    QVERIFY(!move.isAccepted());
    dropAt(vp, QPoint(textB.right() + 20, textB.center().y()), data.get());
    QCOMPARE(f.dump(), std::string("Item0(SubItem1(SubItem2)) Item3 Item4"));
    QCOMPARE(f.modified, 4);

    // Into its own subtree: refused on the move, and the drop changes nothing.
    f.clickItem(a);
    for (const ItemNode* inside : {a, a1, a1x}) {
        const QPoint onText = view->contentRect(f.index(inside)).center();
        QDragMoveEvent over(onText, Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(vp, &over);
        QVERIFY(!over.isAccepted());
        dropAt(vp, onText, data.get());
        dropAt(vp, QPoint(1, onText.y()), data.get());
    }
    QCOMPARE(f.dump(), std::string("Item0(SubItem1(SubItem2)) Item3 Item4"));
    QCOMPARE(f.modified, 4);

    // A whole subtree moves with its item.
    QVERIFY(dropAt(vp, view->contentRect(f.index(c)).center(), data.get()));
    QCOMPARE(f.dump(), std::string("Item3 Item4(Item0(SubItem1(SubItem2)))"));
    QCOMPARE(f.editor->selectedItem(), a);
    QVERIFY(view->isExpanded(f.index(a))); // its expansion travelled with it
    QCOMPARE(f.modified, 5);
}

void TestItemEditor::dragsFromElsewhereRefused() {
    Fixture f;
    ItemNode* a = f.project.items.addItem(nullptr, false);
    f.project.items.addItem(nullptr, false);
    f.clickItem(a);
    QWidget* vp = f.tree()->viewport();
    const QPoint onText = f.tree()->contentRect(f.index(f.top(1))).center();

    QMimeData text;
    text.setText("Item0");
    QVERIFY(!dropAt(vp, onText, &text));
    // The item format from another list (another model's payload) is refused too.
    model::Project other;
    app::ItemTreeModel otherModel(other);
    QMimeData foreign;
    foreign.setData(app::ItemTreeModel::mimeType(), otherModel.dragPayload());
    QVERIFY(!dropAt(vp, onText, &foreign));
    QCOMPARE(f.dump(), std::string("Item0 Item1"));
    QCOMPARE(f.modified, 0);
}

void TestItemEditor::operationButtons() {
    Fixture f;
    auto sel = [&] {
        const ItemNode* n = f.editor->selectedItem();
        return n ? n->props().caption : std::string("<none>");
    };

    // Buttons that need a selection do nothing (and mark nothing) without one.
    for (const char* name : {"spdDeleteItem", "spdAddSubItem", "spdItemMoveUp", "spdItemMoveDown",
                             "spdCopyItem", "spdPasteItem"})
        f.click(name);
    QCOMPARE(f.dump(), std::string());
    QCOMPARE(f.modified, 0);

    f.click("spdAddItem");
    f.click("spdAddItem");
    f.click("spdAddItem");
    QCOMPARE(f.dump(), std::string("Item0 Item1 Item2"));
    QCOMPARE(sel(), std::string("Item2"));
    QVERIFY(f.tree()->hasFocus());
    QCOMPARE(f.edit("eItemCaption")->text(), QString("Item2"));
    QCOMPARE(f.modified, 3);

    f.clickItem(f.top(1));
    f.click("spdAddSubItem");
    QCOMPARE(f.dump(), std::string("Item0 Item1(SubItem3) Item2"));
    QCOMPARE(sel(), std::string("SubItem3"));
    QVERIFY(f.tree()->isExpanded(f.index(f.top(1))));
    QVERIFY(f.tree()->hasFocus());
    f.click("spdAddItem");
    QCOMPARE(f.dump(), std::string("Item0 Item1(SubItem3 SubItem4) Item2"));
    QCOMPARE(sel(), std::string("SubItem4"));
    QCOMPARE(f.modified, 5);

    // Insert: before the selection, which stays; the counter is untouched.
    f.clickItem(f.top(1));
    f.click("spdInsertItem");
    QCOMPARE(f.dump(), std::string("Item0 InsertedItem Item1(SubItem3 SubItem4) Item2"));
    QCOMPARE(sel(), std::string("Item1"));
    QCOMPARE(f.edit("eItemCaption")->text(), QString("Item1"));
    QCOMPARE(f.project.items.itemCounter(), 5);
    QCOMPARE(f.modified, 6);

    // Copy (marks nothing) and paste as the last sibling; the selection stays.
    ItemNode* item1 = f.top(2);
    f.project.items.setField(item1, model::ItemField::Link, "one.html");
    f.click("spdCopyItem");
    QCOMPARE(f.modified, 6);
    f.clickItem(f.top(0));
    f.click("spdPasteItem");
    f.click("spdPasteItem");
    QCOMPARE(f.dump(),
             std::string("Item0 InsertedItem Item1(SubItem3 SubItem4) Item2 Item1 Item1"));
    QCOMPARE(f.top(5)->props(), item1->props());
    QCOMPARE(sel(), std::string("Item0"));
    QCOMPARE(f.modified, 8);

    // Delete: the whole subtree goes; the next sibling is selected and shown.
    f.clickItem(item1);
    f.click("spdDeleteItem");
    QCOMPARE(f.dump(), std::string("Item0 InsertedItem Item2 Item1 Item1"));
    QCOMPARE(sel(), std::string("Item2"));
    QCOMPARE(f.edit("eItemCaption")->text(), QString("Item2"));
    QCOMPARE(f.project.items.count(), 5);
    // The last one: the previous sibling, even when that one is open with sub-items below it.
    ItemNode* previous = f.top(3);
    ItemNode* child = f.project.items.addItem(previous, true); // SubItem5
    f.tree()->expand(f.index(previous));
    f.clickItem(f.top(4));
    f.click("spdDeleteItem");
    QCOMPARE(f.editor->selectedItem(), previous);
    QCOMPARE(f.modified, 10);
    // A last child with no siblings: its parent.
    f.clickItem(child);
    f.click("spdDeleteItem");
    QCOMPARE(f.editor->selectedItem(), previous);
    QCOMPARE(f.edit("eItemCaption")->text(), QString("Item1"));
    QCOMPARE(f.dump(), std::string("Item0 InsertedItem Item2 Item1"));
    // The only item: nothing selected, an empty panel.
    while (f.project.items.count() > 1) {
        f.clickItem(f.top(0));
        f.click("spdDeleteItem");
    }
    f.clickItem(f.top(0));
    f.click("spdDeleteItem");
    QCOMPARE(sel(), std::string("<none>"));
    QVERIFY(f.edit("eItemCaption")->text().isEmpty());
    QCOMPARE(f.modified, 15);
    // Insert with nothing selected: a new last top-level item.
    f.click("spdInsertItem");
    QCOMPARE(f.dump(), std::string("InsertedItem"));
    QCOMPARE(sel(), std::string("<none>"));
    QCOMPARE(f.modified, 16);
}

void TestItemEditor::moveButtonsKeepSelectionAndExpansion() {
    Fixture f;
    auto& items = f.project.items;
    ItemNode* a = items.addItem(nullptr, false); // Item0
    ItemNode* b = items.addItem(nullptr, false); // Item1
    ItemNode* b1 = items.addItem(b, true);       // SubItem2
    ItemNode* b2 = items.addItem(b, true);       // SubItem3
    ItemNode* b2x = items.addItem(b2, true);     // SubItem4
    f.tree()->expand(f.index(b));
    f.tree()->expand(f.index(b2));

    // First child up: one level up, before its parent.
    f.clickItem(b1);
    f.click("spdItemMoveUp");
    QCOMPARE(f.dump(), std::string("Item0 SubItem2 Item1(SubItem3(SubItem4))"));
    QCOMPARE(f.editor->selectedItem(), b1);
    QCOMPARE(f.modified, 1);
    // Up past a sibling.
    f.click("spdItemMoveUp");
    QCOMPARE(f.dump(), std::string("SubItem2 Item0 Item1(SubItem3(SubItem4))"));
    // The first top-level item stays, but counts as a change.
    f.click("spdItemMoveUp");
    QCOMPARE(f.dump(), std::string("SubItem2 Item0 Item1(SubItem3(SubItem4))"));
    QCOMPARE(f.modified, 3);

    // A last sibling with children does not move down (still marked).
    f.clickItem(b2);
    f.click("spdItemMoveDown");
    QCOMPARE(f.dump(), std::string("SubItem2 Item0 Item1(SubItem3(SubItem4))"));
    QCOMPARE(f.modified, 4);
    // A last child without children goes out past its ancestors... here to the end: nothing after.
    f.clickItem(b2x);
    f.click("spdItemMoveDown");
    QCOMPARE(f.dump(), std::string("SubItem2 Item0 Item1(SubItem3(SubItem4))"));
    // Down swaps with the next sibling, and an expanded item keeps its children shown.
    f.clickItem(a);
    f.click("spdItemMoveDown");
    QCOMPARE(f.dump(), std::string("SubItem2 Item1(SubItem3(SubItem4)) Item0"));
    QVERIFY(f.tree()->isExpanded(f.index(b)));
    QVERIFY(f.tree()->isExpanded(f.index(b2)));
    // Up from the last top-level item past an expanded sibling.
    f.click("spdItemMoveUp");
    f.click("spdItemMoveUp");
    QCOMPARE(f.dump(), std::string("Item0 SubItem2 Item1(SubItem3(SubItem4))"));
    QCOMPARE(f.editor->selectedItem(), a);
    QCOMPARE(f.edit("eItemCaption")->text(), QString("Item0"));
    QVERIFY(f.tree()->isExpanded(f.index(b)));
    QVERIFY(f.tree()->isExpanded(f.index(b2)));
    // The view shows exactly the tree.
    QCOMPARE(f.itemModel()->rowCount(), 3);
    QCOMPARE(f.itemModel()->rowCount(f.index(b)), 1);
    QCOMPARE(shown(f.tree(), f.top(2), f.itemModel()), QString("Item1"));
    QCOMPARE(f.modified, 8);
}

void TestItemEditor::deleteAllAsks() {
    Fixture f;
    ItemNode* a = f.project.items.addItem(nullptr, false);
    f.project.items.addItem(a, true);
    f.clickItem(a);

    f.prompter.answers.enqueue(doc::Prompter::Answer::No);
    f.click("spdDeleteAllItems");
    QCOMPARE(f.prompter.messages.size(), 1);
    QCOMPARE(f.prompter.messages[0].caption, QString("Confirmation"));
    QCOMPARE(f.prompter.messages[0].text, QString("Do you want to delete all items?"));
    QCOMPARE(f.prompter.messages[0].buttons, doc::Prompter::Buttons::YesNo);
    QCOMPARE(f.dump(), std::string("Item0(SubItem1)"));
    QCOMPARE(f.editor->selectedItem(), a);
    QCOMPARE(f.modified, 0);

    f.prompter.answers.enqueue(doc::Prompter::Answer::Yes);
    f.click("spdDeleteAllItems");
    QCOMPARE(f.dump(), std::string());
    QVERIFY(!f.editor->selectedItem());
    QVERIFY(f.edit("eItemCaption")->text().isEmpty());
    QCOMPARE(f.itemModel()->rowCount(), 0);
    QCOMPARE(f.modified, 1);
    f.click("spdAddItem");
    QCOMPARE(f.dump(), std::string("Item0"));

    // The reset of New clears the panel in the same way, without asking.
    QCOMPARE(f.edit("eItemCaption")->text(), QString("Item0"));
    f.project.reset();
    f.editor->rebuildStyleLists();
    QVERIFY(f.edit("eItemCaption")->text().isEmpty());
    QVERIFY(!f.editor->selectedItem());
    QCOMPARE(f.w<QComboBox>("cbItemStyle")->count(), 1);
    QCOMPARE(f.prompter.messages.size(), 2);
}

void TestItemEditor::suspendShowsTreeOnce() {
    Fixture f;
    f.project.items.addItem(nullptr, false);
    f.clickItem(f.top(0));
    int resets = 0;
    int inserts = 0;
    QObject::connect(f.itemModel(), &QAbstractItemModel::modelReset, [&] { ++resets; });
    QObject::connect(f.itemModel(), &QAbstractItemModel::rowsInserted, [&] { ++inserts; });

    // Replacing the project (as reading a file does) shows the new tree in one reset.
    f.document.replaceProject([&](model::Project& p) {
        p.reset();
        model::ItemNode* top = nullptr;
        for (int i = 0; i < 50; ++i) {
            if (i % 5 == 0)
                top = p.items.addItem(nullptr, false);
            else
                p.items.addItem(top, true);
        }
    });
    QCOMPARE(inserts, 0);
    QCOMPARE(resets, 1);
    QCOMPARE(f.itemModel()->rowCount(), 10);
    QCOMPARE(f.itemModel()->rowCount(f.index(f.top(0))), 4);
    QVERIFY(f.edit("eItemCaption")->text().isEmpty());

    // Following each change again.
    f.editor->selectItem(f.top(3));
    QCOMPARE(f.edit("eItemCaption")->text(), QString("Item15"));
    f.click("spdAddItem");
    QCOMPARE(inserts, 1);
    QCOMPARE(f.itemModel()->rowCount(), 11);
}

QTEST_MAIN(TestItemEditor)
#include "test_itemeditor.moc"
