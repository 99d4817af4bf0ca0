#include "ui/styles/styledialogbase.h"

#include <QCheckBox>

#include "doc/document.h"
#include "doc/prompter.h"
#include "widgets/conversions.h"
#include "widgets/imagepicker.h"
#include "widgets/typingsession.h"

#include <QAction>
#include <QColor>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QUndoStack>
#include <QVBoxLayout>
#include <type_traits>

namespace menuloom::ui {

using widgets::colorValue;
using widgets::fromModel;
using widgets::pickImagePath;
using widgets::toModel;

namespace {

QPushButton* listButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    // Enter belongs to the dialog (it closes it), not to the focused button.
    button->setAutoDefault(false);
    return button;
}

// Counts the dialog's own steps, so that their echo from the document is not taken for a
// change made behind the dialog.
class OwnStep {
public:
    explicit OwnStep(int& depth) : depth_(depth) { ++depth_; }
    ~OwnStep() { --depth_; }
    OwnStep(const OwnStep&) = delete;
    OwnStep& operator=(const OwnStep&) = delete;

private:
    int& depth_;
};

} // namespace

StyleDialogBase::StyleDialogBase(doc::Document& document, doc::Prompter& prompter,
                                 QString startFolder, model::StyleKind kind, const QString& title,
                                 const ListNames& names, QWidget* parent)
    : widgets::FramelessDialog(title, parent), document_(document), prompter_(prompter),
      startFolder_(std::move(startFolder)), kind_(kind) {
    list_ = new QListWidget(this);
    list_->setObjectName(QString::fromLatin1(names.list));
    list_->setAccessibleName(QStringLiteral("Styles:"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setMinimumWidth(180);
    add_ = listButton(names.add, QStringLiteral("Add Style"), this);
    remove_ = listButton(names.remove, QStringLiteral("Delete Style"), this);
    removeAll_ = listButton(names.removeAll, QStringLiteral("Delete All Styles"), this);
    duplicate_ = listButton(names.duplicate, QStringLiteral("Duplicate Style"), this);
    name_ = new QLineEdit(this);
    name_->setObjectName(QString::fromLatin1(names.name));
    trackSession(name_);
    spdOk = listButton("spdOk", QStringLiteral("Ok"), this);
    spdUpdate = listButton("spdUpdate", QStringLiteral("Update"), this);
    spdUpdate->setToolTip(QStringLiteral("Redraw the preview with the styles as they are now"));

    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        if (!filling_)
            listSelectionChanged();
    });
    connect(name_, &QLineEdit::textChanged, this, [this] {
        if (!filling_)
            nameEdited();
    });
    connect(spdOk, &QPushButton::clicked, this, [this] { spdOkClick(); });
    connect(spdUpdate, &QPushButton::clicked, this, [this] { spdUpdateClick(); });

    // Changes the document makes behind the dialog (undo, redo, New, Open) are shown at once,
    // so that the dialog never shows or edits a style by an index that now means another.
    connect(&document_, &doc::Document::styleListChanged, this, [this](model::StyleKind k) {
        if (k == kind_ && !own_)
            listChangedBehind();
    });
    connect(&document_, &doc::Document::styleChanged, this, [this](model::StyleKind k, int index) {
        if (k == kind_ && !own_ && index == selected_)
            showSelection();
    });
    connect(&document_, &doc::Document::projectReset, this, [this] { selectStyle(-1); });
    connect(&document_, &doc::Document::changed, this, [this] { showContrast(); });

    // The main window's Edit menu is out of reach while the dialog is open; its keys work here
    // too (a text field keeps Ctrl+Z for its own text).
    QUndoStack* stack = document_.undoStack();
    QAction* undo = stack->createUndoAction(this);
    undo->setShortcut(QKeySequence(QStringLiteral("Ctrl+Z")));
    QAction* redo = stack->createRedoAction(this);
    redo->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))});
    addAction(undo);
    addAction(redo);
}

void StyleDialogBase::setParametersPanel(QWidget* parameters) {
    parameters_ = parameters;

    auto* buttons = new QGridLayout;
    buttons->setHorizontalSpacing(6);
    buttons->setVerticalSpacing(4);
    buttons->addWidget(add_, 0, 0);
    buttons->addWidget(duplicate_, 0, 1);
    buttons->addWidget(remove_, 1, 0);
    buttons->addWidget(removeAll_, 1, 1);

    auto* stylesLabel = new QLabel(QStringLiteral("Styles:"), this);
    stylesLabel->setProperty("caption", true);
    stylesLabel->setBuddy(list_);
    auto* nameLabel = new QLabel(QStringLiteral("Name:"), this);
    nameLabel->setBuddy(name_);

    auto* left = new QVBoxLayout;
    left->setSpacing(6);
    left->addWidget(stylesLabel);
    left->addWidget(list_, 1);
    left->addLayout(buttons);
    left->addSpacing(4);
    left->addWidget(nameLabel);
    left->addWidget(name_);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(10);
    columns->addWidget(panel("pnlStyleList", QString(), left, this));
    columns->addWidget(parameters, 1);
    body()->addLayout(columns, 1);

    hint_ =
        new QLabel(QStringLiteral("No style selected: choose one in the list, or add one."), this);
    hint_->setObjectName(QStringLiteral("lblNoSelection"));
    hint_->setProperty("hint", true);
    // The keyboard walks the dialog in reading order: the list and its controls, the value
    // controls (which their layouts adopted in that order), then Update and Ok.
    QList<QWidget*> order{list_, add_, duplicate_, remove_, removeAll_, name_};
    for (QWidget* at = nextInFocusChain(); at != this; at = at->nextInFocusChain())
        if (parameters->isAncestorOf(at) && (at->focusPolicy() & Qt::TabFocus))
            order << at;
    order << spdUpdate << spdOk;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    auto* bar = new QHBoxLayout;
    bar->addWidget(hint_);
    bar->addStretch(1);
    for (QPushButton* b : {spdUpdate, spdOk}) {
        b->setMinimumWidth(88);
        bar->addWidget(b);
    }
    body()->addLayout(bar);
}

const std::vector<std::string>& StyleDialogBase::names() const {
    const model::Project& project = document_.project();
    return kind_ == model::StyleKind::Item ? project.itemStyles.names() : project.smStyles.names();
}

void StyleDialogBase::fillList() {
    const std::vector<std::string>& list = names();
    const bool was = filling_;
    filling_ = true;
    if (list_->count() != static_cast<int>(list.size())) {
        list_->clear();
        for (const std::string& name : list)
            list_->addItem(fromModel(name));
    } else {
        for (int i = 0; i < list_->count(); ++i) {
            const QString text = fromModel(list[static_cast<std::size_t>(i)]);
            if (list_->item(i)->text() != text)
                list_->item(i)->setText(text);
        }
    }
    shownCount_ = static_cast<int>(list.size());
    if (selected_ >= 0) {
        list_->setCurrentRow(selected_);
    } else {
        list_->setCurrentRow(-1);
        list_->clearSelection();
    }
    filling_ = was;
}

void StyleDialogBase::selectStyle(int k) {
    selected_ = k >= 0 && k < static_cast<int>(names().size()) ? k : -1;
    renewSessions();
    showSelection();
}

void StyleDialogBase::showCommon() {
    fillList();
    const bool on = selected_ >= 0;
    if (on)
        setEditText(name_, fromModel(names()[static_cast<std::size_t>(selected_)]));
    // Without a selection the value controls keep what they showed but take no input.
    name_->setEnabled(on);
    remove_->setEnabled(on);
    duplicate_->setEnabled(on);
    if (parameters_)
        parameters_->setEnabled(on);
    if (hint_)
        hint_->setVisible(!on);
    showContrast();
}

void StyleDialogBase::listSelectionChanged() {
    const QList<QListWidgetItem*> chosen = list_->selectedItems();
    selectStyle(chosen.isEmpty() ? -1 : list_->row(chosen.first()));
}

void StyleDialogBase::listChangedBehind() {
    const int count = static_cast<int>(names().size());
    // Entries added or removed behind the dialog may have moved the selected style: select
    // none rather than another style under the same index.
    if (count != shownCount_ || selected_ >= count)
        selected_ = -1;
    renewSessions();
    showSelection();
}

void StyleDialogBase::renewSessions() {
    for (QLineEdit* edit : sessionEdits_)
        widgets::startTypingSession(edit);
}

void StyleDialogBase::trackSession(QLineEdit* edit) {
    sessionEdits_ << edit;
    widgets::startTypingSession(edit);
    edit->installEventFilter(this);
}

int StyleDialogBase::sessionOf(const QLineEdit* edit) {
    return widgets::typingSession(edit);
}

bool StyleDialogBase::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (auto* edit = qobject_cast<QLineEdit*>(watched))
            widgets::startTypingSession(edit);
    }
    return widgets::FramelessDialog::eventFilter(watched, event);
}

void StyleDialogBase::setEditText(QLineEdit* edit, const QString& text) {
    if (edit->text() == text)
        return;
    const bool was = filling_;
    filling_ = true;
    edit->setText(text);
    filling_ = was;
}

template <typename Record> const Record* StyleDialogBase::selectedRecord() const {
    const model::Project& project = document_.project();
    const auto& styles = [&]() -> const model::StyleList<Record>& {
        if constexpr (std::is_same_v<Record, model::TStyle>)
            return project.itemStyles;
        else
            return project.smStyles;
    }();
    return styles.valid(selected_) ? &styles.at(selected_) : nullptr;
}

template <typename Record> void StyleDialogBase::addStep() {
    int k = -1;
    {
        OwnStep step(own_);
        k = document_.addStyle<Record>();
    }
    selectStyle(k);
}

template <typename Record> void StyleDialogBase::duplicateStep() {
    if (selected_ < 0)
        return;
    int k = -1;
    {
        OwnStep step(own_);
        k = document_.duplicateStyle<Record>(selected_);
    }
    if (k >= 0)
        selectStyle(k);
}

template <typename Record> void StyleDialogBase::deleteStep() {
    if (selected_ < 0)
        return;
    {
        OwnStep step(own_);
        document_.deleteStyle<Record>(selected_);
    }
    selectStyle(-1);
}

template <typename Record> void StyleDialogBase::deleteAllStep() {
    if (prompter_.message(QStringLiteral("Confirmation"),
                          QStringLiteral("Do you want to delete all items?"),
                          doc::Prompter::Buttons::YesNo) != doc::Prompter::Answer::Yes)
        return;
    {
        OwnStep step(own_);
        document_.deleteAllStyles<Record>();
    }
    selectStyle(-1);
}

template <typename Record> void StyleDialogBase::renameStep() {
    if (selected_ < 0)
        return;
    OwnStep step(own_);
    // A blank name is refused by the list and leaves the old one.
    if (document_.renameStyle<Record>(selected_, toModel(name_->text()), sessionOf(name_)))
        fillList();
}

template <typename Record>
void StyleDialogBase::editStep(const std::function<void(Record&)>& change, int session) {
    const Record* current = selectedRecord<Record>();
    if (!current)
        return;
    Record record = *current;
    change(record);
    OwnStep step(own_);
    document_.setStyle<Record>(selected_, record, session);
}

#define MENULOOM_STYLE_DIALOG_STEPS(Record)                                                        \
    template const Record* StyleDialogBase::selectedRecord<Record>() const;                        \
    template void StyleDialogBase::addStep<Record>();                                              \
    template void StyleDialogBase::duplicateStep<Record>();                                        \
    template void StyleDialogBase::deleteStep<Record>();                                           \
    template void StyleDialogBase::deleteAllStep<Record>();                                        \
    template void StyleDialogBase::renameStep<Record>();                                           \
    template void StyleDialogBase::editStep<Record>(const std::function<void(Record&)>&, int);
MENULOOM_STYLE_DIALOG_STEPS(model::TStyle)
MENULOOM_STYLE_DIALOG_STEPS(model::TSmStyle)
#undef MENULOOM_STYLE_DIALOG_STEPS

std::optional<int32_t> StyleDialogBase::pickColor(const doc::ColorJudge& judge) {
    const std::optional<QColor> color = prompter_.pickColor(std::nullopt, judge);
    if (!color)
        return std::nullopt;
    return colorValue(*color);
}

std::optional<QString> StyleDialogBase::pickImage() {
    return pickImagePath(prompter_, startFolder_, fromModel(document_.project().workingFolder));
}

void StyleDialogBase::spdOkClick() {
    accept();
}

void StyleDialogBase::spdUpdateClick() {
    emit updateRequested();
}

void StyleDialogBase::showEvent(QShowEvent* event) {
    widgets::FramelessDialog::showEvent(event);
    list_->setFocus(Qt::ActiveWindowFocusReason);
}

void StyleDialogBase::keyPressEvent(QKeyEvent* event) {
    FormKeyPress(event);
    if (!event->isAccepted())
        widgets::FramelessDialog::keyPressEvent(event);
}

void StyleDialogBase::FormKeyPress(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        spdOkClick();
        return;
    default:
        event->ignore();
    }
}

QString StyleDialogBase::latin(const char* text) {
    return QString::fromLatin1(text);
}

QPushButton* StyleDialogBase::makeButton(const char* name, const QString& caption,
                                         const QString& accessibleName) {
    auto* b = new QPushButton(caption);
    b->setObjectName(latin(name));
    if (!accessibleName.isEmpty())
        b->setAccessibleName(accessibleName);
    b->setAutoDefault(false);
    return b;
}

QCheckBox* StyleDialogBase::makeFlagBox(const char* name, const char* caption,
                                        std::function<void(QCheckBox*, bool)> onToggle) {
    auto* box = new QCheckBox(latin(caption));
    box->setObjectName(latin(name));
    connect(box, &QCheckBox::toggled, this, [this, box, onToggle = std::move(onToggle)](bool on) {
        if (!filling_)
            onToggle(box, on);
    });
    return box;
}

} // namespace menuloom::ui
