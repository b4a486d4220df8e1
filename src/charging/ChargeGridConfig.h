#pragma once
#include "platform/Colors.h"

#include <QString>
#include <map>
#include <set>
#include <vector>

namespace qx {

// What one charging screen makes of the shared charge-entry grid: its layout, the three per-column
// editor tables, the key filter and the navigation limits. The screens' business rules (commit,
// look-up, pricing) stay with the screens, which hear of them through ChargeGrid's signals.
struct ChargeGridConfig {
    // ---- Layout (ChargeGrid::layout) ----
    int cols = 0;
    int rows = 0;                  // header row included; the grids never change it at run time
    QString formatString;          // "<" left, ">" right, "|" between columns
    std::vector<int> colWidths;    // twips from column 0; columns not listed keep their width
    bool numberLines = false;      // the line number as text in column 0 of every line
    int fixedCols = 1;             // 0: column 0 is an ordinary cell
    ColorValue backColor = colors::InfoBackground;

    // ---- Editor tables ----
    std::set<int> exemptCols;          // the editor never opens on these
    std::map<int, double> editorKinds; // 1 the "..." button, 2 the spinner, other values none
    std::map<int, int> maxLengths;     // characters the editor accepts; 0 or absent for no limit
    std::set<int> digitsOnlyCols;      // only 0-9, "." and Backspace are typed into these
    std::set<int> wholeNumberCols;     // only 0-9 and Backspace are typed into these
    std::set<int> lockedCols;          // the editor opens on these but takes no typing
    bool upperCase = true;             // typed characters become capitals

    // ---- Navigation ----
    int firstEditableColumn = 1;   // where a move to the next line lands
    int rightWrapColumn = 0;       // the last column a move right reaches before the next line
    int leftMinColumn = 0;         // a move left acts only from a column above this one
    // Rows Page Up and Page Down move in the editor; 0 pages by the grid's visible rows.
    int pageRows = 0;
    // Where the editor's text comes from: the entered cell (true) or the cell it is laid over.
    bool loadTextOnEnterCell = true;
    // Space on the grid acts as a double click on the current cell.
    bool spaceDoubleClicks = false;
    // Enter on the editor's text "0" is refused ("Zero Value is not allowed!") before any commit.
    bool refuseZeroOnEnter = false;
    // A refused commit brings the focus back into the editor only when the editor is empty; with
    // text in it the focus stays where the user left it.
    bool refusedFocusOnlyWhenEmpty = false;

    // ---- Saveable lines (ChargeGrid::canSaveRow) ----
    // A line is saveable when it is not blank and each of these cells has text after trimming...
    std::vector<int> saveTextCols;
    // ...and each of these holds a number above 0.
    std::vector<int> savePositiveCols;

    bool isExempt(int col) const { return exemptCols.count(col) > 0; }
    double editorKind(int col) const {
        const auto it = editorKinds.find(col);
        return it == editorKinds.end() ? 0 : it->second;
    }
    int maxLength(int col) const {
        const auto it = maxLengths.find(col);
        return it == maxLengths.end() ? 0 : it->second;
    }
    bool isDigitsOnly(int col) const { return digitsOnlyCols.count(col) > 0; }
    bool isWholeNumber(int col) const { return wholeNumberCols.count(col) > 0; }
    bool isLocked(int col) const { return lockedCols.count(col) > 0; }
};

} // namespace qx
