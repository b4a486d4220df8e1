#include "frmSessionFixture.h"
#include "platform/WidgetInput.h"
#include "shell/frmLogOff.h"

#include <QLineEdit>

namespace qx::test {
namespace {

class frmLogOffTest : public SessionWindowTest {
protected:
    void SetUp() override {
        SessionWindowTest::SetUp();
        if (IsSkipped())
            return;
        addEmployee(QStringLiteral("1001"), QStringLiteral("pharma1"), QStringLiteral("15"), QStringLiteral("A"),
                     QStringLiteral("S"), QStringLiteral("REYES"), QStringLiteral("JOSE"), QStringLiteral("CRUZ"),
                     QStringLiteral("JCR"));
        addEmployee(QStringLiteral("O'NEIL"), QStringLiteral("QUOTE"), QStringLiteral("15"), QString(), QString(),
                     QStringLiteral("O'NEIL"), QStringLiteral("ANA"), QString(), QStringLiteral("AO"));
        addEmployee(QStringLiteral("9001"), QStringLiteral("NURSE1"), QStringLiteral("22"));
    }
    void type(frmLogOff& w, const QString& employee, const QString& password) {
        w.txtEmplNo->setText(employee);
        w.txtPassword->setText(password);
    }
};

TEST_P(frmLogOffTest, RefusedEntriesSayWhyAndChangeNothing) {
    struct Case { const char* employee; const char* password; const char* message; int icon; };
    const Case cases[] = {
        {"  ", "PHARMA1", "You have not entered your Employee # yet.", vbInformation},
        {"1001", " ", "You have not entered your password.", vbInformation},
        {"5555", "PHARMA1", "Invalid identification entry!", vbExclamation},
        {"1001", "WRONG", "Invalid identification entry!", vbExclamation},
        {"9001", "NURSE1", "Invalid identification entry!", vbExclamation},  // not of the pharmacy
        {"1001' OR '1'='1", "PHARMA1", "Invalid identification entry!", vbExclamation},
    };
    for (const Case& c : cases) {
        frmLogOff w;
        w.show();
        type(w, QString::fromUtf8(c.employee), QString::fromUtf8(c.password));
        EXPECT_FALSE(w.AllowEntry()) << c.employee;
        EXPECT_EQ(platform.messages->last().text, c.message) << c.employee;
        EXPECT_EQ(platform.messages->last().title, "MESSAGE");
        EXPECT_EQ(platform.messages->last().icon(), c.icon);
        EXPECT_EQ(gEmployeeCode, "1234");
        EXPECT_EQ(login->EmployeeCode(), "1234");
        EXPECT_EQ(w.Rights(), "");
    }
}

TEST_P(frmLogOffTest, AnotherEmployeeUnlocksAndBecomesTheSessionsUser) {
    gEmployeePosition = QStringLiteral("PHARMACIST");
    frmLogOff w;
    w.setEntered(false);
    QStringList loggedIn;
    QObject::connect(&w, &frmLogOff::employeeLoggedIn, [&loggedIn](const QString& code) { loggedIn << code; });
    w.show();
    // Stored from lower-case letters, typed in upper case, blanks around both ignored.
    type(w, QStringLiteral(" 1001 "), QStringLiteral(" PHARMA1 "));
    w.Image1_Click();
    EXPECT_TRUE(w.Entered());
    EXPECT_TRUE(w.isHidden());
    EXPECT_EQ(gEmployeeCode, "1001");
    EXPECT_EQ(gEmployeeName, "JOSE C. REYES");
    EXPECT_EQ(gEmployeeInitial, "JCR");
    EXPECT_EQ(gEmployeePosition, "PHARMACIST");
    EXPECT_EQ(w.Rights(), "AS");
    EXPECT_EQ(loggedIn, QStringList{"1001"});
    EXPECT_EQ(login->EmployeeCode(), "1001");  // the login component answers for him too

    w.show();
    type(w, QStringLiteral("o'neil"), QStringLiteral("quote"));
    w.Image1_Click();
    EXPECT_EQ(gEmployeeCode, "O'NEIL");  // the boxes hold upper case whatever is put in
    EXPECT_EQ(w.Rights(), "");
}

TEST_P(frmLogOffTest, TypingIsUpperCaseAndEnterMovesOnOrLogsIn) {
    frmLogOff w;
    w.show();
    EXPECT_TRUE(w.txtEmplNo->text().isEmpty());
    typeText(w.txtEmplNo, QStringLiteral("1001"));
    typeText(w.txtPassword, QStringLiteral("pharma1"));
    EXPECT_EQ(w.txtPassword->text(), "PHARMA1");
    pressKey(w.txtEmplNo, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(platform.keys->keys(), QStringList{"{TAB}"});
    EXPECT_TRUE(w.isVisible());
    pressKey(w.txtPassword, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_TRUE(w.isHidden());
    EXPECT_TRUE(w.Entered());
    EXPECT_EQ(gEmployeeCode, "1001");

    w.show();  // rebuilt: the boxes start empty again
    EXPECT_TRUE(w.txtEmplNo->text().isEmpty());
    EXPECT_TRUE(w.txtPassword->text().isEmpty());
}

TEST_P(frmLogOffTest, ExitNeedsConfirmationAndIsTheOnlyOtherWayOut) {
    frmLogOff w;
    w.setEntered(true);
    w.show();
    w.close();
    EXPECT_TRUE(w.isVisible());

    platform.messages->answer(vbNo);
    pressKey(w.txtEmplNo, Qt::Key_Escape, QStringLiteral("\x1b"));
    EXPECT_EQ(platform.messages->last().text, "Are you sure to exit this program?");
    EXPECT_EQ(platform.messages->last().style, vbYesNo + vbQuestion);
    EXPECT_EQ(platform.messages->last().title, "MESSAGE");
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.Entered());
    EXPECT_FALSE(gExitRequested);

    platform.messages->answer(vbYes);
    w.Animation1_Click();
    EXPECT_TRUE(w.isHidden());
    EXPECT_FALSE(w.Entered());
    EXPECT_TRUE(gExitRequested);
}

QX_ON_BOTH_ENGINES(frmLogOffTest);

} // namespace
} // namespace qx::test
