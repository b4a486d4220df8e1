#pragma once
#include <QString>

namespace qx {

class Connection;

// The hospital's settings, read once at start-up from the hospital-information tables and kept
// for the whole run. Before the loaders run, texts are empty, flags False and numbers 0.

// From patient_data.tbHospitalInfo (LoadHospitalInfo).
extern QString gHospitalName;
extern QString gHospitalAddress;
extern QString gSiteCode;             // compared case-sensitively with the fixed site codes
extern bool gExDiscCashSupply;
extern bool gAllowZeroOnHand;
extern bool gAllowPriceChange;
extern bool gCompanyMarkup;
extern bool gPharmaOptDiscountType;
extern bool gValidateCardNumber;
extern bool gMarkUpGroup;
extern bool gEmpOutPrice;
extern bool gDrugListByGeneric;       // the drug picker lists by generic name
extern QString gECartLocationID;      // only with pharmacy switch "1" on

// From tbHospitalInfo of the default database (LoadHospitalSettings).
extern bool gSocializePricing;
extern bool gOPDPrice;
extern qint16 gMaximumReceiptEntry;
extern bool gEmpCreditLimit;
extern bool gVATExempt;
extern bool gShowColorAntibioticClass;
extern bool gPreNumberAssessment;
extern bool gPresetDiscPercent;
extern qint16 gDefaultDiscount;
extern bool gExcludeNonSenior;
extern bool gSeparateER;
extern bool gPharmaPackageRequest;
extern bool gVelmira;
extern bool gEmployeeDiscountPH;
extern bool gHasValidation;
extern bool gCheckBarCode;
extern bool gHMOMarkup;
extern bool gAutoDetectShift;

// From tbPharmaDiscountType (LoadDiscountTypes).
extern double gDiscountSeniorCitizen;
extern double gDiscountCash;
extern double gDiscountEmployee;
extern double gDiscountVAT;

// Takes the first hospital-information row of the patient-data database; False (settings left
// as they were) when the table is empty. Errors reach the caller.
bool LoadHospitalInfo(Connection& con);
bool LoadHospitalInfo();
// Takes the first row of the default database's hospital-information table, Null columns by
// their defaults. Any error (a missing column included) is shown and ends the program; returns
// False then, for a caller whose program end does not stop it.
bool LoadHospitalSettings(Connection& con);
bool LoadHospitalSettings();
// Takes the four discount percentages when the table has a row. Errors reach the caller.
void LoadDiscountTypes(Connection& con);
void LoadDiscountTypes();
// Whether the nursing setup says stations post supply returns themselves; asked afresh each time.
bool IsNoDirectReturnSupplies(Connection& con);
bool IsNoDirectReturnSupplies();

// Every setting back to its state before the loaders ran.
void resetHospitalSettings();

} // namespace qx
