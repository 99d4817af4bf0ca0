#pragma once
// The preview panel's pieces: the tiled backdrop behind the main window and the layout that
// shows the preview browser at full width or at a chosen width in the middle.

#include <QLayout>
#include <QPixmap>
#include <QWidget>
#include <utility>

namespace menuloom::app {

// The window's background: the tile repeated.
class Backdrop : public QWidget {
public:
    explicit Backdrop(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap tile_;
};

// Lays out the preview browser: the whole panel, or a given width in its middle (a tablet's, a
// phone's), always the panel's full height.
class CentredLayout : public QLayout {
public:
    explicit CentredLayout(QWidget* parent) : QLayout(parent) {}
    ~CentredLayout() override { delete item_; }

    void setWidthLimit(int width) {
        limit_ = width;
        invalidate();
    }

    void addItem(QLayoutItem* item) override {
        delete item_;
        item_ = item;
    }
    int count() const override { return item_ ? 1 : 0; }
    QLayoutItem* itemAt(int index) const override { return index == 0 ? item_ : nullptr; }
    QLayoutItem* takeAt(int index) override {
        if (index != 0)
            return nullptr;
        return std::exchange(item_, nullptr);
    }
    QSize sizeHint() const override { return withMargins(item_ ? item_->sizeHint() : QSize()); }
    QSize minimumSize() const override {
        return withMargins(item_ ? item_->minimumSize() : QSize());
    }
    void setGeometry(const QRect& rect) override {
        QLayout::setGeometry(rect);
        if (!item_)
            return;
        const QRect area = contentsRect();
        const int width = limit_ > 0 ? qMin(limit_, area.width()) : area.width();
        item_->setGeometry(
            QRect(area.left() + (area.width() - width) / 2, area.top(), width, area.height()));
    }

private:
    QSize withMargins(QSize size) const {
        const QMargins m = contentsMargins();
        return size.expandedTo(QSize(0, 0)) + QSize(m.left() + m.right(), m.top() + m.bottom());
    }

    QLayoutItem* item_ = nullptr;
    int limit_ = 0;
};

} // namespace menuloom::app
