#include "prescriptions/PrescriptionWindowOpeners.h"

#include "components/PlatformServices.h"
#include "prescriptions/frmCommEntryPres.h"
#include "shell/WindowOpeners.h"

namespace qx {

void RegisterPrescriptionWindowOpeners() {
    // In-patient and out-patient take-home lists open the same screen for the row's patient and
    // requesting station; the caller reloads its list unless the screen was left with Exit.
    const auto open = [](const WindowValues& inputs) {
        frmCommEntryPres& form = frmCommEntryPres::Default();
        form.setRequestedStationID(inputs.value(QStringLiteral("RequestedStationID")).toString().trimmed());
        form.setPatientID(inputs.value(QStringLiteral("PatientID")).toString().trimmed());
        form.Form_Load();
        showModal(form);
        return WindowValues{{QStringLiteral("CancelledForm"), form.CancelledForm()}};
    };
    RegisterWindowOpener(QStringLiteral("mnuPreviousPres"), open);
    RegisterWindowOpener(QStringLiteral("mnuOutPatientPres"), open);
}

} // namespace qx
