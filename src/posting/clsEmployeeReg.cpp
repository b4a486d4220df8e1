#include "posting/clsEmployeeReg.h"

#include "components/AppError.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/Values.h"
#include "shell/QueryHelpers.h"
#include "shell/Session.h"

#include <cmath>

namespace qx {

clsEmployeeReg& gEmployeeReg() {
    static clsEmployeeReg reg;
    return reg;
}

bool clsEmployeeReg::GetNewOPDID(Connection& con) {
    QVariantMap out;
    con.callProcedure(QStringLiteral("sp_aopd_GetNewOPDID"), {{QStringLiteral("@IdNum"), QString()}}, &out);
    const QString text = out.value(QStringLiteral("IDNUM")).toString().trimmed();
    bool ok = false;
    newNumber_ = text.toDouble(&ok);
    if (!ok)
        throw AppError(kDbErrorNumber, QStringLiteral("clsEmployeeReg.GetNewOPDID"),
                       QStringLiteral("The visit number \"%1\" is not a number.").arg(text));
    return true;
}

QString clsEmployeeReg::ToString(const QVariant& Argvalue) {
    if (Argvalue.isNull() || !Argvalue.isValid())
        return QString();
    const QString text = Argvalue.toString();
    if (text.trimmed().isEmpty())
        return QString();
    bool ok = false;
    const double n = text.trimmed().toDouble(&ok);
    if (!ok)
        return text;
    // Shortest text that reads back as the same number; whole numbers without a point.
    if (n == std::floor(n) && std::fabs(n) < 1e15)
        return QString::number(static_cast<qint64>(n));
    return QString::number(n, 'g', 15);
}

bool clsEmployeeReg::isValidAccount(Connection& con, const QString& strAcc, const QString& strClass) {
    return !con.query(QStringLiteral("SELECT AccountNum FROM build_file.tbCoCompany WHERE AccountNum = ? AND Class = ?"),
                      {strAcc, strClass})
                .isEmpty();
}

bool clsEmployeeReg::SaveData(Connection& con, const QString& strHospnum, const QString& strAccountnum,
                              const QString&) {
    HourglassScope hourglass;
    try {
        const QDateTime now = con.serverNow();
        Transaction tx(con);
        GetNewOPDID(con);
        const QString visitId = ToString(newNumber_).toUpper() + QLatin1Char('B');
        con.callProcedure(QStringLiteral("sp_aopd_Update_tbOutpatient"),
                          {{QStringLiteral("@HospNum"), Trim(strHospnum)},
                           {QStringLiteral("@IdNum"), visitId},
                           {QStringLiteral("@AccountNum"), strAccountnum},
                           {QStringLiteral("@DoctorID"), QVariant()},
                           {QStringLiteral("@ERNum"), 0},
                           {QStringLiteral("@AdmDate"), now}});
        tx.commit();
        opdId_ = visitId;
        return true;
    } catch (const AppError& e) {
        ShowErrorMessage(e.description());
        return false;
    }
}

} // namespace qx
