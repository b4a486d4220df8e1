#pragma once
#include "components/Recordset.h"

#include <QString>

namespace qx {

// The main window's cash-side work lists, the revocation of an assessment and a hospital header for
// reports. One shared instance (gCashInfo) holds the one list every load fills again and hands
// back, so a list handed back earlier shows the newest load.
class clsCashInfo {
public:
    // Paid assessments: option 1 today's, 2 earlier; the search text always sent.
    const Recordset& LoadPharmaPaidAssessment(qint16 intOption, const QString& Search);
    const Recordset& LoadPharmaPaidAssessmentItems(const QString& strORNumber);
    // Unpaid (options 1, 2) and revoked (3, 4) assessments; a search text that is not empty, blanks
    // included, filters the list.
    const Recordset& LoadPharmaAssessment(qint16 intOption, const QString& strSearchPatient);
    // Take-home prescriptions (intHomeMed 1) or refills (0).
    const Recordset& LoadPharmaPrescription(qint16 intOption, qint16 intHomeMed);
    // Revokes an unpaid assessment and says how it went; True only when one was revoked, so that
    // the caller reloads its list only then.
    bool Revoke_Assessment(const QString& strIDNum);
    // Reads the server's date and the hospital's name and address; False (header kept) when the
    // hospital-information table is empty.
    bool GetHospitalInfo();
    QString ServerDate() const { return serverDate_; }
    void setServerDate(const QString& v) { serverDate_ = v; }
    QString HospitalName() const { return hospitalName_; }
    void setHospitalName(const QString& v) { hospitalName_ = v; }
    QString HospitalAddress() const { return hospitalAddress_; }
    void setHospitalAddress(const QString& v) { hospitalAddress_ = v; }
    // Marks the cash communication of a slip as done.
    void Update_CashCommunication(const QString& strRefNum);
    // The cash admission number recorded with a slip; "CASH" when none.
    QString GetCashAdmNum(const QString& strIdnumber);

    // The one list the loads fill.
    const Recordset& list() const { return list_; }

private:
    const Recordset& loadList(const QString& operation, const QString& procedure, const QVariantMap& values);

    Recordset list_;
    QString serverDate_;
    QString hospitalName_;
    QString hospitalAddress_;
};

// The shared cash-list record, created on first use.
clsCashInfo& gCashInfo();

} // namespace qx
