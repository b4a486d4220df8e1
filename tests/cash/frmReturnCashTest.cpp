#include "ConcurrentSaves.h"
#include "CreditAdviseFixture.h"

#include "cash/CashWindowOpeners.h"
#include "cash/frmReturnCash.h"
#include "charging/CashAssessmentNumbers.h"
#include "charging/ChargeGrid.h"
#include "components/Connection.h"
#include "platform/Values.h"
#include "platform/report/ReportDocument.h"
#include "platform/report/SharedReport.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"
#include "shell/WindowOpeners.h"
#include "shell/frmDeletePassword.h"
#include "shell/frmShift.h"
#include "suite/DrugCatalogComponent.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>

namespace qx::test {
namespace {

// A paid receipt OR-9 of JUAN DELA CRUZ: 5 AMOX at 25.00 (discount 5.00, 2 already advised), 10
// PARA at 2.25 and 4 CETI at 10.00, with the drug component on the test database.
class frmReturnCashTest : public CreditAdviseTest {
protected:
    void SetUp() override {
        CreditAdviseTest::SetUp();
        if (IsSkipped())
            return;
        addPaidLine(QStringLiteral("OR-9"), {"AMOX", 5, 125});
        addPaidLine(QStringLiteral("OR-9"), {"PARA", 10, 22.5, 1});
        addPaidLine(QStringLiteral("OR-9"), {"CETI", 4, 40});
        db().execute(QStringLiteral("UPDATE billing.tbCashAssessment SET Name = 'JUAN DELA CRUZ', Discount = 5 "
                                    "WHERE ItemID = 'AMOX'"));
        addAdvise({"OR-9", "PH3", "AMOX", 2, 50, "P", "1001"});
        gLocationID = QStringLiteral("20");
        frmShift::Default().setShift(1);
        drug = std::make_shared<suite::DrugCatalogComponent>([this] { return &db(); });
        ASSERT_TRUE(drug->InitConnect(db().connectionString()));
        gComponents.gDrug = drug;
    }
    void TearDown() override {
        form.reset();
        gComponents.gDrug.reset();
        CreditAdviseTest::TearDown();
    }

    void openShown() {
        form = std::make_unique<frmReturnCash>();
        showActive(form.get());
    }
    FlexGrid* grid() const { return form->flexMSEntry; }
    QLineEdit* editor() const { return form->txtEntry(); }
    void enter(QWidget* w) {
        pressKey(w, Qt::Key_Return, QStringLiteral("\r"));
        QApplication::processEvents();
    }
    void lookUp(const QString& typed) {
        form->txtORNumber->setFocus();
        typeText(form->txtORNumber, typed);
        enter(form->txtORNumber);
    }
    // Enter on the code cell, the picker choosing its line `pickerRow`.
    void choose(int pickerRow) {
        platform.modal->onShow<frmPostedOR>([pickerRow](frmPostedOR& p) {
            p.flexORDetails->setRow(pickerRow);
            p.cmdSelect_Click();
        });
        enter(editor());
    }
    // The quantity typed in the editor and committed.
    void quantity(const QString& typed) {
        editor()->clear();
        typeText(editor(), typed);
        enter(editor());
    }
    void line(int pickerRow, const QString& typed) {
        choose(pickerRow);
        ASSERT_EQ(grid()->col(), frmReturnCash::colQuantity);
        quantity(typed);
    }
    qint64 count(const QString& sql) { return db().query(sql).value(0).toLongLong(); }
    void setCounter(const char* column, qint64 value) { setBillingCounter(db(), QLatin1String(column), value); }
    void setSwitch23(bool on) {
        db().execute(QStringLiteral("DELETE FROM tbPharmaSwitch WHERE IDKey = '23'"));
        db().execute(QStringLiteral("INSERT INTO tbPharmaSwitch (IDKey, KeyValue) VALUES ('23', ?)"), {on ? 1 : 0});
    }
    // The advise rows: advise, receipt, item, quantity, amount, user, payee.
    QStringList adviseRows() {
        const Recordset rs = db().query(QStringLiteral(
            "SELECT AdviseNo, ORNumber, ItemID, Quantity, Amount, UserID, COALESCE(Payee, ''), LineNumber "
            "FROM billing.tbCashCreditAdvise WHERE AdviseNo <> 'PH3' ORDER BY id"));
        QStringList rows;
        for (int r = 0; r < rs.recordCount(); ++r)
            rows << QStringList{Text(rs.valueAt(r, 0)), Text(rs.valueAt(r, 1)), Text(rs.valueAt(r, 2)),
                                Text(rs.valueAt(r, 3).toDouble()), Format(rs.valueAt(r, 4), QStringLiteral("0.00")),
                                Text(rs.valueAt(r, 5)), Text(rs.valueAt(r, 6)), Text(rs.valueAt(r, 7).toLongLong())}
                        .join(QLatin1Char('|'));
        return rows;
    }
    // The stock-card credits: code, receipt, item, quantity, credit memo, user.
    QStringList credits() {
        const Recordset rs = db().query(QStringLiteral(
            "SELECT SummaryCode, RefNum, ItemID, Quantity, COALESCE(CreditMemoNum, ''), UserID, LocationID "
            "FROM tbInvStockCard ORDER BY id"));
        QStringList rows;
        for (int r = 0; r < rs.recordCount(); ++r)
            rows << QStringList{Text(rs.valueAt(r, 0)), Text(rs.valueAt(r, 1)), Text(rs.valueAt(r, 2)),
                                Text(rs.valueAt(r, 3).toDouble()), Text(rs.valueAt(r, 4)), Text(rs.valueAt(r, 5)),
                                Text(rs.valueAt(r, 6))}
                        .join(QLatin1Char('|'));
        return rows;
    }

    // The text of the slip the viewer shows while `press` runs; empty when none was shown.
    QString shownSlip(const std::function<void()>& press) {
        QString text;
        platform.modal->onShow(QStringLiteral("qx::frmReportViewer"), [&](QWidget& viewer) {
            text = gCrystalReport->document().toText();
            viewer.close();
        });
        press();
        return text;
    }

    std::shared_ptr<suite::DrugCatalogComponent> drug;
    std::unique_ptr<frmReturnCash> form;
};

TEST_P(frmReturnCashTest, ReceiptLookUp) {
    openShown();
    EXPECT_EQ(form->windowTitle(), "Credit Advise");
    EXPECT_FALSE(grid()->isEnabled());
    EXPECT_FALSE(form->cmdSave->isEnabled());
    EXPECT_FALSE(form->cmdReprint->isVisible());

    lookUp(QStringLiteral("OR-404"));
    EXPECT_EQ(platform.messages->last().text, "Please Enter Valid OR Number.");
    EXPECT_EQ(platform.messages->last().title, "Message");
    EXPECT_TRUE(form->txtORNumber->isEnabled());
    EXPECT_TRUE(grid()->isEnabled());
    enter(editor());
    EXPECT_FALSE(platform.modal->shown().contains("qx::frmPostedOR")) << "no picker without a receipt";

    form->txtORNumber->clear();
    lookUp(QStringLiteral("or-9"));
    EXPECT_EQ(form->txtORNumber->text(), "OR-9") << "the number as stored";
    EXPECT_FALSE(form->txtORNumber->isEnabled());
    EXPECT_EQ(form->lblPayee->text(), "JUAN DELA CRUZ");
    EXPECT_EQ(form->lblTotal->text(), ".00");
    EXPECT_EQ(grid()->row(), 1);
    EXPECT_EQ(grid()->col(), frmReturnCash::colCode);
}

TEST_P(frmReturnCashTest, LinesQuantitiesAmountsAndRemoval) {
    openShown();
    lookUp(QStringLiteral("OR-9"));
    choose(1);
    EXPECT_EQ(grid()->textMatrix(1, frmReturnCash::colCode), "AMOX");
    EXPECT_EQ(grid()->textMatrix(1, frmReturnCash::colIssued), "5");
    EXPECT_EQ(grid()->textMatrix(1, frmReturnCash::colReturned), "2");
    ASSERT_EQ(grid()->col(), frmReturnCash::colQuantity) << "on to the quantity";

    struct Case {
        const char* typed;
        const char* message;  // "" when accepted
        const char* cell;
    };
    const Case cases[] = {
        {"4", "Qty returned should be less than or equal to 3", ""},
        {"2.5", "Invalid quantity because of the decimal.", ""},
        {"0", "Quantity is invalid.", ""},
        {"", "Quantity is invalid.", ""},
        {"X", "Quantity is invalid.", ""},  // letters are not typed
        {"3", "", "3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        platform.messages->clear();
        ASSERT_EQ(grid()->col(), frmReturnCash::colQuantity);
        quantity(QString::fromLatin1(c.typed));
        if (*c.message) {
            ASSERT_FALSE(platform.messages->boxes().empty());
            EXPECT_EQ(platform.messages->last().text, c.message);
            EXPECT_TRUE(grid()->textMatrix(1, frmReturnCash::colQuantity).isEmpty());
        } else {
            EXPECT_TRUE(platform.messages->boxes().empty());
            EXPECT_EQ(grid()->textMatrix(1, frmReturnCash::colQuantity), c.cell);
        }
    }
    // 25.00 each, 1.00 discount a unit (5.00 over 5).
    EXPECT_EQ(grid()->textMatrix(1, frmReturnCash::colAmount), "75.00");
    EXPECT_EQ(grid()->textMatrix(1, frmReturnCash::colDiscount), "3.00");
    EXPECT_EQ(form->lblTotal->text(), " 75.00");
    EXPECT_TRUE(form->cmdSave->isEnabled());
    EXPECT_EQ(grid()->row(), 2);
    EXPECT_EQ(grid()->col(), frmReturnCash::colCode);

    // The same line again is refused; a second line follows.
    choose(1);
    EXPECT_EQ(platform.messages->last().text, "Item is already on the list!");
    EXPECT_TRUE(grid()->textMatrix(2, frmReturnCash::colCode).isEmpty());
    line(2, QStringLiteral("4"));
    EXPECT_EQ(grid()->textMatrix(2, frmReturnCash::colAmount), "9.00");
    EXPECT_EQ(grid()->textMatrix(2, frmReturnCash::colVATExempt), "Y");
    EXPECT_EQ(form->lblTotal->text(), " 84.00");

    // Remove Line takes the current row and the total follows.
    grid()->setRow(1);
    form->cmdRemoveLine->click();
    EXPECT_EQ(grid()->rows(), frmReturnCash::kGridRows - 1);
    EXPECT_EQ(grid()->textMatrix(1, frmReturnCash::colCode), "PARA");
    EXPECT_EQ(form->lblTotal->text(), " 9.00");
    while (grid()->rows() > 4)
        form->cmdRemoveLine->click();
    form->cmdRemoveLine->click();
    EXPECT_EQ(grid()->rows(), 3) << "three rows are kept";
    form->cmdRemoveLine->click();
    EXPECT_EQ(grid()->rows(), 3);

    // Escape in the editor goes to Close.
    showActive(form.get());
    grid()->setRow(1);
    grid()->setCol(frmReturnCash::colCode);
    form->chargeGrid()->openEditor();
    pressKey(editor(), Qt::Key_Escape, QStringLiteral("\x1b"));
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), form->cmdClose);
}

TEST_P(frmReturnCashTest, SavesOneAdviseWithItsCreditMemosInOneTransaction) {
    struct Case {
        const char* name;
        qint64 adviseCounter, memoCounter;
        bool switch23;
        bool supervisor, approved;
        bool incomplete;  // a chosen line left without its quantity
        const char* message;
        QStringList advises;
        QStringList stockCard;
        qint64 adviseCounterAfter, memoCounterAfter;
    };
    const QStringList threeAdvises{"PH1|OR-9|AMOX|3|75.00|E001|JUAN DELA CRUZ|1", "PH1|OR-9|PARA|4|9.00|E001|JUAN DELA CRUZ|2",
                                   "PH1|OR-9|CETI|1|10.00|E001|JUAN DELA CRUZ|3"};
    const Case cases[] = {
        {"switch 23 off, counter 0", 0, 40, false, false, false, false, "", threeAdvises, {}, 2, 40},
        {"switch 23 on, CM40", 17, 40, true, false, false, false, "",
         {"PH17|OR-9|AMOX|3|75.00|E001|JUAN DELA CRUZ|1", "PH17|OR-9|PARA|4|9.00|E001|JUAN DELA CRUZ|2",
          "PH17|OR-9|CETI|1|10.00|E001|JUAN DELA CRUZ|3"},
         {"PC|OR-9|AMOX|3|CM40|E001|20", "PC|OR-9|PARA|4|CM41|E001|20", "PC|OR-9|CETI|1|CM42|E001|20"}, 18, 43},
        {"supervisor approves", 0, 40, true, true, true, false, "",
         {"PH1|OR-9|AMOX|3|75.00|SUP1|JUAN DELA CRUZ|1", "PH1|OR-9|PARA|4|9.00|SUP1|JUAN DELA CRUZ|2",
          "PH1|OR-9|CETI|1|10.00|SUP1|JUAN DELA CRUZ|3"},
         {"PC|OR-9|AMOX|3|CM40|SUP1|20", "PC|OR-9|PARA|4|CM41|SUP1|20", "PC|OR-9|CETI|1|CM42|SUP1|20"}, 2, 43},
        {"supervisor refuses", 0, 40, true, true, false, false, "Invalid Password.", {}, {}, 0, 40},
        {"a line without quantity", 0, 40, true, false, false, true, "You have incomplete entry in line #  3", {}, {}, 0,
         40},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        db().execute(QStringLiteral("DELETE FROM billing.tbCashCreditAdvise WHERE AdviseNo <> 'PH3'"));
        db().execute(QStringLiteral("DELETE FROM tbInvStockCard"));
        db().execute(QStringLiteral("DELETE FROM tbInvDocumentClaim"));
        setCounter("CMAdviseNum", c.adviseCounter);
        setCounter("CMNumber", c.memoCounter);
        setSwitch23(c.switch23);
        gHasValidation = c.supervisor;
        platform.modal->onShow<frmDeletePassword>([&c](frmDeletePassword& w) {
            w.setOKCharge(c.approved);
            w.setVerifyID(QStringLiteral("SUP1"));
            w.close();
        });
        platform.messages->clear();
        openShown();
        lookUp(QStringLiteral("OR-9"));
        line(1, QStringLiteral("3"));
        line(2, QStringLiteral("4"));
        if (c.incomplete)
            choose(3);
        else
            line(3, QStringLiteral("1"));
        form->cmdSave->setEnabled(true);
        form->cmdSave->click();
        if (*c.message) {
            ASSERT_FALSE(platform.messages->boxes().empty());
            EXPECT_EQ(platform.messages->last().text, c.message);
            EXPECT_EQ(grid()->textMatrix(1, frmReturnCash::colCode), "AMOX") << "the lines are kept";
            EXPECT_TRUE(form->LastAdviseNumber().isEmpty());
        } else {
            EXPECT_TRUE(form->txtORNumber->text().isEmpty()) << "the screen is cleared";
            EXPECT_TRUE(form->cmdReprint->isVisible());
        }
        EXPECT_EQ(adviseRows(), c.advises);
        EXPECT_EQ(credits(), c.stockCard);
        EXPECT_EQ(*BillingCounterValue(db(), QStringLiteral("CMAdviseNum")), c.adviseCounterAfter);
        EXPECT_EQ(*BillingCounterValue(db(), QStringLiteral("CMNumber")), c.memoCounterAfter);
        EXPECT_EQ(gEmployeeCode, "E001");
    }
}

TEST_P(frmReturnCashTest, BlankSaveAndAQuotedPayeeAndAFailureLeavingNothing) {
    setSwitch23(true);
    db().execute(QStringLiteral("UPDATE billing.tbCashAssessment SET Name = 'O''BRIEN, ANA'"));
    openShown();
    lookUp(QStringLiteral("OR-9"));
    form->cmdSave->setEnabled(true);
    form->cmdSave->click();
    EXPECT_EQ(platform.messages->last().text, "You have no entries yet.");
    EXPECT_EQ(form->txtORNumber->text(), "OR-9");

    // A payee with a quote is stored as typed.
    line(1, QStringLiteral("1"));
    form->cmdSave->click();
    EXPECT_EQ(db().query(QStringLiteral("SELECT Payee FROM billing.tbCashCreditAdvise WHERE AdviseNo = 'PH1'")).text(
                  QStringLiteral("Payee")),
              "O'BRIEN, ANA");

    // A failure at the second line leaves no advise row, credit, claim or counter move.
    if (db().isSQLite()) {
        db().executeScript(QStringLiteral("CREATE TRIGGER billing.trRefuseAdvise BEFORE INSERT ON tbCashCreditAdvise "
                                          "WHEN NEW.ItemID = 'PARA' BEGIN SELECT RAISE(ABORT, 'advise refused'); END"));
    } else {
        db().executeScript(QStringLiteral("CREATE FUNCTION billing.refuse_advise() RETURNS trigger AS $$ BEGIN "
                                          "IF NEW.ItemID = 'PARA' THEN RAISE EXCEPTION 'advise refused'; END IF; "
                                          "RETURN NEW; END $$ LANGUAGE plpgsql"));
        db().executeScript(QStringLiteral("CREATE TRIGGER trRefuseAdvise BEFORE INSERT ON billing.tbCashCreditAdvise "
                                          "FOR EACH ROW EXECUTE FUNCTION billing.refuse_advise()"));
    }
    const qint64 advisesBefore = count(QStringLiteral("SELECT COUNT(*) FROM billing.tbCashCreditAdvise"));
    const qint64 creditsBefore = count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard"));
    const qint64 claimsBefore = count(QStringLiteral("SELECT COUNT(*) FROM tbInvDocumentClaim"));
    lookUp(QStringLiteral("OR-9"));
    line(1, QStringLiteral("1"));
    line(2, QStringLiteral("1"));
    form->cmdSave->click();
    EXPECT_TRUE(platform.messages->last().text.contains(QStringLiteral("advise refused")));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM billing.tbCashCreditAdvise")), advisesBefore);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard")), creditsBefore);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvDocumentClaim")), claimsBefore);
    EXPECT_EQ(*BillingCounterValue(db(), QStringLiteral("CMAdviseNum")), 2);
    EXPECT_EQ(grid()->textMatrix(2, frmReturnCash::colCode), "PARA") << "the lines are kept";
}

TEST_P(frmReturnCashTest, PrintAndSaveAndReprint) {
    installShippedReport(QStringLiteral("CashCM_Slip.rpt"));
    gSiteCode = QStringLiteral("OXBEN");
    gHospitalName = QStringLiteral("ST. JUDE'S HOSPITAL");
    inputBox->answers = {std::nullopt, QString(), QStringLiteral("DAMAGED BOX")};
    openShown();
    lookUp(QStringLiteral("OR-9"));
    line(1, QStringLiteral("2"));
    const QString slip = shownSlip([&] { form->cmdPrintSave->click(); });
    EXPECT_EQ(inputBox->asked.size(), 3) << "asked until answered";
    EXPECT_TRUE(slip.contains(QStringLiteral("DAMAGED BOX"))) << slip.toStdString();
    EXPECT_TRUE(slip.contains(QStringLiteral("OR-9")));
    EXPECT_EQ(form->LastAdviseNumber(), "PH1");
    EXPECT_TRUE(form->txtORNumber->text().isEmpty());

    // Reprint on the emptied screen finds nothing; after the receipt is typed again it prints.
    inputBox->answers = {QStringLiteral("AGAIN"), QStringLiteral("AGAIN")};
    EXPECT_TRUE(shownSlip([&] { form->cmdReprint->click(); }).isEmpty());
    EXPECT_EQ(platform.messages->last().text, "Not successfully saved. pls check the encoded data.");
    EXPECT_EQ(platform.messages->last().title, "Message");
    lookUp(QStringLiteral("OR-9"));
    EXPECT_TRUE(shownSlip([&] { form->cmdReprint->click(); }).contains(QStringLiteral("AGAIN")));
}

TEST_P(frmReturnCashTest, RefusedPrintAndSaveKeepsWorking) {
    gSiteCode = QStringLiteral("DEMO");
    installShippedReport(QStringLiteral("CashCM_Slip.rpt"));
    openShown();
    lookUp(QStringLiteral("OR-9"));
    choose(1);
    form->cmdPrintSave->setEnabled(true);
    EXPECT_TRUE(shownSlip([&] { form->cmdPrintSave->click(); }).isEmpty());
    EXPECT_EQ(platform.messages->last().text, "You have incomplete entry in line #  1");
    quantity(QStringLiteral("1"));
    EXPECT_FALSE(shownSlip([&] { form->cmdPrintSave->click(); }).isEmpty()) << "no latch after a refusal";
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM billing.tbCashCreditAdvise WHERE AdviseNo = 'PH1'")), 1);
}

TEST_P(frmReturnCashTest, OpenerRegistered) {
    RegisterCashWindowOpeners();
    bool shown = false;
    platform.modal->onShow<frmReturnCash>([&](frmReturnCash& w) {
        shown = w.windowTitle() == QLatin1String("Credit Advise");
        w.close();
    });
    OpenWindow(QStringLiteral("mnuCash"));
    EXPECT_TRUE(shown);
    ClearWindowOpeners();
}

// Two workstations saving advises at once never share an advise or credit-memo number.
TEST_P(frmReturnCashTest, WorkstationsNeverShareAnAdviseNumber) {
    constexpr int kWorkstations = 3, kSavesEach = 5;
    const ConcurrentSaves saves = saveConcurrently(testDatabase(), kWorkstations, kSavesEach, [](Connection& c, int) {
        Transaction tx(c);
        const QString advise = ClaimBillingNumber(c, CreditAdviseNumberSeries(), QStringLiteral("CASH"), QStringLiteral("E"));
        const QString memo = ClaimBillingNumber(c, CashCreditMemoNumberSeries(), QStringLiteral("CASH"), QStringLiteral("E"));
        c.callProcedure(QStringLiteral("spCash_SaveCMAdvise"), {{QStringLiteral("@Code"), QStringLiteral("PH")},
                                                                {QStringLiteral("@AdviseNo"), advise},
                                                                {QStringLiteral("@ORNumber"), QStringLiteral("OR-9")},
                                                                {QStringLiteral("@ItemID"), QStringLiteral("AMOX")},
                                                                {QStringLiteral("@Quantity"), 1.0}});
        tx.commit();
        return QStringList{advise, memo};
    });
    const QStringList& all = saves.numbers;
    EXPECT_EQ(saves.failures, 0);
    EXPECT_EQ(all.size(), 2 * kWorkstations * kSavesEach);
    EXPECT_EQ(QSet<QString>(all.begin(), all.end()).size(), all.size());
}

QX_ON_BOTH_ENGINES(frmReturnCashTest);

} // namespace
} // namespace qx::test
