#include "cash/frmSICancellation.h"

#include "cash/SalesInvoiceCancel.h"
#include "cash/frmSIList.h"
#include "components/AppError.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "components/PlatformServices.h"
#include "platform/ControlEvents.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/KeyCodes.h"
#include "platform/PictureButton.h"
#include "platform/Values.h"
#include "shell/RecordsetGrid.h"
#include "shell/Session.h"
#include "shell/frmShift.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

namespace qx {

namespace {

const QString kSICancellationModule = QStringLiteral("frmSICancellation");
const int kSIItemWidths[frmSICancellation::kItemColumns] = {1500, 3500, 1500, 1500, 1500, 0};

DrugCatalog::Drug& cancellationDrug() {
    if (!gComponents.gDrug)
        throw AppError(91, QStringLiteral("prjQuillax"), QStringLiteral("Object variable or With block variable not set"));
    return gComponents.gDrug->Drug();
}

} // namespace

frmSICancellation::frmSICancellation(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSICancellation"));
    setWindowTitle(QStringLiteral("Sales Invoice Cancellation"));
    setModal(true);

    fraPatInfo = new QGroupBox(QStringLiteral("Sales Invoice Details"), this);
    lblSINumber = new QLabel(QStringLiteral("SI Number"), fraPatInfo);
    txtSINumber = new QLineEdit(fraPatInfo);
    txtSINumber->setObjectName(QStringLiteral("txtSINumber"));
    txtSINumber->setReadOnly(true);
    cmdFind = new PictureButton(fraPatInfo);
    cmdFind->setObjectName(QStringLiteral("cmdFind"));
    cmdFind->setPicture(style()->standardIcon(QStyle::SP_FileDialogContentsView).pixmap(16, 16));
    lblPayee = new QLabel(QStringLiteral("Payee"), fraPatInfo);
    lblPayeeName = new QLabel(fraPatInfo);
    auto* details = new QGridLayout(fraPatInfo);
    details->addWidget(lblSINumber, 0, 0);
    details->addWidget(txtSINumber, 0, 1);
    details->addWidget(cmdFind, 0, 2);
    details->addWidget(lblPayee, 1, 0);
    details->addWidget(lblPayeeName, 1, 1, 1, 2);

    frmList = new QGroupBox(QStringLiteral("Item List"), this);
    grdItemList = new FlexGrid(frmList);
    grdItemList->setObjectName(QStringLiteral("grdItemList"));
    grdItemList->setFixedCols(0);
    grdItemList->setMinimumSize(640, 240);
    auto* list = new QVBoxLayout(frmList);
    list->addWidget(grdItemList);

    frmTotal = new QGroupBox(QStringLiteral("Total"), this);
    lblTotal = new QLabel(QStringLiteral("Amount"), frmTotal);
    lblTotalAmount = new QLabel(frmTotal);
    lblDiscount = new QLabel(QStringLiteral("Discount"), frmTotal);
    lblTotalDiscount = new QLabel(frmTotal);
    for (QLabel* value : {lblTotalAmount, lblTotalDiscount})
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* totals = new QGridLayout(frmTotal);
    totals->addWidget(lblTotal, 0, 0);
    totals->addWidget(lblTotalAmount, 0, 1);
    totals->addWidget(lblDiscount, 1, 0);
    totals->addWidget(lblTotalDiscount, 1, 1);

    cmdCancelSI = new QPushButton(QStringLiteral("Cancel Sales Invoice"), this);
    cmdClose = new QPushButton(QStringLiteral("Close"), this);
    for (QPushButton* button : {cmdCancelSI, cmdClose})
        button->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(frmTotal);
    buttons->addStretch(1);
    buttons->addWidget(cmdCancelSI);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fraPatInfo);
    layout->addWidget(frmList, 1);
    layout->addLayout(buttons);

    connect(cmdFind, &QAbstractButton::clicked, this, &frmSICancellation::cmdFind_Click);
    connect(cmdCancelSI, &QPushButton::clicked, this, &frmSICancellation::cmdCancelSI_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmSICancellation::cmdClose_Click);
    // Enter in the invoice box opens the picker, as the look-up button does.
    auto* numberEvents = new ControlEvents(txtSINumber);
    connect(numberEvents, &ControlEvents::keyPress, this, [this](int& keyAscii) {
        if (keyAscii == keys::Return) {
            keyAscii = 0;
            cmdFind_Click();
        }
    });
}

void frmSICancellation::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Load();
}

void frmSICancellation::Form_Load() {
    eventHandler(kSICancellationModule, QStringLiteral("Form_Load"), [this] { ClearSI(); });
}

void frmSICancellation::cmdFind_Click() {
    eventHandler(kSICancellationModule, QStringLiteral("cmdFind_Click"), [this] {
        frmSIList picker(this);
        showModal(picker);
        txtSINumber->setText(picker.refnum);
        lblPayeeName->setText(picker.Payee);
        FillItemGrid(GetSIDetails());
        lblTotalAmount->setText(computeTotal(QString::number(colAmount)));
        lblTotalDiscount->setText(computeTotal(QString::number(colDiscount)));
        cmdCancelSI->setEnabled(invoiceLoaded());
    });
}

QString frmSICancellation::computeTotal(const QString& column) {
    return generalProcedure(kSICancellationModule, QStringLiteral("computeTotal"), [&] {
        const int col = static_cast<int>(Val(column));
        double sum = 0;
        for (int row = 1; row < grdItemList->rows(); ++row)
            sum += Val(grdItemList->textMatrix(row, col));
        return Format(sum, QStringLiteral("##,###,##0.00"));
    });
}

QVector<SalesInvoiceLine> frmSICancellation::itemLines() const {
    QVector<SalesInvoiceLine> lines;
    for (int row = 1; row < grdItemList->rows(); ++row)
        lines.push_back({grdItemList->textMatrix(row, colItemCode), CInt(grdItemList->textMatrix(row, colQuantity)),
                         Val(grdItemList->textMatrix(row, colAmount)), grdItemList->textMatrix(row, colLocation)});
    return lines;
}

SalesInvoiceCanceller frmSICancellation::canceller() {
    return {gEmployeeCode, gLocationID, frmShift::Default().Shift()};
}

void frmSICancellation::reverseTrans() {
    generalProcedure(kSICancellationModule, QStringLiteral("reverseTrans"), [this] {
        ReverseSalesInvoiceLines(SQLConnection(), cancellationDrug(), Trim(txtSINumber->text()), itemLines(),
                                 canceller());
    });
}

void frmSICancellation::cancelSI() {
    generalProcedure(kSICancellationModule, QStringLiteral("cancelSI"), [this] {
        SQLConnection().callProcedure(QStringLiteral("sp_Inv_SI_Cancel"),
                                      {{QStringLiteral("@SINumber"), Trim(txtSINumber->text())},
                                       {QStringLiteral("@CancelledBy"), gEmployeeCode}});
    });
}

std::optional<Recordset> frmSICancellation::GetSIDetails() {
    return generalProcedure(kSICancellationModule, QStringLiteral("GetSIDetails"), [this]() -> std::optional<Recordset> {
        const QString invoice = Trim(txtSINumber->text());
        if (invoice.isEmpty())
            return std::nullopt;
        std::optional<Recordset> rs = SQLConnection().callProcedure(QStringLiteral("sp_Inv_SI_Get_Details"),
                                                                    {{QStringLiteral("@SINumber"), invoice}});
        if (!rs || rs->recordCount() < 1)
            return std::nullopt;
        return rs;
    });
}

void frmSICancellation::FillItemGrid(const std::optional<Recordset>& result) {
    generalProcedure(kSICancellationModule, QStringLiteral("FillItemGrid"), [&] {
        grdItemList->clear();
        if (result) {
            BindRecordsetAsList(*grdItemList, *result);
        } else {
            grdItemList->setRows(1);
            grdItemList->setFixedRows(1);
        }
        if (grdItemList->cols() < kItemColumns)
            grdItemList->setCols(kItemColumns);
        for (int col = 0; col < kItemColumns; ++col)
            grdItemList->setColWidth(col, kSIItemWidths[col]);
    });
}

void frmSICancellation::ClearSI() {
    generalProcedure(kSICancellationModule, QStringLiteral("ClearSI"), [this] {
        FillItemGrid(std::nullopt);
        txtSINumber->clear();
        lblPayeeName->clear();
        lblTotalAmount->clear();
        lblTotalDiscount->clear();
        cmdCancelSI->setEnabled(false);
    });
}

bool frmSICancellation::invoiceLoaded() const {
    return !Trim(txtSINumber->text()).isEmpty() && grdItemList->rows() > 1 &&
           !Trim(grdItemList->textMatrix(1, colItemCode)).isEmpty();
}

void frmSICancellation::cmdCancelSI_Click() {
    if (!invoiceLoaded())
        return;
    try {
        CancelSalesInvoice(SQLConnection(), cancellationDrug(), Trim(txtSINumber->text()), itemLines(), canceller());
        ShowInfo(QStringLiteral("Sales invoice cancelled."));
        ClearSI();
    } catch (const AppError& e) {
        ShowErrorMessage(e.description());
    }
}

void frmSICancellation::cmdClose_Click() {
    eventHandler(kSICancellationModule, QStringLiteral("cmdClose_Click"), [this] { close(); });
}

} // namespace qx
