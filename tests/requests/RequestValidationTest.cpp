#include "RequestServingFixture.h"

#include "components/PlatformServices.h"
#include "requests/serving/RequestServing.h"

namespace qx::test {
namespace {

class RequestValidationTest : public RequestServingTest {
protected:
    struct Case {
        const char* name;
        std::function<void(const ServedScreen&)> arrange;
        bool valid;
        QString text;  // the last box; empty: no box at all
        int style = 0;
        QString title = QStringLiteral("Quillax");
        std::vector<MsgBoxResult> answers = {};
        // Only on one screen (the in-patient refresh): the other screen expects a pass.
        std::optional<bool> onlyInpatient = std::nullopt;
    };

    // Runs the table on one screen: every case on a fresh opening and fresh settings.
    void runCases(bool inpatient) {
        db().execute(QStringLiteral("INSERT INTO tbInvClassification (ItemClassificationID, ItemClassificationName) "
                                    "VALUES ('DD', 'Dangerous Drugs')"));
        const QString insufficient = QStringLiteral("Item(s) in the list has insufficient stocks. Unable to process request.");
        const QString noStock = QStringLiteral("PARACETAMOL 500 MG TABLET has no stocks left. The system can't process the "
                                               "specified item. Please Cancel / Delay Item.");
        const QString shortStock = QStringLiteral("PARACETAMOL 500 MG TABLET ==> Stock is not available to fill "
                                                  "Prescription. Please enter quantity not greater than the stock onhand.");
        const QString incomplete = QStringLiteral("Entries has incomplete information.  Please check.");
        const QString inactive = QStringLiteral("Drug in line 2 was set to inactive.\r\nPlease refer to pharmacy warehouse "
                                                "staff or choose another drug.");
        const QString large = QStringLiteral("Please verify entered Medicines. Some entries exceeded (P)30000.00. Proceed "
                                             "with transaction?");
        const auto stockOf = [this](double onHand) {
            db().execute(QStringLiteral("UPDATE tbInvent SET OnHand = ? WHERE ItemID = 'PARA500'"), {onHand});
        };
        const Case cases[] = {
            {"as loaded", [](const ServedScreen&) {}, true, QString()},
            {"a blank row after the lines", [](const ServedScreen& s) { s.grid()->setRows(s.grid()->rows() + 1); }, false,
             incomplete, vbExclamation},
            {"a generic waiting for its product", [](const ServedScreen& s) { s.set(1, 22, QStringLiteral("*")); }, false,
             incomplete, vbExclamation},
            {"a line never scanned", [&](const ServedScreen& s) {
                 gCheckBarCode = true;
                 s.set(1, s.scanCol(), QStringLiteral("1"));
                 s.set(2, s.scanCol(), QStringLiteral("1"));
             },
             false, incomplete, vbExclamation},
            {"every line scanned", [&](const ServedScreen& s) {
                 gCheckBarCode = true;
                 for (int row : {1, 2, 3})
                     s.set(row, s.scanCol(), QStringLiteral("1"));
             },
             true, QString()},
            {"incomplete before the doctor", [](const ServedScreen& s) {
                 s.set(1, 8, QString());
                 s.doctor()->clear();
             },
             false, incomplete, vbExclamation},
            {"doctor only blanks, stock short too", [&](const ServedScreen& s) {
                 s.doctor()->setText(QStringLiteral("   "));
                 setPharmaSwitch(QStringLiteral("9"), true);
                 s.set(1, 11, QStringLiteral("1"));
             },
             false, QStringLiteral("pls add requesting doctor.."), vbInformation, QStringLiteral("Message")},
            {"switch 9, stock below issued", [&](const ServedScreen& s) {
                 setPharmaSwitch(QStringLiteral("9"), true);
                 s.set(1, 11, QStringLiteral(" 1 "));
             },
             false, insufficient, vbInformation},
            {"switch 9, the short line cancelled", [&](const ServedScreen& s) {
                 setPharmaSwitch(QStringLiteral("9"), true);
                 s.mark(1, kCancelledLineState);
             },
             true, QString()},
            {"30000.00 asks nothing", [](const ServedScreen& s) { s.set(1, 12, QStringLiteral("30000.00")); }, true,
             QString()},
            {"30000.01 answered No", [](const ServedScreen& s) { s.set(1, 12, QStringLiteral("30000.01")); }, false, large,
             vbYesNo, QStringLiteral("Quillax"), {vbNo}},
            {"30000.01 answered Yes", [](const ServedScreen& s) { s.set(1, 12, QStringLiteral("30000.01")); }, true, large,
             vbYesNo, QStringLiteral("Quillax"), {vbYes}},
            {"zero on hand allowed: no stock", [&](const ServedScreen& s) {
                 gAllowZeroOnHand = true;
                 stockOf(0);
                 s.set(1, 11, QStringLiteral("0"));
             },
             false, noStock, vbInformation},
            {"zero on hand allowed: too little", [&](const ServedScreen& s) {
                 gAllowZeroOnHand = true;
                 stockOf(1);
                 s.set(1, 11, QStringLiteral("1"));
             },
             false, shortStock, vbInformation},
            {"zero on hand allowed: stock equals issued", [&](const ServedScreen& s) {
                 gAllowZeroOnHand = true;
                 stockOf(2);
                 s.set(1, 11, QStringLiteral("2"));
             },
             true, QString()},
            {"zero on hand not allowed: no stock", [&](const ServedScreen& s) {
                 stockOf(0);
                 s.set(1, 11, QStringLiteral("0"));
             },
             true, QString()},
            // The in-patient screen reads the stock anew; the out-patient one keeps what it shows.
            {"zero on hand allowed: the shown stock is stale", [&](const ServedScreen& s) {
                 gAllowZeroOnHand = true;
                 stockOf(0);
                 s.set(1, 11, QStringLiteral("50"));
             },
             false, noStock, vbInformation, QStringLiteral("Quillax"), {}, true},
            {"an issued quantity of XXX", [](const ServedScreen& s) { s.set(1, 10, QStringLiteral("XXX")); }, false,
             QStringLiteral("Please check the quantity or amount of the entered items. Some entries have zero value!"),
             vbCritical, QStringLiteral("WARNING")},
            {"the same drug twice", [](const ServedScreen& s) { s.set(2, 1, QStringLiteral("PARA500")); }, false,
             QStringLiteral("There are duplicate items. Please review the list"), vbOKOnly},
            {"the same drug twice, one delayed", [](const ServedScreen& s) {
                 s.set(2, 1, QStringLiteral("PARA500"));
                 s.mark(2, kDelayedLineState);
             },
             true, QString()},
            {"the supervisor does not approve", [&](const ServedScreen&) {
                 gHasValidation = true;
                 approveAs(QString());
             },
             false, QStringLiteral("Invalid Password."), vbInformation},
            {"the supervisor approves", [&](const ServedScreen&) {
                 gHasValidation = true;
                 approveAs(QStringLiteral("9001"));
             },
             true, QString()},
            {"a dangerous drug without the doctor's S2", [&](const ServedScreen&) {
                 setPharmaSwitch(QStringLiteral("93"), true);
                 db().execute(QStringLiteral("UPDATE tbInvMaster SET ItemClassificationID = 'DD' WHERE ItemID = 'AMOX500'"));
                 db().execute(QStringLiteral("UPDATE build_file.tbCoDoctor SET s2number = ' ' WHERE doctorid = 'D001'"));
             },
             false, QStringLiteral("Please check S2Number and S2 Expiry of doctor: %1 on build file module. "),
             vbInformation},
            {"an inactive drug", [&](const ServedScreen&) {
                 db().execute(QStringLiteral("UPDATE tbInvMaster SET ItemStatus = 1 WHERE ItemID IN ('AMOX500', 'CEF1G')"));
             },
             false, inactive, vbExclamation},
            {"an inactive drug delayed", [&](const ServedScreen& s) {
                 db().execute(QStringLiteral("UPDATE tbInvMaster SET ItemStatus = 1 WHERE ItemID = 'AMOX500'"));
                 s.mark(2, kDelayedLineState);
             },
             false, inactive, vbExclamation},
            {"an inactive drug cancelled", [&](const ServedScreen& s) {
                 db().execute(QStringLiteral("UPDATE tbInvMaster SET ItemStatus = 1 WHERE ItemID = 'AMOX500'"));
                 s.mark(2, kCancelledLineState);
             },
             true, QString()},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            resetHospitalSettings();
            for (const char* key : {"9", "93"})
                setPharmaSwitch(QString::fromLatin1(key), false);
            stockOf(100);
            db().execute(QStringLiteral("UPDATE tbInvMaster SET ItemStatus = 0, ItemClassificationID = 'C01'"));
            ServedScreen s = open(inpatient);
            c.arrange(s);
            platform.messages->clear();
            for (MsgBoxResult answer : c.answers)
                platform.messages->answer(answer);
            const bool applies = !c.onlyInpatient || *c.onlyInpatient == inpatient;
            EXPECT_EQ(s.validate(), applies ? c.valid : true);
            if (!applies || c.text.isEmpty()) {
                EXPECT_TRUE(platform.messages->boxes().empty()) << platform.messages->texts().join('\n').toStdString();
                continue;
            }
            ASSERT_EQ(platform.messages->boxes().size(), 1u);
            EXPECT_EQ(platform.messages->last().text, QString(c.text).replace(QStringLiteral("%1"), s.banner(3)->text()));
            EXPECT_EQ(platform.messages->last().style, c.style);
            EXPECT_EQ(platform.messages->last().title, c.title);
            if (c.title == QLatin1String("Message"))
                EXPECT_EQ(QApplication::focusWidget(), s.doctor());
            EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM tbInvStockCard")), 0);
        }
    }
};

TEST_P(RequestValidationTest, InPatientStepsInOrder) { runCases(true); }
TEST_P(RequestValidationTest, OutPatientStepsInOrder) { runCases(false); }

// The in-patient refresh writes every line's stock as the drug component finds it now: 0 for an
// item no longer found, blank rows left blank.
TEST_P(RequestValidationTest, InPatientStockRefresh) {
    ServedScreen s = open(true);
    db().execute(QStringLiteral("UPDATE tbInvent SET OnHand = 7 WHERE ItemID = 'PARA500'"));
    s.set(3, 1, QStringLiteral("GONE9"));
    EXPECT_TRUE(s.validate());
    EXPECT_EQ(s.cell(1, 11), "7");
    EXPECT_EQ(s.cell(3, 11), "0");
    s.grid()->setRows(5);
    RequestServingScreen screen;
    screen.module = QStringLiteral("frmCommEntry");
    screen.grid = s.grid();
    screen.banner = s.ip->lblPatInfo;
    RecomputeItemStock(screen);
    EXPECT_EQ(s.cell(4, 11), "");
}

} // namespace

// Validation writes nothing: one engine is enough.
INSTANTIATE_TEST_SUITE_P(Engines, RequestValidationTest, ::testing::Values(::qx::Engine::SQLite),
                         ::qx::test::engineName);

} // namespace qx::test
