#include "widgets/framelessdialog.h"

#include "widgets/backgroundtile.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

namespace menuloom::widgets {

namespace {

// The dialog's outline: the main window's grid tile inside a thin border.
class Backdrop : public QFrame {
public:
    explicit Backdrop(QWidget* parent) : QFrame(parent), tile_(widgets::backgroundTile()) {
        setObjectName(QStringLiteral("pnlDialog"));
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter p(this);
        p.drawTiledPixmap(rect(), tile_);
        p.setPen(QColor(0xB4, 0xBF, 0xCD));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        QFrame::paintEvent(event);
    }

private:
    QPixmap tile_;
};

constexpr const char* kSheet = R"(
QFrame#pnlTitle { background: #ffffff; border: none; border-bottom: 1px solid #dfe3ea; }
QLabel#lblTitle { color: #1f293b; font-size: 14px; font-weight: 600; }
QLabel[hint="true"] { color: #647086; }
QPushButton[swatch="true"] { padding-right: 28px; }
QComboBox:disabled { color: #a3abb8; background: #f4f6f9; border-color: #dde2e9; }
QLabel:disabled, QCheckBox:disabled { color: #a3abb8; }
)";

} // namespace

FramelessDialog::FramelessDialog(const QString& title, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setWindowTitle(title);
    setModal(true);
    setStyleSheet(QString::fromLatin1(kSheet));

    auto* backdrop = new Backdrop(this);
    auto* strip = new QFrame(backdrop);
    strip->setObjectName(QStringLiteral("pnlTitle"));
    title_ = new QLabel(title, strip);
    title_->setObjectName(QStringLiteral("lblTitle"));
    auto* stripLayout = new QHBoxLayout(strip);
    stripLayout->setContentsMargins(14, 9, 14, 9);
    stripLayout->addWidget(title_);

    body_ = new QVBoxLayout;
    body_->setContentsMargins(12, 10, 12, 12);
    body_->setSpacing(10);

    auto* inner = new QVBoxLayout(backdrop);
    // Inside the one-pixel border.
    inner->setContentsMargins(1, 1, 1, 1);
    inner->setSpacing(0);
    inner->addWidget(strip);
    inner->addLayout(body_, 1);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(backdrop);
}

QWidget* FramelessDialog::panel(const char* name, const QString& caption, QLayout* content,
                                QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setProperty("region", true);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(12, 8, 12, 12);
    layout->setSpacing(6);
    if (!caption.isEmpty()) {
        auto* label = new QLabel(caption, frame);
        label->setProperty("caption", true);
        layout->addWidget(label);
    }
    content->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(content, 1);
    return frame;
}

void FramelessDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
    if (screen) {
        QRect r = frameGeometry();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
    // Without a window manager nobody else hands the new window the keyboard.
    activateWindow();
}

void FramelessDialog::mousePressEvent(QMouseEvent* event) {
    // Presses that reach the dialog fell on its background, its title or a label.
    if (event->button() == Qt::LeftButton) {
        dragging_ = true;
        grab_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
        event->accept();
        return;
    }
    QDialog::mousePressEvent(event);
}

void FramelessDialog::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_ && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - grab_);
        event->accept();
        return;
    }
    QDialog::mouseMoveEvent(event);
}

void FramelessDialog::mouseReleaseEvent(QMouseEvent* event) {
    if (dragging_ && event->button() == Qt::LeftButton) {
        dragging_ = false;
        event->accept();
        return;
    }
    QDialog::mouseReleaseEvent(event);
}

} // namespace menuloom::widgets
