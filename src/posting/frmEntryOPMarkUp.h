#pragma once
#include "posting/CompanyMarkupScreen.h"

#include <array>

class QCheckBox;
class QTimer;

namespace qx {

class TypeABDiscounts;

// "COMPANY MEDICINES (DIFFERENT MARKUP)" for an out-patient visit, or a patient of the master
// record as a new visit: list cost plus the mark-up, the out-patient price of accounts that take
// it, the GSIS price of members, and discount types A and B.
class frmEntryOPMarkUp : public CompanyMarkupScreen {
    Q_OBJECT
public:
    // Columns of this grid beyond the shared ones. The discount mark lives in a hidden column of
    // its own, so that the GSIS price of the line is never overwritten.
    enum Column {
        colGSIS = 9, colDiscount = 10, colGross = 11, colNonGSISPrice = 12, colOverStockChoice = 13, colListCost = 14,
        colMarkUp = 15, colDiscountMark = 16,
    };
    static constexpr int kCols = 17;
    static constexpr int kGridWidth = 11280;

    explicit frmEntryOPMarkUp(QWidget* parent = nullptr);
    ~frmEntryOPMarkUp() override;

    static ChargeGridConfig gridConfig(int gridWidth);

    // ---- Loading, the visit and the account (frmEntryOPMarkUp.cpp) ----
    void Form_Load();
    void cmdHospNum_Click();
    void cmdAcctNum_Click();
    void cmdDocCode_Click();
    void txtHospNum_KeyPress(int& keyAscii);
    void txtAcctNum_KeyPress(int& keyAscii);
    void txtDocCode_KeyPress(int& keyAscii);
    void TimerPrice_Timer();
    void cmdPosted_Click();
    void ClearAll() override;
    // The visit on the screen was taken from the master record: the save posts it as a new visit.
    bool FromMasterRecord() const { return fromMasterRecord_; }

    // ---- Item entry, GSIS and totals (frmEntryOPMarkUpItems.cpp) ----
    void cmdEntry_Click();
    void txtEntry_DblClick();
    void chkGSIS_Click();
    // Reprices every priced line at its GSIS price (true) or back at its stored price (false).
    void DiscountGSISItems(bool gsis);
    QString TotalDiscount() const;

    // ---- Posting and the slip (frmEntryOPMarkUpSave.cpp) ----
    void cmdSave_Click();
    void cmdPrintSave_Click();

    TypeABDiscounts* discounts() const { return discounts_; }

    // ---- Controls ----
    QLineEdit* txtHospNum = nullptr;
    QPushButton* cmdHospNum = nullptr;
    std::array<QLabel*, 4> lblPatInfo{};
    QLineEdit* txtAcctNum = nullptr;
    QPushButton* cmdAcctNum = nullptr;
    QLabel* lblAccount = nullptr;
    QLabel* lblDoctor = nullptr;
    QLabel* lblChargeSlip = nullptr;
    QLabel* lblGross = nullptr;
    QLabel* lblDiscount = nullptr;
    QLabel* lblNet = nullptr;
    QLabel* lblPrice = nullptr;
    QTimer* TimerPrice = nullptr;
    QCheckBox* chkGSIS = nullptr;

protected:
    void refreshTotalsAfterClearing() override;
    PostingPlan postingPlan() override;
    std::vector<SaveCheck> leadingSaveChecks() override;
    QLineEdit* patientBox() const override;
    QLabel* slipLabel() const override;
    std::shared_ptr<report::Report> openSlip(const QString& slipNumber, const QString& visit) override;
    int slipCopies() const override;
    void linePriceChanged(int row) override;

private:
    void buildPatientPanel();
    void buildTotals();
    void showChargeSlip();
    void setOutPriceBlink(bool on);
    // A refused look-up leaves the screen on the visit accepted before, or on nobody.
    void restoreShownVisit();
    void priceFoundItem(int row, const QString& code) override;
    void quantityTaken(int row, double quantity) override;
    // The gross, the box's share of it and the net, each after a blank in its pattern.
    void refreshSummary(const QString& grossPattern, const QString& discountPattern, const QString& netPattern);
    // A line repriced by hand or by quantity loses its type A or B discount until the next Apply.
    void dropLineDiscount(int row);

    TypeABDiscounts* discounts_ = nullptr;
    bool fromMasterRecord_ = false;
    // The visit accepted last ("NEW" for a master record), its hospital number and account.
    QString shownVisit_;
    QString shownHospNum_;
    QString shownAccount_;
};

} // namespace qx
