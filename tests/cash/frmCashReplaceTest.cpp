#include "../platform/WidgetInput.h"
#include "../platform/report/ReportTestSupport.h"
#include "Builders.h"
#include "ScriptedPickers.h"
#include "ScriptedPlatform.h"
#include "SourceTree.h"
#include "TestDatabase.h"
#include "shell/LoggedInFixture.h"
#include "charging/ChargeGridNavigation.h"

#include "cash/CashWindowOpeners.h"
#include "cash/frmCashReplace.h"
#include "charging/CashMoney.h"
#include "charging/ChargeGrid.h"
#include "charging/frmOverStock.h"
#include "charging/frmPriceInOut.h"
#include "components/Connection.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "platform/report/Report.h"
#include "platform/report/ReportDocument.h"
#include "platform/report/ReportPrinter.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"
#include "shell/WindowOpeners.h"
#include "shell/frmShift.h"
#include "suite/DrugCatalogComponent.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace qx::test {
namespace {

TEST(CashMoneyRoundPrice, UpToTheNextQuarter) {
    struct Case {
        double price;
        double rounded;
    };
    const Case cases[] = {{10.05, 10.25}, {10.10, 10.25}, {10.25, 10.25}, {10.30, 10.5}, {10.80, 11},
                          {10, 10},       {0.01, 0.25},   {1234.51, 1234.75}};
    for (const Case& c : cases)
        EXPECT_EQ(Text(RoundPrice(c.price, 0.25)), Text(c.rounded)) << c.price;
}

// Receipt OR-50 of three lines paid by ANA REYES; items at the main pharmacy with their
// out-patient prices; the drug component and a scripted picker.
class frmCashReplaceTest : public LoggedInTestOn<DbTest> {
protected:
    void SetUp() override {
        LoggedInTestOn<DbTest>::SetUp();
        if (IsSkipped())
            return;
        gEmployeeCode = QStringLiteral("E001");
        gHostID = QStringLiteral("HOST7");
        frmShift::Default().setShift(1);
        drug = std::make_shared<suite::DrugCatalogComponent>([this] { return &db(); });
        ASSERT_TRUE(drug->InitConnect(db().connectionString()));
        gComponents.gDrug = drug;
        gComponents.gDrugList = picker;
        addItem(db(), {.itemId = QStringLiteral("1001"), .name = QStringLiteral("PARACETAMOL"), .onHand = 50, .priceOut = 3.35});
        addItem(db(), {.itemId = QStringLiteral("1002"), .name = QStringLiteral("AMOXICILLIN"), .genericId = QStringLiteral("G2"),
                       .onHand = 50, .priceOut = 5});
        addItem(db(), {.itemId = QStringLiteral("1003"), .name = QStringLiteral("OLD DRUG"), .genericId = QStringLiteral("G3"),
                       .onHand = 50, .priceOut = 1, .itemStatus = 1});
        addItem(db(), {.itemId = QStringLiteral("1004"), .name = QStringLiteral("CETIRIZINE"), .genericId = QStringLiteral("G4"),
                       .onHand = 1, .priceOut = 2});
        for (const auto& [item, quantity, amount] :
             {std::tuple{"1001", 2.0, 6.70}, std::tuple{"1002", 1.0, 5.00}, std::tuple{"1004", 4.0, 8.00}})
            db().execute(QStringLiteral("INSERT INTO billing.tbCashAssessment (RefNum, RevenueID, ItemID, Name, Quantity, "
                                        "UnitPrice, Amount, ORNumber, IDNum, HospNum, DoctorID, TransDate) "
                                        "VALUES ('PH000900', 'PH', ?, 'ANA REYES', ?, ?, ?, 'OR-50', 'CASH', 'H77', 'D5', ?)"),
                         {QString::fromLatin1(item), quantity, amount / quantity, amount,
                          QDateTime(QDate(2026, 12, 1), QTime(9, 0))});
    }
    void TearDown() override {
        form.reset();
        gComponents.gDrug.reset();
        gComponents.gDrugList.reset();
        LoggedInTestOn<DbTest>::TearDown();
    }
    void openShown() {
        form = std::make_unique<frmCashReplace>();
        showActive(form.get());
    }
    FlexGrid* grid() const { return form->flexMSEntry; }
    void enter(QWidget* w) {
        pressKey(w, Qt::Key_Return, QStringLiteral("\r"));
        QApplication::processEvents();
    }
    void lookUp(const QString& typed) {
        form->txtORNumber->setText(typed);
        enter(form->txtORNumber);
    }
    // The code and quantity of line `row` typed into the editor.
    void line(int row, const QString& code, const QString& quantity) {
        grid()->setRow(row);
        grid()->setCol(frmCashReplace::colCode);
        form->chargeGrid()->openEditor();
        form->txtEntry()->setText(code);
        enter(form->txtEntry());
        if (quantity.isEmpty())
            return;
        ASSERT_EQ(grid()->col(), frmCashReplace::colQuantity);
        form->txtEntry()->setText(quantity);
        enter(form->txtEntry());
    }
    QStringList stockCard() {
        const Recordset rs = db().query(QStringLiteral(
            "SELECT SummaryCode, RefNum, ItemID, Quantity, Amount, IdNum, UserID FROM tbInvStockCard ORDER BY id"));
        QStringList rows;
        for (int r = 0; r < rs.recordCount(); ++r)
            rows << QStringList{Text(rs.valueAt(r, 0)), Text(rs.valueAt(r, 1)), Text(rs.valueAt(r, 2)),
                                Text(rs.valueAt(r, 3).toDouble()), Format(rs.valueAt(r, 4), QStringLiteral("0.00")),
                                Text(rs.valueAt(r, 5)), Text(rs.valueAt(r, 6))}
                        .join(QLatin1Char('|'));
        return rows;
    }

    std::shared_ptr<suite::DrugCatalogComponent> drug;
    std::shared_ptr<ScriptedDrugPicker> picker = std::make_shared<ScriptedDrugPicker>();
    ScriptedPlatform platform;
    std::unique_ptr<frmCashReplace> form;
};

TEST_P(frmCashReplaceTest, LookUpEntryAndAmounts) {
    openShown();
    EXPECT_EQ(form->windowTitle(), "Replace Medicine");
    EXPECT_EQ(form->txtPatName->text(), "CASH");
    lookUp(QStringLiteral("OR-404"));
    EXPECT_EQ(platform.messages->last().text, "Pls Input valid ornumber to replace..");
    EXPECT_EQ(form->flexGrdReplace->rows(), 1);
    lookUp(QStringLiteral(" or-50 "));
    EXPECT_EQ(form->txtORNumber->text(), "OR-50") << "the number as stored";
    EXPECT_EQ(form->txtPatName->text(), "ANA REYES");
    EXPECT_EQ(form->flexGrdReplace->rows(), 4);
    EXPECT_EQ(form->flexGrdReplace->textMatrix(1, frmCashReplace::rcCode), "1001");
    EXPECT_EQ(form->flexGrdReplace->textMatrix(3, frmCashReplace::rcHospNum), "H77");
    EXPECT_EQ(form->lblTotalReplace->text(), "19.70");

    struct Case {
        const char* name;
        int row;
        const char* code;
        const char* quantity;
        const char* message;  // "" when the line is taken
        const char* amount;
    };
    const Case cases[] = {
        {"3 x 3.35 rounds up to the quarter", 1, "1001", "3", "", "10.25"},
        {"2 x 5.00 stays", 2, "1002", "2", "", "10"},
        {"the same item on another line", 3, "1001", "", "The same item was already requested", ""},
        {"inactive", 3, "1003", "", "OLD DRUG 500 MG TABLET was set to inactive.", ""},
        {"not found", 3, "9999", "", "Item code not found.", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform.messages->clear();
        line(c.row, QString::fromLatin1(c.code), QString::fromLatin1(c.quantity));
        if (*c.message) {
            EXPECT_EQ(platform.messages->last().text, c.message);
            EXPECT_TRUE(grid()->textMatrix(c.row, frmCashReplace::colCode).isEmpty());
        } else {
            EXPECT_EQ(grid()->textMatrix(c.row, frmCashReplace::colAmount), c.amount);
        }
    }
    EXPECT_EQ(form->lblTotal->text(), "20.25");

    // A text that is not a code opens the picker.
    picker->answers = {QStringLiteral("1004")};
    grid()->setRow(3);
    grid()->setCol(frmCashReplace::colCode);
    form->chargeGrid()->openEditor();
    form->txtEntry()->setText(QStringLiteral("CETI"));
    enter(form->txtEntry());
    EXPECT_EQ(picker->calls.value(0), "CETI@<none>");
    EXPECT_EQ(grid()->textMatrix(3, frmCashReplace::colCode), "1004");

    // Above the stock: cancelling keeps the editor, proceeding commits.
    platform.modal->onShow<frmOverStock>([](frmOverStock& w) {
        w.setChoice(QStringLiteral("X"));
        w.close();
    });
    form->txtEntry()->setText(QStringLiteral("2"));
    enter(form->txtEntry());
    EXPECT_TRUE(grid()->textMatrix(3, frmCashReplace::colQuantity).isEmpty());
    platform.modal->onShow<frmOverStock>([](frmOverStock& w) {
        w.setChoice(QStringLiteral("1"));
        w.close();
    });
    form->txtEntry()->setText(QStringLiteral("2"));
    enter(form->txtEntry());
    EXPECT_EQ(grid()->textMatrix(3, frmCashReplace::colAmount), "4");

    // Cancelling line 1 moves the others up; Clear All keeps the receipt.
    grid()->setRow(1);
    platform.messages->answer(vbYes);
    form->cmdClearRow->setEnabled(true);
    form->cmdClearRow->click();
    EXPECT_EQ(grid()->textMatrix(1, frmCashReplace::colCode), "1002");
    EXPECT_EQ(grid()->textMatrix(3, frmCashReplace::colCode), "");
    EXPECT_EQ(form->lblTotal->text(), "14.00");
    form->cmdClearAll->click();
    EXPECT_TRUE(form->BlankRow(1));
    EXPECT_EQ(form->txtORNumber->text(), "OR-50");
    EXPECT_EQ(form->lblTotalReplace->text(), "19.70");
}

TEST_P(frmCashReplaceTest, PagingPriceChangeAndTheCloseQuestion) {
    using R = frmCashReplace;
    openShown();
    for (int row = 1; row < R::kGridRows; ++row) {
        grid()->setTextMatrix(row, R::colCode, QStringLiteral("C%1").arg(row));
        grid()->setTextMatrix(row, R::colQuantity, QStringLiteral("1"));
    }
    // Nine lines a page, within lines 1 to 30.
    const NavigationCase cases[] = {
        {"Page Up from line 12", 12, R::colQuantity, Qt::Key_PageUp, 3, R::colQuantity, true},
        {"Page Up from line 9 stops on line 1", 9, R::colQuantity, Qt::Key_PageUp, 1, R::colQuantity, true},
        {"Page Down from line 5", 5, R::colCode, Qt::Key_PageDown, 14, R::colCode, true},
        {"Page Down from line 25 stops on line 30", 25, R::colQuantity, Qt::Key_PageDown, 30, R::colQuantity, true},
    };
    checkNavigation(*form->chargeGrid(), cases);
    form->ClearAll(true);

    // The price change: only where the hospital allows it, on a priced line's unit price.
    line(1, QStringLiteral("1001"), QStringLiteral("3"));
    line(2, QStringLiteral("1002"), QString());
    QStringList shown;
    platform.modal->onShow<frmPriceInOut>([&](frmPriceInOut& w) {
        shown << QStringList{w.ItemDesc(), QString::number(w.ItemQuantity()), Text(w.ItemPrice()),
                             Text(w.NewItemPrice()), Text(w.TotalAmount())}
                     .join(u'|');
        w.close();
        w.setItemPrice(4.1);
        w.setTotalAmount(12.3);
    });
    const auto doubleClick = [this](int row, int col) {
        grid()->setRow(row);
        grid()->setCol(col);
        form->flexMSEntry_DblClick();
    };
    gAllowPriceChange = false;
    doubleClick(1, R::colUnitPrice);
    EXPECT_TRUE(shown.isEmpty());
    gAllowPriceChange = true;
    doubleClick(1, R::colDescription);
    doubleClick(2, R::colUnitPrice);
    EXPECT_TRUE(shown.isEmpty()) << "not the unit price, or no quantity";
    doubleClick(1, R::colUnitPrice);
    EXPECT_EQ(shown, QStringList{"PARACETAMOL 500 MG TABLET|3|3.35|3.35|10.25"});
    EXPECT_EQ(grid()->textMatrix(1, R::colUnitPrice), "4.10");
    EXPECT_EQ(grid()->textMatrix(1, R::colAmount), "12.30") << "the dialog's amount, not rounded to the quarter";
    EXPECT_EQ(form->lblTotal->text(), "12.30");
    gAllowPriceChange = false;

    // Closing with a savable line asks; No keeps the screen, from Close and from Escape.
    platform.messages->clear();
    platform.messages->answer({vbNo, vbNo, vbYes});
    form->cmdClose->click();
    EXPECT_EQ(platform.messages->last().text, "You have unsaved entry.  Do you wish to exit?");
    EXPECT_TRUE(form->isVisible());
    pressKey(grid(), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_TRUE(form->isVisible());
    form->cmdClose->click();
    EXPECT_EQ(platform.messages->boxes().size(), 3u);
    EXPECT_FALSE(form->isVisible());
    // Without one nothing is asked.
    openShown();
    line(1, QStringLiteral("1001"), QString());
    platform.messages->clear();
    form->cmdClose->click();
    EXPECT_TRUE(platform.messages->boxes().empty());
    EXPECT_FALSE(form->isVisible());
}

TEST_P(frmCashReplaceTest, SaveTakesTheReceiptBackAndIssuesTheReplacementsInOneTransaction) {
    QTemporaryDir printFolder;
    report::setPrintFolder(printFolder.path());
    {
        QFile source(sourcePath(QStringLiteral("Reports/ReplacementOR.rpt")));
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        const QString folder = QDir(platform.folders->program).filePath(QStringLiteral("Reports"));
        QDir().mkpath(folder);
        QFile target(QDir(folder).filePath(QStringLiteral("ReplacementOR.rpt")));
        ASSERT_TRUE(target.open(QIODevice::WriteOnly | QIODevice::Truncate));
        target.write(source.readAll());
    }
    openShown();
    form->cmdSave->click();
    EXPECT_EQ(platform.messages->last().text, "Pls Input valid ornumber to replace..") << "no receipt listed";

    lookUp(QStringLiteral("OR-50"));
    // 0.01 above the receipt's 19.70 is refused.
    line(1, QStringLiteral("1002"), QStringLiteral("3"));
    line(2, QStringLiteral("1001"), QStringLiteral("1"));
    form->lblTotal->setText(QStringLiteral("19.71"));
    form->cmdSave->click();
    EXPECT_EQ(platform.messages->last().text, "Total amount must be equal or lesser to the amount of receipts listed on top.");
    EXPECT_EQ(stockCard(), QStringList());
    // A code without its quantity is named, nothing posted.
    line(3, QStringLiteral("1004"), QString());
    form->lblTotal->setText(form->TotalCharges());
    form->cmdSave->click();
    EXPECT_EQ(platform.messages->last().text, "You have incomplete entry in line # 3");
    EXPECT_EQ(stockCard(), QStringList());
    grid()->setRow(3);
    platform.messages->answer(vbYes);
    form->cmdClearRow->setEnabled(true);
    form->cmdClearRow->click();

    // Equal totals: 15.00 + 3.50 is within 19.70; three lines back, two issued, then the receipt.
    form->cmdPrintSave->click();
    EXPECT_EQ(stockCard(), QStringList({"PH|OR-50|1001|-2|-6.70|CASH|E001", "PH|OR-50|1002|-1|-5.00|CASH|E001",
                                        "PH|OR-50|1004|-4|-8.00|CASH|E001", "PH|OR-50|1002|3|15.00|CASH|E001",
                                        "PH|OR-50|1001|1|3.50|CASH|E001"}));
    EXPECT_EQ(QDir(printFolder.path()).entryList(QDir::Files).size(), 1);
    EXPECT_FALSE(form->isVisible()) << "the screen closes";
    report::setPrintFolder(QString());
    // The receipt lists the lines taken back and the items issued under the receipt's number.
    gHospitalName = QStringLiteral("ST. JUDE'S HOSPITAL");
    gHospitalAddress = QStringLiteral("1 MAIN ST");
    const std::shared_ptr<report::Report> receipt = frmCashReplace::OpenReplacementOR(QStringLiteral("OR-50"));
    EXPECT_EQ(receipt->findParameter(QStringLiteral("@REFNUM"))->effectiveValue().toString(), "OR-50");
    receipt->setConnection(&db());
    receipt->setPrintTime(QDateTime(QDate(2026, 12, 10), QTime(9, 30)));
    report::test::expectGolden(QStringLiteral("../../../cash/golden/ReplacementOR.txt"), receipt->document().toText());

    // A second replacement of the same receipt is refused.
    openShown();
    lookUp(QStringLiteral("OR-50"));
    line(1, QStringLiteral("1001"), QStringLiteral("1"));
    form->cmdSave->click();
    EXPECT_EQ(platform.messages->last().text, "The items of this receipt were already replaced.");
    EXPECT_EQ(stockCard().size(), 5);
}

TEST_P(frmCashReplaceTest, AFailureMidSaveLeavesNothingAndTheOpenerIsRegistered) {
    if (db().isSQLite()) {
        db().executeScript(QStringLiteral("CREATE TRIGGER trRefuseIssue BEFORE INSERT ON tbInvStockCard "
                                          "WHEN NEW.Quantity > 0 BEGIN SELECT RAISE(ABORT, 'issue refused'); END"));
    } else {
        db().executeScript(QStringLiteral("CREATE FUNCTION refuse_issue() RETURNS trigger AS $$ BEGIN "
                                          "IF NEW.Quantity > 0 THEN RAISE EXCEPTION 'issue refused'; END IF; "
                                          "RETURN NEW; END $$ LANGUAGE plpgsql"));
        db().executeScript(QStringLiteral("CREATE TRIGGER trRefuseIssue BEFORE INSERT ON tbInvStockCard "
                                          "FOR EACH ROW EXECUTE FUNCTION refuse_issue()"));
    }
    openShown();
    lookUp(QStringLiteral("OR-50"));
    line(1, QStringLiteral("1002"), QStringLiteral("1"));
    form->cmdSave->click();
    EXPECT_TRUE(platform.messages->last().text.contains(QStringLiteral("issue refused")));
    EXPECT_EQ(stockCard(), QStringList());
    EXPECT_EQ(grid()->textMatrix(1, frmCashReplace::colCode), "1002") << "the lines are kept";
    form.reset();

    RegisterCashWindowOpeners();
    bool shown = false;
    platform.modal->onShow<frmCashReplace>([&](frmCashReplace& w) {
        shown = true;
        w.close();
    });
    OpenWindow(QStringLiteral("mnuCashAdjustment"));
    EXPECT_TRUE(shown);
    ClearWindowOpeners();
}

QX_ON_BOTH_ENGINES(frmCashReplaceTest);

} // namespace
} // namespace qx::test
