#include "suite/DrugCatalogChargeslip.h"

namespace qx::suite {

namespace {
const QString kChargeSlip = QStringLiteral("CS");
const QString kCreditMemo = QStringLiteral("CM");
const QString kAdjustment = QStringLiteral("AS");

QString keyOf(const std::optional<QString>& patientKey) {
    return patientKey ? patientKey->trimmed() : QString();
}

// A null text binds as Null; the shared counter's key is the empty text.
QString keyText(const QString& key) { return key.isNull() ? QStringLiteral("") : key; }

QString padded(qint64 n, int width) {
    return QStringLiteral("%1").arg(n, width, 10, QLatin1Char('0'));
}

qint64 currentValue(Connection& c, const QString& kind, const QString& key) {
    return hospitaldb::lockCounter(c, DrugCatalogChargeslip::counterRow(kind, key));
}

void advance(Connection& c, const QString& kind, const QString& key) {
    hospitaldb::advanceCounter(c, DrugCatalogChargeslip::counterRow(kind, key));
}
} // namespace

hospitaldb::CounterRow DrugCatalogChargeslip::counterRow(const QString& kind, const QString& key) {
    return {QStringLiteral("tbInvDocumentCounter"), QStringLiteral("NextValue"),
            {QStringLiteral("Kind"), QStringLiteral("PatientKey")}, {kind, keyText(key)}, 1};
}

// Formats: 8 digits; per patient "<id>-<4 digits>"; credit memos "RC" and adjustment slips "AJ"
// with 8 digits, so that they fit 10 characters and never read as a cash "CM" number or as the
// "0" and rates that some issue lines carry in the same column.
QString DrugCatalogChargeslip::CurrentDispensingChargeSlip(const std::optional<QString>& patientKey) {
    const QString key = keyOf(patientKey);
    const qint64 n = currentValue(c_("Chargeslip.CurrentDispensingChargeSlip"), kChargeSlip, key);
    return key.isEmpty() ? padded(n, 8) : key + QLatin1Char('-') + padded(n, 4);
}

void DrugCatalogChargeslip::UpdateDispensingChargeSlip(const std::optional<QString>& patientKey) {
    advance(c_("Chargeslip.UpdateDispensingChargeSlip"), kChargeSlip, keyOf(patientKey));
}

QString DrugCatalogChargeslip::CurrentCreditMemo() {
    return QStringLiteral("RC") + padded(currentValue(c_("Chargeslip.CurrentCreditMemo"), kCreditMemo, QString()), 8);
}

void DrugCatalogChargeslip::UpdateCreditMemo() { advance(c_("Chargeslip.UpdateCreditMemo"), kCreditMemo, QString()); }

QString DrugCatalogChargeslip::CurrentAdjustmentSlip() {
    return QStringLiteral("AJ") + padded(currentValue(c_("Chargeslip.CurrentAdjustmentSlip"), kAdjustment, QString()), 8);
}

void DrugCatalogChargeslip::UpdateAdjustmentSlip() { advance(c_("Chargeslip.UpdateAdjustmentSlip"), kAdjustment, QString()); }

} // namespace qx::suite
