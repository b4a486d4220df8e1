#pragma once
#include <QString>

namespace qx::DoseForms {

// The dosage look-up: GetInfo selects a dosage by code.
class Dosage {
public:
    virtual ~Dosage() = default;
    virtual bool InitConnection(const QString& connectionString) = 0;
    // True when the code (trimmed, any letter case) exists; it then becomes the current dosage.
    virtual bool GetInfo(const QString& code) = 0;
    virtual QString DosageID() const = 0;
    // Doses per day: callers write it into quantity columns.
    virtual double Frequency() const = 0;
};

class DosageList {
public:
    virtual ~DosageList() = default;
    virtual bool InitConnection(const QString& connectionString) = 0;
    // The chosen dosage code, "" when cancelled.
    virtual QString ShowList() = 0;
};

} // namespace qx::DoseForms
