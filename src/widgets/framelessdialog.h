#pragma once
// The frame every dialog of the style editors shares: borderless, its title drawn on a white
// strip at the top, the window's grid background behind white panels, centred on the screen
// when shown and moved by dragging the background.

#include <QDialog>
#include <QPoint>

class QLabel;
class QVBoxLayout;

namespace menuloom::widgets {

class FramelessDialog : public QDialog {
    Q_OBJECT
public:
    // `title` is both the window caption (the name assistive technology reads) and the title
    // text on the strip.
    FramelessDialog(const QString& title, QWidget* parent = nullptr);

    // Where a subclass puts its panels and buttons.
    QVBoxLayout* body() const { return body_; }
    QLabel* titleLabel() const { return title_; }

    // A white panel with `caption` on top (empty: none), styled like the main window's regions.
    static QWidget* panel(const char* name, const QString& caption, QLayout* content,
                          QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QLabel* title_ = nullptr;
    QVBoxLayout* body_ = nullptr;
    QPoint grab_; // where the pointer took hold, relative to the window's top left
    bool dragging_ = false;
};

} // namespace menuloom::widgets
