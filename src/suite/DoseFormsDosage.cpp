#include "suite/DoseFormsDosage.h"
#include "components/SuiteComponents.h"

namespace qx::suite {

DoseFormsDosage::DoseFormsDosage(ConnectionProvider provider)
    : ConnectedComponent(progid::Dosage, std::move(provider)) {}

bool DoseFormsDosage::GetInfo(const QString& code) {
    Recordset rs = db("GetInfo").query(
        QStringLiteral("SELECT DosageID, Frequency FROM build_file.tbCoDosage WHERE UPPER(TRIM(DosageID)) = UPPER(?)"),
        {code.trimmed()});
    dosageId_ = rs.eof() ? QString() : rs.text(QStringLiteral("DosageID")).trimmed();
    frequency_ = rs.eof() ? 0 : rs.number(QStringLiteral("Frequency"));
    return !rs.eof();
}

} // namespace qx::suite
