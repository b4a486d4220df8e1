#pragma once
#include "components/DoseForms.h"
#include "suite/ConnectedComponent.h"

namespace qx::suite {

// Dosages from build_file.tbCoDosage.
class DoseFormsDosage : public DoseForms::Dosage, private ConnectedComponent {
public:
    explicit DoseFormsDosage(ConnectionProvider provider);
    bool InitConnection(const QString& connectionString) override { return bindConnection(connectionString); }
    bool GetInfo(const QString& code) override;
    QString DosageID() const override { return dosageId_; }
    double Frequency() const override { return frequency_; }

private:
    QString dosageId_;
    double frequency_ = 0;
};

} // namespace qx::suite
