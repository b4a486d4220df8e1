// frmCommEntry: the patient's initials and the medication labels of the lines shown.
#include "requests/inpatient/frmCommEntry.h"

#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "requests/labels/MedicationLabels.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"

#include <QLabel>
#include <QLineEdit>

namespace qx {

void frmCommEntry::PatientInitial() {
    ensureLoaded();
    bool found = false;
    const QString initials = LoadPatientInitials(SQLConnection(), lblPatInfo[7]->text(), found);
    if (found)
        Initial->setText(initials);
}

void frmCommEntry::cmdPrintBarCode_Click() {
    LabelPatient patient;
    patient.byInitials = gSiteCode == QLatin1String("YRD");
    patient.initials = Initial->text();
    patient.admission = lblPatInfo[7]->text();
    patient.name = lblPatInfo[2]->text();
    patient.age = lblPatInfo[9]->text();
    patient.stationAndRoom = lblPatInfo[4]->text();
    int printed = 0;
    try {
        printed = PrintRequestLabels(SQLConnection(), *grdItemList, LabelColumns{}, patient);
    } catch (...) {
        // The run stops where it failed; the labels already printed stay printed and the
        // screen stays open, also in reprint mode.
        MsgBox(applicationErrorText(currentError().description(), QStringLiteral("frmCommEntry"),
                                    QStringLiteral("cmdPrintBarcode_Click"), 0),
               vbExclamation, QStringLiteral("Application Error"));
        return;
    }
    if (txtIndicate->text() == QLatin1String("RP") && printed > 0)
        close();
}

} // namespace qx
