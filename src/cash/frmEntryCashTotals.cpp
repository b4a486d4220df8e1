// Totals, row checks, tendered cash and clearing of the cash-sale screen.
#include "cash/frmEntryCash.h"

#include "charging/CashMoney.h"
#include "charging/CashReceipts.h"
#include "charging/ChargeGrid.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/Session.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx {

namespace {
// An amount as the screen shows it, thousands separators dropped: its leading number.
double saleAmountOf(const QString& text) { return Val(Trim(QString(text).remove(QLatin1Char(',')))); }
} // namespace

QString frmEntryCash::TotalCharges() {
    double total = 0;
    double discount = 0;
    for (int row = 1; row < flexMSEntry->rows(); ++row) {
        total += Val(flexMSEntry->textMatrix(row, colAmount));
        discount += Val(flexMSEntry->textMatrix(row, colTypeDiscount));
    }
    if (discount > 0) {
        lblDiscountTitle->show();
        lblDiscount->show();
        lblDiscount->setText(FormatSaleTotal(discount));
    } else {
        lblDiscountTitle->hide();
        lblDiscount->hide();
        lblDiscount->clear();
    }
    return FormatSaleTotal(total);
}

void frmEntryCash::refreshTotals() { lblTotal->setText(TotalCharges()); }

bool frmEntryCash::BlankRow(int row) const { return chargeGrid_->isBlankRow(row, 1); }

int frmEntryCash::BlankRows() const {
    int blank = 0;
    for (int row = 1; row < flexMSEntry->rows(); ++row)
        if (BlankRow(row))
            ++blank;
    return blank;
}

bool frmEntryCash::CanSaveRow(int row) const {
    return !BlankRow(row) && Val(flexMSEntry->textMatrix(row, colQuantity)) > 0 &&
           Trim(flexMSEntry->textMatrix(row, colWaiting)) != QLatin1String("*") &&
           !Trim(flexMSEntry->textMatrix(row, colCode)).isEmpty();
}

bool frmEntryCash::canSave() {
    int complete = 0;
    for (int row = 1; row < flexMSEntry->rows(); ++row) {
        if (!CanSaveRow(row))
            continue;
        ++complete;
        // Senior Citizen and Other Discount exclude each other; a box "Not available" stays disabled.
        if (chkSenior->isVisible())
            chkSenior->setEnabled(!chkEmployee->isChecked() && gCashSeniorDiscountRate > 0);
        if (chkEmployee->isVisible())
            chkEmployee->setEnabled(!chkSenior->isChecked() && gCashOtherDiscountRate > 0);
    }
    return complete == flexMSEntry->rows() - 1;
}

QString frmEntryCash::NoSaveRows() const {
    QString rows;
    for (int row = 1; row < flexMSEntry->rows(); ++row)
        if (!BlankRow(row) && !CanSaveRow(row))
            rows += Str(row) + QStringLiteral(", ");
    if (rows.endsWith(QStringLiteral(", ")))
        rows.chop(2);
    return rows;
}

void frmEntryCash::ComputeChange() {
    const double change = saleAmountOf(txtCash->text()) - saleAmountOf(lblTotal->text());
    if (saleAmountOf(FormatSaleTotal(change)) < 0)
        lblChange->clear();
    else
        lblChange->setText(Format(change, QStringLiteral("##,###,###0.00")));
}

void frmEntryCash::txtCash_GotFocus() {
    unhandledErrorGuard([&] {
        const double tendered = saleAmountOf(txtCash->text());
        if (tendered > 0)
            txtCash->setText(Text(tendered));
        txtCash->setAlignment(Qt::AlignLeft);
        txtCash->selectAll();
    });
}

void frmEntryCash::txtCash_Enter() {
    unhandledErrorGuard([&] {
        if (saleAmountOf(txtCash->text()) >= saleAmountOf(lblTotal->text())) {
            ComputeChange();
            if (cmdPrintSave->isEnabled())
                cmdPrintSave->setFocus(Qt::OtherFocusReason);
        } else {
            MsgBox(QStringLiteral("Amount is greater than tendered cash."), vbExclamation, QStringLiteral("MESSAGE"));
            txtCash->setFocus(Qt::OtherFocusReason);
        }
    });
}

void frmEntryCash::txtCash_LostFocus() {
    unhandledErrorGuard([&] {
        const double tendered = saleAmountOf(txtCash->text());
        txtCash->setText(tendered > 0 ? FormatSaleTotal(tendered) : QString());
        txtCash->setAlignment(Qt::AlignRight);
    });
}

void frmEntryCash::ClearAll(bool blnClearAll) {
    mFirstFocus = true;
    for (int row = 1; row < flexMSEntry->rows(); ++row) {
        flexMSEntry->setTextMatrix(row, colNumber, Str(row));
        for (int col = 1; col < flexMSEntry->cols(); ++col)
            flexMSEntry->setTextMatrix(row, col, QString());
    }
    HideEntryControls();
    chargeGrid_->setEditorText(QString());

    tellingErrors([&] {
        TillNumbers::CashNumbers& numbers = SlotComponent(gComponents.gCashNumbers);
        numbers.GetNumbers();
        lblCSSlip->setText(QStringLiteral(" ") + CashReceiptNumber(numbers.CashNumber()));
        numbers.UpdateNumberGroup(Trim(lblCSSlip->text()), QStringLiteral("PH") + Text(numbers.DrugNumber()),
                                  QStringLiteral("SC") + Text(numbers.NonDrugNumber()), gCashReportDate);
        numbers.GetNumbers();
        lblCSSlip->setText(QStringLiteral(" ") + CashReceiptNumber(numbers.CashNumber()));
    });

    if (blnClearAll) {
        lblTotal->clear();
        txtCash->clear();
        lblChange->clear();
    }
    if (flexMSEntry->rows() > 1) {
        flexMSEntry->setCol(colCode);
        flexMSEntry->setRow(1);
    }
    lblPatInfo[0]->clear();

    if (chkSenior->isChecked()) {
        chkSenior->setChecked(false);
        chkSenior_Click();
    }
    if (chkAtCost->isChecked()) {
        chkAtCost->setChecked(false);
        chkAtCost_Click();
    }
    txtOtherDesc->clear();
    if (chkEmployee->isChecked()) {
        chkEmployee->setChecked(false);
        chkEmployee_Click();
    }
    cmdDiscount->setEnabled(false);
}

} // namespace qx
