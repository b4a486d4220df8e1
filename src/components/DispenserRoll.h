#pragma once
#include <QString>

namespace qx::DispenserRoll {

// The pharmacy's dispensers (employees of department "15").
class Dispensers {
public:
    virtual ~Dispensers() = default;
    virtual bool InitConnection(const QString& connectionString) = 0;
    virtual bool Search(const QString& code) = 0;
    virtual QString Code() const = 0;
    virtual QString DispenserName() const = 0;
};

class DispenserList {
public:
    virtual ~DispenserList() = default;
    virtual bool InitConnection(const QString& connectionString) = 0;
    // The chosen employee code, "" when cancelled.
    virtual QString ShowList(const QString& text = QString()) = 0;
};

} // namespace qx::DispenserRoll
