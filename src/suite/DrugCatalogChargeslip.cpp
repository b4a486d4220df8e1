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

hospitaldb::DocumentSeries DrugCatalogChargeslip::series(const QString& kind, const QString& key) {
    hospitaldb::DocumentSeries s{counterRow(kind, key), QString(), 8, QString(), kind, QStringLiteral("RefNum")};
    if (kind == kChargeSlip) {
        if (!key.isEmpty()) {
            s.prefix = key + QLatin1Char('-');
            s.width = 4;
        }
    } else {
        s.prefix = kind == kCreditMemo ? QStringLiteral("RC") : QStringLiteral("AJ");
        s.stockCardColumn = QStringLiteral("CreditMemoNum");
    }
    return s;
}

// Formats: 8 digits; per patient "<id>-<4 digits>"; credit memos "RC" and adjustment slips "AJ"
// with 8 digits, so that they fit 10 characters and never read as a cash "CM" number or as the
// "0" and rates that some issue lines carry in the same column.
QString DrugCatalogChargeslip::CurrentDispensingChargeSlip(const std::optional<QString>& patientKey) {
    const QString key = keyOf(patientKey);
    const qint64 n = currentValue(c_("Chargeslip.CurrentDispensingChargeSlip"), kChargeSlip, key);
    return hospitaldb::formatDocumentNumber(series(kChargeSlip, key), n);
}

void DrugCatalogChargeslip::UpdateDispensingChargeSlip(const std::optional<QString>& patientKey) {
    advance(c_("Chargeslip.UpdateDispensingChargeSlip"), kChargeSlip, keyOf(patientKey));
}

QString DrugCatalogChargeslip::CurrentCreditMemo() {
    return hospitaldb::formatDocumentNumber(series(kCreditMemo, QString()),
                                            currentValue(c_("Chargeslip.CurrentCreditMemo"), kCreditMemo, QString()));
}

void DrugCatalogChargeslip::UpdateCreditMemo() { advance(c_("Chargeslip.UpdateCreditMemo"), kCreditMemo, QString()); }

QString DrugCatalogChargeslip::CurrentAdjustmentSlip() {
    return hospitaldb::formatDocumentNumber(series(kAdjustment, QString()),
                                            currentValue(c_("Chargeslip.CurrentAdjustmentSlip"), kAdjustment, QString()));
}

void DrugCatalogChargeslip::UpdateAdjustmentSlip() { advance(c_("Chargeslip.UpdateAdjustmentSlip"), kAdjustment, QString()); }

QString DrugCatalogChargeslip::ClaimDispensingChargeSlip(const std::optional<QString>& patientKey, const QString& idNum,
                                                         const QString& claimedBy) {
    return hospitaldb::claimDocumentNumber(c_("Chargeslip.ClaimDispensingChargeSlip"),
                                           series(kChargeSlip, keyOf(patientKey)), idNum, claimedBy);
}

QString DrugCatalogChargeslip::ClaimCreditMemo(const QString& idNum, const QString& claimedBy) {
    return hospitaldb::claimDocumentNumber(c_("Chargeslip.ClaimCreditMemo"), series(kCreditMemo, QString()), idNum,
                                           claimedBy);
}

QString DrugCatalogChargeslip::ClaimAdjustmentSlip(const QString& idNum, const QString& claimedBy) {
    return hospitaldb::claimDocumentNumber(c_("Chargeslip.ClaimAdjustmentSlip"), series(kAdjustment, QString()), idNum,
                                           claimedBy);
}

} // namespace qx::suite
