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
    const auto show = [this](auto* field, const QString& value) {
        if (field)
            field->setText(prefix + value + suffix);
    };
    visitBox->setText(visit.OPDNumber());
    show(name, visit.PatientName());
    show(hospitalNumber, visit.HospitalNumber());
    show(sex, Left(visit.Sex(), 1));
    show(age, visit.Age());
    show(doctorCode, visit.DoctorCode());
    show(doctor, visit.Doctor());
    if (accountNumber)
        accountNumber->setText(visit.AccountNumber());
    if (accountName)
        accountName->setText(visit.AccountName());
}

void VisitBanner::showNewVisit(const clsPatient& patient) const {
    visitBox->setText(QStringLiteral("NEW"));
    name->setText(prefix + patient.PatientName() + suffix);
    hospitalNumber->setText(prefix + patient.HospitalNumber() + suffix);
    sex->setText(prefix + Left(patient.Sex(), 1) + suffix);
    age->setText(prefix + patient.Age() + suffix);
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
