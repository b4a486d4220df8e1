#include "shell/Switches.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"

namespace qx {

clsPharmaSwitches gPharmaSwitches;
bool gInvSwitchVATExemptItems = false;
bool gInvSwitchVAPrice = false;
bool gInvSwitchHMOMarkupPrice = false;

bool GetPharmaSwitch(Connection& con, const QString& key) {
    const Recordset rs = con.query(
        QStringLiteral("SELECT COALESCE(KeyValue, 0) AS KeyValue FROM tbPharmaSwitch WHERE IDKey = ?"), {key});
    return !rs.eof() && CBool(rs.value(QStringLiteral("KeyValue")));
}

bool GetPharmaSwitch(const QString& key) { return GetPharmaSwitch(SQLConnection(), key); }

bool GetInvSwitch(Connection& con, const QString& key) {
    try {
        const Recordset rs = con.query(
            QStringLiteral("SELECT COALESCE(KeyValue, 0) AS KeyValue FROM tbInvSwitch WHERE IDKey = ?"), {key});
        if (rs.eof())
            return false;
        const QVariant value = rs.value(QStringLiteral("KeyValue"));
        return value.typeId() == QMetaType::Bool ? value.toBool() : CDbl(value) == 1;
    } catch (...) {
        ShowErrorMessage(currentError().description());
        return false;
    }
}

bool GetInvSwitch(const QString& key) { return GetInvSwitch(SQLConnection(), key); }

void LoadSwitches(Connection& con, const QString& siteCode) {
    try {
        gInvSwitchVATExemptItems = GetInvSwitch(con, QStringLiteral("106"));
        gInvSwitchVAPrice = GetInvSwitch(con, QStringLiteral("103"));
        gInvSwitchHMOMarkupPrice = GetInvSwitch(con, QStringLiteral("104"));
        gPharmaSwitches.Load(con, siteCode);
    } catch (...) {
        ShowErrorMessage(currentError().description());
    }
}

void LoadSwitches() { LoadSwitches(SQLConnection(), gSiteCode); }

void resetSwitches() {
    gPharmaSwitches = clsPharmaSwitches();
    gInvSwitchVATExemptItems = gInvSwitchVAPrice = gInvSwitchHMOMarkupPrice = false;
}

} // namespace qx
