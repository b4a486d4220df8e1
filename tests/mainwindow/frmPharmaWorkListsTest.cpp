#include "Builders.h"
#include "EngineProbes.h"
#include "MainWindowFixture.h"
#include "components/InpatientFile.h"
#include "platform/FlexGrid.h"
#include "shell/WindowOpeners.h"
#include "suite/InpatientFilePatient.h"

#include <QSignalBlocker>
#include <QTreeWidget>

namespace qx::test {
namespace {

// The in-patient component as the lists call it: each call written down, its list given back.
class RecordingPatient : public suite::InpatientFilePatient {
public:
    using suite::InpatientFilePatient::InpatientFilePatient;
    Recordset LoadCommunication(const QString& stationId, const QString& search, int option, int order,
                                const QString& inOut) override {
        calls << QStringLiteral("LoadCommunication(%1|%2|%3|%4|%5)").arg(stationId, search).arg(option).arg(order).arg(inOut);
        return suite::InpatientFilePatient::LoadCommunication(stationId, search, option, order, inOut);
    }
    Recordset ListUnitDosePatients(const QString& stationId, int option, int order) override {
        calls << QStringLiteral("ListUnitDosePatients(%1|%2|%3)").arg(stationId).arg(option).arg(order);
        return suite::InpatientFilePatient::ListUnitDosePatients(stationId, option, order);
    }
    QStringList calls;
};

// The main window with its tree built over a database of the test's own, the in-patient
// component connected to it.
template <typename Base>
class WorkListTestOn : public MainWindowTestOn<Base> {
protected:
    using MainWindowTestOn<Base>::db;

    void SetUp() override {
        MainWindowTestOn<Base>::SetUp();
        if (::testing::Test::IsSkipped())
            return;
        patient = std::make_shared<RecordingPatient>([this] { return &db(); });
        ASSERT_TRUE(patient->InitConnect(db().connectionString()));
        gComponents.gPatient = patient;
        db().execute(QStringLiteral("INSERT INTO build_file.tbCoStation (StationID, Station, Status) VALUES ('3F', 'STATION 3F', 'A')"));
    }
    void TearDown() override {
        window.reset();
        ClearWindowOpeners();
        MainWindowTestOn<Base>::TearDown();
    }
    frmPharma& build(const QString& site = QStringLiteral("DEMO")) {
        gSiteCode = site;
        window = std::make_unique<frmPharma>();
        window->resize(1200, 800);
        EXPECT_TRUE(window->LoadTreeView());
        // As the load leaves the View menu: sorted, not first-in first-out.
        window->command(QStringLiteral("mnuFIFO"))->setChecked(false);
        return *window;
    }
    void click(const QString& key) {
        QTreeWidgetItem* node = window->TreeNode(key);
        ASSERT_NE(node, nullptr) << key.toStdString();
        window->treCategory->setCurrentItem(node);
        window->treCategory_NodeClick(node);
    }
    // Column `col` of every data row, joined by ",".
    QString column(int col) const {
        QStringList cells;
        for (int r = 1; r < window->flexMSHList->rows(); ++r)
            cells << window->flexMSHList->textMatrix(r, col);
        return cells.join(u',');
    }
    QString header() const {
        QStringList cells;
        for (int c = 0; c < window->flexMSHList->cols(); ++c)
            cells << window->flexMSHList->textMatrix(0, c);
        return cells.join(u'|');
    }
    // Two admissions at 3F with pending requests: DELA CRUZ (1001, earliest, STAT) and ABAD (1002);
    // a served line of a third admission beside them.
    void addRequestFixture() {
        addItem(db());
        addAdmittedPatient(db());
        addAdmittedPatient(db(), {.idNum = QStringLiteral("1002"),
                                  .person = {.hospNum = QStringLiteral("H000002"), .lastName = QStringLiteral("ABAD")}});
        addAdmittedPatient(db(), {.idNum = QStringLiteral("1003"),
                                  .person = {.hospNum = QStringLiteral("H000003"), .lastName = QStringLiteral("CRUZ")}});
        addPendingRequest(db(), {.stat = true});
        addPendingRequest(db(), {.idNum = QStringLiteral("1002"), .hospNum = QStringLiteral("H000002"),
                                 .requestNumber = QStringLiteral("RQ000002"),
                                 .requestDate = QDateTime(QDate(2026, 1, 5), QTime(11, 0))});
        addPendingRequest(db(), {.idNum = QStringLiteral("1003"), .hospNum = QStringLiteral("H000003"),
                                 .requestNumber = QStringLiteral("RQ000003")});
        db().execute(QStringLiteral("UPDATE station.tbNurseCommunicationFile SET RecordStatus = 'S' WHERE IDNum = '1003'"));
    }
    void setNoDirectReturns(bool on) {
        db().execute(QStringLiteral("DELETE FROM station.tbNurseSetup WHERE FIELD = 'NoDirectReturnSupplies'"));
        if (on)
            db().execute(QStringLiteral("INSERT INTO station.tbNurseSetup (FIELD, Value) VALUES ('NoDirectReturnSupplies', '1')"));
    }
    // A cash assessment line of today; paid when it has a receipt number.
    void addAssessment(const QString& refNum, const QString& name, const QString& orNumber,
                       const QString& status = QString()) {
        db().execute(QStringLiteral("INSERT INTO billing.tbCashAssessment (RefNum, RevenueID, ItemID, IDNum, Name, Quantity, "
                                    "Amount, TransDate, RecordStatus, ORNumber, HospNum) "
                                    "VALUES (?, 'PH', 'PARA500', 'CASH', ?, 1, 10, ?, ?, ?, 'CASH')"),
                     {refNum, name, db().serverNow(), status, orNumber});
    }

    std::shared_ptr<RecordingPatient> patient;
    std::unique_ptr<frmPharma> window;
};

using WorkListTest = WorkListTestOn<SqliteTest>;
class WorkListEnginesTest : public WorkListTestOn<DbTest> {};

TEST_F(WorkListTest, EachNodeLoadsItsListWithItsArguments) {
    gSeparateER = true;
    frmPharma& w = build(QStringLiteral("VOJ"));
    struct Case { const char* node; bool fifo; const char* call; };
    const Case cases[] = {
        {"_1.1", false, "LoadCommunication(||2|2|I)"},
        {"@3F", false, "LoadCommunication(3F||1|2|I)"},
        {"@3F", true, "LoadCommunication(3F||1|1|I)"},
        {"_2.1", false, "LoadCommunication(||2|2|O)"},
        {"_3.1", true, "ListUnitDosePatients(|1|1)"},
        {"*3F", false, "ListUnitDosePatients(3F|2|2)"},
        {"_0", false, ""},
        {"_1", false, ""},
        {"_1.2", false, ""},
        {"_8.1", false, ""},  // the E.R. list is the database's, not the component's
    };
    for (const Case& c : cases) {
        w.command(QStringLiteral("mnuFIFO"))->setChecked(c.fifo);
        w.command(QStringLiteral("mnuSorted"))->setChecked(!c.fifo);
        patient->calls.clear();
        click(QString::fromLatin1(c.node));
        EXPECT_EQ(patient->calls.join(u';').toStdString(), c.call) << c.node;
    }
    // Both marks on pass the sorted order; neither passes none.
    w.command(QStringLiteral("mnuFIFO"))->setChecked(true);
    w.command(QStringLiteral("mnuSorted"))->setChecked(true);
    EXPECT_EQ(w.Sorted(), QVariant(2));
    w.command(QStringLiteral("mnuFIFO"))->setChecked(false);
    w.command(QStringLiteral("mnuSorted"))->setChecked(false);
    EXPECT_FALSE(w.Sorted().isValid());
    patient->calls.clear();
    click(QStringLiteral("*3F"));
    EXPECT_EQ(patient->calls.join(u';'), QStringLiteral("ListUnitDosePatients(3F|2|0)"));
}

// A list of many thousand patients fills in a blink only while its statements search indexes and
// read the open request lines from their partial indexes alone, never the request file's rows.
TEST_F(WorkListTest, ListsSearchIndexesAndReadOpenLinesFromTheIndexAlone) {
    gSeparateER = true;
    addRequestFixture();
    addAssessment(QStringLiteral("PH000001"), QStringLiteral("WALK-IN: ROBERTO SY"), QStringLiteral("OR-1"));
    frmPharma& w = build(QStringLiteral("VOJ"));
    const QStringList smallTables{QStringLiteral("tbHospitalInfo"), QStringLiteral("tbPharmaSwitch")};
    struct Case { const char* node; const char* openLineIndex; };
    const Case cases[] = {
        {"_1.1", "ix_tbNurseCommunicationFile_OpenLines"}, {"@3F", "ix_tbNurseCommunicationFile_OpenLines"},
        {"_2.1", "ix_tbNurseCommunicationFile_OpenLines"}, {"_8.1", "ix_tbNurseCommunicationFile_OpenLines"},
        {"_3.1", "ix_tbNurseUnitDose_OpenLines"},          {"*3F", "ix_tbNurseUnitDose_OpenLines"},
        {"_4.1.1", nullptr},                               {"_4.2.1", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.node);
        const QList<SentStatement> sent = statementsOf(db(), [&] { click(QString::fromLatin1(c.node)); });
        QString plans;
        for (const SentStatement& statement : sent) {
            const QString plan = queryPlan(db(), statement);
            // A partial index of the open lines holds only those: reading it through is the list.
            QStringList scans = fullScans(db(), plan, smallTables);
            scans.removeIf([](const QString& scan) { return scan.contains(QLatin1String("_OpenLines")); });
            EXPECT_EQ(scans, QStringList()) << statement.sql.toStdString() << "\n" << plan.toStdString();
            plans += plan + u'\n';
        }
        if (c.openLineIndex)
            EXPECT_TRUE(plans.contains(QStringLiteral("USING COVERING INDEX ") + QLatin1String(c.openLineIndex)))
                << plans.toStdString();
    }
}

TEST_P(WorkListEnginesTest, RequestListsFollowTheOrderPaintStatAndKeepTheRow) {
    addRequestFixture();
    frmPharma& w = build();
    gCanProcessRequest = true;
    click(QStringLiteral("_1.1"));
    FlexGrid& grid = *w.flexMSHList;
    EXPECT_TRUE(grid.isEnabled());
    EXPECT_EQ(column(1), QStringLiteral("1002,1001"));  // sorted by name
    EXPECT_EQ(header().section(u'|', 0, 3), QStringLiteral("Hospital #|Admission #|Patient Name|Room"));
    EXPECT_EQ(column(5), QStringLiteral("3F,3F"));
    EXPECT_TRUE(w.command(QStringLiteral("mnuPending"))->isEnabled());
    // The STAT row is bold red on peach in columns 0 to 7 only; the other row keeps its colours.
    {
        // Read without entering the cells, which would highlight them.
        const QSignalBlocker quiet(grid);
        for (int col = 0; col < grid.cols(); ++col) {
            grid.setRow(2);
        grid.setCol(col);
            EXPECT_EQ(grid.cellFontBold(), col <= 7) << col;
            EXPECT_EQ(grid.cellForeColor() == 0xFF, col <= 7) << col;
            EXPECT_EQ(grid.cellBackColor() == 0xC0E0FF, col <= 7) << col;
            grid.setRow(1);
            EXPECT_FALSE(grid.cellFontBold()) << col;
        }
        grid.setRow(1);
    }

    // First in, first out: the earliest request first; the remembered row is selected again.
    grid.setRow(2);
    grid.setCol(0);
    EXPECT_EQ(w.ListRow(), 2);
    w.mnuFIFO_Click();
    EXPECT_TRUE(w.command(QStringLiteral("mnuFIFO"))->isChecked());
    EXPECT_FALSE(w.command(QStringLiteral("mnuSorted"))->isChecked());
    EXPECT_EQ(column(1), QStringLiteral("1001,1002"));
    EXPECT_EQ(grid.row(), 2);
    EXPECT_EQ(grid.cellBackColor(), colors::InfoBackground);  // the selected row stays highlighted
    grid.setRow(1);
    grid.setCol(0);
    EXPECT_TRUE(grid.cellFontBold());  // the STAT row, now first, still painted
    w.mnuSorted_Click();
    EXPECT_EQ(column(1), QStringLiteral("1002,1001"));

    // A shorter list clamps the row; an empty one leaves the empty layout, disabled.
    w.setListRow(9);
    click(QStringLiteral("@3F"));
    EXPECT_EQ(w.ListRow(), 2);
    db().execute(QStringLiteral("UPDATE station.tbNurseCommunicationFile SET RecordStatus = 'S'"));
    w.mnuRefresh_Click();
    EXPECT_FALSE(grid.isEnabled());
    EXPECT_EQ(grid.rows(), 2);
    EXPECT_EQ(header().section(u'|', 0, 3), QStringLiteral("Hospital # |Admission # |Patient Name |Room"));
    EXPECT_EQ(w.ListRow(), 1);
    EXPECT_FALSE(w.command(QStringLiteral("mnuPending"))->isEnabled());
    EXPECT_EQ(platform.programEnd->ended(), 0);
}

TEST_P(WorkListEnginesTest, EmergencyListHoldsOnlyEmergencyVisitsUnpainted) {
    gSeparateER = true;
    addItem(db());
    addOutPatientVisit(db(), {.idNum = QStringLiteral("7001E"), .erNum = 12});
    addOutPatientVisit(db(), {.idNum = QStringLiteral("7002B"),
                              .person = {.hospNum = QStringLiteral("H000102"), .lastName = QStringLiteral("SANTOS")}});
    addPendingRequest(db(), {.idNum = QStringLiteral("7001E"), .hospNum = QStringLiteral("H000101"), .stat = true});
    addPendingRequest(db(), {.idNum = QStringLiteral("7002B"), .hospNum = QStringLiteral("H000102"),
                             .requestNumber = QStringLiteral("RQ000002")});
    frmPharma& w = build();
    gCanProcessRequest = false;
    click(QStringLiteral("_8.1"));
    EXPECT_EQ(column(1), QStringLiteral("7001E"));
    EXPECT_EQ(column(4), QStringLiteral("STATION 3F"));
    EXPECT_EQ(column(5), QStringLiteral("3F"));
    EXPECT_EQ(column(7), QStringLiteral("*"));
    w.flexMSHList->setCol(0);
    EXPECT_FALSE(w.flexMSHList->cellFontBold());
    EXPECT_FALSE(w.command(QStringLiteral("mnuPending"))->isEnabled());  // no right
    // The out-patient list of the component lists both visits.
    click(QStringLiteral("_2.1"));
    EXPECT_EQ(column(1).split(u',').size(), 2);
}

TEST_P(WorkListEnginesTest, CashListsSetTheProcessingCommandsByTheirRules) {
    addAssessment(QStringLiteral("PH000001"), QStringLiteral("WALK-IN: ROBERTO SY"), QStringLiteral("OR-1"));
    addAssessment(QStringLiteral("PH000002"), QStringLiteral("WALK-IN: LINDA GO"), QString());
    addAssessment(QStringLiteral("PH000003"), QStringLiteral("WALK-IN: ANA LIM"), QString(), QStringLiteral("R"));
    frmPharma& w = build();
    QAction* process = w.command(QStringLiteral("mnuProcessAssessment"));
    QAction* button14 = w.tbrPharmaButton(14);
    process->setVisible(true);  // a hidden command reads disabled
    button14->setVisible(true);
    click(QStringLiteral("_4.1.1"));
    EXPECT_EQ(column(8), QStringLiteral("PH000001"));
    EXPECT_EQ(column(0), QString());
    EXPECT_TRUE(process->isEnabled());
    EXPECT_TRUE(button14->isEnabled());
    // Once its medicines went out under its number the paid assessment may not be processed again.
    db().execute(QStringLiteral("INSERT INTO tbInvStockCard (RefNum, ItemID, Quantity) VALUES ('PH000001', 'PARA500', 1)"));
    click(QStringLiteral("_4.1.1"));
    EXPECT_EQ(column(0), QStringLiteral("*"));
    EXPECT_FALSE(process->isEnabled());
    EXPECT_FALSE(button14->isEnabled());
    click(QStringLiteral("_4.1.2"));  // nothing paid before today
    EXPECT_FALSE(w.flexMSHList->isEnabled());
    EXPECT_FALSE(process->isEnabled());

    click(QStringLiteral("_4.2.1"));
    EXPECT_EQ(column(0), QStringLiteral("PH000002"));
    EXPECT_FALSE(process->isEnabled());
    EXPECT_FALSE(button14->isEnabled());
    // The revoked list with rows leaves button 14 as it was; empty, it turns it off.
    button14->setEnabled(true);
    click(QStringLiteral("_4.3.1"));
    EXPECT_EQ(column(0), QStringLiteral("PH000003"));
    EXPECT_TRUE(button14->isEnabled());
    click(QStringLiteral("_4.3.2"));
    EXPECT_FALSE(button14->isEnabled());
}

TEST_P(WorkListEnginesTest, CashSearchNarrowsTheSelectedCashList) {
    addAssessment(QStringLiteral("PH000002"), QStringLiteral("WALK-IN: LINDA GO"), QString());
    addAssessment(QStringLiteral("PH000004"), QStringLiteral("WALK-IN: O'NEIL PAZ"), QString());
    addAssessment(QStringLiteral("PH000001"), QStringLiteral("WALK-IN: ROBERTO SY"), QStringLiteral("OR-1"));
    frmPharma& w = build();
    struct Case { const char* node; const char* text; const char* refs; int refColumn; };
    const Case cases[] = {
        {"_4.2.1", "", "PH000002,PH000004", 0},
        {"_4.2.1", "linda", "PH000002", 0},
        {"_4.2.1", "O'NEIL", "PH000004", 0},  // an apostrophe is searched for as typed
        {"_4.1.1", "ROBERTO", "PH000001", 8},
        {"_4.1.1", "NOBODY", "", 0},
    };
    for (const Case& c : cases) {
        click(QString::fromLatin1(c.node));
        w.LoadPatientSearch(QString::fromLatin1(c.text));
        EXPECT_EQ(column(c.refColumn).toStdString(), c.refs) << c.node << ' ' << c.text;
    }
    EXPECT_FALSE(w.flexMSHList->isEnabled());
    // Unpaid lists keep processing off; outside the cash lists the grid keeps its list.
    click(QStringLiteral("_4.2.1"));
    w.command(QStringLiteral("mnuProcessAssessment"))->setVisible(true);
    w.command(QStringLiteral("mnuProcessAssessment"))->setEnabled(true);
    w.LoadPatientSearch(QStringLiteral("LINDA"));
    EXPECT_FALSE(w.command(QStringLiteral("mnuProcessAssessment"))->isEnabled());
    click(QStringLiteral("_1.1"));
    w.flexMSHList->setTextMatrix(1, 0, QStringLiteral("kept"));
    w.LoadPatientSearch(QStringLiteral("LINDA"));
    EXPECT_EQ(w.flexMSHList->textMatrix(1, 0), QStringLiteral("kept"));
}

TEST_P(WorkListEnginesTest, ReturnsListShowsThePendingRequestsOfStations) {
    addItem(db());
    addAdmittedPatient(db());
    addOutPatientVisit(db());
    const auto request = [this](const QString& id, const QString& hosp, const QString& memo, const QVariant& posted) {
        db().execute(QStringLiteral("INSERT INTO tbPharmaCommunication (IdNum, HospNum, ItemID, ChargeSlip, CreditMemo, "
                                    "RevenueID, qtyr, UserID, Remarks, isPosted) VALUES (?, ?, 'PARA500', 'C1', ?, 'PC', 1, "
                                    "'N1', 'NOT USED', ?)"),
                     {id, hosp, memo, posted});
    };
    request(QStringLiteral("1001"), QStringLiteral("H000001"), QStringLiteral("SR000001"), QVariant());
    request(QStringLiteral("1001"), QStringLiteral("H000001"), QStringLiteral("SR000001"), QVariant());
    request(QStringLiteral("1001"), QStringLiteral("H000001"), QStringLiteral("SR000002"), 1);  // posted
    request(QStringLiteral("5001A"), QStringLiteral("H000101"), QStringLiteral("SR000003"), QVariant());
    setNoDirectReturns(true);
    frmPharma& w = build();
    w.flexMSHList->resize(469, 200);  // 7035 twips: a seventh is 1005
    click(QStringLiteral("_7.1.1"));
    EXPECT_TRUE(w.flexMSHList->isEnabled());
    EXPECT_EQ(header().section(u'|', 0, 3), QStringLiteral("Hospital #|Patient ID|Credit Memo #|Patient Name"));
    EXPECT_EQ(column(2), QStringLiteral("SR000001"));
    EXPECT_EQ(column(0) + u'|' + column(1) + u'|' + column(3), QStringLiteral("H000001|1001|DELA CRUZ, JUAN SANTOS"));
    QStringList widths;
    for (int col = 0; col < 9; ++col)
        widths << QString::number(w.flexMSHList->colWidth(col));
    EXPECT_EQ(widths.join(u','), QStringLiteral("1005,1005,1005,3015,1005,1005,0,0,0"));
    click(QStringLiteral("_7.2.1"));
    EXPECT_EQ(column(2), QStringLiteral("SR000003"));
    // None: the empty layout, the grid left enabled as it was.
    click(QStringLiteral("_7.2.2"));
    EXPECT_EQ(column(0), QString());
    EXPECT_EQ(header().section(u'|', 0, 0), QStringLiteral("Hospital # "));
    // With the station setting off the returns nodes load nothing.
    click(QStringLiteral("_7.1.1"));
    setNoDirectReturns(false);
    w.flexMSHList->setTextMatrix(1, 0, QStringLiteral("kept"));
    click(QStringLiteral("_7.1.1"));
    EXPECT_EQ(w.flexMSHList->textMatrix(1, 0), QStringLiteral("kept"));
}

TEST_P(WorkListEnginesTest, RefillListsUseTheirOwnLayout) {
    db().execute(QStringLiteral("UPDATE patient_data.tbHospitalInfo SET Kelvarin = 1"));
    gPharmaSwitches.Load(db(), QStringLiteral("DEMO"));
    addAdmittedPatient(db());
    addAdmittedPatient(db(), {.idNum = QStringLiteral("1002"),
                              .person = {.hospNum = QStringLiteral("H000002"), .lastName = QStringLiteral("ABAD")},
                              .dischargeDate = QDateTime(QDate(2026, 1, 9), QTime(10, 0))});
    frmPharma& w = build();
    gCanProcessRequest = true;
    click(QStringLiteral("_6.1"));
    EXPECT_FALSE(w.flexMSHList->isEnabled());
    EXPECT_EQ(header().section(u'|', 0, 2), QStringLiteral("Admission # |Patient Name |Doctor Name "));
    EXPECT_FALSE(w.command(QStringLiteral("mnuPending"))->isEnabled());
    db().execute(QStringLiteral("INSERT INTO tbInvPrescriptionOrders (IdNum, Orders) VALUES ('1001', 'A'), ('1002', 'B')"));
    click(QStringLiteral("_6.1"));
    EXPECT_EQ(column(0), QStringLiteral("1001"));
    EXPECT_EQ(header(), QStringLiteral("Admission #|Patient Name|Doctor Name "));
    EXPECT_TRUE(w.command(QStringLiteral("mnuPending"))->isEnabled());
    click(QStringLiteral("_6.2"));
    EXPECT_EQ(column(0), QStringLiteral("1002"));
    click(QStringLiteral("_6.3"));  // "Complete" keeps the list
    EXPECT_EQ(column(0), QStringLiteral("1002"));
}

QX_ON_BOTH_ENGINES(WorkListEnginesTest);

} // namespace
} // namespace qx::test
