// Procedures of the medication labels and the doctor's prescription: a patient's initials, the
// admitted patients whose labels are printed again, and the lines of a visit's prescription.
#include "components/Connection.h"
#include "components/Procedures.h"
#include "components/SearchText.h"

namespace qx::hospitaldb {
namespace {

// One row for a known admission: the first letters of the first, middle and last names.
const ProcedureRegistration patientInitials{{
    QStringLiteral("Pharma_PatientInitials"),
    {{QStringLiteral("@IDNum"), ParamType::Text}},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return c.query(QStringLiteral("SELECT UPPER(SUBSTR(COALESCE(m.FirstName, ''), 1, 1) || "
                                      "SUBSTR(COALESCE(m.MiddleName, ''), 1, 1) || "
                                      "SUBSTR(COALESCE(m.LastName, ''), 1, 1)) AS PatientInitials "
                                      "FROM patient_data.tbPatient p INNER JOIN patient_data.tbMaster m "
                                      "ON m.HospNum = p.HospNum WHERE p.IDNum = ?"),
                       {a.text(QStringLiteral("IDNUM")).trimmed()});
    }}};

// Admitted patients still in the hospital whose name ("LAST, FIRST MIDDLE") contains the text,
// or whose admission or hospital number is the text. Column 1 is the admission, column 5 the
// station of the room.
const ProcedureRegistration barReprint{{
    QStringLiteral("Pharma_BarReprint"),
    {{QStringLiteral("@Search"), ParamType::Text}},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        const QString search = a.text(QStringLiteral("SEARCH")).trimmed();
        return c.query(
            QStringLiteral(
                "SELECT p.HospNum AS \"Hospital #\", p.IDNum AS \"Admission #\", "
                "COALESCE(m.LastName, '') || ', ' || COALESCE(m.FirstName, '') || ' ' || COALESCE(m.MiddleName, '') "
                "AS \"Patient Name\", p.RoomID AS \"Room\", r.RoomClassID AS \"RoomClass\", r.StationID AS \"StationID\", "
                "s.Station AS \"Station\", p.AdmDate AS \"Admission Date\", p.DoctorID AS \"DoctorID\" "
                "FROM patient_data.tbPatient p INNER JOIN patient_data.tbMaster m ON m.HospNum = p.HospNum "
                "LEFT JOIN build_file.tbCoRoom r ON r.RoomID = p.RoomID "
                "LEFT JOIN build_file.tbCoStation s ON s.StationID = r.StationID "
                "WHERE p.DcrDate IS NULL AND (UPPER(COALESCE(m.LastName, '') || ', ' || COALESCE(m.FirstName, '') || ' ' "
                "|| COALESCE(m.MiddleName, '')) LIKE UPPER(?) ESCAPE '\\' OR p.IDNum = ? OR p.HospNum = ?) "
                "ORDER BY 3, p.IDNum"),
            {likeContaining(search), search, search});
    }}};

// The visit's open requests written by the doctor, one row per item, with the doctor's
// licence numbers and whether a signature is on file. Every column is text. Option '1' lists the
// admission's take-home lines instead: the doctor's requests of items with a take-home record
// not cancelled, open or served (a take-home dispensing serves them before it prints).
const ProcedureRegistration getPrescription{{
    QStringLiteral("Pharma_GetPrescription"),
    {{QStringLiteral("@IDNum"), ParamType::Text},
     {QStringLiteral("@DoctorID"), ParamType::Text},
     {QStringLiteral("@Option"), ParamType::Text}},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return c.query(
            QStringLiteral(
                "SELECT COALESCE(i.ItemName, '') AS ItemName, COALESCE(i.ItemDesc, '') AS ItemDesc, "
                "COALESCE(n.Dosage, '') AS Dosage, CASE WHEN n.Quantity = CAST(n.Quantity AS INTEGER) "
                "THEN CAST(CAST(n.Quantity AS INTEGER) AS TEXT) ELSE CAST(n.Quantity AS TEXT) END AS Quantity, "
                "COALESCE(m.LastName, '') || ', ' || COALESCE(m.FirstName, '') || ' ' || COALESCE(m.MiddleName, '') "
                "AS PatientName, "
                "COALESCE(d.FirstName, '') || ' ' || COALESCE(d.MiddleName, '') || ' ' || COALESCE(d.LastName, '') "
                "AS Doctor, COALESCE(d.PRCNumber, '') AS PRC, COALESCE(d.PTRNumber, '') AS PTR, "
                "COALESCE(d.TINNumber, '') AS TIN, COALESCE(d.s2number, '') AS STwo, "
                "CASE WHEN EXISTS (SELECT 1 FROM build_file.tbDbImage g WHERE g.IDKey = d.doctorid "
                "AND g.FieldName = 'Doctor Sign' AND g.DbImage IS NOT NULL) THEN '1' ELSE '0' END AS isDocSign, "
                "COALESCE(n.Remarks, '') AS Remarks "
                "FROM station.tbNurseCommunicationFile n "
                "INNER JOIN tbInvMaster i ON i.ItemID = n.ItemID "
                "LEFT JOIN patient_data.tbMaster m ON m.HospNum = n.HospNum "
                "LEFT JOIN build_file.tbCoDoctor d ON d.doctorid = ? "
                "WHERE n.IDNum = ? AND TRIM(COALESCE(n.DoctorID, '')) = ? AND (CASE WHEN ? = '1' THEN "
                "(TRIM(COALESCE(n.RecordStatus, '')) IN ('', 'P') AND EXISTS (SELECT 1 FROM station.tbNurseHomeMeds h "
                "WHERE h.IdNum = n.IDNum AND h.ItemID = n.ItemID AND COALESCE(TRIM(h.RecordStatus), '') <> 'C')) "
                "ELSE TRIM(COALESCE(n.RecordStatus, '')) = '' END) ORDER BY n.id"),
            {a.text(QStringLiteral("DOCTORID")).trimmed(), a.text(QStringLiteral("IDNUM")).trimmed(),
             a.text(QStringLiteral("DOCTORID")).trimmed(), a.text(QStringLiteral("OPTION")).trimmed()});
    }}};

} // namespace
} // namespace qx::hospitaldb
