#pragma once
#include "components/ComponentFactory.h"
#include "components/Connection.h"

namespace qx::suite {

// What every database-backed component of ours shares: it runs on the login component's
// connection, so that its reads and writes join the caller's transaction, and opens nothing.
class ConnectedComponent {
public:
    ConnectedComponent(QString progId, ConnectionProvider provider)
        : progId_(std::move(progId)), provider_(std::move(provider)) {}

protected:
    // InitConnect/InitConnection: true when the shared connection is open under this string.
    bool bindConnection(const QString& connectionString);
    // The bound connection; throws AppError (source "<ProgID>.<member>") before a bind.
    Connection& db(const char* member) const;
    QString source(const char* member) const { return progId_ + QLatin1Char('.') + QLatin1String(member); }
    const QString& progId() const { return progId_; }

private:
    QString progId_;
    ConnectionProvider provider_;
    Connection* conn_ = nullptr;
};

// "JUAN S. DELA CRUZ": first name, middle initial and last name, blanks trimmed.
QString fullName(const QString& first, const QString& middle, const QString& last);
// SQL text of "LAST, FIRST MIDDLE" over the name columns of `alias`.
QString sqlListName(const QString& alias);

} // namespace qx::suite
