#include "shell/Session.h"
#include "components/AppError.h"
#include "components/Connection.h"

namespace qx {

SuiteComponents gComponents;
QString gUserLocationRights;
QString gDefaultStockLocationID;
bool gFirstActivation = false;
bool gShiftChanged = false;
bool gExitRequested = false;
bool gRefreshWorkList = false;
QString gStartDate;
QString gHostID;
qint16 gCommunicationTimer = 0;
qint16 gSeniorCitizenDiscount = 0;
QString gEmployeeCode;
QString gEmployeeName;
QString gEmployeeInitial;
QString gEmployeePosition;
double gCashSeniorDiscountRate = 0;
double gCashOtherDiscountRate = 0;
QString gCashReportDate;
bool gCashSalesFirstActivate = false;
bool gCanProcessRequest = false;
bool gCanUnitDose = false;
std::unique_ptr<MainForm> gMainForm;

void RaiseObjectNotSet() {
    throw AppError(91, QStringLiteral("prjQuillax"), QStringLiteral("Object variable or With block variable not set"));
}

Connection& SQLConnection() {
    return SlotComponent(gComponents.gCurrentUser).SQLConnection();
}

void resetSession() {
    gMainForm.reset();
    gComponents.releaseInMainWindowOrder();
    gUserLocationRights.clear();
    gDefaultStockLocationID.clear();
    gFirstActivation = false;
    gShiftChanged = false;
    gExitRequested = false;
    gRefreshWorkList = false;
    gStartDate.clear();
    gHostID.clear();
    gCommunicationTimer = 0;
    gSeniorCitizenDiscount = 0;
    gEmployeeCode.clear();
    gEmployeeName.clear();
    gEmployeeInitial.clear();
    gEmployeePosition.clear();
    gCashSeniorDiscountRate = 0;
    gCashOtherDiscountRate = 0;
    gCashReportDate.clear();
    gCashSalesFirstActivate = false;
    gCanProcessRequest = false;
    gCanUnitDose = false;
}

} // namespace qx
