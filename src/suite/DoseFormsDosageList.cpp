#include "suite/DoseFormsDosageList.h"
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
                          const QString like = likePrefix(search);
                          return c.query(QStringLiteral("SELECT DosageID, Description, Frequency FROM build_file.tbCoDosage "
                                                        "WHERE UPPER(DosageID) LIKE UPPER(?) OR UPPER(Description) LIKE UPPER(?) "
                                                        "ORDER BY DosageID LIMIT 500"),
                                         {like, like});
                      },
                      {}};
    return PickListDialog::pickKey(std::move(spec), QString());
}

} // namespace qx::suite
