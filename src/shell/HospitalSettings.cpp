#include "shell/HospitalSettings.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/Values.h"
#include "shell/Session.h"
#include "shell/Switches.h"

namespace qx {

QString gHospitalName;
QString gHospitalAddress;
QString gSiteCode;
bool gExDiscCashSupply = false;
bool gAllowZeroOnHand = false;
bool gAllowPriceChange = false;
bool gCompanyMarkup = false;
bool gPharmaOptDiscountType = false;
bool gValidateCardNumber = false;
bool gMarkUpGroup = false;
bool gEmpOutPrice = false;
bool gDrugListByGeneric = false;
QString gECartLocationID;

bool gSocializePricing = false;
bool gOPDPrice = false;
qint16 gMaximumReceiptEntry = 0;
bool gEmpCreditLimit = false;
bool gVATExempt = false;
bool gShowColorAntibioticClass = false;
bool gPreNumberAssessment = false;
bool gPresetDiscPercent = false;
qint16 gDefaultDiscount = 0;
bool gExcludeNonSenior = false;
bool gSeparateER = false;
bool gPharmaPackageRequest = false;
bool gVelmira = false;
bool gEmployeeDiscountPH = false;
bool gHasValidation = false;
bool gCheckBarCode = false;
bool gHMOMarkup = false;
bool gAutoDetectShift = false;

double gDiscountSeniorCitizen = 0;
double gDiscountCash = 0;
double gDiscountEmployee = 0;
double gDiscountVAT = 0;

namespace {

// The first row by insertion order stands for "the first row the server returns", so that two
// rows always give the same settings.
const QString kHospitalInfoSql = QStringLiteral(
    "SELECT ByGeneric AS ByGeneric, Company AS Company, Address1 AS Address, "
    "COALESCE(ClientName, '') AS ClientName, "
    "COALESCE(ExDiscCashSupply, 0) AS ExDiscCashSupply, COALESCE(AllowZeroOnHand, 0) AS AllowZeroOnHand, "
    "COALESCE(AllowPriceChange, 0) AS AllowPriceChange, "
    "COALESCE(CompanyMarkup, 0) AS CompanyMarkup, COALESCE(isPharmaOptDiscountType, 0) AS isPharmaOptDiscountType, "
    "COALESCE(isValidateCardNumber, 0) AS isValidateCardNumber, "
    "COALESCE(isMarkUpGroup, 0) AS isMarkUpGroup, COALESCE(isEmpOutPrice, 0) AS isEmpOutPrice, "
    "COALESCE(PHECartLocID, '20') AS PHECartLocID "
    "FROM patient_data.tbHospitalInfo ORDER BY id LIMIT 1");

const QString kHospitalSettingsSql = QStringLiteral("SELECT * FROM tbHospitalInfo ORDER BY id LIMIT 1");

const QString kDiscountTypesSql = QStringLiteral(
    "SELECT COALESCE(SeniorCitizen, 0) AS SeniorCitizen, COALESCE(Cash, 0) AS Cash, "
    "COALESCE(Employee, 0) AS Employee, COALESCE(VAT, 0) AS VAT FROM tbPharmaDiscountType ORDER BY id LIMIT 1");

bool flagOr(const Recordset& rs, const QString& column, bool whenNull) {
    const QVariant v = rs.value(column);
    return IsNull(v) ? whenNull : CBool(v);
}

qint16 integerOr(const Recordset& rs, const QString& column, qint16 whenNull) {
    const QVariant v = rs.value(column);
    return IsNull(v) ? whenNull : CInt(v);
}

} // namespace

bool LoadHospitalInfo(Connection& con) {
    const Recordset rs = con.query(kHospitalInfoSql);
    if (rs.eof())
        return false;
    gDrugListByGeneric = CBool(rs.value(QStringLiteral("ByGeneric")));
    gHospitalName = rs.text(QStringLiteral("Company"));
    gHospitalAddress = rs.text(QStringLiteral("Address"));
    gSiteCode = rs.text(QStringLiteral("ClientName"));
    gExDiscCashSupply = CBool(rs.value(QStringLiteral("ExDiscCashSupply")));
    gAllowZeroOnHand = CBool(rs.value(QStringLiteral("AllowZeroOnHand")));
    gAllowPriceChange = CBool(rs.value(QStringLiteral("AllowPriceChange")));
    gCompanyMarkup = CBool(rs.value(QStringLiteral("CompanyMarkup")));
    gPharmaOptDiscountType = CBool(rs.value(QStringLiteral("isPharmaOptDiscountType")));
    gValidateCardNumber = CBool(rs.value(QStringLiteral("isValidateCardNumber")));
    gMarkUpGroup = CBool(rs.value(QStringLiteral("isMarkUpGroup")));
    gEmpOutPrice = CBool(rs.value(QStringLiteral("isEmpOutPrice")));
    if (GetPharmaSwitch(con, QStringLiteral("1")))
        gECartLocationID = rs.text(QStringLiteral("PHECartLocID"));
    return true;
}

bool LoadHospitalInfo() { return LoadHospitalInfo(SQLConnection()); }

bool LoadHospitalSettings(Connection& con) {
    try {
        const Recordset rs = con.query(kHospitalSettingsSql);
        if (rs.eof())
            return true;
        gSocializePricing = flagOr(rs, QStringLiteral("isSocializePricing"), false);
        gOPDPrice = flagOr(rs, QStringLiteral("isOPDPrice"), false);
        gMaximumReceiptEntry = integerOr(rs, QStringLiteral("MaximumReceiptEntry"), 20);
        gEmpCreditLimit = flagOr(rs, QStringLiteral("isEmpCreditLimit"), false);
        gVATExempt = flagOr(rs, QStringLiteral("isVATExempt"), false);
        gShowColorAntibioticClass = flagOr(rs, QStringLiteral("ShowColorAntibioticClass"), false);
        gPreNumberAssessment = flagOr(rs, QStringLiteral("PreNumberAssessment"), false);
        gPresetDiscPercent = flagOr(rs, QStringLiteral("PresetDiscPercent"), false);
        gDefaultDiscount = integerOr(rs, QStringLiteral("DefaultDiscount"), 1);
        gExcludeNonSenior = flagOr(rs, QStringLiteral("ExcludeNonSenior"), false);
        gSeparateER = flagOr(rs, QStringLiteral("isSeparateER"), false);
        gPharmaPackageRequest = flagOr(rs, QStringLiteral("IsPharmaPackageRequest"), false);
        gVelmira = flagOr(rs, QStringLiteral("isvelmira"), false);
        gEmployeeDiscountPH = flagOr(rs, QStringLiteral("IsEmployeeDiscountPH"), false);
        gHasValidation = flagOr(rs, QStringLiteral("IsHasValidation"), false);
        gCheckBarCode = flagOr(rs, QStringLiteral("IsCheckBarCode"), false);
        gHMOMarkup = flagOr(rs, QStringLiteral("IsHasHMOMarkup"), false);
        gAutoDetectShift = flagOr(rs, QStringLiteral("IsHasAutoDetectShift"), false);
        return true;
    } catch (...) {
        MsgBox(currentError().description(), vbOKOnly, kProductTitle);
        EndProgram();
        return false;
    }
}

bool LoadHospitalSettings() { return LoadHospitalSettings(SQLConnection()); }

void LoadDiscountTypes(Connection& con) {
    const Recordset rs = con.query(kDiscountTypesSql);
    if (rs.eof())
        return;
    gDiscountSeniorCitizen = CDbl(rs.value(QStringLiteral("SeniorCitizen")));
    gDiscountCash = CDbl(rs.value(QStringLiteral("Cash")));
    gDiscountEmployee = CDbl(rs.value(QStringLiteral("Employee")));
    gDiscountVAT = CDbl(rs.value(QStringLiteral("VAT")));
}

void LoadDiscountTypes() { LoadDiscountTypes(SQLConnection()); }

bool IsNoDirectReturnSupplies(Connection& con) {
    return !con.query(QStringLiteral("SELECT * FROM station.tbNurseSetup WHERE FIELD = ? AND Value = ?"),
                      {QStringLiteral("NoDirectReturnSupplies"), QStringLiteral("1")})
                .isEmpty();
}

bool IsNoDirectReturnSupplies() { return IsNoDirectReturnSupplies(SQLConnection()); }

void resetHospitalSettings() {
    gHospitalName.clear();
    gHospitalAddress.clear();
    gSiteCode.clear();
    gExDiscCashSupply = gAllowZeroOnHand = gAllowPriceChange = gCompanyMarkup = false;
    gPharmaOptDiscountType = gValidateCardNumber = gMarkUpGroup = gEmpOutPrice = false;
    gDrugListByGeneric = false;
    gECartLocationID.clear();
    gSocializePricing = gOPDPrice = gEmpCreditLimit = gVATExempt = false;
    gShowColorAntibioticClass = gPreNumberAssessment = gPresetDiscPercent = gExcludeNonSenior = false;
    gSeparateER = gPharmaPackageRequest = gVelmira = gEmployeeDiscountPH = false;
    gHasValidation = gCheckBarCode = gHMOMarkup = gAutoDetectShift = false;
    gMaximumReceiptEntry = 0;
    gDefaultDiscount = 0;
    gDiscountSeniorCitizen = gDiscountCash = gDiscountEmployee = gDiscountVAT = 0;
}

} // namespace qx
