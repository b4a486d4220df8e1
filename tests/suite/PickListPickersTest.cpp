#include "ScriptedPlatform.h"
#include "SuiteFixture.h"
#include "suite/AccountFirmsFirmList.h"
#include "suite/CliniciansDoctorList.h"
#include "suite/DispenserRollDispenserList.h"
#include "suite/DoseFormsDosageList.h"
#include "suite/DrugPickerList.h"
#include "suite/InpatientRosterInpatientList.h"
#include "suite/IssueLedgerIssuedMedicines.h"
#include "suite/OutpatientRecentRecentList.h"
#include "suite/OutpatientRosterOutpatientList.h"
#include "suite/PickListDialog.h"
#include "suite/SlipBookChargeSlipList.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

using namespace qx;
using namespace qx::test;
using namespace qx::suite;

namespace {

class PickListPickersTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (!IsSkipped())
            addSuiteReferenceRows(db());
    }
    // The next list shown: narrowed by `search` (when given), then its first row taken, or cancelled.
    void nextPick(std::optional<QString> search, bool take = true) {
        platform.modal->onNextShow([this, search, take](QWidget& w) {
            auto& d = dynamic_cast<PickListDialog&>(w);
            if (search)
                d.setSearchText(*search);
            listed << d.rowCount();
            if (!take) {
                d.cmdCancel->click();
                return;
            }
            d.selectRow(0);
            d.cmdOK->click();
        });
    }
    ScriptedPlatform platform;
    QVector<int> listed;  // rows the list showed when the script acted
};

TEST_P(PickListPickersTest, EachPickerAnswersTheChosenCodeOrNothing) {
    auto dosages = connected<DoseFormsDosageList>(db());
    auto doctors = connected<CliniciansDoctorList>(db());
    auto firms = connected<AccountFirmsFirmList>(db());
    auto dispensers = connected<DispenserRollDispenserList>(db());
    auto inpatients = connected<InpatientRosterInpatientList>(db());
    auto outpatients = connected<OutpatientRosterOutpatientList>(db());
    auto slips = connected<SlipBookChargeSlipList>(db());
    auto brands = connected<DrugPickerList>(db(), DrugPickerList::By::Brand);
    auto generics = connected<DrugPickerList>(db(), DrugPickerList::By::Generic);
    struct Case {
        const char* name;
        std::function<QString()> show;
        std::optional<QString> search;  // typed into the list's search box
        QString expected;
        int rows;                       // rows listed when the script acted
    };
    const Case cases[] = {
        {"dosage", [&] { return dosages->ShowList(); }, QStringLiteral("three"), "TID", 1},
        {"doctor by start text", [&] { return doctors->ShowList(QStringLiteral("BEL")); }, std::nullopt, "D002", 1},
        {"doctor by first name", [&] { return doctors->ShowList(); }, QStringLiteral("sean"), "D'03", 1},
        {"ordinary accounts", [&] { return firms->ShowList(QString(), QStringLiteral("Y")); }, std::nullopt, "C0001", 1},
        {"fringe accounts", [&] { return firms->ShowList(QStringLiteral("C000"), QStringLiteral("FB")); },
         QStringLiteral(""), "FB001", 1},
        {"dispensers of the pharmacy", [&] { return dispensers->ShowList(); }, std::nullopt, "1001", 2},
        {"admitted only", [&] { return inpatients->ShowList(QStringLiteral("")); }, std::nullopt, "1001", 1},
        {"earlier confinements too", [&] { return inpatients->ShowList(QStringLiteral("uy"), 2); }, std::nullopt, "0901", 1},
        {"visits", [&] { return outpatients->ShowList(QStringLiteral("REYES")); }, std::nullopt, "5001A", 1},
        {"charge slips of the patient", [&] { return slips->ShowList(QStringLiteral("1001"), QStringLiteral("JUAN")); },
         QStringLiteral("CS0001"), "CS0001", 1},
        {"brand names with a quote", [&] { return brands->ShowList(QStringLiteral("amo'")); }, QStringLiteral("amox"),
         "AMOX500", 1},
        {"brands of one generic", [&] {
             return brands->ShowList(std::nullopt, std::nullopt, QStringLiteral("186"), QStringLiteral("G-PARA"));
         }, std::nullopt, "PARA500", 1},
        {"generic names", [&] { return generics->ShowList(QStringLiteral("para")); }, std::nullopt, "G-PARA", 1},
    };
    for (const Case& c : cases) {
        listed.clear();
        nextPick(c.search);
        EXPECT_EQ(c.show(), c.expected) << c.name;
        EXPECT_EQ(listed.value(0), c.rows) << c.name;
        nextPick(c.search, false);
        EXPECT_EQ(c.show(), QString()) << c.name << " cancelled";
    }
    EXPECT_EQ(platform.modal->leftOpen(), 0);
}

TEST_P(PickListPickersTest, IssuedMedicinesReportTheNetQuantityAndSlip) {
    auto issued = connected<IssueLedgerIssuedMedicines>(db());
    nextPick(QStringLiteral("bio"));
    EXPECT_EQ(issued->ShowList(QStringLiteral("1001"), QStringLiteral(" CS0001 "), QStringLiteral("JUAN")),
              QStringLiteral("PARA500"));
    EXPECT_EQ(issued->IssuedQuantity(), 6.0);  // 10 issued, 4 returned
    EXPECT_EQ(issued->Chargeslip(), QStringLiteral("CS0001"));

    // By drug, across slips; a line returned in full is not offered.
    nextPick(QStringLiteral("amox"));
    EXPECT_EQ(issued->ListIssuedbyDrugs(QStringLiteral("1001")), QStringLiteral("AMOX500"));
    EXPECT_EQ(listed.value(1), 1);
    EXPECT_EQ(issued->Chargeslip(), QStringLiteral("CS0001"));
    EXPECT_EQ(issued->IssuedQuantity(), 6.0);

    nextPick(std::nullopt, false);
    EXPECT_EQ(issued->ListIssuedbyDrugs(QStringLiteral("1001")), QString());
    EXPECT_EQ(listed.value(2), 3);
    EXPECT_EQ(issued->IssuedQuantity(), 0.0);
    EXPECT_EQ(issued->Chargeslip(), QString());
}

TEST_P(PickListPickersTest, RecentListTellsAPatientWithoutAVisit) {
    auto recent = connected<OutpatientRecentRecentList>(db());
    EXPECT_FALSE(recent->MasterOrRegistered());
    nextPick(QStringLiteral("TAN"));
    EXPECT_EQ(recent->ShowList(), QStringLiteral("H3"));
    EXPECT_TRUE(recent->MasterOrRegistered());
    nextPick(std::nullopt, false);
    EXPECT_EQ(recent->ShowList(), QString());
    EXPECT_FALSE(recent->MasterOrRegistered());  // reset by every showing
    nextPick(QStringLiteral("REYES"));
    EXPECT_EQ(recent->ShowList(), QStringLiteral("5001A"));
    EXPECT_FALSE(recent->MasterOrRegistered());
}

QX_ON_BOTH_ENGINES(PickListPickersTest);

class PickListDialogTest : public SqliteTest {};

TEST_F(PickListDialogTest, TypingNarrowsAndEnterTakesTheCurrentRow) {
    QStringList seen;
    PickListSpec spec{QStringLiteral("Test"), {QStringLiteral("Code"), QStringLiteral("Name")}, {}, [&](const QString& s) {
                          seen << s;
                          QVector<QVariantList> rows;
                          for (const char* name : {"ALPHA", "ALBA", "BETA"})
                              if (QString::fromLatin1(name).startsWith(s, Qt::CaseInsensitive))
                                  rows.push_back({QString::fromLatin1(name).left(2), QString::fromLatin1(name), 42});
                          return Recordset({QStringLiteral("Code"), QStringLiteral("Name"), QStringLiteral("Hidden")}, rows);
                      }};
    PickListDialog d(spec);
    d.setSearchText(QString());
    EXPECT_EQ(d.rowCount(), 3);
    d.txtSearch->setText(QStringLiteral("al"));
    EXPECT_EQ(d.rowCount(), 2);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(d.txtSearch, &down);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(d.txtSearch, &enter);
    ASSERT_TRUE(d.chosen().has_value());
    EXPECT_EQ(d.chosen()->value(1).toString(), QStringLiteral("ALBA"));
    EXPECT_EQ(d.chosen()->value(2).toInt(), 42);  // hidden fields travel with the row
    EXPECT_EQ(d.result(), QDialog::Accepted);

    PickListDialog empty(spec);
    empty.setSearchText(QStringLiteral("zzz"));
    empty.cmdOK->click();  // nothing to take: stays open, takes nothing
    EXPECT_FALSE(empty.chosen().has_value());
}

} // namespace
