#include "CashEntryFixture.h"

#include "cash/CashWindowOpeners.h"
#include "cash/SISequence.h"
#include "platform/Twips.h"
#include "shell/WindowOpeners.h"
#include "shell/frmShift.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

namespace qx::test {
namespace {

bool shown(const QWidget* w) { return !w->isHidden(); }

class frmCashEntryLoadTest : public CashEntryTest {
protected:
    void addRevenueClass(const QString& id, const QString& name) {
        db().execute(QStringLiteral("INSERT INTO build_file.tbCoRevenueCode (RevenueID, ItemName, LGRP, CashierActive, "
                                    "PHActive, RecordStatus) VALUES (?, ?, 'D', 'Y', 'Y', 'A')"),
                     {id, name});
    }
};

TEST_F(frmCashEntryLoadTest, WalkInDefaultsAndTheGrid) {
    gLocationID = QStringLiteral("186");
    gCheckerID = QStringLiteral("0042");
    gCheckerName = QStringLiteral("SANTOS, ANA");
    frmCashEntry& w = open();
    EXPECT_EQ(gLocationID, "20");
    EXPECT_EQ(w.windowTitle(), "Assessment Entry");
    EXPECT_EQ(w.txtIdNumber->text(), "ASSESS");
    EXPECT_EQ(w.txtHospNum->text(), "CASH");
    EXPECT_EQ(w.txtPatName->text(), "CASH");
    EXPECT_EQ(w.lblCaption->text(), "WALK-IN");
    EXPECT_EQ(w.txtCheckerID->text(), "0042");
    EXPECT_EQ(w.txtCheckerName->text(), "SANTOS, ANA");
    EXPECT_EQ(w.txtDscRate->text(), "0");
    EXPECT_FALSE(w.fraMasterInfo->isEnabled());
    EXPECT_FALSE(shown(w.chkDialysis));
    EXPECT_FALSE(shown(w.chkVelmira));
    EXPECT_FALSE(shown(w.txtRefNum));
    EXPECT_FALSE(shown(w.txtAmountNetRefund));
    EXPECT_FALSE(shown(w.lblVATExempt));
    EXPECT_TRUE(shown(w.chkInPatient));
    // Class layout by default.
    EXPECT_TRUE(shown(w.chkTypeA));
    EXPECT_TRUE(shown(w.TypeA));
    EXPECT_FALSE(shown(w.TypeB));
    EXPECT_FALSE(shown(w.lblLegend));

    FlexGrid* g = w.grdItemList;
    EXPECT_EQ(g->rows(), 40);
    EXPECT_EQ(g->cols(), 42);
    EXPECT_EQ(g->textMatrix(0, 1), "Code ");
    EXPECT_EQ(g->textMatrix(0, 14), "Amount");
    EXPECT_EQ(g->textMatrix(0, 27), "Cash Price ");
    EXPECT_EQ(g->colWidth(frmCashEntry::colGenericName), 2500);
    EXPECT_EQ(g->colWidth(frmCashEntry::colAmount), 1128);
    EXPECT_EQ(g->colWidth(frmCashEntry::colPriceBase), 0);
    EXPECT_EQ(g->row(), 1);
    EXPECT_EQ(g->col(), 1);
    EXPECT_EQ(w.mExemptCols.size(), 25);
    for (int col : {2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 15, 20, 28})
        EXPECT_TRUE(w.ExcemptCol(col)) << col;
    for (int col : {1, 8, 14, 29, 30})
        EXPECT_FALSE(w.ExcemptCol(col)) << col;
    EXPECT_EQ(w.mColEditor[1], 1);
    EXPECT_EQ(w.mColEditor[4], 2);
    EXPECT_EQ(w.mColEditor[8], 0);
    EXPECT_FALSE(w.mLoading);
}

TEST_F(frmCashEntryLoadTest, ExemptColumnTwiceIsAnError) {
    frmCashEntry& w = open();
    EXPECT_THROW(w.AddToExcemptCol(3), AppError);
    w.AddToExcemptCol(40);
    EXPECT_TRUE(w.ExcemptCol(40));
}

TEST_F(frmCashEntryLoadTest, DiscountLayouts) {
    addRevenueClass("CF", "SENIOR CITIZENS DISCOUNT");
    addRevenueClass("CZ", "CASH DISCOUNT");
    db().execute(QStringLiteral("INSERT INTO tbPharmaDiscounts (Discount, DiscountCode, TypeA) VALUES (10, 'CZ', 1)"));
    struct Case {
        const char* name;
        QString site;
        bool optionLayout;
        qint16 defaultDiscount;
        bool switch207;
        bool wantTypeB, wantTypeA, wantNone, wantSenior, wantTypeAChecked;
        QString wantClass, wantRate;
    };
    const Case cases[] = {
        {"switch 207 shows no discount controls", "ABC", true, 1, true, false, false, false, false, false, "", "10.00"},
        // Clear All leaves "None" chosen; only the option layout's load changes it.
        {"class layout", "ABC", false, 1, false, false, true, true, false, false, "", "10.00"},
        {"WOPSA presets its cash discount", "WOPSA", false, 1, false, false, true, true, false, true,
         "CZ-CASH DISCOUNT", "10.00"},
        {"option layout, default 1 selects nothing", "ABC", true, 1, false, true, false, false, false, false, "", "10.00"},
        {"option layout, default 0 selects None", "ABC", true, 0, false, true, false, true, false, false, "", "10.00"},
        {"option layout, default 3 selects Senior Citizen", "ABC", true, 3, false, true, false, false, true, false, "",
         "10.00"},
        {"BELQ selects None whatever the default", "BELQ", true, 3, false, true, false, true, false, false, "", "10.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gSiteCode = c.site;
        gPharmaOptDiscountType = c.optionLayout;
        gDefaultDiscount = c.defaultDiscount;
        setPharmaSwitch("207", c.switch207);
        frmCashEntry& w = open();
        EXPECT_EQ(shown(w.TypeB), c.wantTypeB);
        EXPECT_EQ(shown(w.TypeA), c.wantTypeA);
        EXPECT_EQ(shown(w.chkTypeA), c.wantTypeA);
        EXPECT_EQ(w.optNone->isChecked(), c.wantNone);
        EXPECT_EQ(w.optSeniorCitizen->isChecked(), c.wantSenior);
        EXPECT_EQ(w.chkTypeA->isChecked(), c.wantTypeAChecked);
        EXPECT_EQ(w.cboClass->currentText(), c.wantClass);
        EXPECT_EQ(w.cmbA->currentText(), c.wantRate);
        for (QPushButton* b : {w.cmdClearRow, w.cmdClearAll, w.cmdPrintPreview, w.cmdPrintSave, w.cmdSave, w.cmdClose})
            EXPECT_EQ(pixelsToTwips(b->y()) == 7170, c.switch207) << b->text().toStdString();
        if (c.optionLayout && !c.switch207) {
            EXPECT_TRUE(shown(w.cboOthers));
            EXPECT_TRUE(shown(w.optManual));
            EXPECT_FALSE(shown(w.cboPercent));
            EXPECT_EQ(w.cboOthers->count(), 3);
            EXPECT_EQ(w.cboOthers->itemText(1), "CZ-CASH DISCOUNT");
        }
    }
}

TEST_F(frmCashEntryLoadTest, SitesAndSettings) {
    {
        gSiteCode = QStringLiteral("GQUV");
        frmCashEntry& w = open();
        EXPECT_TRUE(shown(w.chkDialysis));
        EXPECT_EQ(w.chkDialysis->text(), "In-Patient Price");
    }
    {
        gSiteCode = QStringLiteral("TZNH");
        frmCashEntry& w = open();
        EXPECT_TRUE(shown(w.chkDialysis));
        EXPECT_EQ(w.chkDialysis->text(), "Dialysis Patient / Senior Citizen");
    }
    {
        gSiteCode = QStringLiteral("NORVAX");
        gValidateCardNumber = false;
        gVelmira = true;
        gInvSwitchVATExemptItems = true;
        setPharmaSwitch("201", true);
        frmCashEntry& w = open();
        EXPECT_FALSE(shown(w.Frame2));
        EXPECT_FALSE(shown(w.Frame5));
        EXPECT_FALSE(w.txtZarviCard->isEnabled());
        EXPECT_EQ(pixelsToTwips(w.Frame1->y()), 2160);
        EXPECT_TRUE(shown(w.chkVelmira));
        EXPECT_TRUE(shown(w.lblVATExempt));
        EXPECT_TRUE(shown(w.txtS2Number));
    }
    {
        gSiteCode = QStringLiteral("KTH");
        gValidateCardNumber = true;
        setPharmaSwitch("201", false);
        frmCashEntry& w = open();
        EXPECT_TRUE(shown(w.Frame5));
        EXPECT_FALSE(shown(w.txtS2Number));
        for (QWidget* hidden : std::initializer_list<QWidget*>{w.txtGSISNumber, w.lblGSISNumber_5, w.txtSCNumber, w.Label2_0})
            EXPECT_FALSE(shown(hidden));
    }
}

TEST_F(frmCashEntryLoadTest, StandAloneModeShowsTheSINumberAndTheRefund) {
    setPharmaSwitch("24", true);
    SetCurrentSISequenceNumber(QStringLiteral("125"));
    frmCashEntry& w = open();
    EXPECT_EQ(w.windowTitle(), "Assessment Entry - SI125");
    EXPECT_FALSE(shown(w.chkInPatient));
    EXPECT_TRUE(w.mnuChangeSISequenceNum->isVisible());
    for (QWidget* refund : std::initializer_list<QWidget*>{w.lblRefund, w.txtRefund, w.lblNetOfRefund, w.txtAmountNetRefund})
        EXPECT_TRUE(shown(refund));
    w.txtRefund->setText(QStringLiteral("50"));
    w.txtTotal->setText(QStringLiteral("1250"));
    EXPECT_EQ(w.txtAmountNetRefund->text(), "1,200.00");
    w.txtRefund->clear();
    w.txtTotal->setText(QStringLiteral("1500.5"));
    EXPECT_EQ(w.txtAmountNetRefund->text(), "1,500.50");
    SetCurrentSISequenceNumber(QString());
}

TEST_F(frmCashEntryLoadTest, OpenerRegisteredUnderTheAssessmentCommand) {
    ClearWindowOpeners();
    RegisterCashWindowOpeners();
    ASSERT_TRUE(HasWindowOpener(QStringLiteral("mnuAssessment.frmCashEntry")));
    bool transNote = true;
    platform.modal->onShow<frmCashEntry>([&](frmCashEntry& w) {
        transNote = w.isTransNote();
        w.close();
    });
    OpenWindow(QStringLiteral("mnuAssessment.frmCashEntry"), {{QStringLiteral("isTransNote"), false}});
    EXPECT_EQ(platform.modal->shown(), QStringList{"qx::frmCashEntry"});
    EXPECT_FALSE(transNote);
    EXPECT_EQ(gLocationID, "20");
    ClearWindowOpeners();
}

class frmCashEntryPreNumberTest : public CashEntryBothEnginesTest {};

TEST_P(frmCashEntryPreNumberTest, ShowsTheNextPreNumberedAssessment) {
    gPreNumberAssessment = true;
    db().execute(QStringLiteral("UPDATE billing.tbAssessmentNum SET PreNumberAssessment = 123"));
    frmCashEntry& w = open();
    EXPECT_EQ(w.txtRefNum->text(), "PH00000123");
    EXPECT_EQ(w.mPreNumberRefNum, "PH00000123");
    EXPECT_FALSE(w.txtRefNum->isHidden());
    EXPECT_TRUE(w.mnuMenu->menuAction()->isVisible());
    EXPECT_EQ(twipsToPixels(4995), w.txtPatName->width());
}

TEST_P(frmCashEntryPreNumberTest, MissingCounterRowIsCreated) {
    gPreNumberAssessment = true;
    db().execute(QStringLiteral("DELETE FROM billing.tbAssessmentNum"));
    frmCashEntry& w = open();
    EXPECT_EQ(w.txtRefNum->text(), "PH00000001");
    EXPECT_EQ(platform.programEnd->ended(), 0);
    EXPECT_EQ(db().query(QStringLiteral("SELECT PreNumberAssessment FROM billing.tbAssessmentNum")).number(
                  QStringLiteral("PreNumberAssessment")),
              1);
}

QX_ON_BOTH_ENGINES(frmCashEntryPreNumberTest);

} // namespace
} // namespace qx::test
