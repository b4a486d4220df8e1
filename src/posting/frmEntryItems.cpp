// frmEntry: item entry on the grid — the code look-up, the dosage, the quantity and remarks
// commit, the cash-basis restriction and the price change of a line.
#include "posting/frmEntry.h"

#include "charging/ChargeGrid.h"
#include "charging/ManualItemEntry.h"
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

// A cell that holds a number as a whole (blanks around it allowed).
bool entryCellIsNumber(const QString& text) { return IsNumeric(text); }
} // namespace

ManualItemEntryConfig frmEntry::itemEntryConfig() {
    ManualItemEntryConfig c;
    c.window = this;
    c.chargeGrid = chargeGrid_;
    c.patientBox = txtFind;
    c.noPatientText = QStringLiteral("Please enter Patient's ID Number.");
    c.cols = {.code = colCode, .description = colDescription, .dosage = colDosage, .quantity = colQuantity,
              .stock = colStock, .amount = colAmount, .unitPrice = colUnitPrice, .overStockChoice = colOverStockChoice};
    c.typedCols = {colQuantity, colRemarks};
    c.quantityWrittenByScreen = true;
    c.antibioticColorCols = {colCode};
    c.pickDrugsOrCsr = true;
    c.beforeLookUp = [this] {
        if (useECartLocation_)
            gLocationID = gECartLocationID;
    };
    c.itemFound = [this](int) {
        if (!ProceedCharge())
            return false;
        if (CurrentDrug().Status() != 0) {
            MsgBox(QStringLiteral("Drug is inactive. Change Item Status in Inventory Master file."), vbInformation,
                   QStringLiteral("Quillax"));
            return false;
        }
        return DisplayItem2();
    };
    c.quantityTaken = [this](int row, double quantity) { writeQuantity(row, quantity); };
    c.dosageQuantity = [this](int row, const QString&, bool committed) {
        if (committed)
            return;
        grdItemList->setTextMatrix(row, colQuantity, QString());
        lblPatInfo[6]->setText(TotalCharges());
    };
    c.substituteNotFound = [] { MsgBox(QStringLiteral("Drug code not found!"), vbExclamation); };
    c.substituteFound = [this](int row) {
        if (ProceedCharge()) {
            grdItemList->setRow(row);
            DisplayItem();
        }
    };
    return c;
}

void frmEntry::cmdEntry_Click() {
    eventHandler(kItemEntryModule, QStringLiteral("cmdEntry_Click"), [&] { itemEntry_->lookUp(); });
}

void frmEntry::txtEntry_DblClick() {
    eventHandler(kItemEntryModule, QStringLiteral("txtEntry_DblClick"), [&] { itemEntry_->commit(); });
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
        const DrugCatalog::Drug& drug = CurrentDrug();
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
        if (!itemEntry_->priceChangeOpen(row))
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
        itemEntry_->changePrice(row, line);
        lblPatInfo[6]->setText(TotalCharges());
    });
}

} // namespace qx
