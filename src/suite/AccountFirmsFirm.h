#pragma once
#include "components/AccountFirms.h"
#include "suite/ConnectedComponent.h"

namespace qx::suite {

// Charge accounts from build_file.tbCoCompany; "FB" finds fringe-benefit accounts only, "Y"
// ordinary ones, no kind either.
class AccountFirmsFirm : public AccountFirms::Firm, private ConnectedComponent {
public:
    explicit AccountFirmsFirm(ConnectionProvider provider);
    bool InitConnection(const QString& connectionString) override { return bindConnection(connectionString); }
    bool Search(const QString& code, const std::optional<QString>& kind = std::nullopt) override;
    QString CompanyCode() const override { return code_; }
    QString CompanyName() const override { return name_; }
    // The account holder's employment date, "MM/dd/yyyy"; empty when the account has none.
    QString DateEmployed() const override { return dateEmployed_; }

private:
    QString code_, name_, dateEmployed_;
};

// The SQL condition of an account kind on `alias` ("" when any account will do), and its bind.
QString accountKindCondition(const QString& alias, const std::optional<QString>& kind, QVariantList& binds);

} // namespace qx::suite
