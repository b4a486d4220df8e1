#pragma once
#include "components/TillNumbers.h"
#include "suite/ConnectedComponent.h"

namespace qx::suite {

// ProgID TillNumbers.CashNumbers over the one counter row of billing.tbCashNumbers. Inside a
// transaction GetNumbers locks that row until the transaction ends.
class TillNumbersCashNumbers : public TillNumbers::CashNumbers, private ConnectedComponent {
public:
    explicit TillNumbersCashNumbers(ConnectionProvider provider)
        : ConnectedComponent(QStringLiteral("TillNumbers.CashNumbers"), std::move(provider)) {}
    bool InitConnection(const QString& connStr) override { return bindConnection(connStr); }
    void GetNumbers() override;
    double CashNumber() const override { return cash_; }
    double DrugNumber() const override { return drug_; }
    double NonDrugNumber() const override { return nonDrug_; }
    void UpdateCashNumbers(int kind) override;
    void UpdateNumberGroup(const QString& slip, const QString& drugSequence, const QString& nonDrugSequence,
                           const QString& reportDate) override;

private:
    static void ensureRow(Connection& c);
    double cash_ = 0, drug_ = 0, nonDrug_ = 0;
};

} // namespace qx::suite
