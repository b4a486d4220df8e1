#pragma once
#include "charging/ChargeGridConfig.h"
#include "charging/ChargePosting.h"
#include "charging/ManualItemEntry.h"

#include <QDialog>
#include <memory>
#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qx {

namespace report {
class Report;
}

class ChargeGrid;
class FlexGrid;
class UpDown;

// What the two company-medicine screens share: the entry grid with its floating editor, the
// mark-up box, the line clearing, the price change, the save and print flags and the closing
// question. Each screen adds its patient panel, its own columns beyond the first nine and its
// totals.
class CompanyMarkupScreen : public QDialog {
    Q_OBJECT
public:
    static constexpr int kLines = 30;
    // Columns both screens give the same meaning.
    enum Column {
        colLine = 0, colCode = 1, colDescription = 2, colDosage = 3, colQuantity = 4, colStock = 5, colAmount = 6,
        colRemarks = 7, colUnitPrice = 8,
    };

    // ---- Grid operations ----
    void PutTextBox(int intRow, int intCol, double sngWhichCtrl, int intMax);
    bool ExcemptCol(int col) const;
    // Every cell from column 1 to the last empty after trimming.
    bool BlankRow(int intRow) const;
    // Not blank, with a code and a dosage, a quantity and an amount above 0.
    bool CanSaveRow(int intRow) const;
    bool canSave() const;
    // Sum of the amounts, "###0.00".
    QString TotalCharges() const;
    // Empties the screen after a posting; the screen's own boxes and labels with it.
    virtual void ClearAll() = 0;

    void cmdClearRow_Click();
    // A double click on a line's amount: the change-price dialog where it is allowed.
    void flexMSEntry_DblClick();
    void cmdClose_Click();
    void txtMarkUp_KeyPress(int& keyAscii);

    // ---- State the save and print read ----
    bool SavingForPrint() const { return savingForPrint_; }
    bool EntrySaved() const { return entrySaved_; }
    bool SlipPrinted() const { return slipPrinted_; }
    // The supervisor who approved the patient on the screen; "" when none had to.
    QString patientVerifyID() const { return patientVerifyID_; }
    // The slip of a posted save (the visit its lines were posted to), opened and filled to print.
    virtual std::shared_ptr<report::Report> openSlip(const QString& slipNumber, const QString& visit) = 0;

    ChargeGrid* chargeGrid() const { return chargeGrid_; }
    QLineEdit* txtEntry() const;
    QPushButton* cmdEntry() const;
    UpDown* upDown() const;

    // ---- Controls ----
    QGroupBox* fraPatInfo = nullptr;
    QLineEdit* txtDocCode = nullptr;
    QPushButton* cmdDocCode = nullptr;
    QLineEdit* txtMarkUp = nullptr;
    QGroupBox* Frame1 = nullptr;
    FlexGrid* flexMSEntry = nullptr;
    QPushButton* cmdPosted = nullptr;
    QPushButton* cmdClearRow = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdPrintSave = nullptr;
    QPushButton* cmdClose = nullptr;

protected:
    // Where the screen keeps what differs between the two grids.
    struct Columns {
        int last = 13;
        int lookedUpPrice = 9;  // the price the change-price dialog shows as the item's own
        int gross = -1;         // the line's amount before discount, where the screen keeps one
    };

    CompanyMarkupScreen(QWidget* parent, const QString& module, Columns columns);

    // The grid's configuration shared by both screens, for `cols` columns.
    static ChargeGridConfig markupGridConfig(int cols);
    // Builds the grid over the rectangle (twips) and the buttons below it at `buttonsTop`.
    void buildGrid(const QString& formatString, const std::vector<int>& widths, int cols, QRect frameTwips,
                   QRect gridTwips, int buttonsTop);
    // The mark-up box and its caption inside the patient frame.
    void buildMarkUpBox(QWidget* parent, QRect captionTwips, QRect boxTwips);

    // ---- Item entry both screens share (CompanyMarkupItems.cpp) ----
    // The item-entry steps of a company screen; the screen adds its price rule through
    // `priceFoundItem` and its quantity writer.
    ManualItemEntryConfig markupItemEntryConfig(QLineEdit* patientBox, int overStockChoiceCol);
    // Fills the line from the item the drug component holds and prices it; false refuses it.
    virtual void priceFoundItem(int row, const QString& code) = 0;
    // A committed quantity: the amount and the screen's totals.
    virtual void quantityTaken(int row, double quantity) = 0;
    // The mark-up is typed and a number; otherwise told (focus to the box).
    bool markUpGiven();
    double markUp() const;
    void runItemLookUp();
    void runItemCommit();

    // ---- Save and print both screens share (CompanyMarkupSave.cpp) ----
    // What a screen posts: its lines' stock-card values and the company-medicine record values.
    struct PostingPlan {
        QString patientKey;   // the trimmed patient box: the numbering key
        QString hospNum;
        QString visit;        // the admission or visit posted to ("NEWOPD" for a new visit)
        QString accountNum;   // out-patient only
        bool newVisit = false;
        int listCostCol = 13;
        int overStockChoiceCol = 12;
        // Fills a line's stock-card values beyond the shared ones.
        std::function<void(int row, DrugCatalog::StockCardArgs&)> fillArgs;
        int valueCount = 28;
        bool restageForPrint = false;  // the slip is re-staged from what was posted
    };
    virtual PostingPlan postingPlan() = 0;
    // The checks the screen runs ahead of the shared ones.
    virtual std::vector<SaveCheck> leadingSaveChecks() { return {}; }
    virtual QLineEdit* patientBox() const = 0;
    virtual QLabel* slipLabel() const = 0;
    // How many copies of the slip print.
    virtual int slipCopies() const = 0;
    // Runs the save: checks, one transaction, then the screen's state. Answers the slip and the
    // visit posted to, or nothing when nothing was posted (told).
    struct Posted {
        QString slipNumber;
        QString visit;
    };
    std::optional<Posted> runSave();
    // Print's steps; `line` follows them, so that an error names the step that failed.
    void runPrint(int& line);
    ManualPostingGrid postingGrid() const;

    // The load steps both screens share: flags, grid layout, editor state and buttons.
    void resetEntry();
    // A patient was accepted: the flags of a fresh patient, with the approval given for it.
    void patientAccepted(const QString& verifyID);
    // The screen's totals after a line was cleared.
    virtual void refreshTotalsAfterClearing() = 0;
    // A line's price was changed through the dialog.
    virtual void linePriceChanged(int row);
    // The editor closes when a box of the patient panel gets the focus.
    void hideEditorOnFocus(QWidget* control);
    void focusIfEnabled(QWidget* control);

    void closeEvent(QCloseEvent* event) override;
    void reject() override;

    ChargeGrid* chargeGrid_ = nullptr;
    std::unique_ptr<ManualItemEntry> itemEntry_;
    Columns cols_;
    QString module_;
    bool savingForPrint_ = false;
    bool entrySaved_ = false;
    bool slipPrinted_ = false;
    QString patientVerifyID_;

private:
    bool takeFoundItem(int row);
    void flexMSEntry_EnterCell();
    void flexMSEntry_GotFocus();
    void enableButtons();
};

} // namespace qx
