#include "ui/props/dgprops.h"

#include "doc/document.h"
#include "ui/props/propsdisplay.h"
#include "widgets/conversions.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QToolTip>

namespace menuloom::ui {

using widgets::fromModel;
using widgets::toQColor;

namespace {

// Colours of the grid: light, with one blue accent for the selected value.
const QColor kNameBack(240, 242, 246);
const QColor kValueBackEven(247, 249, 252);
const QColor kValueBackOdd(255, 255, 255);
const QColor kDots(196, 203, 214);
const QColor kText(58, 64, 74);
const QColor kSelectedTop(214, 229, 252);
const QColor kSelectedFrame(118, 160, 224);

// The value button: a small rounded key with three dots, 13 by 12 pixels.
QPixmap makeButtonBitmap() {
    QPixmap pixmap(13, 12);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, 12);
    fill.setColorAt(0, QColor(255, 255, 255));
    fill.setColorAt(1, QColor(226, 232, 241));
    p.setBrush(fill);
    p.setPen(QColor(140, 152, 170));
    p.drawRoundedRect(QRectF(0.5, 0.5, 12, 11), 2.5, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(64, 74, 90));
    for (int x : {3, 6, 9})
        p.drawEllipse(QRectF(x - 0.9, 6.1, 1.8, 1.8));
    return pixmap;
}

class CellPainter : public QStyledItemDelegate {
public:
    explicit CellPainter(DGProps* grid) : QStyledItemDelegate(grid), grid_(grid) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        painter->save();
        grid_->DGPropsDrawCell(*painter, index.column(), index.row(), option.rect,
                               option.state & QStyle::State_Selected);
        painter->restore();
    }

private:
    DGProps* grid_;
};

} // namespace

PropsModel::PropsModel(doc::Document& document, QObject* parent)
    : QAbstractTableModel(parent), document_(document) {
    // One cell at a time, so that a screen reader hears the new name of exactly that cell.
    connect(&document_, &doc::Document::paramChanged, this, [this](int row) {
        for (int column : {0, 1})
            emit dataChanged(index(row, column), index(row, column));
    });
    connect(&document_, &doc::Document::projectReset, this,
            [this] { emit dataChanged(index(0, 0), index(rowCount() - 1, 1)); });
}

int PropsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(document_.project().params.size());
}

int PropsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant PropsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const model::TPropType& p = document_.project().params[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return fromModel(index.column() == 0 ? p.name : valueText(p));
    case Qt::AccessibleDescriptionRole:
        return fromModel(std::string(model::paramHint(index.row())));
    default:
        return {};
    }
}

Qt::ItemFlags PropsModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

DGProps::DGProps(doc::Document& document, QWidget* parent)
    : QTableView(parent), document_(document), button_(makeButtonBitmap()) {
    setObjectName(QStringLiteral("DGProps"));
    setAccessibleName(QStringLiteral("Menu Properties"));
    model_ = new PropsModel(document_, this);
    setModel(model_);
    setItemDelegate(new CellPainter(this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(kRowHeight);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(40);
    horizontalHeader()->setDefaultSectionSize(kNameWidth);
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
    horizontalHeader()->setStretchLastSection(true);
    // The value column takes the rest of the width less a vertical scroll bar, always there.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setMouseTracking(true);
    QFont names = font();
    names.setPointSize(8);
    setFont(names);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    DGPropsSelectCell(current.column(), current.row());
            });
}

int DGProps::buttonPosition() const {
    return columnViewportPosition(1) + columnWidth(1) - button_.width() - 4;
}

bool DGProps::onValueButton(int x) const {
    const int left = buttonPosition();
    return x >= left && x <= left + button_.width();
}

QRect DGProps::valueCellRect(int row) const {
    return visualRect(model_->index(row, 1));
}

void DGProps::setFilter(const QString& text) {
    const QString wanted = text.trimmed();
    const auto& params = document_.project().params;
    for (int row = 0; row < static_cast<int>(params.size()); ++row) {
        const QString name = fromModel(params[static_cast<std::size_t>(row)].name);
        setRowHidden(row, !wanted.isEmpty() && !name.contains(wanted, Qt::CaseInsensitive));
    }
    // The keyboard's row is one that shows: the first match when the current one is hidden.
    if (!currentIndex().isValid() || isRowHidden(currentIndex().row())) {
        for (int row = 0; row < model_->rowCount(); ++row)
            if (!isRowHidden(row)) {
                setCurrentIndex(model_->index(row, 0));
                break;
            }
    }
}

void DGProps::DGPropsSelectCell(int, int row) {
    currentRow_ = row;
    emit rowSelected(row);
}

namespace {

// The keys that open the selected row's editor.
bool isEditKey(const QKeyEvent* key) {
    const auto mods = key->modifiers() & ~Qt::KeypadModifier;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
    case Qt::Key_Space:
        return mods == Qt::NoModifier;
    case Qt::Key_Down:
        return mods == Qt::AltModifier;
    default:
        return false;
    }
}

} // namespace

bool DGProps::event(QEvent* event) {
    // These keys open an editor here, before any window shortcut takes them.
    if (event->type() == QEvent::ShortcutOverride && isEditKey(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QTableView::event(event);
}

void DGProps::keyPressEvent(QKeyEvent* event) {
    const QModelIndex current = currentIndex();
    if (isEditKey(event) && current.isValid() && !isRowHidden(current.row())) {
        scrollTo(current);
        emit editRequested(current.row());
        return;
    }
    QTableView::keyPressEvent(event);
}

void DGProps::mousePressEvent(QMouseEvent* event) {
    emit pressed();
    const QPoint pos = event->position().toPoint();
    const QModelIndex index = indexAt(pos);
    // Below the last row: nothing is selected and no editor opens.
    if (!index.isValid())
        return;
    QTableView::mousePressEvent(event);
    currentRow_ = index.row();
    if (event->button() == Qt::LeftButton && index.column() == 1 && onValueButton(pos.x()))
        emit valueButtonClicked(index.row());
}

void DGProps::contextMenuEvent(QContextMenuEvent* event) {
    const QModelIndex index = indexAt(event->pos());
    if (!index.isValid())
        return;
    const int row = index.row();
    setCurrentIndex(model_->index(row, index.column()));
    QMenu menu(this);
    QAction* reset = menu.addAction(QStringLiteral("Reset to Default"));
    reset->setObjectName(QStringLiteral("actResetToDefault"));
    reset->setEnabled(
        !isDefaultValue(row, document_.project().params[static_cast<std::size_t>(row)]));
    if (menu.exec(event->globalPos()) == reset)
        document_.resetParam(row);
}

bool DGProps::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        // The whole value text, where the cell cuts it off.
        auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex index = indexAt(help->pos());
        if (index.isValid() && index.column() == 1) {
            const model::TPropType& p =
                document_.project().params[static_cast<std::size_t>(index.row())];
            const QString text = fromModel(valueText(p));
            const QRect cell = visualRect(index);
            const int room = buttonPosition() - 4 - (cell.left() + 4);
            if (QFontMetrics(QFont(QStringLiteral("Tahoma"), 8)).horizontalAdvance(text) > room) {
                QToolTip::showText(help->globalPos(), text, viewport(), cell);
                return true;
            }
        }
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    return QTableView::viewportEvent(event);
}

void DGProps::DGPropsDrawCell(QPainter& p, int column, int row, const QRect& rect,
                              bool selected) const {
    const auto& params = document_.project().params;
    if (row < 0 || static_cast<std::size_t>(row) >= params.size())
        return;
    const model::TPropType& param = params[static_cast<std::size_t>(row)];

    // Background, and the dotted bottom line of cells that are not selected.
    if (column == 0) {
        p.fillRect(rect, selected ? palette().color(QPalette::Highlight) : kNameBack);
    } else if (selected) {
        QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
        fill.setColorAt(0, kSelectedTop);
        fill.setColorAt(1, Qt::white);
        p.fillRect(rect, fill);
        p.setPen(kSelectedFrame);
        p.drawRect(rect.adjusted(0, 0, -1, -1));
    } else {
        p.fillRect(rect, row % 2 ? kValueBackOdd : kValueBackEven);
    }
    if (!selected) {
        // Every second pixel of the bottom edge: one fill with a two-pixel pattern.
        static const QBrush dots = [] {
            QImage pattern(2, 1, QImage::Format_ARGB32_Premultiplied);
            pattern.setPixelColor(0, 0, kDots);
            pattern.setPixelColor(1, 0, Qt::transparent);
            return QBrush(pattern);
        }();
        p.setBrushOrigin(rect.left(), rect.bottom());
        p.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), dots);
    }

    if (column == 0) {
        QFont f = font();
        f.setBold(!isDefaultValue(row, param));
        p.setFont(f);
        p.setPen(selected ? palette().color(QPalette::HighlightedText) : kText);
        p.drawText(QRect(rect.left() + 4, rect.top() + 2, rect.width() - 6, rect.height() - 2),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, fromModel(param.name));
        return;
    }

    // The value, piece by piece: texts, and swatches framed in black.
    const int buttonLeft = buttonPosition();
    const int right = clipsBeforeButton(param) ? buttonLeft - 4 : rect.right();
    p.save();
    p.setClipRect(QRect(rect.left(), rect.top(), right - rect.left() + 1, rect.height()));
    const QFont valueFont(QStringLiteral("Tahoma"), 8);
    p.setFont(valueFont);
    const QFontMetrics metrics(valueFont);
    int x = rect.left() + 4;
    for (const ValuePiece& piece : valuePieces(param)) {
        x += piece.gapBefore;
        if (piece.swatch == -1) {
            const QString text = fromModel(piece.text);
            p.setPen(kText);
            p.drawText(QRect(x, rect.top() + 1, right - x + 1, rect.height() - 1),
                       Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
            x += metrics.horizontalAdvance(text);
        } else {
            const QRect swatch(x, rect.top() + 3, piece.swatchWidth, rect.height() - 7);
            p.fillRect(swatch, toQColor(piece.swatch));
            p.setPen(Qt::black);
            p.drawRect(swatch);
            x += piece.swatchWidth + 1;
        }
    }
    p.restore();
    p.drawPixmap(buttonLeft, rect.top() + 2, button_);
}

} // namespace menuloom::ui
