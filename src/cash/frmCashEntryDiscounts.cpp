// Discount choice of the assessment window: the lists of classes and rates, the two layouts'
// controls and the discount computations.
#include "cash/frmCashEntry.h"

#include "charging/CashMoney.h"
#include "charging/ChargeGrid.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"
#include "shell/Switches.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace qx {

namespace {
const QString kCashDiscountsModule = QStringLiteral("frmCashEntry");
constexpr int kVATColumnWidth = 1128;

QString revenueClassText(const Recordset& rs) {
    return rs.text(QStringLiteral("RevenueID")) + u'-' + rs.text(QStringLiteral("ItemName"));
}

// A rate typed or chosen with or without its percent sign.
double rateOf(const QString& text) { return ToDouble(QString(text).remove(u'%')); }

bool isVATExemptClassCode(const QString& classText) {
    const QString code = Left(classText, 2);
    return code == QLatin1String("PW") || code == QLatin1String("CF");
}
} // namespace

void frmCashEntry::LoadDiscountLists() {
    generalProcedure(kCashDiscountsModule, QStringLiteral("LoadDiscountLists"), [&] {
        Connection& con = SQLConnection();
        cmbA->clear();
        cboPercent->clear();
        Recordset rates = con.query(QStringLiteral(
            "SELECT DISTINCT COALESCE(Discount, 0) AS DiscountRate FROM tbPharmaDiscounts WHERE TypeA = 1"));
        for (; !rates.eof(); rates.moveNext()) {
            // The rate as the server writes a money value into five characters ("10.00").
            const QString rate = Left(Format(rates.number(QStringLiteral("DiscountRate")), QStringLiteral("0.00")), 5);
            cmbA->addItem(rate);
            cboPercent->addItem(rate);
        }
        if (cmbA->count() > 0) {
            cmbA->setCurrentIndex(0);
            cboPercent->setCurrentIndex(0);
        }

        Recordset classes = con.query(QStringLiteral(
            "SELECT * FROM build_file.tbCoRevenueCode WHERE LGRP = 'D' AND CashierActive = 'Y' ORDER BY ItemName"));
        if (!classes.eof()) {
            const QSignalBlocker quiet(cboClass);
            cboClass->clear();
            cboClass->addItem(QString());
            for (; !classes.eof(); classes.moveNext())
                cboClass->addItem(revenueClassText(classes));
            cboClass->setEnabled(true);
        }

        if (!gPharmaOptDiscountType)
            return;
        const QSignalBlocker quiet(cboOthers);
        cboOthers->clear();
        cboOthers->addItem(QString());
        if (gSiteCode == QLatin1String("KTH")) {
            if (auto others = con.callProcedure(QStringLiteral("Pharma_LoadDiscount")))
                for (; !others->eof(); others->moveNext())
                    cboOthers->addItem(others->text(QStringLiteral("Revenue")));
        } else {
            Recordset others = con.query(QStringLiteral(
                "SELECT * FROM build_file.tbCoRevenueCode WHERE LGRP = 'D' AND PHActive = 'Y' AND RecordStatus = 'A' "
                "ORDER BY ItemName"));
            for (; !others.eof(); others.moveNext())
                cboOthers->addItem(revenueClassText(others));
        }
        cboOthers->setEnabled(true);
    });
}

void frmCashEntry::cboClass_Click() {
    eventHandler(kCashDiscountsModule, QStringLiteral("cboClass_Click"), [&] {
        const QString code = Left(cboClass->currentText(), 2);
        cmbA->setEditText(QString());
        const Recordset rs = SQLConnection().query(
            QStringLiteral("SELECT COALESCE(Rate, 0) AS Rate FROM build_file.tbCoDiscountRates "
                           "WHERE DiscountCode = ? AND RevenueID = 'PH'"),
            {code});
        if (!rs.eof())
            cmbA->setEditText(Text(rs.value(QStringLiteral("Rate"))));
    });
}

void frmCashEntry::cboOthers_Click() {
    eventHandler(kCashDiscountsModule, QStringLiteral("cboOthers_Click"), [&] {
        Connection& con = SQLConnection();
        if (optManual->isChecked() && gPresetDiscPercent) {
            cboPercent->setEnabled(false);
            cboPercent->setEditText(QStringLiteral("0.00"));
            const Recordset preset = con.query(
                QStringLiteral("SELECT COALESCE(Discount, 0) AS PharmaDiscount FROM tbPharmaDiscounts WHERE DiscountCode = ?"),
                {Trim(Left(cboOthers->currentText(), 2))});
            if (!preset.eof())
                cboPercent->setEditText(Format(preset.number(QStringLiteral("PharmaDiscount")), QStringLiteral("0.00")));
        }
        const QString code = Left(cboOthers->currentText(), 2);
        txtDscRate->setText(QStringLiteral(" "));
        const Recordset rs = con.query(
            QStringLiteral("SELECT COALESCE(Rate, 0) AS Rate, COALESCE(ChargeAtCost, 0) AS ChargeAtCost "
                           "FROM build_file.tbCoDiscountRates WHERE DiscountCode = ? AND RevenueID = 'PH'"),
            {code});
        // A class without a rate row is not charged at cost, whatever the class before it was.
        mChargeAtCost = false;
        if (rs.eof())
            return;
        txtDscRate->setText(Text(rs.value(QStringLiteral("Rate"))));
        mChargeAtCost = CBool(rs.value(QStringLiteral("ChargeAtCost")));
        if (mChargeAtCost)
            txtDscRate->setText(QStringLiteral("At Cost"));
    });
}

double frmCashEntry::ComputeDiscount(double amount, double cost) {
    return generalProcedure(kCashDiscountsModule, QStringLiteral("ComputeDiscount"), [&] {
        const double rate1 = !cboClass->currentText().isEmpty() ? rateOf(cmbA->currentText())
                                                                 : rateOf(txtDscRate->text());
        if (mChargeAtCost)
            return AtCostDiscount(amount, cost);
        if (rate1 == 0)
            return 0.0;
        double rate = rateOf(cmbA->currentText());
        if (gPharmaOptDiscountType) {
            if (gSiteCode == QLatin1String("KTH"))
                rate = optSeniorCitizen->isChecked() ? gDiscountSeniorCitizen : optNone->isChecked() ? 0 : rate1;
            else if (optSeniorCitizen->isChecked())
                rate = gDiscountSeniorCitizen;
            else if (optManual->isChecked())
                rate = rate1;
            else if (optNone->isChecked())
                rate = 0;
        }
        return rate / 100 * amount;
    });
}

void frmCashEntry::ComputeAllDiscounts() {
    generalProcedure(kCashDiscountsModule, QStringLiteral("ComputeAllDiscounts"), [&] {
        CashDiscountPass pass;
        if (gPharmaOptDiscountType) {
            if (optNone->isChecked())
                pass.noDiscount = true;
            else if (optSeniorCitizen->isChecked())
                pass.vatExemptClass = true;
            else if (optManual->isChecked() && isVATExemptClassCode(cboOthers->currentText()))
                pass.vatExemptClass = true;
        } else if (isVATExemptClassCode(cboClass->currentText())) {
            pass.vatExemptClass = true;
        }
        mVATExemptClass = pass.vatExemptClass;
        pass.vatDeduction = CashierVATDeductionInForce();
        pass.vatDivisor = gInvSwitchVATExemptItems ? 1.12 : 1;
        pass.discountOf = [this](double amount, double cost) { return ComputeDiscount(amount, cost); };

        for (int row = 1; row < grdItemList->rows(); ++row) {
            const auto cell = [&](int col) { return grdItemList->textMatrix(row, col); };
            if (cell(colCode).isEmpty())
                continue;
            CashLine line;
            line.gross = ToDouble(cell(colGross));
            line.unitCost = ToDouble(cell(colAtCost));
            line.quantity = ToDouble(cell(colQuantity));
            line.vatExemptItem = cell(colVATExemptItem) == QLatin1String("1");
            line.seniorDiscounted = cell(colSeniorDiscounted) == QLatin1String("1");
            const CashLineSplit split = SplitCashLine(line, pass);
            if (split.vatExclusiveUnitPrice)
                grdItemList->setTextMatrix(row, colPriceBase, Text(*split.vatExclusiveUnitPrice));
            grdItemList->setTextMatrix(row, colVAT, FormatNumber2(split.vat));
            grdItemList->setTextMatrix(row, colTaxable, FormatNumber2(split.taxable));
            grdItemList->setTextMatrix(row, colAmount, FormatNumber2(split.net));
            grdItemList->setTextMatrix(row, colDiscount, FormatNumber2(split.discount));
        }
        const int vatWidth = mVATExemptClass || pass.vatDeduction ? kVATColumnWidth : 0;
        grdItemList->setColWidth(colVAT, vatWidth);
        grdItemList->setColWidth(colTaxable, vatWidth);
        txtTotal->setText(Text(GetTotalCharges()));
        txtDiscount->setText(Text(GetTotalDiscount()));
    });
}

// Every coded line gets back its undiscounted amount, so none keeps a VAT-exclusive amount once a
// VAT-exempt choice is taken off.
void frmCashEntry::RemoveDiscounts() {
    generalProcedure(kCashDiscountsModule, QStringLiteral("RemoveDiscounts"), [&] {
        for (int row = 1; row < grdItemList->rows(); ++row) {
            if (grdItemList->textMatrix(row, colCode).isEmpty())
                continue;
            const int undiscounted = chkDialysis->isChecked() ? colInPatientAmount : colOutPatientAmount;
            const QString amount = FormatNumber2(ToDouble(grdItemList->textMatrix(row, undiscounted)));
            grdItemList->setTextMatrix(row, colAmount, amount);
            grdItemList->setTextMatrix(row, colTaxable, amount);
            grdItemList->setTextMatrix(row, colVAT, QString());
            grdItemList->setTextMatrix(row, colPriceBase, grdItemList->textMatrix(row, colUnitPrice));
            grdItemList->setTextMatrix(row, colDiscount, QString());
        }
        txtTotal->setText(Text(GetTotalCharges()));
        txtDiscount->setText(Text(GetTotalDiscount()));
    });
}

bool frmCashEntry::checkDiscountType() {
    return generalProcedure(kCashDiscountsModule, QStringLiteral("checkDiscountType"), [&] {
        if (!optManual->isChecked() || !Trim(cboOthers->currentText()).isEmpty())
            return true;
        MsgBox(QStringLiteral("Please select discount type!"), vbInformation, QStringLiteral("Discount Type"));
        cboOthers->setFocus(Qt::OtherFocusReason);
        return false;
    });
}

void frmCashEntry::chkTypeA_Click() {
    eventHandler(kCashDiscountsModule, QStringLiteral("chkTypeA_Click"), [&] {
        const bool on = chkTypeA->isChecked();
        TypeA->setEnabled(on);
        cmdApplyA->setEnabled(on);
        if (!on)
            RemoveDiscounts();
        if (gSiteCode == QLatin1String("ZMX")) {
            cboClass->setEditText(QStringLiteral("CF-SENIOR CITIZENS DISCOUNT"));
            cmbA->setEditText(QStringLiteral("20.00"));
        } else {
            cmbA->setEditText(QStringLiteral("10.00"));
        }
    });
}

void frmCashEntry::cmdApplyA_Click() {
    eventHandler(kCashDiscountsModule, QStringLiteral("cmdApplyA_Click"), [&] {
        if (ValidateQuantity())
            ComputeAllDiscounts();
    });
}

void frmCashEntry::cmdComputeDisc_Click() {
    eventHandler(kCashDiscountsModule, QStringLiteral("cmdComputeDisc_Click"), [&] {
        if (ValidateQuantity())
            ComputeAllDiscounts();
    });
}

void frmCashEntry::optManual_Click() {
    eventHandler(kCashDiscountsModule, QStringLiteral("optManual_Click"), [&] {
        txtDscRate->show();
        cboPercent->hide();
        cmdComputeDisc->show();
        cboOthers->show();
        fraOthers->setEnabled(true);
        enableCardSearch(true);
        UpdateSCPPWDIDVisibility();
    });
}

// The card search belongs to the "Others" choice of the option layout; the class layout has no
// such choice, so there the card fields stay as the load left them.
void frmCashEntry::enableCardSearch(bool enable) {
    if (!gPharmaOptDiscountType)
        return;
    for (QWidget* w : std::initializer_list<QWidget*>{cmdSearchCard, cmdCard, txtZarviCard})
        w->setEnabled(enable && gValidateCardNumber);
}

void frmCashEntry::optNone_Click() {
    eventHandler(kCashDiscountsModule, QStringLiteral("optNone_Click"), [&] {
        if (!ValidateQuantity())
            return;
        if (gSiteCode == QLatin1String("GQUV"))
            chkDialysis->setChecked(false);
        if (optNone->isChecked()) {
            fraOthers->setEnabled(false);
            txtDscRate->hide();
            cboPercent->hide();
            cmdComputeDisc->hide();
        }
        txtSCNumber->setReadOnly(true);
        enableCardSearch(false);
        txtSCNumber->clear();
        RemoveDiscounts();
        if (gSiteCode == QLatin1String("KTH"))
            for (QWidget* w : std::initializer_list<QWidget*>{lblGSISNumber_5, txtGSISNumber, Label2_0, txtSCNumber})
                w->hide();
        ComputeAllDiscounts();
        UpdateSCPPWDIDVisibility();
    });
}

void frmCashEntry::optSeniorCitizen_Click() {
    eventHandler(kCashDiscountsModule, QStringLiteral("optSeniorCitizen_Click"), [&] {
        if (!ValidateQuantity())
            return;
        UpdateSCPPWDIDVisibility();
        if (optSeniorCitizen->isChecked()) {
            fraOthers->setEnabled(false);
            txtDscRate->hide();
            cboPercent->hide();
            cmdComputeDisc->hide();
        }
        txtSCNumber->setReadOnly(false);
        enableCardSearch(false);
        ComputeAllDiscounts();
        UpdateSCPPWDIDVisibility();
    });
}

} // namespace qx
