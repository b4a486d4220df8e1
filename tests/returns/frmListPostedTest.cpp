#include "PostedListFixture.h"
#include "returns/ReturnWindowOpeners.h"
#include "returns/frmListPosted.h"
#include "charging/SlipPrinting.h"
#include "charging/frmChargeSlipCopies.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include "platform/WidgetInput.h"

namespace qx::test {
namespace {

// Admission 1001 (H000001, DELA CRUZ, JUAN SANTOS) with an issued senior-discounted line of
// 1,000.00 and an issued gauze line of 250.00 under CS0001 (listed first, by its code), and a return of 100.00 under CM0001.
class frmListPostedTest : public PostedListTest {
protected:
    void SetUp() override {
        PostedListTest::SetUp();
        if (IsSkipped())
            return;
        addAdmittedPatient(db(), {.idNum = QStringLiteral("1001")});
        addAdmittedPatient(db(), {.idNum = QStringLiteral("1002"),
                                  .person = {.hospNum = QStringLiteral("H000002"), .lastName = QStringLiteral("O'NEIL"),
                                             .firstName = QStringLiteral("ANA"), .sex = QStringLiteral("F")},
                                  .roomId = QStringLiteral("302")});
        post({.itemId = QStringLiteral("SENIOR1"), .quantity = 10, .amount = 1000});
        post({.itemId = QStringLiteral("OTHER1"), .quantity = 5, .amount = 250, .dosage = QString()});
        post({.itemId = QStringLiteral("SENIOR1"), .summaryCode = QStringLiteral("PC"), .memo = QStringLiteral("CM0001"),
              .quantity = -1, .amount = 100, .when = QDateTime(QDate(2026, 1, 6), QTime(9, 0))});
        ReprintRemarks() = QString();
    }
    static QString& ReprintRemarks() { return frmListPosted::ReprintRemarks(); }

    std::unique_ptr<frmListPosted> open(const QString& idNum) {
        auto form = std::make_unique<frmListPosted>();
        form->setIDNum(idNum);
        form->Form_Load();
        form->show();
        return form;
    }
    QStringList totals(frmListPosted& f) {
        return {f.lblTotalPosted->text(), f.lblTotalReturn->text(), f.lblAdjusted->text(), f.lblDiscount->text(),
                f.lblTotal->text()};
    }
    QStringList amounts(frmListPosted& f) {
        QStringList values;
        for (int row = 1; row < f.flexMSHList->rows(); ++row)
            values << f.flexMSHList->textMatrix(row, 7);
        return values;
    }
    QString banner(frmListPosted& f) {
        QStringList values;
        for (QLabel* slot : f.lblPatInfo)
            values << slot->text();
        return values.join(u'|');
    }
    int storedFlag(const QString& table, const QString& id) {
        return db().query(QStringLiteral("SELECT PharmaSeniorDiscounted FROM patient_data.%1 WHERE IDNum = ?").arg(table), {id})
            .value(0)
            .toInt();
    }
    // Selects the row of the list whose reference and transaction match.
    void select(frmListPosted& f, const QString& transaction) {
        for (int row = 1; row < f.flexMSHList->rows(); ++row)
            if (f.flexMSHList->textMatrix(row, 5) == transaction) {
                f.flexMSHList->setRow(row);
                return;
            }
        FAIL() << "no row " << transaction.toStdString();
    }
};

TEST_P(frmListPostedTest, OnePatientUseListsTheAdmissionWithItsTotalsAndTheSeniorDiscount) {
    auto form = open(QStringLiteral(" 1001 "));
    EXPECT_EQ(form->windowTitle(), "List of Posted Medicines ( IN-PATIENT )");
    EXPECT_EQ(form->txtFind->text(), "1001");
    EXPECT_FALSE(form->txtFind->isEnabled());
    EXPECT_FALSE(form->cmdFind->isEnabled());
    EXPECT_EQ(form->chkSenior->text(), "&Senior Citizen (20 %)");
    EXPECT_EQ(form->lblPatInfo[0]->text(), "H000001");
    EXPECT_EQ(form->lblPatInfo[1]->text(), "DELA CRUZ, JUAN SANTOS");
    EXPECT_TRUE(form->lblPatInfo[3]->text().startsWith(QStringLiteral("3F - "))) << banner(*form).toStdString();
    EXPECT_TRUE(form->lblPatInfo[4]->text().startsWith(QStringLiteral("301 - "))) << banner(*form).toStdString();
    EXPECT_EQ(form->lblPatInfo[6]->text(), "M");
    EXPECT_EQ(form->flexMSHList->rows(), 4);
    EXPECT_EQ(form->flexMSHList->textMatrix(3, 5), "Returned");
    EXPECT_EQ(form->flexMSHList->textMatrix(3, 1), "CM0001");
    EXPECT_EQ(totals(*form), (QStringList{"1,250.00", "100.00", "0.00", "0.00", "1,150.00"}));
    EXPECT_FALSE(form->fraSC->isVisible());
    EXPECT_FALSE(form->cmdPrintSeniorList->isVisible());

    form->chkSenior->click();
    EXPECT_EQ(amounts(*form), (QStringList{"250.00", "800.00", "80.00"}));
    EXPECT_EQ(totals(*form), (QStringList{"1,250.00", "100.00", "0.00", "180.00", "970.00"}));
    EXPECT_EQ(storedFlag(QStringLiteral("tbPatient"), QStringLiteral("1001")), 1);
    EXPECT_TRUE(form->fraSC->isVisible());
    EXPECT_TRUE(form->cmdPrintSeniorList->isVisible());

    form->chkSenior->click();
    EXPECT_EQ(amounts(*form), (QStringList{"250.00", "1,000.00", "100.00"}));
    EXPECT_EQ(totals(*form), (QStringList{"1,250.00", "100.00", "0.00", "0.00", "1,150.00"}));
    EXPECT_EQ(storedFlag(QStringLiteral("tbPatient"), QStringLiteral("1001")), 0);
    EXPECT_FALSE(form->fraSC->isVisible());
    EXPECT_FALSE(form->cmdPrintSeniorList->isVisible());
}

TEST_P(frmListPostedTest, TotalsCountEachTransactionWordAndTheRateApplies) {
    auto form = open(QString());
    FlexGrid& grid = *form->flexMSHList;
    struct Line {
        const char* transaction;
        const char* amount;
        const char* item;
    };
    const Line lines[] = {{" issued ", "1,234.50", "SENIOR1"}, {"ADJUSTED", "34.50", "OTHER1"},
                          {"Returned", "200.00", "SENIOR1"},   {"other", "", "OTHER1"},
                          {"Issued", "abc", "OTHER1"}};
    grid.setRows(1 + int(std::size(lines)));
    for (int i = 0; i < int(std::size(lines)); ++i) {
        grid.setTextMatrix(i + 1, 5, QString::fromLatin1(lines[i].transaction));
        grid.setTextMatrix(i + 1, 7, QString::fromLatin1(lines[i].amount));
        grid.setTextMatrix(i + 1, 13, QString::fromLatin1(lines[i].amount));
        grid.setTextMatrix(i + 1, 4, QString::fromLatin1(lines[i].item));
    }
    form->ComputeTotals();
    EXPECT_EQ(totals(*form), (QStringList{"1,234.50", "200.00", "34.50", "", "1,000.00"}));
    struct Rate {
        qint16 percent;
        const char* discount;
        const char* total;
    };
    for (const Rate& r : {Rate{20, "206.90", "793.10"}, Rate{0, "0.00", "1,000.00"}}) {
        SCOPED_TRACE(r.percent);
        gSeniorCitizenDiscount = r.percent;
        form->SCDiscounter(true);
        EXPECT_EQ(form->lblDiscount->text(), r.discount);
        EXPECT_EQ(form->lblTotal->text(), r.total);
    }
}

TEST_P(frmListPostedTest, FindsByNumberOrPickerAndARefusedFindKeepsTheListedPatient) {
    auto form = open(QString());
    EXPECT_TRUE(form->txtFind->isEnabled());
    EXPECT_EQ(form->chkSenior->text(), "&Senior Citizen");
    EXPECT_EQ(form->flexMSHList->cols(), 14);
    EXPECT_EQ(form->flexMSHList->textMatrix(0, 7), "Encoder");
    struct Case {
        const char* name;
        const char* typed;
        const char* pickerChoice;
        const char* listed;  // the box afterwards
        const char* pickerAsked;
        const char* message;
    };
    const Case cases[] = {
        {"number", "1001", "", "1001", "", ""},
        {"picker", "dela", "1002", "1002", "dela#2", ""},
        {"picker cancelled", "xyz", "", "1002", "xyz#2", ""},
        {"not found", "9999", "", "1002", "", "Patient not found."},
        {"back to the first", "1001", "", "1001", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        admissions->asked.clear();
        admissions->choice = QString::fromLatin1(c.pickerChoice);
        platform.messages->clear();
        form->txtFind->setText(QString::fromLatin1(c.typed));
        pressKey(form->txtFind, Qt::Key_Return, QStringLiteral("\r"));
        EXPECT_EQ(form->txtFind->text(), c.listed);
        EXPECT_EQ(admissions->asked.join(u','), c.pickerAsked);
        EXPECT_EQ(platform.messages->boxes().empty() ? QString() : platform.messages->boxes().back().text, c.message);
        EXPECT_EQ(form->lblPatInfo[0]->text(), QString::fromLatin1(c.listed) == "1001" ? "H000001" : "H000002");
    }
    // The admission without lines shows the empty layout and its own zero totals.
    form->txtFind->setText(QStringLiteral("1002"));
    form->cmdFind->click();
    EXPECT_EQ(form->flexMSHList->rows(), 2);
    EXPECT_EQ(form->flexMSHList->cols(), 14);
    EXPECT_EQ(totals(*form), (QStringList{"0.00", "0.00", "0.00", "0.00", "0.00"}));
    // Typed letters are upper-cased.
    form->txtFind->clear();
    typeText(form->txtFind, QStringLiteral("ab"));
    EXPECT_EQ(form->txtFind->text(), "AB");
}

TEST_P(frmListPostedTest, AnAdmissionHandedInThatIsNotFoundOpensEmpty) {
    auto form = open(QStringLiteral("9999"));
    ASSERT_FALSE(platform.messages->boxes().empty());
    EXPECT_EQ(platform.messages->boxes().back().text, "Patient not found.");
    EXPECT_EQ(form->lblPatInfo[1]->text().trimmed(), "");
    EXPECT_EQ(form->flexMSHList->rows(), 2);
}

TEST_P(frmListPostedTest, TheStoredFlagDrivesTheSeniorBoxAndTheSCBoxesOnEveryFind) {
    db().execute(QStringLiteral("UPDATE patient_data.tbPatient SET PharmaSeniorDiscounted = 1 WHERE IDNum = '1001'"));
    db().execute(QStringLiteral("UPDATE patient_data.tbMaster SET SeniorCitizenID = 'SC-77', SCBookletNumber = NULL "
                                "WHERE HospNum = 'H000001'"));
    auto form = open(QString());
    form->txtFind->setText(QStringLiteral("1001"));
    form->cmdFind->click();
    EXPECT_TRUE(form->chkSenior->isChecked());
    EXPECT_EQ(amounts(*form), (QStringList{"250.00", "800.00", "80.00"}));
    EXPECT_EQ(totals(*form), (QStringList{"1,250.00", "100.00", "0.00", "180.00", "970.00"}));
    EXPECT_TRUE(form->fraSC->isVisible());
    EXPECT_TRUE(form->cmdPrintSeniorList->isVisible());
    EXPECT_EQ(form->txtSCID->text(), "SC-77");
    EXPECT_EQ(form->txtBookletNumber->text(), "0");

    // Finding it again keeps the box ticked, the amounts still discounted.
    form->txtFind->setText(QStringLiteral("1001"));
    form->cmdFind->click();
    EXPECT_EQ(amounts(*form), (QStringList{"250.00", "800.00", "80.00"}));
    EXPECT_EQ(totals(*form), (QStringList{"1,250.00", "100.00", "0.00", "180.00", "970.00"}));

    // Another patient: unticked, its flag written, the first patient's flag kept, SC boxes emptied.
    form->txtFind->setText(QStringLiteral("1002"));
    form->cmdFind->click();
    EXPECT_FALSE(form->chkSenior->isChecked());
    EXPECT_FALSE(form->fraSC->isVisible());
    EXPECT_EQ(form->txtSCID->text(), "");
    EXPECT_EQ(totals(*form), (QStringList{"0.00", "0.00", "0.00", "0.00", "0.00"}));
    EXPECT_EQ(storedFlag(QStringLiteral("tbPatient"), QStringLiteral("1001")), 1);
    EXPECT_EQ(storedFlag(QStringLiteral("tbPatient"), QStringLiteral("1002")), 0);
}

TEST_P(frmListPostedTest, OwnMedicineAndSCUpdateWriteAtOnce) {
    db().execute(QStringLiteral("UPDATE patient_data.tbPatient2 SET PatientsMed = 0 WHERE IdNum = '1002'"));
    auto form = open(QStringLiteral("1002"));
    const auto patientsMed = [&] {
        return db().query(QStringLiteral("SELECT PatientsMed FROM patient_data.tbPatient2 WHERE IdNum = '1002'")).value(0).toInt();
    };
    EXPECT_FALSE(form->chkPatientsMed->isChecked());
    form->chkPatientsMed->click();
    EXPECT_EQ(patientsMed(), 1);
    form->chkPatientsMed->click();
    EXPECT_EQ(patientsMed(), 0);

    form->chkSenior->click();
    form->txtSCID->setText(QStringLiteral(" O'BRIEN-1 "));
    form->txtBookletNumber->setText(QString());
    form->cmdUpdateSC->click();
    EXPECT_EQ(column(QStringLiteral("SELECT SeniorCitizenID, SCBookletNumber FROM patient_data.tbMaster WHERE HospNum = 'H000002'")),
              QStringList{"O'BRIEN-1|"});
    ASSERT_FALSE(platform.messages->boxes().empty());
    EXPECT_EQ(platform.messages->boxes().back().text, "SC Updated. Click ok to continue.");
}

TEST_P(frmListPostedTest, ListPrintsHandTheTotalsAndTheProfileTheCategory) {
    auto form = open(QStringLiteral("1001"));
    form->chkSenior->click();
    QStringList shown;
    platform.modal->onShow<frmView>([&](frmView& view) {
        shown << QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8|%9")
                     .arg(view.WhatReport())
                     .arg(view.AdmNum())
                     .arg(view.TotalPosted())
                     .arg(view.TotalReturned())
                     .arg(view.TotalDiscount())
                     .arg(view.TotalAdjusted())
                     .arg(view.PatientName(), view.Age(), view.Sex());
        view.close();
    });
    form->cdmPrintPosted->click();
    form->cmdPrintSeniorList->click();
    form->cmdDrugProfile->click();
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[0], "9|1001|1250|100|180|0|||");
    EXPECT_EQ(shown[1], "9|1001|1250|100|180|0|||");
    EXPECT_EQ(shown[2].section(u'|', 0, 1), "16|1001");
    EXPECT_EQ(shown[2].section(u'|', 6), "DELA CRUZ, JUAN SANTOS|" + form->Age() + "|M");
    EXPECT_FALSE(form->Age().isEmpty());
    EXPECT_EQ(userLog(), QStringList{"Printed List Posted Medicines under Patient : DELA CRUZ, JUAN SANTOS"});
}

INSTANTIATE_TEST_SUITE_P(Engines, frmListPostedTest,
                         ::testing::Values(::qx::Engine::SQLite, ::qx::Engine::PostgreSQL), ::qx::test::engineName);

// The reprints, on SQLite: the staging and numbering they touch run on both engines elsewhere.
class frmListPostedReprintTest : public frmListPostedTest {};

TEST_P(frmListPostedReprintTest, ReprintsTheSlipOfTheSelectedRowUnderThisWorkstation) {
    post({.itemId = QStringLiteral("OTHER1"), .summaryCode = QStringLiteral("PA"), .memo = QStringLiteral("AS0001"),
          .quantity = -2, .amount = -50});
    post({.itemId = QStringLiteral("GONE1"), .refNum = QStringLiteral("CS0001"), .quantity = 1, .amount = 5});
    db().execute(QStringLiteral("UPDATE tbInvStockCard SET DispenserCode = 1234"));
    auto form = open(QStringLiteral("1001"));
    struct Case {
        const char* name;
        const char* transaction;  // the row selected
        const char* shownAs;      // the word the row is made to show; "" as listed
        int jobs;
        const char* report;
    };
    const Case cases[] = {
        {"issue", "Issued", "", 1, "CHARGE SLIP"},
        {"return", "Returned", "", 1, "CREDIT MEMO"},
        {"correction", "Adjusted", "", 1, "ADJUSTMENT SLIP"},
        {"another letter case", "Issued", "issued", 0, ""},
        {"blank", "Returned", " ", 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        clearPrintOuts();
        select(*form, QString::fromLatin1(c.transaction));
        const int row = form->flexMSHList->row();
        if (*c.shownAs)
            form->flexMSHList->setTextMatrix(row, 5, QString::fromLatin1(c.shownAs));
        form->cmdPrint->click();
        form->flexMSHList->setTextMatrix(row, 5, QString::fromLatin1(c.transaction));
        EXPECT_TRUE(form->cmdPrint->isEnabled());
        const QStringList texts = printed();
        ASSERT_EQ(texts.size(), c.jobs);
        if (c.jobs)
            EXPECT_TRUE(texts[0].contains(QString::fromLatin1(c.report))) << texts[0].toStdString();
        EXPECT_EQ(userLog().value(userLog().size() - 1),
                  "Re-Printed List Posted Medicines under Patient : DELA CRUZ, JUAN SANTOS");
    }
    EXPECT_EQ(userLog().size(), 5);
    EXPECT_EQ(column(QStringLiteral("SELECT UserID, IdNum, RefNum, ItemID, Description, Dosage, Quantity, Amount "
                                    "FROM tbPharmaChargePrint ORDER BY id")),
              (QStringList{"HOST1|1001|CS0001|SENIOR1|BIOGESIC (500 MG TABLET) PARACETAMOL|1 TAB TID|10|1000",
                           "HOST1|1001|CS0001|OTHER1|GAUZE 4 X 4||5|250"}));
    EXPECT_EQ(column(QStringLiteral("SELECT UserID, IdNum, RefNum, ChargeSlip, Description, Quantity, Amount "
                                    "FROM tbPharmaCMPrint ORDER BY id")),
              (QStringList{"HOST1|1001|CM0001|CS0001|PARACETAMOL 500 MG TABLET (BIOGESIC)|1|100",
                           "HOST1|1001|AS0001|CS0001|GAUZE 4 X 4|2|-50"}));
}

TEST_P(frmListPostedReprintTest, CopiesFollowTheSiteAndRemarksAreAskedOncePerRun) {
    auto form = open(QStringLiteral("1001"));
    struct Case {
        const char* site;
        const char* stored;  // the copies setting; "" none
        int dialogCopies;    // what the copies dialog is given at ZMX
        int jobs;
    };
    const Case cases[] = {{"JAWKC", "", 0, 1}, {"JAWKC", "0", 0, 1}, {"JAWKC", "3", 0, 3}, {"ZMX", "3", 0, 0},
                          {"ZMX", "3", 2, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.site) + "/" + c.stored + "/" + std::to_string(c.dialogCopies));
        clearPrintOuts();
        gSiteCode = QString::fromLatin1(c.site);
        if (*c.stored)
            SaveChargeSlipCopies(QString::fromLatin1(c.stored));
        const int copies = c.dialogCopies;
        platform.modal->onShow<frmChargeSlipCopies>([copies](frmChargeSlipCopies& dialog) {
            dialog.NumCopies = qint16(copies);
            dialog.close();
        });
        select(*form, QStringLiteral("Returned"));
        form->cmdPrint->click();
        EXPECT_EQ(printOuts(), c.jobs);
    }
    // OXBEN: Cancel ends the reprint; blanks are asked again; the remarks then serve every reprint.
    gSiteCode = QStringLiteral("OXBEN");
    SaveChargeSlipCopies(QStringLiteral("1"));
    clearPrintOuts();
    inputBox->answers = {std::nullopt};
    select(*form, QStringLiteral("Issued"));
    form->cmdPrint->click();
    EXPECT_EQ(printOuts(), 0);
    inputBox->answers = {QStringLiteral("  "), QStringLiteral("RUSH COPY")};
    form->cmdPrint->click();
    form->cmdPrint->click();
    EXPECT_EQ(inputBox->asked.size(), 3);
    EXPECT_EQ(inputBox->asked.value(0), "Enter Remarks: |Remarks|");
    const QStringList texts = printed();
    ASSERT_EQ(texts.size(), 2);
    EXPECT_TRUE(texts[1].contains(QStringLiteral("Remarks: RUSH COPY")));
    EXPECT_EQ(ReprintRemarks(), "RUSH COPY");
}

TEST_P(frmListPostedReprintTest, TheChargeSlipPrintsTheHeaderOfThePostedSlip) {
    db().execute(QStringLiteral("INSERT INTO password.tbPasswordMaster (EmployeeID, FirstName, LastName) "
                                "VALUES ('1234', 'JOSE', 'REYES')"));
    db().execute(QStringLiteral("UPDATE tbInvStockCard SET DispenserCode = 1234, TargetLocationID = 'NIC'"));
    auto form = open(QStringLiteral("1001"));
    select(*form, QStringLiteral("Issued"));
    form->cmdPrint->click();
    const QStringList texts = printed();
    ASSERT_EQ(texts.size(), 1);
    for (const char* field : {"Slip No.: CS0001", "DELA CRUZ, JUAN SANTOS", "Reprint", "Hosp. No.: H000001",
                              "Requested: 01/05/2026 02:30 PM", "Encoded by: JOSE REYES", "Issued by: JOSE REYES",
                              "BIOGESIC (500 MG TABLET) PARACETAMOL", "1,250.00", "Room: NIC 301",
                              "Station: Neunatal ICU"})
        EXPECT_TRUE(texts[0].contains(QString::fromLatin1(field))) << field << "\n" << texts[0].toStdString();
}

TEST_P(frmListPostedReprintTest, TwoWorkstationsKeepTheirOwnStagedRows) {
    auto form = open(QStringLiteral("1001"));
    select(*form, QStringLiteral("Issued"));
    gHostID = QStringLiteral("HOST2");
    form->cmdPrint->click();
    gHostID = QStringLiteral("HOST1");
    form->cmdPrint->click();
    form->cmdPrint->click();
    EXPECT_EQ(column(QStringLiteral("SELECT UserID, COUNT(*) FROM tbPharmaChargePrint GROUP BY UserID ORDER BY UserID")),
              (QStringList{"HOST1|2", "HOST2|2"}));
}

TEST_P(frmListPostedReprintTest, AMissingSlipFileIsToldAndNothingPrints) {
    QFile::remove(QDir(platform.folders->program).filePath(QStringLiteral("Reports/CMSlip_2.rpt")));
    auto form = open(QStringLiteral("1001"));
    select(*form, QStringLiteral("Returned"));
    form->cmdPrint->click();
    EXPECT_EQ(printOuts(), 0);
    ASSERT_FALSE(platform.messages->boxes().empty());
    EXPECT_TRUE(platform.messages->boxes().back().text.contains(QStringLiteral("CMSlip_2.rpt does not exists.")));
    EXPECT_EQ(platform.programEnd->ended(), 0);
    EXPECT_TRUE(form->cmdPrint->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Engines, frmListPostedReprintTest, ::testing::Values(::qx::Engine::SQLite),
                         ::qx::test::engineName);

// Reachable through the window openers; Esc closes it.
TEST_P(frmListPostedReprintTest, OpensFromTheMenuAndThePostedListButtonsAndEscCloses) {
    RegisterReturnWindowOpeners();
    QStringList seen;
    platform.modal->onShow<frmListPosted>([&](frmListPosted& w) {
        seen << w.txtFind->text() + u'|' + w.lblPatInfo[0]->text().trimmed();
        pressKey(w.txtFind, Qt::Key_Escape, QStringLiteral("\x1b"));
        seen << (w.isVisible() ? QStringLiteral("open") : QStringLiteral("closed"));
    });
    OpenWindow(QStringLiteral("mnuListInPatient"), {{QStringLiteral("IDNum"), QString()}});
    OpenWindow(QStringLiteral("frmListPosted"), {{QStringLiteral("IDNum"), QStringLiteral("1001")}});
    EXPECT_EQ(seen, (QStringList{"|", "closed", "1001|H000001", "closed"}));
}

} // namespace
} // namespace qx::test
