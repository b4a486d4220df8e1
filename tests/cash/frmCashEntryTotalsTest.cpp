#include "CashEntryFixture.h"

#include "platform/Colors.h"
#include "platform/Values.h"
#include "shell/frmDeletePassword.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace qx::test {
namespace {

class frmCashEntryTotalsTest : public CashEntryTest {
protected:
    ColorValue codeColour(int row) {
        grid()->setRow(row);
        grid()->setCol(frmCashEntry::colCode);
        return grid()->cellBackColor();
    }
};

TEST_F(frmCashEntryTotalsTest, RowTests) {
    open();
    struct Case { const char* name; QString code, quantity; bool blank, canSaveRow; };
    const Case cases[] = {
        {"complete", "AMX5", "2", false, true},
        {"no quantity", "AMX5", "", false, false},
        {"zero quantity", "AMX5", "0", false, false},
        {"letters for quantity", "AMX5", "X", false, false},
        {"quantity only", "", "2", false, false},
        {"blanks only", "  ", "", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form->ClearAll(true);
        grid()->setTextMatrix(3, frmCashEntry::colCode, c.code);
        grid()->setTextMatrix(3, frmCashEntry::colQuantity, c.quantity);
        EXPECT_EQ(form->BlankRow(3), c.blank);
        EXPECT_EQ(form->CanSaveRow(3), c.canSaveRow);
        EXPECT_EQ(form->canSave(), c.canSaveRow);
        EXPECT_EQ(form->NoSaveRows(), c.blank || c.canSaveRow ? "" : "3");
    }
    form->ClearAll(true);
    fillLine(1, "AMX5", "1", "10.00");
    fillLine(2, "PAR5", "", "");
    fillLine(4, "VITC", "3", "9.00");
    grid()->setTextMatrix(5, frmCashEntry::colQuantity, "2");
    EXPECT_EQ(form->NoSaveRows(), "2, 5");
    EXPECT_EQ(form->BlankRows(), 35);
    // Column 0 is never looked at.
    grid()->setTextMatrix(6, 0, "x");
    EXPECT_TRUE(form->BlankRow(6));
}

TEST_F(frmCashEntryTotalsTest, TotalsRoundToCentsAndNoneTakesNoDiscount) {
    gPharmaOptDiscountType = true;
    gDefaultDiscount = 1;
    open();
    fillLine(1, "AMX5", "1", "10.125", "1.005");
    fillLine(2, "PAR5", "1", "XXX", "0.67");
    fillLine(3, "VITC", "1", "2.5", "");
    EXPECT_EQ(Text(form->GetTotalCharges()), "12.62");
    EXPECT_EQ(Text(form->GetTotalDiscount()), "1.68");
    // The choice alone, without the recomputation its click runs.
    const QSignalBlocker quietNone(form->optNone);
    const QSignalBlocker quietSenior(form->optSeniorCitizen);
    form->optNone->setChecked(true);
    EXPECT_EQ(form->GetTotalDiscount(), 0);
    form->optSeniorCitizen->setChecked(true);
    EXPECT_EQ(Text(form->GetTotalDiscount()), "1.68");
}

TEST_F(frmCashEntryTotalsTest, ValidatedStopsAtTheFirstFailingCheck) {
    struct Case {
        const char* name;
        bool supervisor;
        std::function<void(FlexGrid*)> lines;
        QString message;
        int icon;
        QString title;
        bool ok;
    };
    const auto twoLines = [](FlexGrid* g) {
        fillCashLine(g, 1, "AMX5", "1", "10.00");
        fillCashLine(g, 2, "PAR5", "2", "4.00");
    };
    const Case cases[] = {
        {"missing quantity before the supervisor", true,
         [](FlexGrid* g) {
             fillCashLine(g, 1, "AMX5", "1", "10.00");
             fillCashLine(g, 2, "PAR5", "", "");
             fillCashLine(g, 4, "VITC", "", "");
         },
         "Enter quantity for ITEM PAR5.", vbInformation, "Quillax", false},
        {"supervisor refuses", true, twoLines, "Invalid Password.", vbInformation, "Quillax", false},
        {"empty list", false, [](FlexGrid*) {}, "Item list empty.", vbInformation, "Quillax", false},
        {"nothing complete", false,
         [](FlexGrid* g) { g->setTextMatrix(2, frmCashEntry::colQuantity, "2"); },
         "Incomplete entry in line # 2", vbInformation, "Quillax", false},
        {"zero amount", false,
         [](FlexGrid* g) {
             fillCashLine(g, 1, "AMX5", "1", "10.00");
             fillCashLine(g, 2, "FREE", "1", "0.00");
         },
         "Please check the quantity or amount of the assessed items. Some entries have zero value!", vbCritical,
         "WARNING", false},
        {"ready", false, twoLines, "", 0, "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gHasValidation = c.supervisor;
        open();
        platform.messages->clear();
        c.lines(grid());
        EXPECT_EQ(form->Validated(), c.ok);
        if (c.message.isEmpty()) {
            EXPECT_TRUE(platform.messages->boxes().empty());
            continue;
        }
        ASSERT_EQ(platform.messages->boxes().size(), 1u);
        EXPECT_EQ(platform.messages->last().text, c.message);
        EXPECT_EQ(platform.messages->last().icon(), c.icon);
        EXPECT_EQ(platform.messages->last().title, c.title);
    }
    EXPECT_EQ(platform.modal->shown().count("qx::frmDeletePassword"), 1);
}

TEST_F(frmCashEntryTotalsTest, ClearAllReturnsToTheWalkInCustomer) {
    gSiteCode = QStringLiteral("KTH");
    gVelmira = true;
    openShown();
    fillLine(1, "AMX5", "1", "10.00");
    form->txtTotal->setText("10.00");
    form->txtDiscount->setText("1.00");
    form->txtPatName->setText("DELA CRUZ, JUAN");
    form->txtSCNumber->setText("SC-1");
    form->txtSCNumber->show();
    form->txtGSISNumber->setText("G-1");
    form->txtZarviCard->setText("1234");
    form->lblMarkUp->setText("10%");
    form->lblMarkUp->show();
    form->chkVelmira->setChecked(true);
    form->txtDscRate->setText("5");
    form->mChargeAtCost = true;
    form->cmdPrintSave->setEnabled(false);
    form->cmdClearAll->click();
    EXPECT_TRUE(form->BlankRow(1));
    EXPECT_EQ(form->txtTotal->text(), "");
    EXPECT_EQ(form->txtDiscount->text(), "");
    EXPECT_EQ(form->txtIdNumber->text(), "ASSESS");
    EXPECT_EQ(form->txtHospNum->text(), "CASH");
    EXPECT_EQ(form->txtPatName->text(), "CASH");
    EXPECT_EQ(form->txtSCNumber->text(), "");
    EXPECT_EQ(form->txtGSISNumber->text(), "");
    EXPECT_EQ(form->txtZarviCard->text(), "");
    EXPECT_TRUE(form->txtSCNumber->isHidden());
    EXPECT_TRUE(form->txtGSISNumber->isHidden());
    EXPECT_TRUE(form->lblMarkUp->isHidden());
    EXPECT_FALSE(form->chkVelmira->isChecked());
    EXPECT_TRUE(form->txtPatName->hasFocus());
    EXPECT_EQ(form->txtDscRate->text(), "0");
    EXPECT_FALSE(form->mChargeAtCost);
    EXPECT_TRUE(form->cmdPrintSave->isEnabled());
    EXPECT_TRUE(form->optNone->isChecked());
    EXPECT_EQ(grid()->row(), 1);
    EXPECT_EQ(grid()->col(), 1);
}

TEST_F(frmCashEntryTotalsTest, ClearAllWhileLoadingLeavesTheFocusAlone) {
    gVelmira = true;
    openShown();
    form->txtCheckerName->setFocus();
    form->mLoading = true;
    form->ClearAll(true);
    EXPECT_FALSE(form->txtPatName->hasFocus());
}

TEST_F(frmCashEntryTotalsTest, ClearRowKeepsTheCode) {
    open();
    fillLine(2, "AMX5", "1", "10.00");
    grid()->setTextMatrix(2, 0, "*");
    form->ClearRow(2);
    EXPECT_EQ(grid()->textMatrix(2, frmCashEntry::colCode), "AMX5");
    EXPECT_EQ(grid()->textMatrix(2, 0), "");
    EXPECT_EQ(grid()->textMatrix(2, frmCashEntry::colQuantity), "");
}

TEST_F(frmCashEntryTotalsTest, ClearRowMovesTheLinesBelowUpAndRepaintsTheirCodes) {
    openShown();
    fillLine(1, "A1", "1", "1.00");
    fillLine(2, "A2", "1", "2.00");
    fillLine(3, "A3", "1", "3.00", "0.50");
    fillLine(4, "A4", "1", "4.00", "", true);
    fillLine(5, "A5", "1", "5.00");
    grid()->setRow(3);
    grid()->setCol(frmCashEntry::colQuantity);
    platform.messages->answer(vbNo);
    form->cmdClearRow->click();
    EXPECT_EQ(platform.messages->last().text, "Are you sure to delete the request?");
    EXPECT_EQ(platform.messages->last().icon(), vbQuestion);
    EXPECT_EQ(grid()->textMatrix(3, 1), "A3");

    grid()->setRow(3);
    platform.messages->answer(vbYes);
    form->cmdClearRow->click();
    EXPECT_EQ(grid()->textMatrix(3, 1), "A4");
    EXPECT_EQ(grid()->textMatrix(4, 1), "A5");
    EXPECT_TRUE(form->BlankRow(5));
    EXPECT_EQ(form->txtTotal->text(), "12");
    EXPECT_EQ(form->txtDiscount->text(), "0");
    EXPECT_EQ(grid()->row(), 3);
    EXPECT_EQ(grid()->col(), 1);
    EXPECT_EQ(codeColour(3), 0xFF80FFu);
    EXPECT_EQ(codeColour(4), colors::InfoBackground);
}

TEST_F(frmCashEntryTotalsTest, ClearRowWithEveryLineFilled) {
    openShown();
    for (int row = 1; row < frmCashEntry::kGridRows; ++row)
        fillLine(row, QStringLiteral("C%1").arg(row), "1", "1.00");
    grid()->setRow(10);
    platform.messages->answer(vbYes);
    form->cmdClearRow->click();
    EXPECT_TRUE(form->BlankRow(39));
    EXPECT_EQ(grid()->textMatrix(10, 1), "C11");
    EXPECT_EQ(grid()->textMatrix(38, 1), "C39");
    EXPECT_EQ(form->txtTotal->text(), "38");
}

TEST_F(frmCashEntryTotalsTest, ClearRowOnABlankLineAsksNothing) {
    openShown();
    grid()->setRow(2);
    form->cmdClearRow_Click();
    EXPECT_TRUE(platform.messages->boxes().empty());
}

TEST_F(frmCashEntryTotalsTest, ClosingAsksOnlyWithASavableLine) {
    openShown();
    fillLine(1, "AMX5", "", "");
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(platform.messages->boxes().empty());

    openShown();
    fillLine(1, "AMX5", "2", "20.00");
    platform.messages->answer(vbNo);
    EXPECT_FALSE(form->close());
    EXPECT_EQ(platform.messages->last().text, "You have unsaved entry.  Do you wish to exit?");
    EXPECT_EQ(platform.messages->last().icon(), vbInformation);
    EXPECT_EQ(platform.messages->last().buttons(), vbYesNo);
    EXPECT_EQ(grid()->textMatrix(1, 1), "AMX5");
    platform.messages->answer(vbYes);
    EXPECT_TRUE(form->close());

    openShown();
    fillLine(1, "AMX5", "2", "20.00");
    platform.messages->clear();
    gExitRequested = true;
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(platform.messages->boxes().empty());
}

} // namespace
} // namespace qx::test
