#include "frmEmployeeFixture.h"

#include "shell/HospitalSettings.h"

#include <QRadioButton>

namespace qx::test {
namespace {

class frmEmployeeItemsTest : public frmEmployeeLinesTest {};

TEST_P(frmEmployeeItemsTest, LookUpRefusals) {
    struct Case {
        const char* name;
        bool visit;
        bool allowZeroOnHand;
        const char* typed;
        const char* wantMessage;
        const char* wantTitle;
        const char* wantDescription;
        bool wantCommitted;
    };
    const Case cases[] = {
        {"no visit yet", false, false, "1001", "Please enter patient's ID number.", "Quillax", "", false},
        {"an inactive item", true, false, "2002", "The drug was set to inactive.", "MESSAGE", "", false},
        {"already on another line", true, false, "1003", "The same medicine was already requested", "Quillax", "", false},
        {"no stock where it is refused", true, true, "3003",
         "INSULIN has no stocks left. The system can't process the specified item.", "Quillax", "", false},
        {"no stock taken otherwise", true, false, "3003", "", "", "INSULIN 500 MG TABLET", true},
        {"an unknown code", true, false, "9999", "", "", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gAllowZeroOnHand = c.allowZeroOnHand;
        openOn(c.visit ? QStringLiteral("5001A") : QString());
        form->flexMSEntry->setEnabled(true);
        form->flexMSEntry->setTextMatrix(1, 1, QStringLiteral("1003"));
        type(2, 1, QString::fromLatin1(c.typed));
        EXPECT_EQ(lastMessage(), c.wantMessage);
        if (*c.wantMessage)
            EXPECT_EQ(platform.messages->last().title, c.wantTitle);
        EXPECT_EQ(cell(2, 2), c.wantDescription);
        EXPECT_EQ(cell(2, 1), c.wantCommitted ? c.typed : "");
        // A refused code keeps the editor open on it; a taken one moves on to the dosage.
        EXPECT_EQ(form->chargeGrid()->isEditorVisible(), c.visit);
        EXPECT_EQ(form->flexMSEntry->col(), c.wantCommitted ? 5 : 1);
        platform.messages->clear();
    }
}

TEST_P(frmEmployeeItemsTest, LinesPricedByTheEmployeeRule) {
    openOn();
    type(1, 1, QStringLiteral("1001"));
    EXPECT_EQ(cell(1, 2), "PARACETAMOL 500 MG TABLET");
    EXPECT_EQ(cell(1, 7), "10");
    EXPECT_EQ(cell(1, 10), "80");
    EXPECT_EQ(cell(1, 8), "0.00");  // a new line has no quantity yet
    EXPECT_EQ(cell(1, 13), "0.00");
    EXPECT_EQ(cell(1, 17), "0");
    EXPECT_EQ(cell(1, 22), "0");
    EXPECT_EQ(form->flexMSEntry->col(), 5);  // on to the dosage
    type(1, 6, QStringLiteral("3"));
    EXPECT_EQ(cell(1, 6), "3");
    EXPECT_EQ(cell(1, 8), "240.00");
    EXPECT_EQ(cell(1, 21), "240.00");

    // A fixed employee price takes over the amount, on green.
    form->flexMSEntry->setTextMatrix(2, 6, QStringLiteral("4"));
    type(2, 1, QStringLiteral("4004"));
    EXPECT_EQ(cell(2, 17), "25");
    EXPECT_EQ(cell(2, 8), "100.00");
    EXPECT_EQ(form->flexMSEntry->cellBackColorAt(2, 1), 0xC0FFC0u);
    // The MDRP price replaces the unit price and its pink the green.
    form->flexMSEntry->setTextMatrix(3, 6, QStringLiteral("4"));
    type(3, 1, QStringLiteral("5005"));
    EXPECT_EQ(cell(3, 10), "1.25");
    EXPECT_EQ(cell(3, 8), "5.00");
    EXPECT_EQ(cell(3, 22), "1");
    EXPECT_EQ(form->flexMSEntry->cellBackColorAt(3, 1), 0xFF80FFu);

    // A senior-discounted item loses the box's percentage.
    form->txtDiscount->setText(QStringLiteral("20"));
    form->lblGross->setText(QStringLiteral(" 5.00"));
    type(4, 1, QStringLiteral("1002"));
    EXPECT_EQ(cell(4, 10), "64");
    EXPECT_EQ(cell(4, 11), "16");
    EXPECT_EQ(form->lblDiscount->text(), " 1.00");
    form->txtDiscount->setText(QStringLiteral("10"));
    type(5, 1, QStringLiteral("1003"));
    EXPECT_EQ(form->lblDiscount->text(), " .50");
    EXPECT_EQ(form->lblNet->text(), " 4.50");
}

TEST_P(frmEmployeeItemsTest, QuantityCommit) {
    struct Case {
        const char* name;
        const char* site;
        bool allowZeroOnHand;
        const char* item;  // stock 10 at 80 (1001), stock 500 at 50 (1003)
        const char* typed;
        const char* overStock;  // the over-stock choice, "" when it must not appear
        int large;              // the large-quantity answer, 0 when it must not appear
        const char* wantQuantity;
        const char* wantAmount;
        const char* wantLog;
        const char* wantMessage;
    };
    const Case cases[] = {
        {"zero", "", false, "1001", "0", "", 0, "", "0.00", "", "Quantity is invalid."},
        {"negative", "", false, "1001", "-2", "", 0, "", "0.00", "", "Quantity is invalid."},
        {"a fraction", "", false, "1001", "2.5", "", 0, "2.5", "200.00", "", ""},
        {"equal to the stock", "", false, "1001", "10", "", 0, "10", "800.00", "", ""},
        {"above the stock, proceeding", "", false, "1001", "11", "1", 0, "11", "880.00", "Proceed With Transaction", ""},
        {"above the stock, cancelled", "", false, "1001", "11", "X", 0, "", "0.00", "Cancel", ""},
        {"above the stock, cancelled, large", "", false, "1001", "150", "X", 1, "", "0.00", "Cancel", ""},
        {"above the stock at QVH", "QVH", true, "1001", "11", "", 0, "", "0.00", "",
         "Stock is not available to fill Prescription. Please enter quantity not greater than the stock onhand."},
        {"above the stock elsewhere with the setting", "", true, "1001", "11", "1", 0, "11", "880.00",
         "Proceed With Transaction", ""},
        {"100 at 50 asks nothing", "", false, "1003", "100", "", 0, "100", "5000.00", "", ""},
        {"101 asks, yes", "", false, "1003", "101", "", 1, "101", "5050.00", "", ""},
        {"101 asks, no", "", false, "1003", "101", "", 2, "", "0.00", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gSiteCode = QString::fromLatin1(c.site);
        gAllowZeroOnHand = false;
        openOn();
        type(1, 1, QString::fromLatin1(c.item));
        gAllowZeroOnHand = c.allowZeroOnHand;
        platform.modal->onShow<frmOverStock>({});
        platform.modal->onShow<frmOverQty>({});
        if (*c.overStock)
            overStockAnswers(QString::fromLatin1(c.overStock), QString::fromLatin1(c.wantLog));
        if (c.large)
            largeQuantityAnswers(c.large);
        const int overStockBefore = shownCount("frmOverStock");
        const int largeBefore = shownCount("frmOverQty");
        type(1, 6, QString::fromLatin1(c.typed));
        EXPECT_EQ(shownCount("frmOverStock") - overStockBefore, *c.overStock ? 1 : 0);
        EXPECT_EQ(shownCount("frmOverQty") - largeBefore, c.large ? 1 : 0);
        EXPECT_EQ(cell(1, 6), c.wantQuantity);
        EXPECT_EQ(cell(1, 8), c.wantAmount);
        EXPECT_EQ(cell(1, 16), c.wantLog);
        EXPECT_EQ(lastMessage(), c.wantMessage);
        EXPECT_EQ(form->chargeGrid()->isEditorVisible() && form->flexMSEntry->col() == 6, !*c.wantQuantity);
        platform.messages->clear();
    }
    // 10 at 500.01 is a large amount.
    gSiteCode.clear();
    openOn();
    type(1, 1, QStringLiteral("1003"));
    form->flexMSEntry->setTextMatrix(1, 5, QStringLiteral("TID"));
    form->flexMSEntry->setTextMatrix(1, 10, QStringLiteral("500.01"));
    largeQuantityAnswers(1);
    const int largeBefore = shownCount("frmOverQty");
    type(1, 6, QStringLiteral("10"));
    EXPECT_EQ(shownCount("frmOverQty") - largeBefore, 1);
    EXPECT_EQ(cell(1, 8), "5000.10");
    EXPECT_EQ(form->lblGross->text(), " 5000.10");
    EXPECT_EQ(form->lblNet->text(), " 5000.10");
}

TEST_P(frmEmployeeItemsTest, ASubstituteIsTakenAsIfTyped) {
    gEmpOutPrice = true;
    openOn();
    type(1, 1, QStringLiteral("1001"));
    type(2, 1, QStringLiteral("1003"));
    struct Case {
        const char* name;
        const char* picked;
        const char* wantCode;
        const char* wantMessage;
    };
    const Case cases[] = {
        {"a cancelled picker", "", "1001", ""},
        {"an unknown code", "9999", "1001", "Drug code not found!"},
        {"an inactive item", "2002", "1001", "The drug was set to inactive."},
        {"an item on another line", "1003", "1001", "The same medicine was already requested"},
        {"a senior item", "1002", "1002", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform.messages->clear();
        drugs->answers = QStringList{QString::fromLatin1(c.picked)};
        overStockAnswers(QStringLiteral("2"), QStringLiteral("Find Substitute Drug"));
        const int largeBefore = shownCount("frmOverQty");
        type(1, 6, QStringLiteral("150"));
        EXPECT_EQ(shownCount("frmOverQty"), largeBefore);  // no further question
        EXPECT_EQ(cell(1, 1), c.wantCode);
        EXPECT_EQ(cell(1, 6), "");
        EXPECT_EQ(cell(1, 16), "Find Substitute Drug");
        EXPECT_EQ(lastMessage(), c.wantMessage);
        EXPECT_TRUE(form->chargeGrid()->isEditorVisible());
    }
    // Priced by the look-up's rule: the in-patient price less the box, with its amount 0.00.
    EXPECT_EQ(cell(1, 2), "AMOXICILLIN 500 MG TABLET");
    EXPECT_EQ(cell(1, 10), "80");
    EXPECT_EQ(cell(1, 8), "0.00");
    EXPECT_EQ(form->txtEntry()->text(), "");
}

TEST_P(frmEmployeeItemsTest, DosageFrequencyFillsTheQuantity) {
    openOn();
    type(1, 1, QStringLiteral("1001"));
    type(1, 5, QStringLiteral("TID"));
    EXPECT_EQ(cell(1, 5), "TID");
    EXPECT_EQ(cell(1, 6), "3");
    EXPECT_EQ(cell(1, 8), "240.00");
    EXPECT_TRUE(form->canSave());
    EXPECT_EQ(form->lblGross->text(), " 240.00");
}

TEST_P(frmEmployeeItemsTest, UnitCostBasisAtNorvax) {
    gSiteCode = QStringLiteral("NORVAX");
    openOn();
    type(1, 1, QStringLiteral("1001"));
    form->flexMSEntry->setTextMatrix(1, 6, QStringLiteral("2"));
    form->flexMSEntry->setTextMatrix(1, 10, QStringLiteral("30"));
    form->optUnitCost->setChecked(true);
    form->ApplyPrice();
    EXPECT_EQ(cell(1, 8), "50.00");
    EXPECT_EQ(cell(1, 14), "10");
    form->optIN->setChecked(true);
    form->ApplyPrice();
    EXPECT_EQ(cell(1, 8), "60.00");
    EXPECT_EQ(cell(1, 14), "0");
}

QX_ON_BOTH_ENGINES(frmEmployeeItemsTest);

} // namespace
} // namespace qx::test
