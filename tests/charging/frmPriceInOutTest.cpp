#include "ScriptedPlatform.h"
#include "charging/frmPriceInOut.h"
#include "components/PlatformServices.h"
#include "platform/PictureButton.h"
#include "platform/WidgetInput.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

using namespace qx;
using namespace qx::test;

namespace {

class frmPriceInOutTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.setItemDesc(QStringLiteral("AMOXICILLIN 500 MG CAPSULE"));
        dialog.setItemQuantity(3);
        dialog.setItemPrice(5.5);
        dialog.setNewItemPrice(6.25);
        dialog.setTotalAmount(18.75);
    }
    void use(const std::function<void(frmPriceInOut&)>& act) {
        platform.modal->onNextShow([&](QWidget& w) {
            w.activateWindow();
            QApplication::setActiveWindow(&w);
            QApplication::processEvents();
            QApplication::processEvents();
            act(static_cast<frmPriceInOut&>(w));
        });
        showModal(dialog);
    }
    static void enter(QWidget* w) { pressKey(w, Qt::Key_Return, QStringLiteral("\r")); }
    static void retype(QLineEdit* box, const QString& text) {
        box->selectAll();
        pressKey(box, Qt::Key_Delete);
        typeText(box, text);
    }
    ScriptedPlatform platform;
    frmPriceInOut dialog;
};

TEST_F(frmPriceInOutTest, ShowsTheLineUnderTheInPatientCaption) {
    use([](frmPriceInOut& d) {
        EXPECT_EQ(d.lblCaption->text(), QStringLiteral("Change In-Patient Price"));
        EXPECT_EQ(d.lblDesc->text(), QStringLiteral("AMOXICILLIN 500 MG CAPSULE"));
        EXPECT_EQ(d.lblQuantity->text(), QStringLiteral("3"));
        EXPECT_EQ(d.lblOldPrice->text(), QStringLiteral("05.50"));
        EXPECT_EQ(d.txtNewPrice->text(), QStringLiteral("6.25"));
        EXPECT_EQ(d.txtTotalAmount->text(), QStringLiteral("18.75"));
        EXPECT_EQ(QApplication::focusWidget(), d.txtNewPrice);
        EXPECT_EQ(d.txtNewPrice->selectedText(), QStringLiteral("6.25"));
        enter(d.txtNewPrice);
        enter(d.txtTotalAmount);
    });
}

TEST_F(frmPriceInOutTest, EnterTwiceConfirmsTheCurrentPrice) {
    use([](frmPriceInOut& d) {
        enter(d.txtNewPrice);
        EXPECT_EQ(QApplication::focusWidget(), d.txtTotalAmount);
        EXPECT_EQ(d.txtTotalAmount->text(), QStringLiteral("18.75"));
        enter(d.txtTotalAmount);
    });
    EXPECT_EQ(QString::number(dialog.ItemPrice(), 'f', 2), QStringLiteral("6.25"));
    EXPECT_EQ(QString::number(dialog.TotalAmount(), 'f', 2), QStringLiteral("18.75"));
    EXPECT_TRUE(platform.messages->boxes().empty());
    EXPECT_EQ(platform.modal->leftOpen(), 0);
}

TEST_F(frmPriceInOutTest, NewPriceGivesTheNewTotal) {
    struct Case { QString typed, totalShown, itemPrice, totalAmount; } cases[] = {
        {"12.5", "37.50", "12.5", "37.5"},
        {"1,250.00", "03.00", "1", "3"},  // numeric as a whole, read up to the comma
        {"0.1", "00.30", "0.1", "0.3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        use([&](frmPriceInOut& d) {
            retype(d.txtNewPrice, c.typed);
            enter(d.txtNewPrice);
            EXPECT_EQ(d.txtTotalAmount->text(), c.totalShown);
            click(d.imgProceed, d.imgProceed->rect().center());
        });
        EXPECT_EQ(QString::number(dialog.ItemPrice()), c.itemPrice);
        EXPECT_EQ(QString::number(dialog.TotalAmount()), c.totalAmount);
        EXPECT_FALSE(dialog.isVisible());
        dialog.setItemPrice(5.5);
    }
    EXPECT_TRUE(platform.messages->boxes().empty());
}

TEST_F(frmPriceInOutTest, RefusesPricesThatAreNotPositiveNumbers) {
    for (const QString& typed : {QStringLiteral("abc"), QStringLiteral("0"), QStringLiteral("-3"), QStringLiteral("")}) {
        SCOPED_TRACE(typed.toStdString());
        platform.messages->clear();
        use([&](frmPriceInOut& d) {
            retype(d.txtNewPrice, typed);
            enter(d.txtNewPrice);
            ASSERT_EQ(platform.messages->boxes().size(), 1u);
            EXPECT_EQ(platform.messages->last().text, QStringLiteral("Please enter valid amount."));
            EXPECT_EQ(platform.messages->last().title, QStringLiteral("Message"));
            EXPECT_EQ(platform.messages->last().icon(), vbInformation);
            EXPECT_EQ(d.txtNewPrice->text(), QStringLiteral("05.50"));
            EXPECT_EQ(QApplication::focusWidget(), d.txtNewPrice);

            // Proceed refuses it too and stays open.
            retype(d.txtNewPrice, typed);
            click(d.imgProceed, d.imgProceed->rect().center());
            EXPECT_TRUE(d.isVisible());
            EXPECT_EQ(platform.messages->boxes().size(), 2u);
            EXPECT_EQ(d.txtNewPrice->text(), QStringLiteral("05.50"));

            pressKey(&d, Qt::Key_Escape, QStringLiteral("\x1b"));
            EXPECT_TRUE(d.isVisible());  // no way out but a valid price
            enter(d.txtNewPrice);
            enter(d.txtTotalAmount);
        });
        EXPECT_EQ(QString::number(dialog.ItemPrice()), QStringLiteral("5.5"));
        EXPECT_EQ(QString::number(dialog.TotalAmount()), QStringLiteral("16.5"));
        EXPECT_EQ(platform.modal->leftOpen(), 0);
        dialog.setItemPrice(5.5);
    }
}

} // namespace
