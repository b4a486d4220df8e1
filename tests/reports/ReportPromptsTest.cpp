#include "CatalogueOpening.h"
#include "IncomeFixture.h"
#include "Builders.h"
#include "platform/DatePicker.h"
#include "platform/PictureButton.h"
#include "platform/WidgetInput.h"
#include "platform/report/ReportTestSupport.h"
#include "reports/ReportWindows.h"
#include "reports/frmCashReport.h"
#include "reports/frmDispReport.h"
#include "reports/frmPostedDrugs.h"
#include "reports/frmReportDateRange.h"
#include "reports/frmStationDate.h"
#include "reports/frmVerification.h"
#include "shell/Session.h"
#include "shell/WindowOpeners.h"
#include "suite/DispenserRollDispensers.h"
#include "suite/DrugCatalogComponent.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace qx;
using namespace qx::test;

namespace {

// What the report window was asked for by a prompt.
struct PromptRequest {
    qint16 code = 0;
    QDateTime reportDate;
    QString startDate, endDate, dispenser, shift, drugCode, drugName, onHand, refNum, station;
    bool checked = false;
};

class PickedPromptDispenser : public DispenserRoll::DispenserList {
public:
    bool InitConnection(const QString&) override { return true; }
    QString ShowList(const QString& text) override {
        asked << text;
        return answer;
    }
    QString answer;
    QStringList asked;
};

class PickedPromptDrug : public DrugPicker::DrugList {
public:
    bool InitConnection(const QString&) override { return true; }
    void setDrugsOrCsr(bool) override {}
    QString ShowList(const std::optional<QString>& search, const std::optional<QVariant>&, const std::optional<QString>&,
                     const std::optional<QString>&) override {
        asked << search.value_or(QString());
        return answer;
    }
    QString answer;
    QStringList asked;
};

// The prompts over a session with the catalogue registered, our own dispenser and drug
// components with scripted pickers; each request is read back as the report window comes up.
class ReportPromptsTest : public CatalogueRequestTest {
protected:
    void SetUp() override {
        CatalogueRequestTest::SetUp();
        if (IsSkipped())
            return;
        platform.modal->onShow(QStringLiteral("qx::frmView"), [this](QWidget& w) {
            const frmView& v = static_cast<frmView&>(w);
            requests.push_back({v.WhatReport(), v.ReportDate(), v.StartDate(), v.EndDate(), v.DispenserCode(), v.Shift(),
                                v.DrugCode(), v.DrugName(), v.OnHand(), v.vlRefnum(), v.Station(), v.Checked()});
            if (whileShown)
                whileShown(static_cast<frmView&>(w));
        });
        const ConnectionProvider provider = [this] { return &db(); };
        auto dispensers = std::make_shared<suite::DispenserRollDispensers>(provider);
        ASSERT_TRUE(dispensers->InitConnection(db().connectionString()));
        gComponents.gDispensers = dispensers;
        gComponents.gDispenserList = dispenserPicker;
        auto drugs = std::make_shared<suite::DrugCatalogComponent>(provider);
        ASSERT_TRUE(drugs->InitConnect(db().connectionString()));
        gComponents.gDrug = drugs;
        gComponents.gDrugList = drugPicker;
    }
    void TearDown() override {
        dialog.reset();
        gComponents.gDispensers.reset();
        gComponents.gDispenserList.reset();
        gComponents.gDrug.reset();
        gComponents.gDrugList.reset();
        CatalogueRequestTest::TearDown();
    }
    template <class Dialog>
    Dialog& open(qint16 type = 0) {
        dialog.reset();
        auto* d = new Dialog;
        dialog.reset(d);
        d->setAttribute(Qt::WA_DeleteOnClose, false);
        d->setReportType(type);
        EXPECT_TRUE(d->Form_Load());
        return *d;
    }
    PromptRequest generate(QAbstractButton* button) {
        requests.clear();
        button->click();
        EXPECT_EQ(requests.size(), 1u);
        return requests.empty() ? PromptRequest{} : requests.back();
    }

    std::vector<PromptRequest> requests;
    std::function<void(frmView&)> whileShown;  // acts on the report window while it is up
    std::unique_ptr<ReportDialog> dialog;
    std::shared_ptr<PickedPromptDispenser> dispenserPicker = std::make_shared<PickedPromptDispenser>();
    std::shared_ptr<PickedPromptDrug> drugPicker = std::make_shared<PickedPromptDrug>();
};

QString mdY(const QDate& d) { return d.toString(QStringLiteral("MM/dd/yyyy")); }

TEST_P(ReportPromptsTest, DateRangeTypeAndSummaryGiveTheCodeAndTheDatesGoAsTyped) {
    struct Case {
        qint16 type;
        qint16 unticked, ticked;
    };
    const Case cases[] = {{1, 54, 55}, {2, 53, 52}, {3, 50, 51}, {4, 62, 62}, {5, 63, 63}, {6, 77, 77}};
    const QDate today = QDate::currentDate();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        auto& d = open<frmReportDateRange>(c.type);
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Date Range"));
        // Any day may be picked, the start after the end included.
        d.dpStartDate->setValue(QDateTime(today.addDays(5), QTime(9, 0)));
        d.dpEndDate->setValue(QDateTime(today.addDays(-2), QTime(9, 0)));
        PromptRequest r = generate(d.cmdGenerate);
        EXPECT_EQ(r.code, c.unticked);
        EXPECT_EQ(r.startDate, mdY(today.addDays(5)));
        EXPECT_EQ(r.endDate, mdY(today.addDays(-2)));
        d.chkSummary->click();
        EXPECT_EQ(generate(d.cmdGenerate).code, c.ticked);
    }
    auto& other = open<frmReportDateRange>(7);
    requests.clear();
    other.cmdGenerate->click();
    EXPECT_TRUE(requests.empty());
}

TEST_P(ReportPromptsTest, CommandsOpenTheirPromptWithTheirSettings) {
    RegisterReportWindowOpeners();
    struct Case {
        const char* command;
        const char* window;
        qint16 code;
        bool summaryShown;
    };
    const Case cases[] = {{"mnuIncomeTransIn", "frmReportDateRange", 54, true},
                          {"mnuIncomeTransOut", "frmReportDateRange", 53, true},
                          {"mnuIncomeTransCash", "frmReportDateRange", 50, true},
                          {"mnuSeniorCash", "frmReportDateRange", 62, false},
                          {"mnuAntibiotic", "frmReportDateRange", 63, false},
                          {"mnuAdmissionListDateRange", "frmReportDateRange", 77, false},
                          {"mnuVerification", "frmVerification", 18, true},
                          {"mnuDispenserReport", "frmDispReport", 11, true},
                          {"mnuConsumption", "frmPostedDrugs", 7, true},
                          {"mnuCensusStation", "frmStationDate", 32, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        bool shown = false;
        platform.modal->onNextShow([&](QWidget& w) {
            shown = true;
            EXPECT_EQ(w.objectName(), QString::fromLatin1(c.window));
            if (auto* summary = w.findChild<QCheckBox*>(QStringLiteral("chkSummary"))) {
                EXPECT_EQ(summary->isVisibleTo(&w), c.summaryShown);
            }
            if (auto* all = w.findChild<QCheckBox*>(QStringLiteral("chkAll")))
                all->click();
            QAbstractButton* go = w.findChild<QPushButton*>(QStringLiteral("cmdGenerate"));
            if (!go)
                go = w.findChild<QPushButton*>(QStringLiteral("optOptions0"));
            requests.clear();
            go->click();
            ASSERT_EQ(requests.size(), 1u);
            EXPECT_EQ(requests.back().code, c.code);
            w.close();
        });
        OpenWindow(QString::fromLatin1(c.command));
        EXPECT_TRUE(shown);
    }
    EXPECT_TRUE(HasWindowOpener(QStringLiteral("frmCashReport")));
}

class ReportPromptsDispenserTest : public ReportPromptsTest {
protected:
    void SetUp() override {
        ReportPromptsTest::SetUp();
        if (IsSkipped())
            return;
        db().execute(QStringLiteral("INSERT INTO password.tbPasswordMaster (EmployeeID, LastName, FirstName) VALUES "
                                    "('1001', 'BAUTISTA', 'ANA'), ('1002', 'RAMOS', 'LEO')"));
        db().execute(QStringLiteral("INSERT INTO password.tbPasswordMain (EmployeeID, DepartmentID) VALUES ('1001', '15'), "
                                    "('1002', '15')"));
    }
};

TEST_P(ReportPromptsDispenserTest, DailyAndRangeRequestsWithAndWithoutAShift) {
    auto& d = open<frmDispReport>();
    showActive(&d);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Dispenser Report"));
    EXPECT_FALSE(d.dpEndDate->isVisibleTo(&d));
    EXPECT_FALSE(d.lblTo->isVisibleTo(&d));
    EXPECT_FALSE(d.fraShift->isEnabled());
    // No shift table row: the design captions stay.
    EXPECT_EQ(d.optFirst->text(), QStringLiteral("7 am - 3 pm"));
    EXPECT_EQ(d.optThird->text(), QStringLiteral("11 pm - 7 am"));
    const QDate today = QDate::currentDate();
    for (DatePicker* p : {d.dpReportDate, d.dpEndDate})
        EXPECT_EQ(p->maxDate(), today);

    // An empty code box still requests the report, with an empty dispenser and no shift.
    d.dpReportDate->setValue(QDateTime(today.addDays(-1), QTime(10, 15)));
    PromptRequest r = generate(d.cmdGenerate);
    EXPECT_EQ(r.code, 11);
    EXPECT_EQ(r.dispenser, QString());
    EXPECT_EQ(r.shift, QString());
    EXPECT_EQ(r.reportDate, QDateTime(today.addDays(-1), QTime(10, 15)));

    // Shift ticked chooses the first; another choice is handed over; unticking clears all three.
    pressKey(d.txtIssued, Qt::Key_1, QStringLiteral("1"));
    typeText(d.txtIssued, QStringLiteral("001"));
    d.chkShift->click();
    EXPECT_TRUE(d.fraShift->isEnabled());
    EXPECT_TRUE(d.optFirst->isChecked());
    EXPECT_EQ(generate(d.cmdGenerate).shift, QStringLiteral("1"));
    d.optThird->click();
    r = generate(d.cmdGenerate);
    EXPECT_EQ(r.shift, QStringLiteral("3"));
    EXPECT_EQ(r.dispenser, QStringLiteral("1001"));
    d.chkShift->click();
    EXPECT_FALSE(d.optFirst->isChecked() || d.optSecond->isChecked() || d.optThird->isChecked());
    EXPECT_EQ(generate(d.cmdGenerate).shift, QString());

    // The range shows the end date and hands text dates to code 20.
    d.optDaily[1]->click();
    EXPECT_TRUE(d.dpEndDate->isVisibleTo(&d));
    EXPECT_TRUE(d.lblTo->isVisibleTo(&d));
    d.dpEndDate->setValue(QDateTime(today.addDays(3), QTime(0, 0)));  // later than today: held to today
    d.chkShift->click();
    d.optSecond->click();
    r = generate(d.cmdGenerate);
    EXPECT_EQ(r.code, 20);
    EXPECT_EQ(r.startDate, mdY(today.addDays(-1)));
    EXPECT_EQ(r.endDate, mdY(today));
    EXPECT_EQ(r.shift, QStringLiteral("2"));
    EXPECT_EQ(r.dispenser, QStringLiteral("1001"));
    d.optDaily[0]->click();
    EXPECT_FALSE(d.dpEndDate->isVisibleTo(&d));

    // The dialog stays open; Esc closes it.
    EXPECT_TRUE(d.isVisible());
    pressKey(d.txtIssued, Qt::Key_Escape, QStringLiteral("\x1b"));
    EXPECT_FALSE(d.isVisible());
}

TEST_P(ReportPromptsDispenserTest, CodeSearchFindsOrPicksTheDispenser) {
    auto& d = open<frmDispReport>();
    showActive(&d);
    EXPECT_TRUE(d.cmdSearch->isEnabled());
    // Found as typed: the name, the focus on Generate.
    typeText(d.txtIssued, QStringLiteral("1002"));
    pressKey(d.txtIssued, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_TRUE(d.lblIssued->text().contains(QStringLiteral("RAMOS")));
    EXPECT_TRUE(dispenserPicker->asked.isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), d.cmdGenerate);

    // Unknown: the picker with the typed text; a choice comes back after a blank, sent trimmed.
    d.txtIssued->setText(QStringLiteral(" ban "));
    dispenserPicker->answer = QStringLiteral("1001");
    d.cmdSearch->click();
    EXPECT_EQ(dispenserPicker->asked, QStringList{QStringLiteral("ban")});
    EXPECT_EQ(d.txtIssued->text(), QStringLiteral(" 1001"));
    EXPECT_TRUE(d.lblIssued->text().startsWith(QLatin1Char(' ')));
    EXPECT_TRUE(d.lblIssued->text().contains(QStringLiteral("BAUTISTA")));
    EXPECT_EQ(generate(d.cmdGenerate).dispenser, QStringLiteral("1001"));

    // Cancelled: nothing changes.
    d.txtIssued->setText(QStringLiteral("ZZZ"));
    dispenserPicker->answer.clear();
    d.cmdSearch->click();
    EXPECT_EQ(d.txtIssued->text(), QStringLiteral("ZZZ"));
    EXPECT_TRUE(d.lblIssued->text().contains(QStringLiteral("BAUTISTA")));

    // An emptied box disables the search button.
    d.txtIssued->clear();
    EXPECT_FALSE(d.cmdSearch->isEnabled());
    EXPECT_TRUE(platform.messages->boxes().empty());
}

TEST_P(ReportPromptsDispenserTest, ShiftCaptionsComeFromTheShiftNamesAndANullKeepsItsOwn) {
    db().execute(QStringLiteral("INSERT INTO tbShiftDesc (FirstShift, SecondShift, ThirdShift) VALUES ('MORNING', NULL, 'NIGHT')"));
    db().execute(QStringLiteral("INSERT INTO tbShiftDesc (FirstShift, SecondShift, ThirdShift) VALUES ('X', 'Y', 'Z')"));
    auto& d = open<frmDispReport>();
    EXPECT_EQ(d.optFirst->text(), QStringLiteral("MORNING"));
    EXPECT_EQ(d.optSecond->text(), QStringLiteral("3 pm - 11 pm"));
    EXPECT_EQ(d.optThird->text(), QStringLiteral("NIGHT"));
}

TEST_P(ReportPromptsTest, ConsumptionLooksTheDrugUpAndRequestsTheDistributionOrTheLogbook) {
    db().execute(QStringLiteral("INSERT INTO tbInvSupplier (SupplierID, SupplierName) VALUES ('S1', 'UNITED LAB')"));
    addItem(db(), {.itemId = QStringLiteral("AMOX500"), .name = QStringLiteral("AMOXIL"),
                   .description = QStringLiteral("500 MG CAPSULE"), .genericName = QStringLiteral("AMOXICILLIN"), .onHand = 42});
    db().execute(QStringLiteral("UPDATE tbInvMaster SET SupplierID = 'S1' WHERE ItemID = 'AMOX500'"));
    addItem(db(), {.itemId = QStringLiteral("12345"), .name = QStringLiteral("ZINC"), .onHand = 7});
    auto& d = open<frmPostedDrugs>();
    showActive(&d);
    EXPECT_FALSE(d.cmdGenerate->isEnabled());
    EXPECT_EQ(d.lblDrugName[3]->text(), QStringLiteral("0"));
    EXPECT_EQ(d.dpStart->maxDate(), QDate::currentDate());

    struct Case {
        const char* typed;
        const char* picked;        // the picker's answer
        const char* pickerAsked;   // "" when no picker
        const char* code;          // what the box shows after; "" when not found
        const char* name;
    };
    const Case cases[] = {
        {"amox500", "", "", "AMOX500", "AMOXIL"},
        {"99999", "ZINC", "", "", ""},              // numeric and unknown: no picker
        {"amox", "12345", "AMOX", "12345", "ZINC"},  // a name: the picker's choice
        {"none", "", "NONE", "", ""},               // the picker cancelled
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        d.txtFind->setFocus();
        d.txtFind->clear();
        typeText(d.txtFind, QString::fromLatin1(c.typed));
        EXPECT_EQ(d.txtFind->text(), QString::fromLatin1(c.typed).toUpper());
        drugPicker->asked.clear();
        drugPicker->answer = QString::fromLatin1(c.picked);
        platform.messages->clear();
        pressKey(d.txtFind, Qt::Key_Return, QStringLiteral("\r"));
        EXPECT_EQ(drugPicker->asked.join(u','), QString::fromLatin1(c.pickerAsked));
        if (*c.code) {
            EXPECT_TRUE(platform.messages->boxes().empty());
            EXPECT_EQ(d.txtFind->text(), QString::fromLatin1(c.code));
            EXPECT_EQ(d.lblDrugName[0]->text(), QString::fromLatin1(c.name));
            EXPECT_TRUE(d.cmdGenerate->isEnabled());
        } else {
            ASSERT_EQ(platform.messages->boxes().size(), 1u);
            EXPECT_EQ(platform.messages->boxes()[0].text, QStringLiteral("Drug code not found!"));
            EXPECT_EQ(platform.messages->boxes()[0].title, QStringLiteral("MESSAGE"));
            EXPECT_EQ(platform.messages->boxes()[0].icon(), vbExclamation);
        }
    }

    d.txtFind->setText(QStringLiteral("AMOX500"));
    d.cmdFind->click();
    EXPECT_EQ(d.lblDrugName[1]->text(), QStringLiteral("500 MG CAPSULE"));
    EXPECT_EQ(d.lblDrugName[2]->text(), QStringLiteral("AMOXICILLIN"));
    EXPECT_EQ(d.lblDrugName[3]->text(), QStringLiteral("42"));
    EXPECT_EQ(d.strDrugName, QStringLiteral("AMOXIL 500 MG CAPSULE (UNITED LAB)"));
    const QDate today = QDate::currentDate();
    d.dpStart->setValue(QDateTime(today.addDays(-7), QTime(8, 0)));
    PromptRequest r = generate(d.cmdGenerate);
    EXPECT_EQ(r.code, 7);
    EXPECT_EQ(r.drugCode, QStringLiteral("AMOX500"));
    EXPECT_EQ(r.drugName, QStringLiteral("AMOXIL 500 MG CAPSULE (UNITED LAB)"));
    EXPECT_EQ(r.onHand, QStringLiteral("42"));
    EXPECT_EQ(r.startDate, mdY(today.addDays(-7)));
    EXPECT_EQ(r.endDate, mdY(today));
    EXPECT_FALSE(r.checked);
    d.chkLog->click();
    d.chkVeqPhar->click();
    r = generate(d.cmdGenerate);
    EXPECT_EQ(r.code, 22);
    EXPECT_TRUE(r.checked);

    // All drugs: no look-up needed, and no drug of the last look-up narrows the report.
    d.chkAll->click();
    EXPECT_FALSE(d.txtFind->isEnabled());
    EXPECT_FALSE(d.cmdFind->isEnabled());
    r = generate(d.cmdGenerate);
    EXPECT_EQ(r.drugCode, QString());
    EXPECT_EQ(r.drugName, QString());
    EXPECT_EQ(r.onHand, QString());
    d.chkAll->click();
    EXPECT_TRUE(d.txtFind->isEnabled());
    EXPECT_FALSE(d.cmdGenerate->isEnabled());
}

TEST_P(ReportPromptsTest, VerificationChecksTheNumberWithBillingOnLeavingTheBox) {
    db().execute(QStringLiteral("INSERT INTO billing.tbBillCharges (PatientType, IDNum, RefNum, RevenueID, ItemID, Quantity, "
                                "Amount, DrCr) VALUES ('I', '260001', 'CS0000123', 'PH', 'D0001', 1, 2.5, 'D')"));
    EXPECT_TRUE(BillingKnowsReference(QStringLiteral("CS0000123")));
    EXPECT_FALSE(BillingKnowsReference(QStringLiteral("CS0000999")));

    auto& d = open<frmVerification>(18);
    showActive(&d);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Verification"));
    d.txtRefNum->setFocus();
    // Upper case, no apostrophe, at most 10 characters; Enter moves on.
    typeText(d.txtRefNum, QStringLiteral("cs'0000999XYZ"));
    EXPECT_EQ(d.txtRefNum->text(), QStringLiteral("CS0000999X"));
    pressKey(d.txtRefNum, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(platform.keys->keys(), QStringList{QStringLiteral("{Tab}")});

    // Unknown: told, and the focus stays in the box.
    d.txtRefNum->setText(QStringLiteral("CS0000999 "));
    d.optOptions[0]->setFocus();
    ASSERT_EQ(platform.messages->boxes().size(), 1u);
    EXPECT_EQ(platform.messages->boxes()[0].text, QStringLiteral("Document doesn't exist!"));
    EXPECT_EQ(platform.messages->boxes()[0].title, QStringLiteral("Notification"));
    EXPECT_EQ(platform.messages->boxes()[0].icon(), vbInformation);
    EXPECT_EQ(QApplication::focusWidget(), d.txtRefNum);

    // Found: the focus moves on silently; OK opens code 18 with the trimmed number, and again.
    platform.messages->clear();
    d.txtRefNum->setText(QStringLiteral(" CS0000123"));
    d.optOptions[0]->setFocus();
    EXPECT_TRUE(platform.messages->boxes().empty());
    EXPECT_EQ(QApplication::focusWidget(), d.optOptions[0]);
    PromptRequest r = generate(d.optOptions[0]);
    EXPECT_EQ(r.code, 18);
    EXPECT_EQ(r.refNum, QStringLiteral("CS0000123"));
    EXPECT_EQ(generate(d.optOptions[0]).code, 18);
    EXPECT_EQ(d.txtRefNum->text(), QStringLiteral(" CS0000123"));
    EXPECT_TRUE(d.isVisible());
    d.optOptions[1]->click();
    EXPECT_FALSE(d.isVisible());

    auto& again = open<frmVerification>(18);
    showActive(&again);
    pressKey(again.txtRefNum, Qt::Key_Escape, QStringLiteral("\x1b"));
    EXPECT_FALSE(again.isVisible());
}

TEST_P(ReportPromptsTest, CensusListsActiveStationsAndHandsTheIdWhole) {
    db().execute(QStringLiteral("INSERT INTO build_file.tbCoStation (StationID, Station, Status) VALUES "
                                "('NS-ICU-000012', 'ICU', 'A'), ('NS2', '2ND FLOOR', 'A'), ('NS9', 'CLOSED WING', 'I'), "
                                "('NS0', NULL, 'A')"));
    auto& d = open<frmStationDate>();
    QStringList listed;
    for (int i = 0; i < d.cboStation->count(); ++i)
        listed << d.cboStation->itemText(i) + u'=' + d.cboStation->itemData(i).toString();
    EXPECT_EQ(listed, (QStringList{"=NS0", "2ND FLOOR=NS2", "ICU=NS-ICU-000012"}));
    EXPECT_EQ(d.cboStation->currentIndex(), 0);
    EXPECT_EQ(d.dpStartDate->value().date(), db().serverNow().date());

    d.cboStation->setCurrentIndex(2);
    d.dpStartDate->setValue(QDateTime(QDate(2026, 12, 9), QTime(14, 5)));
    PromptRequest r = generate(d.cmdGenerate);
    EXPECT_EQ(r.code, 32);
    EXPECT_EQ(r.startDate, QStringLiteral("12/09/2026"));
    EXPECT_EQ(r.station, QStringLiteral("NS-ICU-000012"));

    db().execute(QStringLiteral("DELETE FROM build_file.tbCoStation"));
    auto& none = open<frmStationDate>();
    EXPECT_EQ(none.cboStation->count(), 0);
    r = generate(none.cmdGenerate);
    EXPECT_EQ(r.code, 32);
    EXPECT_EQ(r.station, QString());
}

class ReportPromptsCashTest : public ReportPromptsTest {
protected:
    void SetUp() override {
        ReportPromptsTest::SetUp();
        if (IsSkipped())
            return;
        addIncomeDay(db());
        login->changedTo = QStringLiteral("1001");
    }
    QStringList cashRows() {
        Recordset rows = db().callProcedure(QStringLiteral("Pharma_IncomeCashRows")).value_or(Recordset());
        QStringList out;
        for (int i = 0; i < rows.recordCount(); ++i)
            out << rows.valueAt(i, QStringLiteral("UserID")).toString() + u' ' + rows.valueAt(i, QStringLiteral("RefNum")).toString() +
                       u' ' + rows.valueAt(i, QStringLiteral("Amount")).toString();
        return out;
    }
};

TEST_P(ReportPromptsCashTest, EachOptionRefillsTheCashRowsAndRequestsItsCode) {
    auto& d = open<frmCashReport>(1);
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Daily Income Report"));
    EXPECT_TRUE(d.optAll->isChecked());
    d.dpReportDate->setValue(QDateTime(QDate(2026, 12, 9), QTime(16, 30)));
    PromptRequest r = generate(d.cmdGenerate);
    EXPECT_EQ(r.code, 29);
    EXPECT_EQ(r.reportDate.date(), QDate(2026, 12, 9));
    EXPECT_EQ(cashRows(), (QStringList{"1001 OR000101 83", "1001 SI000502 41.5", "1002 SI000503 11.25"}));

    d.optCurrent->click();
    EXPECT_EQ(generate(d.cmdGenerate).code, 30);
    EXPECT_EQ(cashRows(), (QStringList{"1001 OR000101 83", "1001 SI000502 41.5"}));

    // The rows are this connection's own: another session sees none.
    auto other = Connection::open(db().connectionString());
    EXPECT_EQ(other->callProcedure(QStringLiteral("Pharma_IncomeCashRows"))->recordCount(), 0);

    auto& untyped = open<frmCashReport>(2);
    EXPECT_EQ(untyped.windowTitle(), QStringLiteral("Cash Daily Income Report"));
    requests.clear();
    untyped.cmdGenerate->click();
    EXPECT_TRUE(requests.empty());
}

TEST_P(ReportPromptsCashTest, EncoderCashIncomeOpensItsFileWithTheExactNames) {
    auto& d = open<frmCashReport>(1);
    d.dpReportDate->setValue(QDateTime(QDate(2026, 12, 9), QTime(0, 0)));
    d.optCurrent->click();
    const ReportOpenerEntry* entry = FindReportOpener(30);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->procedureName, QStringLiteral("OpenCashDailyIncomeUserId"));
    Shown shown;
    whileShown = [&](frmView& w) {
        ASSERT_TRUE(w.report());
        shown.caption = w.windowTitle();
        shown.file = QFileInfo(w.report()->fileName()).fileName();
        for (auto& f : w.report()->parameterFields())
            shown.values << f.name() + u'=' + (f.hasCurrentValue() ? f.effectiveValue().toString() : QStringLiteral("-"));
        w.report()->setPrintTime(QDateTime(QDate(2026, 12, 10), QTime(9, 30)));
        shown.text = w.report()->document().toText();
        shown.csv = w.report()->document().toCsv();
    };
    platform.messages->answer(vbNo);
    generate(d.cmdGenerate);
    EXPECT_EQ(shown.caption, QStringLiteral("Pharmacy Cash Sales Income Report"));
    EXPECT_EQ(shown.file, QStringLiteral("Cashdailyincomeuserid.rpt"));
    EXPECT_EQ(shown.values, (QStringList{"ReportDate=2026-12-09", "UserName=DELA CRUZ, JUAN"}));
    report::test::expectGolden(QStringLiteral("../../../reports/golden/Cashdailyincomeuserid.txt"), shown.text);
    report::test::expectGolden(QStringLiteral("../../../reports/golden/Cashdailyincomeuserid.csv"), shown.csv);
}

// Code 30 over the demo data: the rows of an encoder's latest cash day, prepared as the dialog does.
TEST_P(CatalogueDemoTest, EncoderCashIncomeOpensOnTheDemoData) {
    const Recordset last = db().query(QStringLiteral("SELECT UserID, TransDate FROM tbInvStockCard WHERE InOut = 'C' "
                                                     "AND SummaryCode = 'PH' ORDER BY TransDate DESC LIMIT 1"));
    ASSERT_EQ(last.recordCount(), 1);
    const QString encoder = last.valueAt(0, 0).toString();
    const QDateTime day(last.valueAt(0, 1).toDateTime().date(), QTime(0, 0));
    login->changedTo = encoder;
    expectEveryCodeOpens({{30, [day](frmView& v) { v.setReportDate(day); }, QString(), [this, encoder, day] {
                               db().callProcedure(QStringLiteral("Pharma_IncomeCashClear"));
                               db().callProcedure(QStringLiteral("Pharma_CashDailyReportLoadUserid"),
                                                  {{QStringLiteral("@ReportDate"), day}, {QStringLiteral("@UserID"), encoder}});
                           }}});
}

} // namespace

QX_ON_BOTH_ENGINES(ReportPromptsTest);
QX_ON_BOTH_ENGINES(ReportPromptsDispenserTest);
QX_ON_BOTH_ENGINES(ReportPromptsCashTest);
