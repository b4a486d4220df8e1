#include "ScriptedPlatform.h"
#include "TestDatabase.h"
#include "components/AppError.h"
#include "components/PasswordScramble.h"
#include "suite/StaffLoginCurrentUser.h"
#include "suite/frmLogin.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

using namespace qx;
using namespace qx::test;
using qx::suite::StaffLoginCurrentUser;
using R = StaffLoginCurrentUser::LoginResult;

namespace {

void addEmployee(Connection& c, const QString& id, const QString& password, const QString& department,
                 const QString& right1 = QString()) {
    c.execute(QStringLiteral("INSERT INTO password.tbPasswordMain (EmployeeID, Password, DepartmentID, Right_Code1, "
                             "Right_Code2) VALUES (?, ?, ?, ?, '')"),
              {id, ScrambleText(QStringLiteral("E"), kPasswordKey, password), department, right1});
    c.execute(QStringLiteral("INSERT INTO password.tbPasswordMaster (EmployeeID, LastName, FirstName, MiddleName, "
                             "Initials, Position) VALUES (?, 'REYES', 'JOSE', 'CRUZ', 'JCR', 'PHARMACIST')"),
              {id});
}

class StaffLoginTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (IsSkipped())
            return;
        addEmployee(db(), QStringLiteral("1001"), QStringLiteral("Pharma1"), QStringLiteral("15"), QStringLiteral("A"));
        addEmployee(db(), QStringLiteral("1002"), QStringLiteral("SECRET"), QStringLiteral("15"));
        addEmployee(db(), QStringLiteral("O'NEIL"), QStringLiteral("QUOTE"), QStringLiteral("15"));
        addEmployee(db(), QStringLiteral("9001"), QStringLiteral("NURSE1"), QStringLiteral("22"));
        user = std::make_unique<StaffLoginCurrentUser>(testDatabase().url());
        user->setPasswordDeptCode(QStringLiteral("15"));
    }
    std::unique_ptr<StaffLoginCurrentUser> user;
};

TEST_P(StaffLoginTest, AcceptsAndRefusesAsThePasswordTableSays) {
    struct Case { const char* employee; const char* password; R expected; };
    const Case cases[] = {
        {"1002", "WRONG", R::WrongPassword},
        {"7777", "SECRET", R::UnknownEmployee},
        {"9001", "NURSE1", R::OtherDepartment},
        {"1001' OR '1'='1", "X", R::UnknownEmployee},
        {"", "SECRET", R::EmptyEmployee},
        {"1002", "  ", R::EmptyPassword},
        {"O'NEIL", "quote", R::Accepted},
        {" 1001 ", " PHARMA1 ", R::Accepted},  // blanks and letter case do not matter
    };
    for (const Case& c : cases) {
        StaffLoginCurrentUser fresh(testDatabase().url());
        fresh.setPasswordDeptCode(QStringLiteral("15"));
        EXPECT_EQ(fresh.logIn(QString::fromUtf8(c.employee), QString::fromUtf8(c.password)), c.expected)
            << c.employee;
        EXPECT_EQ(fresh.Connected(), c.expected == R::Accepted) << c.employee;
    }
}

TEST_P(StaffLoginTest, KeepsTheIdentityAndOffersTheConnection) {
    EXPECT_FALSE(user->Connected());
    EXPECT_THROW(user->SQLConnection(), AppError);
    ASSERT_EQ(user->logIn(QStringLiteral("1001"), QStringLiteral("PHARMA1")), R::Accepted);
    EXPECT_TRUE(user->Connected());
    EXPECT_EQ(user->EmployeeCode(), QStringLiteral("1001"));
    EXPECT_EQ(user->EmployeeName(), QStringLiteral("JOSE C. REYES"));
    EXPECT_EQ(user->Initial(), QStringLiteral("JCR"));
    EXPECT_EQ(user->Position(), QStringLiteral("PHARMACIST"));
    EXPECT_EQ(user->SQLConnection().connectionString(), testDatabase().url());
    EXPECT_TRUE(user->checkusersettings());  // right 'A'
    EXPECT_FALSE(user->ServerName().isEmpty());

    StaffLoginCurrentUser other(testDatabase().url());
    ASSERT_EQ(other.logIn(QStringLiteral("1002"), QStringLiteral("SECRET")), R::Accepted);
    EXPECT_FALSE(other.checkusersettings());
}

TEST_P(StaffLoginTest, AnEmployeeWhoUnlocksTheWorkstationBecomesTheLoggedInEmployee) {
    EXPECT_THROW(user->ChangeUser(QStringLiteral("1002")), AppError);  // nobody logged in yet
    ASSERT_EQ(user->logIn(QStringLiteral("1001"), QStringLiteral("PHARMA1")), R::Accepted);
    ASSERT_TRUE(user->checkusersettings());

    user->ChangeUser(QStringLiteral(" o'neil "));
    EXPECT_EQ(user->EmployeeCode(), QStringLiteral("O'NEIL"));
    EXPECT_FALSE(user->checkusersettings());
    EXPECT_THROW(user->ChangeUser(QStringLiteral("7777")), AppError);
    EXPECT_EQ(user->EmployeeCode(), QStringLiteral("O'NEIL"));  // an unknown number changes nothing

    user->ChangeUser(QStringLiteral("1001"));
    EXPECT_EQ(user->EmployeeName(), QStringLiteral("JOSE C. REYES"));
    EXPECT_TRUE(user->checkusersettings());
    EXPECT_TRUE(user->Connected());
}

TEST_P(StaffLoginTest, AnUnreachableDatabaseIsToldApart) {
    StaffLoginCurrentUser nowhere(QStringLiteral("postgresql://nobody@/nodb?host=/nonexistent-socket-dir&port=1"));
    QString detail;
    EXPECT_EQ(nowhere.logIn(QStringLiteral("1001"), QStringLiteral("PHARMA1"), &detail), R::Unreachable);
    EXPECT_FALSE(detail.isEmpty());
    EXPECT_FALSE(nowhere.Connected());
    EXPECT_TRUE(StaffLoginCurrentUser::messageFor(R::Unreachable, detail).startsWith(QStringLiteral("Unable to reach")));
}

QX_ON_BOTH_ENGINES(StaffLoginTest);

class LoginWindowTest : public SqliteTest {
protected:
    void SetUp() override {
        SqliteTest::SetUp();
        addEmployee(db(), QStringLiteral("1002"), QStringLiteral("SECRET"), QStringLiteral("15"));
        user = std::make_unique<StaffLoginCurrentUser>(testDatabase().url());
        user->setPasswordDeptCode(QStringLiteral("15"));
    }
    // Scripts the login window: each pair is typed and OK pressed, in order.
    void answerWith(std::vector<std::pair<QString, QString>> tries, bool cancelAtEnd = false) {
        platform.modal->onShow<suite::frmLogin>([tries, cancelAtEnd](suite::frmLogin& w) {
            for (const auto& [employee, password] : tries) {
                if (!w.isVisible())
                    return;
                w.txtEmplNo->setText(employee);
                w.txtPassword->setText(password);
                w.cmdOK->click();
            }
            if (cancelAtEnd && w.isVisible())
                w.cmdCancel->click();
        });
    }
    ScriptedPlatform platform;
    std::unique_ptr<StaffLoginCurrentUser> user;
};

TEST_F(LoginWindowTest, LogsInAfterARefusedTry) {
    answerWith({{"1002", "WRONG"}, {"1002", "SECRET"}});
    user->ShowMain();
    EXPECT_TRUE(user->Connected());
    ASSERT_EQ(platform.messages->boxes().size(), 1u);
    EXPECT_EQ(platform.messages->last().text, QStringLiteral("Invalid password."));
    EXPECT_EQ(platform.messages->last().title, QStringLiteral("MESSAGE"));
}

TEST_F(LoginWindowTest, ThreeRefusedTriesGiveUp) {
    answerWith({{"1002", "A"}, {"1002", "B"}, {"7777", "C"}, {"1002", "SECRET"}});
    user->ShowMain();
    EXPECT_FALSE(user->Connected());
    EXPECT_EQ(platform.messages->texts(),
              (QStringList{"Invalid password.", "Invalid password.", "Employee # not found."}));
}

TEST_F(LoginWindowTest, EmptyBoxesAreNotTriesAndCancelGivesUp) {
    answerWith({{"", ""}, {"1002", ""}, {"", "X"}}, true);
    user->ShowMain();
    EXPECT_FALSE(user->Connected());
    EXPECT_EQ(platform.messages->texts(),
              (QStringList{"You have not entered your Employee # yet.", "You have not entered your password.",
                           "You have not entered your Employee # yet."}));
    EXPECT_EQ(platform.modal->leftOpen(), 0);
}

TEST_F(LoginWindowTest, EnterMovesToThePasswordAndLogsInThere) {
    platform.modal->onShow<suite::frmLogin>([](suite::frmLogin& w) {
        w.txtEmplNo->setFocus();
        w.txtEmplNo->setText(QStringLiteral("1002"));
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(w.txtEmplNo, &enter);
        w.txtPassword->setText(QStringLiteral("SECRET"));
        QApplication::sendEvent(w.txtPassword, &enter);
    });
    user->ShowMain();
    EXPECT_TRUE(user->Connected());
    EXPECT_TRUE(platform.messages->boxes().empty());
}

TEST_F(LoginWindowTest, TypedLettersBecomeCapitals) {
    suite::frmLogin w(*user);
    w.txtEmplNo->setFocus();
    w.txtEmplNo->insert(QStringLiteral("ab"));  // insert() emits textEdited, as typing does
    w.txtPassword->insert(QStringLiteral("secret"));
    EXPECT_EQ(w.txtEmplNo->text(), QStringLiteral("AB"));
    EXPECT_EQ(w.txtPassword->text(), QStringLiteral("SECRET"));
    EXPECT_EQ(w.txtPassword->echoMode(), QLineEdit::Password);
}

} // namespace

namespace {

class DemoLoginTest : public DbTest {
protected:
    bool withDemo() const override { return true; }
};

// The demo's pharmacy employees log in with the passwords they were given; the supervisor may
// open the user settings.
TEST_P(DemoLoginTest, DemoEmployeesLogIn) {
    struct Case { const char* employee; const char* password; R expected; };
    const Case cases[] = {{"8", "admin", R::Accepted}, {"1001", "PHARMA1", R::Accepted},
                          {"1002", "PHARMA1", R::WrongPassword}, {"9001", "NURSE1", R::OtherDepartment}};
    for (const Case& c : cases) {
        StaffLoginCurrentUser user(testDatabase().url());
        user.setPasswordDeptCode(QStringLiteral("15"));
        EXPECT_EQ(user.logIn(QString::fromLatin1(c.employee), QString::fromLatin1(c.password)), c.expected) << c.employee;
    }
    StaffLoginCurrentUser supervisor(testDatabase().url());
    ASSERT_EQ(supervisor.logIn(QStringLiteral("8"), QStringLiteral("ADMIN")), R::Accepted);
    EXPECT_EQ(supervisor.EmployeeName(), QStringLiteral("MARIA L. SANTOS"));
    EXPECT_EQ(supervisor.Position(), QStringLiteral("CHIEF PHARMACIST"));
    EXPECT_TRUE(supervisor.checkusersettings());
}

QX_ON_BOTH_ENGINES(DemoLoginTest);

} // namespace
