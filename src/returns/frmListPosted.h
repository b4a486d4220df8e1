#pragma once
#include "returns/PostedList.h"

namespace qx {

// "List of Posted Medicines ( IN-PATIENT )": an admission's issues, returns and corrections with
// the senior-citizen discount, the patient's own-medicine flag, the list, senior list and drug
// profile prints, and the reprint of any row's charge slip, credit memo or adjustment slip.
class frmListPosted : public PostedList {
    Q_OBJECT
public:
    explicit frmListPosted(QWidget* parent = nullptr);

    // The patient category the drug profile prints.
    QString Age() const { return age_; }
    void setAge(const QString& value) { age_ = value; }
    QString Sex() const { return sex_; }
    void setSex(const QString& value) { sex_ = value; }
    void GetParameters(const QString& admissionNumber);

    // Reprint the charge slip, or the credit memo (Kind 1) or adjustment slip (any other Kind),
    // staged under this workstation. Errors reach the caller.
    void GetChargeRecords1(const QString& IDNum, const QString& ChargeSlip);
    void GetCreditMemo(const QString& IDNum, const QString& RefNum, int Kind);

    // The remarks of this window's reprints for the run (tests reset it).
    static QString& ReprintRemarks();

protected:
    bool findPatient() override;
    QString currentPatientId() override;
    QStringList bannerValues() override;
    void reprintRow(const QString& transaction, const QString& patientId, const QString& refNum) override;
    QString& reprintRemarks() override { return ReprintRemarks(); }
    void requestDrugProfile() override;

private:
    QString age_;
    QString sex_;
};

} // namespace qx
