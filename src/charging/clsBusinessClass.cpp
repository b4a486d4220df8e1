#include "charging/clsBusinessClass.h"

#include "charging/frmLookup.h"
#include "components/Connection.h"
#include "platform/Values.h"
#include "shell/Session.h"

namespace qx {

void clsBusinessClass::reset() {
    code_.clear();
    description_.clear();
    status_.clear();
}

bool clsBusinessClass::LoadBusinessClass(const QString& code) {
    if (code == code_)
        return true;
    if (code.isEmpty()) {
        reset();
        return true;
    }
    try {
        const Recordset rs = SQLConnection().query(
            QStringLiteral("SELECT Code, Description FROM build_file.tbCoBusinessClass "
                           "WHERE UPPER(TRIM(Code)) = UPPER(?) AND isMedicine = 1"),
            {Trim(code)});
        if (rs.isEmpty()) {
            reset();
            return false;
        }
        code_ = Text(rs.value(QStringLiteral("Code")));
        description_ = Text(rs.value(QStringLiteral("Description")));
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool clsBusinessClass::SearchBusinessClass(const QString& searchText) {
    const QString code = frmLookup::Search(frmLookup::BusinessClasses, searchText);
    if (code.isEmpty())
        return false;
    return LoadBusinessClass(code);
}

} // namespace qx
