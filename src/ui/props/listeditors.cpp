#include "ui/props/listeditors.h"

#include "doc/document.h"
#include "doc/prompter.h"
#include "output/datawriter.h"
#include "widgets/contrastnote.h"
#include "widgets/conversions.h"
#include "widgets/targetlist.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace menuloom::ui {

using widgets::fromModel;

namespace {

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

// Opens `list` on its first row with the focus, named after the parameter.
void focusFirstRow(QListWidget* list, const model::TPropType& p) {
    list->setAccessibleName(fromModel(p.name));
    list->setCurrentRow(0);
    list->setFocus(Qt::PopupFocusReason);
}

// Keys of a list panel: Enter and Escape in the list close it (each change is stored already);
// on a button the arrows move between the buttons and Enter presses the focused one.
bool listPanelKey(EditorHost& host, QListWidget* list, const QList<QPushButton*>& buttons,
                  QWidget* target, QKeyEvent* event) {
    if (target == list) {
        if (panels::isEnter(event) || event->key() == Qt::Key_Escape) {
            host.close();
            return true;
        }
        return false;
    }
    return panels::buttonKeys(buttons, event);
}

// Sets entry `row` of the parameter's list to `value`, as this opening's step.
bool storeEntry(EditorHost& host, int row, int32_t value) {
    model::TPropType v = host.param();
    if (row < 0 || static_cast<std::size_t>(row) >= v.intList.size())
        return false;
    v.intList[static_cast<std::size_t>(row)] = value;
    host.store(v);
    return true;
}

} // namespace

NamesListEditor::NamesListEditor(EditorHost& host, Setup setup)
    : ValueEditor(host), setup_(setup), panel_(panels::make(host.window(), setup.panel)),
      list_(new QListWidget(panel_)) {
    if (setup_.ownWidth > 0)
        panel_->setProperty("ownWidth", setup_.ownWidth);
    list_->setObjectName(QString::fromLatin1(setup_.list));
    auto* layout = new QGridLayout(panel_);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);
    // The buttons' grid starts right of the list, or below it.
    const int top = setup_.listBeside ? 0 : 1;
    const int left = setup_.listBeside ? 1 : 0;
    if (setup_.listBeside) {
        layout->addWidget(list_, 0, 0, setup_.okRow + 1, 1, Qt::AlignTop);
        layout->setColumnStretch(0, 1);
    } else {
        layout->addWidget(list_, 0, 0, 1, setup_.columns);
    }
    for (int i = 0; i < static_cast<int>(setup_.names.size()); ++i) {
        const std::string name = setup_.buttonPrefix + std::to_string(i);
        QPushButton* b = panels::button(panel_, name.c_str(),
                                        fromModel(std::string(setup_.names[i])), false, true);
        layout->addWidget(b, top + i / setup_.columns, left + i % setup_.columns);
        const int32_t value = setup_.firstValue + i;
        connect(b, &QPushButton::clicked, this, [this, value] { set(value); });
        buttons_ << b;
    }
    QPushButton* ok = panels::button(panel_, setup_.ok, QStringLiteral("Ok"), false, true);
    layout->addWidget(ok, setup_.okRow, left + setup_.okColumn);
    connect(ok, &QPushButton::clicked, this, [this] { host_.close(); });
    buttons_ << ok;
}

void NamesListEditor::open(bool) {
    fill();
    host_.show(panel_, setup_.ownWidth == 0);
    focusFirstRow(list_, host_.param());
}

bool NamesListEditor::key(QWidget* target, QKeyEvent* event) {
    return listPanelKey(host_, list_, buttons_, target, event);
}

void NamesListEditor::set(int32_t value) {
    const int row = list_->currentRow();
    if (!storeEntry(host_, row, value))
        return;
    fill();
    list_->setCurrentRow(row);
}

void NamesListEditor::fill() {
    const int current = list_->currentRow();
    list_->clear();
    for (int32_t entry : host_.param().intList)
        list_->addItem(fromModel(std::string(setup_.name(entry))));
    list_->setFixedHeight(list_->sizeHintForRow(0) * list_->count() + 4);
    list_->setCurrentRow(qMax(0, current));
}

ColorListEditor::ColorListEditor(EditorHost& host)
    : ValueEditor(host), panel_(panels::make(host.window(), "pnlColorArray")),
      list_(new QListWidget(panel_)),
      clear_(panels::button(panel_, "spdColorArrayClear", QStringLiteral("Clear"), false, true)),
      select_(
          panels::button(panel_, "spdColorArraySelect", QStringLiteral("Select..."), false, true)),
      ok_(panels::button(panel_, "spdColorArrayOk", QStringLiteral("Ok"), false, true)),
      note_(new widgets::ContrastNote(panel_)) {
    list_->setObjectName(QStringLiteral("lbColorArray"));
    note_->setObjectName(QStringLiteral("lblColorArrayContrast"));
    list_->setItemDelegate(new ColorRowPainter(list_));
    auto* layout = new QGridLayout(panel_);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);
    layout->addWidget(list_, 0, 0, 1, 3);
    layout->addWidget(clear_, 1, 0);
    layout->addWidget(select_, 1, 1);
    layout->addWidget(ok_, 1, 2);
    layout->addWidget(note_, 2, 0, 1, 3);
    connect(select_, &QPushButton::clicked, this, &ColorListEditor::pick);
    connect(list_, &QListWidget::itemDoubleClicked, this, &ColorListEditor::pick);
    connect(clear_, &QPushButton::clicked, this, [this] { set(-1); });
    connect(ok_, &QPushButton::clicked, this, [this] { host_.close(); });
}

void ColorListEditor::open(bool) {
    fill();
    host_.show(panel_, true);
    focusFirstRow(list_, host_.param());
}

bool ColorListEditor::key(QWidget* target, QKeyEvent* event) {
    if (target == list_ && event->key() == Qt::Key_Space) {
        pick();
        return true;
    }
    return listPanelKey(host_, list_, {clear_, select_, ok_}, target, event);
}

void ColorListEditor::pick() {
    const int row = list_->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= host_.param().intList.size())
        return;
    QWidget* had = QApplication::focusWidget();
    const int32_t now = host_.param().intList[static_cast<std::size_t>(row)];
    doc::ColorJudge judge;
    if (const auto place = panels::textColorPlace(host_.param()))
        judge = [this, row, place = *place](const QColor& color) {
            return widgets::colorUses(
                host_.document().project(), place, {row}, [&](check::Looks& looks) {
                    looks.param(place.param)->intList.at(static_cast<std::size_t>(row)) =
                        widgets::colorValue(color);
                });
        };
    const auto color =
        host_.modal([&] { return host_.prompter().pickColor(panels::preset(now), judge); });
    if (host_.isOpen(panel_))
        (had && panel_->isAncestorOf(had) ? had : list_)->setFocus(Qt::OtherFocusReason);
    if (color)
        set(widgets::colorValue(*color));
}

void ColorListEditor::set(int32_t value) {
    const int row = list_->currentRow();
    if (!storeEntry(host_, row, value))
        return;
    fill();
    list_->setCurrentRow(row);
    // Placed again: the contrast's text may take another line.
    if (host_.isOpen(panel_))
        host_.show(panel_, true);
}

void ColorListEditor::fill() {
    const int current = list_->currentRow();
    list_->clear();
    const auto place = panels::textColorPlace(host_.param());
    const int entries = static_cast<int>(host_.param().intList.size());
    QList<doc::ColorUse> uses;
    if (place && entries == 2)
        uses = widgets::colorUses(host_.document().project(), *place, {0, 1});
    note_->setUses(uses);
    list_->setAccessibleDescription(note_->sentence());
    for (int32_t c : host_.param().intList) {
        auto* item = new QListWidgetItem(c == -1 ? QStringLiteral("[none]")
                                                 : fromModel(output::formatColor(c)));
        if (c != -1)
            item->setData(Qt::UserRole, widgets::toQColor(c));
        list_->addItem(item);
    }
    list_->setFixedHeight(list_->sizeHintForRow(0) * list_->count() + 4);
    list_->setCurrentRow(qMax(0, current));
}

StrsEditor::StrsEditor(EditorHost& host, std::function<void(int, int)> askText)
    : ValueEditor(host), askText_(std::move(askText)),
      panel_(panels::make(host.window(), "pnlStrs")),
      list_(new widgets::TargetList(panel_, widgets::TargetList::Mode::Embedded)) {
    auto* layout = new QVBoxLayout(panel_);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(list_);
    connect(list_, &widgets::TargetList::chosenRow, this, &StrsEditor::chosen);
    connect(list_, &widgets::TargetList::closed, this, [this] {
        if (host_.isOpen(panel_) && !asking_)
            host_.close();
    });
}

void StrsEditor::open(bool) {
    const model::TPropType& p = host_.param();
    QStringList entries;
    for (const std::string& choice : p.strList)
        entries << fromModel(choice);
    list_->setAccessibleName(fromModel(p.name));
    host_.show(panel_, true);
    list_->openIn(entries, p.num);
    // As tall as its entries.
    const int rows = qMax(1, static_cast<int>(entries.size()));
    const int height = list_->sizeHintForRow(0) * rows + 2 * list_->frameWidth() + 2;
    panel_->setFixedHeight(height);
    QRect g = panel_->geometry();
    g.setHeight(height);
    g.moveTop(qMax(0, qMin(g.top(), host_.window()->height() - height)));
    panel_->setGeometry(g);
}

void StrsEditor::chosen(int index) {
    if (!host_.isOpen(panel_))
        return;
    const model::TPropType& p = host_.param();
    if (index < 0 || static_cast<std::size_t>(index) >= p.strList.size())
        return;
    if (p.strList[static_cast<std::size_t>(index)] == "...") {
        // A text of one's own: the text dialog stores it; the panel goes when it closes.
        asking_ = true;
        const int row = host_.row();
        host_.modal([&] { askText_(row, index); });
        asking_ = false;
        host_.close();
        return;
    }
    model::TPropType v = p;
    v.num = index;
    v.flag = 0;
    host_.store(v);
    host_.close();
}

} // namespace menuloom::ui
