#pragma once
#include "charging/ChargeGridConfig.h"
#include "charging/PendingGridMove.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

namespace qx {

class CellEditor;
class FlexGrid;

// The charge-entry grid every charging screen carries: a flex grid of item lines with a floating
// cell editor laid over its current cell, keyboard navigation through pending moves, and the row
// tests and totals the screens share. A screen gives it its configuration and hooks, and answers
// its signals with its own business rules.
//
// Moves asked for in the editor are carried out by a queued call once the editor is hidden and
// the grid has the focus back, so they never depend on the order of focus events.
class ChargeGrid : public QObject {
    Q_OBJECT
public:
    // The grid must already have its parent window (the editor's controls are its siblings).
    ChargeGrid(FlexGrid* grid, ChargeGridConfig config);

    FlexGrid* grid() const { return grid_; }
    CellEditor* editor() const { return editor_; }
    const ChargeGridConfig& config() const { return config_; }
    PendingGridMove& pending() { return pending_; }

    // ---- Hooks a screen may set ----
    // True when the editor must not open on a cell of this row (a cancelled or by-passed line).
    std::function<bool(int row, int col)> editorBlocked;
    // The text the editor shows when laid over a cell, for screens that load it on placement;
    // default the cell's own text.
    std::function<QString(int row, int col)> editorTextFor;
    // Run when the editor is about to lose the focus to a control of the window other than the
    // grid and the editor's own controls; false keeps the focus in the editor.
    std::function<bool()> editorValidate;
    // The grid's tooltip for the cell under the pointer; none by default.
    std::function<QString(int mouseRow, int mouseCol)> toolTipFor;

    // Lays the grid out from the configuration: columns, every cell emptied, header, widths, line
    // numbers. The grid is left disabled; the screen enables it once there is someone to charge.
    void layout();

    bool isExempt(int col) const { return config_.isExempt(col); }
    // Replace the editor tables for screens that fill them when they load.
    void setExemptCols(std::set<int> cols) { config_.exemptCols = std::move(cols); }
    void setEditorKinds(std::map<int, double> kinds) { config_.editorKinds = std::move(kinds); }
    // Lays the editor over a cell with the given editor kind and length limit and gives it the
    // focus; nothing for an exempt column, a blocked row or a disabled grid.
    void putTextBox(int row, int col, double editorKind, int maxLength);
    // Hides the editor and opens it again over the current cell with that column's tables.
    void openEditor();
    void hideEditor();
    bool isEditorVisible() const;
    QString editorText() const;
    void setEditorText(const QString& text);

    // The screen's answer to commitRequested(): accepted writes the text (when given) into the
    // current cell, hides the editor and moves on to the next cell; rejected keeps the editor
    // open with its text, the focus back in it with the text selected (as configured).
    void acceptCommit(const std::optional<QString>& cellText = std::nullopt);
    void rejectCommit();
    // Puts the focus into the open editor, its text selected.
    void focusEditor();

    // Hides the editor and carries out the pending moves once the grid has the focus.
    void returnToGrid();
    // Carries out the pending moves now, then raises gridFocused().
    void carryOutPendingMoves();

    // ---- Row tests and totals ----
    // True when every cell of the row from `firstCol` to the last column is empty after trimming.
    bool isBlankRow(int row, int firstCol = 1) const;
    // Not blank from column 1, with every text and positive cell the configuration asks for.
    bool canSaveRow(int row) const;
    // Some line of the grid is saveable (every line is looked at).
    bool canSave() const;
    // Empties the cells of the row from `firstCol` to `lastCol`; the line keeps its place.
    void clearLine(int row, int firstCol, int lastCol);
    // Removes a line: the lines below move up one row from `firstCol` on, texts and cell colours
    // and boldness alike; the last line is left empty in the grid's colours.
    void removeLine(int row, int firstCol = 1);
    // Sum of the numeric cells of a column over the lines (other texts, such as "XXX", count 0).
    double sumColumn(int col) const;
    // The sum written "###0.00".
    QString columnTotal(int col) const;

    // The spinner's arithmetic on the editor's text: up gives the rounded value (halves to even)
    // plus one; down gives the value less one when the rounded value is above 0, else the text
    // unchanged. A value beyond what the spinner counts leaves the text unchanged.
    static QString spinUp(const QString& text);
    static QString spinDown(const QString& text);

signals:
    // The current cell changed (by the user or by code); the editor has been opened there.
    void cellEntered(int row, int col);
    // The editor was opened over the current cell (the grid's click and the cell entry).
    void editorOpened(int row, int col);
    // Pending moves are done and the grid has the focus; buttons follow the current row.
    void gridFocused();
    // Enter or a double click in the editor; answer with acceptCommit() or rejectCommit().
    void commitRequested(int row, int col, const QString& text);
    // The "..." button beside the editor.
    void lookupRequested(int row, int col, const QString& text);
    // The editor's text after a typed character changed it, and after every Enter (then after the
    // commit's answer).
    void editorTextEdited(const QString& text);
    // A double click on the grid (or Space where configured); mouseCol is the column under the
    // pointer.
    void cellDoubleClicked(int row, int col, int mouseCol);
    // Escape on the grid or in the editor.
    void escapePressed();
    // The grid scrolled; the editor has been hidden and its uncommitted text dropped.
    void scrolled();

private:
    void onEnterCell();
    void onGridKeyDown(int& keyCode, int shift);
    void onGridKeyPress(int& keyAscii);
    void onGridScroll();
    void onEditorKeyDown(int& keyCode, int shift);
    void onEditorKeyPress(int& keyAscii);
    void moveTo(PendingGridMove::Cell cell);
    void pageGrid(int qtKey);
    void onEditorLostFocus();
    bool hasLines() const;

    FlexGrid* grid_;
    CellEditor* editor_;
    ChargeGridConfig config_;
    PendingGridMove pending_;
    bool carryOutQueued_ = false;
};

} // namespace qx
