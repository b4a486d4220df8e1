#include "suite/InpatientRosterInpatientList.h"
#include "components/SearchText.h"
#include "components/SuiteComponents.h"
#include "suite/PickListDialog.h"

namespace qx::suite {

InpatientRosterInpatientList::InpatientRosterInpatientList(ConnectionProvider provider)
    : ConnectedComponent(progid::InpatientList, std::move(provider)) {}

QString InpatientRosterInpatientList::ShowList(const QString& text, const std::optional<int>& mode) {
    Connection& c = db("ShowList");
    const bool withPrevious = mode.value_or(0) == 2;
    const QString name = sqlListName(QStringLiteral("m"));
    // A discharge date of 01/01/1900 means "not discharged", as an empty one does.
    const QString current = withPrevious ? QStringLiteral("1 = 1")
                                         : QStringLiteral("(p.DcrDate IS NULL OR p.DcrDate < ?)");
    PickListSpec spec{withPrevious ? QStringLiteral("Patients") : QStringLiteral("Admitted Patients"),
                      {QStringLiteral("Adm. #"), QStringLiteral("Hosp. #"), QStringLiteral("Patient Name"),
                       QStringLiteral("Room")},
                      {90, 90, 300, 80},
                      [&c, withPrevious, name, current](const QString& search) {
                          const QString like = likeStartsWith(search.trimmed());
                          QVariantList binds;
                          if (!withPrevious)
                              binds << QDateTime(QDate(1900, 1, 2), QTime(0, 0));
                          binds << like << like << like;
                          return c.query(QStringLiteral("SELECT p.IDNum, p.HospNum, %1 AS PatientName, p.RoomID "
                                                        "FROM patient_data.tbPatient p "
                                                        "LEFT JOIN patient_data.tbMaster m ON m.HospNum = p.HospNum "
                                                        "WHERE %2 AND (UPPER(%1) LIKE UPPER(?) ESCAPE '\\' OR p.IDNum LIKE ? ESCAPE '\\' "
                                                        "OR p.HospNum LIKE ? ESCAPE '\\') ORDER BY 3, p.IDNum DESC LIMIT 500")
                                             .arg(name, current),
                                         binds);
                      },
                      {}};
    return PickListDialog::pickKey(std::move(spec), text);
}

} // namespace qx::suite
