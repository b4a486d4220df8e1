#include "Builders.h"
#include "TestDatabase.h"
#include "components/AppError.h"
#include "suite/DrugCatalogDrug.h"

#include <atomic>
#include <set>
#include <thread>

using namespace qx;
using namespace qx::test;
using qx::DrugCatalog::StockCardArgs;

namespace {

using Position = std::pair<int, QVariant>;

StockCardArgs cardArgs(int count, std::initializer_list<Position> values) {
    StockCardArgs a;
    a.count = count;
    for (const auto& [pos, v] : values)
        a[pos] = v;
    return a;
}

// The values every caller passes in positions 1-15, for an admitted patient.
StockCardArgs issueArgs(const QString& slip, double qty, double amount, std::initializer_list<Position> more = {},
                        int count = 28) {
    StockCardArgs a = cardArgs(count, {{1, "H000001"}, {2, "1001"}, {3, "PARA500"}, {4, "01/05/2026 10:30:00"},
                                       {5, slip}, {6, qty}, {7, 0}, {8, amount}, {9, "E0001"}, {10, "1 TAB"},
                                       {11, "D001"}, {12, "20"}, {13, ""}, {14, "301"}, {15, 1}, {26, 0},
                                       {28, "HOST1"}});
    for (const auto& [pos, v] : more)
        a[pos] = v;
    return a;
}

QString money(const QVariant& v) { return QString::number(v.toDouble(), 'f', 2); }

class DrugCatalogStockCardTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (IsSkipped())
            return;
        addItem(db(), {.onHand = 100});
        addAdmittedPatient(db());
        drug_ = std::make_unique<suite::DrugCatalogDrug>(suite::fixedConnection(db()));
    }
    double onHand(const QString& item = QStringLiteral("PARA500")) {
        return db().query(QStringLiteral("SELECT OnHand FROM tbInvent WHERE ItemID = ? AND LocationID = '20'"), {item})
            .value(0).toDouble();
    }
    Recordset lines(const QString& where = QStringLiteral("1 = 1"), const QVariantList& binds = {}) {
        return db().query(QStringLiteral("SELECT * FROM tbInvStockCard WHERE ") + where + QStringLiteral(" ORDER BY id"),
                          binds);
    }
    std::unique_ptr<suite::DrugCatalogDrug> drug_;
};

TEST_P(DrugCatalogStockCardTest, BalanceAndStockFollowEveryMovement) {
    struct Step {
        const char* what;
        StockCardArgs args;
        double balance;
    };
    const Step steps[] = {
        {"issue", issueArgs("00000001", 10, 52.5), 90},
        {"second issue", issueArgs("00000002", 5, 26.25), 85},
        {"return", issueArgs("00000001", 3, 15.75, {{16, "PC"}, {17, "PC"}, {19, "C"}, {24, 2}, {25, "RC00000001"}}), 88},
        {"correction", issueArgs("00000002", 2, 10.5, {{24, 3}, {25, "AJ00000001"}}), 90},
        {"invoice cancellation", cardArgs(24, {{1, ""}, {2, "CASH"}, {3, "PARA500"}, {4, "01/05/2026 11:00:00"},
                                               {5, "SI000123"}, {6, -4}, {7, -4}, {8, -21.0}, {9, "E0001"}, {12, "20"},
                                               {14, "OPD"}, {15, 1}, {16, "PH"}, {17, "PH"}, {19, "D"}, {22, "O"},
                                               {23, 0}, {24, 1}}),
         94},
    };
    for (const Step& s : steps) {
        drug_->AppendStockCard(s.args);
        Recordset last = lines();
        last.moveLast();
        EXPECT_EQ(last.number(QStringLiteral("Balance")), s.balance) << s.what;
        EXPECT_EQ(onHand(), s.balance) << s.what;
    }
    Recordset all = lines();
    ASSERT_EQ(all.recordCount(), 5);
    EXPECT_EQ(money(all.valueAt(0, QStringLiteral("Amount"))), QStringLiteral("52.50"));
    EXPECT_EQ(money(all.valueAt(4, QStringLiteral("Amount"))), QStringLiteral("-21.00"));
}

// Each caller form of the contract lands in the right columns.
TEST_P(DrugCatalogStockCardTest, CallerFormsMapToColumns) {
    addPendingRequest(db(), {.requestNumber = QStringLiteral("RQ000009")});
    struct Case {
        const char* caller;
        StockCardArgs args;
        std::map<QString, QString> expected;  // column -> text ("<null>" for Null)
    };
    const Case cases[] = {
        {"in-patient manual", issueArgs("00000011", 2, 10.5, {{20, "after meals"}}),
         {{"SummaryCode", "PH"}, {"RevenueID", "PH"}, {"IdNum", "1001"}, {"InOut", "I"}, {"ItemType", "D"},
          {"CreditMemoNum", "<null>"}, {"PostOrReturn", "1"}, {"Sequence", "HOST1"}, {"Remarks", "after meals"},
          {"RequestByID", "D001"}, {"DosageID", "1 TAB"}, {"RoomID", "301"}, {"UserID", "E0001"}}},
        {"out-patient manual", issueArgs("00000012", 1, 4.75, {{2, "5001A"}, {14, "OPD"}, {22, "O"}, {25, "0.5"}, {31, "ACC1"}}, 31),
         {{"IdNum", "5001A"}, {"InOut", "O"}, {"AuxValue", "0.5"}, {"CreditMemoNum", "<null>"}, {"AcctNum", "ACC1"}}},
        {"unit dose", issueArgs("00000013", 1, 5.25, {{18, "UD"}, {21, ""}, {23, 2}}),
         {{"ClinicID", "UD"}, {"Communication", "2"}, {"SummaryCode", "PH"}}},
        {"credit advise", cardArgs(25, {{1, ""}, {2, "CASH"}, {3, "PARA500"}, {4, "01/05/2026 12:00:00"},
                                        {5, "PH00000077"}, {6, 1}, {7, 0}, {8, 4.75}, {9, "E0002"}, {12, "20"},
                                        {14, "OPD"}, {15, 2}, {16, "PC"}, {17, "PC"}, {19, "D"}, {22, "O"}, {23, 0},
                                        {24, 2}, {25, "CM15"}}),
         {{"SummaryCode", "PC"}, {"CreditMemoNum", "CM15"}, {"RefNum", "PH00000077"}, {"Shift", "2"}}},
        {"return", issueArgs("00000011", 1, 5.25, {{7, 2}, {16, "PC"}, {17, "PC"}, {19, "C"}, {24, 2},
                                                   {25, "RC00000004"}, {26, 7.0}}),
         {{"SummaryCode", "PC"}, {"ItemType", "C"}, {"CreditMemoNum", "RC00000004"}, {"QuantityRec", "2"},
          {"DispenserCode", "7"}, {"AuxValue", "<null>"}}},
        {"correction", issueArgs("00000011", 1, 5.25, {{24, 3}, {25, "AJ00000004"}}),
         {{"SummaryCode", "PA"}, {"RevenueID", "PA"}, {"CreditMemoNum", "AJ00000004"}, {"PostOrReturn", "3"}}},
        {"station return", issueArgs("00000011", 1, 5.25, {{11, "DOCTOR D001, TEST"}, {12, "20"}, {15, 1},
                                                           {16, "PC"}, {17, "PC"}, {19, "C"}, {24, 2},
                                                           {25, "RC00000005"}, {28, "E0009"}}),
         {{"RequestByID", "DOCTOR D001, TEST"}, {"Sequence", "E0009"}, {"CreditMemoNum", "RC00000005"}}},
        {"take-home", issueArgs("00000014", 2, 10.5, {{13, "3F"}, {21, "RQ000009"}, {23, 1}, {25, "PARA500"}}),
         {{"RequestNumber", "RQ000009"}, {"Communication", "1"}, {"AuxValue", "PARA500"}, {"TargetLocationID", "3F"},
          {"CreditMemoNum", "<null>"}}},
        {"employee", issueArgs("00000015", 1, 4.75, {{2, "5001A"}, {11, "ACC7"}, {14, "OPD"}, {22, "O"}, {25, 0},
                                                     {31, "ACC7"}}, 31),
         {{"AuxValue", "0"}, {"AcctNum", "ACC7"}, {"RequestByID", "ACC7"}}},
    };
    addOutPatientVisit(db());
    for (const Case& c : cases) {
        const int before = lines().recordCount();
        drug_->AppendStockCard(c.args);
        Recordset rs = lines();
        ASSERT_EQ(rs.recordCount(), before + 1) << c.caller;
        rs.moveLast();
        for (const auto& [column, text] : c.expected) {
            const QVariant v = rs.value(column);
            const QString got = v.isNull() ? QStringLiteral("<null>") : v.toString();
            EXPECT_EQ(got, text) << c.caller << " " << column.toStdString();
        }
    }
    // The take-home line served its nursing request.
    EXPECT_EQ(db().query(QStringLiteral("SELECT RecordStatus FROM station.tbNurseCommunicationFile WHERE RequestNumber = ?"),
                         {QStringLiteral("RQ000009")}).text(QStringLiteral("RecordStatus")),
              QStringLiteral("P"));
}

TEST_P(DrugCatalogStockCardTest, StagesSlipAndMemoPrintRows) {
    drug_->AppendStockCard(issueArgs("00000021", 4, 21.0));
    drug_->AppendStockCard(issueArgs("00000021", 1, 5.25, {{7, 4}, {16, "PC"}, {17, "PC"}, {24, 2}, {25, "RC00000009"}}));
    Recordset slip = db().query(QStringLiteral("SELECT * FROM tbPharmaChargePrint"));
    ASSERT_EQ(slip.recordCount(), 1);
    EXPECT_EQ(slip.text(QStringLiteral("UserID")), QStringLiteral("HOST1"));
    EXPECT_EQ(slip.text(QStringLiteral("IdNum")), QStringLiteral("1001"));
    EXPECT_EQ(slip.text(QStringLiteral("RefNum")), QStringLiteral("00000021"));
    EXPECT_EQ(slip.text(QStringLiteral("Description")), QStringLiteral("PARACETAMOL 500 MG TABLET (PARACETAMOL)"));
    EXPECT_EQ(money(slip.value(QStringLiteral("UnitPrice"))), QStringLiteral("5.25"));
    EXPECT_EQ(money(slip.value(QStringLiteral("Amount"))), QStringLiteral("21.00"));
    Recordset memo = db().query(QStringLiteral("SELECT * FROM tbPharmaCMPrint"));
    ASSERT_EQ(memo.recordCount(), 1);
    EXPECT_EQ(memo.text(QStringLiteral("RefNum")), QStringLiteral("RC00000009"));
    EXPECT_EQ(memo.text(QStringLiteral("ChargeSlip")), QStringLiteral("00000021"));
    EXPECT_EQ(memo.number(QStringLiteral("QtyIssued")), 4.0);
    EXPECT_EQ(money(memo.value(QStringLiteral("Amount"))), QStringLiteral("5.25"));
}

// A character outside the basic plane where a staged description is cut goes whole, never half.
TEST_P(DrugCatalogStockCardTest, StagedDescriptionsCutAtWholeCharacters) {
    const QString emoji = QString::fromUtf8("\xF0\x9F\x92\x8A");
    // The description reads "GENERIC DESCRIPTION (NAME)"; the emoji spans its units 89-90 (the memo's
    // cut at 90) and 199-200 (the slip's at 200).
    const QString lead = QStringLiteral("PARACETAMOL 500 MG TABLET (");
    const QString name = QString(89 - lead.size(), QLatin1Char('A')) + emoji + QString(108, QLatin1Char('B')) + emoji;
    addItem(db(), {.itemId = QStringLiteral("EMJ1"), .name = name, .onHand = 100});
    drug_->AppendStockCard(issueArgs("00000031", 4, 21.0, {{3, "EMJ1"}}));
    drug_->AppendStockCard(issueArgs("00000031", 1, 5.25, {{3, "EMJ1"}, {7, 4}, {16, "PC"}, {17, "PC"}, {24, 2},
                                                          {25, "RC00000010"}}));
    EXPECT_EQ(db().query(QStringLiteral("SELECT Description FROM tbPharmaChargePrint")).text(QStringLiteral("Description")),
              (lead + name).left(199));
    EXPECT_EQ(db().query(QStringLiteral("SELECT Description FROM tbPharmaCMPrint")).text(QStringLiteral("Description")),
              (lead + name).left(89));
}

TEST_P(DrugCatalogStockCardTest, NewVisitIsRegisteredOncePerSave) {
    addItem(db(), {.itemId = QStringLiteral("AMOX500"), .name = QStringLiteral("AMOXICILLIN"), .genericId = QStringLiteral("G-AMOX"),
                   .genericName = QStringLiteral("AMOXICILLIN")});
    auto opLine = [](const QString& slip, const QString& item) {
        return issueArgs(slip, 1, 4.75, {{1, "H000001"}, {2, "NEWOPD"}, {3, item}, {14, "OPD"}, {22, "O"}, {31, ""}}, 31);
    };
    for (const QString& slip : {QStringLiteral("00000031"), QStringLiteral("00000032")}) {
        Transaction tx(db());
        drug_->AppendStockCard(opLine(slip, QStringLiteral("PARA500")));
        drug_->AppendStockCard(opLine(slip, QStringLiteral("AMOX500")));
        tx.commit();
    }
    Recordset visits = db().query(QStringLiteral("SELECT IDNum, HospNum, AccountNum FROM patient_data.tbOutPatient ORDER BY IDNum"));
    ASSERT_EQ(visits.recordCount(), 2);
    EXPECT_EQ(visits.text(QStringLiteral("AccountNum")), QStringLiteral("H000001"));
    for (const QString& slip : {QStringLiteral("00000031"), QStringLiteral("00000032")}) {
        Recordset rs = db().query(QStringLiteral("SELECT DISTINCT IdNum FROM tbInvStockCard WHERE RefNum = ?"), {slip});
        ASSERT_EQ(rs.recordCount(), 1) << slip.toStdString();
        EXPECT_TRUE(rs.text(QStringLiteral("IdNum")).endsWith(QLatin1Char('B')));
        EXPECT_EQ(db().query(QStringLiteral("SELECT 1 FROM patient_data.tbOutPatient WHERE IDNum = ?"),
                             {rs.value(0)}).recordCount(), 1);
    }
}

TEST_P(DrugCatalogStockCardTest, AnUncommittedSaveLeavesNothing) {
    {
        Transaction tx(db());
        drug_->Chargeslip().UpdateDispensingChargeSlip();
        drug_->AppendStockCard(issueArgs("00000041", 10, 52.5));
        drug_->AppendStockCard(issueArgs("00000041", 5, 26.25));
    }
    EXPECT_EQ(lines().recordCount(), 0);
    EXPECT_EQ(onHand(), 100.0);
    EXPECT_EQ(db().query(QStringLiteral("SELECT COUNT(*) FROM tbPharmaChargePrint")).value(0).toInt(), 0);
    EXPECT_EQ(drug_->Chargeslip().CurrentDispensingChargeSlip(), QStringLiteral("00000001"));
}

TEST_P(DrugCatalogStockCardTest, RefusesLinesItCannotPlace) {
    EXPECT_THROW(drug_->AppendStockCard(issueArgs("", 1, 1)), AppError);
    EXPECT_THROW(drug_->AppendStockCard(issueArgs("00000051", 1, 1, {{4, "13/45/2026 10:00:00"}})), AppError);
    EXPECT_THROW(drug_->AppendStockCard(issueArgs("00000051", 1, 1, {{6, "XXX"}})), AppError);
    EXPECT_THROW(drug_->AppendStockCard(issueArgs("00000051", 1, 1, {{3, "NOSUCH"}})), AppError);
    EXPECT_EQ(db().query(QStringLiteral("SELECT COUNT(*) FROM tbInvent WHERE ItemID = 'NOSUCH'")).value(0).toInt(), 0);
    EXPECT_EQ(lines().recordCount(), 0);
}

// Every table a post writes, every column, in the order written (ids left out: PostgreSQL never
// takes back the ids of a rolled-back save).
QVector<QVariantList> written(Connection& c) {
    QVector<QVariantList> out;
    for (const char* sql : {"SELECT * FROM tbInvStockCard ORDER BY id", "SELECT * FROM tbInvent ORDER BY ItemID, LocationID",
                            "SELECT * FROM tbPharmaChargePrint ORDER BY id", "SELECT * FROM tbPharmaCMPrint ORDER BY id",
                            "SELECT * FROM station.tbNurseCommunicationFile ORDER BY RequestNumber"}) {
        Recordset rs = c.query(QString::fromLatin1(sql));
        const int id = rs.fieldIndex(QStringLiteral("id"));
        for (int r = 0; r < rs.recordCount(); ++r) {
            QVariantList row = rs.row(r);
            if (id >= 0)
                row.removeAt(id);
            out << row;
        }
        out << QVariantList{QStringLiteral("--")};
    }
    return out;
}

// A save posted as one batch writes what its lines posted one by one write: the line, the stock,
// the staged print rows and the served request, over stock and with an item twice.
TEST_P(DrugCatalogStockCardTest, SaveAtOnceWritesWhatLineByLineWrites) {
    addItem(db(), {.itemId = QStringLiteral("AMOX500"), .name = QStringLiteral("AMOXICILLIN"),
                   .genericId = QStringLiteral("G-AMOX"), .genericName = QStringLiteral("AMOXICILLIN"), .onHand = 2});
    addPendingRequest(db(), {.requestNumber = QStringLiteral("RQ000009")});
    const QVector<StockCardArgs> save{
        issueArgs("00000061", 4, 21.0, {{21, "RQ000009"}, {23, 1}}),
        issueArgs("00000061", 5, 23.75, {{3, "AMOX500"}}),  // more than the 2 in stock
        issueArgs("00000061", 2, 10.5),                     // the first item again
        issueArgs("00000061", 1, 5.25, {{7, 4}, {16, "PC"}, {17, "PC"}, {24, 2}, {25, "RC00000061"}}),
        issueArgs("00000061", 1, 5.25, {{24, 3}, {25, "AJ00000061"}}),
    };
    QVector<QVariantList> oneByOne;
    {
        Transaction tx(db());
        for (const StockCardArgs& line : save)
            drug_->AppendStockCard(line);
        oneByOne = written(db());
    }
    drug_->AppendStockCards(save);
    const QVector<QVariantList> atOnce = written(db());
    ASSERT_EQ(atOnce.size(), oneByOne.size());
    for (int r = 0; r < atOnce.size(); ++r)
        EXPECT_EQ(atOnce[r], oneByOne[r]) << "row " << r;
    EXPECT_EQ(onHand(QStringLiteral("AMOX500")), -3.0);
}

TEST_P(DrugCatalogStockCardTest, SaveAtOnceWithABadLineLeavesNothing) {
    const QVector<QVariantList> before = written(db());
    for (int bad : {0, 2, 4}) {
        QVector<StockCardArgs> save;
        for (int i = 0; i < 5; ++i)
            save << issueArgs("00000071", 1, 5.25, {{3, i == bad ? "NOSUCH" : "PARA500"}});
        EXPECT_THROW(drug_->AppendStockCards(save), AppError) << bad;
        EXPECT_EQ(written(db()), before) << bad;
    }
    drug_->AppendStockCards({});
    EXPECT_EQ(written(db()), before);
}

// Workstations claim slips and post at once, each on its own connection: no slip is shared and
// no movement is lost from the balance.
TEST_P(DrugCatalogStockCardTest, ConcurrentSavesNeverShareASlipOrLoseStock) {
    constexpr int kThreads = 4, kSaves = 12;
    db().execute(QStringLiteral("UPDATE tbInvent SET OnHand = 1000"));
    std::atomic<int> failures{0};
    std::vector<std::thread> threads;
    std::mutex m;
    std::vector<std::string> errors;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            try {
                auto conn = testDatabase().openAnother();
                suite::DrugCatalogDrug drug(suite::fixedConnection(*conn));
                for (int s = 0; s < kSaves; ++s) {
                    Transaction tx(*conn);
                    const QString slip = drug.Chargeslip().ClaimDispensingChargeSlip(
                        std::nullopt, QStringLiteral("1001"), QStringLiteral("HOST%1").arg(t));
                    drug.AppendStockCard(issueArgs(slip, 1, 5.25, {{28, QStringLiteral("HOST%1").arg(t)}}));
                    drug.AppendStockCard(issueArgs(slip, 2, 10.5, {{28, QStringLiteral("HOST%1").arg(t)}}));
                    tx.commit();
                }
            } catch (const std::exception& e) {
                ++failures;
                std::lock_guard<std::mutex> lock(m);
                errors.push_back(e.what());
            }
        });
    }
    for (auto& th : threads)
        th.join();
    ASSERT_EQ(failures.load(), 0) << (errors.empty() ? std::string() : errors.front());
    Recordset all = lines();
    ASSERT_EQ(all.recordCount(), kThreads * kSaves * 2);
    std::set<QString> slips;
    std::map<QString, std::set<QString>> hostsBySlip;
    std::set<double> balances;
    for (all.moveFirst(); !all.eof(); all.moveNext()) {
        slips.insert(all.text(QStringLiteral("RefNum")));
        hostsBySlip[all.text(QStringLiteral("RefNum"))].insert(all.text(QStringLiteral("Sequence")));
        balances.insert(all.number(QStringLiteral("Balance")));
    }
    EXPECT_EQ(static_cast<int>(slips.size()), kThreads * kSaves);
    for (const auto& [slip, hosts] : hostsBySlip)
        EXPECT_EQ(hosts.size(), 1u) << slip.toStdString();
    // Every line saw the stock its predecessor left: the balances are all different.
    EXPECT_EQ(static_cast<int>(balances.size()), kThreads * kSaves * 2);
    EXPECT_EQ(onHand(), 1000.0 - kThreads * kSaves * 3);
    EXPECT_EQ(*balances.begin(), onHand());
}

QX_ON_BOTH_ENGINES(DrugCatalogStockCardTest);

} // namespace
