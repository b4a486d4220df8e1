#pragma once
#include "charging/PatientSelection.h"

#include <QString>
#include <functional>

class QLabel;
class QLineEdit;
class QTimer;

namespace qx {

class clsPatient;

// The boxes and banners through which the posting screens look a patient up; each screen
// configures them with its own controls.

// A look-up box's key press: Enter runs the look-up and types nothing; any other character
// reaches the box in upper case.
void LookupBoxKeyPress(int& keyAscii, const std::function<void()>& lookUp);

// FindAdmission over the screen's admission box: the picker's answer replaces the box's text.
AdmissionFind FindAdmissionInBox(InpatientFile::Patient& patient, InpatientRoster::InpatientList& picker,
                                 QLineEdit& box);

// The banner of an out-patient posting screen. The patient's values are shown between `prefix`
// and `suffix`; the visit and account numbers and the account's name as they are. A screen
// without the doctor or account fields leaves them null.
struct VisitBanner {
    QLineEdit* visitBox = nullptr;
    QLabel* name = nullptr;
    QLabel* hospitalNumber = nullptr;
    QLabel* sex = nullptr;  // its first letter
    QLabel* age = nullptr;
    QLineEdit* doctorCode = nullptr;
    QLabel* doctor = nullptr;
    QLineEdit* accountNumber = nullptr;
    QLabel* accountName = nullptr;
    QString prefix;
    QString suffix;

    // A registered visit, as the visit component holds it.
    void showVisit(const OutpatientFile::OPDPatient& visit) const;
    // A patient of the master record, to be charged under a new visit ("NEW"); the doctor and the
    // account are left to the screen.
    void showNewVisit(const clsPatient& patient) const;
};

// The blinking "OUT PATIENT PRICE" label: on starts the blink (a running one goes on), off stops
// it and hides the label.
void SetOutPriceBlink(QTimer& timer, QLabel& label, bool on);
// One tick of the blink; a tick never fails.
void BlinkOutPriceLabel(QLabel& label);

} // namespace qx
