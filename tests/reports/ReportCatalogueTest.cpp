#include "CatalogueOpening.h"
#include "charging/ReportWindowFixture.h"
#include "platform/report/ReportFixtures.h"
#include "platform/report/ReportTestSupport.h"
#include "reports/ReportCatalogue.h"
#include "reports/ReportOpenerTemplate.h"
#include "shell/HospitalSettings.h"

#include <QRegularExpression>

using namespace qx;
using namespace qx::test;

namespace {

// The goldens of the catalogue's reports live beside these tests.
class ReportCatalogueTest : public ReportWindowTest {
protected:
    void SetUp() override {
        ReportWindowTest::SetUp();
        RegisterReportOpeners();
        gEmployeeName = QStringLiteral("SANTOS, ANA");
        gEmployeeCode = QStringLiteral("E001");
        for (const char* file : {"AssessSlip_Preview.rpt", "AssessSlip_Reprint.rpt", "ChargeSlip_Preview.rpt",
                                 "DocPrescription.rpt", "CashDailySalesRangeSI.rpt", "CashDailySalesRangeSummarySI.rpt"})
            installShippedReport(QString::fromLatin1(file));
    }

    // Requests `code` and returns, while the window is up, its caption and the value each
    // parameter field holds ("-" for none), in the report's order.
    struct Shown {
        QString caption;
        QStringList values;
        QString text;  // the rendered pages, printed at a fixed time
        QString csv;
    };
    Shown show(qint16 code) {
        ReportWindow().setWhatReport(code);
        Shown shown;
        EXPECT_TRUE(request([&](frmView& w) {
            shown.caption = w.windowTitle();
            for (auto& f : w.report()->parameterFields())
                shown.values << f.name() + u'=' + (f.hasCurrentValue() ? f.effectiveValue().toString() : QStringLiteral("-"));
            w.report()->setPrintTime(report::test::fixedPrintTime());
            shown.text = w.report()->document().toText();
            shown.csv = w.report()->document().toCsv();
        }));
        return shown;
    }

    void fillSlipRequest() {
        frmView& v = ReportWindow();
        v.setPatientName(QStringLiteral("DELA CRUZ, JUAN P."));
        v.setAdmNum(QStringLiteral("CASH"));
        v.setHospNum(QStringLiteral("000987"));
        v.setRoom(QStringLiteral("301-A"));
        v.setDoctor(QStringLiteral("DR. REYES"));
        v.setCompany(QStringLiteral("ACME CORP."));
        v.setStation(QStringLiteral("3RD FLOOR"));
        v.setAge(QStringLiteral("67"));
        v.setSex(QStringLiteral("M"));
        v.setPackage(QStringLiteral("MATERNITY"));
        v.setDiscNameAssess(QStringLiteral("Senior Citizen"));
        v.setVlRefnum(QStringLiteral("PREVIEW"));
    }
};

TEST_P(ReportCatalogueTest, TheCatalogueRegistersItsOpenersByCode) {
    const std::pair<qint16, const char*> codes[] = {
        {74, "OpenAssessSlipPreview"}, {75, "OpenChargeSlipPreview"}, {76, "OpenAssessSlipReprint"},
        {79, "OpenDocPrescription"},   {98, "OpenReport"},            {99, "OpenReport"},
    };
    for (const auto& [code, name] : codes) {
        SCOPED_TRACE(code);
        const ReportOpenerEntry* entry = FindReportOpener(code);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->procedureName, QString::fromLatin1(name));
    }
    EXPECT_EQ(FindReportOpener(49), nullptr);
    EXPECT_EQ(FindReportOpener(999), nullptr);
}

TEST_P(ReportCatalogueTest, ParameterNamesMatchTrimmedAndUpperCasedUpperCasedOrExactly) {
    writeProgramFile(QStringLiteral("Reports/Names.rpt"),
                     QStringLiteral("parameter \" hospitalname \" text\n"
                                    "parameter \"HospitalName\" text\n"
                                    "parameter \"HOSPITALNAME \" text\n"
                                    "parameter \"HOSPITALNAME\" text\n"
                                    "parameter \"@STRREPORTDATE\" text default=\"kept\"\n"));
    struct Case {
        report::NameMatch match;
        QStringList values;
    };
    const Case cases[] = {
        {report::NameMatch::TrimmedUpper, {"H", "H", "H", "H", "kept"}},
        {report::NameMatch::Upper, {"", "H", "", "H", "kept"}},
        {report::NameMatch::Exact, {"", "", "", "H", "kept"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.match));
        OpenerTemplate row{QStringLiteral("Names"), QStringLiteral("Names.rpt")};
        row.nameMatch = c.match;
        // The first equal name decides: the later one never reaches a field.
        const OpenedReport opened = OpenFromTemplate(
            row, {{QStringLiteral("HOSPITALNAME"), QStringLiteral("H")}, {QStringLiteral("HOSPITALNAME"), QStringLiteral("later")}});
        QStringList values;
        for (auto& f : opened.report->parameterFields())
            values << f.effectiveValue().toString();
        EXPECT_EQ(values, c.values);
        EXPECT_FALSE(opened.report->parameter(4).hasCurrentValue());
        EXPECT_EQ(opened.caption, QStringLiteral("Names"));
    }
}

TEST_P(ReportCatalogueTest, TemplateHandsBackTheFlagAndThePathOnlyWhenItTakesThem) {
    writeProgramFile(QStringLiteral("Reports/Names.rpt"), QStringLiteral("parameter X text\n"));
    gSiteCode = QStringLiteral("QVH");
    const QString sitePath = writeProgramFile(QStringLiteral("Reports/QVH/Names.rpt"), QStringLiteral("parameter X text\n"));
    setKelvarHospital(true);
    struct Case {
        bool takesFlag, takesPath;
        bool flag;
        QString path;
    };
    for (const Case& c : {Case{true, true, true, sitePath}, Case{false, true, false, sitePath}, Case{true, false, true, {}},
                          Case{false, false, false, {}}}) {
        const OpenedReport opened = OpenFromTemplate({QString(), QStringLiteral("Names.rpt"), c.takesFlag, c.takesPath}, {});
        EXPECT_EQ(opened.exportFlag, c.flag);
        EXPECT_EQ(opened.reportPath, c.path);
        EXPECT_TRUE(opened.caption.isEmpty());
    }
}

TEST_P(ReportCatalogueTest, AssessmentSlipPreviewShowsTheStagedLinesUnderTheRequestsHeader) {
    using report::test::stageChargeLine;
    stageChargeLine(db(), QStringLiteral("E001"), QStringLiteral("CASH"), QStringLiteral("PREVIEW"), QStringLiteral("PARA500"),
                    QStringLiteral("PARACETAMOL 500MG TABLET"), 2, 12.5, 5);
    stageChargeLine(db(), QStringLiteral("E001"), QStringLiteral("CASH"), QStringLiteral("PREVIEW"), QStringLiteral("IVF1L"),
                    QStringLiteral("D5LR 1 LITER"), 1, 1234.56, 0);
    stageChargeLine(db(), QStringLiteral("E002"), QStringLiteral("CASH"), QStringLiteral("PREVIEW"), QStringLiteral("X"),
                    QStringLiteral("another encoder's preview"), 1, 1, 0);
    fillSlipRequest();
    const Shown shown = show(74);
    EXPECT_EQ(shown.caption, QStringLiteral("Assessment Slip"));
    EXPECT_EQ(shown.values, (QStringList{"HOSPITALNAME=ST. JUDE'S HOSPITAL", "HOSPITALADDRESS=1 MAIN ST",
                                         "NAME=DELA CRUZ, JUAN P.", "ADMNUM=CASH", "HOSPNUM=000987", "ROOM=",
                                         "DOCTOR=DR. REYES", "ENCODER=SANTOS, ANA", "ISSUEDBY=", "TRANSTYPE=",
                                         "INPUTUSERID=E001", "REFNUM=PREVIEW", "DISCOUNTNAME=Senior Citizen"}));
    expectReportGolden(QStringLiteral("AssessSlip_Preview.txt"), shown.text);
    expectReportGolden(QStringLiteral("AssessSlip_Preview.csv"), shown.csv);
}

TEST_P(ReportCatalogueTest, ChargeSlipPreviewIsTheOriginalCopyRequestedByTheServerClock) {
    using report::test::stageChargeLine;
    stageChargeLine(db(), QStringLiteral("E001"), QStringLiteral("ADM-77"), QStringLiteral("0000123"), QStringLiteral("AMOX500"),
                    QStringLiteral("AMOXICILLIN 500MG CAPSULE"), 10, 3.75, 3.75);
    fillSlipRequest();
    ReportWindow().setAdmNum(QStringLiteral("ADM-77"));
    ReportWindow().setVlRefnum(QStringLiteral("0000123"));
    const Shown shown = show(75);
    EXPECT_EQ(shown.caption, QStringLiteral("Chargeslip Slip"));
    ASSERT_EQ(shown.values.size(), 18);
    const QString requested = shown.values.last().section(u'=', 1);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{2}/\\d{2}/\\d{4} (0[1-9]|1[0-2]):\\d{2} (AM|PM)$")).match(requested).hasMatch())
        << requested.toStdString();
    EXPECT_EQ(shown.values.mid(0, 17),
              (QStringList{"HOSPITALNAME=ST. JUDE'S HOSPITAL", "HOSPITALADDRESS=1 MAIN ST", "NAME=DELA CRUZ, JUAN P.",
                           "ADMNUM=ADM-77", "HOSPNUM=000987", "ROOM=301-A", "STATION=3RD FLOOR", "DOCTOR=DR. REYES",
                           "COMPANY=ACME CORP.", "AGE=67", "SEX=M", "PACKAGE=MATERNITY", "ENCODER=SANTOS, ANA",
                           "ISSUEDBY=", "TRANSTYPE=Original Copy", "INPUTUSERID=E001", "REFNUM=0000123"}));
    QString text = shown.text;
    text.replace(requested, QStringLiteral("<requested>"));
    expectReportGolden(QStringLiteral("ChargeSlip_Preview.txt"), text);
}

TEST_P(ReportCatalogueTest, AssessmentSlipReprintLeavesTheDiscountNameAlone) {
    db().execute(QStringLiteral("INSERT INTO tbInvMaster (ItemID, ItemName) VALUES ('PARA500', 'PARACETAMOL 500MG TABLET')"));
    const QString insert = QStringLiteral(
        "INSERT INTO billing.tbCashAssessment (RefNum, RevenueID, ItemID, Quantity, UnitPrice, Discount, Amount, RecordStatus, TransDate) "
        "VALUES (?, 'PH', ?, ?, ?, ?, ?, ?, ?)");
    const QDateTime when(QDate(2026, 12, 9), QTime(14, 5));
    db().execute(insert, {"PH000042", "PARA500", 4, 12.5, 10, 40, QVariant(), when});
    db().execute(insert, {"PH000042", "PARA500", 1, 12.5, 0, 12.5, "R", when});
    db().execute(insert, {"PH000043", "PARA500", 9, 1, 0, 9, QVariant(), when});
    // A site's own reprint that declares the discount name too.
    gSiteCode = QStringLiteral("QVH");
    writeProgramFile(QStringLiteral("Reports/QVH/AssessSlip_Reprint.rpt"),
                     QStringLiteral("parameter DISCOUNTNAME text\nparameter REFNUM text\n"));
    fillSlipRequest();
    ReportWindow().setVlRefnum(QStringLiteral("PH000042"));
    EXPECT_EQ(show(76).values, (QStringList{"DISCOUNTNAME=-", "REFNUM=PH000042"}));

    gSiteCode.clear();
    const Shown shown = show(76);
    EXPECT_EQ(shown.caption, QStringLiteral("Assessment Slip"));
    expectReportGolden(QStringLiteral("AssessSlip_Reprint.txt"), shown.text);
}

TEST_P(ReportCatalogueTest, SlipPreviewsOfferTheExportAtKelvarHospitalsUnderAFileNameStartingWithThePoint) {
    setKelvarHospital(true);
    fillSlipRequest();
    for (qint16 code : {74, 75}) {
        SCOPED_TRACE(code);
        platform.messages->clear();
        platform.messages->answer(vbYes);
        show(code);
        ASSERT_EQ(platform.messages->boxes().size(), 2u);
        EXPECT_EQ(platform.messages->boxes()[0].text, QStringLiteral("Do you want to export the file?"));
        const QString exported = platform.messages->last().text.section(QStringLiteral(" to "), 1);
        EXPECT_TRUE(QFileInfo(exported).fileName().startsWith(u'.')) << exported.toStdString();
        EXPECT_TRUE(QFileInfo::exists(exported));
        QFile::remove(exported);
    }
}

TEST_P(ReportCatalogueTest, PrescriptionGetsTrimmedValuesAndNeverAsksToExport) {
    setKelvarHospital(true);
    frmView& v = ReportWindow();
    v.setPrescriptionItemName(QStringLiteral(" AMOXICILLIN "));
    v.setPrescriptionItemDesc(QStringLiteral("500 MG CAPSULE"));
    v.setPrescriptionDosage(QStringLiteral("   1 capsule every 8 hours for 7 days  "));
    v.setPrescriptionQuantity(QStringLiteral("21 "));
    v.setPrescriptionPatientName(QStringLiteral("O'NEIL, MARY"));
    v.setPrescriptionDoctor(QStringLiteral("DR. REYES"));
    v.setPrescriptionPRC(QStringLiteral("0123456"));
    const Shown shown = show(79);
    EXPECT_EQ(shown.caption, QStringLiteral("Prescription"));
    EXPECT_EQ(shown.values, (QStringList{"PATIENTNAME=O'NEIL, MARY", "DOCTOR=DR. REYES", "ITEMNAME=AMOXICILLIN",
                                         "ITEMDESC=500 MG CAPSULE", "DOSAGE=1 capsule every 8 hours for 7 days",
                                         "QUANTITY=21", "REMARKS=-", "ISDOCTOR=", "PRC=0123456", "PTR=", "TIN=", "S2=",
                                         "SIGNATURE=-"}));
    EXPECT_TRUE(platform.messages->boxes().empty());
    expectReportGolden(QStringLiteral("DocPrescription.txt"), shown.text);
}

TEST_P(ReportCatalogueTest, SalesInvoiceRangeListsAndSumsTheInvoicesOfTheRange) {
    db().execute(QStringLiteral("INSERT INTO tbInvMaster (ItemID, ItemName) VALUES ('PARA500', 'PARACETAMOL 500MG TABLET'), "
                                "('IVF1L', 'D5LR 1 LITER')"));
    const QString insert = QStringLiteral(
        "INSERT INTO tbInvStockCard (RefNum, ItemID, SummaryCode, LocationID, TransDate, Quantity, Amount) "
        "VALUES (?, ?, 'PH', '20', ?, ?, ?)");
    const QDateTime d9(QDate(2026, 12, 9), QTime(9, 15)), d10(QDate(2026, 12, 10), QTime(16, 40));
    db().execute(insert, {"SI000099", "PARA500", d9, 1, 12.5});
    db().execute(insert, {"SI000100", "PARA500", d9, 2, 25});
    db().execute(insert, {"SI000100", "IVF1L", d9, 1, 1234.56});
    db().execute(insert, {"SI000101", "PARA500", d10, 3, 37.5});
    db().execute(insert, {"SI000102", "PARA500", d10, 1, 12.5});
    db().execute(insert, {"PH000100", "PARA500", d10, 5, 62.5});
    gEmployeeName = QStringLiteral("SANTOS, ANA");
    ReportWindow().RangeStart = QStringLiteral("SI000100");
    ReportWindow().RangeEnd = QStringLiteral("SI000101");

    const Shown list = show(98);
    EXPECT_EQ(list.caption, QStringLiteral("Pharmacy Cash Sales Report"));
    EXPECT_EQ(list.values, (QStringList{"HOSPITALNAME=ST. JUDE'S HOSPITAL", "HOSPITALADDRESS=1 MAIN ST", "@STARTSI=SI000100",
                                        "@ENDSI=SI000101", "USERNAME=SANTOS, ANA"}));
    EXPECT_TRUE(platform.messages->boxes().empty());
    expectReportGolden(QStringLiteral("CashDailySalesRangeSI.txt"), list.text);
    expectReportGolden(QStringLiteral("CashDailySalesRangeSI.csv"), list.csv);

    const Shown summary = show(99);
    EXPECT_EQ(summary.caption, QStringLiteral("Pharmacy Cash Sales Report"));
    EXPECT_EQ(summary.values, list.values);
    expectReportGolden(QStringLiteral("CashDailySalesRangeSummarySI.txt"), summary.text);
    expectReportGolden(QStringLiteral("CashDailySalesRangeSummarySI.csv"), summary.csv);
}

QX_ON_BOTH_ENGINES(ReportCatalogueTest);

} // namespace
