#pragma once
#include <QPixmap>
#include <QString>
#include <functional>

class QWidget;

namespace qx {

class ChargeGrid;

// Barcode verification of request lines: the pharmacist scans the lines in turn; each scan is
// compared with the line's expected barcode, the line is settled ("1", check picture in column 0)
// or rejected ("0", cross picture), and the editor walks on to the next line.
struct RequestBarcodeWalk {
    QWidget* parent = nullptr;  // of the refusal prompt
    ChargeGrid* chargeGrid = nullptr;
    int codeCol = 1, barcodeCol = 30, scanFlagCol = 31;
    QPixmap check, wrong;
    // The picture of a line settled by cancelling its request; the check picture when none.
    QPixmap cancelled;
    int* scanRow = nullptr;  // the line being verified, advanced as lines are settled
    // "&Cancel Request" on a refused scan: true when the user confirmed the cancellation.
    std::function<bool()> cancelLine;
    // "Ch&ange Request": the line becomes the scanned item; false when the look-up refused it.
    std::function<bool(int row, const QString& scanned)> changeLine;

    // Verifies a scan on the current line. A match, or a line without an expected barcode, settles
    // it; otherwise "CODE NOT ACCEPTED" offers to scan again (rejected), to cancel the request or
    // to change the line to the scanned item (settled when done, rejected when not). A settled
    // line moves the editor to the next line's code (it stays on the last line); a rejected one
    // keeps the editor on the line.
    void verify(const QString& scanned) const;

private:
    void settle(int row, const QPixmap& picture) const;
    void reject(int row) const;
};

} // namespace qx
