#pragma once
// The charge slip a save shows in the report window (pharmacy switch 16), laid out at a fixed
// print time and compared with its reference files under tests/posting/golden.
#include "../platform/report/ReportTestSupport.h"
#include "ScriptedModalService.h"
#include "charging/frmView.h"
#include "platform/report/Report.h"
#include "platform/report/ReportDocument.h"

namespace qx::test {

struct PreviewedSlip {
    QString text;
    QString csv;
    int shown = 0;
};

// Captures every previewed slip into `slip` and closes the window (nothing printed from it).
inline void capturePreviewedSlip(ScriptedModalService& modal, PreviewedSlip& slip) {
    modal.onShow<frmView>([&slip](frmView& window) {
        ++slip.shown;
        if (const std::shared_ptr<report::Report> r = window.report()) {
            r->setPrintTime(QDateTime(QDate(2026, 12, 10), QTime(9, 30)));
            slip.text = r->document().toText();
            slip.csv = r->document().toCsv();
        }
        window.close();
    });
}

inline void expectSlipGolden(const QString& name, const PreviewedSlip& slip) {
    const QString folder = QStringLiteral("../../../posting/golden/");
    report::test::expectGolden(folder + name + QStringLiteral(".txt"), slip.text);
    report::test::expectGolden(folder + name + QStringLiteral(".csv"), slip.csv);
}

} // namespace qx::test
