#pragma once
#include "platform/Colors.h"

#include <QString>
#include <array>

class QLabel;
class QLineEdit;

namespace qx {

class Connection;
namespace InpatientFile {
class Patient;
}

// What the in-patient charging screens (manual posting, the request screen) show and refuse
// about an admission above their grids. Each reads afresh; nothing is cached between patients.

extern const QString kOpenBillDate;  // Billed() of an admission whose bill is still open

// The refusals of a closed bill, each in its "MESSAGE" box with the information icon.
void ShowBillClosedToday();
void ShowBillClosedRefusal();

// Tells, in a "Message" box, that the admission is tagged as bringing its own medicines.
void TellIfPatientsMed(Connection& con, const QString& admission);
// The admission is flagged VIP; an unknown admission is not.
bool IsVIPPatient(Connection& con, const QString& admission);

// The charge-slip number the next save will try, for display only: the user's terminal counter
// at site QVH, the number kept per patient with pharmacy switch 22, else the drug component's.
QString ShownDispensingChargeSlip(Connection& con, const QString& admission);

// The package label shows the executive package's name, or hides when there is none.
void ShowExecutivePackage(Connection& con, QLabel& label, const QString& admission);
// With the sponsorship programme in use, the label shows exactly when the patient is enrolled;
// otherwise it is left as it is.
void ShowSponsorship(Connection& con, QLabel& label, const QString& admission);
// With room mark-up pricing on, the room's mark-up and class are shown when the admission has a
// row for them; otherwise both labels are left as they are.
void ShowRoomMarkUp(Connection& con, QLabel& markUp, QLabel& roomClass, const QString& admission);

// The header of the screens that serve an admission's requests (in-patient, take-home): the
// patients-med notice, the executive package and the sponsorship, then in `patInfo` the
// admission (7), hospital number (0), "<station id> - <station>" (1), name (2), doctor (3),
// "<requesting station> (<room>)" (4), company (8), age (9) and sex (10), and the doctor's code.
void ShowRequestAdmission(Connection& con, const InpatientFile::Patient& patient, const QString& requestingStation,
                          const std::array<QLabel*, 11>& patInfo, QLineEdit& doctorCode, QLabel& execPackage,
                          QLabel& sponsorship);

// The VIP label's blink: the background colour after the given one.
ColorValue NextVIPBlinkColor(ColorValue current);
constexpr ColorValue kVIPBlinkStart = 0xC0C0FF;

} // namespace qx
