#pragma once
#include "components/DrugCatalog.h"
#include "suite/ConnectedComponent.h"
#include "suite/DrugCatalogDrug.h"

namespace qx::suite {

// ProgID DrugCatalog.Drug: works on the login component's connection, so its writes join the
// caller's save.
class DrugCatalogComponent : public DrugCatalog::Component, private ConnectedComponent {
public:
    explicit DrugCatalogComponent(ConnectionProvider provider)
        : ConnectedComponent(QStringLiteral("DrugCatalog.Drug"), std::move(provider)),
          drug_([this](const char* member) -> Connection& { return db(member); }) {}
    bool InitConnect(const QString& connStr) override { return bindConnection(connStr); }
    DrugCatalog::Drug& Drug() override { return drug_; }

private:
    DrugCatalogDrug drug_;
};

} // namespace qx::suite
