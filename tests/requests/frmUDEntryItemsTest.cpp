#include "frmUDEntryFixture.h"

#include "ScriptedPickers.h"
#include "charging/ChargeGridNavigation.h"
#include "charging/frmOverQty.h"
#include "charging/frmOverStock.h"
#include "platform/WidgetInput.h"
#include "suite/DoseFormsDosage.h"

namespace qx::test {
namespace {

// Two lines shown: PARA500 (4 at 5.25, amount 21.00, stock 100) and AMOX500 (2 at 12.50, amount
// 25.00, stock 10); items 1003 (50.00, stock 500) and 2002 (inactive) can be picked.
class frmUDEntryItemsTest : public frmUDEntryTest {
protected:
    void SetUp() override {
        frmUDEntryTest::SetUp();
        if (IsSkipped())
            return;
        gComponents.gDrugList = picker;
        auto dosage = std::make_shared<suite::DoseFormsDosage>([this] { return &db(); });
        ASSERT_TRUE(dosage->InitConnection(db().connectionString()));
        gComponents.gDosage = dosage;
        gComponents.gDosageList = dosages;
        db().execute(QStringLiteral("INSERT INTO build_file.tbCoDosage (DosageID, Frequency) VALUES ('TID', 3), ('QID', 4)"));
        addItem(db(), {.itemId = "AMOX500", .name = "AMOXICILLIN", .description = "500 MG CAPSULE", .onHand = 10,
                       .priceIn = 12.5});
        addItem(db(), {.itemId = "1003", .name = "CEFALEXIN", .description = "250 MG CAPSULE", .onHand = 500,
                       .priceIn = 50});
        addItem(db(), {.itemId = "2002", .name = "ASPIRIN", .itemStatus = 1});
        setRoute(QStringLiteral("AMOX500"), QStringLiteral("O"));
        unitDose({.itemId = QStringLiteral("PARA500"), .amount = 21.0});
        unitDose({.itemId = QStringLiteral("AMOX500"), .dosage = QStringLiteral("QID"), .quantity = 2, .amount = 25.0});
        open();
        showActive(form.get());
        QApplication::processEvents();
        original = line(2);
    }
    void restoreLine2() {
        for (int col = 0; col < frmUDEntry::kCols; ++col)
            form->flexMSEntry->setTextMatrix(2, col, original[col]);
        form->lblPatInfo[6]->setText(QStringLiteral("46.00"));
    }
    // Types into the editor opened on the cell and presses Enter.
    void enter(int row, int col, const QString& text) {
        openEditorAt(*form->chargeGrid(), row, col);
        form->txtEntry()->setText(text);
        pressKey(form->txtEntry(), Qt::Key_Return, QStringLiteral("\r"));
        QApplication::processEvents();
    }
    void overStockAnswer(const QString& choice) {
        platform.modal->onShow<frmOverStock>([choice](frmOverStock& w) {
            w.setChoice(choice);
            w.close();
        });
    }

    std::shared_ptr<ScriptedDrugPicker> picker = std::make_shared<ScriptedDrugPicker>();
    std::shared_ptr<ScriptedDosageList> dosages = std::make_shared<ScriptedDosageList>();
    QStringList original;
};

TEST_P(frmUDEntryItemsTest, CodeLookUp) {
    struct Case {
        const char* name;
        const char* typed;
        QStringList picks;
        QStringList pickerCalls;
        const char* message;  // with its title after "|"
        const char* code;     // the line's code afterwards
        const char* editor;   // what the editor shows afterwards: the typed text when refused
        const char* amount;
        const char* total;
    };
    const Case cases[] = {
        {"a typed code is searched", "1003", {}, {}, "", "1003", "", "100.00", " 121.00"},
        {"a name opens the picker", "CEFA", {"1003"}, {"CEFA@20"}, "", "1003", "", "100.00", " 121.00"},
        {"the same medicine twice", "PARA", {"PARA500"}, {"PARA@20"}, "The same medicine was already requested|Quillax",
         "AMOX500", "PARA", "25.00", "46.00"},
        {"inactive", "2002", {}, {}, "Drug was set to inactive.|MESSAGE", "AMOX500", "2002", "25.00", "46.00"},
        {"not found", "9999", {}, {}, "Drug code not found.|Quillax", "AMOX500", "9999", "25.00", "46.00"},
        {"picker cancelled", "ZZ", {""}, {"ZZ@20"}, "", "AMOX500", "", "25.00", "46.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        restoreLine2();
        picker->answers = c.picks;
        picker->calls.clear();
        platform.messages->clear();
        enter(2, frmUDEntry::kColCode, QString::fromLatin1(c.typed));
        EXPECT_EQ(picker->calls, c.pickerCalls);
        const QString message = platform.messages->boxes().empty()
                                    ? QString()
                                    : platform.messages->last().text + u'|' + platform.messages->last().title;
        EXPECT_EQ(message, QString::fromLatin1(c.message));
        EXPECT_EQ(cell(2, frmUDEntry::kColCode), c.code);
        EXPECT_EQ(cell(2, frmUDEntry::kColAmount), c.amount);
        EXPECT_EQ(form->lblPatInfo[6]->text(), c.total);
        if (QString::fromLatin1(c.editor).isEmpty() && QString::fromLatin1(c.code) == "1003") {
            EXPECT_EQ(form->flexMSEntry->col(), frmUDEntry::kColDosage) << "the editor moved on";
            EXPECT_EQ(line(2).mid(2, 8), (QStringList{"CEFALEXIN 250 MG CAPSULE", "QID", "", "2", "500", "100.00",
                                                      "AFTER MEALS", "50"}));
        } else {
            EXPECT_TRUE(form->chargeGrid()->isEditorVisible());
            EXPECT_EQ(form->txtEntry()->text(), c.editor);
        }
    }
}

TEST_P(frmUDEntryItemsTest, NewCodeOnALineWithoutQuantityLeavesTheAmount) {
    form->flexMSEntry->setTextMatrix(2, frmUDEntry::kColIssued, QString());
    enter(2, frmUDEntry::kColCode, "1003");
    EXPECT_EQ(cell(2, frmUDEntry::kColUnitPrice), "50");
    EXPECT_EQ(cell(2, frmUDEntry::kColAmount), "25.00");
    EXPECT_EQ(form->lblPatInfo[6]->text(), "46.00");
}

TEST_P(frmUDEntryItemsTest, DosageLookUp) {
    struct Case { const char* name; const char* typed; const char* pick; const char* dosage; const char* frequency; bool moved; const char* editor; };
    const Case cases[] = {
        {"known code", "TID", "", "TID", "3", true, ""},
        {"picked from the list", "XX", "TID", "TID", "3", true, ""},
        {"list cancelled", "XX", "", "QID", "", false, ""},
        {"unknown pick", "XX", "NOPE", "QID", "", false, "XX"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        restoreLine2();
        dosages->answer = QString::fromLatin1(c.pick);
        enter(2, frmUDEntry::kColDosage, QString::fromLatin1(c.typed));
        EXPECT_EQ(cell(2, frmUDEntry::kColDosage), c.dosage);
        EXPECT_EQ(cell(2, frmUDEntry::kColRequested), c.frequency);
        EXPECT_EQ(form->flexMSEntry->col(), c.moved ? frmUDEntry::kColIssued : frmUDEntry::kColDosage);
        if (!c.moved)
            EXPECT_EQ(form->txtEntry()->text(), c.editor);
    }
}

TEST_P(frmUDEntryItemsTest, QuantityCommit) {
    struct Case {
        const char* name;
        int row;
        const char* typed;
        const char* overStock;  // the prompt's answer, "" when it must not show
        QStringList picks;
        const char* cellAfter;
        const char* amount;
        const char* code;
        const char* message;
    };
    const Case cases[] = {
        {"within the stock", 2, "10", "", {}, "10", "125.00", "AMOX500", ""},
        {"over the stock, proceed", 2, "11", "1", {}, "11", "137.50", "AMOX500", ""},
        {"over the stock, cancelled", 2, "11", "X", {}, "2", "25.00", "AMOX500", ""},
        {"substitute taken without its checks", 2, "11", "2", {"PARA500"}, "11", "57.75", "PARA500", ""},
        {"substitute priced at its price", 2, "11", "2", {"1003"}, "11", "550.00", "1003", ""},
        {"substitute not found", 2, "11", "2", {"9999"}, "2", "25.00", "AMOX500", "Drug not found!"},
        {"substitute picker cancelled", 2, "11", "2", {""}, "2", "25.00", "AMOX500", ""},
        {"a leading number counts", 1, "12 TABS", "", {}, "12 TABS", "63.00", "PARA500", ""},
        {"a fraction is taken", 2, "0.04", "", {}, "0.04", ".50", "AMOX500", ""},
        {"nothing is no error", 2, "0", "", {}, "0", ".00", "AMOX500", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        restoreLine2();
        picker->answers = c.picks;
        platform.messages->clear();
        const int before = int(platform.modal->shown().count("qx::frmOverStock"));
        overStockAnswer(QString::fromLatin1(c.overStock));
        enter(c.row, frmUDEntry::kColIssued, QString::fromLatin1(c.typed));
        EXPECT_EQ(platform.modal->shown().count("qx::frmOverStock") - before, *c.overStock ? 1 : 0);
        EXPECT_EQ(cell(c.row, frmUDEntry::kColIssued), c.cellAfter);
        EXPECT_EQ(cell(c.row, frmUDEntry::kColAmount), c.amount);
        EXPECT_EQ(cell(c.row, frmUDEntry::kColCode), c.code);
        EXPECT_EQ(platform.messages->boxes().empty() ? QString() : platform.messages->last().text, c.message);
        const bool committed = QString::fromLatin1(c.cellAfter) == c.typed;
        EXPECT_EQ(form->flexMSEntry->col(), committed ? frmUDEntry::kColRemarks : frmUDEntry::kColIssued);
        if (!committed)
            EXPECT_EQ(form->txtEntry()->text(), c.typed) << "the typed quantity stays in the editor";
        else
            EXPECT_EQ(form->lblPatInfo[6]->text(), QStringLiteral(" ") + form->TotalCharges());
        // The line of row 1 is restored for the next case.
        form->flexMSEntry->setTextMatrix(1, frmUDEntry::kColIssued, QStringLiteral("4"));
        form->flexMSEntry->setTextMatrix(1, frmUDEntry::kColAmount, QStringLiteral("21.00"));
    }
}

TEST_P(frmUDEntryItemsTest, LargeQuantityQuestionAfterAnyOverStockAnswer) {
    QStringList asked;
    qint16 answer = 2;
    platform.modal->onShow<frmOverQty>([&](frmOverQty& w) {
        asked << w.DrugName() + u'|' + Text(w.Quantity()) + u'|' + Text(w.UnitPrice());
        w.setChoice(answer);
        w.close();
    });
    enter(2, frmUDEntry::kColCode, "1003");  // 50.00, stock 500
    enter(2, frmUDEntry::kColIssued, "100");
    EXPECT_TRUE(asked.isEmpty()) << "100 units and 5000.00 pass";
    EXPECT_EQ(cell(2, frmUDEntry::kColAmount), "5000.00");
    enter(2, frmUDEntry::kColIssued, "101");
    EXPECT_EQ(asked, (QStringList{"CEFALEXIN 250 MG CAPSULE|101|50"}));
    EXPECT_EQ(cell(2, frmUDEntry::kColIssued), "100") << "No keeps the cell";
    overStockAnswer(QStringLiteral("X"));
    enter(2, frmUDEntry::kColIssued, "600");
    EXPECT_EQ(asked.size(), 2) << "asked after a cancelled over-stock prompt too";
    EXPECT_EQ(cell(2, frmUDEntry::kColIssued), "100");
    answer = 1;
    enter(2, frmUDEntry::kColIssued, "101");
    EXPECT_EQ(cell(2, frmUDEntry::kColIssued), "101");
    EXPECT_EQ(cell(2, frmUDEntry::kColAmount), "5050.00");
}

TEST_P(frmUDEntryItemsTest, RemarksAreTakenAsTypedInCapitals) {
    openEditorAt(*form->chargeGrid(), 1, frmUDEntry::kColRemarks);
    form->txtEntry()->clear();
    typeText(form->txtEntry(), QStringLiteral("with food"));
    pressKey(form->txtEntry(), Qt::Key_Return, QStringLiteral("\r"));
    QApplication::processEvents();
    EXPECT_EQ(cell(1, frmUDEntry::kColRemarks), "WITH FOOD");
    EXPECT_EQ(form->flexMSEntry->row(), 2);
    EXPECT_EQ(form->flexMSEntry->col(), frmUDEntry::kColCode);
}

} // namespace

QX_ON_BOTH_ENGINES(frmUDEntryItemsTest);

} // namespace qx::test
