#pragma once
// "Menu Properties": the grid of the 60 parameters, name on the left, value on the right, drawn
// from the parameter table whenever it paints. A click on the small button at the right end of
// a value cell asks for that parameter's editor.

#include <QAbstractTableModel>
#include <QPixmap>
#include <QTableView>

namespace menuloom::doc {
class Document;
} // namespace menuloom::doc

namespace menuloom::ui {

// The parameter table as a two-column model: names and value texts (which are also what a screen
// reader hears); names of changed parameters in bold.
class PropsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit PropsModel(doc::Document& document, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    doc::Document& document_;
};

class DGProps : public QTableView {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 16;
    static constexpr int kNameWidth = 122;

    explicit DGProps(doc::Document& document, QWidget* parent = nullptr);

    const doc::Document& document() const { return document_; }
    // The row of the last click (or keyboard move); the editors act on it. -1 before any.
    int currentRow() const { return currentRow_; }
    // Left edge of the value button in viewport coordinates, and its bitmap.
    int buttonPosition() const;
    const QPixmap& imgPropsButton() const { return button_; }
    // Whether viewport x lies on the value button (both ends included).
    bool onValueButton(int x) const;
    // The rectangle of row's value cell in viewport coordinates.
    QRect valueCellRect(int row) const;

    // Shows only the rows whose name contains `text`, ignoring case (all for an empty text).
    void setFilter(const QString& text);

    // Paints one cell from the parameter table.
    void DGPropsDrawCell(QPainter& painter, int column, int row, const QRect& rect,
                         bool selected) const;

signals:
    // The value button of `row` was clicked: open its editor.
    void valueButtonClicked(int row);
    // The selected row changed: its hint belongs in the hint box.
    void rowSelected(int row);
    // Enter, F2, Space or Alt+Down on the selected `row`: open its editor with the focus in it.
    void editRequested(int row);
    // A mouse press anywhere in the grid (the open editor closes first).
    void pressed();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void DGPropsSelectCell(int column, int row);

    doc::Document& document_;
    PropsModel* model_ = nullptr;
    QPixmap button_;
    int currentRow_ = -1;
};

} // namespace menuloom::ui
