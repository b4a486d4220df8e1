// The assessment-slip reprint of a listed cash sale.
#include "returns/frmListPostedCash.h"

#include "charging/ChargeSlipRestage.h"
#include "charging/PrintStaging.h"
#include "charging/SlipPrinting.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "platform/report/Report.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"

#include <QLabel>

namespace qx {

namespace {

// Cash sales are staged and printed under this patient id.
const QString kCashSalePatient = QStringLiteral("CASH");
constexpr int kCashListRefColumn = 1;
constexpr int kCashListNameSlot = 1;

} // namespace

void frmListPostedCash::GetChargeRecords1(const QString& IDNum, const QString& RefNum) {
    // The sale is the one on the current row, whatever the caller named.
    Q_UNUSED(IDNum);
    Q_UNUSED(RefNum);
    int step = 0;
    try {
        const QString refNum = Trim(flexMSHList->textMatrix(flexMSHList->row(), kCashListRefColumn));
        const QString patientName = bannerText(kCashListNameSlot);
        Connection& con = SQLConnection();
        Recordset lines = ReadCashAssessmentLines(con, refNum);
        if (lines.isEmpty()) {
            // An empty slip under another sale's doctor helps nobody.
            MsgBox(QStringLiteral("No line of this sale was found. Nothing was printed."), vbInformation,
                   QStringLiteral("Message"));
            return;
        }
        lines.moveFirst();
        const QString userId = lines.text(QStringLiteral("UserID"));
        const QString doctor = lines.text(QStringLiteral("Doctor"));
        {
            // The sale is staged whole under the key its slip reads, or not at all.
            Transaction staging(con);
            step = 1;
            ClearChargePrint(con, userId, kCashSalePatient, refNum, false);
            step = 2;
            lines.moveFirst();
            while (!lines.eof()) {
                step = 3;
                AppendChargePrint(con, CashAssessmentPrintLine(lines, refNum, userId, false));
                step = 4;
                lines.moveNext();
            }
            staging.commit();
        }
        step = 5;
        PrintAssessSlip(patientName, userId, refNum, doctor);
        step = 6;
    } catch (...) {
        MsgBox(currentError().description() + QString::number(step), vbOKOnly, kProductTitle);
    }
}

void frmListPostedCash::PrintAssessSlip(const QString& patientName, const QString& userId, const QString& refNum,
                                        const QString& doctor) {
    const QVariantMap values{
        {QStringLiteral("NAME"), Trim(patientName)},
        {QStringLiteral("ADMNUM"), kCashSalePatient},
        {QStringLiteral("HOSPNUM"), QString()},
        {QStringLiteral("ROOM"), QString()},
        {QStringLiteral("ENCODER"), gEmployeeName},
        {QStringLiteral("ISSUEDBY"), QString()},
        {QStringLiteral("TRANSTYPE"), QString()},
        {QStringLiteral("INPUTUSERID"), userId},
        {QStringLiteral("REFNUM"), refNum},
        {QStringLiteral("HOSPITALNAME"), gHospitalName},
        {QStringLiteral("HOSPITALADDRESS"), gHospitalAddress},
        {QStringLiteral("DOCTOR"), doctor},
        {QStringLiteral("POSITION"), gEmployeePosition},
        {QStringLiteral("REMARKS"), ReprintRemarks()},
    };
    // One copy at every site: no stored count, no copies dialog.
    PrintSlipCopies(OpenSlipReport(QStringLiteral("AssessSlip.rpt"), values), 1);
}

} // namespace qx
