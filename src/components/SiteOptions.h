#pragma once
#include <QString>

namespace qx::SiteOptions {

// The pharmacy's two stored options.
class OptionSet {
public:
    virtual ~OptionSet() = default;
    virtual bool InitConnection(const QString& connectionString) = 0;
    // Loads the stored values.
    virtual void GetOptions() = 0;
    virtual qint16 CommunicationTimer() const = 0;
    virtual qint16 SeniorCitizenDiscount() const = 0;
    // Stores both, as given (no range checks).
    virtual void UpdateOptions(qint16 refreshRate, qint16 seniorDiscount) = 0;
};

} // namespace qx::SiteOptions
