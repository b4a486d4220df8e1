// Serving a request screen: the two save buttons, the charge slip and the drug profile.
#include "requests/serving/RequestServing.h"

#include "charging/ChargePosting.h"
#include "charging/RequestScreenWindow.h"
#include "charging/SlipPrinting.h"
#include "charging/frmView.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "platform/report/Report.h"
#include "shell/HospitalSettings.h"
#include "shell/PatientChecks.h"
#include "shell/Session.h"

#include <QDialog>
#include <QLabel>

namespace qx {

namespace {
constexpr qint16 kDrugProfileReport = 16;
} // namespace

RequestServingScreen DescribeRequestServing(RequestScreenWindow& screen, const QString& module) {
    RequestServingScreen s;
    s.module = module;
    s.window = &screen;
    s.grid = screen.grdItemList;
    s.doctorCode = screen.txtDocCode;
    s.banner = screen.lblPatInfo;
    s.setCancelledForm = [&screen](bool value) { screen.setCancelledForm(value); };
    return s;
}

void ServeRequests(const RequestServingScreen& screen, bool print) {
    QString verifyId;
    if (!ValidateRequestServing(screen, verifyId))
        return;
    const QString patientName = Trim(screen.banner[2]->text());
    const auto report = [&](const QString& slip) {
        return (print ? QStringLiteral("Saved and Print Request Under Patient : ")
                      : QStringLiteral("Saved Request Under Patient : ")) +
               patientName + QStringLiteral(" |  ChargeSlip# : ") + slip;
    };
    const RequestSaveResult saved = SaveServedRequests(screen, gHasValidation ? verifyId : QString(), print, report);
    if (!saved.saved)
        return;
    // A save that posted nothing has no slip to print.
    if (print && saved.postedLines > 0)
        PrintPostedSlipOrTell(saved.slipNumber, [&] { PrintRequestChargeSlip(screen, saved.slipNumber); });
    MsgBox(report(saved.slipNumber), print ? vbOKOnly : vbInformation);
    screen.setCancelledForm(false);
    screen.window->close();
}

ChargeSlipHeader RequestSlipHeader(const RequestServingScreen& screen, const QString& slipNumber) {
    const auto banner = [&](int index) { return Trim(screen.banner[static_cast<size_t>(index)]->text()); };
    const QString issuedBy =
        screen.grid->rows() > 1 ? Trim(screen.grid->textMatrix(1, screen.requestingNurse)) : QString();
    ChargeSlipHeader header = BannerChargeSlipHeader(SQLConnection(), banner, issuedBy, slipNumber);
    if (screen.accountOnSlip)
        header.postedDate = banner(8);
    return header;
}

void PrintRequestChargeSlip(const RequestServingScreen& screen, const QString& slipNumber) {
    generalProcedure(screen.module, QStringLiteral("PrintChargeSlip"), [&] {
        std::shared_ptr<report::Report> slip;
        SetChargeSlipReport(slip, screen.slipReport, RequestSlipHeader(screen, slipNumber));
        PrintSlipReport(slip, false, false);
    });
}

void ShowDrugProfile(const std::function<QLabel*(int index)>& banner) {
    const auto value = [&](int index) { return Trim(banner(index)->text()); };
    frmView& view = ReportWindow();
    view.setWhatReport(kDrugProfileReport);
    view.setPatientName(value(2));
    view.setDoctor(value(3));
    view.setAdmNum(value(7));
    view.setRoom(value(4));
    view.setHospNum(value(0));
    view.setStation(value(1));
    showModal(view);
}

} // namespace qx
