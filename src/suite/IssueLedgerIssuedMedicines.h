#pragma once
#include "components/IssueLedger.h"
#include "suite/ConnectedComponent.h"

namespace qx::suite {

// A patient's issues from the stock card, per item and charge slip, net of returns and
// corrections.
class IssueLedgerIssuedMedicines : public IssueLedger::IssuedMedicines, private ConnectedComponent {
public:
    explicit IssueLedgerIssuedMedicines(ConnectionProvider provider);
    bool InitConnection(const QString& connectionString) override { return bindConnection(connectionString); }
    QString ShowList(const QString& patientId, const QString& chargeSlip, const QString& patientName) override;
    QString ListIssuedbyDrugs(const QString& patientId) override;
    double IssuedQuantity() const override { return issued_; }
    QString Chargeslip() const override { return slip_; }

private:
    QString pick(const char* member, const QString& patientId, const std::optional<QString>& slip,
                 const QString& patientName);
    double issued_ = 0;
    QString slip_;
};

} // namespace qx::suite
