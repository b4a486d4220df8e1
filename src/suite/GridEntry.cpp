#include "suite/GridEntry.h"
#include "platform/KeyCodes.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace qx::TallyGrid {

GridEntry::GridEntry(QWidget* parent) : QTableWidget(parent) {
    horizontalHeader()->setVisible(false);
    verticalHeader()->setVisible(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed);
    setRows(2);
    setCols(2);
}

void GridEntry::setRows(int rows) {
    const int before = rowCount();
    setRowCount(qMax(rows, 0));
    // A row that goes takes its cell locks with it; a row added later starts open.
    for (auto it = lockedCells_.begin(); it != lockedCells_.end();)
        it = it->first >= rowCount() ? lockedCells_.erase(it) : std::next(it);
    for (int r = before; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c)
            applyLock(r, c);
}

void GridEntry::setCols(int cols) {
    const int before = columnCount();
    setColumnCount(qMax(cols, 0));
    for (int r = 0; r < rowCount(); ++r)
        for (int c = before; c < columnCount(); ++c)
            applyLock(r, c);
}

void GridEntry::setRow(int row) {
    if (row >= 0 && row < rowCount())
        setCurrentCell(row, qMax(currentColumn(), 0));
}

void GridEntry::setCol(int col) {
    if (col >= 0 && col < columnCount())
        setCurrentCell(qMax(currentRow(), 0), col);
}

QString GridEntry::TextMatrix(int row, int col) const {
    const QTableWidgetItem* it = item(row, col);
    return it ? it->text() : QString();
}

void GridEntry::setTextMatrix(int row, int col, const QString& text) {
    if (QTableWidgetItem* it = cell(row, col))
        it->setText(text);
}

void GridEntry::setColWidth(int col, int twips) {
    setColumnWidth(col, twips / 15);
}

void GridEntry::setDataSource(std::nullptr_t) {}

void GridEntry::lock(int col, bool locked) {
    const int row = currentRow();
    if (row < 0 || col < 0 || col >= columnCount())
        return;
    if (locked)
        lockedCells_.insert({row, col});
    else
        lockedCells_.remove({row, col});
    applyLock(row, col);
}

void GridEntry::setColLocked(int col, bool locked) {
    if (locked)
        lockedCols_.insert(col);
    else
        lockedCols_.remove(col);
    for (int r = 0; r < rowCount(); ++r)
        applyLock(r, col);
}

bool GridEntry::isCellLocked(int row, int col) const {
    return row == 0 || lockedCols_.contains(col) || lockedCells_.contains({row, col});
}

QTableWidgetItem* GridEntry::cell(int row, int col) {
    if (row < 0 || row >= rowCount() || col < 0 || col >= columnCount())
        return nullptr;
    if (!item(row, col)) {
        setItem(row, col, new QTableWidgetItem);
        applyLock(row, col);
    }
    return item(row, col);
}

void GridEntry::applyLock(int row, int col) {
    QTableWidgetItem* it = item(row, col);
    if (!it) {
        it = new QTableWidgetItem;
        setItem(row, col, it);
    }
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!isCellLocked(row, col))
        flags |= Qt::ItemIsEditable;
    it->setFlags(flags);
    if (row == 0)
        it->setBackground(palette().button());
}

void GridEntry::keyPressEvent(QKeyEvent* event) {
    const int code = keyCode(*event);
    if (code)
        emit KeyDown(code);
    if (code == keys::Return)
        return;  // Enter belongs to the window's handler, not to the grid's own navigation
    QTableWidget::keyPressEvent(event);
}

} // namespace qx::TallyGrid
