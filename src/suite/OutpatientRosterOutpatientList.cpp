#include "suite/OutpatientRosterOutpatientList.h"
#include "components/SearchText.h"
#include "components/SuiteComponents.h"
#include "suite/PickListDialog.h"

namespace qx::suite {

OutpatientRosterOutpatientList::OutpatientRosterOutpatientList(ConnectionProvider provider)
    : ConnectedComponent(progid::OutpatientList, std::move(provider)) {}

QString OutpatientRosterOutpatientList::ShowList(const QString& text) {
    Connection& c = db("ShowList");
    const QString name = sqlListName(QStringLiteral("m"));
    PickListSpec spec{QStringLiteral("Out-Patients"),
                      {QStringLiteral("Visit #"), QStringLiteral("Hosp. #"), QStringLiteral("Patient Name"),
                       QStringLiteral("Visit Date")},
                      {90, 90, 300, 140},
                      [&c, name](const QString& search) {
                          const QString like = likeStartsWith(search.trimmed());
                          return c.query(QStringLiteral("SELECT o.IDNum, o.HospNum, %1 AS PatientName, o.AdmDate "
                                                        "FROM patient_data.tbOutPatient o "
                                                        "LEFT JOIN patient_data.tbMaster m ON m.HospNum = o.HospNum "
                                                        "WHERE UPPER(%1) LIKE UPPER(?) ESCAPE '\\' OR UPPER(o.IDNum) LIKE UPPER(?) ESCAPE '\\' "
                                                        "OR o.HospNum LIKE ? ESCAPE '\\' ORDER BY o.AdmDate DESC, o.IDNum DESC LIMIT 500")
                                             .arg(name),
                                         {like, like, like});
                      },
                      {}};
    return PickListDialog::pickKey(std::move(spec), text);
}

} // namespace qx::suite
