// frmEmployee: discount types A and B on the shared discount controls with this screen's rules
// (plain type A, the JAWKC base without VAT, MDRP lines skipped, the QVH employee rate), the
// automatic employee discount of site QVH and the unit-cost discount of the NORVAX price basis.
#include "posting/frmEmployee.h"

#include "charging/ChargeGrid.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace qx {

namespace {
const QString kEmployeeDiscountsModule = QStringLiteral("frmEmployee");
const QString kLineAmountFormat = QStringLiteral("########0.00");
} // namespace

TypeABDiscounts::Policy frmEmployee::discountPolicy() {
    TypeABDiscounts::Policy p;
    p.plainTypeA = true;
    // The rate is taken on the amount without its 12 % VAT, and off the whole amount.
    p.base = [](double gross) { return gSiteCode == QLatin1String("JAWKC") ? gross / 1.12 : gross; };
    p.skipRow = [this](int row) {
        return skipMDRPDiscount_ && flexMSEntry->textMatrix(row, colMDRP) == QLatin1String("1");
    };
    p.fixedRate = []() -> std::optional<double> {
        if (gSiteCode == QLatin1String("QVH"))
            return gDiscountEmployee;
        return std::nullopt;
    };
    return p;
}

void frmEmployee::connectDiscounts() {
    discounts_->percentageLeft = [this] {
        lblDiscount->setText(QLatin1Char(' ') + Format(Val(txtDiscount->text()) / 100 * Val(lblGross->text()),
                                                       QStringLiteral("########00.00")));
        lblNet->setText(QLatin1Char(' ') + Format(Val(lblGross->text()) - Val(lblDiscount->text()),
                                                  QStringLiteral("#######00.00")));
    };
    // After the shared switch-off (connected first): the percentage goes back to 0.
    connect(chkTypeA, &QCheckBox::toggled, this, [this](bool ticked) {
        if (!ticked)
            txtDiscount->setText(QStringLiteral("0"));
    });
    connect(cmdApplyA, &QPushButton::clicked, this, [this] {
        txtDiscount->setText(Text(Val(QString(cmbA->currentText()).remove(u'%'))));
    });
    connect(discounts_, &TypeABDiscounts::percentageFocused, this, &frmEmployee::hideCellEditor);
    connect(discounts_, &TypeABDiscounts::returnToGrid, this, [this] { flexMSEntry->setFocus(Qt::OtherFocusReason); });
}

double frmEmployee::ComputeDiscount(double dblAmount) const {
    return generalProcedure(kEmployeeDiscountsModule, QStringLiteral("ComputeDiscount"),
                            [&] { return discounts_->ComputeDiscount(dblAmount); });
}

void frmEmployee::ComputeAllDiscounts() {
    generalProcedure(kEmployeeDiscountsModule, QStringLiteral("ComputeAllDiscounts"), [&] { discounts_->ComputeAllDiscounts(); });
}

void frmEmployee::RemoveDiscounts() {
    generalProcedure(kEmployeeDiscountsModule, QStringLiteral("RemoveDiscounts"), [&] { discounts_->RemoveDiscounts(); });
}

QString frmEmployee::TotalDiscount() const {
    return generalProcedure(kEmployeeDiscountsModule, QStringLiteral("TotalDiscount"), [&] { return discounts_->TotalDiscount(); });
}

void frmEmployee::ComputeAllDiscountsQVH() {
    generalProcedure(kEmployeeDiscountsModule, QStringLiteral("ComputeAllDiscountsQVH"), [&] {
        for (int row = 1; row < flexMSEntry->rows(); ++row) {
            const auto cell = [&](int col) { return Val(flexMSEntry->textMatrix(row, col)); };
            if (cell(colFixedPrice) != 0)
                continue;
            double discount = 0;
            if (gMarkUpGroup) {
                // Charged its mark-up-group amount; the discount shown is the saving on the regular price.
                if (!(cell(colAmount) > 0))
                    continue;
                discount = cell(colRegularAmount) - cell(colAmount);
            } else {
                const double gross = cell(colGross);
                if (!(gross > 0))
                    continue;
                discount = ComputeDiscount(gross / (1 + cell(colMarkupOut) / 100));
                const double vat = Val(Format((gross - discount) * gDiscountVAT / 100, QStringLiteral("#####0.00")));
                flexMSEntry->setTextMatrix(row, colAmount, Format(gross - discount + vat, kLineAmountFormat));
            }
            flexMSEntry->setTextMatrix(row, colDiscount, Format(discount, kLineAmountFormat));
            flexMSEntry->setTextMatrix(row, colSeniorDiscount, QStringLiteral("*"));
        }
        lblNet->setText(TotalCharges());
        lblDiscount->setText(TotalDiscount());
        lblGross->setText(Format(Val(lblDiscount->text()) + Val(lblNet->text()), QStringLiteral("#######0.00")));
    });
}

void frmEmployee::ComputeUnitCostDiscount() {
    generalProcedure(kEmployeeDiscountsModule, QStringLiteral("ComputeUnitCostDiscount"), [&] {
        double total = 0;  // a currency value: four decimals
        if (optUnitCost->isChecked()) {
            for (int row = 1; row < flexMSEntry->rows(); ++row) {
                const auto cell = [&](int col) { return Val(flexMSEntry->textMatrix(row, col)); };
                const double quantity = cell(colQuantity);
                const double line = cell(colUnitPrice) * quantity - quantity * cell(colUnitCost);
                total = Round(total + line, 4);
                if (!flexMSEntry->textMatrix(row, colCode).isEmpty())
                    flexMSEntry->setTextMatrix(row, colMarkupIn, Text(line));
            }
        }
        lblDiscount->setText(Format(total, QStringLiteral("###,###,##0.00")));
        lblNet->setText(Format(Round(Val(lblGross->text()), 4) - total, QStringLiteral("###,###,##0.00")));
    });
}

QString frmEmployee::GetDiscountCode() const {
    return generalProcedure(kEmployeeDiscountsModule, QStringLiteral("GetDiscountCode"), [&] {
        const QString entry = cmbA->currentText();
        if (entry.isEmpty())
            return QString();
        return Trim(entry.section(u'|', 1, 1));
    });
}

} // namespace qx
