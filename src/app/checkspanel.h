#pragma once
// The "Checks" list under the property grid: what the menu checks find, kept current while the
// user edits, each row leading to the place to fix.

#include "check/checks.h"

#include <QTimer>
#include <QWidget>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QStackedWidget;

namespace menuloom::doc {
class Document;
} // namespace menuloom::doc

namespace menuloom::app {

using doc::Document;

class ChecksPanel : public QWidget {
    Q_OBJECT
public:
    // Checks run this long after the last change, so typing into a large menu does not stall.
    static constexpr int kDelay = 300;
    // Rows shown at most; the count tells them all.
    static constexpr int kMaxRows = 1000;

    explicit ChecksPanel(const Document& document, QWidget* parent = nullptr);

    const std::vector<check::Finding>& findings() const { return findings_; }
    QListWidget* list() const { return list_; }
    // Runs the checks now (changes run them after kDelay).
    void refresh();
    // The items as the preview last drew them, at a page width of `pageWidth` CSS pixels: those
    // drawn too small join the findings until the next drawing (a new project forgets them).
    void setDrawnItems(std::vector<check::DrawnItem> items, int pageWidth);

signals:
    // The findings changed; `count` of them.
    void countChanged(int count);
    // The user activated a row (double click or Enter).
    void placeActivated(const menuloom::check::Place& place);

private:
    QString placeLabel(const check::Place& place) const;
    void rowActivated(QListWidgetItem* row);

    const Document& document_;
    std::vector<check::Finding> findings_;
    std::vector<check::DrawnItem> drawn_;
    int pageWidth_ = 0;
    QTimer timer_;
    QStackedWidget* pages_ = nullptr;
    QLabel* lblClean_ = nullptr;
    QListWidget* list_ = nullptr;
};

} // namespace menuloom::app
