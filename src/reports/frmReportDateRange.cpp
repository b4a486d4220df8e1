#include "reports/frmReportDateRange.h"

#include "charging/frmView.h"
#include "components/PlatformServices.h"
#include "platform/DatePicker.h"
#include "platform/Values.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace qx {

qint16 DateRangeReportCode(qint16 reportType, bool summary) {
    switch (reportType) {
    case 1: return summary ? 55 : 54;
    case 2: return summary ? 52 : 53;
    case 3: return summary ? 51 : 50;
    case 4: return 62;
    case 5: return 63;
    case 6: return 77;
    default: return 0;
    }
}

frmReportDateRange::frmReportDateRange(QWidget* parent) : ReportDialog(parent) {
    setObjectName(QStringLiteral("frmReportDateRange"));
    setWindowTitle(QStringLiteral("Date Range"));
    auto* layout = new QGridLayout(this);
    Label1 = new QLabel(QStringLiteral("&Starting Date"), this);
    dpStartDate = todayPicker(QStringLiteral("dpStartDate"));
    Label2 = new QLabel(QStringLiteral("&Ending Date"), this);
    dpEndDate = todayPicker(QStringLiteral("dpEndDate"));
    // Any day can be picked here, the future included.
    dpStartDate->clearMaximumDateTime();
    dpEndDate->clearMaximumDateTime();
    Label1->setBuddy(dpStartDate);
    Label2->setBuddy(dpEndDate);
    chkSummary = new QCheckBox(QStringLiteral("Summary"), this);
    chkSummary->setObjectName(QStringLiteral("chkSummary"));
    layout->addWidget(Label1, 0, 0);
    layout->addWidget(dpStartDate, 0, 1);
    layout->addWidget(Label2, 1, 0);
    layout->addWidget(dpEndDate, 1, 1);
    layout->addWidget(chkSummary, 2, 1);
    auto* foot = generateCloseRow(cmdGenerate, cmdClose, [this] { cmdGenerate_Click(); }, [this] { cmdClose_Click(); });
    layout->addLayout(foot, 3, 0, 1, 2);
}

bool frmReportDateRange::Form_Load() { return true; }

void frmReportDateRange::cmdGenerate_Click() {
    const qint16 code = DateRangeReportCode(ReportType(), chkSummary->isChecked());
    if (code == 0)
        return;
    HourglassScope busy;
    guarded([&] {
        frmView& request = ReportWindow();
        request.setStartDate(Format(dpStartDate->value(), QStringLiteral("mm/dd/yyyy")));
        request.setEndDate(Format(dpEndDate->value(), QStringLiteral("mm/dd/yyyy")));
        showReport(code);
    });
}

void frmReportDateRange::cmdClose_Click() { close(); }

} // namespace qx
