#pragma once
// What the tests of the style editors share: a record of the document's change notices and
// clicks on list rows the way a user makes them.

#include "doc/document.h"

#include <QListWidget>
#include <QTest>
#include <QUndoStack>

namespace menuloom::ui::testing {

// Counts the document's change notices, and those that start the automatic preview.
struct ChangeLog {
    int changes = 0;
    int autoPreview = 0;
    explicit ChangeLog(doc::Document& document) {
        QObject::connect(&document, &doc::Document::changed, [this](bool preview) {
            ++changes;
            if (preview)
                ++autoPreview;
        });
    }
};

inline void clickRow(QListWidget* list, int row, bool twice = false) {
    QListWidgetItem* item = list->item(row);
    QVERIFY(item);
    list->scrollToItem(item);
    // The list lays its rows out lazily; wait until the row is where a click can reach it.
    QTRY_VERIFY(list->viewport()->rect().contains(list->visualItemRect(item)));
    const QPoint at = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (twice) {
        // The second press of a double click arrives as the double-click event itself.
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    }
}

inline QStringList rowTexts(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

} // namespace menuloom::ui::testing
