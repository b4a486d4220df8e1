#include "PostedListFixture.h"
#include "ScriptedPickers.h"
#include "charging/SlipPrinting.h"
#include "platform/WidgetInput.h"
#include "reports/CatalogueOpening.h"
#include "returns/ReturnWindowOpeners.h"
#include "returns/frmListPostedCash.h"
#include "suite/OutpatientFileOPDPatient.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

namespace qx::test {
namespace {

// One line of a cash assessment.
struct SaleLine {
    QString refNum = QStringLiteral("PH000001");
    QString idNum = QStringLiteral("1001");
    QString name = QStringLiteral("DELA CRUZ, JUAN SANTOS");
    QString itemId = QStringLiteral("SENIOR1");
    double quantity = 1;
    double amount = 0;
    double discount = 0;
    QString discountName;
    QString revenue = QStringLiteral("PH");
    QVariant orNumber = QStringLiteral("OR-0001");
    QString userId = QStringLiteral("E042");
    QDateTime when = QDateTime(QDate(2026, 1, 6), QTime(10, 0));
};

// Admission 1001 (H000001, DELA CRUZ, JUAN SANTOS) and visit 5001A (H000101, REYES, MARIA LOPEZ),
// assessed by SANTOS, ANA (E042); the assessment slip beside the program; the reprinting
// employee is REYES, JOSE.
class frmListPostedCashTest : public PostedListTest {
protected:
    void SetUp() override {
        PostedListTest::SetUp();
        if (IsSkipped())
            return;
        addAdmittedPatient(db(), {.idNum = QStringLiteral("1001")});
        addOutPatientVisit(db(), {.idNum = QStringLiteral("5001A")});
        db().execute(QStringLiteral("INSERT INTO password.tbPasswordMaster (EmployeeID, LastName, FirstName) VALUES "
                                    "('E042', 'SANTOS', 'ANA')"));
        auto visit = std::make_shared<suite::OutpatientFileOPDPatient>([this] { return &db(); });
        ASSERT_TRUE(visit->InitConnection(db().connectionString()));
        gComponents.gOPDPatient = visit;
        gComponents.gOPDList = visits;
        ASSERT_TRUE(installShippedReport(platform.folders->program, QStringLiteral("AssessSlip.rpt")));
        gEmployeeName = QStringLiteral("REYES, JOSE");
        gEmployeePosition = QStringLiteral("PHARMACIST");
        frmListPostedCash::ReprintRemarks() = QString();
    }

    void sell(const SaleLine& l) {
        db().execute(QStringLiteral("INSERT INTO billing.tbCashAssessment (RefNum, RevenueID, ItemID, IDNum, Name, "
                                    "Quantity, UnitPrice, Amount, Discount, DiscountType, DiscountName, UserID, DoctorID, "
                                    "ORNumber, TransDate) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, '0', ?, ?, 'D001', ?, ?)"),
                     {l.refNum, l.revenue, l.itemId, l.idNum, l.name, l.quantity,
                      l.quantity == 0 ? 0.0 : (l.amount + l.discount) / l.quantity, l.amount, l.discount,
                      l.discountName, l.userId, l.orNumber, l.when});
    }
    // The Part's example: 100.00 less 20.00, 50.00, and 30.00 less 5.00, one sale each.
    void sellExample() {
        sell({.refNum = QStringLiteral("PH000001"), .quantity = 2, .amount = 100, .discount = 20,
              .discountName = QStringLiteral("CF-SENIOR")});
        sell({.refNum = QStringLiteral("PH000002"), .itemId = QStringLiteral("OTHER1"), .quantity = 5, .amount = 50,
              .when = QDateTime(QDate(2026, 1, 7), QTime(9, 0))});
        sell({.refNum = QStringLiteral("PH000003"), .quantity = 3, .amount = 30, .discount = 5,
              .when = QDateTime(QDate(2026, 1, 8), QTime(9, 0))});
    }

    std::unique_ptr<frmListPostedCash> open() {
        auto form = std::make_unique<frmListPostedCash>();
        form->Form_Load();
        form->show();
        return form;
    }
    void find(frmListPostedCash& f, int kind, const QString& typed) {
        f.optType(kind)->setChecked(true);
        f.txtFind->setText(typed);
        pressKey(f.txtFind, Qt::Key_Return, QStringLiteral("\r"));
    }
    static QStringList totals(frmListPostedCash& f) {
        return {f.lblTotalPosted->text(), f.lblTotalReturn->text(), f.lblAdjusted->text(), f.lblDiscount->text(),
                f.lblTotal->text()};
    }
    static QStringList columnOf(frmListPostedCash& f, int col) {
        QStringList values;
        for (int row = 1; row < f.flexMSHList->rows(); ++row)
            values << f.flexMSHList->textMatrix(row, col);
        return values;
    }
    int flag(const QString& table, const QString& id) {
        return db().query(QStringLiteral("SELECT PharmaSeniorDiscounted FROM patient_data.%1 WHERE IDNum = ?").arg(table), {id})
            .value(0)
            .toInt();
    }
    QStringList staged() {
        return column(QStringLiteral("SELECT UserID, IdNum, RefNum, ItemID, Quantity, Amount, Discount FROM tbPharmaChargePrint "
                                     "ORDER BY id"));
    }
    QString lastMessage() { return platform.messages->boxes().empty() ? QString() : platform.messages->boxes().back().text; }

    std::shared_ptr<PickedRosterVisit> visits = std::make_shared<PickedRosterVisit>();
};

TEST_P(frmListPostedCashTest, ListsThePaidPharmacyLinesOfThePatientWithTheStoredDiscounts) {
    sellExample();
    // Left out: no receipt yet, another revenue, another form of the name, another patient.
    sell({.refNum = QStringLiteral("PH000009"), .amount = 999, .orNumber = QVariant()});
    sell({.refNum = QStringLiteral("LB000001"), .amount = 999, .revenue = QStringLiteral("LB")});
    sell({.refNum = QStringLiteral("PH000010"), .name = QStringLiteral("DELA CRUZ, JUAN"), .amount = 999});
    sell({.refNum = QStringLiteral("PH000011"), .idNum = QStringLiteral("1002"), .amount = 999});
    // Listed without a unit price: a line of quantity 0.
    sell({.refNum = QStringLiteral("PH000004"), .itemId = QStringLiteral("OTHER1"), .quantity = 0, .amount = 0,
          .when = QDateTime(QDate(2026, 1, 9), QTime(9, 0))});
    auto form = open();
    EXPECT_EQ(form->windowTitle(), "List Posted Cash");
    EXPECT_TRUE(form->optType(1)->isChecked());
    EXPECT_FALSE(form->chkSenior->isVisible());
    EXPECT_FALSE(form->chkPatientsMed->isVisible());
    EXPECT_EQ(form->flexMSHList->textMatrix(0, 7), "Encoder");

    find(*form, 1, QStringLiteral("1001"));
    EXPECT_EQ(form->txtFind->text(), " 1001");
    EXPECT_EQ(form->lblPatInfo[0]->text(), " H000001");
    EXPECT_EQ(form->lblPatInfo[1]->text(), " DELA CRUZ, JUAN SANTOS");
    EXPECT_TRUE(form->lblPatInfo[4]->text().startsWith(QStringLiteral(" 301 - ")));
    EXPECT_FALSE(form->cmdFind->isEnabled());
    EXPECT_EQ(form->flexMSHList->cols(), 16);
    EXPECT_EQ(form->flexMSHList->textMatrix(0, 1), "Reference #");
    EXPECT_EQ(form->flexMSHList->textMatrix(0, 9), "");
    EXPECT_EQ(columnOf(*form, 1), (QStringList{"PH000001", "PH000002", "PH000003", "PH000004"}));
    EXPECT_EQ(columnOf(*form, 2).value(0), "SANTOS, ANA");
    EXPECT_EQ(columnOf(*form, 3).value(0), "BIOGESIC 500 MG TABLET");
    EXPECT_EQ(columnOf(*form, 5), (QStringList{"Issued", "Issued", "Issued", "Issued"}));
    EXPECT_EQ(columnOf(*form, 12), (QStringList{"*", "", "", ""}));
    EXPECT_EQ(columnOf(*form, 13), (QStringList{"50", "10", "10", ""}));
    EXPECT_EQ(totals(*form), (QStringList{"205.00", "0.00", "0.00", "25.00", "180.00"}));
    EXPECT_FALSE(form->fraSC->isVisible());

    // A patient without paid sales: the empty layout and zero totals.
    find(*form, 2, QStringLiteral("5001A"));
    EXPECT_EQ(form->flexMSHList->rows(), 2);
    EXPECT_EQ(form->flexMSHList->cols(), 14);
    EXPECT_EQ(totals(*form), (QStringList{"0.00", "0.00", "0.00", "0.00", "0.00"}));
}

TEST_P(frmListPostedCashTest, FindsEachKindByNumberOrPickerAndARefusalKeepsTheListedPatient) {
    struct Case {
        const char* name;
        int kind;
        const char* typed;
        const char* choice;  // the picker's answer
        const char* box;     // the find box afterwards
        const char* asked;   // what the picker was shown
        const char* message;
        const char* hospNum;  // banner slot 0
    };
    const Case cases[] = {
        {"admission by number", 1, "1001", "", " 1001", "", "", " H000001"},
        {"admission by name", 1, "dela", "1001", " 1001", "dela#2", "", " H000001"},
        {"admission picker cancelled", 1, "xyz", "", "1001", "xyz#2", "", " H000001"},
        {"unknown admission", 1, "9999", "", "1001", "", "Patient number not found!", " H000001"},
        {"visit by number", 2, "5001a", "", "5001A", "", "", "H000101"},
        {"visit by name", 2, "REYES", "5001A", "5001A", "REYES", "", "H000101"},
        {"unknown visit", 2, "ZZZ", "X9", "5001A", "ZZZ", "Patient not found.", "H000101"},
    };
    auto form = open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        admissions->asked.clear();
        visits->asked.clear();
        admissions->choice = visits->choice = QString::fromLatin1(c.choice);
        platform.messages->clear();
        find(*form, c.kind, QString::fromLatin1(c.typed));
        EXPECT_EQ(form->txtFind->text(), c.box);
        EXPECT_EQ((c.kind == 1 ? admissions->asked : visits->asked).join(u','), c.asked);
        EXPECT_EQ(lastMessage(), c.message);
        EXPECT_EQ(form->lblPatInfo[0]->text(), c.hospNum);
    }
    EXPECT_EQ(form->lblPatInfo[1]->text(), "REYES, MARIA LOPEZ");
    EXPECT_EQ(form->lblPatInfo[3]->text(), "");
    EXPECT_EQ(form->lblPatInfo[4]->text(), "OPD");
    EXPECT_EQ(form->lblPatInfo[6]->text(), "F");
}

TEST_P(frmListPostedCashTest, AFailedAdmissionSearchAsksToRetryAndNoClosesTheList) {
    sellExample();
    auto form = open();
    db().executeScript(QStringLiteral("ALTER TABLE patient_data.tbPatient2 RENAME TO tbPatient2Moved"));
    // Yes: the table is back by then, and the search lists the patient.
    platform.messages->answer(vbYes);
    platform.messages->onShow([this](const ScriptedMessageBoxService::Box&) {
        db().executeScript(QStringLiteral("ALTER TABLE patient_data.tbPatient2Moved RENAME TO tbPatient2"));
    });
    find(*form, 1, QStringLiteral("1001"));
    ASSERT_EQ(platform.messages->boxes().size(), 1u);
    const auto& box = platform.messages->boxes().front();
    EXPECT_EQ(box.title, "Message : Error");
    EXPECT_TRUE(box.text.endsWith(QStringLiteral(": Click Yes to Retry, NO to Exit"))) << box.text.toStdString();
    EXPECT_EQ(box.buttons(), vbYesNo);
    EXPECT_EQ(totals(*form), (QStringList{"205.00", "0.00", "0.00", "25.00", "180.00"}));
    EXPECT_TRUE(form->isVisible());

    // No: the list closes, the program goes on.
    platform.messages->clear();
    platform.messages->onShow({});
    db().executeScript(QStringLiteral("DROP TABLE patient_data.tbPatient2"));
    platform.messages->answer(vbNo);
    find(*form, 1, QStringLiteral("1001"));
    EXPECT_EQ(platform.messages->boxes().size(), 1u);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(platform.programEnd->ended(), 0);
}

TEST_P(frmListPostedCashTest, FlagsAreReadAndWrittenByKindOnlyWhenTheBoxChanges) {
    sellExample();
    // A stored 2 reads as flagged; a write would turn it into 1.
    db().execute(QStringLiteral("UPDATE patient_data.tbPatient SET PharmaSeniorDiscounted = 2 WHERE IDNum = '1001'"));
    db().execute(QStringLiteral("UPDATE patient_data.tbOutPatient SET PharmaSeniorDiscounted = 2 WHERE IDNum = '5001A'"));
    db().execute(QStringLiteral("UPDATE patient_data.tbPatient2 SET PatientsMed = 1 WHERE IdNum = '1001'"));
    db().execute(QStringLiteral("UPDATE patient_data.tbMaster SET SeniorCitizenID = 'SC-77', SCBookletNumber = 'B-9' "
                                "WHERE HospNum = 'H000001'"));
    auto form = open();
    find(*form, 1, QStringLiteral("1001"));
    EXPECT_TRUE(form->chkSenior->isChecked());
    EXPECT_TRUE(form->chkPatientsMed->isChecked());
    EXPECT_TRUE(form->fraSC->isVisible());
    EXPECT_TRUE(form->cmdPrintSeniorList->isVisible());
    EXPECT_EQ(form->txtSCID->text(), "SC-77");
    EXPECT_EQ(form->txtBookletNumber->text(), "B-9");
    EXPECT_EQ(totals(*form), (QStringList{"205.00", "0.00", "0.00", "25.00", "180.00"}));
    EXPECT_EQ(flag(QStringLiteral("tbPatient"), QStringLiteral("1001")), 1);

    // Still ticked for the flagged visit: nothing written, the own-medicine box left alone.
    find(*form, 2, QStringLiteral("5001A"));
    EXPECT_TRUE(form->chkSenior->isChecked());
    EXPECT_TRUE(form->chkPatientsMed->isChecked());
    EXPECT_EQ(flag(QStringLiteral("tbOutPatient"), QStringLiteral("5001A")), 2);

    // Unflag the visit behind the list's back: the next find unticks and writes the visit's table.
    db().execute(QStringLiteral("UPDATE patient_data.tbOutPatient SET PharmaSeniorDiscounted = 0 WHERE IDNum = '5001A'"));
    db().execute(QStringLiteral("UPDATE patient_data.tbPatient SET PharmaSeniorDiscounted = 2 WHERE IDNum = '1001'"));
    find(*form, 2, QStringLiteral("5001A"));
    EXPECT_FALSE(form->chkSenior->isChecked());
    EXPECT_FALSE(form->fraSC->isVisible());
    EXPECT_FALSE(form->cmdPrintSeniorList->isVisible());
    EXPECT_EQ(flag(QStringLiteral("tbOutPatient"), QStringLiteral("5001A")), 0);
    EXPECT_EQ(flag(QStringLiteral("tbPatient"), QStringLiteral("1001")), 2);

    // The SC update of the admission, an empty booklet stored as empty.
    find(*form, 1, QStringLiteral("1001"));
    form->txtSCID->setText(QStringLiteral(" O'BRIEN-1 "));
    form->txtBookletNumber->clear();
    form->cmdUpdateSC->click();
    EXPECT_EQ(column(QStringLiteral("SELECT SeniorCitizenID, SCBookletNumber FROM patient_data.tbMaster WHERE HospNum = 'H000001'")),
              QStringList{"O'BRIEN-1|"});
    EXPECT_EQ(lastMessage(), "SC Updated. Click ok to continue.");
}

TEST_P(frmListPostedCashTest, ListPrintsHandTheCashAndSeniorReportsTheTotals) {
    sellExample();
    db().execute(QStringLiteral("UPDATE patient_data.tbPatient SET PharmaSeniorDiscounted = 1 WHERE IDNum = '1001'"));
    QStringList shown;
    platform.modal->onShow<frmView>([&](frmView& view) {
        shown << QStringLiteral("%1|%2|%3|%4|%5|%6")
                     .arg(view.WhatReport())
                     .arg(view.AdmNum())
                     .arg(view.TotalPosted())
                     .arg(view.TotalReturned())
                     .arg(view.TotalDiscount())
                     .arg(view.TotalAdjusted());
        view.close();
    });
    auto form = open();
    form->cdmPrintPosted->click();
    find(*form, 1, QStringLiteral("1001"));
    form->cdmPrintPosted->click();
    form->cmdPrintSeniorList->click();
    EXPECT_EQ(shown, (QStringList{"94||0|0|0|0", "94|1001|205|0|25|0", "9|1001|205|0|25|0"}));
    EXPECT_TRUE(userLog().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Engines, frmListPostedCashTest,
                         ::testing::Values(::qx::Engine::SQLite, ::qx::Engine::PostgreSQL), ::qx::test::engineName);

// The assessment-slip reprints of the listed sales.
class frmListPostedCashReprintTest : public frmListPostedCashTest {
protected:
    void SetUp() override {
        frmListPostedCashTest::SetUp();
        if (IsSkipped())
            return;
        // PH000001: three lines, the last one keyed by another user.
        sell({.refNum = QStringLiteral("PH000001"), .quantity = 2, .amount = 80, .discount = 20,
              .discountName = QStringLiteral("CF-SENIOR")});
        sell({.refNum = QStringLiteral("PH000001"), .itemId = QStringLiteral("OTHER1"), .quantity = 5, .amount = 50});
        sell({.refNum = QStringLiteral("PH000001"), .quantity = 3, .amount = 25, .discount = 5,
              .userId = QStringLiteral("E077")});
        form = open();
        find(*form, 1, QStringLiteral("1001"));
        platform.messages->clear();
    }
    std::unique_ptr<frmListPostedCash> form;
};

TEST_P(frmListPostedCashReprintTest, StagesTheSaleUnderCashAndPrintsOneSlipAtEverySite) {
    const QStringList oneSet{"E042|CASH|PH000001|SENIOR1|2|80|20", "E042|CASH|PH000001|OTHER1|5|50|0",
                             "E042|CASH|PH000001|SENIOR1|3|25|5"};
    for (const char* site : {"JAWKC", "ZMX"}) {
        SCOPED_TRACE(site);
        gSiteCode = QString::fromLatin1(site);
        SaveChargeSlipCopies(QStringLiteral("3"));
        clearPrintOuts();
        form->flexMSHList->setRow(2);
        form->cmdPrint->click();
        EXPECT_EQ(printOuts(), 1);
        EXPECT_EQ(staged(), oneSet);
        EXPECT_TRUE(platform.messages->boxes().empty()) << lastMessage().toStdString();
        EXPECT_TRUE(platform.modal->shown().isEmpty()) << platform.modal->shown().join(u',').toStdString();
        EXPECT_TRUE(form->cmdPrint->isEnabled());
    }
    const QStringList texts = printed();
    ASSERT_EQ(texts.size(), 1);
    EXPECT_TRUE(texts[0].contains(QStringLiteral("Encoded by: REYES, JOSE"))) << texts[0].toStdString();
}

TEST_P(frmListPostedCashReprintTest, ASaleWithoutLinesOrAMissingSlipIsToldAndTheListGoesOn) {
    // Another encoder's rows of the sale are left alone.
    db().execute(QStringLiteral("INSERT INTO tbPharmaChargePrint (UserID, RefNum, IdNum, ItemID) VALUES ('E077', 'PH000001', 'CASH', 'X')"));
    form->flexMSHList->setTextMatrix(1, 1, QStringLiteral("PH999999"));
    form->cmdPrint->click();
    EXPECT_EQ(lastMessage(), "No line of this sale was found. Nothing was printed.");
    EXPECT_EQ(printOuts(), 0);
    EXPECT_EQ(staged(), QStringList{"E077|CASH|PH000001|X|0|0|0"});

    form->flexMSHList->setTextMatrix(1, 1, QStringLiteral("PH000001"));
    ASSERT_TRUE(QFile::remove(QDir(platform.folders->program).filePath(QStringLiteral("Reports/AssessSlip.rpt"))));
    platform.messages->clear();
    form->cmdPrint->click();
    ASSERT_EQ(platform.messages->boxes().size(), 1u);
    const auto& box = platform.messages->boxes().front();
    EXPECT_EQ(box.text, "File " + QDir(platform.folders->program).filePath(QStringLiteral("AssessSlip.rpt")) +
                            " does not exists.5");
    EXPECT_EQ(box.title, "Quillax");
    EXPECT_EQ(printOuts(), 0);
    EXPECT_EQ(staged().size(), 4);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->cmdPrint->isEnabled());
    EXPECT_EQ(platform.programEnd->ended(), 0);

    // The blank row of the empty layout reprints nothing.
    form->ClearGridList();
    platform.messages->clear();
    form->cmdPrint->click();
    EXPECT_TRUE(platform.messages->boxes().empty());
    EXPECT_TRUE(form->cmdPrint->isEnabled());
}

TEST_P(frmListPostedCashReprintTest, TheSlipCarriesTheSaleAndTheRemarksAskedOncePerRun) {
    gSiteCode = QStringLiteral("OXBEN");
    gHospitalName = QStringLiteral("ST. JUDE'S HOSPITAL");
    inputBox->answers = {std::nullopt};
    form->cmdPrint->click();
    EXPECT_EQ(printOuts(), 0);
    inputBox->answers = {QStringLiteral("  "), QStringLiteral("RUSH COPY")};
    form->cmdPrint->click();
    clearPrintOuts();
    form->cmdPrint->click();
    EXPECT_EQ(inputBox->asked.size(), 3);
    EXPECT_EQ(inputBox->asked.value(0), "Enter Remarks: |Remarks|");
    const QStringList texts = printed();
    ASSERT_EQ(texts.size(), 1);
    QString slip = texts[0];
    slip.replace(QRegularExpression(QStringLiteral("Printed [^\\n]*?(?=\\s{2,}Page)")), QStringLiteral("Printed <time>"));
    expectReportGolden(QStringLiteral("AssessSlip_ListReprint.txt"), slip);
}

INSTANTIATE_TEST_SUITE_P(Engines, frmListPostedCashReprintTest,
                         ::testing::Values(::qx::Engine::SQLite, ::qx::Engine::PostgreSQL), ::qx::test::engineName);

TEST(frmListPostedCashOpenerTest, TheCashMenuCommandOpensTheListAndEscClosesIt) {
    ScriptedPlatform platform;
    ClearWindowOpeners();
    RegisterReturnWindowOpeners();
    QString caption;
    bool closedByEsc = false;
    platform.modal->onShow<frmListPostedCash>([&](frmListPostedCash& list) {
        caption = list.windowTitle();
        list.show();
        pressKey(list.txtFind, Qt::Key_Escape, QStringLiteral("\x1b"));
        closedByEsc = !list.isVisible();
    });
    OpenWindow(QStringLiteral("mnuListPostedCash"));
    EXPECT_EQ(caption, "List Posted Cash");
    EXPECT_TRUE(closedByEsc);
    ClearWindowOpeners();
}

} // namespace
} // namespace qx::test
