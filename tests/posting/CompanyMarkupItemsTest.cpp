#include "CompanyMarkupFixture.h"

#include "charging/TypeABDiscounts.h"
#include "charging/frmPriceInOut.h"
#include "components/PlatformServices.h"
#include "platform/CellEditor.h"

#include <QComboBox>
#include <QPushButton>

namespace qx::test {
namespace {

using S = CompanyMarkupScreen;
using OP = frmEntryOPMarkUp;
using IP = frmEntryMarkup;

class CompanyMarkupItemsTest : public CompanyMarkupTest {
protected:
    void addRates() {
        db().execute(QStringLiteral("INSERT INTO tbPharmaDiscounts (Discount, TypeA, TypeB) VALUES "
                                    "(12, 1, 0), (20, 1, 0), (0, 1, 0), (2.5, 0, 1), (5, 0, 1), (10, 0, 1)"));
    }
    void chooseRate(QComboBox* list, const QString& text) { list->setCurrentIndex(list->findText(text)); }
};

TEST_P(CompanyMarkupItemsTest, MarkUpPriceRuleOnBothScreens) {
    addAccount(QStringLiteral("OUTCO"), QStringLiteral("OUT PRICE CO"), QString(), true);
    db().execute(QStringLiteral("UPDATE tbInvMaster SET ListCost = NULL WHERE ItemID = '1002'"));
    db().execute(QStringLiteral("INSERT INTO tbPharmaItemPrice (ItemID, LocationID, PriceKind, Price) VALUES ('8080', '20', 'GSIS', 70)"));
    struct Case {
        const char* name;
        bool outPatient;
        const char* markUp;
        const char* code;
        const char* account;  // out-patient only
        bool gsis;
        const char* discount;
        const char* unitPrice;
        const char* amount;   // after quantity 3
        const char* gsisCell; // out-patient column 9
    };
    const Case cases[] = {
        {"in-patient, mark-up 0", false, "0", "8080", "", false, "", "80", "240.00", ""},
        {"in-patient, 12.5 %", false, "12.5", "8080", "", false, "", "90", "270.00", ""},
        {"in-patient, no list cost", false, "10", "1002", "", false, "", "0", "0.00", ""},
        {"out-patient, 12.5 %", true, "12.5", "8080", "", false, "", "90", "270.00", "70"},
        {"out-patient price less 10 %", true, "12.5", "8080", "OUTCO", true, "10", "45", "135.00", "70"},
        {"GSIS member", true, "12.5", "8080", "", true, "", "70", "210.00", "70"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CompanyMarkupScreen* screen = nullptr;
        if (c.outPatient) {
            openOP();
            if (*c.account) {
                op->txtAcctNum->setText(QString::fromLatin1(c.account));
                op->cmdAcctNum->click();
            }
            op->chkGSIS->setChecked(c.gsis);
            op->discounts()->txtDiscount->setText(QString::fromLatin1(c.discount));
            screen = op.get();
        } else {
            openIP();
            screen = ip.get();
        }
        screen->txtMarkUp->setText(QString::fromLatin1(c.markUp));
        line(*screen, 1, QString::fromLatin1(c.code), QStringLiteral("3"));
        EXPECT_EQ(at(*screen, 1, S::colUnitPrice), QString::fromLatin1(c.unitPrice));
        EXPECT_EQ(at(*screen, 1, S::colAmount), QString::fromLatin1(c.amount));
        if (c.outPatient) {
            EXPECT_EQ(at(*screen, 1, OP::colGSIS), QString::fromLatin1(c.gsisCell));
            EXPECT_EQ(at(*screen, 1, OP::colMarkUp), QString::fromLatin1(c.markUp));
        } else {
            EXPECT_EQ(at(*screen, 1, IP::colMarkUpOut), QString::fromLatin1(c.unitPrice));
            EXPECT_EQ(at(*screen, 1, IP::colMarkUp), QString::fromLatin1(c.markUp));
        }
    }
}

TEST_P(CompanyMarkupItemsTest, LabelsAfterLookUpAndCommit) {
    openOP();
    op->txtMarkUp->setText(QStringLiteral("0"));
    op->discounts()->txtDiscount->setText(QStringLiteral("10"));
    // A quantity already on the line when the item is looked up.
    op->flexMSEntry->setTextMatrix(1, S::colQuantity, QStringLiteral("5"));
    db().execute(QStringLiteral("UPDATE tbInvMaster SET ListCost = 100 WHERE ItemID = '1003'"));
    type(*op, 1, S::colCode, QStringLiteral("1003"));
    EXPECT_EQ(op->lblDiscount->text(), " 050.00");
    EXPECT_EQ(op->lblNet->text(), " 450.00");
    type(*op, 1, S::colQuantity, QStringLiteral("10"));
    EXPECT_EQ(op->lblGross->text(), " 1000.00");
    EXPECT_EQ(op->lblDiscount->text(), " 100.00");
    EXPECT_EQ(op->lblNet->text(), " 900.00");
    EXPECT_EQ(at(*op, 1, OP::colGross), "1000.00");
}

TEST_P(CompanyMarkupItemsTest, KeysWalkTheLineAndTheEdges) {
    openIP();
    ip->txtMarkUp->setText(QStringLiteral("10"));
    type(*ip, 1, S::colCode, QStringLiteral("8080"));
    EXPECT_EQ(ip->flexMSEntry->col(), S::colDosage);
    dosages->answer = QStringLiteral("TID");
    type(*ip, 1, S::colDosage, QStringLiteral("BID"));
    EXPECT_EQ(ip->flexMSEntry->col(), S::colQuantity);
    ip->txtEntry()->setText(QStringLiteral("2"));
    pressKey(ip->txtEntry(), Qt::Key_Return, QStringLiteral("\r"));
    QApplication::processEvents();
    EXPECT_EQ(ip->flexMSEntry->row(), 2);
    EXPECT_EQ(ip->flexMSEntry->col(), S::colCode);
    EXPECT_EQ(ip->lblPatInfo[6]->text(), " 176.00");

    // Only digits and the point reach the quantity; codes are upper case.
    openEditorAt(*ip->chargeGrid(), 2, S::colQuantity);
    ip->txtEntry()->clear();
    for (const QString& key : {QStringLiteral("1"), QStringLiteral("a"), QStringLiteral("."), QStringLiteral("%"),
                               QStringLiteral("5")})
        typeText(ip->txtEntry(), key);
    EXPECT_EQ(ip->txtEntry()->text(), "1.5");
    openEditorAt(*ip->chargeGrid(), 2, S::colCode);
    ip->txtEntry()->clear();
    typeText(ip->txtEntry(), QStringLiteral("a"));
    EXPECT_EQ(ip->txtEntry()->text(), "A");

    // End moves right, Home left; Up on line 1 and Down on line 30 close the editor only.
    openEditorAt(*ip->chargeGrid(), 1, S::colDosage);
    pressKey(ip->txtEntry(), Qt::Key_End);
    QApplication::processEvents();
    EXPECT_EQ(ip->flexMSEntry->col(), S::colQuantity);
    pressKey(ip->txtEntry(), Qt::Key_Home);
    QApplication::processEvents();
    EXPECT_EQ(ip->flexMSEntry->col(), S::colDosage);
    openEditorAt(*ip->chargeGrid(), 1, S::colCode);
    pressKey(ip->txtEntry(), Qt::Key_Up);
    QApplication::processEvents();
    EXPECT_EQ(ip->flexMSEntry->row(), 1);
    EXPECT_FALSE(ip->txtEntry()->isVisible());
    openEditorAt(*ip->chargeGrid(), 30, S::colCode);
    pressKey(ip->txtEntry(), Qt::Key_Down);
    QApplication::processEvents();
    EXPECT_EQ(ip->flexMSEntry->row(), 30);
    EXPECT_FALSE(ip->txtEntry()->isVisible());
}

TEST_P(CompanyMarkupItemsTest, LookUpRefusals) {
    gAllowZeroOnHand = true;
    struct Case {
        const char* name;
        const char* markUp;
        const char* typed;
        QStringList messages;
        const char* codeCell;
    };
    const QString markUpText = QStringLiteral("Please enter the mark-up percentage.");
    const Case cases[] = {
        {"no mark-up", "", "8080", {markUpText}, ""},
        {"mark-up not a number", "1O", "8080", {markUpText}, ""},
        {"inactive", "10", "2002", {QStringLiteral("Drug was set to inactive.")}, ""},
        {"no stock", "10", "3003", {QStringLiteral("INSULIN has no stocks left. The system can't process the specified item.")}, ""},
        {"duplicate", "10", "1001", {QStringLiteral("The same medicine was already requested")}, ""},
        {"unknown code", "10", "99999", {}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        openOP();
        op->txtMarkUp->setText(QStringLiteral("10"));
        type(*op, 2, S::colCode, QStringLiteral("1001"));
        op->txtMarkUp->setText(QString::fromLatin1(c.markUp));
        platform.messages->clear();
        type(*op, 1, S::colCode, QString::fromLatin1(c.typed));
        EXPECT_EQ(messages(), c.messages);
        EXPECT_EQ(at(*op, 1, S::colCode), QString::fromLatin1(c.codeCell));
        EXPECT_EQ(at(*op, 1, S::colDescription), "");
    }
}

TEST_P(CompanyMarkupItemsTest, QuantityCommit) {
    struct Case {
        const char* name;
        const char* site;
        bool zeroOnHand;
        const char* code;  // at mark-up 0: 8080 stock 10 price 80; 1003 stock 500 price 50; 9090 stock 10 price 500.01
        const char* markUp;
        const char* typed;
        const char* overStock;   // "" none shown
        int largeAnswer;         // 0: none expected
        const char* quantityCell;
        const char* choiceCell;
        QStringList messages;
    };
    const Case cases[] = {
        {"zero", "DEMO", false, "8080", "0", "0", "", 0, "", "", {QStringLiteral("Quantity is invalid.")}},
        {"equal to the stock", "DEMO", false, "8080", "0", "10", "", 0, "10", "", {}},
        {"fraction", "DEMO", false, "8080", "0", "2.5", "", 0, "2.5", "", {}},
        {"read as its leading number", "DEMO", false, "8080", "0", "1.2.3", "", 0, "1.2", "", {}},
        {"above, proceed", "DEMO", false, "8080", "0", "12", "1", 0, "12", "Proceed With Transaction", {}},
        {"above, cancel", "DEMO", false, "8080", "0", "12", "X", 0, "", "Cancel", {}},
        {"above at QVH with zero on hand", "QVH", true, "8080", "0", "12", "", 0, "", "",
         {QStringLiteral("Stock is not available to fill Prescription. Please enter quantity not greater than the stock onhand.")}},
        {"100 at 50: no prompt", "DEMO", false, "1003", "0", "100", "", 0, "100", "", {}},
        {"101: prompt, yes", "DEMO", false, "1003", "0", "101", "", 1, "101", "", {}},
        {"10 at 500.01: prompt, no", "DEMO", false, "9090", "0", "10", "", 2, "", "", {}},
    };
    db().execute(QStringLiteral("UPDATE tbInvMaster SET ListCost = 50 WHERE ItemID = '1003'"));
    addItem(db(), {.itemId = "9090", .name = "VACCINE", .genericId = "G9", .onHand = 10, .listCost = 500.01});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gSiteCode = QString::fromLatin1(c.site);
        gAllowZeroOnHand = c.zeroOnHand;
        openIP();
        ip->txtMarkUp->setText(QString::fromLatin1(c.markUp));
        type(*ip, 1, S::colCode, QString::fromLatin1(c.code));
        if (*c.overStock)
            overStockAnswers(QString::fromLatin1(c.overStock),
                             QString::fromLatin1(*c.overStock == '1' ? "Proceed With Transaction" : "Cancel"));
        if (c.largeAnswer)
            largeQuantityAnswers(c.largeAnswer);
        const qsizetype largeBefore = platform.modal->shown().count(QStringLiteral("qx::frmOverQty"));
        platform.messages->clear();
        type(*ip, 1, S::colQuantity, QString::fromLatin1(c.typed));
        EXPECT_EQ(messages(), c.messages);
        EXPECT_EQ(at(*ip, 1, S::colQuantity), QString::fromLatin1(c.quantityCell));
        EXPECT_EQ(at(*ip, 1, IP::colOverStockChoice), QString::fromLatin1(c.choiceCell));
        EXPECT_EQ(platform.modal->shown().count(QStringLiteral("qx::frmOverQty")) - largeBefore, c.largeAnswer ? 1 : 0);
    }
}

TEST_P(CompanyMarkupItemsTest, ACancelOnOneLineDoesNotSkipTheLargeQuantityPromptOnTheNext) {
    openIP();
    ip->txtMarkUp->setText(QStringLiteral("0"));
    type(*ip, 1, S::colCode, QStringLiteral("8080"));
    overStockAnswers(QStringLiteral("X"), QStringLiteral("Cancel"));
    type(*ip, 1, S::colQuantity, QStringLiteral("12"));
    type(*ip, 2, S::colCode, QStringLiteral("1003"));
    largeQuantityAnswers(2);
    type(*ip, 2, S::colQuantity, QStringLiteral("101"));
    EXPECT_EQ(platform.modal->shown().count(QStringLiteral("qx::frmOverQty")), 1);
    EXPECT_EQ(at(*ip, 2, S::colQuantity), "");
}

TEST_P(CompanyMarkupItemsTest, SubstituteIsLookedUpAndPricedByTheScreensRule) {
    for (bool outPatient : {false, true}) {
        SCOPED_TRACE(outPatient ? "out-patient" : "in-patient");
        CompanyMarkupScreen* screen = nullptr;
        if (outPatient) {
            openOP();
            screen = op.get();
        } else {
            openIP();
            screen = ip.get();
        }
        screen->txtMarkUp->setText(QStringLiteral("25"));
        type(*screen, 1, S::colCode, QStringLiteral("1001"));  // stock 10, list cost 3.5
        picker->answers = {QStringLiteral("8080")};
        overStockAnswers(QStringLiteral("2"), QStringLiteral("Find Substitute Drug"));
        type(*screen, 1, S::colQuantity, QStringLiteral("5"));
        // Within the stock, so no prompt; now above it for the substitute.
        type(*screen, 1, S::colQuantity, QStringLiteral("12"));
        EXPECT_EQ(at(*screen, 1, S::colCode), "8080");
        EXPECT_EQ(at(*screen, 1, S::colUnitPrice), "100");
        EXPECT_EQ(at(*screen, 1, S::colAmount), "1200.00");
        EXPECT_EQ(at(*screen, 1, outPatient ? OP::colListCost : IP::colListCost), "80");
    }
}

TEST_P(CompanyMarkupItemsTest, ClearingALineAndChangingAPrice) {
    openOP();
    op->txtMarkUp->setText(QStringLiteral("0"));
    db().execute(QStringLiteral("UPDATE tbInvMaster SET ListCost = 1 WHERE ItemID IN ('1001', '1002')"));
    line(*op, 1, QStringLiteral("1001"), QStringLiteral("5"));
    line(*op, 2, QStringLiteral("1002"), QStringLiteral("3"));
    op->discounts()->txtDiscount->setText(QStringLiteral("10"));
    op->flexMSEntry->setRow(2);
    platform.messages->answer(vbYes);
    op->cmdClearRow->click();
    EXPECT_EQ(at(*op, 2, S::colCode), "");
    EXPECT_EQ(at(*op, 2, S::colLine), "2");
    EXPECT_EQ(op->lblGross->text(), " 005.00");
    EXPECT_EQ(op->lblDiscount->text(), " 000.50");
    EXPECT_EQ(op->lblNet->text(), " 004.50");
    EXPECT_FALSE(op->cmdClearRow->isEnabled());

    // The price change, only where allowed and only on the amount.
    gAllowPriceChange = true;
    line(*op, 3, QStringLiteral("8080"), QStringLiteral("3"));
    platform.modal->onShow<frmPriceInOut>([](frmPriceInOut& w) {
        w.setItemPrice(12);
        w.setTotalAmount(36);
        w.close();
    });
    op->flexMSEntry->setRow(3);
    op->flexMSEntry->setCol(S::colAmount);
    op->flexMSEntry_DblClick();
    EXPECT_EQ(at(*op, 3, S::colAmount), "36.00");
    EXPECT_EQ(at(*op, 3, S::colUnitPrice), "12.00");
    EXPECT_EQ(at(*op, 3, OP::colGross), "36.00");
}

TEST_P(CompanyMarkupItemsTest, DiscountTypesOnTheLines) {
    addRates();
    struct Case {
        const char* name;
        bool typeA;
        const char* rate1;
        const char* rate2;
        const char* gross;
        const char* discount;
        const char* amount;
    };
    const Case cases[] = {
        {"A 20", true, "20.00%", "", "100.00", "20.00", "80.00"},
        {"A 12", true, "12.00%", "", "100.00", "91.67", "8.33"},
        {"A 0", true, "0.00%", "", "100.00", "0.00", "100.00"},
        {"B 10 then 5", false, "10.00%", "5.00%", "200.00", "29.00", "171.00"},
        {"B 10 then 2.5 (counts 2)", false, "10.00%", "2.50%", "200.00", "23.60", "176.40"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        openOP();
        op->txtMarkUp->setText(QStringLiteral("0"));
        db().execute(QStringLiteral("UPDATE tbInvMaster SET ListCost = ? WHERE ItemID = '1003'"),
                     {QString::fromLatin1(c.gross).toDouble()});
        line(*op, 1, QStringLiteral("1003"), QStringLiteral("1"));
        TypeABDiscounts& d = *op->discounts();
        (c.typeA ? d.chkTypeA : d.chkTypeB)->setChecked(true);
        chooseRate(c.typeA ? d.cmbA : d.cmbB1, QString::fromLatin1(c.rate1));
        if (!c.typeA)
            chooseRate(d.cmbB2, QString::fromLatin1(c.rate2));
        for (int press = 0; press < 2; ++press)  // twice equals once
            (c.typeA ? d.cmdApplyA : d.cmdApplyB)->click();
        EXPECT_EQ(at(*op, 1, OP::colDiscount), QString::fromLatin1(c.discount));
        EXPECT_EQ(at(*op, 1, S::colAmount), QString::fromLatin1(c.amount));
        EXPECT_EQ(at(*op, 1, OP::colDiscountMark), "*");
        EXPECT_EQ(at(*op, 1, OP::colGSIS), "0") << "the GSIS price is kept apart";
        EXPECT_EQ(at(*op, 2, OP::colDiscountMark), "") << "a blank line has no mark";
        // Ticking the other type takes the discount off first (a discount of 0.00 leaves nothing to take).
        (c.typeA ? d.chkTypeB : d.chkTypeA)->setChecked(true);
        const bool none = QString::fromLatin1(c.discount) == QLatin1String("0.00");
        EXPECT_EQ(at(*op, 1, S::colAmount), QString::fromLatin1(c.gross));
        EXPECT_EQ(at(*op, 1, OP::colDiscount), none ? QStringLiteral("0.00") : QString());
        EXPECT_EQ(at(*op, 1, OP::colDiscountMark), none ? QStringLiteral("*") : QString());
    }
}

TEST_P(CompanyMarkupItemsTest, GsisTickAndClearRepriceAndDropTheDiscount) {
    addRates();
    db().execute(QStringLiteral("INSERT INTO tbPharmaItemPrice (ItemID, LocationID, PriceKind, Price) VALUES ('8080', '20', 'GSIS', 70)"));
    openOP();
    op->txtMarkUp->setText(QStringLiteral("0"));
    line(*op, 1, QStringLiteral("8080"), QStringLiteral("2"));
    TypeABDiscounts& d = *op->discounts();
    d.chkTypeA->setChecked(true);
    chooseRate(d.cmbA, QStringLiteral("20.00%"));
    d.cmdApplyA->click();
    EXPECT_EQ(at(*op, 1, S::colAmount), "128.00");
    op->chkGSIS->setChecked(true);
    EXPECT_EQ(at(*op, 1, S::colUnitPrice), "70");
    EXPECT_EQ(at(*op, 1, S::colAmount), "140.00");
    EXPECT_EQ(at(*op, 1, OP::colGross), "140.00");
    EXPECT_EQ(at(*op, 1, OP::colDiscount), "");
    op->chkGSIS->setChecked(false);
    EXPECT_EQ(at(*op, 1, S::colUnitPrice), "80");
    EXPECT_EQ(at(*op, 1, S::colAmount), "160.00");
    EXPECT_EQ(op->lblGross->text(), " 160.00");
    // A quantity commit on a discounted line drops its discount until the next Apply.
    d.cmdApplyA->click();
    type(*op, 1, S::colQuantity, QStringLiteral("1"));
    EXPECT_EQ(at(*op, 1, S::colAmount), "80.00");
    EXPECT_EQ(at(*op, 1, OP::colDiscount), "");
    EXPECT_EQ(at(*op, 1, OP::colDiscountMark), "");
}

QX_ON_BOTH_ENGINES(CompanyMarkupItemsTest);

} // namespace
} // namespace qx::test
