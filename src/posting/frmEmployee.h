#pragma once
#include "charging/ChargeGridConfig.h"
#include "charging/ChargePosting.h"
#include "charging/ManualItemEntry.h"
#include "charging/TypeABDiscounts.h"

#include <QDialog>
#include <array>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qx {

class ChargeGrid;
class ColorLegend;
class FlexGrid;
class frmEmployeeList;

// "Employee Medicines": charges the medicines of a company's employees (and of patients billed to
// a company) to the company's account. The pharmacist finds the visit (or registers one for an
// employee), answers whether the charge is a fringe benefit, picks the account, enters the lines
// priced by the employee rule, applies discount types A or B and saves.
class frmEmployee : public QDialog {
    Q_OBJECT
public:
    static constexpr int kLines = 30;
    // Grid columns every part of the screen names.
    enum Column {
        colLine = 0, colCode = 1, colDescription = 2, colBrand = 3, colUOM = 4, colDosage = 5, colQuantity = 6,
        colStock = 7, colAmount = 8, colRemarks = 9, colUnitPrice = 10, colSeniorDiscount = 11, colDiscount = 12,
        colGross = 13, colMarkupIn = 14, colMarkupOut = 15, colOverStock = 16, colFixedPrice = 17, colRateA = 18,
        colRateB = 19, colRegularPrice = 20, colRegularAmount = 21, colMDRP = 22,
        // The item's unit cost at look-up, which the "Unit Cost" price basis charges.
        colUnitCost = 23,
    };
    static constexpr int kCols = 24;

    explicit frmEmployee(QWidget* parent = nullptr);
    ~frmEmployee() override;

    // The grid's editor tables, navigation and layout for a grid `gridWidth` twips wide.
    static ChargeGridConfig gridConfig(int gridWidth);

    // ---- Loading, grid, totals and closing (frmEmployee.cpp) ----
    void Form_Load();
    void setGrid();
    void PutTextBox(int intRow, int intCol, double sngWhichCtrl, int intMax);
    bool ExcemptCol(int col) const;
    // Every cell of columns 1 on empty after trimming.
    bool BlankRow(int intRow) const;
    // Not blank, with a code, a dosage frequency and a quantity above 0.
    bool CanSaveRow(int intRow) const;
    bool canSave() const;
    // The charged total "######0.00" (the NORVAX price basis decides what is added); also writes
    // the discount total into lblDiscount.
    QString TotalCharges();
    // Empties the screen for the next patient; the fringe box, type B and the price basis stay.
    void ClearAll();

    void cmdClearRow_Click();
    void cmdPosted_Click();
    void cmdClose_Click();
    void optIN_Click();
    void optUnitCost_Click();

    // ---- Visit, fringe benefit and account (frmEmployeePatient.cpp) ----
    void cmdHospNum_Click();
    void txtIDNum_KeyPress(int& keyAscii);
    void cmdAcctNum_Click();
    void txtAcctNum_KeyPress(int& keyAscii);
    // Runs whenever the box's value changes: empties the account and looks it up again.
    void chkFringe_Click();
    // True once the patient was taken from the master record: the save registers a new visit.
    bool NewPatient() const { return newPatient_; }
    // The employee picker the look-up opens (one for the screen's life).
    frmEmployeeList& employeeList();

    // ---- Item entry and quantities (frmEmployeeItems.cpp) ----
    void cmdEntry_Click();
    void txtEntry_DblClick();
    // Re-prices every line for the NORVAX price basis.
    void ApplyPrice();
    // The employee unit price of the item the drug component holds, written into the line.
    void priceEmployeeLine(int row);

    // ---- Validation, posting and the slip (frmEmployeeSave.cpp) ----
    // The save's checks in order; the first refusal is told.
    bool IsValidated();
    // The supervisor (under IsHasValidation), then every saveable line posted under one claimed
    // slip with the choice logs, the verifier, one discount line to billing and the user log, all
    // in one transaction; mode 1 also stages the slip. False when refused or failed (told; the
    // lines stay on the screen).
    bool IsSaved(int mode = 0);
    void cmdSave_Click();
    void cmdPrintSave_Click();
    // Prints "OPDChargeSlip_Emp.rpt" of the slip just saved, then clears the screen.
    void PrintSave();
    // The revenue-code name of a code, "" when billing has none.
    QString GetDiscountName(const QString& Code) const;
    // The supervisor who approved the last save under validation.
    QString strVerifyID() const { return verifyId_; }

    // ---- Discounts (frmEmployeeDiscounts.cpp) ----
    // The discount of an amount under the ticked type (at QVH the employee rate, to the centavo).
    double ComputeDiscount(double dblAmount) const;
    void ComputeAllDiscounts();
    void RemoveDiscounts();
    // Sum of the lines' discounts, "###0.00".
    QString TotalDiscount() const;
    // The site QVH's automatic employee discount, with VAT, after every quantity commit.
    void ComputeAllDiscountsQVH();
    // The "Unit Cost" basis's discount: what the lines charge above their unit cost.
    void ComputeUnitCostDiscount();
    // The discount code of the type-A entry chosen, "" for the empty entry.
    QString GetDiscountCode() const;
    TypeABDiscounts* discounts() const { return discounts_; }

    ChargeGrid* chargeGrid() const { return chargeGrid_; }
    QLineEdit* txtEntry() const;
    QPushButton* cmdEntry() const;

    // Writes one line to the user log.
    std::function<void(const QString& activity)> saveUserLog;

    // ---- Controls ----
    QGroupBox* fraPatInfo = nullptr;
    std::array<QLabel*, 4> lblPatInfo{};
    QLineEdit* txtIDNum = nullptr;
    QPushButton* cmdHospNum = nullptr;
    QLineEdit* txtAcctNum = nullptr;
    QPushButton* cmdAcctNum = nullptr;
    std::array<QLabel*, 3> lblAccount{};
    QLabel* lblDateEmployedCaption = nullptr;
    QCheckBox* chkFringe = nullptr;
    QLabel* lblDiscountCaption = nullptr;
    QLabel* lblPercent = nullptr;
    QLineEdit* txtDiscount = nullptr;
    QLabel* lblGross = nullptr;
    QLabel* lblDiscount = nullptr;
    QLabel* lblNet = nullptr;
    QLabel* lblCreditLimit = nullptr;
    QLabel* lblCredit = nullptr;
    QLabel* lblCreditTotal = nullptr;
    QLabel* lblTotalCredit = nullptr;
    QGroupBox* Frame1 = nullptr;
    FlexGrid* flexMSEntry = nullptr;
    QLabel* lblMDRP = nullptr;
    QCheckBox* chkTypeA = nullptr;
    QGroupBox* TypeA = nullptr;
    QComboBox* cmbA = nullptr;
    QPushButton* cmdApplyA = nullptr;
    QCheckBox* chkTypeB = nullptr;
    QGroupBox* TypeB = nullptr;
    QComboBox* cmbB1 = nullptr;
    QComboBox* cmbB2 = nullptr;
    QPushButton* cmdApplyB = nullptr;
    QGroupBox* Frame5 = nullptr;
    QRadioButton* optUnitCost = nullptr;
    QRadioButton* optIN = nullptr;
    ColorLegend* Frame4 = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdPrintSave = nullptr;
    QPushButton* cmdClearRow = nullptr;
    QPushButton* cmdPosted = nullptr;
    QPushButton* cmdClose = nullptr;

    // Window heights in twips: as designed, and grown to show the colour legend.
    static constexpr int kDesignedHeight = 7155;
    static constexpr int kColorCodedHeight = 8205;
    static constexpr int kGridWidth = 11220;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void buildHeader();
    void buildDiscounts();
    void buildButtons();
    void flexMSEntry_EnterCell();
    void flexMSEntry_GotFocus();
    void enableSaveButtons();
    void hideCellEditor();
    void loadDiscountLists();
    TypeABDiscounts::Policy discountPolicy();
    ManualPostingGrid postingGrid() const;
    QString discountRevenueCode() const;
    void connectDiscounts();
    // Refreshes the three total labels after a change of the lines.
    void refreshTotals();

    // Visit look-up steps (frmEmployeePatient.cpp).
    // "Is this a fringe benefit?": sets the box (its handler runs on a change); true for Yes.
    bool askFringe();
    void loadCreditFigures(const QString& account);

    // Item entry steps (frmEmployeeItems.cpp).
    ManualItemEntryConfig itemEntryConfig();
    // The item the drug component holds, checked and put on the line under `code`; false when
    // it may not be charged (told).
    bool fillItem(int row, const QString& code);
    void substituteFound(int row);
    void lineAmounts(int row, double quantity);
    // The totals after a quantity was committed (the site QVH's discounts included).
    void quantityTotals();

    ChargeGrid* chargeGrid_ = nullptr;
    TypeABDiscounts* discounts_ = nullptr;
    std::unique_ptr<ManualItemEntry> itemEntry_;
    std::unique_ptr<frmEmployeeList> employeeList_;
    bool newPatient_ = false;
    bool skipMDRPDiscount_ = true;
    QString verifyId_;
    QString postedVisit_;  // the visit the last save's lines carry
};

} // namespace qx
