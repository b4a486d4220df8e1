#pragma once
#include <QString>

namespace qx::TillNumbers {

// ProgID TillNumbers.CashNumbers, slot gCashNumbers: the cash receipt counters.
class CashNumbers {
public:
    virtual ~CashNumbers() = default;
    virtual bool InitConnection(const QString& connStr) = 0;
    // Reloads the three current numbers.
    virtual void GetNumbers() = 0;
    virtual double CashNumber() const = 0;
    virtual double DrugNumber() const = 0;
    virtual double NonDrugNumber() const = 0;
    // 1 drug group, 2 non-drug group, 4 drug group passed on to the non-drug number. After 1 or 2
    // and GetNumbers, CashNumber is a number never given before.
    virtual void UpdateCashNumbers(int kind) = 0;
    // Records the current group (receipt, "PH"+drug number, "SC"+non-drug number, report date).
    virtual void UpdateNumberGroup(const QString& slip, const QString& drugSequence, const QString& nonDrugSequence,
                                   const QString& reportDate) = 0;
};

} // namespace qx::TillNumbers
