#include "CreditAdviseFixture.h"

#include "platform/Values.h"

#include <QLabel>
#include <QPushButton>

namespace qx::test {
namespace {

class frmPostedORTest : public CreditAdviseTest {
protected:
    // The picker shown for a receipt, its list loaded.
    void open(frmPostedOR& w, const QString& receipt) {
        w.ORNum = receipt;
        showActive(&w);
    }
    static bool listShown(ScriptedPlatform& p) {
        return p.modal->shown().contains(QStringLiteral("qx::frmUnpostedCreditAdvise"));
    }
};

TEST_P(frmPostedORTest, ListsTheReceiptsLinesWithACreditMemoLinePerAdviseAndTheRemainingTotal) {
    addPaidLine(QStringLiteral("OR-9"), {"AMOX", 3, 75});
    addPaidLine(QStringLiteral("OR-9"), {"PARA", 10, 22.5, 1});
    addAdvise({"OR-9", "PH21", "AMOX", 1, 25, "P", "1001"});
    frmPostedOR w;
    open(w, QStringLiteral("OR-9"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Posted Medicines"));
    EXPECT_EQ(w.flexORDetails->cols(), 13);
    EXPECT_EQ(w.flexORDetails->textMatrix(0, 4), QStringLiteral("UniPrice "));
    QStringList shown;
    for (const QString& row : rowsOf(*w.flexORDetails, 12))
        shown << row.section(QLatin1Char('|'), 1);
    EXPECT_EQ(shown, (QStringList{"OR-9|AMOX|AMOXICILLIN 500MG CAP|25.00|3|2|75.00|SC|1.5|0||20",
                                  "OR-9|PARA|PARACETAMOL 500MG TAB|2.25|10|10|22.50|SC|1.5|0|Y|20",
                                  "CM PH21|AMOX|AMOXICILLIN 500MG CAP|25.00|1|0|-25.00||0|0||0"}));
    EXPECT_EQ(w.lblTotal->text(), QStringLiteral(" 72.50"));
    EXPECT_TRUE(w.cmdSelect->isEnabled());
}

// One case per row of the picker's rules: what the user sees and what is handed back.
TEST_P(frmPostedORTest, SelectRefusesPointsToAdvisesOrHandsTheLineBack) {
    struct Case {
        const char* name;
        std::vector<PaidLine> lines;
        std::vector<Advise> advises;
        bool switch30;
        int row;
        bool byDoubleClick;
        QStringList messages;
        bool listOpened;
        bool handedBack;
        const char* returnedQuantity;
        qint16 quantity;
        bool vatExempt;
        const char* total;
    };
    const Case cases[] = {
        {"no line", {}, {}, false, 1, false, {}, false, false, "0", 0, false, " 0.00"},
        {"credit memo row", {{"AMOX", 3, 75}}, {{"OR-5", "PH1", "AMOX", 1, 25, "P", "1001"}}, false, 2, false, {},
         false, false, "0", 0, false, " 50.00"},
        {"all returned, switch 30 on", {{"AMOX", 3, 75}},
         {{"OR-5", "PH1", "AMOX", 2, 50, "P", "1001"}, {"OR-5", "PH2", "AMOX", 1, 25, nullptr, "1001"}}, true, 1, false,
         {"All quantities have been returned!"}, true, false, "0", 0, false, " 0.00"},
        {"all returned, switch 30 off", {{"AMOX", 3, 75}}, {{"OR-5", "PH1", "AMOX", 3, 75, "P", "1001"}}, false, 1,
         false, {"All quantities have been returned!"}, false, false, "0", 0, false, " 0.00"},
        {"nothing returned", {{"AMOX", 3, 75}}, {}, false, 1, true, {}, false, true, "0", 3, false, " 75.00"},
        {"a pending advise", {{"AMOX", 3, 75}}, {{"OR-5", "PH1", "AMOX", 1, 25, nullptr, "1001"}}, false, 1, false,
         {"There are pending Credit Advises."}, true, true, "1", 3, false, " 50.00"},
        {"2.5 advised", {{"AMOX", 3, 75}}, {{"OR-5", "PH1", "AMOX", 2.5, 62.5, "P", "1001"}}, false, 1, false, {},
         false, true, "2.5", 3, false, " 12.50"},
        {"receipt total 0.00", {{"AMOX", 3, 0}}, {}, false, 1, false,
         {"Can't Process credit advise for the selected item. Total OR Amount is already equal to 0."}, false, false,
         "0", 0, false, " 0.00"},
        {"quantity 2.5", {{"AMOX", 2.5, 62.5}}, {}, false, 1, false, {}, false, true, "0", 2, false, " 62.50"},
        {"quantity 3.5, VAT-exempt", {{"AMOX", 3.5, 87.5, 1}}, {}, false, 1, true, {}, false, true, "0", 4, true,
         " 87.50"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        db().execute(QStringLiteral("DELETE FROM billing.tbCashAssessment"));
        db().execute(QStringLiteral("DELETE FROM billing.tbCashCreditAdvise"));
        setPharmaSwitch(QStringLiteral("30"), c.switch30 ? 1 : 0);
        for (const PaidLine& l : c.lines)
            addPaidLine(QStringLiteral("OR-5"), l);
        for (const Advise& a : c.advises)
            addAdvise(a);
        ScriptedPlatform fresh;
        frmPostedOR w;
        open(w, QStringLiteral("OR-5"));
        EXPECT_EQ(w.lblTotal->text(), QString::fromLatin1(c.total));
        w.flexORDetails->setRow(c.row);
        if (c.byDoubleClick)
            doubleClick(w.flexORDetails->viewport(), cellCentre(*w.flexORDetails, c.row, 2));
        else
            w.cmdSelect->click();
        EXPECT_EQ(fresh.messages->texts(), c.messages);
        EXPECT_EQ(listShown(fresh), c.listOpened);
        EXPECT_EQ(w.isVisible(), !c.handedBack);
        EXPECT_EQ(w.ItemID, c.handedBack ? QStringLiteral("AMOX") : QString());
        if (!c.handedBack)
            continue;
        EXPECT_EQ(w.ORNum, QStringLiteral("OR-5"));
        EXPECT_EQ(w.ReturnedQuantity, QString::fromLatin1(c.returnedQuantity));
        EXPECT_EQ(w.Quantity, c.quantity);
        EXPECT_EQ(w.VatExempt, c.vatExempt);
        EXPECT_EQ(w.Description, QStringLiteral("AMOXICILLIN 500MG CAP"));
        EXPECT_EQ(w.UnitPrice, 25.0);
        EXPECT_EQ(w.DiscountType, QStringLiteral("SC"));
        EXPECT_EQ(w.DiscountAmount, 1.5);
        EXPECT_EQ(w.DiscountRate, 20.0);
    }
}

TEST_P(frmPostedORTest, CloseAfterAnEarlierSelectionHandsBackTheEmptySelection) {
    addPaidLine(QStringLiteral("OR-5"), {"AMOX", 3, 75});
    frmPostedOR w;
    open(w, QStringLiteral("OR-5"));
    w.cmdSelect->click();
    ASSERT_EQ(w.ItemID, QStringLiteral("AMOX"));

    open(w, QStringLiteral("OR-5"));
    w.cmdCancel->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.ItemID, QString());
    EXPECT_EQ(w.ORNum, QString());
    EXPECT_EQ(w.Quantity, 0);
    EXPECT_EQ(w.ReturnedQuantity, QStringLiteral("0"));

    open(w, QStringLiteral("OR-5"));
    w.cmdSelect->click();
    open(w, QStringLiteral("OR-5"));
    w.close();  // the close box
    EXPECT_EQ(w.ItemID, QString());
}

QX_ON_BOTH_ENGINES(frmPostedORTest);

// The demo databases hold a paid receipt whose lines and credit advise both windows show.
class DemoReceiptTest : public ReportingTest {
protected:
    bool withDemo() const override { return true; }
};

TEST_P(DemoReceiptTest, TheDemoReceiptShowsThreeLinesAndItsCreditAdvise) {
    frmPostedOR picker;
    picker.ORNum = QStringLiteral("OR-700150");
    showActive(&picker);
    ASSERT_EQ(picker.flexORDetails->rows(), 5);
    EXPECT_EQ(picker.flexORDetails->textMatrix(4, 1), QStringLiteral("CM PH100"));
    EXPECT_EQ(picker.flexORDetails->textMatrix(2, 6), QStringLiteral("3"));  // 4 sold, 1 advised
    EXPECT_GT(Val(picker.lblTotal->text()), 0.0);

    frmUnpostedCreditAdvise advises;
    advises.ORNumber = QStringLiteral("OR-700150");
    showActive(&advises);
    ASSERT_EQ(advises.fgList->rows(), 2);
    EXPECT_EQ(advises.fgList->textMatrix(1, 2), QStringLiteral("PH100"));
    EXPECT_EQ(advises.fgList->textMatrix(1, 8), QStringLiteral("REYES, JOSE CRUZ"));
}

QX_ON_BOTH_ENGINES(DemoReceiptTest);

} // namespace
} // namespace qx::test
