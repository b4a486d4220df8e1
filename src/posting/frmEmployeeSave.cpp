// frmEmployee: the save's checks (account, credit limit, zero values, lines that cannot be
// posted, the discount's code), the posting under one charge slip with the discount line to
// billing, and the employee charge slip.
#include "posting/frmEmployee.h"

#include "charging/ChargeEligibility.h"
#include "charging/ChargeGrid.h"
#include "charging/ChargeSlipRestage.h"
#include "charging/Numbering.h"
#include "charging/SlipPrinting.h"
#include "charging/StockCard.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "components/OutpatientFile.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "platform/report/Report.h"
#include "shell/HospitalSettings.h"
#include "shell/PatientChecks.h"
#include "shell/Session.h"
#include "shell/Switches.h"
#include "shell/UserLog.h"
#include "shell/frmShift.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx {

namespace {
const QString kEmployeeSaveModule = QStringLiteral("frmEmployee");
const QString kNewVisitId = QStringLiteral("NEWOPD");

// A total label read as a number; the unit-cost totals carry thousands separators.
double labelAmount(const QLabel* label) { return Val(QString(label->text()).remove(u',')); }
} // namespace

ManualPostingGrid frmEmployee::postingGrid() const {
    ManualPostingGrid screen;
    screen.grid = flexMSEntry;
    screen.codeCol = colCode;
    screen.dosageCol = colDosage;
    screen.quantityCol = colQuantity;
    screen.stockCol = colStock;
    screen.amountCol = colAmount;
    screen.overStockChoiceCol = colOverStock;
    screen.postedCol = -1;
    screen.canSaveRow = [this](int row) { return CanSaveRow(row); };
    screen.patientKey = Trim(txtIDNum->text());
    return screen;
}

QString frmEmployee::GetDiscountName(const QString& Code) const {
    return generalProcedure(kEmployeeSaveModule, QStringLiteral("GetDiscountName"), [&] {
        Recordset rs = SQLConnection().query(
            QStringLiteral("SELECT ItemName FROM build_file.tbCoRevenueCode WHERE RevenueID = ?"), {Code});
        return rs.eof() ? QString() : rs.text(QStringLiteral("ItemName"));
    });
}

// The code the discount total goes to billing under: the type-A entry, else the first type-B
// entry, each keeping its row's code; at QVH the type-A row of the employee rate.
QString frmEmployee::discountRevenueCode() const {
    if (gSiteCode == QLatin1String("QVH")) {
        Recordset rs = SQLConnection().query(QStringLiteral("SELECT DiscountCode FROM tbPharmaDiscounts WHERE TypeA = 1 "
                                                            "AND Discount = ? ORDER BY id LIMIT 1"),
                                             {gDiscountEmployee});
        return rs.eof() ? QString() : Trim(rs.text(QStringLiteral("DiscountCode")));
    }
    if (chkTypeA->isChecked())
        return GetDiscountCode();
    if (chkTypeB->isChecked() && cmbB1->currentIndex() >= 0)
        return Trim(cmbB1->currentData().toString());
    return GetDiscountCode();
}

bool frmEmployee::IsValidated() {
    return generalProcedure(kEmployeeSaveModule, QStringLiteral("IsValidated"), [&] {
        Connection& con = SQLConnection();
        std::vector<SaveCheck> checks;
        checks.push_back([this]() -> std::optional<SaveRefusal> {
            if (!Trim(txtAcctNum->text()).isEmpty())
                return std::nullopt;
            return SaveRefusal{QStringLiteral("Invalid Account Number."), vbInformation, QString(), txtAcctNum};
        });
        // The limit and the year's charges of the account charged, as they stand now.
        checks.push_back([this, &con]() -> std::optional<SaveRefusal> {
            const bool qvh = gSiteCode == QLatin1String("QVH");
            if (qvh)
                for (QLabel* label : {lblCreditLimit, lblCredit, lblCreditTotal, lblTotalCredit})
                    label->show();
            if (!qvh && !gEmpCreditLimit)
                return std::nullopt;
            const QString account = Trim(txtAcctNum->text());
            if (GetCompanyCreditLimit(con, account) > GetChargesOnAccount(con, account) + labelAmount(lblNet))
                return std::nullopt;
            return SaveRefusal{QStringLiteral("The Total Medicine Charges (incurred for the current year) + Total Amount "
                                              "of Current Transaction already exceeds the Total Credit Limit of the "
                                              "Employee Account."),
                               vbOKOnly, QStringLiteral("MESSAGE"), nullptr};
        });
        const std::vector<SaveCheck> shared = ManualPostingChecks(
            con, CurrentDrug(), postingGrid(), verifyId_, {.supervisorValidation = false, .dangerousDrugLicence = false});
        checks.insert(checks.end(), shared.begin(), shared.end());
        checks.push_back([this]() -> std::optional<SaveRefusal> {
            const double discount = labelAmount(lblDiscount);
            if (discount == 0 || !discountRevenueCode().isEmpty())
                return std::nullopt;
            return SaveRefusal{QStringLiteral("The discount of ") + Format(discount, QStringLiteral("#,##0.00")) +
                                   QStringLiteral(" has no discount code to post to billing under.  Please check the "
                                                  "discount applied."),
                               vbExclamation, QString(), nullptr};
        });
        return RunSaveChecks(checks);
    });
}

bool frmEmployee::IsSaved(int mode) {
    return generalProcedure(kEmployeeSaveModule, QStringLiteral("IsSaved"), [&] {
        verifyId_.clear();
        if (!RunSaveChecks({SupervisorCheck(verifyId_)}))
            return false;
        Connection& con = SQLConnection();
        DrugCatalog::Drug& drug = CurrentDrug();
        const QString visitBox = Trim(txtIDNum->text());
        const QString hospitalNumber = Trim(lblPatInfo[1]->text());
        const QString account = Trim(txtAcctNum->text());
        const QString visitPosted = newPatient_ ? kNewVisitId : gComponents.gOPDPatient->OPDNumber();
        const QString transDate = Format(QVariant(con.serverNow()), QStringLiteral("mm/dd/yyyy hh:mm:ss"));
        const bool byLocation = GetInvSwitch(con, QStringLiteral("89"));
        cmdSave->setEnabled(false);

        ChargeSlipSave save;
        const std::unique_ptr<NumberSeries> series = ChargeSlipSeriesFor(con, drug.Chargeslip(), visitBox);
        save.series = series.get();
        save.drug = &drug;
        save.idNum = visitBox;
        save.claimedBy = gEmployeeCode;
        save.shownNumber = Trim(lblAccount[2]->text());
        const ManualPostingGrid screen = postingGrid();
        for (int row = 1; row < flexMSEntry->rows(); ++row) {
            if (!CanSaveRow(row))
                continue;
            PostingLine line = ManualPostingLine(screen, row, transDate, 31);
            DrugCatalog::StockCardArgs& a = line.args;
            const QString code = flexMSEntry->textMatrix(row, colCode);
            // The gross is posted; the discounts go to billing as one line.
            double amount = Val(flexMSEntry->textMatrix(row, colGross));
            if (gSiteCode != QLatin1String("BELQ") && gSiteCode != QLatin1String("QVH") && !(amount > 0)) {
                if (byLocation ? drug.SearchDrug(code, gLocationID, visitBox) : drug.SearchDrug(code))
                    amount = (gEmpOutPrice ? drug.Invent().SellingPriceOut : drug.Invent().SellingPriceIn) *
                             Val(flexMSEntry->textMatrix(row, colQuantity));
            }
            a[1] = hospitalNumber;
            a[2] = visitPosted;
            a[8] = amount;
            a[11] = account;
            a[14] = QStringLiteral("OPD");
            a[22] = QStringLiteral("O");
            a[25] = 0;
            a[31] = account;
            save.lines.push_back(line);
        }
        const double discount = labelAmount(lblDiscount);
        const QString revenueCode = discountRevenueCode();
        const QString verifyId = verifyId_;
        QString postedVisit = visitPosted;
        save.afterPosting = [&](Connection& c, const QString& slip, const std::vector<PostingLine>& lines) {
            QStringList codes;
            for (const PostingLine& line : lines)
                codes << Trim(line.itemCode);
            if (!verifyId.isEmpty())
                SetStockCardVerifier(c, slip, codes, verifyId);
            LogOverStockChoices(c, lines, gEmployeeCode);
            // A new patient's lines were posted under the visit the stock card opened for them.
            if (postedVisit == kNewVisitId)
                postedVisit = GetStockCardIDNum(c, slip).trimmed();
            if (discount != 0)
                PostChargeDiscountToBilling(c, postedVisit, hospitalNumber, slip, revenueCode, discount, gEmployeeCode,
                                            QStringLiteral("OPD"));
            if (mode != 1)
                return;
            // The slip shows only this save's lines, staged under this workstation.
            RestagePostedChargeSlip(c, drug,
                                    {.idNum = postedVisit,
                                     .slipNumber = slip,
                                     .key = gHostID,
                                     .toDump = false,
                                     .withPrices = true,
                                     .procedure = QStringLiteral("Pharma_GetChargePrint_New"),
                                     .describeMissing = [this](const QString& code) { return GetDiscountName(code); },
                                     .dosage = account});
        };
        const QString patientName = Trim(lblPatInfo[0]->text());
        save.userLog = [patientName](const QString& slip) {
            return QStringLiteral("Saved Request under Patient : ") + patientName + QStringLiteral(" |  Reference# : ") + slip;
        };

        const std::optional<ChargeSlipPosted> posted = PostChargeSlipOrTell(con, save);
        // Success is only told for a save that posted lines.
        if (!posted || posted->rows.empty()) {
            enableSaveButtons();
            return false;
        }
        lblAccount[2]->setText(posted->slipNumber + u' ');
        postedVisit_ = postedVisit;
        return true;
    });
}

void frmEmployee::cmdSave_Click() {
    eventHandler(kEmployeeSaveModule, QStringLiteral("cmdSave_Click"), [&] {
        if (!IsValidated())
            return;
        if (!IsSaved(0)) {
            ShowInfo(QStringLiteral("Saving failed. Please try again"));
            return;
        }
        ShowInfo(QStringLiteral("Saving completed successfully."));
        ClearAll();
        flexMSEntry->setEnabled(false);
    });
}

void frmEmployee::cmdPrintSave_Click() {
    eventHandler(kEmployeeSaveModule, QStringLiteral("cmdPrintSave_Click"), [&] {
        if (!IsValidated())
            return;
        if (!IsSaved(1)) {
            ShowInfo(QStringLiteral("Saving failed. Please try again"));
            return;
        }
        ShowInfo(QStringLiteral("Saving completed successfully."));
        PrintSave();
        flexMSEntry->setEnabled(false);
    });
}

void frmEmployee::PrintSave() {
    generalProcedure(kEmployeeSaveModule, QStringLiteral("PrintSave"), [&] {
        cmdPrintSave->setEnabled(false);
        const QString slip = Trim(lblAccount[2]->text());
        const QString patientName = Trim(lblPatInfo[0]->text());
        if (txtIDNum->text() == QLatin1String("NEW"))
            txtIDNum->setText(postedVisit_);
        const bool staged =
            !SQLConnection()
                 .query(QStringLiteral("SELECT 1 FROM tbPharmaChargePrint WHERE UserID = ? AND IdNum = ? AND RefNum = ?"),
                        {gHostID, Trim(txtIDNum->text()), slip})
                 .isEmpty();
        if (!staged) {
            // Nothing of this save reads back: no slip of someone else's lines is printed.
            MsgBox(QStringLiteral("The charge slip ") + slip + QStringLiteral(" has no lines to print."), vbExclamation);
        } else {
            ChargeSlipHeader header;
            header.name = patientName;
            header.patientId = Trim(txtIDNum->text());
            header.hospNum = Trim(lblPatInfo[1]->text());
            header.encoder = gEmployeeName;
            header.issuedBy = Trim(gEmployeeCode);
            header.transType = QStringLiteral("MP");
            header.account = QStringLiteral("(") + Trim(txtAcctNum->text()) + QStringLiteral(")") + Trim(lblAccount[0]->text());
            header.printKey = gHostID;
            header.slipNumber = slip;
            header.age = Trim(lblPatInfo[3]->text());
            header.sex = Trim(lblPatInfo[2]->text());
            header.position = gEmployeePosition;
            // The lines stay posted whatever the printing does; a failure is told.
            PrintPostedSlipOrTell(slip, [&] {
                std::shared_ptr<report::Report> report;
                SetChargeSlipReport(report, QStringLiteral("OPDChargeSlip_Emp.rpt"), header);
                PrintSlipReport(report, false);
            });
        }
        ClearAll();
        if (saveUserLog)
            saveUserLog(QStringLiteral("Saved and Print Request under Patient : ") + patientName +
                        QStringLiteral("  | Reference# : ") + slip);
    });
}

} // namespace qx
