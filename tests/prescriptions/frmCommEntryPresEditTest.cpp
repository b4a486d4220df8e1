#include "frmCommEntryPresFixture.h"

#include "charging/frmListDrugs.h"
#include "charging/frmMessageBoxBarCode.h"
#include "charging/frmOverQty.h"
#include "charging/frmOverStock.h"
#include "charging/frmPriceInOut.h"
#include "platform/CellEditor.h"
#include "components/DoseForms.h"
#include "platform/UpDown.h"
#include "platform/Values.h"

#include <QApplication>
#include <functional>

namespace qx::test {
namespace {

// The dosage component over a fixed table: "BID" (frequency 2) and "TID" (frequency 3).
class TableDosage : public DoseForms::Dosage {
public:
    bool InitConnection(const QString&) override { return true; }
    bool GetInfo(const QString& code) override {
        found_ = code == QLatin1String("BID") ? 2 : code == QLatin1String("TID") ? 3 : 0;
        if (found_)
            id_ = code;
        return found_ != 0;
    }
    QString DosageID() const override { return id_; }
    double Frequency() const override { return found_; }

private:
    int found_ = 0;
    QString id_;
};

// Patient 1001 with two take-home lines: PARACETAMOL 2 at 50.00 (stock 100, RQ1) and AMOXICILLIN
// 3 at 12.00 (stock 5, fixed charge 15, RQ2); CEFUROXIME (70001, 20.00) and the inactive OLD01 are in
// stock to enter.
class frmCommEntryPresEditTest : public frmCommEntryPresTest {
protected:
    void SetUp() override {
        frmCommEntryPresTest::SetUp();
        if (IsSkipped())
            return;
        gComponents.gDosage = dosage;
        gComponents.gDosageList = dosages;
        addItem(db(), {.barcode = QStringLiteral("4800001"), .priceIn = 50});
        addItem(db(), {.itemId = QStringLiteral("AMOX500"), .name = QStringLiteral("AMOXICILLIN"),
                       .description = QStringLiteral("500 MG CAP"), .genericId = QStringLiteral("G-AMOX"),
                       .barcode = QStringLiteral("4800002"), .onHand = 5, .priceIn = 12, .fixedCharge = 15});
        addItem(db(), {.itemId = QStringLiteral("70001"), .name = QStringLiteral("CEFUROXIME"),
                       .description = QStringLiteral("250 MG TAB"), .genericId = QStringLiteral("G-CEFU"),
                       .barcode = QStringLiteral("4800003"), .onHand = 40, .priceIn = 20, .priceOut = 22});
        addItem(db(), {.itemId = QStringLiteral("OLD01"), .name = QStringLiteral("OLDDRUG"), .itemStatus = 1});
        takeHome({.quantity = 2, .requestNumber = QStringLiteral("RQ1"), .remarks = QStringLiteral("AFTER MEALS")});
        takeHome({.itemId = QStringLiteral("AMOX500"), .quantity = 3, .requestNumber = QStringLiteral("RQ2"),
                  .at = QTime(11, 0)});
    }
    // Types the text into the editor over the cell and presses Enter.
    void enter(int row, int col, const QString& text) {
        openEditorAt(*form->chargeGrid(), row, col);
        form->txtEntry()->setText(text);
        pressKey(form->txtEntry(), Qt::Key_Return, QStringLiteral("\r"));
        QApplication::processEvents();
    }
    std::shared_ptr<TableDosage> dosage = std::make_shared<TableDosage>();
    std::shared_ptr<ScriptedDosageList> dosages = std::make_shared<ScriptedDosageList>();
};

TEST_P(frmCommEntryPresEditTest, NavigationAndTheCellsThatTakeTheEditor) {
    P& f = open();
    ChargeGrid& g = *f.chargeGrid();
    const NavigationCase cases[] = {
        {"End on the code goes to the dosage", 1, 1, Qt::Key_End, 1, 3, true},
        {"End on the dosage goes to the issued quantity", 1, 3, Qt::Key_End, 1, 5, true},
        {"End on the issued quantity goes to the next line", 1, 5, Qt::Key_End, 2, 1, true},
        {"End on the last line goes back to its code", 2, 5, Qt::Key_End, 2, 1, true},
        {"Home on the issued quantity goes to the dosage", 1, 5, Qt::Key_Home, 1, 3, true},
        {"Home on the code stays", 1, 1, Qt::Key_Home, 1, 1, true},
        {"Up on the first line stays", 1, 3, Qt::Key_Up, 1, 3, false},
        {"Down goes to the next line", 1, 3, Qt::Key_Down, 2, 3, true},
        {"Down on the last line stays", 2, 5, Qt::Key_Down, 2, 5, false},
    };
    checkNavigation(g, cases);

    // Exempt columns, the S.C. column and a cancelled line take no editor.
    for (int col : {2, 4, 6, 7, 8, int(P::kColSCDiscount)}) {
        openEditorAt(g, 1, col);
        EXPECT_FALSE(g.isEditorVisible()) << col;
    }
    openEditorAt(g, 1, P::kColIssued);
    EXPECT_EQ(f.txtEntry()->text(), QStringLiteral("2"));
    EXPECT_TRUE(f.UpDownCtl()->isVisibleTo(&f));
    openEditorAt(g, 1, P::kColDosage);
    EXPECT_EQ(f.chargeGrid()->editor()->maxLength(), 8);
    EXPECT_TRUE(f.cmdEntry()->isVisibleTo(&f));
    f.flexMSEntry->setTextMatrix(2, P::kColDosage, kCancelledLineState);
    openEditorAt(g, 2, P::kColIssued);
    EXPECT_FALSE(g.isEditorVisible());
    EXPECT_FALSE(f.cmdCancel->isEnabled());
    openEditorAt(g, 1, P::kColIssued);
    EXPECT_TRUE(f.cmdCancel->isEnabled());
    EXPECT_EQ(f.flexMSEntry->toolTip(), QString());
    f.flexMSEntry->mouseMove(0, 0, 5, 5);
    EXPECT_EQ(f.flexMSEntry->toolTip(), QStringLiteral("REMARKS: AFTER MEALS"));
}

TEST_P(frmCommEntryPresEditTest, ZeroIsRefusedAtEnterAndTypingIsUpperCase) {
    P& f = open();
    enter(1, P::kColIssued, QStringLiteral("0"));
    EXPECT_EQ(lastMessage(), QStringLiteral("Zero Value is not allowed!"));
    EXPECT_EQ(platform.messages->last().title, QStringLiteral("MESSAGE"));
    EXPECT_EQ(platform.messages->boxes().size(), 1u);
    EXPECT_EQ(cell(1, P::kColIssued), QStringLiteral("2"));
    // A double click commits "0" and the commit refuses it.
    f.txtEntry_DblClick();
    EXPECT_EQ(lastMessage(), QStringLiteral("Quantity is invalid."));
    openEditorAt(*f.chargeGrid(), 1, P::kColDosage);
    f.txtEntry()->clear();
    typeText(f.txtEntry(), QStringLiteral("b1"));
    EXPECT_EQ(f.txtEntry()->text(), QStringLiteral("B1"));
}

TEST_P(frmCommEntryPresEditTest, SaveButtonsFollowCompletenessAndTheScan) {
    struct Case { bool barcode; const char* scanned; bool enabled; };
    const Case cases[] = {{false, "0", true}, {true, "0", false}, {true, "1", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.barcode) + c.scanned);
        gCheckBarCode = c.barcode;
        P& f = open();
        for (int row : {1, 2})
            f.flexMSEntry->setTextMatrix(row, P::kColScanned, QString::fromLatin1(c.scanned));
        openEditorAt(*f.chargeGrid(), 1, P::kColDosage);
        pressInEditor(*f.chargeGrid(), Qt::Key_End);
        EXPECT_EQ(f.cmdSave->isEnabled(), c.enabled);
        EXPECT_EQ(f.cmdPrintSave->isEnabled(), c.enabled);
    }
}

TEST_P(frmCommEntryPresEditTest, ItemEntryAndSubstitution) {
    struct Case {
        const char* name;
        int row;
        QString typed;
        QStringList picked;
        bool byGeneric = false;
        QString message;
        QString code;               // column 1 afterwards
        QString amount;
        bool accepted = false;      // the editor moved on to the dosage
    };
    const QString dup = QStringLiteral("The same medicine was already requested");
    const QString inactive = QStringLiteral("The drug was set to inactive.  Please refer to pharmacy warehouse staff.");
    const Case cases[] = {
        {.name = "typed number substitutes", .row = 1, .typed = "70001", .code = "70001", .amount = "40.00",
         .accepted = true},
        {.name = "picker for a name", .row = 1, .typed = "CEF", .picked = {"70001"}, .code = "70001",
         .amount = "40.00", .accepted = true},
        {.name = "cancelled picker", .row = 1, .typed = "CEF", .picked = {""}, .code = "PARA500", .amount = "100.00"},
        {.name = "by generic", .row = 1, .typed = "X", .picked = {"G-CEFU"}, .byGeneric = true, .code = "70001",
         .amount = "40.00", .accepted = true},
        {.name = "own code re-prices", .row = 1, .typed = "PARA", .picked = {"PARA500"}, .code = "PARA500",
         .amount = "100.00", .accepted = true},
        {.name = "duplicate", .row = 1, .typed = "AMOX", .picked = {"AMOX500"}, .message = dup, .code = "PARA500",
         .amount = "100.00"},
        {.name = "inactive", .row = 1, .typed = "OLD", .picked = {"OLD01"}, .message = inactive, .code = "PARA500",
         .amount = "100.00"},
        {.name = "not found", .row = 1, .typed = "99999", .code = "PARA500", .amount = "100.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gDrugListByGeneric = c.byGeneric;
        P& f = open();
        picker->answers = c.picked;
        platform.messages->clear();
        enter(c.row, P::kColCode, c.typed);
        EXPECT_EQ(lastMessage(), c.message);
        EXPECT_EQ(cell(c.row, P::kColCode), c.code);
        EXPECT_EQ(cell(c.row, P::kColAmount), c.amount);
        // What the line was asked for stays.
        EXPECT_EQ(cell(c.row, P::kColRequestNumber), QStringLiteral("RQ1"));
        EXPECT_EQ(cell(c.row, P::kColRequested), QStringLiteral("2"));
        EXPECT_EQ(cell(c.row, P::kColIssued), QStringLiteral("2"));
        EXPECT_EQ(cell(c.row, P::kColDosage), QStringLiteral("1 TAB Q4H"));
        EXPECT_EQ(cell(c.row, P::kColRemarks), QStringLiteral("AFTER MEALS"));
        EXPECT_EQ(cell(c.row, P::kColRequestedCode), QStringLiteral("PARA500"));
        EXPECT_EQ(f.flexMSEntry->col(), c.accepted ? P::kColDosage : P::kColCode);
        if (c.code == QLatin1String("70001")) {
            EXPECT_EQ(cell(c.row, P::kColDescription), QStringLiteral("CEFUROXIME 250 MG TAB"));
            EXPECT_EQ(cell(c.row, P::kColStock), QStringLiteral("40"));
            EXPECT_EQ(cell(c.row, P::kColSellPriceIn), QStringLiteral("20"));
            EXPECT_EQ(cell(c.row, P::kColPriceTaken), QStringLiteral("20"));
            EXPECT_EQ(cell(c.row, P::kColPriceOut), QStringLiteral("22"));
            EXPECT_EQ(cell(c.row, P::kColBarCode), QStringLiteral("4800003"));
            EXPECT_EQ(f.lblPatInfo[6]->text(), QStringLiteral("85.00"));
        }
    }
}

TEST_P(frmCommEntryPresEditTest, KelvarChooserSetsTheLocationBeforeTheSearch) {
    QString shownWith;
    platform.modal->onShow<frmListDrugs>([&](frmListDrugs& w) {
        shownWith = w.LocationID();
        w.setLocationID(QStringLiteral("109"));
        w.close();
    });
    addItem(db(), {.itemId = QStringLiteral("CEFU"), .location = QStringLiteral("109"), .onHand = 7, .priceIn = 20});
    P& f = open();
    picker->answers = {QStringLiteral("CEFU")};
    enter(1, P::kColCode, QStringLiteral("CEF"));
    EXPECT_EQ(shownWith, QStringLiteral("20"));
    EXPECT_EQ(gLocationID, QStringLiteral("109"));
    EXPECT_EQ(picker->calls, QStringList{"CEF@109"});
    EXPECT_EQ(cell(1, P::kColStock), QStringLiteral("7"));
    EXPECT_EQ(f.flexMSEntry->col(), P::kColDosage);
}

TEST_P(frmCommEntryPresEditTest, DosageByCodeOrPicker) {
    struct Case { const char* name; const char* typed; const char* picked; const char* requested; const char* dosage; };
    const Case cases[] = {
        {"known code, requested kept", "BID", "", "2", "BID"},
        {"picker, requested kept", "XX", "TID", "2", "TID"},
        {"picker cancelled", "XX", "", "2", "1 TAB Q4H"},
        {"no requested quantity takes the frequency", "TID", "", "3", "TID"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        P& f = open();
        if (QString::fromLatin1(c.name).startsWith(QLatin1String("no requested")))
            f.flexMSEntry->setTextMatrix(1, P::kColRequested, QString());
        dosages->answer = QString::fromLatin1(c.picked);
        enter(1, P::kColDosage, QString::fromLatin1(c.typed));
        EXPECT_EQ(cell(1, P::kColDosage), QString::fromLatin1(c.dosage));
        EXPECT_EQ(cell(1, P::kColRequested), QString::fromLatin1(c.requested));
    }
}

TEST_P(frmCommEntryPresEditTest, BarcodeScansWalkTheLines) {
    gCheckBarCode = true;
    struct Case {
        const char* name;
        int row;
        const char* scanned;
        int answer;  // 0 no dialog; 1 retry, 2 change, 3 cancel request
        const char* flag;
        int wantRow;
        const char* code;
    };
    const Case cases[] = {
        {"match on a middle line moves on", 1, "4800001", 0, "1", 2, "PARA500"},
        {"match on the last line stays", 2, "4800002", 0, "1", 2, "AMOX500"},
        {"retry", 1, "4800009", 1, "0", 1, "PARA500"},
        {"change to the scanned item", 1, "70001", 2, "1", 2, "70001"},
        {"refused change keeps the line unchecked", 1, "99999", 2, "0", 1, "PARA500"},
        {"cancel request", 1, "4800009", 3, "1", 2, "PARA500"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        P& f = open();
        int asked = 0;
        platform.modal->onShow<frmMessageBoxBarCode>([&](frmMessageBoxBarCode& w) {
            ++asked;
            gBarcodeChoiceRetry = c.answer == 1;
            gBarcodeChoiceChange = c.answer == 2;
            gBarcodeChoiceCancel = c.answer == 3;
            w.close();
        });
        platform.messages->answer(vbYes);
        enter(c.row, P::kColCode, QString::fromLatin1(c.scanned));
        EXPECT_EQ(asked, c.answer == 0 ? 0 : 1);
        EXPECT_EQ(cell(c.row, P::kColScanned), QString::fromLatin1(c.flag));
        EXPECT_EQ(cell(c.row, P::kColCode), QString::fromLatin1(c.code));
        EXPECT_EQ(f.flexMSEntry->row(), c.wantRow);
        EXPECT_EQ(f.flexMSEntry->col(), P::kColCode);
        EXPECT_TRUE(f.chargeGrid()->isEditorVisible());
        EXPECT_EQ(f.txtEntry()->text(), cell(c.wantRow, P::kColCode));
        const QPixmap& picture = QString::fromLatin1(c.flag) == QLatin1String("1") ? f.pictures().check
                                                                                  : f.pictures().wrong;
        EXPECT_EQ(f.flexMSEntry->cellPicture(c.row, 0).toImage(), picture.toImage());
        if (c.answer == 3) {
            EXPECT_EQ(cell(c.row, P::kColDosage), kCancelledLineState);
        }
    }
}

TEST_P(frmCommEntryPresEditTest, IssuedQuantityCommit) {
    const QString refill = QStringLiteral(
        "Quantity of item to be dispensed is more than the number of item left for refill. Patient  has 5 item/s "
        "left for refill. DO YOU WANT TO CONTINUE?");
    const QString qvhRefusal =
        QStringLiteral("Stock is not available to fill  . Please enter quantity not greater than the stock onhand.");
    struct Case {
        const char* name;
        QString typed;
        QString stock = QStringLiteral("100");
        QString site;
        bool allowZero = false;
        MsgBoxResult refillAnswer = vbYes;
        QString overStock;            // the prompt's choice, "" when it must not show
        QStringList picked;
        int largeAnswer = 0;          // 0 when the large-entry question must not show
        QString price;                // column 9 when set
        QString message, issued = QStringLiteral("2"), amount = QStringLiteral("100.00"), logChoice;
        QString editorText;           // refused: what the editor keeps
        bool committed = false;
        QString code = QStringLiteral("PARA500");
    };
    const Case cases[] = {
        {.name = "00", .typed = "00", .message = "Quantity is invalid.", .editorText = "00"},
        {.name = "-1", .typed = "-1", .message = "Quantity is invalid.", .editorText = "-1"},
        {.name = "2.5", .typed = "2.5", .message = "Invalid quantity because of the decimal.", .editorText = "2.5"},
        {.name = "refill 5 asks nothing", .typed = "5", .issued = "5", .amount = "250.00", .committed = true},
        {.name = "refill 6, yes", .typed = "6", .message = refill, .issued = "6", .amount = "300.00",
         .committed = true},
        {.name = "refill 6, no", .typed = "6", .refillAnswer = vbNo, .message = refill, .editorText = "0"},
        {.name = "stock 5 asks nothing", .typed = "5", .stock = "5", .issued = "5", .amount = "250.00",
         .committed = true},
        {.name = "stock 6, proceed", .typed = "5", .stock = "4", .overStock = "1", .issued = "5", .amount = "250.00",
         .logChoice = "Proceed With Transaction", .committed = true},
        {.name = "stock 6, cancel", .typed = "5", .stock = "4", .overStock = "X", .logChoice = "Cancel",
         .editorText = "5"},
        {.name = "stock 6, substitute", .typed = "5", .stock = "4", .overStock = "2", .picked = {"70001"},
         .issued = "5", .amount = "100.00", .logChoice = "Find Substitute Drug", .committed = true, .code = "70001"},
        {.name = "stock 6, substitute not chosen", .typed = "5", .stock = "4", .overStock = "2", .picked = {""},
         .logChoice = "Find Substitute Drug", .editorText = "5"},
        {.name = "stock 6, substitute already on a line", .typed = "5", .stock = "4", .overStock = "2",
         .picked = {"AMOX500"}, .message = "The same medicine was already requested",
         .logChoice = "Find Substitute Drug", .editorText = "5"},
        {.name = "stock 6, substitute inactive", .typed = "5", .stock = "4", .overStock = "2", .picked = {"OLD01"},
         .message = "The drug was set to inactive.  Please refer to pharmacy warehouse staff.",
         .logChoice = "Find Substitute Drug", .editorText = "5"},
        {.name = "QVH refuses", .typed = "5", .stock = "4", .site = "QVH", .allowZero = true, .message = qvhRefusal,
         .editorText = "5"},
        {.name = "100 x 50 asks nothing", .typed = "100", .refillAnswer = vbYes, .issued = "100", .amount = "5000.00",
         .committed = true},
        {.name = "101 asked, no", .typed = "101", .stock = "500", .largeAnswer = 2, .editorText = "101"},
        {.name = "100 x 50.01 asked, yes", .typed = "100", .largeAnswer = 1, .price = "50.01", .issued = "100",
         .amount = "5001.00", .committed = true},
        {.name = "half a peso has no leading zero", .typed = "1", .price = "0.50", .issued = "1", .amount = ".50",
         .committed = true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gSiteCode = c.site;
        gAllowZeroOnHand = c.allowZero;
        P& f = open();
        f.flexMSEntry->setTextMatrix(1, P::kColRequested, QStringLiteral("5"));
        f.flexMSEntry->setTextMatrix(1, P::kColStock, c.stock);
        f.flexMSEntry->setTextMatrix(1, P::kColLogChoice, QStringLiteral("earlier"));
        if (!c.price.isEmpty())
            f.flexMSEntry->setTextMatrix(1, P::kColSellPriceIn, c.price);
        if (c.typed == QLatin1String("100") || c.typed == QLatin1String("101"))
            f.flexMSEntry->setTextMatrix(1, P::kColRequested, QStringLiteral("200"));
        platform.messages->clear();
        platform.messages->answer(c.refillAnswer);
        picker->answers = c.picked;
        int overStockAsked = 0;
        platform.modal->onShow<frmOverStock>([&](frmOverStock& w) {
            ++overStockAsked;
            w.setChoice(c.overStock);
            w.setLogChoice(c.logChoice);
            w.close();
        });
        int largeAsked = 0;
        platform.modal->onShow<frmOverQty>([&](frmOverQty& w) {
            ++largeAsked;
            w.setChoice(qint16(c.largeAnswer));
            w.close();
        });
        enter(1, P::kColIssued, c.typed);
        EXPECT_EQ(lastMessage(), c.message);
        EXPECT_EQ(overStockAsked, c.overStock.isEmpty() ? 0 : 1);
        EXPECT_EQ(largeAsked, c.largeAnswer == 0 ? 0 : 1);
        EXPECT_EQ(cell(1, P::kColIssued), c.issued);
        EXPECT_EQ(cell(1, P::kColAmount), c.amount);
        EXPECT_EQ(cell(1, P::kColCode), c.code);
        // Stops before the stock leave the over-stock text; every later end writes its own.
        const bool beforeStock = c.overStock.isEmpty() && !c.committed && c.largeAnswer == 0;
        EXPECT_EQ(cell(1, P::kColLogChoice), beforeStock ? QStringLiteral("earlier") : c.logChoice);
        EXPECT_TRUE(f.chargeGrid()->isEditorVisible());
        if (c.committed) {
            EXPECT_EQ(f.flexMSEntry->row(), 2);
            EXPECT_EQ(f.flexMSEntry->col(), P::kColCode);
            EXPECT_EQ(f.lblPatInfo[6]->text(), f.TotalCharges());
        } else {
            EXPECT_EQ(f.flexMSEntry->col(), P::kColIssued);
            EXPECT_EQ(f.txtEntry()->text(), c.editorText);
        }
    }
}

TEST_P(frmCommEntryPresEditTest, FixedChargeGivesTheCommittedAmount) {
    P& f = open();
    enter(2, P::kColIssued, QStringLiteral("2"));
    EXPECT_EQ(cell(2, P::kColAmount), QStringLiteral("30.00"));
    EXPECT_EQ(f.lblPatInfo[6]->text(), QStringLiteral("130.00"));
}

TEST_P(frmCommEntryPresEditTest, SeniorMarkAndPriceOverride) {
    db().execute(QStringLiteral("UPDATE patient_data.tbMaster SET SeniorCitizenID = 'SC-1'"));
    gSeniorCitizenDiscount = 20;
    gAllowPriceChange = true;
    P& f = open();
    ASSERT_TRUE(f.isSeniorPatient());
    FlexGrid& g = *f.flexMSEntry;
    g.setCol(P::kColSCDiscount);
    f.flexMSEntry_DblClick(P::kColSCDiscount);
    EXPECT_EQ(cell(1, P::kColAmount), QStringLiteral("80"));
    EXPECT_EQ(cell(1, P::kColOldAmount), QStringLiteral("100.00"));
    EXPECT_EQ(cell(1, P::kColMark), QStringLiteral("*"));
    EXPECT_EQ(g.cellPicture(1, P::kColSCDiscount).toImage(), f.pictures().tickedBox.toImage());
    EXPECT_EQ(f.lblPatInfo[6]->text(), QStringLiteral("125"));
    f.flexMSEntry_DblClick(P::kColSCDiscount);
    EXPECT_EQ(cell(1, P::kColAmount), QStringLiteral("100.00"));
    EXPECT_EQ(cell(1, P::kColMark), QString());
    EXPECT_EQ(g.cellPicture(1, P::kColSCDiscount).toImage(), f.pictures().emptyBox.toImage());
    EXPECT_EQ(f.lblPatInfo[6]->text(), QStringLiteral("145"));

    // The override on the amount column: the dialog's new price, and on a second showing none.
    int shown = 0;
    platform.modal->onShow<frmPriceInOut>([&](frmPriceInOut& w) {
        ++shown;
        EXPECT_EQ(w.ItemPrice(), 50);
        EXPECT_EQ(w.NewItemPrice(), 50);
        if (shown == 1) {
            w.setItemPrice(45);
            w.setTotalAmount(90);
        }
        w.close();
    });
    g.setCol(P::kColAmount);
    f.flexMSEntry_DblClick(P::kColAmount);
    EXPECT_EQ(cell(1, P::kColAmount), QStringLiteral("90.00"));
    EXPECT_EQ(cell(1, P::kColPriceTaken), QStringLiteral("45.00"));
    gAllowPriceChange = false;
    f.flexMSEntry_DblClick(P::kColAmount);
    EXPECT_EQ(shown, 1);
    // A cancelled line has no numbers to change.
    gAllowPriceChange = true;
    g.setRow(2);
    g.setCol(P::kColAmount);
    for (int col = P::kColRequested; col <= P::kColAmount; ++col)
        g.setTextMatrix(2, col, QStringLiteral("XXX"));
    f.flexMSEntry_DblClick(P::kColAmount);
    EXPECT_EQ(shown, 1);
}

TEST_P(frmCommEntryPresEditTest, PreviousOrdersFollowTheCurrentLine) {
    db().execute(QStringLiteral("INSERT INTO tbInvStockCard (ItemID, LocationID, IdNum, RefNum, Quantity, SummaryCode, "
                                "TransDate) VALUES ('AMOX500', '20', '1001', 'C1', 4, 'PH', ?)"),
                 {QDateTime(QDate(2026, 1, 2), QTime(9, 0))});
    P& f = open();
    openEditorAt(*f.chargeGrid(), 1, P::kColIssued);
    const int paraRows = f.flexMSHPrevious->rows();
    openEditorAt(*f.chargeGrid(), 2, P::kColCode);
    EXPECT_GT(f.flexMSHPrevious->rows(), 1);
    EXPECT_FALSE(f.flexMSHPrevious->textMatrix(1, 0).isEmpty());
    openEditorAt(*f.chargeGrid(), 1, P::kColCode);
    EXPECT_EQ(f.flexMSHPrevious->rows(), paraRows);
    EXPECT_TRUE(f.flexMSHPrevious->textMatrix(1, 0).isEmpty());
}

QX_ON_BOTH_ENGINES(frmCommEntryPresEditTest);

} // namespace
} // namespace qx::test
