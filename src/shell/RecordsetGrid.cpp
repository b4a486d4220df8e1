#include "shell/RecordsetGrid.h"

#include "components/Recordset.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"

#include <QSignalBlocker>
#include <algorithm>

namespace qx {

void BindRecordset(FlexGrid& grid, const Recordset& rs) {
    const int headerRows = grid.fixedRows();
    const int firstNewCol = grid.cols();
    grid.setCols(std::max(firstNewCol, rs.fieldCount()));
    grid.setRows(headerRows + rs.recordCount());
    if (headerRows > 0)
        for (int col = firstNewCol; col < rs.fieldCount(); ++col)
            grid.setTextMatrix(headerRows - 1, col, rs.fieldName(col));
    for (int record = 0; record < rs.recordCount(); ++record)
        for (int col = 0; col < grid.cols(); ++col)
            grid.setTextMatrix(headerRows + record, col,
                               col < rs.fieldCount() ? Text(rs.valueAt(record, col)) : QString());
}

void BindRecordsetAsList(FlexGrid& grid, const Recordset& rs, const QStringList& headers) {
    const bool redraw = grid.redraw();
    grid.setRedraw(false);
    {
        // Reshaping may move the current cell; the caller selects its row once the rows are in.
        const QSignalBlocker quiet(grid);
        const int fields = std::max(1, rs.fieldCount());
        grid.setRows(1);
        grid.setFixedRows(1);
        grid.setCols(fields);
        for (int col = 0; col < rs.fieldCount(); ++col)
            grid.setTextMatrix(0, col, col < headers.size() ? headers.at(col) : rs.fieldName(col));
        grid.setRows(1 + std::max(1, rs.recordCount()));
        for (int record = 0; record < rs.recordCount(); ++record)
            for (int col = 0; col < rs.fieldCount(); ++col)
                grid.setTextMatrix(1 + record, col, Text(rs.valueAt(record, col)));
        // As a freshly bound grid: the first line current.
        grid.setRow(1);
    }
    grid.setRedraw(redraw);
}

} // namespace qx
