#include "charging/RequestLineEntry.h"

#include "charging/InpatientPriceRule.h"
#include "charging/PriceLookups.h"
#include "charging/RequestLineLoader.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/ItemLookups.h"
#include "shell/PatientChecks.h"
#include "shell/Switches.h"
#include "shell/clsInvMaster.h"
#include "shell/frmShift.h"

namespace qx {

void WriteRequestItemNames(Connection& con, FlexGrid& grid, int row, const QString& itemCode,
                           const RequestGridColumns& columns) {
    clsInvMaster master;
    master.Init(con, itemCode);
    grid.setTextMatrix(row, columns.genericName, master.Generic().GenericName);
    grid.setTextMatrix(row, columns.brand, GetBrandName(con, itemCode));
    grid.setTextMatrix(row, columns.supplier, master.Supplier().SupplierName);
    grid.setTextMatrix(row, columns.pnf, master.IsPNF ? QStringLiteral("PNF") : QString());
    grid.setTextMatrix(row, columns.uom, GetUnitOfMeasure(con, itemCode));
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

} // namespace qx
