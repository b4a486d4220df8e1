#include "CatalogueOpening.h"
#include "platform/report/ReportTestSupport.h"
#include "reports/CatalogueRow.h"
#include "shell/CreditMemoListReport.h"

using namespace qx;
using namespace qx::test;

namespace {

TEST_P(CatalogueDemoTest, WorkQueueReportsOpenOnTheDemoData) {
    LastCreditMemoListReport() = {QStringLiteral("3"), QStringLiteral("Daily List of Credit Memo by Station")};
    expectEveryCodeOpens({
        {56, {}},
        {57, [](frmView& v) { v.setCreditMemo(QStringLiteral(" SR000002 ")); }},
        {72, [](frmView& v) { v.setChargeslip(QStringLiteral("KV000100")); }},
    });
}

// Returns of DELA CRUZ on 12/09/2026: credit memo CM0001 of two items, confirmed, and CM0002 not
// confirmed; package request KV0001 of the same patient with two items, processed.
class WorkQueueReportsTest : public CatalogueRequestTest {
protected:
    void SetUp() override {
        CatalogueRequestTest::SetUp();
        if (IsSkipped())
            return;
        db().execute(QStringLiteral("INSERT INTO tbInvMaster (ItemID, ItemName, ItemDesc) VALUES ('D0001', 'PARACETAMOL', "
                                    "'500 MG TABLET'), ('D0002', 'AMOXICILLIN', '500 MG CAPSULE')"));
        db().execute(QStringLiteral("INSERT INTO patient_data.tbMaster (HospNum, LastName, FirstName, MiddleName) "
                                    "VALUES ('H260001', 'DELA CRUZ', 'JUAN', 'SANTOS')"));
        const QDateTime returned(QDate(2026, 12, 9), QTime(10, 15));
        struct Line { const char* memo; const char* item; const char* slip; double issued, back, amount; bool confirmed; };
        const Line lines[] = {{"CM0001", "D0002", "00000101", 21, 3, 12.45, true},
                              {"CM0001", "D0001", "00000101", 10, 2, 2.22, true},
                              {"CM0002", "D0001", "00000102", 4, 1, 1.11, false}};
        for (const Line& l : lines)
            db().execute(QStringLiteral("INSERT INTO tbPharmaCommunication (IdNum, HospNum, ItemID, ChargeSlip, CreditMemo, "
                                        "RevenueID, qtyi, qtyr, Amount, UserID, RecordStatus, isPosted, TransDate, ProcessDate, "
                                        "ProcessBy) VALUES ('260001', 'H260001', ?, ?, ?, 'PC', ?, ?, ?, 'N0001', ?, 1, ?, ?, ?)"),
                         {QString::fromLatin1(l.item), QString::fromLatin1(l.slip), QString::fromLatin1(l.memo), l.issued,
                          l.back, l.amount, l.confirmed ? QVariant(QStringLiteral("C")) : QVariant(), returned,
                          l.confirmed ? QVariant(returned.addSecs(3600)) : QVariant(),
                          l.confirmed ? QVariant(QStringLiteral("1001")) : QVariant()});
        db().execute(QStringLiteral("INSERT INTO tbKVRSPackageRequest (ChargeSlip, RevenueID, HospNum, IDNum, Company, RequestDate, "
                                    "RecordStatus, ProcessBy, ProcessDate) VALUES ('KV0001', 'PH', 'H260001', '260001', "
                                    "'ACME CORP', ?, 'P', '1001', ?)"),
                     {QDateTime(QDate(2026, 12, 9), QTime(8, 0)), QDateTime(QDate(2026, 12, 9), QTime(9, 45))});
        db().execute(QStringLiteral("INSERT INTO tbKVRSPackageRequestItem (ChargeSlip, ItemID, Quantity, Amount, Status) "
                                    "VALUES ('KV0001', 'D0001', 2, 10.5, 'PROCESSED'), ('KV0001', 'D0002', 3, 1234.56, 'PROCESSED')"));
        frmView& v = ReportWindow();
        v.setReportDate(QDateTime(QDate(2026, 12, 9), QTime(15, 30)));
        v.setCreditMemo(QStringLiteral("  CM0001 "));
        v.setChargeslip(QStringLiteral("KV0001"));
    }
    void TearDown() override {
        LastCreditMemoListReport() = {};
        CatalogueRequestTest::TearDown();
    }
};

TEST_P(WorkQueueReportsTest, EachCodeOpensItsFileWithItsCaptionNamesAndValues) {
    setKelvarHospital(true);
    const QStringList pair{"HOSPITALNAME=ST. JUDE'S HOSPITAL", "HOSPITALADDRESS=1 MAIN ST"};
    struct Case {
        qint16 code;
        const char* type;
        const char* opener;
        const char* caption;
        QStringList values;
    };
    const Case cases[] = {
        {56, "1", "OpenCreditMemoCommunication", "Communication",
         QStringList{"@TYPE=1", "@SEARCH=", "@STARTDATE=12/09/2026", "@ENDDATE=12/09/2026"} + pair +
             QStringList{"TITLE=List of Unreturned Credit Memo by Station"}},
        {56, "3", "OpenCreditMemoCommunication", "Communication",
         QStringList{"@TYPE=3", "@SEARCH=", "@STARTDATE=12/09/2026", "@ENDDATE=12/09/2026"} + pair +
             QStringList{"TITLE=List of Unreturned Credit Memo by Station"}},
        {57, "1", "OpenCreditMemo", "Communication", pair + QStringList{"@CREDITMEMO=CM0001"}},
        {72, "1", "OpenPackageRequestChargeSlip", "Package Request", pair + QStringList{"@CHARGESLIP=KV0001", "@REVENUEID=PH"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        LastCreditMemoListReport() = {QString::fromLatin1(c.type), QStringLiteral("List of Unreturned Credit Memo by Station")};
        const Shown shown = showThrough(c.code, c.opener);
        EXPECT_EQ(shown.caption, QString::fromLatin1(c.caption));
        EXPECT_EQ(shown.values, c.values);
        // The export is offered at a hospital that wants it.
        ASSERT_EQ(platform.messages->boxes().size(), 1u);
        EXPECT_EQ(platform.messages->boxes()[0].text, QStringLiteral("Do you want to export the file?"));
    }
    // The list's option goes to the report as a 16-bit integer.
    const CatalogueRow& list = WorkQueueReportRows().first();
    EXPECT_EQ(list.parameters.first().value(ReportWindow()).typeId(), QMetaType::Short);
}

TEST_P(WorkQueueReportsTest, TheDaysListCoversTheOptionsLinesWhateverTheSearch) {
    struct Case { const char* type; int lines; };
    for (const Case& c : {Case{"1", 1}, Case{"2", 2}, Case{"3", 3}}) {
        SCOPED_TRACE(c.type);
        LastCreditMemoListReport() = {QString::fromLatin1(c.type), QStringLiteral("T")};
        platform.messages->answer(vbNo);
        int lines = -1;
        ReportWindow().setWhatReport(56);
        EXPECT_TRUE(request([&](frmView& w) { lines = w.report()->document().data().recordCount(); }));
        EXPECT_EQ(lines, c.lines);
    }
}

TEST_P(WorkQueueReportsTest, CreditMemoGolden) {
    const Shown shown = show(57);
    expectReportGolden(QStringLiteral("CreditMemo.txt"), shown.text);
    expectReportGolden(QStringLiteral("CreditMemo.csv"), shown.csv);
}

TEST_P(WorkQueueReportsTest, PackageRequestChargeslipGolden) {
    const Shown shown = show(72);
    expectReportGolden(QStringLiteral("PackageRequestChargeslip.txt"), shown.text);
    expectReportGolden(QStringLiteral("PackageRequestChargeslip.csv"), shown.csv);
}

QX_ON_BOTH_ENGINES(WorkQueueReportsTest);

} // namespace
