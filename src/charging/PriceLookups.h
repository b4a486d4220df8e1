#pragma once
#include <QString>

namespace qx {

class Connection;

// The price and discount sources of the unit-price rule: one question, one round trip each,
// nothing cached. A source without a row answers its neutral value (0, False or "0"); a
// database error, or a price the database holds as Null, reaches the caller, which must not
// price the line.

// The GSIS rates, loaded when the cash assessment opens; 0 until then.
extern double gGSISDependentRate;
extern double gGSISMemberRate;

double GetMDRPDrugPrice(Connection& con, const QString& itemCode);
// 1 when the item is on the MDRP list, else 0.
qint16 GetMDRPFlag(Connection& con, const QString& itemCode);
bool IsItemSeniorDiscounted(Connection& con, const QString& itemCode);
bool IsItemVATExempt(Connection& con, const QString& itemCode);
double GetFixedEmployeePrice(Connection& con, const QString& itemCode);
// The fixed price and fixed charge kept at the location the line is posted from.
double GetFixedPrice(Connection& con, const QString& itemCode, const QString& locationId);
double GetFixedCharge(Connection& con, const QString& itemCode, const QString& locationId);
// The HMO price to two decimals: with inventory switch 104 on, the item's in-patient or
// out-patient mark-up price at the location (an admission number is numeric as a whole), else
// the HMO price list.
double GetHMOPrice(Connection& con, const QString& itemCode, const QString& patientId, const QString& locationId);
double GetVAPrice(Connection& con, const QString& patientId, const QString& itemCode, const QString& locationId);
double GetVelmiraPrice(Connection& con, const QString& itemCode, const QString& locationId);
// The GSIS amount at the dispensing location the caller is on (gLocationID).
double GetGSISAmount(Connection& con, const QString& itemCode, const QString& locationId);
double GetDiscountInfo(Connection& con, const QString& cardNumber, const QString& itemCode, const QString& cardTypeId);
// What the card may still buy of the item this month; 0 when the allowance is used up.
double CountPurchasedItem(Connection& con, const QString& cardNumber, const QString& itemCode,
                          const QString& cardTypeId);
// The amount charged per unit for the item on the slip, as text; "0" when it was not charged.
QString GetActualAmount(Connection& con, const QString& slipNumber, const QString& itemCode);
// Kind 1 senior-citizen, 2 cash employee, 3 second cash employee discount rate; any other kind
// is an error.
double GetHospitalDiscountRate(Connection& con, int kind);
void LoadGSISRates(Connection& con);

} // namespace qx
