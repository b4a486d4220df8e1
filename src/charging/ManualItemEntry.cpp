#include "charging/ManualItemEntry.h"

#include "charging/ChargeGrid.h"
#include "components/AppError.h"
#include "components/Connection.h"
#include "components/DoseForms.h"
#include "components/DrugCatalog.h"
#include "components/DrugPicker.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/ItemLookups.h"
#include "shell/Session.h"
#include "shell/Switches.h"
#include "shell/frmShift.h"

#include <QCloseEvent>
#include <QDialog>
#include <QLineEdit>
#include <QSignalBlocker>

namespace qx {

DrugCatalog::Drug& CurrentDrug() {
    if (!gComponents.gDrug)
        throw AppError(91, QStringLiteral("prjQuillax"), QStringLiteral("Object variable or With block variable not set"));
    return gComponents.gDrug->Drug();
}

DrugPicker::DrugList& CurrentDrugPicker() {
    if (!gComponents.gDrugList)
        throw AppError(91, QStringLiteral("prjQuillax"), QStringLiteral("Object variable or With block variable not set"));
    return *gComponents.gDrugList;
}

ManualItemEntry::ManualItemEntry(ManualItemEntryConfig config) : config_(std::move(config)) {}

FlexGrid& ManualItemEntry::grid() const { return *config_.chargeGrid->grid(); }

void ManualItemEntry::lookUp() {
    if (config_.beforeLookUp)
        config_.beforeLookUp();
    const int row = grid().row();
    bool ok = false;
    const int col = grid().col();
    if (col == config_.cols.code) {
        if (!config_.noPatientText.isEmpty() && Trim(config_.patientBox->text()).isEmpty()) {
            MsgBox(config_.noPatientText, vbInformation);
            config_.patientBox->setFocus(Qt::OtherFocusReason);
            return;
        }
        ok = lookUpCode(row);
    } else if (col == config_.cols.dosage) {
        ok = takeDosage(row);
    }
    ChargeGrid& chargeGrid = *config_.chargeGrid;
    const QString text = chargeGrid.editorText();
    if (!text.isEmpty() && ok) {
        chargeGrid.acceptCommit(text);
        chargeGrid.setEditorText(QString());
        return;
    }
    chargeGrid.rejectCommit();
}

// The code column: true when the line was filled with the found item.
bool ManualItemEntry::lookUpCode(int row) {
    ItemCodeRequest request;
    request.typed = config_.chargeGrid->editorText();
    request.grid = &grid();
    request.codeCol = config_.cols.code;
    request.parent = config_.window;
    request.chooseLocation = gPharmaSwitches.IsKelvarHospital();
    const bool drugsOrCsr = config_.pickDrugsOrCsr;
    request.pick = [drugsOrCsr](const QString& typed) {
        DrugPicker::DrugList& picker = CurrentDrugPicker();
        if (drugsOrCsr)
            picker.setDrugsOrCsr(true);
        return gDrugListByGeneric ? picker.ShowList() : picker.ShowList(typed, std::nullopt, gLocationID);
    };
    request.byGeneric = gDrugListByGeneric;
    request.location = gLocationID;
    request.patientKey = Trim(config_.patientBox->text());
    const ItemCodeOutcome outcome = ResolveItemCode(SQLConnection(), CurrentDrug(), request);
    config_.chargeGrid->setEditorText(outcome.code);
    if (outcome.result == ItemCodeResult::Duplicate) {
        MsgBox(QStringLiteral("The same medicine was already requested"), vbExclamation);
        return false;
    }
    if (outcome.result != ItemCodeResult::Found)
        return false;  // an unknown code is left in the editor without a word
    return config_.itemFound(row);
}

// The dosage column: true when a dosage was taken. Its frequency goes through the quantity check,
// so a quantity the check refuses is never left in the line.
bool ManualItemEntry::takeDosage(int row) {
    ChargeGrid& chargeGrid = *config_.chargeGrid;
    DoseForms::Dosage& dosage = *gComponents.gDosage;
    bool accepted = dosage.GetInfo(chargeGrid.editorText());
    if (!accepted) {
        chargeGrid.setEditorText(gComponents.gDosageList->ShowList());
        accepted = dosage.GetInfo(chargeGrid.editorText());
    }
    if (!accepted || chargeGrid.editorText().isEmpty())
        return false;
    if (gShowColorAntibioticClass) {
        const QString color = GetAntibioticClassColor(SQLConnection(), grid().textMatrix(row, config_.cols.code));
        if (!color.isEmpty()) {
            // Colouring cells is no entering of them: the editor stays where it is.
            const QSignalBlocker quiet(&grid());
            for (int col : config_.antibioticColorCols) {
                grid().setCol(col);
                grid().setCellFontBold(true);
                grid().setCellForeColor(static_cast<ColorValue>(color.toUInt()));
            }
            grid().setCol(config_.cols.dosage);
        }
    }
    chargeGrid.setEditorText(dosage.DosageID());
    QString logChoice;
    const QString frequency = Text(dosage.Frequency());
    const bool committed = commitQuantity(row, frequency, logChoice) == QuantityVerdict::Commit;
    if (committed)
        grid().setTextMatrix(row, config_.cols.overStockChoice, logChoice);
    config_.dosageQuantity(row, frequency, committed);
    return true;
}

void ManualItemEntry::commit() {
    ChargeGrid& chargeGrid = *config_.chargeGrid;
    const int row = grid().row();
    const int col = grid().col();
    if (!config_.typedCols.contains(col)) {
        lookUp();
        return;
    }
    const QString text = chargeGrid.editorText();
    QString logChoice;
    bool accepted = true;
    if (col == config_.cols.quantity) {
        const QuantityVerdict verdict = commitQuantity(row, text, logChoice);
        // The checks that stop before any prompt leave the line as it was, its over-stock choice included.
        if (verdict == QuantityVerdict::Invalid || verdict == QuantityVerdict::Refused) {
            chargeGrid.rejectCommit();
            return;
        }
        accepted = verdict == QuantityVerdict::Commit;
    }
    grid().setTextMatrix(row, config_.cols.overStockChoice, logChoice);
    if (!accepted)
        chargeGrid.rejectCommit();
    else if (col == config_.cols.quantity && config_.quantityWrittenByScreen)
        chargeGrid.acceptCommit();
    else
        chargeGrid.acceptCommit(text);
}

QuantityVerdict ManualItemEntry::commitQuantity(int row, const QString& typed, QString& logChoice) {
    QuantityCommitRequest request;
    request.parent = config_.window;
    request.typed = typed;
    request.stockOnHand = Val(grid().textMatrix(row, config_.cols.stock));
    request.refuseOverStock =
        gAllowZeroOnHand && (!config_.overStockRefusedOnlyAtQVH || gSiteCode == QLatin1String("QVH"));
    request.wholeOnly = config_.wholeQuantities;
    request.leadingNumber = config_.leadingNumberQuantities;
    request.askLargeAfterAnyAnswer = config_.askLargeAfterAnyAnswer;
    request.substituteEndsEntry = config_.substituteEndsEntry;
    request.overStockRefusal = QStringLiteral(
        "Stock is not available to fill Prescription. Please enter quantity not greater than the stock onhand.");
    request.overStockRefusalTitle = QStringLiteral("MESSAGE");
    request.findSubstitute = [&] { return findSubstitute(row); };
    request.askLargeQuantity = true;
    request.description = [&] { return grid().textMatrix(row, config_.cols.description); };
    request.unitPrice = [&] { return Val(grid().textMatrix(row, config_.cols.unitPrice)); };
    const QuantityCommitOutcome outcome = CommitQuantity(request);
    logChoice = outcome.logChoice;
    if (outcome.verdict == QuantityVerdict::Commit)
        config_.quantityTaken(row, outcome.quantity);
    return outcome.verdict;
}

// The over-stock prompt's substitute: true when the quantity is still to be committed.
bool ManualItemEntry::findSubstitute(int row) {
    QString code = CurrentDrugPicker().ShowList();
    if (code.isEmpty())
        return false;
    Connection& con = SQLConnection();
    // A generic picker answers a generic: the line takes its first item, as on the code column.
    if (gDrugListByGeneric)
        code = GetItemIDByGeneric(con, Trim(code));
    if (!SearchItemAt(con, CurrentDrug(), code, gLocationID, Trim(config_.patientBox->text()))) {
        config_.substituteNotFound();
        return false;
    }
    if (config_.substituteAcceptable && !config_.substituteAcceptable(row))
        return false;
    config_.substituteFound(row);
    return true;
}

bool ManualItemEntry::priceChangeOpen(int row) const {
    if (gSiteCode == QLatin1String("JAWKC"))
        gAllowPriceChange = grid().textMatrix(row, config_.cols.code) == QLatin1String("14004");
    return gAllowPriceChange && grid().col() == config_.cols.amount && !config_.chargeGrid->isBlankRow(row);
}

LinePrice ManualItemEntry::changePrice(int row, const LinePrice& line) {
    const LinePrice changed = AskPriceChange(config_.window, line);
    grid().setTextMatrix(row, config_.cols.amount, Format(changed.totalAmount, QStringLiteral("#######0.00")));
    grid().setTextMatrix(row, config_.cols.unitPrice, Format(changed.itemPrice, QStringLiteral("#######0.00")));
    return changed;
}

bool CloseChargeEntryWindow(QDialog& window, QCloseEvent* event, const QString& module,
                            const std::function<bool()>& unsaved, const std::function<void()>& onClose) {
    bool closing = true;
    eventHandler(module, QStringLiteral("Form_QueryUnload"), [&] {
        if (unsaved() &&
            MsgBox(QStringLiteral("You have unsaved entry.  Do you wish to exit?"), vbInformation + vbYesNo) == vbNo)
            closing = false;
    });
    if (!closing) {
        event->ignore();
        return false;
    }
    if (onClose)
        onClose();
    event->accept();
    window.done(QDialog::Rejected);
    return true;
}

} // namespace qx
