#include "Builders.h"
#include "TestDatabase.h"
#include "charging/PrintStaging.h"
#include "charging/StockCard.h"
#include "components/AppError.h"

using namespace qx;
using namespace qx::test;

namespace {

QString stagedMoney(const QVariant& v) { return QString::number(v.toDouble(), 'f', 2); }

class PrintStagingTest : public DbTest {
protected:
    ChargePrintLine chargeLine(const QString& key, const QString& idNum, const QString& slip) {
        ChargePrintLine l;
        l.key = key;
        l.refNum = slip;
        l.description = QStringLiteral("PARACETAMOL 500 MG TABLET");
        l.quantity = QStringLiteral("3");
        l.amount = 15.75;
        l.idNum = idNum;
        l.itemId = QStringLiteral("PARA500");
        l.unitPrice = 5.25;
        return l;
    }
    Recordset rows(const char* table, const QString& where = QStringLiteral("1 = 1")) {
        return db().query(QStringLiteral("SELECT * FROM %1 WHERE %2 ORDER BY id").arg(QLatin1String(table), where));
    }
};

TEST_P(PrintStagingTest, ChargeLineIsStagedWithItsValuesAndCuts) {
    ChargePrintLine l = chargeLine("E0001", "1001", "S0001");
    l.description = QString(250, QLatin1Char('D'));
    l.nurse = QString(120, QLatin1Char('N'));
    l.scNumber = QString(25, QLatin1Char('9'));
    l.discount = 1.25;
    l.discountType = QStringLiteral("SC");
    l.dosage = QStringLiteral("1 TAB");
    l.discountPercentage = 20;
    l.vatExempt = true;
    l.netAmount = 14.5;
    AppendChargePrint(db(), l);
    Recordset rs = rows("tbPharmaChargePrint");
    ASSERT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(rs.text("Description").size(), 200);
    EXPECT_EQ(rs.text("Nurse").size(), 100);
    EXPECT_EQ(rs.text("SCNumber").size(), 20);
    EXPECT_EQ(rs.text("DiscountType"), "SC");
    EXPECT_EQ(rs.text("Dosage"), "1 TAB");
    for (const auto& [column, expected] : std::vector<std::pair<const char*, const char*>>{
             {"Quantity", "3.00"}, {"Amount", "15.75"}, {"UnitPrice", "5.25"}, {"Discount", "1.25"},
             {"DiscountPercentage", "20.00"}, {"IsVATExempt", "1.00"}, {"NetAmount", "14.50"},
             {"TaxableAmount", "0.00"}, {"isMDRP", "0.00"}})
        EXPECT_EQ(stagedMoney(rs.value(QString::fromLatin1(column))), expected) << column;
}

// A character outside the basic plane at a cut goes whole: kept when it ends before the cut,
// left out when the cut falls inside it.
TEST_P(PrintStagingTest, CutsKeepWholeCharacters) {
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    struct Cut { const char* table; const char* column; int size; std::function<void(const QString&)> stage; };
    const Cut cuts[] = {
        {"tbPharmaChargePrint", "Description", 200, [&](const QString& t) {
             ChargePrintLine l = chargeLine("E0001", "1001", "S0001");
             l.description = t;
             AppendChargePrint(db(), l);
         }},
        {"tbPharmaChargePrint", "Nurse", 100, [&](const QString& t) {
             ChargePrintLine l = chargeLine("E0001", "1001", "S0001");
             l.nurse = t;
             AppendChargePrint(db(), l);
         }},
        {"tbPharmaChargePrint", "SCNumber", 20, [&](const QString& t) {
             ChargePrintLine l = chargeLine("E0001", "1001", "S0001");
             l.scNumber = t;
             AppendChargePrint(db(), l);
         }},
        {"tbPharmaChargePrintDump", "Description", 200, [&](const QString& t) {
             AppendChargePrintDump(db(), "E0001", "S1", t, 1, 5.25, "1001", "PARA500", 5.25, 0, 0, "", "", "");
         }},
        {"tbPharmaCMPrint", "Description", 90, [&](const QString& t) {
             AppendCreditMemoPrint(db(), "HOST1", "RC00000001", t, 1, 5.25, "S0001", 1, "1001");
         }},
    };
    for (const Cut& c : cuts)
        for (int before : {c.size - 2, c.size - 1}) {
            db().execute(QStringLiteral("DELETE FROM %1").arg(QLatin1String(c.table)));
            const QString text = QString(before, QLatin1Char('X')) + emoji + QStringLiteral("YZ");
            c.stage(text);
            EXPECT_EQ(rows(c.table).text(QString::fromLatin1(c.column)), text.left(before == c.size - 2 ? c.size : before))
                << c.table << "." << c.column << " emoji at " << before;
        }
}

TEST_P(PrintStagingTest, QuantityTextThatIsNotANumberStagesZero) {
    ChargePrintLine l = chargeLine("E0001", "1001", "S0001");
    l.quantity = QStringLiteral("two");
    AppendChargePrint(db(), l);
    EXPECT_EQ(stagedMoney(rows("tbPharmaChargePrint").value("Quantity")), "0.00");
}

// Marks reach only the line's own staging rows: not another workstation's or patient's row of
// the same slip and item. A flag of -1 marks nothing.
TEST_P(PrintStagingTest, MarksSelectTheKeyAndPatientToo) {
    AppendChargePrint(db(), chargeLine("HOST2", "1001", "S0001"));
    AppendChargePrint(db(), chargeLine("E0001", "1002", "S0001"));
    struct Case {
        qint16 mdrp;
        const char* scpwd;
        const char* s2;
        const char* expectMdrp;
        const char* expectScpwd;
        const char* expectS2;
    };
    const std::vector<Case> cases = {
        {0, "", "", "0", "", ""},
        {-1, "", "", "0", "", ""},
        {1, "", "", "1", "", ""},
        {0, "SC-1", "", "0", "SC-1", ""},
        {1, "PWD-2", "S2-9", "1", "PWD-2", "S2-9"},
    };
    int n = 0;
    for (const Case& c : cases) {
        const QString slip = QStringLiteral("M%1").arg(++n);
        ChargePrintLine l = chargeLine("E0001", "1001", slip);
        AppendChargePrint(db(), chargeLine("HOST2", "1001", slip));
        l.mdrp = c.mdrp;
        l.scpwdId = c.scpwd;
        l.s2Id = c.s2;
        AppendChargePrint(db(), l);
        Recordset own = rows("tbPharmaChargePrint", QStringLiteral("RefNum = '%1' AND UserID = 'E0001'").arg(slip));
        EXPECT_EQ(own.text("isMDRP"), c.expectMdrp) << n;
        EXPECT_EQ(own.text("SCPWDID"), c.expectScpwd) << n;
        EXPECT_EQ(own.text("S2ID"), c.expectS2) << n;
        Recordset other = rows("tbPharmaChargePrint", QStringLiteral("RefNum = '%1' AND UserID = 'HOST2'").arg(slip));
        EXPECT_EQ(other.text("isMDRP"), "0") << n;
        EXPECT_EQ(other.text("SCPWDID"), "") << n;
    }
}

// The marks find the row as the procedure stored it: codes cut to their declared size and
// trimmed; the stored item code is left as it is.
TEST_P(PrintStagingTest, MarksFindLongAndPaddedCodesAsStored) {
    struct Case {
        const char* itemId;
        const char* stored;
    };
    const std::vector<Case> cases = {
        {"PARA500", "PARA500"},
        {"  PARA500   ", "PARA500"},
        {"AMOXICILLIN500MGCAPS", "AMOXICILLIN500M"},
        {"AMOXICILLIN 50 MG", "AMOXICILLIN 50"},
    };
    int n = 0;
    for (const Case& c : cases) {
        const QString slip = QStringLiteral("L%1").arg(++n);
        ChargePrintLine l = chargeLine("E0001", "1001", slip);
        l.itemId = QString::fromLatin1(c.itemId);
        l.mdrp = 1;
        l.scpwdId = QStringLiteral("SC-1");
        AppendChargePrint(db(), l);
        Recordset own = rows("tbPharmaChargePrint", QStringLiteral("RefNum = '%1'").arg(slip));
        EXPECT_EQ(own.text("ItemID"), c.stored) << c.itemId;
        EXPECT_EQ(own.text("isMDRP"), "1") << c.itemId;
        EXPECT_EQ(own.text("SCPWDID"), "SC-1") << c.itemId;
    }
}

TEST_P(PrintStagingTest, ClearRemovesOnlyTheKeyPatientAndSlip) {
    for (const bool dump : {false, true}) {
        const char* table = dump ? "tbPharmaChargePrintDump" : "tbPharmaChargePrint";
        for (const auto& [key, id, slip] : std::vector<std::tuple<QString, QString, QString>>{
                 {"E0001", "1001", "S1"}, {"E0001", "1001", "S2"}, {"E0001", "1002", "S1"}, {"HOST2", "1001", "S1"}}) {
            if (dump)
                AppendChargePrintDump(db(), key, slip, "DESC", 1, 5.25, id, "PARA500", 5.25, 0, 0, "", "", "");
            else
                AppendChargePrint(db(), chargeLine(key, id, slip));
        }
        ClearChargePrint(db(), "E0001", "1001", "S1", dump);
        Recordset rs = rows(table);
        QStringList left;
        for (rs.moveFirst(); !rs.eof(); rs.moveNext())
            left << rs.text("UserID") + "/" + rs.text("IdNum") + "/" + rs.text("RefNum");
        EXPECT_EQ(left, QStringList({"E0001/1001/S2", "E0001/1002/S1", "HOST2/1001/S1"})) << table;
    }
}

TEST_P(PrintStagingTest, DumpRowCarriesItsThirteenValuesWithCuts) {
    AppendChargePrintDump(db(), "E0001", "S1", QString(250, QLatin1Char('D')), 2.5, 13.13, "1001", "PARA500", 5.25,
                          0.5, 10, "SC", QString(120, QLatin1Char('N')), QString(25, QLatin1Char('9')));
    Recordset rs = rows("tbPharmaChargePrintDump");
    EXPECT_EQ(rs.text("Description").size(), 200);
    EXPECT_EQ(rs.text("Nurse").size(), 100);
    EXPECT_EQ(rs.text("SCNumber").size(), 20);
    EXPECT_EQ(rs.text("DiscountType"), "SC");
    EXPECT_EQ(stagedMoney(rs.value("Quantity")), "2.50");
    EXPECT_EQ(stagedMoney(rs.value("Amount")), "13.13");
    EXPECT_EQ(stagedMoney(rs.value("Discount")), "0.50");
    EXPECT_EQ(stagedMoney(rs.value("DiscountPercentage")), "10.00");
}

TEST_P(PrintStagingTest, CreditMemoLinesAreStagedAndErasedByKey) {
    AppendCreditMemoPrint(db(), "HOST1", "RC00000001", QString(120, QLatin1Char('D')), 2, 10.5, "S0001", 3, "1001");
    AppendCreditMemoPrint(db(), "HOST2", "RC00000001", "DESC", 1, 5.25, "S0001", 1, "1001");
    Recordset rs = rows("tbPharmaCMPrint", "UserID = 'HOST1'");
    EXPECT_EQ(rs.text("Description").size(), 90);
    EXPECT_EQ(stagedMoney(rs.value("Amount")), "10.50");
    EXPECT_EQ(rs.text("ChargeSlip"), "S0001");
    EXPECT_EQ(rs.text("QtyIssued"), "3");
    EraseCreditMemoPrint(db(), "HOST1", "1001", "RC00000001");
    EXPECT_EQ(rows("tbPharmaCMPrint").recordCount(), 1);
    EXPECT_EQ(rows("tbPharmaCMPrint").text("UserID"), "HOST2");
}

TEST_P(PrintStagingTest, CashPrintIsClearedForTheWorkstation) {
    db().execute("INSERT INTO tbPharmaCashPrint (UserID, RefNum) VALUES ('HOST1', 'PH1'), ('HOST1', 'PH2'), ('HOST2', 'PH3')");
    DeleteCashPrint(db(), "HOST1");
    EXPECT_EQ(rows("tbPharmaCashPrint").recordCount(), 1);
}

// A reprint reads back what was posted under the slip, whatever was staged.
TEST_P(PrintStagingTest, ChargePrintReadsThePostedLines) {
    addItem(db());
    StockCardValues v;
    v.summaryCode = v.revenueId = "PH";
    v.idNum = "1001";
    v.itemId = "PARA500";
    v.refNum = "S0001";
    v.locationId = "20";
    v.userId = "E0001";
    v.dosageId = "1 TAB";
    v.quantity = 4;
    v.amount = 21;
    Drug_AddStockCard(db(), v);
    std::optional<Recordset> rs = db().callProcedure("Pharma_GetChargePrint", {{"@strIdNum", "1001"}, {"@strRefNum", "S0001"}});
    ASSERT_TRUE(rs && rs->recordCount() == 1);
    for (const char* column : {"UserID", "DispenserName", "Encoder", "DateTrans", "refnum", "ItemID", "IDNum",
                               "Quantity", "Amount", "DosageID", "UnitPrice", "Discount", "DiscountType"})
        EXPECT_TRUE(rs->hasField(QString::fromLatin1(column))) << column;
    EXPECT_EQ(rs->text("UserID"), "E0001");
    EXPECT_EQ(stagedMoney(rs->value("UnitPrice")), "5.25");
}

QX_ON_BOTH_ENGINES(PrintStagingTest);

} // namespace
