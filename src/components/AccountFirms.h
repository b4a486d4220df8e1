#pragma once
#include <QString>
#include <optional>

namespace qx::AccountFirms {

// Account kinds: "Y" ordinary accounts, "FB" fringe-benefit accounts; none = any account.
class Firm {
public:
    virtual ~Firm() = default;
    virtual bool InitConnection(const QString& connectionString) = 0;
    // True when an account of the kind has the code; it then becomes current.
    virtual bool Search(const QString& code, const std::optional<QString>& kind = std::nullopt) = 0;
    virtual QString CompanyCode() const = 0;
    virtual QString CompanyName() const = 0;
    virtual QString DateEmployed() const = 0;
};

class FirmList {
public:
    virtual ~FirmList() = default;
    virtual bool InitConnection(const QString& connectionString) = 0;
    // The chosen account code, "" when cancelled.
    virtual QString ShowList(const QString& text = QString(),
                             const std::optional<QString>& kind = std::nullopt) = 0;
};

} // namespace qx::AccountFirms
