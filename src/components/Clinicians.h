#pragma once
#include <QString>

namespace qx::Clinicians {

class Doctor {
public:
    virtual ~Doctor() = default;
    virtual bool InitConnection(const QString& connectionString) = 0;
    // True when the code (trimmed, any letter case) is a doctor's; it then becomes current.
    virtual bool Search(const QString& code) = 0;
    virtual QString DoctorCode() const = 0;
    virtual QString DoctorName() const = 0;
};

class DoctorList {
public:
    virtual ~DoctorList() = default;
    virtual bool InitConnection(const QString& connectionString) = 0;
    // The chosen doctor code, "" when cancelled.
    virtual QString ShowList(const QString& text = QString()) = 0;
};

} // namespace qx::Clinicians
