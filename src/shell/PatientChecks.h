#pragma once
#include <QString>

namespace qx {

class Connection;

// Small questions about a patient, a stay or an account, asked before a screen lets the user go
// on. Each reads at most the first row; an id the database does not know gives the answer noted.
// A Null in a column read gives False or empty text. Database errors reach the caller unless
// noted. Admissions are told from out-patient visits by whether the whole id is numeric.

// The admission's bill was closed today (server date). Unknown: False.
bool IsBillingDateToday(Connection& con, const QString& idNum);
// The pharmacy has cleared the patient for discharge. Unknown: False.
bool HasClearance(Connection& con, const QString& idNum);
// Charges may still be posted: True for an admission not discharged (or unknown), else its
// late-charges flag.
bool IPDHasLateCharges(Connection& con, const QString& idNum);
// The admission has a discharge date other than 1 January 1900. Unknown: False.
bool IsIPDDischarged(Connection& con, const QString& idNum);
// The executive package of the stay; "" when none.
QString GetExecutivePackage(Connection& con, const QString& idNum);
// The class letter of the company paying a visit charged to an account other than the
// patient's own; "" otherwise.
QString GetOPDCompanyClass(Connection& con, const QString& idNum);
// The visit was registered on the server's today. Unknown: False.
bool IsOPDAdmittedToday(Connection& con, const QString& idNum);
// The visit has a discharge date. Unknown: False.
bool IsOPDDischarged(Connection& con, const QString& idNum);
// The visit's late-charges flag. Unknown: False.
bool OPDHasLateCharges(Connection& con, const QString& idNum);
// The visit is an emergency-room visit. Unknown: False.
bool IsERPatient(Connection& con, const QString& idNum);
// The company account's class is exactly "S" (employees). Unknown: False.
bool IsCompanyClassS(Connection& con, const QString& accountNum);
// The company's credit limit; 0 when unknown.
double GetCompanyCreditLimit(Connection& con, const QString& accountNum);
// What the account has been charged so far; 0 when nothing.
double GetChargesOnAccount(Connection& con, const QString& accountNum);
// "AccountNum - Company" of the stay's charge account; "" when none.
QString SearchAccount(Connection& con, const QString& idNum);
// At site FLQC, whether the stay's company is blank; False at every other site, without a query.
bool IsCompanyBlank(Connection& con, const QString& idNum, const QString& siteCode);
bool IsCompanyBlank(Connection& con, const QString& idNum);
// The stay's account is exactly "VA". An error is shown in a plain box and gives False.
bool IsVAPatient(Connection& con, const QString& idNum);
// "HMO" when the stay's HMO class is exactly "P", else "".
QString GetHMOClass(Connection& con, const QString& idNum);
// The patient is in the sponsorship programme. Unknown: False.
bool IsVelmiraPatient(Connection& con, const QString& patientId);
// The station a slip of the stay was charged under ("OR", "ER", ...); "" when none.
QString GetStation(Connection& con, const QString& idNum, const QString& reference);
// This workstation dispenses from the satellite pharmacy. Unknown: False.
bool IsSatelliteLocation(Connection& con);
// Cancels the patient's pending request lines of the item at once. The mode (0 request screens,
// 1 take-home prescriptions) is sent only at the hospitals that have it.
void CancelNursingRequest(Connection& con, const QString& idNum, const QString& revenueId, const QString& itemId,
                          const QString& userId, qint16 mode, bool sendMode);
void CancelNursingRequest(Connection& con, const QString& idNum, const QString& revenueId, const QString& itemId,
                          const QString& userId, qint16 mode);

} // namespace qx
