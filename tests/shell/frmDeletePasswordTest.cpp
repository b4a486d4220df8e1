#include "frmSessionFixture.h"
#include "platform/WidgetInput.h"
#include "shell/frmDeletePassword.h"

#include <QLineEdit>

namespace qx::test {
namespace {

class frmDeletePasswordTest : public SessionWindowTest {
protected:
    void SetUp() override {
        SessionWindowTest::SetUp();
        struct Row { const char* id; const char* department; const char* right1; const char* right2; };
        for (const Row& r : {Row{"8", "15", "A", "S"}, Row{"7", "00", "A", "S"}, Row{"6", "22", "A", "S"},
                             Row{"5", "15", "A", ""}, Row{"4", "15", "", "S"}, Row{"O'K", "15", "A", "S"}})
            addEmployee(QString::fromLatin1(r.id), QStringLiteral("Admin"), QString::fromLatin1(r.department),
                         QString::fromLatin1(r.right1), QString::fromLatin1(r.right2));
    }
};

TEST_P(frmDeletePasswordTest, OnlyASupervisorOfThePharmacyOrAdministrationWithBothRightsIsAccepted) {
    struct Case { const char* user; const char* password; bool accepted; };
    const Case cases[] = {
        {"8", "Admin", true},   {"7", "Admin", true},   {"6", "Admin", false},  // department 22
        {"5", "Admin", false},  {"4", "Admin", false},                          // one right missing
        {"8", "ADMIN", false},                                                  // the case counts
        {"8", "Wrong", false},  {"9", "Admin", false},
        {"O'K", "Admin", true}, {"8' OR '1'='1", "Admin", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(frmDeletePassword::GetPassword(db(), QString::fromUtf8(c.user), QString::fromUtf8(c.password)),
                  c.accepted)
            << c.user << " " << c.password;
}

TEST_P(frmDeletePasswordTest, OkAcceptsTrimmedEntriesAndEachShowingStartsRefused) {
    frmDeletePassword w;
    w.setHeightTwips(2400);
    w.show();
    w.txtUserID->setText(QStringLiteral("8"));
    w.txtPassword->setText(QStringLiteral("wrong"));
    w.cmdEnter_Click();
    EXPECT_EQ(platform.messages->last().text, "Password not valid!");
    EXPECT_EQ(platform.messages->last().title, "Quillax");
    EXPECT_EQ(platform.messages->last().icon(), vbInformation);
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(w.OKCharge());
    EXPECT_EQ(w.txtPassword->text(), "wrong");

    w.txtUserID->setText(QStringLiteral(" 8 "));
    w.txtPassword->setText(QStringLiteral(" Admin "));
    pressKey(w.txtPassword, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_TRUE(w.isHidden());
    EXPECT_TRUE(w.OKCharge());
    EXPECT_EQ(w.VerifyID(), "8");

    w.show();
    EXPECT_FALSE(w.OKCharge());
    EXPECT_EQ(w.VerifyID(), "");
    pressKey(w.txtUserID, Qt::Key_Escape, QStringLiteral("\x1b"));
    EXPECT_TRUE(w.isHidden());
    EXPECT_FALSE(w.OKCharge());
}

QX_ON_BOTH_ENGINES(frmDeletePasswordTest);

} // namespace
} // namespace qx::test
