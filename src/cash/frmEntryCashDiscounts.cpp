// Discounts of the cash-sale screen: senior citizen, the other discount on marked lines, the sale at
// cost, and the discount types A and B, with the repricing each of them starts.
#include "cash/frmEntryCash.h"

#include "charging/CashMoney.h"
#include "charging/ChargeGrid.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/UpDown.h"
#include "platform/Values.h"
#include "shell/Session.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx {

namespace {
const QString kIgnoreRateQuestion = QStringLiteral("You have entered the discount rate. Are you sure to ignore?");

// A rate chosen from a list: the entry without "%", rounded to a whole number.
double listRate(const QComboBox* list) { return Round(Val(QString(list->currentText()).remove(QLatin1Char('%')))); }
} // namespace

double frmEntryCash::typedOtherRate() const {
    return Val(Trim(txtOtherDesc->text()).remove(QLatin1Char('%')));
}

bool frmEntryCash::askIgnoreTypedRate() {
    return MsgBox(kIgnoreRateQuestion, vbQuestion + vbYesNo, QStringLiteral("MESSAGE")) == vbYes;
}

// Prices every line from its base prices: the plain out-patient price, then the discounted price on
// the lines the pass applies to. The marked-rows pass (the typed rate) leaves the line numbers alone.
void frmEntryCash::repriceRows(double rate, bool markedRowsOnly, bool markRows) {
    const bool senior = chkSenior->isChecked();
    const bool other = chkEmployee->isChecked();
    const bool atCost = chkAtCost->isChecked();
    for (int row = 1; row < flexMSEntry->rows(); ++row) {
        const auto number = [&](int col) { return ToDouble(flexMSEntry->textMatrix(row, col)); };
        const double basePrice = atCost ? number(colUnitCost) : number(colPriceIn);
        const double unitPrice = atCost ? number(colUnitCost) : number(colPriceOut);
        const double quantity = Val(flexMSEntry->textMatrix(row, colQuantity));
        double price = unitPrice;
        double amount = quantity * unitPrice;
        const QString mark = flexMSEntry->textMatrix(row, markedRowsOnly ? colLineMark : colDiscountable);
        bool discounted = false;
        if (mark == QLatin1String("*")) {
            if (senior) {
                price = Discounted(basePrice, rate);
                amount = Discounted(quantity * basePrice, rate);
                discounted = true;
            } else if (other) {
                price = Discounted(unitPrice, rate);
                amount = Discounted(quantity * unitPrice, rate);
                discounted = true;
            }
            if (markRows)
                flexMSEntry->setTextMatrix(row, colNumber, Str(row) + (discounted ? QStringLiteral("*") : QString()));
        }
        flexMSEntry->setTextMatrix(row, colUnitPrice, price > 0 ? FormatSaleAmount(price) : QString());
        flexMSEntry->setTextMatrix(row, colAmount, amount > 0 ? FormatSaleAmount(amount) : QString());
    }
    refreshTotals();
}

void frmEntryCash::DiscountItems() {
    double rate = 0;
    if (chkSenior->isChecked())
        rate = gCashSeniorDiscountRate;
    else if (chkEmployee->isChecked())
        rate = gCashOtherDiscountRate;
    repriceRows(rate, false, true);
}

void frmEntryCash::OtherDiscountItems() { repriceRows(typedOtherRate(), true, false); }

double frmEntryCash::ComputeDiscount(double amount) const {
    return TypeDiscount(amount, chkTypeA->isChecked(), listRate(cmbA), listRate(cmbB1), listRate(cmbB2));
}

void frmEntryCash::ComputeAllDiscounts() {
    for (int row = 1; row < flexMSEntry->rows(); ++row) {
        const double entryAmount = Val(flexMSEntry->textMatrix(row, colEntryAmount));
        if (!(entryAmount > 0))
            continue;
        flexMSEntry->setTextMatrix(row, colBeforeTypeDiscount, flexMSEntry->textMatrix(row, colAmount));
        const double discount = ComputeDiscount(entryAmount);
        flexMSEntry->setTextMatrix(row, colAmount, Format(entryAmount - discount, QStringLiteral("########0.00")));
        flexMSEntry->setTextMatrix(row, colTypeDiscount, Format(discount, QStringLiteral("########0.00")));
        flexMSEntry->setTextMatrix(row, colLineMark, QStringLiteral("*"));
    }
    refreshTotals();
}

void frmEntryCash::RemoveDiscounts() {
    for (int row = 1; row < flexMSEntry->rows(); ++row) {
        if (!(Val(flexMSEntry->textMatrix(row, colTypeDiscount)) > 0))
            continue;
        flexMSEntry->setTextMatrix(row, colAmount, flexMSEntry->textMatrix(row, colEntryAmount));
        for (int col : {colBeforeTypeDiscount, colTypeDiscount, colLineMark})
            flexMSEntry->setTextMatrix(row, col, QString());
    }
    refreshTotals();
}

void frmEntryCash::chkSenior_Click() {
    unhandledErrorGuard([&] {
        if (chkSenior->isChecked()) {
            if (typedOtherRate() > 0 && !askIgnoreTypedRate()) {
                chkSenior->setChecked(false);
                chkSenior_Click();
                if (txtOtherDesc->isEnabled())
                    txtOtherDesc->setFocus(Qt::OtherFocusReason);
                DiscountItems();
                return;
            }
            txtOtherDesc->clear();
            if (chkEmployee->isChecked()) {
                chkEmployee->setChecked(false);
                chkEmployee_Click();
            }
            chkEmployee->setEnabled(false);
            lblDiscountTitle->show();
            lblDiscount->show();
        } else {
            chkEmployee->setEnabled(gCashOtherDiscountRate > 0);
            lblDiscountTitle->hide();
            lblDiscount->hide();
        }
        DiscountItems();
    });
}

void frmEntryCash::chkEmployee_Click() {
    unhandledErrorGuard([&] {
        if (chkEmployee->isChecked()) {
            chkAtCost->setEnabled(false);
            chkSenior->setEnabled(false);
            txtOtherDesc->setEnabled(true);
            udOtherDisc->setEnabled(true);
            const int row = flexMSEntry->row();
            if (row > 0 && !BlankRow(row) && typedOtherRate() > 0)
                cmdDiscount->setEnabled(true);
            lblDiscountTitle->show();
            lblDiscount->show();
            txtOtherDesc->setFocus(Qt::OtherFocusReason);
        } else if (typedOtherRate() > 0) {
            if (askIgnoreTypedRate()) {
                chkAtCost->setEnabled(true);
                chkSenior->setEnabled(gCashSeniorDiscountRate > 0);
                txtOtherDesc->setEnabled(false);
                udOtherDisc->setEnabled(false);
                cmdDiscount->setEnabled(false);
                cmdDiscount->setText(QStringLiteral("%"));
                lblDiscountTitle->hide();
                lblDiscount->hide();
                txtOtherDesc->clear();
                for (int row = 1; row < flexMSEntry->rows(); ++row) {
                    if (flexMSEntry->textMatrix(row, colLineMark) == QLatin1String("*"))
                        flexMSEntry->setTextMatrix(row, colNumber, Str(row));
                    flexMSEntry->setTextMatrix(row, colLineMark, QString());
                }
            } else {
                chkEmployee->setChecked(true);
                chkEmployee_Click();
                if (txtOtherDesc->isEnabled())
                    txtOtherDesc->setFocus(Qt::OtherFocusReason);
            }
        } else {
            chkAtCost->setEnabled(true);
            chkSenior->setEnabled(gCashSeniorDiscountRate > 0);
            txtOtherDesc->setEnabled(false);
            udOtherDisc->setEnabled(false);
            cmdDiscount->setEnabled(false);
            lblDiscountTitle->hide();
            lblDiscount->hide();
            txtOtherDesc->clear();
        }
        OtherDiscountItems();
    });
}

void frmEntryCash::chkAtCost_Click() {
    unhandledErrorGuard([&] {
        if (chkAtCost->isChecked()) {
            if (typedOtherRate() > 0 && !askIgnoreTypedRate()) {
                chkAtCost->setChecked(false);
                chkAtCost_Click();
                if (txtOtherDesc->isEnabled())
                    txtOtherDesc->setFocus(Qt::OtherFocusReason);
                return;
            }
            Frame2->setEnabled(false);
            chkEmployee->setEnabled(false);
            chkSenior->setEnabled(false);
            txtOtherDesc->clear();
        } else {
            Frame2->setEnabled(true);
            // The two boxes still exclude each other, and a box "Not available" stays disabled.
            chkEmployee->setEnabled(!chkSenior->isChecked() && gCashOtherDiscountRate > 0);
            chkSenior->setEnabled(!chkEmployee->isChecked() && gCashSeniorDiscountRate > 0);
        }
        DiscountItems();
    });
}

void frmEntryCash::cmdDiscount_Click() {
    unhandledErrorGuard([&] {
        const int row = flexMSEntry->row();
        if (cmdDiscount->isEnabled() && row > 0) {
            toggleLineMark(row);
            const bool marked = flexMSEntry->textMatrix(row, colLineMark) == QLatin1String("*");
            cmdDiscount->setText(marked ? QStringLiteral("OK") : QStringLiteral("%"));
        }
        OtherDiscountItems();
    });
}

void frmEntryCash::txtOtherDesc_Change() {
    unhandledErrorGuard([&] {
        const int row = flexMSEntry->row();
        cmdDiscount->setEnabled(Round(typedOtherRate()) > 0 && row > 0 && !BlankRow(row));
    });
}

void frmEntryCash::txtOtherDesc_GotFocus() {
    txtOtherDesc->setText(Trim(QString(txtOtherDesc->text()).remove(QLatin1Char('%'))));
    txtOtherDesc->selectAll();
}

void frmEntryCash::txtOtherDesc_LostFocus() { txtOtherDesc->setText(Trim(txtOtherDesc->text()) + QStringLiteral(" %")); }

void frmEntryCash::udOtherDisc_UpClick() {
    unhandledErrorGuard([&] {
        const double rate = typedOtherRate();
        if (rate >= 100) {
            MsgBox(QStringLiteral("Sorry, discount must not exceed 100%."), vbInformation, QStringLiteral("MESSAGE"));
            return;
        }
        txtOtherDesc->setText(Text(rate + 1) + QStringLiteral(" %"));
    });
}

void frmEntryCash::udOtherDisc_DownClick() {
    unhandledErrorGuard([&] {
        double rate = typedOtherRate();
        if (!(rate > 0))
            return;
        rate -= 1;
        txtOtherDesc->setText(rate > 0 ? Text(rate) + QStringLiteral(" %") : QString());
    });
}

void frmEntryCash::resetTypeLists() {
    for (QComboBox* list : {cmbA, cmbB1, cmbB2})
        if (list->count() > 0)
            list->setCurrentIndex(0);
}

void frmEntryCash::chkTypeA_Click() {
    unhandledErrorGuard([&] {
        if (chkTypeA->isChecked()) {
            if (chkTypeB->isChecked()) {
                chkTypeB->setChecked(false);
                chkTypeB_Click();
            }
            TypeB->setEnabled(false);
            for (QComboBox* list : {cmbB1, cmbB2})
                if (list->count() > 0)
                    list->setCurrentIndex(0);
            TypeA->setEnabled(true);
            cmdApplyA->setEnabled(true);
        } else {
            TypeA->setEnabled(false);
            cmdApplyA->setEnabled(false);
            RemoveDiscounts();
            if (cmbA->count() > 0)
                cmbA->setCurrentIndex(0);
        }
    });
}

void frmEntryCash::chkTypeB_Click() {
    unhandledErrorGuard([&] {
        if (chkTypeB->isChecked()) {
            TypeB->setEnabled(true);
            if (chkTypeA->isChecked()) {
                chkTypeA->setChecked(false);
                chkTypeA_Click();
            }
            TypeA->setEnabled(false);
            if (cmbA->count() > 0)
                cmbA->setCurrentIndex(0);
            cmdApplyB->setEnabled(true);
        } else {
            TypeB->setEnabled(false);
            cmdApplyB->setEnabled(false);
            for (QComboBox* list : {cmbB1, cmbB2})
                if (list->count() > 0)
                    list->setCurrentIndex(0);
            RemoveDiscounts();
        }
    });
}

void frmEntryCash::cmdApplyA_Click() {
    unhandledErrorGuard([&] { ComputeAllDiscounts(); });
}

void frmEntryCash::cmdApplyB_Click() {
    unhandledErrorGuard([&] { ComputeAllDiscounts(); });
}

} // namespace qx
