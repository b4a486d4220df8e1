#include "frmCommEntryFixture.h"

#include "charging/ChargeGrid.h"
#include "charging/frmPriceInOut.h"

#include <QApplication>

namespace qx::test {
namespace {

using C = frmCommEntry;

// Patient 1001 with two lines: PARACETAMOL 2 x 50.00 and an AMOXICILLIN line.
class frmCommEntryEventsTest : public frmCommEntryTest {
protected:
    void SetUp() override {
        frmCommEntryTest::SetUp();
        if (IsSkipped())
            return;
        addItem(db(), {.priceIn = 50});
        addItem(db(), {.itemId = QStringLiteral("AMOX500"), .name = QStringLiteral("AMOXICILLIN"), .priceIn = 12});
        request({.spec = {.quantity = 2, .requestNumber = QStringLiteral("RQ1")}});
        request({.spec = {.itemId = QStringLiteral("AMOX500"), .quantity = 1, .requestNumber = QStringLiteral("RQ2"),
                          .requestDate = QDateTime(QDate(2026, 1, 5), QTime(11, 0))}});
    }
};

TEST_P(frmCommEntryEventsTest, RowTestsDecideWhetherTheGridCanBeSaved) {
    auto form = load();
    FlexGrid& g = *form->grdItemList;
    struct Case { const char* name; int col; const char* text; bool barcode; bool rowSaves; };
    const Case cases[] = {
        {"complete", 0, nullptr, false, true},
        {"no dosage", C::kColDosage, " ", false, false},
        {"unresolved generic", C::kColGenericMark, "*", false, false},
        {"no issued quantity", C::kColIssued, "0", false, false},
        {"no amount", C::kColAmount, "", false, false},
        {"cancelled", C::kColIssued, "XXX", false, true},
        {"not scanned", 0, nullptr, true, false},
        {"scanned", C::kColScanned, "1", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto fresh = load();
        FlexGrid& grid = *fresh->grdItemList;
        gCheckBarCode = c.barcode;
        if (c.text)
            grid.setTextMatrix(1, c.col, QString::fromLatin1(c.text));
        EXPECT_FALSE(fresh->BlankRow(1));
        EXPECT_EQ(fresh->CanSaveRow(1), c.rowSaves);
        gCheckBarCode = false;
    }
    EXPECT_TRUE(form->canSave());
    // A blank row among filled lines keeps the grid from saving; an all-blank grid may save.
    g.setRows(4);
    EXPECT_TRUE(form->BlankRow(3));
    EXPECT_FALSE(form->canSave());
    for (int row = 1; row < g.rows(); ++row)
        for (int col = 1; col < g.cols(); ++col)
            g.setTextMatrix(row, col, QString());
    EXPECT_TRUE(form->canSave());
}

TEST_P(frmCommEntryEventsTest, SeniorDiscountGoesOnAndOffOverTheDiscountColumn) {
    db().execute(QStringLiteral("UPDATE patient_data.tbMaster SET SeniorCitizenID = 'SC-1'"));
    gSeniorCitizenDiscount = 20;
    auto form = load();
    FlexGrid& g = *form->grdItemList;
    EXPECT_EQ(g.textMatrix(1, C::kColAmount), QStringLiteral("100.00"));
    g.setCol(C::kColCode);

    form->grdItemList_DblClick(C::kColSCDiscount);
    EXPECT_EQ(g.textMatrix(1, C::kColAmount), QStringLiteral("80"));
    EXPECT_EQ(g.textMatrix(1, C::kColOldAmount), QStringLiteral("100.00"));
    EXPECT_EQ(g.textMatrix(1, C::kColMark), QStringLiteral("*"));
    EXPECT_EQ(g.cellPicture(1, C::kColCode).toImage(), form->pictures().tickedBox.toImage());
    EXPECT_EQ(form->lblPatInfo[6]->text(), QStringLiteral("92"));

    form->grdItemList_DblClick(C::kColSCDiscount);
    EXPECT_EQ(g.textMatrix(1, C::kColAmount), QStringLiteral("100.00"));
    EXPECT_EQ(g.textMatrix(1, C::kColMark), QString());
    EXPECT_EQ(g.cellPicture(1, C::kColCode).toImage(), form->pictures().emptyBox.toImage());

    // Another column under the pointer, a cancelled line or a percent of 100: nothing changes.
    form->grdItemList_DblClick(C::kColCode);
    form->txtDiscount->setText(QStringLiteral("100"));
    form->grdItemList_DblClick(C::kColSCDiscount);
    form->txtDiscount->setText(QStringLiteral("20"));
    g.setTextMatrix(1, C::kColDosage, QStringLiteral("CANCELLED"));
    form->grdItemList_DblClick(C::kColSCDiscount);
    EXPECT_EQ(g.textMatrix(1, C::kColAmount), QStringLiteral("100.00"));
    EXPECT_EQ(g.textMatrix(1, C::kColMark), QString());
}

TEST_P(frmCommEntryEventsTest, PriceChangeOnTheAmount) {
    gAllowPriceChange = true;
    auto form = load();
    FlexGrid& g = *form->grdItemList;
    g.setCol(C::kColAmount);
    platform.modal->onNextShow([](QWidget& w) {
        auto& dialog = static_cast<frmPriceInOut&>(w);
        EXPECT_EQ(dialog.ItemDesc(), QStringLiteral("PARACETAMOL 500 MG TABLET"));
        EXPECT_EQ(dialog.ItemQuantity(), 2);
        dialog.txtNewPrice->setText(QStringLiteral("45"));
        dialog.imgProceed_Click();
    });
    form->grdItemList_DblClick(C::kColAmount);
    EXPECT_EQ(g.textMatrix(1, C::kColAmount), QStringLiteral("90.00"));
    EXPECT_EQ(g.textMatrix(1, C::kColPriceTaken), QStringLiteral("45.00"));

    // Closed without a new price: the amount stays, column 25 takes the unit price.
    platform.modal->onNextShow([](QWidget& w) { w.close(); });
    form->grdItemList_DblClick(C::kColAmount);
    EXPECT_EQ(g.textMatrix(1, C::kColAmount), QStringLiteral("90.00"));
    EXPECT_EQ(g.textMatrix(1, C::kColPriceTaken), QStringLiteral("50.00"));

    // A cancelled line has no numbers to offer: no dialog.
    for (int col : {C::kColRequested, C::kColIssued, C::kColStock, C::kColAmount})
        g.setTextMatrix(1, col, QStringLiteral("XXX"));
    const int shown = int(platform.modal->shown().size());
    form->grdItemList_DblClick(C::kColAmount);
    EXPECT_EQ(int(platform.modal->shown().size()), shown);
}

TEST_P(frmCommEntryEventsTest, SaveButtonsFollowTheScanWithBarcodeChecking) {
    gCheckBarCode = true;
    auto form = load();
    FlexGrid& g = *form->grdItemList;
    for (int row : {1, 2})
        g.setTextMatrix(row, C::kColScanned, QStringLiteral("1"));
    form->grdItemList_GotFocus();
    EXPECT_TRUE(form->cmdSave->isEnabled());
    g.setTextMatrix(1, C::kColScanned, QStringLiteral("0"));
    g.setRow(1);
    form->grdItemList_GotFocus();
    EXPECT_FALSE(form->cmdSave->isEnabled());
    EXPECT_FALSE(form->cmdPrintSave->isEnabled());
    EXPECT_EQ(form->BarcodeCheckRow(), 1);
}

TEST_P(frmCommEntryEventsTest, ActivationColoursLinesMedicareDoesNotCover) {
    db().execute(QStringLiteral("UPDATE tbInvMaster SET MedicareType = CASE WHEN ItemID = 'PARA500' THEN 'N' ELSE 'Y' END"));
    auto form = load();
    FlexGrid& g = *form->grdItemList;
    g.setRow(2);
    g.setCol(C::kColIssued);
    form->Form_Activate();
    for (int col : {C::kColCode, C::kColGenericName})
        EXPECT_EQ(g.cellBackColorAt(1, col), C::kNonMedicareColor) << col;
    EXPECT_EQ(g.cellBackColorAt(1, C::kColDescription), g.backColor());
    EXPECT_EQ(g.cellBackColorAt(2, C::kColCode), g.backColor());
    EXPECT_EQ(g.row(), 2);
    EXPECT_EQ(g.col(), C::kColIssued);
}

TEST_P(frmCommEntryEventsTest, VIPBlinksThroughFourColours) {
    auto form = load();
    QStringList seen;
    for (int i = 0; i < 5; ++i) {
        form->timerB_Timer();
        seen << form->lblVIP->palette().color(QPalette::Window).name();
    }
    EXPECT_EQ(seen, (QStringList{"#ff0000", "#c00000", "#800000", "#ffc0c0", "#ff0000"}));
}

TEST_P(frmCommEntryEventsTest, EscapeInTheEditorLeavesLikeExit) {
    gCheckBarCode = true;
    auto form = load();
    showActive(form.get());
    ASSERT_TRUE(form->txtEntry()->isVisible());
    pressKey(form->txtEntry(), Qt::Key_Escape, QStringLiteral("\x1b"));
    QApplication::processEvents();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(form->CancelledForm());
    EXPECT_FALSE(form->isLoaded());
}

QX_ON_BOTH_ENGINES(frmCommEntryEventsTest);

} // namespace
} // namespace qx::test
