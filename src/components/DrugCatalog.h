#pragma once
#include "components/Recordset.h"

#include <QDate>
#include <QString>
#include <QVariant>
#include <array>
#include <optional>

namespace qx::DrugCatalog {

// Stock-and-price record of the current item at the location it was searched at.
struct InventRecord {
    double StockOnHand = 0, AverageCost = 0, SellingPriceIn = 0, SellingPriceOut = 0, RateA = 0, RateB = 0,
           MarkupIn = 0, MarkupOut = 0, MacDiscPercent = 0, MacDiscAmount = 0;
    QString Barcode;
    std::optional<QDate> MacExpiry;
};

struct SupplierRecord {
    QString SupplierName;
};

// Drug().Generic(): looks a generic up by its id, as callers pass it (Val of the code).
class GenericLookup {
public:
    virtual ~GenericLookup() = default;
    virtual bool Search(double genericId) = 0;
    virtual QString GenericName() const = 0;
};

// Drug().Chargeslip(): the document counters. Inside a transaction a Current* read holds the
// counter until that transaction ends, so Current followed by Update never gives a number
// that another workstation holds.
class ChargeslipNumbers {
public:
    virtual ~ChargeslipNumbers() = default;
    // Given a patient key, numbers are kept per patient (pharmacy switch 22).
    virtual QString CurrentDispensingChargeSlip(const std::optional<QString>& patientKey = std::nullopt) = 0;
    virtual void UpdateDispensingChargeSlip(const std::optional<QString>& patientKey = std::nullopt) = 0;
    virtual QString CurrentCreditMemo() = 0;
    virtual void UpdateCreditMemo() = 0;
    virtual QString CurrentAdjustmentSlip() = 0;
    virtual void UpdateAdjustmentSlip() = 0;
    // Claims for a save of patient `idNum`, on the caller's transaction, the first number at or
    // after the current one that no stock-card line carries and no other save holds, records it
    // as that save's and moves the counter past it.
    virtual QString ClaimDispensingChargeSlip(const std::optional<QString>& patientKey, const QString& idNum,
                                              const QString& claimedBy) = 0;
    virtual QString ClaimCreditMemo(const QString& idNum, const QString& claimedBy) = 0;
    virtual QString ClaimAdjustmentSlip(const QString& idNum, const QString& claimedBy) = 0;
};

// The positional values of AppendStockCard, 1-based as callers pass them; nullopt = omitted.
struct StockCardArgs {
    int count = 28;  // 24, 25, 28 or 31
    std::array<std::optional<QVariant>, 31> value;
    std::optional<QVariant>& operator[](int position) { return value.at(position - 1); }
    const std::optional<QVariant>& operator[](int position) const { return value.at(position - 1); }
};

class Drug {
public:
    virtual ~Drug() = default;
    // True makes the item (and its record at the location, "20" when none is given) current;
    // a miss clears the current item. The third positional argument of the original is always
    // omitted by callers and has no place here.
    virtual bool SearchDrug(const QString& code, const std::optional<QString>& location = std::nullopt,
                            const std::optional<QString>& patientKey = std::nullopt) = 0;
    virtual QString DrugCode() const = 0;
    virtual QString DrugName() const = 0;
    virtual QString Description() const = 0;
    virtual QString GenericName() const = 0;
    virtual int Status() const = 0;  // 1 inactive, 0 active
    virtual bool Unrestricted() const = 0;
    virtual QVariant OralOrInjectible() const = 0;  // text or null
    virtual bool SeniorCitizenDiscounted() const = 0;
    virtual double ListCost() const = 0;
    virtual const InventRecord& Invent() const = 0;
    virtual const SupplierRecord& Supplier() const = 0;
    virtual GenericLookup& Generic() = 0;
    virtual ChargeslipNumbers& Chargeslip() = 0;

    // Posts one stock-card line (and its print-staging row) on the caller's transaction.
    virtual void AppendStockCard(const StockCardArgs& args) = 0;
    // Posts the lines of one save in order, as AppendStockCard would one by one: all of them on
    // the caller's transaction, or none when any line fails.
    virtual void AppendStockCards(const QVector<StockCardArgs>& lines) = 0;

    virtual Recordset ListPendingRequests(const QString& patientId, const QString& requestedStationId,
                                          const std::optional<QString>& inOut = std::nullopt) = 0;
    virtual void RevokePendingRequest(const QString& requestNumber, const QString& employeeCode) = 0;
    virtual Recordset ListUnitDose(const QString& patientId) = 0;
    virtual Recordset ListProfile(const QString& patientKey, const QString& itemCode) = 0;
    virtual Recordset ListProfileGeneric(const QString& patientKey, double genericId) = 0;
    virtual Recordset ListPostedDrugs(const QString& patientId, int mode) = 0;
    // Issued minus returned quantity of the item for the patient; 0 = never issued.
    virtual double QuantityIssued(const QString& patientId, const QString& itemCode) = 0;
};

// ProgID DrugCatalog.Drug, slot gDrug; callers go through its Drug object.
class Component {
public:
    virtual ~Component() = default;
    virtual bool InitConnect(const QString& connStr) = 0;
    virtual DrugCatalog::Drug& Drug() = 0;
};

} // namespace qx::DrugCatalog
