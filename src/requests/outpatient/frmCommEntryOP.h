#pragma once
#include "charging/RequestLineStates.h"
#include "charging/RequestScreenWindow.h"

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
struct RequestCellEntry;
struct RequestScreenGrid;
struct RequestServingScreen;

// "Communication File Entry ( OUT-PATIENT )": one out-patient or emergency visit's pending
// requests from one nursing station, priced by the out-patient request rule. One instance serves
// every use; each showing loads the window afresh, closing unloads it.
class frmCommEntryOP : public RequestScreenWindow {
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
    QString StationName() const { return stationName_; }
    void setStationName(const QString& value) { stationName_ = value; }
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
    // ---- Item entry (frmCommEntryOPItems.cpp) ----
    // The "..." action: the item on the code column (with barcode checking, the scan), the dosage
    // on its column; any other column takes nothing.
    void cmdEntry_Click();
    QString TotalCharges() const;
    void cmdDocCode_Click();
    void cmdCancel_Click();
    void cmdDelay_Click();
    // Writes the issued quantities back to the station and prints the doctor's prescription
    // (labels/frmCommEntryOPPrescription.cpp).
    void cmdPrintPrescription_Click();
    // ---- Serving (serving/frmCommEntryOPSave.cpp) ----
    bool Validate();
    void cmdPrintSave_Click();
    void cmdSave_Click();

    // ---- Controls of this screen (rebuilt at every load) ----
    QCheckBox* chkSenior = nullptr;
    QLineEdit* txtDiscount = nullptr;
    QLabel* lblPrice = nullptr;
    QTimer* TimerPrice = nullptr;
    ColorLegend* Frame4 = nullptr;
    QPushButton* cmdPrintPrescription = nullptr;

private:
    void buildForm();
    void buildHeader();
    void buildButtons();
    // Loading steps 4 to 9: the visit's header, out-price, charge slip, senior state.
    bool loadVisit(bool& senior);
    void priceItemLine(int row, const Recordset& requests, int index);
    RequestLineActions lineActions();
    void connectGridEvents();
    // The cell editor's entries, configured for this screen's columns and rules.
    RequestCellEntry cellEntry();
    // The drug component's current item priced by the out-patient rule (by its change-path table
    // after a scan) into the line's price columns; answers the unit price.
    QString writePriceColumns(int row, bool changedByScan);
    // The whole line priced: the amount with FENT's, the fixed charge and the special prices.
    void fillLine(int row, bool changedByScan);
    // The steps this screen shares with the in-patient one, over its own columns and controls.
    RequestScreenGrid requestGrid();
    RequestServingScreen servingScreen();
    void connectServingButtons();

    QString stationName_;
    QString strAccountNum_;
};

} // namespace qx
