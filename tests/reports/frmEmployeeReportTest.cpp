#include "charging/frmLookup.h"
#include "platform/DatePicker.h"
#include "platform/PictureButton.h"
#include "platform/WidgetInput.h"
#include "platform/report/ReportTestSupport.h"
#include "platform/report/ReportViewer.h"
#include "platform/report/SharedReport.h"
#include "platform/report/frmReportViewer.h"
#include "reports/ReportWindows.h"
#include "reports/frmEmployeeReport.h"
#include "shell/HospitalSettings.h"
#include "shell/ReportOpeningFixture.h"
#include "shell/Session.h"
#include "shell/WindowOpeners.h"
#include "suite/AccountFirmsFirm.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace qx;
using namespace qx::test;

namespace {

class PickedEmployeeAccount : public AccountFirms::FirmList {
public:
    bool InitConnection(const QString&) override { return true; }
    QString ShowList(const QString& text, const std::optional<QString>& kind) override {
        asked << text + u'/' + kind.value_or(QString());
        return answer;
    }
    QString answer;
    QStringList asked;
};

// What the modal viewer showed: its caption, the report's file and values, and its rendering.
struct ViewerShowing {
    QString caption, file, text, csv;
    QStringList values;
    bool groupTree = false;
};

// The employee medicines report over two company accounts of class "01", one of class "05" (not
// a class of medicine accounts), their employees' charges of December 2026 and both summaries
// installed.
class frmEmployeeReportTest : public ReportingTest {
protected:
    void SetUp() override {
        ReportingTest::SetUp();
        if (IsSkipped())
            return;
        gHospitalAddress = QStringLiteral("1 Main St, Quezon City");
        for (const char* file : {"EmployeeMed_Summary.rpt", "EmployeeMedBC_Summary.rpt"})
            installShippedReport(QString::fromLatin1(file));
        db().execute(QStringLiteral("INSERT INTO build_file.tbCoBusinessClass (Code, Description, isMedicine) VALUES "
                                    "('01', 'MEDICINE ACCOUNTS', 1), ('05', 'HMO ACCOUNTS', 0)"));
        db().execute(QStringLiteral("INSERT INTO build_file.tbCoCompany (AccountNum, Company, Class, Address) VALUES "
                                    "('C0001', 'Acme Foods Inc.', '01', 'Pasig City'), ('C0002', 'Bayside Bank', '01', NULL), "
                                    "('H0001', 'HEALTHPLAN', '05', 'Makati')"));
        db().execute(QStringLiteral("INSERT INTO tbInvMaster (ItemID, ItemName, ItemDesc) VALUES ('D0001', 'PARACETAMOL', "
                                    "'500 MG TABLET'), ('D0002', 'AMOXICILLIN', '500 MG CAPSULE')"));
        db().execute(QStringLiteral("INSERT INTO patient_data.tbMaster (HospNum, LastName, FirstName) VALUES "
                                    "('000201', 'REYES', 'ANA'), ('000202', 'GO', 'BEN')"));
        db().execute(QStringLiteral("INSERT INTO patient_data.tbPatient (IDNum, HospNum) VALUES ('260101', '000201')"));
        db().execute(QStringLiteral("INSERT INTO patient_data.tbOutPatient (IDNum, HospNum) VALUES ('26601B', '000202')"));
        const QString insert = QStringLiteral("INSERT INTO tbInvStockCard (RefNum, ItemID, IdNum, SummaryCode, RevenueID, LocationID, "
                                              "TransDate, Quantity, Amount, InOut, AcctNum) VALUES (?, ?, ?, ?, 'PH', '20', ?, ?, ?, ?, ?)");
        const QDate day(2026, 12, 9);
        const QVariantList lines[] = {
            {"00000401", "D0001", "260101", "PH", QDateTime(day, QTime(8, 0)), 10, 22.5, "I", "C0001"},
            {"00000402", "D0002", "26601B", "PH", QDateTime(day, QTime(9, 30)), 3, 124.5, "O", "C0001"},
            {"RC000401", "D0001", "260101", "PC", QDateTime(day.addDays(1), QTime(23, 59)), 2, 4.5, "I", "C0001"},
            {"00000403", "D0002", "26601B", "PH", QDateTime(day, QTime(10, 0)), 1, 41.5, "O", "C0002"},
            {"00000404", "D0001", "26601B", "PH", QDateTime(day.addDays(2), QTime(8, 0)), 5, 11.25, "O", "C0001"},
            {"00000405", "D0001", "260101", "PH", QDateTime(day, QTime(11, 0)), 1, 2.25, "I", "H0001"},
        };
        for (const QVariantList& line : lines)
            db().execute(insert, line);
        const ConnectionProvider provider = [this] { return &db(); };
        auto company = std::make_shared<suite::AccountFirmsFirm>(provider);
        ASSERT_TRUE(company->InitConnection(db().connectionString()));
        gComponents.gCompany = company;
        gComponents.gCompanyList = accounts;
        form = std::make_unique<frmEmployeeReport>();
        form->setAttribute(Qt::WA_DeleteOnClose, false);
        ASSERT_TRUE(form->Form_Load());
        showActive(form.get());
        platform.modal->onShow(QStringLiteral("qx::frmReportViewervbModal"), [this](QWidget& w) {
            ViewerShowing s;
            s.caption = w.windowTitle();
            s.groupTree = static_cast<frmReportViewer&>(w).CRViewer1->displayGroupTree();
            if (gCrystalReport) {
                s.file = QFileInfo(gCrystalReport->fileName()).fileName();
                for (auto& f : gCrystalReport->parameterFields())
                    s.values << (f.hasCurrentValue() ? f.effectiveValue().toString() : QStringLiteral("-"));
                gCrystalReport->setPrintTime(QDateTime(QDate(2026, 12, 10), QTime(9, 30)));
                s.text = gCrystalReport->document().toText();
                s.csv = gCrystalReport->document().toCsv();
            }
            showings.push_back(s);
        });
    }
    void TearDown() override {
        form.reset();
        gComponents.gCompany.reset();
        gComponents.gCompanyList.reset();
        ReportingTest::TearDown();
    }
    // Types into the account box and leaves it for the OK button.
    void enterAccount(const QString& typed) {
        form->txtAccount[0]->setFocus();
        form->txtAccount[0]->clear();
        typeText(form->txtAccount[0], typed);
        form->optOptions[0]->setFocus();
    }
    void enterClass(const QString& typed) {
        form->txtAccount[3]->setFocus();
        form->txtAccount[3]->clear();
        typeText(form->txtAccount[3], typed);
        form->optOptions[0]->setFocus();
    }
    void setDates(const QDate& from, const QDate& to) {
        form->dtpBeginningDate->setValue(QDateTime(from, QTime(0, 0)));
        form->dtpEndDate->setValue(QDateTime(to, QTime(0, 0)));
    }
    ViewerShowing run() {
        showings.clear();
        form->optOptions[0]->click();
        EXPECT_EQ(showings.size(), 1u);
        return showings.empty() ? ViewerShowing{} : showings.back();
    }

    std::unique_ptr<frmEmployeeReport> form;
    std::shared_ptr<PickedEmployeeAccount> accounts = std::make_shared<PickedEmployeeAccount>();
    std::vector<ViewerShowing> showings;
};

TEST_P(frmEmployeeReportTest, OpensInCompanyModeAndTheKeysTypeCodes) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Employee Medicines"));
    EXPECT_TRUE(form->optInPatient->isChecked());
    EXPECT_FALSE(form->chkBC->isChecked());
    EXPECT_FALSE(form->txtAccount[3]->isEnabled());
    EXPECT_FALSE(form->cmdBC->isEnabled());
    EXPECT_EQ(form->dtpBeginningDate->value().date(), QDate::currentDate());
    EXPECT_EQ(form->dtpEndDate->value().date(), QDate::currentDate());
    EXPECT_EQ(form->Label3->text(), QStringLiteral("Enter Account Number for specific company  or <ESC>/Cancel to exit"));

    form->txtAccount[0]->setFocus();
    typeText(form->txtAccount[0], QStringLiteral("c0'001"));
    EXPECT_EQ(form->txtAccount[0]->text(), QStringLiteral("C0001"));
    pressKey(form->txtAccount[0], Qt::Key_Return, QStringLiteral("\r"));
    pressKey(form->dtpBeginningDate, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(platform.keys->keys(), (QStringList{"{Tab}", "{Tab}"}));
    // The search button puts the focus in its box and moves on from it, which runs the check.
    form->cmdFind->click();
    EXPECT_EQ(QApplication::focusWidget(), form->txtAccount[0]);
    EXPECT_EQ(platform.keys->keys().last(), QStringLiteral("{tab}"));

    pressKey(form->txtAccount[0], Qt::Key_Escape, QStringLiteral("\x1b"));
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(showings.empty());
}

TEST_P(frmEmployeeReportTest, AccountCheckFindsOrPicksTheAccount) {
    enterAccount(QStringLiteral("c0002"));
    EXPECT_EQ(form->txtAccount[0]->text(), QStringLiteral("C0002"));
    EXPECT_EQ(form->txtAccount[1]->text(), QStringLiteral("Bayside Bank "));
    EXPECT_TRUE(accounts->asked.isEmpty());

    // Unknown: the picker with the typed text; its choice is taken.
    accounts->answer = QStringLiteral("C0001");
    enterAccount(QStringLiteral("ACME"));
    EXPECT_EQ(accounts->asked, QStringList{QStringLiteral("ACME/Y")});
    EXPECT_EQ(form->txtAccount[0]->text(), QStringLiteral("C0001"));
    EXPECT_EQ(form->txtAccount[1]->text(), QStringLiteral("Acme Foods Inc. "));

    // Picker cancelled: both boxes emptied, the focus back in the account box.
    accounts->answer.clear();
    enterAccount(QStringLiteral("NOBODY"));
    EXPECT_EQ(form->txtAccount[0]->text(), QString());
    EXPECT_EQ(form->txtAccount[1]->text(), QString());
    EXPECT_EQ(QApplication::focusWidget(), form->txtAccount[0]);
    EXPECT_TRUE(platform.messages->boxes().empty());

    // A choice that is no account of the filter: told, focus back.
    accounts->answer = QStringLiteral("ZZZ");
    enterAccount(QStringLiteral("X"));
    ASSERT_EQ(platform.messages->boxes().size(), 1u);
    EXPECT_EQ(platform.messages->boxes()[0].text, QStringLiteral("Account code does not exist."));
    EXPECT_EQ(platform.messages->boxes()[0].title, QStringLiteral("Quillax"));
    EXPECT_EQ(platform.messages->boxes()[0].icon(), vbExclamation);
    EXPECT_EQ(QApplication::focusWidget(), form->txtAccount[0]);
}

TEST_P(frmEmployeeReportTest, ModeSwitchAndBusinessClassCheck) {
    enterAccount(QStringLiteral("C0001"));
    form->chkBC->click();
    EXPECT_EQ(form->txtAccount[0]->text(), QString());
    EXPECT_EQ(form->txtAccount[1]->text(), QString());
    EXPECT_FALSE(form->txtAccount[0]->isEnabled());
    EXPECT_FALSE(form->cmdFind->isEnabled());
    EXPECT_TRUE(form->txtAccount[3]->isEnabled());
    EXPECT_TRUE(form->cmdBC->isEnabled());

    enterClass(QStringLiteral("01"));
    EXPECT_EQ(form->txtAccount[3]->text(), QStringLiteral("01"));
    EXPECT_EQ(form->txtAccount[2]->text(), QStringLiteral("MEDICINE ACCOUNTS"));
    // Not a class of medicine accounts: told, the boxes keep what they showed.
    form->txtAccount[3]->setFocus();
    form->txtAccount[3]->setText(QStringLiteral("05"));
    form->optOptions[0]->setFocus();
    ASSERT_EQ(platform.messages->boxes().size(), 1u);
    EXPECT_EQ(platform.messages->boxes()[0].text, QStringLiteral("Business Class doesn't exists."));
    EXPECT_EQ(platform.messages->boxes()[0].title, QStringLiteral("MESSAGE"));
    EXPECT_EQ(platform.messages->boxes()[0].icon(), vbInformation);
    EXPECT_EQ(form->txtAccount[3]->text(), QStringLiteral("05"));
    EXPECT_EQ(form->txtAccount[2]->text(), QStringLiteral("MEDICINE ACCOUNTS"));

    form->chkBC->click();
    EXPECT_EQ(form->txtAccount[3]->text(), QString());
    EXPECT_EQ(form->txtAccount[2]->text(), QString());
    EXPECT_FALSE(form->txtAccount[3]->isEnabled());
    EXPECT_TRUE(form->txtAccount[0]->isEnabled());
}

TEST_P(frmEmployeeReportTest, TheEightValuesGoToTheReportInItsOrder) {
    struct Case {
        bool byClass;
        QRadioButton* frmEmployeeReport::*type;
        QStringList values;
    };
    const QString address = QStringLiteral("1 Main St, Quezon City");
    const Case cases[] = {
        {false, &frmEmployeeReport::optInPatient,
         {"C0001", address, "ACME FOODS INC.", "PASIG CITY", "2026-12-01", "2026-12-31", "I", ""}},
        {false, &frmEmployeeReport::optOutPatient,
         {"C0001", address, "ACME FOODS INC.", "PASIG CITY", "2026-12-01", "2026-12-31", "O", ""}},
        {true, &frmEmployeeReport::optAll, {"", address, "", "", "2026-12-01", "2026-12-31", "A", "01"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.values.join(u',').toStdString());
        if (form->chkBC->isChecked() != c.byClass)
            form->chkBC->click();
        if (c.byClass)
            enterClass(QStringLiteral("01"));
        else
            enterAccount(QStringLiteral("C0001"));
        (form.get()->*c.type)->click();
        setDates(QDate(2026, 12, 1), QDate(2026, 12, 31));
        const ViewerShowing s = run();
        EXPECT_EQ(s.values, c.values);
        EXPECT_EQ(s.file, c.byClass ? QStringLiteral("EmployeeMedBC_Summary.rpt") : QStringLiteral("EmployeeMed_Summary.rpt"));
        EXPECT_EQ(s.caption, QStringLiteral("Employee Medicines"));
        EXPECT_TRUE(s.groupTree);
        EXPECT_TRUE(form->isVisible());
    }
    // An account without an address, and none at all: empty texts.
    form->chkBC->click();
    enterAccount(QStringLiteral("C0002"));
    EXPECT_EQ(run().values.mid(2, 2), (QStringList{"BAYSIDE BANK", ""}));
    accounts->answer.clear();
    enterAccount(QString());
    EXPECT_EQ(run().values.mid(0, 4), (QStringList{"", address, "", ""}));
}

TEST_P(frmEmployeeReportTest, SummariesRenderAsTheirGoldenFiles) {
    enterAccount(QStringLiteral("C0001"));
    form->optAll->click();
    setDates(QDate(2026, 12, 9), QDate(2026, 12, 10));
    ViewerShowing s = run();
    report::test::expectGolden(QStringLiteral("../../../reports/golden/EmployeeMed_Summary.txt"), s.text);
    report::test::expectGolden(QStringLiteral("../../../reports/golden/EmployeeMed_Summary.csv"), s.csv);
    form->optOutPatient->click();
    s = run();
    EXPECT_FALSE(s.csv.contains(QStringLiteral("00000401")));
    EXPECT_TRUE(s.csv.contains(QStringLiteral("00000402")));

    form->chkBC->click();
    enterClass(QStringLiteral("01"));
    form->optAll->click();
    s = run();
    report::test::expectGolden(QStringLiteral("../../../reports/golden/EmployeeMedBC_Summary.txt"), s.text);
    report::test::expectGolden(QStringLiteral("../../../reports/golden/EmployeeMedBC_Summary.csv"), s.csv);
}

TEST_P(frmEmployeeReportTest, AMissingReportFileIsToldAndNoViewerOpens) {
    QFile::remove(QDir(platform.folders->program).filePath(QStringLiteral("Reports/EmployeeMed_Summary.rpt")));
    enterAccount(QStringLiteral("C0001"));
    showings.clear();
    form->optOptions[0]->click();
    EXPECT_TRUE(showings.empty());
    ASSERT_EQ(platform.messages->boxes().size(), 1u);
    EXPECT_TRUE(platform.messages->boxes()[0].text.contains(QStringLiteral("EmployeeMed_Summary.rpt")));
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(platform.programEnd->ended());
}

TEST_P(frmEmployeeReportTest, TheReportCommandOpensTheWindow) {
    RegisterReportWindowOpeners();
    bool shown = false;
    platform.modal->onNextShow([&](QWidget& w) {
        shown = w.objectName() == QLatin1String("frmEmployeeReport");
        w.close();
    });
    OpenWindow(QStringLiteral("mnuEmployeeMedicines"));
    EXPECT_TRUE(shown);
}

} // namespace

QX_ON_BOTH_ENGINES(frmEmployeeReportTest);
