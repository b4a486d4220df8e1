#pragma once
#include <QDialog>

class QPushButton;
class QTreeWidget;

namespace qx {

// The patients with a discharge notice for the pharmacy; Select takes one of them to the
// clearance unless requests of the admission still wait.
class frmDischargeNotice : public QDialog {
    Q_OBJECT
public:
    static frmDischargeNotice& Default();

    // True when the admission still has pending pharmacy requests.
    static bool CheckPending(const QString& IDNum);
    // The admission chosen with Select, "" after Close; Valid only when Select closed the window.
    QString IDNum() const { return idNum_; }
    bool Valid() const { return valid_; }

    QTreeWidget* lvwRequest = nullptr;
    QPushButton* cmdSelect = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdClose = nullptr;

    void Form_Load();
    void cmdSelect_Click();
    void cmdPrint_Click();
    void cmdClose_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    frmDischargeNotice();
    QString idNum_;
    bool valid_ = false;
};

// The text of a date-time as the workstation shows a general date: the short date, and the long
// time when the value has a time of day; empty for none.
QString GeneralDateText(const QDateTime& value);

} // namespace qx
