#include "charging/PatientLookupBoxes.h"

#include "components/OutpatientFile.h"
#include "platform/ErrorHandling.h"
#include "platform/Values.h"
#include "shell/clsPatient.h"

#include <QChar>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace qx {

void LookupBoxKeyPress(int& keyAscii, const std::function<void()>& lookUp) {
    if (keyAscii == 13) {
        keyAscii = 0;
        lookUp();
        return;
    }
    keyAscii = QChar(keyAscii).toUpper().unicode();
}

AdmissionFind FindAdmissionInBox(InpatientFile::Patient& patient, InpatientRoster::InpatientList& picker,
                                 QLineEdit& box) {
    QString text = box.text();
    const AdmissionFind found = FindAdmission(patient, picker, text);
    // Only a changed text is written back: the box's change event enables the find again.
    if (text != box.text())
        box.setText(text);
    return found;
}

void VisitBanner::showVisit(const OutpatientFile::OPDPatient& visit) const {
    visitBox->setText(visit.OPDNumber());
    name->setText(visit.PatientName() + suffix);
    hospitalNumber->setText(visit.HospitalNumber() + suffix);
    sex->setText(Left(visit.Sex(), 1) + suffix);
    age->setText(visit.Age() + suffix);
    doctorCode->setText(visit.DoctorCode() + suffix);
    doctor->setText(visit.Doctor() + suffix);
    accountNumber->setText(visit.AccountNumber());
    accountName->setText(visit.AccountName());
}

void VisitBanner::showNewVisit(const clsPatient& patient) const {
    visitBox->setText(QStringLiteral("NEW"));
    name->setText(patient.PatientName() + suffix);
    hospitalNumber->setText(patient.HospitalNumber() + suffix);
    sex->setText(Left(patient.Sex(), 1) + suffix);
    age->setText(patient.Age() + suffix);
}

void SetOutPriceBlink(QTimer& timer, QLabel& label, bool on) {
    if (on) {
        if (!timer.isActive())
            timer.start();
        return;
    }
    timer.stop();
    label.hide();
}

void BlinkOutPriceLabel(QLabel& label) {
    ignoringErrors([&] { label.setVisible(label.isHidden()); });
}

} // namespace qx
