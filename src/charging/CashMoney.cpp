#include "charging/CashMoney.h"

#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/Switches.h"

namespace qx {

bool CashierVATDeductionInForce() { return gPharmaSwitches.ActivateCashierRegularVATDeduction(gSiteCode); }

double Round2(double value) { return Round(value, CashierVATDeductionInForce() ? 5 : 2); }

QString FormatNumber2(double value) {
    if (CashierVATDeductionInForce())
        return Text(value);
    return Format(Round(value, 2), QStringLiteral("0.00"));
}

QString FormatRegionalNumber(double value) { return Format(value, QStringLiteral("#,##0.00")); }

} // namespace qx
