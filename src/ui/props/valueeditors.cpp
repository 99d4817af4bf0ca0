#include "ui/props/valueeditors.h"

#include "doc/document.h"
#include "doc/prompter.h"
#include "output/datawriter.h"
#include "ui/props/choicebutton.h"
#include "ui/props/dgprops.h"
#include "ui/props/editorpanel.h"
#include "ui/styles/tfrmfont.h"
#include "ui/styles/tfrmimages.h"
#include "ui/styles/tfrmtext.h"
#include "widgets/conversions.h"
#include "widgets/imagepicker.h"
#include "widgets/targetlist.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace menuloom::ui {

using widgets::colorValue;
using widgets::fromModel;
using widgets::toModel;
using widgets::toQColor;

using model::ParamKind;

namespace {

std::optional<QColor> presetOf(int32_t color) {
    if (color == -1)
        return std::nullopt;
    return toQColor(color);
}

bool isEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

// The keys the number field lets through: digits, "-", "%", "." and the three control keys.
bool isIntKey(const QKeyEvent* key) {
    if (isEnter(key) || key->key() == Qt::Key_Escape || key->key() == Qt::Key_Backspace)
        return true;
    const QString text = key->text();
    if (text.size() != 1 || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    const QChar c = text.at(0);
    return (c >= '0' && c <= '9') || c == '-' || c == '%' || c == '.';
}

// Colour list rows: the colour text (or "[none]") and, from 10 to 80 pixels after it, a swatch.
class ColorRowPainter : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        const QVariant color = index.data(Qt::UserRole);
        if (!color.isValid())
            return;
        const QString text = index.data(Qt::DisplayRole).toString();
        const int left = option.rect.left() + 4 + option.fontMetrics.horizontalAdvance(text) + 10;
        const QRect swatch(left, option.rect.top() + 3, 70, option.rect.height() - 7);
        painter->fillRect(swatch, color.value<QColor>());
        painter->setPen(Qt::black);
        painter->drawRect(swatch);
    }
};

constexpr const char* kPanelStyle = R"(
QFrame[editorPanel="true"] { background: #ffffff; border: 1px solid #76a0e0; }
QFrame[editorPanel="true"] QPushButton { padding: 1px 6px; min-height: 16px; }
QFrame[editorPanel="true"] QPushButton:checked { background: #d9e7ff; border-color: #1f5fcf;
                                                 font-weight: 600; }
QFrame[editorPanel="true"] QListWidget { border: 1px solid #c3ccd8; }
QFrame[editorPanel="true"] QLineEdit { min-height: 14px; padding: 0 3px; }
)";

} // namespace

ValueEditors::ValueEditors(doc::Document& document, doc::Prompter& prompter, DGProps& grid,
                           QWidget* host, QString startFolder)
    : QObject(host), document_(document), prompter_(prompter), grid_(grid), host_(host),
      startFolder_(std::move(startFolder)) {
    timerHide_.setObjectName(QStringLiteral("timerHide"));
    timerHide_.setSingleShot(true);
    timerHide_.setInterval(kHideDelay);
    connect(&timerHide_, &QTimer::timeout, this, &ValueEditors::hideValueEditor);
    build();

    connect(&grid_, &DGProps::valueButtonClicked, this, &ValueEditors::open);
    connect(&grid_, &DGProps::pressed, this, &ValueEditors::hideValueEditor);
    connect(grid_.verticalScrollBar(), &QScrollBar::valueChanged, this,
            &ValueEditors::hideValueEditor);
    // A change the open editor did not make (an undo, an item operation, New) closes it.
    connect(&document_, &doc::Document::changed, this, [this] {
        if (!storing_)
            hideValueEditor();
    });
    connect(&document_, &doc::Document::aboutToReset, this, &ValueEditors::hideValueEditor);
    qApp->installEventFilter(this);
}

ValueEditors::~ValueEditors() {
    qApp->removeEventFilter(this);
}

void ValueEditors::setDialogs(TfrmFont* font, TfrmText* text, TfrmImages* images) {
    font_ = font;
    text_ = text;
    images_ = images;
}

QFrame* ValueEditors::panel(const char* name) {
    auto* frame = new EditorPanel(host_);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setProperty("editorPanel", true);
    frame->setStyleSheet(QString::fromLatin1(kPanelStyle));
    frame->setAutoFillBackground(true);
    frame->hide();
    return frame;
}

QPushButton* ValueEditors::button(QFrame* owner, const char* name, const QString& caption,
                                  bool choice) {
    QPushButton* b = choice ? new ChoiceButton(caption, owner) : new QPushButton(caption, owner);
    b->setObjectName(QString::fromLatin1(name));
    // The panel's field or list keeps the focus: a click here is no leaving.
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoDefault(false);
    return b;
}

void ValueEditors::build() {
    // True / False.
    pnlBool = panel("pnlBool");
    spdBoolTrue = button(pnlBool, "spdBoolTrue", QStringLiteral("True"), true);
    spdBoolFalse = button(pnlBool, "spdBoolFalse", QStringLiteral("False"), true);
    auto* boolLayout = new QVBoxLayout(pnlBool);
    boolLayout->setContentsMargins(1, 1, 1, 1);
    boolLayout->setSpacing(0);
    for (QPushButton* b : {spdBoolTrue, spdBoolFalse})
        boolLayout->addWidget(b);
    auto storeBool = [this](uint8_t value) {
        model::TPropType v = param();
        v.boolValue = value;
        store(v);
        hideValueEditor();
    };
    connect(spdBoolTrue, &QPushButton::clicked, this, [storeBool] { storeBool(1); });
    connect(spdBoolFalse, &QPushButton::clicked, this, [storeBool] { storeBool(0); });

    // Integer.
    pnlInt = panel("pnlInt");
    eInt = new QLineEdit(pnlInt);
    eInt->setObjectName(QStringLiteral("eInt"));
    eInt->setMaxLength(9);
    auto* intLayout = new QHBoxLayout(pnlInt);
    intLayout->setContentsMargins(1, 1, 1, 1);
    intLayout->addWidget(eInt);

    // Image path.
    pnlImg = panel("pnlImg");
    pnlImg->setProperty("ownWidth", 330);
    eImg = new QLineEdit(pnlImg);
    eImg->setObjectName(QStringLiteral("eImg"));
    auto* imgLabel = new QLabel(QStringLiteral("Image file:"), pnlImg);
    imgLabel->setBuddy(eImg);
    spdImgClear = button(pnlImg, "spdImgClear", QStringLiteral("Clear"));
    spdImgSelect = button(pnlImg, "spdImgSelect", QStringLiteral("Select..."));
    spdImgOk = button(pnlImg, "spdImgOk", QStringLiteral("Ok"));
    auto* imgLayout = new QGridLayout(pnlImg);
    imgLayout->setContentsMargins(6, 4, 6, 5);
    imgLayout->setHorizontalSpacing(4);
    imgLayout->setVerticalSpacing(4);
    imgLayout->addWidget(imgLabel, 0, 0);
    imgLayout->addWidget(eImg, 0, 1, 1, 4);
    imgLayout->setColumnStretch(1, 1);
    imgLayout->addWidget(spdImgClear, 1, 2);
    imgLayout->addWidget(spdImgSelect, 1, 3);
    imgLayout->addWidget(spdImgOk, 1, 4);
    connect(spdImgClear, &QPushButton::clicked, this, [this] {
        model::TPropType v = param();
        v.text.clear();
        eImg->clear();
        store(v);
    });
    connect(spdImgSelect, &QPushButton::clicked, this, &ValueEditors::pickImage);
    connect(spdImgOk, &QPushButton::clicked, this, [this] {
        model::TPropType v = param();
        const std::string typed = toModel(eImg->text());
        if (typed != v.text) {
            v.text = typed;
            store(v);
        }
        hideValueEditor();
    });

    // Colour.
    pnlColor = panel("pnlColor");
    spdColorClear = button(pnlColor, "spdColorClear", QStringLiteral("Clear"));
    spdColorSelect = button(pnlColor, "spdColorSelect", QStringLiteral("Select..."));
    auto* colorLayout = new QHBoxLayout(pnlColor);
    colorLayout->setContentsMargins(1, 1, 1, 1);
    colorLayout->setSpacing(2);
    colorLayout->addWidget(spdColorClear);
    colorLayout->addWidget(spdColorSelect);
    connect(spdColorClear, &QPushButton::clicked, this, [this] {
        model::TPropType v = param();
        v.num = -1;
        store(v);
        hideValueEditor();
    });
    connect(spdColorSelect, &QPushButton::clicked, this, &ValueEditors::pickColor);

    // Colour list.
    pnlColorArray = panel("pnlColorArray");
    lbColorArray = new QListWidget(pnlColorArray);
    lbColorArray->setObjectName(QStringLiteral("lbColorArray"));
    lbColorArray->setItemDelegate(new ColorRowPainter(lbColorArray));
    spdColorArrayClear = button(pnlColorArray, "spdColorArrayClear", QStringLiteral("Clear"));
    spdColorArraySelect = button(pnlColorArray, "spdColorArraySelect", QStringLiteral("Select..."));
    spdColorArrayOk = button(pnlColorArray, "spdColorArrayOk", QStringLiteral("Ok"));
    auto* caLayout = new QGridLayout(pnlColorArray);
    caLayout->setContentsMargins(4, 4, 4, 4);
    caLayout->setSpacing(3);
    caLayout->addWidget(lbColorArray, 0, 0, 1, 3);
    caLayout->addWidget(spdColorArrayClear, 1, 0);
    caLayout->addWidget(spdColorArraySelect, 1, 1);
    caLayout->addWidget(spdColorArrayOk, 1, 2);
    connect(spdColorArraySelect, &QPushButton::clicked, this, &ValueEditors::pickArrayColor);
    connect(lbColorArray, &QListWidget::itemDoubleClicked, this, &ValueEditors::pickArrayColor);
    connect(spdColorArrayClear, &QPushButton::clicked, this,
            [this] { setListEntry(lbColorArray, -1); });
    connect(spdColorArrayOk, &QPushButton::clicked, this, &ValueEditors::hideValueEditor);

    // Decoration list: a button per decoration.
    pnlFontDecorArray = panel("pnlFontDecorArray");
    lbFontDecorArray = new QListWidget(pnlFontDecorArray);
    lbFontDecorArray->setObjectName(QStringLiteral("lbFontDecorArray"));
    auto* fdLayout = new QGridLayout(pnlFontDecorArray);
    fdLayout->setContentsMargins(4, 4, 4, 4);
    fdLayout->setSpacing(3);
    fdLayout->addWidget(lbFontDecorArray, 0, 0, 1, 2);
    for (int i = 0; i < static_cast<int>(model::kDecorationNames.size()); ++i) {
        const std::string name = "spdDecor" + std::to_string(i);
        QPushButton* b = button(pnlFontDecorArray, name.c_str(),
                                fromModel(std::string(model::kDecorationNames[i])));
        fdLayout->addWidget(b, 1 + i / 2, i % 2);
        connect(b, &QPushButton::clicked, this, [this, i] { setListEntry(lbFontDecorArray, i); });
    }
    spdFontDecorOk = button(pnlFontDecorArray, "spdFontDecorOk", QStringLiteral("Ok"));
    fdLayout->addWidget(spdFontDecorOk, 3, 1);
    connect(spdFontDecorOk, &QPushButton::clicked, this, &ValueEditors::hideValueEditor);

    // Border style list: a button per border style.
    pnlBorderStyle = panel("pnlBorderStyle");
    pnlBorderStyle->setProperty("ownWidth", 300);
    lbBorderStyle = new QListWidget(pnlBorderStyle);
    lbBorderStyle->setObjectName(QStringLiteral("lbBorderStyle"));
    auto* bsLayout = new QGridLayout(pnlBorderStyle);
    bsLayout->setContentsMargins(4, 4, 4, 4);
    bsLayout->setSpacing(3);
    bsLayout->addWidget(lbBorderStyle, 0, 0, 4, 1, Qt::AlignTop);
    bsLayout->setColumnStretch(0, 1);
    for (int i = 0; i < static_cast<int>(model::kBorderStyleNames.size()); ++i) {
        const std::string name = "spdBorderStyle" + std::to_string(i);
        QPushButton* b = button(pnlBorderStyle, name.c_str(),
                                fromModel(std::string(model::kBorderStyleNames[i])));
        bsLayout->addWidget(b, i / 3, 1 + i % 3);
        connect(b, &QPushButton::clicked, this, [this, i] { setListEntry(lbBorderStyle, i - 1); });
    }
    spdBorderStyleOk = button(pnlBorderStyle, "spdBorderStyleOk", QStringLiteral("Ok"));
    bsLayout->addWidget(spdBorderStyleOk, 3, 3);
    connect(spdBorderStyleOk, &QPushButton::clicked, this, &ValueEditors::hideValueEditor);

    // Alignment.
    pnlAlign = panel("pnlAlign");
    spdAlignLeft = button(pnlAlign, "spdAlignLeft", QStringLiteral("Left"), true);
    spdAlignCenter = button(pnlAlign, "spdAlignCenter", QStringLiteral("Center"), true);
    spdAlignRight = button(pnlAlign, "spdAlignRight", QStringLiteral("Right"), true);
    auto* alignLayout = new QHBoxLayout(pnlAlign);
    alignLayout->setContentsMargins(1, 1, 1, 1);
    alignLayout->setSpacing(1);
    int code = 0;
    for (QPushButton* b : {spdAlignLeft, spdAlignCenter, spdAlignRight}) {
        alignLayout->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, code] {
            model::TPropType v = param();
            v.num = code;
            store(v);
            hideValueEditor();
        });
        ++code;
    }

    // Percentage and transition: track bars that store every move.
    auto slider = [this](QFrame* owner, const char* name, int maximum) {
        auto* s = new QSlider(Qt::Horizontal, owner);
        s->setObjectName(QString::fromLatin1(name));
        s->setRange(0, maximum);
        s->setSingleStep(1);
        s->setPageStep(5);
        return s;
    };
    pnlPercents = panel("pnlPercents");
    pnlPercents->setProperty("ownWidth", 230);
    tbPercents = slider(pnlPercents, "tbPercents", 100);
    lblPercentsValue = new QLabel(pnlPercents);
    lblPercentsValue->setObjectName(QStringLiteral("lblPercentsValue"));
    lblPercentsValue->setMinimumWidth(lblPercentsValue->fontMetrics().horizontalAdvance("100%") +
                                      4);
    spdPercentsOk = button(pnlPercents, "spdPercentsOk", QStringLiteral("Ok"));
    auto* pcLayout = new QHBoxLayout(pnlPercents);
    pcLayout->setContentsMargins(6, 3, 4, 3);
    pcLayout->addWidget(tbPercents, 1);
    pcLayout->addWidget(lblPercentsValue);
    pcLayout->addWidget(spdPercentsOk);
    connect(tbPercents, &QSlider::valueChanged, this, [this](int position) {
        lblPercentsValue->setText(QString::number(position) + QLatin1Char('%'));
        if (filling_)
            return;
        model::TPropType v = param();
        v.value = position;
        store(v);
    });
    connect(spdPercentsOk, &QPushButton::clicked, this, &ValueEditors::hideValueEditor);

    pnlTransition = panel("pnlTransition");
    auto* transitionLabel = new QLabel(QStringLiteral("Transition ="), pnlTransition);
    tbTransition = slider(pnlTransition, "tbTransition", 24);
    transitionLabel->setBuddy(tbTransition);
    lblTransitionValue = new QLabel(pnlTransition);
    lblTransitionValue->setObjectName(QStringLiteral("lblTransitionValue"));
    spdTransitionOk = button(pnlTransition, "spdTransitionOk", QStringLiteral("Ok"));
    auto* trLayout = new QGridLayout(pnlTransition);
    trLayout->setContentsMargins(6, 3, 4, 3);
    trLayout->setHorizontalSpacing(6);
    trLayout->setVerticalSpacing(1);
    trLayout->addWidget(transitionLabel, 0, 0);
    trLayout->addWidget(lblTransitionValue, 0, 1);
    trLayout->setColumnStretch(1, 1);
    trLayout->addWidget(tbTransition, 1, 0, 1, 2);
    trLayout->addWidget(spdTransitionOk, 1, 2);
    connect(tbTransition, &QSlider::valueChanged, this, [this](int position) {
        lblTransitionValue->setText(QString::number(position));
        if (filling_)
            return;
        model::TPropType v = param();
        v.value = position;
        store(v);
    });
    connect(spdTransitionOk, &QPushButton::clicked, this, &ValueEditors::hideValueEditor);

    // Choice list: the target list's control in its second mode.
    pnlStrs = panel("pnlStrs");
    lbStrs = new widgets::TargetList(pnlStrs, widgets::TargetList::Mode::Embedded);
    auto* strsLayout = new QVBoxLayout(pnlStrs);
    strsLayout->setContentsMargins(1, 1, 1, 1);
    strsLayout->addWidget(lbStrs);
    connect(lbStrs, &widgets::TargetList::chosenRow, this, &ValueEditors::strsChosen);
    connect(lbStrs, &widgets::TargetList::closed, this, [this] {
        if (open_ == pnlStrs && !inModal_)
            hideValueEditor();
    });
}

const model::TPropType& ValueEditors::param() const {
    return document_.project().params[static_cast<std::size_t>(row_)];
}

void ValueEditors::store(const model::TPropType& value) {
    storing_ = true;
    document_.setParam(row_, value, session_);
    storing_ = false;
}

template <typename Fn> auto ValueEditors::modal(Fn&& fn) {
    const bool was = inModal_;
    inModal_ = true;
    struct Restore {
        bool& flag;
        bool value;
        ~Restore() { flag = value; }
    } restore{inModal_, was};
    return fn();
}

void ValueEditors::hideValueEditor() {
    timerHide_.stop();
    if (!open_)
        return;
    QWidget* panel = open_;
    open_ = nullptr;
    const bool hadFocus = panel->isAncestorOf(QApplication::focusWidget());
    panel->hide();
    if (hadFocus)
        grid_.setFocus(Qt::OtherFocusReason);
}

void ValueEditors::show(QFrame* p, bool valueWidth, int dy) {
    const QRect cell = grid_.valueCellRect(row_);
    QPoint at = grid_.viewport()->mapTo(host_, cell.topLeft()) + QPoint(0, dy);
    const int width = valueWidth ? cell.width() : p->property("ownWidth").toInt();
    const int height = qBound(p->minimumHeight(), p->sizeHint().height(), p->maximumHeight());
    // Kept inside the window.
    at.setX(qMax(0, qMin(at.x(), host_->width() - width)));
    at.setY(qMax(0, qMin(at.y(), host_->height() - height)));
    p->setGeometry(QRect(at, QSize(width, height)));
    p->show();
    p->raise();
    open_ = p;
}

void ValueEditors::open(int row) {
    hideValueEditor();
    const auto& params = document_.project().params;
    if (row < 0 || static_cast<std::size_t>(row) >= params.size())
        return;
    row_ = row;
    session_ = doc::Document::newSession();
    const model::TPropType& p = param();
    const QString name = fromModel(p.name);
    switch (p.kind) {
    case ParamKind::Bool:
        spdBoolTrue->setChecked(p.boolValue == 1);
        spdBoolFalse->setChecked(p.boolValue == 0);
        // The button of the current value lies over the clicked row.
        show(pnlBool, true, p.boolValue == 0 ? -spdBoolTrue->sizeHint().height() : 0);
        break;
    case ParamKind::Int:
        openInt();
        break;
    case ParamKind::Img:
        openImg();
        break;
    case ParamKind::Color:
        openColor();
        break;
    case ParamKind::ColorArray:
        lbColorArray->setAccessibleName(name);
        fillColorArray();
        lbColorArray->setCurrentRow(0);
        show(pnlColorArray, true);
        lbColorArray->setFocus(Qt::PopupFocusReason);
        break;
    case ParamKind::FontDecorArray:
        lbFontDecorArray->setAccessibleName(name);
        fillNamesList(lbFontDecorArray, &model::decorationName);
        lbFontDecorArray->setCurrentRow(0);
        show(pnlFontDecorArray, true);
        lbFontDecorArray->setFocus(Qt::PopupFocusReason);
        break;
    case ParamKind::BorderStyleArray:
        lbBorderStyle->setAccessibleName(name);
        fillNamesList(lbBorderStyle, &model::styleBorderStyleName);
        lbBorderStyle->setCurrentRow(0);
        show(pnlBorderStyle, false);
        lbBorderStyle->setFocus(Qt::PopupFocusReason);
        break;
    case ParamKind::Alignment:
        spdAlignLeft->setChecked(p.num == 0);
        spdAlignCenter->setChecked(p.num == 1);
        spdAlignRight->setChecked(p.num == 2);
        show(pnlAlign, true);
        break;
    case ParamKind::Percents:
        filling_ = true;
        tbPercents->setAccessibleName(name);
        tbPercents->setValue(p.value);
        filling_ = false;
        // A value read from a file may lie outside the track bar; the label says what it is.
        lblPercentsValue->setText(QString::number(p.value) + QLatin1Char('%'));
        show(pnlPercents, false);
        tbPercents->setFocus(Qt::PopupFocusReason);
        break;
    case ParamKind::Transition:
        filling_ = true;
        tbTransition->setAccessibleName(name);
        tbTransition->setValue(p.value);
        filling_ = false;
        lblTransitionValue->setText(QString::number(p.value));
        show(pnlTransition, true);
        tbTransition->setFocus(Qt::PopupFocusReason);
        break;
    case ParamKind::Strs:
        openStrs();
        break;
    case ParamKind::FontStyle:
        if (font_) {
            font_->setMode(TfrmFont::ParameterMode);
            font_->setParameterRow(row);
            modal([this] { return font_->exec(); });
        }
        break;
    case ParamKind::ImgArray:
        if (images_) {
            images_->setParameterRow(row);
            modal([this] { return images_->exec(); });
        }
        break;
    case ParamKind::Unknown:
        break;
    }
}

void ValueEditors::openInt() {
    const model::TPropType& p = param();
    eInt->setAccessibleName(fromModel(p.name));
    eInt->setText(QString::number(p.value) +
                  (p.text == "percents" && p.boolValue == 0 ? QStringLiteral("%") : QString()));
    show(pnlInt, true);
    eInt->selectAll();
    eInt->setFocus(Qt::PopupFocusReason);
}

void ValueEditors::eIntKeyEnter() {
    const model::IntInputResult result = model::acceptIntInput(param(), toModel(eInt->text()));
    if (result.accepted()) {
        model::TPropType v = param();
        model::applyIntInput(v, result);
        store(v);
        hideValueEditor();
        grid_.setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!result.message.empty())
        modal([&] {
            return prompter_.message(QStringLiteral("Error"), fromModel(result.message),
                                     doc::Prompter::Buttons::Ok);
        });
    // The old number again, all selected (a text that is no number stays as typed).
    if (result.kind != model::IntInputResult::Kind::ConversionError)
        eInt->setText(QString::number(param().value));
    if (open_ == pnlInt) {
        eInt->setFocus(Qt::OtherFocusReason);
        eInt->selectAll();
    }
}

void ValueEditors::openImg() {
    const model::TPropType& p = param();
    if (p.text.empty()) {
        // Nothing to edit yet: straight to the file picker.
        pickImage();
        return;
    }
    eImg->setText(fromModel(p.text));
    show(pnlImg, false);
    eImg->selectAll();
    eImg->setFocus(Qt::PopupFocusReason);
}

void ValueEditors::pickImage() {
    const auto relative = modal([this] {
        return widgets::pickImagePath(prompter_, startFolder_,
                                      fromModel(document_.project().workingFolder));
    });
    if (open_ == pnlImg)
        eImg->setFocus(Qt::OtherFocusReason);
    if (!relative)
        return;
    model::TPropType v = param();
    v.text = toModel(*relative);
    store(v);
    eImg->setText(*relative);
}

void ValueEditors::openColor() {
    if (param().num == -1) {
        // No colour yet: straight to the picker; a cancel leaves no panel.
        if (const auto color = modal([this] { return prompter_.pickColor(std::nullopt); })) {
            model::TPropType v = param();
            v.num = colorValue(*color);
            store(v);
        }
        return;
    }
    show(pnlColor, true);
}

void ValueEditors::pickColor() {
    const auto color = modal([this] { return prompter_.pickColor(presetOf(param().num)); });
    if (!color)
        return; // the panel stays
    model::TPropType v = param();
    v.num = colorValue(*color);
    store(v);
    hideValueEditor();
}

void ValueEditors::fillColorArray() {
    const int current = lbColorArray->currentRow();
    lbColorArray->clear();
    for (int32_t c : param().intList) {
        auto* item = new QListWidgetItem(c == -1 ? QStringLiteral("[none]")
                                                 : fromModel(output::formatColor(c)));
        if (c != -1)
            item->setData(Qt::UserRole, toQColor(c));
        lbColorArray->addItem(item);
    }
    lbColorArray->setFixedHeight(lbColorArray->sizeHintForRow(0) * lbColorArray->count() + 4);
    lbColorArray->setCurrentRow(qMax(0, current));
}

void ValueEditors::pickArrayColor() {
    const int row = lbColorArray->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= param().intList.size())
        return;
    const int32_t now = param().intList[static_cast<std::size_t>(row)];
    const auto color = modal([&] { return prompter_.pickColor(presetOf(now)); });
    if (open_ == pnlColorArray)
        lbColorArray->setFocus(Qt::OtherFocusReason);
    if (color)
        setListEntry(lbColorArray, colorValue(*color));
}

void ValueEditors::setListEntry(QListWidget* list, int32_t value) {
    const int row = list->currentRow();
    model::TPropType v = param();
    if (row < 0 || static_cast<std::size_t>(row) >= v.intList.size())
        return;
    v.intList[static_cast<std::size_t>(row)] = value;
    store(v);
    if (list == lbColorArray)
        fillColorArray();
    else if (list == lbFontDecorArray)
        fillNamesList(list, &model::decorationName);
    else
        fillNamesList(list, &model::styleBorderStyleName);
    list->setCurrentRow(row);
}

void ValueEditors::fillNamesList(QListWidget* list, std::string_view (*name)(int)) {
    const int current = list->currentRow();
    list->clear();
    for (int32_t entry : param().intList)
        list->addItem(fromModel(std::string(name(entry))));
    list->setFixedHeight(list->sizeHintForRow(0) * list->count() + 4);
    list->setCurrentRow(qMax(0, current));
}

void ValueEditors::openStrs() {
    const model::TPropType& p = param();
    QStringList entries;
    for (const std::string& choice : p.strList)
        entries << fromModel(choice);
    lbStrs->setAccessibleName(fromModel(p.name));
    show(pnlStrs, true);
    lbStrs->openIn(entries, p.num);
    // As tall as its entries.
    const int rows = qMax(1, static_cast<int>(entries.size()));
    const int height = lbStrs->sizeHintForRow(0) * rows + 2 * lbStrs->frameWidth() + 2;
    pnlStrs->setFixedHeight(height);
    QRect g = pnlStrs->geometry();
    g.setHeight(height);
    g.moveTop(qMax(0, qMin(g.top(), host_->height() - height)));
    pnlStrs->setGeometry(g);
}

void ValueEditors::strsChosen(int index) {
    if (open_ != pnlStrs)
        return;
    const model::TPropType& p = param();
    if (index < 0 || static_cast<std::size_t>(index) >= p.strList.size())
        return;
    if (p.strList[static_cast<std::size_t>(index)] == "...") {
        // A text of one's own: the text dialog stores it; the panel goes when it closes.
        if (text_) {
            text_->setParameter(row_, index);
            modal([this] { return text_->exec(); });
        }
        hideValueEditor();
        return;
    }
    model::TPropType v = p;
    v.num = index;
    v.flag = 0;
    store(v);
    hideValueEditor();
}

// Installed on the application: it sees the presses anywhere, and the keys, focus and pointer
// moves of the panels' own controls.
bool ValueEditors::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        // A press in the main window outside the open panel closes it (before the press acts).
        if (open_ && watched->isWidgetType()) {
            auto* w = static_cast<QWidget*>(watched);
            if (w->window() == host_->window() && w != open_ && !open_->isAncestorOf(w))
                hideValueEditor();
        }
        return false;
    }
    case QEvent::Enter:
    case QEvent::Leave: {
        auto* w = qobject_cast<QWidget*>(watched);
        if (!w || !open_ || (w != open_ && !open_->isAncestorOf(w)))
            return false;
        // The three pop-ups close by themselves shortly after the pointer leaves them.
        if (open_ == pnlBool || open_ == pnlColor || open_ == pnlAlign) {
            if (event->type() == QEvent::Leave)
                timerHide_.start();
            else
                timerHide_.stop();
        }
        return false;
    }
    case QEvent::FocusOut: {
        auto* w = qobject_cast<QWidget*>(watched);
        if (!w || !open_ || inModal_ || !open_->isAncestorOf(w))
            return false;
        // Leaving the field, list or track bar closes the panel without a change.
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
        // Enter and Escape belong to the panel's field or list, not to window shortcuts.
        auto* key = static_cast<QKeyEvent*>(event);
        if (open_ && open_->isAncestorOf(qobject_cast<QWidget*>(watched)) &&
            (isEnter(key) || key->key() == Qt::Key_Escape)) {
            event->accept();
            return true;
        }
        return false;
    }
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == eInt) {
            if (!isIntKey(key))
                return true; // dropped
            if (isEnter(key)) {
                eIntKeyEnter();
                return true;
            }
            if (key->key() == Qt::Key_Escape) {
                hideValueEditor();
                grid_.setFocus(Qt::OtherFocusReason);
                return true;
            }
            return false;
        }
        if (watched == eImg) {
            if (isEnter(key)) {
                spdImgOk->click();
                return true;
            }
            if (key->key() == Qt::Key_Escape) {
                hideValueEditor();
                return true;
            }
            return false;
        }
        if (watched == lbColorArray || watched == lbFontDecorArray || watched == lbBorderStyle) {
            if (isEnter(key) || key->key() == Qt::Key_Escape) {
                hideValueEditor();
                return true;
            }
        }
        return false;
    }
    default:
        return false;
    }
}

} // namespace menuloom::ui
