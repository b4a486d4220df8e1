#include "suite/SiteOptionsOptionSet.h"
#include "components/SuiteComponents.h"

namespace qx::suite {

SiteOptionsOptionSet::SiteOptionsOptionSet(ConnectionProvider provider)
    : ConnectedComponent(progid::OptionSet, std::move(provider)) {}

void SiteOptionsOptionSet::GetOptions() {
    Recordset rs = db("GetOptions").query(
        QStringLiteral("SELECT CommunicationTimer, SeniorCitizenDiscount FROM tbPharmaOptions WHERE OptionRow = 1"));
    communicationTimer_ = rs.eof() ? 0 : static_cast<qint16>(rs.value(QStringLiteral("CommunicationTimer")).toInt());
    seniorDiscount_ = rs.eof() ? 0 : static_cast<qint16>(rs.value(QStringLiteral("SeniorCitizenDiscount")).toInt());
}

void SiteOptionsOptionSet::UpdateOptions(qint16 refreshRate, qint16 seniorDiscount) {
    Connection& c = db("UpdateOptions");
    Transaction tx(c);
    if (c.execute(QStringLiteral("UPDATE tbPharmaOptions SET CommunicationTimer = ?, SeniorCitizenDiscount = ? "
                                 "WHERE OptionRow = 1"),
                  {refreshRate, seniorDiscount}) == 0)
        c.execute(QStringLiteral("INSERT INTO tbPharmaOptions (OptionRow, CommunicationTimer, SeniorCitizenDiscount) "
                                 "VALUES (1, ?, ?)"),
                  {refreshRate, seniorDiscount});
    tx.commit();
    communicationTimer_ = refreshRate;
    seniorDiscount_ = seniorDiscount;
}

} // namespace qx::suite
