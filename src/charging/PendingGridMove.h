#pragma once

namespace qx {

struct ChargeGridConfig;

// The moves a key in the cell editor (or a successful commit) asks for and the grid carries out
// once control is back with it. Each mark is set by one key and cleared by the step that carries
// it out; between the two it waits.
class PendingGridMove {
public:
    enum Mark : unsigned {
        FirstFocus = 1u << 0,      // the grid's first focus opens the editor
        MoveRight = 1u << 1,       // End, or a committed cell: the next editable cell
        MoveLeft = 1u << 2,        // Home: the previous editable cell
        RowUp = 1u << 3,
        RowDown = 1u << 4,
        PageUp = 1u << 5,
        PageDown = 1u << 6,
        UpReposition = 1u << 7,    // set with RowUp, cleared by the next opening of the editor
        DownReposition = 1u << 8,  // set with RowDown, likewise
    };

    struct Cell {
        int row = 0;
        int col = 0;
        bool operator==(const Cell&) const = default;
    };

    void set(Mark mark) { marks_ |= mark; }
    bool isSet(Mark mark) const { return (marks_ & mark) != 0; }
    // Clears the mark and answers whether it was set.
    bool take(Mark mark);
    void clearAll() { marks_ = 0; }
    unsigned marks() const { return marks_; }

    // Sets the marks of a navigation key pressed in the editor (Home, End, Up, Down, Page Up,
    // Page Down by key code); any other key sets nothing and answers false.
    bool setForEditorKey(int keyCode);

    // The cell a move right reaches: the next editable column up to the wrap column, or from the
    // wrap column on the first editable column of the next line (of the same line on the last).
    static Cell rightOf(Cell from, int lastRow, const ChargeGridConfig& config);
    // The cell a move left reaches: from a column above the configured minimum, the previous
    // editable column down to the first; otherwise (or with none) the cell itself.
    static Cell leftOf(Cell from, const ChargeGridConfig& config);

private:
    unsigned marks_ = 0;
};

} // namespace qx
