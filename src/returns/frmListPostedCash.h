#pragma once
#include "returns/PostedList.h"

class QRadioButton;

namespace qx {

// "List Posted Cash": the paid pharmacy cash sales of one admitted patient or out-patient visit,
// one row per assessment line, with the totals and the stored discounts, the senior-citizen frame
// of a flagged patient, the list and senior-list prints, and the reprint of a sale's assessment
// slip.
class frmListPostedCash : public PostedList {
    Q_OBJECT
public:
    explicit frmListPostedCash(QWidget* parent = nullptr);

    // The kind of patient searched: 1 "IN-Patient", 2 "OUT-Patient".
    QRadioButton* optType(int index) const;

    // Totals from the listed lines: Total Posted is what was sold before the stored discounts.
    void ComputeTotals() override;
    // The discount and net totals from the stored discounts; no amount is rewritten, whatever
    // the argument.
    void SCDiscounter(bool IsDiscount) override;

    // Reprints the assessment slip of the sale on the grid's current row, staged under the
    // assessing user, "CASH" and the reference number; a failure is told with its step and the
    // list goes on.
    void GetChargeRecords1(const QString& IDNum, const QString& RefNum);

    // The remarks of this window's reprints for the run (tests reset it).
    static QString& ReprintRemarks();

protected:
    void search() override;
    bool findPatient() override;
    QString currentPatientId() override;
    QStringList bannerValues() override;
    Recordset postedLines(const QString& patientId) override;
    QStringList listTitles() const override;
    QString seniorFlagTable() const override;
    void patientListed(const QString& patientId) override;
    void reprintRow(const QString& transaction, const QString& patientId, const QString& refNum) override;
    QString& reprintRemarks() override { return ReprintRemarks(); }

private:
    enum class Kind { InPatient, OutPatient };

    bool findInPatient();
    // The paid pharmacy lines stored under the patient's id and name, oldest first.
    Recordset LoadCashAssessments(const QString& patientId, const QString& patientName);
    void PrintAssessSlip(const QString& patientName, const QString& userId, const QString& refNum,
                         const QString& doctor);

    QRadioButton* optIn_ = nullptr;
    QRadioButton* optOut_ = nullptr;
    // The kind of the patient listed (or being found): flags and names are read by it.
    Kind listedKind_ = Kind::InPatient;
};

} // namespace qx
