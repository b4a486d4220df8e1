// frmEntry: item entry on the grid — the code look-up, the dosage, the quantity and remarks
// commit, the cash-basis restriction and the price change of a line.
#include "posting/frmEntry.h"

#include "charging/ChargeGrid.h"
#include "charging/ItemEntry.h"
#include "charging/PriceLookups.h"
#include "components/Connection.h"
#include "components/DoseForms.h"
#include "components/DrugCatalog.h"
#include "components/DrugPicker.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/ItemLookups.h"
#include "shell/PatientChecks.h"
#include "shell/Session.h"
#include "shell/Switches.h"
#include "shell/frmShift.h"

#include <QLabel>
#include <QLineEdit>

namespace qx {

namespace {
const QString kItemEntryModule = QStringLiteral("frmEntry");
const QString kAmountPattern = QStringLiteral("###0.00");
const QString kEntryPriceLocation = QStringLiteral("20");

DrugCatalog::Drug& entryDrug() {
    if (!gComponents.gDrug)
        throw AppError(91, QStringLiteral("prjQuillax"), QStringLiteral("Object variable or With block variable not set"));
    return gComponents.gDrug->Drug();
}

DrugPicker::DrugList& entryDrugPicker() {
    if (!gComponents.gDrugList)
        throw AppError(91, QStringLiteral("prjQuillax"), QStringLiteral("Object variable or With block variable not set"));
    return *gComponents.gDrugList;
}

// A cell that holds a number as a whole (blanks around it allowed).
bool entryCellIsNumber(const QString& text) { return IsNumeric(text); }
} // namespace

void frmEntry::cmdEntry_Click() {
    eventHandler(kItemEntryModule, QStringLiteral("cmdEntry_Click"), [&] { lookUpEntry(); });
}

void frmEntry::lookUpEntry() {
    if (useECartLocation_)
        gLocationID = gECartLocationID;
    bool commit = false;
    switch (grdItemList->col()) {
    case colCode:
        if (Trim(txtFind->text()).isEmpty()) {
            MsgBox(QStringLiteral("Please enter Patient's ID Number."), vbInformation);
            txtFind->setFocus(Qt::OtherFocusReason);
            return;
        }
        commit = lookUpCode();
        break;
    case colDosage:
        commit = takeDosage();
        break;
    default:
        break;
    }
    const QString text = chargeGrid_->editorText();
    if (!text.isEmpty() && commit) {
        chargeGrid_->acceptCommit(text);
        chargeGrid_->setEditorText(QString());
        return;
    }
    chargeGrid_->rejectCommit();
}

// The code column: true when the line was filled with the found item.
bool frmEntry::lookUpCode() {
    ItemCodeRequest request;
    request.typed = chargeGrid_->editorText();
    request.grid = grdItemList;
    request.codeCol = colCode;
    request.parent = this;
    request.chooseLocation = gPharmaSwitches.IsKelvarHospital();
    request.pick = [](const QString& typed) {
        DrugPicker::DrugList& picker = entryDrugPicker();
        picker.setDrugsOrCsr(true);
        return gDrugListByGeneric ? picker.ShowList() : picker.ShowList(typed, std::nullopt, gLocationID);
    };
    request.byGeneric = gDrugListByGeneric;
    request.location = gLocationID;
    request.patientKey = Trim(txtFind->text());
    const ItemCodeOutcome outcome = ResolveItemCode(SQLConnection(), entryDrug(), request);
    chargeGrid_->setEditorText(outcome.code);
    switch (outcome.result) {
    case ItemCodeResult::Duplicate:
        MsgBox(QStringLiteral("The same medicine was already requested"), vbExclamation);
        return false;
    case ItemCodeResult::Found:
        if (!ProceedCharge())
            return false;
        if (entryDrug().Status() != 0) {
            MsgBox(QStringLiteral("Drug is inactive. Change Item Status in Inventory Master file."), vbInformation,
                   QStringLiteral("Quillax"));
            return false;
        }
        return DisplayItem2();
    case ItemCodeResult::Empty:
    case ItemCodeResult::NotFound:
        return false;
    }
    return false;
}

// The dosage column: true when a dosage was taken. Its frequency is put through the quantity
// commit, so a quantity the commit refuses is never left in the line.
bool frmEntry::takeDosage() {
    DoseForms::Dosage& dosage = *gComponents.gDosage;
    bool accepted = dosage.GetInfo(chargeGrid_->editorText());
    if (!accepted) {
        chargeGrid_->setEditorText(gComponents.gDosageList->ShowList());
        accepted = dosage.GetInfo(chargeGrid_->editorText());
    }
    if (!accepted || chargeGrid_->editorText().isEmpty())
        return false;
    const int row = grdItemList->row();
    if (gShowColorAntibioticClass) {
        const QString color = GetAntibioticClassColor(SQLConnection(), grdItemList->textMatrix(row, colCode));
        if (!color.isEmpty()) {
            grdItemList->setCol(colCode);
            grdItemList->setCellFontBold(true);
            grdItemList->setCellForeColor(static_cast<ColorValue>(color.toUInt()));
            grdItemList->setCol(colDosage);
        }
    }
    chargeGrid_->setEditorText(dosage.DosageID());
    QString logChoice;
    if (commitQuantity(row, Text(dosage.Frequency()), logChoice) == QuantityVerdict::Commit) {
        grdItemList->setTextMatrix(row, colOverStockChoice, logChoice);
    } else {
        grdItemList->setTextMatrix(row, colQuantity, QString());
        lblPatInfo[6]->setText(TotalCharges());
    }
    return true;
}

void frmEntry::txtEntry_DblClick() {
    eventHandler(kItemEntryModule, QStringLiteral("txtEntry_DblClick"), [&] {
        const int row = grdItemList->row();
        const int col = grdItemList->col();
        if (col != colQuantity && col != colRemarks) {
            lookUpEntry();
            return;
        }
        const QString text = chargeGrid_->editorText();
        QString logChoice;
        bool commit = true;
        if (col == colQuantity) {
            const QuantityVerdict verdict = commitQuantity(row, text, logChoice);
            // The checks that stop before any prompt leave the line as it was, column 14 included.
            if (verdict == QuantityVerdict::Invalid || verdict == QuantityVerdict::Refused) {
                chargeGrid_->rejectCommit();
                return;
            }
            commit = verdict == QuantityVerdict::Commit;
        } else {
            grdItemList->setTextMatrix(row, colRemarks, text);
        }
        if (commit)
            chargeGrid_->acceptCommit();
        else
            chargeGrid_->rejectCommit();
        grdItemList->setTextMatrix(row, colOverStockChoice, logChoice);
    });
}

// Checks the quantity of the line (prompts included) and, when it passes, writes it with its
// amount. `logChoice` receives the over-stock prompt's choice text.
QuantityVerdict frmEntry::commitQuantity(int row, const QString& typed, QString& logChoice) {
    QuantityCommitRequest request;
    request.parent = this;
    request.typed = typed;
    request.stockOnHand = Val(grdItemList->textMatrix(row, colStock));
    request.refuseOverStock = gAllowZeroOnHand;
    request.overStockRefusal = QStringLiteral(
        "Stock is not available to fill Prescription. Please enter quantity not greater than the stock onhand.");
    request.overStockRefusalTitle = QStringLiteral("MESSAGE");
    request.findSubstitute = [&] { return findSubstitute(row); };
    request.askLargeQuantity = true;
    request.description = [&] { return grdItemList->textMatrix(row, colDescription); };
    request.unitPrice = [&] { return Val(grdItemList->textMatrix(row, colUnitPrice)); };
    const QuantityCommitOutcome outcome = CommitQuantity(request);
    logChoice = outcome.logChoice;
    if (outcome.verdict == QuantityVerdict::Commit)
        writeQuantity(row, outcome.quantity);
    return outcome.verdict;
}

// The over-stock prompt's substitute: true when the quantity is still to be committed.
bool frmEntry::findSubstitute(int row) {
    QString code = entryDrugPicker().ShowList();
    if (code.isEmpty())
        return false;
    Connection& con = SQLConnection();
    // A generic picker answers a generic: the line takes its first item, as on the code column.
    if (gDrugListByGeneric)
        code = GetItemIDByGeneric(con, Trim(code));
    if (!SearchItemAt(con, entryDrug(), code, gLocationID, Trim(txtFind->text()))) {
        MsgBox(QStringLiteral("Drug code not found!"), vbExclamation);
        return false;
    }
    if (ProceedCharge()) {
        grdItemList->setRow(row);
        DisplayItem();
    }
    return true;
}

void frmEntry::writeQuantity(int row, double quantity) {
    Connection& con = SQLConnection();
    const auto number = [&](int col) { return Val(grdItemList->textMatrix(row, col)); };
    const QString code = grdItemList->textMatrix(row, colCode);
    const QString admission = Trim(txtFind->text());
    grdItemList->setTextMatrix(row, colQuantity, Format(quantity, QStringLiteral("########0")));
    QString amount = Format(number(colUnitPrice) * quantity, kAmountPattern);
    if (number(colFixedCharge) != 0)
        amount = Format(number(colFixedCharge) * quantity, kAmountPattern);
    if (gInvSwitchHMOMarkupPrice && GetHMOClass(con, admission) == QLatin1String("HMO"))
        amount = Format(GetHMOPrice(con, code, Trim(lblPatInfo[0]->text()), kEntryPriceLocation) * quantity,
                        QStringLiteral("######0.00"));
    if (gInvSwitchVAPrice && IsVAPatient(con, admission))
        amount = Format(GetVAPrice(con, admission, code, kEntryPriceLocation) * quantity, QStringLiteral("######0.00"));
    grdItemList->setTextMatrix(row, colAmount, amount);
    lblPatInfo[6]->setText(TotalCharges());
}

bool frmEntry::ProceedCharge() {
    bool allowed = true;
    eventHandler(kItemEntryModule, QStringLiteral("ProceedCharge"), [&] {
        const DrugCatalog::Drug& drug = entryDrug();
        if (restrictedItemsOnly_ && hasUnrestrictedColumn_ && !drug.Unrestricted()) {
            MsgBox(QStringLiteral("Charging ") + drug.DrugName() + QStringLiteral(" (") + drug.DrugCode() +
                       QStringLiteral(") is restricted for cash-basis patients."),
                   vbExclamation);
            allowed = false;
        }
    });
    return allowed;
}

void frmEntry::grdItemList_DblClick() {
    eventHandler(kItemEntryModule, QStringLiteral("grdItemList_DblClick"), [&] {
        const int row = grdItemList->row();
        const auto cell = [&](int col) { return grdItemList->textMatrix(row, col); };
        if (gSiteCode == QLatin1String("JAWKC"))
            gAllowPriceChange = cell(colCode) == QLatin1String("14004");
        if (!gAllowPriceChange || grdItemList->col() != colAmount || BlankRow(row))
            return;
        // Only a line whose quantity and prices are numbers can be handed to the dialog.
        for (int col : {colQuantity, colUnitPrice, colReferencePrice, colAmount})
            if (!entryCellIsNumber(cell(col)))
                return;
        const double quantity = CDbl(cell(colQuantity));
        if (quantity < -32768 || quantity > 32767)
            return;
        LinePrice line;
        line.description = cell(colDescription);
        line.quantity = CInt(quantity);
        line.itemPrice = CDbl(cell(colReferencePrice));
        line.newItemPrice = CDbl(cell(colUnitPrice));
        line.totalAmount = CDbl(cell(colAmount));
        const LinePrice changed = AskPriceChange(this, line);
        grdItemList->setTextMatrix(row, colAmount, Format(changed.totalAmount, QStringLiteral("#######0.00")));
        grdItemList->setTextMatrix(row, colUnitPrice, Format(changed.itemPrice, QStringLiteral("#######0.00")));
        lblPatInfo[6]->setText(TotalCharges());
    });
}

} // namespace qx
