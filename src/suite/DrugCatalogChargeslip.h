#pragma once
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "hospitaldb/DocumentCounter.h"
#include "suite/DrugCatalogConnection.h"

namespace qx::suite {

// The document counters of the drug component, one row per kind (and patient) in
// tbInvDocumentCounter. A read inside a transaction locks the counter row until that transaction
// ends, so that a read, the used-number test and the move happen as one claim.
class DrugCatalogChargeslip : public DrugCatalog::ChargeslipNumbers {
public:
    explicit DrugCatalogChargeslip(DrugConnection c) : c_(std::move(c)) {}

    QString CurrentDispensingChargeSlip(const std::optional<QString>& patientKey = std::nullopt) override;
    void UpdateDispensingChargeSlip(const std::optional<QString>& patientKey = std::nullopt) override;
    QString CurrentCreditMemo() override;
    void UpdateCreditMemo() override;
    QString CurrentAdjustmentSlip() override;
    void UpdateAdjustmentSlip() override;
    QString ClaimDispensingChargeSlip(const std::optional<QString>& patientKey, const QString& idNum,
                                      const QString& claimedBy) override;
    QString ClaimCreditMemo(const QString& idNum, const QString& claimedBy) override;
    QString ClaimAdjustmentSlip(const QString& idNum, const QString& claimedBy) override;

    // The counter row of `kind` for `patientKey` ('' = the shared counter), starting at 1.
    static hospitaldb::CounterRow counterRow(const QString& kind, const QString& patientKey);
    // The series of `kind` for `patientKey` as a claim reads it.
    static hospitaldb::DocumentSeries series(const QString& kind, const QString& patientKey);

private:
    DrugConnection c_;
};

} // namespace qx::suite
