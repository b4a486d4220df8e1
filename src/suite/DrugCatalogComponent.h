#pragma once
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "suite/DrugCatalogDrug.h"

namespace qx::suite {

// ProgID DrugCatalog.Drug: works on the login component's connection, so its writes join the
// caller's save.
class DrugCatalogComponent : public DrugCatalog::Component {
public:
    explicit DrugCatalogComponent(Connection& c) : c_(c), drug_(c) {}
    bool InitConnect(const QString& connStr) override {
        return c_.isOpen() && connStr == c_.connectionString();
    }
    DrugCatalog::Drug& Drug() override { return drug_; }

private:
    Connection& c_;
    DrugCatalogDrug drug_;
};

} // namespace qx::suite
