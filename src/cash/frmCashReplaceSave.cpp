// Saving of the replacement screen: the line and total checks, then every receipt line taken back
// and every replacement issued under the receipt's number, in one transaction; the receipt print.
#include "cash/frmCashReplace.h"

#include "charging/ChargeGrid.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "components/Locations.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "platform/report/Report.h"
#include "shell/HospitalSettings.h"
#include "shell/ReportOpening.h"
#include "shell/Session.h"
#include "shell/frmShift.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx {

namespace {

// A caption's amount in centavos, its thousands separators dropped.
qint64 captionCentavos(const QLabel* label) { return qRound64(Val(QString(label->text()).remove(QLatin1Char(','))) * 100); }

// One stock-card line of a replacement: the fixed positions of both kinds.
DrugCatalog::StockCardArgs replacementLine(Connection& con, const QString& hospNum, const QString& idNum,
                                           const QString& item, const QString& receipt, double quantity, double amount,
                                           const QString& doctor) {
    DrugCatalog::StockCardArgs a;
    a.count = 28;
    a[1] = hospNum;
    a[2] = idNum;
    a[3] = item;
    a[4] = Format(con.serverNow(), QStringLiteral("mm/dd/yyyy hh:mm:ss"));
    a[5] = receipt;
    a[6] = quantity;
    a[7] = quantity;
    a[8] = amount;
    a[9] = gEmployeeCode;
    a[10] = QString();
    a[11] = doctor;
    a[12] = kMainPharmacyLocation;
    a[13] = QString();
    a[14] = QStringLiteral("OPD");
    a[15] = qint16(frmShift::Default().Shift());
    a[22] = QStringLiteral("O");
    a[26] = qint16(0);
    a[28] = gHostID;
    return a;
}

// Whether a replacement has already taken the receipt's lines back.
bool receiptAlreadyReplaced(Connection& con, const QString& receipt) {
    return !con.query(QStringLiteral("SELECT 1 FROM tbInvStockCard WHERE RefNum = ? AND SummaryCode = 'PH' AND Quantity < 0 "
                                     "LIMIT 1"),
                      {receipt})
                .isEmpty();
}

} // namespace

bool frmCashReplace::SaveEntry() {
    if (mListedReceipt.isEmpty()) {
        MsgBox(QStringLiteral("Pls Input valid ornumber to replace.."), vbInformation, QStringLiteral("Message"));
        return false;
    }
    bool ok = true;
    if (BlankRows() == flexMSEntry->rows() - 1) {
        MsgBox(QStringLiteral("You have no entries yet."), vbExclamation, QStringLiteral("MESSAGE"));
        flexMSEntry->setFocus(Qt::OtherFocusReason);
        ok = false;
    } else if (!canSave() || !NoSaveRows().isEmpty()) {
        // Only complete lines are issued: a code without its quantity is named, not posted as 0.
        MsgBox(QStringLiteral("You have incomplete entry in line # ") + NoSaveRows(), vbCritical, QStringLiteral("WARNING"));
        flexMSEntry->setFocus(Qt::OtherFocusReason);
        ok = false;
    }
    if (captionCentavos(lblTotalReplace) < captionCentavos(lblTotal)) {
        MsgBox(QStringLiteral("Total amount must be equal or lesser to the amount of receipts listed on top."), vbCritical,
               QStringLiteral("WARNING"));
        ok = false;
    }
    if (!ok)
        return false;

    Connection& con = SQLConnection();
    const QString receipt = mListedReceipt;
    const auto receiptCell = [this](int row, int col) { return flexGrdReplace->textMatrix(row, col); };
    bool replacedBefore = false;
    const bool posted = tellingErrors([&] {
        Transaction tx(con);
        if (receiptAlreadyReplaced(con, receipt)) {
            replacedBefore = true;
            return;
        }
        QVector<DrugCatalog::StockCardArgs> lines;
        for (int row = 1; row < flexGrdReplace->rows(); ++row) {
            DrugCatalog::StockCardArgs a = replacementLine(
                con, receiptCell(row, rcHospNum), receiptCell(row, rcIDNum), receiptCell(row, rcCode), receipt,
                -Val(receiptCell(row, rcQuantity)), -Val(receiptCell(row, rcAmount)), receiptCell(row, rcDoctor));
            a[16] = QStringLiteral("PH");
            a[17] = QStringLiteral("PH");
            lines << a;
        }
        for (int row = 1; row < flexMSEntry->rows(); ++row) {
            const auto cell = [&](int col) { return flexMSEntry->textMatrix(row, col); };
            if (cell(colCode).isEmpty())
                continue;
            lines << replacementLine(con, receiptCell(1, rcHospNum), receiptCell(1, rcIDNum), cell(colCode), receipt,
                                     Val(cell(colQuantity)), Val(cell(colAmount)), receiptCell(1, rcDoctor));
        }
        SlotComponent(gComponents.gDrug).Drug().AppendStockCards(lines);
        tx.commit();
    });
    if (replacedBefore) {
        MsgBox(QStringLiteral("The items of this receipt were already replaced."), vbExclamation, QStringLiteral("WARNING"));
        return false;
    }
    return posted;
}

std::shared_ptr<report::Report> frmCashReplace::OpenReplacementOR(const QString& receiptNumber) {
    const std::shared_ptr<report::Report> slip = report::Report::open(ResolveReportPath(QStringLiteral("ReplacementOR.rpt")));
    const std::pair<const char*, QString> values[] = {
        {"HOSPITALNAME", gHospitalName}, {"HOSPITALADDRESS", gHospitalAddress}, {"@REFNUM", receiptNumber}};
    for (const auto& [name, value] : values) {
        if (report::ParameterField* field = slip->findParameter(QString::fromLatin1(name))) {
            field->clearCurrentValues();
            field->addCurrentValue(value);
        }
    }
    slip->setEnableParameterPrompting(false);
    LogOnReportTables(*slip, QStringLiteral("Inventory"));
    return slip;
}

void frmCashReplace::PrintReplacementOR() {
    generalProcedure(QStringLiteral("frmCashReplace"), QStringLiteral("PrintReplacementOR"), [&] {
        cmdPrintSave->setEnabled(false);
        OpenReplacementOR(txtORNumber->text())->printOut(false);
        ClearAll(true);
    });
}

void frmCashReplace::cmdSave_Click() {
    unhandledErrorGuard([&] {
        if (!SaveEntry())
            return;
        ClearAll(true);
        mClosing = true;
        close();
    });
}

void frmCashReplace::cmdPrintSave_Click() {
    unhandledErrorGuard([&] {
        if (!SaveEntry())
            return;
        tellingErrors([&] { PrintReplacementOR(); });
        ClearAll(true);
        mClosing = true;
        close();
    });
}

} // namespace qx
