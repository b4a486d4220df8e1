#pragma once
#include <QString>

namespace qx {

class Connection;

// Whether an admission may be charged on account: no answer from the database counts as
// permission, an OK of 0 as "cash basis only". An error is shown (titled "Quillax") and gives
// False.
bool IsChargeOkay(Connection& con, const QString& idNum);
// Whether an out-patient visit may be charged on account: no answer counts as refusal.
bool IsChargeOkayOPD(Connection& con, const QString& idNum);
// Whether the item was already issued to the patient on the server's today.
bool IsIssuedToday(Connection& con, const QString& patientId, const QString& itemCode);
// Posts a saved slip's total discount to the patient's bill as one credit line of quantity 1.
// It runs on the caller's connection and inside the caller's save transaction, so that the
// line is never kept for a save that fails.
void PostChargeDiscountToBilling(Connection& con, const QString& patientId, const QString& hospNum,
                                 const QString& slipNumber, const QString& revenueId, double amount,
                                 const QString& userCode, const QString& roomId);

} // namespace qx
