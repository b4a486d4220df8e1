#include "ReturnScreenFixture.h"

#include "PrintOuts.h"
#include "SourceTree.h"
#include "platform/report/ReportPrinter.h"
#include "reports/CatalogueOpening.h"
#include "shell/frmDeletePassword.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace qx::test {
namespace {

using Screen = ReturnScreen;

// The return screens' saves over admission 1001 and visit 5001A (each issued PARA500 2 at 62.75
// under CS0001 and AMOX500 3 at 12.00 under CS0002) at workstation HOST1; the slips beside the
// program and every print-out going to PDF files.
class ReturnSaveTest : public ReturnScreenTest {
protected:
    void SetUp() override {
        ReturnScreenTest::SetUp();
        if (!ready())
            return;
        gHostID = QStringLiteral("HOST1");
        frmShift::Default().setShift(1);
        gEmployeeName = QStringLiteral("REYES, JOSE");
        gEmployeePosition = QStringLiteral("PHARMACIST");
        gHospitalName = QStringLiteral("GENERAL HOSPITAL");
        gHospitalAddress = QStringLiteral("1 MAIN ST");
        report::setPrintFolder(printFolder.path());
        for (const char* file : {"CMSlip.rpt", "AdjustSlip.rpt", "OPDCMSlip.rpt", "OPDAdjustSlip.rpt"})
            ASSERT_TRUE(installShippedReport(platform.folders->program, QString::fromLatin1(file)));
    }
    void TearDown() override {
        report::setPrintFolder(QString());
        ReturnScreenTest::TearDown();
    }

    // Line `row` returning `quantity` of the item issued under the slip, as each form takes it.
    void enterLine(Screen& form, int row, const QString& slip, const QString& code, double issued, const QString& quantity) {
        if (form.profile().inPatient) {
            takeBack(form, row, slip, code, issued);
        } else {
            issues->answers = {{code, issued, slip}};
            lookUpAt(form, row, Screen::colCode);
        }
        commitAt(form, row, Screen::colQuantity, quantity);
    }
    // A savable line written straight into the grid.
    static void writeLine(Screen& form, int row, const QString& quantity = QStringLiteral("1"),
                          const QString& amount = QStringLiteral("12.00")) {
        FlexGrid& g = *form.flexMSEntry;
        g.setTextMatrix(row, Screen::colChargeSlip, QStringLiteral("CS0002"));
        g.setTextMatrix(row, Screen::colCode, QStringLiteral("AMOX500"));
        g.setTextMatrix(row, Screen::colIssued, QStringLiteral("3"));
        g.setTextMatrix(row, Screen::colQuantity, quantity);
        g.setTextMatrix(row, Screen::colAmount, amount);
        g.setTextMatrix(row, Screen::colActualAmount, QStringLiteral("12"));
    }

    QStringList rows(const QString& sql, const QVariantList& binds = {}) {
        QStringList out;
        for (Recordset rs = db().query(sql, binds); !rs.eof(); rs.moveNext()) {
            QStringList cells;
            for (int i = 0; i < rs.fieldCount(); ++i) {
                const QVariant v = rs.value(i);
                const bool number = v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float;
                cells << (number ? QString::number(v.toDouble(), 'f', 2) : rs.text(rs.fieldName(i)));
            }
            out << cells.join(u'|');
        }
        return out;
    }
    QStringList creditLines(const QString& number) {
        return rows(QStringLiteral("SELECT RefNum, ItemID, IdNum, HospNum, SummaryCode, RevenueID, PostOrReturn, "
                                   "CreditMemoNum, Quantity, QuantityRec, Amount, RequestByID, LocationID, RoomID, Shift, "
                                   "ItemType, InOut, UserID, COALESCE(VerifyID, '-'), Remarks, Sequence "
                                   "FROM tbInvStockCard WHERE CreditMemoNum = ? ORDER BY RefNum"),
                    {number});
    }
    qint64 count(const QString& sql) { return db().query(sql).value(0).toLongLong(); }
    QString onHand(const QString& item) {
        return rows(QStringLiteral("SELECT OnHand FROM tbInvent WHERE ItemID = ? AND LocationID = '20'"), {item}).value(0);
    }
    QString current(qint16 mode) {
        return mode == Screen::kReturn ? numbers().CurrentCreditMemo() : numbers().CurrentAdjustmentSlip();
    }
    QStringList printed() { return printedTexts(printFolder.path()); }
    void refuseOnUpdate(const QString& table) {
        if (db().isSQLite()) {
            db().executeScript(QStringLiteral("CREATE TRIGGER trInjected BEFORE UPDATE ON %1 "
                                              "BEGIN SELECT RAISE(ABORT, 'injected failure'); END")
                                   .arg(table));
        } else {
            db().executeScript(QStringLiteral("CREATE FUNCTION injected_failure() RETURNS trigger AS $$ BEGIN "
                                              "RAISE EXCEPTION 'injected failure'; END $$ LANGUAGE plpgsql"));
            db().executeScript(QStringLiteral("CREATE TRIGGER trInjected BEFORE UPDATE ON %1 "
                                              "FOR EACH ROW EXECUTE FUNCTION injected_failure()")
                                   .arg(table));
        }
    }
    void dropInjected(const QString& table) {
        db().executeScript(db().isSQLite() ? QStringLiteral("DROP TRIGGER trInjected")
                                           : QStringLiteral("DROP TRIGGER trInjected ON %1").arg(table));
    }

    QTemporaryDir printFolder;
};

TEST_P(ReturnSaveTest, AReturnAndACorrectionOfTwoLinesPostExactStockCardRows) {
    struct Case {
        bool inPatient;
        qint16 mode;
        const char* lines;  // the credit lines but their number, item by item
    };
    const Case cases[] = {
        {true, Screen::kReturn,
         "CS0001|PARA500|1001|H000001|PC|PC|2|{N}|1.00|2.00|62.75|D001|20|301|1|C|I|1234|-|DAMAGED BOX|HOST1\n"
         "CS0002|AMOX500|1001|H000001|PC|PC|2|{N}|1.00|3.00|12.00|D001|20|301|1|C|I|1234|-|DAMAGED BOX|HOST1"},
        {true, Screen::kAdjustment,
         "CS0001|PARA500|1001|H000001|PA|PA|3|{N}|1.00|2.00|62.75|D001|20|301|1|D|I|1234|-|DAMAGED BOX|HOST1\n"
         "CS0002|AMOX500|1001|H000001|PA|PA|3|{N}|1.00|3.00|12.00|D001|20|301|1|D|I|1234|-|DAMAGED BOX|HOST1"},
        {false, Screen::kReturn,
         "CS0001|PARA500|5001A|H000101|PC|PC|2|{N}|1.00|2.00|62.75|D001|20|OPD|1|C|O|1234||DAMAGED BOX|HOST1\n"
         "CS0002|AMOX500|5001A|H000101|PC|PC|2|{N}|1.00|3.00|12.00|D001|20|OPD|1|C|O|1234||DAMAGED BOX|HOST1"},
        {false, Screen::kAdjustment,
         "CS0001|PARA500|5001A|H000101|PA|PA|3|{N}|1.00|2.00|62.75|D001|20|OPD|1|D|O|1234||DAMAGED BOX|HOST1\n"
         "CS0002|AMOX500|5001A|H000101|PA|PA|3|{N}|1.00|3.00|12.00|D001|20|OPD|1|D|O|1234||DAMAGED BOX|HOST1"},
    };
    int returned = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE((c.inPatient ? "in-patient " : "out-patient ") + std::to_string(c.mode));
        auto form = loaded(c.inPatient, c.mode);
        const QString number = current(c.mode);
        EXPECT_EQ(form->lblPatInfo[c.inPatient ? 5 : 3]->text(), QStringLiteral(" ") + number);
        enterLine(*form, 1, QStringLiteral("CS0001"), QStringLiteral("PARA500"), 2, QStringLiteral("1"));
        enterLine(*form, 2, QStringLiteral("CS0002"), QStringLiteral("AMOX500"), 3, QStringLiteral("1"));
        form->txtRemarks->setText(QStringLiteral("DAMAGED BOX"));
        platform.messages->clear();
        ASSERT_TRUE(form->cmdSave->isEnabled());
        form->cmdSave->click();

        EXPECT_EQ(platform.messages->texts().join(u'\n').toStdString(), "");
        const QString expected = QString::fromLatin1(c.lines).replace(QStringLiteral("{N}"), number);
        EXPECT_EQ(creditLines(number).join(u'\n').toStdString(), expected.toStdString());
        ++returned;
        EXPECT_EQ(onHand(QStringLiteral("PARA500")), QString::number(100 + returned, 'f', 2));
        EXPECT_EQ(onHand(QStringLiteral("AMOX500")), QString::number(40 + returned, 'f', 2));
        // The counter moved once past the number; the memo is staged under the workstation.
        EXPECT_EQ(current(c.mode).toStdString(),
                  QStringLiteral("%1%2").arg(number.left(2)).arg(number.mid(2).toLongLong() + 1, number.size() - 2, 10, QChar(u'0')).toStdString());
        EXPECT_EQ(rows(QStringLiteral("SELECT UserID, IdNum, ChargeSlip, Quantity, Amount, Remarks FROM tbPharmaCMPrint "
                                      "WHERE RefNum = ? ORDER BY ChargeSlip"),
                       {number}),
                  (QStringList{QStringLiteral("HOST1|%1|CS0001|1.00|62.75|DAMAGED BOX").arg(c.inPatient ? "1001" : "5001A"),
                               QStringLiteral("HOST1|%1|CS0002|1.00|12.00|DAMAGED BOX").arg(c.inPatient ? "1001" : "5001A")}));
        // The screen is emptied for the next patient; a second Save does nothing.
        EXPECT_TRUE(form->isEntrySaved);
        EXPECT_EQ(form->txtFind->text(), QString());
        EXPECT_FALSE(form->flexMSEntry->isEnabled());
        EXPECT_FALSE(form->cmdSave->isEnabled());
        const qint64 posted = count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard"));
        form->cmdSave_Click();
        EXPECT_EQ(platform.messages->boxes().size(), 1u);
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard")), posted);
    }
}

TEST_P(ReturnSaveTest, ChecksOfEachFormInTheirOrder) {
    const QString remarks = QStringLiteral("Please enter reason/remarks for returning the Medicine(s).");
    const QString doctor = QStringLiteral("pls add requesting doctor..");
    const QString zero =
        QStringLiteral("Please check the quantity or amount of the entered items. Some entries have zero value!");
    struct Case {
        const char* name;
        bool inPatient;
        std::function<void(Screen&)> change;
        QString message;  // empty: the save posts
        QString title;
        int style;
    };
    const auto noRemarks = [](Screen& f) { f.txtRemarks->clear(); };
    const auto noDoctor = [](Screen& f) { f.txtDocCode->setText(QStringLiteral(" ")); };
    const auto atKTH = [](Screen&) { gSiteCode = QStringLiteral("KTH"); };
    const Case cases[] = {
        {"in: supervisor refused", true, [](Screen&) { gHasValidation = true; }, QStringLiteral("Invalid Password."),
         QStringLiteral("MESSAGE"), vbInformation},
        {"in: remarks before doctor", true, [&](Screen& f) { noRemarks(f); noDoctor(f); }, remarks,
         QStringLiteral("MESSAGE"), vbInformation},
        {"in: no remarks at KTH", true, [&](Screen& f) { atKTH(f); noRemarks(f); }, QString(), QString(), 0},
        {"in: blank remarks are remarks", true, [](Screen& f) { f.txtRemarks->setText(QStringLiteral("  ")); }, QString(),
         QString(), 0},
        {"in: no doctor", true, noDoctor, doctor, QStringLiteral("Message"), vbInformation},
        {"in: invalid row", true, [](Screen& f) { writeLine(f, 2, QStringLiteral("0"), QStringLiteral("0")); },
         QStringLiteral("Pls. correct the invalid row."), QStringLiteral("Message"), vbInformation},
        {"in: zero entry", true, [](Screen& f) { writeLine(f, 2, QStringLiteral("1"), QString()); }, zero,
         QStringLiteral("WARNING"), vbCritical},
        {"out: supervisor refused", false, [](Screen&) { gHasValidation = true; }, QStringLiteral("Invalid Password."),
         QStringLiteral("MESSAGE"), vbInformation},
        {"out: doctor before remarks", false, [&](Screen& f) { noRemarks(f); noDoctor(f); }, doctor,
         QStringLiteral("Message"), vbInformation},
        {"out: no remarks at KTH", false, [&](Screen& f) { atKTH(f); noRemarks(f); }, remarks, QStringLiteral("MESSAGE"),
         vbInformation},
        {"out: no invalid-row check", false, [](Screen& f) { writeLine(f, 2, QStringLiteral("0"), QStringLiteral("0")); },
         zero, QStringLiteral("WARNING"), vbCritical},
    };
    platform.modal->onShow<frmDeletePassword>([](frmDeletePassword& w) {
        w.setOKCharge(false);
        w.close();
    });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gSiteCode.clear();
        gHasValidation = false;
        auto form = loaded(c.inPatient);
        writeLine(*form, 1);
        form->txtDocCode->setText(QStringLiteral("D001"));
        form->txtRemarks->setText(QStringLiteral("EXPIRED"));
        c.change(*form);
        const qint64 before = count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard"));
        platform.messages->clear();
        form->cmdSave_Click();
        if (c.message.isEmpty()) {
            EXPECT_EQ(platform.messages->texts().join(u'\n').toStdString(), "");
            EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard")), before + 1);
            continue;
        }
        EXPECT_EQ(platform.messages->texts().join(u'\n').toStdString(), c.message.toStdString());
        EXPECT_EQ(platform.messages->last().title, c.title);
        EXPECT_EQ(platform.messages->last().style, c.style);
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard")), before);
        EXPECT_FALSE(form->isEntrySaved);
        EXPECT_EQ(form->flexMSEntry->textMatrix(1, Screen::colCode), QStringLiteral("AMOX500"));
    }
}

TEST_P(ReturnSaveTest, LinesAreCheckedAgainInsideTheSave) {
    struct Case {
        const char* name;
        std::function<void()> meanwhile;
        const char* message;
    };
    const Case cases[] = {
        {"item gone from the catalogue",
         [this] { db().execute(QStringLiteral("UPDATE tbInvMaster SET ItemID = 'AMOX501' WHERE ItemID = 'AMOX500'")); },
         "Line 2 (AMOX500) is no longer found at this location.  Please check."},
        {"returned from another workstation meanwhile",
         [this] {
             db().execute(QStringLiteral("INSERT INTO tbInvStockCard (RefNum, ItemID, IdNum, SummaryCode, LocationID, "
                                         "Quantity, CreditMemoNum) VALUES ('CS0002', 'AMOX500', '1001', 'PC', '20', 3, 'RC999')"));
         },
         "Line 2 (AMOX500) is more than what is left to take back of charge slip CS0002 (0).  Please check."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        db().execute(QStringLiteral("UPDATE tbInvMaster SET ItemID = 'AMOX500' WHERE ItemID = 'AMOX501'"));
        auto form = loaded(true);
        const QString number = current(Screen::kReturn);
        enterLine(*form, 1, QStringLiteral("CS0001"), QStringLiteral("PARA500"), 2, QStringLiteral("1"));
        enterLine(*form, 2, QStringLiteral("CS0002"), QStringLiteral("AMOX500"), 3, QStringLiteral("2"));
        form->txtRemarks->setText(QStringLiteral("EXPIRED"));
        c.meanwhile();
        platform.messages->clear();
        form->cmdSave->click();
        EXPECT_EQ(platform.messages->texts().join(u'\n').toStdString(), std::string(c.message));
        EXPECT_EQ(platform.messages->last().style, vbExclamation);
        EXPECT_EQ(creditLines(number), QStringList{});
        EXPECT_EQ(current(Screen::kReturn), number);
        EXPECT_FALSE(form->isEntrySaved);
        EXPECT_TRUE(form->cmdSave->isEnabled());
        EXPECT_EQ(form->flexMSEntry->textMatrix(2, Screen::colQuantity), QStringLiteral("2"));
    }
}

TEST_P(ReturnSaveTest, AFailureAfterTheLinesLeavesNothing) {
    addAdmittedPatient(db(), {.idNum = QStringLiteral("1003"), .dischargeDate = QDateTime(QDate(2026, 1, 9), QTime(8, 0)),
                              .lateCharges = true});
    issue(QStringLiteral("1003"), QStringLiteral("PARA500"), QStringLiteral("CS0003"), 2, 125.5);
    issue(QStringLiteral("1003"), QStringLiteral("AMOX500"), QStringLiteral("CS0003"), 3, 36);
    refuseOnUpdate(QStringLiteral("tbPharmaCMPrint"));
    auto form = open<frmReturn>();
    find(*form, QStringLiteral("1003"));
    const QString number = current(Screen::kReturn);
    enterLine(*form, 1, QStringLiteral("CS0003"), QStringLiteral("PARA500"), 2, QStringLiteral("2"));
    enterLine(*form, 2, QStringLiteral("CS0003"), QStringLiteral("AMOX500"), 3, QStringLiteral("1"));
    form->txtRemarks->setText(QStringLiteral("WRONG PATIENT"));
    const QString lateCharges = QStringLiteral("SELECT LateCharges FROM patient_data.tbPatient WHERE IDNum = '1003'");
    platform.messages->clear();
    form->cmdSave->click();

    ASSERT_EQ(platform.messages->boxes().size(), 1u);
    EXPECT_TRUE(platform.messages->last().text.startsWith(QStringLiteral("The entries were not posted; nothing was saved.")));
    EXPECT_TRUE(platform.messages->last().text.contains(QStringLiteral("injected failure")));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard WHERE CreditMemoNum IS NOT NULL")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbPharmaCMPrint")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvDocumentClaim")), 0);
    EXPECT_EQ(onHand(QStringLiteral("PARA500")), "100.00");
    EXPECT_EQ(current(Screen::kReturn), number);
    EXPECT_EQ(count(lateCharges), 1);
    EXPECT_FALSE(form->isEntrySaved);
    EXPECT_TRUE(form->cmdSave->isEnabled());
    EXPECT_EQ(form->TotalCharges(), QStringLiteral("137.50"));

    // Mended, the same entry saves under the same number and clears the late charges.
    dropInjected(QStringLiteral("tbPharmaCMPrint"));
    platform.messages->clear();
    form->cmdSave->click();
    EXPECT_EQ(platform.messages->texts().join(u'\n').toStdString(), "");
    EXPECT_EQ(creditLines(number).size(), 2);
    EXPECT_EQ(count(lateCharges), 0);
}

TEST_P(ReturnSaveTest, TheVerifierIsTheApprovalGivenHereForThisPatient) {
    // An approval left in the dialog by another screen is not this save's.
    platform.modal->onShow<frmDeletePassword>([](frmDeletePassword& w) {
        w.setOKCharge(true);
        w.setVerifyID(QStringLiteral("ELSEWHERE"));
        w.close();
    });
    showModal(frmDeletePassword::Default());
    struct Case {
        bool inPatient;
        bool validation;
        const char* verifier;
    };
    const Case cases[] = {{true, false, "-"}, {false, false, ""}, {true, true, "SUP9"}, {false, true, "SUP9"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.inPatient ? "in" : "out") + (c.validation ? " validating" : ""));
        gHasValidation = c.validation;
        auto form = loaded(c.inPatient);
        writeLine(*form, 1);
        form->txtRemarks->setText(QStringLiteral("EXPIRED"));
        platform.modal->onShow<frmDeletePassword>([](frmDeletePassword& w) {
            w.setOKCharge(true);
            w.setVerifyID(QStringLiteral("SUP9"));
            w.close();
        });
        const QString number = current(Screen::kReturn);
        form->cmdSave_Click();
        EXPECT_EQ(rows(QStringLiteral("SELECT COALESCE(VerifyID, '-') FROM tbInvStockCard WHERE CreditMemoNum = ?"), {number}),
                  QStringList{QString::fromLatin1(c.verifier)});
    }
}

TEST_P(ReturnSaveTest, PrintSaveSkipsAUsedNumberAndPrintsTheSlipOfItsOwnSave) {
    const QString shown = current(Screen::kReturn);
    // Another workstation posted under the number shown.
    db().execute(QStringLiteral("INSERT INTO tbInvStockCard (RefNum, ItemID, IdNum, SummaryCode, LocationID, Quantity, "
                                "CreditMemoNum) VALUES ('CS9', 'PARA500', '1002', 'PC', '20', 1, ?)"),
                 {shown});
    auto form = loaded(true);
    EXPECT_EQ(form->lblPatInfo[5]->text(), QStringLiteral(" ") + shown);
    enterLine(*form, 1, QStringLiteral("CS0001"), QStringLiteral("PARA500"), 2, QStringLiteral("2"));
    enterLine(*form, 2, QStringLiteral("CS0002"), QStringLiteral("AMOX500"), 3, QStringLiteral("1"));
    form->txtRemarks->setText(QStringLiteral("PATIENT DISCHARGED"));
    platform.messages->clear();
    ASSERT_TRUE(form->cmdPrintSave->isEnabled());
    form->cmdPrintSave->click();

    EXPECT_EQ(platform.messages->texts().join(u'\n').toStdString(), "");
    EXPECT_EQ(creditLines(shown).size(), 1) << "the used number is skipped";
    const QString number = rows(QStringLiteral("SELECT DISTINCT CreditMemoNum FROM tbInvStockCard WHERE IdNum = '1001' "
                                               "AND CreditMemoNum IS NOT NULL")).value(0);
    EXPECT_NE(number, shown);
    EXPECT_EQ(creditLines(number).size(), 2);
    const QStringList texts = printed();
    ASSERT_EQ(texts.size(), 1);
    EXPECT_TRUE(texts[0].contains(QStringLiteral("No.: ") + number));
    QString slip = texts[0];
    slip.replace(number, QStringLiteral("<number>"));
    slip.replace(QRegularExpression(QStringLiteral("Printed [^\\n]*?(?=\\s{2,}Page)")), QStringLiteral("Printed <time>"));
    expectReportGolden(QStringLiteral("CMSlip_Save.txt"), slip);
    // Printed, the screen is emptied and the print mode is over.
    EXPECT_TRUE(form->isSlipPrinted);
    EXPECT_FALSE(form->isPrintSave);
    EXPECT_EQ(form->txtFind->text(), QString());
}

TEST_P(ReturnSaveTest, EachFormPrintsItsSlipAndOnlyAfterItsOwnSavePosted) {
    struct Case {
        bool inPatient;
        qint16 mode;
        const char* heading;
    };
    const Case cases[] = {
        {true, Screen::kReturn, "CREDIT MEMO"},
        {true, Screen::kAdjustment, "ADJUSTMENT SLIP"},
        {false, Screen::kReturn, "OUT-PATIENT CREDIT MEMO"},
        {false, Screen::kAdjustment, "OUT-PATIENT ADJUSTMENT SLIP"},
    };
    const QString notSaved = QStringLiteral("Not successfully saved. pls check the encoded data.");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.heading);
        QDir(printFolder.path()).removeRecursively();
        QDir().mkpath(printFolder.path());
        auto form = loaded(c.inPatient, c.mode);
        writeLine(*form, 1);
        form->txtRemarks->clear();
        if (c.inPatient)
            gSiteCode = QStringLiteral("X");
        // Refused by the save's own check: no print, and the print mode ends with the click.
        platform.messages->clear();
        form->cmdPrintSave_Click();
        EXPECT_EQ(platform.messages->texts(),
                  (QStringList{QStringLiteral("Please enter reason/remarks for returning the Medicine(s)."), notSaved}));
        EXPECT_EQ(platform.messages->last().style, vbInformation + vbCritical);
        EXPECT_EQ(printed().size(), 0);
        EXPECT_FALSE(form->isPrintSave);
        EXPECT_FALSE(form->isSlipPrinted);

        form->txtRemarks->setText(QStringLiteral("EXPIRED"));
        const QString number = current(c.mode);
        platform.messages->clear();
        form->cmdPrintSave_Click();
        EXPECT_EQ(platform.messages->texts().join(u'\n').toStdString(), "");
        const QStringList texts = printed();
        ASSERT_EQ(texts.size(), 1);
        EXPECT_TRUE(texts[0].contains(QString::fromLatin1(c.heading)));
        EXPECT_TRUE(texts[0].contains(QStringLiteral("No.: ") + number));
        EXPECT_TRUE(texts[0].contains(QStringLiteral("Remarks: EXPIRED")));
        EXPECT_TRUE(texts[0].contains(QStringLiteral("12.00")));
        // A second Print/Save on the emptied screen stops at the doctor.
        platform.messages->clear();
        form->cmdPrintSave_Click();
        EXPECT_EQ(platform.messages->texts(), QStringList{"pls add requesting doctor.."});
        EXPECT_EQ(printed().size(), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Engines, ReturnSaveTest, ::testing::Values(::qx::Engine::SQLite, ::qx::Engine::PostgreSQL),
                         ::qx::test::engineName);

} // namespace
} // namespace qx::test
