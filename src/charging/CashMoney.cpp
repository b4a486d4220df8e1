#include "charging/CashMoney.h"

#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/Switches.h"

namespace qx {

bool CashierVATDeductionInForce() { return gPharmaSwitches.ActivateCashierRegularVATDeduction(gSiteCode); }

double Round2(double value) { return Round(value, CashierVATDeductionInForce() ? 5 : 2); }

double SurchargeAmount(double itemsPrice, double percent) { return Round(itemsPrice * (percent / 100), 2); }

double RoundPrice(double price, double step) {
    const qint64 cents = qRound64(price * 100);
    const qint64 stepCents = qRound64(step * 100);
    const qint64 fraction = cents % 100;
    if (fraction == 0 || stepCents <= 0)
        return price;
    const qint64 up = (fraction + stepCents - 1) / stepCents * stepCents;
    return double(cents - fraction + up) / 100;
}

QString FormatNumber2(double value) {
    if (CashierVATDeductionInForce())
        return Text(value);
    return Format(Round(value, 2), QStringLiteral("0.00"));
}

QString FormatRegionalNumber(double value) { return Format(value, QStringLiteral("#,##0.00")); }

double ToCurrency(double value) { return Round(value, 4); }

double Discounted(double amount, double rate) { return amount - amount * (rate / 100); }

QString FormatSaleAmount(double value) { return Format(value, QStringLiteral("#########0.00")); }

QString FormatSaleTotal(double value) { return Format(value, QStringLiteral("##,###,##0.00")); }

double TypeDiscount(double amount, bool typeA, double rateA, double rateB1, double rateB2) {
    if (typeA)
        return amount * rateA / 100;
    const double first = amount * rateB1 / 100;
    return first + (amount - first) * rateB2 / 100;
}

double AtCostDiscount(double amount, double cost) { return amount > cost ? ToCurrency(amount - cost) : 0; }

CashLineSplit SplitCashLine(const CashLine& line, const CashDiscountPass& pass) {
    CashLineSplit s;
    const double cost = ToCurrency(line.unitCost * line.quantity);
    const auto discountOf = [&](double amount) { return pass.discountOf ? pass.discountOf(amount, cost) : 0.0; };
    s.taxable = Round2(line.gross);
    if (pass.vatDeduction || pass.vatExemptClass) {
        if (line.vatExemptItem) {
            s.vat = 0;
        } else {
            s.taxable = Round2(line.gross / pass.vatDivisor);
            s.vat = Round2(line.gross - s.taxable);
            if (line.quantity != 0)
                s.vatExclusiveUnitPrice = ToCurrency(line.gross / line.quantity / pass.vatDivisor);
        }
        if (pass.vatExemptClass) {
            s.discount = line.seniorDiscounted ? Round2(s.taxable * 0.2) : 0;
            s.net = Round2(s.taxable - s.discount);
        } else {
            s.discount = Round2(discountOf(s.taxable));
            s.net = Round2(line.gross - s.discount);
        }
        return s;
    }
    if (pass.noDiscount) {
        s.net = Round2(line.gross);
        s.discount = 0;
    } else {
        s.discount = Round2(discountOf(line.gross));
        s.net = Round2(line.gross - s.discount);
    }
    return s;
}

} // namespace qx
