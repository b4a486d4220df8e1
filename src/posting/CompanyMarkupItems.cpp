// Company-medicine screens: the item and quantity steps both screens share around the shared
// item entry; each screen prices its own lines.
#include "posting/CompanyMarkupScreen.h"

#include "charging/ChargeGrid.h"
#include "charging/CompanyMarkupPrice.h"
#include "components/DrugCatalog.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/GridHelpers.h"
#include "shell/HospitalSettings.h"

#include <QLineEdit>

namespace qx {

ManualItemEntryConfig CompanyMarkupScreen::markupItemEntryConfig(QLineEdit* patientBox, int overStockChoiceCol) {
    ManualItemEntryConfig c;
    c.window = this;
    c.chargeGrid = chargeGrid_;
    c.patientBox = patientBox;
    c.cols = {.code = colCode, .description = colDescription, .dosage = colDosage, .quantity = colQuantity,
              .stock = colStock, .amount = colAmount, .unitPrice = colUnitPrice, .overStockChoice = overStockChoiceCol};
    c.typedCols = {colQuantity, colRemarks};
    c.quantityWrittenByScreen = true;
    c.wholeQuantities = false;
    c.leadingNumberQuantities = true;
    c.overStockRefusedOnlyAtQVH = true;
    c.itemFound = [this](int row) { return takeFoundItem(row); };
    c.quantityTaken = [this](int row, double quantity) { quantityTaken(row, quantity); };
    c.dosageQuantity = [](int, const QString&, bool) {};
    c.substituteNotFound = [] { MsgBox(QStringLiteral("Drug code not found!"), vbExclamation); };
    // A substitute is looked at as an entered item: not on another line, not inactive.
    // The commit runs on the current row, which the duplicate test leaves out.
    c.substituteAcceptable = [this](int) {
        const DrugCatalog::Drug& drug = CurrentDrug();
        if (GridHasValue(*flexMSEntry, colCode, drug.DrugCode(), 1)) {
            MsgBox(QStringLiteral("The same medicine was already requested"), vbExclamation);
            return false;
        }
        if (drug.Status() != 0) {
            MsgBox(QStringLiteral("Drug was set to inactive."), vbInformation, QStringLiteral("MESSAGE"));
            return false;
        }
        return true;
    };
    c.substituteFound = [this](int row) {
        const DrugCatalog::Drug& drug = CurrentDrug();
        flexMSEntry->setTextMatrix(row, colCode, drug.DrugCode());
        flexMSEntry->setTextMatrix(row, colDescription, drug.DrugName() + QStringLiteral(" ") + drug.Description());
        flexMSEntry->setTextMatrix(row, colStock, Text(drug.Invent().StockOnHand));
        priceFoundItem(row, drug.DrugCode());
    };
    return c;
}

bool CompanyMarkupScreen::takeFoundItem(int row) {
    const DrugCatalog::Drug& drug = CurrentDrug();
    if (drug.Status() != 0) {
        MsgBox(QStringLiteral("Drug was set to inactive."), vbInformation, QStringLiteral("MESSAGE"));
        return false;
    }
    flexMSEntry->setTextMatrix(row, colDescription, drug.DrugName() + QStringLiteral(" ") + drug.Description());
    if (gAllowZeroOnHand && drug.Invent().StockOnHand <= 0) {
        MsgBox(drug.DrugName() + QStringLiteral(" has no stocks left. The system can't process the specified item."),
               vbInformation);
        flexMSEntry->setTextMatrix(row, colDescription, QString());
        return false;
    }
    flexMSEntry->setTextMatrix(row, colStock, Text(drug.Invent().StockOnHand));
    priceFoundItem(row, Trim(chargeGrid_->editorText()));
    return true;
}

bool CompanyMarkupScreen::markUpGiven() {
    double percent = 0;
    if (ReadMarkUp(txtMarkUp->text(), percent))
        return true;
    MsgBox(QStringLiteral("Please enter the mark-up percentage."), vbInformation, QStringLiteral("MARK-UP"));
    txtMarkUp->setFocus(Qt::OtherFocusReason);
    return false;
}

double CompanyMarkupScreen::markUp() const {
    double percent = 0;
    ReadMarkUp(txtMarkUp->text(), percent);
    return percent;
}

void CompanyMarkupScreen::runItemLookUp() {
    eventHandler(module_, QStringLiteral("cmdEntry_Click"), [&] {
        if (markUpGiven())
            itemEntry_->lookUp();
    });
}

void CompanyMarkupScreen::runItemCommit() {
    eventHandler(module_, QStringLiteral("txtEntry_DblClick"), [&] {
        if (markUpGiven())
            itemEntry_->commit();
    });
}

} // namespace qx
