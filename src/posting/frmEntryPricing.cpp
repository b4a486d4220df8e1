// frmEntry: the in-patient unit-price rule on the grid's current line.
#include "posting/frmEntry.h"

#include "charging/ChargeGrid.h"
#include "charging/InpatientPriceRule.h"
#include "charging/ManualItemEntry.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/ItemLookups.h"
#include "shell/Session.h"

#include <QLabel>
#include <QLineEdit>

namespace qx {

namespace {
const QString kPricingModule = QStringLiteral("frmEntry");

// The patient the lines are priced for: the admission in the box and the room's mark-up.
InpatientPatient pricedPatient(const QLineEdit& txtFind, const QLabel& lblMarkUp) {
    InpatientPatient patient;
    patient.admission = txtFind.text();
    patient.roomMarkUp = Val(lblMarkUp.text());
    return patient;
}
} // namespace

bool frmEntry::DisplayItem2() {
    return generalProcedure(kPricingModule, QStringLiteral("DisplayItem2"), [&] {
        Connection& con = SQLConnection();
        const DrugCatalog::Drug& drug = CurrentDrug();
        const DrugCatalog::InventRecord& invent = drug.Invent();
        const int row = grdItemList->row();
        const QString code = chargeGrid_->editorText();
        const auto put = [&](int col, const QString& text) { grdItemList->setTextMatrix(row, col, text); };
        put(colDescription, drug.DrugName() + u' ' + drug.Description());
        put(colBrandName, GetBrandName(con, code));
        put(colUOM, GetUnitOfMeasure(con, code));
        if (gAllowZeroOnHand && invent.StockOnHand <= 0) {
            MsgBox(drug.DrugName() + QStringLiteral(" has no stocks left. The system can't process the specified item."),
                   vbInformation);
            put(colDescription, QString());
            return false;
        }
        put(colStock, Text(invent.StockOnHand));
        put(colMarkUpIn, Text(invent.MarkupIn));
        put(colMarkUpOut, Text(invent.MarkupOut));
        const InpatientLinePrice price = PriceInpatientLine(con, drug, code, pricedPatient(*txtFind, *lblMarkUp),
                                                            Val(grdItemList->textMatrix(row, colQuantity)));
        put(colUnitPrice, price.unitPrice);
        put(colReferencePrice, price.base.referencePrice);
        put(colFixedCharge, price.fixedCharge);
        put(colAmount, price.amount);
        grdItemList->setCellBackColor(price.color);
        lblPatInfo[6]->setText(TotalCharges());
        return true;
    });
}

void frmEntry::DisplayItem() {
    eventHandler(kPricingModule, QStringLiteral("DisplayItem"), [&] {
        Connection& con = SQLConnection();
        const DrugCatalog::Drug& drug = CurrentDrug();
        const DrugCatalog::InventRecord& invent = drug.Invent();
        const int row = grdItemList->row();
        const QString code = drug.DrugCode();
        const auto put = [&](int col, const QString& text) { grdItemList->setTextMatrix(row, col, text); };
        put(colCode, code);
        put(colDescription, drug.DrugName() + u' ' + drug.Description());
        put(colBrandName, GetBrandName(con, code));
        put(colUOM, GetUnitOfMeasure(con, code));
        put(colStock, Text(invent.StockOnHand));
        put(colMarkUpIn, Text(invent.MarkupIn));
        put(colMarkUpOut, Text(invent.MarkupOut));
        const InpatientPatient patient = pricedPatient(*txtFind, *lblMarkUp);
        const InpatientBasePrice base = InpatientBaseUnitPrice(con, drug, patient);
        const double fixedCharge = InpatientFixedCharge(con, code);
        put(colReferencePrice, base.referencePrice);
        put(colFixedCharge, Text(fixedCharge));
        // The amount, the colour and the MDRP price follow from the commit that called this fill.
        const InpatientSpecialPrices special = ApplyInpatientSpecialPrices(
            con, code, patient.admission, Val(grdItemList->textMatrix(row, colQuantity)), base.unitPrice,
            fixedCharge, false);
        put(colUnitPrice, special.unitPrice);
    });
}

void frmEntry::CalculateAmount() {
    generalProcedure(kPricingModule, QStringLiteral("CalculateAmount"), [&] {
        const int row = grdItemList->row();
        const QString code = grdItemList->textMatrix(row, colCode);
        // A line without an item has nothing to price; an amount there would make it look entered.
        if (row < 1 || Trim(code).isEmpty())
            return;
        const auto cell = [&](int col) { return grdItemList->textMatrix(row, col); };
        const InpatientSpecialPrices special =
            ApplyInpatientSpecialPrices(SQLConnection(), code, txtFind->text(), Val(cell(colQuantity)),
                                        cell(colUnitPrice), Val(cell(colFixedCharge)));
        grdItemList->setTextMatrix(row, colAmount, special.amount);
        grdItemList->setTextMatrix(row, colUnitPrice, special.unitPrice);
        if (special.mdrp)
            grdItemList->setCellBackColor(kMDRPCellColor);
    });
}

} // namespace qx
