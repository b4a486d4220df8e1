#include "suite/CliniciansDoctor.h"
#include "components/SuiteComponents.h"

namespace qx::suite {

CliniciansDoctor::CliniciansDoctor(ConnectionProvider provider)
    : ConnectedComponent(progid::Doctor, std::move(provider)) {}

bool CliniciansDoctor::Search(const QString& code) {
    Recordset rs = db("Search").query(
        QStringLiteral("SELECT doctorid, FirstName, MiddleName, LastName FROM build_file.tbCoDoctor "
                       "WHERE UPPER(TRIM(doctorid)) = UPPER(?)"),
        {code.trimmed()});
    if (rs.eof()) {
        code_.clear();
        name_.clear();
        return false;
    }
    code_ = rs.text(QStringLiteral("doctorid")).trimmed();
    name_ = fullName(rs.text(QStringLiteral("FirstName")), rs.text(QStringLiteral("MiddleName")),
                     rs.text(QStringLiteral("LastName")));
    return true;
}

} // namespace qx::suite
