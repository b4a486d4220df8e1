// Totals, row checks and clearing of the assessment window.
#include "cash/frmCashEntry.h"

#include "charging/ChargeGrid.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/frmDeletePassword.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace qx {

namespace {
const QString kCashTotalsModule = QStringLiteral("frmCashEntry");

double sumOfLines(const FlexGrid& grid, int col) {
    double total = 0;
    for (int row = 1; row < grid.rows(); ++row)
        total += ToDouble(grid.textMatrix(row, col));
    return total;
}
} // namespace

double frmCashEntry::GetTotalCharges() const {
    return generalProcedure(kCashTotalsModule, QStringLiteral("GetTotalCharges"),
                            [&] { return Round(sumOfLines(*grdItemList, colAmount), 2); });
}

double frmCashEntry::GetTotalDiscount() const {
    return generalProcedure(kCashTotalsModule, QStringLiteral("GetTotalDiscount"), [&] {
        if (gPharmaOptDiscountType && optNone->isChecked())
            return 0.0;
        return Round(sumOfLines(*grdItemList, colDiscount), 2);
    });
}

bool frmCashEntry::BlankRow(int row) const { return chargeGrid_->isBlankRow(row, colCode); }

int frmCashEntry::BlankRows() const {
    int blank = 0;
    for (int row = 1; row < grdItemList->rows(); ++row)
        if (BlankRow(row))
            ++blank;
    return blank;
}

bool frmCashEntry::CanSaveRow(int row) const {
    if (BlankRow(row))
        return false;
    return ToDouble(grdItemList->textMatrix(row, colQuantity)) > 0 &&
           !Trim(grdItemList->textMatrix(row, colCode)).isEmpty();
}

bool frmCashEntry::canSave() const {
    for (int row = 1; row < grdItemList->rows(); ++row)
        if (CanSaveRow(row))
            return true;
    return false;
}

QString frmCashEntry::NoSaveRows() const {
    QStringList rows;
    for (int row = 1; row < grdItemList->rows(); ++row)
        if (!BlankRow(row) && !CanSaveRow(row))
            rows << QString::number(row);
    return rows.join(QStringLiteral(", "));
}

bool frmCashEntry::refusedForNoQuantity(int row) {
    if (ToDouble(grdItemList->textMatrix(row, colQuantity)) != 0)
        return false;
    MsgBox(QStringLiteral("Enter quantity for ") + grdItemList->textMatrix(row, colDescription) + QStringLiteral("."),
           vbInformation);
    return true;
}

bool frmCashEntry::ValidateQuantity() {
    return generalProcedure(kCashTotalsModule, QStringLiteral("ValidateQuantity"), [&] {
        for (int row = 1; row < grdItemList->rows(); ++row) {
            if (grdItemList->textMatrix(row, colCode).isEmpty())
                continue;
            if (refusedForNoQuantity(row))
                return false;
        }
        return true;
    });
}

bool frmCashEntry::Validated() {
    return generalProcedure(kCashTotalsModule, QStringLiteral("Validated"), [&] {
        if (!ValidateQuantity())
            return false;
        if (gHasValidation) {
            frmDeletePassword& approval = frmDeletePassword::Default();
            approval.setHeightTwips(2400);
            showModal(approval);
            if (!approval.OKCharge()) {
                ShowInfo(QStringLiteral("Invalid Password."));
                return false;
            }
        }
        if (grdItemList->rows() == BlankRows() + 1) {
            ShowInfo(QStringLiteral("Item list empty."));
            grdItemList->setFocus(Qt::OtherFocusReason);
            return false;
        }
        if (!canSave()) {
            ShowInfo(QStringLiteral("Incomplete entry in line # ") + NoSaveRows());
            grdItemList->setFocus(Qt::OtherFocusReason);
            return false;
        }
        for (int row = 1; row < grdItemList->rows(); ++row) {
            if (grdItemList->textMatrix(row, colCode).isEmpty())
                continue;
            if (ToDouble(grdItemList->textMatrix(row, colQuantity)) == 0 ||
                ToDouble(grdItemList->textMatrix(row, colAmount)) == 0) {
                MsgBox(QStringLiteral("Please check the quantity or amount of the assessed items. Some entries have "
                                      "zero value!"),
                       vbCritical, QStringLiteral("WARNING"));
                return false;
            }
        }
        return true;
    });
}

void frmCashEntry::ClearRow(int row) {
    generalProcedure(kCashTotalsModule, QStringLiteral("ClearRow"), [&] {
        for (int col = 0; col < grdItemList->cols(); ++col)
            if (col != colCode)
                grdItemList->setTextMatrix(row, col, QString());
    });
}

void frmCashEntry::ClearAll(bool clearTotals) {
    generalProcedure(kCashTotalsModule, QStringLiteral("ClearAll"), [&] {
        setGrid();
        chargeGrid_->hideEditor();
        if (clearTotals) {
            txtTotal->clear();
            txtDiscount->clear();
        }
        grdItemList->setRow(1);
        grdItemList->setCol(colCode);
        txtIdNumber->setText(QStringLiteral("ASSESS"));
        txtHospNum->setText(QStringLiteral("CASH"));
        txtPatName->setText(QStringLiteral("CASH"));
        chkInPatient->setChecked(false);
        chkOutPatient->setChecked(false);
        txtSCNumber->clear();
        txtZarviCard->clear();
        lblCardTypeID->clear();
        lblCardType->clear();
        txtCardHolder->clear();
        lblMarkUp->clear();
        lblMarkUp->hide();
        if (gSiteCode == QLatin1String("KTH")) {
            txtGSISNumber->clear();
            mGSISCardSC = false;
            mGSISCardGSIS = false;
            for (QWidget* w : std::initializer_list<QWidget*>{lblGSISNumber_5, txtGSISNumber, Label2_0, txtSCNumber})
                w->hide();
        }
        ClearInfo();
        if (!gPharmaOptDiscountType)
            txtSCNumber->setReadOnly(false);
        if (cboOthers->count() > 0)
            cboOthers->setCurrentIndex(0);
        txtDscRate->setText(QStringLiteral("0"));
        mChargeAtCost = false;
        optNone->setChecked(true);
    });
}

void frmCashEntry::ClearInfo() {
    generalProcedure(kCashTotalsModule, QStringLiteral("ClearInfo"), [&] {
        cmdPrintSave->setEnabled(true);
        txtIdNumber->clear();
        txtHospNum->clear();
        if (chkInPatient->isChecked() || chkOutPatient->isChecked()) {
            txtPatName->clear();
            fraMasterInfo->setEnabled(true);
            txtPatName->setEnabled(false);
            if (!mLoading)
                txtIdNumber->setFocus(Qt::OtherFocusReason);
            return;
        }
        lblCaption->setText(QStringLiteral("WALK-IN"));
        txtIdNumber->setText(QStringLiteral("ASSESS"));
        txtHospNum->setText(QStringLiteral("CASH"));
        txtPatName->setText(QStringLiteral("CASH"));
        txtDoctorID->clear();
        txtDoctor->clear();
        fraMasterInfo->setEnabled(false);
        txtPatName->setEnabled(true);
        if (gVelmira) {
            lblHospitalPlan->hide();
            chkVelmira->setChecked(false);
            chkVelmira->show();
            if (!mLoading && txtPatName->isVisible() && txtPatName->isEnabled())
                txtPatName->setFocus(Qt::OtherFocusReason);
        }
    });
}

} // namespace qx
