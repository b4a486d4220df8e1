#pragma once
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace qx {

// One admission's discharge notice, and the pharmacy's clearance of the patient.
class frmClearPatient : public QDialog {
    Q_OBJECT
public:
    static frmClearPatient& Default();

    QString IDNum() const { return idNum_; }
    void setIDNum(const QString& v) { idNum_ = v; }

    QLineEdit* txtHospNo = nullptr;
    QLineEdit* txtAdmNo = nullptr;
    QLineEdit* txtAdmDate = nullptr;
    QLineEdit* txtRoomNo = nullptr;
    QLineEdit* txtDoctor = nullptr;
    QLineEdit* txtSname = nullptr;
    QLineEdit* txtFname = nullptr;
    QLineEdit* txtMname = nullptr;
    QLineEdit* txtNoticeDate = nullptr;
    QLineEdit* txtOrderDate = nullptr;
    QLineEdit* txtDischargeNurse = nullptr;
    QLineEdit* txtRemarks = nullptr;
    QLineEdit* txtClearDate = nullptr;
    QLineEdit* txtClearedBy = nullptr;
    QLineEdit* txtClearRemarks = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdIgnore = nullptr;

    void Form_Load();
    void cmdSave_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    frmClearPatient();
    QString idNum_;
};

} // namespace qx
