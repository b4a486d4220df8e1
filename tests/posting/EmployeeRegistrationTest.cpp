#include "Builders.h"
#include "ScriptedPlatform.h"
#include "TestDatabase.h"
#include "platform/FlexGrid.h"
#include "platform/KeyCodes.h"
#include "posting/clsEmployeeReg.h"
#include "posting/frmEmployeeList.h"
#include "shell/ScriptedSuite.h"
#include "shell/Session.h"
#include "suite/DrugCatalogStockCard.h"

#include <QApplication>
#include <QLineEdit>

namespace qx::test {
namespace {

// Employees of two accounts, one of the employees' class "S" and one of another class.
class EmployeeRegistrationTest : public DbTest {
protected:
    void SetUp() override {
        resetSession();
        DbTest::SetUp();
        if (IsSkipped())
            return;
        login = std::make_shared<ScriptedCurrentUser>(db());
        login->ShowMain();
        gComponents.gCurrentUser = login;
        gEmployeeCode = QStringLiteral("1234");
        gEmployeeReg().setOPD_ID(QString());
        addAccount(QStringLiteral("STAFF"), QStringLiteral("S"));
        addAccount(QStringLiteral("ACME"), QStringLiteral("C"));
        addEmployee(QStringLiteral("H000101"), QStringLiteral("REYES"), QStringLiteral("MARIA"), QStringLiteral("STAFF"));
        addEmployee(QStringLiteral("H000102"), QStringLiteral("REYNA"), QStringLiteral("ANA"), QStringLiteral("ACME"));
        addEmployee(QStringLiteral("H000103"), QStringLiteral("SANTOS"), QStringLiteral("JOSE"), QStringLiteral("STAFF"));
        // A registry patient without an account is nobody's employee.
        addEmployee(QStringLiteral("H000104"), QStringLiteral("REYES"), QStringLiteral("PEDRO"), QString());
    }
    void TearDown() override {
        gEmployeeReg().setOPD_ID(QString());
        resetSession();
        DbTest::TearDown();
    }
    void addAccount(const QString& account, const QString& klass) {
        db().execute(QStringLiteral("INSERT INTO build_file.tbCoCompany (AccountNum, Company, Class) VALUES (?, ?, ?)"),
                     {account, account + QStringLiteral(" CO"), klass});
    }
    void addEmployee(const QString& hospNum, const QString& last, const QString& first, const QString& account) {
        db().execute(QStringLiteral("INSERT INTO patient_data.tbMaster (HospNum, LastName, FirstName, MiddleName, "
                                    "MasterAccountCode) VALUES (?, ?, ?, '', ?)"),
                     {hospNum, last, first, account.isEmpty() ? QVariant() : QVariant(account)});
    }
    QStringList visits(Connection& c) {
        QStringList out;
        Recordset rs = c.query(QStringLiteral("SELECT IDNum, HospNum, AccountNum FROM patient_data.tbOutPatient ORDER BY IDNum"));
        for (; !rs.eof(); rs.moveNext())
            out << rs.text(QStringLiteral("IDNum")) + u'|' + rs.text(QStringLiteral("HospNum")) + u'|' +
                       rs.text(QStringLiteral("AccountNum"));
        return out;
    }
    void refuseVisits() {
        if (db().isSQLite()) {
            db().executeScript(QStringLiteral("CREATE TRIGGER patient_data.trRefuseVisit BEFORE INSERT ON tbOutPatient "
                                              "BEGIN SELECT RAISE(ABORT, 'visit refused'); END"));
        } else {
            db().executeScript(QStringLiteral("CREATE FUNCTION patient_data.refuse_visit() RETURNS trigger AS $$ BEGIN "
                                              "RAISE EXCEPTION 'visit refused'; END $$ LANGUAGE plpgsql"));
            db().executeScript(QStringLiteral("CREATE TRIGGER trRefuseVisit BEFORE INSERT ON patient_data.tbOutPatient "
                                              "FOR EACH ROW EXECUTE FUNCTION patient_data.refuse_visit()"));
        }
    }
    void allowVisits() {
        db().executeScript(db().isSQLite() ? QStringLiteral("DROP TRIGGER patient_data.trRefuseVisit")
                                           : QStringLiteral("DROP TRIGGER trRefuseVisit ON patient_data.tbOutPatient"));
    }
    static QStringList listed(const frmEmployeeList& list) {
        QStringList rows;
        for (int row = 1; row < list.flexMSHList->rows(); ++row)
            rows << list.flexMSHList->textMatrix(row, 0) + u'|' + list.flexMSHList->textMatrix(row, 4);
        return rows;
    }

    ScriptedPlatform platform;
    std::shared_ptr<ScriptedCurrentUser> login;
};

TEST_P(EmployeeRegistrationTest, RegistersNumberedVisitsOnTheAccount) {
    clsEmployeeReg& reg = gEmployeeReg();
    ASSERT_TRUE(reg.SaveData(db(), QStringLiteral(" H000101 "), QStringLiteral("STAFF"), QStringLiteral("C")));
    EXPECT_EQ(reg.OPD_ID(), "1B");
    // Another program of the suite took the next number already: it is passed over.
    db().execute(QStringLiteral("INSERT INTO patient_data.tbOutPatient (IDNum, HospNum) VALUES ('2B', 'H999')"));
    ASSERT_TRUE(reg.SaveData(db(), QStringLiteral("H000103"), QStringLiteral("STAFF"), QStringLiteral("C")));
    EXPECT_EQ(reg.OPD_ID(), "3B");
    EXPECT_EQ(visits(db()), QStringList({"1B|H000101|STAFF", "2B|H999|", "3B|H000103|STAFF"}));
    EXPECT_TRUE(db().query(QStringLiteral("SELECT AdmDate FROM patient_data.tbOutPatient WHERE IDNum = '3B'"))
                    .dateTime(QStringLiteral("AdmDate"))
                    .isValid());
    EXPECT_TRUE(platform.messages->texts().isEmpty());
}

TEST_P(EmployeeRegistrationTest, AFailedRegistrationLeavesNoVisitAndNoNumberUsed) {
    clsEmployeeReg& reg = gEmployeeReg();
    reg.setOPD_ID(QStringLiteral("77B"));
    refuseVisits();
    EXPECT_FALSE(reg.SaveData(db(), QStringLiteral("H000101"), QStringLiteral("STAFF"), QStringLiteral("C")));
    EXPECT_EQ(reg.OPD_ID(), "77B");
    EXPECT_TRUE(visits(db()).isEmpty());
    ASSERT_EQ(platform.messages->texts().size(), 1);
    EXPECT_TRUE(platform.messages->last().text.startsWith(
        QStringLiteral("An error has occured. Please contact IT Personnel for assistance.")));
    EXPECT_EQ(platform.programEnd->ended(), 0);
    allowVisits();
    ASSERT_TRUE(reg.SaveData(db(), QStringLiteral("H000101"), QStringLiteral("STAFF"), QStringLiteral("C")));
    EXPECT_EQ(reg.OPD_ID(), "1B");
}

TEST_P(EmployeeRegistrationTest, RegistrationsAndANewVisitPostingNeverShareAnId) {
    addItem(db(), {.onHand = 100});
    std::unique_ptr<Connection> other = testDatabase().openAnother();
    clsEmployeeReg& reg = gEmployeeReg();
    ASSERT_TRUE(reg.SaveData(db(), QStringLiteral("H000101"), QStringLiteral("STAFF"), QStringLiteral("C")));
    // A second workstation posts a patient without a visit while the first registers again.
    suite::StockCardLine line;
    line.refNum = QStringLiteral("00000001");
    line.itemId = QStringLiteral("PARA500");
    line.idNum = QStringLiteral("NEWOPD");
    line.hospNum = QStringLiteral("H000104");
    line.summaryCode = QStringLiteral("PH");
    line.quantity = 1;
    line.amount = 5;
    {
        Transaction tx(*other);
        suite::DrugCatalogStockCard(*other).post(line);
        tx.commit();
    }
    ASSERT_TRUE(reg.SaveData(db(), QStringLiteral("H000103"), QStringLiteral("STAFF"), QStringLiteral("C")));
    EXPECT_EQ(visits(db()), QStringList({"1B|H000101|STAFF", "2B|H000104|H000104", "3B|H000103|STAFF"}));
}

TEST(EmployeeRegistration, ToStringWritesNumbersShortest) {
    struct Case {
        QVariant value;
        const char* want;
    };
    const Case cases[] = {{QVariant(), ""},          {QStringLiteral("   "), ""}, {12345.0, "12345"},
                          {QStringLiteral("00123"), "123"}, {-2.5, "-2.5"},     {QStringLiteral("12A"), "12A"}};
    for (const Case& c : cases)
        EXPECT_EQ(clsEmployeeReg::ToString(c.value), QString::fromLatin1(c.want)) << c.value.toString().toStdString();
}

TEST_P(EmployeeRegistrationTest, PickerSearchesAtEachKeystrokeAndRegisters) {
    frmEmployeeList list;
    list.setSearch(QStringLiteral("REY"));
    list.show();
    list.Form_Load();
    EXPECT_EQ(list.txtSearch->text(), "REY");
    EXPECT_EQ(listed(list), QStringList({"H000101|STAFF", "H000102|ACME"}));
    list.txtSearch->setText(QStringLiteral("REYE"));
    EXPECT_EQ(listed(list), QStringList({"H000101|STAFF"}));
    // Nobody found: the last list stays.
    list.txtSearch->setText(QStringLiteral("REYEZ"));
    EXPECT_EQ(listed(list), QStringList({"H000101|STAFF"}));
    // Wildcards are taken as typed.
    list.txtSearch->setText(QStringLiteral("%"));
    EXPECT_EQ(listed(list), QStringList({"H000101|STAFF"}));

    list.txtSearch->setText(QStringLiteral("REY"));
    list.flexMSHList->setRow(2);
    list.cmdRegister_Click();
    EXPECT_EQ(platform.messages->last().text, "Account Not Valid, Employee doesnt have Advances Account");
    EXPECT_EQ(platform.messages->last().title, "MESSAGE");
    EXPECT_TRUE(visits(db()).isEmpty());
    EXPECT_EQ(gEmployeeReg().OPD_ID(), "");
    EXPECT_FALSE(list.isVisible());

    list.show();
    list.flexMSHList->setRow(1);
    int enter = keys::Return;
    emit list.flexMSHList->keyPress(enter);
    EXPECT_EQ(gEmployeeReg().OPD_ID(), "1B");
    EXPECT_EQ(visits(db()), QStringList({"1B|H000101|STAFF"}));
    EXPECT_FALSE(list.isVisible());

    list.show();
    list.flexMSHList->setRow(2);
    list.cmdOK_Click();
    EXPECT_EQ(list.CompanyID(), "ACME");
}

TEST_P(EmployeeRegistrationTest, UpOnTheFirstRowReturnsToTheSearch) {
    frmEmployeeList list;
    list.show();
    list.Form_Load();
    QApplication::setActiveWindow(&list);
    list.flexMSHList->setRow(2);
    list.flexMSHList->setRow(1);  // arrived by keyboard: the first Up stays in the list
    int up = keys::Up;
    list.flexMSHList_KeyDown(up);
    EXPECT_EQ(list.topRowUpCount(), 1);
    up = keys::Up;
    list.flexMSHList_KeyDown(up);
    EXPECT_EQ(up, 0);
    EXPECT_EQ(list.topRowUpCount(), 0);
    // Clicked on the first row: the first PgUp goes back.
    list.flexMSHList_Click();
    int pageUp = keys::PageUp;
    list.flexMSHList_KeyDown(pageUp);
    EXPECT_EQ(pageUp, 0);
}

QX_ON_BOTH_ENGINES(EmployeeRegistrationTest);

} // namespace
} // namespace qx::test
