#include "charging/DoctorLookup.h"

#include "components/Clinicians.h"
#include "components/PlatformServices.h"

#include <QLabel>
#include <QLineEdit>

namespace qx {

namespace {
void focusCodeBox(QLineEdit* box) {
    if (box->isEnabled())
        box->setFocus(Qt::OtherFocusReason);
}
} // namespace

void LookUpDoctor(Clinicians::Doctor& doctor, Clinicians::DoctorList& picker, const DoctorLookupControls& controls) {
    QLineEdit* const box = controls.codeBox;
    const QString candidate = doctor.Search(box->text()) ? box->text() : picker.ShowList(box->text());
    if (candidate.isEmpty()) {
        focusCodeBox(box);
        return;
    }
    if (!doctor.Search(candidate)) {
        MsgBox(QStringLiteral("Doctor's code is not found."), vbExclamation + vbOKOnly);
        focusCodeBox(box);
        return;
    }
    box->setText(doctor.DoctorCode());
    const QString caption = controls.captionPrefix + doctor.DoctorName() + controls.captionSuffix;
    if (controls.doctorCaption)
        controls.doctorCaption->setText(caption);
    if (controls.doctorNameBox)
        controls.doctorNameBox->setText(caption);
    if (controls.itemGrid && (!controls.focusGridOnlyWhenEnabled || controls.itemGrid->isEnabled()))
        controls.itemGrid->setFocus(Qt::OtherFocusReason);
}

} // namespace qx
