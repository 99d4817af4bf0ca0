#pragma once
// A small pick list that opens over a button: choosing an entry, with the mouse or by moving the
// selection with the keyboard, reports it and closes the list; Enter, Escape or leaving the list
// closes it without a choice. The item panel opens it with the link targets.

#include <QListWidget>

namespace menuloom::app {

class TargetList : public QListWidget {
    Q_OBJECT
public:
    explicit TargetList(QWidget* parent = nullptr);

    // The entries the item panel offers for "Target:".
    static QStringList targetEntries();

    // Shows `entries` with the first one selected, the list's top at `anchor`'s top and its
    // right edge at `anchor`'s right edge, and gives it the focus.
    void openOver(QWidget* anchor, const QStringList& entries);
    bool isOpen() const { return open_; }
    void close();

signals:
    void chosen(const QString& text);
    void closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void choose(int row);

    bool open_ = false;
};

} // namespace menuloom::app
