// The commands of the cash-assessment lists (reprint of an assessment's slip, revocation of an
// unpaid one) and of the unit-dose lists (the patient's Rx mark).
#include "mainwindow/frmPharma.h"

#include "charging/ChargeSlipRestage.h"
#include "charging/PrintStaging.h"
#include "charging/SlipPrinting.h"
#include "charging/frmView.h"
#include "components/Connection.h"
#include "components/InputBox.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "platform/report/Report.h"
#include "shell/HospitalSettings.h"
#include "shell/QueryHelpers.h"
#include "shell/Session.h"
#include "shell/Switches.h"
#include "shell/UserLog.h"
#include "shell/clsCashInfo.h"

namespace qx {

namespace {

const QString kAssessmentsModule = QStringLiteral("frmPharma");
// Cash assessments are staged under this patient id.
const QString kCashPatient = QStringLiteral("CASH");
constexpr qint16 kAdmittedPatientAssessment = 1;
constexpr qint16 kCashCustomerAssessment = 2;

bool isPaidAssessmentList(const QString& parentKey) { return parentKey.startsWith(QStringLiteral("_4.1")); }
bool isUnpaidAssessmentList(const QString& parentKey) { return parentKey.startsWith(QStringLiteral("_4.2")); }
bool isUnitDoseParent(const QString& parentKey) {
    return parentKey == QStringLiteral("_3") || parentKey.startsWith(QStringLiteral("_3."));
}

// An assessment made for an admitted patient carries the admission's numeric id.
qint16 assessmentPatientType(Connection& con, const QString& refNum) {
    const Recordset rs =
        con.query(QStringLiteral("SELECT IDNum FROM billing.tbCashAssessment WHERE RefNum = ? ORDER BY id LIMIT 1"),
                  {refNum});
    if (rs.isEmpty() || rs.isNull(QStringLiteral("IDNum")))
        return kCashCustomerAssessment;
    return IsNumeric(rs.value(QStringLiteral("IDNum"))) ? kAdmittedPatientAssessment : kCashCustomerAssessment;
}

} // namespace

void frmPharma::mnuReprintAssess_Click() {
    // Any failure is told in a plain box and the program goes on.
    try {
        const bool paidList = isPaidAssessmentList(selectedParentKey());
        const QString refNum = currentCell(paidList ? 8 : 0);
        const QString patientName = currentCell(paidList ? 3 : 1, false);
        Connection& con = SQLConnection();
        const qint16 patientType = assessmentPatientType(con, refNum);
        Recordset rs = ReadCashAssessmentLines(con, refNum);
        QString userId;
        if (!rs.isEmpty()) {
            rs.moveFirst();
            userId = rs.text(QStringLiteral("UserID"));
            mAssessDoctor = rs.text(QStringLiteral("Doctor"));
            // The slip is staged whole or not at all: a failure keeps the earlier rows. Every line
            // goes under the key the slip reads, so none is left off or piles up.
            Transaction staging(con);
            ClearChargePrint(con, userId, kCashPatient, refNum, false);
            for (; !rs.eof(); rs.moveNext())
                AppendChargePrint(con, CashAssessmentPrintLine(rs, refNum, userId, true));
            staging.commit();
        }
        if (!ReprintPrintAssessSlip(patientName, userId, refNum, patientType))
            return;
        SaveUserLog(con, QStringLiteral("Reprint Assessment under Patient : ") + patientName +
                             QStringLiteral(" | Reference# : ") + refNum);
    } catch (...) {
        tellCurrentError();
    }
}

bool frmPharma::ReprintPrintAssessSlip(const QString& PatientName, const QString& UserID, const QString& RefNum,
                                       qint16 PatientType) {
    return generalProcedure(kAssessmentsModule, QStringLiteral("ReprintPrintAssessSlip"), [&] {
        QString remarks;
        if (gSiteCode == QStringLiteral("OXBEN")) {
            // Cancel ends the reprint; an empty answer is asked again.
            for (;;) {
                const std::optional<QString> answer =
                    InputBox(QStringLiteral("Enter Remarks: "), QStringLiteral("Remarks"));
                if (!answer)
                    return false;
                if (!answer->isEmpty()) {
                    remarks = *answer;
                    break;
                }
            }
        }
        ChargeSlipHeader header;
        header.name = PatientName.trimmed();
        header.patientId = kCashPatient;
        header.encoder = gEmployeeName;
        header.printKey = UserID;
        header.slipNumber = RefNum;
        header.doctor = mAssessDoctor;
        header.position = gEmployeePosition;
        header.remarks = remarks;
        std::shared_ptr<report::Report> slip;
        SetChargeSlipReport(slip,
                            PatientType == kAdmittedPatientAssessment ? QStringLiteral("AssessSlipInPatient.rpt")
                                                                      : QStringLiteral("AssessSlip.rpt"),
                            header);
        if (GetPharmaSwitch(QStringLiteral("16"))) {
            frmView& preview = ReportWindow();
            preview.LoadReport(slip);
            showModal(preview);
        }
        slip->printOut(false);
        return true;
    });
}

void frmPharma::mnuRevokeAssess_Click() {
    eventHandler(kAssessmentsModule, QStringLiteral("mnuRevokeAssess_Click"),
                 [this] { RevokeAssessment(currentCell(0)); });
}

void frmPharma::RevokeAssessment(const QString& strRef) {
    generalProcedure(kAssessmentsModule, QStringLiteral("RevokeAssessment"), [&] {
        // Only an unpaid assessment can be revoked, whatever reached here.
        if (strRef.isEmpty() || !isUnpaidAssessmentList(selectedParentKey()))
            return;
        if (MsgBox(QStringLiteral("Are you sure to revoke this request?"), vbYesNo | vbQuestion,
                   QStringLiteral("Message")) == vbYes) {
            if (gCashInfo().Revoke_Assessment(strRef))
                SaveUserLog(QStringLiteral("Revoked Assessment. AssessSlip# : ") + strRef);
        }
        ClickTreeView();
    });
}

void frmPharma::setRxMark(const QString& procedure, bool marked) {
    eventHandler(kAssessmentsModule, procedure == QStringLiteral("Pharma_RxOn") ? QStringLiteral("mnuRxOn_Click")
                                                                                : QStringLiteral("mnuRxOFF_Click"),
                 [&] {
                     // The mark belongs to unit-dose patients only.
                     if (!isUnitDoseParent(selectedParentKey()) || flexMSHList->row() < 1)
                         return;
                     SQLConnection().callProcedure(procedure, {{QStringLiteral("@strIdNum"), currentCell(1)}});
                     const QString name = currentCell(4);
                     flexMSHList->setTextMatrix(flexMSHList->row(), 3,
                                                marked ? QStringLiteral("(RX)-") + name : name);
                 });
}

void frmPharma::mnuRxOn_Click() { setRxMark(QStringLiteral("Pharma_RxOn"), true); }
void frmPharma::mnuRxOFF_Click() { setRxMark(QStringLiteral("Pharma_RxOff"), false); }

} // namespace qx
