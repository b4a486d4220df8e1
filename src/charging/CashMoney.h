#pragma once
#include <QString>

namespace qx {

// The money rules of the cash side, in one place so that no cash screen rounds on its own.

// Whether the cashier's regular VAT deduction holds for this site; asked afresh at every call, as
// the site code or the billing flag may change between calls.
bool CashierVATDeductionInForce();
// Amounts to 5 decimals while the cashier's VAT deduction holds, else to 2; halves to even.
double Round2(double value);
// While the deduction holds, the value's general text, unrounded ("12.5"); else the value rounded
// to 2 decimals, halves to even, written "0.00" ("12.50").
QString FormatNumber2(double value);
// A number with the regional defaults: two decimals, digit grouping ("1,200.00").
QString FormatRegionalNumber(double value);

} // namespace qx
