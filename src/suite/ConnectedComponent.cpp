#include "suite/ConnectedComponent.h"
#include "components/AppError.h"

namespace qx::suite {

bool ConnectedComponent::bindConnection(const QString& connectionString) {
    Connection* c = provider_ ? provider_() : nullptr;
    if (!c || !c->isOpen() || c->connectionString() != connectionString) {
        conn_ = nullptr;
        return false;
    }
    conn_ = c;
    return true;
}

Connection& ConnectedComponent::db(const char* member) const {
    if (!conn_ || !conn_->isOpen())
        throw AppError(static_cast<long>(0x80040064), source(member),
                       QStringLiteral("The component is not connected to the server."));
    return *conn_;
}

QString fullName(const QString& first, const QString& middle, const QString& last) {
    QStringList parts;
    if (!first.trimmed().isEmpty())
        parts << first.trimmed();
    if (!middle.trimmed().isEmpty())
        parts << middle.trimmed().left(1) + QLatin1Char('.');
    if (!last.trimmed().isEmpty())
        parts << last.trimmed();
    return parts.join(QLatin1Char(' '));
}

QString sqlListName(const QString& alias) {
    return QStringLiteral("TRIM(COALESCE(%1.LastName, '') || ', ' || COALESCE(%1.FirstName, '') || ' ' || "
                          "COALESCE(%1.MiddleName, ''))")
        .arg(alias);
}

} // namespace qx::suite
