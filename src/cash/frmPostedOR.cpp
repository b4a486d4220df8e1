#include "cash/frmPostedOR.h"

#include "cash/frmUnpostedCreditAdvise.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/GridHelpers.h"
#include "shell/QueryHelpers.h"
#include "shell/Session.h"
#include "shell/Switches.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace qx {

namespace {

const QString kPostedORModule = QStringLiteral("frmPostedOR");
const QString kPharmacyRevenue = QStringLiteral("PH");

enum PostedORColumn {
    postedColTransDate, postedColRefnum, postedColCode, postedColDescription, postedColUnitPrice, postedColQuantity,
    postedColBalance, postedColAmount, postedColDiscountType, postedColDiscount, postedColVatAmount, postedColVatExempt,
    postedColDiscountRate, kPostedORColumns
};

const int kPostedORWidths[kPostedORColumns] = {2000, 1500, 1000, 3000, 1500, 1000, 1000, 1500, 0, 0, 0, 0, 0};

} // namespace

frmPostedOR::frmPostedOR(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmPostedOR"));
    setWindowTitle(QStringLiteral("Posted Medicines"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);

    fraInvoiceDetails = new QGroupBox(QStringLiteral("OR Details"), this);
    flexORDetails = new FlexGrid(fraInvoiceDetails);
    flexORDetails->setMinimumSize(760, 300);
    auto* frame = new QVBoxLayout(fraInvoiceDetails);
    frame->addWidget(flexORDetails);

    Label1 = new QLabel(QStringLiteral("Total Charges:"), this);
    lblTotal = new QLabel(this);
    cmdSelect = new QPushButton(QStringLiteral("&Select Item"), this);
    cmdSelect->setEnabled(false);
    cmdCancel = new QPushButton(QStringLiteral("&Close"), this);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Label1);
    bottom->addWidget(lblTotal);
    bottom->addStretch(1);
    bottom->addWidget(cmdSelect);
    bottom->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fraInvoiceDetails, 1);
    layout->addLayout(bottom);

    connect(cmdSelect, &QPushButton::clicked, this, &frmPostedOR::cmdSelect_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPostedOR::cmdCancel_Click);
    connect(flexORDetails, &FlexGrid::dblClick, this, &frmPostedOR::flexORDetails_DblClick);
    const auto highlight = [this](bool on, const char* procedure) {
        eventHandler(kPostedORModule, QString::fromLatin1(procedure), [&] { SetGridHighlight(*flexORDetails, on); });
    };
    connect(flexORDetails, &FlexGrid::enterCell, this, [highlight] { highlight(true, "flexORDetails_EnterCell"); });
    connect(flexORDetails, &FlexGrid::gotFocus, this, [highlight] { highlight(true, "flexORDetails_GotFocus"); });
    connect(flexORDetails, &FlexGrid::leaveCell, this, [highlight] { highlight(false, "flexORDetails_LeaveCell"); });
    connect(flexORDetails, &FlexGrid::lostFocus, this, [highlight] { highlight(false, "flexORDetails_LostFocus"); });
}

void frmPostedOR::Form_Load() {
    eventHandler(kPostedORModule, QStringLiteral("Form_Load"), [this] {
        ClearORDetails();
        LoadORList(ORNum);
    });
}

void frmPostedOR::ClearORDetails() {
    generalProcedure(kPostedORModule, QStringLiteral("ClearORDetails"), [this] {
        flexORDetails->setRedraw(false);
        flexORDetails->clear();
        flexORDetails->setCols(4);
        flexORDetails->setFixedCols(0);
        flexORDetails->setRows(2);
        flexORDetails->setRedraw(true);
    });
}

void frmPostedOR::LoadORList(const QString& receiptNumber) {
    generalProcedure(kPostedORModule, QStringLiteral("LoadORList"), [&] {
        std::optional<Recordset> rs = SQLConnection().callProcedure(
            QStringLiteral("Pharma_LoadORDetails"),
            {{QStringLiteral("@ORNumber"), receiptNumber}, {QStringLiteral("@RevenueID"), kPharmacyRevenue}});
        FlexGrid& grid = *flexORDetails;
        grid.setFormatString(QStringLiteral(
            "<TransDate |<Refnum |<Code |<Product Description |<UniPrice |<Quantity |<Balance |<Amount"));
        grid.setCols(kPostedORColumns);
        for (int col = 0; col < kPostedORColumns; ++col)
            grid.setColWidth(col, kPostedORWidths[col]);
        grid.setRow(1);
        int line = 0;
        for (; rs && !rs->eof(); rs->moveNext()) {
            ++line;
            if (grid.rows() < line + 1)
                grid.setRows(line + 1);
            const auto number = [&rs](const char* column) {
                return NullToDefault(rs->value(QString::fromLatin1(column)), 0);
            };
            grid.setTextMatrix(line, postedColTransDate, Text(rs->value(QStringLiteral("TransDate"))));
            grid.setTextMatrix(line, postedColRefnum, Text(rs->value(QStringLiteral("refnum"))));
            grid.setTextMatrix(line, postedColCode, Text(rs->value(QStringLiteral("Code"))));
            grid.setTextMatrix(line, postedColDescription, Text(rs->value(QStringLiteral("Product Description"))));
            grid.setTextMatrix(line, postedColUnitPrice, Format(number("UnitPrice"), QStringLiteral("0.00")));
            grid.setTextMatrix(line, postedColQuantity, Text(number("Quantity")));
            grid.setTextMatrix(line, postedColBalance, Text(number("Balance")));
            grid.setTextMatrix(line, postedColAmount, Format(number("Amount"), QStringLiteral("0.00")));
            grid.setTextMatrix(line, postedColDiscountType, Text(GetFieldValue(*rs, QStringLiteral("DiscountType"), QString())));
            grid.setTextMatrix(line, postedColDiscount, Text(GetFieldValue(*rs, QStringLiteral("Discount"), 0)));
            grid.setTextMatrix(line, postedColVatAmount, Text(GetFieldValue(*rs, QStringLiteral("VatAmount"), 0)));
            grid.setTextMatrix(line, postedColVatExempt,
                               CBool(GetFieldValue(*rs, QStringLiteral("VatExempt"), false)) ? QStringLiteral("Y")
                                                                                             : QString());
            grid.setTextMatrix(line, postedColDiscountRate, Text(GetFieldValue(*rs, QStringLiteral("DiscountRate"), 0)));
        }
        cmdSelect->setEnabled(true);
        lblTotal->setText(QLatin1Char(' ') + TotalCharges());
    });
}

QString frmPostedOR::TotalCharges() {
    return generalProcedure(kPostedORModule, QStringLiteral("TotalCharges"), [this] {
        double total = 0;
        for (int row = 1; row < flexORDetails->rows(); ++row) {
            const double amount = Val(flexORDetails->textMatrix(row, postedColAmount));
            flexORDetails->setTextMatrix(row, postedColAmount, Format(amount, QStringLiteral("0.00")));
            total += amount;
        }
        return Format(total, QStringLiteral("###0.00"));
    });
}

double frmPostedOR::CheckReturnedQty(const QString& itemCode) {
    return generalProcedure(kPostedORModule, QStringLiteral("CheckReturnedQty"), [&] {
        ReturnedQuantity = QStringLiteral("0");
        const QString receipt = Trim(flexORDetails->textMatrix(flexORDetails->row(), postedColRefnum));
        const Recordset rs = SQLConnection().query(
            QStringLiteral("SELECT COALESCE(SUM(COALESCE(Quantity, 0)), 0) AS quantity FROM billing.tbCashCreditAdvise "
                           "WHERE ORNumber = ? AND ItemID = ?"),
            {receipt, itemCode});
        if (rs.eof())
            return 0.0;
        const double returned = CDbl(rs.value(QStringLiteral("quantity")));
        ReturnedQuantity = Text(returned);
        return returned;
    });
}

bool frmPostedOR::CheckPendingCreditAdvise() {
    return generalProcedure(kPostedORModule, QStringLiteral("CheckPendingCreditAdvise"), [this] {
        const int row = flexORDetails->row();
        const Recordset rs = SQLConnection().query(
            QStringLiteral("SELECT 1 FROM billing.tbCashCreditAdvise WHERE COALESCE(TRIM(RecordStatus), '') = '' "
                           "AND ORNumber = ? AND ItemID = ? LIMIT 1"),
            {Trim(flexORDetails->textMatrix(row, postedColRefnum)), Trim(flexORDetails->textMatrix(row, postedColCode))});
        return !rs.eof();
    });
}

void frmPostedOR::cmdSelect_Click() {
    eventHandler(kPostedORModule, QStringLiteral("cmdSelect_Click"), [this] {
        const int row = flexORDetails->row();
        if (row < 1)
            return;
        const QString code = Trim(flexORDetails->textMatrix(row, postedColCode));
        if (code.isEmpty())
            return;
        // A credit-memo line is already a return.
        if (Trim(flexORDetails->textMatrix(row, postedColRefnum)).startsWith(QLatin1String("CM")))
            return;
        const double returned = Round(CheckReturnedQty(code), 0);
        if (ToDouble(flexORDetails->textMatrix(row, postedColQuantity)) <= returned && returned > 0) {
            MsgBox(QStringLiteral("All quantities have been returned!"), vbInformation);
            if (GetPharmaSwitch(QStringLiteral("30")))
                showLineAdvises(row);
            return;
        }
        if (CheckPendingCreditAdvise()) {
            MsgBox(QStringLiteral("There are pending Credit Advises."), vbInformation);
            showLineAdvises(row);
        }
        if (Val(lblTotal->text()) > 0) {
            handBack(row);
            return;
        }
        MsgBox(QStringLiteral("Can't Process credit advise for the selected item. Total OR Amount is already equal to 0."),
               vbCritical, QStringLiteral("MESSAGE"));
    });
}

void frmPostedOR::flexORDetails_DblClick() {
    eventHandler(kPostedORModule, QStringLiteral("flexORDetails_DblClick"), [this] {
        const int row = flexORDetails->row();
        if (row >= 1 && !Trim(flexORDetails->textMatrix(row, postedColCode)).isEmpty())
            cmdSelect_Click();
    });
}

void frmPostedOR::cmdCancel_Click() {
    eventHandler(kPostedORModule, QStringLiteral("cmdCancel_Click"), [this] { reject(); });
}

void frmPostedOR::showLineAdvises(int row) {
    frmUnpostedCreditAdvise advises(this);
    advises.ItemID = Trim(flexORDetails->textMatrix(row, postedColCode));
    advises.ORNumber = Trim(flexORDetails->textMatrix(row, postedColRefnum));
    showModal(advises);
}

void frmPostedOR::handBack(int row) {
    const auto cell = [this, row](int col) { return flexORDetails->textMatrix(row, col); };
    ORNum = Trim(cell(postedColRefnum));
    ItemID = Trim(cell(postedColCode));
    Description = Trim(cell(postedColDescription));
    UnitPrice = ToDouble(cell(postedColUnitPrice));
    Quantity = CInt(ToDouble(cell(postedColQuantity)));
    Balance = Text(ToDouble(cell(postedColBalance)));
    DiscountType = cell(postedColDiscountType);
    DiscountAmount = ToDouble(cell(postedColDiscount));
    VatAmount = ToDouble(cell(postedColVatAmount));
    VatExempt = cell(postedColVatExempt) == QLatin1String("Y");
    DiscountRate = ToDouble(cell(postedColDiscountRate));
    handingBack_ = true;
    accept();
    handingBack_ = false;
}

void frmPostedOR::setEmptySelection() {
    ORNum.clear();
    ItemID.clear();
    Description.clear();
    Balance.clear();
    DiscountType.clear();
    Quantity = 0;
    UnitPrice = 0;
    DiscountAmount = 0;
    VatAmount = 0;
    DiscountRate = 0;
    VatExempt = false;
    ReturnedQuantity = QStringLiteral("0");
}

void frmPostedOR::done(int result) {
    // Close, Esc and the close box leave nothing chosen; only a hand-back closes with a line.
    if (!handingBack_)
        setEmptySelection();
    QDialog::done(result);
}

void frmPostedOR::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Load();
}

} // namespace qx
