// frmEntryOPMarkUp: what the save posts for the visit (a new visit for a master record), the
// discount reminder and the charge slip.
#include "posting/frmEntryOPMarkUp.h"

#include "charging/SlipPrinting.h"
#include "charging/TypeABDiscounts.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "platform/report/Report.h"
#include "shell/PatientChecks.h"
#include "shell/Session.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx {

namespace {
QString stationName(const QString& code) {
    if (code == QLatin1String("OR"))
        return QStringLiteral("Operating Room");
    if (code == QLatin1String("ER"))
        return QStringLiteral("Emergency Room");
    if (code == QLatin1String("DR"))
        return QStringLiteral("Delivery Room");
    if (code == QLatin1String("RR"))
        return QStringLiteral("Recovery Room");
    return code;
}
} // namespace

QLineEdit* frmEntryOPMarkUp::patientBox() const { return txtHospNum; }
QLabel* frmEntryOPMarkUp::slipLabel() const { return lblChargeSlip; }

std::vector<SaveCheck> frmEntryOPMarkUp::leadingSaveChecks() {
    return {[this]() -> std::optional<SaveRefusal> {
        if (!discounts_->chkTypeA->isChecked() && !discounts_->chkTypeB->isChecked())
            return std::nullopt;
        if (MsgBox(QStringLiteral("Please make sure than the discount rate was applied to the entries.  You can do this "
                                  "by clicking the APPLY button.  Do you wish to save your entries now?"),
                   vbCritical + vbYesNo) == vbYes)
            return std::nullopt;
        QWidget* apply = discounts_->chkTypeA->isChecked() ? discounts_->cmdApplyA : discounts_->cmdApplyB;
        return SaveRefusal{QString(), 0, QString(), apply};
    }};
}

CompanyMarkupScreen::PostingPlan frmEntryOPMarkUp::postingPlan() {
    PostingPlan plan;
    plan.patientKey = Trim(txtHospNum->text());
    plan.hospNum = Trim(lblPatInfo[1]->text());
    plan.newVisit = fromMasterRecord_;
    plan.visit = fromMasterRecord_ ? QStringLiteral("NEWOPD") : shownVisit_;
    plan.accountNum = Trim(txtAcctNum->text());
    plan.listCostCol = colListCost;
    plan.overStockChoiceCol = colOverStockChoice;
    plan.valueCount = 31;
    plan.restageForPrint = true;
    const QString doctor = Trim(txtDocCode->text());
    const QString account = plan.accountNum;
    plan.fillArgs = [this, doctor, account](int row, DrugCatalog::StockCardArgs& a) {
        a[11] = doctor;
        a[14] = QStringLiteral("OPD");
        a[22] = QStringLiteral("O");
        const QString discount = flexMSEntry->textMatrix(row, colDiscount);
        a[25] = discount.isEmpty() ? QStringLiteral("0") : discount;
        a[31] = account;
    };
    return plan;
}

void frmEntryOPMarkUp::cmdSave_Click() {
    unhandledErrorGuard([&] { runSave(); });
}

void frmEntryOPMarkUp::cmdPrintSave_Click() {
    unhandledErrorGuard([&] {
        int line = 0;
        runPrint(line);
    });
}

int frmEntryOPMarkUp::slipCopies() const { return GetChargeSlipCopies(true); }

std::shared_ptr<report::Report> frmEntryOPMarkUp::openSlip(const QString& slipNumber, const QString& visit) {
    Connection& con = SQLConnection();
    ChargeSlipHeader header;
    header.name = Trim(lblPatInfo[0]->text());
    header.patientId = visit;
    header.hospNum = Trim(lblPatInfo[1]->text());
    header.room = Trim(lblDoctor->text());
    header.encoder = gEmployeeName;
    header.transType = QStringLiteral("MP");
    header.account = QStringLiteral("(") + Trim(txtAcctNum->text()) + QStringLiteral(")") + Trim(lblAccount->text());
    // The slip's lines were staged under the workstation and this slip.
    header.printKey = gHostID;
    header.slipNumber = slipNumber;
    header.station = stationName(GetStation(con, visit, QString()));
    header.age = Trim(lblPatInfo[3]->text());
    header.sex = Trim(lblPatInfo[2]->text());
    header.position = gEmployeePosition;
    std::shared_ptr<report::Report> report;
    SetChargeSlipReport(report, QStringLiteral("OPDChargeSlip.rpt"), header);
    return report;
}

} // namespace qx
