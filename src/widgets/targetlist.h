#pragma once
// A small pick list: choosing an entry, with the mouse or by moving the selection with the
// keyboard, reports it and closes the list; Enter, Escape or leaving the list closes it without a
// choice. In its first mode it is a pop-up over a button (the item panel's link targets); in its
// second it sits inside a panel of the main window (the property grid's choice lists).

#include <QListWidget>

namespace menuloom::widgets {

class TargetList : public QListWidget {
    Q_OBJECT
public:
    enum class Mode { Popup, Embedded };
    explicit TargetList(QWidget* parent = nullptr, Mode mode = Mode::Popup);

    // The entries the item panel offers for "Target:".
    static QStringList targetEntries();

    // Shows `entries` with the first one selected, the list's top at `anchor`'s top and its
    // right edge at `anchor`'s right edge, and gives it the focus.
    void openOver(QWidget* anchor, const QStringList& entries);
    // Embedded: shows `entries` with entry `selected` selected and takes the focus.
    void openIn(const QStringList& entries, int selected);
    bool isOpen() const { return open_; }
    void close();

signals:
    void chosen(const QString& text);
    void chosenRow(int row);
    void closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void choose(int row);

    void fill(const QStringList& entries, int selected);

    Mode mode_;
    bool open_ = false;
};

} // namespace menuloom::widgets
