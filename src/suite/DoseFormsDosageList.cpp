#include "suite/DoseFormsDosageList.h"
#include "components/SearchText.h"
#include "components/SuiteComponents.h"
#include "suite/PickListDialog.h"

namespace qx::suite {

DoseFormsDosageList::DoseFormsDosageList(ConnectionProvider provider)
    : ConnectedComponent(progid::DosageList, std::move(provider)) {}

QString DoseFormsDosageList::ShowList() {
    Connection& c = db("ShowList");
    PickListSpec spec{QStringLiteral("Dosage"),
                      {QStringLiteral("Code"), QStringLiteral("Description"), QStringLiteral("Frequency")},
                      {90, 300, 80},
                      [&c](const QString& search) {
                          const QString like = likeStartsWith(search.trimmed());
                          return c.query(QStringLiteral("SELECT DosageID, Description, Frequency FROM build_file.tbCoDosage "
                                                        "WHERE UPPER(DosageID) LIKE UPPER(?) ESCAPE '\\' OR UPPER(Description) LIKE UPPER(?) ESCAPE '\\' "
                                                        "ORDER BY DosageID LIMIT 500"),
                                         {like, like});
                      },
                      {}};
    return PickListDialog::pickKey(std::move(spec), QString());
}

} // namespace qx::suite
