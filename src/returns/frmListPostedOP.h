#pragma once
#include "returns/PostedList.h"

namespace qx {

// "List of Posted Medicines ( OUT-PATIENT )": a visit's issues, returns and corrections with the
// senior-citizen discount, the list print, and the reprint of any row's charge slip (printed
// directly under pharmacy switch 28, else previewed), credit memo or adjustment slip.
class frmListPostedOP : public PostedList {
    Q_OBJECT
public:
    explicit frmListPostedOP(QWidget* parent = nullptr);

    // Reprint the charge slip, or the credit memo (Kind 1) or adjustment slip (any other Kind),
    // staged under this workstation. Errors reach the caller.
    void GetChargeRecords(const QString& IDNum, const QString& RefNum);
    void GetCreditMemo(const QString& IDNum, const QString& RefNum, int Kind);

    // The remarks of this window's reprints for the run (tests reset it).
    static QString& ReprintRemarks();

protected:
    bool findPatient() override;
    QString currentPatientId() override;
    QStringList bannerValues() override;
    void reprintRow(const QString& transaction, const QString& patientId, const QString& refNum) override;
    QString& reprintRemarks() override { return ReprintRemarks(); }
};

} // namespace qx
