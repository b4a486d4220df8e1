#pragma once
#include <QString>

namespace qx {

class Connection;
class FlexGrid;

// What one medication label prints, line by line.
struct MedicationLabel {
    QString patient;
    QString room;
    QString barcode;
    QString genericName;  // empty: the line is left out and the lines below move up
    QString description;
    QString quantity;
    QString requestDate;
};

// Prints one label as a job of its own of Reports/MedicationLabel.rpt on the program's current
// printer, laid out by the label settings read now (the logo yrd3.bmp found by the report-path
// rule). A setting that is not a number where one is needed, or a missing logo, raises an error
// before anything is printed.
void PrintMedicationLabel(const MedicationLabel& label);

// The patient a request screen's labels name.
struct LabelPatient {
    bool byInitials = false;  // site YRD: initials and admission number
    QString initials;
    QString admission;
    QString name;
    QString age;
    QString stationAndRoom;
};

// Columns of a request grid that the labels read.
struct LabelColumns {
    int code = 1;
    int description = 3;
    int dosage = 8;
    int issued = 10;
    int requestDate = 18;
};

// Prints the labels of every line of the grid that is not cancelled: one per issued unit
// ("Qty.: k of n") when the item's barcode is shared, else one for the line. An item not on
// file is passed over; one without a barcode is told and passed over. Returns the labels
// printed; an error stops the run and reaches the caller.
int PrintRequestLabels(Connection& con, const FlexGrid& grid, const LabelColumns& columns, const LabelPatient& patient);

// The patient's initials for the labels (Pharma_PatientInitials); empty when none are on record.
QString LoadPatientInitials(Connection& con, const QString& admission, bool& found);

} // namespace qx
