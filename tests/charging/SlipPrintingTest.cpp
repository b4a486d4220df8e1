#include "charging/SlipPrinting.h"
#include "platform/ErrorHandling.h"
#include "platform/report/Report.h"
#include "shell/HospitalSettings.h"
#include "shell/ReportOpeningFixture.h"

using namespace qx;
using namespace qx::test;

namespace {

class SlipPrintingTest : public ReportingTest {};

// Every value distinct, so that a value sent to the wrong name shows.
ChargeSlipHeader numberedHeader() {
    return {"v1", "v2", "v3", "v4", "v5", "v6", "v7", "v8", "v9", "v10", "v11",
            "v12", "v13", "v14", "v15", "v16", "v17", "v18", "v19", "v20", "v21"};
}

TEST_P(SlipPrintingTest, HeaderValuesGoToTheirParameterNames) {
    gHospitalName = QStringLiteral("ST. JUDE'S HOSPITAL");
    gHospitalAddress = QStringLiteral("1 MAIN ST");
    const std::pair<const char*, const char*> names[] = {
        {"NAME", "v1"},        {"ADMNUM", "v2"},      {"@IDNUM", "v2"},        {"HOSPNUM", "v3"},
        {"ROOM", "v4"},        {"ENCODER", "v5"},     {"ISSUEDBY", "v6"},      {"TRANSTYPE", "v7"},
        {"INPUTUSERID", "v8"}, {"@VARUSERID", "v8"},  {"REFNUM", "v9"},        {"@REFNUMBER", "v9"},
        {"TRANSDATE", "v10"},  {"PROCESSDATE", "v10"}, {"DOCTOR", "v11"},      {"COMPANY", "v12"},
        {"STATION", "v13"},    {"AGE", "v14"},        {"SEX", "v15"},          {"DATEREQUEST", "v16"},
        {"REQUESTDATE", "v16"}, {"PACKAGE", "v17"},   {"POSITION", "v18"},     {"REMARKS", "v19"},
        {"POSTEDDATE", "v20"}, {"ACCOUNT", "v21"},    {"HOSPITALNAME", "ST. JUDE'S HOSPITAL"},
        {"HOSPITALADDRESS", "1 MAIN ST"}, {"refnum ", "v9"}, {" Sex", "v15"},
    };
    for (const auto& [name, value] : names) {
        SCOPED_TRACE(name);
        EXPECT_EQ(ChargeSlipParameterValue(numberedHeader(), QString::fromLatin1(name)), QString::fromLatin1(value));
    }
    EXPECT_EQ(ChargeSlipParameterValue(numberedHeader(), QStringLiteral("COPIES")), std::nullopt);
}

TEST_P(SlipPrintingTest, ChargeSlipReportIsTitledAndFilledByTrimmedNames) {
    gHospitalName = QStringLiteral("ST. JUDE'S HOSPITAL");
    const QString path = writeProgramFile(QStringLiteral("Reports/Slip.rpt"),
                     QStringLiteral("parameter \"refnum \" text\n"
                                    "parameter COPIES text default=\"saved\"\n"
                                    "parameter ACCOUNT text\n"
                                    "table t location=\"Pharmacy.dbo.tbPharmaChargePrint\"\n"));
    std::shared_ptr<report::Report> slip = report::Report::open(path);
    slip->setTitle(QStringLiteral("left from the last slip"));
    SetChargeSlipReport(slip, QStringLiteral("Slip.rpt"), numberedHeader());
    ASSERT_NE(slip, nullptr);
    EXPECT_EQ(slip->title(), QStringLiteral("ST. JUDE'S HOSPITAL"));
    EXPECT_EQ(slip->parameter(0).effectiveValue().toString(), QStringLiteral("v9"));
    EXPECT_FALSE(slip->parameter(1).hasCurrentValue());
    EXPECT_EQ(slip->parameter(2).effectiveValue().toString(), QStringLiteral("v21"));
    EXPECT_EQ(slip->databaseTables()[0].location(), QStringLiteral("INVENTORY.dbo.tbPharmaChargePrint"));
    EXPECT_FALSE(slip->enableParameterPrompting());
}

TEST_P(SlipPrintingTest, ShippedChargeSlipRendersTheStagedLines) {
    installShippedReport(QStringLiteral("ChargeSlip.rpt"));
    db().execute(QStringLiteral("INSERT INTO tbPharmaChargePrint (UserID, RefNum, IdNum, ItemID, Description, Quantity, "
                                "UnitPrice, Discount, Amount) VALUES ('HOST1', '0001234', '1001', 'AMOX500', "
                                "'AMOXICILLIN 500 MG', 3, 12.5, 1.25, 36.25)"));
    ChargeSlipHeader header;
    header.name = QStringLiteral("O'NEIL, MARY");
    header.patientId = QStringLiteral("1001");
    header.printKey = QStringLiteral("HOST1");
    header.slipNumber = QStringLiteral("0001234");
    std::shared_ptr<report::Report> slip;
    SetChargeSlipReport(slip, QStringLiteral("ChargeSlip.rpt"), header);
    const QString text = slip->document().toText();
    EXPECT_TRUE(text.contains(QStringLiteral("O'NEIL, MARY")));
    EXPECT_TRUE(text.contains(QStringLiteral("AMOXICILLIN 500 MG")));
    EXPECT_TRUE(text.contains(QStringLiteral("36.25")));
}

TEST_P(SlipPrintingTest, MissingSlipReportIsRaisedUnderTheProcedure) {
    std::shared_ptr<report::Report> slip;
    try {
        SetChargeSlipReport(slip, QStringLiteral("ChargeSlip.rpt"), {});
        FAIL() << "no error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), kRaisedAgainNumber);
        EXPECT_EQ(e.source(), QStringLiteral("prjQuillax.mdlMain.SetChargeSlipReport"));
        EXPECT_TRUE(e.description().contains(QStringLiteral("ChargeSlip.rpt does not exists.\n"
                                                             "in prjQuillax.mdlMain.SetChargeSlipReport at line ")));
    }
    EXPECT_EQ(slip, nullptr);
}

TEST_P(SlipPrintingTest, CashCreditAdviseSlipShowsTheAdviseLines) {
    installShippedReport(QStringLiteral("CashCM_Slip.rpt"));
    gHospitalName = QStringLiteral("ST. JUDE'S HOSPITAL");
    db().execute(QStringLiteral("INSERT INTO billing.tbCashCreditAdvise (ORNumber, AdviseNo, ItemID, Quantity, UnitPrice, "
                                "DiscountAmount, Amount, Payee, LineNumber) VALUES "
                                "('OR-77', 'CA-5', 'AMOX500', 2, 12.5, 0, 25, 'O''NEIL, MARY', 1), "
                                "('OR-77', 'CA-6', 'PARA500', 9, 1, 0, 9, 'OTHER', 1)"));
    QString text;
    QString viewer;
    platform.modal->onNextShow([&](QWidget& w) {
        viewer = QString::fromLatin1(w.metaObject()->className());
        text = gCrystalReport->document().toText();
        w.close();
    });
    PrintCashCMSlip(QStringLiteral("OR-77"), QStringLiteral("CA-5"), QStringLiteral("damaged box"));
    EXPECT_EQ(viewer, QStringLiteral("qx::frmReportViewer"));
    EXPECT_TRUE(text.contains(QStringLiteral("ST. JUDE'S HOSPITAL")));
    EXPECT_TRUE(text.contains(QStringLiteral("Advise No.: CA-5")));
    EXPECT_TRUE(text.contains(QStringLiteral("Remarks: damaged box")));
    EXPECT_TRUE(text.contains(QStringLiteral("25.00")));
    EXPECT_FALSE(text.contains(QStringLiteral("PARA500")));
    EXPECT_EQ(gCrystalReport, nullptr);
}

TEST_P(SlipPrintingTest, CopiesFromTheSettingAndTheSiteRule) {
    struct Case {
        const char* stored;  // nullptr: nothing stored
        const char* site;
        bool useSiteDefault;
        qint16 copies;
    };
    const Case cases[] = {
        {nullptr, "QVH", false, 1}, {"0", "QVH", false, 1},  {"3", "QVH", false, 3},   {"3", "ZMX", true, 2},
        {"3", "ZMX", false, 3},     {"3", "QVH", true, 3},   {"abc", "QVH", false, 1}, {"-2", "QVH", false, 1},
        {"2.5", "QVH", false, 2},   {"99999", "QVH", false, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "(none)");
        ScriptedPlatform fresh;
        if (c.stored)
            SaveChargeSlipCopies(QString::fromLatin1(c.stored));
        gSiteCode = QString::fromLatin1(c.site);
        EXPECT_EQ(GetChargeSlipCopies(c.useSiteDefault), c.copies);
    }
}

QX_ON_SQLITE_ONLY(SlipPrintingTest);

} // namespace
