#include "Builders.h"
#include "CashEntryFixture.h"

#include "charging/ChargeGridNavigation.h"
#include "charging/frmOverStock.h"
#include "charging/frmPriceInOut.h"
#include "components/DrugPicker.h"
#include "suite/DrugCatalogComponent.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace qx::test {
namespace {

// The drug picker: answers the next codes in turn, "" when none is left.
class ScriptedCashPicker : public DrugPicker::DrugList {
public:
    bool InitConnection(const QString&) override { return true; }
    void setDrugsOrCsr(bool) override {}
    QString ShowList(const std::optional<QString>& search, const std::optional<QVariant>&,
                     const std::optional<QString>&, const std::optional<QString>&) override {
        searches << search.value_or(QStringLiteral("<none>"));
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    QStringList answers;
    QStringList searches;
};

class frmCashEntryItemsTest : public CashEntryTest {
protected:
    void SetUp() override {
        CashEntryTest::SetUp();
        drugComponent = std::make_shared<suite::DrugCatalogComponent>([this] { return &db(); });
        ASSERT_TRUE(drugComponent->InitConnect(db().connectionString()));
        gComponents.gDrug = drugComponent;
        picker = std::make_shared<ScriptedCashPicker>();
        gComponents.gDrugList = picker;
    }
    void TearDown() override {
        form.reset();
        gComponents.gDrug.reset();
        gComponents.gDrugList.reset();
        CashEntryTest::TearDown();
    }

    // Types the text into the editor on a cell and presses Enter.
    void enter(int row, int col, const QString& text) {
        openEditorAt(*form->chargeGrid(), row, col);
        form->txtEntry()->setText(text);
        pressKey(form->txtEntry(), Qt::Key_Return, QStringLiteral("\r"));
        QApplication::processEvents();
    }
    QString cell(int row, int col) { return grid()->textMatrix(row, col); }
    ColorValue codeColour(int row) {
        grid()->setRow(row);
        grid()->setCol(frmCashEntry::colCode);
        return grid()->cellBackColor();
    }

    std::shared_ptr<suite::DrugCatalogComponent> drugComponent;
    std::shared_ptr<ScriptedCashPicker> picker;
};

TEST_F(frmCashEntryItemsTest, PriceRuleAndColours) {
    struct Case {
        const char* name;
        ItemSpec item;
        std::function<void(frmCashEntry&)> customer;
        const char* unitPrice;
        ColorValue colour;
    };
    const auto walkIn = [](frmCashEntry&) {};
    const Case cases[] = {
        {"out-patient list price", {.itemId = "1001", .genericId = "G1", .priceIn = 5.25, .priceOut = 4.75}, walkIn,
         "4.75", colors::InfoBackground},
        {"in-patient ticked", {.itemId = "1002", .genericId = "G2", .priceIn = 5.25, .priceOut = 4.75},
         [](frmCashEntry& w) {
             w.chkInPatient->setChecked(true);
             w.txtIdNumber->setText("1001");
         },
         "5.25", colors::InfoBackground},
        {"dialysis ticked", {.itemId = "1003", .genericId = "G3", .priceIn = 5.25, .priceOut = 4.75},
         [](frmCashEntry& w) { w.chkDialysis->setChecked(true); }, "5.25", colors::InfoBackground},
        {"fixed price", {.itemId = "1004", .genericId = "G4", .priceOut = 4.75, .fixedPrice = 12}, walkIn, "12",
         0xC0FFC0u},
        {"fixed price before MDRP, painted pink",
         {.itemId = "1005", .genericId = "G5", .fixedPrice = 12, .isMDRP = true, .mdrpPrice = 9}, walkIn, "12",
         0xFF80FFu},
        {"MDRP", {.itemId = "1006", .genericId = "G6", .isMDRP = true, .mdrpPrice = 9}, walkIn, "9", 0xFF80FFu},
    };
    for (const Case& c : cases)
        addItem(db(), c.item);
    addAdmittedPatient(db());  // the in-patient's number is looked up when the focus leaves it
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        openShown();
        c.customer(*form);
        enter(1, 1, c.item.itemId);
        EXPECT_EQ(cell(1, frmCashEntry::colCode), c.item.itemId);
        EXPECT_EQ(cell(1, frmCashEntry::colUnitPrice), c.unitPrice);
        EXPECT_EQ(cell(1, frmCashEntry::colPriceBase), c.unitPrice);
        EXPECT_EQ(cell(1, frmCashEntry::colDescription), "PARACETAMOL 500 MG TABLET");
        EXPECT_EQ(grid()->col(), frmCashEntry::colQuantity) << "the cursor moves on to the quantity";
        EXPECT_EQ(codeColour(1), c.colour);
    }
}

TEST_F(frmCashEntryItemsTest, LookUpRefusals) {
    addItem(db(), {.itemId = "1001", .onHand = 5});
    addItem(db(), {.itemId = "2002", .name = "AMOXICILLIN", .description = "500 MG CAP", .genericId = "G2", .itemStatus = 1});
    addItem(db(), {.itemId = "3003", .name = "CEFALEXIN", .genericId = "G3", .onHand = 0});
    gAllowZeroOnHand = true;
    openShown();
    enter(1, 1, "1001");
    ASSERT_EQ(cell(1, 1), "1001");

    enter(2, 1, "1001");
    EXPECT_EQ(platform.messages->last().text, "The same item was already requested");
    EXPECT_EQ(platform.messages->last().icon(), vbExclamation);
    EXPECT_EQ(cell(2, 1), "");

    enter(2, 1, "9999");
    EXPECT_EQ(platform.messages->last().text, "Item code not found.");
    EXPECT_EQ(cell(2, 1), "");

    enter(2, 1, "2002");
    EXPECT_EQ(platform.messages->last().text, "AMOXICILLIN 500 MG CAP was set to inactive.");
    EXPECT_EQ(cell(2, 1), "");

    enter(2, 1, "3003");
    EXPECT_EQ(platform.messages->last().text,
              "CEFALEXIN has no stocks left. The system can't process the specified item.");
    EXPECT_TRUE(form->BlankRow(2));
    EXPECT_EQ(cell(1, 1), "1001");

    picker->answers = {QString()};
    enter(2, 1, "para");
    EXPECT_EQ(picker->searches.last(), "para");
    EXPECT_EQ(cell(2, 1), "");
}

TEST_F(frmCashEntryItemsTest, QuantityCommit) {
    addItem(db(), {.itemId = "1001", .onHand = 5, .priceIn = 5.25, .priceOut = 4.75});
    openShown();
    enter(1, 1, "1001");
    struct Case { const char* name; QString typed; QString message; QString quantity; };
    const Case cases[] = {
        {"zero", "0", "Quantity is invalid.", ""},
        {"decimal", "1.5", "Invalid quantity because of the decimal.", ""},
        {"equal to the stock", "5", "", "5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform.messages->clear();
        enter(1, 8, c.typed);
        EXPECT_EQ(platform.messages->boxes().empty() ? QString() : platform.messages->last().text, c.message);
        EXPECT_EQ(cell(1, 8), c.quantity);
    }
    EXPECT_EQ(cell(1, frmCashEntry::colGross), "23.75");
    EXPECT_EQ(cell(1, frmCashEntry::colInPatientAmount), "26.25");
    EXPECT_EQ(cell(1, frmCashEntry::colOutPatientAmount), "23.75");
    EXPECT_EQ(cell(1, frmCashEntry::colAmount), "23.75");
    EXPECT_EQ(form->txtTotal->text(), "23.75");
    EXPECT_EQ(grid()->col(), frmCashEntry::colAmount);

    // One above the stock: refused with AllowZeroOnHand, else the over-stock choice.
    gAllowZeroOnHand = true;
    enter(1, 8, "6");
    EXPECT_EQ(platform.messages->last().text, "Stock is not available to fill Prescription. Please enter quantity not "
                                              "greater than the stock on hand.");
    EXPECT_EQ(cell(1, 8), "5");
    gAllowZeroOnHand = false;
    QString choice = QStringLiteral("X");
    platform.modal->onShow("qx::frmOverStock", [&](QWidget& w) {
        w.close();
        static_cast<frmOverStock&>(w).setChoice(choice);
    });
    enter(1, 8, "6");
    EXPECT_EQ(cell(1, 8), "5");
    choice = QStringLiteral("1");
    enter(1, 8, "6");
    EXPECT_EQ(cell(1, 8), "6");
    EXPECT_EQ(platform.modal->shown().count("qx::frmOverStock"), 2);
}

TEST_F(frmCashEntryItemsTest, SeniorCitizenOptionTakesTheVATOut) {
    gPharmaOptDiscountType = true;
    gDefaultDiscount = 0;
    gInvSwitchVATExemptItems = true;
    addItem(db(), {.itemId = "1001", .onHand = 50, .priceOut = 112, .seniorDiscounted = true});
    addItem(db(), {.itemId = "2002", .name = "AMOXICILLIN", .genericId = "G2", .onHand = 50, .priceOut = 112, .seniorDiscounted = false});
    openShown();
    enter(1, 1, "1001");
    enter(1, 8, "1");
    enter(2, 1, "2002");
    enter(2, 8, "1");
    form->optSeniorCitizen->setChecked(true);
    const auto figures = [&](int row) {
        return QStringList{cell(row, 11), cell(row, 12), cell(row, 13), cell(row, 14)};
    };
    EXPECT_EQ(figures(1), (QStringList{"12.00", "100.00", "20.00", "80.00"}));
    EXPECT_EQ(figures(2), (QStringList{"12.00", "100.00", "0.00", "100.00"}));
    EXPECT_TRUE(form->mVATExemptClass);
    EXPECT_EQ(grid()->colWidth(frmCashEntry::colVAT), 1128);
    EXPECT_EQ(form->txtTotal->text(), "180");
    EXPECT_EQ(form->txtDiscount->text(), "20");

    form->optNone->setChecked(true);
    EXPECT_EQ(figures(1), (QStringList{"0.00", "112.00", "0.00", "112.00"}));
    EXPECT_EQ(figures(2), (QStringList{"0.00", "112.00", "0.00", "112.00"}));
    EXPECT_EQ(grid()->colWidth(frmCashEntry::colVAT), 0);
    EXPECT_EQ(form->txtDiscount->text(), "0");
}

TEST_F(frmCashEntryItemsTest, OthersNeedsAClass) {
    gPharmaOptDiscountType = true;
    openShown();
    form->optManual->setChecked(true);
    EXPECT_FALSE(form->checkDiscountType());
    EXPECT_EQ(platform.messages->last().text, "Please select discount type!");
    EXPECT_EQ(platform.messages->last().title, "Discount Type");
    form->optNone->setChecked(true);
    EXPECT_TRUE(form->checkDiscountType());
}

} // namespace
} // namespace qx::test

namespace qx::test {
namespace {

class frmCashEntryDiscountTest : public frmCashEntryItemsTest {
protected:
    void addClass(const QString& code, const QString& name, double rate, bool atCost) {
        db().execute(QStringLiteral("INSERT INTO build_file.tbCoRevenueCode (RevenueID, ItemName, LGRP, CashierActive, "
                                    "PHActive, RecordStatus) VALUES (?, ?, 'D', 'Y', 'Y', 'A')"),
                     {code, name});
        db().execute(QStringLiteral("INSERT INTO build_file.tbCoDiscountRates (DiscountCode, RevenueID, Rate, ChargeAtCost) "
                                    "VALUES (?, 'PH', ?, ?)"),
                     {code, rate, atCost ? 1 : 0});
    }
    // Chooses the class as the user does and applies it.
    void chooseClass(const QString& text) {
        QComboBox* box = gPharmaOptDiscountType ? form->cboOthers : form->cboClass;
        box->setCurrentIndex(box->findText(text));
        if (gPharmaOptDiscountType) {
            form->optManual->setChecked(true);
            form->cboOthers_Click();
            form->cmdComputeDisc_Click();
        } else {
            form->chkTypeA->setChecked(true);
            box->setCurrentIndex(box->findText(text));
            form->cboClass_Click();
            form->cmdApplyA_Click();
        }
    }
};

TEST_F(frmCashEntryDiscountTest, ClassesOverOneLineOf112) {
    addClass("CF", "SENIOR CITIZENS DISCOUNT", 20, false);
    addClass("CZ", "CASH DISCOUNT", 10, false);
    addClass("AC", "AT COST", 0, true);
    addItem(db(), {.itemId = "1001", .onHand = 50, .priceOut = 112, .averageCost = 80, .seniorDiscounted = true});
    struct Case {
        const char* name;
        const char* site;
        bool optionLayout;
        bool switch106;
        const char* classText;
        QStringList figures;  // VAT, taxable, discount, amount
        int vatWidth;
    };
    const Case cases[] = {
        {"CF in the class layout", "ABC", false, true, "CF-SENIOR CITIZENS DISCOUNT", {"12.00", "100.00", "20.00", "80.00"}, 1128},
        {"CF without VAT items kept apart", "ABC", false, false, "CF-SENIOR CITIZENS DISCOUNT", {"0.00", "112.00", "22.40", "89.60"}, 1128},
        {"plain 10 % in the option layout", "ABC", true, true, "CZ-CASH DISCOUNT", {"0.00", "112.00", "11.20", "100.80"}, 0},
        {"at cost", "ABC", true, true, "AC-AT COST", {"0.00", "112.00", "32.00", "80.00"}, 0},
        {"plain 10 % at RUQ", "RUQ", false, true, "CZ-CASH DISCOUNT", {"12", "100", "10", "102"}, 1128},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gSiteCode = QString::fromLatin1(c.site);
        gPharmaOptDiscountType = c.optionLayout;
        gDefaultDiscount = 0;
        gInvSwitchVATExemptItems = c.switch106;
        openShown();
        enter(1, 1, "1001");
        enter(1, 8, "1");
        chooseClass(QString::fromLatin1(c.classText));
        EXPECT_EQ((QStringList{cell(1, 11), cell(1, 12), cell(1, 13), cell(1, 14)}), c.figures);
        EXPECT_EQ(grid()->colWidth(frmCashEntry::colVAT), c.vatWidth);
        EXPECT_EQ(form->txtTotal->text(), Text(ToDouble(c.figures[3])));
    }
}

TEST_F(frmCashEntryDiscountTest, PriceChangeAddsTheVATAtWOPSA) {
    gAllowPriceChange = true;
    gDiscountVAT = 12;
    addItem(db(), {.itemId = "1001", .onHand = 50, .priceOut = 80});
    for (const auto& [site, amount] : {std::pair{"WOPSA", "224.00"}, std::pair{"ABC", "200.00"}}) {
        SCOPED_TRACE(site);
        gSiteCode = QString::fromLatin1(site);
        openShown();
        // Without WOPSA's preset cash discount, which the price change would apply at once.
        form->chkTypeA->setChecked(false);
        enter(1, 1, "1001");
        enter(1, 8, "2");
        platform.modal->onShow("qx::frmPriceInOut", [](QWidget& w) {
            auto& price = static_cast<frmPriceInOut&>(w);
            w.close();
            price.setItemPrice(100);
            price.setTotalAmount(200);
        });
        grid()->setRow(1);
        grid()->setCol(frmCashEntry::colPriceBase);
        form->grdItemList_DblClick();
        EXPECT_EQ(cell(1, frmCashEntry::colPriceBase), "100");
        EXPECT_EQ(cell(1, frmCashEntry::colAmount), amount);
        EXPECT_EQ(cell(1, frmCashEntry::colGross), amount);
        EXPECT_EQ(cell(1, frmCashEntry::colUnitPrice), "80");
        EXPECT_EQ(cell(1, frmCashEntry::colOutPatientAmount), "200");
    }
}

} // namespace
} // namespace qx::test
