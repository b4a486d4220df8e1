#include "CashEntryFixture.h"

#include "cash/CashWindowOpeners.h"
#include "cash/frmChangeInvoiceNumber.h"
#include "cash/frmSISequence.h"
#include "shell/WindowOpeners.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

namespace qx::test {
namespace {

class SalesInvoiceSequenceTest : public CashEntryBothEnginesTest {
protected:
    void SetUp() override {
        CashEntryBothEnginesTest::SetUp();
        if (IsSkipped())
            return;
        gEmployeeCode = QStringLiteral("E001");
        gEmployeeName = QStringLiteral("MARIA SANTOS");
        frmSISequence::setSISequenceNumber(QString());
        RegisterCashWindowOpeners();
    }
    void TearDown() override {
        ClearWindowOpeners();
        frmSISequence::setSISequenceNumber(QString());
        CashEntryBothEnginesTest::TearDown();
    }
    void postUnder(const QString& refNum) {
        db().execute(QStringLiteral("INSERT INTO tbInvStockCard (RefNum, ItemID, SummaryCode, Quantity, TransDate) "
                                    "VALUES (?, 'PARA500', 'PH', -1, ?)"),
                     {refNum, QDateTime(QDate(2026, 1, 5), QTime(9, 0))});
    }
    qint64 slipCounter() {
        return db().query(QStringLiteral("SELECT PreNumberAssessment FROM billing.tbAssessmentNum WHERE id = 1"))
            .value(QStringLiteral("PreNumberAssessment"))
            .toLongLong();
    }
};

TEST_P(SalesInvoiceSequenceTest, StoredSequenceReadCheckedAndAdvanced) {
    EXPECT_EQ(frmSISequence::getSISequence(), "000001") << "a cashier without a stored sequence";
    frmSISequence::saveOrUpdateSISequence(QStringLiteral(" 123 "));
    EXPECT_EQ(frmSISequence::getSISequence(), "000123");
    EXPECT_EQ(frmSISequence::SISequenceNumber(), "000123") << "saving reads the number back";
    frmSISequence::saveOrUpdateSISequence(QStringLiteral("1234567"));
    EXPECT_EQ(frmSISequence::getSISequence(), "1234567") << "a longer number keeps its digits";

    postUnder(QStringLiteral("SI000126"));
    EXPECT_TRUE(frmSISequence::checkSISequence(QStringLiteral(" 126 ")));
    EXPECT_TRUE(frmSISequence::checkSISequence(QStringLiteral("000126")));
    EXPECT_FALSE(frmSISequence::checkSISequence(QStringLiteral("127")));

    gEmployeeCode = QStringLiteral("E002");
    frmSISequence::setSISequence();
    EXPECT_EQ(frmSISequence::SISequenceNumber(), "000001") << "sequences are per cashier";
}

TEST_P(SalesInvoiceSequenceTest, DialogRefusesAUsedNumberAndOpensTheAssessmentWindow) {
    setPharmaSwitch(QStringLiteral("24"), true);
    frmSISequence::saveOrUpdateSISequence(QStringLiteral("123"));
    frmSISequence::setSISequenceNumber(QString());
    postUnder(QStringLiteral("SI000123"));
    QString caption;
    platform.modal->onShow(QStringLiteral("qx::frmCashEntry"), [&](QWidget& w) { caption = w.windowTitle(); });
    platform.modal->onShow<frmSISequence>([&](frmSISequence& d) {
        EXPECT_EQ(d.txtCashier->text(), "MARIA SANTOS");
        EXPECT_EQ(d.txtORNumber->text(), "000123");
        d.cmdOK->click();
        EXPECT_EQ(platform.messages->last().text, "SI Sequence Number already used.");
        EXPECT_TRUE(d.isVisible()) << "the dialog stays open";
        d.txtORNumber->setText(QStringLiteral("125"));
        d.cmdOK->click();
    });
    OpenWindow(QStringLiteral("mnuAssessment.frmSISequence"));
    EXPECT_EQ(frmSISequence::SISequenceNumber(), "125");
    EXPECT_EQ(caption, "Assessment Entry - SI125");
}

TEST_P(SalesInvoiceSequenceTest, EmptiedBoxAndCancel) {
    platform.modal->onShow<frmSISequence>([&](frmSISequence& d) {
        d.txtORNumber->clear();
        EXPECT_EQ(platform.messages->last().text, "This entry can only contain numbers.") << "at once";
        platform.messages->clear();
        d.cmdOK->click();
        EXPECT_EQ(platform.messages->last().text, "This entry can only contain numbers.") << "and on OK";
        d.txtORNumber->setText(QStringLiteral("12.5"));
        d.cmdOK->click();
        EXPECT_TRUE(d.isVisible()) << "digits only";
        d.cmdCancel->click();
    });
    OpenWindow(QStringLiteral("mnuAssessment.frmSISequence"));
    EXPECT_EQ(frmSISequence::SISequenceNumber(), "");
    EXPECT_FALSE(platform.modal->shown().contains(QStringLiteral("qx::frmCashEntry"))) << "Cancel opens nothing";
}

TEST_P(SalesInvoiceSequenceTest, ChangeSISequenceFromTheWindowRefreshesTheCaption) {
    setPharmaSwitch(QStringLiteral("24"), true);
    frmSISequence::setSISequenceNumber(QStringLiteral("7"));
    openShown();
    EXPECT_EQ(form->windowTitle(), "Assessment Entry - SI7");
    platform.modal->onShow<frmSISequence>([](frmSISequence& d) {
        d.txtORNumber->setText(QStringLiteral("300"));
        d.cmdOK->click();
    });
    form->mnuChangeSISequenceNum->trigger();
    EXPECT_EQ(form->windowTitle(), "Assessment Entry - SI300");
    EXPECT_EQ(platform.modal->shown().count(QStringLiteral("qx::frmCashEntry")), 0) << "the window is up already";
}

TEST_P(SalesInvoiceSequenceTest, SlipNumberEntries) {
    db().execute(QStringLiteral("INSERT INTO billing.tbCashAssessment (RefNum, RevenueID, ItemID, Quantity) "
                                "VALUES ('PH00000077', 'PH', 'PARA500', 1)"));
    struct Case { const char* typed; const char* shownWhileTyping; const char* message; const char* slip; qint64 counter; };
    const Case cases[] = {
        {"ph12", "PH12", "", "PH00000012", 12},
        {"123456789", "123456789", "", "PH23456789", 23456789},
        {"ABC", "ABC", "Cash slip number is not valid. Pls Check!", "", 0},
        {"PH", "PH", "Cash slip number is not valid. Pls Check!", "", 0},
        {"77", "77", "Cash slip number already exists! Please check your series number.", "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        db().execute(QStringLiteral("UPDATE billing.tbAssessmentNum SET PreNumberAssessment = 0 WHERE id = 1"));
        frmChangeInvoiceNumber w;
        w.SlipNumber = QStringLiteral(" PH00000005 ");
        showActive(&w);
        EXPECT_EQ(w.txtCashNumber->text(), "PH00000005");
        platform.messages->clear();
        w.txtCashNumber->selectAll();
        typeText(w.txtCashNumber, QString::fromLatin1(c.typed));
        EXPECT_EQ(w.txtCashNumber->text(), c.shownWhileTyping);
        pressKey(w.txtCashNumber, Qt::Key_Return, QStringLiteral("\r"));
        EXPECT_EQ(platform.keys->keys().last(), "{tab}");
        w.cmdOK->setFocus();  // the Tab's move, which validates the box
        QApplication::processEvents();
        if (*c.message) {
            EXPECT_EQ(platform.messages->last().text, c.message);
            EXPECT_EQ(w.focusWidget(), w.txtCashNumber);
            w.cmdOK->click();
            EXPECT_TRUE(w.isVisible());
            EXPECT_EQ(slipCounter(), 0);
            continue;
        }
        EXPECT_TRUE(platform.messages->boxes().empty());
        EXPECT_EQ(w.txtCashNumber->text(), c.slip);
        w.cmdOK->click();
        EXPECT_FALSE(w.isVisible());
        EXPECT_EQ(w.SlipNumber, c.slip);
        EXPECT_EQ(slipCounter(), c.counter);
    }
}

TEST_P(SalesInvoiceSequenceTest, EditSequenceNumbersMenu) {
    openShown();
    form->mnuEditSequenceNumbers->trigger();
    EXPECT_TRUE(platform.modal->shown().isEmpty()) << "F1 does nothing without pre-numbered assessments";

    gPreNumberAssessment = true;
    openShown();
    EXPECT_EQ(form->txtRefNum->text(), "PH00000000");
    platform.modal->onShow<frmChangeInvoiceNumber>([](frmChangeInvoiceNumber& w) {
        EXPECT_EQ(w.txtCashNumber->text(), "PH00000000");
        w.txtCashNumber->setText(QStringLiteral("40"));
        w.cmdOK->click();  // clicked straight away: the box is validated first
    });
    form->mnuEditSequenceNumbers->trigger();
    EXPECT_EQ(form->txtRefNum->text(), "PH00000040");
    EXPECT_EQ(slipCounter(), 40);
}

QX_ON_BOTH_ENGINES(SalesInvoiceSequenceTest);

} // namespace
} // namespace qx::test

#include "cash/frmSIRange.h"
#include "charging/frmView.h"

#include <QCheckBox>

namespace qx::test {
namespace {

TEST_F(CashEntryTest, SalesInvoiceRangeOpensTheReportWithTheTrimmedRange) {
    RegisterCashWindowOpeners();
    struct Seen { qint16 report; QString start, end; };
    std::vector<Seen> seen;
    platform.modal->onShow<frmView>([&](frmView& v) {
        seen.push_back({v.WhatReport(), v.RangeStart, v.RangeEnd});
        v.close();
    });
    QString startAfterPreview;
    platform.modal->onShow<frmSIRange>([&](frmSIRange& d) {
        EXPECT_EQ(d.windowTitle(), "Report Range");
        d.chkSummary->setChecked(true);
        d.txtStart->setText(QStringLiteral(" SI000100 "));
        d.txtEnd->setText(QStringLiteral(" SI000150 "));
        d.cmdOK->click();
        startAfterPreview = d.txtStart->text();
        d.chkSummary->setChecked(false);
        d.txtStart->clear();
        d.txtEnd->clear();
        d.cmdOK->click();
        d.cmdClose->click();
    });
    OpenWindow(QStringLiteral("mnuDIRCashSalesSIRange"));
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].report, 99);
    EXPECT_EQ(seen[0].start, "SI000100");
    EXPECT_EQ(seen[0].end, "SI000150");
    EXPECT_EQ(startAfterPreview, " SI000100 ") << "the dialog keeps its values after the preview";
    EXPECT_EQ(seen[1].report, 98);
    EXPECT_EQ(seen[1].start, "");
    EXPECT_EQ(seen[1].end, "");

    platform.modal->onShow<frmSIRange>([&](frmSIRange& d) {
        EXPECT_EQ(d.txtStart->text(), "") << "a new opening starts empty";
        EXPECT_FALSE(d.chkSummary->isChecked());
        d.cmdClose->click();
    });
    OpenWindow(QStringLiteral("mnuDIRCashSalesSIRange"));
    ClearWindowOpeners();
}

} // namespace
} // namespace qx::test
