#include "suite/AccountFirmsFirm.h"
#include "components/SuiteComponents.h"

namespace qx::suite {

QString accountKindCondition(const QString& alias, const std::optional<QString>& kind, QVariantList& binds) {
    if (!kind)
        return QString();
    const QString k = kind->trimmed().toUpper();
    if (k != QLatin1String("FB") && k != QLatin1String("Y"))
        return QString();
    binds << (k == QLatin1String("FB") ? 1 : 0);
    return QStringLiteral(" AND COALESCE(%1.FringeBenefit, 0) = ?").arg(alias);
}

AccountFirmsFirm::AccountFirmsFirm(ConnectionProvider provider)
    : ConnectedComponent(progid::Firm, std::move(provider)) {}

bool AccountFirmsFirm::Search(const QString& code, const std::optional<QString>& kind) {
    QVariantList binds{code.trimmed()};
    const QString kindSql = accountKindCondition(QStringLiteral("c"), kind, binds);
    Recordset rs = db("Search").query(QStringLiteral("SELECT c.AccountNum, c.Company, c.DateEmployed FROM build_file.tbCoCompany c "
                                                     "WHERE UPPER(TRIM(c.AccountNum)) = UPPER(?)") +
                                          kindSql,
                                      binds);
    code_ = rs.eof() ? QString() : rs.text(QStringLiteral("AccountNum")).trimmed();
    name_ = rs.eof() ? QString() : rs.text(QStringLiteral("Company")).trimmed();
    const QDateTime employed = rs.eof() ? QDateTime() : rs.dateTime(QStringLiteral("DateEmployed"));
    dateEmployed_ = employed.isValid() ? employed.toString(QStringLiteral("MM/dd/yyyy")) : QString();
    return !rs.eof();
}

} // namespace qx::suite
