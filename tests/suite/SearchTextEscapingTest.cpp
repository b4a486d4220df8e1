// A typed search text finds the rows that start with (or contain) exactly that text on both
// engines: `%` and `_` are no wildcards, a backslash is no escape, a quote is a quote.
#include "Builders.h"
#include "ScriptedPlatform.h"
#include "SuiteFixture.h"
#include "components/PasswordScramble.h"
#include "components/SearchText.h"
#include "suite/AccountFirmsFirmList.h"
#include "suite/CliniciansDoctorList.h"
#include "suite/DispenserRollDispenserList.h"
#include "suite/DoseFormsDosageList.h"
#include "suite/DrugPickerList.h"
#include "suite/InpatientFilePatient.h"
#include "suite/InpatientRosterInpatientList.h"
#include "suite/OutpatientRecentRecentList.h"
#include "suite/OutpatientRosterOutpatientList.h"
#include "suite/PickListDialog.h"

#include <QPushButton>
#include <QTableWidget>

using namespace qx;
using namespace qx::test;
using namespace qx::suite;

namespace {

// Names that start alike but for one character; only the unescaped wildcards would join them.
struct Probe {
    const char* key;
    const char* name;
};
const Probe kProbes[] = {{"1", "A\\B"}, {"2", "A%B"}, {"3", "A_B"}, {"4", "O'B"}, {"5", "AXB"}};

// Each typed text (in lower case: every search is case-blind) and the one probe it must find.
struct Typed {
    const char* text;
    const char* key;
};
const Typed kTyped[] = {{"a\\", "1"}, {"a\\b", "1"}, {"a%", "2"}, {"a_", "3"}, {"o'", "4"}, {"ax", "5"}};

class SearchTextEscapingTest : public DbTest {
protected:
    // The keys (first column, trimmed) a picker lists for `search`; the list is then cancelled.
    QStringList listed(const std::function<QString()>& show, const QString& search) {
        QStringList keys;
        platform.modal->onNextShow([&](QWidget& w) {
            auto& d = dynamic_cast<PickListDialog&>(w);
            d.setSearchText(search);
            for (int r = 0; r < d.grdList->rowCount(); ++r)
                keys << d.grdList->item(r, 0)->text().trimmed();
            d.cmdCancel->click();
        });
        show();
        keys.sort();
        return keys;
    }
    static QStringList keysOf(Recordset rs, const QString& field) {
        QStringList keys;
        for (int r = 0; r < rs.recordCount(); ++r)
            keys << rs.valueAt(r, field).toString().trimmed();
        keys.sort();
        return keys;
    }
    // Each probe key prefixed, as the rows of one search store it.
    static QString keyed(const char* prefix, const char* key) { return QLatin1String(prefix) + QLatin1String(key); }

    ScriptedPlatform platform;
};

TEST(SearchText, EscapesTheEscapeCharacterAndBothWildcards) {
    EXPECT_EQ(escapeLike(QStringLiteral("50% a_b c\\d O'Neil")), QStringLiteral("50\\% a\\_b c\\\\d O'Neil"));
    EXPECT_EQ(likeStartsWith(QStringLiteral("a%")), QStringLiteral("a\\%%"));
    EXPECT_EQ(likeContaining(QStringLiteral("_")), QStringLiteral("%\\_%"));
    EXPECT_EQ(likeStartsWith(QString()), QStringLiteral("%"));
}

TEST_P(SearchTextEscapingTest, EverySearchFindsOnlyTheTypedCharacters) {
    const QDateTime today(db().serverNow().date(), QTime(9, 0));
    for (const Probe& p : kProbes) {
        const QString name = QString::fromUtf8(p.name);
        const QString hosp = keyed("H", p.key);
        addAdmittedPatient(db(), {.idNum = keyed("10", p.key),
                                  .person = {.hospNum = hosp, .lastName = name, .firstName = QStringLiteral("ZED")}});
        addOutPatientVisit(db(), {.idNum = keyed("50", p.key) + QLatin1Char('A'),
                                  .person = {.hospNum = keyed("K", p.key), .lastName = name,
                                             .firstName = QStringLiteral("ZED")},
                                  .erNum = 1});
        addPendingRequest(db(), {.idNum = keyed("50", p.key) + QLatin1Char('A'), .hospNum = keyed("K", p.key),
                                 .requestNumber = keyed("RE", p.key), .inOut = QStringLiteral("E")});
        addPendingRequest(db(), {.idNum = keyed("10", p.key), .hospNum = hosp,
                                 .requestNumber = keyed("RQ", p.key)});
        addItem(db(), {.itemId = keyed("I", p.key), .name = name, .genericId = keyed("G", p.key), .genericName = name});
        db().execute(QStringLiteral("INSERT INTO password.tbPasswordMain (EmployeeID, Password, DepartmentID) VALUES (?, ?, '15')"),
                     {keyed("E", p.key), ScrambleText(QStringLiteral("E"), kPasswordKey, QStringLiteral("X"))});
        db().execute(QStringLiteral("INSERT INTO password.tbPasswordMaster (EmployeeID, FirstName, LastName) VALUES (?, 'ZED', ?)"),
                     {keyed("E", p.key), name});
        db().execute(QStringLiteral("INSERT INTO build_file.tbCoDoctor (doctorid, LastName, FirstName) VALUES (?, ?, 'ZED')"),
                     {keyed("D", p.key), name});
        db().execute(QStringLiteral("INSERT INTO build_file.tbCoDosage (DosageID, Description) VALUES (?, ?)"),
                     {keyed("Q", p.key), name});
        db().execute(QStringLiteral("INSERT INTO build_file.tbCoCompany (AccountNum, Company, Class, FringeBenefit) "
                                    "VALUES (?, ?, 'I', 0)"),
                     {keyed("C", p.key), name});
        // One unpaid and one paid assessment under the name.
        for (const char* paid : {"", "OR"})
            db().execute(QStringLiteral("INSERT INTO billing.tbCashAssessment (RefNum, RevenueID, ItemID, IDNum, Name, "
                                        "Amount, TransDate, ORNumber) VALUES (?, 'PH', ?, 'CASH', ?, 10, ?, ?)"),
                         {keyed(*paid ? "P" : "U", p.key), keyed("I", p.key), name, today,
                          *paid ? keyed(paid, p.key) : QString()});
    }
    auto brands = connected<DrugPickerList>(db(), DrugPickerList::By::Brand);
    auto generics = connected<DrugPickerList>(db(), DrugPickerList::By::Generic);
    auto dispensers = connected<DispenserRollDispenserList>(db());
    auto doctors = connected<CliniciansDoctorList>(db());
    auto dosages = connected<DoseFormsDosageList>(db());
    auto firms = connected<AccountFirmsFirmList>(db());
    auto inpatients = connected<InpatientRosterInpatientList>(db());
    auto outpatients = connected<OutpatientRosterOutpatientList>(db());
    auto recent = connected<OutpatientRecentRecentList>(db());
    InpatientFilePatient requests([this] { return &db(); });
    ASSERT_TRUE(requests.InitConnect(db().connectionString()));
    auto procedure = [this](const char* name, QVariantMap values, const char* field) {
        return keysOf(*db().callProcedure(QString::fromLatin1(name), values), QString::fromLatin1(field));
    };

    struct Search {
        const char* name;
        const char* keyPrefix;  // how the found key is stored for probe "1", "2", ...
        std::function<QStringList(const QString&)> find;
    };
    const Search searches[] = {
        {"drug picker by brand", "I", [&](const QString& t) { return listed([&] { return brands->ShowList(); }, t); }},
        {"drug picker by generic", "G", [&](const QString& t) { return listed([&] { return generics->ShowList(); }, t); }},
        {"dispensers", "E", [&](const QString& t) { return listed([&] { return dispensers->ShowList(); }, t); }},
        {"doctors", "D", [&](const QString& t) { return listed([&] { return doctors->ShowList(); }, t); }},
        {"dosages", "Q", [&](const QString& t) { return listed([&] { return dosages->ShowList(); }, t); }},
        {"accounts", "C", [&](const QString& t) { return listed([&] { return firms->ShowList(QString(), QStringLiteral("Y")); }, t); }},
        {"admissions", "10", [&](const QString& t) { return listed([&] { return inpatients->ShowList(); }, t); }},
        {"visits", "50", [&](const QString& t) {
             QStringList ids = listed([&] { return outpatients->ShowList(); }, t);
             for (QString& id : ids)
                 id.chop(1);
             return ids;
         }},
        {"recent visits", "50", [&](const QString& t) {
             QStringList ids = listed([&] { return recent->ShowList(); }, t);
             ids.removeIf([](const QString& id) { return !id.endsWith(QLatin1Char('A')); });
             for (QString& id : ids)
                 id.chop(1);
             return ids;
         }},
        {"pending requests", "10", [&](const QString& t) {
             return keysOf(requests.LoadCommunication(QString(), t, 2, 1, QStringLiteral("I")), QStringLiteral("Admission #"));
         }},
        {"pending emergency requests", "50", [&](const QString& t) {
             QStringList ids = procedure("Pharma_PatientListPending_ER", {{"@StationID", ""}, {"@Search", t}, {"@Option", 2},
                                                                          {"@Sorted", 1}, {"@InOut", "E"}},
                                         "Admission #");
             for (QString& id : ids)
                 id.chop(1);
             return ids;
         }},
        {"employee search", "E", [&](const QString& t) {
             return procedure("Pharma_SearchEmployee", {{"@SearchText", t}}, "Employee Code");
         }},
        {"cash customers", "10", [&](const QString& t) {
             return procedure("Pharma_CashAssessmentInfo", {{"@Option", 3}, {"@Option2", 1}, {"@Search", t}, {"@IsCurrent", ""}},
                              "IDNum");
         }},
        {"paid assessments by name", "OR", [&](const QString& t) {
             return procedure("Pharma_SearchCashTransbyName", {{"@Search", t}, {"@RevenueID", "PH"}}, "ORNumber");
         }},
        {"unpaid assessment list", "U", [&](const QString& t) {
             return procedure("Pharma_AssessmentList_WithSearch", {{"@Option", 1}, {"@Search", t}}, "AssessmentNum");
         }},
        {"paid assessment list", "P", [&](const QString& t) {
             return procedure("Pharma_PaidAssessmentList", {{"@Option", 1}, {"@Search", t}}, "AssessmentNum");
         }},
    };
    for (const Search& s : searches)
        for (const Typed& t : kTyped)
            EXPECT_EQ(s.find(QString::fromUtf8(t.text)), QStringList{keyed(s.keyPrefix, t.key)})
                << s.name << " for \"" << t.text << "\"";
    EXPECT_EQ(platform.modal->leftOpen(), 0);
}

QX_ON_BOTH_ENGINES(SearchTextEscapingTest);

} // namespace
