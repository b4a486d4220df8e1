#pragma once
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "suite/DrugCatalogChargeslip.h"
#include "suite/DrugCatalogGeneric.h"
#include "suite/DrugCatalogStockCard.h"

namespace qx::suite {

// The Drug object of the drug component: the current item found by SearchDrug, its record at
// the searched location, the document counters, stock-card posting and the patient lists.
class DrugCatalogDrug : public DrugCatalog::Drug {
public:
    explicit DrugCatalogDrug(DrugConnection c) : c_(std::move(c)), generic_(c_), chargeslip_(c_) {}

    // A search without a location looks at the main pharmacy.
    static QString defaultLocation() { return QStringLiteral("20"); }

    bool SearchDrug(const QString& code, const std::optional<QString>& location = std::nullopt,
                    const std::optional<QString>& patientKey = std::nullopt) override;
    QString DrugCode() const override { return item_.code; }
    QString DrugName() const override { return item_.name; }
    QString Description() const override { return item_.description; }
    QString GenericName() const override { return item_.genericName; }
    int Status() const override { return item_.status; }
    bool Unrestricted() const override { return item_.unrestricted; }
    QVariant OralOrInjectible() const override { return item_.oralOrInjectible; }
    bool SeniorCitizenDiscounted() const override { return item_.seniorDiscounted; }
    double ListCost() const override { return item_.listCost; }
    const DrugCatalog::InventRecord& Invent() const override { return item_.invent; }
    const DrugCatalog::SupplierRecord& Supplier() const override { return item_.supplier; }
    DrugCatalog::GenericLookup& Generic() override { return generic_; }
    DrugCatalog::ChargeslipNumbers& Chargeslip() override { return chargeslip_; }

    void AppendStockCard(const DrugCatalog::StockCardArgs& args) override;
    void AppendStockCards(const QVector<DrugCatalog::StockCardArgs>& lines) override;

    Recordset ListPendingRequests(const QString& patientId, const QString& requestedStationId,
                                  const std::optional<QString>& inOut = std::nullopt) override;
    void RevokePendingRequest(const QString& requestNumber, const QString& employeeCode) override;
    Recordset ListUnitDose(const QString& patientId) override;
    Recordset ListProfile(const QString& patientKey, const QString& itemCode) override;
    Recordset ListProfileGeneric(const QString& patientKey, double genericId) override;
    Recordset ListPostedDrugs(const QString& patientId, int mode) override;
    double QuantityIssued(const QString& patientId, const QString& itemCode) override;

private:
    struct Item {
        QString code, name, description, genericName;
        int status = 0;
        bool unrestricted = false, seniorDiscounted = false;
        QVariant oralOrInjectible;
        double listCost = 0;
        DrugCatalog::InventRecord invent;
        DrugCatalog::SupplierRecord supplier;
    };
    Recordset profile(const QString& patientKey, const QString& itemFilter, const QVariant& filterValue,
                      bool withName);
    QString frequencyExpression();

    DrugConnection c_;
    DrugCatalogGeneric generic_;
    DrugCatalogChargeslip chargeslip_;
    Item item_;
    std::optional<bool> hasDosageTable_;
};

} // namespace qx::suite
