#pragma once
#include "components/DoseForms.h"
#include "suite/ConnectedComponent.h"

namespace qx::suite {

class DoseFormsDosageList : public DoseForms::DosageList, private ConnectedComponent {
public:
    explicit DoseFormsDosageList(ConnectionProvider provider);
    bool InitConnection(const QString& connectionString) override { return bindConnection(connectionString); }
    QString ShowList() override;
};

} // namespace qx::suite
