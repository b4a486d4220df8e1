#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qx {

class FlexGrid;

// The surcharges by status (Unpaid, Paid, Revoked) narrowed by a search text; an unpaid one can
// be reprinted or revoked.
class frmSurchargeList : public QDialog {
    Q_OBJECT
public:
    explicit frmSurchargeList(QWidget* parent = nullptr);

    void fillGrid();
    // The surcharge number of the current row; empty without one.
    QString currentNumber() const;
    void optSurcharge_Click(int index);
    void cmdReprint_Click();
    void cmdRevoke_Click();

    QRadioButton* optSurcharge[3] = {};
    QLineEdit* txtSearch = nullptr;
    FlexGrid* fgSurchargeList = nullptr;
    QPushButton* cmdReprint = nullptr;
    QPushButton* cmdRevoke = nullptr;
};

} // namespace qx
