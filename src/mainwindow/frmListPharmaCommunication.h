#pragma once
#include "components/Recordset.h"

#include <QDialog>
#include <optional>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qx {

class DatePicker;
class FlexGrid;

// The credit-memo lines that the stations returned on one day, unconfirmed, confirmed or all:
// Confirm marks every line of the current row's credit memo confirmed and prints it, Print List
// prints the day's list under the option's title.
class frmListPharmaCommunication : public QDialog {
    Q_OBJECT
public:
    static frmListPharmaCommunication& Default();

    // The day's lines of the option (1 unconfirmed, 2 confirmed, 3 all) matching the search text;
    // nothing when there is none.
    std::optional<Recordset> ShowDetails(int option, const QString& date, const QString& search);
    // Confirms every line of the credit memo; false when the update fails.
    bool Confirm_ReturnMeds(const QString& creditMemo, const QString& itemCode);
    // True while that item of the credit memo is not confirmed, as the table says now.
    bool isValid(const QString& creditMemo, const QString& itemCode);
    QString ReportType() const;
    void setReportType(const QString& value);
    QString ReportTitle() const;
    void setReportTitle(const QString& value);

    QRadioButton* optUnRet = nullptr;
    QRadioButton* optRet = nullptr;
    QRadioButton* optAll = nullptr;
    DatePicker* dtDate = nullptr;
    QLineEdit* txtSearch = nullptr;
    QPushButton* cmdSearch = nullptr;
    FlexGrid* gdList = nullptr;
    QPushButton* cmdConfirm = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdExit = nullptr;

    void Form_Load();
    void Form_Activate();
    void cmdSearch_Click();
    void cmdConfirm_Click();
    void cmdPrint_Click();
    void cmdExit_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    frmListPharmaCommunication();
    int selectedOption() const;

    // Set once the window has lost the activation since it was shown, so that coming back from a
    // preview reloads the list while the first activation does not load it twice.
    bool reloadOnActivation_ = false;
};

} // namespace qx
