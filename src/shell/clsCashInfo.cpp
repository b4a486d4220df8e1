#include "shell/clsCashInfo.h"

#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/Values.h"
#include "shell/QueryHelpers.h"
#include "shell/Session.h"

namespace qx {

const Recordset& clsCashInfo::loadList(const QString& operation, const QString& procedure, const QVariantMap& values) {
    try {
        list_ = SQLConnection().callProcedure(procedure, values).value_or(Recordset());
        return list_;
    } catch (...) {
        // The list loads pass an error on under their bare name, without a line.
        const AppError e = currentError();
        throw AppError(e.number(), operation, e.description());
    }
}

const Recordset& clsCashInfo::LoadPharmaPaidAssessment(qint16 intOption, const QString& Search) {
    return loadList(QStringLiteral("LoadPharmaPaidAssessment"), QStringLiteral("Pharma_PaidAssessmentList"),
                    {{QStringLiteral("@Option"), intOption}, {QStringLiteral("@Search"), Search}});
}

const Recordset& clsCashInfo::LoadPharmaPaidAssessmentItems(const QString& strORNumber) {
    return loadList(QStringLiteral("LoadPharmaPaidAssessmentItems"), QStringLiteral("Pharma_PaidAssessmentItems"),
                    {{QStringLiteral("@ORNumber"), strORNumber}});
}

const Recordset& clsCashInfo::LoadPharmaAssessment(qint16 intOption, const QString& strSearchPatient) {
    if (strSearchPatient.isEmpty())
        return loadList(QStringLiteral("LoadPharmaAssessment"), QStringLiteral("Pharma_AssessmentList"),
                        {{QStringLiteral("@Option"), intOption}});
    return loadList(QStringLiteral("LoadPharmaAssessment"), QStringLiteral("Pharma_AssessmentList_WithSearch"),
                    {{QStringLiteral("@Option"), intOption}, {QStringLiteral("@Search"), strSearchPatient}});
}

const Recordset& clsCashInfo::LoadPharmaPrescription(qint16 intOption, qint16 intHomeMed) {
    try {
        list_ = SQLConnection()
                    .callProcedure(QStringLiteral("Pharma_PrescriptionList"),
                                   {{QStringLiteral("@INTOPTION"), intOption}, {QStringLiteral("@ISHOMEMED"), intHomeMed}})
                    .value_or(Recordset());
        return list_;
    } catch (...) {
        // Numbered as its statement lines run from 100 in steps of 2: the list is opened at 108.
        raiseAgain(QStringLiteral("clsCashInfo"), QStringLiteral("LoadPharmaPrescription"), 108);
    }
}

bool clsCashInfo::Revoke_Assessment(const QString& strIDNum) {
    int revoked = 0;
    try {
        const std::optional<Recordset> rs = SQLConnection().callProcedure(QStringLiteral("Pharma_CashRevokeAssessment"),
                                                                          {{QStringLiteral("@RefNum"), strIDNum}});
        revoked = rs && !rs->isEmpty() ? rs->value(QStringLiteral("Revoked")).toInt() : 0;
    } catch (...) {
        MsgBox(QStringLiteral("Error in Saving. "), vbCritical, QStringLiteral("Message"));
        return false;
    }
    if (revoked == 0) {
        MsgBox(QStringLiteral("No unpaid assessment carries this number. Nothing was revoked."), vbExclamation,
               QStringLiteral("Message"));
        return false;
    }
    MsgBox(QStringLiteral("Request has been revoked."), vbInformation, QStringLiteral("Message"));
    return true;
}

bool clsCashInfo::GetHospitalInfo() {
    Connection& con = SQLConnection();
    const Recordset rs = con.query(
        QStringLiteral("SELECT Company, Address1 AS Address FROM patient_data.tbHospitalInfo ORDER BY id LIMIT 1"));
    if (rs.recordCount() == 0)
        return false;
    const QString name = CStr(rs.value(QStringLiteral("Company")));
    const QString address = CStr(rs.value(QStringLiteral("Address")));
    serverDate_ = GetServerDate(con);
    hospitalName_ = name;
    hospitalAddress_ = address;
    return true;
}

void clsCashInfo::Update_CashCommunication(const QString& strRefNum) {
    SQLConnection().execute(QStringLiteral("UPDATE billing.tbCashCommunication SET RecordStatus = 'Y' WHERE Refnum = ?"),
                            {strRefNum});
}

QString clsCashInfo::GetCashAdmNum(const QString& strIdnumber) {
    const Recordset rs = SQLConnection().query(
        QStringLiteral("SELECT COALESCE(CashIDnum, 'CASH') AS CashIDnum FROM tbInvStockCard WHERE RefNum = ? ORDER BY id LIMIT 1"),
        {strIdnumber});
    return rs.recordCount() > 0 ? rs.text(QStringLiteral("CashIDnum")) : QStringLiteral("CASH");
}

clsCashInfo& gCashInfo() {
    static clsCashInfo info;
    return info;
}

} // namespace qx
