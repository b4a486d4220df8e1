#pragma once
#include "components/Clinicians.h"
#include "suite/ConnectedComponent.h"

namespace qx::suite {

class CliniciansDoctorList : public Clinicians::DoctorList, private ConnectedComponent {
public:
    explicit CliniciansDoctorList(ConnectionProvider provider);
    bool InitConnection(const QString& connectionString) override { return bindConnection(connectionString); }
    QString ShowList(const QString& text = QString()) override;
};

} // namespace qx::suite
