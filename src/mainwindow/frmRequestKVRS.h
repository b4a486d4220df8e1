#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qx {

class DatePicker;
class FlexGrid;

// The package requests of the outside order system on one day, pending or all, with the items of
// the selected request; Process hands the request to the process procedure and prints its
// package charge slip.
class frmRequestKVRS : public QDialog {
    Q_OBJECT
public:
    static frmRequestKVRS& Default();

    // What SavePackage made of a request.
    enum class PackageProcess { Processed, AlreadyProcessed, Failed };

    void Load_KVRSRequest();
    void Load_KVRSRequestDetails(const QString& chargeSlip);
    // Processes one waiting request; a request processed before is refused and a failure told.
    PackageProcess SavePackage(const QString& chargeSlip);

    DatePicker* dtTransDate = nullptr;
    QRadioButton* optPending[2] = {};
    QLineEdit* txtSearchPackage = nullptr;
    FlexGrid* grdList = nullptr;
    FlexGrid* grdDetails = nullptr;
    QPushButton* cmdRefresh = nullptr;
    QPushButton* cmdProcess = nullptr;
    QPushButton* cmdExit = nullptr;

    void Form_Load();
    void optPending_Click();
    void grdList_Click();
    void cmdRefresh_Click();
    void cmdProcess_Click();
    void cmdExit_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    frmRequestKVRS();
    QString pendingFlag() const;
    QString currentChargeSlip() const;
    // Both lists: the header list, then the current request's items when it names one.
    void reloadBothLists();

    bool loading_ = false;
};

} // namespace qx
