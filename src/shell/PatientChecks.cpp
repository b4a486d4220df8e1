#include "shell/PatientChecks.h"

#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/Switches.h"

namespace qx {
namespace {

QVariantMap idArg(const QString& idNum) { return {{QStringLiteral("@IDNum"), idNum}}; }

// The first row of a procedure's answer, or an empty recordset.
Recordset firstRowOf(std::optional<Recordset> rs) { return rs ? std::move(*rs) : Recordset(); }

bool flagOf(const QVariant& v) { return CBool(NullToDefault(v, 0)); }

} // namespace

bool IsBillingDateToday(Connection& con, const QString& idNum) {
    Recordset rs = con.query(QStringLiteral("SELECT BillingDate FROM patient_data.tbPatient WHERE IDNum = ?"), {idNum});
    if (rs.isEmpty())
        return false;
    const QDateTime billed = rs.dateTime(QStringLiteral("BillingDate"));
    return billed.isValid() && billed.date() == con.serverNow().date();
}

bool HasClearance(Connection& con, const QString& idNum) {
    return !firstRowOf(con.callProcedure(QStringLiteral("Pharma_CheckClearance"), idArg(idNum))).isEmpty();
}

bool IPDHasLateCharges(Connection& con, const QString& idNum) {
    Recordset rs = con.query(QStringLiteral("SELECT COALESCE(LateCharges, 0) AS LateCharges FROM patient_data.tbPatient "
                                            "WHERE IDNum = ? AND DcrDate IS NOT NULL"),
                             {idNum});
    return rs.isEmpty() || flagOf(rs.value(QStringLiteral("LateCharges")));
}

bool IsIPDDischarged(Connection& con, const QString& idNum) {
    Recordset rs = con.query(QStringLiteral("SELECT DcrDate FROM patient_data.tbPatient WHERE IDNum = ?"), {idNum});
    if (rs.isEmpty())
        return false;
    const QDateTime discharged = rs.dateTime(QStringLiteral("DcrDate"));
    return discharged.isValid() && discharged.date() != QDate(1900, 1, 1);
}

QString GetExecutivePackage(Connection& con, const QString& idNum) {
    Recordset rs = firstRowOf(con.callProcedure(QStringLiteral("sp_Build_GetExecutivePackage"), idArg(idNum)));
    return rs.isEmpty() ? QString() : rs.text(QStringLiteral("Package"));
}

QString GetOPDCompanyClass(Connection& con, const QString& idNum) {
    Recordset rs = con.query(QStringLiteral("SELECT COALESCE(B.Class, '') AS Class FROM patient_data.tbOutPatient A "
                                            "LEFT JOIN build_file.tbCoCompany B ON B.AccountNum = A.AccountNum "
                                            "WHERE A.IDNum = ? AND A.HospNum <> A.AccountNum"),
                             {idNum});
    return rs.isEmpty() ? QString() : rs.text(QStringLiteral("Class"));
}

bool IsOPDAdmittedToday(Connection& con, const QString& idNum) {
    Recordset rs = firstRowOf(con.callProcedure(QStringLiteral("Pharma_GetOpdAdmissionDate"), idArg(idNum)));
    if (rs.isEmpty() || rs.isNull(QStringLiteral("AdmDate")) || rs.isNull(QStringLiteral("DateToday")))
        return false;
    return rs.text(QStringLiteral("AdmDate")) == rs.text(QStringLiteral("DateToday"));
}

bool IsOPDDischarged(Connection& con, const QString& idNum) {
    Recordset rs = con.query(QStringLiteral("SELECT DcrDate FROM patient_data.tbOutPatient WHERE IDNum = ?"), {idNum});
    return !rs.isEmpty() && !rs.isNull(QStringLiteral("DcrDate"));
}

bool OPDHasLateCharges(Connection& con, const QString& idNum) {
    Recordset rs = con.query(QStringLiteral("SELECT COALESCE(LateCharges, 0) AS LateCharges FROM patient_data.tbOutPatient "
                                            "WHERE IDNum = ?"),
                             {idNum});
    return !rs.isEmpty() && flagOf(rs.value(QStringLiteral("LateCharges")));
}

bool IsERPatient(Connection& con, const QString& idNum) {
    Recordset rs = con.query(QStringLiteral("SELECT COALESCE(ERNum, 0) AS ERNum FROM patient_data.tbOutPatient WHERE IDNum = ?"),
                             {idNum});
    return !rs.isEmpty() && rs.number(QStringLiteral("ERNum")) != 0;
}

bool IsCompanyClassS(Connection& con, const QString& accountNum) {
    Recordset rs = con.query(QStringLiteral("SELECT Class FROM build_file.tbCoCompany WHERE AccountNum = ?"), {accountNum});
    return !rs.isEmpty() && rs.text(QStringLiteral("Class")) == QLatin1String("S");
}

double GetCompanyCreditLimit(Connection& con, const QString& accountNum) {
    Recordset rs = con.query(QStringLiteral("SELECT COALESCE(CreditLimit, 0) AS CreditLimit FROM build_file.tbCoCompany "
                                            "WHERE AccountNum = ?"),
                             {accountNum});
    return rs.isEmpty() ? 0.0 : rs.number(QStringLiteral("CreditLimit"));
}

double GetChargesOnAccount(Connection& con, const QString& accountNum) {
    Recordset rs = firstRowOf(con.callProcedure(QStringLiteral("Pharma_GetChargesAccount"),
                                                {{QStringLiteral("@AccountNum"), accountNum}}));
    return rs.isEmpty() ? 0.0 : rs.number(QStringLiteral("Amount"));
}

QString SearchAccount(Connection& con, const QString& idNum) {
    Recordset rs = firstRowOf(con.callProcedure(QStringLiteral("Pharma_SearchAccount"), idArg(idNum)));
    if (rs.isEmpty())
        return QString();
    return rs.text(QStringLiteral("AccountNum")) + QStringLiteral(" - ") + rs.text(QStringLiteral("Company"));
}

bool IsCompanyBlank(Connection& con, const QString& idNum, const QString& siteCode) {
    if (siteCode != QLatin1String("FLQC"))
        return false;
    Recordset rs = firstRowOf(con.callProcedure(QStringLiteral("Pharma_GetCompany"), idArg(idNum)));
    return !rs.isEmpty() && Trim(rs.text(QStringLiteral("Company"))).isEmpty();
}

bool IsCompanyBlank(Connection& con, const QString& idNum) { return IsCompanyBlank(con, idNum, gSiteCode); }

bool IsVAPatient(Connection& con, const QString& idNum) {
    try {
        const QString table = IsNumeric(idNum) ? QStringLiteral("patient_data.tbPatient")
                                               : QStringLiteral("patient_data.tbOutPatient");
        Recordset rs = con.query(
            QStringLiteral("SELECT COALESCE(AccountNum, '') AS AccountNum FROM %1 WHERE IDNum = ?").arg(table), {idNum});
        return !rs.isEmpty() && rs.text(QStringLiteral("AccountNum")) == QLatin1String("VA");
    } catch (...) {
        MsgBox(currentError().description(), vbOKOnly);
        return false;
    }
}

QString GetHMOClass(Connection& con, const QString& idNum) {
    Recordset rs = firstRowOf(con.callProcedure(QStringLiteral("Radiology_CheckIfHMO"), idArg(idNum)));
    return !rs.isEmpty() && rs.text(QStringLiteral("Class")) == QLatin1String("P") ? QStringLiteral("HMO") : QString();
}

bool IsVelmiraPatient(Connection& con, const QString& patientId) {
    Recordset rs = firstRowOf(con.callProcedure(QStringLiteral("sp_Bui_GetVelmiraPatient"),
                                                {{QStringLiteral("@PatientID"), Trim(patientId)}}));
    return !rs.isEmpty() && flagOf(rs.value(QStringLiteral("Velmira")));
}

QString GetStation(Connection& con, const QString& idNum, const QString& reference) {
    Recordset rs = firstRowOf(con.callProcedure(QStringLiteral("Pharma_GetStation"),
                                                {{QStringLiteral("@IDNum"), idNum}, {QStringLiteral("@RefNum"), reference}}));
    return rs.isEmpty() ? QString() : rs.text(QStringLiteral("StationID"));
}

bool IsSatelliteLocation(Connection& con) {
    Recordset rs = firstRowOf(con.callProcedure(QStringLiteral("Pharma_GetDispensingLocation")));
    return !rs.isEmpty() && flagOf(rs.value(QStringLiteral("isSatelite")));
}

void CancelNursingRequest(Connection& con, const QString& idNum, const QString& revenueId, const QString& itemId,
                          const QString& userId, qint16 mode, bool sendMode) {
    QVariantMap args{{QStringLiteral("@IDNum"), idNum},
                     {QStringLiteral("@RevenueID"), revenueId},
                     {QStringLiteral("@ItemID"), itemId},
                     {QStringLiteral("@UserID"), userId}};
    if (sendMode)
        args.insert(QStringLiteral("@Mode"), mode);
    con.callProcedure(QStringLiteral("Pharma_CancelNursingRequest"), args);
}

void CancelNursingRequest(Connection& con, const QString& idNum, const QString& revenueId, const QString& itemId,
                          const QString& userId, qint16 mode) {
    CancelNursingRequest(con, idNum, revenueId, itemId, userId, mode, gPharmaSwitches.IsKelvarHospital());
}

} // namespace qx
