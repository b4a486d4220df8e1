#pragma once
#include <QString>
#include <QVariantMap>
#include <functional>
#include <memory>
#include <optional>

namespace qx::report {
class Report;
}

namespace qx {

class Connection;

// The header of a charge-slip style report, as the charge-slip screens fill it. Empty text is a
// value like any other.
struct ChargeSlipHeader {
    QString name;          // NAME
    QString patientId;     // ADMNUM, @IDNUM
    QString hospNum;       // HOSPNUM
    QString room;          // ROOM
    QString encoder;       // ENCODER
    QString issuedBy;      // ISSUEDBY
    QString transType;     // TRANSTYPE: the copy label
    QString printKey;      // INPUTUSERID, @VARUSERID: host id or employee code of the staged rows
    QString slipNumber;    // REFNUM, @REFNUMBER, STRREFNUM
    QString transDate;     // TRANSDATE, PROCESSDATE
    QString doctor;        // DOCTOR
    QString company;       // COMPANY
    QString station;       // STATION
    QString age;           // AGE
    QString sex;           // SEX
    QString requestDate;   // DATEREQUEST, REQUESTDATE
    QString package;       // PACKAGE
    QString position;      // POSITION
    QString remarks;       // REMARKS
    QString postedDate;    // POSTEDDATE
    QString account;       // ACCOUNT
};

// The header value a parameter of the given name (trimmed, any letter case) receives, the
// hospital's name and address included; nothing for a name no header value goes to.
std::optional<QString> ChargeSlipParameterValue(const ChargeSlipHeader& header, const QString& parameterName);

// The slip header of a request screen from its patient labels (`banner` answers the trimmed text
// of an index: 0 hospital number, 2 name, 3 doctor, 4 room, 7 patient id, 9 age, 10 sex):
// TRANSTYPE "CF", the workstation's staged rows, the employee, the patient's account and
// package, the request date from the server's clock.
ChargeSlipHeader BannerChargeSlipHeader(Connection& con, const std::function<QString(int index)>& banner,
                                        const QString& issuedBy, const QString& slipNumber);

// Opens the report file (found by the site's report rule) into `report`, titled with the
// hospital's name, its tables on INVENTORY, every parameter cleared and given its header value
// by name. Errors are raised again under this procedure's name; `report` is then empty.
void SetChargeSlipReport(std::shared_ptr<report::Report>& report, const QString& fileName,
                         const ChargeSlipHeader& header);

// Shows the cash credit-advise slip of the receipt and advise in the report viewer, from which
// the user prints. Errors are raised again under this procedure's name.
void PrintCashCMSlip(const QString& orNumber, const QString& adviseNumber, const QString& remarks);

// Prints a filled slip report at the end of a save: under pharmacy switch 16 it is shown in the
// report window first (printed once before that under switch 28); unless the user printed from
// that preview, it then prints its copies without a dialog: with `askCopiesAtZmx` at site ZMX as
// many as the copies dialog is given (0 prints one), else GetChargeSlipCopies(useSiteDefault).
// Answers the print-outs made here, the preview's own print not counted. Errors reach the caller.
int PrintSlipReport(const std::shared_ptr<report::Report>& report, bool useSiteDefault, bool askCopiesAtZmx = true);

// Prints a filled slip report `copies` times without any dialog or preview; answers the
// print-outs made.
int PrintSlipCopies(const std::shared_ptr<report::Report>& report, int copies);

// Opens a slip for printing straight to the printer: the file found by the site's report rule,
// titled with the hospital's name, its tables on Inventory, every parameter cleared and given the
// value `values` names for it (names compared trimmed, any letter case), prompting off. Errors
// reach the caller.
std::shared_ptr<report::Report> OpenSlipReport(const QString& fileName, const QVariantMap& values);
// The copies a reprint prints in: at site ZMX what the copies dialog is given (0 when it is
// closed without OK), elsewhere GetChargeSlipCopies(useSiteDefault).
int ReprintCopies(bool useSiteDefault);

// The copies a charge slip prints in: the stored setting, 1 when it is missing, not a number,
// or below 1; always 2 at site ZMX when `useSiteDefault`.
qint16 GetChargeSlipCopies(bool useSiteDefault);
// Stores the copies setting as the text of a number.
void SaveChargeSlipCopies(const QString& copies);

} // namespace qx
