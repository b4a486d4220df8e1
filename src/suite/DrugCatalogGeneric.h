#pragma once
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "suite/DrugCatalogConnection.h"

namespace qx::suite {

// Generic look-up by id; the id arrives as a number (Val of a code cell).
class DrugCatalogGeneric : public DrugCatalog::GenericLookup {
public:
    explicit DrugCatalogGeneric(DrugConnection c) : c_(std::move(c)) {}
    bool Search(double genericId) override;
    QString GenericName() const override { return name_; }

    // The text form of a numeric generic id, as tbForGeneric keys it ("12", not "12.0").
    static QString idText(double genericId) { return QString::number(genericId, 'g', 15); }

private:
    DrugConnection c_;
    QString name_;
};

} // namespace qx::suite
