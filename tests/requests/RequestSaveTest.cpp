#include "RequestServingFixture.h"

#include "FailureInjection.h"
#include "charging/SlipPrinting.h"
#include "charging/frmView.h"
#include "shell/frmShift.h"

namespace qx::test {
namespace {

class RequestSaveTest : public RequestServingTest {
protected:
    QStringList stockCard(const QString& slip) {
        return rows(QStringLiteral("SELECT HospNum, IdNum, ItemID, Quantity, Amount, UserID, DosageID, RequestByID, "
                                   "LocationID, COALESCE(TargetLocationID, '') AS T, RoomID, Shift, RevenueID, SummaryCode, "
                                   "COALESCE(ClinicID, '') AS C, ItemType, COALESCE(Remarks, '') AS R, RequestNumber, InOut, "
                                   "Communication, PostOrReturn, CreditMemoNum, Sequence, COALESCE(VerifyID, '') AS V "
                                   "FROM tbInvStockCard WHERE RefNum = ? ORDER BY ItemID"),
                    {"HospNum", "IdNum", "ItemID", "Quantity", "Amount", "UserID", "DosageID", "RequestByID", "LocationID",
                     "T", "RoomID", "Shift", "RevenueID", "SummaryCode", "C", "ItemType", "R", "RequestNumber", "InOut",
                     "Communication", "PostOrReturn", "CreditMemoNum", "Sequence", "V"},
                    {slip});
    }
};

// Line 1 served with an over-stock choice and a supervisor, line 2 cancelled, line 3 delayed;
// the number shown is already on the stock card, so the claim moves on.
TEST_P(RequestSaveTest, SavePostsServedLinesRevokesCancelledKeepsDelayed) {
    const QString shift = QString::number(frmShift::Default().Shift());
    struct Case {
        bool inpatient;
        QStringList line;
        QStringList requests;
    };
    const Case cases[] = {
        {true,
         {"H000001|1001|PARA500|2|10.5|1234|1 TAB Q4H|D001|20|186|301|" + shift +
          "|PH|PH||D||RQ1|I|1|1|PARA500|HOST1|9001"},
         {"RQ1|P|1234", "RQ2|R|1234", "RQ3||", "RQ4||", "RQ5||", "RQ6||"}},
        {false,
         {"H000101|5001A|PARA500|2|10.5|1234|1 TAB Q4H|D001|20||OPD|" + shift +
          "|PH|PH||D||RQ4|O|1|1|0|HOST1|9001"},
         {"RQ1||", "RQ2||", "RQ3||", "RQ4|P|1234", "RQ5|R|1234", "RQ6||"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.inpatient ? "in-patient" : "out-patient");
        gHasValidation = true;
        approveAs(QStringLiteral("9001"));
        ServedScreen s = open(c.inpatient);
        const QString shown = s.banner(5)->text().trimmed();
        const QString name = s.banner(2)->text().trimmed();
        db().execute(QStringLiteral("INSERT INTO tbInvStockCard (RefNum, ItemID, IdNum, LocationID, SummaryCode, TransDate) "
                                    "VALUES (?, 'CEF1G', '9999', '20', 'PH', ?)"),
                     {shown, db().serverNow()});
        if (c.inpatient)
            s.ip->lblTargetLocationID->setText(QStringLiteral("186"));
        s.set(1, 12, QStringLiteral("10.50"));
        s.set(1, s.overStockCol(), QStringLiteral("Proceed with Transaction"));
        s.mark(2, kCancelledLineState);
        s.mark(3, kDelayedLineState);
        platform.messages->clear();
        s.press(s.save());

        // The screen has closed and unloaded: the number is read from its message.
        ASSERT_EQ(platform.messages->boxes().size(), 1u);
        const QString slip = platform.messages->last().text.section(QStringLiteral("ChargeSlip# : "), 1);
        EXPECT_NE(slip, shown);
        EXPECT_EQ(stockCard(slip), c.line);
        EXPECT_EQ(requestStates(), c.requests);
        EXPECT_EQ(rows(QStringLiteral("SELECT Choice, ItemID, Quantity, OnHand, UserID FROM tbPharmaOverStockLog"),
                       {"Choice", "ItemID", "Quantity", "OnHand", "UserID"}),
                  QStringList{"Proceed with Transaction|PARA500|2|100|1234"});
        EXPECT_EQ(count(QStringLiteral("SELECT OnHand FROM tbInvent WHERE ItemID = 'PARA500' AND LocationID = '20'")), 98);
        const QString text = QStringLiteral("Saved Request Under Patient : ") + name +
                             QStringLiteral(" |  ChargeSlip# : ") + slip;
        ASSERT_EQ(platform.messages->boxes().size(), 1u);
        EXPECT_EQ(platform.messages->last().text, text);
        EXPECT_EQ(platform.messages->last().style, vbInformation);
        EXPECT_EQ(userLog(), QStringList{text});
        EXPECT_FALSE(s.window()->isVisible());
        EXPECT_FALSE(s.cancelledForm());
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbPharmaChargePrint")), 0) << "Save stages nothing";
        EXPECT_TRUE(printJobs().isEmpty());
        // The next opening lists only the delayed request.
        ServedScreen again = open(c.inpatient);
        EXPECT_EQ(again.grid()->rows(), 2);
        EXPECT_EQ(again.cell(1, 1), "CEF1G");
        again.window()->close();
        db().execute(QStringLiteral("DELETE FROM tbInvUserLog"));
        db().execute(QStringLiteral("DELETE FROM tbPharmaOverStockLog"));
        db().execute(QStringLiteral("UPDATE tbInvent SET OnHand = 100"));
        db().execute(QStringLiteral("UPDATE station.tbNurseCommunicationFile SET RecordStatus = NULL, ProcessBy = NULL"));
    }
}

// A failure after the second line's posting leaves nothing: no line, no revocation, no log, the
// counter where it was; the screen keeps its lines, and the mended save posts each line once.
TEST_P(RequestSaveTest, AFailureLeavesNoTraceAndTheRetryPostsOnce) {
    const auto refuseAmoxicillin = [this](bool on) {
        RefuseInserts(db(), QStringLiteral("tbInvStockCard"), QStringLiteral("NEW.ItemID = 'AMOX500'"), on);
    };
    for (const bool inpatient : {true, false}) {
        SCOPED_TRACE(inpatient ? "in-patient" : "out-patient");
        refuseAmoxicillin(true);
        ServedScreen s = open(inpatient);
        const QString shown = s.banner(5)->text();
        s.mark(3, kCancelledLineState);
        const QStringList before = requestStates();
        platform.messages->clear();
        s.press(s.printSave());
        ASSERT_EQ(platform.messages->boxes().size(), 1u);
        EXPECT_TRUE(platform.messages->last().text.startsWith(
            QStringLiteral("The entries were not posted; nothing was saved.")));
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard")), 0);
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbPharmaChargePrint")), 0);
        EXPECT_EQ(count(QStringLiteral("SELECT SUM(OnHand) FROM tbInvent")), 300);
        EXPECT_EQ(requestStates(), before);
        EXPECT_TRUE(userLog().isEmpty());
        EXPECT_EQ(s.cell(1, s.postedCol()), "");
        EXPECT_EQ(s.banner(5)->text(), shown);
        EXPECT_TRUE(s.window()->isVisible());
        EXPECT_EQ(platform.programEnd->ended(), 0);

        // Mended, the same screen saves once, under the number that was free.
        refuseAmoxicillin(false);
        s.press(s.save());
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard WHERE RefNum = ?"), {shown.trimmed()}), 2);
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard")), 2);
        EXPECT_FALSE(s.window()->isVisible());
        db().execute(QStringLiteral("DELETE FROM tbInvUserLog"));
        db().execute(QStringLiteral("DELETE FROM tbInvStockCard"));
        db().execute(QStringLiteral("UPDATE tbInvent SET OnHand = 100"));
    }
}

// A request another workstation served meanwhile is not served twice.
TEST_P(RequestSaveTest, ARequestServedElsewhereMeanwhileFailsTheSave) {
    ServedScreen s = open(true);
    db().execute(QStringLiteral("UPDATE station.tbNurseCommunicationFile SET RecordStatus = 'P' WHERE RequestNumber = 'RQ2'"));
    s.press(s.save());
    EXPECT_TRUE(platform.messages->last().text.contains(QStringLiteral("Request RQ2 is no longer pending")));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard")), 0);
    EXPECT_TRUE(s.window()->isVisible());
}

// Print / Save: the slip of each screen with its header, in the copies or through the preview.
TEST_P(RequestSaveTest, PrintSaveStagesAndPrintsTheSlip) {
    printToFiles();
    SaveChargeSlipCopies(QStringLiteral("2"));
    for (const bool inpatient : {true, false}) {
        SCOPED_TRACE(inpatient ? "in-patient" : "out-patient");
        clearPrintJobs();
        ServedScreen s = open(inpatient);
        const QString name = s.banner(2)->text().trimmed();
        platform.messages->clear();
        s.press(s.printSave());
        ASSERT_EQ(platform.messages->boxes().size(), 1u);
        const QString slip = platform.messages->last().text.section(QStringLiteral("ChargeSlip# : "), 1);
        const QString text = QStringLiteral("Saved and Print Request Under Patient : ") + name +
                             QStringLiteral(" |  ChargeSlip# : ") + slip;
        ASSERT_EQ(platform.messages->boxes().size(), 1u);
        EXPECT_EQ(platform.messages->last().text, text);
        EXPECT_EQ(platform.messages->last().style, vbOKOnly);
        EXPECT_EQ(userLog(), QStringList{text});
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbPharmaChargePrint WHERE UserID = 'HOST1' AND RefNum = ? "
                                       "AND IdNum = ?"),
                        {slip, s.patientId()}),
                  3);
        const QStringList jobs = printJobs();
        ASSERT_EQ(jobs.size(), 2) << "the copies setting";
        const QString printed = jobText(jobs.first());
        for (const QString& expected : {slip, QStringLiteral("CF"), QStringLiteral("JOSE C. REYES"), s.patientId(),
                                        QStringLiteral("AMOXICILLIN")})
            EXPECT_TRUE(printed.contains(expected)) << expected.toStdString() << "\n" << printed.toStdString();
        EXPECT_FALSE(s.window()->isVisible());
        db().execute(QStringLiteral("DELETE FROM tbInvUserLog"));
    }
}

// Switches 16 and 28 and the preview's own print decide the print-outs.
TEST_P(RequestSaveTest, PreviewAndCopiesBySwitches) {
    printToFiles();
    struct Case {
        const char* name;
        bool preview, printFirst, printFromPreview;
        int jobs;
    };
    const Case cases[] = {
        {"no preview", false, false, false, 1},
        {"preview closed", true, false, false, 1},
        {"printed from the preview", true, false, true, 0},
        {"printed first, preview closed", true, true, false, 2},
    };
    int request = 7;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        clearPrintJobs();
        setPharmaSwitch(QStringLiteral("16"), c.preview);
        setPharmaSwitch(QStringLiteral("28"), c.printFirst);
        int previews = 0;
        platform.modal->onShow<frmView>([&](frmView& w) {
            ++previews;
            w.clickedPrint = c.printFromPreview;
            w.close();
        });
        addPendingRequest(db(), {.requestNumber = QStringLiteral("RQ%1").arg(request++)});
        db().execute(QStringLiteral("UPDATE station.tbNurseCommunicationFile SET RecordStatus = 'P' "
                                    "WHERE RequestNumber IN ('RQ1', 'RQ2', 'RQ3')"));
        ServedScreen s = open(true);
        s.press(s.printSave());
        EXPECT_EQ(previews, c.preview ? 1 : 0);
        EXPECT_EQ(int(printJobs().size()), c.jobs);
    }
}

TEST_P(RequestSaveTest, DrugProfileOpensTheProfileReport) {
    ServedScreen s = open(true);
    int shown = 0;
    platform.modal->onShow<frmView>([&](frmView& w) {
        ++shown;
        EXPECT_EQ(w.WhatReport(), 16);
        EXPECT_EQ(w.AdmNum(), "1001");
        EXPECT_EQ(w.PatientName(), s.banner(2)->text().trimmed());
        EXPECT_EQ(w.HospNum(), "H000001");
        w.close();
    });
    s.press(s.ip->cmdDrugProfile);
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(s.window()->isVisible());
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard")), 0);
}

} // namespace

QX_ON_BOTH_ENGINES(RequestSaveTest);

} // namespace qx::test
