#pragma once

namespace qx {

class FlexGrid;
class Recordset;

// Binds a grid to a recordset as a bound flex grid shows it: one line per record below the fixed
// rows, the fields in their order from column 0. Headers already laid out are kept; a column the
// grid lacks is added and headed with its field's name. Null shows as empty text.
void BindRecordset(FlexGrid& grid, const Recordset& rs);

} // namespace qx
