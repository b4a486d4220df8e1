// frmEntryOP: item entry on the grid — the code look-up priced by the out-patient rule, the
// dosage, the quantity and remarks commit with its over-stock substitute, and the price change.
#include "posting/frmEntryOP.h"

#include "charging/ChargeGrid.h"
#include "charging/TypeABDiscounts.h"
#include "components/AppError.h"
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
#include "shell/Session.h"
#include "shell/Switches.h"
#include "shell/frmShift.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QLineEdit>

namespace qx {

namespace {
const QString kOPItemsModule = QStringLiteral("frmEntryOP");

DrugCatalog::Drug& opDrug() {
    if (!gComponents.gDrug)
        throw AppError(91, QStringLiteral("prjQuillax"), QStringLiteral("Object variable or With block variable not set"));
    return gComponents.gDrug->Drug();
}

DrugPicker::DrugList& opDrugPicker() {
    if (!gComponents.gDrugList)
        throw AppError(91, QStringLiteral("prjQuillax"), QStringLiteral("Object variable or With block variable not set"));
    return *gComponents.gDrugList;
}
} // namespace

void frmEntryOP::cmdEntry_Click() {
    eventHandler(kOPItemsModule, QStringLiteral("cmdEntry_Click"), [&] { lookUpEntry(); });
}

void frmEntryOP::lookUpEntry() {
    const int row = grdItemList->row();
    bool ok = false;
    switch (grdItemList->col()) {
    case colCode:
        if (Trim(txtIDNum->text()).isEmpty()) {
            MsgBox(QStringLiteral("Please enter patient's ID number."), vbInformation);
            txtIDNum->setFocus(Qt::OtherFocusReason);
            return;
        }
        ok = lookUpCode(row);
        break;
    case colDosage:
        ok = takeDosage(row);
        break;
    default:
        break;
    }
    const QString text = chargeGrid_->editorText();
    if (!text.isEmpty() && ok) {
        chargeGrid_->acceptCommit(text);
        chargeGrid_->setEditorText(QString());
        return;
    }
    chargeGrid_->rejectCommit();
}

OutPatientPriceContext frmEntryOP::priceContext() const {
    return {.visitId = Trim(txtIDNum->text()),
            .patientBoxText = txtIDNum->text(),
            .accountBoxText = txtAcctNum->text(),
            .discountPercent = discounts_->percentage(),
            .seniorMarkerShown = !lblSC->isHidden(),
            .gsisMember = chkGSIS->isChecked(),
            .siteCode = gSiteCode,
            .locationId = gLocationID};
}

// The code column: true when the line was filled and priced with the found item.
bool frmEntryOP::lookUpCode(int row) {
    ItemCodeRequest request;
    request.typed = chargeGrid_->editorText();
    request.grid = grdItemList;
    request.codeCol = colCode;
    request.parent = this;
    request.chooseLocation = gPharmaSwitches.IsKelvarHospital();
    request.pick = [](const QString& typed) {
        DrugPicker::DrugList& picker = opDrugPicker();
        return gDrugListByGeneric ? picker.ShowList() : picker.ShowList(typed, std::nullopt, gLocationID);
    };
    request.byGeneric = gDrugListByGeneric;
    request.location = gLocationID;
    request.patientKey = Trim(txtIDNum->text());
    const ItemCodeOutcome outcome = ResolveItemCode(SQLConnection(), opDrug(), request);
    chargeGrid_->setEditorText(outcome.code);
    if (outcome.result == ItemCodeResult::Duplicate) {
        MsgBox(QStringLiteral("The same medicine was already requested"), vbExclamation);
        return false;
    }
    if (outcome.result != ItemCodeResult::Found)
        return false;  // an unknown code is left in the editor without a word
    DrugCatalog::Drug& drug = opDrug();
    if (drug.Status() != 0) {
        MsgBox(QStringLiteral("Drug was set to inactive."), vbInformation, QStringLiteral("MESSAGE"));
        return false;
    }
    Connection& con = SQLConnection();
    grdItemList->setTextMatrix(row, colDescription, drug.DrugName() + u' ' + drug.Description());
    grdItemList->setTextMatrix(row, colBrand, GetBrandName(con, drug.DrugCode()));
    grdItemList->setTextMatrix(row, colUOM, GetUnitOfMeasure(con, drug.DrugCode()));
    const double onHand = drug.Invent().StockOnHand;
    if (gAllowZeroOnHand && onHand <= 0) {
        MsgBox(drug.DrugName() + QStringLiteral(" has no stocks left. The system can't process the specified item."),
               vbInformation);
        grdItemList->setTextMatrix(row, colDescription, QString());
        return false;
    }
    grdItemList->setTextMatrix(row, colStock, Text(onHand));
    priceLine(row, pricedItemOf(outcome.code, drug.Invent()));
    refreshTotals(1000, QStringLiteral("##000.00"), QStringLiteral("###000.00"), QStringLiteral("###000.00"));
    return true;
}

// Writes the out-patient rule's prices of the item on the line, with the code cell's colour, and
// the gross amount the discounts start from.
void frmEntryOP::priceLine(int row, const OutPatientPricedItem& item) {
    const OutPatientLinePrice price =
        PriceOutPatientLine(SQLConnection(), item, priceContext(), Val(grdItemList->textMatrix(row, colQuantity)));
    grdItemList->setTextMatrix(row, colUnitPrice, price.unitPrice);
    if (price.listPrice)
        grdItemList->setTextMatrix(row, colListPrice, *price.listPrice);
    grdItemList->setTextMatrix(row, colGSIS, price.gsisAmount);
    grdItemList->setTextMatrix(row, colFixedCharge, price.fixedCharge);
    grdItemList->setTextMatrix(row, colAmount, price.amount);
    grdItemList->setTextMatrix(row, colGross, price.amount);
    // Colouring the code cell is no entering of it: the editor stays where it is.
    const QSignalBlocker quiet(grdItemList);
    const int col = grdItemList->col();
    grdItemList->setRow(row);
    grdItemList->setCol(colCode);
    grdItemList->setCellBackColor(price.codeBackColor);
    grdItemList->setCol(col);
}

// The dosage column: true when a dosage was taken. Its frequency goes through the quantity
// commit, so a quantity the commit refuses is never left in the line.
bool frmEntryOP::takeDosage(int row) {
    DoseForms::Dosage& dosage = *gComponents.gDosage;
    bool accepted = dosage.GetInfo(chargeGrid_->editorText());
    if (!accepted) {
        chargeGrid_->setEditorText(gComponents.gDosageList->ShowList());
        accepted = dosage.GetInfo(chargeGrid_->editorText());
    }
    if (!accepted)
        return false;
    if (gShowColorAntibioticClass) {
        const QString color = GetAntibioticClassColor(SQLConnection(), grdItemList->textMatrix(row, colCode));
        if (!color.isEmpty()) {
            const QSignalBlocker quiet(grdItemList);
            for (int col : {colCode, colDescription}) {
                grdItemList->setCol(col);
                grdItemList->setCellFontBold(true);
                grdItemList->setCellForeColor(static_cast<ColorValue>(color.toUInt()));
            }
            grdItemList->setCol(colDosage);
        }
    }
    chargeGrid_->setEditorText(dosage.DosageID());
    QString logChoice;
    const QString frequency = Text(dosage.Frequency());
    if (commitQuantity(row, frequency, logChoice) == QuantityVerdict::Commit) {
        grdItemList->setTextMatrix(row, colQuantity, frequency);
        grdItemList->setTextMatrix(row, colOverStock, logChoice);
    }
    return true;
}

void frmEntryOP::txtEntry_DblClick() {
    eventHandler(kOPItemsModule, QStringLiteral("txtEntry_DblClick"), [&] {
        const int row = grdItemList->row();
        const int col = grdItemList->col();
        if (col != colQuantity && col != colAmount && col != colRemarks) {
            lookUpEntry();
            return;
        }
        const QString text = chargeGrid_->editorText();
        QString logChoice;
        bool commit = true;
        if (col == colQuantity) {
            const QuantityVerdict verdict = commitQuantity(row, text, logChoice);
            // The checks that stop before any prompt leave the line as it was.
            if (verdict == QuantityVerdict::Invalid || verdict == QuantityVerdict::Refused) {
                chargeGrid_->rejectCommit();
                return;
            }
            commit = verdict == QuantityVerdict::Commit;
        }
        grdItemList->setTextMatrix(row, colOverStock, logChoice);
        if (commit)
            chargeGrid_->acceptCommit(text);
        else
            chargeGrid_->rejectCommit();
    });
}

// Checks a quantity of the line (prompts included) and, when it passes, re-prices the amount for
// it and refreshes the totals; the cell itself is written by the caller. `logChoice` receives the
// over-stock prompt's choice text.
QuantityVerdict frmEntryOP::commitQuantity(int row, const QString& typed, QString& logChoice) {
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
    if (outcome.verdict != QuantityVerdict::Commit)
        return outcome.verdict;
    const auto cell = [&](int col) { return grdItemList->textMatrix(row, col); };
    grdItemList->setTextMatrix(row, colAmount,
                               RepriceOutPatientAmount(SQLConnection(), cell(colCode), Val(cell(colUnitPrice)),
                                                       Val(cell(colFixedCharge)), Trim(txtIDNum->text()),
                                                       outcome.quantity));
    refreshTotals(100, QString(), QStringLiteral("#######.00"), QStringLiteral("#######.00"));
    grdItemList->setTextMatrix(row, colGross, cell(colAmount));
    return outcome.verdict;
}

// The over-stock prompt's substitute: the picked item replaces the line's and is priced as if it
// had been typed on the code column. True when the quantity is still to be committed.
bool frmEntryOP::findSubstitute(int row) {
    QString code = opDrugPicker().ShowList();
    if (code.isEmpty())
        return false;
    Connection& con = SQLConnection();
    // A generic picker answers a generic: the line takes its first item, as on the code column.
    if (gDrugListByGeneric)
        code = GetItemIDByGeneric(con, Trim(code));
    if (!SearchItemAt(con, opDrug(), code, gLocationID, Trim(txtIDNum->text()))) {
        ShowInfo(QStringLiteral("Drug code not found."));
        return false;
    }
    const DrugCatalog::Drug& drug = opDrug();
    grdItemList->setTextMatrix(row, colCode, drug.DrugCode());
    grdItemList->setTextMatrix(row, colDescription, drug.DrugName() + u' ' + drug.Description());
    grdItemList->setTextMatrix(row, colBrand, GetBrandName(con, drug.DrugCode()));
    grdItemList->setTextMatrix(row, colUOM, GetUnitOfMeasure(con, drug.DrugCode()));
    grdItemList->setTextMatrix(row, colStock, Text(drug.Invent().StockOnHand));
    grdItemList->setTextMatrix(row, colListPrice, QString());
    priceLine(row, pricedItemOf(drug.DrugCode(), drug.Invent()));
    return true;
}

void frmEntryOP::grdItemList_DblClick() {
    eventHandler(kOPItemsModule, QStringLiteral("grdItemList_DblClick"), [&] {
        const int row = grdItemList->row();
        const auto cell = [&](int col) { return grdItemList->textMatrix(row, col); };
        if (gSiteCode == QLatin1String("JAWKC"))
            gAllowPriceChange = cell(colCode) == QLatin1String("14004");
        if (!gAllowPriceChange || grdItemList->col() != colAmount || BlankRow(row))
            return;
        // The dialog counts the quantity in 16 bits: a line beyond that is not handed over.
        const double quantity = Round(Val(cell(colQuantity)));
        if (quantity < -32768 || quantity > 32767)
            return;
        LinePrice line;
        line.description = cell(colDescription);
        line.quantity = static_cast<qint16>(quantity);
        line.itemPrice = Val(cell(colListPrice));
        line.newItemPrice = Val(cell(colUnitPrice));
        line.totalAmount = Val(cell(colAmount));
        const LinePrice changed = AskPriceChange(this, line);
        const QString amount = Format(changed.totalAmount, QStringLiteral("#######0.00"));
        grdItemList->setTextMatrix(row, colAmount, amount);
        grdItemList->setTextMatrix(row, colUnitPrice, Format(changed.itemPrice, QStringLiteral("#######0.00")));
        grdItemList->setTextMatrix(row, colGross, amount);
    });
}

} // namespace qx
