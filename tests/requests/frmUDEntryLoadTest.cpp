#include "frmUDEntryFixture.h"

#include "requests/RequestWindowOpeners.h"

#include <QRadioButton>

namespace qx::test {
namespace {

class frmUDEntryLoadTest : public frmUDEntryTest {};

TEST_P(frmUDEntryLoadTest, ListsRequestsByRouteIssuedTodayAndStatus) {
    enum Shown { Hidden, Values, Crossed };
    struct Case {
        const char* name;
        bool all;           // "All" instead of "For Unit Dose Only"
        QVariant route;
        bool issuedToday;
        const char* status;
        Shown shown;
        bool gridEnabled;
    };
    const QVariant oral(QStringLiteral("O")), empty(QStringLiteral("")), other(QStringLiteral("I")), none;
    const Case cases[] = {
        {"oral", false, oral, false, "", Values, true},
        {"oral issued", false, oral, true, "", Values, true},
        {"oral discontinued", false, oral, false, "R", Hidden, true},
        {"oral discontinued with blanks", false, oral, false, " R ", Hidden, true},
        {"empty route under unit dose", false, empty, false, "", Hidden, false},
        {"other route under unit dose", false, other, true, "", Hidden, false},
        {"null route under unit dose", false, none, false, "", Hidden, false},
        {"all: oral", true, oral, false, "", Values, true},
        {"all: oral issued", true, oral, true, "", Crossed, true},
        {"all: empty route issued", true, empty, true, "", Values, true},
        {"all: other route", true, other, false, "", Values, true},
        {"all: other route issued", true, other, true, "", Crossed, true},
        {"all: null route issued", true, none, true, "", Crossed, true},
        {"all: null route discontinued", true, none, true, "R", Hidden, true},
    };
    int id = 2001;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString admission = QString::number(id++);
        addAdmittedPatient(db(), {.idNum = admission});
        setRoute(QStringLiteral("PARA500"), c.route);
        unitDose({.idNum = admission, .status = QString::fromLatin1(c.status)});
        if (c.issuedToday)
            issue(QStringLiteral("PARA500"), admission);
        open(admission);
        if (c.all) {
            form->Option1->setChecked(true);
            form->Option1_Click();
        }
        EXPECT_EQ(form->flexMSEntry->rows(), 2);
        EXPECT_EQ(form->flexMSEntry->isEnabled(), c.gridEnabled);
        const QString remark = c.issuedToday ? QStringLiteral("--Issued--") : QStringLiteral("AFTER MEALS");
        const QString description = QStringLiteral("PARACETAMOL 500 MG TABLET");
        switch (c.shown) {
        case Hidden:
            EXPECT_EQ(line(1), QStringList(frmUDEntry::kCols, QString()));
            EXPECT_EQ(form->lblPatInfo[6]->text(), QString());
            break;
        case Values:
            EXPECT_EQ(line(1), (QStringList{"1", "PARA500", description, "Q6H", "", "4", "100", "21.00", remark,
                                            "5.25", ""}));
            EXPECT_EQ(form->lblPatInfo[6]->text(), "21.00");
            break;
        case Crossed:
            EXPECT_EQ(line(1), (QStringList{"1", "PARA500", description, "XXX", "", "XXX", "XXX", "XXX", "--Issued--",
                                            "XXX", ""}));
            EXPECT_EQ(form->lblPatInfo[6]->text(), "0.00");
            break;
        }
    }
}

TEST_P(frmUDEntryLoadTest, NumbersListedLinesAndTotalsThemLeavingCrossedLinesOut) {
    addItem(db(), {.itemId = QStringLiteral("AMOX500"), .name = QStringLiteral("AMOXICILLIN"),
                   .description = QStringLiteral("500 MG CAPSULE"), .onHand = 40, .priceIn = 12.5});
    addItem(db(), {.itemId = QStringLiteral("CEF1G"), .name = QStringLiteral("CEFTRIAXONE"),
                   .description = QStringLiteral("1 G VIAL"), .onHand = 8, .priceIn = 250});
    addItem(db(), {.itemId = QStringLiteral("GONE1")});
    db().execute(QStringLiteral("DELETE FROM tbInvMaster WHERE ItemID = 'GONE1'"));
    setRoute(QStringLiteral("AMOX500"), QStringLiteral("O"));
    setRoute(QStringLiteral("CEF1G"), QStringLiteral("I"));
    unitDose({.itemId = QStringLiteral("PARA500"), .amount = 21.0});
    unitDose({.itemId = QStringLiteral("GONE1"), .amount = 99.0});
    unitDose({.itemId = QStringLiteral("AMOX500"), .amount = 50.0, .status = QStringLiteral("R")});
    unitDose({.itemId = QStringLiteral("CEF1G"), .dosage = QStringLiteral("Q12H"), .quantity = 2, .amount = 500.0});
    unitDose({.itemId = QStringLiteral("AMOX500"), .quantity = 3, .amount = 37.5});
    issue(QStringLiteral("CEF1G"));

    open();
    EXPECT_EQ(form->flexMSEntry->rows(), 3);
    EXPECT_EQ(line(1).mid(0, 2), (QStringList{"1", "PARA500"}));
    EXPECT_EQ(line(2).mid(0, 2), (QStringList{"2", "AMOX500"}));
    EXPECT_EQ(form->lblPatInfo[6]->text(), "58.50");

    form->Option1->setChecked(true);
    form->Option1_Click();
    EXPECT_EQ(form->flexMSEntry->rows(), 4);
    EXPECT_EQ(line(2).mid(0, 4), (QStringList{"2", "CEF1G", "CEFTRIAXONE 1 G VIAL", "XXX"}));
    EXPECT_EQ(line(3).mid(0, 2), (QStringList{"3", "AMOX500"}));
    EXPECT_EQ(form->TotalCharges(), "58.50");
    EXPECT_EQ(form->lblPatInfo[6]->text(), "58.50");
}

TEST_P(frmUDEntryLoadTest, HeaderShowsTheAdmissionWithLeadingBlanks) {
    unitDose({});
    open();
    const QStringList header = [&] {
        QStringList texts;
        for (QLabel* label : form->lblPatInfo)
            texts << label->text();
        return texts;
    }();
    EXPECT_EQ(header[7], " 1001");
    EXPECT_EQ(header[0], " H000001");
    EXPECT_TRUE(header[1].startsWith(" 3F - ")) << header[1].toStdString();
    EXPECT_EQ(header[2].left(1), " ");
    EXPECT_TRUE(header[4].startsWith(" 301 - ")) << header[4].toStdString();
    EXPECT_EQ(header[5], " 00000001");
    EXPECT_EQ(header[6], "21.00");
    EXPECT_EQ(header[9], " M");
    EXPECT_TRUE(form->Option2->isChecked());
    EXPECT_FALSE(form->cmdSave->isEnabled());
    EXPECT_FALSE(form->cmdPrintSave->isEnabled());
    EXPECT_TRUE(form->lblVelmira->isHidden());
}

TEST_P(frmUDEntryLoadTest, SponsorshipLabelFollowsTheProgrammeAndSiteNORVAX) {
    struct Case { const char* name; bool programme; bool enrolled; const char* site; bool shown; };
    const Case cases[] = {
        {"enrolled", true, true, "GIVRC", true},
        {"not enrolled", true, false, "GIVRC", false},
        {"programme off", false, true, "GIVRC", false},
        {"NORVAX", false, false, "NORVAX", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        db().execute(QStringLiteral("DELETE FROM build_file.tbCoVelmiraPatient"));
        if (c.enrolled)
            db().execute(QStringLiteral("INSERT INTO build_file.tbCoVelmiraPatient (PatientID, Velmira) VALUES ('1001', 1)"));
        gVelmira = c.programme;
        gSiteCode = QString::fromLatin1(c.site);
        open();
        EXPECT_EQ(!form->lblVelmira->isHidden(), c.shown);
    }
}

TEST_P(frmUDEntryLoadTest, UnknownOrEmptyAdmissionLeavesTheHeaderBlank) {
    unitDose({});
    for (const QString& id : {QString(), QStringLiteral("9999")}) {
        SCOPED_TRACE(id.toStdString());
        open(id);
        for (QLabel* label : form->lblPatInfo) {
            if (label != form->lblPatInfo[6]) {
                EXPECT_EQ(label->text(), QString());
            }
        }
        EXPECT_EQ(form->flexMSEntry->rows(), 2);
        EXPECT_FALSE(form->flexMSEntry->isEnabled());
    }
}

TEST_P(frmUDEntryLoadTest, NoRequestLeavesOneDisabledBlankLineAndTheProfileAlone) {
    open();
    EXPECT_EQ(form->flexMSEntry->rows(), 2);
    EXPECT_FALSE(form->flexMSEntry->isEnabled());
    EXPECT_FALSE(form->chargeGrid()->isEditorVisible());
    EXPECT_EQ(form->profile().recordset().recordCount(), 0);
    EXPECT_EQ(form->flexMSHPrevious->textMatrix(0, 0), QString());
}

TEST_P(frmUDEntryLoadTest, ProfileListsPreviousIssuesAndWhoDiscontinued) {
    db().execute(QStringLiteral("INSERT INTO password.tbPasswordMaster (EmployeeID, LastName, FirstName) "
                                "VALUES ('1234', 'SANTOS', 'MARIA')"));
    unitDose({});
    issue(QStringLiteral("PARA500"), QStringLiteral("1001"), QDateTime(QDate(2026, 1, 6), QTime(9, 0)));
    open();
    FlexGrid& profile = *form->flexMSHPrevious;
    ASSERT_EQ(profile.rows(), 2);
    EXPECT_EQ(profile.textMatrix(0, 0), "Trans. Date ");
    EXPECT_EQ(profile.textMatrix(1, 0), "01/06/2026 09:00:00");
    EXPECT_FALSE(profile.mergeRow(1));

    // A discontinued line without a record ends with the bare row; with one, with its employee.
    form->flexMSEntry->setTextMatrix(1, frmUDEntry::kColRemarks, QStringLiteral("--Discontinued--"));
    form->LoadListProfile(form->lblPatInfo[7]->text(), QStringLiteral("PARA500"), 1);
    ASSERT_EQ(profile.rows(), 3);
    EXPECT_EQ(profile.textMatrix(2, 0), "Discontinued");
    EXPECT_TRUE(profile.mergeRow(2));

    ASSERT_TRUE(SQLConnection().callProcedure(QStringLiteral("Drug_UpdateUnitDose"),
                                              {{QStringLiteral("@IDNum"), QStringLiteral("1001")},
                                               {QStringLiteral("@ItemID"), QStringLiteral("PARA500")},
                                               {QStringLiteral("@RecordStatus"), QStringLiteral("R")},
                                               {QStringLiteral("@EmployeeID"), QStringLiteral("1234")}}) == std::nullopt);
    form->LoadListProfile(form->lblPatInfo[7]->text(), QStringLiteral("PARA500"), 1);
    ASSERT_EQ(profile.rows(), 3);
    EXPECT_FALSE(profile.textMatrix(2, 0).isEmpty());
    for (int col = 1; col <= 4; ++col)
        EXPECT_EQ(profile.textMatrix(2, col), "Discontinued by MARIA SANTOS");
    EXPECT_EQ(profile.mergeCells(), FlexGrid::MergeCells::Free);
}

TEST_P(frmUDEntryLoadTest, ClosingAsksWhileALineCouldStillBeSaved) {
    enum Setup { Complete, OnlyCrossed, ByPassed, Saved, Nothing };
    struct Case { const char* name; Setup setup; bool asks; };
    const Case cases[] = {
        {"complete line", Complete, true},
        {"only crossed lines", OnlyCrossed, false},
        {"by-passed line", ByPassed, false},
        {"after a save", Saved, false},
        {"no request", Nothing, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        db().execute(QStringLiteral("DELETE FROM station.tbNurseUnitDose"));
        if (c.setup != Nothing)
            unitDose({});
        open();
        if (c.setup == OnlyCrossed)
            for (int col : {3, 5, 6, 7})
                form->flexMSEntry->setTextMatrix(1, col, QStringLiteral("XXX"));
        if (c.setup == ByPassed)
            form->flexMSEntry->setTextMatrix(1, frmUDEntry::kColDosage, QStringLiteral("BYPASSED"));
        if (c.setup == Saved)
            form->DataSaved = true;
        form->show();
        platform.messages->clear();
        platform.messages->answer(vbNo);
        form->cmdClose_Click();
        if (c.asks) {
            ASSERT_EQ(platform.messages->boxes().size(), 1u);
            EXPECT_EQ(platform.messages->last().text, "Data will not be saved, do you wish to exit?");
            EXPECT_EQ(platform.messages->last().style, vbQuestion | vbYesNo);
            EXPECT_TRUE(form->isVisible());
            platform.messages->answer(vbYes);
            form->cmdClose_Click();
        } else {
            EXPECT_TRUE(platform.messages->boxes().empty());
        }
        EXPECT_FALSE(form->isVisible());
    }
}

TEST_P(frmUDEntryLoadTest, OpensThroughTheRegistryForTheWorkListsAdmission) {
    unitDose({});
    RegisterRequestWindowOpeners();
    QString shownAdmission;
    platform.modal->onShow<frmUDEntry>([&](frmUDEntry& w) {
        shownAdmission = w.lblPatInfo[7]->text();
        w.DataSaved = true;
        w.close();
    });
    OpenWindow(QStringLiteral("mnuAutoDispense"), {{QStringLiteral("PatientID"), QStringLiteral("1001")}});
    EXPECT_EQ(shownAdmission, " 1001");
    EXPECT_EQ(platform.modal->shown(), QStringList{"qx::frmUDEntry"});
}

} // namespace

QX_ON_BOTH_ENGINES(frmUDEntryLoadTest);

} // namespace qx::test
