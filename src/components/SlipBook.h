#pragma once
#include <QString>

namespace qx::SlipBook {

class ChargeSlipList {
public:
    virtual ~ChargeSlipList() = default;
    virtual bool InitConnection(const QString& connectionString) = 0;
    // The chosen charge slip of the patient, "" when cancelled.
    virtual QString ShowList(const QString& patientId, const QString& patientName = QString()) = 0;
};

} // namespace qx::SlipBook
