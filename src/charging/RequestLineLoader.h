#pragma once
#include "components/Recordset.h"

#include <QPixmap>
#include <QString>
#include <functional>
#include <vector>

namespace qx {

class Connection;
class FlexGrid;
namespace DrugCatalog {
class Drug;
}

// Where a request screen's grid keeps each value of a pending request line. A grid without one
// of the item-name columns gives it as -1.
struct RequestGridColumns {
    int code = 1, genericName = 2, description = 3, brand = 4, supplier = 5, pnf = 6, uom = 7, dosage = 8,
        requested = 9, issued = 10, stock = 11, amount = 12, remarks = 13, unitPrice = 14, requestNumber = 15,
        seniorCheck = 16, nurse = 17, requestDate = 18, oldAmount = 20, requestedCode = 21;
    std::vector<int> genericMarks = {22};  // "*" while a generic request waits for a product
    int fixedCharge = 28, barcode = 30, scanFlag = 31;
};

// The pictures of the request grids: the senior-discount check box of a line and the barcode
// state of column 0.
struct RequestGridPictures {
    QPixmap emptyBox;    // image 1: discount off
    QPixmap tickedBox;   // image 2: discount on; the barcode state of a generic request
    QPixmap greyedBox;   // image 3: a cancelled or delayed line
    QPixmap uncheck;     // the barcode state of an item line not yet scanned
    QPixmap check;       // scanned and matching
    QPixmap wrong;       // scanned and not matching
    static RequestGridPictures standard();
};

// Lists a patient's pending requests into a request grid, one line per request the screen can
// serve: the lines of the first request's doctor only (all lines when it names none), generic
// requests as "G: " lines waiting for a product, item requests with names, stock and prices.
// A generic or an item that cannot be found is left out without a message. A list without a
// doctor or generic field (take-home prescriptions) has every line, each an item line.
class RequestLineLoader {
public:
    struct Settings {
        bool checkBarcode = false;     // barcode columns and the state pictures of column 0
        bool searchWithPatient = false;  // inventory switch 89: the search also passes the patient
        QString location;              // the dispensing location searched
        QString patientKey;            // the admission or visit passed with switch 89
        bool numberGenericLines = true;  // a generic request's column 0: its number and "+"
        QString nurseField = QStringLiteral("user");  // the list's field naming the requesting nurse
    };
    struct Result {
        bool anyRequest = false;       // the list had a row (whether or not it was shown)
        QString doctorId, doctor;      // of the first row
        QString targetLocation;        // of the first row
        int lines = 0;
    };

    RequestLineLoader(RequestGridColumns columns, RequestGridPictures pictures, Settings settings)
        : columns_(std::move(columns)), pictures_(std::move(pictures)), settings_(std::move(settings)) {}

    // Writes the unit price, the amount and the other price columns of an item line just
    // written; the drug component's current item is the line's.
    std::function<void(int row, const Recordset& requests, int index)> priceItemLine;
    // Run once a line is written and priced (the fixed-charge mark).
    std::function<void(int row)> lineWritten;

    // Lines go from row 1 on; the grid grows to hold them and keeps its one empty line when
    // nothing is listed. With barcode checking, every line's column 0 ends with the picture of
    // the last line's kind and the last line is current; otherwise the current cell is kept.
    Result load(Connection& con, DrugCatalog::Drug& drug, FlexGrid& grid, const Recordset& requests);

private:
    void writeShared(Connection& con, FlexGrid& grid, int row, const Recordset& rs, int index, const QString& code);

    RequestGridColumns columns_;
    RequestGridPictures pictures_;
    Settings settings_;
};

} // namespace qx
