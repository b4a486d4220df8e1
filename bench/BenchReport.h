#pragma once
#include <QString>

// The report the benches lay out: slips of 50 lines with their totals, a grand total and the page
// count in every page footer, over the rows of `query` (RefNum, Description, Quantity, Amount).
inline QString benchReportText(const QString& query) {
    return QStringLiteral(R"(
paper A4
parameter HOSPITALNAME text
query
%1
end
column Slip field=RefNum heading="Slip" width=25
column Item field=Description heading="Description" width=90
column Qty field=Quantity heading="Qty" width=20 format="#,##0.00"
column Amount field=Amount heading="Amount" width=30 format="#,##0.00" sum
group RefNum
reportheader
  text "{HOSPITALNAME}" align=center bold size=13
end
groupheader RefNum
  text "Slip {field:RefNum}" bold
end
groupfooter RefNum
  totals "Slip total"
end
reportfooter
  totals "Grand total"
end
pagefooter
  text "Printed {PRINTTIME}" | "Page {PAGE} of {PAGES}" align=right
end
)")
        .arg(query);
}
