#include "charging/RequestLineStates.h"

#include "charging/ChargeGrid.h"
#include "components/PlatformServices.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/GridHelpers.h"
#include "shell/PatientChecks.h"
#include "shell/Session.h"
#include "shell/UserLog.h"

#include <QLabel>

namespace qx {

bool RequestLineActions::cancelLine() const {
    return markLine(QStringLiteral("Are you sure to cancel the request?"), kCancelledLineState,
                    QStringLiteral("Cancelled Request ItemID# : "), [this](const QString& itemCode) {
                        CancelNursingRequest(SQLConnection(), patientId(), QStringLiteral("PH"), itemCode,
                                             gComponents.gCurrentUser->EmployeeCode(), cancelMode);
                    });
}

bool RequestLineActions::delayLine() const {
    return markLine(QStringLiteral("Are you sure to delay this item?"), kDelayedLineState,
                    QStringLiteral("Delayed Request ItemID# : "), {});
}

bool RequestLineActions::markLine(const QString& question, const QString& state, const QString& logText,
                                  const std::function<void(const QString& itemCode)>& beforeMarks) const {
    FlexGrid& grid = *chargeGrid->grid();
    const int row = grid.row();
    const RequestStateColumns& c = columns;
    // A line with nothing behind it has no request to cancel or put off.
    if (row < grid.fixedRows() || chargeGrid->isBlankRow(row) ||
        (requireRequestNumber && Trim(grid.textMatrix(row, c.requestNumber)).isEmpty()))
        return false;
    if (MsgBox(question, vbYesNo | vbQuestion) != vbYes)
        return false;
    const QString itemCode = Trim(grid.textMatrix(row, c.code));
    if (beforeMarks)
        beforeMarks(itemCode);
    grid.setTextMatrix(row, c.dosage, state);
    grid.setTextMatrix(row, c.remarks, state);
    if (writeUserLog)
        SaveUserLog(logText + itemCode + QStringLiteral(" | Under Patient : ") + patientName());
    for (int col = c.firstMarked; col <= c.lastMarked; ++col)
        grid.setTextMatrix(row, col, QStringLiteral("XXX"));
    grid.setCellPicture(row, c.seniorCheck, greyedBox);
    total->setText(Str(SumGridColumn(grid, c.amount, 1)));
    chargeGrid->hideEditor();
    if (grid.isEnabled())
        grid.setFocus(Qt::OtherFocusReason);
    return true;
}

} // namespace qx
