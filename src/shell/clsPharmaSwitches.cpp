#include "shell/clsPharmaSwitches.h"
#include "components/Connection.h"
#include "platform/Values.h"

namespace qx {

namespace {

// A hospital-information column by name, any case; a missing column or a Null reads as Null.
QVariant columnOrNull(const Recordset& rs, const QString& column) {
    return rs.hasField(column) ? rs.value(column) : QVariant();
}

// The key a row's text names, or 0 when the text is not exactly the decimal text of a switch key
// (a leading zero or blank names no key).
int switchKey(const QString& text) {
    bool ok = false;
    const int key = text.toInt(&ok);
    if (!ok || QString::number(key) != text || !clsPharmaSwitches::isSwitchKey(key))
        return 0;
    return key;
}

} // namespace

bool clsPharmaSwitches::DisplayPNFInCommunicationEntry(const QString& siteCode) const {
    return siteCode == QLatin1String("TRAVU") || flag(204);
}

bool clsPharmaSwitches::ActivateCashierRegularVATDeduction(const QString& siteCode) const {
    return siteCode == QLatin1String("RUQ") || cashierRegularVATDeduction_;
}

bool clsPharmaSwitches::DisplaySupplierInCommunicationEntry(const QString& siteCode) const {
    return siteCode == QLatin1String("BOSNEV") || flag(203);
}

void clsPharmaSwitches::Load(Connection& con, const QString& /*strClient*/) {
    flags_.fill(false);

    Recordset rs = con.query(QStringLiteral("SELECT * FROM tbPharmaSwitch"));
    for (; !rs.eof(); rs.moveNext()) {
        const int key = switchKey(rs.text(QStringLiteral("IDKey")));
        if (key == 0)
            continue;
        const QVariant value = rs.value(QStringLiteral("KeyValue"));
        flag(key) = !IsNull(value) && CBool(value);
    }

    const Recordset billing = con.query(QStringLiteral("SELECT * FROM billing.tbHospitalInfo ORDER BY id LIMIT 1"));
    if (!billing.eof()) {
        const QVariant v = columnOrNull(billing, QStringLiteral("ActivateCashierRegularVATDeduction"));
        cashierRegularVATDeduction_ = (IsNull(v) ? QStringLiteral("0") : Text(v)) == QLatin1String("1");
    }

    const Recordset patientData = con.query(QStringLiteral("SELECT * FROM patient_data.tbHospitalInfo ORDER BY id LIMIT 1"));
    if (!patientData.eof()) {
        const QVariant v = columnOrNull(patientData, QStringLiteral("Kelvarin"));
        kelvarHospital_ = !IsNull(v) && CBool(v);
    }
}

} // namespace qx
