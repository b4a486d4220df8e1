#include "CashSaleFixture.h"

#include "charging/frmOverStock.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx::test {
namespace {

using C = frmEntryCash;

// A patient with one transcribed line of generic 501, quantity 2, and the item 1001 of that
// generic: out-patient price 15.50, in-patient 18.00, unit cost 10.00, 40 in stock.
class frmEntryCashItemsTest : public CashSaleTest {
protected:
    void SetUp() override {
        CashSaleTest::SetUp();
        addAdmittedPatient(db(), {.idNum = QStringLiteral("1001")});
        addTranscribed(db(), {.genericId = "501", .quantity = 2});
        addSaleItem(db(), {.itemId = "1001", .genericId = "501", .onHand = 40, .priceIn = 18, .priceOut = 15.5,
                           .averageCost = 10, .seniorDiscounted = true});
    }
    void setStock(const QString& itemId, double onHand) {
        db().execute(QStringLiteral("UPDATE tbInvent SET OnHand = ? WHERE ItemID = ?"), {onHand, itemId});
    }
};

TEST_F(frmEntryCashItemsTest, ChoosingTheDrugPricesTheLine) {
    struct Case {
        const char* name;
        std::function<void(frmEntryCash&)> tick;
        bool discountable;
        const char* unitPrice;
        const char* amount;
        const char* entryAmount = "31.00";
    };
    const auto none = [](frmEntryCash&) {};
    const auto senior = [](frmEntryCash& f) { f.chkSenior->setChecked(true); };
    const Case cases[] = {
        {"plain out-patient price", none, true, "15.50", "31.00"},
        {"at cost", [](frmEntryCash& f) { f.chkAtCost->setChecked(true); }, true, "10.00", "20.00", "20.00"},
        {"senior on a discountable drug", senior, true, "14.40", "28.80"},
        {"senior on a drug not discountable", senior, false, "15.50", "31.00"},
        {"other discount on a marked line",
         [](frmEntryCash& f) {
             f.chkEmployee->setChecked(true);
             f.txtOtherDesc->setText(QStringLiteral("10"));
             f.flexMSEntry->setTextMatrix(1, C::colLineMark, QStringLiteral("*"));
         },
         true, "13.95", "27.90"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        db().execute(QStringLiteral("UPDATE tbInvMaster SET isSeniorDiscounted = ? WHERE ItemID = '1001'"), {c.discountable ? 1 : 0});
        open();
        c.tick(*form);
        choose(1, QStringLiteral("1001"));
        EXPECT_EQ(picker->generics.last(), QStringLiteral("501"));
        EXPECT_EQ(cell(1, C::colCode), QStringLiteral("1001"));
        EXPECT_EQ(cell(1, C::colDescription), QStringLiteral("PARACETAMOL 500 MG TABLET"));
        EXPECT_EQ(cell(1, C::colStock), QStringLiteral("40"));
        EXPECT_EQ(cell(1, C::colUnitPrice), QString::fromLatin1(c.unitPrice));
        EXPECT_EQ(cell(1, C::colAmount), QString::fromLatin1(c.amount));
        EXPECT_EQ(cell(1, C::colEntryAmount), QString::fromLatin1(c.entryAmount));
        EXPECT_EQ(cell(1, C::colClass), QStringLiteral("A"));
        EXPECT_TRUE(cell(1, C::colWaiting).isEmpty());
        // The editor moves on to the line's quantity.
        EXPECT_EQ(grid()->col(), C::colQuantity);
        EXPECT_TRUE(form->chargeGrid()->isEditorVisible());
        EXPECT_EQ(form->lblTotal->text(), QString::fromLatin1(c.amount));
        EXPECT_TRUE(platform.messages->boxes().empty());
    }
}

TEST_F(frmEntryCashItemsTest, RefusedChoicesKeepTheLineWaiting) {
    addTranscribed(db(), {.genericId = "502", .genericName = "AMOXICILLIN", .requestNum = "TR2"});
    addSaleItem(db(), {.itemId = "1002", .name = "AMOXICILLIN", .genericId = "502", .genericName = "AMOXICILLIN",
                       .itemStatus = 1});
    open();

    // Cancelled picker.
    enter(1, C::colCode, QStringLiteral("501"));
    EXPECT_EQ(platform.messages->last().text, QStringLiteral("Drug code not found."));
    EXPECT_EQ(form->txtEntry()->text(), QStringLiteral("501"));
    EXPECT_EQ(cell(1, C::colWaiting), QStringLiteral("*"));
    EXPECT_TRUE(form->txtEntry()->hasFocus());

    // Inactive drug: the editor is emptied, the line still waits.
    choose(2, QStringLiteral("1002"));
    EXPECT_EQ(platform.messages->last().text, QStringLiteral("AMOXICILLIN 500 MG TABLET was set to inactive."));
    EXPECT_EQ(platform.messages->last().title, QStringLiteral("MESSAGE"));
    EXPECT_TRUE(form->txtEntry()->text().isEmpty());
    EXPECT_EQ(cell(2, C::colWaiting), QStringLiteral("*"));

    // A drug already on another line; the retry still offers the line's own generic.
    choose(1, QStringLiteral("1001"));
    ASSERT_EQ(cell(1, C::colCode), QStringLiteral("1001"));
    choose(2, QStringLiteral("1001"));
    EXPECT_EQ(platform.messages->last().text, QStringLiteral("The same medicine was already requested"));
    EXPECT_EQ(cell(2, C::colCode), QStringLiteral("502"));
    EXPECT_EQ(cell(2, C::colWaiting), QStringLiteral("*"));
    db().execute(QStringLiteral("UPDATE tbInvMaster SET ItemStatus = 0 WHERE ItemID = '1002'"));
    db().execute(QStringLiteral("UPDATE tbInvent SET ItemStatus = 0 WHERE ItemID = '1002'"));
    picker->answers << QStringLiteral("1002");
    pressKey(form->txtEntry(), Qt::Key_Return, QStringLiteral("\r"));
    QApplication::processEvents();
    EXPECT_EQ(picker->generics.last(), QStringLiteral("502"));
    EXPECT_EQ(cell(2, C::colCode), QStringLiteral("1002"));
    EXPECT_TRUE(cell(2, C::colWaiting).isEmpty());
}

TEST_F(frmEntryCashItemsTest, CodesOutsideTheTranscriptionAreNotTaken) {
    open();
    choose(1, QStringLiteral("1001"));
    ASSERT_EQ(cell(1, C::colCode), QStringLiteral("1001"));
    // The filled line no longer waits: a typed code is refused, even an existing one.
    enter(1, C::colCode, QStringLiteral("1001"));
    EXPECT_EQ(platform.messages->last().text, QStringLiteral("Drug code not found."));
    // A text that is not a number opens the picker with it; its answer is not taken either.
    picker->answers << QStringLiteral("1001");
    enter(1, C::colCode, QStringLiteral("PARA"));
    EXPECT_EQ(picker->searches.last(), QStringLiteral("PARA"));
    EXPECT_EQ(form->txtEntry()->text(), QStringLiteral("1001"));
    EXPECT_EQ(platform.messages->last().text, QStringLiteral("Drug code not found."));
}

TEST_F(frmEntryCashItemsTest, QuantityCommitAndTheOverStockChoice) {
    addSaleItem(db(), {.itemId = "1003", .name = "BIOGESIC", .genericId = "501", .onHand = 50, .priceIn = 20, .priceOut = 19});
    addSaleItem(db(), {.itemId = "1004", .name = "OLDPARA", .genericId = "501", .itemStatus = 1});
    struct Case {
        const char* name;
        double stock;
        const char* choice;       // "" when no dialog may show
        const char* substitute;   // the picker's answer for "2"
        bool committed;
        const char* code;
        const char* quantity;
        const char* amount;
    };
    const Case cases[] = {
        {"cancel", 3, "X", "", false, "1001", "2", "31.00"},
        {"proceed", 3, "1", "", true, "1001", "5", "77.50"},
        {"substitute cancelled", 3, "2", "", true, "1001", "5", "77.50"},
        {"substitute taken", 3, "2", "1003", true, "1003", "5", "95.00"},
        {"inactive substitute", 3, "2", "1004", true, "1001", "", "0.00"},
        {"enough stock", 5, "", "", true, "1001", "5", "77.50"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        setStock(QStringLiteral("1001"), c.stock);
        open();
        choose(1, QStringLiteral("1001"));
        int dialogs = 0;
        platform.modal->onShow("qx::frmOverStock", [&](QWidget& w) {
            ++dialogs;
            static_cast<frmOverStock&>(w).setChoice(QString::fromLatin1(c.choice));
        });
        if (*c.substitute)
            picker->answers << QString::fromLatin1(c.substitute);
        enter(1, C::colQuantity, QStringLiteral("5"));
        EXPECT_EQ(dialogs, *c.choice ? 1 : 0);
        EXPECT_EQ(cell(1, C::colCode), QString::fromLatin1(c.code));
        EXPECT_EQ(cell(1, C::colQuantity), QString::fromLatin1(c.quantity));
        EXPECT_EQ(cell(1, C::colAmount), QString::fromLatin1(c.amount));
        if (c.committed) {
            EXPECT_EQ(grid()->col(), C::colCode);
        } else {
            EXPECT_EQ(form->txtEntry()->text(), QStringLiteral("5"));
            EXPECT_TRUE(form->chargeGrid()->isEditorVisible());
        }
        platform.modal->onShow("qx::frmOverStock", [](QWidget&) {});
    }
}

TEST_F(frmEntryCashItemsTest, InvalidQuantitiesAreRefused) {
    open();
    choose(1, QStringLiteral("1001"));
    for (const char* typed : {"0", ".", "", "-0.4"}) {
        SCOPED_TRACE(typed);
        platform.messages->clear();
        enter(1, C::colQuantity, QString::fromLatin1(typed));
        ASSERT_EQ(platform.messages->boxes().size(), 1u);
        EXPECT_EQ(platform.messages->last().text, QStringLiteral("Quantity is invalid."));
        EXPECT_EQ(cell(1, C::colQuantity), QStringLiteral("2"));
        EXPECT_EQ(cell(1, C::colAmount), QStringLiteral("31.00"));
    }
}

TEST_F(frmEntryCashItemsTest, QuantityCommitKeepsTheDiscountRule) {
    open();
    form->chkSenior->setChecked(true);
    choose(1, QStringLiteral("1001"));
    enter(1, C::colQuantity, QStringLiteral("3"));
    EXPECT_EQ(cell(1, C::colUnitPrice), QStringLiteral("14.40"));
    EXPECT_EQ(cell(1, C::colAmount), QStringLiteral("43.20"));
    EXPECT_EQ(cell(1, C::colEntryAmount), QStringLiteral("46.50"));
}

} // namespace
} // namespace qx::test
