#pragma once
#include <QString>

namespace qx::IssueLedger {

// Medicines issued to a patient, net of what came back.
class IssuedMedicines {
public:
    virtual ~IssuedMedicines() = default;
    virtual bool InitConnection(const QString& connectionString) = 0;
    // The chosen item code among the issues under one charge slip, "" when cancelled.
    virtual QString ShowList(const QString& patientId, const QString& chargeSlip, const QString& patientName) = 0;
    // The chosen item code among every issue to the patient, "" when cancelled.
    virtual QString ListIssuedbyDrugs(const QString& patientId) = 0;
    // Of the chosen issue; 0 and "" after a cancel.
    virtual double IssuedQuantity() const = 0;
    virtual QString Chargeslip() const = 0;
};

} // namespace qx::IssueLedger
