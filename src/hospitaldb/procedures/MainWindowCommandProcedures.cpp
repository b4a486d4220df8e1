// Procedures of the main window's row commands: the lines of a cash assessment read back for its
// reprint, and the Rx mark of a unit-dose patient.
#include "components/Connection.h"
#include "components/Procedures.h"

namespace qx::hospitaldb {
namespace {

using namespace procparams;

// The assessment's lines that are not revoked, in the order they were assessed: who assessed them,
// the doctor (by name when the doctor file knows him), the item and its amounts. The VAT split is
// not kept with an assessment, so TaxableAmount and VatAmount are not returned.
const ProcedureRegistration getCashReprint{{
    QStringLiteral("Pharma_GetCashReprint"),
    {text("@RefNum", 20)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return c.query(
            QStringLiteral(
                "SELECT a.UserID AS UserID, "
                "CASE WHEN d.doctorid IS NULL THEN COALESCE(a.DoctorID, '') "
                "ELSE COALESCE(d.LastName, '') || ', ' || COALESCE(d.FirstName, '') END AS Doctor, "
                "a.ItemID AS ItemID, COALESCE(m.ItemName, '') AS Description, a.Quantity AS Quantity, "
                "a.Amount AS Amount, a.UnitPrice AS UnitPrice, a.Discount AS Discount, "
                "a.DiscountType AS DiscountType, a.DiscountRate AS discountRate, a.VATExempt AS isVATExempt, "
                "m.isMDRP AS IsMDRP "
                "FROM billing.tbCashAssessment a "
                "LEFT JOIN tbInvMaster m ON m.ItemID = a.ItemID "
                "LEFT JOIN build_file.tbCoDoctor d ON d.doctorid = a.DoctorID "
                "WHERE a.RefNum = ? AND COALESCE(a.RecordStatus, '') <> 'R' ORDER BY a.id"),
            {a.text(QStringLiteral("REFNUM")).trimmed()});
    }}};

// The mark lives on the patient's open unit-dose requests, where the unit-dose list reads it.
void setRxMark(Connection& c, const QString& idNum, int mark) {
    c.execute(QStringLiteral("UPDATE station.tbNurseUnitDose SET RxMark = ? "
                             "WHERE IDNum = ? AND COALESCE(RecordStatus, '') <> 'R'"),
              {mark, idNum.trimmed()});
}

const ProcedureRegistration rxOn{{
    QStringLiteral("Pharma_RxOn"),
    {text("@strIdNum", 10)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        setRxMark(c, a.text(QStringLiteral("STRIDNUM")), 1);
        return std::nullopt;
    }}};

const ProcedureRegistration rxOff{{
    QStringLiteral("Pharma_RxOff"),
    {text("@strIdNum", 10)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        setRxMark(c, a.text(QStringLiteral("STRIDNUM")), 0);
        return std::nullopt;
    }}};

} // namespace
} // namespace qx::hospitaldb
