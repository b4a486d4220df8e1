// frmCommEntryOP: the doctor's prescription of the visit, one printed prescription per item.
#include "requests/outpatient/frmCommEntryOP.h"

#include "platform/ErrorHandling.h"
#include "platform/Values.h"
#include "charging/DoctorPrescription.h"
#include "shell/Session.h"

#include <QLabel>
#include <QLineEdit>

namespace qx {

void frmCommEntryOP::cmdPrintPrescription_Click() {
    eventHandler(QStringLiteral("frmCommEntryOP"), QStringLiteral("cmdPrintPrescription_Click"), [&] {
        const QString visit = Trim(lblPatInfo[7]->text());
        UpdateNurseRequestQuantity(SQLConnection(), *grdItemList, PrescriptionColumns{}, visit);
        PrintDoctorPrescription(SQLConnection(), visit, txtDocCode->text(), QStringLiteral("0"));
        cancelledForm_ = false;
    });
}

} // namespace qx
