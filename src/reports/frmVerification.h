#pragma once
#include "reports/ReportDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace qx {

// "Verification": a reference number that billing must know, and its verification report.
// Typed characters go in upper case, an apostrophe is dropped, Enter moves on; Esc closes.
class frmVerification : public ReportDialog {
    Q_OBJECT
public:
    explicit frmVerification(QWidget* parent = nullptr);

    QLabel* Label2 = nullptr;
    QLabel* Label3[2] = {nullptr, nullptr};
    QLineEdit* txtRefNum = nullptr;
    QPushButton* optOptions[2] = {nullptr, nullptr};  // 0 OK, 1 Cancel

    bool Form_Load() override { return true; }
    // Leaving the box: a number billing does not hold is told and keeps the focus in the box.
    void txtRefNum_Validate(bool& cancel);
    void optOptions_Click(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Whether billing holds lines under the reference number.
bool BillingKnowsReference(const QString& refNum);

} // namespace qx
