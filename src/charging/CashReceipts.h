#pragma once
#include "charging/Numbering.h"

#include <QString>
#include <QVector>

namespace qx {

class Connection;
namespace TillNumbers {
class CashNumbers;
}

// Number preceded by as many "0" as make it `width` characters; itself when it is that long already.
QString PadNumber(const QString& number, int width);
// The cash-sale receipt number of a cash number: "PH" and at least eight digits (123 gives PH00000123).
QString CashReceiptNumber(double cashNumber);
// Whether a cash-sale line was posted under the receipt number (trimmed).
bool FoundCISlip(Connection& con, const QString& receiptNumber);

// The receipt numbers of the cash-numbers component as a save claims them. A number is used when
// a cash-sale line carries it or a save recorded it as its claim (kind "OR"); a claim skips used
// numbers by moving the component on with the advance kind (1 drug group, 2 non-drug group).
class CashReceiptSeries : public NumberSeries {
public:
    CashReceiptSeries(Connection& con, TillNumbers::CashNumbers& numbers);
    void setAdvanceKind(int kind) { advanceKind_ = kind; }
    // The receipt number the component holds now (the screen's label).
    QString current() override;
    // The first free receipt number from the component's current one, recorded as this save's.
    // Inside the save's transaction the component's row stays locked until the save ends.
    QString claim(const QString& idNum, const QString& claimedBy) override;

private:
    Connection& con_;
    TillNumbers::CashNumbers& numbers_;
    int advanceKind_ = 1;
};

// One grid line of a cash sale as the save posts it.
struct CashSaleLine {
    QString itemId;
    QString description;
    double quantity = 0;
    double amount = 0;          // after the discounts
    bool marked = false;        // carries a line discount mark
    QString classLetter;        // "A", "B", "C" drug; anything else (empty too) a non-drug line
    QString remarks;            // the prescription line's remarks
    QString requestNumber;      // the transcription request served
    QString typeDiscount;       // the type A or B discount as the grid shows it
};

// What the save knows of the sale beyond its lines.
struct CashSale {
    QString patientName;   // as the banner shows it
    QString doctor;
    bool senior = false;   // Senior Citizen ticked
    double discountRate = 0;  // the senior rate, the typed other rate or 0
    QString employeeCode;
    QString locationId;    // where non-drug lines are issued from; drug lines always from "20"
    QString hostId;        // key of the workstation's receipt print rows
    QString reportDate;    // the cashier's report date, "mm/dd/yyyy"
    qint16 shift = 0;
    QVector<CashSaleLine> lines;
};

// One receipt of a saved sale.
struct CashSaleReceipt {
    QString number;     // "PH" + eight digits
    QString sequence;   // "PH" + drug number or "SC" + non-drug number
    int lines = 0;
};

// At most this many lines go under one receipt number.
constexpr int kLinesPerReceipt = 7;

bool IsDrugClass(const QString& classLetter);

// Posts the sale in one transaction: the drug lines first, seven to a receipt, then the other lines
// under receipts of their own; each line's stock-card entry, its receipt record and its print row
// (the workstation's earlier print rows cleared first). A failure posts nothing and leaves the
// numbers as they were. Gives the receipts in order.
QVector<CashSaleReceipt> PostCashSale(Connection& con, TillNumbers::CashNumbers& numbers, const CashSale& sale);

// Opens "ORPrint.rpt" into the shared report on the workstation's receipt rows, with the senior
// remark ("Senior Citizen Discount ( 20%)") and the employee's position.
void OpenCashReceipts(const QString& hostId, double seniorRate, const QString& position);
// Opens the receipts and prints them to the default printer, no dialog.
void PrintCashReceipts(const QString& hostId, double seniorRate, const QString& position);

} // namespace qx
