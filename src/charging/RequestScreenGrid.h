#pragma once
#include "charging/RequestLineStates.h"

#include <QPixmap>
#include <QString>

class QLabel;
class QWidget;

namespace qx {

class ChargeGrid;
class ItemProfile;

// Where a request screen's grid keeps what the steps below read and paint.
struct RequestScreenColumns {
    int code = 1, genericName = 2, description = 3, supplier = 5, pnf = 6, dosage = 8, issued = 10, amount = 12,
        remarks = 13, unitPrice = 14, genericMark = 22;
    int seniorCheck = 16, seniorMark = 19, oldAmount = 20;  // "S.C. Discount", its mark and the amount before it
    int proposedPrice = 25;  // the price the price-change dialog proposes, and takes back
    int fixedCharge = 28;
    int lastMarked = 23;  // fixed-charge marks paint columns 1 to this one
};

// The steps the request screens (in-patient, out-patient, take-home) take alike over their list
// of requests, configured by each screen's columns and controls. A screen builds one whenever it
// needs it: its controls are rebuilt at every load.
struct RequestScreenGrid {
    QString module;  // the screen's name in the error log
    RequestScreenColumns columns;
    QWidget* window = nullptr;
    QWidget* gridFrame = nullptr;
    ChargeGrid* chargeGrid = nullptr;
    ItemProfile* profile = nullptr;
    QPixmap greyedBox;
    QLabel* total = nullptr;        // the total of the amounts
    QLabel* patientId = nullptr;    // the admission or visit shown
    QLabel* patientName = nullptr;

    // A fresh grid laid out with the first code cell current, the first focus pending.
    void start() const;
    // With the barcode check on, the editor waits on the first code cell for the first scan.
    void openEditorForScan() const;

    RequestLineActions lineActions() const;
    // The "Previous Orders" of the item on a line, with the line's generic mark, remarks and dosage.
    void loadListProfile(const QString& patientKey, const QString& itemCode, int row) const;
    // A double click or Space in the grid: with the pointer over "S.C. Discount" the line's senior
    // discount goes on or off (its box drawn at `pictureCol` of the line); on the amount column the
    // price-change dialog, where the hospital allows it and the line has numbers to offer.
    void doubleClick(QWidget* parent, int mouseCol, double discountPercent, int pictureCol, const QPixmap& tickedBox,
                     const QPixmap& emptyBox) const;
    void markFixedPrices() const;
    void markFixedPriceLine(int row) const;
    // Antibiotic classes colour the code to the description.
    void markAntibiotics() const;
    // The optional columns: supplier and PNF as the site's switches say, the generic name always.
    void setSupplierColWidth() const;
    void setPNFColWidth() const;
    void setGenericNameColWidth() const;
};

} // namespace qx
