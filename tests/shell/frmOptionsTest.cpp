#include "frmSessionFixture.h"
#include "platform/WidgetInput.h"
#include "shell/frmOptions.h"
#include "suite/SiteOptionsOptionSet.h"

#include <QLineEdit>

namespace qx::test {
namespace {

TEST(frmOptionsBoxValue, LeadingNumberRoundedToEvenWithinSixteenBits) {
    struct Case { const char* text; qint16 expected; };
    const Case cases[] = {{"20", 20}, {"12abc", 12}, {"abc", 0}, {"", 0}, {"12.5", 12}, {"13.5", 14},
                          {"-5", -5}, {"150", 150}, {"99999", 32767}, {"-99999", -32768}, {"32767.4", 32767}};
    for (const Case& c : cases)
        EXPECT_EQ(frmOptions::BoxValue(QString::fromLatin1(c.text)), c.expected) << c.text;
}

class frmOptionsTest : public SessionWindowTest {
protected:
    void SetUp() override {
        SessionWindowTest::SetUp();
        db().execute(QStringLiteral("INSERT INTO tbPharmaOptions (OptionRow, CommunicationTimer, SeniorCitizenDiscount) "
                                    "VALUES (1, 5, 20)"));
        gComponents.gOptions = component();
    }
    std::shared_ptr<suite::SiteOptionsOptionSet> component() {
        auto options = std::make_shared<suite::SiteOptionsOptionSet>([this] { return &db(); });
        options->InitConnection(db().connectionString());
        return options;
    }
};

TEST_P(frmOptionsTest, OkHandsTheNewValuesToTheComponentAndTheSession) {
    frmOptions w;
    w.show();
    EXPECT_EQ(w.txtRefreshRate->text(), "5");
    EXPECT_EQ(w.txtSCDiscount->text(), "20");
    w.txtRefreshRate->setText(QStringLiteral("10 mins"));
    w.txtSCDiscount->setText(QStringLiteral("12.5"));
    w.cmdOK_Click();
    EXPECT_TRUE(w.isHidden());
    EXPECT_EQ(gCommunicationTimer, 10);
    EXPECT_EQ(gSeniorCitizenDiscount, 12);
    auto reread = component();
    reread->GetOptions();
    EXPECT_EQ(reread->CommunicationTimer(), 10);
    EXPECT_EQ(reread->SeniorCitizenDiscount(), 12);
}

TEST_P(frmOptionsTest, EscapeChangesNothing) {
    gCommunicationTimer = 5;
    gSeniorCitizenDiscount = 20;
    frmOptions w;
    w.show();
    w.txtSCDiscount->setText(QStringLiteral("50"));
    pressKey(w.txtSCDiscount, Qt::Key_Escape, QStringLiteral("\x1b"));
    EXPECT_TRUE(w.isHidden());
    EXPECT_EQ(gSeniorCitizenDiscount, 20);
    auto reread = component();
    reread->GetOptions();
    EXPECT_EQ(reread->SeniorCitizenDiscount(), 20);
}

QX_ON_BOTH_ENGINES(frmOptionsTest);

} // namespace
} // namespace qx::test
