#include "ui/props/valueeditors.h"

#include "doc/document.h"
#include "ui/props/buttoneditors.h"
#include "ui/props/dgprops.h"
#include "ui/props/fieldeditors.h"
#include "ui/props/listeditors.h"
#include "ui/props/slidereditor.h"
#include "ui/styles/tfrmfont.h"
#include "ui/styles/tfrmimages.h"
#include "ui/styles/tfrmtext.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QWindow>

namespace menuloom::ui {

using model::ParamKind;

namespace {

int boolIndex(const model::TPropType& p) {
    return p.boolValue == 1 ? 0 : p.boolValue == 0 ? 1 : -1;
}

} // namespace

ValueEditors::ValueEditors(doc::Document& document, doc::Prompter& prompter, DGProps& grid,
                           QWidget* host, QString startFolder)
    : QObject(host), document_(document), prompter_(prompter), grid_(grid), host_(host),
      startFolder_(std::move(startFolder)) {
    timerHide_.setObjectName(QStringLiteral("timerHide"));
    timerHide_.setSingleShot(true);
    timerHide_.setInterval(kHideDelay);
    connect(&timerHide_, &QTimer::timeout, this, [this] {
        // The pointer rule is the mouse's: a panel that holds the keyboard focus stays.
        if (!holdsFocus())
            hideValueEditor();
    });

    add(ParamKind::Bool,
        std::make_unique<ChoiceEditor>(
            *this, ChoiceEditor::Setup{"pnlBool",
                                       Qt::Vertical,
                                       {{"spdBoolTrue", "True"}, {"spdBoolFalse", "False"}},
                                       &boolIndex,
                                       [](model::TPropType& v, int i) { v.boolValue = i == 0; },
                                       true}));
    add(ParamKind::Alignment,
        std::make_unique<ChoiceEditor>(
            *this, ChoiceEditor::Setup{"pnlAlign",
                                       Qt::Horizontal,
                                       {{"spdAlignLeft", "Left"},
                                        {"spdAlignCenter", "Center"},
                                        {"spdAlignRight", "Right"}},
                                       [](const model::TPropType& p) { return p.num; },
                                       [](model::TPropType& v, int i) { v.num = i; },
                                       false}));
    add(ParamKind::Int, std::make_unique<IntEditor>(*this));
    add(ParamKind::Img, std::make_unique<ImageEditor>(*this));
    add(ParamKind::Color, std::make_unique<ColorEditor>(*this));
    add(ParamKind::ColorArray, std::make_unique<ColorListEditor>(*this));
    add(ParamKind::FontDecorArray,
        std::make_unique<NamesListEditor>(
            *this, NamesListEditor::Setup{"pnlFontDecorArray", "lbFontDecorArray", "spdDecor",
                                          "spdFontDecorOk", 0, model::kDecorationNames, 0,
                                          &model::decorationName, false, 2, 3, 1}));
    add(ParamKind::BorderStyleArray,
        std::make_unique<NamesListEditor>(
            *this, NamesListEditor::Setup{"pnlBorderStyle", "lbBorderStyle", "spdBorderStyle",
                                          "spdBorderStyleOk", 300, model::kBorderStyleNames, -1,
                                          &model::styleBorderStyleName, true, 3, 3, 2}));
    add(ParamKind::Percents,
        std::make_unique<SliderEditor>(
            *this, SliderEditor::Setup{"pnlPercents", "tbPercents", "lblPercentsValue",
                                       "spdPercentsOk", 100, "%", 230, nullptr}));
    add(ParamKind::Transition,
        std::make_unique<SliderEditor>(
            *this, SliderEditor::Setup{"pnlTransition", "tbTransition", "lblTransitionValue",
                                       "spdTransitionOk", 24, "", 0, "Transition ="}));
    add(ParamKind::Strs, std::make_unique<StrsEditor>(*this, [this](int row, int index) {
            if (text_) {
                text_->setParameter(row, index);
                text_->exec();
            }
        }));
    add(ParamKind::FontStyle, std::make_unique<DialogEditor>(*this, [this](int row) {
            if (font_) {
                font_->setMode(TfrmFont::ParameterMode);
                font_->setParameterRow(row);
                font_->exec();
            }
        }));
    add(ParamKind::ImgArray, std::make_unique<DialogEditor>(*this, [this](int row) {
            if (images_) {
                images_->setParameterRow(row);
                images_->exec();
            }
        }));

    connect(&grid_, &DGProps::valueButtonClicked, this, [this](int row) { open(row); });
    connect(&grid_, &DGProps::editRequested, this, [this](int row) { open(row, true); });
    connect(&grid_, &DGProps::pressed, this, &ValueEditors::hideValueEditor);
    connect(grid_.verticalScrollBar(), &QScrollBar::valueChanged, this,
            &ValueEditors::hideValueEditor);
    // A change the open editor did not make (an undo, an item operation, New) closes it.
    connect(&document_, &doc::Document::changed, this, [this] {
        if (!storing_)
            hideValueEditor();
    });
    connect(&document_, &doc::Document::aboutToReset, this, &ValueEditors::hideValueEditor);
}

ValueEditors::~ValueEditors() {
    if (watchedWindow_)
        watchedWindow_->removeEventFilter(this);
}

void ValueEditors::add(ParamKind kind, std::unique_ptr<ValueEditor> editor) {
    // The panel's own controls report their keys, focus and pointer moves here.
    if (QFrame* panel = editor->panel()) {
        panel->installEventFilter(this);
        for (QWidget* w : panel->findChildren<QWidget*>())
            w->installEventFilter(this);
    }
    editors_[kind] = std::move(editor);
}

void ValueEditors::setDialogs(TfrmFont* font, TfrmText* text, TfrmImages* images) {
    font_ = font;
    text_ = text;
    images_ = images;
}

QWidget* ValueEditors::find(const char* name) const {
    const QString wanted = QString::fromLatin1(name);
    for (const auto& [kind, editor] : editors_) {
        QFrame* panel = editor->panel();
        if (!panel)
            continue;
        if (panel->objectName() == wanted)
            return panel;
        if (auto* w = panel->findChild<QWidget*>(wanted))
            return w;
    }
    return nullptr;
}

const model::TPropType& ValueEditors::param() const {
    return document_.project().params[static_cast<std::size_t>(row_)];
}

void ValueEditors::store(const model::TPropType& value) {
    storing_ = true;
    document_.setParam(row_, value, session_);
    storing_ = false;
}

void ValueEditors::runModal(const std::function<void()>& fn) {
    const bool was = inModal_;
    inModal_ = true;
    struct Restore {
        bool& flag;
        bool value;
        ~Restore() { flag = value; }
    } restore{inModal_, was};
    fn();
}

bool ValueEditors::holdsFocus() const {
    return open_ && open_->isAncestorOf(QApplication::focusWidget());
}

void ValueEditors::hideValueEditor() {
    timerHide_.stop();
    if (!open_)
        return;
    QFrame* panel = open_;
    open_ = nullptr;
    current_ = nullptr;
    const bool hadFocus = panel->isAncestorOf(QApplication::focusWidget());
    panel->hide();
    if (hadFocus)
        grid_.setFocus(Qt::OtherFocusReason);
}

void ValueEditors::show(QFrame* p, bool valueWidth, int dy) {
    const QRect cell = grid_.valueCellRect(row_);
    QPoint at = grid_.viewport()->mapTo(host_, cell.topLeft()) + QPoint(0, dy);
    const int width = valueWidth ? cell.width() : p->property("ownWidth").toInt();
    // A panel with wrapped text is as tall as the text needs at the panel's width.
    const int wanted = p->hasHeightForWidth() ? p->heightForWidth(width) : p->sizeHint().height();
    const int height = qBound(p->minimumHeight(), wanted, p->maximumHeight());
    // Kept inside the window.
    at.setX(qMax(0, qMin(at.x(), host_->width() - width)));
    at.setY(qMax(0, qMin(at.y(), host_->height() - height)));
    p->setGeometry(QRect(at, QSize(width, height)));
    p->show();
    p->raise();
    open_ = p;
    watchWindow();
}

// A press anywhere in the main window reaches its platform window first: that is where a press
// outside the open panel is seen, before the widget under it acts.
void ValueEditors::watchWindow() {
    QWindow* window = host_->window()->windowHandle();
    if (!window || window == watchedWindow_)
        return;
    if (watchedWindow_)
        watchedWindow_->removeEventFilter(this);
    window->installEventFilter(this);
    watchedWindow_ = window;
    connect(window, &QObject::destroyed, this, [this, window] {
        if (watchedWindow_ == window)
            watchedWindow_ = nullptr;
    });
}

void ValueEditors::open(int row, bool byKeyboard) {
    hideValueEditor();
    const auto& params = document_.project().params;
    if (row < 0 || static_cast<std::size_t>(row) >= params.size())
        return;
    const auto it = editors_.find(params[static_cast<std::size_t>(row)].kind);
    if (it == editors_.end())
        return;
    row_ = row;
    session_ = doc::Document::newSession();
    current_ = it->second.get();
    current_->open(byKeyboard);
    if (!open_)
        current_ = nullptr;
}

bool ValueEditors::panelKey(QWidget* target, QKeyEvent* key) {
    if (current_ && current_->key(target, key))
        return true;
    switch (key->key()) {
    case Qt::Key_Escape:
        // Leaves without storing anything more; the focus goes back to the row.
        hideValueEditor();
        grid_.setFocus(Qt::OtherFocusReason);
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        // Tab goes round the panel's controls and never out of it.
        QList<QWidget*> chain;
        for (QWidget* w : open_->findChildren<QWidget*>())
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(open_) && w->isEnabled())
                chain << w;
        const auto at = chain.indexOf(target);
        if (chain.isEmpty() || at < 0)
            return true;
        const int step =
            key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier) ? 1 : -1;
        chain[(at + step + chain.size()) % chain.size()]->setFocus(Qt::TabFocusReason);
        return true;
    }
    default:
        return false;
    }
}

bool ValueEditors::eventFilter(QObject* watched, QEvent* event) {
    if (watched == watchedWindow_) {
        const auto type = event->type();
        if (open_ && (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)) {
            // A press in the main window outside the open panel closes it (before it acts).
            const QPoint at =
                host_->mapFromGlobal(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
            if (!open_->geometry().contains(at))
                hideValueEditor();
        }
        return false;
    }
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w || !open_ || (w != open_ && !open_->isAncestorOf(w)))
        return false;
    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::Leave:
        // The pop-ups close by themselves shortly after the pointer leaves them, unless they
        // hold the keyboard focus.
        if (current_ && current_->hidesOnLeave()) {
            if (event->type() == QEvent::Leave && !holdsFocus())
                timerHide_.start();
            else
                timerHide_.stop();
        }
        return false;
    case QEvent::FocusOut: {
        if (inModal_)
            return false;
        // Leaving the panel's controls closes it without a change.
        QWidget* next = QApplication::focusWidget();
        if (!next || !open_->isAncestorOf(next))
            QMetaObject::invokeMethod(
                this,
                [this, panel = open_] {
                    if (open_ == panel && !inModal_ &&
                        !panel->isAncestorOf(QApplication::focusWidget()))
                        hideValueEditor();
                },
                Qt::QueuedConnection);
        return false;
    }
    case QEvent::ShortcutOverride: {
        // Plain keys (F2 but no other function key) belong to the panel's controls, not to
        // the window's shortcuts.
        auto* key = static_cast<QKeyEvent*>(event);
        const bool function = key->key() >= Qt::Key_F1 && key->key() <= Qt::Key_F35;
        if (!(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
            (!function || key->key() == Qt::Key_F2)) {
            event->accept();
            return true;
        }
        return false;
    }
    case QEvent::KeyPress:
        return panelKey(w, static_cast<QKeyEvent*>(event));
    default:
        return false;
    }
}

} // namespace menuloom::ui
