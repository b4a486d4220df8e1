#include "charging/ChargeGrid.h"

#include "components/PlatformServices.h"

#include "platform/CellEditor.h"
#include "platform/ControlEvents.h"
#include "platform/FlexGrid.h"
#include "platform/KeyCodes.h"
#include "platform/UpDown.h"
#include "platform/Values.h"
#include "shell/GridHelpers.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>

namespace qx {

namespace {
// The spinner counts in 16-bit whole numbers.
constexpr double kSpinnerLimit = 32767;
} // namespace

ChargeGrid::ChargeGrid(FlexGrid* grid, ChargeGridConfig config)
    : QObject(grid), grid_(grid), editor_(new CellEditor(grid)), config_(std::move(config)) {
    connect(grid_, &FlexGrid::click, this, &ChargeGrid::openEditor);
    connect(grid_, &FlexGrid::enterCell, this, &ChargeGrid::onEnterCell);
    connect(grid_, &FlexGrid::keyDown, this, &ChargeGrid::onGridKeyDown);
    connect(grid_, &FlexGrid::keyPress, this, &ChargeGrid::onGridKeyPress);
    connect(grid_, &FlexGrid::scroll, this, &ChargeGrid::onGridScroll);
    connect(grid_, &FlexGrid::gotFocus, this, [this] {
        if (!carryOutQueued_)
            carryOutPendingMoves();
    });
    connect(grid_, &FlexGrid::dblClick, this,
            [this] { emit cellDoubleClicked(grid_->row(), grid_->col(), grid_->mouseCol()); });
    connect(grid_, &FlexGrid::mouseMove, this, [this](int, int, int, int) {
        if (toolTipFor)
            grid_->setToolTip(toolTipFor(grid_->mouseRow(), grid_->mouseCol()));
    });

    ControlEvents* text = editor_->textEvents();
    connect(text, &ControlEvents::keyDown, this, &ChargeGrid::onEditorKeyDown);
    connect(text, &ControlEvents::keyPress, this, &ChargeGrid::onEditorKeyPress);
    connect(text, &ControlEvents::dblClick, this,
            [this] { emit commitRequested(grid_->row(), grid_->col(), editor_->text()); });
    connect(text, &ControlEvents::gotFocus, this, [this] {
        editor_->textBox()->setReadOnly(config_.isLocked(grid_->col()));
        editor_->textBox()->selectAll();
    });
    connect(text, &ControlEvents::lostFocus, this, &ChargeGrid::onEditorLostFocus);
    connect(editor_->textBox(), &QLineEdit::textEdited, this, &ChargeGrid::editorTextEdited);
    connect(editor_->lookupButton(), &QPushButton::clicked, this,
            [this] { emit lookupRequested(grid_->row(), grid_->col(), editor_->text()); });
    connect(editor_->spinner(), &UpDown::upClick, this, [this] { setEditorText(spinUp(editorText())); });
    connect(editor_->spinner(), &UpDown::downClick, this, [this] { setEditorText(spinDown(editorText())); });
}

void ChargeGrid::layout() {
    // Disabled first: the cell entries that the new shape fires open no editor.
    grid_->setEnabled(false);
    hideEditor();
    grid_->setCols(config_.cols);
    if (config_.rows > 0)
        grid_->setRows(config_.rows);
    grid_->setFixedRows(1);
    grid_->setFixedCols(config_.fixedCols);
    grid_->clear();
    grid_->setBackColor(config_.backColor);
    grid_->setFormatString(config_.formatString);
    for (int c = 0; c < static_cast<int>(config_.colWidths.size()) && c < grid_->cols(); ++c)
        grid_->setColWidth(c, config_.colWidths[c]);
    if (config_.numberLines)
        for (int r = 1; r < grid_->rows(); ++r)
            grid_->setTextMatrix(r, 0, QString::number(r));
}

void ChargeGrid::putTextBox(int row, int col, double editorKind, int maxLength) {
    if (isExempt(col) || !grid_->isEnabled())
        return;
    if (editorBlocked && editorBlocked(row, col))
        return;
    if (!config_.loadTextOnEnterCell)
        editor_->setText(editorTextFor ? editorTextFor(row, col) : grid_->textMatrix(row, col));
    editor_->textBox()->setReadOnly(config_.isLocked(col));
    editor_->placeOver(row, col, CellEditor::companionForKind(editorKind), maxLength);
    editor_->textBox()->selectAll();
}

void ChargeGrid::openEditor() {
    if (grid_->rows() <= 1 || !grid_->isEnabled())
        return;
    const int row = grid_->row();
    const int col = grid_->col();
    // The grid scrolls a row it moves to into view, so the editor always goes over the current
    // row and the reposition marks only need clearing.
    if (!grid_->rowIsVisible(row) || (grid_->colWidth(col) > 0 && !grid_->colIsVisible(col)))
        grid_->scrollToCell(row, col);
    hideEditor();
    pending_.take(PendingGridMove::UpReposition);
    pending_.take(PendingGridMove::DownReposition);
    if (!isExempt(col))
        putTextBox(row, col, config_.editorKind(col), config_.maxLength(col));
    emit editorOpened(row, col);
}

void ChargeGrid::hideEditor() { editor_->hide(); }

bool ChargeGrid::isEditorVisible() const { return editor_->isOpen(); }

QString ChargeGrid::editorText() const { return editor_->text(); }

void ChargeGrid::setEditorText(const QString& text) { editor_->setText(text); }

void ChargeGrid::acceptCommit(const std::optional<QString>& cellText) {
    if (cellText)
        grid_->setTextMatrix(grid_->row(), grid_->col(), *cellText);
    pending_.set(PendingGridMove::MoveRight);
    returnToGrid();
}

void ChargeGrid::rejectCommit() {
    if (config_.refusedFocusOnlyWhenEmpty && !editor_->text().isEmpty())
        return;
    focusEditor();
}

void ChargeGrid::focusEditor() {
    if (!editor_->isOpen())
        return;
    editor_->textBox()->setFocus(Qt::OtherFocusReason);
    editor_->textBox()->selectAll();
}

void ChargeGrid::returnToGrid() {
    const bool alreadyQueued = carryOutQueued_;
    carryOutQueued_ = true;  // the grid's focus handler leaves the moves to the queued call
    grid_->setFocus(Qt::OtherFocusReason);
    hideEditor();
    if (alreadyQueued)
        return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            carryOutQueued_ = false;
            carryOutPendingMoves();
        },
        Qt::QueuedConnection);
}

void ChargeGrid::carryOutPendingMoves() {
    if (!grid_->isEnabled())
        return;  // the marks wait for a grid that can take them
    using M = PendingGridMove;
    if (pending_.take(M::FirstFocus))
        openEditor();
    const M::Cell here{grid_->row(), grid_->col()};
    if (pending_.take(M::MoveRight)) {
        moveTo(M::rightOf(here, grid_->rows() - 1, config_));
        openEditor();
    }
    if (pending_.take(M::MoveLeft)) {
        moveTo(M::leftOf({grid_->row(), grid_->col()}, config_));
        openEditor();
    }
    if (pending_.take(M::RowUp) && grid_->row() > grid_->fixedRows())
        moveTo({grid_->row() - 1, grid_->col()});
    if (pending_.take(M::RowDown) && grid_->row() < grid_->rows() - 1)
        moveTo({grid_->row() + 1, grid_->col()});
    if (pending_.take(M::PageUp))
        pageGrid(Qt::Key_PageUp);
    if (pending_.take(M::PageDown))
        pageGrid(Qt::Key_PageDown);
    emit gridFocused();
}

void ChargeGrid::moveTo(PendingGridMove::Cell cell) {
    // Into view first, so that the cell entry lays the editor over a visible cell.
    grid_->scrollToCell(cell.row, cell.col);
    grid_->setRow(cell.row);
    grid_->setCol(cell.col);
}

// The grid pages exactly as for a typed key, without going through the focus, unless the screen
// pages by a fixed number of rows.
void ChargeGrid::pageGrid(int qtKey) {
    if (config_.pageRows > 0) {
        const int firstLine = grid_->fixedRows();
        const int lastLine = grid_->rows() - 1;
        const int step = qtKey == Qt::Key_PageUp ? -config_.pageRows : config_.pageRows;
        moveTo({std::clamp(grid_->row() + step, firstLine, lastLine), grid_->col()});
        return;
    }
    QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier);
    QCoreApplication::sendEvent(grid_, &press);
    QKeyEvent release(QEvent::KeyRelease, qtKey, Qt::NoModifier);
    QCoreApplication::sendEvent(grid_, &release);
}

void ChargeGrid::onEnterCell() {
    if (!hasLines() || grid_->row() < 0 || grid_->col() < 0)
        return;
    if (config_.loadTextOnEnterCell)
        editor_->setText(grid_->text());
    openEditor();
    emit cellEntered(grid_->row(), grid_->col());
}

void ChargeGrid::onGridKeyDown(int& keyCode, int) {
    if (keyCode == keys::Escape) {
        keyCode = 0;
        emit escapePressed();
        return;
    }
    if (keyCode == keys::Space && config_.spaceDoubleClicks) {
        keyCode = 0;
        emit cellDoubleClicked(grid_->row(), grid_->col(), grid_->mouseCol());
        return;
    }
    openEditor();
}

void ChargeGrid::onGridKeyPress(int& keyAscii) {
    if (keyAscii == keys::Return)
        openEditor();
}

// Scrolling drops what the editor holds: its text was never committed, so it never reaches a cell.
void ChargeGrid::onGridScroll() {
    hideEditor();
    if (grid_->row() >= 0 && grid_->col() >= 0)
        editor_->setText(grid_->text());
    emit scrolled();
}

void ChargeGrid::onEditorKeyDown(int& keyCode, int) {
    if (keyCode == keys::Escape) {
        keyCode = 0;
        emit escapePressed();
        return;
    }
    if (grid_->rows() > 1 && pending_.setForEditorKey(keyCode)) {
        keyCode = 0;
        returnToGrid();
    }
}

void ChargeGrid::onEditorKeyPress(int& keyAscii) {
    if (keyAscii == keys::Return) {
        keyAscii = 0;
        if (config_.refuseZeroOnEnter && editor_->text() == QLatin1String("0")) {
            MsgBox(QStringLiteral("Zero Value is not allowed!"), vbInformation, QStringLiteral("MESSAGE"));
            return;
        }
        emit commitRequested(grid_->row(), grid_->col(), editor_->text());
        emit editorTextEdited(editor_->text());
        return;
    }
    const QChar typed(keyAscii);
    if (config_.isDigitsOnly(grid_->col()) && !typed.isDigit() && typed != u'.' && keyAscii != keys::Back) {
        keyAscii = 0;
        return;
    }
    if (config_.isWholeNumber(grid_->col()) && (typed < u'0' || typed > u'9') && keyAscii != keys::Back) {
        keyAscii = 0;
        return;
    }
    if (config_.upperCase && typed.isLower() && typed.toUpper() != typed)
        keyAscii = typed.toUpper().unicode();
}

void ChargeGrid::onEditorLostFocus() {
    // Hiding the editor passes the focus on by itself; that is no leaving for another control.
    if (!editorValidate || !editor_->textBox()->isVisible())
        return;
    QWidget* next = QApplication::focusWidget();
    if (!next || next->window() != grid_->window() || next == grid_ || next == editor_->textBox() ||
        next == editor_->lookupButton() || editor_->spinner()->isAncestorOf(next) || next == editor_->spinner())
        return;
    if (!editorValidate() && editor_->isOpen())
        editor_->textBox()->setFocus(Qt::OtherFocusReason);
}

bool ChargeGrid::hasLines() const { return grid_->rows() > 0; }

bool ChargeGrid::isBlankRow(int row, int firstCol) const {
    for (int c = firstCol; c < grid_->cols(); ++c)
        if (!Trim(grid_->textMatrix(row, c)).isEmpty())
            return false;
    return true;
}

bool ChargeGrid::canSaveRow(int row) const {
    if (isBlankRow(row))
        return false;
    for (int col : config_.saveTextCols)
        if (Trim(grid_->textMatrix(row, col)).isEmpty())
            return false;
    for (int col : config_.savePositiveCols)
        if (!(Val(grid_->textMatrix(row, col)) > 0))
            return false;
    return true;
}

bool ChargeGrid::canSave() const {
    bool any = false;
    for (int row = grid_->fixedRows(); row < grid_->rows(); ++row)
        any = canSaveRow(row) || any;
    return any;
}

void ChargeGrid::clearLine(int row, int firstCol, int lastCol) {
    for (int col = firstCol; col <= lastCol && col < grid_->cols(); ++col)
        grid_->setTextMatrix(row, col, QString());
}

void ChargeGrid::removeLine(int row, int firstCol) {
    const int last = grid_->rows() - 1;
    if (row < grid_->fixedRows() || row > last)
        return;
    for (int r = row; r <= last; ++r)
        for (int col = firstCol; col < grid_->cols(); ++col) {
            const bool below = r < last;
            grid_->setTextMatrix(r, col, below ? grid_->textMatrix(r + 1, col) : QString());
            grid_->setCellBackColorAt(r, col, below ? grid_->cellBackColorAt(r + 1, col) : config_.backColor);
            grid_->setCellForeColorAt(r, col, below ? grid_->cellForeColorAt(r + 1, col) : grid_->foreColor());
            grid_->setCellFontBoldAt(r, col, below && grid_->cellFontBoldAt(r + 1, col));
        }
}

double ChargeGrid::sumColumn(int col) const { return SumGridColumn(*grid_, col, grid_->fixedRows()); }

QString ChargeGrid::columnTotal(int col) const { return Format(sumColumn(col), QStringLiteral("###0.00")); }

QString ChargeGrid::spinUp(const QString& text) {
    const double rounded = Round(Val(text));
    if (std::abs(rounded) > kSpinnerLimit || rounded + 1 > kSpinnerLimit)
        return text;
    return Text(rounded + 1);
}

QString ChargeGrid::spinDown(const QString& text) {
    const double value = Val(text);
    const double rounded = Round(value);
    if (rounded <= 0 || rounded > kSpinnerLimit)
        return text;
    return Text(value - 1);
}

} // namespace qx
