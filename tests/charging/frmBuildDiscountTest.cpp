#include "LookupDialogFixture.h"
#include "charging/frmBuildDiscount.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"

using namespace qx;
using namespace qx::test;

namespace {

class frmBuildDiscountTest : public LookupTest {
protected:
    void SetUp() override {
        resetHospitalSettings();
        LookupTest::SetUp();
    }
    void TearDown() override {
        resetHospitalSettings();
        LookupTest::TearDown();
    }
    // The table's rows as "cash|employee|senior|vat", first row first.
    QStringList rows() {
        QStringList out;
        for (Recordset rs = db().query(QStringLiteral("SELECT Cash, Employee, SeniorCitizen, VAT FROM tbPharmaDiscountType ORDER BY id"));
             !rs.eof(); rs.moveNext())
            out << QStringList{Text(rs.value(0)), Text(rs.value(1)), Text(rs.value(2)), Text(rs.value(3))}.join('|');
        return out;
    }
    static QString held() {
        return QStringList{Text(gDiscountCash), Text(gDiscountEmployee), Text(gDiscountSeniorCitizen), Text(gDiscountVAT)}.join('|');
    }
    static QString shown(const frmBuildDiscount& w) {
        return QStringList{w.txtCash->text(), w.txtEmployee->text(), w.txtSC->text(), w.txtVAT->text()}.join('|');
    }
};

TEST_P(frmBuildDiscountTest, EmptyTableShowsZerosAndSavingStoresThem) {
    frmBuildDiscount w;
    showActive(&w);
    EXPECT_EQ(shown(w), QStringLiteral("0|0|0|0"));
    EXPECT_EQ(QApplication::focusWidget(), w.txtCash);
    w.cmdSave->click();
    EXPECT_EQ(platform.messages->texts(), QStringList{"Data successfully saved."});
    EXPECT_EQ(platform.messages->last().icon(), vbInformation);
    EXPECT_EQ(platform.messages->last().title, QStringLiteral("Message"));
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(rows(), QStringList{"0|0|0|0"});
}

TEST_P(frmBuildDiscountTest, SavedPercentagesBecomeTheFirstRowAndAreUsedAtOnce) {
    db().execute(QStringLiteral("INSERT INTO tbPharmaDiscountType (Cash, Employee, SeniorCitizen, VAT) VALUES (5, 10, 20, NULL)"));
    db().execute(QStringLiteral("INSERT INTO tbPharmaDiscountType (Cash, Employee, SeniorCitizen, VAT) VALUES (1, 1, 1, 1)"));
    LoadDiscountTypes(db());
    ASSERT_EQ(held(), QStringLiteral("5|10|20|0"));

    struct Case { QString typed; QString stored; };
    const Case cases[] = {
        {QStringLiteral("12.5%"), QStringLiteral("12.5")}, {QStringLiteral("  7"), QStringLiteral("7")},
        {QStringLiteral("0"), QStringLiteral("0")},        {QStringLiteral("100 %"), QStringLiteral("100")},
    };
    for (const Case& c : cases) {
        frmBuildDiscount w;
        showActive(&w);
        EXPECT_EQ(w.txtVAT->text(), QStringLiteral("0"));  // a Null shows 0 until a save stores a number
        w.txtSC->setText(c.typed);
        w.cmdSave->click();
        const QString expected = QStringLiteral("5|10|") + c.stored + QStringLiteral("|0");
        EXPECT_EQ(rows(), (QStringList{expected, "1|1|1|1"})) << c.typed.toStdString();
        EXPECT_EQ(held(), expected) << c.typed.toStdString();
        // The first row is put back for the next case.
        db().execute(QStringLiteral("UPDATE tbPharmaDiscountType SET VAT = NULL WHERE VAT = 0"));
    }
}

TEST_P(frmBuildDiscountTest, APercentageOutside0To100OrNotANumberIsRefusedNamingItsBox) {
    db().execute(QStringLiteral("INSERT INTO tbPharmaDiscountType (Cash, Employee, SeniorCitizen, VAT) VALUES (5, 10, 20, 12)"));
    LoadDiscountTypes(db());
    struct Case { QLineEdit* frmBuildDiscount::*box; const char* typed; const char* message; };
    const Case cases[] = {
        {&frmBuildDiscount::txtSC, "150", "Senior Citizen discount must be a number from 0 to 100."},
        {&frmBuildDiscount::txtSC, "100.01", "Senior Citizen discount must be a number from 0 to 100."},
        {&frmBuildDiscount::txtCash, "abc", "Cash discount must be a number from 0 to 100."},
        {&frmBuildDiscount::txtEmployee, "", "Employee discount must be a number from 0 to 100."},
        {&frmBuildDiscount::txtEmployee, "-3", "Employee discount must be a number from 0 to 100."},
        {&frmBuildDiscount::txtVAT, "12x", "VAT must be a number from 0 to 100."},
        {&frmBuildDiscount::txtVAT, "1e2", "VAT must be a number from 0 to 100."},
    };
    for (const Case& c : cases) {
        for (bool byMouse : {false, true}) {
            platform.messages->clear();
            frmBuildDiscount w;
            showActive(&w);
            QLineEdit* box = w.*(c.box);
            box->setFocus();
            box->selectAll();
            pressKey(box, Qt::Key_Delete);
            typeText(box, QString::fromLatin1(c.typed));
            if (byMouse) {
                click(w.cmdSave, w.cmdSave->rect().center());
            } else {
                w.cmdSave->setFocus();
                pressKey(w.cmdSave, Qt::Key_Return, QStringLiteral("\r"));
            }
            EXPECT_EQ(platform.messages->texts(), QStringList{QString::fromLatin1(c.message)}) << c.typed;
            EXPECT_EQ(platform.messages->last().icon(), vbExclamation);
            EXPECT_EQ(platform.messages->last().title, QStringLiteral("Message"));
            EXPECT_FALSE(w.saved());
            EXPECT_TRUE(w.isVisible()) << c.typed;
            EXPECT_EQ(QApplication::focusWidget(), box) << c.typed;
            EXPECT_EQ(box->text(), QString::fromLatin1(c.typed));
            EXPECT_EQ(rows(), QStringList{"5|10|20|12"}) << c.typed;
            EXPECT_EQ(held(), QStringLiteral("5|10|20|12")) << c.typed;
        }
    }
}

TEST_P(frmBuildDiscountTest, CloseBoxNeitherSavesNorReloads) {
    db().execute(QStringLiteral("INSERT INTO tbPharmaDiscountType (Cash, Employee, SeniorCitizen, VAT) VALUES (5, 10, 20, 12)"));
    gDiscountCash = 7;
    frmBuildDiscount w;
    showActive(&w);
    EXPECT_EQ(shown(w), QStringLiteral("5|10|20|12"));
    w.txtCash->setText(QStringLiteral("99"));
    w.close();
    EXPECT_EQ(rows(), QStringList{"5|10|20|12"});
    EXPECT_EQ(gDiscountCash, 7.0);
    EXPECT_TRUE(platform.messages->boxes().empty());

    // Shown again, it reads the table afresh.
    showActive(&w);
    EXPECT_EQ(w.txtCash->text(), QStringLiteral("5"));
}

TEST_P(frmBuildDiscountTest, RefusedSaveShowsWhyAndKeepsTheHeldPercentages) {
    db().execute(QStringLiteral("INSERT INTO tbPharmaDiscountType (Cash, Employee, SeniorCitizen, VAT) VALUES (5, 10, 20, 12)"));
    LoadDiscountTypes(db());
    frmBuildDiscount w;
    showActive(&w);
    db().executeScript(QStringLiteral("DROP TABLE tbPharmaDiscountType"));
    w.txtCash->setText(QStringLiteral("8"));
    w.cmdSave->click();
    ASSERT_EQ(platform.messages->boxes().size(), 1u);
    EXPECT_NE(platform.messages->last().text, QStringLiteral("Data successfully saved."));
    EXPECT_EQ(platform.messages->last().title, QStringLiteral("Message"));
    EXPECT_FALSE(w.saved());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.txtCash->text(), QStringLiteral("8"));
    EXPECT_EQ(held(), QStringLiteral("5|10|20|12"));
}

TEST_P(frmBuildDiscountTest, EnterInABoxSavesNothingAndEnterOnSavePressesIt) {
    db().execute(QStringLiteral("INSERT INTO tbPharmaDiscountType (Cash, Employee, SeniorCitizen, VAT) VALUES (5, 10, 20, 12)"));
    frmBuildDiscount w;
    showActive(&w);
    w.txtCash->setText(QStringLiteral("8"));
    for (QLineEdit* box : {w.txtCash, w.txtEmployee, w.txtSC, w.txtVAT}) {
        box->setFocus();
        pressKey(box, Qt::Key_Return, QStringLiteral("\r"));
        EXPECT_TRUE(w.isVisible()) << box->objectName().toStdString();
    }
    EXPECT_TRUE(platform.messages->boxes().empty());
    EXPECT_EQ(rows(), QStringList{"5|10|20|12"});

    w.cmdSave->setFocus();
    pressKey(w.cmdSave, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(platform.messages->texts(), QStringList{"Data successfully saved."});
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(rows(), QStringList{"8|10|20|12"});
}

QX_ON_BOTH_ENGINES(frmBuildDiscountTest);

} // namespace
