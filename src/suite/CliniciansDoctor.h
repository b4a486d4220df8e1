#pragma once
#include "components/Clinicians.h"
#include "suite/ConnectedComponent.h"

namespace qx::suite {

// Doctors from build_file.tbCoDoctor.
class CliniciansDoctor : public Clinicians::Doctor, private ConnectedComponent {
public:
    explicit CliniciansDoctor(ConnectionProvider provider);
    bool InitConnection(const QString& connectionString) override { return bindConnection(connectionString); }
    bool Search(const QString& code) override;
    QString DoctorCode() const override { return code_; }
    QString DoctorName() const override { return name_; }

private:
    QString code_, name_;
};

} // namespace qx::suite
