#include "TestDatabase.h"
#include "components/AppError.h"
#include "suite/TillCalendarCashDate.h"
#include "suite/TillInvoicesCashInvoice.h"
#include "suite/TillNumbersCashNumbers.h"

#include <set>
#include <thread>

using namespace qx;
using namespace qx::test;

namespace {

class TillComponentsTest : public DbTest {
protected:
    ConnectionProvider provider() { return [this] { return &db(); }; }
};

TEST_P(TillComponentsTest, EveryKindGivesANewReceiptNumber) {
    suite::TillNumbersCashNumbers numbers(provider());
    ASSERT_TRUE(numbers.InitConnection(db().connectionString()));
    numbers.GetNumbers();
    EXPECT_EQ(numbers.CashNumber(), 1.0);
    struct Step { int kind; double cash, drug, nonDrug; };
    const Step steps[] = {{1, 2, 2, 1}, {4, 3, 2, 2}, {2, 4, 2, 3}, {1, 5, 3, 3}};
    for (const Step& s : steps) {
        numbers.UpdateCashNumbers(s.kind);
        numbers.GetNumbers();
        EXPECT_EQ(numbers.CashNumber(), s.cash) << s.kind;
        EXPECT_EQ(numbers.DrugNumber(), s.drug) << s.kind;
        EXPECT_EQ(numbers.NonDrugNumber(), s.nonDrug) << s.kind;
    }
    EXPECT_THROW(numbers.UpdateCashNumbers(3), AppError);
    numbers.UpdateNumberGroup(QStringLiteral("PH00000005"), QStringLiteral("PH3"), QStringLiteral("SC3"), QStringLiteral("01/05/2026"));
    Recordset rs = db().query(QStringLiteral("SELECT GroupSlip, GroupDrug, GroupNonDrug, ReportDate FROM billing.tbCashNumbers"));
    EXPECT_EQ(rs.text(QStringLiteral("GroupSlip")), QStringLiteral("PH00000005"));
    EXPECT_EQ(rs.text(QStringLiteral("GroupNonDrug")), QStringLiteral("SC3"));
    EXPECT_EQ(rs.text(QStringLiteral("ReportDate")), QStringLiteral("01/05/2026"));
}

// Cashiers at two workstations each claim receipts inside their saves: no receipt twice.
TEST_P(TillComponentsTest, ConcurrentClaimsGiveDistinctReceipts) {
    constexpr int kThreads = 4, kClaims = 15;
    std::mutex m;
    std::vector<double> claimed;
    std::vector<std::string> errors;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&] {
            try {
                auto conn = testDatabase().openAnother();
                Connection* c = conn.get();
                suite::TillNumbersCashNumbers numbers([c] { return c; });
                numbers.InitConnection(c->connectionString());
                for (int i = 0; i < kClaims; ++i) {
                    Transaction tx(*c);
                    numbers.GetNumbers();
                    const double n = numbers.CashNumber();
                    numbers.UpdateCashNumbers(1);
                    tx.commit();
                    std::lock_guard<std::mutex> lock(m);
                    claimed.push_back(n);
                }
            } catch (const std::exception& e) {
                std::lock_guard<std::mutex> lock(m);
                errors.push_back(e.what());
            }
        });
    for (auto& th : threads)
        th.join();
    ASSERT_TRUE(errors.empty()) << errors.front();
    EXPECT_EQ(std::set<double>(claimed.begin(), claimed.end()).size(), static_cast<size_t>(kThreads * kClaims));
}

TEST_P(TillComponentsTest, ReportDateIsTheOpenOneElseToday) {
    suite::TillCalendarCashDate date(provider());
    ASSERT_TRUE(date.InitConnection(db().connectionString()));
    date.GetReportStatus();
    EXPECT_EQ(date.ReportDate(), db().serverNow().date());
    db().execute(QStringLiteral("INSERT INTO billing.tbCashReportStatus (id, ReportDate) VALUES (1, ?)"),
                 {QDateTime(QDate(2026, 1, 4), QTime(0, 0))});
    date.GetReportStatus();
    EXPECT_EQ(date.ReportDate().toString(QStringLiteral("MM/dd/yyyy")), QStringLiteral("01/04/2026"));

    suite::TillInvoicesCashInvoice invoice(provider());
    EXPECT_TRUE(invoice.InitConnection(db().connectionString()));
    EXPECT_FALSE(invoice.InitConnection(QStringLiteral("sqlite:/elsewhere")));
}

QX_ON_BOTH_ENGINES(TillComponentsTest);

} // namespace
