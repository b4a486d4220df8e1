#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace qx {

class DatePicker;
class FlexGrid;

// The audit trail: one user's log lines for a range of days, listed and printed as a report.
// Shown modeless; Close unloads it, so the next showing starts from today and an empty list.
class frmAuditTrail : public QDialog {
    Q_OBJECT
public:
    explicit frmAuditTrail(QWidget* parent = nullptr);

    QLineEdit* txtUserID = nullptr;
    DatePicker* txtStartDate = nullptr;
    DatePicker* txtEndDate = nullptr;
    QPushButton* cmdShow = nullptr;
    FlexGrid* grdList = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdExit = nullptr;

    void cmdShow_Click();
    void cmdPrint_Click();
    void cmdExit_Click();
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    void clearList();
    bool loaded_ = false;
};

} // namespace qx
