#pragma once
#include <QString>

namespace qx::report {

class ReportDocument;

// The report's pages as a PDF file.
void writePdf(const ReportDocument& doc, const QString& path);
// The report in print order as a worksheet: header texts, headings, detail rows with numbers
// and dates as such, group and report totals.
void writeXlsx(const ReportDocument& doc, const QString& path);
// The same as a Rich Text document with a table for the columns.
void writeRtf(const ReportDocument& doc, const QString& path);
// UTF-8 text (the text and CSV renderings).
void writeTextFile(const QString& path, const QString& text);

} // namespace qx::report
