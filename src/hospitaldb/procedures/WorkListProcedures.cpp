// Procedures of the main window's work lists that no component gives: the emergency room's
// pending requests and the return requests sent by the nursing stations.
#include "components/Connection.h"
#include "components/Procedures.h"
#include "components/SearchText.h"

namespace qx::hospitaldb {
namespace {

using namespace procparams;

const QString kWorkListPatientName =
    QStringLiteral("COALESCE(m.LastName, '') || ', ' || COALESCE(m.FirstName, '') || ' ' || COALESCE(m.MiddleName, '')");

// One row per emergency-room visit with pending pharmacy requests, in the columns of the request
// lists: 0 hospital number, 1 visit id, 2 name, 3 room, 4 station, 5 station id, 6 first request,
// 7 "*" for STAT. Option 1 keeps one station's; Sorted 2 orders by name, else by first request.
const ProcedureRegistration patientListPendingER{{
    QStringLiteral("Pharma_PatientListPending_ER"),
    {text("@StationID", 10), text("@Search", 50), integer("@Option"), integer("@Sorted"), text("@InOut", 1)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        const QString station = a.text(QStringLiteral("STATIONID")).trimmed();
        const QString search = a.text(QStringLiteral("SEARCH")).trimmed();
        const bool oneStation = a.integer(QStringLiteral("OPTION")) == 1 && !station.isEmpty();
        const bool byName = a.integer(QStringLiteral("SORTED")) == 2;
        QString sql = QStringLiteral(
            "SELECT p.HospNum AS \"Hospital #\", q.IDNum AS \"Admission #\", %1 AS \"Patient Name\", 'ER' AS \"Room\", "
            "st.Station AS \"Station\", q.StationID AS \"StationID\", q.FirstRequest AS \"Request Date\", "
            "CASE WHEN q.StatCount > 0 THEN '*' ELSE '' END AS \"Stat\", '' AS \"Spare\" FROM "
            "(SELECT r.IDNum, MIN(r.StationID) AS StationID, MIN(r.RequestDate) AS FirstRequest, "
            "SUM(CASE WHEN r.isStat <> 0 THEN 1 ELSE 0 END) AS StatCount FROM station.tbNurseCommunicationFile r "
            "WHERE r.DepartmentID = 'PH' AND r.InOut = ? AND COALESCE(r.RecordStatus, '') = '' %2"
            "GROUP BY r.IDNum) q "
            "JOIN patient_data.tbOutPatient p ON p.IDNum = q.IDNum "
            "LEFT JOIN patient_data.tbMaster m ON m.HospNum = p.HospNum "
            "LEFT JOIN build_file.tbCoStation st ON st.StationID = q.StationID "
            "WHERE COALESCE(p.ERNum, 0) <> 0")
                          .arg(kWorkListPatientName, oneStation ? QStringLiteral("AND r.StationID = ? ") : QString());
        QVariantList binds{a.text(QStringLiteral("INOUT")).trimmed().toUpper()};
        if (oneStation)
            binds << station;
        if (!search.isEmpty()) {
            sql += QStringLiteral(" AND UPPER(%1) LIKE UPPER(?) ESCAPE '\\'").arg(kWorkListPatientName);
            binds << likeStartsWith(search);
        }
        sql += byName ? QStringLiteral(" ORDER BY 3, 2") : QStringLiteral(" ORDER BY q.FirstRequest, 2");
        return c.query(sql, binds);
    }}};

// One row per return request of a station not posted yet (its lines share the credit memo):
// 0 hospital number, 1 admission or visit id, 2 credit memo, 3 name, 4 requesting nurse, 5 lines,
// 6 reason, 7 charge slip, 8 revenue code. Option is the tree node: "_7.1.1" admitted patients,
// "_7.2.1" out-patients whose visit is open, "_7.2.2" those whose visit is closed.
const ProcedureRegistration loadPostReturns{{
    QStringLiteral("sp_Pharma_LoadPostReturns"),
    {text("@RevenueID", 10), text("@Option", 10)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        const QString option = a.text(QStringLiteral("OPTION")).trimmed();
        QString patients;
        QString visit;
        if (option == QLatin1String("_7.1.1")) {
            patients = QStringLiteral("patient_data.tbPatient");
        } else if (option == QLatin1String("_7.2.1") || option == QLatin1String("_7.2.2")) {
            patients = QStringLiteral("patient_data.tbOutPatient");
            visit = option == QLatin1String("_7.2.1") ? QStringLiteral(" AND p.DcrDate IS NULL")
                                                      : QStringLiteral(" AND p.DcrDate IS NOT NULL");
        } else {
            return Recordset({QStringLiteral("HospNum"), QStringLiteral("IDNum"), QStringLiteral("CreditMemo"),
                              QStringLiteral("PatientName")},
                             {});
        }
        return c.query(
            QStringLiteral("SELECT MAX(r.HospNum) AS \"HospNum\", r.IdNum AS \"IDNum\", r.CreditMemo AS \"CreditMemo\", "
                           "MAX(%1) AS \"PatientName\", MAX(r.UserID) AS \"RequestedBy\", COUNT(*) AS \"Items\", "
                           "MAX(r.Remarks) AS \"Remarks\", MAX(r.ChargeSlip) AS \"ChargeSlip\", "
                           "MAX(r.RevenueID) AS \"RevenueID\" "
                           "FROM tbPharmaCommunication r JOIN %2 p ON p.IDNum = r.IdNum "
                           "LEFT JOIN patient_data.tbMaster m ON m.HospNum = p.HospNum "
                           "WHERE r.RevenueID = ? AND COALESCE(r.isPosted, 0) = 0 "
                           "AND (r.RecordStatus IS NULL OR r.RecordStatus = '')%3 "
                           "GROUP BY r.IdNum, r.CreditMemo ORDER BY 4, 3")
                .arg(kWorkListPatientName, patients, visit),
            {a.text(QStringLiteral("REVENUEID")).trimmed()});
    }}};

} // namespace
} // namespace qx::hospitaldb
