#include "frmCommEntryPresFixture.h"

#include "charging/ColorLegend.h"
#include "charging/RequestLineMarks.h"
#include "platform/Values.h"
#include "prescriptions/PrescriptionWindowOpeners.h"

#include <QCloseEvent>

namespace qx::test {
namespace {

// Patient 1001 with two take-home lines: PARACETAMOL 2 x 50 (RQ1) and AMOXICILLIN 3 x 83.5 (RQ2).
class frmCommEntryPresLinesTest : public frmCommEntryPresTest {
protected:
    void SetUp() override {
        frmCommEntryPresTest::SetUp();
        if (IsSkipped())
            return;
        addItem(db(), {.priceIn = 50});
        addItem(db(), {.itemId = QStringLiteral("AMOX500"), .name = QStringLiteral("AMOXICILLIN"), .priceIn = 83.5});
        takeHome({.quantity = 2, .requestNumber = QStringLiteral("RQ1")});
        takeHome({.itemId = QStringLiteral("AMOX500"), .quantity = 3, .requestNumber = QStringLiteral("RQ2"),
                  .at = QTime(11, 0)});
    }
    QStringList homeMedStatuses() {
        QStringList list;
        for (Recordset rs = db().query(QStringLiteral("SELECT ItemID, COALESCE(RecordStatus, '') AS S "
                                                      "FROM station.tbNurseHomeMeds ORDER BY ItemID"));
             !rs.eof(); rs.moveNext())
            list << rs.text(QStringLiteral("ItemID")) + u'/' + rs.text(QStringLiteral("S"));
        return list;
    }
    QStringList requestStatuses() {
        QStringList list;
        for (Recordset rs = db().query(QStringLiteral("SELECT COALESCE(RecordStatus, '') AS S "
                                                      "FROM station.tbNurseCommunicationFile ORDER BY RequestNumber"));
             !rs.eof(); rs.moveNext())
            list << rs.text(QStringLiteral("S"));
        return list;
    }
    QStringList line(int row) const {
        QStringList cells;
        for (int col = P::kColDosage; col <= P::kColRemarks; ++col)
            cells << cell(row, col);
        return cells;
    }
    int userLogLines() {
        return db().query(QStringLiteral("SELECT COUNT(*) AS N FROM tbInvUserLog")).value(QStringLiteral("N")).toInt();
    }
};

TEST_P(frmCommEntryPresLinesTest, CancelSendsTheTakeHomeCancellationAndMarksTheLine) {
    P& f = open();
    EXPECT_EQ(f.lblPatInfo[6]->text(), QStringLiteral(" 350.5"));
    openEditorAt(*f.chargeGrid(), 1, P::kColIssued);

    platform.messages->answer(vbNo);
    f.cmdCancel->click();
    EXPECT_EQ(lastMessage(), QStringLiteral("Are you sure to cancel the request?"));
    EXPECT_EQ(platform.messages->last().style, vbYesNo | vbQuestion);
    EXPECT_EQ(homeMedStatuses(), (QStringList{"AMOX500/", "PARA500/"}));
    EXPECT_EQ(cell(1, P::kColDosage), QStringLiteral("1 TAB Q4H"));

    platform.messages->answer(vbYes);
    f.cmdCancel->click();
    // Mode 1: the take-home record is cancelled; the station's request waits for the save.
    EXPECT_EQ(homeMedStatuses(), (QStringList{"AMOX500/", "PARA500/C"}));
    EXPECT_EQ(requestStatuses(), (QStringList{"", ""}));
    EXPECT_EQ(line(1), (QStringList{"CANCELLED", "XXX", "XXX", "XXX", "XXX", "CANCELLED"}));
    EXPECT_EQ(cell(1, P::kColRequestNumber), QStringLiteral("RQ1"));
    EXPECT_EQ(cell(1, P::kColCode), QStringLiteral("PARA500"));
    EXPECT_EQ(f.flexMSEntry->cellPicture(1, P::kColSCDiscount).toImage(), f.pictures().greyedBox.toImage());
    EXPECT_EQ(f.lblPatInfo[6]->text(), QStringLiteral(" 250.5"));
    EXPECT_EQ(f.TotalCharges(), QStringLiteral("250.50"));
    EXPECT_EQ(userLogLines(), 0);
    EXPECT_FALSE(f.chargeGrid()->isEditorVisible());
    EXPECT_EQ(f.flexMSEntry->col(), P::kColIssued);
}

TEST_P(frmCommEntryPresLinesTest, NothingToCancelOnALineWithoutAnItem) {
    db().execute(QStringLiteral("DELETE FROM station.tbNurseHomeMeds"));
    P& f = open();
    ASSERT_TRUE(f.BlankRow(1));
    f.cmdCancel->click();
    EXPECT_TRUE(platform.messages->boxes().empty());
    EXPECT_TRUE(cell(1, P::kColDosage).isEmpty());
    EXPECT_EQ(f.TotalCharges(), QStringLiteral("0.00"));
}

TEST_P(frmCommEntryPresLinesTest, RowTestsAndTotal) {
    P& f = load();
    EXPECT_FALSE(f.BlankRow(1));
    f.flexMSEntry->setRows(4);
    EXPECT_TRUE(f.BlankRow(3));
    f.flexMSEntry->setTextMatrix(3, P::kColScanned, QStringLiteral("0"));
    EXPECT_FALSE(f.BlankRow(3));
    f.flexMSEntry->setTextMatrix(3, P::kColAmount, QStringLiteral("XXX"));
    EXPECT_EQ(f.TotalCharges(), QStringLiteral("350.50"));
}

TEST_P(frmCommEntryPresLinesTest, DoctorLookUp) {
    ASSERT_TRUE(gComponents.gDoctor->Search(QStringLiteral("D001")));
    const QString name = QStringLiteral(" DR. ") + gComponents.gDoctor->DoctorName();
    struct Case { const char* typed; const char* picked; const char* code; bool found; const char* message; };
    const Case cases[] = {
        {"D001", "", "D001", true, ""},
        {"DELA", "D001", "D001", true, ""},
        {"DELA", "", "DELA", false, ""},
        {"DELA", "ZZZ", "DELA", false, "Doctor's code is not found."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed + std::string("/") + c.picked);
        P& f = open();
        f.lblPatInfo[3]->setText(QStringLiteral("BEFORE"));
        f.txtDocCode->setText(QString::fromLatin1(c.typed));
        doctors->answer = QString::fromLatin1(c.picked);
        doctors->calls.clear();
        platform.messages->clear();
        f.txtDocCode->setFocus();
        pressKey(f.txtDocCode, Qt::Key_Return, QStringLiteral("\r"));
        EXPECT_EQ(doctors->calls.size(), QString::fromLatin1(c.typed) == QLatin1String("D001") ? 0 : 1);
        EXPECT_EQ(f.txtDocCode->text(), QString::fromLatin1(c.code));
        EXPECT_EQ(f.lblPatInfo[3]->text(), c.found ? name : QStringLiteral("BEFORE"));
        EXPECT_EQ(lastMessage(), QString::fromLatin1(c.message));
        EXPECT_EQ(QApplication::focusWidget() == f.txtDocCode, !c.found);
    }
}

TEST_P(frmCommEntryPresLinesTest, MarkersColourTheirCells) {
    gShowColorAntibioticClass = true;
    db().execute(QStringLiteral("UPDATE tbInvMaster SET MedicareType = CASE WHEN ItemID = 'PARA500' THEN 'N' ELSE 'n' END"));
    db().execute(QStringLiteral("UPDATE tbInvent SET FixedCharge = 0.01 WHERE ItemID = 'AMOX500'"));
    db().execute(QStringLiteral("UPDATE tbInvMaster SET AntibioticClassID = 2 WHERE ItemID = 'AMOX500'"));
    P& f = open();
    f.flexMSEntry->setRows(4);  // a blank line is no medicare item
    f.Form_Activate();
    const FlexGrid& g = *f.flexMSEntry;
    for (int row : {1, 3}) {
        EXPECT_EQ(g.cellBackColorAt(row, 1), kNonMedicareColor) << row;
        EXPECT_EQ(g.cellBackColorAt(row, 19), kNonMedicareColor) << row;
        EXPECT_NE(g.cellBackColorAt(row, 20), kNonMedicareColor) << row;
    }
    EXPECT_NE(g.cellBackColorAt(2, 1), kNonMedicareColor);
    // Antibiotic class 2 on columns 1 and 2 in bold; the fixed charge's red on 3 to 23.
    for (int col : {1, 2}) {
        EXPECT_EQ(g.cellForeColorAt(2, col), ColorValue(16711680)) << col;
        EXPECT_TRUE(g.cellFontBoldAt(2, col)) << col;
    }
    EXPECT_EQ(g.cellForeColorAt(2, 3), ColorValue(255));
    EXPECT_EQ(g.cellForeColorAt(2, 23), ColorValue(255));
    EXPECT_NE(g.cellForeColorAt(1, 3), ColorValue(255));
    EXPECT_TRUE(f.Frame4->isVisibleTo(&f));
}

TEST_P(frmCommEntryPresLinesTest, VIPFlagCyclesFourShadesByTimerTicks) {
    P& f = load();
    const ColorValue expected[] = {255, 192, 128, 12632319, 255};
    EXPECT_EQ(f.vipColor(), ColorValue(12632319));
    for (ColorValue color : expected) {
        f.timerB_Timer();
        EXPECT_EQ(f.vipColor(), color);
        EXPECT_EQ(f.lblVIP->palette().color(QPalette::Window), toQColor(color));
    }
    EXPECT_EQ(f.timerB->interval(), 250);
    EXPECT_TRUE(f.timerB->isActive());
}

TEST_P(frmCommEntryPresLinesTest, LeavingAsksAboutUnsavedEntriesAndSetsCancelledForm) {
    enum Way { Exit, Esc, CloseBox };
    struct Case { const char* name; Way way; bool complete; MsgBoxResult answer; bool closes; bool cancelled; };
    const Case cases[] = {
        {"exit, complete lines, yes", Exit, true, vbYes, true, true},
        {"exit, complete lines, no", Exit, true, vbNo, false, true},
        {"esc, incomplete line", Esc, false, vbNo, true, true},
        {"close box, complete lines, yes", CloseBox, true, vbYes, true, false},
        {"close box, complete lines, no", CloseBox, true, vbNo, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        P& f = open();
        f.setCancelledForm(false);
        if (!c.complete)
            f.flexMSEntry->setTextMatrix(1, P::kColDosage, QString());
        platform.messages->clear();
        platform.messages->answer(c.answer);
        if (c.way == Exit)
            f.cmdClose->click();
        else if (c.way == Esc)
            pressKey(f.flexMSEntry, Qt::Key_Escape, QStringLiteral("\x1b"));
        else
            f.close();
        QApplication::processEvents();
        if (c.complete) {
            EXPECT_EQ(lastMessage(), QStringLiteral("You have unsaved entry.  Do you wish to exit?"));
            EXPECT_EQ(platform.messages->last().style, vbYesNo | vbQuestion);
        } else {
            EXPECT_TRUE(platform.messages->boxes().empty());
        }
        EXPECT_EQ(f.isLoaded(), !c.closes);
        EXPECT_EQ(f.isVisible(), !c.closes);
        EXPECT_EQ(f.CancelledForm(), c.cancelled);
    }
}

TEST_P(frmCommEntryPresLinesTest, OpenedByBothTakeHomeCommands) {
    RegisterPrescriptionWindowOpeners();
    for (const char* command : {"mnuPreviousPres", "mnuOutPatientPres"}) {
        SCOPED_TRACE(command);
        int shown = 0;
        platform.modal->onShow<frmCommEntryPres>([&](frmCommEntryPres& screen) {
            ++shown;
            EXPECT_EQ(screen.lblPatInfo[7]->text(), QStringLiteral("1001"));
            EXPECT_EQ(screen.lblPatInfo[4]->text(), QStringLiteral("3F (301)"));
            EXPECT_EQ(screen.flexMSEntry->textMatrix(2, P::kColCode), QStringLiteral("AMOX500"));
            platform.messages->answer(vbYes);
            if (shown == 1)
                screen.cmdClose->click();
            else
                screen.close();
        });
        const WindowValues inputs{{QStringLiteral("RequestedStationID"), QStringLiteral("3F")},
                                  {QStringLiteral("PatientID"), QStringLiteral("1001")}};
        frmCommEntryPres::Default().setCancelledForm(false);
        EXPECT_TRUE(OpenWindow(QString::fromLatin1(command), inputs).value(QStringLiteral("CancelledForm")).toBool());
        EXPECT_FALSE(frmCommEntryPres::Default().isLoaded());
        // The close box leaves the flag as the last way out set it.
        EXPECT_TRUE(OpenWindow(QString::fromLatin1(command), inputs).value(QStringLiteral("CancelledForm")).toBool());
        EXPECT_EQ(shown, 2);
    }
    frmCommEntryPres::Default().setCancelledForm(false);
}

QX_ON_BOTH_ENGINES(frmCommEntryPresLinesTest);

} // namespace
} // namespace qx::test
