#include "frmCommEntryPresFixture.h"

#include "FailureInjection.h"
#include "SourceTree.h"
#include "charging/Numbering.h"
#include "charging/RequestLineStates.h"
#include "charging/SlipPrinting.h"
#include "platform/Values.h"
#include "platform/report/ReportPrinter.h"
#include "shell/frmDeletePassword.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace qx::test {
namespace {

// Admission 1001 (H000001, room 301, doctor D001) with three take-home lines: PARACETAMOL 2 x 5.25
// (RQ1), AMOXICILLIN 3 x 12.00 (RQ2) and CEFTRIAXONE 1 x 250.00 (RQ3), 100 of each in stock.
class frmCommEntryPresSaveTest : public frmCommEntryPresTest {
protected:
    void SetUp() override {
        frmCommEntryPresTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        gHostID = QStringLiteral("HOST1");
        gEmployeeName = QStringLiteral("JOSE C. REYES");
        gEmployeePosition = QStringLiteral("PHARMACIST");
        gMaximumReceiptEntry = 20;
        addItem(db());
        addItem(db(), {.itemId = QStringLiteral("AMOX500"), .name = QStringLiteral("AMOXICILLIN"),
                       .description = QStringLiteral("500 MG CAP"), .genericId = QStringLiteral("G-AMOX"),
                       .genericName = QStringLiteral("AMOXICILLIN"), .priceIn = 12, .priceOut = 12});
        addItem(db(), {.itemId = QStringLiteral("CEF1G"), .name = QStringLiteral("CEFTRIAXONE"),
                       .description = QStringLiteral("1 G VIAL"), .genericId = QStringLiteral("G-CEF"),
                       .genericName = QStringLiteral("CEFTRIAXONE"), .priceIn = 250, .priceOut = 250});
        takeHome({.itemId = QStringLiteral("PARA500"), .quantity = 2, .requestNumber = QStringLiteral("RQ1")});
        takeHome({.itemId = QStringLiteral("AMOX500"), .quantity = 3, .requestNumber = QStringLiteral("RQ2"),
                  .at = QTime(10, 30)});
        takeHome({.itemId = QStringLiteral("CEF1G"), .quantity = 1, .requestNumber = QStringLiteral("RQ3"),
                  .at = QTime(10, 45)});
    }
    void TearDown() override {
        report::setPrintFolder(QString());
        report::clearPrintedJobs();
        frmCommEntryPresTest::TearDown();
    }

    QStringList rows(const QString& sql, const QStringList& fields, const QVariantList& binds = {}) {
        QStringList out;
        for (Recordset rs = db().query(sql, binds); !rs.eof(); rs.moveNext()) {
            QStringList values;
            for (const QString& field : fields)
                values << rs.text(field);
            out << values.join(u'|');
        }
        return out;
    }
    qint64 count(const QString& sql, const QVariantList& binds = {}) {
        return db().query(sql, binds).value(0).toLongLong();
    }
    QStringList slips() {
        return rows(QStringLiteral("SELECT RefNum, COUNT(*) AS N FROM tbInvStockCard GROUP BY RefNum ORDER BY RefNum"),
                    {"RefNum", "N"});
    }
    QStringList homeMeds() {
        return rows(QStringLiteral("SELECT ItemID, COALESCE(ReferenceNum, '') AS R, COALESCE(RecordStatus, '') AS S "
                                   "FROM station.tbNurseHomeMeds ORDER BY ItemID"),
                    {"ItemID", "R", "S"});
    }
    QStringList requestStates() {
        return rows(QStringLiteral("SELECT RequestNumber, COALESCE(RecordStatus, '') AS S "
                                   "FROM station.tbNurseCommunicationFile ORDER BY RequestNumber"),
                    {"RequestNumber", "S"});
    }
    QString counter() { return gComponents.gDrug->Drug().Chargeslip().CurrentDispensingChargeSlip(); }
    static void press(QPushButton* button) {
        button->setEnabled(true);
        button->click();
        QApplication::processEvents();
    }
    void setIssued(int row, const QString& quantity, const QString& amount) {
        form->flexMSEntry->setTextMatrix(row, P::kColIssued, quantity);
        form->flexMSEntry->setTextMatrix(row, P::kColAmount, amount);
    }
    void cancelLine(int row) {
        form->flexMSEntry->setTextMatrix(row, P::kColDosage, kCancelledLineState);
        for (int col : {P::kColRequested, P::kColIssued, P::kColStock, P::kColAmount})
            form->flexMSEntry->setTextMatrix(row, col, QStringLiteral("XXX"));
    }
    void approveAs(const QString& supervisor) {
        platform.modal->onShow<frmDeletePassword>([supervisor](frmDeletePassword& w) {
            if (!supervisor.isEmpty()) {
                w.setOKCharge(true);
                w.setVerifyID(supervisor);
            }
            w.close();
        });
    }
    void refuseAmoxicillin(bool on) {
        RefuseInserts(db(), QStringLiteral("tbInvStockCard"), QStringLiteral("NEW.ItemID = 'AMOX500'"), on);
    }
};

// One pass: every line under one claimed slip with the values of the take-home save; the fully
// issued lines' records served, the partly issued one's only numbered; the station requests
// served; the screen closed.
TEST_P(frmCommEntryPresSaveTest, SavePostsThreeLinesUnderOneSlip) {
    P& f = open();
    ASSERT_EQ(f.flexMSEntry->rows(), 4);
    const QString before = counter();
    setIssued(2, QStringLiteral("1"), QStringLiteral("12.00"));
    f.flexMSEntry->setTextMatrix(1, P::kColLogChoice, QStringLiteral("Proceed with Transaction"));
    f.flexMSEntry->setTextMatrix(1, P::kColRemarks, QStringLiteral("after meals"));
    press(f.cmdSave);

    EXPECT_TRUE(lastMessage().isEmpty()) << lastMessage().toStdString();
    const QString slip = before;
    EXPECT_EQ(slips(), QStringList{slip + "|3"});
    const QString shift = QString::number(frmShift::Default().Shift());
    EXPECT_EQ(rows(QStringLiteral("SELECT HospNum, IdNum, ItemID, Quantity, Amount, UserID, DosageID, RequestByID, "
                                  "LocationID, RoomID, Shift, SummaryCode, COALESCE(Remarks, '') AS R, RequestNumber, "
                                  "InOut, Communication, AuxValue, Sequence FROM tbInvStockCard ORDER BY ItemID"),
                   {"HospNum", "IdNum", "ItemID", "Quantity", "Amount", "UserID", "DosageID", "RequestByID",
                    "LocationID", "RoomID", "Shift", "SummaryCode", "R", "RequestNumber", "InOut", "Communication",
                    "AuxValue", "Sequence"}),
              (QStringList{"H000001|1001|AMOX500|1|12|1234|1 TAB Q4H|D001|20|301|" + shift + "|PH||RQ2|I|1|AMOX500|HOST1",
                           "H000001|1001|CEF1G|1|250|1234|1 TAB Q4H|D001|20|301|" + shift + "|PH||RQ3|I|1|CEF1G|HOST1",
                           "H000001|1001|PARA500|2|10.5|1234|1 TAB Q4H|D001|20|301|" + shift +
                               "|PH|after meals|RQ1|I|1|PARA500|HOST1"}));
    EXPECT_EQ(homeMeds(), (QStringList{"AMOX500|" + slip + "|", "CEF1G|" + slip + "|P", "PARA500|" + slip + "|P"}));
    EXPECT_EQ(requestStates(), (QStringList{"RQ1|P", "RQ2|P", "RQ3|P"}));
    EXPECT_EQ(rows(QStringLiteral("SELECT Choice, ItemID, Quantity, OnHand, UserID FROM tbPharmaOverStockLog"),
                   {"Choice", "ItemID", "Quantity", "OnHand", "UserID"}),
              QStringList{"Proceed with Transaction|PARA500|2|100|1234"});
    EXPECT_EQ(count(QStringLiteral("SELECT OnHand FROM tbInvent WHERE ItemID = 'AMOX500' AND LocationID = '20'")), 99);
    EXPECT_NE(counter(), before);
    EXPECT_FALSE(f.isVisible());
    EXPECT_FALSE(f.CancelledForm());
    EXPECT_TRUE(report::printedJobs().isEmpty());
}

// A failure at the second line leaves nothing: no line, no counter move, no record changed, no
// revocation; the screen stays with its lines and the mended save posts them once.
TEST_P(frmCommEntryPresSaveTest, AFailureLeavesNothingAndTheRetryPostsOnce) {
    refuseAmoxicillin(true);
    P& f = open();
    cancelLine(3);
    const QString before = counter();
    const QStringList meds = homeMeds();
    press(f.cmdSave);
    EXPECT_TRUE(lastMessage().startsWith(QStringLiteral("The entries were not posted; nothing was saved.")))
        << lastMessage().toStdString();
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbPharmaChargePrint")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvDocumentClaim")), 0);
    EXPECT_EQ(counter(), before);
    EXPECT_EQ(homeMeds(), meds);
    EXPECT_EQ(requestStates(), (QStringList{"RQ1|", "RQ2|", "RQ3|"}));
    EXPECT_EQ(cell(1, P::kColPosted), QString());
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(platform.programEnd->ended(), 0);

    refuseAmoxicillin(false);
    press(f.cmdSave);
    EXPECT_EQ(slips(), QStringList{before + "|2"});
    EXPECT_EQ(requestStates(), (QStringList{"RQ1|P", "RQ2|P", "RQ3|R"}));
    EXPECT_FALSE(f.isVisible());
}


// Passes of MaximumReceiptEntry lines, each under its own number; below 1 it counts as 20.
TEST_P(frmCommEntryPresSaveTest, LinesArePostedInPassesOfTheReceiptLimit) {
    struct Case {
        int limit;
        QStringList lines;  // lines per slip, in claim order
    };
    const Case cases[] = {{1, {"1", "1", "1"}}, {2, {"2", "1"}}, {0, {"3"}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.limit);
        gMaximumReceiptEntry = qint16(c.limit);
        P& f = open();
        const QString first = counter();
        press(f.cmdSave);
        EXPECT_TRUE(lastMessage().isEmpty()) << lastMessage().toStdString();
        QStringList perSlip;
        for (const QString& slip : slips())
            perSlip << slip.section(u'|', 1);
        EXPECT_EQ(perSlip, c.lines);
        EXPECT_EQ(slips().first().section(u'|', 0, 0), first);
        // Each line's take-home record carries the slip it was posted under.
        EXPECT_EQ(rows(QStringLiteral("SELECT h.ItemID FROM station.tbNurseHomeMeds h INNER JOIN tbInvStockCard s "
                                      "ON s.ItemID = h.ItemID AND s.RefNum = h.ReferenceNum ORDER BY h.ItemID"),
                       {"ItemID"}),
                  (QStringList{"AMOX500", "CEF1G", "PARA500"}));
        db().execute(QStringLiteral("DELETE FROM tbInvStockCard"));
        db().execute(QStringLiteral("UPDATE station.tbNurseHomeMeds SET RecordStatus = NULL, ReferenceNum = NULL"));
        db().execute(QStringLiteral("UPDATE station.tbNurseCommunicationFile SET RecordStatus = NULL"));
    }
}

// The take-home records' reference number is the slip when it is free; a used one gives way to
// the counter's number. The counters: the employee's at QVH, the admission's under switch 22, the
// single one elsewhere.
TEST_P(frmCommEntryPresSaveTest, TheSlipNumberComesFromAFreeReferenceOrTheCounter) {
    enum Counter { Single, PerAdmission, Terminal };
    struct Case {
        const char* name;
        Counter kind;
        QString reference;  // on the take-home records
        bool referenceUsed;
        bool postedUnderReference;
    };
    const Case cases[] = {
        {"free reference", Single, "TH0001", false, true},
        {"used reference", Single, "TH0001", true, false},
        {"single counter", Single, "", false, false},
        {"per admission", PerAdmission, "", false, false},
        {"terminal at QVH", Terminal, "", false, false},
    };
    DrugCatalog::ChargeslipNumbers& numbers = gComponents.gDrug->Drug().Chargeslip();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gSiteCode = c.kind == Terminal ? QStringLiteral("QVH") : QString();
        db().execute(QStringLiteral("DELETE FROM tbPharmaSwitch WHERE IDKey = '22'"));
        db().execute(QStringLiteral("INSERT INTO tbPharmaSwitch (IDKey, KeyValue) VALUES ('22', ?)"),
                     {c.kind == PerAdmission ? 1 : 0});
        db().execute(QStringLiteral("UPDATE station.tbNurseHomeMeds SET ReferenceNum = ?"), {c.reference});
        if (c.referenceUsed)
            db().execute(QStringLiteral("INSERT INTO tbInvStockCard (RefNum, ItemID, IdNum, LocationID, SummaryCode, "
                                        "TransDate) VALUES (?, 'CEF1G', '9999', '20', 'PH', ?)"),
                         {c.reference, db().serverNow()});
        const auto current = [&] {
            return c.kind == Terminal       ? GetTerminalChargeSlipNo(db(), gEmployeeCode)
                   : c.kind == PerAdmission ? numbers.CurrentDispensingChargeSlip(QStringLiteral("1001"))
                                            : numbers.CurrentDispensingChargeSlip();
        };
        if (c.kind == Terminal)
            AdvanceTerminalChargeSlipNo(db(), gEmployeeCode);  // the employee's counter exists
        const QString single = numbers.CurrentDispensingChargeSlip();
        const QString before = current();
        P& f = open();
        press(f.cmdSave);
        EXPECT_TRUE(lastMessage().isEmpty()) << lastMessage().toStdString();
        const QString slip = c.postedUnderReference ? c.reference : before;
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard WHERE RefNum = ?"), {slip}), 3);
        EXPECT_EQ(current() == before, c.postedUnderReference) << "the counter moves only for its own number";
        if (c.kind != Single)
            EXPECT_EQ(numbers.CurrentDispensingChargeSlip(), single) << "the single counter is left alone";
        if (c.kind == Terminal)
            EXPECT_TRUE(slip.startsWith(u'C') && slip.endsWith(u'M')) << slip.toStdString();
        EXPECT_EQ(homeMeds(), (QStringList{"AMOX500|" + slip + "|P", "CEF1G|" + slip + "|P", "PARA500|" + slip + "|P"}));
        db().execute(QStringLiteral("DELETE FROM tbInvStockCard"));
        db().execute(QStringLiteral("UPDATE station.tbNurseHomeMeds SET RecordStatus = NULL, ReferenceNum = NULL"));
        db().execute(QStringLiteral("UPDATE station.tbNurseCommunicationFile SET RecordStatus = NULL"));
    }
}

// A cancelled line's request is revoked, the others served; the supervisor of a validating
// hospital is written on the slip's lines.
TEST_P(frmCommEntryPresSaveTest, CancelledLinesAreRevokedAndTheVerifierRecorded) {
    gHasValidation = true;
    approveAs(QStringLiteral("9001"));
    P& f = open();
    cancelLine(2);
    press(f.cmdSave);
    EXPECT_TRUE(lastMessage().isEmpty()) << lastMessage().toStdString();
    EXPECT_EQ(requestStates(), (QStringList{"RQ1|P", "RQ2|R", "RQ3|P"}));
    EXPECT_EQ(rows(QStringLiteral("SELECT ItemID, COALESCE(VerifyID, '') AS V FROM tbInvStockCard ORDER BY ItemID"),
                   {"ItemID", "V"}),
              (QStringList{"CEF1G|9001", "PARA500|9001"}));
    EXPECT_FALSE(f.isVisible());
}

// The checks in their order; each refusal leaves the database and the screen as they were.
TEST_P(frmCommEntryPresSaveTest, ChecksRefuseTheSave) {
    struct Case {
        const char* name;
        std::function<void(P&)> setup;
        QString message;  // empty: the save goes through
        int answer = vbYes;
    };
    const QString zero = QStringLiteral("Please check the quantity or amount of the entered items. Some entries have "
                                        "zero value!");
    const Case cases[] = {
        {"no doctor", [](P& f) { f.txtDocCode->clear(); }, "pls add requesting doctor.."},
        {"switch 9",
         [this](P& f) {
             db().execute(QStringLiteral("INSERT INTO tbPharmaSwitch (IDKey, KeyValue) VALUES ('9', 1)"));
             f.flexMSEntry->setTextMatrix(1, P::kColStock, QStringLiteral("1"));
         },
         "Item(s) in the list has insufficient stocks. Unable to process request."},
        {"5000.00 asks nothing",
         [this](P&) {
             setIssued(3, QStringLiteral("1"), QStringLiteral("5000.00"));
             setIssued(2, QStringLiteral("0"), QStringLiteral("0.00"));
         },
         zero},
        {"5000.01 asks, No stops",
         [this](P&) {
             setIssued(3, QStringLiteral("1"), QStringLiteral("5000.01"));
             setIssued(2, QStringLiteral("1"), QStringLiteral("5000.01"));
         },
         "Please verify entered Medicines. Some entries exceeded (P)5000.00. Proceed with transaction?", vbNo},
        {"no stocks left",
         [](P& f) {
             gAllowZeroOnHand = true;
             f.flexMSEntry->setTextMatrix(2, P::kColStock, QStringLiteral("0"));
         },
         "AMOXICILLIN 500 MG CAP has no stocks left. The system can't process the specified item. Please Cancel / "
         "Delay Item."},
        {"stock below the issued",
         [](P& f) {
             gAllowZeroOnHand = true;
             f.flexMSEntry->setTextMatrix(2, P::kColStock, QStringLiteral("2"));
         },
         "AMOXICILLIN 500 MG CAP ==> Stock is not available to fill Prescription. Please enter quantity not greater "
         "than the stock onhand."},
        {"zero value", [this](P&) { setIssued(1, QStringLiteral("0"), QStringLiteral("10.50")); }, zero},
        {"supervisor refuses",
         [this](P&) {
             gHasValidation = true;
             approveAs(QString());
         },
         "Invalid Password."},
        {"incomplete line", [](P& f) { f.flexMSEntry->setTextMatrix(2, P::kColDosage, QString()); },
         "Entries has incomplete information.  Please check."},
        {"inactive drug",
         [this](P&) {
             db().execute(QStringLiteral("UPDATE tbInvMaster SET ItemStatus = 1 WHERE ItemID = 'CEF1G'"));
             db().execute(QStringLiteral("UPDATE tbInvent SET ItemStatus = 1 WHERE ItemID = 'CEF1G'"));
         },
         "Drug in line  3 was set to inactive.\r\nPlease refer to pharmacy warehouse staff or choose another drug."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        P& f = open();
        c.setup(f);
        platform.messages->clear();
        platform.messages->answer(static_cast<MsgBoxResult>(c.answer));
        press(f.cmdSave);
        EXPECT_EQ(lastMessage(), c.message);
        if (c.answer == vbNo)
            EXPECT_EQ(platform.messages->last().title, QStringLiteral("MESSAGE"));
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard")), 0);
        EXPECT_EQ(requestStates(), (QStringList{"RQ1|", "RQ2|", "RQ3|"}));
        EXPECT_TRUE(f.isVisible());
        form.reset();
        gAllowZeroOnHand = false;
        gHasValidation = false;
        db().execute(QStringLiteral("DELETE FROM tbPharmaSwitch WHERE IDKey = '9'"));
        db().execute(QStringLiteral("UPDATE tbInvMaster SET ItemStatus = 0"));
        db().execute(QStringLiteral("UPDATE tbInvent SET ItemStatus = 0"));
    }
}


// Print/Save: the slip of each pass printed in its copies with its header, the prescription of
// the Kelvar hospital with the issued quantities, CancelledForm False, the screen closed.
// A save stopped at the completeness check still repairs the balances of the grid's items on the
// slip shown, except at site TZNH.
TEST_P(frmCommEntryPresSaveTest, BalancesAreRecomputedExceptAtTZNH) {
    for (const char* site : {"", "TZNH"}) {
        SCOPED_TRACE(site);
        gSiteCode = QString::fromLatin1(site);
        db().execute(QStringLiteral("DELETE FROM tbInvStockCard"));
        // The slip's line and an older line of the item it works from.
        db().execute(QStringLiteral("INSERT INTO tbInvStockCard (RefNum, ItemID, IdNum, HospNum, LocationID, "
                                    "SummaryCode, Quantity, Balance, TransDate) VALUES ('PREV', 'PARA500', '9999', "
                                    "'H000009', '20', 'PC', 5, 10, ?)"),
                     {db().serverNow().addSecs(-60)});
        db().execute(QStringLiteral("INSERT INTO tbInvStockCard (RefNum, ItemID, IdNum, HospNum, LocationID, "
                                    "SummaryCode, Quantity, Balance, TransDate) VALUES ('OLD1', 'PARA500', '1001', "
                                    "'H000001', '20', 'PH', 2, 50, ?)"),
                     {db().serverNow()});
        P& f = open();
        f.lblPatInfo[5]->setText(QStringLiteral("OLD1"));
        f.flexMSEntry->setTextMatrix(2, P::kColDosage, QString());
        press(f.cmdSave);
        EXPECT_EQ(lastMessage(), QStringLiteral("Entries has incomplete information.  Please check."));
        EXPECT_EQ(count(QStringLiteral("SELECT Balance FROM tbInvStockCard WHERE RefNum = 'OLD1'")),
                  gSiteCode.isEmpty() ? 8 : 50);
    }
}

TEST_P(frmCommEntryPresSaveTest, PrintSavePrintsEachPassAndThePrescription) {
    for (const char* file : {"ChargeSlip.rpt", "DocPrescription.rpt"})
        ASSERT_TRUE(installShippedReport(platform.folders->program, QString::fromLatin1(file)));
    QTemporaryDir out;
    report::setPrintFolder(out.path());
    const auto text = [](const QString& pdf) {
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput());
    };
    struct Case {
        const char* copies;
        int limit;
        int slips;
        int printsPerSlip;
    };
    for (const Case& c : {Case{"0", 20, 1, 1}, Case{"3", 2, 2, 3}}) {
        SCOPED_TRACE(c.copies);
        report::clearPrintedJobs();
        SaveChargeSlipCopies(QString::fromLatin1(c.copies));
        gMaximumReceiptEntry = qint16(c.limit);
        P& f = open();
        f.setCancelledForm(true);
        setIssued(2, QStringLiteral("1"), QStringLiteral("12.00"));
        const QString name = Trim(f.lblPatInfo[2]->text());
        press(f.cmdPinrtPresSave);
        EXPECT_TRUE(lastMessage().isEmpty()) << lastMessage().toStdString();
        QStringList numbers;
        for (const QString& slip : slips())
            numbers << slip.section(u'|', 0, 0);
        ASSERT_EQ(numbers.size(), c.slips);
        const auto jobs = report::printedJobs();
        ASSERT_EQ(int(jobs.size()), c.slips * c.printsPerSlip + 3) << "slips, then one prescription per line";
        for (int i = 0; i < c.slips; ++i) {
            const QString printed = text(jobs[i * c.printsPerSlip].file);
            for (const QString& expected : {numbers[i], QStringLiteral("CF"), QStringLiteral("JOSE C. REYES"), name,
                                            QStringLiteral("1001")})
                EXPECT_TRUE(printed.contains(expected)) << expected.toStdString() << "\n" << printed.toStdString();
        }
        EXPECT_TRUE(text(jobs.back().file).contains(QStringLiteral("CEFTRIAXONE")));
        EXPECT_EQ(count(QStringLiteral("SELECT Quantity FROM station.tbNurseCommunicationFile WHERE RequestNumber = 'RQ2'")),
                  1);
        EXPECT_FALSE(f.CancelledForm());
        EXPECT_FALSE(f.isVisible());
        db().execute(QStringLiteral("DELETE FROM tbInvStockCard"));
        db().execute(QStringLiteral("UPDATE station.tbNurseHomeMeds SET RecordStatus = NULL, ReferenceNum = NULL"));
        db().execute(QStringLiteral("UPDATE station.tbNurseCommunicationFile SET RecordStatus = NULL, Quantity = 3 "
                                    "WHERE RequestNumber = 'RQ2'"));
        db().execute(QStringLiteral("UPDATE station.tbNurseCommunicationFile SET RecordStatus = NULL"));
    }
}

// Print/Save stopped by a check of the save keeps the screen and prints nothing.
TEST_P(frmCommEntryPresSaveTest, PrintSaveStoppedByACheckPrintsNothing) {
    report::clearPrintedJobs();
    P& f = open();
    f.flexMSEntry->setTextMatrix(2, P::kColDosage, QString());
    press(f.cmdPinrtPresSave);
    EXPECT_EQ(lastMessage(), QStringLiteral("Entries has incomplete information.  Please check."));
    EXPECT_TRUE(report::printedJobs().isEmpty());
    EXPECT_TRUE(f.isVisible());
    EXPECT_FALSE(f.saveValidated());
}

// Print Prescription: the issued quantities written back to the open requests (cancelled lines
// left alone), one prescription per line, with the doctor's signature or without one.
TEST_P(frmCommEntryPresSaveTest, PrintPrescriptionWritesBackAndPrintsPerLine) {
    gSiteCode = QStringLiteral("SIKE");
    ASSERT_TRUE(installShippedReport(platform.folders->program, QStringLiteral("DocPrescription.rpt")));
    QTemporaryDir out;
    report::setPrintFolder(out.path());
    report::clearPrintedJobs();
    QFile logo(sourcePath(QStringLiteral("Reports/yrd3.bmp")));
    ASSERT_TRUE(logo.open(QIODevice::ReadOnly));
    db().execute(QStringLiteral("INSERT INTO build_file.tbDbImage (IDKey, FieldName, DbImage) VALUES ('D001', "
                                "'Doctor Sign', ?)"),
                 {logo.readAll()});
    P& f = open();
    setIssued(1, QStringLiteral("1"), QStringLiteral("5.25"));
    cancelLine(2);
    f.setCancelledForm(true);
    press(f.cmdPrintPrescription);
    QStringList quantities;
    for (Recordset rs = db().query(QStringLiteral("SELECT Quantity FROM station.tbNurseCommunicationFile "
                                                  "ORDER BY RequestNumber"));
         !rs.eof(); rs.moveNext())
        quantities << Format(rs.value(QStringLiteral("Quantity")), QStringLiteral("0"));
    EXPECT_EQ(quantities, (QStringList{"1", "3", "1"}));
    EXPECT_FALSE(f.CancelledForm());
    EXPECT_TRUE(f.isVisible());
    const auto images = [](const QString& pdf) {
        QProcess p;
        p.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed().split(QLatin1Char('\n')).size();
    };
    ASSERT_EQ(report::printedJobs().size(), 3);
    const int signed_ = images(report::printedJobs()[0].file);
    db().execute(QStringLiteral("DELETE FROM build_file.tbDbImage"));
    press(f.cmdPrintPrescription);
    ASSERT_EQ(report::printedJobs().size(), 6);
    EXPECT_EQ(images(report::printedJobs()[3].file), signed_ - 1) << "no signature without one on file";
}

// The posted-medicine list opens for the admission shown.
TEST_P(frmCommEntryPresSaveTest, PostedListOpensForTheAdmission) {
    QString opened;
    RegisterWindowOpener(QStringLiteral("frmListPosted"), [&](const WindowValues& values) {
        opened = values.value(QStringLiteral("IDNum")).toString();
        return WindowValues{};
    });
    P& f = open();
    press(f.cmdPosted);
    EXPECT_EQ(opened, QStringLiteral("1001"));
}

} // namespace

QX_ON_BOTH_ENGINES(frmCommEntryPresSaveTest);

} // namespace qx::test
