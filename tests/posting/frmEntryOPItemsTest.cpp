#include "frmEntryOPItemsFixture.h"

#include "charging/ChargeGrid.h"
#include "charging/ChargeGridNavigation.h"
#include "charging/frmOverQty.h"
#include "charging/frmOverStock.h"
#include "charging/frmPriceInOut.h"
#include "components/DoseForms.h"
#include "components/DrugPicker.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "suite/DoseFormsDosage.h"

#include <QLabel>

namespace qx::test {
namespace {

TEST_P(frmEntryOPItemsTest, CodeColumn) {
    openOn();
    struct Case {
        const char* name;
        int row;
        QString typed;
        QStringList pickerAnswers;
        QString code;     // the code cell afterwards
        QString editor;   // what the editor keeps when nothing was entered
        QString message;  // the last box, "" when none
    };
    const Case cases[] = {
        {"barcode", 1, "4800001", {}, "1001", "", ""},
        {"numeric code that is no barcode", 2, "1002", {}, "1002", "", ""},
        {"name to the picker", 3, "CEF", {"1003"}, "1003", "", ""},
        {"picker cancelled", 4, "ASP", {""}, "", "", ""},
        {"duplicate", 4, "1001", {}, "", "1001", "The same medicine was already requested"},
        {"empty code", 4, "", {}, "", "", ""},
        {"not found, without a word", 4, "9999", {}, "", "9999", ""},
        {"inactive", 4, "2002", {}, "", "2002", "Drug was set to inactive."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform.messages->clear();
        picker->answers = c.pickerAnswers;
        enter(c.row, frmEntryOP::colCode, c.typed);
        EXPECT_EQ(cell(c.row, frmEntryOP::colCode), c.code);
        EXPECT_EQ(lastMessage(), c.message);
        if (c.code.isEmpty()) {
            EXPECT_TRUE(form->txtEntry()->isVisible());
            EXPECT_EQ(form->txtEntry()->text(), c.editor);
        }
    }
    EXPECT_EQ(cell(1, frmEntryOP::colDescription), "PARACETAMOL 500 MG TABLET");
    EXPECT_EQ(cell(1, frmEntryOP::colStock), "10");
    // An empty text is no code either: the picker is shown for it.
    EXPECT_EQ(picker->calls, (QStringList{"CEF@20", "ASP@20", "@20"}));
    // A successful look-up moves on to Dosage Frq.
    enter(5, frmEntryOP::colCode, "4004");
    EXPECT_EQ(form->grdItemList->row(), 5);
    EXPECT_EQ(form->grdItemList->col(), frmEntryOP::colDosage);
    EXPECT_EQ(platform.messages->boxes().back().title, QStringLiteral("MESSAGE"));  // the inactive box
}

TEST_P(frmEntryOPItemsTest, NoVisitNoLookUp) {
    openOn(QString());
    form->grdItemList->setEnabled(true);
    enter(1, frmEntryOP::colCode, "1001");
    EXPECT_EQ(lastMessage(), "Please enter patient's ID number.");
    EXPECT_EQ(platform.messages->last().style, vbInformation);
    EXPECT_EQ(cell(1, frmEntryOP::colCode), "");
    EXPECT_TRUE(form->txtIDNum->hasFocus());
}

TEST_P(frmEntryOPItemsTest, GenericCodeIsConvertedAfterTheDuplicateTest) {
    gDrugListByGeneric = true;
    openOn();
    picker->answers = {"77", "77"};
    enter(1, frmEntryOP::colCode, "AMOX");
    EXPECT_EQ(cell(1, frmEntryOP::colCode), "1002");
    EXPECT_EQ(picker->calls, QStringList{"<none>@<none>"});
    enter(2, frmEntryOP::colCode, "AMOX");
    EXPECT_EQ(cell(2, frmEntryOP::colCode), "");
    EXPECT_EQ(lastMessage(), "The same medicine was already requested");
}

TEST_P(frmEntryOPItemsTest, ItemWithoutStock) {
    openOn();
    enter(1, frmEntryOP::colCode, "3003");
    EXPECT_EQ(cell(1, frmEntryOP::colStock), "0");
    EXPECT_EQ(cell(1, frmEntryOP::colUnitPrice), "4.75");

    const QString brand = cell(1, frmEntryOP::colBrand), uom = cell(1, frmEntryOP::colUOM);
    gAllowZeroOnHand = true;
    form->chargeGrid()->clearLine(1, frmEntryOP::colCode, frmEntryOP::colPosted);
    enter(2, frmEntryOP::colCode, "3003");
    EXPECT_EQ(lastMessage(), "INSULIN has no stocks left. The system can't process the specified item.");
    EXPECT_EQ(cell(2, frmEntryOP::colDescription), "");
    // Brand Name and UOM keep the refused item's texts.
    EXPECT_EQ(cell(2, frmEntryOP::colBrand), brand);
    EXPECT_EQ(cell(2, frmEntryOP::colUOM), uom);
    EXPECT_FALSE(cell(2, frmEntryOP::colBrand).isEmpty() && uom.isEmpty());
    EXPECT_EQ(cell(2, frmEntryOP::colCode), "");
    EXPECT_EQ(cell(2, frmEntryOP::colUnitPrice), "");
}

TEST_P(frmEntryOPItemsTest, EnteredLinesArePricedAndTotalled) {
    openOn();
    enter(1, frmEntryOP::colCode, "1002");
    enter(1, frmEntryOP::colQuantity, "1");
    EXPECT_EQ(form->lblNet->text(), "1.00");
    // Recoded with its quantity: priced by the rule for that quantity, totals with three digits.
    enter(1, frmEntryOP::colCode, "1001");
    EXPECT_EQ(cell(1, frmEntryOP::colUnitPrice), "5");
    EXPECT_EQ(cell(1, frmEntryOP::colListPrice), "5.25");
    EXPECT_EQ(cell(1, frmEntryOP::colAmount), "5.00");
    EXPECT_EQ(cell(1, frmEntryOP::colGross), "5.00");
    EXPECT_EQ(form->lblNet->text(), "005.00");

    enter(2, frmEntryOP::colCode, "4004");
    enter(2, frmEntryOP::colQuantity, "2");
    EXPECT_EQ(cell(2, frmEntryOP::colFixedCharge), "3.5");
    EXPECT_EQ(cell(2, frmEntryOP::colUnitPrice), "2");
    EXPECT_EQ(cell(2, frmEntryOP::colAmount), "7.00");
    EXPECT_EQ(codeBack(2), 0xC0FFC0u);
    enter(3, frmEntryOP::colCode, "5005");
    enter(3, frmEntryOP::colQuantity, "2");
    EXPECT_EQ(cell(3, frmEntryOP::colUnitPrice), "1.25");
    EXPECT_EQ(cell(3, frmEntryOP::colAmount), "2.50");
    EXPECT_EQ(codeBack(3), 0xFF80FFu);
    EXPECT_EQ(codeBack(1), colors::InfoBackground);
    EXPECT_EQ(form->lblNet->text(), "14.50");
}

TEST_P(frmEntryOPItemsTest, QuantityCommit) {
    openOn();
    enter(1, frmEntryOP::colCode, "1001");  // stock 10, 5.00
    struct Case {
        const char* name;
        QString typed;
        QString cellAfter;
        QString amount;
        QString message;
        QString overStockText;
    };
    const Case cases[] = {
        {"empty", "", "", "0.00", "Quantity is invalid.", ""},
        {"zero", "0", "", "0.00", "Quantity is invalid.", ""},
        {"fraction", "2.5", "", "0.00", "Invalid quantity because of the decimal.", ""},
        {"whole with a decimal point kept as typed", "2.0", "2.0", "10.00", "", ""},
        {"equal to the stock", "10", "10", "50.00", "", ""},
        {"over the stock, proceed", "11", "11", "55.00", "", "Proceed With Transaction"},
    };
    overStockAnswers("1", "Proceed With Transaction");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform.messages->clear();
        enter(1, frmEntryOP::colQuantity, c.typed);
        EXPECT_EQ(cell(1, frmEntryOP::colQuantity), c.cellAfter);
        EXPECT_EQ(cell(1, frmEntryOP::colAmount), c.amount);
        EXPECT_EQ(cell(1, frmEntryOP::colGross), c.amount);
        EXPECT_EQ(lastMessage(), c.message);
        EXPECT_EQ(cell(1, frmEntryOP::colOverStock), c.overStockText);
    }
    EXPECT_EQ(form->lblNet->text(), "55.00");

    overStockAnswers("X", "Cancel");
    enter(1, frmEntryOP::colQuantity, "12");
    EXPECT_EQ(cell(1, frmEntryOP::colQuantity), "11");
    EXPECT_EQ(cell(1, frmEntryOP::colOverStock), "Cancel");
    EXPECT_TRUE(form->txtEntry()->isVisible());
    enter(1, frmEntryOP::colRemarks, "after meals");
    EXPECT_EQ(cell(1, frmEntryOP::colRemarks), "after meals");
    EXPECT_EQ(cell(1, frmEntryOP::colOverStock), "");

    gAllowZeroOnHand = true;
    enter(1, frmEntryOP::colQuantity, "12");
    EXPECT_EQ(lastMessage(),
              "Stock is not available to fill Prescription. Please enter quantity not greater than the stock onhand.");
    EXPECT_EQ(platform.messages->last().title, "MESSAGE");
    EXPECT_EQ(cell(1, frmEntryOP::colQuantity), "11");
}

TEST_P(frmEntryOPItemsTest, LargeQuantityQuestion) {
    addItem(db(), {.itemId = "1004", .name = "SALINE", .genericId = "G8", .onHand = 500, .priceOut = 50.01});
    openOn();
    enter(1, frmEntryOP::colCode, "1003");  // 50.00
    enter(2, frmEntryOP::colCode, "1004");  // 50.01
    QStringList asked;
    platform.modal->onShow<frmOverQty>([&](frmOverQty& w) {
        asked << w.DrugName() + u'|' + Text(w.Quantity()) + u'|' + Text(w.UnitPrice());
        w.setChoice(2);
        w.close();
    });
    enter(1, frmEntryOP::colQuantity, "100");
    EXPECT_TRUE(asked.isEmpty()) << "5000.00 is not above 5000";
    EXPECT_EQ(cell(1, frmEntryOP::colAmount), "5000.00");
    enter(2, frmEntryOP::colQuantity, "100");
    EXPECT_EQ(asked, QStringList{"SALINE 500 MG TABLET|100|50.01"});
    EXPECT_EQ(cell(2, frmEntryOP::colQuantity), "") << "refused";
    enter(1, frmEntryOP::colQuantity, "101");
    EXPECT_EQ(asked.size(), 2);
    EXPECT_EQ(cell(1, frmEntryOP::colQuantity), "100");
}

TEST_P(frmEntryOPItemsTest, SubstituteIsPricedAsIfTyped) {
    openOn();
    enter(1, frmEntryOP::colCode, "1002");  // stock 10
    overStockAnswers("2", "Find Substitute Drug");

    picker->answers = {""};
    enter(1, frmEntryOP::colQuantity, "20");
    EXPECT_EQ(cell(1, frmEntryOP::colCode), "1002");
    EXPECT_EQ(cell(1, frmEntryOP::colOverStock), "Find Substitute Drug");

    picker->answers = {"9999"};
    enter(1, frmEntryOP::colQuantity, "20");
    EXPECT_EQ(lastMessage(), "Drug code not found.");
    EXPECT_EQ(cell(1, frmEntryOP::colQuantity), "");

    picker->answers = {"4004"};
    enter(1, frmEntryOP::colQuantity, "20");
    EXPECT_EQ(cell(1, frmEntryOP::colCode), "4004");
    EXPECT_EQ(cell(1, frmEntryOP::colDescription), "SYRINGE 500 MG TABLET");
    EXPECT_EQ(cell(1, frmEntryOP::colStock), "50");
    EXPECT_EQ(cell(1, frmEntryOP::colQuantity), "20");
    EXPECT_EQ(cell(1, frmEntryOP::colFixedCharge), "3.5");
    EXPECT_EQ(cell(1, frmEntryOP::colAmount), "70.00");
    EXPECT_EQ(codeBack(1), 0xC0FFC0u);

    enter(2, frmEntryOP::colCode, "1001");
    picker->answers = {"5005"};
    enter(2, frmEntryOP::colQuantity, "60");
    EXPECT_EQ(cell(2, frmEntryOP::colCode), "5005");
    EXPECT_EQ(cell(2, frmEntryOP::colUnitPrice), "1.25");
    EXPECT_EQ(cell(2, frmEntryOP::colAmount), "75.00");
    EXPECT_EQ(cell(2, frmEntryOP::colFixedCharge), "0");
    EXPECT_EQ(codeBack(2), 0xFF80FFu);
}

TEST_P(frmEntryOPItemsTest, DosageWithColourAndFrequency) {
    gShowColorAntibioticClass = true;
    db().execute(QStringLiteral("UPDATE tbInvMaster SET AntibioticClassID = '2' WHERE ItemID = '1001'"));
    openOn();
    enter(1, frmEntryOP::colCode, "1001");
    enter(1, frmEntryOP::colDosage, "tid");
    EXPECT_EQ(cell(1, frmEntryOP::colDosage), "TID");
    EXPECT_EQ(cell(1, frmEntryOP::colQuantity), "3");
    EXPECT_EQ(cell(1, frmEntryOP::colAmount), "15.00");
    for (int col : {frmEntryOP::colCode, frmEntryOP::colDescription}) {
        form->grdItemList->setRow(1);
        form->grdItemList->setCol(col);
        EXPECT_TRUE(form->grdItemList->cellFontBold()) << col;
        EXPECT_EQ(form->grdItemList->cellForeColor(), 0xFF0000u) << col;
    }
    dosages->answer = QStringLiteral("QID");
    enter(2, frmEntryOP::colCode, "1002");
    enter(2, frmEntryOP::colDosage, "XYZ");
    EXPECT_EQ(cell(2, frmEntryOP::colDosage), "QID");
    EXPECT_EQ(cell(2, frmEntryOP::colQuantity), "4");
    // A look-up on another column only returns to the editor.
    openEditorAt(*form->chargeGrid(), 2, frmEntryOP::colRemarks);
    form->txtEntry()->setText("X");
    form->cmdEntry_Click();
    EXPECT_EQ(cell(2, frmEntryOP::colRemarks), "");
}

TEST_P(frmEntryOPItemsTest, PriceOverride) {
    openOn();
    enter(1, frmEntryOP::colCode, "1001");
    enter(1, frmEntryOP::colQuantity, "4");
    QStringList opened;
    platform.modal->onShow<frmPriceInOut>([&](frmPriceInOut& w) {
        opened << w.ItemDesc() + u'|' + Text(w.ItemQuantity()) + u'|' + Text(w.ItemPrice()) + u'|' +
                      Text(w.NewItemPrice()) + u'|' + Text(w.TotalAmount());
        w.setItemPrice(6);
        w.setTotalAmount(24);
        w.close();
    });
    const auto doubleClick = [&](int row, int col) {
        form->grdItemList->setRow(row);
        form->grdItemList->setCol(col);
        form->grdItemList_DblClick();
    };
    doubleClick(1, frmEntryOP::colAmount);
    EXPECT_TRUE(opened.isEmpty()) << "AllowPriceChange off";
    gAllowPriceChange = true;
    doubleClick(2, frmEntryOP::colAmount);
    EXPECT_TRUE(opened.isEmpty()) << "blank line";
    doubleClick(1, frmEntryOP::colQuantity);
    EXPECT_TRUE(opened.isEmpty()) << "not the Amount";
    doubleClick(1, frmEntryOP::colAmount);
    EXPECT_EQ(opened, QStringList{"PARACETAMOL 500 MG TABLET|4|5.25|5|20"});
    EXPECT_EQ(cell(1, frmEntryOP::colUnitPrice), "6.00");
    EXPECT_EQ(cell(1, frmEntryOP::colAmount), "24.00");
    EXPECT_EQ(cell(1, frmEntryOP::colGross), "24.00");

    // At JAWKC a double click anywhere on a line turns price changes on for item 14004 only.
    gSiteCode = QStringLiteral("JAWKC");
    doubleClick(1, frmEntryOP::colAmount);
    EXPECT_EQ(opened.size(), 1);
    EXPECT_FALSE(gAllowPriceChange);
    form->grdItemList->setTextMatrix(1, frmEntryOP::colCode, QStringLiteral("14004"));
    doubleClick(1, frmEntryOP::colRemarks);
    EXPECT_TRUE(gAllowPriceChange);
    EXPECT_EQ(opened.size(), 1);
    doubleClick(1, frmEntryOP::colAmount);
    EXPECT_EQ(opened.size(), 2);
}

QX_ON_BOTH_ENGINES(frmEntryOPItemsTest);

} // namespace
} // namespace qx::test
