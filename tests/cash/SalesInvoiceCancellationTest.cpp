#include "ScriptedPlatform.h"
#include "TestDatabase.h"
#include "Builders.h"
#include "cash/CashWindowOpeners.h"
#include "cash/SalesInvoiceCancel.h"
#include "cash/frmSICancellation.h"
#include "cash/frmSIList.h"
#include "components/AppError.h"
#include "hospitaldb/StockLedger.h"
#include "platform/FlexGrid.h"
#include "platform/PictureButton.h"
#include "platform/Values.h"
#include "platform/WidgetInput.h"
#include "shell/LoggedInFixture.h"
#include "shell/Session.h"
#include "shell/WindowOpeners.h"
#include "shell/frmShift.h"
#include "suite/DrugCatalogComponent.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <atomic>
#include <thread>

namespace qx::test {
namespace {

struct SoldLine {
    const char* itemId;
    double quantity;
    double amount;
    double discount;
};

// The cashier E001 logged in at the satellite, the drug component on the test database, and
// three catalogue items with stock.
class SalesInvoiceCancellationTest : public LoggedInTestOn<DbTest> {
protected:
    void SetUp() override {
        LoggedInTestOn<DbTest>::SetUp();
        if (IsSkipped())
            return;
        gEmployeeCode = QStringLiteral("E001");
        gLocationID = QStringLiteral("186");
        frmShift::Default().setShift(2);
        drug = std::make_shared<suite::DrugCatalogComponent>([this] { return &db(); });
        ASSERT_TRUE(drug->InitConnect(db().connectionString()));
        gComponents.gDrug = drug;
        for (const char* id : {"AMOX500", "PARA500", "VITC100"})
            addItem(db(), {.itemId = QString::fromLatin1(id), .name = QString::fromLatin1(id), .onHand = 50});
        RegisterCashWindowOpeners();
    }
    void TearDown() override {
        ClearWindowOpeners();
        gComponents.gDrug.reset();
        LoggedInTestOn<DbTest>::TearDown();
    }

    // A stand-alone sale as the assessment save leaves it: issue lines at the main pharmacy and
    // the invoice.
    void sell(const QString& number, const QString& payee, const QString& cashier, std::initializer_list<SoldLine> lines) {
        double total = 0, discount = 0;
        for (const SoldLine& l : lines) {
            hospitaldb::StockCardEntry e;
            e.refNum = number;
            e.itemId = QString::fromLatin1(l.itemId);
            e.idNum = QStringLiteral("CASH");
            e.summaryCode = e.revenueId = QStringLiteral("PH");
            e.locationId = QStringLiteral("20");
            e.quantity = e.quantityRec = l.quantity;
            e.amount = l.amount;
            e.discount = l.discount;
            e.userId = cashier;
            hospitaldb::postStockCardEntry(db(), e, -l.quantity);
            total += l.amount;
            discount += l.discount;
        }
        db().callProcedure(QStringLiteral("sp_Inv_SI_Save"),
                           {{QStringLiteral("@SINumber"), number}, {QStringLiteral("@Payee"), payee},
                            {QStringLiteral("@Total"), total}, {QStringLiteral("@Discount"), discount},
                            {QStringLiteral("@Refund"), 0.0}, {QStringLiteral("@DiscountType"), QStringLiteral("SC")},
                            {QStringLiteral("@EmployeeCode"), cashier}});
    }
    void sellThree() {
        sell(QStringLiteral("SI000100"), QStringLiteral("JUAN DELA CRUZ"), QStringLiteral("E001"),
             {{"AMOX500", 2, 100, 20}, {"PARA500", 1, 45.5, 0}, {"VITC100", 5, 12, 0}});
    }
    QStringList column(const Recordset& rs, int col) {
        QStringList values;
        for (int r = 0; r < rs.recordCount(); ++r)
            values << Text(rs.valueAt(r, col));
        return values;
    }
    QStringList invoicesOf(const char* procedure, const char* param, const QString& value) {
        return column(*db().callProcedure(QString::fromLatin1(procedure), {{QString::fromLatin1(param), value}}), 0);
    }
    // The reversal lines: item, quantity, amount, location, patient id, room, revenue, reference.
    QStringList reversals() {
        const Recordset rs = db().query(QStringLiteral(
            "SELECT ItemID, Quantity, Amount, LocationID, IdNum, RoomID, RevenueID, RefNum, UserID FROM tbInvStockCard "
            "WHERE Quantity < 0 ORDER BY id"));
        QStringList lines;
        for (int r = 0; r < rs.recordCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < rs.fieldCount(); ++c)
                cells << (c == 2 ? Format(rs.valueAt(r, c), QStringLiteral("0.00")) : Text(rs.valueAt(r, c)));
            lines << cells.join(QLatin1Char('|'));
        }
        return lines;
    }
    qint64 cancelledFlag(const QString& number) {
        return db().query(QStringLiteral("SELECT Cancelled FROM tbInvSalesInvoice WHERE SINumber = ?"), {number})
            .value(QStringLiteral("Cancelled")).toLongLong();
    }
    double onHand(const QString& item, const QString& location = QStringLiteral("20")) {
        return db().query(QStringLiteral("SELECT OnHand FROM tbInvent WHERE ItemID = ? AND LocationID = ?"),
                          {item, location}).value(QStringLiteral("OnHand")).toDouble();
    }
    // Looks the invoice in row `pickRow` of the picker up.
    void lookUp(frmSICancellation& w, int pickRow = 1) {
        platform.modal->onShow<frmSIList>([pickRow](frmSIList& list) {
            list.grdSIList->setRow(pickRow);
            list.cmdSelect->click();
        });
        w.cmdFind->click();
    }

    ScriptedPlatform platform;
    std::shared_ptr<suite::DrugCatalogComponent> drug;
};

TEST_P(SalesInvoiceCancellationTest, InvoiceProcedures) {
    sellThree();
    sell(QStringLiteral("SI000101"), QStringLiteral("Ana O'Neil"), QStringLiteral("E002"), {{"PARA500", 1, 10, 0}});
    sell(QStringLiteral("SI000102"), QStringLiteral("PEDRO 100%"), QStringLiteral("E001"), {{"PARA500", 1, 10, 0}});

    const Recordset saved = db().query(QStringLiteral(
        "SELECT SINumber, Payee, Total, Discount, Refund, DiscountType, EmployeeCode, Cancelled, TransDate "
        "FROM tbInvSalesInvoice WHERE SINumber = 'SI000100'"));
    EXPECT_EQ(saved.text(QStringLiteral("Payee")), "JUAN DELA CRUZ");
    EXPECT_EQ(Format(saved.value(QStringLiteral("Total")), QStringLiteral("0.00")), "157.50");
    EXPECT_EQ(Format(saved.value(QStringLiteral("Discount")), QStringLiteral("0.00")), "20.00");
    EXPECT_EQ(saved.text(QStringLiteral("DiscountType")), "SC");
    EXPECT_EQ(saved.text(QStringLiteral("EmployeeCode")), "E001");
    EXPECT_EQ(saved.value(QStringLiteral("Cancelled")).toInt(), 0);
    EXPECT_FALSE(saved.value(QStringLiteral("TransDate")).isNull());
    EXPECT_THROW(db().callProcedure(QStringLiteral("sp_Inv_SI_Save"), {{QStringLiteral("@SINumber"), QStringLiteral(" SI000100 ")},
                                                                       {QStringLiteral("@EmployeeCode"), QStringLiteral("E001")}}),
                 AppError)
        << "an invoice number is saved once (the number is trimmed)";

    EXPECT_EQ(invoicesOf("sp_Inv_SI_List", "@EmployeeCode", QStringLiteral("E001")), QStringList({"SI000102", "SI000100"}));
    EXPECT_EQ(invoicesOf("sp_Inv_SI_List", "@EmployeeCode", QStringLiteral("E003")), QStringList());
    struct Case { const char* search; QStringList found; };
    const Case cases[] = {
        {"SI00010", {"SI000102", "SI000101", "SI000100"}},  // every cashier's
        {"o'nei", {"SI000101"}},                            // the payee, any case, apostrophe bound
        {"100%", {"SI000102"}},                             // a wildcard matches only itself
        {"ZZZ", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(invoicesOf("sp_Inv_SI_Search", "@Search", QString::fromLatin1(c.search)), c.found) << c.search;

    const Recordset details = *db().callProcedure(QStringLiteral("sp_Inv_SI_Get_Details"),
                                                  {{QStringLiteral("@SINumber"), QStringLiteral("SI000100")}});
    EXPECT_EQ(column(details, 0), QStringList({"AMOX500", "PARA500", "VITC100"}));
    EXPECT_EQ(column(details, 2), QStringList({"2", "1", "5"}));
    EXPECT_EQ(column(details, 3), QStringList({"100", "45.5", "12"}));
    EXPECT_EQ(column(details, 4), QStringList({"20", "0", "0"}));
    EXPECT_EQ(column(details, 5), QStringList({"20", "20", "20"}));

    const auto cancel = [&](const char* number) {
        db().callProcedure(QStringLiteral("sp_Inv_SI_Cancel"), {{QStringLiteral("@SINumber"), QString::fromLatin1(number)},
                                                                {QStringLiteral("@CancelledBy"), QStringLiteral("E001")}});
    };
    cancel("SI000102");
    EXPECT_EQ(cancelledFlag(QStringLiteral("SI000102")), 1);
    EXPECT_THROW(cancel("SI000102"), AppError) << "a second cancel";
    EXPECT_THROW(cancel("SI999999"), AppError) << "an unknown invoice";
    EXPECT_EQ(invoicesOf("sp_Inv_SI_List", "@EmployeeCode", QStringLiteral("E001")), QStringList({"SI000100"}));
    EXPECT_EQ(invoicesOf("sp_Inv_SI_Search", "@Search", QStringLiteral("PEDRO")), QStringList());
    EXPECT_EQ(db().callProcedure(QStringLiteral("sp_Inv_SI_Get_Details"), {{QStringLiteral("@SINumber"), QStringLiteral("SI000102")}})
                  ->recordCount(),
              0);
}

TEST_P(SalesInvoiceCancellationTest, CancellingReversesEveryLineUnderTheInvoice) {
    sellThree();
    platform.modal->onShow<frmSICancellation>([&](frmSICancellation& w) {
        EXPECT_FALSE(w.cmdCancelSI->isEnabled()) << "nothing loaded yet";
        lookUp(w);
        EXPECT_EQ(w.txtSINumber->text(), "SI000100");
        EXPECT_TRUE(w.txtSINumber->isReadOnly());
        EXPECT_EQ(w.lblPayeeName->text(), "JUAN DELA CRUZ");
        EXPECT_EQ(w.grdItemList->rows(), 4);
        EXPECT_EQ(w.lblTotalAmount->text(), "157.50");
        EXPECT_EQ(w.lblTotalDiscount->text(), "20.00");
        w.cmdCancelSI->click();
        EXPECT_EQ(platform.messages->texts(), QStringList({"Sales invoice cancelled."}));
        EXPECT_EQ(w.txtSINumber->text(), "");
        EXPECT_EQ(w.lblPayeeName->text(), "");
        EXPECT_EQ(w.lblTotalAmount->text(), "");
        EXPECT_EQ(w.grdItemList->rows(), 1) << "no item rows";
        EXPECT_FALSE(w.cmdCancelSI->isEnabled());
    });
    OpenWindow(QStringLiteral("mnuSICancellation"));
    ASSERT_TRUE(platform.modal->shown().contains(QStringLiteral("qx::frmSICancellation")));
    // At the sale's own location, not the satellite the cashier works at.
    EXPECT_EQ(reversals(), QStringList({"AMOX500|-2|-100.00|20|CASH|OPD|PH|SI000100|E001",
                                        "PARA500|-1|-45.50|20|CASH|OPD|PH|SI000100|E001",
                                        "VITC100|-5|-12.00|20|CASH|OPD|PH|SI000100|E001"}));
    EXPECT_EQ(cancelledFlag(QStringLiteral("SI000100")), 1);
    EXPECT_EQ(onHand(QStringLiteral("AMOX500")), 50);
    EXPECT_EQ(onHand(QStringLiteral("VITC100")), 50);
    EXPECT_EQ(db().query(QStringLiteral("SELECT CancelledBy FROM tbInvSalesInvoice WHERE SINumber = 'SI000100'"))
                  .text(QStringLiteral("CancelledBy")),
              "E001");
}

TEST_P(SalesInvoiceCancellationTest, AFailingLineOrAnInvoiceCancelledElsewhereLeavesNothing) {
    sellThree();
    frmSICancellation w;
    showActive(&w);
    lookUp(w);
    const QString sold = w.grdItemList->textMatrix(2, frmSICancellation::colItemCode);
    w.grdItemList->setTextMatrix(2, frmSICancellation::colItemCode, QStringLiteral("NOSUCH"));  // the second line fails
    w.cmdCancelSI->click();
    EXPECT_EQ(platform.messages->last().icon(), vbCritical);
    EXPECT_TRUE(platform.messages->last().text.startsWith(
        QStringLiteral("An error has occured. Please contact IT Personnel for assistance.\n")));
    EXPECT_EQ(reversals(), QStringList()) << "not even the first line";
    EXPECT_EQ(cancelledFlag(QStringLiteral("SI000100")), 0);
    EXPECT_EQ(w.txtSINumber->text(), "SI000100") << "the window keeps its contents";
    EXPECT_EQ(onHand(QStringLiteral("AMOX500")), 48);

    // Another workstation cancels the invoice while this one still shows it.
    w.grdItemList->setTextMatrix(2, frmSICancellation::colItemCode, sold);
    std::unique_ptr<Connection> other = testDatabase().openAnother();
    suite::DrugCatalogComponent otherDrug([&other] { return other.get(); });
    ASSERT_TRUE(otherDrug.InitConnect(other->connectionString()));
    CancelSalesInvoice(*other, otherDrug.Drug(), QStringLiteral("SI000100"),
                       {{QStringLiteral("AMOX500"), 2, 100, QStringLiteral("20")},
                        {QStringLiteral("PARA500"), 1, 45.5, QStringLiteral("20")},
                        {QStringLiteral("VITC100"), 5, 12, QStringLiteral("20")}},
                       {QStringLiteral("E002"), QStringLiteral("20"), 1});
    platform.messages->clear();
    w.cmdCancelSI->click();
    EXPECT_TRUE(platform.messages->last().text.contains(QStringLiteral("Sales invoice SI000100 is already cancelled.")));
    EXPECT_EQ(reversals().size(), 3) << "one reversal only";
    EXPECT_EQ(onHand(QStringLiteral("AMOX500")), 50);
}

TEST_P(SalesInvoiceCancellationTest, TwoWorkstationsCancellingAtOncePostOneReversal) {
    sellThree();
    const QVector<SalesInvoiceLine> lines = {{QStringLiteral("AMOX500"), 2, 100, QStringLiteral("20")},
                                             {QStringLiteral("PARA500"), 1, 45.5, QStringLiteral("20")},
                                             {QStringLiteral("VITC100"), 5, 12, QStringLiteral("20")}};
    constexpr int kWorkstations = 3;
    std::vector<std::unique_ptr<Connection>> connections;
    for (int i = 0; i < kWorkstations; ++i)
        connections.push_back(testDatabase().openAnother());
    std::atomic<int> done{0}, refused{0};
    std::vector<std::thread> threads;
    for (int i = 0; i < kWorkstations; ++i)
        threads.emplace_back([&, i] {
            Connection& c = *connections[i];
            suite::DrugCatalogComponent own([&c] { return &c; });
            own.InitConnect(c.connectionString());
            try {
                CancelSalesInvoice(c, own.Drug(), QStringLiteral("SI000100"), lines,
                                   {QStringLiteral("E00%1").arg(i), QStringLiteral("20"), 1});
                ++done;
            } catch (const AppError&) {
                ++refused;
            }
        });
    for (std::thread& t : threads)
        t.join();
    EXPECT_EQ(done.load(), 1);
    EXPECT_EQ(refused.load(), kWorkstations - 1);
    EXPECT_EQ(reversals().size(), 3);
    EXPECT_EQ(onHand(QStringLiteral("PARA500")), 50);
}

TEST_P(SalesInvoiceCancellationTest, PickerListSearchAndClose) {
    sellThree();
    sell(QStringLiteral("SI000101"), QStringLiteral("MARIA CLARA"), QStringLiteral("E001"), {{"PARA500", 1, 10, 0}});
    sell(QStringLiteral("SI000200"), QStringLiteral("OTHER CASHIER"), QStringLiteral("E002"), {{"PARA500", 1, 10, 0}});

    struct Case { const char* name; std::function<void(frmSIList&)> act; const char* refnum; const char* payee; };
    const Case cases[] = {
        {"the close box after moving to the second row", [](frmSIList& l) {
             EXPECT_EQ(l.grdSIList->textMatrix(1, 0), "SI000101") << "the cashier's own, newest first";
             EXPECT_EQ(l.grdSIList->rows(), 3);
             l.grdSIList->setRow(2);
             l.close();
         }, "SI000100", "JUAN DELA CRUZ"},
        {"a search typed in lower case, Enter", [](frmSIList& l) {
             l.txtSearch->setFocus();
             typeText(l.txtSearch, QStringLiteral("other"));
             EXPECT_EQ(l.txtSearch->text(), "OTHER");
             pressKey(l.txtSearch, Qt::Key_Return, QStringLiteral("\r"));
             l.cmdSelect->click();
         }, "SI000200", "OTHER CASHIER"},
        {"a search without a match", [](frmSIList& l) {
             l.txtSearch->setText(QStringLiteral("NOBODY"));
             l.cmdFind->click();
             l.cmdSelect->click();
         }, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        frmSIList list;
        platform.modal->onShow<frmSIList>(c.act);
        showModal(list);
        EXPECT_EQ(list.refnum, c.refnum);
        EXPECT_EQ(list.Payee, c.payee);
    }

    // A cashier without invoices: the picker hands back nothing and the window stays empty.
    gEmployeeCode = QStringLiteral("E009");
    frmSICancellation w;
    showActive(&w);
    platform.modal->onShow<frmSIList>([](frmSIList& l) {
        EXPECT_EQ(Trim(l.grdSIList->textMatrix(1, 0)), "");
        l.cmdSelect->click();
    });
    w.cmdFind->click();
    EXPECT_EQ(w.txtSINumber->text(), "");
    EXPECT_EQ(w.grdItemList->rows(), 1);
    EXPECT_EQ(w.lblTotalAmount->text(), "0.00");
    EXPECT_FALSE(w.cmdCancelSI->isEnabled());
}

TEST_P(SalesInvoiceCancellationTest, TotalsOfTheItemGrid) {
    frmSICancellation w;
    w.ClearSI();
    struct Case { QStringList cells; const char* total; };
    const Case cases[] = {{{"1000.00", "234.50"}, "1,234.50"}, {{"", ""}, "0.00"}, {{"12abc", "x"}, "12.00"}};
    for (const Case& c : cases) {
        w.grdItemList->setRows(1 + int(c.cells.size()));
        for (int r = 0; r < c.cells.size(); ++r)
            w.grdItemList->setTextMatrix(r + 1, frmSICancellation::colAmount, c.cells[r]);
        EXPECT_EQ(w.computeTotal(QStringLiteral("3")), c.total);
    }
}

QX_ON_BOTH_ENGINES(SalesInvoiceCancellationTest);

} // namespace
} // namespace qx::test
