// frmEntryMarkup: the line's price at list cost plus the mark-up, and its quantity.
#include "posting/frmEntryMarkup.h"

#include "charging/ChargeGrid.h"
#include "charging/CompanyMarkupPrice.h"
#include "components/PlatformServices.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/Session.h"

#include <QLabel>

namespace qx {

void frmEntryMarkup::cmdEntry_Click() { runItemLookUp(); }

void frmEntryMarkup::txtEntry_DblClick() { runItemCommit(); }

void frmEntryMarkup::priceFoundItem(int row, const QString& code) {
    const double listCost = ListCost(SQLConnection(), code);
    const double percent = markUp();
    const double price = MarkedUpPrice(listCost, percent);
    flexMSEntry->setTextMatrix(row, colMarkUp, Text(percent));
    flexMSEntry->setTextMatrix(row, colMarkUp2, Text(percent));
    flexMSEntry->setTextMatrix(row, colUnitPrice, Text(price));
    flexMSEntry->setTextMatrix(row, colMarkUpOut, Text(price));
    const double quantity = Val(flexMSEntry->textMatrix(row, colQuantity));
    if (quantity > 0) {
        flexMSEntry->setTextMatrix(row, colAmount, Format(price * quantity, QStringLiteral("######0.00")));
        showTotal();
    }
    flexMSEntry->setTextMatrix(row, colListCost, Text(listCost));
}

void frmEntryMarkup::quantityTaken(int row, double quantity) {
    flexMSEntry->setTextMatrix(row, colQuantity, Text(quantity));
    flexMSEntry->setTextMatrix(row, colAmount,
                               Format(Val(flexMSEntry->textMatrix(row, colUnitPrice)) * quantity, QStringLiteral("###0.00")));
    showTotal();
}

} // namespace qx
