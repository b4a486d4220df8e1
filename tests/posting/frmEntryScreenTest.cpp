#include "frmEntryFixture.h"

#include "charging/ColorLegend.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "mainwindow/frmPharma.h"
#include "posting/PostingWindowOpeners.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

namespace qx::test {
namespace {

// A doctor file that counts the searches made on it.
class CountedDoctor : public Clinicians::Doctor {
public:
    explicit CountedDoctor(std::shared_ptr<Clinicians::Doctor> real) : real_(std::move(real)) {}
    bool InitConnection(const QString& s) override { return real_->InitConnection(s); }
    bool Search(const QString& code) override {
        searched << code;
        return real_->Search(code);
    }
    QString DoctorCode() const override { return real_->DoctorCode(); }
    QString DoctorName() const override { return real_->DoctorName(); }
    QStringList searched;

private:
    std::shared_ptr<Clinicians::Doctor> real_;
};

class frmEntryScreenTest : public frmEntryTest {
protected:
    void SetUp() override {
        frmEntryTest::SetUp();
        if (IsSkipped())
            return;
        db().execute(QStringLiteral("INSERT INTO build_file.tbCoCompany (AccountNum, Company) VALUES ('ACME', 'ACME CORP')"));
        addAdmittedPatient(db(), {.accountNum = QStringLiteral("ACME")});
        counted = std::make_shared<CountedDoctor>(gComponents.gDoctor);
        gComponents.gDoctor = counted;
    }
    // A posted stock-card line of the patient.
    void addIssue(const QString& item, double quantity, const QString& dosage, const QDateTime& when,
                  const QString& idNum = QStringLiteral("1001")) {
        db().execute(QStringLiteral("INSERT INTO tbInvStockCard (IdNum, ItemID, SummaryCode, Quantity, DosageID, Remarks, "
                                    "RefNum, TransDate) VALUES (?, ?, 'PH', ?, ?, 'AFTER MEALS', 'CS1', ?)"),
                     {idNum, item, quantity, dosage, when});
    }
    std::shared_ptr<CountedDoctor> counted;
};

TEST_P(frmEntryScreenTest, BannerShowsTheFoundPatient) {
    db().execute(QStringLiteral("INSERT INTO build_file.tbCoExecutivePackage (IDNum, Package) VALUES ('1001', 'GOLD PACKAGE')"));
    auto form = openScreen();
    find(*form, QStringLiteral(" 1001"));
    const QString expected[] = {QStringLiteral("H000001"), QStringLiteral("3F - STATION 3F"),
                                QStringLiteral("DELA CRUZ, JUAN SANTOS"), QStringLiteral("DOCTOR D001, TEST"),
                                QStringLiteral("301 (3F)"), QString(), QString(), QStringLiteral("ACME CORP"),
                                suite::InpatientFilePatient::ageOn(QDate(1970, 5, 17), QDate::currentDate()),
                                QStringLiteral("M")};
    for (int i : {0, 1, 2, 3, 4, 7, 8, 9})
        EXPECT_EQ(form->lblPatInfo[i]->text(), expected[i]) << i;
    EXPECT_EQ(form->txtFind->text(), QStringLiteral("1001"));
    EXPECT_EQ(form->txtDocCode->text(), QStringLiteral("D001"));
    EXPECT_TRUE(form->lblExecPackage->isVisible());
    EXPECT_EQ(form->lblExecPackage->text(), QStringLiteral("GOLD PACKAGE"));
    EXPECT_FALSE(form->lblMarkUp->isVisible());
    EXPECT_FALSE(form->lblVelmira->isVisible());
    // The first find opens the editor on Code of line 1.
    EXPECT_EQ(form->grdItemList->row(), 1);
    EXPECT_EQ(form->grdItemList->col(), 1);
    EXPECT_TRUE(form->txtEntry()->isVisible());
    EXPECT_FALSE(form->cmdFind->isEnabled());
    form->txtFind->setText(QStringLiteral("100"));
    EXPECT_TRUE(form->cmdFind->isEnabled());
}

TEST_P(frmEntryScreenTest, ChargeSlipNumberBySiteAndSwitch22) {
    db().execute(QStringLiteral("INSERT INTO tbChargeSlipTerminal (UserID, ChargeSlip) VALUES ('1234', 57)"));
    struct Case { const char* site; bool switch22; const char* slip; };
    for (const Case& c : {Case{"QVH", true, "C000057M"}, Case{"DEMO", true, "1001-0001"}, Case{"DEMO", false, "00000001"}}) {
        SCOPED_TRACE(c.site);
        gSiteCode = QString::fromLatin1(c.site);
        setPharmaSwitch(QStringLiteral("22"), c.switch22);
        auto form = openScreen();
        find(*form, QStringLiteral("1001"));
        EXPECT_EQ(form->lblPatInfo[5]->text(), QString::fromLatin1(c.slip));
    }
}

TEST_P(frmEntryScreenTest, RoomClassAndMarkUpOnlyWithSocializedPricingAndARow) {
    db().execute(QStringLiteral("INSERT INTO build_file.tbCoRoomClass (RoomClassID, RoomClass, MarkUp) VALUES ('A', 'PRIVATE', 10)"));
    addAdmittedPatient(db(), {.idNum = QStringLiteral("1002"), .roomId = QString()});
    auto plain = openScreen();
    find(*plain, QStringLiteral("1001"));
    EXPECT_FALSE(plain->lblMarkUp->isVisible());
    EXPECT_EQ(plain->lblMarkUp->text(), QString());

    gSocializePricing = true;
    auto form = openScreen();
    find(*form, QStringLiteral("1001"));
    EXPECT_TRUE(form->lblMarkUp->isVisible());
    EXPECT_TRUE(form->lblRoomClass->isVisible());
    EXPECT_EQ(form->lblMarkUp->text(), QStringLiteral("10"));
    EXPECT_EQ(form->lblRoomClass->text(), QStringLiteral("PRIVATE"));
    // No room row: the labels keep what they showed.
    find(*form, QStringLiteral("1002"));
    EXPECT_EQ(form->txtFind->text(), QStringLiteral("1002"));
    EXPECT_EQ(form->lblMarkUp->text(), QStringLiteral("10"));
    EXPECT_TRUE(form->lblRoomClass->isVisible());
}

TEST_P(frmEntryScreenTest, SponsorshipLabelFollowsThePatient) {
    gVelmira = true;
    addAdmittedPatient(db(), {.idNum = QStringLiteral("1002")});
    db().execute(QStringLiteral("INSERT INTO build_file.tbCoVelmiraPatient (PatientID, Velmira) VALUES ('1001', 1)"));
    auto form = openScreen();
    find(*form, QStringLiteral("1001"));
    EXPECT_TRUE(form->lblVelmira->isVisible());
    find(*form, QStringLiteral("1002"));
    EXPECT_FALSE(form->lblVelmira->isVisible());
}

TEST_P(frmEntryScreenTest, ColourCodingMakesTheWindowTallerWithTheLegend) {
    for (const char* row : {"('1', 'RESERVED')", "('2', 'RESTRICTED')", "('3', 'FIRST LINE')", "('4', 'SECOND LINE')"})
        db().execute(QStringLiteral("INSERT INTO tbInvAntibioticClass (AntibioticClassID, AntibioticClass) VALUES ") +
                     QString::fromLatin1(row));
    auto plain = openScreen();
    EXPECT_EQ(plain->height(), twipsToPixels(frmEntry::kNormalHeight));
    EXPECT_EQ(plain->ColorLegendFrame->lblRed->text(), QString());

    gShowColorAntibioticClass = true;
    auto form = openScreen();
    EXPECT_EQ(form->height(), twipsToPixels(9090));
    const ColorLegend& legend = *form->ColorLegendFrame;
    EXPECT_EQ(legend.title(), QStringLiteral("LEGEND: Grid Font Color"));
    EXPECT_EQ(legend.lblRed->text(), QStringLiteral("- RESERVED"));
    EXPECT_EQ(legend.lblBlue->text(), QStringLiteral("- RESTRICTED"));
    EXPECT_EQ(legend.lblGreen->text(), QStringLiteral("- FIRST LINE"));
    EXPECT_EQ(legend.lblOrange->text(), QStringLiteral("- SECOND LINE"));
    EXPECT_TRUE(form->fraPrevious->isVisible());
}

TEST_P(frmEntryScreenTest, DoctorLookUp) {
    addAdmittedPatient(db(), {.idNum = QStringLiteral("1002"), .doctorId = QStringLiteral("D002")});
    struct Case {
        const char* name;
        bool gridEnabled;
        const char* typed;
        const char* picked;  // nullptr: the picker must not open
        QStringList searched;
        const char* code;
        const char* caption;
        const char* message;
        bool gridFocused;
    };
    const Case cases[] = {
        {"found at once", true, "d002 ", nullptr, {"d002 ", "d002 "}, "D002", " DR. TEST DOCTOR D002", nullptr, true},
        {"found, grid disabled", false, "D002", nullptr, {"D002", "D002"}, "D002", " DR. TEST DOCTOR D002", nullptr, false},
        {"chosen in the picker", true, "DOC", "D002", {"DOC", "D002"}, "D002", " DR. TEST DOCTOR D002", nullptr, true},
        {"picker cancelled", true, "DOC", "", {"DOC"}, "DOC", "CAPTION", nullptr, false},
        {"picked but unknown", true, "", "X9", {"", "X9"}, "", "CAPTION", "Doctor's code is not found.", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto form = openScreen();
        form->grdItemList->setEnabled(c.gridEnabled);
        form->lblPatInfo[3]->setText(QStringLiteral("CAPTION"));
        form->txtDocCode->setText(QString::fromLatin1(c.typed));
        form->txtDocCode->setFocus();
        QApplication::processEvents();
        counted->searched.clear();
        doctors->asked.clear();
        doctors->choice = QString::fromLatin1(c.picked ? c.picked : "");
        platform.messages->clear();

        pressKey(form->txtDocCode, Qt::Key_Return, QStringLiteral("\r"));
        QApplication::processEvents();

        EXPECT_EQ(counted->searched, c.searched);
        EXPECT_EQ(doctors->asked, c.picked ? QStringList{QString::fromLatin1(c.typed)} : QStringList{});
        EXPECT_EQ(form->txtDocCode->text(), QString::fromLatin1(c.code));
        EXPECT_EQ(form->lblPatInfo[3]->text(), QString::fromLatin1(c.caption));
        EXPECT_EQ(platform.messages->texts(), c.message ? QStringList{QString::fromLatin1(c.message)} : QStringList{});
        if (c.message) {
            EXPECT_EQ(platform.messages->last().style, vbExclamation);
        }
        EXPECT_EQ(form->grdItemList->hasFocus() || form->txtEntry()->hasFocus(), c.gridFocused);
        if (!c.gridFocused) {
            EXPECT_TRUE(form->txtDocCode->hasFocus());
        }
    }
}

TEST_P(frmEntryScreenTest, ProfileFollowsTheCurrentLine) {
    addIssue(QStringLiteral("PARA500"), 2, QStringLiteral("1 TAB Q4H"), QDateTime(QDate(2026, 1, 6), QTime(9, 0)));
    addIssue(QStringLiteral("PARA500"), 4, QStringLiteral("1 TAB Q6H"), QDateTime(QDate(2026, 1, 7), QTime(9, 0)));
    addIssue(QStringLiteral("PARA500"), 9, QStringLiteral("OTHER"), QDateTime(QDate(2026, 1, 7), QTime(9, 0)),
             QStringLiteral("1002"));
    auto form = openScreen();
    find(*form, QStringLiteral("1001"));
    FlexGrid& profile = *form->flexMSHPrevious;
    EXPECT_EQ(profile.rows(), 2);  // line 1 is empty
    EXPECT_FALSE(profile.isEnabled());
    EXPECT_EQ(profile.formatString(), ItemProfile::kItemLayout);

    form->grdItemList->setTextMatrix(1, 1, QStringLiteral("PARA500"));
    form->grdItemList->setRow(2);
    form->grdItemList->setRow(1);
    QApplication::processEvents();
    ASSERT_EQ(profile.rows(), 3);
    EXPECT_TRUE(profile.isEnabled());
    EXPECT_EQ(profile.textMatrix(0, 0), QStringLiteral("Trans. Date "));
    EXPECT_EQ(profile.textMatrix(1, 3), QStringLiteral("1 TAB Q6H"));
    EXPECT_EQ(profile.textMatrix(1, 2), QStringLiteral("4"));
    EXPECT_EQ(profile.textMatrix(2, 3), QStringLiteral("1 TAB Q4H"));
    EXPECT_EQ(profile.colWidth(0), int(std::lround(pixelsToTwips(profile.width()) / 6.0)));

    // A click on an empty line empties the profile again and disables it.
    form->grdItemList->setRow(2);
    QApplication::processEvents();
    EXPECT_EQ(profile.rows(), 2);
    EXPECT_EQ(profile.textMatrix(1, 0), QString());
    EXPECT_FALSE(profile.isEnabled());
}

TEST_P(frmEntryScreenTest, PostedListReceivesTheTrimmedAdmission) {
    QStringList received;
    RegisterWindowOpener(QStringLiteral("frmListPosted"), [&](const WindowValues& in) {
        received << in.value(QStringLiteral("IDNum")).toString();
        return WindowValues{};
    });
    auto form = openScreen();
    form->cmdPosted->click();
    form->txtFind->setText(QStringLiteral(" 1001 "));
    form->cmdPosted->click();
    EXPECT_EQ(received, (QStringList{QString(), QStringLiteral("1001")}));
}

TEST_P(frmEntryScreenTest, ClosingAsksOnlyWithASavableLine) {
    auto form = openScreen();
    find(*form, QStringLiteral("1001"));
    for (int col : {1, 5, 6, 8})
        form->grdItemList->setTextMatrix(1, col, col == 1 ? QStringLiteral("PARA500") : QStringLiteral("2"));
    platform.messages->answer(vbNo);
    form->cmdClose->click();
    EXPECT_EQ(platform.messages->last().text, QStringLiteral("You have unsaved entry.  Do you wish to exit?"));
    EXPECT_EQ(platform.messages->last().style, vbInformation + vbYesNo);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->grdItemList->textMatrix(1, 1), QStringLiteral("PARA500"));

    form->grdItemList->setTextMatrix(1, 8, QString());
    platform.messages->clear();
    pressKey(form->txtFind, Qt::Key_Escape, QStringLiteral("\x1b"));
    EXPECT_TRUE(platform.messages->boxes().empty());
    EXPECT_FALSE(form->isVisible());
}

TEST_P(frmEntryScreenTest, MenuCommandAndToolbarButtonOpenTheScreenModally) {
    RegisterPostingWindowOpeners();
    frmPharma mainWindow;
    int opened = 0;
    platform.modal->onShow<frmEntry>([&](frmEntry& form) {
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Manual Posting ( IN-PATIENT )"));
        EXPECT_FALSE(form.grdItemList->isEnabled());
        find(form, QStringLiteral("1001"));
        EXPECT_EQ(form.lblPatInfo[2]->text(), QStringLiteral("DELA CRUZ, JUAN SANTOS"));
        ++opened;
        form.close();
    });
    mainWindow.command(QStringLiteral("mnuManualInPatient"))->trigger();
    mainWindow.tbrPharma_ButtonClick(4);
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(platform.modal->shown(), (QStringList{QStringLiteral("qx::frmEntry"), QStringLiteral("qx::frmEntry")}));
}

QX_ON_BOTH_ENGINES(frmEntryScreenTest);

} // namespace
} // namespace qx::test
