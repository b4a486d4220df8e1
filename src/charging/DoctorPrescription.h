#pragma once
#include <QString>

namespace qx {

class Connection;
class FlexGrid;

// Columns of a request grid the prescription reads; the out-patient request grid's by default.
struct PrescriptionColumns {
    int code = 1;
    int dosage = 8;
    int issued = 10;
    int requestNumber = 15;
};

// Writes the issued quantity of each served line back into the station's open request of the
// same request number, in one transaction. Cancelled, delayed and blank lines and quantities that
// are not numbers are passed over; a request no longer open is left as it is.
void UpdateNurseRequestQuantity(Connection& con, const FlexGrid& grid, const PrescriptionColumns& columns,
                                const QString& visit);

// Saves the doctor's stored signature as DocSign.bmp in the site's report folder (made when
// missing) and returns its path; empty when none is stored or it cannot be saved.
QString SaveDoctorSignature(Connection& con, const QString& doctorCode);

// Prints DocPrescription.rpt once for each line of the visit's prescription by the doctor, on
// the current printer without preview; the signature (a saved DocSign.bmp) where the doctor has
// one, none otherwise. `option` is the prescription's kind: "0" the open requests of a visit,
// "1" an admission's take-home lines. Returns the prescriptions printed.
int PrintDoctorPrescription(Connection& con, const QString& visit, const QString& doctorCode, const QString& option);

} // namespace qx
