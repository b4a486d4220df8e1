#include "ScriptedPlatform.h"
#include "charging/frmOverQty.h"
#include "platform/PictureButton.h"
#include "platform/WidgetInput.h"

#include <QLabel>
#include <gtest/gtest.h>

using namespace qx;
using namespace qx::test;

namespace {

class frmOverQtyTest : public ::testing::Test {
protected:
    void use(const std::function<void(frmOverQty&)>& act) {
        platform.modal->onNextShow([&](QWidget& w) { act(static_cast<frmOverQty&>(w)); });
        showModal(prompt);
    }
    ScriptedPlatform platform;
    frmOverQty prompt;
};

TEST_F(frmOverQtyTest, AsksOnlyAboveTheLimits) {
    struct Case { double quantity, unitPrice; bool asks; } cases[] = {
        {101, 1.00, true}, {100, 50.00, false}, {10, 500.01, true}, {100, 1.00, false}, {1, 5000.0, false}, {1, 5000.01, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(frmOverQty::needsConfirmation(c.quantity, c.unitPrice), c.asks) << c.quantity << " x " << c.unitPrice;
}

TEST_F(frmOverQtyTest, ShowsTheEntryAsTyped) {
    struct Case { double quantity, unitPrice; QString quantityText, priceText, totalText; } cases[] = {
        {150, 12.5, "150", "12.50", "1875.00"},
        {2.5, 0.5, "2.5", ".50", "1.25"},
        {1, 0.25, "1", ".25", ".25"},
        {120, 1234567.891, "120", "1234567.89", "148148146.92"},
    };
    for (const Case& c : cases) {
        prompt.setDrugName(QStringLiteral("PARACETAMOL 500 MG TABLET"));
        prompt.setQuantity(c.quantity);
        prompt.setUnitPrice(c.unitPrice);
        use([&](frmOverQty& p) {
            EXPECT_EQ(p.lblLabel[0]->text(), QStringLiteral("PARACETAMOL 500 MG TABLET"));
            EXPECT_EQ(p.lblLabel[4]->text(), c.quantityText);
            EXPECT_EQ(p.lblLabel[5]->text(), c.priceText);
            EXPECT_EQ(p.lblLabel[6]->text(), c.totalText);
            click(p.imgYes, p.imgYes->rect().center());
        });
    }
}

TEST_F(frmOverQtyTest, AnswersByClickAndEscapeOnly) {
    use([](frmOverQty& p) { click(p.imgNo, p.imgNo->rect().center()); });
    EXPECT_EQ(prompt.Choice(), 2);
    use([](frmOverQty& p) { click(p.imgYes, p.imgYes->rect().center()); });
    EXPECT_EQ(prompt.Choice(), 1);

    use([](frmOverQty& p) {
        pressKey(&p, Qt::Key_Return, QStringLiteral("\r"));
        pressKey(&p, Qt::Key_Tab, QStringLiteral("\t"));
        EXPECT_TRUE(p.isVisible());  // Enter answers nothing
        EXPECT_EQ(p.Choice(), 1);    // the last answer until this one is given
        pressKey(&p, Qt::Key_Escape, QStringLiteral("\x1b"));
    });
    EXPECT_EQ(prompt.Choice(), 2);
    EXPECT_EQ(platform.modal->leftOpen(), 0);
}

TEST_F(frmOverQtyTest, MouseHighlightsTheButtonUnderIt) {
    use([](frmOverQty& p) {
        mouseEvent(p.imgNo, QEvent::MouseMove, p.imgNo->rect().center(), Qt::NoButton, Qt::NoButton);
        EXPECT_TRUE(p.imgNo->isHighlighted());
        EXPECT_FALSE(p.imgYes->isHighlighted());
        mouseEvent(&p, QEvent::MouseMove, QPoint(3, 3), Qt::NoButton, Qt::NoButton);
        EXPECT_FALSE(p.imgNo->isHighlighted());
        click(p.imgYes, p.imgYes->rect().center());
    });
}

} // namespace
