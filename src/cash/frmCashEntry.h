#pragma once
#include "charging/CashEntryCardFields.h"
#include "charging/ChargeGridConfig.h"

#include <QDialog>
#include <QMap>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;

namespace qx {

class ChargeGrid;
class FlexGrid;
class UpDown;

// "Assessment Entry": prices a cash customer's drugs and supplies for the hospital cashier, or in
// stand-alone mode sells them under the cashier's sales-invoice number. The window is split by
// concern: frame and load (frmCashEntry.cpp), grid and editor (frmCashEntryGrid.cpp), totals, row
// checks and clearing (frmCashEntryTotals.cpp), pricing, discounts, customer and save.
class frmCashEntry : public QDialog, public CashEntryCardFields {
    Q_OBJECT
public:
    // Grid columns.
    enum Column : int {
        colMarker = 0, colCode = 1, colGenericName = 2, colDescription = 3, colBrandName = 4, colUOM = 5,
        colUnitPrice = 6, colAtCost = 7, colQuantity = 8, colStock = 9, colGross = 10, colVAT = 11,
        colTaxable = 12, colDiscount = 13, colAmount = 14, colPriceBase = 15, colInPatientPrice = 16,
        colOutPatientPrice = 17, colInPatientAmount = 18, colOutPatientAmount = 19, colInPatientMarkUp = 20,
        colOutPatientMarkUp = 21, colMfrDiscountPercent = 22, colMfrDiscountAmount = 23,
        colMfrDiscountExpiry = 24, colListPrice = 25, colFixedPrice = 26, colCardAllowance = 27,
        colListCost = 28, colCardDiscount = 29, colMDRP = 30, colMarkUpCash = 31, colMarkUpEmployee = 32,
        colMarkUpSeniorIn = 33, colMarkUpSeniorOut = 34, colSeniorDiscounted = 35, colSiteInPatientMarkUp = 36,
        colVATExemptItem = 37, colTranscriptionRequest = 38, colLast = 41,
    };
    static constexpr int kGridRows = 40;  // the header and 39 lines
    static constexpr int kEditorColumns = 37;

    // Builds the controls in their design state and loads the window (Form_Load).
    explicit frmCashEntry(QWidget* parent = nullptr);
    ~frmCashEntry() override;

    // The grid's layout, editor tables and navigation on this window.
    static ChargeGridConfig gridConfig();

    // ---- Public properties ----
    bool isTransNote() const { return mIsTransNote; }
    void setIsTransNote(bool value) { mIsTransNote = value; }
    QString ReferenceNumber() const { return mReferenceNumber; }
    void setReferenceNumber(const QString& value) { mReferenceNumber = value; }

    // ---- CashEntryCardFields ----
    void setTxtZarviCard(const QString& cardNumber) override;
    void setTxtCardHolder(const QString& holderName) override;
    void setLblCardTypeID(const QString& cardTypeId) override;
    void setLblCardType(const QString& cardTypeName) override;

    // ---- Frame ----
    void Form_Load();
    void Form_Activate();
    void cmdClose_Click();
    void cmdClearAll_Click();
    void cmdClearRow_Click();
    void clearFields(int row);
    void txtTotal_Change();
    void setSISequenceNumber();
    void SetGenericNameColWidth();
    void AddToExcemptCol(int col);
    void RecomputeAmountNetRefund();
    void UpdateSCPPWDIDVisibility();

    // ---- Grid and editor ----
    void setGrid();
    bool ExcemptCol(int col) const;
    void PutTextBox(int row, int col, double kind);
    bool txtEntry_Validate();

    // ---- Totals, row checks and clearing ----
    double GetTotalCharges() const;
    double GetTotalDiscount() const;
    bool BlankRow(int row) const;
    int BlankRows() const;
    bool CanSaveRow(int row) const;
    bool canSave() const;
    QString NoSaveRows() const;
    bool ValidateQuantity();
    // Tells the pharmacist when the line has no quantity; true when it was told.
    bool refusedForNoQuantity(int row);
    bool Validated();
    void ClearRow(int row);
    void ClearAll(bool clearTotals);
    void ClearInfo();

    // ---- Item entry and pricing ----
    // Fills the current line for the item the drug component found; false when refused.
    bool SetRow();
    // Fills every column of the current line for the found item; false when the line was removed
    // for lack of stock.
    bool SetRow2(const QString& code);
    void SetRowSellingPrice(double& unitPrice, double& inPatientPrice, double& outPatientPrice);
    void cmdEntry_Click();
    void txtEntry_DblClick();
    void grdItemList_DblClick();
    void GetMarkUp(const QString& itemId);
    // "VELMIRA" for a patient of the sponsorship programme, else "".
    QString GetHospitalPlan(const QString& idNum);
    double GetFinalSellingPrice(double price);

    // ---- Discounts ----
    void LoadDiscountLists();
    // The discount of an amount under the current choice, not rounded.
    double ComputeDiscount(double amount, double cost);
    void ComputeAllDiscounts();
    void RemoveDiscounts();
    // False (after telling the user) when "Others" is chosen without a class.
    bool checkDiscountType();
    void cboClass_Click();
    void cboOthers_Click();
    void cmdApplyA_Click();
    void cmdComputeDisc_Click();
    void chkTypeA_Click();
    void optNone_Click();
    void optSeniorCitizen_Click();
    void optManual_Click();
    void enableCardSearch(bool enable);

    // ---- Customer ----
    // Looks the typed admission or visit number up. Mode 1 opens the patient picker when it is
    // not found, mode 2 sets cancel instead; cancel is otherwise left as passed.
    void ValidateIDNum(bool& cancel, int mode);
    void txtIdNumber_KeyPress(int& keyAscii);
    void txtIdNumber_Change();
    void txtIdNumber_Validate(bool& cancel);
    void txtPatName_KeyPress(int& keyAscii);
    void txtPatName_LostFocus();
    void chkInPatient_Click();
    void chkOutPatient_Click();
    void chkDialysis_Click();
    void chkVelmira_Click();
    void cmdDocCode_Click();
    void cmdSearch_Click();
    void cmdSearchCard_Click();
    void cmdCard_Click();
    void txtZarviCard_KeyPress(int& keyAscii);
    void txtRefund_KeyPress(int& keyAscii);
    void txtRefund_Validate(bool& cancel);
    // Re-prices the coded lines at the in-patient or out-patient price, then the totals.
    void ComputeDialysisPatient();
    // Revokes the transcription request of a line; true once revoked.
    bool RevokeTranscriptionRequest(int row);
    // Fills the grid with the admission's waiting transcription lines and keeps their reference.
    void DisplayTranscriptionRequest(const QString& idNum, const QString& roomId);

    // ---- Sequence numbers ----
    void mnuEditSequenceNumbers_Click();
    void mnuChangeSISequenceNum_Click();

    // ---- Save and print ----
    void cmdSave_Click();
    void cmdPrintSave_Click();
    void cmdPrintPreview_Click();
    // Whether an assessment line of the pharmacy stands under the number.
    bool CheckSlipExists(const QString& refNum);
    // The line readers of the save.
    double GetRowAmount(int row);
    double GetRowUnitPrice(int row);
    void GetCardInfo(int row, double& discount, QString& cardNumber, QString& cardTypeId);
    void GetRowDiscountInfo(int row, double& discount, QString& discountName, QString& discountType,
                            double& discountRate);
    // One save in one transaction: the number, every line, the staging rows, the sales invoice
    // and the user-log line; nothing stays when any of it fails.
    bool SaveAssessment(bool print, bool preview);
    bool SaveAssessmentPreNum(bool print);
    void SaveSI(const QString& discountType);
    void PrintAssessSlip();
    void PrintAssessSlipInPatient();

    ChargeGrid* chargeGrid() const { return chargeGrid_; }
    QLineEdit* txtEntry() const;
    QPushButton* cmdEntry() const;
    UpDown* upDown() const;

    // The user-log activity the running save writes with its number ("" writes none).
    QString mSaveLogActivity;

    // ---- Window values ----
    QMap<QString, int> mExemptCols;
    double mColEditor[kEditorColumns] = {};
    bool mLoading = false;
    bool mIsTransNote = false;
    QString mPreNumberRefNum;
    QString mReferenceNumber;
    bool mChargeAtCost = false;
    bool mVATExemptClass = false;
    bool mSaveValidated = false;
    QString mDiscountName;
    QString mRoomID;
    double mMarkUpCash = 0, mMarkUpEmployee = 0, mMarkUpSeniorIn = 0, mMarkUpSeniorOut = 0, mMarkUpVAT = 0;
    // The two GSIS card flags the save commands read (site KTH).
    bool mGSISCardSC = false;
    bool mGSISCardGSIS = false;

    // ---- Controls ----
    QMenuBar* menuBar = nullptr;
    QMenu* mnuMenu = nullptr;
    QAction* mnuEditSequenceNumbers = nullptr;
    QAction* mnuChangeSISequenceNum = nullptr;

    QGroupBox* Frame4 = nullptr;
    QLabel* lblCaption = nullptr;
    QLineEdit* txtIdNumber = nullptr;
    QLineEdit* txtHospNum = nullptr;
    QLineEdit* txtPatName = nullptr;
    QLineEdit* txtDoctorID = nullptr;
    QLineEdit* txtDoctor = nullptr;
    QPushButton* cmdDocCode = nullptr;
    QLineEdit* txtRoom = nullptr;
    QLabel* lblAge = nullptr;
    QGroupBox* fraMasterInfo = nullptr;
    QCheckBox* chkInPatient = nullptr;
    QCheckBox* chkOutPatient = nullptr;
    QCheckBox* chkEmployee = nullptr;
    QCheckBox* chkDialysis = nullptr;
    QCheckBox* chkVelmira = nullptr;
    QLabel* lblHospitalPlan = nullptr;
    QLabel* Label2_4 = nullptr;
    QLineEdit* txtRefNum = nullptr;
    QLabel* lblS2Number = nullptr;
    QLineEdit* txtS2Number = nullptr;
    QLabel* Label2_0 = nullptr;
    QLineEdit* txtSCNumber = nullptr;
    QLabel* lblGSISNumber_5 = nullptr;
    QLineEdit* txtGSISNumber = nullptr;
    QLabel* lblMarkUp = nullptr;

    QGroupBox* Frame5 = nullptr;
    QLineEdit* txtZarviCard = nullptr;
    QPushButton* cmdSearchCard = nullptr;
    QLineEdit* txtCardHolder = nullptr;
    QPushButton* cmdCard = nullptr;
    QLabel* lblCardType = nullptr;
    QLabel* lblCardTypeID = nullptr;

    QGroupBox* Frame2 = nullptr;
    QLineEdit* txtCheckerID = nullptr;
    QPushButton* cmdSearch = nullptr;
    QLineEdit* txtCheckerName = nullptr;

    QGroupBox* Frame1 = nullptr;
    FlexGrid* grdItemList = nullptr;

    QGroupBox* Frame3 = nullptr;
    QLineEdit* txtTotal = nullptr;
    QLineEdit* txtDiscount = nullptr;
    QLabel* lblRefund = nullptr;
    QLineEdit* txtRefund = nullptr;
    QLabel* lblNetOfRefund = nullptr;
    QLineEdit* txtAmountNetRefund = nullptr;

    QGroupBox* TypeB = nullptr;
    QRadioButton* optNone = nullptr;
    QRadioButton* optSeniorCitizen = nullptr;
    QRadioButton* optManual = nullptr;
    QGroupBox* fraOthers = nullptr;
    QLabel* Label1_4 = nullptr;
    QComboBox* cboOthers = nullptr;
    QLineEdit* txtDscRate = nullptr;
    QComboBox* cboPercent = nullptr;
    QPushButton* cmdComputeDisc = nullptr;
    QLabel* lblSCPWDID = nullptr;
    QLineEdit* txtSCPWDID = nullptr;

    QCheckBox* chkTypeA = nullptr;
    QGroupBox* TypeA = nullptr;
    QComboBox* cboClass = nullptr;
    QComboBox* cmbA = nullptr;
    QPushButton* cmdApplyA = nullptr;
    QGroupBox* fraClass = nullptr;
    QComboBox* cboClassEmployee = nullptr;

    QLabel* lblLegend = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* lblVATExempt = nullptr;

    QPushButton* cmdClearRow = nullptr;
    QPushButton* cmdClearAll = nullptr;
    QPushButton* cmdPrintPreview = nullptr;
    QPushButton* cmdPrintSave = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdClose = nullptr;

    // Escape closes through the same question as the close box.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void connectHandlers();
    void connectCustomerHandlers();
    // The common end of the patient-type boxes: walk-in or patient fields, an empty grid, no discount.
    void resetForCustomerType();
    void focusFirstCode();
    bool Form_QueryUnload();
    void grdItemList_EnterCell();
    void grdItemList_GotFocus();
    void enableClearRow();
    void paintCodeCell(int row);
    void lookUpItem();
    bool takeFoundItem();
    bool takeSubstitute(int row);
    struct AssessmentSave;
    // Posts (or in a preview only stages) one grid line of the save.
    void postAssessmentLine(int row, AssessmentSave& save);

    ChargeGrid* chargeGrid_ = nullptr;
};

} // namespace qx
