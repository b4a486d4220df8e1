#pragma once
#include <QString>
#include <functional>
#include <optional>

namespace qx {

// The money rules of the cash side, in one place so that no cash screen rounds on its own.

// Whether the cashier's regular VAT deduction holds for this site; asked afresh at every call, as
// the site code or the billing flag may change between calls.
bool CashierVATDeductionInForce();
// Amounts to 5 decimals while the cashier's VAT deduction holds, else to 2; halves to even.
double Round2(double value);
// A surcharge of `percent` on an items price, to the centavo (halves to even).
double SurchargeAmount(double itemsPrice, double percent);
// The price rounded up to the next multiple of `step` in its fraction (10.10 by 0.25 is 10.25,
// 10.80 is 11); a whole price stays. Worked in centavos.
double RoundPrice(double price, double step);
// While the deduction holds, the value's general text, unrounded ("12.5"); else the value rounded
// to 2 decimals, halves to even, written "0.00" ("12.50").
QString FormatNumber2(double value);
// A number with the regional defaults: two decimals, digit grouping ("1,200.00").
QString FormatRegionalNumber(double value);

// ---- The direct cash sale ----

// The amount less the rate in percent of it, not rounded.
double Discounted(double amount, double rate);
// A grid price or amount: "#########0.00".
QString FormatSaleAmount(double value);
// A total or a discount label: "##,###,##0.00".
QString FormatSaleTotal(double value);
// The discount type A (rateA) or, without it, type B: rateB1 of the amount, then rateB2 of what is
// left; not rounded.
double TypeDiscount(double amount, bool typeA, double rateA, double rateB1, double rateB2);

// A value as a currency amount: four decimals, halves to even.
double ToCurrency(double value);

// The discount of a class charged at cost: what the amount exceeds the cost by, else nothing.
double AtCostDiscount(double amount, double cost);

// What one discount pass over the lines knows of the customer's choice.
struct CashDiscountPass {
    bool vatDeduction = false;    // the cashier's VAT deduction holds
    bool vatExemptClass = false;  // senior citizen or person with disability
    bool noDiscount = false;      // "None" chosen
    double vatDivisor = 1.12;     // 1 when VAT-exempt items are not kept apart
    // The discount of an amount under a class that is not VAT-exempt, not rounded.
    std::function<double(double amount, double cost)> discountOf;
};

// One coded line as the pass reads it.
struct CashLine {
    double gross = 0;
    double unitCost = 0;
    double quantity = 0;
    bool vatExemptItem = false;
    bool seniorDiscounted = false;
};

struct CashLineSplit {
    double vat = 0;
    double taxable = 0;
    double discount = 0;
    double net = 0;
    // The VAT-exclusive unit price, when the pass takes the VAT out of the line.
    std::optional<double> vatExclusiveUnitPrice;
};

// VAT, taxable amount, discount and net amount of one line. A VAT-exempt class takes the VAT out
// and 20 % of the VAT-exclusive amount off senior-discounted items; under the cashier's VAT
// deduction another class is a discount on the VAT-exclusive amount taken from the gross.
CashLineSplit SplitCashLine(const CashLine& line, const CashDiscountPass& pass);

} // namespace qx
