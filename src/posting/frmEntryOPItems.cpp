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
} // namespace

ManualItemEntryConfig frmEntryOP::itemEntryConfig() {
    ManualItemEntryConfig c;
    c.window = this;
    c.chargeGrid = chargeGrid_;
    c.patientBox = txtIDNum;
    c.noPatientText = QStringLiteral("Please enter patient's ID number.");
    c.cols = {.code = colCode, .description = colDescription, .dosage = colDosage, .quantity = colQuantity,
              .stock = colStock, .amount = colAmount, .unitPrice = colUnitPrice, .overStockChoice = colOverStock};
    c.typedCols = {colQuantity, colAmount, colRemarks};
    c.antibioticColorCols = {colCode, colDescription};
    c.itemFound = [this](int row) { return fillFoundItem(row); };
    // The cell itself is written by the commit; the amount is re-priced for the quantity.
    c.quantityTaken = [this](int row, double quantity) {
        const auto cell = [&](int col) { return grdItemList->textMatrix(row, col); };
        grdItemList->setTextMatrix(row, colAmount,
                                   RepriceOutPatientAmount(SQLConnection(), cell(colCode), Val(cell(colUnitPrice)),
                                                           Val(cell(colFixedCharge)), Trim(txtIDNum->text()), quantity));
        refreshTotals(100, QString(), QStringLiteral("#######.00"), QStringLiteral("#######.00"));
        grdItemList->setTextMatrix(row, colGross, cell(colAmount));
    };
    c.dosageQuantity = [this](int row, const QString& frequency, bool committed) {
        if (committed)
            grdItemList->setTextMatrix(row, colQuantity, frequency);
    };
    c.substituteNotFound = [] { ShowInfo(QStringLiteral("Drug code not found.")); };
    // The picked item replaces the line's and is priced as if it had been typed on the code column.
    c.substituteFound = [this](int row) {
        Connection& con = SQLConnection();
        const DrugCatalog::Drug& drug = CurrentDrug();
        grdItemList->setTextMatrix(row, colCode, drug.DrugCode());
        grdItemList->setTextMatrix(row, colDescription, drug.DrugName() + u' ' + drug.Description());
        grdItemList->setTextMatrix(row, colBrand, GetBrandName(con, drug.DrugCode()));
        grdItemList->setTextMatrix(row, colUOM, GetUnitOfMeasure(con, drug.DrugCode()));
        grdItemList->setTextMatrix(row, colStock, Text(drug.Invent().StockOnHand));
        grdItemList->setTextMatrix(row, colListPrice, QString());
        priceLine(row, pricedItemOf(drug.DrugCode(), drug.Invent()));
    };
    return c;
}

void frmEntryOP::cmdEntry_Click() {
    eventHandler(kOPItemsModule, QStringLiteral("cmdEntry_Click"), [&] { itemEntry_->lookUp(); });
}

void frmEntryOP::txtEntry_DblClick() {
    eventHandler(kOPItemsModule, QStringLiteral("txtEntry_DblClick"), [&] { itemEntry_->commit(); });
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

// The found item on the line, priced; false when it may not be charged.
bool frmEntryOP::fillFoundItem(int row) {
    DrugCatalog::Drug& drug = CurrentDrug();
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
    priceLine(row, pricedItemOf(chargeGrid_->editorText(), drug.Invent()));
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

void frmEntryOP::grdItemList_DblClick() {
    eventHandler(kOPItemsModule, QStringLiteral("grdItemList_DblClick"), [&] {
        const int row = grdItemList->row();
        const auto cell = [&](int col) { return grdItemList->textMatrix(row, col); };
        if (!itemEntry_->priceChangeOpen(row))
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
        itemEntry_->changePrice(row, line);
        grdItemList->setTextMatrix(row, colGross, cell(colAmount));
    });
}

} // namespace qx
