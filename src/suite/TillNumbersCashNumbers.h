#pragma once
#include "components/Connection.h"
#include "components/TillNumbers.h"

namespace qx::suite {

// ProgID TillNumbers.CashNumbers over the one counter row of billing.tbCashNumbers. Inside a
// transaction GetNumbers locks that row until the transaction ends.
class TillNumbersCashNumbers : public TillNumbers::CashNumbers {
public:
    explicit TillNumbersCashNumbers(Connection& c) : c_(c) {}
    bool InitConnection(const QString& connStr) override { return c_.isOpen() && connStr == c_.connectionString(); }
    void GetNumbers() override;
    double CashNumber() const override { return cash_; }
    double DrugNumber() const override { return drug_; }
    double NonDrugNumber() const override { return nonDrug_; }
    void UpdateCashNumbers(int kind) override;
    void UpdateNumberGroup(const QString& slip, const QString& drugSequence, const QString& nonDrugSequence,
                           const QString& reportDate) override;

private:
    void ensureRow();
    Connection& c_;
    double cash_ = 0, drug_ = 0, nonDrug_ = 0;
};

} // namespace qx::suite
