#include "suite/OutpatientRecentRecentList.h"
#include "components/SearchText.h"
#include "components/SuiteComponents.h"
#include "suite/PickListDialog.h"

namespace qx::suite {

OutpatientRecentRecentList::OutpatientRecentRecentList(ConnectionProvider provider)
    : ConnectedComponent(progid::RecentList, std::move(provider)) {}

QString OutpatientRecentRecentList::ShowList(const QString& text) {
    // Reset first: callers read it after every look-up, and a cancel must not leave an old "True".
    master_ = false;
    Connection& c = db("ShowList");
    const QString name = sqlListName(QStringLiteral("m"));
    PickListSpec spec{QStringLiteral("Recent Out-Patients"),
                      {QStringLiteral("Visit / Hosp. #"), QStringLiteral("Patient Name"), QStringLiteral("Visit Date")},
                      {110, 300, 140},
                      [&c, name](const QString& search) {
                          const QString like = likeStartsWith(search.trimmed());
                          return c.query(
                              QStringLiteral(
                                  "SELECT Code, PatientName, AdmDate, IsMaster FROM ("
                                  "SELECT o.IDNum AS Code, %1 AS PatientName, o.AdmDate AS AdmDate, 0 AS IsMaster, "
                                  "o.HospNum AS HospNum FROM patient_data.tbOutPatient o "
                                  "LEFT JOIN patient_data.tbMaster m ON m.HospNum = o.HospNum "
                                  "UNION ALL "
                                  "SELECT m.HospNum, %1, NULL, 1, m.HospNum FROM patient_data.tbMaster m "
                                  "WHERE NOT EXISTS (SELECT 1 FROM patient_data.tbOutPatient v WHERE v.HospNum = m.HospNum)"
                                  ") r WHERE UPPER(PatientName) LIKE UPPER(?) ESCAPE '\\' OR UPPER(Code) LIKE UPPER(?) ESCAPE '\\' OR HospNum LIKE ? ESCAPE '\\' "
                                  "ORDER BY IsMaster, AdmDate DESC, PatientName LIMIT 500")
                                  .arg(name),
                              {like, like, like});
                      },
                      {}};
    const auto row = PickListDialog::pick(std::move(spec), text);
    if (!row)
        return QString();
    master_ = row->value(3).toInt() == 1;
    return row->value(0).toString().trimmed();
}

} // namespace qx::suite
