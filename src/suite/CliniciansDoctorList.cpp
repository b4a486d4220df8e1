#include "suite/CliniciansDoctorList.h"
#include "components/SearchText.h"
#include "components/SuiteComponents.h"
#include "suite/PickListDialog.h"

namespace qx::suite {

CliniciansDoctorList::CliniciansDoctorList(ConnectionProvider provider)
    : ConnectedComponent(progid::DoctorList, std::move(provider)) {}

QString CliniciansDoctorList::ShowList(const QString& text) {
    Connection& c = db("ShowList");
    const QString name = sqlListName(QStringLiteral("d"));
    PickListSpec spec{QStringLiteral("Doctors"),
                      {QStringLiteral("Code"), QStringLiteral("Name")},
                      {90, 360},
                      [&c, name](const QString& search) {
                          const QString like = likeStartsWith(search.trimmed());
                          return c.query(QStringLiteral("SELECT d.doctorid, %1 AS Name FROM build_file.tbCoDoctor d "
                                                        "WHERE UPPER(d.doctorid) LIKE UPPER(?) ESCAPE '\\' OR UPPER(%1) LIKE UPPER(?) ESCAPE '\\' "
                                                        "OR UPPER(COALESCE(d.FirstName, '')) LIKE UPPER(?) ESCAPE '\\' "
                                                        "ORDER BY 2 LIMIT 500")
                                             .arg(name),
                                         {like, like, like});
                      },
                      {}};
    return PickListDialog::pickKey(std::move(spec), text);
}

} // namespace qx::suite
