#include "LookupDialogFixture.h"
#include "charging/frmChargeslip.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QPushButton>

using namespace qx;
using namespace qx::test;

namespace {

class frmChargeslipTest : public LookupTest {
protected:
    void use(const std::function<void(frmChargeslip&)>& act) {
        platform.modal->onNextShow([&](QWidget& w) {
            showActive(&w);
            act(static_cast<frmChargeslip&>(w));
        });
        showModal(box);
    }
    frmChargeslip box;
};

TEST_P(frmChargeslipTest, TypeSizeFollowsTheSwitch) {
    struct Case { const char* name; QVariant switchValue; int points; int clientWidthTwips; int okLeftTwips; } cases[] = {
        {"no switch row", QVariant(), 36, 7050, 2820},
        {"switch off", 0, 36, 7050, 2820},
        {"switch on", 1, 48, 8310, 3255},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        db().execute(QStringLiteral("DELETE FROM tbPharmaSwitch WHERE IDKey = '22'"));
        if (c.switchValue.isValid())
            db().execute(QStringLiteral("INSERT INTO tbPharmaSwitch (IDKey, KeyValue) VALUES ('22', ?)"), {c.switchValue});
        box.setChargeslip(QStringLiteral("0001234"));
        use([&](frmChargeslip& b) {
            EXPECT_EQ(b.windowTitle(), QStringLiteral("Chargeslip Number"));
            EXPECT_EQ(b.lblChargeslip->text(), QStringLiteral("0001234"));
            EXPECT_EQ(b.lblChargeslip->font().pointSize(), c.points);
            EXPECT_EQ(b.width(), twipsToPixels(c.clientWidthTwips));
            EXPECT_EQ(b.cmdOK->x(), twipsToPixels(c.okLeftTwips));
            EXPECT_EQ(QApplication::focusWidget(), b.cmdOK);
            pressKey(b.cmdOK, Qt::Key_Return, QStringLiteral("\r"));
        });
        EXPECT_FALSE(box.isVisible());
        EXPECT_EQ(box.Chargeslip(), QStringLiteral("0001234"));
    }
    EXPECT_EQ(platform.modal->leftOpen(), 0);
}

QX_ON_BOTH_ENGINES(frmChargeslipTest);

} // namespace
