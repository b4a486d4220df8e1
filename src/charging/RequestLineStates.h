#pragma once
#include <QPixmap>
#include <QString>
#include <functional>

class QLabel;

namespace qx {

class ChargeGrid;

// The states a request screen writes into a line of its own grid: a cancelled line (the station's
// request revoked at once) and a delayed line (left pending). Validation, saving, the editor and
// the labels recognise lines by these marks.
inline const QString kCancelledLineState = QStringLiteral("CANCELLED");
inline const QString kDelayedLineState = QStringLiteral("DELAYED");

// Where a request grid keeps what the states touch.
struct RequestStateColumns {
    int code = 1, dosage = 8, remarks = 13, seniorCheck = 16, requestNumber = 15;
    int firstMarked = 9, lastMarked = 12;  // requested, issued, stock and amount become "XXX"
    int amount = 12;
};

// The cancel and delay buttons of a request screen on the grid's current line.
struct RequestLineActions {
    ChargeGrid* chargeGrid = nullptr;
    RequestStateColumns columns;
    QPixmap greyedBox;           // the state picture of column 16
    QLabel* total = nullptr;     // the screen's total of the amounts
    std::function<QString()> patientId;    // the admission or visit
    std::function<QString()> patientName;  // for the user log
    // The take-home screen cancels the prescription's records (mode 1), writes no user log and
    // cancels a line whose request number is empty.
    int cancelMode = 0;
    bool writeUserLog = true;
    bool requireRequestNumber = true;

    // Asks, cancels the station's request of the line's item at once, marks the line "CANCELLED"
    // and logs it. False when nothing was done: the user said No, or the line is blank or has no
    // request behind it (where a request number is required).
    bool cancelLine() const;
    // Asks, then marks the line "DELAYED" and logs it; the request stays pending.
    bool delayLine() const;

private:
    bool markLine(const QString& question, const QString& state, const QString& logText,
                  const std::function<void(const QString& itemCode)>& beforeMarks) const;
};

} // namespace qx
