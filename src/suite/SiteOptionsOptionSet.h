#pragma once
#include "components/SiteOptions.h"
#include "suite/ConnectedComponent.h"

namespace qx::suite {

// The pharmacy options, kept in the one row of tbPharmaOptions.
class SiteOptionsOptionSet : public SiteOptions::OptionSet, private ConnectedComponent {
public:
    explicit SiteOptionsOptionSet(ConnectionProvider provider);
    bool InitConnection(const QString& connectionString) override { return bindConnection(connectionString); }
    void GetOptions() override;
    qint16 CommunicationTimer() const override { return communicationTimer_; }
    qint16 SeniorCitizenDiscount() const override { return seniorDiscount_; }
    void UpdateOptions(qint16 refreshRate, qint16 seniorDiscount) override;

private:
    qint16 communicationTimer_ = 0;
    qint16 seniorDiscount_ = 0;
};

} // namespace qx::suite
