#include "reports/frmCashReport.h"

#include "charging/frmView.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "components/SuiteComponents.h"
#include "platform/DatePicker.h"
#include "platform/Values.h"
#include "shell/Session.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace qx {

frmCashReport::frmCashReport(QWidget* parent) : ReportDialog(parent) {
    setObjectName(QStringLiteral("frmCashReport"));
    setWindowTitle(QStringLiteral("Cash Daily Income Report"));
    auto* layout = new QGridLayout(this);
    optAll = new QRadioButton(QStringLiteral("All"), this);
    optAll->setObjectName(QStringLiteral("optAll"));
    optAll->setChecked(true);
    optCurrent = new QRadioButton(QStringLiteral("Current Encoder"), this);
    optCurrent->setObjectName(QStringLiteral("optCurrent"));
    Label1 = new QLabel(QStringLiteral("&Report Date"), this);
    dpReportDate = todayPicker(QStringLiteral("dpReportDate"));
    Label1->setBuddy(dpReportDate);
    layout->addWidget(optAll, 0, 0);
    layout->addWidget(optCurrent, 0, 1);
    layout->addWidget(Label1, 1, 0);
    layout->addWidget(dpReportDate, 1, 1);
    auto* foot = generateCloseRow(cmdGenerate, cmdClose, [this] { cmdGenerate_Click(); }, [this] { cmdClose_Click(); });
    layout->addLayout(foot, 2, 0, 1, 2);
}

bool frmCashReport::Form_Load() {
    if (ReportType() == 1)
        setWindowTitle(QStringLiteral("Daily Income Report"));
    return true;
}

void frmCashReport::cmdGenerate_Click() {
    if (ReportType() != 1)
        return;
    HourglassScope busy;
    guarded([this] {
        Connection& con = SQLConnection();
        const QString day = Format(dpReportDate->value(), QStringLiteral("mm/dd/yyyy"));
        const bool currentEncoder = optCurrent->isChecked();
        {
            // The rows are this workstation's: emptied and refilled as one step.
            Transaction refill(con);
            con.callProcedure(QStringLiteral("Pharma_IncomeCashClear"));
            if (currentEncoder) {
                const auto& login = gComponents.gCurrentUser;
                con.callProcedure(QStringLiteral("Pharma_CashDailyReportLoadUserid"),
                                  {{QStringLiteral("@ReportDate"), day},
                                   {QStringLiteral("@UserID"), login ? login->EmployeeCode() : gEmployeeCode}});
            } else {
                con.callProcedure(QStringLiteral("Pharma_CashDailyReportLoad"), {{QStringLiteral("@ReportDate"), day}});
            }
            refill.commit();
        }
        ReportWindow().setReportDate(dpReportDate->value());
        showReport(currentEncoder ? 30 : 29);
    });
}

void frmCashReport::cmdClose_Click() { close(); }

} // namespace qx
