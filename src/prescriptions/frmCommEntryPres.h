#pragma once
#include "charging/ItemProfile.h"
#include "charging/RequestLineLoader.h"
#include "charging/RequestLineStates.h"
#include "charging/RequestRowTests.h"
#include "platform/Colors.h"

#include <QDialog>
#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QCheckBox;
class QTimer;

namespace qx {

class ChargeGrid;
class ColorLegend;
class FlexGrid;
class UpDown;
struct ChargeGridConfig;
struct ItemCodeRequest;
struct RequestScreenGrid;
struct SeniorDiscountLine;

// "Communication File Entry" for take-home prescriptions: one admitted patient's pending
// take-home lines with stock and prices, issued, substituted or cancelled line by line. One
// instance serves every opening; each showing loads the window afresh from the properties its
// caller set, and every way out unloads it.
class frmCommEntryPres : public QDialog {
    Q_OBJECT
public:
    enum Column {
        kColCode = 1, kColDescription = 2, kColDosage = 3, kColRequested = 4, kColIssued = 5, kColStock = 6,
        kColAmount = 7, kColRemarks = 8, kColSellPriceIn = 9, kColRequestNumber = 10, kColSCDiscount = 11,
        kColNurse = 12, kColRequestDate = 13, kColMark = 14, kColOldAmount = 15, kColRequestedCode = 16,
        kColGenericMark = 17, kColGenericRequest = 19, kColPriceOut = 20, kColPriceTaken = 21, kColLogChoice = 23,
        kColFixedCharge = 24, kColPosted = 25, kColBarCode = 26, kColScanned = 27,
    };
    static constexpr int kCols = 28;
    static constexpr int kLastFixedPriceCol = 23;    // the fixed-price mark paints columns 1 to this one
    static constexpr int kLastNonMedicareCol = 19;   // the non-medicare background, columns 1 to this one
    static constexpr int kDesignWidth = 15300;  // twips
    static constexpr int kDesignHeight = 9600;
    static constexpr int kGridWidth = 14820;

    explicit frmCommEntryPres(QWidget* parent = nullptr);
    ~frmCommEntryPres() override;
    static frmCommEntryPres& Default();

    // ---- Public properties (kept between openings) ----
    QString PatientID() const { return patientID_; }
    void setPatientID(const QString& value) { patientID_ = value; }
    QString RequestedStationID() const { return requestedStationID_; }
    void setRequestedStationID(const QString& value) { requestedStationID_ = value; }
    QString Station() const { return station_; }
    void setStation(const QString& value) { station_ = value; }
    bool CancelledForm() const { return cancelledForm_; }
    void setCancelledForm(bool value) { cancelledForm_ = value; }
    bool isHomeMed() const { return isHomeMed_; }
    void setisHomeMed(bool value) { isHomeMed_ = value; }
    bool isLoaded() const { return body_ != nullptr; }

    // ---- Loading (frmCommEntryPresLoad.cpp) ----
    void Form_Load();
    static ChargeGridConfig gridConfig();

    // ---- Lines, states, markers (frmCommEntryPresLines.cpp) ----
    // The total of the Amount column, "###0.00".
    QString TotalCharges() const;
    bool BlankRow(int intRow) const;
    bool CanSaveRow(int intRow) const;
    bool canSave() const;
    bool IsMedicareItem(const QString& ItemID);
    void Mark_FixedPrice();
    void MarkAntiBiotic();
    void LoadListProfile(const QString& strIDNum, const QString& strItemID, int intRow);
    void Form_Activate();
    void cmdCancel_Click();
    void cmdDocCode_Click();
    void txtDocCode_KeyPress(int& keyAscii);
    void cmdPosted_Click();
    void cmdClose_Click();
    void timerB_Timer();

    // ---- Saving and printing (frmCommEntryPresSave.cpp) ----
    // "&Save": the checks, then the lines posted in passes of MaximumReceiptEntry lines, each
    // under its own charge slip, all in one transaction; the screen closes.
    void cmdSave_Click();
    // The print command: the save with a slip printed per pass, then (Kelvar hospitals) the
    // doctor's prescription; the screen closes once the save is done.
    void cmdPrintSave_Click();
    void cmdPinrtPresSave_Click();
    // Prints "ChargeSlip.rpt" of the slip number in its copies, straight to the printer.
    void PrintChargeSlip(const QString& slipNumber);
    // The first saveable, not cancelled line whose drug is inactive; 0 when none.
    int InactiveDrugs();
    // ---- Doctor's prescription (frmCommEntryPresSave.cpp) ----
    void cmdPrintPrescription_Click();
    bool saveValidated() const { return saveValidated_; }

    // ---- Grid and editor ----
    void flexMSEntry_EnterCell();
    void flexMSEntry_GotFocus();
    int BarcodeCheckRow() const { return barcodeCheckRow_; }
    // The senior-citizen mark (pointer over column 11) or the price override (current column 7),
    // as a double click or Space in the grid asks.
    void flexMSEntry_DblClick(int mouseCol);

    // ---- Item entry (frmCommEntryPresEntry.cpp) ----
    // Enter or a double click in the editor: the issued quantity on its column, else the look-up.
    void txtEntry_DblClick();
    // The "..." action: the item (or the barcode check) on the code column, the dosage on its own.
    void cmdEntry_Click();
    void PutTextBox(int intRow, int intCol, double sngWhichCtrl, int intMax);
    bool ExcemptCol(int col) const;
    ChargeGrid* chargeGrid() const { return chargeGrid_; }
    const RequestGridPictures& pictures() const { return pictures_; }
    ItemProfile& profile() { return profile_; }
    QLineEdit* txtEntry() const;
    QPushButton* cmdEntry() const;
    UpDown* UpDownCtl() const;
    // Where this grid keeps what the shared row tests read.
    static RequestRowColumns rowColumns();

    // ---- Controls (rebuilt at every load) ----
    QGroupBox* fraPatInfo = nullptr;
    std::array<QLabel*, 14> Label1{};
    std::array<QLabel*, 11> lblPatInfo{};
    QLineEdit* txtDocCode = nullptr;
    QPushButton* cmdDocCode = nullptr;
    QLabel* lblTargetLocationID = nullptr;
    QLabel* lblMarkUp = nullptr;
    QLabel* lblRoomClass = nullptr;
    QCheckBox* chkSenior = nullptr;
    QLineEdit* txtDiscount = nullptr;
    QLabel* lblExecPackage = nullptr;
    QLabel* lblVelmira = nullptr;
    QLabel* lblVIP = nullptr;
    QGroupBox* Frame1 = nullptr;
    FlexGrid* flexMSEntry = nullptr;
    QGroupBox* Frame2 = nullptr;
    FlexGrid* flexMSHPrevious = nullptr;
    QGroupBox* Frame3 = nullptr;
    ColorLegend* Frame4 = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdPrintPrescription = nullptr;
    QPushButton* cmdPinrtPresSave = nullptr;
    QPushButton* cmdPrintSave = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdClose = nullptr;
    QPushButton* cmdPosted = nullptr;
    QTimer* timerB = nullptr;

    ColorValue vipColor() const { return vipColor_; }
    bool isSeniorPatient() const { return senior_; }
    bool entriesSaved() const { return entriesSaved_; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void buildForm();
    void buildHeader();
    void buildLowerPanels();
    void unload();
    void connectGridEvents();
    void layOutGrid();
    bool loadPatient();
    void loadPendingLines();
    void priceLoadedLine(int row, const Recordset& lines, int index);
    RequestLineActions lineActions();
    // The steps this screen shares with the request screens, over its own columns and controls.
    RequestScreenGrid requestGrid();
    // ---- Item entry (frmCommEntryPresEntry.cpp) ----
    QString pickedCode(const QString& text);
    void enterItemCode(int row);
    // Resolves the code and fills the line with the found, active item; false when refused.
    bool takeItem(int row, const ItemCodeRequest& request);
    // Code, description, stock and the take-home prices of the drug component's current item.
    void writeItem(int row);
    void priceLine(int row);
    // writeItem, with the out-patient price, the expected barcode and the amount.
    void fillLine(int row);
    void checkBarcode();
    // ---- Issued quantity (frmCommEntryPresQuantity.cpp) ----
    SeniorDiscountLine seniorLine(int row) const;
    void commitIssuedQuantity(int row, const QString& typed);
    // The over-stock prompt's "Find Substitute Drug": false abandons the commit.
    bool findSubstitute(int row);
    // ---- Saving (frmCommEntryPresSave.cpp) ----
    // True when the save got past its checks and its posting committed.
    bool saveDispensing();
    void connectSaveButtons();

    QString patientID_;
    QString requestedStationID_;
    QString station_;
    bool cancelledForm_ = false;
    bool isHomeMed_ = false;
    bool senior_ = false;
    bool entriesSaved_ = false;
    bool printRequested_ = false;
    bool printAfterSave_ = false;
    bool saveValidated_ = false;
    QWidget* body_ = nullptr;
    ChargeGrid* chargeGrid_ = nullptr;
    RequestGridPictures pictures_;
    ItemProfile profile_;
    ColorValue vipColor_ = 0xC0C0FF;
    // The line the barcode check walks from; kept from one opening to the next.
    int barcodeCheckRow_ = 0;
};

} // namespace qx
