#pragma once
#include "cash/SalesInvoiceCancel.h"
#include "components/Recordset.h"

#include <QDialog>
#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qx {

class FlexGrid;
class PictureButton;

// "Sales Invoice Cancellation": looks one of the cashier's invoices up through the picker, shows
// its items and totals, and cancels it: every item line reversed on the stock card and the
// invoice marked cancelled, in one transaction. The invoice box shows the looked-up invoice and
// cannot be typed over, so the invoice cancelled is always the one whose items are shown.
class frmSICancellation : public QDialog {
    Q_OBJECT
public:
    explicit frmSICancellation(QWidget* parent = nullptr);

    enum ItemColumn { colItemCode, colDescription, colQuantity, colAmount, colDiscount, colLocation, kItemColumns };

    // Sum of one column of the item grid, "##,###,##0.00".
    QString computeTotal(const QString& column);
    // Posts the reversal of every item line, on the caller's transaction; the cancel command runs
    // it with cancelSI as one transaction.
    void reverseTrans();
    // Marks the invoice in the box cancelled, on the caller's transaction.
    void cancelSI();
    std::optional<Recordset> GetSIDetails();
    void FillItemGrid(const std::optional<Recordset>& result);
    void ClearSI();

    void Form_Load();
    void cmdFind_Click();
    void cmdCancelSI_Click();
    void cmdClose_Click();

    QGroupBox* fraPatInfo = nullptr;
    QLabel* lblSINumber = nullptr;
    QLineEdit* txtSINumber = nullptr;
    PictureButton* cmdFind = nullptr;
    QLabel* lblPayee = nullptr;
    QLabel* lblPayeeName = nullptr;
    QGroupBox* frmList = nullptr;
    FlexGrid* grdItemList = nullptr;
    QGroupBox* frmTotal = nullptr;
    QLabel* lblTotal = nullptr;
    QLabel* lblTotalAmount = nullptr;
    QLabel* lblDiscount = nullptr;
    QLabel* lblTotalDiscount = nullptr;
    QPushButton* cmdCancelSI = nullptr;
    QPushButton* cmdClose = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QVector<SalesInvoiceLine> itemLines() const;
    static SalesInvoiceCanceller canceller();
    // Whether an invoice with item lines is shown; the cancel is refused otherwise.
    bool invoiceLoaded() const;
};

} // namespace qx
