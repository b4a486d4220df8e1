#include "frmCommEntryPresFixture.h"

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
        if (db().isSQLite()) {
            db().executeScript(on ? QStringLiteral("CREATE TRIGGER trRefuse BEFORE INSERT ON tbInvStockCard WHEN "
                                                   "NEW.ItemID = 'AMOX500' BEGIN SELECT RAISE(ABORT, 'line refused'); END")
                                  : QStringLiteral("DROP TRIGGER trRefuse"));
            return;
        }
        if (on) {
            db().executeScript(QStringLiteral("CREATE OR REPLACE FUNCTION refuse_line() RETURNS trigger AS $$ BEGIN "
                                              "IF NEW.ItemID = 'AMOX500' THEN RAISE EXCEPTION 'line refused'; END IF; "
                                              "RETURN NEW; END $$ LANGUAGE plpgsql"));
            db().executeScript(QStringLiteral("CREATE TRIGGER trRefuse BEFORE INSERT ON tbInvStockCard "
                                              "FOR EACH ROW EXECUTE FUNCTION refuse_line()"));
        } else {
            db().executeScript(QStringLiteral("DROP TRIGGER trRefuse ON tbInvStockCard"));
        }
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

} // namespace

QX_ON_BOTH_ENGINES(frmCommEntryPresSaveTest);

} // namespace qx::test
