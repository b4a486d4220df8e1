#pragma once
// Driving a charge-entry grid's editor with real keys, shared by the screens' grid tests.
#include "charging/ChargeGrid.h"
#include "platform/CellEditor.h"
#include "platform/FlexGrid.h"
#include "platform/WidgetInput.h"

#include <QApplication>
#include <QLineEdit>
#include <functional>
#include <span>
#include <gtest/gtest.h>

namespace qx::test {

// Makes a cell current and opens the editor on it, as a click on the cell does.
inline void openEditorAt(ChargeGrid& charge, int row, int col) {
    charge.grid()->setFocus();
    charge.grid()->setRow(row);
    charge.grid()->setCol(col);
    charge.openEditor();
    QApplication::processEvents();
}

// A key in the editor, then what the event loop does with the move it leaves pending.
inline void pressInEditor(ChargeGrid& charge, Qt::Key key) {
    pressKey(charge.editor()->textBox(), key);
    QApplication::processEvents();
}

struct NavigationCase {
    const char* name;
    int row, col;
    Qt::Key key;
    int wantRow, wantCol;
    bool editorOpen;
};

// Presses each case's key in the editor opened on its cell and checks where the grid and the
// editor end up; `more` checks what a screen adds.
inline void checkNavigation(ChargeGrid& charge, std::span<const NavigationCase> cases,
                            const std::function<void(const NavigationCase&)>& more = {}) {
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        openEditorAt(charge, c.row, c.col);
        ASSERT_TRUE(charge.isEditorVisible());
        pressInEditor(charge, c.key);
        EXPECT_EQ(charge.grid()->row(), c.wantRow);
        EXPECT_EQ(charge.grid()->col(), c.wantCol);
        EXPECT_EQ(charge.isEditorVisible(), c.editorOpen);
        // Only the reposition marks may wait, for the next opening of the editor.
        EXPECT_EQ(charge.pending().marks() & ~(PendingGridMove::UpReposition | PendingGridMove::DownReposition), 0u);
        if (more)
            more(c);
    }
}

} // namespace qx::test
