// Item entry of the cash-sale screen: the drug chosen for a transcribed line, the quantity commit
// with the over-stock choice, and the pricing of a line.
#include "cash/frmEntryCash.h"

#include "charging/CashMoney.h"
#include "charging/ChargeGrid.h"
#include "charging/ItemEntry.h"
#include "components/DrugPicker.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/GridHelpers.h"
#include "shell/Session.h"
#include "shell/clsDrugInfo.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace qx {

namespace {
// The cash sale always sells from the main pharmacy, whatever the session's dispensing location.
const QString kCashSaleLocation = QStringLiteral("20");

void tellInactive(const clsDrugInfo& info) {
    MsgBox(info.DrugName() + QStringLiteral(" ") + info.Description() + QStringLiteral(" was set to inactive."), vbInformation,
           QStringLiteral("MESSAGE"));
}
} // namespace

void frmEntryCash::cmdEntry_Click() {
    unhandledErrorGuard([&] {
        if (flexMSEntry->col() != colCode) {
            chargeGrid_->rejectCommit();
            return;
        }
        const bool filled = enterItem();
        const QString text = chargeGrid_->editorText();
        if (!text.isEmpty() && filled) {
            chargeGrid_->acceptCommit(text);
            chargeGrid_->setEditorText(QString());
            return;
        }
        chargeGrid_->rejectCommit();
    });
}

bool frmEntryCash::enterItem() {
    const int row = flexMSEntry->row();
    QString text = chargeGrid_->editorText();
    bool chosen = false;
    DrugPicker::DrugList& picker = SlotComponent(gComponents.gDrugList);
    if (!IsNumeric(text)) {
        text = picker.ShowList(text);
        chargeGrid_->setEditorText(text);
    } else if (Trim(flexMSEntry->textMatrix(row, colWaiting)) == QLatin1String("*")) {
        // The line keeps its generic until a drug is accepted for it, so a retry offers the same generic.
        const QString code = picker.ShowList(std::nullopt, std::nullopt, std::nullopt, Trim(flexMSEntry->textMatrix(row, colCode)));
        if (!code.isEmpty()) {
            text = code;
            chargeGrid_->setEditorText(code);
            chosen = true;
        }
    }

    if (GridHasValue(*flexMSEntry, colCode, text, 1)) {
        if (!text.isEmpty())
            MsgBox(QStringLiteral("The same medicine was already requested"), vbExclamation);
        return false;
    }
    bool found = false;
    if (!tellingErrors([&] { found = gDrugInfo().Search(text, kCashSaleLocation); }))
        return false;
    if (!(found && chosen)) {
        MsgBox(QStringLiteral("Drug code not found."), vbInformation);
        return false;
    }
    if (!gDrugInfo().Active()) {
        tellInactive(gDrugInfo());
        chargeGrid_->setEditorText(QString());
        return false;
    }
    fillLineFromDrugInfo(row);
    const bool discountable = flexMSEntry->textMatrix(row, colDiscountable) == QLatin1String("*");
    const bool marked = flexMSEntry->textMatrix(row, colLineMark) == QLatin1String("*");
    const bool senior = discountable && chkSenior->isChecked();
    const bool other = !senior && chkEmployee->isChecked() && marked;
    priceLine(row, Val(flexMSEntry->textMatrix(row, colQuantity)), senior, other);
    refreshTotals();
    ComputeChange();
    return true;
}

// The line takes the drug that the shared drug summary holds; it no longer waits for one.
void frmEntryCash::fillLineFromDrugInfo(int row) {
    const clsDrugInfo& info = gDrugInfo();
    flexMSEntry->setTextMatrix(row, colDiscountable, info.Discounted() ? QStringLiteral("*") : QString());
    flexMSEntry->setTextMatrix(row, colCode, chargeGrid_->editorText());
    flexMSEntry->setTextMatrix(row, colDescription, info.DrugName() + QStringLiteral(" ") + info.Description());
    flexMSEntry->setTextMatrix(row, colStock, Text(info.StockOnHand()));
    flexMSEntry->setTextMatrix(row, colPriceIn, Text(info.SellingPriceIn()));
    flexMSEntry->setTextMatrix(row, colPriceOut, Text(info.SellingPriceOut()));
    flexMSEntry->setTextMatrix(row, colUnitCost, Text(info.UnitCost()));
    flexMSEntry->setTextMatrix(row, colClass, info.Classification());
    flexMSEntry->setTextMatrix(row, colWaiting, QString());
}

void frmEntryCash::priceLine(int row, double quantity, bool applySenior, bool applyOther) {
    const auto number = [&](int col) { return ToDouble(flexMSEntry->textMatrix(row, col)); };
    const bool atCost = chkAtCost->isChecked();
    const double basePrice = atCost ? number(colUnitCost) : number(colPriceIn);
    const double unitPrice = atCost ? number(colUnitCost) : number(colPriceOut);
    flexMSEntry->setTextMatrix(row, colAmount, FormatSaleAmount(quantity * unitPrice));
    flexMSEntry->setTextMatrix(row, colUnitPrice, FormatSaleAmount(unitPrice));
    flexMSEntry->setTextMatrix(row, colEntryAmount, flexMSEntry->textMatrix(row, colAmount));
    std::optional<double> discounted;
    if (applySenior)
        discounted = Discounted(basePrice, chkSenior->isChecked() ? gCashSeniorDiscountRate : 0);
    else if (applyOther)
        discounted = Discounted(unitPrice, chkEmployee->isChecked() ? typedOtherRate() : 0);
    if (discounted) {
        flexMSEntry->setTextMatrix(row, colUnitPrice, FormatSaleAmount(*discounted));
        flexMSEntry->setTextMatrix(row, colAmount, FormatSaleAmount(quantity * *discounted));
    }
}

void frmEntryCash::txtEntry_DblClick() {
    unhandledErrorGuard([&] {
        const int row = flexMSEntry->row();
        const int col = flexMSEntry->col();
        if (col != colQuantity && col != colAmount && col != colUnused) {
            cmdEntry_Click();
            return;
        }
        if (col == colQuantity) {
            bool substituted = false;
            QuantityCommitRequest request;
            request.parent = this;
            request.typed = chargeGrid_->editorText();
            request.stockOnHand = ToDouble(flexMSEntry->textMatrix(row, colStock));
            request.wholeOnly = false;
            request.findSubstitute = [&] {
                takeSubstitute(row, substituted);
                return true;
            };
            if (CommitQuantity(request).verdict != QuantityVerdict::Commit) {
                chargeGrid_->rejectCommit();
                return;
            }
            const bool discountable = flexMSEntry->textMatrix(row, colDiscountable) == QLatin1String("*");
            const bool marked = flexMSEntry->textMatrix(row, colLineMark) == QLatin1String("*");
            bool senior = false;
            bool other = false;
            if (substituted)
                senior = chkSenior->isChecked() && discountable;
            else if (chkEmployee->isChecked())
                other = marked;
            else
                senior = chkSenior->isChecked() && discountable;
            // An inactive substitute empties the editor: the line then commits no quantity.
            priceLine(row, Val(chargeGrid_->editorText()), senior, other);
            refreshTotals();
            ComputeChange();
        }
        chargeGrid_->acceptCommit(chargeGrid_->editorText());
    });
}

// Over-stock choice "Find Substitute Drug": the picker's drug takes the line when it is active.
void frmEntryCash::takeSubstitute(int row, bool& substituted) {
    const QString code = SlotComponent(gComponents.gDrugList).ShowList();
    if (code.isEmpty())
        return;
    bool found = false;
    if (!tellingErrors([&] { found = gDrugInfo().Search(code, kCashSaleLocation); }))
        return;
    if (!found) {
        MsgBox(QStringLiteral("Drug code not found!"), vbExclamation);
        return;
    }
    if (!gDrugInfo().Active()) {
        tellInactive(gDrugInfo());
        chargeGrid_->setEditorText(QString());
        return;
    }
    const QString quantityText = chargeGrid_->editorText();
    chargeGrid_->setEditorText(code);
    fillLineFromDrugInfo(row);
    chargeGrid_->setEditorText(quantityText);
    substituted = gDrugInfo().Discounted();
}

} // namespace qx
