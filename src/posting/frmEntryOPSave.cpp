// frmEntryOP: the save's checks, the posting of the lines under one charge slip (a new visit's
// lines registering one visit), their staging and the slip print.
#include "posting/frmEntryOP.h"

#include "charging/ChargeGrid.h"
#include "charging/ChargePosting.h"
#include "charging/ChargeSlipRestage.h"
#include "charging/Numbering.h"
#include "charging/SlipPrinting.h"
#include "charging/TypeABDiscounts.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "components/OutpatientFile.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "platform/report/Report.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx {

namespace {
const QString kOPSaveModule = QStringLiteral("frmEntryOP");
const QString kNewVisitId = QStringLiteral("NEWOPD");
} // namespace

ManualPostingGrid frmEntryOP::postingGrid() const {
    ManualPostingGrid screen;
    screen.grid = grdItemList;
    screen.codeCol = colCode;
    screen.dosageCol = colDosage;
    screen.quantityCol = colQuantity;
    screen.stockCol = colStock;
    screen.amountCol = colAmount;
    screen.overStockChoiceCol = colOverStock;
    screen.postedCol = colPosted;
    screen.canSaveRow = [this](int row) { return CanSaveRow(row); };
    screen.doctorBox = txtDocCode;
    screen.doctorName = lblDoctor->text();
    screen.patientKey = Trim(txtIDNum->text());
    return screen;
}

bool frmEntryOP::Validate() {
    return generalProcedure(kOPSaveModule, QStringLiteral("Validate"), [&] {
        std::vector<SaveCheck> checks;
        // Asked on the boxes alone, whether or not a rate was applied.
        checks.push_back([this]() -> std::optional<SaveRefusal> {
            if (!discounts_->chkTypeA->isChecked() && !discounts_->chkTypeB->isChecked())
                return std::nullopt;
            if (MsgBox(QStringLiteral("Please make sure than the discount rate was applied to the entries.  You can do "
                                      "this by clicking the APPLY button.  Do you wish to save your entries now?"),
                       vbCritical + vbYesNo) == vbYes)
                return std::nullopt;
            QWidget* apply = discounts_->chkTypeA->isChecked() ? discounts_->cmdApplyA : discounts_->cmdApplyB;
            return SaveRefusal{QString(), 0, QString(), apply};
        });
        const std::vector<SaveCheck> shared =
            ManualPostingChecks(SQLConnection(), gComponents.gDrug->Drug(), postingGrid(), verifyID_);
        checks.insert(checks.end(), shared.begin(), shared.end());
        return RunSaveChecks(checks);
    });
}

bool frmEntryOP::Save(int mode) {
    return generalProcedure(kOPSaveModule, QStringLiteral("Save"), [&] {
        verifyID_.clear();
        if (!Validate())
            return false;
        Connection& con = SQLConnection();
        DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
        const QString visitBox = Trim(txtIDNum->text());
        const QString hospitalNumber = Trim(lblPatInfo[1]->text());
        const QString visitPosted = isNewVisit_ ? kNewVisitId : gComponents.gOPDPatient->OPDNumber();
        const QString transDate = Format(QVariant(con.serverNow()), QStringLiteral("mm/dd/yyyy hh:mm:ss"));
        cmdSave->setEnabled(false);

        ChargeSlipSave save;
        const std::unique_ptr<NumberSeries> series = ChargeSlipSeriesFor(con, drug.Chargeslip(), visitBox);
        save.series = series.get();
        save.drug = &drug;
        save.idNum = visitBox;
        save.claimedBy = gEmployeeCode;
        save.shownNumber = Trim(lblChargeSlip->text());
        save.stagingKey = gHostID;
        const ManualPostingGrid screen = postingGrid();
        for (int row : UnpostedCompleteRows(screen)) {
            PostingLine line = ManualPostingLine(screen, row, transDate, 31);
            DrugCatalog::StockCardArgs& a = line.args;
            a[1] = hospitalNumber;
            a[2] = visitPosted;
            a[11] = Trim(txtDocCode->text());
            a[14] = QStringLiteral("OPD");
            a[22] = QStringLiteral("O");
            const QString discount = grdItemList->textMatrix(row, colDiscount);
            a[25] = discount.isEmpty() ? QStringLiteral("0") : discount;
            a[31] = QString();
            save.lines.push_back(line);
        }
        const auto followUp = ManualPostingFollowUp(verifyID_, true, chkDirectTransaction->isChecked());
        QString stagedVisit = visitBox;
        save.afterPosting = [&, followUp](Connection& c, const QString& slip, const std::vector<PostingLine>& lines) {
            followUp(c, slip, lines);
            // A new visit's lines were registered under the visit the stock card opened for them.
            const Recordset rs = c.query(QStringLiteral("SELECT IdNum FROM tbInvStockCard WHERE RefNum = ? AND HospNum = ? "
                                                        "ORDER BY id LIMIT 1"),
                                         {slip, hospitalNumber});
            if (!rs.eof())
                stagedVisit = rs.text(QStringLiteral("IdNum")).trimmed();
            if (mode != 1)
                return;
            RestagePostedChargeSlip(c, drug, {.idNum = stagedVisit, .slipNumber = slip, .key = QString(), .toDump = true});
            RestagePostedChargeSlip(c, drug, {.idNum = stagedVisit, .slipNumber = slip, .key = gHostID, .toDump = false});
        };
        const QString patientName = Trim(lblPatInfo[0]->text());
        save.userLog = [mode, patientName](const QString& slip) {
            return QStringLiteral("Saved ") + (mode == 1 ? QStringLiteral("and Print ") : QString()) +
                   QStringLiteral("Request under Patient : ") + patientName + QStringLiteral(" | ChargeSlip# : ") + slip;
        };

        const std::optional<ChargeSlipPosted> posted = PostChargeSlipOrTell(con, save);
        if (!posted) {
            enableSaveButtons();
            return false;
        }
        for (int row : posted->rows)
            grdItemList->setTextMatrix(row, colPosted, QStringLiteral("P"));
        lblChargeSlip->setText(posted->slipNumber);
        if (mode == 1)
            PrintPostedSlipOrTell(posted->slipNumber, [&] { PrintChargeSlip(stagedVisit); });
        ClearAll();
        if (txtIDNum->isEnabled())
            txtIDNum->setFocus(Qt::OtherFocusReason);
        if (grdItemList->isEnabled())
            grdItemList->setEnabled(false);
        saved_ = true;
        lblVelmira->hide();
        return true;
    });
}

void frmEntryOP::PrintChargeSlip(const QString& visitId) {
    generalProcedure(kOPSaveModule, QStringLiteral("PrintChargeSlip"), [&] {
        ChargeSlipHeader header;
        header.name = Trim(lblPatInfo[0]->text());
        header.patientId = visitId;
        header.hospNum = Trim(lblPatInfo[1]->text());
        header.room = Trim(lblDoctor->text());
        header.encoder = gEmployeeName;
        header.transType = QStringLiteral("MP");
        header.account = QStringLiteral("(") + Trim(txtAcctNum->text()) + QStringLiteral(")") + Trim(lblAccount->text());
        header.printKey = gHostID;
        header.slipNumber = Trim(lblChargeSlip->text());
        header.age = Trim(lblPatInfo[3]->text());
        header.sex = Trim(lblPatInfo[2]->text());
        header.position = gEmployeePosition;
        std::shared_ptr<report::Report> report;
        SetChargeSlipReport(report, QStringLiteral("OPDChargeSlip.rpt"), header);
        // The out-patient slip asks no copies: the site default decides them (2 at site ZMX).
        PrintSlipReport(report, true, false);
    });
}

} // namespace qx
