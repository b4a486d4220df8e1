#include "cash/frmUnpostedCreditAdvise.h"

#include "charging/SlipPrinting.h"
#include "charging/StockCard.h"
#include "components/Connection.h"
#include "components/InputBox.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"

#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace qx {

namespace {

const QString kUnpostedAdviseModule = QStringLiteral("frmUnpostedCreditAdvise");
// The one site whose slips carry the remarks of the reprint.
const QString kAdviseRemarksSite = QStringLiteral("OXBEN");

// The list's columns: heading (the result's column name) and how a value shows.
enum class AdviseCell { Plain, Amount };
struct AdviseColumn {
    const char* heading;
    AdviseCell kind;
};
const AdviseColumn kAdviseColumns[] = {
    {"transdate", AdviseCell::Plain}, {"ornumber", AdviseCell::Plain}, {"adviseno", AdviseCell::Plain},
    {"itemid", AdviseCell::Plain},    {"itemname", AdviseCell::Plain}, {"UnitPrice", AdviseCell::Amount},
    {"quantity", AdviseCell::Plain},  {"Amount", AdviseCell::Amount},  {"clsCurrentUser", AdviseCell::Plain},
};
constexpr int kAdviseNoColumn = 2;

} // namespace

frmUnpostedCreditAdvise::frmUnpostedCreditAdvise(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmUnpostedCreditAdvise"));
    setWindowTitle(QStringLiteral("Unposted Credit Advise"));
    setModal(true);
    fgList = new FlexGrid(this);
    fgList->setMinimumSize(820, 260);
    cmdReprint = new QPushButton(QStringLiteral("Reprint Credit Advise"), this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fgList, 1);
    layout->addWidget(cmdReprint, 0, Qt::AlignRight);
    connect(cmdReprint, &QPushButton::clicked, this, &frmUnpostedCreditAdvise::cmdReprint_Click);
    connect(fgList, &FlexGrid::dblClick, this, &frmUnpostedCreditAdvise::fgList_DblClick);
}

void frmUnpostedCreditAdvise::Form_Load() {
    eventHandler(kUnpostedAdviseModule, QStringLiteral("Form_Load"), [this] {
        fgList->setFixedCols(0);
        fgList->setCols(int(std::size(kAdviseColumns)));
        fgList->setRows(1);
        fgList->setFixedRows(1);
        for (int col = 0; col < fgList->cols(); ++col)
            fgList->setTextMatrix(0, col, QString::fromLatin1(kAdviseColumns[col].heading));
        // Nothing listed, nothing to reprint.
        cmdReprint->setEnabled(false);
        if (ORNumber.isEmpty()) {
            MsgBox(QStringLiteral("Receipt number is required."), vbInformation);
            return;
        }
        listAdvises();
    });
}

void frmUnpostedCreditAdvise::listAdvises() {
    // The advising user's name keeps the parts he has; no employee row, no name.
    QString sql = QStringLiteral(
        "SELECT DISTINCT a.TransDate AS transdate, a.ORNumber AS ornumber, a.AdviseNo AS adviseno, a.ItemID AS itemid, "
        "b.ItemName AS itemname, a.UnitPrice AS UnitPrice, a.Quantity AS quantity, a.Amount AS Amount, "
        "CASE WHEN c.EmployeeID IS NULL THEN NULL ELSE COALESCE(c.LastName, '') || ', ' || COALESCE(c.FirstName, '') "
        "|| ' ' || COALESCE(c.MiddleName, '') END AS clsCurrentUser "
        "FROM billing.tbCashCreditAdvise a LEFT JOIN tbInvMaster b ON a.ItemID = b.ItemID "
        "LEFT JOIN password.tbPasswordMaster c ON a.UserID = c.EmployeeID "
        "WHERE UPPER(TRIM(a.ORNumber)) = UPPER(TRIM(?))");
    QVariantList binds{ORNumber};
    if (!ItemID.isEmpty()) {
        sql += QStringLiteral(" AND UPPER(TRIM(a.ItemID)) = UPPER(TRIM(?))");
        binds << ItemID;
    }
    sql += QStringLiteral(" ORDER BY transdate, adviseno, itemid");
    const Recordset rs = SQLConnection().query(sql, binds);
    if (rs.isEmpty())
        return;
    fgList->setRows(rs.recordCount() + 1);
    for (int i = 0; i < rs.recordCount(); ++i) {
        for (int col = 0; col < fgList->cols(); ++col) {
            const QVariant value = rs.valueAt(i, QString::fromLatin1(kAdviseColumns[col].heading));
            // Amounts show as the server's money text does: two decimals.
            const QString text = kAdviseColumns[col].kind == AdviseCell::Amount && !IsNull(value)
                                     ? Format(value, QStringLiteral("0.00"))
                                     : Text(value);
            fgList->setTextMatrix(i + 1, col, text);
        }
    }
    fgList->setRow(1);
    cmdReprint->setEnabled(true);
}

void frmUnpostedCreditAdvise::cmdReprint_Click() {
    eventHandler(kUnpostedAdviseModule, QStringLiteral("cmdReprint_Click"), [this] { reprint(); });
}

void frmUnpostedCreditAdvise::fgList_DblClick() {
    eventHandler(kUnpostedAdviseModule, QStringLiteral("fgList_DblClick"), [this] { reprint(); });
}

void frmUnpostedCreditAdvise::reprint() {
    const int row = fgList->row();
    if (!cmdReprint->isEnabled() || row < fgList->fixedRows())
        return;
    HourglassScope hourglass;
    const QString adviseNumber = Trim(fgList->textMatrix(row, kAdviseNoColumn));
    QString remarks;
    if (gSiteCode == kAdviseRemarksSite) {
        // Asked until given; Cancel gives up the reprint.
        do {
            const std::optional<QString> answer = InputBox(QStringLiteral("Enter Remarks: "), QStringLiteral("Remarks"));
            if (!answer)
                return;
            remarks = *answer;
        } while (remarks.isEmpty());
    }
    const QString receipt = Trim(ORNumber);
    if (isSaveInStockcard(SQLConnection(), receipt, adviseNumber))
        PrintCashCMSlip(receipt, adviseNumber, remarks);
    else
        MsgBox(QStringLiteral("Not successfully saved. pls check the encoded data."), vbCritical + vbInformation,
               QStringLiteral("Message"));
}

void frmUnpostedCreditAdvise::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Load();
}

} // namespace qx
