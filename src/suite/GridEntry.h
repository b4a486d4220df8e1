#pragma once
#include <QSet>
#include <QTableWidget>

namespace qx::TallyGrid {

// The grid-entry control: a grid of text cells with row 0 as its header, in which only the
// cells that are not locked can be typed into. It reports each key pressed on it; moving on
// Enter is the window's business.
class GridEntry : public QTableWidget {
    Q_OBJECT
public:
    explicit GridEntry(QWidget* parent = nullptr);

    int Rows() const { return rowCount(); }
    void setRows(int rows);
    int Cols() const { return columnCount(); }
    void setCols(int cols);
    int Row() const { return currentRow(); }
    void setRow(int row);
    int Col() const { return currentColumn(); }
    void setCol(int col);
    QString TextMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);
    // Width in twips (15 to a pixel).
    void setColWidth(int col, int twips);
    int ColWidth(int col) const { return columnWidth(col) * 15; }
    // Unbinds any data source; the grid keeps its own cells only.
    void setDataSource(std::nullptr_t);
    // Locks (or unlocks) the cell of `col` on the current row.
    void lock(int col, bool locked);
    // Locks (or unlocks) a whole column, on every row present and to come.
    void setColLocked(int col, bool locked);
    bool isCellLocked(int row, int col) const;

signals:
    // The key code of a key pressed on the grid (13 = Enter).
    void KeyDown(int keyCode);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTableWidgetItem* cell(int row, int col);
    void applyLock(int row, int col);

    QSet<int> lockedCols_;
    QSet<QPair<int, int>> lockedCells_;
};

} // namespace qx::TallyGrid
