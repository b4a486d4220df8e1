#include "mainwindow/MainMenuTable.h"

namespace qx {

namespace {

constexpr MenuRowKind kCmd = MenuRowKind::Command;
constexpr MenuRowKind kSub = MenuRowKind::Submenu;
constexpr MenuRowKind kSep = MenuRowKind::Separator;
constexpr MenuRowKind kNone = MenuRowKind::NoCommand;
constexpr unsigned kHid = kDesignHidden;
constexpr unsigned kOff = kDesignDisabled;
constexpr unsigned kChk = kDesignChecked;
constexpr QKeyCombination kNoKey{};
constexpr QKeyCombination ctrl(Qt::Key key) { return QKeyCombination(Qt::ControlModifier, key); }

const MainMenuRow kMenuRows[] = {
    // Menu bar
    {"mnuPostPrescriptions", "&Post Prescriptions", "", 0, kNoKey, kSub},
    {"mnuView", "&View", "", 0, kNoKey, kSub},
    {"mnuPrint", "&Print", "", kHid, kNoKey, kSub},
    {"mnuOthers", "&Others", "", 0, kNoKey, kSub},
    {"mnuReport", "&Reports", "", 0, kNoKey, kSub},
    {"mnuOptionsChange", "Option&s", "", 0, kNoKey, kSub},
    {"mnuPopUp", "PopUpMnu", "", kHid, kNoKey, kSub},
    {"mnuCheckPending", "Check Pending", "", kHid, kNoKey, kSub},
    {"mnuPopUp2", "PopUp2", "", 0, kNoKey, kSub},

    // Post Prescriptions
    {"mnuPending", "P&rocess Pending Requests", "mnuPostPrescriptions", 0, ctrl(Qt::Key_P), kCmd},
    {"mnuAutoDispense", "&Automatic Dispensing", "mnuPostPrescriptions", 0, ctrl(Qt::Key_A), kCmd},
    {"mnuProcessTranscription", "&Process Transcription Note", "mnuPostPrescriptions", kHid | kOff, kNoKey, kCmd},
    {"mnuAssessment", "Assessment Entry", "mnuPostPrescriptions", kHid, kNoKey, kCmd},
    {"mnuProcessAssessment", "Process Assessment", "mnuPostPrescriptions", kHid, kNoKey, kNone},
    {"mnuSep1", "-", "mnuPostPrescriptions", 0, kNoKey, kSep},
    {"mnuManualPosting", "&Manual Posting", "mnuPostPrescriptions", 0, kNoKey, kSub},
    {"mnuManualInPatient", "&In-Patient", "mnuManualPosting", 0, kNoKey, kCmd},
    {"mnuManualOutPatient", "&Out-Patient", "mnuManualPosting", 0, kNoKey, kCmd},
    {"mnuEmployeesMeds", "&Employee's Medicines", "mnuPostPrescriptions", 0, kNoKey, kCmd},
    {"mnuCompany", "Company Medicines", "mnuPostPrescriptions", 0, kNoKey, kSub},
    {"mnuCompanyMeds", "In-Patient", "mnuCompany", 0, kNoKey, kCmd},
    {"mnuCompanyOut", "Out-Patient", "mnuCompany", 0, kNoKey, kCmd},

    // View
    {"mnuSorted", "&Sorted", "mnuView", kChk, kNoKey, kCmd},
    {"mnuFIFO", "&FIFO", "mnuView", kChk, kNoKey, kCmd},
    {"mnuSep2", "-", "mnuView", 0, kNoKey, kSep},
    {"mnuRefresh", "&Refresh", "mnuView", 0, kNoKey, kCmd},

    // Print
    {"mnuPrintChargeSlip", "&Print Charge Slip", "mnuPrint", 0, kNoKey, kNone},
    {"mnuPrintCreditMemo", "Print &Credit Memo", "mnuPrint", 0, kNoKey, kNone},

    // Others
    {"mnuPostReturnedMedicines", "&Post Returned Medicines", "mnuOthers", 0, kNoKey, kSub},
    {"mnuPostInPatient", "&In-Patient", "mnuPostReturnedMedicines", 0, kNoKey, kCmd},
    {"mnuPostOutPatient", "&Out-Patient", "mnuPostReturnedMedicines", 0, kNoKey, kCmd},
    {"mnuCash", "Cash", "mnuPostReturnedMedicines", 0, kNoKey, kCmd},
    {"mnuCashReprint", "Reprint Credit Advise", "mnuPostReturnedMedicines", 0, kNoKey, kCmd},
    {"mnuAdjustment", "&Correction Entry", "mnuOthers", 0, kNoKey, kSub},
    {"mnuAdjustmentInPatient", "&In-Patient", "mnuAdjustment", 0, kNoKey, kCmd},
    {"mnuAdjustmentOutPatient", "&Out-Patient", "mnuAdjustment", 0, kNoKey, kCmd},
    {"mnuPCorrection", "&Patient To Patient Correction", "mnuOthers", kHid | kOff, kNoKey, kSub},
    {"mnuPCorrectionIP", "&In-Patient", "mnuPCorrection", 0, kNoKey, kNone},
    {"mnuPCorrectionOP", "&Out-Patient", "mnuPCorrection", 0, kNoKey, kNone},
    {"mnuCashAdjustment", "&Cash Adjustment", "mnuOthers", kHid | kOff, kNoKey, kCmd},
    {"mnuConfirmMeds", "Confirm Return Meds by station", "mnuOthers", 0, kNoKey, kCmd},
    {"mnuSI", "Sales Invoice", "mnuOthers", 0, kNoKey, kSub},
    {"mnuSICancellation", "Sales Invoice Cancellation", "mnuSI", 0, kNoKey, kCmd},
    {"mnuSep3", "-", "mnuOthers", 0, kNoKey, kSep},
    {"mnuPatientDrugProfile", "Patient &Drug Profile", "mnuOthers", kHid, kNoKey, kNone},
    {"mnuReprint", "Reprint Patient Barcode", "mnuOthers", 0, kNoKey, kCmd},
    {"mnuListOfMedicinesPosted", "&List of Medicines Posted", "mnuOthers", 0, kNoKey, kSub},
    {"mnuListInPatient", "&In-Patient", "mnuListOfMedicinesPosted", 0, kNoKey, kCmd},
    {"mnuListOutPatient", "&Out-Patient", "mnuListOfMedicinesPosted", 0, kNoKey, kCmd},
    {"mnuListPostedCash", "Cash", "mnuListOfMedicinesPosted", 0, kNoKey, kCmd},
    {"mnuDrugsInquiry", "&Drugs Inquiry", "mnuOthers", 0, kNoKey, kCmd},
    {"mnuSep13", "-", "mnuOthers", kHid, kNoKey, kSep},
    {"mnuVerification", "&Verification", "mnuOthers", 0, kNoKey, kCmd},
    {"mnuSep5", "-", "mnuOthers", kHid, kNoKey, kSep},
    {"mnuOptions", "&Options", "mnuOthers", kHid, kNoKey, kCmd},
    {"mnuCreditAdvise", "Credit Advise Reprinting", "mnuOthers", kHid, kNoKey, kNone},
    {"mnuSurcharge", "Surcharge", "mnuOthers", 0, kNoKey, kCmd},

    // Reports
    {"mnuStockCard", "Stock Card", "mnuReport", 0, kNoKey, kCmd},
    {"mnuAdmissionList", "&Admission List", "mnuReport", 0, kNoKey, kCmd},
    {"mnuAdmissionListDateRange", "&Admission List By Date Range", "mnuReport", 0, kNoKey, kCmd},
    {"mnuCensusStation", "Census By Station", "mnuReport", 0, kNoKey, kCmd},
    {"mnuDischarge", "Da&ily Discharge Report", "mnuReport", 0, kNoKey, kCmd},
    {"mnuUnitDoseList", "Patient's &Unit Dose Report", "mnuReport", 0, kNoKey, kCmd},
    {"mnuForDischarge", "Patients with Discharge &Notice", "mnuReport", 0, kNoKey, kCmd},
    {"mnuAuditTrail", "Audit Trail Logs", "mnuReport", 0, kNoKey, kCmd},
    {"mnuSep6", "-", "mnuReport", 0, kNoKey, kSep},
    {"mnuDailyIncome", "&Daily Income Report", "mnuReport", 0, kNoKey, kSub},
    {"mnuDIRIPGrp", "&In-Patient", "mnuDailyIncome", 0, kNoKey, kSub},
    {"mnuInDetailed", "Detailed", "mnuDIRIPGrp", 0, kNoKey, kCmd},
    {"mnuInSummarized", "Summarized", "mnuDIRIPGrp", 0, kNoKey, kCmd},
    {"mnuDIRIP", "&In-Patient (Standard Format)", "mnuDIRIPGrp", kHid, kNoKey, kCmd},
    {"mnuInPatientCompany", "In-Patient Group by &Company Account", "mnuDIRIPGrp", kHid, kNoKey, kCmd},
    {"mnuDIROPD", "&Out-Patient", "mnuDailyIncome", 0, kNoKey, kSub},
    {"mnuOutDetailed", "Detailed", "mnuDIROPD", 0, kNoKey, kCmd},
    {"mnuOutSummarized", "Summarized", "mnuDIROPD", 0, kNoKey, kCmd},
    {"mnuOPD", "&OPD", "mnuDIROPD", kHid, kNoKey, kCmd},
    {"mnuOpdGroupByCompany", "OPD Group by Company Account", "mnuDIROPD", kHid, kNoKey, kCmd},
    {"mnuKTHAdmin", "&Admininistration", "mnuDIROPD", kHid, kNoKey, kCmd},
    {"mnuRepSisMeds", "&Sister's Medicines", "mnuDIROPD", kHid, kNoKey, kCmd},
    {"mnuDIROut", "Out-Patient (Standard Format)", "mnuDIROPD", kHid, kNoKey, kCmd},
    {"mnuDIRCashSales", "&Cash Sales", "mnuDailyIncome", 0, kNoKey, kCmd},
    {"mnuDIRCashSalesSIRange", "&Cash Sales (Sale Invoice Range)", "mnuDailyIncome", 0, kNoKey, kCmd},
    {"mnuMonthlyCash", "&Monthly Income Report", "mnuReport", 0, kNoKey, kSub},
    {"mnuMonIn", "In-Patient", "mnuMonthlyCash", 0, kNoKey, kSub},
    {"mnuMonDet", "Detailed", "mnuMonIn", 0, kNoKey, kCmd},
    {"mnuMonSumIn", "Summary", "mnuMonIn", 0, kNoKey, kCmd},
    {"mnuMonOut", "Out-Patient", "mnuMonthlyCash", 0, kNoKey, kSub},
    {"mnuMonOutDet", "Detailed", "mnuMonOut", 0, kNoKey, kCmd},
    {"mnuMonSum", "Summary", "mnuMonOut", 0, kNoKey, kCmd},
    {"mnuMonCash", "Cash", "mnuMonthlyCash", kHid, kNoKey, kCmd},
    {"mnuTabulatedIncomeReport", "Tabulated", "mnuMonthlyCash", 0, kNoKey, kSub},
    {"mnuTabDetailed", "Detailed", "mnuTabulatedIncomeReport", 0, kNoKey, kCmd},
    {"mnuTabSummary", "Summary", "mnuTabulatedIncomeReport", 0, kNoKey, kCmd},
    {"mnuMonthlyperItem", "Monthly Income Report per Item", "mnuReport", 0, kNoKey, kSub},
    {"mnuPatInPat", "In-Patient", "mnuMonthlyperItem", 0, kNoKey, kCmd},
    {"mnuPatOutPat", "Out-Patient", "mnuMonthlyperItem", 0, kNoKey, kCmd},
    {"mnuECIR", "Emergency Carts Income Report", "mnuReport", 0, kNoKey, kCmd},
    {"mnuCashDiscount", "Cash Pharmacy Discount Report", "mnuReport", 0, kNoKey, kCmd},
    {"mnuIncomeSummary", "&Income Report Summary", "mnuReport", 0, kNoKey, kCmd},
    {"mnuConsumption", "D&rug Distribution Report", "mnuReport", 0, kNoKey, kCmd},
    {"mnuDispenserReport", "Dis&penser Report", "mnuReport", 0, kNoKey, kCmd},
    {"mnuAdditional", "&Additional Reports", "mnuReport", 0, kNoKey, kSub},
    {"mnuDRDrugConsumption", "Doctors Drug Consumption for the Month ", "mnuAdditional", 0, kNoKey, kCmd},
    {"mnuPatientConfinement", "Doctors Patient Confinement", "mnuAdditional", 0, kNoKey, kCmd},
    {"mnuCensus", "Daily Prescription Census", "mnuReport", 0, kNoKey, kCmd},
    {"mnuIncomeTransdate", "Income Report (By TransDate)", "mnuReport", 0, kNoKey, kSub},
    {"mnuIncomeTransIn", "In-Patient", "mnuIncomeTransdate", 0, kNoKey, kCmd},
    {"mnuIncomeTransOut", "Out-Patient", "mnuIncomeTransdate", 0, kNoKey, kCmd},
    {"mnuIncomeTransCash", "Cash", "mnuIncomeTransdate", 0, kNoKey, kCmd},
    {"mnuInSummary", "Income Report (Standard Format)", "mnuReport", kHid, kNoKey, kCmd},
    {"mnuPHICList", "PHIC List of Available Meds", "mnuReport", 0, kNoKey, kCmd},
    {"mnuEmployeeMedicines", "Employee Medicines", "mnuReport", 0, kNoKey, kCmd},
    {"mnuCardTransactions", "Card Transactions", "mnuReport", 0, kNoKey, kCmd},
    {"mnuSeniorCash", "Senior Citizen Discount Logbook (CASH)", "mnuReport", 0, kNoKey, kCmd},
    {"sep101", "-", "mnuReport", 0, kNoKey, kSep},
    {"mnuSOAL", "Statement Of Account Listing", "mnuReport", 0, kNoKey, kCmd},
    {"mnuAntibiotic", "Antibiotic Monitoring Report", "mnuReport", 0, kNoKey, kCmd},
    {"mnuIPDOPD", "Summary IPD/OPD && Sales", "mnuReport", kHid, kNoKey, kCmd},
    {"mnuConsumption1", "CMB/Pharmacy Issuance Report", "mnuReport", kHid, kNoKey, kCmd},
    {"mnuTotalDailyOutPut", "CMB / Pharmacy Total Daily Output By Shift", "mnuReport", kHid, kNoKey, kCmd},
    // One site's income report, never shown and without a command of its own.
    {"mnuIncomeGOTVAS", "Income Report", "mnuReport", kHid, kNoKey, kNone},
    {"mnuSummReturns", "&Summary Report of Credit Advise", "mnuReport", kHid, kNoKey, kCmd},
    {"mnuFirstDoseReport", "First Dose Issuances Report", "mnuReport", kHid, kNoKey, kCmd},
    {"mnuPackageRequest", "Package Request Report", "mnuReport", kHid, kNoKey, kCmd},
    {"mnuDCSRep", "Daily Credit Sales Report", "mnuReport", 0, kNoKey, kCmd},
    {"mnuConsReport", "Consumption Report", "mnuReport", 0, kNoKey, kCmd},
    {"mnuFastMoving", "Fast Moving Drugs", "mnuReport", 0, kNoKey, kSub},
    {"mnuFastSummary", "Fast Moving Drugs Summary", "mnuFastMoving", 0, kNoKey, kCmd},
    {"mnuFastClassification", "Fast Moving Drugs by Classification", "mnuFastMoving", kHid, kNoKey, kCmd},
    {"mnuNotFastMoving", "Slow Moving Drugs", "mnuReport", 0, kNoKey, kSub},
    {"mnuNotFastSummary", "Slow Moving Drugs Summary", "mnuNotFastMoving", 0, kNoKey, kCmd},
    {"mnuNotFastMovingClassification", "Slow Moving Drugs by Classification", "mnuNotFastMoving", kHid, kNoKey, kCmd},
    {"mnuPDEA", "Dangerous Drug Report", "mnuReport", 0, kNoKey, kCmd},
    {"mnuExpriringDrugs", "Expiring Drugs", "mnuReport", 0, kNoKey, kCmd},
    {"mnuListOfCorrectedItems", "List of Corrected Items", "mnuReport", 0, kNoKey, kCmd},
    {"sep103", "-", "mnuReport", kHid, kNoKey, kSep},

    // Options
    {"mnuPrinterSetup", "Printer &Setup", "mnuOptionsChange", 0, kNoKey, kCmd},
    {"mnuBarcodeSettings", "Barcode Settings", "mnuOptionsChange", kHid, kNoKey, kCmd},
    {"mnuChangeDate", "&Change Date", "mnuOptionsChange", kHid, kNoKey, kNone},
    {"mnuSep16", "-", "mnuOptionsChange", 0, kNoKey, kSep},
    {"mnuChangeShift", "C&hanges Shift", "mnuOptionsChange", 0, kNoKey, kCmd},
    {"mnuLogOff", "&Log-Off", "mnuOptionsChange", 0, ctrl(Qt::Key_O), kCmd},
    {"mnuUserSetting", "&User Settings", "mnuOptionsChange", 0, kNoKey, kCmd},
    {"mnuDiscountType", "Build Discount Percentage", "mnuOptionsChange", 0, kNoKey, kCmd},
    {"mnuChargeSlip", "Charge Slip Copies", "mnuOptionsChange", 0, kNoKey, kCmd},

    // The pop-up menus
    {"mnuRxOn", "Rx O&N", "mnuPopUp", kChk, kNoKey, kCmd},
    {"mnuRxOFF", "Rx O&FF", "mnuPopUp", kChk, kNoKey, kCmd},
    {"mnuOutPatient", "Out Patient", "mnuCheckPending", 0, kNoKey, kCmd},
    {"mnuInpatient", "In Patient", "mnuCheckPending", 0, kNoKey, kCmd},
    {"mnuERpatient", "ER Patient", "mnuCheckPending", 0, kNoKey, kCmd},
    {"mnuReprintAssess", "Reprint Assessment", "mnuPopUp2", 0, kNoKey, kCmd},
    {"mnuRevokeAssess", "Revoke Assessment", "mnuPopUp2", 0, kNoKey, kCmd},
    {"sep18", "-", "mnuPopUp2", 0, kNoKey, kSep},
    {"mnuHelpSearch", "Help Search Patient", "mnuPopUp2", 0, kNoKey, kCmd},
};

constexpr ToolbarStyle kButton = ToolbarStyle::Button;
constexpr ToolbarStyle kLine = ToolbarStyle::Separator;
constexpr ToolbarStyle kDrop = ToolbarStyle::DropDown;
constexpr std::array<ToolbarDropDownItem, 2> kNoItems{};

const ToolbarButtonRow kToolbarRows[] = {
    {1, "", "Process Pending Requests", kButton, false, kNoItems},
    {2, "", "Automatic Dispensing", kButton, false, kNoItems},
    {3, "", "", kLine, false, kNoItems},
    {4, "ManualPosting", "Manual Posting", kDrop, false,
     {{{"In-Patient", "Manual_1", "1"}, {"Out-Patient", "Manual_2", "2"}}}},
    {5, "", "Employee's Medicines", kButton, false, kNoItems},
    {6, "", "", kLine, false, kNoItems},
    {7, "", "Post Returned Medicines", kDrop, false, {{{"InPatient", "", ""}, {"OutPatient", "", ""}}}},
    {8, "", "Correction Entry", kDrop, false, {{{"In-Patient", "", ""}, {"Out-Patient", "", ""}}}},
    {9, "", "Patient's Drug Profile", kButton, true, kNoItems},
    {10, "", "List Posted Medicines", kDrop, false, {{{"In-Patient", "", ""}, {"Out-Patient", "", ""}}}},
    {11, "", "Drug Inquiry", kButton, false, kNoItems},
    {12, "", "Log off", kButton, false, kNoItems},
    {13, "", "", kLine, true, kNoItems},
    {14, "", "Transcription Notes", kButton, true, kNoItems},
    {15, "Sep2", "", kLine, false, kNoItems},
    {16, "Assess", "Assessment Entry - Cash", kButton, false, kNoItems},
    {17, "ProcessAssess", "Processess Paid Assessment", kButton, true, kNoItems},
    {18, "REVOKE", "Revoke Assessment Request", kButton, false, kNoItems},
};

} // namespace

std::span<const MainMenuRow> MainMenuRows() { return kMenuRows; }

std::span<const ToolbarButtonRow> ToolbarButtonRows() { return kToolbarRows; }

} // namespace qx
