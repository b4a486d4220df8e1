// frmEmployee: item entry on the grid — the code look-up priced by the employee rule, the dosage,
// the quantity, amount and remarks commit with its over-stock substitute, and the NORVAX price
// basis.
#include "posting/frmEmployee.h"

#include "charging/ChargeGrid.h"
#include "charging/EmployeePrice.h"
#include "charging/PriceLookups.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "components/PlatformServices.h"
#include "platform/Colors.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/GridHelpers.h"
#include "shell/HospitalSettings.h"
#include "shell/ItemLookups.h"
#include "shell/Session.h"
#include "shell/frmShift.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace qx {

namespace {
const QString kEmployeeItemsModule = QStringLiteral("frmEmployee");
constexpr ColorValue kFixedPriceColor = 0xC0FFC0;
constexpr ColorValue kMDRPColor = 0xFF80FF;
const QString kAmountFormat = QStringLiteral("######0.00");
} // namespace

ManualItemEntryConfig frmEmployee::itemEntryConfig() {
    ManualItemEntryConfig c;
    c.window = this;
    c.chargeGrid = chargeGrid_;
    c.patientBox = txtIDNum;
    c.noPatientText = QStringLiteral("Please enter patient's ID number.");
    c.cols = {.code = colCode, .description = colDescription, .dosage = colDosage, .quantity = colQuantity,
              .stock = colStock, .amount = colAmount, .unitPrice = colUnitPrice, .overStockChoice = colOverStock};
    c.typedCols = {colQuantity, colAmount, colRemarks};
    c.antibioticColorCols = {colCode, colDescription};
    // Employees may take part of a pack; only the site QVH refuses more than the stock outright.
    c.wholeQuantities = false;
    c.overStockRefusedOnlyAtQVH = true;
    c.askLargeAfterAnyAnswer = true;
    c.substituteEndsEntry = true;
    c.itemFound = [this](int row) { return fillItem(row, chargeGrid_->editorText()); };
    c.quantityTaken = [this](int row, double quantity) { lineAmounts(row, quantity); };
    c.dosageQuantity = [this](int row, const QString& frequency, bool committed) {
        if (committed)
            flexMSEntry->setTextMatrix(row, colQuantity, frequency);
    };
    c.substituteNotFound = [] { MsgBox(QStringLiteral("Drug code not found!"), vbExclamation); };
    c.substituteFound = [this](int row) { substituteFound(row); };
    return c;
}

void frmEmployee::cmdEntry_Click() {
    eventHandler(kEmployeeItemsModule, QStringLiteral("cmdEntry_Click"), [&] {
        const int col = flexMSEntry->col();
        itemEntry_->lookUp();
        // A dosage's frequency may have filled the quantity.
        if (col == colDosage)
            quantityTotals();
    });
}

void frmEmployee::txtEntry_DblClick() {
    eventHandler(kEmployeeItemsModule, QStringLiteral("txtEntry_DblClick"), [&] {
        const int col = flexMSEntry->col();
        itemEntry_->commit();
        // A dosage's frequency may have filled the quantity.
        if (col == colQuantity || col == colDosage)
            quantityTotals();
    });
}

bool frmEmployee::fillItem(int row, const QString& code) {
    DrugCatalog::Drug& drug = CurrentDrug();
    if (drug.Status() != 0) {
        MsgBox(QStringLiteral("The drug was set to inactive."), vbInformation, QStringLiteral("MESSAGE"));
        return false;
    }
    Connection& con = SQLConnection();
    const auto set = [&](int col, const QString& text) { flexMSEntry->setTextMatrix(row, col, text); };
    const auto cell = [&](int col) { return Val(flexMSEntry->textMatrix(row, col)); };
    set(colDescription, drug.DrugName() + u' ' + drug.Description());
    set(colBrand, GetBrandName(con, drug.DrugCode()));
    set(colUOM, GetUnitOfMeasure(con, drug.DrugCode()));
    set(colMDRP, QString::number(GetMDRPFlag(con, drug.DrugCode())));
    const DrugCatalog::InventRecord& invent = drug.Invent();
    if (gAllowZeroOnHand && invent.StockOnHand <= 0) {
        MsgBox(drug.DrugName() + QStringLiteral(" has no stocks left. The system can't process the specified item."),
               vbInformation);
        set(colDescription, QString());
        return false;
    }
    set(colStock, Text(invent.StockOnHand));
    set(colUnitCost, Text(drug.ListCost()));
    priceEmployeeLine(row);
    set(colMarkupIn, Text(invent.MarkupIn));
    set(colMarkupOut, Text(invent.MarkupOut));
    const double fixedPrice = GetFixedEmployeePrice(con, code);
    set(colFixedPrice, Text(fixedPrice));
    flexMSEntry->setCellBackColorAt(row, colCode, fixedPrice != 0 ? kFixedPriceColor : colors::InfoBackground);
    lineAmounts(row, cell(colQuantity));
    if (GetMDRPFlag(con, code) == 1) {
        set(colUnitPrice, Text(GetMDRPDrugPrice(con, code)));
        flexMSEntry->setCellBackColorAt(row, colCode, kMDRPColor);
        set(colAmount, Format(cell(colUnitPrice) * cell(colQuantity), kAmountFormat));
        set(colGross, flexMSEntry->textMatrix(row, colAmount));
    }
    lblDiscount->setText(QLatin1Char(' ') + Format(Val(txtDiscount->text()) / 100 * Val(lblGross->text()),
                                                   QStringLiteral("#######.00")));
    lblNet->setText(QLatin1Char(' ') + Format(Val(lblGross->text()) - Val(lblDiscount->text()), QStringLiteral("#######.00")));
    return true;
}

void frmEmployee::priceEmployeeLine(int row) {
    const DrugCatalog::Drug& drug = CurrentDrug();
    const DrugCatalog::InventRecord& invent = drug.Invent();
    const EmployeeUnitPrice price = EmployeePrice({.siteCode = gSiteCode,
                                                   .seniorDiscounted = drug.SeniorCitizenDiscounted(),
                                                   .markUpGroup = gMarkUpGroup,
                                                   .empOutPrice = gEmpOutPrice,
                                                   .discountPercent = Val(txtDiscount->text()),
                                                   .sellingPriceIn = invent.SellingPriceIn,
                                                   .sellingPriceOut = invent.SellingPriceOut,
                                                   .rateA = invent.RateA,
                                                   .rateB = invent.RateB,
                                                   .markupOut = invent.MarkupOut});
    flexMSEntry->setTextMatrix(row, colUnitPrice, price.unitPrice);
    const auto setIf = [&](int col, const std::optional<QString>& text) {
        if (text)
            flexMSEntry->setTextMatrix(row, col, *text);
    };
    setIf(colSeniorDiscount, price.seniorDiscount);
    setIf(colRateA, price.rateA);
    setIf(colRateB, price.rateB);
    setIf(colRegularPrice, price.regularPrice);
}

// The line's amount for the quantity (the fixed employee price where the item has one), its
// regular amount, and the gross the discounts start from.
void frmEmployee::lineAmounts(int row, double quantity) {
    const auto cell = [&](int col) { return Val(flexMSEntry->textMatrix(row, col)); };
    const double fixedPrice = cell(colFixedPrice);
    if (fixedPrice != 0) {
        flexMSEntry->setTextMatrix(row, colAmount, Format(fixedPrice * quantity, kAmountFormat));
    } else {
        flexMSEntry->setTextMatrix(row, colAmount, Format(cell(colUnitPrice) * quantity, kAmountFormat));
        flexMSEntry->setTextMatrix(row, colRegularAmount,
                                   gMarkUpGroup ? Format(cell(colRegularPrice) * quantity, kAmountFormat)
                                                : flexMSEntry->textMatrix(row, colAmount));
    }
    flexMSEntry->setTextMatrix(row, colGross, flexMSEntry->textMatrix(row, colAmount));
}

void frmEmployee::quantityTotals() {
    lblGross->setText(QLatin1Char(' ') + Format(Val(TotalCharges()), QStringLiteral("#####00.00")));
    lblNet->setText(QLatin1Char(' ') + Format(Val(TotalCharges()), QStringLiteral("#####00.00")));
    if (gSiteCode == QLatin1String("QVH"))
        ComputeAllDiscountsQVH();
}

// The substitute the over-stock prompt found replaces the line's item as if it had been typed on
// the code column; its quantity is typed again.
void frmEmployee::substituteFound(int row) {
    const DrugCatalog::Drug& drug = CurrentDrug();
    const QString code = drug.DrugCode();
    if (GridHasValue(*flexMSEntry, colCode, code, 1)) {
        MsgBox(QStringLiteral("The same medicine was already requested"), vbExclamation);
        return;
    }
    const QString quantity = flexMSEntry->textMatrix(row, colQuantity);
    flexMSEntry->setTextMatrix(row, colQuantity, QString());
    if (!fillItem(row, code)) {
        flexMSEntry->setTextMatrix(row, colQuantity, quantity);
        return;
    }
    flexMSEntry->setTextMatrix(row, colCode, code);
    chargeGrid_->setEditorText(QString());
}

void frmEmployee::ApplyPrice() {
    generalProcedure(kEmployeeItemsModule, QStringLiteral("ApplyPrice"), [&] {
        for (int row = 1; row < flexMSEntry->rows(); ++row) {
            const auto cell = [&](int col) { return Val(flexMSEntry->textMatrix(row, col)); };
            const double quantity = cell(colQuantity);
            if (flexMSEntry->textMatrix(row, colCode).isEmpty() || quantity == 0)
                continue;
            const QString charged = Format(cell(colUnitPrice) * quantity, kAmountFormat);
            if (optUnitCost->isChecked()) {
                const QString atCost = Format(cell(colUnitCost) * quantity, kAmountFormat);
                flexMSEntry->setTextMatrix(row, colAmount, atCost);
                flexMSEntry->setTextMatrix(row, colMarkupIn, Text(Val(charged) - Val(atCost)));
            } else {
                flexMSEntry->setTextMatrix(row, colAmount, charged);
                flexMSEntry->setTextMatrix(row, colMarkupIn, QStringLiteral("0"));
            }
        }
        ComputeUnitCostDiscount();
    });
}

} // namespace qx
