#pragma once
#include "charging/RequestLineStates.h"
#include "charging/RequestScreenWindow.h"
#include "platform/Colors.h"

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
struct RequestCellEntry;
struct RequestScreenGrid;
struct RequestServingScreen;

// "Communication File Entry ( IN-PATIENT )": one admitted patient's pending requests from one
// nursing station, served with stock and prices. One instance serves every use; each showing
// loads the window afresh from the properties its caller set, and closing unloads it.
class frmCommEntry : public RequestScreenWindow {
    Q_OBJECT
public:
    // Grid columns the editing and serving code address by number.
    enum Column {
        kColCode = 1, kColGenericName = 2, kColDescription = 3, kColSupplier = 5, kColPNF = 6, kColDosage = 8,
        kColRequested = 9, kColIssued = 10, kColStock = 11, kColAmount = 12, kColRemarks = 13,
        kColSellPriceIn = 14, kColRequestNumber = 15, kColSCDiscount = 16, kColMark = 19, kColOldAmount = 20,
        kColRequestedCode = 21, kColGenericMark = 22, kColPriceOut = 24, kColPriceTaken = 25, kColLogChoice = 27,
        kColFixedCharge = 28, kColPosted = 29, kColBarCode = 30, kColScanned = 31,
    };
    static constexpr int kCols = 32;
    static constexpr int kLastMarkedCol = 23;  // marks paint columns 1 to this one
    static constexpr int kDesignWidth = 15300;  // twips
    static constexpr int kDesignHeight = 9900;

    explicit frmCommEntry(QWidget* parent = nullptr);
    ~frmCommEntry() override;
    static frmCommEntry& Default();

    // ---- Loading (frmCommEntryLoad.cpp) ----
    // Builds the window as designed, then loads the patient's header and pending lines.
    void Form_Load();
    // Loaded on first use: a caller that touches a control loads the window then.
    void ensureLoaded();

    // ---- Lines, prices and the legend (frmCommEntryLines.cpp) ----
    void LoadPendingLines();
    void ShowColorLegend();
    // Whether the room mark-up decides the unit price (a non-zero mark-up with mark-up pricing on).
    bool roomMarkUpApplies() const;

    // ---- Profile, marks and widths (frmCommEntryMarks.cpp) ----
    void LoadListProfile(const QString& admission, const QString& itemCode, int row);
    void Mark_FixedPrice();
    void MarkAntiBiotic();
    void SetSupplierColWidth();
    void SetPNFColWidth();
    void SetGenericNameColWidth();

    // ---- Grid and editor ----
    static ChargeGridConfig gridConfig();
    void PutTextBox(int intRow, int intCol, double sngWhichCtrl, int intMax);
    bool ExcemptCol(int col) const;
    // The total of the Amount column, "###0.00".
    QString TotalCharges() const;
    QPushButton* cmdEntry() const;
    UpDown* UpDownCtl() const;

    // ---- Row tests and grid events (frmCommEntryEvents.cpp) ----
    bool BlankRow(int row) const;
    bool CanSaveRow(int row) const;
    bool canSave() const;
    void grdItemList_EnterCell();
    void grdItemList_GotFocus();
    // The senior discount (pointer over "S.C. Discount") or the price change (current column
    // "Amount"), as a double click or Space in the grid asks.
    void grdItemList_DblClick(int mouseCol);
    // Lines whose item Medicare does not cover get their code and generic name coloured.
    void Form_Activate();
    bool IsMedicareItem(const QString& itemId);

    // ---- The editor's commit (frmCommEntryEntry.cpp) ----
    // Enter or a double click in the editor: the issued quantity on its column, else the look-up.
    void txtEntry_DblClick();
    // The "..." action: the item on the code column, the dosage on its column.
    void cmdEntry_Click();
    // "Out-Patient Price": every line's amount from the requested quantity at the out-patient or
    // the in-patient price.
    void chkOPPrice_Click();
    void cmdCancel_Click();
    void cmdDelay_Click();

    // ---- Medication labels (labels/frmCommEntryLabels.cpp) ----
    // Fills the hidden Initial box with the patient's initials for the labels (site YRD).
    void PatientInitial();
    // Labels of the lines shown; in reprint mode the screen closes once some were printed.
    void cmdPrintBarCode_Click();

    // ---- Serving (serving/frmCommEntrySave.cpp) ----
    bool Validate();
    void cmdPrintSave_Click();
    void cmdSave_Click();
    void cmdDrugProfile_Click();

    // ---- Handlers ----
    void cmdDocCode_Click();
    void txtDocCode_KeyPress(int& keyAscii);
    void cmdPosted_Click();
    void timerB_Timer();

    // ---- Controls of this screen (rebuilt at every load) ----
    QLabel* lblTargetLocationID = nullptr;
    QLabel* lblMarkUp = nullptr;
    QLabel* lblRoomClass = nullptr;
    QLineEdit* txtDiscount = nullptr;
    QLabel* lblExecPackage = nullptr;
    QLabel* lblVelmira = nullptr;
    QLabel* lblVIP = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    ColorLegend* Frame4 = nullptr;
    QLabel* lblMDRP = nullptr;
    QPushButton* cmdDrugProfile = nullptr;
    QPushButton* cmdPrintBarCode = nullptr;
    QCheckBox* chkOPPrice = nullptr;
    QLineEdit* txtIDNum = nullptr;
    QLineEdit* Initial = nullptr;
    QLineEdit* txtIndicate = nullptr;
    QTimer* timerB = nullptr;

    // The legend colour of a line Medicare does not cover.
    static constexpr ColorValue kNonMedicareColor = 12640511;

protected:
    bool event(QEvent* event) override;

private:
    void buildForm();
    void buildHeader();
    void buildLowerPanels();
    void connectGridEvents();
    // Loading steps 4 to 12: the patient, the bill checks and the header. False when a closed
    // bill stops the load.
    bool loadPatient(bool& senior);
    void priceItemLine(int row, const Recordset& requests, int index);
    // The cell editor's entries, configured for this screen's columns and rules.
    RequestCellEntry cellEntry();
    // The drug component's current item priced by this screen's rule: unit price and fixed charge.
    void writeItemColumns(int row);
    // The whole line priced: the out-patient price, the amount and the special prices.
    void fillLine(int row);
    RequestLineActions lineActions();
    // The steps this screen shares with the out-patient one, over its own columns and controls.
    RequestScreenGrid requestGrid();
    RequestServingScreen servingScreen();
    void connectServingButtons();

    unsigned vipColor_ = 0xC0C0FF;
};

} // namespace qx
