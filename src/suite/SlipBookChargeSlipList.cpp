#include "suite/SlipBookChargeSlipList.h"
#include "components/SearchText.h"
#include "components/SuiteComponents.h"
#include "suite/PickListDialog.h"

namespace qx::suite {

SlipBookChargeSlipList::SlipBookChargeSlipList(ConnectionProvider provider)
    : ConnectedComponent(progid::ChargeSlipList, std::move(provider)) {}

QString SlipBookChargeSlipList::ShowList(const QString& patientId, const QString& patientName) {
    Connection& c = db("ShowList");
    const QString id = patientId.trimmed();
    PickListSpec spec{QStringLiteral("Charge Slips"),
                      {QStringLiteral("Charge Slip #"), QStringLiteral("Date Issued"), QStringLiteral("Lines")},
                      {130, 160, 60},
                      [&c, id](const QString& search) {
                          return c.query(QStringLiteral("SELECT RefNum, MIN(TransDate) AS Issued, COUNT(*) AS Lines "
                                                        "FROM tbInvStockCard WHERE IdNum = ? AND SummaryCode = 'PH' "
                                                        "AND UPPER(RefNum) LIKE UPPER(?) ESCAPE '\\' "
                                                        "GROUP BY RefNum ORDER BY MIN(TransDate) DESC, RefNum DESC LIMIT 500"),
                                         {id, likeStartsWith(search.trimmed())});
                      },
                      patientName.trimmed()};
    return PickListDialog::pickKey(std::move(spec), QString());
}

} // namespace qx::suite
