#pragma once
#include <QDialog>
#include <QString>
#include <memory>

class QAction;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QMenuBar;
class QPushButton;

namespace qx {

namespace report {
class Report;
}

// "Surcharge" (site ZMX): a cash charge worked out as a percentage of an items price, saved under
// an "SU" number of the assessment counter as an unpaid pharmacy line, and printed at once. The
// list of surcharges (frmSurchargeList) reprints and revokes them.
class frmSurcharge : public QDialog {
    Q_OBJECT
public:
    explicit frmSurcharge(QWidget* parent = nullptr);

    // Prints the slip of a surcharge at once, one copy; `reprint` is the text of its REPRINT
    // parameter ("" after a save, "Reprint" from the list).
    static void PrintSurChargeslip(const QString& number, const QString& reprint);
    // The slip's report opened with its parameters, tables on BILLING.
    static std::shared_ptr<report::Report> OpenSurchargeSlip(const QString& number, const QString& reprint);

    void FillPercentList();
    void ComputeSurcharge();
    void SetEntryState(const QString& chargeSlip, bool enableNew, bool enableRevoke, bool enableChargeSlip);
    bool IsValidAmount();
    // Saves the surcharge in one transaction; the number, or empty when the save failed (told).
    QString SaveSurcharge();

    void cmdNew_Click();
    void cmdCancel_Click();
    void cmdSave_Click();
    void cmdRevoke_Click();
    void mnuBrowse_Click();

    QMenuBar* menuBar = nullptr;
    QAction* mnuBrowse = nullptr;
    QPushButton* cmdNew = nullptr;
    QPushButton* cmdRevoke = nullptr;
    QGroupBox* frameSurcharge = nullptr;
    QLineEdit* txtChargeSlip = nullptr;
    QLineEdit* txtAmount = nullptr;
    QComboBox* cbPercent = nullptr;
    QLineEdit* txtTotalAmount = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdCancel = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void clearFields(const QString& chargeSlip, bool enableNew, bool enableRevoke, bool enableChargeSlip);

    bool mClearing = false;  // the screen's own clearing recomputes nothing
};

} // namespace qx
