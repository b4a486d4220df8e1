#include "frmEntryItemsFixture.h"

namespace qx::test {
namespace {

TEST_P(frmEntryItemsTest, CodeColumn) {
    openOn();
    struct Case {
        const char* name;
        int row;
        QString typed;
        QStringList pickerAnswers;
        QString code;     // the code cell afterwards
        QString message;  // the last box, "" when none
    };
    const Case cases[] = {
        {"barcode", 1, "4800001", {}, "1001", ""},
        {"numeric code that is no barcode", 2, "1002", {}, "1002", ""},
        {"name to the picker", 3, "CEF", {"1003"}, "1003", ""},
        {"picker cancelled", 4, "ASP", {""}, "", ""},
        {"duplicate", 4, "1001", {}, "", "The same medicine was already requested"},
        {"empty code", 4, "", {}, "", ""},
        {"not found", 4, "9999", {}, "", ""},
        {"inactive", 4, "2002", {}, "", "Drug is inactive. Change Item Status in Inventory Master file."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform.messages->clear();
        picker->answers = c.pickerAnswers;
        enter(c.row, frmEntry::colCode, c.typed);
        EXPECT_EQ(cell(c.row, frmEntry::colCode), c.code);
        EXPECT_EQ(lastMessage(), c.message);
        if (!c.code.isEmpty()) {
            EXPECT_EQ(form->grdItemList->col(), frmEntry::colDosage) << "the cursor moves on to the dosage";
        } else {
            EXPECT_TRUE(form->txtEntry()->isVisible());
            EXPECT_EQ(form->grdItemList->row(), c.row);
        }
    }
    // An empty code is no number either: the picker opens on it.
    EXPECT_EQ(picker->calls, (QStringList{"CEF@20", "ASP@20", "@20"}));
    EXPECT_TRUE(picker->drugsOrCsr);
    EXPECT_EQ(cell(1, frmEntry::colDescription), "PARACETAMOL 500 MG TABLET");
    EXPECT_EQ(cell(1, frmEntry::colUnitPrice), "5.25");
    EXPECT_EQ(cell(1, frmEntry::colAmount), "0.00");
    EXPECT_EQ(form->lblPatInfo[6]->text(), "0.00");
}

TEST_P(frmEntryItemsTest, RefusalsOfTheEntryFill) {
    gAllowZeroOnHand = true;
    openOn();
    enter(1, frmEntry::colCode, "3003");
    EXPECT_EQ(lastMessage(), "INSULIN has no stocks left. The system can't process the specified item.");
    EXPECT_EQ(cell(1, frmEntry::colCode), "");
    EXPECT_EQ(cell(1, frmEntry::colDescription), "");

    // Empty patient box: nothing is looked up.
    form->txtFind->clear();
    enter(2, frmEntry::colCode, "1001");
    EXPECT_EQ(lastMessage(), "Please enter Patient's ID Number.");
    EXPECT_EQ(cell(2, frmEntry::colCode), "");
}

TEST_P(frmEntryItemsTest, CashBasisPatientIsRefusedRestrictedItems) {
    db().execute(QStringLiteral("UPDATE patient_data.tbPatient SET CashBasisOnly = 1 WHERE IDNum = '1001'"));
    db().execute(QStringLiteral("UPDATE tbInvMaster SET Unrestricted = CASE WHEN ItemID = '1002' THEN 0 ELSE 1 END"));
    openOn();
    ASSERT_TRUE(form->blnRestrictedItemsOnly());
    platform.messages->clear();
    enter(1, frmEntry::colCode, "1002");
    EXPECT_EQ(lastMessage(), "Charging AMOXICILLIN (1002) is restricted for cash-basis patients.");
    EXPECT_EQ(platform.messages->last().icon(), vbExclamation);
    EXPECT_EQ(cell(1, frmEntry::colCode), "");
    platform.messages->clear();
    enter(1, frmEntry::colCode, "1001");
    EXPECT_EQ(lastMessage(), "");
    EXPECT_EQ(cell(1, frmEntry::colCode), "1001");
}

TEST_P(frmEntryItemsTest, GenericSiteTakesTheFirstItemOfTheGeneric) {
    gDrugListByGeneric = true;
    openOn();
    enter(1, frmEntry::colCode, "77");
    EXPECT_EQ(cell(1, frmEntry::colCode), "1002");
    picker->answers = {"77"};
    enter(2, frmEntry::colCode, "AMOX");
    EXPECT_EQ(lastMessage(), "The same medicine was already requested") << "the generic's item is on line 1";
    EXPECT_EQ(picker->calls, (QStringList{"<none>@<none>"}));
}

TEST_P(frmEntryItemsTest, KelvarLocationAndECartLocationHoldForTheRun) {
    addItem(db(), {.itemId = "1001", .location = "109", .onHand = 3, .priceIn = 5.25});
    db().execute(QStringLiteral("DELETE FROM patient_data.tbHospitalInfo"));
    db().execute(QStringLiteral("INSERT INTO patient_data.tbHospitalInfo (Kelvarin) VALUES (1)"));
    gPharmaSwitches.Load(db(), gSiteCode);
    ASSERT_TRUE(gPharmaSwitches.IsKelvarHospital());
    platform.modal->onShow<frmListDrugs>([](frmListDrugs& w) {
        w.setLocationID(QStringLiteral("109"));
        w.close();
    });
    openOn();
    enter(1, frmEntry::colCode, "1001");
    EXPECT_EQ(gLocationID, "109");
    EXPECT_EQ(cell(1, frmEntry::colStock), "3");

    // E-cart mode: the e-cart location, wherever the user was.
    resetSwitches();
    gECartLocationID = QStringLiteral("30");
    addItem(db(), {.itemId = "1002", .location = "30", .onHand = 4});
    setPharmaSwitch(QStringLiteral("1"), true);
    db().execute(QStringLiteral("UPDATE patient_data.tbPatient SET CashBasisOnly = 1 WHERE IDNum = '1001'"));
    platform.messages->answer(vbYes);
    openOn();
    ASSERT_TRUE(form->blnUseECartLocation());
    enter(1, frmEntry::colCode, "1002");
    EXPECT_EQ(gLocationID, "30");
    EXPECT_EQ(cell(1, frmEntry::colStock), "4");
}

TEST_P(frmEntryItemsTest, DosageTakesItsFrequencyThroughTheQuantityCommit) {
    gShowColorAntibioticClass = true;
    db().execute(QStringLiteral("UPDATE tbInvMaster SET AntibioticClassID = '2' WHERE ItemID = '1001'"));
    openOn();
    enter(1, frmEntry::colCode, "1001");
    enter(1, frmEntry::colDosage, "tid");
    EXPECT_EQ(cell(1, frmEntry::colDosage), "TID");
    EXPECT_EQ(cell(1, frmEntry::colQuantity), "3");
    EXPECT_EQ(cell(1, frmEntry::colAmount), "15.75");
    EXPECT_EQ(form->lblPatInfo[6]->text(), "15.75");
    form->grdItemList->setRow(1);
    form->grdItemList->setCol(frmEntry::colCode);
    EXPECT_TRUE(form->grdItemList->cellFontBold());
    EXPECT_EQ(form->grdItemList->cellForeColor(), 0xFF0000u);

    // Unknown text: the picker; its answer decides.
    dosages->answer = QStringLiteral("QID");
    enter(2, frmEntry::colCode, "1002");
    enter(2, frmEntry::colDosage, "XYZ");
    EXPECT_EQ(dosages->shown, 1);
    EXPECT_EQ(cell(2, frmEntry::colDosage), "QID");
    EXPECT_EQ(cell(2, frmEntry::colQuantity), "4");

    // A frequency above the stock where that is refused: the dosage stays, the quantity is typed.
    gAllowZeroOnHand = true;
    db().execute(QStringLiteral("UPDATE tbInvent SET OnHand = 2 WHERE ItemID = '1003'"));
    enter(3, frmEntry::colCode, "1003");
    enter(3, frmEntry::colDosage, "QID");
    EXPECT_EQ(cell(3, frmEntry::colDosage), "QID");
    EXPECT_EQ(cell(3, frmEntry::colQuantity), "");

    dosages->answer.clear();
    enter(4, frmEntry::colCode, "3003");
    enter(4, frmEntry::colDosage, "NONE");
    EXPECT_EQ(cell(4, frmEntry::colDosage), "");
    EXPECT_TRUE(form->txtEntry()->isVisible());
}

TEST_P(frmEntryItemsTest, QuantityChecks) {
    openOn();
    enter(1, frmEntry::colCode, "1001");  // stock 10 at 5.25
    struct Case {
        const char* name;
        QString typed;
        QString message;
        QString quantity;
    };
    const Case cases[] = {
        {"zero", "0", "Quantity is invalid.", ""},
        {"negative", "-1", "Quantity is invalid.", ""},
        {"text", "ABC", "Quantity is invalid.", ""},
        {"fraction", "2.5", "Invalid quantity because of the decimal.", ""},
        {"equal to the stock", "10", "", "10"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform.messages->clear();
        enter(1, frmEntry::colQuantity, c.typed);
        EXPECT_EQ(lastMessage(), c.message);
        EXPECT_EQ(cell(1, frmEntry::colQuantity), c.quantity);
    }
    EXPECT_EQ(platform.modal->shown().size(), 0u);
    EXPECT_EQ(cell(1, frmEntry::colAmount), "52.50");
    EXPECT_EQ(form->lblPatInfo[6]->text(), "52.50");

    gAllowZeroOnHand = true;
    enter(1, frmEntry::colQuantity, "11");
    EXPECT_EQ(lastMessage(), "Stock is not available to fill Prescription. Please enter quantity not greater than "
                             "the stock onhand.");
    EXPECT_EQ(platform.messages->last().title, "MESSAGE");
    EXPECT_EQ(cell(1, frmEntry::colQuantity), "10");
    EXPECT_EQ(cell(1, frmEntry::colAmount), "52.50");
}

TEST_P(frmEntryItemsTest, OverStockPrompt) {
    openOn();
    enter(1, frmEntry::colCode, "1001");
    struct Case {
        const char* name;
        QString choice, logChoice;
        QStringList pickerAnswers;
        QString code, quantity, amount, column14;
        QString message;
    };
    const Case cases[] = {
        {"cancel", "X", "Cancel", {}, "1001", "", "0.00", "Cancel", ""},
        {"proceed", "1", "Proceed With Transaction", {}, "1001", "12", "63.00", "Proceed With Transaction", ""},
        {"substitute not chosen", "2", "Find Substitute Drug", {""}, "1001", "12", "63.00", "Find Substitute Drug", ""},
        {"substitute not found", "2", "Find Substitute Drug", {"9999"}, "1001", "12", "63.00", "Find Substitute Drug",
         "Drug code not found!"},
        {"substitute found", "2", "Find Substitute Drug", {"1002"}, "1002", "13", "13.00", "Find Substitute Drug", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform.messages->clear();
        picker->answers = c.pickerAnswers;
        overStockAnswers(c.choice, c.logChoice);
        enter(1, frmEntry::colQuantity, c.name == QLatin1String("substitute found") ? "13" : "12");
        EXPECT_EQ(cell(1, frmEntry::colCode), c.code);
        EXPECT_EQ(cell(1, frmEntry::colQuantity), c.quantity);
        EXPECT_EQ(cell(1, frmEntry::colAmount), c.amount);
        EXPECT_EQ(cell(1, frmEntry::colOverStockChoice), c.column14);
        EXPECT_EQ(lastMessage(), c.message);
    }
    EXPECT_EQ(cell(1, frmEntry::colDescription), "AMOXICILLIN 500 MG CAP");
    // A remark clears the choice of the last quantity commit.
    enter(1, frmEntry::colRemarks, "AFTER MEALS");
    EXPECT_EQ(cell(1, frmEntry::colRemarks), "AFTER MEALS");
    EXPECT_EQ(cell(1, frmEntry::colOverStockChoice), "");
}

TEST_P(frmEntryItemsTest, LargeQuantityQuestion) {
    addItem(db(), {.itemId = "1004", .name = "SALINE", .genericId = "G6", .onHand = 500, .priceIn = 50.01});
    openOn();
    enter(1, frmEntry::colCode, "1002");  // 1.00
    enter(2, frmEntry::colCode, "1003");  // 50.00
    enter(3, frmEntry::colCode, "1004");  // 50.01
    QStringList asked;
    qint16 answer = 2;
    platform.modal->onShow<frmOverQty>([&](frmOverQty& w) {
        asked << w.DrugName() + u'|' + Text(w.Quantity()) + u'|' + Text(w.UnitPrice());
        w.setChoice(answer);
        w.close();
    });
    overStockAnswers("X", "Cancel");
    enter(1, frmEntry::colQuantity, "101");  // over the stock of 10: cancelled, no question
    EXPECT_TRUE(asked.isEmpty());
    db().execute(QStringLiteral("UPDATE tbInvent SET OnHand = 500 WHERE ItemID = '1002'"));
    enter(1, frmEntry::colCode, "1002");
    enter(1, frmEntry::colQuantity, "101");
    EXPECT_EQ(asked, (QStringList{"AMOXICILLIN 500 MG CAP|101|1"}));
    EXPECT_EQ(cell(1, frmEntry::colQuantity), "") << "No keeps the editor open";
    answer = 1;
    enter(1, frmEntry::colQuantity, "101");
    EXPECT_EQ(cell(1, frmEntry::colQuantity), "101");
    enter(2, frmEntry::colQuantity, "100");
    EXPECT_EQ(asked.size(), 2) << "5000.00 is not above 5000";
    EXPECT_EQ(cell(2, frmEntry::colAmount), "5000.00");
    enter(3, frmEntry::colQuantity, "100");
    EXPECT_EQ(asked.size(), 3);
    EXPECT_EQ(cell(3, frmEntry::colAmount), "5001.00");
}

TEST_P(frmEntryItemsTest, RecodedLineKeepsItsQuantity) {
    openOn();
    enter(1, frmEntry::colCode, "1001");
    enter(1, frmEntry::colQuantity, "4");
    EXPECT_EQ(cell(1, frmEntry::colAmount), "21.00");
    enter(1, frmEntry::colCode, "1002");
    EXPECT_EQ(cell(1, frmEntry::colQuantity), "4");
    EXPECT_EQ(cell(1, frmEntry::colAmount), "4.00");
    EXPECT_EQ(form->lblPatInfo[6]->text(), "4.00");
}

TEST_P(frmEntryItemsTest, PriceChange) {
    openOn();
    enter(1, frmEntry::colCode, "1001");
    enter(1, frmEntry::colQuantity, "4");
    enter(2, frmEntry::colCode, "1002");
    QStringList opened;
    platform.modal->onShow<frmPriceInOut>([&](frmPriceInOut& w) {
        opened << w.ItemDesc() + u'|' + Text(w.ItemQuantity()) + u'|' + Text(w.ItemPrice()) + u'|' +
                      Text(w.NewItemPrice()) + u'|' + Text(w.TotalAmount());
        w.setItemPrice(6);
        w.setTotalAmount(24);
        w.close();
    });
    const auto doubleClickAmount = [&](int row) {
        form->grdItemList->setRow(row);
        form->grdItemList->setCol(frmEntry::colAmount);
        form->grdItemList_DblClick();
    };
    doubleClickAmount(1);
    EXPECT_TRUE(opened.isEmpty()) << "AllowPriceChange off";
    gAllowPriceChange = true;
    doubleClickAmount(2);
    EXPECT_TRUE(opened.isEmpty()) << "no quantity yet";
    doubleClickAmount(1);
    EXPECT_EQ(opened, (QStringList{"PARACETAMOL 500 MG TABLET|4|5.25|5.25|21"}));
    EXPECT_EQ(cell(1, frmEntry::colUnitPrice), "6.00");
    EXPECT_EQ(cell(1, frmEntry::colAmount), "24.00");

    // At JAWKC only item 14004, whatever the setting was.
    gSiteCode = QStringLiteral("JAWKC");
    doubleClickAmount(1);
    EXPECT_EQ(opened.size(), 1);
    EXPECT_FALSE(gAllowPriceChange);
    form->grdItemList->setTextMatrix(1, frmEntry::colCode, QStringLiteral("14004"));
    doubleClickAmount(1);
    EXPECT_EQ(opened.size(), 2);
    EXPECT_TRUE(gAllowPriceChange);
}

QX_ON_BOTH_ENGINES(frmEntryItemsTest);

} // namespace
} // namespace qx::test
