#pragma once
#include "components/SlipBook.h"
#include "suite/ConnectedComponent.h"

namespace qx::suite {

// The charge slips under which a patient was issued medicines.
class SlipBookChargeSlipList : public SlipBook::ChargeSlipList, private ConnectedComponent {
public:
    explicit SlipBookChargeSlipList(ConnectionProvider provider);
    bool InitConnection(const QString& connectionString) override { return bindConnection(connectionString); }
    QString ShowList(const QString& patientId, const QString& patientName = QString()) override;
};

} // namespace qx::suite
