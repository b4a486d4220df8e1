#pragma once
#include "charging/ItemProfile.h"
#include "posting/CompanyMarkupScreen.h"

#include <array>
#include <functional>
#include <memory>

namespace qx {

namespace InpatientFile {
class Patient;
}

// "COMPANY MEDICINES (DIFFERENT MARKUP)" for an admitted patient: company medicines charged at the
// item's list cost plus the mark-up typed once for the transaction.
class frmEntryMarkup : public CompanyMarkupScreen {
    Q_OBJECT
public:
    // Columns of this grid beyond the shared ones.
    enum Column { colMarkUpOut = 9, colMarkUp = 10, colMarkUp2 = 11, colOverStockChoice = 12, colListCost = 13 };
    static constexpr int kCols = 14;
    static constexpr int kGridWidth = 11280;

    explicit frmEntryMarkup(QWidget* parent = nullptr);
    ~frmEntryMarkup() override;

    static ChargeGridConfig gridConfig(int gridWidth);

    // ---- Loading and the patient (frmEntryMarkup.cpp) ----
    void Form_Load();
    void cmdFind_Click();
    void txtFind_Change();
    void txtFind_KeyPress(int& keyAscii);
    void cmdDocCode_Click();
    void txtDocCode_KeyPress(int& keyAscii);
    // The previous orders of the line's item for the admission in the box.
    void LoadListProfile(const QString& itemCode, int row);
    void cmdPosted_Click();
    void ClearAll() override;

    // ---- Item entry and quantities (frmEntryMarkupItems.cpp) ----
    void cmdEntry_Click();
    void txtEntry_DblClick();

    // ---- Posting and the slip (frmEntryMarkupSave.cpp) ----
    void cmdSave_Click();
    void cmdPrintSave_Click();

    // ---- Controls ----
    QLineEdit* txtFind = nullptr;
    QPushButton* cmdFind = nullptr;
    // Elements 0, 2, 3, 5, 6 and 7; 1 and 4 do not exist.
    std::array<QLabel*, 8> lblPatInfo{};
    QGroupBox* Frame2 = nullptr;
    FlexGrid* flexMSHPrevious = nullptr;

protected:
    void refreshTotalsAfterClearing() override;
    PostingPlan postingPlan() override;
    QLineEdit* patientBox() const override;
    QLabel* slipLabel() const override;
    std::shared_ptr<report::Report> openSlip(const QString& slipNumber, const QString& visit) override;
    int slipCopies() const override;

private:
    void buildPatientPanel();
    void showPatient(InpatientFile::Patient& patient);
    // A refused look-up leaves the screen on the admission accepted before, or on nobody.
    void restoreShownPatient(InpatientFile::Patient& patient);
    void showTotal();
    void priceFoundItem(int row, const QString& code) override;
    void quantityTaken(int row, double quantity) override;

    ItemProfile profile_;
    // The admission the banner shows; empty before the first accepted look-up and after posting.
    QString shownAdmission_;
};

} // namespace qx
