// Company-medicine screens: the save both screens share (checks, one transaction with the
// stock-card lines, the company-medicine records, the supervisor stamp and the over-stock log)
// and the print that saves first.
#include "posting/CompanyMarkupScreen.h"

#include "charging/ChargeGrid.h"
#include "charging/ChargeSlipRestage.h"
#include "charging/Numbering.h"
#include "charging/SlipPrinting.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "platform/report/Report.h"
#include "shell/Session.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx {

ManualPostingGrid CompanyMarkupScreen::postingGrid() const {
    ManualPostingGrid screen;
    screen.grid = flexMSEntry;
    screen.codeCol = colCode;
    screen.dosageCol = colDosage;
    screen.quantityCol = colQuantity;
    screen.stockCol = colStock;
    screen.amountCol = colAmount;
    screen.postedCol = -1;
    screen.canSaveRow = [this](int row) { return CanSaveRow(row); };
    screen.doctorBox = txtDocCode;
    screen.patientKey = Trim(patientBox()->text());
    return screen;
}

std::optional<CompanyMarkupScreen::Posted> CompanyMarkupScreen::runSave() {
    Connection& con = SQLConnection();
    DrugCatalog::Drug& drug = CurrentDrug();
    const PostingPlan plan = postingPlan();
    ManualPostingGrid screen = postingGrid();
    screen.overStockChoiceCol = plan.overStockChoiceCol;

    std::vector<SaveCheck> checks = leadingSaveChecks();
    QString unusedVerifier;
    const std::vector<SaveCheck> shared = ManualPostingChecks(
        con, drug, screen, unusedVerifier, {.supervisorValidation = false, .dangerousDrugLicence = false});
    checks.insert(checks.end(), shared.begin(), shared.end());
    if (!RunSaveChecks(checks))
        return std::nullopt;
    if (entrySaved_) {
        MsgBox(QStringLiteral("The entries of this patient were already saved."), vbInformation);
        return std::nullopt;
    }
    cmdSave->setEnabled(false);

    const QString transDate = Format(QVariant(con.serverNow()), QStringLiteral("mm/dd/yyyy hh:mm:ss"));
    const std::unique_ptr<NumberSeries> series = ChargeSlipSeriesFor(con, drug.Chargeslip(), plan.patientKey);
    ChargeSlipSave save;
    save.series = series.get();
    save.drug = &drug;
    save.idNum = plan.patientKey;
    save.claimedBy = gEmployeeCode;
    save.shownNumber = Trim(slipLabel()->text());
    save.stagingKey = gHostID;
    for (int row : UnpostedCompleteRows(screen)) {
        PostingLine line = ManualPostingLine(screen, row, transDate, plan.valueCount);
        line.args[1] = plan.hospNum;
        line.args[2] = plan.visit;
        plan.fillArgs(row, line.args);
        save.lines.push_back(line);
    }
    const QString verifier = patientVerifyID_;
    const QString markUpText = Trim(txtMarkUp->text());
    QString postedVisit = plan.visit;
    save.afterPosting = [&](Connection& c, const QString& slip, const std::vector<PostingLine>& lines) {
        // A new visit's lines were registered under the visit the stock card opened for them.
        if (plan.newVisit) {
            const Recordset rs = c.query(QStringLiteral("SELECT IdNum FROM tbInvStockCard WHERE RefNum = ? AND "
                                                        "HospNum = ? ORDER BY id LIMIT 1"),
                                         {slip, plan.hospNum});
            if (!rs.eof())
                postedVisit = rs.text(QStringLiteral("IdNum")).trimmed();
        }
        QStringList codes;
        for (const PostingLine& line : lines) {
            const auto cell = [&](int col) { return flexMSEntry->textMatrix(line.row, col); };
            c.callProcedure(QStringLiteral("sp_Pharma_Insert_CompanyMeds"),
                            {{QStringLiteral("@RefNum"), slip},
                             {QStringLiteral("@HospNum"), plan.hospNum},
                             {QStringLiteral("@IDNum"), postedVisit},
                             {QStringLiteral("@ItemID"), cell(colCode)},
                             {QStringLiteral("@UnitPrice"), Val(cell(colUnitPrice))},
                             {QStringLiteral("@Quantity"), Val(cell(colQuantity))},
                             {QStringLiteral("@Amount"), Val(cell(colAmount))},
                             {QStringLiteral("@MarkUp"), Val(markUpText)},
                             {QStringLiteral("@ListCost"), Val(cell(plan.listCostCol))},
                             {QStringLiteral("@UserID"), gEmployeeCode}});
            codes << Trim(line.itemCode);
        }
        // Only the approval given for this patient on this screen is stamped.
        if (!verifier.isEmpty())
            SetStockCardVerifier(c, slip, codes, verifier);
        LogOverStockChoices(c, lines, gEmployeeCode);
        if (savingForPrint_ && plan.restageForPrint)
            RestagePostedChargeSlip(c, drug, {.idNum = postedVisit, .slipNumber = slip, .key = gHostID, .toDump = false});
    };

    const std::optional<ChargeSlipPosted> posted = PostChargeSlipOrTell(con, save);
    if (!posted || posted->rows.empty()) {
        cmdSave->setEnabled(canSave());
        return std::nullopt;
    }
    slipLabel()->setText(posted->slipNumber + QStringLiteral(" "));
    if (plan.newVisit)
        patientBox()->setText(postedVisit);
    if (!savingForPrint_)
        ClearAll();
    focusIfEnabled(patientBox());
    flexMSEntry->setEnabled(false);
    entrySaved_ = true;
    return Posted{posted->slipNumber, postedVisit};
}

void CompanyMarkupScreen::runPrint(int& line) {
    line = 100;
    if (Trim(txtDocCode->text()).isEmpty()) {
        line = 102;
        MsgBox(QStringLiteral("pls add requesting doctor.."), vbInformation, QStringLiteral("Message"));
        line = 104;
        txtDocCode->setFocus(Qt::OtherFocusReason);
        return;
    }
    line = 106;
    const std::optional<SaveRefusal> zero = ZeroEntriesCheck(postingGrid())();
    line = 120;
    if (zero) {
        line = 122;
        MsgBox(zero->text, zero->style, zero->title);
        return;
    }
    line = 124;
    if (slipPrinted_) {
        MsgBox(QStringLiteral("The charge slip of this patient was already printed."), vbInformation);
        return;
    }
    line = 126;
    cmdPrintSave->setEnabled(false);
    line = 128;
    savingForPrint_ = true;
    line = 130;
    const std::optional<Posted> posted = runSave();
    if (!posted) {
        // Nothing was posted (told by the save): no slip, the lines stay.
        savingForPrint_ = false;
        cmdPrintSave->setEnabled(canSave());
        return;
    }
    line = 132;
    std::shared_ptr<report::Report> slip = openSlip(posted->slipNumber, posted->visit);
    line = 134;
    PrintSlipCopies(slip, slipCopies());
    line = 136;
    ClearAll();
    line = 138;
    savingForPrint_ = false;
    line = 140;
    slipPrinted_ = true;
    line = 142;
    slip.reset();
}

} // namespace qx
