// The commands that take the current work-list row into the screen that serves it: pending
// requests, unit-dose dispensing, the cash sale of a transcription note, take-home prescriptions
// and the barcode reprint. Each screen is reached through the registry of window openers.
#include "mainwindow/frmPharma.h"

#include "charging/ChargeEligibility.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "shell/HospitalSettings.h"
#include "shell/PatientChecks.h"
#include "shell/Session.h"
#include "shell/WindowOpeners.h"
#include "shell/clsPatient.h"

namespace qx {

namespace {

const QString kWorkCommandsModule = QStringLiteral("frmPharma");

const QString kBillClosedText = QStringLiteral("Patient's bill has been closed.  Please verify with Billing section.");

// An id whose last character is a digit is an admission; any other, empty included, a visit.
bool isAdmissionId(const QString& id) {
    return !id.isEmpty() && id.back() >= QLatin1Char('0') && id.back() <= QLatin1Char('9');
}

// What a request screen says when it closes: a screen that did not answer counts as cancelled,
// so the list is left as it was.
bool screenWasCancelled(const WindowValues& out) {
    return out.value(QStringLiteral("CancelledForm"), true).toBool();
}

} // namespace

QString frmPharma::currentCell(int col, bool trimmed) const {
    const QString text = flexMSHList->textMatrix(flexMSHList->row(), col);
    return trimmed ? text.trimmed() : text;
}

void frmPharma::mnuPending_Click() {
    eventHandler(kWorkCommandsModule, QStringLiteral("mnuPending_Click"), [this] {
        const QString patientId = currentCell(1);
        if (isAdmissionId(patientId)) {
            if (gPatientInfo().isBilled(SQLConnection(), patientId)) {
                MsgBox(kBillClosedText, vbInformation, QStringLiteral("MESSAGE"));
                return;
            }
            gRefreshWorkList = true;
            HourglassScope hourglass;
            WindowValues inputs{{QStringLiteral("RequestedStationID"), currentCell(5)},
                                {QStringLiteral("PatientID"), patientId}};
            // At YRD the id box is written too, which loads the screen with both values set.
            if (gSiteCode == QStringLiteral("YRD"))
                inputs.insert(QStringLiteral("txtIDNum"), patientId);
            gRefreshWorkList = !screenWasCancelled(OpenWindow(QStringLiteral("mnuPending.frmCommEntry"), inputs));
            return;
        }
        gRefreshWorkList = true;
        HourglassScope hourglass;
        const WindowValues out = OpenWindow(QStringLiteral("mnuPending.frmCommEntryOP"),
                                            {{QStringLiteral("StationName"), currentCell(4)},
                                             {QStringLiteral("RequestedStationID"), currentCell(5)},
                                             {QStringLiteral("PatientID"), patientId}});
        gRefreshWorkList = !screenWasCancelled(out);
        CheckPendingRequestCountOutER(QStringLiteral("PH"));
    });
}

void frmPharma::mnuAutoDispense_Click() {
    eventHandler(kWorkCommandsModule, QStringLiteral("mnuAutoDispense_Click"), [this] {
        const QString admission = currentCell(1);
        const QString who = currentCell(2) + QStringLiteral(" ( with Admission # ") + admission + QStringLiteral(" ) ");
        Connection& con = SQLConnection();
        if (!IsChargeOkay(con, admission)) {
            MsgBox(who + QStringLiteral("is for cash basis only. Please verify with the billing section."), vbCritical,
                   QStringLiteral("WARNING"));
            return;
        }
        if (WarningNotice(admission)) {
            MsgBox(who + QStringLiteral(" is with discharge notice. Please verify with the billing section."), vbCritical,
                   QStringLiteral("WARNING"));
            return;
        }
        if (HasClearance(con, admission)) {
            MsgBox(who + QStringLiteral(" is already cleared. Please verify with the billing section."), vbCritical,
                   QStringLiteral("MESSAGE"));
            return;
        }
        OpenWindow(QStringLiteral("mnuAutoDispense"), {{QStringLiteral("PatientID"), currentCell(1, false)}});
    });
}

void frmPharma::mnuProcessTranscription_Click() {
    eventHandler(kWorkCommandsModule, QStringLiteral("mnuProcessTranscription_Click"), [this] {
        // Column 6 carries a mark when the patient's bill is closed.
        if (!currentCell(6).isEmpty()) {
            MsgBox(kBillClosedText, vbInformation, QStringLiteral("MESSAGE"));
            return;
        }
        const WindowValues out = OpenWindow(QStringLiteral("mnuProcessTranscription"),
                                            {{QStringLiteral("RoomID"), currentCell(3)},
                                             {QStringLiteral("IDNum"), currentCell(1)}});
        if (out.value(QStringLiteral("EntrySaved")).toBool())
            ClickTreeView();
    });
}

void frmPharma::openPrescription(const QString& commandName) {
    eventHandler(kWorkCommandsModule, commandName + QStringLiteral("_Click"), [&] {
        gRefreshWorkList = true;
        HourglassScope hourglass;
        const WindowValues out = OpenWindow(commandName, {{QStringLiteral("RequestedStationID"), currentCell(5)},
                                                          {QStringLiteral("PatientID"), currentCell(1)}});
        gRefreshWorkList = !screenWasCancelled(out);
    });
}

void frmPharma::mnuPreviousPres_Click() { openPrescription(QStringLiteral("mnuPreviousPres")); }
void frmPharma::mnuOutPatientPres_Click() { openPrescription(QStringLiteral("mnuOutPatientPres")); }

// The patient search window in its barcode-reprint use, beside the main window.
void frmPharma::mnuReprint_Click() {
    unhandledErrorGuard([] { OpenWindow(QStringLiteral("mnuReprint"), {{QStringLiteral("txtIndicator"), QStringLiteral("RP")}}); });
}

} // namespace qx
