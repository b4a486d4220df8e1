#include "shell/RecordsetGrid.h"

#include "components/Recordset.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"

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

} // namespace qx
