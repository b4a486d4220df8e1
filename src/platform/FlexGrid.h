#pragma once
#include "platform/Colors.h"

#include <QAbstractScrollArea>
#include <QPixmap>
#include <memory>
#include <vector>

namespace qx {

// A grid of text cells as the screens use it: fixed rows and columns at the top and left that do
// not scroll, a current cell (Row, Col) with a selection reaching to (RowSel, ColSel), lengths in
// twips, colours as ColorValues and per-cell colours and bold type. Scrolling goes by whole rows
// and columns (TopRow, LeftCol). Indexes out of range raise AppError: 30009 for Row, 30010 for
// Col, 381 for a cell.
//
// Event order, which the screens' handlers depend on:
//  - The current cell can change by the user (mouse, arrow and page keys) or by code (setRow,
//    setCol, and a shrinking Rows/Cols or RemoveItem that leaves it beyond the grid). Each
//    change fires, in this order: leaveCell() while Row and Col still name the old cell; then
//    enterCell() with Row and Col on the new cell; then rowColChange(); then selChange().
//    A change the structure forces (the old cell is gone) skips leaveCell().
//  - Setting Row or Col to the value it already has fires nothing; setting Row and then Col
//    fires the sequence twice. Code that moves the current cell does not scroll it into view;
//    the user's moves do, before leaveCell() (so scroll() comes first and enterCell() finds the
//    new cell in view).
//  - A mouse press fires mouseDown() before the grid moves the current cell (so mouseRow() and
//    mouseCol() name the cell under the pointer while Row and Col still name the old one); only
//    the left button moves it. Its release fires mouseUp() then click(). A double click fires
//    dblClick() in place of the second press's mouseDown().
//  - A key fires keyDown() before the grid acts on it; setting keyCode to 0 swallows it. Then
//    keyPress() for a key that types a character (Enter 13 and Escape 27 included), which the grid
//    keeps from its window; the grid itself moves on arrows, Home/End (first/last column; with
//    Ctrl first/last row), Page Up/Page Down. Tab moves the focus on and fires neither.
//  - scroll() fires whenever TopRow or LeftCol changes, by scroll bar, key or code.
//  - gotFocus() and lostFocus() fire as the grid gains and loses the keyboard focus.
class FlexGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    enum class FillStyle { Single, Repeat };          // Cell* setters: current cell, or selection
    enum class SelectionMode { Free, ByRow };         // ByRow: the selection spans whole rows
    enum class HighLight { Never, Always, WithFocus }; // when the selection is drawn highlighted
    enum class MergeCells { Never, Free };            // Free: equal neighbours of a merged row show as one

    explicit FlexGrid(QWidget* parent = nullptr);
    ~FlexGrid() override;

    // Structure. New cells are empty; Rows below FixedRows lowers FixedRows.
    int rows() const;
    void setRows(int rows);
    int cols() const;
    void setCols(int cols);
    int fixedRows() const;
    void setFixedRows(int fixedRows);
    int fixedCols() const;
    void setFixedCols(int fixedCols);

    QString textMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);
    // Text of the current cell (with FillStyle Repeat, setting writes the whole selection).
    QString text() const;
    void setText(const QString& text);

    // The current cell and the far corner of the selection. Row/Col may be set to a fixed cell by
    // code; the user never moves there.
    int row() const;
    void setRow(int row);
    int col() const;
    void setCol(int col);
    int rowSel() const;
    void setRowSel(int row);
    int colSel() const;
    void setColSel(int col);

    // Lengths in twips. A width or height of 0 hides the column or row.
    int colWidth(int col) const;
    void setColWidth(int col, int twips);
    int rowHeight(int row) const;
    void setRowHeight(int row, int twips);
    // Position of a row's top or a column's left edge from the grid's own top-left corner (its
    // border included), as laid out at the present scroll position.
    int rowPos(int row) const;
    int colPos(int col) const;
    int cellLeft() const;
    int cellTop() const;
    int cellWidth() const;
    int cellHeight() const;
    // True when the whole row (column) is inside the grid's visible area; fixed ones always are.
    bool rowIsVisible(int row) const;
    bool colIsVisible(int col) const;

    int topRow() const;
    void setTopRow(int row);
    int leftCol() const;
    void setLeftCol(int col);
    // Scrolls as little as needed to bring a cell wholly into view.
    void scrollToCell(int row, int col);

    // Column alignment: Qt::AlignLeft, AlignRight or AlignHCenter; unset means the general rule
    // (numbers right, other text left).
    Qt::Alignment colAlignment(int col) const;
    void setColAlignment(int col, Qt::Alignment alignment);

    // "|" separates columns; a field's first character "<", ">" or "^" aligns its column left,
    // right or centred. Each field's text goes into row 0 and widens its column to fit; Cols
    // grows to the number of fields but never shrinks.
    QString formatString() const;
    void setFormatString(const QString& format);

    // Formatting of the current cell, or of the selection under FillStyle Repeat. Reading gives
    // the current cell's value: its own colour, else the grid's.
    ColorValue cellBackColor() const;
    void setCellBackColor(ColorValue color);
    ColorValue cellForeColor() const;
    void setCellForeColor(ColorValue color);
    bool cellFontBold() const;
    void setCellFontBold(bool bold);

    // The same of one cell by its position: neither the current cell nor the selection moves and
    // no cell event fires, so marks can be painted over lines while the user works on one.
    ColorValue cellBackColorAt(int row, int col) const;
    void setCellBackColorAt(int row, int col, ColorValue color);
    ColorValue cellForeColorAt(int row, int col) const;
    void setCellForeColorAt(int row, int col, ColorValue color);
    bool cellFontBoldAt(int row, int col) const;
    void setCellFontBoldAt(int row, int col, bool bold);
    // A picture drawn at the cell's left, under its text; a null pixmap removes it.
    QPixmap cellPicture(int row, int col) const;
    void setCellPicture(int row, int col, const QPixmap& picture);

    ColorValue backColor() const;
    void setBackColor(ColorValue color);
    ColorValue foreColor() const;
    void setForeColor(ColorValue color);
    ColorValue backColorFixed() const;
    void setBackColorFixed(ColorValue color);
    ColorValue backColorSel() const;
    void setBackColorSel(ColorValue color);
    ColorValue foreColorSel() const;
    void setForeColorSel(ColorValue color);
    ColorValue backColorBkg() const;
    void setBackColorBkg(ColorValue color);

    FillStyle fillStyle() const;
    void setFillStyle(FillStyle style);
    SelectionMode selectionMode() const;
    void setSelectionMode(SelectionMode mode);
    HighLight highLight() const;
    void setHighLight(HighLight mode);

    // Empties every cell's text and formatting; Rows, Cols and the current cell stay.
    void clear();

    // Cell merging: with Free merging, adjacent cells of a row marked for merging that hold the
    // same text show as one cell. Rows are not merged unless marked.
    MergeCells mergeCells() const;
    void setMergeCells(MergeCells mode);
    bool mergeRow(int row) const;
    void setMergeRow(int row, bool merge);
    // Adds a row at the end or before index; tabs in item separate its cells from column 0 on.
    void addItem(const QString& item, int index = -1);
    void removeItem(int index);

    // While off, the grid does not repaint; events still fire.
    bool redraw() const;
    void setRedraw(bool on);

    // Cell under the last mouse position (-1 outside the cells).
    int mouseRow() const;
    int mouseCol() const;

signals:
    void click();
    void dblClick();
    void enterCell();
    void leaveCell();
    void rowColChange();
    void selChange();
    void keyDown(int& keyCode, int shift);
    void keyPress(int& keyAscii);
    void gotFocus();
    void lostFocus();
    void scroll();
    // Buttons 1 left, 2 right, 4 middle; shift 1, 2, 4; x and y in twips from the grid's corner.
    void mouseDown(int button, int shift, int x, int y);
    void mouseUp(int button, int shift, int x, int y);
    void mouseMove(int button, int shift, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void changeEvent(QEvent* event) override;

private:
    struct Row;
    struct CellFormat;

    void checkRow(int row, long number) const;
    void checkCol(int col, long number) const;
    void moveCurrent(int row, int col, bool byUser);
    void clampCurrent();
    void resetSelection();
    template <typename Apply> void forEachTargetCell(Apply apply);
    const CellFormat* formatAt(int row, int col) const;
    CellFormat& formatFor(int row, int col);

    int rowHeightPx(int row) const;
    int colWidthPx(int col) const;
    int rowY(int row) const;  // in viewport pixels
    int colX(int col) const;
    int fixedHeightPx() const;
    int fixedWidthPx() const;
    int rowAtY(int y) const;
    int colAtX(int x) const;
    int maxTopRow() const;
    int maxLeftCol() const;
    int defaultRowHeightTwips() const;
    void updateScrollBars();
    void syncScrollBars();
    void setTopLeft(int topRow, int leftCol);
    void refresh();
    void trackMouse(QPoint viewportPos);
    QPoint toTwips(QPoint viewportPos) const;
    bool isHighlighted(int row, int col) const;
    Qt::Alignment alignmentFor(int row, int col, const QString& text) const;

    std::vector<Row> rows_;
    std::vector<int> colWidths_;           // twips
    std::vector<Qt::Alignment> colAlign_;  // 0: general
    int cols_ = 0;
    int fixedRows_ = 0;
    int fixedCols_ = 0;
    int row_ = -1, col_ = -1, rowSel_ = -1, colSel_ = -1;
    int topRow_ = 1, leftCol_ = 1;
    int mouseRow_ = -1, mouseCol_ = -1;
    QString formatString_;
    ColorValue backColor_ = colors::WindowBackground;
    ColorValue foreColor_ = colors::WindowText;
    ColorValue backColorFixed_ = colors::ButtonFace;
    ColorValue foreColorFixed_ = colors::ButtonText;
    ColorValue backColorSel_ = colors::Highlight;
    ColorValue foreColorSel_ = colors::HighlightText;
    ColorValue backColorBkg_ = colors::ApplicationWorkspace;
    FillStyle fillStyle_ = FillStyle::Single;
    SelectionMode selectionMode_ = SelectionMode::Free;
    HighLight highLight_ = HighLight::Always;
    bool redraw_ = true;
    MergeCells mergeCells_ = MergeCells::Never;
    bool syncingScrollBars_ = false;
    bool pressed_ = false;
    bool secondPress_ = false;
};

} // namespace qx
