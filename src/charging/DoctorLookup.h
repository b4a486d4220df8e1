#pragma once
#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

namespace qx {

namespace Clinicians {
class Doctor;
class DoctorList;
} // namespace Clinicians

// The controls of a charging screen that the doctor look-up reads and writes.
struct DoctorLookupControls {
    QLineEdit* codeBox = nullptr;       // txtDocCode: the doctor the screen's lines are charged under
    QLabel* doctorCaption = nullptr;    // the banner's doctor label
    QLineEdit* doctorNameBox = nullptr; // or a read-only name box, on screens that have one
    QWidget* itemGrid = nullptr;        // receives the focus after a doctor is found
    bool focusGridOnlyWhenEnabled = true;
    // The caption is the prefix, the doctor's name and the suffix.
    QString captionPrefix = QStringLiteral(" DR. ");
    QString captionSuffix;
};

// Chooses the doctor by the code typed in the box, or from the doctor picker when the code is
// unknown. A found doctor's code goes into the box and " DR. " with the name into the caption;
// a cancelled picker changes nothing; a picked code the doctor file does not know is told with
// "Doctor's code is not found." and changes nothing.
void LookUpDoctor(Clinicians::Doctor& doctor, Clinicians::DoctorList& picker, const DoctorLookupControls& controls);

} // namespace qx
