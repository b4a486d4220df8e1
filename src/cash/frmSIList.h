#pragma once
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

// "Sales Invoice": the picker of the cancellation window. Lists the cashier's open invoices,
// searches the open invoices of every cashier, and hands the current row back however it is
// closed; with no invoice row it hands back empty values.
class frmSIList : public QDialog {
    Q_OBJECT
public:
    explicit frmSIList(QWidget* parent = nullptr);

    // The chosen invoice, valid once the window has closed.
    QString refnum;
    double TotalAmount = 0;
    double TotalDiscount = 0;
    QString TransDate;
    QString Payee;

    QLabel* lblSearch = nullptr;
    QLineEdit* txtSearch = nullptr;
    PictureButton* cmdFind = nullptr;
    QGroupBox* frmList = nullptr;
    FlexGrid* grdSIList = nullptr;
    QPushButton* cmdSelect = nullptr;

    void Form_Load();
    void cmdFind_Click();
    void cmdSelect_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    std::optional<Recordset> LoadSIList();
    std::optional<Recordset> SearchSI(const QString& text);
    void FillSIGrid(const std::optional<Recordset>& result);
    void takeCurrentRow();

    bool selecting_ = false;
};

} // namespace qx
