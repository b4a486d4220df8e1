// The return screen's save buttons: the checks of each form, the posting of the lines under the
// credit memo or adjustment slip in one transaction, and the slip printed after it.
#include "returns/ReturnScreen.h"

#include "charging/ChargePosting.h"
#include "charging/SlipPrinting.h"
#include "components/Connection.h"
#include "components/InpatientFile.h"
#include "components/OutpatientFile.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "returns/ReturnCreditPosting.h"
#include "shell/HospitalSettings.h"
#include "shell/PatientChecks.h"
#include "shell/Session.h"
#include "shell/frmShift.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx {

namespace {

const QString kNotSaved = QStringLiteral("Not successfully saved. pls check the encoded data.");
constexpr int kNotSavedStyle = vbInformation + vbCritical;

// ---- The checks, each form's in its order ----

SaveCheck doctorCheck(const ReturnScreen& form) {
    return [&form]() -> std::optional<SaveRefusal> {
        // The look-up writes the code after a blank: a blank code names no doctor.
        if (!Trim(form.txtDocCode->text()).isEmpty())
            return std::nullopt;
        return SaveRefusal{QStringLiteral("pls add requesting doctor.."), vbInformation, QStringLiteral("Message"),
                           form.txtDocCode};
    };
}

SaveCheck remarksCheck(const ReturnScreen& form) {
    return [&form]() -> std::optional<SaveRefusal> {
        // Only the in-patient form of site KTH takes a return without a reason.
        if (!form.txtRemarks->text().isEmpty() || (form.profile().inPatient && gSiteCode == QStringLiteral("KTH")))
            return std::nullopt;
        return SaveRefusal{QStringLiteral("Please enter reason/remarks for returning the Medicine(s)."), vbInformation,
                           QStringLiteral("MESSAGE"), form.txtRemarks};
    };
}

SaveCheck invalidRowCheck(const ReturnScreen& form) {
    return [&form]() -> std::optional<SaveRefusal> {
        if (!form.InvalidRow())
            return std::nullopt;
        return SaveRefusal{QStringLiteral("Pls. correct the invalid row."), vbInformation, QStringLiteral("Message"),
                           nullptr};
    };
}

SaveCheck zeroEntriesCheck(const ReturnScreen& form) {
    ManualPostingGrid grid;
    grid.grid = form.flexMSEntry;
    grid.codeCol = ReturnScreen::colCode;
    grid.quantityCol = ReturnScreen::colQuantity;
    grid.amountCol = ReturnScreen::colAmount;
    return ZeroEntriesCheck(grid);
}

std::vector<SaveCheck> saveChecks(const ReturnScreen& form, QString& verifyId) {
    if (form.profile().inPatient)
        return {SupervisorCheck(verifyId), remarksCheck(form), doctorCheck(form), invalidRowCheck(form),
                zeroEntriesCheck(form)};
    return {SupervisorCheck(verifyId), doctorCheck(form), remarksCheck(form), zeroEntriesCheck(form)};
}

// ---- The lines ----

// The stock-card values of a savable row: a credit ("PC") for a return, a correction otherwise.
CreditLine creditLine(const ReturnScreen& form, int row, const QString& transDate) {
    const FlexGrid& g = *form.flexMSEntry;
    const bool isReturn = form.ReturnOrAdjustment() == ReturnScreen::kReturn;
    CreditLine line;
    line.row = row;
    line.name = QStringLiteral("Line ") + QString::number(row) + QStringLiteral(" (") +
                Trim(g.textMatrix(row, ReturnScreen::colCode)) + QStringLiteral(")");
    DrugCatalog::StockCardArgs& a = line.args;
    a.count = 28;
    if (form.profile().inPatient) {
        a[1] = Trim(form.lblPatInfo[static_cast<size_t>(form.profile().slotHospNum)]->text());
        a[2] = form.loadedPatientID();
        a[14] = SlotComponent(gComponents.gPatient).RoomNumber();
    } else {
        OutpatientFile::OPDPatient& visit = SlotComponent(gComponents.gOPDPatient);
        a[1] = visit.HospitalNumber();
        a[2] = visit.OPDNumber();
        a[14] = QStringLiteral("OPD");
        a[22] = QStringLiteral("O");
    }
    a[3] = g.textMatrix(row, ReturnScreen::colCode);
    a[4] = transDate;
    a[5] = Trim(g.textMatrix(row, ReturnScreen::colChargeSlip));
    a[6] = Val(g.textMatrix(row, ReturnScreen::colQuantity));
    a[7] = Val(g.textMatrix(row, ReturnScreen::colIssued));
    a[8] = Val(g.textMatrix(row, ReturnScreen::colAmount));
    a[9] = gEmployeeCode;
    a[10] = QString();
    a[11] = Trim(form.txtDocCode->text());
    a[12] = gLocationID;
    a[13] = QString();
    a[15] = int(frmShift::Default().Shift());
    if (isReturn) {
        a[16] = QStringLiteral("PC");
        a[17] = QStringLiteral("PC");
        a[19] = QStringLiteral("C");
    }
    a[24] = isReturn ? 2 : 3;
    a[26] = Val(form.txtIssued->text());
    a[28] = gHostID;
    return line;
}

// The save's own statements: the verifier on each credit line, the patient's late charges
// cleared, the reason on the memo's lines and print rows.
void writeVerifier(Connection& c, const QString& number, const CreditLine& line, const QString& verifyId) {
    c.execute(QStringLiteral("UPDATE tbInvStockCard SET VerifyID = ? WHERE RefNum = ? AND ItemID = ? AND CreditMemoNum = ?"),
              {verifyId.isNull() ? QStringLiteral("") : verifyId, line.chargeSlip(), line.itemCode(), number});
}

void clearLateCharges(Connection& c, bool inPatient, const QString& patientId) {
    if (inPatient) {
        if (IsIPDDischarged(c, patientId) && IPDHasLateCharges(c, patientId))
            c.execute(QStringLiteral("UPDATE patient_data.tbPatient SET LateCharges = 0 WHERE IDNum = ?"), {patientId});
    } else if (OPDHasLateCharges(c, patientId)) {
        c.execute(QStringLiteral("UPDATE patient_data.tbOutPatient SET LateCharges = 0 WHERE IDNum = ?"), {patientId});
    }
}

} // namespace

void ReturnScreen::cmdSave_Click() {
    eventHandler(profile_.module, QStringLiteral("cmdSave_Click"), [&] { saveEntry(); });
}

ReturnScreen::SaveOutcome ReturnScreen::saveEntry() {
    // Only an approval given on this screen for this patient is recorded.
    QString verifyId = supervisorVerifyID_;
    if (!RunSaveChecks(saveChecks(*this, verifyId)))
        return SaveOutcome::Refused;
    if (isEntrySaved)
        return SaveOutcome::AlreadySaved;

    Connection& con = SQLConnection();
    DrugCatalog::Drug& drug = SlotComponent(gComponents.gDrug).Drug();
    cmdSave->setEnabled(false);
    if (profile_.inPatient)
        cmdPrintSave->setEnabled(false);

    const QString transDate = Format(QVariant(con.serverNow()), QStringLiteral("mm/dd/yyyy hh:mm:ss"));
    const bool inPatient = profile_.inPatient;
    CreditMemoSave save;
    save.kind = returnOrAdjustment_ == kReturn ? CreditMemoSeries::Kind::CreditMemo
                                               : CreditMemoSeries::Kind::AdjustmentSlip;
    save.claimedBy = gEmployeeCode;
    save.stagingKey = gHostID;
    save.shownNumber = Trim(numberLabel()->text());
    save.itemLocation = gLocationID;
    for (int row = 1; row < flexMSEntry->rows(); ++row)
        if (CanSaveRow(row))
            save.lines.push_back(creditLine(*this, row, transDate));
    const QString patientId = save.lines.empty() ? loadedPatientID_ : Trim(save.lines.front().patientId());
    save.idNum = patientId;
    const QString remarks = txtRemarks->text();
    // The out-patient form records its verifier on every line, an empty one too.
    const bool verifierAlways = !inPatient;
    save.afterLine = [verifyId, verifierAlways](Connection& c, const QString& number, const CreditLine& line) {
        if (verifierAlways || !verifyId.isEmpty())
            writeVerifier(c, number, line, verifyId);
    };
    save.afterPosting = [inPatient, patientId, remarks](Connection& c, const QString& number) {
        if (number.isEmpty())
            return;
        clearLateCharges(c, inPatient, patientId);
        if (!remarks.isEmpty())
            SetCreditMemoRemarks(c, number, remarks);
    };

    const std::optional<CreditMemoPosted> posted = PostCreditMemoOrTell(con, drug, save);
    if (!posted || !posted->posted()) {
        // Nothing stayed: the entry can be mended and saved again.
        if (posted && inPatient)
            MsgBox(kNotSaved, kNotSavedStyle, QStringLiteral("Message"));
        cmdSave->setEnabled(true);
        cmdPrintSave->setEnabled(true);
        return posted ? (inPatient ? SaveOutcome::Told : SaveOutcome::Refused) : SaveOutcome::Told;
    }
    setBannerText(profile_.slotNumber, QStringLiteral(" ") + posted->number);
    if (canSave()) {
        if (!isPrintSave)
            ClearAll();
        if (txtFind->isEnabled() && (!inPatient || txtFind->isVisible()))
            txtFind->setFocus(Qt::OtherFocusReason);
        if (flexMSEntry->isEnabled())
            flexMSEntry->setEnabled(false);
    }
    isEntrySaved = true;
    return SaveOutcome::Posted;
}

void ReturnScreen::cmdPrintSave_Click() {
    eventHandler(profile_.module, QStringLiteral("cmdPrintSave_Click"), [&] {
        if (!RunSaveChecks({doctorCheck(*this), zeroEntriesCheck(*this)}))
            return;
        if (!isSlipPrinted) {
            cmdPrintSave->setEnabled(false);
            isPrintSave = true;
            SaveOutcome outcome = SaveOutcome::Refused;
            try {
                outcome = saveEntry();
            } catch (...) {
                isPrintSave = false;
                throw;
            }
            // The print mode ends with this click: a later Save is a plain one.
            isPrintSave = false;
            if (outcome != SaveOutcome::Posted) {
                if (outcome != SaveOutcome::Told)
                    MsgBox(kNotSaved, kNotSavedStyle, QStringLiteral("Message"));
                isEntrySaved = false;
                return;
            }
            printSlip();
            ClearAll();
        }
        isSlipPrinted = true;
    });
}

// The slip of the number just posted, straight to the printer once; it reads the rows the save
// staged under this workstation.
void ReturnScreen::printSlip() {
    const bool memo = returnOrAdjustment_ == kReturn;
    const QString file = profile_.inPatient ? (memo ? QStringLiteral("CMSlip.rpt") : QStringLiteral("AdjustSlip.rpt"))
                                            : (memo ? QStringLiteral("OPDCMSlip.rpt") : QStringLiteral("OPDAdjustSlip.rpt"));
    const auto banner = [this](int slot) { return Trim(lblPatInfo[static_cast<size_t>(slot)]->text()); };
    QVariantMap values{
        {QStringLiteral("NAME"), banner(profile_.slotName)},
        {QStringLiteral("ADMNUM"), Trim(txtFind->text())},
        {QStringLiteral("HOSPNUM"), banner(profile_.slotHospNum)},
        {QStringLiteral("RECEIVED"), Trim(gEmployeeName)},
        {QStringLiteral("ENCODER"), Trim(gEmployeeName)},
        {QStringLiteral("INPUTUSERID"), Trim(gHostID)},
        {QStringLiteral("REFNUM"), banner(profile_.slotNumber)},
        {QStringLiteral("HOSPITALNAME"), gHospitalName},
        {QStringLiteral("HOSPITALADDRESS"), gHospitalAddress},
        {QStringLiteral("POSITION"), gEmployeePosition},
    };
    if (profile_.slotRoom >= 0)
        values.insert(QStringLiteral("ROOM"), banner(profile_.slotRoom));
    PrintSlipCopies(OpenSlipReport(file, values), 1);
}

} // namespace qx
