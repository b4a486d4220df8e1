#include "mainwindow/MainMenuTable.h"

namespace qx {

namespace {

constexpr MenuRowKind kMenuCommand = MenuRowKind::Command;
constexpr MenuRowKind kMenuSubmenu = MenuRowKind::Submenu;
constexpr MenuRowKind kMenuSeparator = MenuRowKind::Separator;
constexpr MenuRowKind kMenuInert = MenuRowKind::NoCommand;
constexpr unsigned kMenuHidden = kDesignHidden;
constexpr unsigned kMenuDisabled = kDesignDisabled;
constexpr unsigned kMenuChecked = kDesignChecked;
constexpr QKeyCombination kNoShortcut{};
constexpr QKeyCombination ctrlKey(Qt::Key key) { return QKeyCombination(Qt::ControlModifier, key); }

const MainMenuRow kMenuRows[] = {
    // Menu bar
    {"mnuPostPrescriptions", "&Post Prescriptions", "", 0, kNoShortcut, kMenuSubmenu},
    {"mnuView", "&View", "", 0, kNoShortcut, kMenuSubmenu},
    {"mnuPrint", "&Print", "", kMenuHidden, kNoShortcut, kMenuSubmenu},
    {"mnuOthers", "&Others", "", 0, kNoShortcut, kMenuSubmenu},
    {"mnuReport", "&Reports", "", 0, kNoShortcut, kMenuSubmenu},
    {"mnuOptionsChange", "Option&s", "", 0, kNoShortcut, kMenuSubmenu},
    {"mnuPopUp", "PopUpMnu", "", kMenuHidden, kNoShortcut, kMenuSubmenu},
    {"mnuCheckPending", "Check Pending", "", kMenuHidden, kNoShortcut, kMenuSubmenu},
    {"mnuPopUp2", "PopUp2", "", 0, kNoShortcut, kMenuSubmenu},

    // Post Prescriptions
    {"mnuPending", "P&rocess Pending Requests", "mnuPostPrescriptions", 0, ctrlKey(Qt::Key_P), kMenuCommand},
    {"mnuAutoDispense", "&Automatic Dispensing", "mnuPostPrescriptions", 0, ctrlKey(Qt::Key_A), kMenuCommand},
    {"mnuProcessTranscription", "&Process Transcription Note", "mnuPostPrescriptions", kMenuHidden | kMenuDisabled, kNoShortcut, kMenuCommand},
    {"mnuAssessment", "Assessment Entry", "mnuPostPrescriptions", kMenuHidden, kNoShortcut, kMenuCommand},
    {"mnuProcessAssessment", "Process Assessment", "mnuPostPrescriptions", kMenuHidden, kNoShortcut, kMenuInert},
    {"mnuSep1", "-", "mnuPostPrescriptions", 0, kNoShortcut, kMenuSeparator},
    {"mnuManualPosting", "&Manual Posting", "mnuPostPrescriptions", 0, kNoShortcut, kMenuSubmenu},
    {"mnuManualInPatient", "&In-Patient", "mnuManualPosting", 0, kNoShortcut, kMenuCommand},
    {"mnuManualOutPatient", "&Out-Patient", "mnuManualPosting", 0, kNoShortcut, kMenuCommand},
    {"mnuEmployeesMeds", "&Employee's Medicines", "mnuPostPrescriptions", 0, kNoShortcut, kMenuCommand},
    {"mnuCompany", "Company Medicines", "mnuPostPrescriptions", 0, kNoShortcut, kMenuSubmenu},
    {"mnuCompanyMeds", "In-Patient", "mnuCompany", 0, kNoShortcut, kMenuCommand},
    {"mnuCompanyOut", "Out-Patient", "mnuCompany", 0, kNoShortcut, kMenuCommand},

    // View
    {"mnuSorted", "&Sorted", "mnuView", kMenuChecked, kNoShortcut, kMenuCommand},
    {"mnuFIFO", "&FIFO", "mnuView", kMenuChecked, kNoShortcut, kMenuCommand},
    {"mnuSep2", "-", "mnuView", 0, kNoShortcut, kMenuSeparator},
    {"mnuRefresh", "&Refresh", "mnuView", 0, kNoShortcut, kMenuCommand},

    // Print
    {"mnuPrintChargeSlip", "&Print Charge Slip", "mnuPrint", 0, kNoShortcut, kMenuInert},
    {"mnuPrintCreditMemo", "Print &Credit Memo", "mnuPrint", 0, kNoShortcut, kMenuInert},

    // Others
    {"mnuPostReturnedMedicines", "&Post Returned Medicines", "mnuOthers", 0, kNoShortcut, kMenuSubmenu},
    {"mnuPostInPatient", "&In-Patient", "mnuPostReturnedMedicines", 0, kNoShortcut, kMenuCommand},
    {"mnuPostOutPatient", "&Out-Patient", "mnuPostReturnedMedicines", 0, kNoShortcut, kMenuCommand},
    {"mnuCash", "Cash", "mnuPostReturnedMedicines", 0, kNoShortcut, kMenuCommand},
    {"mnuCashReprint", "Reprint Credit Advise", "mnuPostReturnedMedicines", 0, kNoShortcut, kMenuCommand},
    {"mnuAdjustment", "&Correction Entry", "mnuOthers", 0, kNoShortcut, kMenuSubmenu},
    {"mnuAdjustmentInPatient", "&In-Patient", "mnuAdjustment", 0, kNoShortcut, kMenuCommand},
    {"mnuAdjustmentOutPatient", "&Out-Patient", "mnuAdjustment", 0, kNoShortcut, kMenuCommand},
    {"mnuPCorrection", "&Patient To Patient Correction", "mnuOthers", kMenuHidden | kMenuDisabled, kNoShortcut, kMenuSubmenu},
    {"mnuPCorrectionIP", "&In-Patient", "mnuPCorrection", 0, kNoShortcut, kMenuInert},
    {"mnuPCorrectionOP", "&Out-Patient", "mnuPCorrection", 0, kNoShortcut, kMenuInert},
    {"mnuCashAdjustment", "&Cash Adjustment", "mnuOthers", kMenuHidden | kMenuDisabled, kNoShortcut, kMenuCommand},
    {"mnuConfirmMeds", "Confirm Return Meds by station", "mnuOthers", 0, kNoShortcut, kMenuCommand},
    {"mnuSI", "Sales Invoice", "mnuOthers", 0, kNoShortcut, kMenuSubmenu},
    {"mnuSICancellation", "Sales Invoice Cancellation", "mnuSI", 0, kNoShortcut, kMenuCommand},
    {"mnuSep3", "-", "mnuOthers", 0, kNoShortcut, kMenuSeparator},
    {"mnuPatientDrugProfile", "Patient &Drug Profile", "mnuOthers", kMenuHidden, kNoShortcut, kMenuInert},
    {"mnuReprint", "Reprint Patient Barcode", "mnuOthers", 0, kNoShortcut, kMenuCommand},
    {"mnuListOfMedicinesPosted", "&List of Medicines Posted", "mnuOthers", 0, kNoShortcut, kMenuSubmenu},
    {"mnuListInPatient", "&In-Patient", "mnuListOfMedicinesPosted", 0, kNoShortcut, kMenuCommand},
    {"mnuListOutPatient", "&Out-Patient", "mnuListOfMedicinesPosted", 0, kNoShortcut, kMenuCommand},
    {"mnuListPostedCash", "Cash", "mnuListOfMedicinesPosted", 0, kNoShortcut, kMenuCommand},
    {"mnuDrugsInquiry", "&Drugs Inquiry", "mnuOthers", 0, kNoShortcut, kMenuCommand},
    {"mnuSep13", "-", "mnuOthers", kMenuHidden, kNoShortcut, kMenuSeparator},
    {"mnuVerification", "&Verification", "mnuOthers", 0, kNoShortcut, kMenuCommand},
    {"mnuSep5", "-", "mnuOthers", kMenuHidden, kNoShortcut, kMenuSeparator},
    {"mnuOptions", "&Options", "mnuOthers", kMenuHidden, kNoShortcut, kMenuCommand},
    {"mnuCreditAdvise", "Credit Advise Reprinting", "mnuOthers", kMenuHidden, kNoShortcut, kMenuInert},
    {"mnuSurcharge", "Surcharge", "mnuOthers", 0, kNoShortcut, kMenuCommand},

    // Reports
    {"mnuStockCard", "Stock Card", "mnuReport", 0, kNoShortcut, kMenuCommand},
    {"mnuAdmissionList", "&Admission List", "mnuReport", 0, kNoShortcut, kMenuCommand},
    {"mnuAdmissionListDateRange", "&Admission List By Date Range", "mnuReport", 0, kNoShortcut, kMenuCommand},
    {"mnuCensusStation", "Census By Station", "mnuReport", 0, kNoShortcut, kMenuCommand},
    {"mnuDischarge", "Da&ily Discharge Report", "mnuReport", 0, kNoShortcut, kMenuCommand},
    {"mnuUnitDoseList", "Patient's &Unit Dose Report", "mnuReport", 0, kNoShortcut, kMenuCommand},
    {"mnuForDischarge", "Patients with Discharge &Notice", "mnuReport", 0, kNoShortcut, kMenuCommand},
    {"mnuAuditTrail", "Audit Trail Logs", "mnuReport", 0, kNoShortcut, kMenuCommand},
    {"mnuSep6", "-", "mnuReport", 0, kNoShortcut, kMenuSeparator},
    {"mnuDailyIncome", "&Daily Income Report", "mnuReport", 0, kNoShortcut, kMenuSubmenu},
    {"mnuDIRIPGrp", "&In-Patient", "mnuDailyIncome", 0, kNoShortcut, kMenuSubmenu},
    {"mnuInDetailed", "Detailed", "mnuDIRIPGrp", 0, kNoShortcut, kMenuCommand},
    {"mnuInSummarized", "Summarized", "mnuDIRIPGrp", 0, kNoShortcut, kMenuCommand},
    {"mnuDIRIP", "&In-Patient (Standard Format)", "mnuDIRIPGrp", kMenuHidden, kNoShortcut, kMenuCommand},
    {"mnuInPatientCompany", "In-Patient Group by &Company Account", "mnuDIRIPGrp", kMenuHidden, kNoShortcut, kMenuCommand},
    {"mnuDIROPD", "&Out-Patient", "mnuDailyIncome", 0, kNoShortcut, kMenuSubmenu},
    {"mnuOutDetailed", "Detailed", "mnuDIROPD", 0, kNoShortcut, kMenuCommand},
    {"mnuOutSummarized", "Summarized", "mnuDIROPD", 0, kNoShortcut, kMenuCommand},
    {"mnuOPD", "&OPD", "mnuDIROPD", kMenuHidden, kNoShortcut, kMenuCommand},
    {"mnuOpdGroupByCompany", "OPD Group by Company Account", "mnuDIROPD", kMenuHidden, kNoShortcut, kMenuCommand},
    {"mnuKTHAdmin", "&Admininistration", "mnuDIROPD", kMenuHidden, kNoShortcut, kMenuCommand},
    {"mnuRepSisMeds", "&Sister's Medicines", "mnuDIROPD", kMenuHidden, kNoShortcut, kMenuCommand},
    {"mnuDIROut", "Out-Patient (Standard Format)", "mnuDIROPD", kMenuHidden, kNoShortcut, kMenuCommand},
    {"mnuDIRCashSales", "&Cash Sales", "mnuDailyIncome", 0, kNoShortcut, kMenuCommand},
    {"mnuDIRCashSalesSIRange", "&Cash Sales (Sale Invoice Range)", "mnuDailyIncome", 0, kNoShortcut, kMenuCommand},
    {"mnuMonthlyCash", "&Monthly Income Report", "mnuReport", 0, kNoShortcut, kMenuSubmenu},
    {"mnuMonIn", "In-Patient", "mnuMonthlyCash", 0, kNoShortcut, kMenuSubmenu},
    {"mnuMonDet", "Detailed", "mnuMonIn", 0, kNoShortcut, kMenuCommand},
    {"mnuMonSumIn", "Summary", "mnuMonIn", 0, kNoShortcut, kMenuCommand},
    {"mnuMonOut", "Out-Patient", "mnuMonthlyCash", 0, kNoShortcut, kMenuSubmenu},
    {"mnuMonOutDet", "Detailed", "mnuMonOut", 0, kNoShortcut, kMenuCommand},
    {"mnuMonSum", "Summary", "mnuMonOut", 0, kNoShortcut, kMenuCommand},
    {"mnuMonCash", "Cash", "mnuMonthlyCash", kMenuHidden, kNoShortcut, kMenuCommand},
    {"mnuTabulatedIncomeReport", "Tabulated", "mnuMonthlyCash", 0, kNoShortcut, kMenuSubmenu},
    {"mnuTabDetailed", "Detailed", "mnuTabulatedIncomeReport", 0, kNoShortcut, kMenuCommand},
    {"mnuTabSummary", "Summary", "mnuTabulatedIncomeReport", 0, kNoShortcut, kMenuCommand},
    {"mnuMonthlyperItem", "Monthly Income Report per Item", "mnuReport", 0, kNoShortcut, kMenuSubmenu},
    {"mnuPatInPat", "In-Patient", "mnuMonthlyperItem", 0, kNoShortcut, kMenuCommand},
    {"mnuPatOutPat", "Out-Patient", "mnuMonthlyperItem", 0, kNoShortcut, kMenuCommand},
    {"mnuECIR", "Emergency Carts Income Report", "mnuReport", 0, kNoShortcut, kMenuCommand},
    {"mnuCashDiscount", "Cash Pharmacy Discount Report", "mnuReport", 0, kNoShortcut, kMenuCommand},
    {"mnuIncomeSummary", "&Income Report Summary", "mnuReport", 0, kNoShortcut, kMenuCommand},
    {"mnuConsumption", "D&rug Distribution Report", "mnuReport", 0, kNoShortcut, kMenuCommand},
    {"mnuDispenserReport", "Dis&penser Report", "mnuReport", 0, kNoShortcut, kMenuCommand},
    {"mnuAdditional", "&Additional Reports", "mnuReport", 0, kNoShortcut, kMenuSubmenu},
    {"mnuDRDrugConsumption", "Doctors Drug Consumption for the Month ", "mnuAdditional", 0, kNoShortcut, kMenuCommand},
    {"mnuPatientConfinement", "Doctors Patient Confinement", "mnuAdditional", 0, kNoShortcut, kMenuCommand},
    {"mnuCensus", "Daily Prescription Census", "mnuReport", 0, kNoShortcut, kMenuCommand},
    {"mnuIncomeTransdate", "Income Report (By TransDate)", "mnuReport", 0, kNoShortcut, kMenuSubmenu},
    {"mnuIncomeTransIn", "In-Patient", "mnuIncomeTransdate", 0, kNoShortcut, kMenuCommand},
    {"mnuIncomeTransOut", "Out-Patient", "mnuIncomeTransdate", 0, kNoShortcut, kMenuCommand},
    {"mnuIncomeTransCash", "Cash", "mnuIncomeTransdate", 0, kNoShortcut, kMenuCommand},
    {"mnuInSummary", "Income Report (Standard Format)", "mnuReport", kMenuHidden, kNoShortcut, kMenuCommand},
    {"mnuPHICList", "PHIC List of Available Meds", "mnuReport", 0, kNoShortcut, kMenuCommand},
    {"mnuEmployeeMedicines", "Employee Medicines", "mnuReport", 0, kNoShortcut, kMenuCommand},
    {"mnuCardTransactions", "Card Transactions", "mnuReport", 0, kNoShortcut, kMenuCommand},
    {"mnuSeniorCash", "Senior Citizen Discount Logbook (CASH)", "mnuReport", 0, kNoShortcut, kMenuCommand},
    {"sep101", "-", "mnuReport", 0, kNoShortcut, kMenuSeparator},
    {"mnuSOAL", "Statement Of Account Listing", "mnuReport", 0, kNoShortcut, kMenuCommand},
    {"mnuAntibiotic", "Antibiotic Monitoring Report", "mnuReport", 0, kNoShortcut, kMenuCommand},
    {"mnuIPDOPD", "Summary IPD/OPD && Sales", "mnuReport", kMenuHidden, kNoShortcut, kMenuCommand},
    {"mnuConsumption1", "CMB/Pharmacy Issuance Report", "mnuReport", kMenuHidden, kNoShortcut, kMenuCommand},
    {"mnuTotalDailyOutPut", "CMB / Pharmacy Total Daily Output By Shift", "mnuReport", kMenuHidden, kNoShortcut, kMenuCommand},
    // One site's income report, never shown and without a command of its own.
    {"mnuIncomeGOTVAS", "Income Report", "mnuReport", kMenuHidden, kNoShortcut, kMenuInert},
    {"mnuSummReturns", "&Summary Report of Credit Advise", "mnuReport", kMenuHidden, kNoShortcut, kMenuCommand},
    {"mnuFirstDoseReport", "First Dose Issuances Report", "mnuReport", kMenuHidden, kNoShortcut, kMenuCommand},
    {"mnuPackageRequest", "Package Request Report", "mnuReport", kMenuHidden, kNoShortcut, kMenuCommand},
    {"mnuDCSRep", "Daily Credit Sales Report", "mnuReport", 0, kNoShortcut, kMenuCommand},
    {"mnuConsReport", "Consumption Report", "mnuReport", 0, kNoShortcut, kMenuCommand},
    {"mnuFastMoving", "Fast Moving Drugs", "mnuReport", 0, kNoShortcut, kMenuSubmenu},
    {"mnuFastSummary", "Fast Moving Drugs Summary", "mnuFastMoving", 0, kNoShortcut, kMenuCommand},
    {"mnuFastClassification", "Fast Moving Drugs by Classification", "mnuFastMoving", kMenuHidden, kNoShortcut, kMenuCommand},
    {"mnuNotFastMoving", "Slow Moving Drugs", "mnuReport", 0, kNoShortcut, kMenuSubmenu},
    {"mnuNotFastSummary", "Slow Moving Drugs Summary", "mnuNotFastMoving", 0, kNoShortcut, kMenuCommand},
    {"mnuNotFastMovingClassification", "Slow Moving Drugs by Classification", "mnuNotFastMoving", kMenuHidden, kNoShortcut, kMenuCommand},
    {"mnuPDEA", "Dangerous Drug Report", "mnuReport", 0, kNoShortcut, kMenuCommand},
    {"mnuExpriringDrugs", "Expiring Drugs", "mnuReport", 0, kNoShortcut, kMenuCommand},
    {"mnuListOfCorrectedItems", "List of Corrected Items", "mnuReport", 0, kNoShortcut, kMenuCommand},
    {"sep103", "-", "mnuReport", kMenuHidden, kNoShortcut, kMenuSeparator},

    // Options
    {"mnuPrinterSetup", "Printer &Setup", "mnuOptionsChange", 0, kNoShortcut, kMenuCommand},
    {"mnuBarcodeSettings", "Barcode Settings", "mnuOptionsChange", kMenuHidden, kNoShortcut, kMenuCommand},
    {"mnuChangeDate", "&Change Date", "mnuOptionsChange", kMenuHidden, kNoShortcut, kMenuInert},
    {"mnuSep16", "-", "mnuOptionsChange", 0, kNoShortcut, kMenuSeparator},
    {"mnuChangeShift", "C&hanges Shift", "mnuOptionsChange", 0, kNoShortcut, kMenuCommand},
    {"mnuLogOff", "&Log-Off", "mnuOptionsChange", 0, ctrlKey(Qt::Key_O), kMenuCommand},
    {"mnuUserSetting", "&User Settings", "mnuOptionsChange", 0, kNoShortcut, kMenuCommand},
    {"mnuDiscountType", "Build Discount Percentage", "mnuOptionsChange", 0, kNoShortcut, kMenuCommand},
    {"mnuChargeSlip", "Charge Slip Copies", "mnuOptionsChange", 0, kNoShortcut, kMenuCommand},

    // The pop-up menus
    {"mnuRxOn", "Rx O&N", "mnuPopUp", kMenuChecked, kNoShortcut, kMenuCommand},
    {"mnuRxOFF", "Rx O&FF", "mnuPopUp", kMenuChecked, kNoShortcut, kMenuCommand},
    {"mnuOutPatient", "Out Patient", "mnuCheckPending", 0, kNoShortcut, kMenuCommand},
    {"mnuInpatient", "In Patient", "mnuCheckPending", 0, kNoShortcut, kMenuCommand},
    {"mnuERpatient", "ER Patient", "mnuCheckPending", 0, kNoShortcut, kMenuCommand},
    {"mnuReprintAssess", "Reprint Assessment", "mnuPopUp2", 0, kNoShortcut, kMenuCommand},
    {"mnuRevokeAssess", "Revoke Assessment", "mnuPopUp2", 0, kNoShortcut, kMenuCommand},
    {"sep18", "-", "mnuPopUp2", 0, kNoShortcut, kMenuSeparator},
    {"mnuHelpSearch", "Help Search Patient", "mnuPopUp2", 0, kNoShortcut, kMenuCommand},
};

constexpr ToolbarStyle kToolButton = ToolbarStyle::Button;
constexpr ToolbarStyle kToolSeparator = ToolbarStyle::Separator;
constexpr ToolbarStyle kToolDropDown = ToolbarStyle::DropDown;
constexpr std::array<ToolbarDropDownItem, 2> kNoDropDownItems{};

const ToolbarButtonRow kToolbarRows[] = {
    {1, "", "Process Pending Requests", kToolButton, false, kNoDropDownItems},
    {2, "", "Automatic Dispensing", kToolButton, false, kNoDropDownItems},
    {3, "", "", kToolSeparator, false, kNoDropDownItems},
    {4, "ManualPosting", "Manual Posting", kToolDropDown, false,
     {{{"In-Patient", "Manual_1", "1"}, {"Out-Patient", "Manual_2", "2"}}}},
    {5, "", "Employee's Medicines", kToolButton, false, kNoDropDownItems},
    {6, "", "", kToolSeparator, false, kNoDropDownItems},
    {7, "", "Post Returned Medicines", kToolDropDown, false, {{{"InPatient", "", ""}, {"OutPatient", "", ""}}}},
    {8, "", "Correction Entry", kToolDropDown, false, {{{"In-Patient", "", ""}, {"Out-Patient", "", ""}}}},
    {9, "", "Patient's Drug Profile", kToolButton, true, kNoDropDownItems},
    {10, "", "List Posted Medicines", kToolDropDown, false, {{{"In-Patient", "", ""}, {"Out-Patient", "", ""}}}},
    {11, "", "Drug Inquiry", kToolButton, false, kNoDropDownItems},
    {12, "", "Log off", kToolButton, false, kNoDropDownItems},
    {13, "", "", kToolSeparator, true, kNoDropDownItems},
    {14, "", "Transcription Notes", kToolButton, true, kNoDropDownItems},
    {15, "Sep2", "", kToolSeparator, false, kNoDropDownItems},
    {16, "Assess", "Assessment Entry - Cash", kToolButton, false, kNoDropDownItems},
    {17, "ProcessAssess", "Processess Paid Assessment", kToolButton, true, kNoDropDownItems},
    {18, "REVOKE", "Revoke Assessment Request", kToolButton, false, kNoDropDownItems},
};

} // namespace

std::span<const MainMenuRow> MainMenuRows() { return kMenuRows; }

std::span<const ToolbarButtonRow> ToolbarButtonRows() { return kToolbarRows; }

} // namespace qx
