#pragma once
#include "components/Recordset.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qx {

class DatePicker;
class FlexGrid;

// "Stock Card": one item's stock figures and stock-card lines at one location over a range of
// days, oldest or newest first, printed in a tabular or a card layout. Modeless beside the main
// window; Close unloads it, so the next showing starts from the default location and today.
class frmStockCard : public QDialog {
    Q_OBJECT
public:
    explicit frmStockCard(QWidget* parent = nullptr);

    // The chosen location's id, as the location list carries it.
    QString cboLocationTag;

    QComboBox* cboLocation = nullptr;
    QLineEdit* txtProdCode = nullptr;
    QLineEdit* txtProdName = nullptr;
    QLineEdit* txtOnHand = nullptr;
    QLineEdit* txtAveCons = nullptr;
    QLineEdit* txtAveCost = nullptr;
    QLineEdit* txtListCost = nullptr;
    QLineEdit* txtLastInvCount = nullptr;
    DatePicker* txtStartDate = nullptr;
    DatePicker* txtEndDate = nullptr;
    QGroupBox* fraOrder = nullptr;
    QRadioButton* optASC = nullptr;
    QRadioButton* optDESC = nullptr;
    QCheckBox* chkTabular = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdClose = nullptr;
    FlexGrid* grdStock = nullptr;

    // Checks a location name; the id of an accepted one goes to lstrLocationID.
    bool ValidateLocation(const QString& lstrLocation, QString& lstrLocationID, bool& lblnWarehouse, bool blnCheckRight);
    // Fills the location list and preselects the default stock location.
    void LoadLocation(QComboBox* objLocation);

    void cboLocation_LostFocus();
    void txtProdCode_Change();
    void txtProdCode_LostFocus();
    void cmdOK_Click();
    void optASC_Click();
    void optDESC_Click();
    void cmdPrint_Click();
    void cmdClose_Click();
    void Form_Activate();

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    // Sees every keystroke before the controls: Enter moves on, an apostrophe is dropped and
    // letters go in upper case.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void designGrid();
    // The item's stock row at the chosen location into the display fields; false when none.
    bool loadItem();
    void validateItem();
    void runInquiry();
    // Runs a step that reads the database; a failure is told and the window stays.
    void told(const std::function<void()>& step);

    bool loaded_ = false;
    bool validatingLocation_ = false;
};

} // namespace qx
