#include "CompanyMarkupFixture.h"

#include "SourceTree.h"
#include "platform/Values.h"
#include "charging/SlipPrinting.h"
#include "charging/TypeABDiscounts.h"
#include "platform/report/ReportPrinter.h"
#include "../platform/report/ReportTestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace qx::test {
namespace {

using S = CompanyMarkupScreen;

class CompanyMarkupSaveTest : public CompanyMarkupTest {
protected:
    void TearDown() override {
        report::setPrintFolder(QString());
        CompanyMarkupTest::TearDown();
    }
    qint64 count(const QString& sql, const QVariantList& binds = {}) {
        return db().query(sql, binds).value(0).toLongLong();
    }
    QStringList rows(const QString& sql, const QVariantList& binds = {}) {
        QStringList out;
        for (Recordset r = db().query(sql, binds); !r.eof(); r.moveNext()) {
            QStringList values;
            for (int i = 0; i < r.fieldCount(); ++i)
                values << r.text(r.fieldName(i));
            out << values.join(u'|');
        }
        return out;
    }
    QStringList stockCard(const QString& slip) {
        return rows(QStringLiteral("SELECT HospNum, IdNum, ItemID, Quantity, DosageID, RequestByID, LocationID, RoomID, "
                                   "COALESCE(InOut, '') AS InOut, COALESCE(VerifyID, '<null>') AS VerifyID, "
                                   "COALESCE(Remarks, '') AS Remarks FROM tbInvStockCard WHERE RefNum = ? ORDER BY ItemID"),
                    {slip});
    }
    QStringList companyMeds(const QString& slip) {
        QStringList out;
        for (Recordset r = db().query(QStringLiteral("SELECT RefNum, HospNum, IDNum, ItemID, UnitPrice, Quantity, Amount, "
                                                     "MarkUp, ListCost, UserID FROM tbPharmaCompanyMeds WHERE RefNum = ? "
                                                     "ORDER BY ItemID"),
                                      {slip});
             !r.eof(); r.moveNext())
            out << QStringList{r.text(QStringLiteral("RefNum")), r.text(QStringLiteral("HospNum")),
                               r.text(QStringLiteral("IDNum")), r.text(QStringLiteral("ItemID")),
                               FormatAmount(r.number(QStringLiteral("UnitPrice"))),
                               Text(r.number(QStringLiteral("Quantity"))), FormatAmount(r.number(QStringLiteral("Amount"))),
                               Text(r.number(QStringLiteral("MarkUp"))), FormatAmount(r.number(QStringLiteral("ListCost"))),
                               r.text(QStringLiteral("UserID"))}
                       .join(u'|');
        return out;
    }
    void shipReport(const QString& file) {
        QFile source(sourcePath(QStringLiteral("Reports/") + file));
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        const QString path = QDir(platform.folders->program).filePath(QStringLiteral("Reports/") + file);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile target(path);
        ASSERT_TRUE(target.open(QIODevice::WriteOnly | QIODevice::Truncate));
        target.write(source.readAll());
        report::setPrintFolder(printFolder.path());
    }
    int printOuts() { return int(QDir(printFolder.path()).entryList(QDir::Files).size()); }
    // The text of the last slip printed, its dates and times masked (the server's clock).
    QString lastPrintedText() {
        const QVector<report::PrintedJob> jobs = report::printedJobs();
        if (jobs.isEmpty())
            return QString();
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), jobs.last().file, QStringLiteral("-")});
        text.waitForFinished(30000);
        QString printed = QString::fromUtf8(text.readAllStandardOutput());
        printed.replace(QRegularExpression(QStringLiteral("\\d\\d/\\d\\d/\\d{4}( \\d\\d:\\d\\d(:\\d\\d)?( [AP]M)?)?")),
                        QStringLiteral("<date>"));
        return printed;
    }
    void refuseItem(const QString& item) {
        if (db().isSQLite()) {
            db().executeScript(QStringLiteral("CREATE TRIGGER trRefuseCompanyMed BEFORE INSERT ON tbPharmaCompanyMeds "
                                              "WHEN NEW.ItemID = '%1' BEGIN SELECT RAISE(ABORT, 'line refused'); END")
                                   .arg(item));
        } else {
            db().executeScript(QStringLiteral("CREATE FUNCTION refuse_company_med() RETURNS trigger AS $$ BEGIN "
                                              "IF NEW.ItemID = '%1' THEN RAISE EXCEPTION 'line refused'; END IF; "
                                              "RETURN NEW; END $$ LANGUAGE plpgsql")
                                   .arg(item));
            db().executeScript(QStringLiteral("CREATE TRIGGER trRefuseCompanyMed BEFORE INSERT ON tbPharmaCompanyMeds "
                                              "FOR EACH ROW EXECUTE FUNCTION refuse_company_med()"));
        }
    }

    QTemporaryDir printFolder;
};

TEST_P(CompanyMarkupSaveTest, InPatientSavePostsStockCardCompanyLinesAndChoicesThenClears) {
    openIP();
    ip->txtMarkUp->setText(QStringLiteral("12.5"));
    line(*ip, 1, QStringLiteral("8080"), QStringLiteral("3"));
    overStockAnswers(QStringLiteral("1"), QStringLiteral("Proceed With Transaction"));
    type(*ip, 2, S::colCode, QStringLiteral("1001"));
    type(*ip, 2, S::colDosage, QStringLiteral("QID"));
    type(*ip, 2, S::colRemarks, QStringLiteral("AFTER MEALS"));
    type(*ip, 2, S::colQuantity, QStringLiteral("12"));
    const QString shown = Trim(ip->lblPatInfo[5]->text());
    ip->cmdSave->click();
    EXPECT_EQ(stockCard(shown).join(u'\n').toStdString(),
              "H000001|1001|1001|12|QID|D001|20|301|I|<null>|AFTER MEALS\n"
              "H000001|1001|8080|3|TID|D001|20|301|I|<null>|");
    EXPECT_EQ(companyMeds(shown).join(u'\n').toStdString(),
              shown.toStdString() + "|H000001|1001|1001|3.94|12|47.25|12.5|3.50|1234\n" + shown.toStdString() +
                  "|H000001|1001|8080|90.00|3|270.00|12.5|80.00|1234");
    EXPECT_EQ(rows(QStringLiteral("SELECT Choice, ItemID, Quantity, OnHand FROM tbPharmaOverStockLog")),
              QStringList{"Proceed With Transaction|1001|12|10"});
    EXPECT_EQ(ip->txtFind->text(), "");
    EXPECT_EQ(ip->txtMarkUp->text(), "");
    EXPECT_EQ(at(*ip, 1, S::colCode), "");
    EXPECT_FALSE(ip->flexMSEntry->isEnabled());
    EXPECT_TRUE(ip->EntrySaved());
}

TEST_P(CompanyMarkupSaveTest, OutPatientSaveOfANewVisitAndTheApprovedSupervisor) {
    // A visit with open late charges of an earlier day, approved by a supervisor.
    addOutPatientVisit(db(), {.idNum = "5005E", .person = {.hospNum = "H000505", .lastName = "OLD"},
                              .accountNum = QStringLiteral("ACME")});
    db().execute(QStringLiteral("UPDATE patient_data.tbOutPatient SET CashBasisOnly = 1, LateCharges = 1 WHERE IDNum = '5005E'"));
    supervisorAnswers(true, QStringLiteral("7007"));
    openOP(QStringLiteral("5005E"));
    op->txtMarkUp->setText(QStringLiteral("0"));
    line(*op, 1, QStringLiteral("8080"), QStringLiteral("2"));
    TypeABDiscounts& d = *op->discounts();
    db().execute(QStringLiteral("INSERT INTO tbPharmaDiscounts (Discount, TypeA, TypeB) VALUES (20, 1, 0)"));
    d.LoadRates(db());
    d.chkTypeA->setChecked(true);
    d.cmdApplyA->click();
    const QString shown = Trim(op->lblChargeSlip->text());
    op->cmdSave->click();
    EXPECT_EQ(stockCard(shown), QStringList{"H000505|5005E|8080|2|TID|D001|20|OPD|O|7007|"});
    EXPECT_EQ(rows(QStringLiteral("SELECT AuxValue, AcctNum FROM tbInvStockCard WHERE RefNum = ?"), {shown}),
              QStringList{"32.00|ACME"});
    EXPECT_EQ(companyMeds(shown), QStringList{shown + "|H000505|5005E|8080|80.00|2|128.00|0|80.00|1234"});

    // A master record without a visit: one real visit on every line, the record and the box.
    addOutPatientVisit(db(), {.idNum = "5002B", .person = {.hospNum = "H000202", .lastName = "SANTOS"}});
    db().execute(QStringLiteral("DELETE FROM patient_data.tbOutPatient WHERE IDNum = '5002B'"));
    db().execute(QStringLiteral("UPDATE patient_data.tbMaster SET MasterAccountCode = 'ACME' WHERE HospNum = 'H000202'"));
    pickVisit(QStringLiteral("H000202"), true);
    openOP(QStringLiteral("H000202"));
    ASSERT_EQ(op->txtHospNum->text(), "NEW");
    op->txtMarkUp->setText(QStringLiteral("0"));
    line(*op, 1, QStringLiteral("8080"), QStringLiteral("1"));
    line(*op, 2, QStringLiteral("1001"), QStringLiteral("1"));
    const QString newSlip = Trim(op->lblChargeSlip->text());
    op->cmdSave->click();
    const QStringList visits = rows(QStringLiteral("SELECT DISTINCT IdNum FROM tbInvStockCard WHERE RefNum = ?"), {newSlip});
    ASSERT_EQ(visits.size(), 1);
    EXPECT_NE(visits.first(), "NEWOPD");
    EXPECT_EQ(rows(QStringLiteral("SELECT DISTINCT IDNum FROM tbPharmaCompanyMeds WHERE RefNum = ?"), {newSlip}), visits);
    EXPECT_EQ(rows(QStringLiteral("SELECT COALESCE(VerifyID, '<null>') FROM tbInvStockCard WHERE RefNum = ?"), {newSlip}),
              (QStringList{"<null>", "<null>"}))
        << "no approval was given for this patient";
}

TEST_P(CompanyMarkupSaveTest, AFailureAfterTheSecondLineLeavesNothingAndUsesNoNumber) {
    refuseItem(QStringLiteral("1003"));
    openIP();
    ip->txtMarkUp->setText(QStringLiteral("0"));
    line(*ip, 1, QStringLiteral("8080"), QStringLiteral("1"));
    line(*ip, 2, QStringLiteral("1001"), QStringLiteral("1"));
    line(*ip, 3, QStringLiteral("1003"), QStringLiteral("1"));
    const QString shown = ip->lblPatInfo[5]->text();
    ip->cmdSave->click();
    EXPECT_EQ(platform.messages->last().icon(), vbCritical);
    EXPECT_TRUE(platform.messages->last().text.contains(QStringLiteral("line refused")));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbPharmaCompanyMeds")), 0);
    EXPECT_EQ(at(*ip, 3, S::colCode), "1003");
    EXPECT_FALSE(ip->EntrySaved());
    // The number shown is still the next one.
    db().executeScript(QStringLiteral("DROP TRIGGER trRefuseCompanyMed") +
                 (db().isSQLite() ? QString() : QStringLiteral(" ON tbPharmaCompanyMeds")));
    ip->cmdSave->click();
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard WHERE RefNum = ?"), {Trim(shown)}), 3);
}

TEST_P(CompanyMarkupSaveTest, NumberingSkipsAUsedNumberAndFollowsTheSite) {
    db().execute(QStringLiteral("UPDATE tbInvent SET OnHand = 1000"));
    struct Case { const char* site; bool switch22; bool taken; const char* slip; };
    const Case cases[] = {{"DEMO", false, true, "00000002"}, {"QVH", false, false, "C000057M"},
                          {"DEMO", true, false, "1001-0001"}};
    db().execute(QStringLiteral("INSERT INTO tbChargeSlipTerminal (UserID, ChargeSlip) VALUES ('1234', 57)"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.slip);
        gSiteCode = QString::fromLatin1(c.site);
        setPharmaSwitch(QStringLiteral("22"), c.switch22);
        openIP();
        if (c.taken)
            db().execute(QStringLiteral("INSERT INTO tbInvStockCard (RefNum, ItemID, IdNum, LocationID, SummaryCode, "
                                        "TransDate) VALUES (?, '1003', '9999', '20', 'PH', ?)"),
                         {Trim(ip->lblPatInfo[5]->text()), db().serverNow()});
        ip->txtMarkUp->setText(QStringLiteral("0"));
        line(*ip, 1, QStringLiteral("8080"), QStringLiteral("1"));
        ip->cmdSave->click();
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard WHERE RefNum = ? AND ItemID = '8080'"),
                        {QString::fromLatin1(c.slip)}),
                  1);
    }
}

TEST_P(CompanyMarkupSaveTest, PrintRefusalsAndNoSlipWithoutPosting) {
    shipReport(QStringLiteral("ChargeSlip.rpt"));
    openIP();
    ip->txtMarkUp->setText(QStringLiteral("0"));
    line(*ip, 1, QStringLiteral("8080"), QStringLiteral("1"));
    ip->txtDocCode->clear();
    ip->cmdPrintSave->setEnabled(true);
    ip->cmdPrintSave_Click();
    EXPECT_EQ(messages(), QStringList{"pls add requesting doctor.."});
    ip->txtDocCode->setText(QStringLiteral("D001"));
    ip->flexMSEntry->setTextMatrix(2, S::colCode, QStringLiteral("1001"));
    platform.messages->clear();
    ip->cmdPrintSave_Click();
    EXPECT_EQ(messages(), QStringList{"Please check the quantity or amount of the entered items. Some entries have zero value!"});
    // A line that cannot be posted stops the print with the line named; nothing prints.
    ip->flexMSEntry->setTextMatrix(2, S::colQuantity, QStringLiteral("1"));
    ip->flexMSEntry->setTextMatrix(2, S::colAmount, QStringLiteral("3.50"));
    platform.messages->clear();
    ip->cmdPrintSave_Click();
    EXPECT_EQ(messages(), QStringList{"Line 2 (1001) has incomplete information.  Please check."});
    EXPECT_EQ(printOuts(), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard")), 0);
    EXPECT_EQ(at(*ip, 1, S::colCode), "8080");
}

TEST_P(CompanyMarkupSaveTest, PrintCopiesPerScreenAndSite) {
    shipReport(QStringLiteral("ChargeSlip.rpt"));
    shipReport(QStringLiteral("OPDChargeSlip.rpt"));
    db().execute(QStringLiteral("UPDATE tbInvent SET OnHand = 1000"));
    struct Case { bool outPatient; const char* site; int stored; int copies; };
    const Case cases[] = {{false, "DEMO", 3, 1}, {true, "DEMO", 1, 1}, {true, "DEMO", 3, 3}, {true, "ZMX", 3, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.outPatient ? "OP " : "IP ") + c.site + " " + std::to_string(c.stored));
        gSiteCode = QString::fromLatin1(c.site);
        SaveChargeSlipCopies(QString::number(c.stored));
        CompanyMarkupScreen* screen = nullptr;
        if (c.outPatient) {
            openOP();
            screen = op.get();
        } else {
            openIP();
            screen = ip.get();
        }
        screen->txtMarkUp->setText(QStringLiteral("0"));
        line(*screen, 1, QStringLiteral("8080"), QStringLiteral("1"));
        const int before = printOuts();
        screen->cmdPrintSave->click();
        EXPECT_EQ(printOuts() - before, c.copies);
        EXPECT_TRUE(screen->SlipPrinted());
        EXPECT_EQ(at(*screen, 1, S::colCode), "");
    }
    // The out-patient slip's lines were staged under this workstation with their descriptions.
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbPharmaChargePrint WHERE UserID = 'HOST1' AND IdNum = '5001A' "
                                   "AND Description <> ''")),
              3);
}

// The slips as printed, on a fixed age (a birthday 56 years before the server's day).
TEST_P(CompanyMarkupSaveTest, PrintedSlipsAsTheirGoldenFiles) {
    shipReport(QStringLiteral("ChargeSlip.rpt"));
    shipReport(QStringLiteral("OPDChargeSlip.rpt"));
    gHospitalName = QStringLiteral("ST. JUDE'S HOSPITAL");
    gHospitalAddress = QStringLiteral("1 MAIN ST");
    gEmployeePosition = QStringLiteral("PHARMACIST");
    db().execute(QStringLiteral("UPDATE tbInvent SET OnHand = 1000"));
    db().execute(QStringLiteral("UPDATE patient_data.tbMaster SET BirthDate = ?"),
                 {QDateTime(db().serverNow().date().addYears(-56), QTime(0, 0))});
    report::clearPrintedJobs();
    openIP();
    ip->txtMarkUp->setText(QStringLiteral("0"));
    line(*ip, 1, QStringLiteral("8080"), QStringLiteral("3"));
    line(*ip, 2, QStringLiteral("1001"), QStringLiteral("2"), QStringLiteral("QID"));
    ip->cmdPrintSave->click();
    ASSERT_EQ(report::printedJobs().size(), 1);
    report::test::expectGolden(QStringLiteral("../../../posting/golden/CompanyChargeSlip_Printed.txt"), lastPrintedText());

    openOP();
    op->txtMarkUp->setText(QStringLiteral("0"));
    line(*op, 1, QStringLiteral("8080"), QStringLiteral("2"));
    line(*op, 2, QStringLiteral("1001"), QStringLiteral("1"));
    op->cmdPrintSave->click();
    ASSERT_EQ(report::printedJobs().size(), 2);
    report::test::expectGolden(QStringLiteral("../../../posting/golden/CompanyOPDChargeSlip_Printed.txt"),
                               lastPrintedText());
    report::clearPrintedJobs();
}

// An error anywhere in the in-patient print names the step that failed; the posted lines stay.
TEST_P(CompanyMarkupSaveTest, InPatientPrintErrorsNameTheirStep) {
    db().execute(QStringLiteral("UPDATE tbInvent SET OnHand = 1000"));
    struct Case {
        const char* name;
        bool shipped;      // the slip's report file is there
        bool printable;    // the print folder can take the slip
        int line;
        const char* description;
    };
    const Case cases[] = {
        {"the slip's file is missing", false, true, 132, "ChargeSlip.rpt does not exists."},
        {"the slip cannot be printed", true, false, 134, "Could not start printing"},
    };
    // A print folder that is a file takes no print-out.
    const QString blocked = QDir(printFolder.path()).filePath(QStringLiteral("blocked"));
    QFile(blocked).open(QIODevice::WriteOnly);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(QDir(platform.folders->program).filePath(QStringLiteral("Reports"))).removeRecursively();
        if (c.shipped)
            shipReport(QStringLiteral("ChargeSlip.rpt"));
        report::setPrintFolder(c.printable ? printFolder.path() : blocked);
        const int ended = platform.programEnd->ended();
        openIP();
        ip->txtMarkUp->setText(QStringLiteral("0"));
        line(*ip, 1, QStringLiteral("8080"), QStringLiteral("1"));
        const QString shown = Trim(ip->lblPatInfo[5]->text());
        platform.messages->clear();
        ip->cmdPrintSave->click();
        ASSERT_EQ(platform.messages->boxes().size(), 1u);
        const auto& box = platform.messages->last();
        EXPECT_EQ(box.title, "Application Error");
        EXPECT_EQ(box.icon(), vbExclamation);
        EXPECT_TRUE(box.text.contains(QString::fromLatin1(c.description))) << box.text.toStdString();
        EXPECT_TRUE(box.text.endsWith(QStringLiteral("\nin prjQuillax.frmEntryMarkup.cmdPrintSave_Click at line %1")
                                          .arg(c.line)))
            << box.text.toStdString();
        EXPECT_EQ(platform.programEnd->ended(), ended + 1);
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard WHERE RefNum = ?"), {shown}), 1);
    }
}

QX_ON_BOTH_ENGINES(CompanyMarkupSaveTest);

} // namespace
} // namespace qx::test
