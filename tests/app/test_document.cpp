// The document's one edit path: every operation is a step that undoes to the model it started
// from, byte for byte, and redoes to the model it made.

#include "doc/document.h"
#include "output/datawriter.h"
#include "reader/modelgen.h"

#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>

#include <limits>
#include <random>

using namespace menuloom;
using model::ItemNode;
using model::Project;

namespace {

std::vector<ItemNode*> allItems(Project& p) {
    std::vector<ItemNode*> out;
    p.items.forEach([&](ItemNode& n, int) { out.push_back(&n); });
    return out;
}

// Random operations of every kind through the document, driven by one seeded generator so that
// the same seed on the same model gives the same sequence.
class Operator {
public:
    Operator(doc::Document& doc, unsigned seed) : doc_(doc), rng_(seed) {}

    void step() {
        Project& p = doc_.mutableProject();
        std::vector<ItemNode*> items = allItems(p);
        ItemNode* node = items.empty() || pick(8) == 0 ? nullptr : items[index(items.size())];
        ItemNode* other = items.empty() ? nullptr : items[index(items.size())];
        const std::string text = "t" + std::to_string(pick(1000));
        switch (pick(24)) {
        case 0:
            doc_.addItem(node);
            break;
        case 1:
            doc_.addSubItem(node);
            break;
        case 2:
            doc_.insertItem(node);
            break;
        case 3:
            doc_.deleteItem(node);
            break;
        case 4:
            if (pick(10) == 0) // now and then: a large step
                doc_.deleteAllItems();
            break;
        case 5:
            doc_.moveItemUp(node);
            break;
        case 6:
            doc_.moveItemDown(node);
            break;
        case 7:
            doc_.copyItem(other);
            doc_.pasteItem(node);
            break;
        case 8:
            doc_.dropItem(node, static_cast<model::DropZone>(pick(4)), other);
            break;
        case 9: {
            // A typing session: several edits that merge, sometimes back to where they began.
            const int session = doc::Document::newSession();
            const std::string before = node ? node->props().caption : std::string();
            for (int i = 0, n = 1 + pick(4); i < n; ++i)
                doc_.renameItem(node, before + std::to_string(i), session);
            if (pick(3) == 0)
                doc_.renameItem(node, before, session);
            break;
        }
        case 10:
            doc_.setItemField(node, static_cast<model::ItemField>(pick(5)), text,
                              pick(2) ? doc::Document::newSession() : 0);
            break;
        case 11:
            doc_.setItemImages(node, text, "o" + text);
            break;
        case 12:
            doc_.setItemStyle(node, pick(p.itemStyles.size() + 1) - 1);
            doc_.setSmStyle(node, pick(p.smStyles.size() + 1) - 1);
            break;
        case 13: {
            const int row = pick(model::kParamCount);
            model::TPropType value = p.params[static_cast<std::size_t>(row)];
            // A different value, stepping down where a step up would overflow.
            const int step = 1 + pick(5);
            value.value = value.value > std::numeric_limits<int>::max() - step ? value.value - step
                                                                               : value.value + step;
            value.num = pick(100);
            value.text += "x";
            doc_.setParam(row, value, pick(2) ? 7 : 0, pick(2) == 0);
            break;
        }
        case 14:
            doc_.resetParam(pick(model::kParamCount));
            break;
        case 15: {
            model::CrossframeSettings c = p.crossframe;
            c.enabled = !c.enabled;
            c.topFrame = std::to_string(pick(9));
            doc_.setCrossframe(c);
            break;
        }
        case 16:
            doc_.addStyle<model::TStyle>();
            doc_.addStyle<model::TSmStyle>();
            break;
        case 17:
            doc_.duplicateStyle<model::TStyle>(pick(p.itemStyles.size() + 1) - 1);
            doc_.duplicateStyle<model::TSmStyle>(pick(p.smStyles.size() + 1) - 1);
            break;
        case 18:
            doc_.deleteStyle<model::TStyle>(pick(p.itemStyles.size() + 1) - 1);
            doc_.deleteStyle<model::TSmStyle>(pick(p.smStyles.size() + 1) - 1);
            break;
        case 19:
            if (pick(6) == 0) {
                doc_.deleteAllStyles<model::TStyle>();
                doc_.deleteAllStyles<model::TSmStyle>();
            }
            break;
        case 20: {
            const int k = pick(p.itemStyles.size() + 1) - 1;
            const int session = doc::Document::newSession();
            doc_.renameStyle<model::TStyle>(k, text, session);
            doc_.renameStyle<model::TStyle>(k, text + "y", session);
            doc_.renameStyle<model::TSmStyle>(pick(p.smStyles.size() + 1) - 1, "  ", 0);
            break;
        }
        case 21: {
            const int k = pick(p.itemStyles.size() + 1) - 1;
            if (p.itemStyles.valid(k)) {
                model::TStyle s = p.itemStyles.at(k);
                s.useFontColor = !s.useFontColor;
                s.itemBorderWidth = pick(50);
                doc_.setStyle<model::TStyle>(k, s, pick(2) ? 3 : 0);
            }
            break;
        }
        case 22: {
            const int k = pick(p.smStyles.size() + 1) - 1;
            if (p.smStyles.valid(k)) {
                model::TSmStyle s = p.smStyles.at(k);
                s.menuBorderWidth = pick(50);
                s.menuBackImage = text;
                doc_.setStyle<model::TSmStyle>(k, s);
            }
            break;
        }
        default:
            doc_.addItem(node);
            break;
        }
    }

private:
    int pick(int n) { return n <= 0 ? 0 : static_cast<int>(rng_() % static_cast<unsigned>(n)); }
    std::size_t index(std::size_t n) { return rng_() % n; }

    doc::Document& doc_;
    std::mt19937 rng_;
};

std::string bytes(const Project& p) {
    return output::renderDataFile(p, false) + output::renderDataFile(p, true);
}

void generate(doc::Document& doc, unsigned seed, const readertest::ModelGenOptions& options) {
    doc.replaceProject([&](Project& p) { readertest::generateModel(p, seed, options); });
}

} // namespace

class TestDocument : public QObject {
    Q_OBJECT
private slots:
    void everyStepUndoesAndRedoes_data() {
        QTest::addColumn<unsigned>("seed");
        QTest::addColumn<int>("maxDepth");
        QTest::newRow("wide") << 11u << 3;
        QTest::newRow("deep") << 12u << 40;
        QTest::newRow("styled") << 13u << 6;
    }

    void everyStepUndoesAndRedoes() {
        QFETCH(unsigned, seed);
        QFETCH(int, maxDepth);
        readertest::ModelGenOptions options;
        options.maxItems = 150;
        options.maxDepth = maxDepth;
        options.maxItemStyles = 12;
        options.maxSmStyles = 8;

        doc::Document doc;
        generate(doc, seed, options);
        const std::string startBytes = bytes(doc.project());
        Operator op(doc, seed);
        for (int i = 0; i < 1000; ++i)
            op.step();
        const std::string endBytes = bytes(doc.project());
        QUndoStack* stack = doc.undoStack();
        QVERIFY(stack->count() > 100);

        // The same sequence on a second copy, applied once, is the model to come back to.
        doc::Document once;
        generate(once, seed, options);
        Operator replay(once, seed);
        for (int i = 0; i < 1000; ++i)
            replay.step();
        QCOMPARE(readertest::modelDifference(doc.project(), once.project()), std::string());

        while (stack->canUndo())
            stack->undo();
        doc::Document start;
        generate(start, seed, options);
        const std::string startDiff = readertest::modelDifference(doc.project(), start.project());
        QVERIFY2(startDiff.empty(), startDiff.c_str());
        QVERIFY(bytes(doc.project()) == startBytes);
        QVERIFY(doc.isModified());

        while (stack->canRedo())
            stack->redo();
        QCOMPARE(readertest::modelDifference(doc.project(), once.project()), std::string());
        QVERIFY(bytes(doc.project()) == endBytes);
    }

    void stepsAreNamedAndMerge() {
        doc::Document doc;
        Project& p = doc.mutableProject();
        QSignalSpy changed(&doc, &doc::Document::changed);
        QUndoStack* stack = doc.undoStack();

        ItemNode* a = doc.addItem(nullptr).created;
        QCOMPARE(stack->undoText(), QString("Add Item"));
        // A typing session is one step; typing back to where it began leaves no step.
        const int session = doc::Document::newSession();
        for (const char* text : {"H", "Ho", "Hom", "Home"})
            doc.renameItem(a, text, session);
        QCOMPARE(stack->count(), 2);
        QCOMPARE(stack->undoText(), QString("Rename Item"));
        const int again = doc::Document::newSession();
        doc.renameItem(a, "Homes", again);
        doc.renameItem(a, "Home", again);
        QCOMPARE(stack->count(), 2);
        stack->undo();
        QCOMPARE(a->props().caption, std::string("Item0"));

        // A parameter step is named after the parameter; a drag is one step.
        const int row = model::findParam(p.params, "menuWidth");
        const int drag = doc::Document::newSession();
        for (int v : {10, 20, 30}) {
            model::TPropType value = p.params[static_cast<std::size_t>(row)];
            value.value = v;
            doc.setParam(row, value, drag);
        }
        QCOMPARE(stack->undoText(), QString("menuWidth"));
        QCOMPARE(stack->count(), 2);
        stack->undo();
        QCOMPARE(p.params[static_cast<std::size_t>(row)].value, 0);

        // A step that changes nothing but counts as an edit marks the project all the same.
        const int before = stack->count();
        changed.clear();
        doc.moveItemUp(a);
        QCOMPARE(stack->count(), before);
        QCOMPARE(changed.count(), 1);
        QVERIFY(changed.last().at(0).toBool());

        // Style steps start no automatic preview the first time; their undo does.
        changed.clear();
        doc.addStyle<model::TStyle>();
        QCOMPARE(changed.count(), 1);
        QVERIFY(!changed.last().at(0).toBool());
        QCOMPARE(stack->undoText(), QString("Add Item Style"));
        stack->undo();
        QVERIFY(changed.last().at(0).toBool());
        QCOMPARE(p.itemStyles.counter(), 0);
    }

    void undoingAStyleDeletionBringsBackEveryReference() {
        doc::Document doc;
        Project& p = doc.mutableProject();
        doc.replaceProject([](Project& q) {
            for (int i = 0; i < 4; ++i)
                model::appendDefaultStyle(q.itemStyles);
            model::appendDefaultSmStyle(q.smStyles);
            for (int i = 0; i < 6; ++i) {
                ItemNode* n = q.items.addItem(nullptr, false);
                q.items.setItemStyle(n, i % 5 - 1);
                q.items.setSmStyle(n, i % 2 == 0 ? 0 : -1);
            }
        });
        auto refs = [&] {
            std::vector<int> out;
            p.items.forEach([&](const ItemNode& n, int) {
                out.push_back(n.props().itemStyle * 10 + n.props().smStyle);
            });
            return out;
        };
        const std::vector<int> start = refs();
        QVERIFY(doc.deleteStyle<model::TStyle>(1));
        QCOMPARE(p.itemStyles.size(), 3);
        QVERIFY(refs() != start);
        doc.undoStack()->undo();
        QCOMPARE(refs(), start);
        QCOMPARE(p.itemStyles.names()[1], std::string("Item Style 2"));
        doc.deleteAllStyles<model::TSmStyle>();
        doc.undoStack()->undo();
        QCOMPARE(refs(), start);
    }
};

QTEST_GUILESS_MAIN(TestDocument)
#include "test_document.moc"
