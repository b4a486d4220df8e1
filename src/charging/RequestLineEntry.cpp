#include "charging/RequestLineEntry.h"

#include "charging/ChargeGrid.h"
#include "charging/InpatientPriceRule.h"
#include "charging/ItemEntry.h"
#include "charging/PriceLookups.h"
#include "charging/RequestLineLoader.h"
#include "components/DoseForms.h"
#include "components/PlatformServices.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/ItemLookups.h"
#include "shell/PatientChecks.h"
#include "shell/Session.h"
#include "shell/Switches.h"
#include "shell/clsInvMaster.h"
#include "shell/frmShift.h"

namespace qx {

void WriteRequestItemNames(Connection& con, FlexGrid& grid, int row, const QString& itemCode,
                           const RequestGridColumns& columns) {
    const auto put = [&](int col, const QString& text) {
        if (col >= 0)
            grid.setTextMatrix(row, col, text);
    };
    if (columns.genericName < 0 && columns.brand < 0 && columns.supplier < 0 && columns.pnf < 0 && columns.uom < 0)
        return;
    clsInvMaster master;
    master.Init(con, itemCode);
    put(columns.genericName, master.Generic().GenericName);
    put(columns.brand, columns.brand < 0 ? QString() : GetBrandName(con, itemCode));
    put(columns.supplier, master.Supplier().SupplierName);
    put(columns.pnf, master.IsPNF ? QStringLiteral("PNF") : QString());
    put(columns.uom, columns.uom < 0 ? QString() : GetUnitOfMeasure(con, itemCode));
}

QString RequestCommitAmount(Connection& con, const RequestCommitPricing& line) {
    const double q = line.quantity;
    QString amount = Format(q * line.basePrice.value_or(line.unitPrice), QStringLiteral("######.00"));
    const auto fixedCharge = [&] {
        if (GetFixedCharge(con, line.itemCode, gLocationID) != 0)
            amount = Format(q * line.fixedCharge, QStringLiteral("#####0.00"));
    };
    if (!line.fixedChargeAfterSpecialPrices)
        fixedCharge();
    if (gInvSwitchHMOMarkupPrice && GetHMOClass(con, line.patientKey) == QLatin1String("HMO"))
        amount = Format(GetHMOPrice(con, line.itemCode, line.patientKey, kInpatientPriceLocation) * q,
                        QStringLiteral("######0.00"));
    if (gInvSwitchVAPrice && IsVAPatient(con, line.patientKey))
        amount = Format(GetVAPrice(con, line.patientKey, line.itemCode, kInpatientPriceLocation) * q,
                        QStringLiteral("######0.00"));
    if (line.fixedChargeAfterSpecialPrices)
        fixedCharge();
    if (GetMDRPFlag(con, line.itemCode) == 1)
        amount = Format(line.unitPrice * q, QStringLiteral("######.00"));
    return amount;
}

bool AcceptRequestItem(const ItemCodeOutcome& outcome, const DrugCatalog::Drug& drug) {
    if (outcome.result == ItemCodeResult::Duplicate) {
        MsgBox(QStringLiteral("The same medicine was already requested"), vbExclamation);
        return false;
    }
    if (outcome.result != ItemCodeResult::Found)
        return false;
    if (drug.Status() != 0) {
        MsgBox(QStringLiteral("The drug was set to inactive.  Please refer to pharmacy warehouse staff."), vbOKOnly);
        return false;
    }
    return true;
}

void TakeRequestDosage(ChargeGrid& chargeGrid, int row, int requestedCol) {
    DoseForms::Dosage& dosage = *gComponents.gDosage;
    QString text = chargeGrid.editorText();
    bool taken = dosage.GetInfo(text);
    if (!taken) {
        text = gComponents.gDosageList->ShowList();
        taken = dosage.GetInfo(text);
    }
    if (!taken) {
        if (!text.isEmpty())
            chargeGrid.setEditorText(text);
        chargeGrid.rejectCommit();
        return;
    }
    FlexGrid& grid = *chargeGrid.grid();
    if (Val(grid.textMatrix(row, requestedCol)) <= 0)
        grid.setTextMatrix(row, requestedCol, Text(dosage.Frequency()));
    chargeGrid.acceptCommit(dosage.DosageID());
}

void ChangeLinePrice(QWidget* parent, FlexGrid& grid, int row, const LinePriceColumns& c) {
    const auto cell = [&](int col) { return grid.textMatrix(row, col); };
    if (!IsNumeric(cell(c.issued)) || !IsNumeric(cell(c.unitPrice)) || !IsNumeric(cell(c.amount)))
        return;
    const LinePrice asked{.description = cell(c.description),
                          .quantity = static_cast<qint16>(CInt(cell(c.issued))),
                          .itemPrice = CDbl(cell(c.unitPrice)),
                          .newItemPrice = Val(cell(c.priceTaken)),
                          .totalAmount = CDbl(cell(c.amount))};
    const LinePrice answer = AskPriceChange(parent, asked);
    grid.setTextMatrix(row, c.amount, Format(answer.totalAmount, QStringLiteral("#######0.00")));
    grid.setTextMatrix(row, c.priceTaken, Format(answer.itemPrice, QStringLiteral("#######0.00")));
}

} // namespace qx
