#include "ScriptedSuite.h"

namespace qx::test {

ScriptedSuite::ScriptedSuite(Connection& c, const ComponentFactory& real)
    : login(std::make_shared<ScriptedCurrentUser>(c)) {
    for (const QString& progId : real.progIds()) {
        factory_.add(progId, [this, &real, progId](const ConnectionProvider& provider) {
            if (forgotten_.contains(progId))
                return real.createAny(QStringLiteral("Missing.") + progId, provider);
            created << progId;
            CreatedComponent made;
            if (progId == progid::CurrentUser)
                made = {std::shared_ptr<StaffLogin::CurrentUser>(login), {}};
            else if (progId == progid::OptionSet)
                made = {std::shared_ptr<SiteOptions::OptionSet>(options),
                        [o = options](const QString& cs) { return o->InitConnection(cs); }};
            else
                made = real.createAny(progId, provider);
            if (made.connect) {
                made.connect = [this, progId, inner = made.connect](const QString& connectionString) {
                    connected << progId;
                    employeeAtConnect << gEmployeeCode;
                    if (failing.contains(progId))
                        throw AppError(-2147467259, progId, QStringLiteral("Login failed for ") + progId);
                    return !refusing.contains(progId) && inner(connectionString);
                };
            }
            return made;
        });
    }
}

} // namespace qx::test
