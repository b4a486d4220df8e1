#include "suite/IssueLedgerIssuedMedicines.h"
#include "components/SearchText.h"
#include "components/SuiteComponents.h"
#include "suite/PickListDialog.h"

namespace qx::suite {

IssueLedgerIssuedMedicines::IssueLedgerIssuedMedicines(ConnectionProvider provider)
    : ConnectedComponent(progid::IssuedMedicines, std::move(provider)) {}

QString IssueLedgerIssuedMedicines::ShowList(const QString& patientId, const QString& chargeSlip,
                                             const QString& patientName) {
    return pick("ShowList", patientId, chargeSlip.trimmed(), patientName);
}

QString IssueLedgerIssuedMedicines::ListIssuedbyDrugs(const QString& patientId) {
    return pick("ListIssuedbyDrugs", patientId, std::nullopt, QString());
}

QString IssueLedgerIssuedMedicines::pick(const char* member, const QString& patientId,
                                         const std::optional<QString>& slip, const QString& patientName) {
    // Reset first, so that a cancel never leaves the last pick's quantity for the caller.
    issued_ = 0;
    slip_.clear();
    Connection& c = db(member);
    const QString id = patientId.trimmed();
    PickListSpec spec{QStringLiteral("Issued Medicines"),
                      {QStringLiteral("Item Code"), QStringLiteral("Description"), QStringLiteral("Charge Slip #"),
                       QStringLiteral("Quantity")},
                      {90, 300, 120, 80},
                      [&c, id, slip](const QString& search) {
                          const QString net = QStringLiteral("SUM(CASE WHEN s.SummaryCode = 'PH' THEN s.Quantity "
                                                             "ELSE -s.Quantity END)");
                          const QString like = likeStartsWith(search.trimmed());
                          QVariantList binds{id};
                          if (slip)
                              binds << *slip;
                          binds << like << like;
                          return c.query(QStringLiteral("SELECT s.ItemID, COALESCE(i.ItemName, '') AS Description, "
                                                        "s.RefNum, %1 AS Issued FROM tbInvStockCard s "
                                                        "LEFT JOIN tbInvMaster i ON i.ItemID = s.ItemID "
                                                        "WHERE s.IdNum = ? AND s.SummaryCode IN ('PH', 'PC', 'PA') %2"
                                                        "AND (UPPER(s.ItemID) LIKE UPPER(?) ESCAPE '\\' "
                                                        "OR UPPER(COALESCE(i.ItemName, '')) LIKE UPPER(?) ESCAPE '\\') "
                                                        "GROUP BY s.ItemID, i.ItemName, s.RefNum HAVING %1 > 0 "
                                                        "ORDER BY 2, s.RefNum LIMIT 500")
                                             .arg(net, slip ? QStringLiteral("AND s.RefNum = ? ") : QString()),
                                         binds);
                      },
                      patientName.trimmed()};
    const auto row = PickListDialog::pick(std::move(spec), QString());
    if (!row)
        return QString();
    slip_ = row->value(2).toString().trimmed();
    issued_ = row->value(3).toDouble();
    return row->value(0).toString().trimmed();
}

} // namespace qx::suite
