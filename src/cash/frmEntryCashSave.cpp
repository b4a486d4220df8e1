// The save of the cash-sale screen: its checks, the posting of the complete lines under receipt
// numbers, the receipt print and the closing.
#include "cash/frmEntryCash.h"

#include "charging/CashReceipts.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/Session.h"
#include "shell/frmShift.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx {

void frmEntryCash::cmdPrintSave_Click() {
    unhandledErrorGuard([&] {
        if (BlankRows() == flexMSEntry->rows() - 1) {
            MsgBox(QStringLiteral("You have no entries yet."), vbExclamation, QStringLiteral("MESSAGE"));
            flexMSEntry->setFocus(Qt::OtherFocusReason);
            return;
        }
        if (!canSave()) {
            MsgBox(QStringLiteral("You have incomplete entry in line # ") + NoSaveRows(), vbCritical, QStringLiteral("WARNING"));
            flexMSEntry->setFocus(Qt::OtherFocusReason);
            return;
        }
        if ((chkTypeA->isChecked() || chkTypeB->isChecked()) &&
            MsgBox(QStringLiteral("Please make sure than the discount rate was applied to the entries.  You can do this by "
                                  "clicking the APPLY button.  Do you wish to save your entries now?"),
                   vbCritical + vbYesNo) == vbNo) {
            (chkTypeA->isChecked() ? cmdApplyA : cmdApplyB)->setFocus(Qt::OtherFocusReason);
            return;
        }

        cmdPrintSave->setEnabled(false);
        CashSale sale;
        sale.patientName = lblPatInfo[0]->text();
        sale.doctor = lblPatInfo[2]->text();
        sale.senior = chkSenior->isChecked();
        if (chkSenior->isChecked())
            sale.discountRate = gCashSeniorDiscountRate;
        else if (chkEmployee->isChecked())
            sale.discountRate = typedOtherRate();
        sale.employeeCode = gEmployeeCode;
        sale.locationId = gLocationID;
        sale.hostId = gHostID;
        sale.reportDate = gCashReportDate;
        sale.shift = frmShift::Default().Shift();
        // Every complete line is posted, however long the grid.
        for (int row = 1; row < flexMSEntry->rows(); ++row) {
            if (!CanSaveRow(row))
                continue;
            const auto cell = [&](int col) { return flexMSEntry->textMatrix(row, col); };
            sale.lines.push_back({Trim(cell(colCode)), cell(colDescription), Val(cell(colQuantity)), Val(cell(colAmount)),
                                  cell(colLineMark) == QLatin1String("*"), Trim(cell(colClass)), cell(colRemarks),
                                  cell(colRequestNum), cell(colTypeDiscount)});
        }

        bool posted = false;
        tellingErrors([&] {
            PostCashSale(SQLConnection(), SlotComponent(gComponents.gCashNumbers), sale);
            posted = true;
        });
        if (!posted) {
            cmdPrintSave->setEnabled(true);
            return;
        }
        // The sale stands once posted: a receipt that cannot print is told, the sale is not undone.
        tellingErrors([&] { PrintCashReceipts(gHostID, gCashSeniorDiscountRate, gEmployeePosition); });

        cmdPrintSave->setEnabled(true);
        mEntrySaved = true;
        gExitRequested = true;
        close();
        gExitRequested = false;
    });
}

} // namespace qx
