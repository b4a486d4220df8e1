#pragma once
#include "components/DispenserRoll.h"
#include "suite/ConnectedComponent.h"

namespace qx::suite {

// The pharmacy's employees (department "15") of the password database.
class DispenserRollDispensers : public DispenserRoll::Dispensers, private ConnectedComponent {
public:
    explicit DispenserRollDispensers(ConnectionProvider provider);
    bool InitConnection(const QString& connectionString) override { return bindConnection(connectionString); }
    bool Search(const QString& code) override;
    QString Code() const override { return code_; }
    QString DispenserName() const override { return name_; }

private:
    QString code_, name_;
};

// The department whose employees dispense.
inline const QString kPharmacyDepartment = QStringLiteral("15");

} // namespace qx::suite
