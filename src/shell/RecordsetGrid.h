#pragma once
#include <QStringList>

namespace qx {

class FlexGrid;
class Recordset;

// Binds a grid to a recordset as a bound flex grid shows it: one line per record below the fixed
// rows, the fields in their order from column 0. Headers already laid out are kept; a column the
// grid lacks is added and headed with its field's name. Null shows as empty text.
void BindRecordset(FlexGrid& grid, const Recordset& rs);

// Binds a grid to a recordset as a work list: exactly the recordset's fields as columns (widths of
// the columns kept), one line per record below the one header row, in the recordset's order. A
// column is headed by `headers` where it names one, else by its field's name. Filled with
// redrawing off, so the grid repaints once; redrawing is left as it was.
void BindRecordsetAsList(FlexGrid& grid, const Recordset& rs, const QStringList& headers = {});

} // namespace qx
