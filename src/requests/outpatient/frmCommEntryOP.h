#pragma once
#include "charging/ItemProfile.h"
#include "charging/RequestLineLoader.h"
#include "charging/RequestLineStates.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace qx {

class ChargeGrid;
class ColorLegend;
class FlexGrid;
struct ChargeGridConfig;
struct RequestScreenGrid;
struct RequestServingScreen;

// "Communication File Entry ( OUT-PATIENT )": one out-patient or emergency visit's pending
// requests from one nursing station, priced by the out-patient request rule. One instance serves
// every use; each showing loads the window afresh, closing unloads it.
class frmCommEntryOP : public QDialog {
    Q_OBJECT
public:
    enum Column {
        kColCode = 1, kColGenericName = 2, kColDescription = 3, kColSupplier = 5, kColPNF = 6, kColDosage = 8,
        kColRequested = 9, kColIssued = 10, kColStock = 11, kColAmount = 12, kColRemarks = 13, kColUnitPrice = 14,
        kColRequestNumber = 15, kColSCDiscount = 16, kColOldAmount = 20, kColRequestedCode = 21,
        kColGenericMark = 22, kColPriceOut = 24, kColPriceIn = 25, kColLogChoice = 26, kColFixedCharge = 27,
        kColPosted = 28, kColBarCode = 29, kColScanned = 30,
    };
    static constexpr int kCols = 31;
    static constexpr int kLastMarkedCol = 22;  // fixed-charge marks paint columns 1 to this one
    static constexpr int kDesignWidth = 12300;  // twips
    static constexpr int kDesignHeight = 6600;
    static constexpr int kHeightWithLegend = 7530;

    explicit frmCommEntryOP(QWidget* parent = nullptr);
    ~frmCommEntryOP() override;
    static frmCommEntryOP& Default();

    // ---- Public interface ----
    QString PatientID() const { return patientID_; }
    void setPatientID(const QString& value) { patientID_ = value; }
    QString RequestedStationID() const { return requestedStationID_; }
    void setRequestedStationID(const QString& value) { requestedStationID_ = value; }
    QString Station() const { return station_; }
    void setStation(const QString& value) { station_ = value; }
    QString StationName() const { return stationName_; }
    void setStationName(const QString& value) { stationName_ = value; }
    bool CancelledForm() const { return cancelledForm_; }
    void setCancelledForm(bool value) { cancelledForm_ = value; }
    bool isLoaded() const { return body_ != nullptr; }
    QString AccountNum() const { return strAccountNum_; }

    // ---- Loading (frmCommEntryOPLoad.cpp) ----
    void Form_Load();
    void LoadPendingLines();
    void LoadListProfile(const QString& visit, const QString& itemCode, int row);
    void Mark_FixedPrice();
    void MarkAntiBiotic();
    void SetSupplierColWidth();
    void SetPNFColWidth();
    void SetGenericNameColWidth();

    // ---- Grid, row tests and handlers (frmCommEntryOP.cpp) ----
    static ChargeGridConfig gridConfig();
    ChargeGrid* chargeGrid() const { return chargeGrid_; }
    const RequestGridPictures& pictures() const { return pictures_; }
    bool BlankRow(int row) const;
    bool canSave() const;
    void TimerPrice_Timer();

    // ---- Grid events and the issued quantity (frmCommEntryOPEntry.cpp) ----
    void grdItemList_EnterCell();
    void grdItemList_GotFocus();
    // The senior discount (pointer over "S.C. Discount") or the price change (current column
    // "Amount"), as a double click or Space in the grid asks.
    void grdItemList_DblClick(int mouseCol);
    // Enter or a double click in the editor: the issued quantity on its column, else the "..." action.
    void txtEntry_DblClick();
    void cmdEntry_Click();
    QString TotalCharges() const;
    int BarcodeCheckRow() const { return barcodeCheckRow_; }
    QLineEdit* txtEntry() const;
    void cmdDocCode_Click();
    void cmdCancel_Click();
    void cmdDelay_Click();
    void cmdClose_Click();
    // Writes the issued quantities back to the station and prints the doctor's prescription
    // (labels/frmCommEntryOPPrescription.cpp).
    void cmdPrintPrescription_Click();
    // ---- Serving (serving/frmCommEntryOPSave.cpp) ----
    bool Validate();
    void cmdPrintSave_Click();
    void cmdSave_Click();

    // ---- Controls (rebuilt at every load) ----
    QGroupBox* fraPatInfo = nullptr;
    std::array<QLabel*, 11> lblPatInfo{};
    QLineEdit* txtDocCode = nullptr;
    QPushButton* cmdDocCode = nullptr;
    QCheckBox* chkSenior = nullptr;
    QLineEdit* txtDiscount = nullptr;
    QLabel* lblPrice = nullptr;
    QTimer* TimerPrice = nullptr;
    QGroupBox* Frame1 = nullptr;
    FlexGrid* grdItemList = nullptr;
    FlexGrid* flexMSHPrevious = nullptr;
    ColorLegend* Frame4 = nullptr;
    QPushButton* cmdPrintSave = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdDelay = nullptr;
    QPushButton* cmdPosted = nullptr;
    QPushButton* cmdPrintPrescription = nullptr;
    QPushButton* cmdClose = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void buildForm();
    void buildHeader(QWidget* body);
    void buildButtons(QWidget* body);
    void unload();
    // Loading steps 4 to 9: the visit's header, out-price, charge slip, senior state.
    bool loadVisit(bool& senior);
    void priceItemLine(int row, const Recordset& requests, int index);
    RequestLineActions lineActions();
    void connectGridEvents();
    void commitIssuedQuantity(int row, const QString& typed);
    // The over-stock prompt's "Find Substitute Drug": false when nothing was taken.
    bool findSubstitute(int row);
    // The steps this screen shares with the in-patient one, over its own columns and controls.
    RequestScreenGrid requestGrid();
    RequestServingScreen servingScreen();
    void connectServingButtons();

    QString patientID_;
    QString requestedStationID_;
    QString station_;
    QString stationName_;
    QString strAccountNum_;
    bool cancelledForm_ = false;
    QWidget* body_ = nullptr;
    ChargeGrid* chargeGrid_ = nullptr;
    RequestGridPictures pictures_;
    ItemProfile profile_;
    // Kept from one use of the screen to the next, as the barcode check reads it.
    int barcodeCheckRow_ = 0;
};

} // namespace qx
