#include "suite/AccountFirmsFirmList.h"
#include "components/SearchText.h"
#include "components/SuiteComponents.h"
#include "suite/AccountFirmsFirm.h"
#include "suite/PickListDialog.h"

namespace qx::suite {

AccountFirmsFirmList::AccountFirmsFirmList(ConnectionProvider provider)
    : ConnectedComponent(progid::FirmList, std::move(provider)) {}

QString AccountFirmsFirmList::ShowList(const QString& text, const std::optional<QString>& kind) {
    Connection& c = db("ShowList");
    PickListSpec spec{QStringLiteral("Accounts"),
                      {QStringLiteral("Account"), QStringLiteral("Company")},
                      {110, 380},
                      [&c, kind](const QString& search) {
                          const QString like = likeStartsWith(search.trimmed());
                          QVariantList binds{like, like};
                          const QString kindSql = accountKindCondition(QStringLiteral("c"), kind, binds);
                          return c.query(QStringLiteral("SELECT c.AccountNum, c.Company FROM build_file.tbCoCompany c "
                                                        "WHERE (UPPER(c.AccountNum) LIKE UPPER(?) ESCAPE '\\' "
                                                        "OR UPPER(COALESCE(c.Company, '')) LIKE UPPER(?) ESCAPE '\\')") +
                                             kindSql + QStringLiteral(" ORDER BY c.Company LIMIT 500"),
                                         binds);
                      },
                      {}};
    return PickListDialog::pickKey(std::move(spec), text);
}

} // namespace qx::suite
