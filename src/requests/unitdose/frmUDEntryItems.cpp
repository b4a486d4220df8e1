// frmUDEntry: the look-ups behind the editor's "..." button and the commit of an edited cell. An
// item here is priced at the dispensing location's in-patient selling price and nothing else.
#include "requests/unitdose/frmUDEntry.h"

#include "charging/ChargeGrid.h"
#include "charging/ItemEntry.h"
#include "charging/ManualItemEntry.h"
#include "components/DoseForms.h"
#include "components/DrugCatalog.h"
#include "components/DrugPicker.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/Session.h"
#include "shell/frmShift.h"

#include <QLabel>

namespace qx {

namespace {
const QString kUDItemsModule = QStringLiteral("frmUDEntry");
const QString kUDAmountFormat = QStringLiteral("######.00");
} // namespace

void frmUDEntry::cmdEntry_Click() {
    eventHandler(kUDItemsModule, QStringLiteral("cmdEntry_Click"), [&] {
        const int row = flexMSEntry->row();
        const int col = flexMSEntry->col();
        const QString oldText = chargeGrid_->editorText();
        bool accepted = false;
        if (col == kColCode)
            accepted = lookUpCode(row);
        else if (col == kColDosage)
            accepted = lookUpDosage(row);
        const QString text = chargeGrid_->editorText();
        if (text.isEmpty()) {
            chargeGrid_->rejectCommit();  // a cancelled picker leaves the editor waiting, empty
        } else if (accepted) {
            chargeGrid_->acceptCommit(text);
            chargeGrid_->setEditorText(QString());
        } else {
            chargeGrid_->setEditorText(oldText);
            chargeGrid_->rejectCommit();
        }
    });
}

bool frmUDEntry::lookUpCode(int row) {
    DrugCatalog::Drug& drug = CurrentDrug();
    ItemCodeRequest request;
    request.typed = chargeGrid_->editorText();
    request.grid = flexMSEntry;
    request.codeCol = kColCode;
    request.firstRow = 1;
    request.parent = this;
    request.pick = [](const QString& typed) { return CurrentDrugPicker().ShowList(typed, std::nullopt, gLocationID); };
    request.location = gLocationID;
    request.patientKey = Trim(lblPatInfo[7]->text());
    const ItemCodeOutcome outcome = ResolveItemCode(SQLConnection(), drug, request);
    chargeGrid_->setEditorText(outcome.code);
    switch (outcome.result) {
    case ItemCodeResult::Duplicate:
        MsgBox(QStringLiteral("The same medicine was already requested"), vbExclamation);
        return false;
    case ItemCodeResult::NotFound:
        if (!outcome.code.isEmpty())
            MsgBox(QStringLiteral("Drug code not found."), vbInformation);
        return false;
    case ItemCodeResult::Empty:
        return false;
    case ItemCodeResult::Found:
        break;
    }
    if (drug.Status() != 0) {
        MsgBox(QStringLiteral("Drug was set to inactive."), vbInformation, QStringLiteral("MESSAGE"));
        return false;
    }
    flexMSEntry->setTextMatrix(row, kColDescription, drug.DrugName() + QStringLiteral(" ") + drug.Description());
    flexMSEntry->setTextMatrix(row, kColStock, Text(drug.Invent().StockOnHand));
    flexMSEntry->setTextMatrix(row, kColUnitPrice, Text(drug.Invent().SellingPriceIn));
    const double quantity = Val(flexMSEntry->textMatrix(row, kColIssued));
    if (quantity > 0) {
        flexMSEntry->setTextMatrix(row, kColAmount, Format(drug.Invent().SellingPriceIn * quantity, kUDAmountFormat));
        lblPatInfo[6]->setText(QStringLiteral(" ") + TotalCharges());
    }
    return true;
}

bool frmUDEntry::lookUpDosage(int row) {
    DoseForms::Dosage& dosage = *gComponents.gDosage;
    if (!dosage.GetInfo(chargeGrid_->editorText())) {
        chargeGrid_->setEditorText(gComponents.gDosageList->ShowList());
        if (!dosage.GetInfo(chargeGrid_->editorText()))
            return false;
    }
    chargeGrid_->setEditorText(dosage.DosageID());
    flexMSEntry->setTextMatrix(row, kColRequested, Text(dosage.Frequency()));
    return true;
}

void frmUDEntry::txtEntry_DblClick() {
    eventHandler(kUDItemsModule, QStringLiteral("txtEntry_DblClick"), [&] {
        const int row = flexMSEntry->row();
        const int col = flexMSEntry->col();
        if (col != kColIssued && col != kColAmount && col != kColRemarks) {
            cmdEntry_Click();
            return;
        }
        const QString typed = chargeGrid_->editorText();
        if (col == kColIssued) {
            QuantityCommitRequest request;
            request.parent = this;
            request.typed = typed;
            request.stockOnHand = Val(flexMSEntry->textMatrix(row, kColStock));
            request.wholeOnly = false;
            request.refuseNonPositive = false;
            request.leadingNumber = true;
            request.findSubstitute = [this, row] { return findSubstitute(row); };
            request.askLargeQuantity = true;
            request.askLargeAfterAnyAnswer = true;
            request.description = [this, row] { return flexMSEntry->textMatrix(row, kColDescription); };
            request.unitPrice = [this, row] { return Val(flexMSEntry->textMatrix(row, kColUnitPrice)); };
            const QuantityCommitOutcome outcome = CommitQuantity(request);
            if (outcome.verdict != QuantityVerdict::Commit) {
                chargeGrid_->rejectCommit();
                return;
            }
            const double price = Val(flexMSEntry->textMatrix(row, kColUnitPrice));
            flexMSEntry->setTextMatrix(row, kColAmount, Format(price * outcome.quantity, kUDAmountFormat));
            lblPatInfo[6]->setText(QStringLiteral(" ") + TotalCharges());
        }
        chargeGrid_->acceptCommit(typed);
    });
}

bool frmUDEntry::findSubstitute(int row) {
    const QString code = CurrentDrugPicker().ShowList();
    if (Trim(code).isEmpty())
        return false;
    DrugCatalog::Drug& drug = CurrentDrug();
    if (!SearchItemAt(SQLConnection(), drug, code, gLocationID, Trim(lblPatInfo[7]->text()))) {
        MsgBox(QStringLiteral("Drug not found!"), vbInformation);
        return false;
    }
    flexMSEntry->setTextMatrix(row, kColCode, drug.DrugCode());
    flexMSEntry->setTextMatrix(row, kColDescription, drug.DrugName() + QStringLiteral(" ") + drug.Description());
    flexMSEntry->setTextMatrix(row, kColStock, Text(drug.Invent().StockOnHand));
    flexMSEntry->setTextMatrix(row, kColUnitPrice, Text(drug.Invent().SellingPriceIn));
    return true;
}

} // namespace qx
