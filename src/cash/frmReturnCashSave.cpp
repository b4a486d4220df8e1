// Saving of the credit advise screen: the supervisor and line checks, the advise number, a credit
// memo and a stock-card credit per line under pharmacy switch 23, the advise rows, all in one
// transaction; then the slip, and the reprint of the last advise.
#include "cash/frmReturnCash.h"

#include "charging/CashAssessmentNumbers.h"
#include "charging/ChargeGrid.h"
#include "charging/SlipPrinting.h"
#include "charging/StockCard.h"
#include "components/AppError.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "components/InputBox.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"
#include "shell/Switches.h"
#include "shell/frmDeletePassword.h"
#include "shell/frmShift.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx {

namespace {

const QString kReturnCashSaveModule = QStringLiteral("frmReturnCash");
const QString kAdviseNotSaved = QStringLiteral("Not successfully saved. pls check the encoded data.");

// The 'PC' credit of one returned line, as the drug component takes it.
DrugCatalog::StockCardArgs adviseCreditLine(Connection& con, const QString& item, const QString& receipt, double quantity,
                                      double amount, const QString& user, const QString& creditMemo) {
    DrugCatalog::StockCardArgs a;
    a.count = 25;
    a[1] = QString();
    a[2] = QStringLiteral("CASH");
    a[3] = item;
    a[4] = Format(con.serverNow(), QStringLiteral("mm/dd/yyyy hh:mm:ss"));
    a[5] = receipt;
    a[6] = quantity;
    a[7] = qint16(0);
    a[8] = amount;
    a[9] = user;
    a[10] = QString();
    a[11] = QString();
    a[12] = gLocationID;
    a[13] = QString();
    a[14] = QStringLiteral("OPD");
    a[15] = qint16(frmShift::Default().Shift());
    a[16] = QStringLiteral("PC");
    a[17] = QStringLiteral("PC");
    a[18] = QString();
    a[19] = QStringLiteral("D");
    a[20] = QString();
    a[21] = QString();
    a[22] = QStringLiteral("O");
    a[23] = qint16(0);
    a[24] = qint16(2);
    a[25] = creditMemo;
    return a;
}

} // namespace

bool frmReturnCash::SaveCM() {
    QString user = gEmployeeCode;
    if (gHasValidation) {
        frmDeletePassword& approval = frmDeletePassword::Default();
        approval.setHeightTwips(2400);
        showModal(approval);
        if (!approval.OKCharge()) {
            MsgBox(QStringLiteral("Invalid Password."), vbInformation, QStringLiteral("MESSAGE"));
            return false;
        }
        user = approval.VerifyID();
    }
    if (BlankRows() == flexMSEntry->rows() - 1) {
        MsgBox(QStringLiteral("You have no entries yet."), vbExclamation, QStringLiteral("MESSAGE"));
        flexMSEntry->setFocus(Qt::OtherFocusReason);
        return false;
    }
    // Only complete lines are saved: a line without its quantity is named and kept for correction.
    const QString incomplete = NoSaveRows();
    if (!canSave() || !incomplete.isEmpty()) {
        MsgBox(QStringLiteral("You have incomplete entry in line # ") + incomplete, vbCritical, QStringLiteral("WARNING"));
        flexMSEntry->setFocus(Qt::OtherFocusReason);
        return false;
    }

    Connection& con = SQLConnection();
    const QString payee = lblPayee->text();
    QString advise;
    const bool saved = tellingErrors([&] {
        Transaction tx(con);
        advise = ClaimBillingNumber(con, CreditAdviseNumberSeries(), QStringLiteral("CASH"), user);
        const bool withCreditMemos = GetPharmaSwitch(con, QStringLiteral("23"));
        for (int row = 1; row < flexMSEntry->rows(); ++row) {
            const auto cell = [&](int col) { return flexMSEntry->textMatrix(row, col); };
            const QString item = cell(colCode);
            if (item.isEmpty())
                continue;
            const QString receipt = cell(colORNumber);
            const double quantity = ToDouble(cell(colQuantity));
            const double amount = ToDouble(cell(colAmount));
            if (withCreditMemos) {
                const QString creditMemo = ClaimBillingNumber(con, CashCreditMemoNumberSeries(), QStringLiteral("CASH"), user);
                SlotComponent(gComponents.gDrug)
                    .Drug()
                    .AppendStockCard(adviseCreditLine(con, item, receipt, quantity, amount, user, creditMemo));
            }
            con.callProcedure(QStringLiteral("spCash_SaveCMAdvise"),
                              {{QStringLiteral("@Code"), QStringLiteral("PH")},
                               {QStringLiteral("@AdviseNo"), advise},
                               {QStringLiteral("@ORNumber"), receipt},
                               {QStringLiteral("@Payee"), payee},
                               {QStringLiteral("@ItemID"), item},
                               {QStringLiteral("@UnitPrice"), ToDouble(cell(colUnitPrice))},
                               {QStringLiteral("@Quantity"), quantity},
                               {QStringLiteral("@Amount"), amount},
                               {QStringLiteral("@UserID"), user},
                               {QStringLiteral("@DiscountType"), cell(colDiscountType)},
                               {QStringLiteral("@DiscountAmount"), ToDouble(cell(colDiscount))},
                               {QStringLiteral("@VATAmount"), ToDouble(cell(colVAT))},
                               {QStringLiteral("@VATExempt"), cell(colVATExempt) == QLatin1String("Y")},
                               {QStringLiteral("@DiscountRate"), ToDouble(cell(colDiscountRate))},
                               {QStringLiteral("@LineNumber"), qint64(row)}});
        }
        tx.commit();
    });
    if (!saved)
        return false;
    mLastAdvise = advise;
    cmdReprint->show();
    return true;
}

void frmReturnCash::cmdSave_Click() {
    unhandledErrorGuard([&] {
        if (SaveCM())
            ClearAll();
    });
}

QString frmReturnCash::askRemarks() const {
    if (gSiteCode != QLatin1String("OXBEN"))
        return QString();
    QString remarks;
    while (remarks.isEmpty())
        remarks = InputBox(QStringLiteral("Enter Remarks: "), QStringLiteral("Remarks")).value_or(QString());
    return remarks;
}

bool frmReturnCash::printLastAdvise(const QString& remarks) {
    const QString receipt = Trim(txtORNumber->text());
    if (!isSaveInStockcard(SQLConnection(), receipt, Trim(mLastAdvise))) {
        MsgBox(kAdviseNotSaved, vbCritical | vbInformation, QStringLiteral("Message"));
        return false;
    }
    PrintCashCMSlip(receipt, mLastAdvise, remarks);
    ClearAll();
    return true;
}

void frmReturnCash::cmdPrintSave_Click() {
    unhandledErrorGuard([&] {
        const QString remarks = askRemarks();
        if (mPrintLatch)
            return;
        cmdPrintSave->setEnabled(false);
        // A refused save has told why; only the advise this press saved is printed.
        if (!SaveCM()) {
            enableSaveByRows();
            return;
        }
        if (!printLastAdvise(remarks))
            mPrintLatch = true;
    });
}

void frmReturnCash::cmdReprint_Click() {
    unhandledErrorGuard([&] { printLastAdvise(askRemarks()); });
}

} // namespace qx
