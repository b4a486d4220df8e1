#include "platform/FlexGrid.h"

#include "components/AppError.h"
#include "platform/KeyCodes.h"
#include "platform/Twips.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <optional>

namespace qx {

namespace {

constexpr long kSubscriptOutOfRange = 381;
constexpr long kInvalidPropertyValue = 380;
constexpr long kInvalidRow = 30009;
constexpr long kInvalidCol = 30010;
constexpr int kDefaultColWidthTwips = 960;
constexpr int kTextPaddingPx = 3;

QString errorText(long number) {
    switch (number) {
    case kInvalidRow: return QStringLiteral("Invalid Row value");
    case kInvalidCol: return QStringLiteral("Invalid Col value");
    case kInvalidPropertyValue: return QStringLiteral("Invalid property value");
    default: return QStringLiteral("Subscript out of range");
    }
}

[[noreturn]] void raiseError(long number) {
    throw AppError(number, QStringLiteral("FlexGrid"), errorText(number));
}

bool looksNumeric(const QString& text) {
    bool ok = false;
    text.trimmed().toDouble(&ok);
    return ok;
}

// One axis of the grid (rows down or columns across): fixed entries first, then the scrolled
// ones from `first`; size(i) is an entry's length in pixels.
template <typename Size>
int offsetOf(int index, int fixedCount, int first, Size size) {
    int offset = 0;
    if (index < fixedCount) {
        for (int i = 0; i < index; ++i)
            offset += size(i);
        return offset;
    }
    for (int i = 0; i < fixedCount; ++i)
        offset += size(i);
    for (int i = first; i < index; ++i)
        offset += size(i);
    for (int i = index; i < first; ++i)
        offset -= size(i);
    return offset;
}

template <typename Size>
int indexAt(int pos, int fixedCount, int first, int count, Size size) {
    if (pos < 0)
        return -1;
    int edge = 0;
    for (int i = 0; i < fixedCount; ++i) {
        edge += size(i);
        if (pos < edge)
            return i;
    }
    for (int i = first; i < count && edge <= pos; ++i) {
        edge += size(i);
        if (pos < edge)
            return i;
    }
    return -1;
}

// The first scrolled entry from which `last` and the entries before it fill at most `room`.
template <typename Size>
int firstFitting(int last, int room, int fixedCount, Size size) {
    int first = last;
    int used = size(last);
    while (first - 1 >= fixedCount && used + size(first - 1) <= room)
        used += size(--first);
    return first;
}

} // namespace

struct FlexGrid::CellFormat {
    std::optional<ColorValue> back;
    std::optional<ColorValue> fore;
    bool bold = false;
    QPixmap picture;
};

struct FlexGrid::Row {
    std::vector<QString> texts;
    std::unique_ptr<std::vector<CellFormat>> formats;  // made on the first formatted cell
    int heightTwips = -1;                              // -1: the grid's default
    bool merge = false;
};

FlexGrid::FlexGrid(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
    setCols(2);
    setRows(2);
    fixedRows_ = fixedCols_ = 1;
    topRow_ = leftCol_ = 1;
    row_ = col_ = rowSel_ = colSel_ = 1;
    updateScrollBars();
}

FlexGrid::~FlexGrid() = default;

// ---- structure ------------------------------------------------------------------------------

int FlexGrid::rows() const { return static_cast<int>(rows_.size()); }

void FlexGrid::setRows(int rows) {
    if (rows < 0)
        raiseError(kInvalidRow);
    const auto oldCount = rows_.size();
    rows_.resize(static_cast<size_t>(rows));
    for (size_t r = oldCount; r < rows_.size(); ++r)
        rows_[r].texts.resize(static_cast<size_t>(cols_));
    fixedRows_ = std::min(fixedRows_, rows);
    clampCurrent();
    updateScrollBars();
    refresh();
}

int FlexGrid::cols() const { return cols_; }

void FlexGrid::setCols(int cols) {
    if (cols < 0)
        raiseError(kInvalidCol);
    cols_ = cols;
    for (auto& row : rows_) {
        row.texts.resize(static_cast<size_t>(cols));
        if (row.formats)
            row.formats->resize(static_cast<size_t>(cols));
    }
    colWidths_.resize(static_cast<size_t>(cols), kDefaultColWidthTwips);
    colAlign_.resize(static_cast<size_t>(cols), Qt::Alignment());
    fixedCols_ = std::min(fixedCols_, cols);
    clampCurrent();
    updateScrollBars();
    refresh();
}

int FlexGrid::fixedRows() const { return fixedRows_; }

void FlexGrid::setFixedRows(int fixedRows) {
    if (fixedRows < 0 || fixedRows > rows())
        raiseError(kInvalidPropertyValue);
    fixedRows_ = fixedRows;
    updateScrollBars();
    refresh();
}

int FlexGrid::fixedCols() const { return fixedCols_; }

void FlexGrid::setFixedCols(int fixedCols) {
    if (fixedCols < 0 || fixedCols > cols_)
        raiseError(kInvalidPropertyValue);
    fixedCols_ = fixedCols;
    updateScrollBars();
    refresh();
}

void FlexGrid::checkRow(int row, long number) const {
    if (row < 0 || row >= rows())
        raiseError(number);
}

void FlexGrid::checkCol(int col, long number) const {
    if (col < 0 || col >= cols_)
        raiseError(number);
}

// ---- text -----------------------------------------------------------------------------------

QString FlexGrid::textMatrix(int row, int col) const {
    checkRow(row, kSubscriptOutOfRange);
    checkCol(col, kSubscriptOutOfRange);
    return rows_[static_cast<size_t>(row)].texts[static_cast<size_t>(col)];
}

void FlexGrid::setTextMatrix(int row, int col, const QString& text) {
    checkRow(row, kSubscriptOutOfRange);
    checkCol(col, kSubscriptOutOfRange);
    rows_[static_cast<size_t>(row)].texts[static_cast<size_t>(col)] = text;
    refresh();
}

QString FlexGrid::text() const {
    checkRow(row_, kInvalidRow);
    return textMatrix(row_, col_);
}

void FlexGrid::setText(const QString& text) {
    forEachTargetCell([&](int r, int c) { rows_[static_cast<size_t>(r)].texts[static_cast<size_t>(c)] = text; });
    refresh();
}

// ---- current cell and selection -------------------------------------------------------------

int FlexGrid::row() const { return row_; }

void FlexGrid::setRow(int row) {
    checkRow(row, kInvalidRow);
    moveCurrent(row, col_, false);
}

int FlexGrid::col() const { return col_; }

void FlexGrid::setCol(int col) {
    checkCol(col, kInvalidCol);
    moveCurrent(row_, col, false);
}

int FlexGrid::rowSel() const { return rowSel_; }

void FlexGrid::setRowSel(int row) {
    checkRow(row, kInvalidRow);
    rowSel_ = row;
    emit selChange();
    refresh();
}

int FlexGrid::colSel() const {
    return selectionMode_ == SelectionMode::ByRow ? cols_ - 1 : colSel_;
}

void FlexGrid::setColSel(int col) {
    checkCol(col, kInvalidCol);
    colSel_ = col;
    emit selChange();
    refresh();
}

void FlexGrid::moveCurrent(int row, int col, bool byUser) {
    // The user's move brings the new cell into view first, so that enterCell() finds it laid out
    // where it will be seen (a cell editor placed there stays over it).
    if (byUser)
        scrollToCell(row, col);
    if (row == row_ && col == col_) {
        if (rowSel_ != row_ || colSel_ != col_) {
            resetSelection();
            emit selChange();
        }
    } else {
        if (row_ >= 0 && col_ >= 0)
            emit leaveCell();
        row_ = row;
        col_ = col;
        resetSelection();
        emit enterCell();
        emit rowColChange();
        emit selChange();
    }
    refresh();
}

void FlexGrid::clampCurrent() {
    const auto clamp = [](int value, int fixed, int count) {
        if (count == 0)
            return -1;
        if (value < 0)
            return std::min(fixed, count - 1);
        return std::min(value, count - 1);
    };
    const int row = clamp(row_, fixedRows_, rows());
    const int col = clamp(col_, fixedCols_, cols_);
    rowSel_ = std::min(rowSel_, rows() - 1);
    colSel_ = std::min(colSel_, cols_ - 1);
    if (row == row_ && col == col_)
        return;
    row_ = row;
    col_ = col;
    resetSelection();
    if (row_ >= 0 && col_ >= 0) {
        emit enterCell();
        emit rowColChange();
        emit selChange();
    }
}

void FlexGrid::resetSelection() {
    rowSel_ = row_;
    colSel_ = col_;
}

template <typename Apply>
void FlexGrid::forEachTargetCell(Apply apply) {
    checkRow(row_, kInvalidRow);
    checkCol(col_, kInvalidCol);
    if (fillStyle_ == FillStyle::Single) {
        apply(row_, col_);
        return;
    }
    const int firstCol = selectionMode_ == SelectionMode::ByRow ? fixedCols_ : std::min(col_, colSel_);
    const int lastCol = selectionMode_ == SelectionMode::ByRow ? cols_ - 1 : std::max(col_, colSel_);
    for (int r = std::min(row_, rowSel_); r <= std::max(row_, rowSel_); ++r)
        for (int c = firstCol; c <= lastCol; ++c)
            apply(r, c);
}

// ---- formatting -----------------------------------------------------------------------------

const FlexGrid::CellFormat* FlexGrid::formatAt(int row, int col) const {
    const auto& formats = rows_[static_cast<size_t>(row)].formats;
    return formats ? &(*formats)[static_cast<size_t>(col)] : nullptr;
}

FlexGrid::CellFormat& FlexGrid::formatFor(int row, int col) {
    auto& formats = rows_[static_cast<size_t>(row)].formats;
    if (!formats)
        formats = std::make_unique<std::vector<CellFormat>>(static_cast<size_t>(cols_));
    return (*formats)[static_cast<size_t>(col)];
}

ColorValue FlexGrid::cellBackColor() const {
    checkRow(row_, kInvalidRow);
    const CellFormat* format = formatAt(row_, col_);
    if (format && format->back)
        return *format->back;
    return row_ < fixedRows_ || col_ < fixedCols_ ? backColorFixed_ : backColor_;
}

void FlexGrid::setCellBackColor(ColorValue color) {
    forEachTargetCell([&](int r, int c) { formatFor(r, c).back = color; });
    refresh();
}

ColorValue FlexGrid::cellForeColor() const {
    checkRow(row_, kInvalidRow);
    const CellFormat* format = formatAt(row_, col_);
    if (format && format->fore)
        return *format->fore;
    return row_ < fixedRows_ || col_ < fixedCols_ ? foreColorFixed_ : foreColor_;
}

void FlexGrid::setCellForeColor(ColorValue color) {
    forEachTargetCell([&](int r, int c) { formatFor(r, c).fore = color; });
    refresh();
}

bool FlexGrid::cellFontBold() const {
    checkRow(row_, kInvalidRow);
    const CellFormat* format = formatAt(row_, col_);
    return format && format->bold;
}

void FlexGrid::setCellFontBold(bool bold) {
    forEachTargetCell([&](int r, int c) { formatFor(r, c).bold = bold; });
    refresh();
}

ColorValue FlexGrid::cellBackColorAt(int row, int col) const {
    checkRow(row, kInvalidRow);
    checkCol(col, kInvalidCol);
    const CellFormat* format = formatAt(row, col);
    if (format && format->back)
        return *format->back;
    return row < fixedRows_ || col < fixedCols_ ? backColorFixed_ : backColor_;
}

void FlexGrid::setCellBackColorAt(int row, int col, ColorValue color) {
    checkRow(row, kInvalidRow);
    checkCol(col, kInvalidCol);
    formatFor(row, col).back = color;
    refresh();
}

ColorValue FlexGrid::cellForeColorAt(int row, int col) const {
    checkRow(row, kInvalidRow);
    checkCol(col, kInvalidCol);
    const CellFormat* format = formatAt(row, col);
    if (format && format->fore)
        return *format->fore;
    return row < fixedRows_ || col < fixedCols_ ? foreColorFixed_ : foreColor_;
}

void FlexGrid::setCellForeColorAt(int row, int col, ColorValue color) {
    checkRow(row, kInvalidRow);
    checkCol(col, kInvalidCol);
    formatFor(row, col).fore = color;
    refresh();
}

bool FlexGrid::cellFontBoldAt(int row, int col) const {
    checkRow(row, kInvalidRow);
    checkCol(col, kInvalidCol);
    const CellFormat* format = formatAt(row, col);
    return format && format->bold;
}

void FlexGrid::setCellFontBoldAt(int row, int col, bool bold) {
    checkRow(row, kInvalidRow);
    checkCol(col, kInvalidCol);
    formatFor(row, col).bold = bold;
    refresh();
}

QPixmap FlexGrid::cellPicture(int row, int col) const {
    checkRow(row, kInvalidRow);
    checkCol(col, kInvalidCol);
    const CellFormat* format = formatAt(row, col);
    return format ? format->picture : QPixmap();
}

void FlexGrid::setCellPicture(int row, int col, const QPixmap& picture) {
    checkRow(row, kInvalidRow);
    checkCol(col, kInvalidCol);
    formatFor(row, col).picture = picture;
    refresh();
}

ColorValue FlexGrid::backColor() const { return backColor_; }
void FlexGrid::setBackColor(ColorValue color) { backColor_ = color; refresh(); }
ColorValue FlexGrid::foreColor() const { return foreColor_; }
void FlexGrid::setForeColor(ColorValue color) { foreColor_ = color; refresh(); }
ColorValue FlexGrid::backColorFixed() const { return backColorFixed_; }
void FlexGrid::setBackColorFixed(ColorValue color) { backColorFixed_ = color; refresh(); }
ColorValue FlexGrid::backColorSel() const { return backColorSel_; }
void FlexGrid::setBackColorSel(ColorValue color) { backColorSel_ = color; refresh(); }
ColorValue FlexGrid::foreColorSel() const { return foreColorSel_; }
void FlexGrid::setForeColorSel(ColorValue color) { foreColorSel_ = color; refresh(); }
ColorValue FlexGrid::backColorBkg() const { return backColorBkg_; }
void FlexGrid::setBackColorBkg(ColorValue color) { backColorBkg_ = color; refresh(); }

FlexGrid::FillStyle FlexGrid::fillStyle() const { return fillStyle_; }
void FlexGrid::setFillStyle(FillStyle style) { fillStyle_ = style; }
FlexGrid::SelectionMode FlexGrid::selectionMode() const { return selectionMode_; }
void FlexGrid::setSelectionMode(SelectionMode mode) { selectionMode_ = mode; refresh(); }
FlexGrid::HighLight FlexGrid::highLight() const { return highLight_; }
void FlexGrid::setHighLight(HighLight mode) { highLight_ = mode; refresh(); }

Qt::Alignment FlexGrid::colAlignment(int col) const {
    checkCol(col, kSubscriptOutOfRange);
    return colAlign_[static_cast<size_t>(col)];
}

void FlexGrid::setColAlignment(int col, Qt::Alignment alignment) {
    checkCol(col, kSubscriptOutOfRange);
    colAlign_[static_cast<size_t>(col)] = alignment & Qt::AlignHorizontal_Mask;
    refresh();
}

QString FlexGrid::formatString() const { return formatString_; }

void FlexGrid::setFormatString(const QString& format) {
    formatString_ = format;
    const QStringList fields = format.split(QLatin1Char('|'));
    if (fields.size() > cols_)
        setCols(static_cast<int>(fields.size()));
    if (rows() == 0)
        setRows(1);
    const QFontMetrics metrics(font());
    for (int c = 0; c < fields.size(); ++c) {
        QString field = fields[c];
        if (!field.isEmpty()) {
            switch (field.at(0).unicode()) {
            case '<': colAlign_[static_cast<size_t>(c)] = Qt::AlignLeft; field.remove(0, 1); break;
            case '>': colAlign_[static_cast<size_t>(c)] = Qt::AlignRight; field.remove(0, 1); break;
            case '^': colAlign_[static_cast<size_t>(c)] = Qt::AlignHCenter; field.remove(0, 1); break;
            default: break;
            }
        }
        rows_[0].texts[static_cast<size_t>(c)] = field;
        if (!field.isEmpty())
            colWidths_[static_cast<size_t>(c)] =
                pixelsToTwips(metrics.horizontalAdvance(field) + 2 * kTextPaddingPx + 1);
    }
    updateScrollBars();
    refresh();
}

// ---- rows added and removed, clearing, redraw -----------------------------------------------

void FlexGrid::clear() {
    for (auto& row : rows_) {
        std::fill(row.texts.begin(), row.texts.end(), QString());
        row.formats.reset();
    }
    refresh();
}

FlexGrid::MergeCells FlexGrid::mergeCells() const { return mergeCells_; }

void FlexGrid::setMergeCells(MergeCells mode) {
    mergeCells_ = mode;
    refresh();
}

bool FlexGrid::mergeRow(int row) const {
    checkRow(row, kInvalidRow);
    return rows_[static_cast<size_t>(row)].merge;
}

void FlexGrid::setMergeRow(int row, bool merge) {
    checkRow(row, kInvalidRow);
    rows_[static_cast<size_t>(row)].merge = merge;
    refresh();
}

void FlexGrid::addItem(const QString& item, int index) {
    if (index < -1 || index > rows())
        raiseError(kInvalidRow);
    Row row;
    row.texts.resize(static_cast<size_t>(cols_));
    const QStringList cells = item.split(QLatin1Char('\t'));
    for (int c = 0; c < cols_ && c < cells.size(); ++c)
        row.texts[static_cast<size_t>(c)] = cells[c];
    rows_.insert(index < 0 ? rows_.end() : rows_.begin() + index, std::move(row));
    clampCurrent();
    updateScrollBars();
    refresh();
}

void FlexGrid::removeItem(int index) {
    checkRow(index, kInvalidRow);
    rows_.erase(rows_.begin() + index);
    if (index < fixedRows_)
        --fixedRows_;
    clampCurrent();
    updateScrollBars();
    refresh();
}

bool FlexGrid::redraw() const { return redraw_; }

void FlexGrid::setRedraw(bool on) {
    redraw_ = on;
    refresh();
}

void FlexGrid::refresh() {
    if (redraw_)
        viewport()->update();
}

// ---- geometry -------------------------------------------------------------------------------

int FlexGrid::defaultRowHeightTwips() const {
    return pixelsToTwips(std::max(16, fontMetrics().height() + 4));
}

int FlexGrid::colWidth(int col) const {
    checkCol(col, kSubscriptOutOfRange);
    return colWidths_[static_cast<size_t>(col)];
}

void FlexGrid::setColWidth(int col, int twips) {
    checkCol(col, kSubscriptOutOfRange);
    colWidths_[static_cast<size_t>(col)] = twips < 0 ? kDefaultColWidthTwips : twips;
    updateScrollBars();
    refresh();
}

int FlexGrid::rowHeight(int row) const {
    checkRow(row, kSubscriptOutOfRange);
    const int height = rows_[static_cast<size_t>(row)].heightTwips;
    return height < 0 ? defaultRowHeightTwips() : height;
}

void FlexGrid::setRowHeight(int row, int twips) {
    checkRow(row, kSubscriptOutOfRange);
    rows_[static_cast<size_t>(row)].heightTwips = twips < 0 ? -1 : twips;
    updateScrollBars();
    refresh();
}

int FlexGrid::rowHeightPx(int row) const { return twipsToPixels(rowHeight(row)); }
int FlexGrid::colWidthPx(int col) const { return twipsToPixels(colWidths_[static_cast<size_t>(col)]); }

int FlexGrid::fixedHeightPx() const {
    int height = 0;
    for (int r = 0; r < fixedRows_; ++r)
        height += rowHeightPx(r);
    return height;
}

int FlexGrid::fixedWidthPx() const {
    int width = 0;
    for (int c = 0; c < fixedCols_; ++c)
        width += colWidthPx(c);
    return width;
}

int FlexGrid::rowY(int row) const {
    return offsetOf(row, fixedRows_, topRow_, [this](int r) { return rowHeightPx(r); });
}

int FlexGrid::colX(int col) const {
    return offsetOf(col, fixedCols_, leftCol_, [this](int c) { return colWidthPx(c); });
}

int FlexGrid::rowPos(int row) const {
    checkRow(row, kSubscriptOutOfRange);
    return pixelsToTwips(viewport()->geometry().top() + rowY(row));
}

int FlexGrid::colPos(int col) const {
    checkCol(col, kSubscriptOutOfRange);
    return pixelsToTwips(viewport()->geometry().left() + colX(col));
}

int FlexGrid::cellLeft() const { return colPos(col_); }
int FlexGrid::cellTop() const { return rowPos(row_); }
int FlexGrid::cellWidth() const { return colWidth(col_); }
int FlexGrid::cellHeight() const { return rowHeight(row_); }

bool FlexGrid::rowIsVisible(int row) const {
    checkRow(row, kSubscriptOutOfRange);
    if (row < fixedRows_)
        return true;
    const int height = rowHeightPx(row);
    return row >= topRow_ && height > 0 && rowY(row) + height <= viewport()->height();
}

bool FlexGrid::colIsVisible(int col) const {
    checkCol(col, kSubscriptOutOfRange);
    if (col < fixedCols_)
        return true;
    const int width = colWidthPx(col);
    return col >= leftCol_ && width > 0 && colX(col) + width <= viewport()->width();
}

int FlexGrid::rowAtY(int y) const {
    return indexAt(y, fixedRows_, topRow_, rows(), [this](int r) { return rowHeightPx(r); });
}

int FlexGrid::colAtX(int x) const {
    return indexAt(x, fixedCols_, leftCol_, cols_, [this](int c) { return colWidthPx(c); });
}

// ---- scrolling ------------------------------------------------------------------------------

int FlexGrid::maxTopRow() const {
    if (rows() <= fixedRows_)
        return fixedRows_;
    const int room = viewport()->height() - fixedHeightPx();
    const int first = firstFitting(rows() - 1, room, fixedRows_, [this](int r) { return rowHeightPx(r); });
    return std::max(fixedRows_, first);
}

int FlexGrid::maxLeftCol() const {
    if (cols_ <= fixedCols_)
        return fixedCols_;
    const int room = viewport()->width() - fixedWidthPx();
    const int first = firstFitting(cols_ - 1, room, fixedCols_, [this](int c) { return colWidthPx(c); });
    return std::max(fixedCols_, first);
}

int FlexGrid::topRow() const { return topRow_; }

void FlexGrid::setTopRow(int row) {
    checkRow(row, kInvalidRow);
    setTopLeft(row, leftCol_);
}

int FlexGrid::leftCol() const { return leftCol_; }

void FlexGrid::setLeftCol(int col) {
    checkCol(col, kInvalidCol);
    setTopLeft(topRow_, col);
}

void FlexGrid::setTopLeft(int topRow, int leftCol) {
    topRow = std::clamp(topRow, fixedRows_, maxTopRow());
    leftCol = std::clamp(leftCol, fixedCols_, maxLeftCol());
    if (topRow == topRow_ && leftCol == leftCol_)
        return;
    topRow_ = topRow;
    leftCol_ = leftCol;
    syncScrollBars();
    emit scroll();
    refresh();
}

void FlexGrid::scrollToCell(int row, int col) {
    const auto height = [this](int r) { return rowHeightPx(r); };
    const auto width = [this](int c) { return colWidthPx(c); };
    int top = topRow_;
    if (row >= fixedRows_ && row < rows()) {
        if (row < topRow_)
            top = row;
        else if (!rowIsVisible(row) && height(row) > 0)
            top = firstFitting(row, viewport()->height() - fixedHeightPx(), fixedRows_, height);
    }
    int left = leftCol_;
    if (col >= fixedCols_ && col < cols_) {
        if (col < leftCol_)
            left = col;
        else if (!colIsVisible(col) && width(col) > 0)
            left = firstFitting(col, viewport()->width() - fixedWidthPx(), fixedCols_, width);
    }
    setTopLeft(top, left);
}

void FlexGrid::updateScrollBars() {
    syncScrollBars();
    setTopLeft(topRow_, leftCol_);
}

void FlexGrid::syncScrollBars() {
    syncingScrollBars_ = true;
    const int visibleRows = std::max(1, (viewport()->height() - fixedHeightPx()) / std::max(1, twipsToPixels(defaultRowHeightTwips())));
    verticalScrollBar()->setRange(0, maxTopRow() - fixedRows_);
    verticalScrollBar()->setPageStep(visibleRows);
    verticalScrollBar()->setValue(topRow_ - fixedRows_);
    horizontalScrollBar()->setRange(0, maxLeftCol() - fixedCols_);
    horizontalScrollBar()->setPageStep(1);
    horizontalScrollBar()->setValue(leftCol_ - fixedCols_);
    syncingScrollBars_ = false;
}

void FlexGrid::scrollContentsBy(int, int) {
    if (syncingScrollBars_)
        return;
    const int top = fixedRows_ + verticalScrollBar()->value();
    const int left = fixedCols_ + horizontalScrollBar()->value();
    if (top == topRow_ && left == leftCol_)
        return;
    topRow_ = top;
    leftCol_ = left;
    emit scroll();
    refresh();
}

void FlexGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void FlexGrid::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateScrollBars();
    if (event->type() == QEvent::EnabledChange)
        refresh();
}

// ---- painting -------------------------------------------------------------------------------

bool FlexGrid::isHighlighted(int row, int col) const {
    if (highLight_ == HighLight::Never || (highLight_ == HighLight::WithFocus && !hasFocus()))
        return false;
    if (row < fixedRows_ || col < fixedCols_ || (row == row_ && col == col_))
        return false;
    const bool byRow = selectionMode_ == SelectionMode::ByRow;
    const bool inRows = row >= std::min(row_, rowSel_) && row <= std::max(row_, rowSel_);
    const bool inCols = byRow || (col >= std::min(col_, colSel_) && col <= std::max(col_, colSel_));
    return inRows && inCols;
}

Qt::Alignment FlexGrid::alignmentFor(int, int col, const QString& text) const {
    Qt::Alignment horizontal = colAlign_[static_cast<size_t>(col)];
    if (!horizontal)
        horizontal = looksNumeric(text) ? Qt::AlignRight : Qt::AlignLeft;
    return horizontal | Qt::AlignVCenter;
}

void FlexGrid::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const QPalette& pal = palette();
    const QRect area = viewport()->rect();
    painter.fillRect(area, toQColor(backColorBkg_, pal));

    std::vector<std::pair<int, int>> rowSpans;  // row, y
    for (int r = 0, y = 0; r < rows() && y < area.height(); ++r) {
        if (r == fixedRows_)
            r = std::max(r, topRow_);
        if (r >= rows())
            break;
        if (rowHeightPx(r) > 0)
            rowSpans.emplace_back(r, y);
        y += rowHeightPx(r);
    }
    std::vector<std::pair<int, int>> colSpans;  // col, x
    for (int c = 0, x = 0; c < cols_ && x < area.width(); ++c) {
        if (c == fixedCols_)
            c = std::max(c, leftCol_);
        if (c >= cols_)
            break;
        if (colWidthPx(c) > 0)
            colSpans.emplace_back(c, x);
        x += colWidthPx(c);
    }

    const QColor gridLine = toQColor(rgbValue(0xC0, 0xC0, 0xC0), pal);
    const QColor fixedLine = toQColor(colors::ButtonShadow, pal);
    const QFont plainFont = font();
    QFont boldFont = plainFont;
    boldFont.setBold(true);
    const bool disabled = !isEnabled();

    for (const auto& [r, y] : rowSpans) {
        const std::vector<QString>& texts = rows_[static_cast<size_t>(r)].texts;
        const bool merging = mergeCells_ == MergeCells::Free && rows_[static_cast<size_t>(r)].merge;
        int runStartX = -1;  // left edge of the merged run the current cell belongs to
        for (size_t i = 0; i < colSpans.size(); ++i) {
            const auto& [c, x] = colSpans[i];
            const QRect own(x, y, colWidthPx(c), rowHeightPx(r));
            const QString& ownText = texts[static_cast<size_t>(c)];
            // A merged run of equal texts: only its last cell draws, over the whole run.
            const bool continues = merging && !ownText.isEmpty() && i + 1 < colSpans.size() &&
                                   texts[static_cast<size_t>(colSpans[i + 1].first)] == ownText;
            if (runStartX < 0)
                runStartX = x;
            const QRect cell = merging ? QRect(QPoint(runStartX, y), own.bottomRight()) : own;
            if (continues)
                continue;
            runStartX = -1;
            const bool fixed = r < fixedRows_ || c < fixedCols_;
            const CellFormat* format = formatAt(r, c);
            ColorValue back = fixed ? backColorFixed_ : backColor_;
            ColorValue fore = fixed ? foreColorFixed_ : foreColor_;
            if (format && format->back)
                back = *format->back;
            if (format && format->fore)
                fore = *format->fore;
            if (isHighlighted(r, c)) {
                back = backColorSel_;
                fore = foreColorSel_;
            }
            painter.fillRect(cell, toQColor(back, pal));
            painter.setPen(fixed ? fixedLine : gridLine);
            painter.drawLine(cell.right(), cell.top(), cell.right(), cell.bottom());
            painter.drawLine(cell.left(), cell.bottom(), cell.right(), cell.bottom());

            if (format && !format->picture.isNull()) {
                const QPixmap& picture = format->picture;
                const QPoint at(cell.left() + kTextPaddingPx, cell.top() + std::max(0, (cell.height() - picture.height()) / 2));
                painter.save();
                painter.setClipRect(cell);
                painter.drawPixmap(at, picture);
                painter.restore();
            }
            const QString& text = rows_[static_cast<size_t>(r)].texts[static_cast<size_t>(c)];
            if (!text.isEmpty()) {
                painter.setFont(format && format->bold ? boldFont : plainFont);
                painter.setPen(disabled ? pal.color(QPalette::Disabled, QPalette::Text) : toQColor(fore, pal));
                const QRect textRect = cell.adjusted(kTextPaddingPx, 0, -kTextPaddingPx - 1, -1);
                painter.drawText(textRect, static_cast<int>(alignmentFor(r, c, text)) | Qt::TextSingleLine, text);
            }
            if (r == row_ && c == col_ && hasFocus() && !fixed) {
                painter.setPen(QPen(toQColor(fore, pal), 1, Qt::DotLine));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(cell.adjusted(1, 1, -3, -3));
            }
        }
    }
}

// ---- keyboard, mouse and focus --------------------------------------------------------------

void FlexGrid::keyPressEvent(QKeyEvent* event) {
    int code = keyCode(*event);
    emit keyDown(code, shiftState(event->modifiers()));
    if (code == 0 && keyCode(*event) != 0) {
        event->accept();
        return;
    }

    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const auto visibleRow = [&](int from, int step) {
        for (int r = from; r >= fixedRows_ && r < rows(); r += step)
            if (rowHeightPx(r) > 0)
                return r;
        return -1;
    };
    const auto visibleCol = [&](int from, int step) {
        for (int c = from; c >= fixedCols_ && c < cols_; c += step)
            if (colWidthPx(c) > 0)
                return c;
        return -1;
    };
    const int pageRows = std::max(1, verticalScrollBar()->pageStep());
    int row = std::max(row_, fixedRows_);
    int col = std::max(col_, fixedCols_);
    bool navigation = true;
    switch (event->key()) {
    case Qt::Key_Up: row = visibleRow(row_ - 1, -1); break;
    case Qt::Key_Down: row = visibleRow(row_ + 1, 1); break;
    case Qt::Key_Left: col = visibleCol(col_ - 1, -1); break;
    case Qt::Key_Right: col = visibleCol(col_ + 1, 1); break;
    case Qt::Key_Home:
        if (ctrl) row = visibleRow(fixedRows_, 1); else col = visibleCol(fixedCols_, 1);
        break;
    case Qt::Key_End:
        if (ctrl) row = visibleRow(rows() - 1, -1); else col = visibleCol(cols_ - 1, -1);
        break;
    case Qt::Key_PageUp: row = visibleRow(std::max(fixedRows_, row_ - pageRows), 1); break;
    case Qt::Key_PageDown: row = visibleRow(std::min(rows() - 1, row_ + pageRows), -1); break;
    default: navigation = false; break;
    }
    if (navigation) {
        if (row >= fixedRows_ && col >= fixedCols_ && row < rows() && col < cols_)
            moveCurrent(row, col, true);
        event->accept();
        return;
    }

    int ascii = keyAscii(*event);
    if (ascii != 0)
        emit keyPress(ascii);
    // The grid keeps the keys it reports, Enter and Escape included, so that a dialog's default
    // or cancel button does not act on them as well; a window that previews keys sees them first.
    event->accept();
}

QPoint FlexGrid::toTwips(QPoint viewportPos) const {
    return pixelsToTwips(viewportPos + viewport()->geometry().topLeft());
}

void FlexGrid::trackMouse(QPoint viewportPos) {
    mouseRow_ = rowAtY(viewportPos.y());
    mouseCol_ = colAtX(viewportPos.x());
    if (mouseRow_ < 0 || mouseCol_ < 0)
        mouseRow_ = mouseCol_ = -1;
}

int FlexGrid::mouseRow() const { return mouseRow_; }
int FlexGrid::mouseCol() const { return mouseCol_; }

void FlexGrid::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    trackMouse(pos);
    const QPoint twips = toTwips(pos);
    emit mouseDown(mouseButtons(event->button()), shiftState(event->modifiers()), twips.x(), twips.y());
    if (event->button() != Qt::LeftButton)
        return;
    pressed_ = true;
    if (mouseRow_ >= fixedRows_ && mouseCol_ >= fixedCols_)
        moveCurrent(mouseRow_, mouseCol_, true);
}

void FlexGrid::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint twips = toTwips(event->position().toPoint());
    emit mouseUp(mouseButtons(event->button()), shiftState(event->modifiers()), twips.x(), twips.y());
    if (event->button() != Qt::LeftButton || !pressed_)
        return;
    pressed_ = false;
    if (secondPress_)
        secondPress_ = false;
    else
        emit click();
}

void FlexGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    trackMouse(event->position().toPoint());
    if (event->button() != Qt::LeftButton)
        return;
    pressed_ = true;
    secondPress_ = true;
    emit dblClick();
}

void FlexGrid::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    trackMouse(pos);
    const QPoint twips = toTwips(pos);
    emit mouseMove(mouseButtons(event->buttons()), shiftState(event->modifiers()), twips.x(), twips.y());
}

void FlexGrid::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    emit gotFocus();
    refresh();
}

void FlexGrid::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    emit lostFocus();
    refresh();
}

} // namespace qx
