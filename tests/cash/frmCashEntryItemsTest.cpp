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

namespace qx::test {
namespace {

// The customer's plan and the hospital's pricing settings, each case on a fresh item.
TEST_F(frmCashEntryItemsTest, PriceRuleByCustomerPlan) {
    addAdmittedPatient(db());  // room class A
    db().execute(QStringLiteral("INSERT INTO build_file.tbCoRoomClass (RoomClassID, RoomClass, MarkUp) VALUES ('A', 'PRIVATE', 15)"));
    db().execute(QStringLiteral("INSERT INTO build_file.tbCoCompany (AccountNum, Company, Class) VALUES ('HMO1', 'CARE PLUS', 'P')"));
    addAdmittedPatient(db(), {.idNum = QStringLiteral("1002"), .roomId = QStringLiteral("302"),
                              .roomClassId = QStringLiteral("B"), .accountNum = QStringLiteral("HMO1")});
    db().execute(QStringLiteral("INSERT INTO build_file.tbCoVelmiraPatient (PatientID, Velmira) VALUES ('1002', 1)"));
    const auto patient = [](const char* idNum) {
        return [idNum](frmCashEntry& w) {
            w.chkInPatient->setChecked(true);
            w.txtIdNumber->setText(QString::fromLatin1(idNum));
            bool notFound = false;
            w.ValidateIDNum(notFound, 2);
        };
    };
    const auto nobody = [](frmCashEntry&) {};
    struct Case {
        const char* name;
        std::function<void()> settings;
        std::function<void(frmCashEntry&)> customer;
        const char* unitPrice;
    };
    const Case cases[] = {
        {"socialized: in-patient price with the room mark-up", [] { gSocializePricing = true; }, patient("1001"), "6.9"},
        {"socialized at ZMX: average cost with the mark-up", [] { gSocializePricing = true; gSiteCode = "ZMX"; },
         patient("1001"), "4.6"},
        {"socialized, room without mark-up: the rest of the rule", [] { gSocializePricing = true; }, patient("1002"),
         "6"},
        {"sponsorship member", [] { gVelmira = true; }, patient("1002"), "3.33"},
        {"sponsorship non-member", [] { gVelmira = true; }, patient("1001"), "4"},
        {"sponsorship box ticked for a walk-in", [] { gVelmira = true; },
         [](frmCashEntry& w) { w.chkVelmira->setChecked(true); }, "3.33"},
        {"sponsorship ignores dialysis", [] { gVelmira = true; gSiteCode = "TZNH"; },
         [](frmCashEntry& w) { w.chkDialysis->setChecked(true); }, "4"},
        {"HMO patient", [] { gHMOMarkup = true; }, patient("1002"), "7.77"},
        {"HMO setting, other patient: the out-patient price", [] { gHMOMarkup = true; }, patient("1001"), "4"},
        {"mark-up group", [] { gMarkUpGroup = true; }, nobody, "12"},
        {"VAT-exempt item with switch 25", [] { gInvSwitchVATExemptItems = true; }, nobody, "6"},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        resetHospitalSettings();
        resetSwitches();
        gSiteCode.clear();
        const QString code = QString::number(5001 + n++);
        addItem(db(), {.itemId = code, .genericId = QStringLiteral("G") + code, .priceIn = 6, .priceOut = 4,
                       .averageCost = 4, .vatExempt = true});
        db().execute(QStringLiteral("UPDATE tbInvent SET RateA = 10, MarkupOut = 20, MarkupIn = 30 WHERE ItemID = ?"), {code});
        db().execute(QStringLiteral("INSERT INTO tbPharmaItemPrice (ItemID, LocationID, PriceKind, Price) VALUES "
                                    "(?, '20', 'VELMIRA', 3.33), (?, '20', 'HMO', 7.77)"),
                     {code, code});
        c.settings();
        if (QString::fromLatin1(c.name).contains(QLatin1String("switch 25")))
            setPharmaSwitch(QStringLiteral("25"), true);
        openShown();
        c.customer(*form);
        enter(1, 1, code);
        EXPECT_EQ(cell(1, frmCashEntry::colUnitPrice), c.unitPrice);
    }
}

// Columns 28 (list cost at TRAVU, else rate A), 36 (ZMX only) and 37 (with switch 106).
TEST_F(frmCashEntryItemsTest, ColumnsBySiteAndSwitch) {
    addItem(db(), {.itemId = "1001", .listCost = 2.5});
    db().execute(QStringLiteral("UPDATE tbInvent SET RateA = 10, MarkupIn = 30"));
    struct Case { const char* site; bool switch106; const char* listCost, *siteMarkUp, *vatExempt; };
    const Case cases[] = {
        {"TRAVU", false, "2.5", "", ""},
        {"ZMX", true, "10", "30", "0"},
        {"", true, "10", "", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.site);
        gSiteCode = QString::fromLatin1(c.site);
        gInvSwitchVATExemptItems = c.switch106;
        openShown();
        enter(1, 1, "1001");
        EXPECT_EQ(cell(1, frmCashEntry::colListCost), c.listCost);
        EXPECT_EQ(cell(1, frmCashEntry::colSiteInPatientMarkUp), c.siteMarkUp);
        EXPECT_EQ(cell(1, frmCashEntry::colVATExemptItem), c.vatExempt);
    }
}

// The card's monthly allowance decides the manufacturer's discount of a line without a card discount.
TEST_F(frmCashEntryItemsTest, CardAllowance) {
    addItem(db(), {.itemId = "1001"});
    addItem(db(), {.itemId = "1002", .genericId = "G2"});
    db().execute(QStringLiteral("UPDATE tbInvent SET MacDiscPercent = 5"));
    db().execute(QStringLiteral("INSERT INTO tbPharmaCardType (CardTypeID, CardTypeName, Status) VALUES (1, 'GOLD', 'A')"));
    db().execute(QStringLiteral("INSERT INTO tbPharmaCardMaster (CardNum, LastName, FirstName, CardTypeID) VALUES ('100200', 'LIM', 'ROSA', 1)"));
    db().execute(QStringLiteral("INSERT INTO tbPharmaCardDiscount (CardTypeID, ItemID, Discount, MonthlyAllowance) "
                                "VALUES ('1', '1001', 3, NULL), ('1', '1002', 0, NULL)"));
    const QString warning = QStringLiteral("Sorry but you have reached the allowed purchases for this item within this "
                                           "month. No manufacturer's discount will be applied.");
    struct Case { const char* name; bool validate; const char* card; const char* item; bool warned; const char* mfr; };
    const Case cases[] = {
        {"card discount: no allowance check", true, "100200", "1001", false, "5"},
        {"no card discount, allowance used up", true, "100200", "1002", true, "0"},
        {"validation off", false, "100200", "1002", false, "5"},
        {"blank card text is checked too", true, "  ", "1002", true, "0"},
        {"empty card box", true, "", "1002", false, "5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gValidateCardNumber = c.validate;
        openShown();
        platform.messages->clear();
        form->txtZarviCard->setText(QString::fromLatin1(c.card));
        form->lblCardTypeID->setText(QStringLiteral("1"));
        enter(1, 1, c.item);
        EXPECT_EQ(platform.messages->texts().contains(warning), c.warned);
        if (c.warned) {
            EXPECT_EQ(platform.messages->last().title, "WARNING");
        }
        EXPECT_EQ(cell(1, frmCashEntry::colMfrDiscountPercent), c.mfr);
    }
}

TEST_F(frmCashEntryItemsTest, BarcodeAndGenericEntry) {
    addItem(db(), {.itemId = "1001", .genericId = "501", .barcode = "4800123456789"});
    addItem(db(), {.itemId = "1002", .genericId = "502"});
    openShown();
    enter(1, 1, "4800123456789");
    EXPECT_EQ(cell(1, frmCashEntry::colCode), "1001") << "a barcode enters its item";

    gDrugListByGeneric = true;
    enter(2, 1, "501");
    EXPECT_EQ(platform.messages->last().text, "The same item was already requested")
        << "the generic's item is compared after conversion";
    EXPECT_EQ(cell(2, 1), "");
    enter(2, 1, "502");
    EXPECT_EQ(cell(2, frmCashEntry::colCode), "1002");
}

} // namespace
} // namespace qx::test

namespace qx::test {
namespace {

// Over the stock, "Find Substitute Drug": whatever the picker answers, the typed quantity is
// committed, on the substitute when one is taken and on the line's own item otherwise.
TEST_F(frmCashEntryItemsTest, OverStockSubstitute) {
    addItem(db(), {.itemId = "1001", .onHand = 5, .priceOut = 4.75});
    addItem(db(), {.itemId = "2002", .name = "AMOXICILLIN", .description = "500 MG CAP", .genericId = "G2", .onHand = 3,
                   .priceOut = 10});
    addItem(db(), {.itemId = "3003", .name = "CEFALEXIN", .description = "250 MG CAP", .genericId = "G3", .onHand = 9,
                   .priceOut = 7});
    db().execute(QStringLiteral("UPDATE tbInvent SET MarkupIn = 30 WHERE ItemID = '1001'"));
    platform.modal->onShow("qx::frmOverStock", [](QWidget& w) {
        w.close();
        static_cast<frmOverStock&>(w).setChoice(QStringLiteral("2"));
    });
    struct Case {
        const char* name;
        QString answer;  // the picker's
        QString message;
        QString code, description, amount;
    };
    const Case cases[] = {
        {"a substitute, taking the quantity above its own stock", "2002", "", "2002", "AMOXICILLIN 500 MG CAP", "60.00"},
        {"the picker cancelled", "", "", "1001", "PARACETAMOL 500 MG TABLET", "28.50"},
        {"a code the catalogue lacks", "9999", "Drug code not found!", "1001", "PARACETAMOL 500 MG TABLET", "28.50"},
        {"an item already on another line", "3003", "The same item was already requested", "1001",
         "PARACETAMOL 500 MG TABLET", "28.50"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gSiteCode = QStringLiteral("ZMX");
        openShown();
        enter(1, 1, "1001");
        ASSERT_EQ(cell(1, frmCashEntry::colSiteInPatientMarkUp), "30") << "written by the look-up";
        enter(2, 1, "3003");
        platform.messages->clear();
        picker->answers = {c.answer};
        enter(1, 8, "6");
        EXPECT_EQ(platform.messages->boxes().empty() ? QString() : platform.messages->last().text, c.message);
        if (!c.message.isEmpty()) {
            EXPECT_EQ(platform.messages->last().icon(), vbExclamation);
        }
        EXPECT_EQ(cell(1, frmCashEntry::colCode), c.code);
        EXPECT_EQ(cell(1, frmCashEntry::colDescription), c.description);
        EXPECT_EQ(cell(1, frmCashEntry::colQuantity), "6");
        EXPECT_EQ(cell(1, frmCashEntry::colAmount), c.amount);
        EXPECT_EQ(cell(2, frmCashEntry::colCode), "3003") << "the other line stays";
        if (c.code == QLatin1String("2002")) {
            EXPECT_EQ(cell(1, frmCashEntry::colStock), "3");
            EXPECT_EQ(cell(1, frmCashEntry::colSiteInPatientMarkUp), "") << "not written for a substitute";
        }
    }
    EXPECT_EQ(picker->searches, QStringList(4, QStringLiteral("<none>"))) << "the picker opens without a search text";
}

} // namespace
} // namespace qx::test

namespace qx::test {
namespace {

// The option layout at KTH: "Others" lists the classes of Pharma_LoadDiscount, and with no option
// chosen the class's rate decides the discount where elsewhere the class box's rate does.
TEST_F(frmCashEntryDiscountTest, KTHOthersListAndRateWithoutAnOption) {
    addClass("CZ", "CASH DISCOUNT", 10, false);
    addClass("CF", "SENIOR CITIZENS DISCOUNT", 20, false);
    addItem(db(), {.itemId = "1001", .onHand = 50, .priceOut = 100, .seniorDiscounted = false});
    gPharmaOptDiscountType = true;
    gInvSwitchVATExemptItems = false;
    gDiscountSeniorCitizen = 20;
    struct Case { const char* site; const char* option; const char* classBoxRate; const char* discount, *amount; };
    const Case cases[] = {
        {"KTH", "", "", "10.00", "90.00"},
        {"KTH", "", "5", "10.00", "90.00"},
        {"ABC", "", "", "0.00", "100.00"},
        {"ABC", "", "5", "5.00", "95.00"},
        {"KTH", "manual", "", "10.00", "90.00"},
        {"KTH", "none", "5", "0.00", "100.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.site) + " option '" + c.option + "' class box " + c.classBoxRate);
        gSiteCode = QString::fromLatin1(c.site);
        gDefaultDiscount = 1;  // no option chosen at load
        openShown();
        EXPECT_FALSE(form->optNone->isChecked() || form->optSeniorCitizen->isChecked() || form->optManual->isChecked());
        EXPECT_EQ(form->cboOthers->count(), 3);
        EXPECT_EQ(form->cboOthers->itemText(1), "CZ-CASH DISCOUNT");
        enter(1, 1, "1001");
        enter(1, 8, "1");
        if (QLatin1String(c.option) == QLatin1String("manual"))
            form->optManual->setChecked(true);
        form->cboOthers->setCurrentIndex(1);
        form->cboOthers_Click();
        EXPECT_EQ(form->txtDscRate->text(), "10");
        form->cmbA->setEditText(QString::fromLatin1(c.classBoxRate));
        if (QLatin1String(c.option) == QLatin1String("none"))
            form->optNone->setChecked(true);
        else
            form->cmdComputeDisc_Click();
        EXPECT_EQ(cell(1, frmCashEntry::colDiscount), c.discount);
        EXPECT_EQ(cell(1, frmCashEntry::colAmount), c.amount);
        if (gSiteCode == QLatin1String("KTH") && QLatin1String(c.option) == QLatin1String("none")) {
            for (QWidget* w : std::initializer_list<QWidget*>{form->lblGSISNumber_5, form->txtGSISNumber, form->Label2_0,
                                                              form->txtSCNumber})
                EXPECT_FALSE(w->isVisible());
        }
    }
}

} // namespace
} // namespace qx::test
