#include "frmCommEntryFixture.h"

#include "charging/frmOverQty.h"
#include "charging/frmOverStock.h"
#include "platform/UpDown.h"

#include <QApplication>
#include <functional>

namespace qx::test {
namespace {

using C = frmCommEntry;

const QString kStockRefusal = QStringLiteral(
    "Stock is not available to fill Prescription. Please enter quantity not greater than the stock onhand.");
const QString kAboveRequested =
    QStringLiteral("Quantity issued is greater then quantity requested. Transaction terminated.");

// Patient 1001 asks for 2 PARACETAMOL at 50.00 (stock 100); AMOXICILLIN at 12.00 (stock 5, fixed
// charge 15) is there to substitute.
class frmCommEntryCommitTest : public frmCommEntryEditTest {
protected:
    void SetUp() override {
        frmCommEntryEditTest::SetUp();
        if (IsSkipped())
            return;
        addItem(db(), {.priceIn = 50});
        addItem(db(), {.itemId = QStringLiteral("AMOX500"), .name = QStringLiteral("AMOXICILLIN"),
                       .description = QStringLiteral("500 MG CAP"), .genericId = QStringLiteral("G-AMOX"),
                       .genericName = QStringLiteral("AMOXICILLIN"), .onHand = 5, .priceIn = 12, .fixedCharge = 15});
        request({.spec = {.quantity = 2, .requestNumber = QStringLiteral("RQ1")}});
    }
    QString cell(int col, int row = 1) const { return form->grdItemList->textMatrix(row, col); }
    void overStockAnswers(const QString& choice, const QString& logChoice) {
        platform.modal->onShow<frmOverStock>([choice, logChoice](frmOverStock& w) {
            w.setChoice(choice);
            w.setLogChoice(logChoice);
            w.close();
        });
    }
};

TEST_P(frmCommEntryCommitTest, IssuedQuantityCommit) {
    struct Case {
        const char* name;
        QString typed;
        std::function<void()> settings;
        QString stock = QStringLiteral("100");  // the figure the line shows
        QString overStock;                     // the prompt's choice, "" when it must not show
        int largeAnswer = 0;                   // the large-quantity answer, 0 when it must not show
        QStringList picked;
        QString message, issued = QStringLiteral("2"), amount = QStringLiteral("100.00"), logChoice;
        bool editorOpen = true;  // kept on the issued quantity
    };
    const auto none = [] {};
    const auto switch110 = [this] { setInvSwitch(QStringLiteral("110"), true); };
    const auto allowZero = [] { gAllowZeroOnHand = true; };
    const Case cases[] = {
        {.name = "empty", .typed = "", .settings = none, .message = "Quantity is invalid."},
        {.name = "zero", .typed = "0", .settings = none, .message = "Quantity is invalid."},
        {.name = "negative", .typed = "-1", .settings = none, .message = "Quantity is invalid."},
        {.name = "fraction", .typed = "2.5", .settings = none, .message = "Invalid quantity because of the decimal."},
        {.name = "whole with a point, kept as typed", .typed = "3.0", .settings = none, .issued = "3.0",
         .amount = "150.00", .editorOpen = false},
        {.name = "switch 110, above the request", .typed = "3", .settings = switch110, .message = kAboveRequested},
        {.name = "switch 110, the request", .typed = "2", .settings = switch110, .editorOpen = false},
        {.name = "switch 110 off, above the request", .typed = "4", .settings = none, .issued = "4",
         .amount = "200.00", .editorOpen = false},
        {.name = "equal to the stock", .typed = "7", .settings = none, .stock = "7", .issued = "7",
         .amount = "350.00", .editorOpen = false},
        {.name = "above the stock, refused", .typed = "8", .settings = allowZero, .stock = "7",
         .message = kStockRefusal},
        {.name = "proceed", .typed = "8", .settings = none, .stock = "7", .overStock = "1", .issued = "8",
         .amount = "400.00", .logChoice = "Proceed With Transaction", .editorOpen = false},
        {.name = "cancel", .typed = "800", .settings = none, .stock = "7", .overStock = "X", .logChoice = "Cancel"},
        {.name = "substitute not chosen", .typed = "8", .settings = none, .stock = "7", .overStock = "2",
         .picked = {""}, .logChoice = "Find Substitute Drug"},
        {.name = "substitute not found", .typed = "8", .settings = none, .stock = "7", .overStock = "2",
         .picked = {"NOSUCH"}, .issued = "8", .amount = "400.00", .logChoice = "Find Substitute Drug",
         .editorOpen = false},
        {.name = "100 at 50.00 asks nothing", .typed = "100", .settings = none, .issued = "100", .amount = "5000.00",
         .editorOpen = false},
        {.name = "101 asked, no", .typed = "101", .settings = none, .stock = "500", .largeAnswer = 2},
        {.name = "101 asked, yes", .typed = "101", .settings = none, .stock = "500", .largeAnswer = 1,
         .issued = "101", .amount = "5050.00", .editorOpen = false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        resetHospitalSettings();
        setInvSwitch(QStringLiteral("110"), false);
        c.settings();
        open();
        form->grdItemList->setTextMatrix(1, C::kColStock, c.stock);
        form->grdItemList->setTextMatrix(1, C::kColLogChoice, QStringLiteral("earlier"));
        platform.messages->clear();
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
            EXPECT_EQ(w.DrugName(), QStringLiteral("PARACETAMOL 500 MG TABLET"));
            w.setChoice(qint16(c.largeAnswer));
            w.close();
        });
        enter(1, C::kColIssued, c.typed);
        EXPECT_EQ(lastMessage(), c.message);
        EXPECT_EQ(overStockAsked, c.overStock.isEmpty() ? 0 : 1);
        EXPECT_EQ(largeAsked, c.largeAnswer == 0 ? 0 : 1);
        EXPECT_EQ(cell(C::kColIssued), c.issued);
        EXPECT_EQ(cell(C::kColAmount), c.amount);
        // A message stops before the over-stock text; any other commit writes its own.
        EXPECT_EQ(cell(C::kColLogChoice), c.message.isEmpty() ? c.logChoice : QStringLiteral("earlier"));
        // Refused, the editor keeps the text on the line; committed, it moves on to the code.
        EXPECT_TRUE(form->chargeGrid()->isEditorVisible());
        EXPECT_EQ(form->grdItemList->col(), c.editorOpen ? C::kColIssued : C::kColCode);
        if (c.editorOpen)
            EXPECT_EQ(form->txtEntry()->text(), c.typed);
        else
            EXPECT_EQ(form->lblPatInfo[6]->text(), c.amount);
    }
}

TEST_P(frmCommEntryCommitTest, AmountFollowsTheSpecialPricesInOrder) {
    addSponsoredAdmissions();
    addItem(db(), {.itemId = QStringLiteral("A01"), .priceIn = 0.5});
    addItem(db(), {.itemId = QStringLiteral("F01"), .priceIn = 5.25, .fixedCharge = 0.5});
    addItem(db(), {.itemId = QStringLiteral("M01"), .priceIn = 5.25, .isMDRP = true, .mdrpPrice = 0.5});
    db().execute(QStringLiteral("UPDATE tbInvent SET HMOMarkupInPrice = 7.125 WHERE ItemID IN ('A01', 'M01')"));
    db().execute(QStringLiteral("INSERT INTO tbPharmaItemPrice (ItemID, LocationID, PriceKind, Price) "
                                "VALUES ('A01', '20', 'VA', 0.25)"));
    struct Case {
        const char* name;
        const char* admission;
        const char* item;
        bool hmo, va;
        const char* amount;
    };
    const Case cases[] = {
        {"base, no digit before the point", "1001", "A01", false, false, ".50"},
        {"fixed charge", "1001", "F01", false, false, "0.50"},
        {"HMO", "1002", "A01", true, false, "7.13"},
        {"HMO switch off", "1002", "A01", false, false, ".50"},
        {"VA after HMO", "1003", "A01", true, true, "0.25"},
        {"MDRP last, at the line's unit price", "1002", "M01", true, false, ".50"},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        resetSwitches();
        db().execute(QStringLiteral("DELETE FROM station.tbNurseCommunicationFile"));
        request({.spec = {.idNum = QString::fromLatin1(c.admission), .itemId = QString::fromLatin1(c.item),
                          .quantity = 2, .requestNumber = QStringLiteral("RQ%1").arg(++n)}});
        // The switches apply to the commit only: the loaded price stays the request's.
        open(QString::fromLatin1(c.admission));
        gInvSwitchHMOMarkupPrice = c.hmo;
        gInvSwitchVAPrice = c.va;
        enter(1, C::kColIssued, QStringLiteral("1"));
        EXPECT_EQ(cell(C::kColIssued), QStringLiteral("1"));
        EXPECT_EQ(cell(C::kColAmount), QString::fromLatin1(c.amount));
    }
}

TEST_P(frmCommEntryCommitTest, SubstituteTakesTheLineAndIsPricedByThisScreen) {
    gMarkUpGroup = true;
    db().execute(QStringLiteral("UPDATE tbInvent SET RateA = 10, MarkupIn = 12.5 WHERE ItemID = 'AMOX500'"));
    for (const bool byGeneric : {false, true}) {
        SCOPED_TRACE(byGeneric ? "generic picker" : "brand picker");
        gDrugListByGeneric = byGeneric;
        open();
        overStockAnswers(QStringLiteral("2"), QStringLiteral("Find Substitute Drug"));
        picker->answers = {byGeneric ? QStringLiteral("G-AMOX") : QStringLiteral("AMOX500")};
        form->grdItemList->setTextMatrix(1, C::kColStock, QStringLiteral("1"));
        enter(1, C::kColIssued, QStringLiteral("6"));
        EXPECT_EQ(cell(C::kColCode), QStringLiteral("AMOX500"));
        EXPECT_EQ(cell(C::kColGenericName), QStringLiteral("AMOXICILLIN"));
        EXPECT_EQ(cell(C::kColDescription), QStringLiteral("AMOXICILLIN 500 MG CAP"));
        EXPECT_EQ(cell(C::kColStock), QStringLiteral("5"));
        EXPECT_EQ(cell(C::kColSellPriceIn), QStringLiteral("11.25"));
        EXPECT_EQ(cell(C::kColPriceTaken), QStringLiteral("11.25"));
        EXPECT_EQ(cell(C::kColFixedCharge), QStringLiteral("15"));
        // Above the substitute's stock of 5 still: the quantity is written, at the fixed charge.
        EXPECT_EQ(cell(C::kColIssued), QStringLiteral("6"));
        EXPECT_EQ(cell(C::kColAmount), QStringLiteral("90.00"));
        EXPECT_EQ(cell(C::kColRequestedCode), QStringLiteral("PARA500"));
        EXPECT_EQ(cell(C::kColLogChoice), QStringLiteral("Find Substitute Drug"));
    }
}

TEST_P(frmCommEntryCommitTest, ACommitClearsTheSeniorDiscountAndTheOverStockText) {
    db().execute(QStringLiteral("UPDATE patient_data.tbMaster SET SeniorCitizenID = 'SC-1'"));
    gSeniorCitizenDiscount = 20;
    open();
    FlexGrid& g = *form->grdItemList;
    g.setTextMatrix(1, C::kColStock, QStringLiteral("2"));
    overStockAnswers(QStringLiteral("1"), QStringLiteral("Proceed With Transaction"));
    enter(1, C::kColIssued, QStringLiteral("3"));
    EXPECT_EQ(cell(C::kColLogChoice), QStringLiteral("Proceed With Transaction"));
    g.setRow(1);
    g.setCol(C::kColSCDiscount);
    form->grdItemList_DblClick(C::kColSCDiscount);
    ASSERT_EQ(cell(C::kColMark), QStringLiteral("*"));
    ASSERT_EQ(cell(C::kColAmount), QStringLiteral("120"));

    enter(1, C::kColIssued, QStringLiteral("2"));
    EXPECT_EQ(cell(C::kColAmount), QStringLiteral("100.00"));
    EXPECT_EQ(cell(C::kColMark), QString());
    EXPECT_EQ(g.cellPicture(1, C::kColSCDiscount).toImage(), form->pictures().emptyBox.toImage());
    EXPECT_EQ(cell(C::kColLogChoice), QString());
    EXPECT_EQ(form->lblPatInfo[6]->text(), QStringLiteral("100.00"));
    // Taking the discount off afterwards finds no mark: it puts it on the new amount.
    form->grdItemList_DblClick(C::kColSCDiscount);
    EXPECT_EQ(cell(C::kColAmount), QStringLiteral("80"));
}

TEST_P(frmCommEntryCommitTest, EditorOpensTypesAndMovesAsConfigured) {
    request({.spec = {.quantity = 3, .requestNumber = QStringLiteral("RQ2"),
                      .requestDate = QDateTime(QDate(2026, 1, 5), QTime(11, 0))}});
    open();
    ChargeGrid& charge = *form->chargeGrid();
    const NavigationCase moves[] = {
        {"Home on the code stays", 1, C::kColCode, Qt::Key_Home, 1, C::kColCode, true},
        {"End on the code goes to the dosage", 1, C::kColCode, Qt::Key_End, 1, C::kColDosage, true},
        {"End on the dosage goes to the issued", 1, C::kColDosage, Qt::Key_End, 1, C::kColIssued, true},
        {"Home on the issued goes to the dosage", 1, C::kColIssued, Qt::Key_Home, 1, C::kColDosage, true},
        {"End on the issued goes to the next line", 1, C::kColIssued, Qt::Key_End, 2, C::kColCode, true},
        {"End on the last line stays on it", 2, C::kColIssued, Qt::Key_End, 2, C::kColCode, true},
        {"Down", 1, C::kColDosage, Qt::Key_Down, 2, C::kColDosage, true},
        {"Up", 2, C::kColIssued, Qt::Key_Up, 1, C::kColIssued, true},
    };
    checkNavigation(charge, moves);

    // Typing: digits only in the issued column, capitals on the code, eight characters of dosage.
    struct Typed { const char* name; int col; const char* keys; const char* shown; };
    const Typed typed[] = {
        {"issued", C::kColIssued, "1a-,2.5", "12.5"},
        {"code", C::kColCode, "abc", "ABC"},
        {"dosage", C::kColDosage, "1 tab q4hx", "1 TAB Q4"},
    };
    for (const Typed& t : typed) {
        SCOPED_TRACE(t.name);
        openEditorAt(charge, 1, t.col);
        form->txtEntry()->clear();
        typeText(form->txtEntry(), QString::fromLatin1(t.keys));
        EXPECT_EQ(form->txtEntry()->text(), QString::fromLatin1(t.shown));
    }

    // The spinner edits the text only.
    struct Spin { const char* from; bool up; const char* to; };
    const Spin spins[] = {{"", true, "1"},   {"2.5", true, "3"},  {"3.5", true, "5"}, {"1", false, "0"},
                          {"0", false, "0"}, {"", false, ""},     {"2.5", false, "1.5"}};
    openEditorAt(charge, 1, C::kColIssued);
    ASSERT_TRUE(form->UpDownCtl()->isVisible());
    for (const Spin& s : spins) {
        SCOPED_TRACE(s.from);
        form->txtEntry()->setText(QString::fromLatin1(s.from));
        if (s.up)
            emit form->UpDownCtl()->upClick();
        else
            emit form->UpDownCtl()->downClick();
        EXPECT_EQ(form->txtEntry()->text(), QString::fromLatin1(s.to));
    }
    EXPECT_EQ(cell(C::kColIssued), QStringLiteral("2"));

    // No editor on read-only columns, on column 16, or on a cancelled line; a delayed one edits.
    for (int col : {C::kColRequested, C::kColAmount, C::kColSCDiscount}) {
        openEditorAt(charge, 1, col);
        EXPECT_FALSE(charge.isEditorVisible()) << col;
    }
    form->grdItemList->setTextMatrix(2, C::kColDosage, QStringLiteral("CANCELLED"));
    openEditorAt(charge, 2, C::kColIssued);
    EXPECT_FALSE(charge.isEditorVisible());
    form->grdItemList->setTextMatrix(2, C::kColDosage, QStringLiteral("DELAYED"));
    openEditorAt(charge, 2, C::kColIssued);
    EXPECT_TRUE(charge.isEditorVisible());

    // Enter on the barcode column takes nothing and keeps the editor.
    openEditorAt(charge, 1, C::kColBarCode);
    ASSERT_TRUE(charge.isEditorVisible());
    form->txtEntry()->setText(QStringLiteral("4800"));
    pressKey(form->txtEntry(), Qt::Key_Return, QStringLiteral("\r"));
    QApplication::processEvents();
    EXPECT_TRUE(charge.isEditorVisible());
    EXPECT_EQ(cell(C::kColBarCode), QString());
}

QX_ON_BOTH_ENGINES(frmCommEntryCommitTest);

} // namespace
} // namespace qx::test
