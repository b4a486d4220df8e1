// frmEntryOPMarkUp: the line's price (out-patient price, GSIS price or list cost plus the
// mark-up), its quantity, the GSIS box and the totals.
#include "posting/frmEntryOPMarkUp.h"

#include "charging/ChargeGrid.h"
#include "charging/CompanyMarkupPrice.h"
#include "charging/OutPatientPricing.h"
#include "charging/PriceLookups.h"
#include "charging/TypeABDiscounts.h"
#include "components/DrugCatalog.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/Session.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace qx {

namespace {
const QString kOPMarkUpItemsModule = QStringLiteral("frmEntryOPMarkUp");
}

void frmEntryOPMarkUp::cmdEntry_Click() { runItemLookUp(); }

void frmEntryOPMarkUp::txtEntry_DblClick() { runItemCommit(); }

void frmEntryOPMarkUp::priceFoundItem(int row, const QString& code) {
    Connection& con = SQLConnection();
    CompanyPriceInput input;
    input.listCost = ListCost(con, code);
    input.markUpPercent = markUp();
    input.outPriceAccount = isForOutPrice(con, txtAcctNum->text());
    input.sellingPriceOut = CurrentDrug().Invent().SellingPriceOut;
    input.discountPercent = discounts_->percentage();
    input.gsisMember = chkGSIS->isChecked();
    input.gsisPrice = GetGSISAmount(con, code, gLocationID);
    const CompanyPrice price = CompanyMarkupPrice(input);
    flexMSEntry->setTextMatrix(row, colUnitPrice, Text(price.unitPrice));
    flexMSEntry->setTextMatrix(row, colNonGSISPrice, Text(price.nonGsisPrice));
    flexMSEntry->setTextMatrix(row, colListCost, Text(input.listCost));
    flexMSEntry->setTextMatrix(row, colMarkUp, Text(input.markUpPercent));
    flexMSEntry->setTextMatrix(row, colGSIS, Text(input.gsisPrice));
    dropLineDiscount(row);
    const double quantity = Val(flexMSEntry->textMatrix(row, colQuantity));
    if (quantity > 0) {
        const QString amount = Format(price.unitPrice * quantity, QStringLiteral("###0.00"));
        flexMSEntry->setTextMatrix(row, colAmount, amount);
        flexMSEntry->setTextMatrix(row, colGross, amount);
        refreshSummary(QStringLiteral("##000.00"), QStringLiteral("###000.00"), QStringLiteral("###000.00"));
    }
}

void frmEntryOPMarkUp::quantityTaken(int row, double quantity) {
    flexMSEntry->setTextMatrix(row, colQuantity, Text(quantity));
    const QString amount = Format(Val(flexMSEntry->textMatrix(row, colUnitPrice)) * quantity, QStringLiteral("###0.00"));
    flexMSEntry->setTextMatrix(row, colAmount, amount);
    flexMSEntry->setTextMatrix(row, colGross, amount);
    dropLineDiscount(row);
    refreshSummary(QString(), QStringLiteral("#######.00"), QStringLiteral("#######.00"));
}

void frmEntryOPMarkUp::linePriceChanged(int row) {
    dropLineDiscount(row);
}

void frmEntryOPMarkUp::dropLineDiscount(int row) {
    flexMSEntry->setTextMatrix(row, colDiscount, QString());
    flexMSEntry->setTextMatrix(row, colDiscountMark, QString());
}

void frmEntryOPMarkUp::refreshSummary(const QString& grossPattern, const QString& discountPattern,
                                      const QString& netPattern) {
    const QString total = TotalCharges();
    lblGross->setText(QStringLiteral(" ") + (grossPattern.isEmpty() ? total : Format(Val(total), grossPattern)));
    const double gross = Val(lblGross->text());
    lblDiscount->setText(QStringLiteral(" ") + Format(discounts_->percentage() / 100 * gross, discountPattern));
    lblNet->setText(QStringLiteral(" ") + Format(gross - Val(lblDiscount->text()), netPattern));
}

void frmEntryOPMarkUp::refreshTotalsAfterClearing() {
    refreshSummary(QStringLiteral("####000.00"), QStringLiteral("###000.00"), QStringLiteral("###000.00"));
}

void frmEntryOPMarkUp::chkGSIS_Click() {
    eventHandler(kOPMarkUpItemsModule, QStringLiteral("chkGSIS_Click"), [&] { DiscountGSISItems(chkGSIS->isChecked()); });
}

// The GSIS basis gives way to the out-patient price of an account that takes it, as on look-up.
void frmEntryOPMarkUp::DiscountGSISItems(bool gsis) {
    if (isForOutPrice(SQLConnection(), txtAcctNum->text()))
        return;
    for (int row = 1; row <= kLines; ++row) {
        if (Trim(flexMSEntry->textMatrix(row, colCode)).isEmpty() ||
            Trim(flexMSEntry->textMatrix(row, colUnitPrice)).isEmpty())
            continue;
        const QString price = flexMSEntry->textMatrix(row, gsis ? colGSIS : colNonGSISPrice);
        flexMSEntry->setTextMatrix(row, colUnitPrice, price);
        dropLineDiscount(row);
        const double quantity = Val(flexMSEntry->textMatrix(row, colQuantity));
        if (!(quantity > 0))
            continue;
        const QString amount = Format(Val(price) * quantity, QStringLiteral("########0.00"));
        flexMSEntry->setTextMatrix(row, colAmount, amount);
        flexMSEntry->setTextMatrix(row, colGross, amount);
    }
    refreshSummary(QStringLiteral("##000.00"), QStringLiteral("###000.00"), QStringLiteral("###000.00"));
}

QString frmEntryOPMarkUp::TotalDiscount() const { return discounts_->TotalDiscount(); }

} // namespace qx
