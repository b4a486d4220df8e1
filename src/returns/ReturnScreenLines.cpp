// The return screen's lines: the slip and medicine pickers, the duplicate test, the filling of a
// new line, the quantity commit, the totals and row tests, and the reset after a save.
#include "returns/ReturnScreen.h"

#include "charging/ChargeGrid.h"
#include "charging/ItemEntry.h"
#include "charging/PriceLookups.h"
#include "components/DrugCatalog.h"
#include "components/IssueLedger.h"
#include "components/PlatformServices.h"
#include "components/SlipBook.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/ItemLookups.h"
#include "shell/Session.h"
#include "shell/Switches.h"
#include "shell/frmShift.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx {

namespace {
QString amountText(double amount) { return Format(amount, QStringLiteral("####.00")); }
} // namespace

void ReturnScreen::cmdEntry_Click() {
    eventHandler(profile_.module, QStringLiteral("cmdEntry_Click"), [&] {
        const int row = flexMSEntry->row();
        const int col = flexMSEntry->col();
        QString text = chargeGrid_->editorText();
        bool accepted = false;
        if (col == colChargeSlip) {
            text = SlotComponent(gComponents.gChargeSlipList).ShowList(loadedPatientID_, nameLabel()->text());
            accepted = true;
            // A new slip starts the line afresh.
            chargeGrid_->clearLine(row, colCode, kCols - 1);
        } else if (col == colCode) {
            if (!lookUpMedicine(row, text, accepted))
                return;
        }
        flexMSEntry->setTextMatrix(row, col, text);
        chargeGrid_->setEditorText(text);
        if (text.isEmpty() || !accepted) {
            chargeGrid_->rejectCommit();
            return;
        }
        chargeGrid_->setEditorText(QString());
        chargeGrid_->acceptCommit();
    });
}

// The code column: the medicine comes from the pickers of the patient's issues, refused when
// another line holds it under the same slip. False when the event ends without writing the cell.
bool ReturnScreen::lookUpMedicine(int row, QString& code, bool& accepted) {
    DrugCatalog::Drug& drug = SlotComponent(gComponents.gDrug).Drug();
    IssueLedger::IssuedMedicines& issues = SlotComponent(gComponents.gIssuedMedicines);
    const QString lineSlip = Trim(flexMSEntry->textMatrix(row, colChargeSlip));
    const bool issued = drug.QuantityIssued(loadedPatientID_, Trim(code)) != 0;
    // The code the line already holds, committed again: the line keeps its own slip, issued
    // quantity and amount.
    if (issued && !Trim(code).isEmpty() && Trim(flexMSEntry->textMatrix(row, colCode)) == Trim(code) &&
        DrugPosition(code, lineSlip) == row) {
        accepted = true;
        return true;
    }
    if (!issued && !Trim(code).isEmpty())
        MsgBox(QStringLiteral("That medicine was not posted to the patient."), vbInformation);
    QString slip;
    if (!lineSlip.isEmpty()) {
        code = issues.ShowList(loadedPatientID_, lineSlip, nameLabel()->text());
        slip = flexMSEntry->textMatrix(row, colChargeSlip);
    } else {
        code = issues.ListIssuedbyDrugs(loadedPatientID_);
        slip = issues.Chargeslip();
    }
    // A cancelled picker changes nothing on the line.
    if (code.isEmpty()) {
        chargeGrid_->setEditorText(flexMSEntry->textMatrix(row, colCode));
        chargeGrid_->rejectCommit();
        return false;
    }
    // What the line held belonged to its earlier medicine.
    if (Trim(flexMSEntry->textMatrix(row, colCode)) != Trim(code))
        chargeGrid_->clearLine(row, colDescription, kCols - 1);

    const int position = DrugPosition(code, slip);
    if (position == row) {
        accepted = true;
        return true;
    }
    if (position != 0) {
        if (profile_.inPatient) {
            MsgBox(QStringLiteral("Item already on the list"), vbOKOnly);
            chargeGrid_->clearLine(row, 0, kCols - 1);
            return false;
        }
        MsgBox(QStringLiteral("Drug code is already in line ") + QString::number(position) + QStringLiteral("."), vbOKOnly);
        return true;
    }
    accepted = fillNewLine(row, code, slip);
    return true;
}

// Fills the line from the drug component and the chosen issue; false when the drug is not found
// (nothing of the line changes).
bool ReturnScreen::fillNewLine(int row, const QString& code, const QString& slip) {
    if (gPharmaSwitches.IsKelvarHospital())
        ChooseDispensingLocation(this);
    DrugCatalog::Drug& drug = SlotComponent(gComponents.gDrug).Drug();
    if (!drug.SearchDrug(code, gLocationID))
        return false;
    IssueLedger::IssuedMedicines& issues = SlotComponent(gComponents.gIssuedMedicines);
    Connection& con = SQLConnection();
    FlexGrid& g = *flexMSEntry;
    g.setTextMatrix(row, colDescription, drug.DrugName() + QStringLiteral(" ") + drug.Description());
    g.setTextMatrix(row, colBrandName, GetBrandName(con, code));
    g.setTextMatrix(row, colStock, Text(drug.Invent().StockOnHand));
    g.setTextMatrix(row, colPriceIn, Text(drug.Invent().SellingPriceIn));
    if (issues.IssuedQuantity() > 0)
        g.setTextMatrix(row, colActualAmount, GetActualAmount(con, Trim(slip), Trim(code)));
    g.setTextMatrix(row, colIssued, Text(issues.IssuedQuantity()));
    if (profile_.inPatient) {
        // The whole issued quantity is proposed.
        g.setTextMatrix(row, colQuantity, Text(issues.IssuedQuantity()));
        const QString amount = amountText(Val(g.textMatrix(row, colQuantity)) * Val(g.textMatrix(row, colActualAmount)));
        g.setTextMatrix(row, colAmount, amount);
        g.setTextMatrix(row, colOrigAmount, amount);
        showTotal();
        if (Trim(g.textMatrix(row, colChargeSlip)).isEmpty())
            g.setTextMatrix(row, colChargeSlip, issues.Chargeslip());
    } else {
        g.setTextMatrix(row, colAmount, QString());
        g.setTextMatrix(row, colChargeSlip, slip);
    }
    return true;
}

void ReturnScreen::txtEntry_DblClick() {
    eventHandler(profile_.module, QStringLiteral("txtEntry_DblClick"), [&] {
        const int row = flexMSEntry->row();
        const int col = flexMSEntry->col();
        const QString text = chargeGrid_->editorText();
        if (col == colQuantity) {
            commitQuantity(row, text);
        } else if (col == colAmount || col == colRemarks) {
            chargeGrid_->acceptCommit(text);
        } else {
            cmdEntry_Click();
        }
    });
}

// A whole quantity from 1 to the issued one; its amount at the slip's charged unit amount.
void ReturnScreen::commitQuantity(int row, const QString& typed) {
    if (HasFraction(Trim(typed))) {
        ShowInfo(QStringLiteral("Invalid quantity because of the decimal."));
        return;
    }
    const double quantity = Val(typed);
    if (Val(flexMSEntry->textMatrix(row, colIssued)) < quantity) {
        ShowInfo(QStringLiteral("Quantity returned is greater than quantity issued."));
        chargeGrid_->rejectCommit();
        return;
    }
    if (quantity == 0) {
        ShowInfo(QStringLiteral("Quantity is invalid."));
        chargeGrid_->rejectCommit();
        return;
    }
    const QString amount = amountText(Val(flexMSEntry->textMatrix(row, colActualAmount)) * quantity);
    flexMSEntry->setTextMatrix(row, colAmount, amount);
    flexMSEntry->setTextMatrix(row, colOrigAmount, amount);
    showTotal();
    chargeGrid_->acceptCommit(Format(quantity, QStringLiteral("#########0")));
}

void ReturnScreen::showTotal() { totalLabel()->setText(QStringLiteral(" ") + TotalCharges()); }

QString ReturnScreen::TotalCharges() const {
    return generalProcedure(profile_.module, QStringLiteral("TotalCharges"), [&] {
        double total = 0;
        for (int row = 1; row < flexMSEntry->rows(); ++row)
            total += Val(flexMSEntry->textMatrix(row, colAmount));
        return Format(total, QStringLiteral("###0.00"));
    });
}

bool ReturnScreen::BlankRow(int row) const { return chargeGrid_->isBlankRow(row, colCode); }

bool ReturnScreen::CanSaveRow(int row) const {
    return generalProcedure(profile_.module, QStringLiteral("CanSaveRow"), [&] { return chargeGrid_->canSaveRow(row); });
}

bool ReturnScreen::canSave() const {
    for (int row = 1; row < flexMSEntry->rows(); ++row)
        if (CanSaveRow(row))
            return true;
    return false;
}

bool ReturnScreen::InvalidRow() const {
    for (int row = 1; row < flexMSEntry->rows(); ++row) {
        const bool hasItem = !Trim(flexMSEntry->textMatrix(row, colCode)).isEmpty() &&
                             !Trim(flexMSEntry->textMatrix(row, colChargeSlip)).isEmpty();
        if (hasItem && Val(flexMSEntry->textMatrix(row, colQuantity)) == 0 &&
            Val(flexMSEntry->textMatrix(row, colAmount)) == 0)
            return true;
    }
    return false;
}

int ReturnScreen::DrugPosition(const QString& code, const QString& slip) const {
    for (int row = 1; row < flexMSEntry->rows(); ++row)
        if (Trim(flexMSEntry->textMatrix(row, colChargeSlip)) == Trim(slip) &&
            Trim(flexMSEntry->textMatrix(row, colCode)) == Trim(code))
            return row;
    return 0;
}

void ReturnScreen::ClearAll() {
    eventHandler(profile_.module, QStringLiteral("ClearAll"), [&] {
        for (int i = 0; i < profile_.bannerSlots; ++i)
            setBannerText(i, QString());
        for (int row = 1; row < flexMSEntry->rows(); ++row)
            chargeGrid_->clearLine(row, 0, flexMSEntry->cols() - 1);
        cmdFind->setEnabled(true);
        for (QLineEdit* box : {txtFind, txtDocCode, txtRemarks})
            box->clear();
        chargeGrid_->setEditorText(QString());
        txtFind->setEnabled(true);
        cmdPrintSave->setEnabled(false);
        cmdSave->setEnabled(false);
        chargeGrid_->hideEditor();
        // Nothing is charged to anyone until the next look-up.
        flexMSEntry->setEnabled(false);
        loadedPatientID_.clear();
        supervisorVerifyID_.clear();
        if (txtFind->isEnabled() && (!profile_.inPatient || txtFind->isVisible()))
            txtFind->setFocus(Qt::OtherFocusReason);
    });
}

} // namespace qx
