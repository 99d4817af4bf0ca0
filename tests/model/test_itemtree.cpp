#include "model/itemtree.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace menuloom::model;

namespace {

// "Item0(SubItem2) Item1" style outline of the whole tree.
std::string outline(const ItemNode* parent) {
    std::string s;
    for (int i = 0; i < parent->childCount(); ++i) {
        const ItemNode* c = parent->child(i);
        if (i)
            s += ' ';
        s += c->props().caption;
        if (c->hasChildren())
            s += '(' + outline(c) + ')';
    }
    return s;
}
std::string outline(ItemTree& t) {
    return outline(t.root());
}

ItemNode* find(ItemTree& t, const std::string& caption) {
    ItemNode* found = nullptr;
    t.forEach([&](ItemNode& n, int) {
        if (!found && n.props().caption == caption)
            found = &n;
    });
    return found;
}

// Records what a view would be told, checking that rows stay consistent.
struct Recorder : ItemTreeObserver {
    std::ostringstream log;
    void beforeInsert(ItemNode* p, int row) override {
        log << "+" << p->childCount() << "@" << row << ' ';
    }
    void afterInsert(ItemNode* n) override { EXPECT_EQ(n->parent()->child(n->row()), n); }
    void beforeRemove(ItemNode* n) override { log << "-" << n->props().caption << ' '; }
    void afterRemove(ItemNode*, int) override {}
    void beforeMove(ItemNode* n, ItemNode*, int dest) override {
        log << "m" << n->props().caption << ">" << dest << ' ';
    }
    void afterMove(ItemNode* n) override {
        for (int i = 0; i < n->parent()->childCount(); ++i)
            EXPECT_EQ(n->parent()->child(i)->row(), i);
    }
    void changed(ItemNode* n) override { log << "c" << n->props().caption << ' '; }
    void beforeReset() override { log << "clear "; }
    void afterReset() override {}
};

// Item0(SubItem2 SubItem3(SubItem4)) Item1
void buildSample(ItemTree& t) {
    auto* i0 = t.addItem(nullptr, false);
    t.addItem(i0, false);
    auto* s2 = t.addItem(i0, true);
    auto* s3 = t.addItem(s2, false);
    t.addItem(s3, true);
}

} // namespace

TEST(ItemTree, GeneratedNamesAndCounter) {
    ItemTree t;
    auto* i0 = t.addItemCommand(nullptr).node;
    auto* i1 = t.addItemCommand(i0).node;
    t.addItemCommand(i1);
    EXPECT_EQ(outline(t), "Item0 Item1 Item2");
    auto sub = t.addSubItemCommand(i1);
    EXPECT_TRUE(sub.modified && sub.select);
    EXPECT_EQ(sub.node->props().caption, "SubItem3");
    auto next = t.addItemCommand(sub.node);
    EXPECT_EQ(next.node->props().caption, "SubItem4");
    EXPECT_EQ(outline(t), "Item0 Item1(SubItem3 SubItem4) Item2");
    EXPECT_FALSE(t.addSubItemCommand(nullptr).modified);

    // Insert uses no number and keeps the selection.
    auto ins = t.insertItem(i1);
    EXPECT_TRUE(ins.modified);
    EXPECT_FALSE(ins.select);
    EXPECT_EQ(outline(t), "Item0 InsertedItem Item1(SubItem3 SubItem4) Item2");
    EXPECT_EQ(t.itemCounter(), 5);
    EXPECT_EQ(t.addItemCommand(nullptr).node->props().caption, "Item5");
    t.insertItem(nullptr);
    EXPECT_EQ(t.root()->child(t.root()->childCount() - 1)->props().caption, "InsertedItem");
    EXPECT_EQ(t.count(), 8);

    t.deleteAll();
    EXPECT_EQ(t.count(), 0);
    EXPECT_EQ(t.addItemCommand(nullptr).node->props().caption, "Item0");
}

TEST(ItemTree, DeleteChoosesNextSelection) {
    ItemTree t;
    buildSample(t);
    EXPECT_EQ(outline(t), "Item0(SubItem2 SubItem3(SubItem4)) Item1");
    EXPECT_EQ(t.count(), 5);
    auto r = t.deleteItem(find(t, "SubItem2"));
    EXPECT_EQ(r.node, find(t, "SubItem3")); // next sibling
    r = t.deleteItem(find(t, "SubItem3"));  // with its child
    EXPECT_EQ(r.node, find(t, "Item0"));    // no siblings left: the parent
    EXPECT_EQ(t.count(), 2);
    r = t.deleteItem(find(t, "Item1"));
    EXPECT_EQ(r.node, find(t, "Item0")); // previous sibling
    r = t.deleteItem(find(t, "Item0"));
    EXPECT_TRUE(r.select);
    EXPECT_EQ(r.node, nullptr);
    EXPECT_TRUE(t.empty());
    EXPECT_FALSE(t.deleteItem(nullptr).modified);
}

TEST(ItemTree, MovesFollowTreeOrderRules) {
    ItemTree t;
    Recorder rec;
    t.setObserver(&rec);
    buildSample(t); // Item0(SubItem2 SubItem3(SubItem4)) Item1

    // First child moves up out of its parent, just before it.
    EXPECT_TRUE(t.moveUp(find(t, "SubItem2")).modified);
    EXPECT_EQ(outline(t), "SubItem2 Item0(SubItem3(SubItem4)) Item1");
    // A first top-level item does not move but still marks modified.
    EXPECT_TRUE(t.moveUp(find(t, "SubItem2")).modified);
    EXPECT_EQ(outline(t), "SubItem2 Item0(SubItem3(SubItem4)) Item1");
    // Swap with the next sibling.
    t.moveDown(find(t, "SubItem2"));
    EXPECT_EQ(outline(t), "Item0(SubItem3(SubItem4)) SubItem2 Item1");
    // A last sibling with children does not move (its own subtree follows it).
    EXPECT_TRUE(t.moveDown(find(t, "SubItem3")).modified);
    EXPECT_EQ(outline(t), "Item0(SubItem3(SubItem4)) SubItem2 Item1");
    // A deep last leaf climbs to before the next item in tree order, two levels up.
    t.moveDown(find(t, "SubItem4"));
    EXPECT_EQ(outline(t), "Item0(SubItem3) SubItem4 SubItem2 Item1");
    t.moveDown(find(t, "SubItem3"));
    EXPECT_EQ(outline(t), "Item0 SubItem3 SubItem4 SubItem2 Item1");
    // Nothing after it: no move.
    t.moveDown(find(t, "Item1"));
    EXPECT_EQ(outline(t), "Item0 SubItem3 SubItem4 SubItem2 Item1");
    t.moveUp(find(t, "Item1"));
    EXPECT_EQ(outline(t), "Item0 SubItem3 SubItem4 Item1 SubItem2");
    EXPECT_FALSE(t.moveUp(nullptr).modified);
    EXPECT_FALSE(t.moveDown(nullptr).modified);
    EXPECT_NE(rec.log.str().find("mSubItem4>1"), std::string::npos);
}

TEST(ItemTree, CopyPasteCopiesOnlyTheItem) {
    ItemTree t;
    buildSample(t);
    ItemNode* s3 = find(t, "SubItem3");
    EXPECT_FALSE(t.pasteItem(s3).modified); // nothing copied yet
    t.setField(s3, ItemField::Link, "a.html");
    t.setField(s3, ItemField::Img1, "i1.gif");
    t.setField(s3, ItemField::Img2, "i2.gif");
    t.setField(s3, ItemField::Target, "_top");
    t.setField(s3, ItemField::Tip, "tip");
    t.setItemStyle(s3, 2);
    t.setSmStyle(s3, 1);
    EXPECT_TRUE(t.copyItem(s3));
    ItemNode* i1 = find(t, "Item1");
    EXPECT_TRUE(t.pasteItem(i1).modified);
    EXPECT_TRUE(t.pasteItem(i1).modified); // the clipboard stays filled
    EXPECT_EQ(outline(t), "Item0(SubItem2 SubItem3(SubItem4)) Item1 SubItem3 SubItem3");
    EXPECT_EQ(t.root()->child(2)->props(), s3->props());
    EXPECT_FALSE(t.root()->child(2)->hasChildren());
    t.clearClipboard();
    EXPECT_FALSE(t.pasteItem(i1).modified);
}

TEST(ItemTree, DropZones) {
    ItemTree t;
    buildSample(t); // Item0(SubItem2 SubItem3(SubItem4)) Item1
    ItemNode* i0 = find(t, "Item0");
    ItemNode* i1 = find(t, "Item1");

    auto r = t.dropItem(i1, DropZone::OnItem, find(t, "SubItem4"));
    EXPECT_TRUE(r.modified);
    EXPECT_EQ(r.node, find(t, "SubItem4"));
    EXPECT_EQ(outline(t), "Item0(SubItem2 SubItem3(SubItem4(Item1)))");

    r = t.dropItem(find(t, "SubItem3"), DropZone::EmptySpace, nullptr);
    EXPECT_TRUE(r.modified);
    EXPECT_EQ(r.node, t.root());
    EXPECT_EQ(outline(t), "Item0(SubItem2) SubItem3(SubItem4(Item1))");

    r = t.dropItem(i1, DropZone::Indentation, find(t, "SubItem2"));
    EXPECT_EQ(r.node, i0);
    EXPECT_EQ(outline(t), "Item0(Item1 SubItem2) SubItem3(SubItem4)");

    // Onto itself, into its own subtree, or elsewhere: nothing changes.
    ItemNode* s3 = find(t, "SubItem3");
    EXPECT_FALSE(t.dropItem(s3, DropZone::OnItem, s3).modified);
    EXPECT_FALSE(t.dropItem(s3, DropZone::OnItem, find(t, "SubItem4")).modified);
    EXPECT_FALSE(t.dropItem(s3, DropZone::Indentation, find(t, "SubItem4")).modified);
    EXPECT_FALSE(t.dropItem(s3, DropZone::Elsewhere, i0).modified);
    EXPECT_FALSE(t.dropItem(nullptr, DropZone::EmptySpace, nullptr).modified);
    // Dropping a last child on its own parent leaves it where it is.
    EXPECT_TRUE(t.dropItem(find(t, "SubItem2"), DropZone::OnItem, i0).modified);
    EXPECT_EQ(outline(t), "Item0(Item1 SubItem2) SubItem3(SubItem4)");
    EXPECT_EQ(t.count(), 5);
}

TEST(ItemTree, RenameAndFieldsNotifyTheView) {
    ItemTree t;
    Recorder rec;
    t.setObserver(&rec);
    auto* n = t.addItem(nullptr, false);
    EXPECT_TRUE(t.rename(n, "Home").modified);
    EXPECT_EQ(n->props().caption, "Home");
    EXPECT_FALSE(t.rename(nullptr, "x").modified);
    t.deleteAll();
    EXPECT_EQ(rec.log.str(), "+0@0 cHome clear ");
}

TEST(ItemTree, LargeAndDeepTreesStayLinear) {
    // A chain nested 200,000 levels deep must be walked and destroyed without recursion.
    auto deep = std::make_unique<ItemTree>();
    ItemNode* cur = nullptr;
    for (int i = 0; i < 200000; ++i)
        cur = deep->addItem(cur, cur != nullptr);
    int visited = 0, maxLevel = 0;
    deep->forEach([&](const ItemNode&, int level) {
        ++visited;
        maxLevel = std::max(maxLevel, level);
    });
    EXPECT_EQ(visited, 200000);
    EXPECT_EQ(maxLevel, 199999);
    EXPECT_EQ(deep->count(), 200000);
    deep.reset();

    ItemTree wide;
    for (int i = 0; i < 100000; ++i)
        wide.addItem(nullptr, false);
    EXPECT_EQ(wide.root()->child(99999)->row(), 99999);
    wide.deleteItem(wide.root()->child(0));
    EXPECT_EQ(wide.root()->child(0)->row(), 0);
    EXPECT_EQ(wide.count(), 99999);
}
