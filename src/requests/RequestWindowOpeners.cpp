#include "requests/RequestWindowOpeners.h"

#include "components/PlatformServices.h"
#include "requests/inpatient/frmCommEntry.h"
#include "requests/labels/frmBarcodeSettings.h"
#include "requests/labels/frmPatlist.h"
#include "requests/outpatient/frmCommEntryOP.h"
#include "requests/unitdose/frmUDEntry.h"
#include "shell/HospitalSettings.h"
#include "shell/WindowOpeners.h"

#include <QLineEdit>
#include <QPushButton>

namespace qx {

void RegisterRequestWindowOpeners() {
    // The pending-request command on an admitted patient's row: station and patient as the row
    // gives them; at site YRD the id box is written first, which loads the screen then.
    RegisterWindowOpener(QStringLiteral("mnuPending.frmCommEntry"), [](const WindowValues& inputs) {
        frmCommEntry& form = frmCommEntry::Default();
        form.setRequestedStationID(inputs.value(QStringLiteral("RequestedStationID")).toString());
        form.setPatientID(inputs.value(QStringLiteral("PatientID")).toString());
        if (inputs.contains(QStringLiteral("txtIDNum"))) {
            form.ensureLoaded();
            form.txtIDNum->setText(inputs.value(QStringLiteral("txtIDNum")).toString());
            form.PatientInitial();
        }
        form.ensureLoaded();
        // Reprint mode, for one showing: labels only, and the screen closes after printing them.
        if (inputs.value(QStringLiteral("txtIndicate")).toString() == QLatin1String("RP")) {
            for (QPushButton* button : {form.cmdCancel, form.cmdDelay, form.cmdDrugProfile, form.cmdPrintSave, form.cmdSave})
                button->hide();
            form.cmdPrintBarCode->setText(QStringLiteral("RePrint"));
            form.txtIndicate->setText(QStringLiteral("RP"));
            form.setWindowTitle(QStringLiteral("Barcode Reprinting"));
        }
        showModal(form);
        return WindowValues{{QStringLiteral("CancelledForm"), form.CancelledForm()}};
    });
    // The same command on an out-patient or emergency visit's row (an id ending in a letter).
    RegisterWindowOpener(QStringLiteral("mnuPending.frmCommEntryOP"), [](const WindowValues& inputs) {
        frmCommEntryOP& form = frmCommEntryOP::Default();
        form.setStationName(inputs.value(QStringLiteral("StationName")).toString());
        form.setRequestedStationID(inputs.value(QStringLiteral("RequestedStationID")).toString());
        form.setPatientID(inputs.value(QStringLiteral("PatientID")).toString());
        form.Form_Load();
        showModal(form);
        return WindowValues{{QStringLiteral("CancelledForm"), form.CancelledForm()}};
    });
    // The barcode reprint search: modeless beside the main window, brought forward when open.
    RegisterWindowOpener(QStringLiteral("mnuReprint"), [](const WindowValues& inputs) {
        frmPatlist& form = frmPatlist::Default();
        form.show();
        form.raise();
        form.activateWindow();
        form.txtIndicator->setText(inputs.value(QStringLiteral("txtIndicator")).toString());
        return WindowValues{};
    });
    RegisterWindowOpener(QStringLiteral("mnuBarcodeSettings"), [](const WindowValues&) {
        frmBarcodeSettings form;
        form.Form_Load();
        showModal(form);
        return WindowValues{};
    });
    // Automatic dispensing of the unit-dose work list's patient: every opening loads afresh.
    RegisterWindowOpener(QStringLiteral("mnuAutoDispense"), [](const WindowValues& inputs) {
        frmUDEntry& form = frmUDEntry::Default();
        form.setPatientID(inputs.value(QStringLiteral("PatientID")).toString());
        form.Form_Load();
        showModal(form);
        return WindowValues{};
    });
}

} // namespace qx
