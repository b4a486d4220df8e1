#include "PostedListFixture.h"
#include "ScriptedPickers.h"
#include "../platform/report/ReportTestSupport.h"
#include "charging/SlipPrinting.h"
#include "charging/frmChargeSlipCopies.h"
#include "platform/report/Report.h"
#include "platform/WidgetInput.h"
#include "returns/ReturnWindowOpeners.h"
#include "returns/frmListPostedOP.h"
#include "suite/OutpatientFileOPDPatient.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace qx::test {
namespace {

using PostedListVisitPicker = PickedRosterVisit;

// Visit 5001A (H000101, REYES, MARIA LOPEZ) with an issue of 100.00 under OS0001, a return of
// 30.00 under CM0101 and a correction of 10.00 under AS0101, all of the senior-discounted drug.
class frmListPostedOPTest : public PostedListTest {
protected:
    void SetUp() override {
        PostedListTest::SetUp();
        if (IsSkipped())
            return;
        auto visitFile = std::make_shared<suite::OutpatientFileOPDPatient>([this] { return &db(); });
        ASSERT_TRUE(visitFile->InitConnection(db().connectionString()));
        gComponents.gOPDPatient = visitFile;
        gComponents.gOPDList = visits;
        addOutPatientVisit(db(), {.idNum = QStringLiteral("5001A")});
        addOutPatientVisit(db(), {.idNum = QStringLiteral("5002A"),
                                  .person = {.hospNum = QStringLiteral("H000102"), .lastName = QStringLiteral("SANTOS"),
                                             .firstName = QStringLiteral("PEDRO"), .sex = QStringLiteral("M")}});
        const PostedLineSpec issue{.idNum = QStringLiteral("5001A"), .hospNum = QStringLiteral("H000101"),
                                   .refNum = QStringLiteral("OS0001"), .quantity = 4, .amount = 100};
        post(issue);
        PostedLineSpec returned = issue;
        returned.summaryCode = QStringLiteral("PC");
        returned.memo = QStringLiteral("CM0101");
        returned.quantity = -3;
        returned.amount = 30;
        returned.when = issue.when.addDays(1);
        post(returned);
        PostedLineSpec adjusted = returned;
        adjusted.summaryCode = QStringLiteral("PA");
        adjusted.memo = QStringLiteral("AS0101");
        adjusted.quantity = -1;
        adjusted.amount = 10;
        adjusted.when = issue.when.addDays(2);
        post(adjusted);
        frmListPostedOP::ReprintRemarks() = QString();
    }

    std::unique_ptr<frmListPostedOP> open(const QString& idNum) {
        auto form = std::make_unique<frmListPostedOP>();
        form->setIDNum(idNum);
        form->Form_Load();
        form->show();
        return form;
    }
    QStringList totals(frmListPostedOP& f) {
        return {f.lblTotalPosted->text(), f.lblTotalReturn->text(), f.lblDiscount->text(), f.lblTotal->text()};
    }
    QStringList amounts(frmListPostedOP& f) {
        QStringList values;
        for (int row = 1; row < f.flexMSHList->rows(); ++row)
            values << f.flexMSHList->textMatrix(row, 7);
        return values;
    }
    int storedFlag(const QString& id) {
        return db().query(QStringLiteral("SELECT PharmaSeniorDiscounted FROM patient_data.tbOutPatient WHERE IDNum = ?"), {id})
            .value(0)
            .toInt();
    }
    void select(frmListPostedOP& f, const QString& transaction) {
        for (int row = 1; row < f.flexMSHList->rows(); ++row)
            if (f.flexMSHList->textMatrix(row, 5) == transaction) {
                f.flexMSHList->setRow(row);
                return;
            }
        FAIL() << "no row " << transaction.toStdString();
    }

    std::shared_ptr<PostedListVisitPicker> visits = std::make_shared<PostedListVisitPicker>();
};

TEST_P(frmListPostedOPTest, ListsTheVisitWithItsTotalsAndTheSeniorPass) {
    auto form = open(QStringLiteral("5001A"));
    EXPECT_EQ(form->windowTitle(), "List of Posted Medicines ( OUT-PATIENT )");
    EXPECT_EQ(form->chkSenior->text(), "&Senior Citizen ( 20 %)");
    EXPECT_FALSE(form->txtFind->isEnabled());
    EXPECT_EQ(form->lblPatInfo[0]->text(), "H000101");
    EXPECT_EQ(form->lblPatInfo[1]->text(), "REYES, MARIA LOPEZ");
    EXPECT_EQ(form->lblPatInfo[4]->text(), "F");
    EXPECT_FALSE(form->lblAdjusted->isVisible());
    EXPECT_FALSE(form->cmdDrugProfile->isVisible());
    EXPECT_FALSE(form->chkPatientsMed->isVisible());
    EXPECT_EQ(totals(*form), (QStringList{"90.00", "30.00", "0.00", "60.00"}));

    form->chkSenior->click();
    EXPECT_EQ(amounts(*form), (QStringList{"80.00", "24.00", "8.00"}));
    // The returned and corrected senior lines lower both totals.
    EXPECT_EQ(totals(*form), (QStringList{"90.00", "30.00", "12.00", "48.00"}));
    EXPECT_EQ(storedFlag(QStringLiteral("5001A")), 1);
    EXPECT_TRUE(form->fraSC->isVisible());
    EXPECT_FALSE(form->cmdPrintSeniorList->isVisible());

    form->chkSenior->click();
    EXPECT_EQ(amounts(*form), (QStringList{"100.00", "30.00", "10.00"}));
    EXPECT_EQ(totals(*form), (QStringList{"90.00", "30.00", "0.00", "60.00"}));
    EXPECT_EQ(storedFlag(QStringLiteral("5001A")), 0);
    EXPECT_FALSE(form->fraSC->isVisible());
}

TEST_P(frmListPostedOPTest, SearchesTheComponentThenThePickerAndARefusedSearchKeepsTheListedVisit) {
    auto form = open(QString());
    EXPECT_EQ(form->chkSenior->text(), "&Senior Citizen ( 20 %)");
    EXPECT_EQ(form->flexMSHList->cols(), 13);
    EXPECT_EQ(form->flexMSHList->textMatrix(0, 7), "Amount");
    struct Case {
        const char* name;
        const char* typed;
        const char* pickerChoice;
        const char* listed;
        const char* pickerAsked;
        const char* message;
    };
    const Case cases[] = {
        {"found", "5001A", "", "5001A", "", ""},
        {"picker choice", "SANTOS", "5002A", "5002A", "SANTOS", ""},
        {"picker cancelled", "NOBODY", "", "5002A", "NOBODY", ""},
        {"not found", "NOBODY", "9999Z", "5002A", "NOBODY", "Patient not found."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        visits->asked.clear();
        visits->choice = QString::fromLatin1(c.pickerChoice);
        platform.messages->clear();
        form->txtFind->setText(QString::fromLatin1(c.typed));
        pressKey(form->txtFind, Qt::Key_Return, QStringLiteral("\r"));
        EXPECT_EQ(form->txtFind->text(), c.listed);
        EXPECT_EQ(visits->asked.join(u','), c.pickerAsked);
        EXPECT_EQ(platform.messages->boxes().empty() ? QString() : platform.messages->boxes().back().text, c.message);
    }
    // A visit without lines: the empty layout, its own zero totals; ticking writes 0.00 in the blank row.
    EXPECT_EQ(form->flexMSHList->rows(), 2);
    EXPECT_EQ(totals(*form), (QStringList{"0.00", "0.00", "0.00", "0.00"}));
    form->chkSenior->click();
    EXPECT_EQ(amounts(*form), QStringList{"0.00"});
    EXPECT_EQ(storedFlag(QStringLiteral("5002A")), 1);
}

TEST_P(frmListPostedOPTest, TheFlagIsWrittenOnlyWhenTheBoxChangesState) {
    db().execute(QStringLiteral("UPDATE patient_data.tbOutPatient SET PharmaSeniorDiscounted = 1 WHERE IDNum = '5001A'"));
    auto form = open(QString());
    form->txtFind->setText(QStringLiteral("5001A"));
    form->cmdFind->click();
    EXPECT_TRUE(form->chkSenior->isChecked());
    EXPECT_EQ(totals(*form), (QStringList{"90.00", "30.00", "12.00", "48.00"}));
    // Searching it again with the box already ticked keeps the discount on screen.
    form->txtFind->setText(QStringLiteral("5001A"));
    form->cmdFind->click();
    EXPECT_EQ(totals(*form), (QStringList{"90.00", "30.00", "12.00", "48.00"}));
    form->txtFind->setText(QStringLiteral("5002A"));
    form->cmdFind->click();
    EXPECT_FALSE(form->chkSenior->isChecked());
    EXPECT_EQ(storedFlag(QStringLiteral("5001A")), 1);
    EXPECT_EQ(storedFlag(QStringLiteral("5002A")), 0);

    form->txtSCID->setText(QStringLiteral("SC-1"));
    form->txtBookletNumber->setText(QString());
    form->cmdUpdateSC->click();
    EXPECT_EQ(column(QStringLiteral("SELECT SeniorCitizenID, SCBookletNumber FROM patient_data.tbMaster WHERE HospNum = 'H000102'")),
              QStringList{"SC-1|"});
}

TEST_P(frmListPostedOPTest, PrintListHandsTheTotals) {
    auto form = open(QStringLiteral("5001A"));
    QString shown;
    platform.modal->onShow<frmView>([&](frmView& view) {
        shown = QStringLiteral("%1|%2|%3|%4|%5").arg(view.WhatReport()).arg(view.AdmNum()).arg(view.TotalPosted())
                    .arg(view.TotalReturned()).arg(view.TotalDiscount());
        view.close();
    });
    form->cdmPrintPosted->click();
    EXPECT_EQ(shown, "10|5001A|90|30|0");
    EXPECT_TRUE(userLog().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Engines, frmListPostedOPTest,
                         ::testing::Values(::qx::Engine::SQLite, ::qx::Engine::PostgreSQL), ::qx::test::engineName);

class frmListPostedOPReprintTest : public frmListPostedOPTest {
protected:
    void SetUp() override {
        frmListPostedOPTest::SetUp();
        if (IsSkipped())
            return;
        for (const char* file : {"OPDChargeSlipReprint.rpt", "OPDCMSlip_2.rpt", "OPDAdjustSlip_2.rpt"})
            ASSERT_TRUE(installShippedReport(platform.folders->program, QString::fromLatin1(file)));
        // A second issued line of the slip whose drug is gone, and one of the gauze.
        post({.idNum = QStringLiteral("5001A"), .hospNum = QStringLiteral("H000101"), .itemId = QStringLiteral("GONE1"),
              .refNum = QStringLiteral("OS0001"), .quantity = 1, .amount = 5});
        post({.idNum = QStringLiteral("5001A"), .hospNum = QStringLiteral("H000101"), .itemId = QStringLiteral("OTHER1"),
              .refNum = QStringLiteral("OS0001"), .quantity = 2, .amount = 20});
        db().execute(QStringLiteral("UPDATE tbInvStockCard SET TargetLocationID = 'ER'"));
    }
};

TEST_P(frmListPostedOPReprintTest, ReprintsBySlipKindSwitchSiteAndCopies) {
    auto form = open(QStringLiteral("5001A"));
    struct Case {
        const char* transaction;
        bool switch28;
        const char* site;
        int copies;  // the stored setting, or what the copies dialog is given at ZMX
        int jobs;
        int previews;
        const char* report;
    };
    const Case cases[] = {
        {"Issued", true, "JAWKC", 3, 3, 0, "OUT-PATIENT CHARGE SLIP"},
        {"Issued", true, "JAWKC", 0, 1, 0, "OUT-PATIENT CHARGE SLIP"},
        {"Issued", true, "ZMX", 0, 0, 0, ""},
        {"Issued", true, "ZMX", 2, 2, 0, "OUT-PATIENT CHARGE SLIP"},
        {"Issued", false, "JAWKC", 3, 0, 1, ""},
        {"Returned", false, "JAWKC", 2, 2, 0, "OUT-PATIENT CREDIT MEMO"},
        {"Adjusted", true, "ZMX", 1, 1, 0, "OUT-PATIENT ADJUSTMENT SLIP"},
        {"Adjusted", true, "ZMX", 0, 0, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.transaction) + "/" + (c.switch28 ? "28 on" : "28 off") + "/" + c.site + "/" +
                     std::to_string(c.copies));
        clearPrintOuts();
        setPharmaSwitch(QStringLiteral("28"), c.switch28);
        gSiteCode = QString::fromLatin1(c.site);
        SaveChargeSlipCopies(QString::number(c.copies));
        const int copies = c.copies;
        platform.modal->onShow<frmChargeSlipCopies>([copies](frmChargeSlipCopies& dialog) {
            dialog.NumCopies = qint16(copies);
            dialog.close();
        });
        int previews = 0;
        QString previewed;
        platform.modal->onShow<frmView>([&](frmView& view) {
            ++previews;
            previewed = view.report() ? view.report()->document().toText() : QString();
            view.close();
        });
        select(*form, QString::fromLatin1(c.transaction));
        form->cmdPrint->click();
        const QStringList texts = printed();
        ASSERT_EQ(texts.size(), c.jobs);
        EXPECT_EQ(previews, c.previews);
        if (c.jobs)
            EXPECT_TRUE(texts[0].contains(QString::fromLatin1(c.report))) << texts[0].toStdString();
        if (c.previews)
            EXPECT_TRUE(previewed.contains(QStringLiteral("OUT-PATIENT CHARGE SLIP")));
    }
    EXPECT_EQ(column(QStringLiteral("SELECT UserID, IdNum, RefNum, ItemID, Description, Quantity, Amount, UnitPrice "
                                    "FROM tbPharmaChargePrint ORDER BY id")),
              (QStringList{"HOST1|5001A|OS0001|SENIOR1|PARACETAMOL 500 MG TABLET (BIOGESIC)|4|100|25",
                           "HOST1|5001A|OS0001|OTHER1|GAUZE 4 X 4|2|20|10"}));
    EXPECT_EQ(column(QStringLiteral("SELECT UserID, RefNum, ChargeSlip, Description, Quantity, Amount FROM tbPharmaCMPrint "
                                    "ORDER BY RefNum, id")),
              (QStringList{"HOST1|AS0101|OS0001|PARACETAMOL 500 MG TABLET (BIOGESIC)|1|10",
                           "HOST1|CM0101|OS0001|PARACETAMOL 500 MG TABLET (BIOGESIC)|3|30"}));
    EXPECT_TRUE(userLog().isEmpty());
}

TEST_P(frmListPostedOPReprintTest, TheChargeSlipPrintsTheVisitsHeader) {
    setPharmaSwitch(QStringLiteral("28"), true);
    gEmployeePosition = QStringLiteral("PHARMACIST");
    auto form = open(QStringLiteral("5001A"));
    select(*form, QStringLiteral("Issued"));
    form->cmdPrint->click();
    const QStringList texts = printed();
    ASSERT_EQ(texts.size(), 1);
    const QString doctor = form->lblPatInfo[2]->text();
    ASSERT_FALSE(doctor.isEmpty());
    for (const QString& field : {QStringLiteral("Slip No.: OS0001"), QStringLiteral("REYES, MARIA LOPEZ"),
                                 QStringLiteral("Reprint"), QStringLiteral("Visit No.: 5001A"),
                                 QStringLiteral("Station: Emergency Room"), QStringLiteral("Room: ") + doctor,
                                 QStringLiteral("Doctor: ") + doctor, QStringLiteral("PHARMACIST"), QStringLiteral("120.00")})
        EXPECT_TRUE(texts[0].contains(field)) << field.toStdString() << "\n" << texts[0].toStdString();
}

TEST_P(frmListPostedOPReprintTest, ThePreviewedChargeSlipMatchesItsReference) {
    setPharmaSwitch(QStringLiteral("28"), false);
    gEmployeePosition = QStringLiteral("PHARMACIST");
    frmListPostedOP::ReprintRemarks() = QStringLiteral("REISSUED");
    auto form = open(QStringLiteral("5001A"));
    QString text, csv;
    platform.modal->onShow<frmView>([&](frmView& view) {
        if (const std::shared_ptr<report::Report> r = view.report()) {
            r->setPrintTime(QDateTime(QDate(2026, 12, 10), QTime(9, 30)));
            text = r->document().toText();
            csv = r->document().toCsv();
        }
        view.close();
    });
    select(*form, QStringLiteral("Issued"));
    form->cmdPrint->click();
    EXPECT_TRUE(printed().isEmpty());
    // The age follows today's date.
    const QString age = QStringLiteral("Age/Sex: ") + form->lblPatInfo[3]->text() + QStringLiteral(" F");
    ASSERT_TRUE(text.contains(age));
    text.replace(age, QStringLiteral("Age/Sex: <age> F"));
    const QString folder = QStringLiteral("../../../returns/golden/");
    report::test::expectGolden(folder + QStringLiteral("OPDChargeSlipReprint.txt"), text);
    report::test::expectGolden(folder + QStringLiteral("OPDChargeSlipReprint.csv"), csv);
}

TEST_P(frmListPostedOPReprintTest, OpensFromTheMenuAndThePostedListButtonsAndEscCloses) {
    RegisterReturnWindowOpeners();
    QStringList seen;
    platform.modal->onShow<frmListPostedOP>([&](frmListPostedOP& w) {
        seen << w.txtFind->text() + u'|' + (w.txtFind->isEnabled() ? "free" : "fixed");
        pressKey(w.txtFind, Qt::Key_Escape, QStringLiteral("\x1b"));
        seen << (w.isVisible() ? QStringLiteral("open") : QStringLiteral("closed"));
    });
    OpenWindow(QStringLiteral("mnuListOutPatient"), {{QStringLiteral("IDNum"), QString()}});
    OpenWindow(QStringLiteral("frmListPostedOP"), {{QStringLiteral("IDNum"), QStringLiteral("5001A")}});
    EXPECT_EQ(seen, (QStringList{"|free", "closed", "5001A|fixed", "closed"}));
}

INSTANTIATE_TEST_SUITE_P(Engines, frmListPostedOPReprintTest, ::testing::Values(::qx::Engine::SQLite),
                         ::qx::test::engineName);

} // namespace
} // namespace qx::test
