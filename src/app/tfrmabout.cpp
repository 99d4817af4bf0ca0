#include "app/tfrmabout.h"

#include "app/logo.h"
#include "doc/prompter.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <functional>

namespace menuloom::app {

namespace {

// A text that opens its address when clicked and is underlined while the mouse is over it.
class LinkText : public QLabel {
public:
    LinkText(const QString& text, std::function<void()> open, QWidget* parent)
        : QLabel(text, parent), open_(std::move(open)) {
        setCursor(Qt::PointingHandCursor);
        setProperty("link", true);
    }

protected:
    void enterEvent(QEnterEvent* event) override {
        setUnderlined(true);
        QLabel::enterEvent(event);
    }
    void leaveEvent(QEvent* event) override {
        setUnderlined(false);
        QLabel::leaveEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            open_();
        QLabel::mouseReleaseEvent(event);
    }

private:
    void setUnderlined(bool on) {
        QFont f = font();
        f.setUnderline(on);
        setFont(f);
    }
    std::function<void()> open_;
};

} // namespace

TfrmAbout::TfrmAbout(Prompter& prompter, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName("TfrmAbout");
    setWindowTitle(tr("About Menuloom"));
    setModal(true);

    auto* frame = new QFrame(this);
    frame->setObjectName("pnlAbout");
    frame->setStyleSheet("#pnlAbout { background: #ffffff; border: 1px solid #b4bfcd; }");

    auto* picture = new QLabel(frame);
    picture->setObjectName("imgProduct");
    picture->setPixmap(QPixmap::fromImage(logoMark(96)));
    picture->setFixedSize(96, 96);

    auto* product = new QLabel(QStringLiteral("Menuloom"), frame);
    product->setObjectName("lblProduct");
    QFont big = product->font();
    big.setPixelSize(26);
    big.setBold(true);
    product->setFont(big);
    product->setStyleSheet("color: #1f293b;");

    auto* version = new QLabel(
        tr("Version %1 - drop-down menu designer").arg(QStringLiteral(MENULOOM_VERSION)), frame);
    version->setObjectName("lblVersion");
    version->setStyleSheet("color: #647086;");

    auto* maker = new QLabel(tr("Made by %1").arg(QStringLiteral("Zelvane")), frame);
    maker->setObjectName("lblMaker");
    maker->setStyleSheet("color: #1f293b;");

    auto link = [&](const char* name, const QString& text, const QString& target) {
        auto* l = new LinkText(
            text, [&prompter, target] { prompter.openExternally(target); }, frame);
        l->setObjectName(name);
        l->setStyleSheet("color: #2f6fdc;");
        return l;
    };
    auto* makerSiteText = link("lblMakerSite", makerSite(), makerSite());
    auto* productSiteText = link("lblProductSite", productSite(), productSite());
    auto* mailText = link("lblMail", QStringLiteral("support@zelvane.example"), makerMail());

    auto* ok = new QPushButton(tr("Ok"), frame);
    ok->setObjectName("spdOk");
    ok->setDefault(true);
    ok->setMinimumWidth(88);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(3);
    texts->addWidget(product);
    texts->addWidget(version);
    texts->addSpacing(10);
    texts->addWidget(maker);
    texts->addWidget(makerSiteText);
    texts->addWidget(productSiteText);
    texts->addWidget(mailText);
    texts->addStretch(1);

    auto* top = new QHBoxLayout;
    top->setSpacing(20);
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addLayout(texts, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);

    auto* inner = new QVBoxLayout(frame);
    inner->setContentsMargins(24, 24, 24, 18);
    inner->setSpacing(16);
    inner->addLayout(top);
    inner->addLayout(buttons);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
    setFixedSize(sizeHint().expandedTo(QSize(400, 0)));
}

void TfrmAbout::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
    if (screen) {
        QRect r = geometry();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
    if (auto* ok = findChild<QPushButton*>("spdOk"))
        ok->setFocus(Qt::ActiveWindowFocusReason);
}

void TfrmAbout::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

} // namespace menuloom::app
