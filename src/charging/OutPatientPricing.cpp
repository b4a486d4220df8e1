#include "charging/OutPatientPricing.h"

#include "charging/PriceLookups.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "components/Locations.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/PatientChecks.h"
#include "shell/Switches.h"

namespace qx {

namespace {
constexpr double kVATFactor = 1.12;
constexpr ColorValue kFixedChargeBack = 0xC0FFC0;
constexpr ColorValue kMDRPBack = 0xFF80FF;

double lessDiscount(double price, double percent) { return price - price * percent / 100; }
QString plain(double value) { return Text(value); }
} // namespace

bool isForOutPrice(Connection& con, const QString& accountNum) {
    const Recordset rs = con.query(
        QStringLiteral("SELECT COALESCE(OutPrice, 0) AS OutPrice FROM build_file.tbCoCompany WHERE AccountNum = ?"),
        {accountNum});
    return !rs.isEmpty() && CBool(rs.value(QStringLiteral("OutPrice")));
}

double AmountLessDiscount(double amount, double percent) { return Round(amount - amount * percent / 100, 4); }

OutPatientPricedItem pricedItemOf(const QString& code, const DrugCatalog::InventRecord& invent) {
    return {.code = code,
            .sellingPriceOut = invent.SellingPriceOut,
            .sellingPriceIn = invent.SellingPriceIn,
            .rateA = invent.RateA,
            .rateB = invent.RateB,
            .markupIn = invent.MarkupIn};
}

OutPatientUnitPrice ComputeOutPatientUnitPrice(Connection& con, const OutPatientPricedItem& item,
                                               const OutPatientPriceContext& ctx, OutPatientPriceTable table) {
    const double d = ctx.discountPercent;
    const QString spoLess = plain(lessDiscount(item.sellingPriceOut, d));
    const QString spiLess = plain(lessDiscount(item.sellingPriceIn, d));
    const auto same = [](const QString& price) { return OutPatientUnitPrice{price, price}; };
    const bool substitute = table == OutPatientPriceTable::Substitute;

    if (gOPDPrice && ctx.seniorMarkerShown)
        return same(Format(lessDiscount(item.sellingPriceOut, d) / kVATFactor, QStringLiteral("######0.00")));
    if (gOPDPrice)
        return same(spoLess);
    if (isForOutPrice(con, ctx.accountBoxText))
        return same(spoLess);
    if (ctx.gsisMember)
        return {plain(GetGSISAmount(con, item.code, ctx.locationId)), std::nullopt};

    // Sponsorship, HMO and VA prices are always those of the main pharmacy.
    const auto sponsorship = [&]() -> QString {
        if (IsVelmiraPatient(con, ctx.patientBoxText))
            return plain(lessDiscount(GetVelmiraPrice(con, item.code, kMainPharmacyLocation), d));
        return spoLess;
    };
    if (substitute && gVelmira)
        return {sponsorship(), std::nullopt};
    if (gMarkUpGroup)
        return {Format(item.rateA + item.rateA * item.markupIn / 100, QStringLiteral("#######0.00")), spiLess};
    if (ctx.siteCode == QLatin1String("FLQC") && !IsCompanyBlank(con, ctx.visitId, ctx.siteCode))
        return {plain(lessDiscount(item.rateB, d)), spiLess};
    if (!substitute && gVelmira)
        return {sponsorship(), spiLess};
    if (ctx.seniorMarkerShown)
        return {Format(lessDiscount(item.sellingPriceIn, d) / kVATFactor, QStringLiteral("########0.00")), spiLess};
    if (substitute) {
        if (ctx.siteCode == QLatin1String("OXBEN") && GetOPDCompanyClass(con, ctx.visitId) == QLatin1String("I"))
            return {spiLess, spiLess};
        return {spoLess, spiLess};
    }
    QString unit = spoLess;
    if ((ctx.siteCode == QLatin1String("OXBEN") && GetOPDCompanyClass(con, ctx.visitId) == QLatin1String("I")) ||
        (ctx.siteCode == QLatin1String("BELQ") && !GetOPDCompanyClass(con, ctx.visitId).isEmpty()))
        unit = plain(AmountLessDiscount(item.sellingPriceIn, d));
    return {unit, spiLess};
}

OutPatientLinePrice PriceOutPatientLine(Connection& con, const OutPatientPricedItem& item,
                                        const OutPatientPriceContext& ctx, double quantity) {
    const OutPatientUnitPrice rule = ComputeOutPatientUnitPrice(con, item, ctx);
    OutPatientLinePrice line;
    line.unitPrice = rule.unitPrice;
    line.listPrice = rule.listPrice;
    const QString code = Trim(item.code);
    line.gsisAmount = plain(GetGSISAmount(con, item.code, ctx.locationId));
    line.fixedCharge = plain(GetFixedCharge(con, code, ctx.locationId));
    const double fixedCharge = Val(line.fixedCharge);
    line.codeBackColor = fixedCharge != 0 ? kFixedChargeBack : colors::InfoBackground;
    line.amount = Format(Val(line.unitPrice) * quantity, QStringLiteral("###0.00"));
    const QString hmoClass = GetHMOClass(con, ctx.visitId);
    if (ctx.siteCode == QLatin1String("FENT") && (hmoClass == QLatin1String("HMO") || IsERPatient(con, ctx.visitId))) {
        line.amount = Format(item.sellingPriceIn * quantity, QStringLiteral("######0.00"));
        line.unitPrice = plain(item.sellingPriceIn);
    }
    if (fixedCharge != 0)
        line.amount = Format(fixedCharge * quantity, QStringLiteral("###0.00"));
    if (gInvSwitchVATExemptItems && IsItemVATExempt(con, item.code))
        line.amount = Format(Val(line.unitPrice) * quantity / kVATFactor, QStringLiteral("###0.00"));
    if (gInvSwitchHMOMarkupPrice && hmoClass == QLatin1String("HMO")) {
        const double hmo = GetHMOPrice(con, item.code, ctx.visitId, kMainPharmacyLocation);
        line.amount = Format(hmo * quantity, QStringLiteral("######0.00"));
        line.unitPrice = Format(hmo, QStringLiteral("######0.00"));
    }
    if (gInvSwitchVAPrice && IsVAPatient(con, ctx.visitId)) {
        const double va = GetVAPrice(con, ctx.visitId, item.code, kMainPharmacyLocation);
        line.amount = Format(va * quantity, QStringLiteral("######0.00"));
        line.unitPrice = Format(va, QStringLiteral("######0.00"));
    }
    if (GetMDRPFlag(con, item.code) == 1) {
        line.unitPrice = plain(GetMDRPDrugPrice(con, item.code));
        line.codeBackColor = kMDRPBack;
        line.amount = Format(Val(line.unitPrice) * quantity, QStringLiteral("######0.00"));
    }
    return line;
}

QString RepriceOutPatientAmount(Connection& con, const QString& itemCode, double unitPrice, double fixedCharge,
                                const QString& visitId, double quantity) {
    QString amount = Format(unitPrice * quantity, QStringLiteral("###0.00"));
    if (fixedCharge != 0)
        amount = Format(fixedCharge * quantity, QStringLiteral("###0.00"));
    if (gInvSwitchVATExemptItems && IsItemVATExempt(con, itemCode))
        amount = Format(unitPrice * quantity / kVATFactor, QStringLiteral("###0.00"));
    // The item goes to the HMO and VA look-ups as its code text.
    const QString code = Trim(itemCode);
    if (gInvSwitchHMOMarkupPrice && GetHMOClass(con, visitId) == QLatin1String("HMO"))
        amount = Format(GetHMOPrice(con, code, visitId, kMainPharmacyLocation) * quantity, QStringLiteral("######.00"));
    if (gInvSwitchVAPrice && IsVAPatient(con, visitId))
        amount = Format(GetVAPrice(con, visitId, code, kMainPharmacyLocation) * quantity, QStringLiteral("######.00"));
    return amount;
}

} // namespace qx
