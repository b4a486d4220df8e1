#include "CompanyMarkupFixture.h"

#include "posting/PostingWindowOpeners.h"

#include <QTimer>

namespace qx::test {
namespace {

const QDateTime kCompanyEarlierBill(QDate(2026, 1, 9), QTime(17, 0));
const QString kCompanyLateClosed =
    QStringLiteral("The Patient's account is not open for Late Charges. Kindly coordinate with the PARS Section!");
const QString kCompanyBillClosed = QStringLiteral("Patient bill is closed.  You are not allowed to enter charges.");

class CompanyMarkupLookupTest : public CompanyMarkupTest {};

TEST_P(CompanyMarkupLookupTest, InPatientChecksInOrderWithAndWithoutTheSupervisor) {
    enum Cond { Plain, BilledToday, NoLate, Closed, Cleared, Cash, Tagged };
    struct Case {
        const char* id;
        Cond cond;
        bool supervisor;
        bool loads;
        QStringList messages;
        const char* verifier;
    };
    const QString cash = QStringLiteral("PATIENT %1, ANA ( with Admission # %1 ) is for cash basis only. Please verify "
                                        "with the billing section.");
    const Case cases[] = {
        {"2001", Plain, false, true, {}, ""},
        {"2002", BilledToday, true, false,
         {QStringLiteral("Patient's bill has been closed today.  Please verify with Billing section.")}, ""},
        {"2003", NoLate, true, false, {kCompanyLateClosed}, ""},
        {"2004", Closed, false, false, {kCompanyBillClosed}, ""},
        {"2005", Closed, true, true, {}, "9001"},
        {"2006", Cleared, false, false,
         {QStringLiteral("The Patient is already cleared.  Please verify with Billing section.")}, ""},
        {"2007", Cash, false, false, {cash.arg(QStringLiteral("2007"))}, ""},
        {"2008", Tagged, false, true, {QStringLiteral("This patient is tagged under patients med.")}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        const QString id = QString::fromLatin1(c.id);
        AdmissionSpec spec{.idNum = id,
                           .person = {.hospNum = QStringLiteral("H") + id, .lastName = QStringLiteral("PATIENT ") + id,
                                      .firstName = QStringLiteral("ANA"), .middleName = QString()}};
        if (c.cond == BilledToday)
            spec.billingDate = QDateTime(QDate::currentDate(), QTime(0, 5));
        if (c.cond == NoLate)
            spec.billingDate = spec.dischargeDate = kCompanyEarlierBill;
        if (c.cond == Closed)
            spec.billingDate = kCompanyEarlierBill;
        addAdmittedPatient(db(), spec);
        if (c.cond == Cleared || c.cond == Closed)
            db().execute(QStringLiteral("INSERT INTO patient_data.tbDischargeNotice (IDNum, DepartmentID, NoticeDate, "
                                        "ClearDate) VALUES (?, 'PH', ?, ?)"),
                         {id, kCompanyEarlierBill, kCompanyEarlierBill});
        if (c.cond == Cash || c.cond == Closed)
            db().execute(QStringLiteral("UPDATE patient_data.tbPatient SET CashBasisOnly = 1 WHERE IDNum = ?"), {id});
        if (c.cond == Tagged)
            db().execute(QStringLiteral("UPDATE patient_data.tbPatient2 SET PatientsMed = 1 WHERE IdNum = ?"), {id});
        supervisorAnswers(c.supervisor);
        platform.messages->clear();
        openIP(id);
        EXPECT_EQ(messages(), c.messages);
        EXPECT_EQ(ip->flexMSEntry->isEnabled(), c.loads);
        EXPECT_EQ(ip->txtFind->text(), c.loads ? id + " " : QString());
        EXPECT_EQ(ip->lblPatInfo[2]->text(), c.loads ? QStringLiteral("PATIENT %1, ANA ").arg(id) : QString());
        EXPECT_EQ(ip->patientVerifyID(), QString::fromLatin1(c.verifier));
    }
}

TEST_P(CompanyMarkupLookupTest, RefusedLookUpKeepsTheAcceptedAdmissionAndItsLines) {
    addAdmittedPatient(db(), {.idNum = "1002",
                              .person = {.hospNum = "H0002", .lastName = "LATE"},
                              .billingDate = QDateTime(QDate::currentDate(), QTime(0, 5))});
    openIP();
    ip->txtMarkUp->setText(QStringLiteral("10"));
    line(*ip, 1, QStringLiteral("8080"), QStringLiteral("2"));
    findIP(QStringLiteral("1002"));
    EXPECT_EQ(ip->txtFind->text(), "1001 ");
    EXPECT_EQ(gComponents.gPatient->AdmissionNumber(), "1001");
    EXPECT_TRUE(ip->flexMSEntry->isEnabled());
    EXPECT_EQ(at(*ip, 1, CompanyMarkupScreen::colCode), "8080");
    EXPECT_EQ(ip->lblPatInfo[0]->text(), "H000001 ");
}

TEST_P(CompanyMarkupLookupTest, SlipLabelPerSiteAndSwitch22) {
    db().execute(QStringLiteral("INSERT INTO tbChargeSlipTerminal (UserID, ChargeSlip) VALUES ('1234', 57)"));
    struct Case { const char* site; bool switch22; const char* ipSlip; const char* opSlip; };
    const Case cases[] = {{"QVH", true, "C000057M", "C000057M"},
                          {"DEMO", true, "1001-0001", "5001A-0001"},
                          {"DEMO", false, "00000001", "00000001"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.site) + (c.switch22 ? " 22" : ""));
        gSiteCode = QString::fromLatin1(c.site);
        setPharmaSwitch(QStringLiteral("22"), c.switch22);
        openIP();
        EXPECT_EQ(ip->lblPatInfo[5]->text(), QString::fromLatin1(c.ipSlip));
        openOP();
        EXPECT_EQ(op->lblChargeSlip->text(), QString::fromLatin1(c.opSlip));
    }
}

TEST_P(CompanyMarkupLookupTest, OpenAccountRuleOfAVisit) {
    struct Case {
        const char* name;
        bool chargeOk;
        bool late;
        bool today;
        bool own;
        bool supervisor;
        bool loads;
        QStringList messages;
        int supervisorShown;
    };
    const Case cases[] = {
        {"charge okay", true, false, false, false, false, true, {}, 0},
        {"closed, not today, other account", false, false, false, false, true, false, {kCompanyLateClosed}, 0},
        {"late charges open: supervisor approves", false, true, false, false, true, true, {}, 1},
        {"late charges open: supervisor refuses", false, true, false, false, false, false, {kCompanyBillClosed}, 1},
        {"registered today", false, false, true, false, false, true, {}, 0},
        {"own account", false, false, false, true, false, true, {}, 0},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString id = QStringLiteral("600%1X").arg(++n);
        addOutPatientVisit(db(), {.idNum = id,
                                  .person = {.hospNum = QStringLiteral("HV%1").arg(n), .lastName = QStringLiteral("VISIT")},
                                  .accountNum = c.own ? QString() : QStringLiteral("ACME"),
                                  .admDate = c.today ? QDateTime::currentDateTime() : QDateTime(QDate(2026, 1, 5), QTime(9, 0))});
        db().execute(QStringLiteral("UPDATE patient_data.tbOutPatient SET CashBasisOnly = ?, LateCharges = ? WHERE IDNum = ?"),
                     {c.chargeOk ? 0 : 1, c.late ? 1 : 0, id});
        supervisorAnswers(c.supervisor);
        const qsizetype shownBefore = platform.modal->shown().count(QStringLiteral("qx::frmDeletePassword"));
        platform.messages->clear();
        openOP(id);
        EXPECT_EQ(messages(), c.messages);
        EXPECT_EQ(op->flexMSEntry->isEnabled(), c.loads);
        EXPECT_EQ(op->txtHospNum->text(), c.loads ? id : QString());
        EXPECT_EQ(platform.modal->shown().count(QStringLiteral("qx::frmDeletePassword")) - shownBefore, c.supervisorShown);
        EXPECT_EQ(op->patientVerifyID(), c.loads && c.supervisorShown ? QStringLiteral("9001") : QString());
    }
}

TEST_P(CompanyMarkupLookupTest, MasterRecordAndEmployeeAccounts) {
    addAccount(QStringLiteral("STAFF"), QStringLiteral("HOSPITAL STAFF"), QStringLiteral("S"));
    addOutPatientVisit(db(), {.idNum = "5002B", .person = {.hospNum = "H000202", .lastName = "SANTOS", .firstName = "ANA"}});
    addOutPatientVisit(db(), {.idNum = "5003C", .person = {.hospNum = "H000303", .lastName = "LIM", .firstName = "ROSE"}});
    db().execute(QStringLiteral("DELETE FROM patient_data.tbOutPatient WHERE IDNum IN ('5002B', '5003C')"));
    db().execute(QStringLiteral("UPDATE patient_data.tbMaster SET MasterAccountCode = 'ACME' WHERE HospNum = 'H000202'"));
    db().execute(QStringLiteral("UPDATE patient_data.tbMaster SET MasterAccountCode = 'STAFF' WHERE HospNum = 'H000303'"));
    const QString employee = QStringLiteral("Pls. post medicine to employee`s entry.");

    pickVisit(QStringLiteral("H000303"), true);
    openOP(QStringLiteral("H000303"));
    EXPECT_EQ(messages(), QStringList{employee});
    EXPECT_FALSE(op->flexMSEntry->isEnabled());
    EXPECT_EQ(op->txtHospNum->text(), "");

    platform.messages->clear();
    pickVisit(QStringLiteral("H000202"), true);
    findOP(QStringLiteral("H000202"));
    EXPECT_EQ(op->txtHospNum->text(), "NEW");
    EXPECT_TRUE(op->FromMasterRecord());
    EXPECT_EQ(op->txtAcctNum->text(), "ACME");
    EXPECT_EQ(op->lblAccount->text(), "ACME CORP ");
    EXPECT_TRUE(op->flexMSEntry->isEnabled());

    // A chosen account of the employees' class is refused and never left in the box.
    op->txtAcctNum->setText(QStringLiteral("STAFF"));
    op->cmdAcctNum->click();
    EXPECT_EQ(messages(), QStringList{employee});
    EXPECT_EQ(op->txtAcctNum->text(), "ACME");

    // A visit number the visit file knows is a registered visit, whatever the picker last said.
    findOP(QStringLiteral("5001A"));
    EXPECT_EQ(op->txtHospNum->text(), "5001A");
    EXPECT_FALSE(op->FromMasterRecord());
}

TEST_P(CompanyMarkupLookupTest, RefusedVisitAfterAnAcceptedOneKeepsTheAcceptedVisit) {
    addOutPatientVisit(db(), {.idNum = "5009Z", .person = {.hospNum = "H0909", .lastName = "CLOSED"},
                              .accountNum = QStringLiteral("ACME")});
    db().execute(QStringLiteral("UPDATE patient_data.tbOutPatient SET CashBasisOnly = 1 WHERE IDNum = '5009Z'"));
    openOP();
    findOP(QStringLiteral("5009Z"));
    EXPECT_EQ(messages(), QStringList{kCompanyLateClosed});
    EXPECT_EQ(op->txtHospNum->text(), "5001A");
    EXPECT_EQ(gComponents.gOPDPatient->OPDNumber(), "5001A");
    EXPECT_EQ(op->lblPatInfo[1]->text(), "H000101 ");
    EXPECT_TRUE(op->flexMSEntry->isEnabled());
}

TEST_P(CompanyMarkupLookupTest, OutPatientPriceLabelBlinksWithTheAccountInTheBox) {
    addAccount(QStringLiteral("OUTCO"), QStringLiteral("OUT PRICE CO"), QString(), true);
    openOP();
    EXPECT_FALSE(op->TimerPrice->isActive());
    op->txtAcctNum->setText(QStringLiteral("OUTCO"));
    op->cmdAcctNum->click();
    ASSERT_TRUE(op->TimerPrice->isActive());
    EXPECT_EQ(op->TimerPrice->interval(), 1000);
    op->TimerPrice_Timer();
    EXPECT_TRUE(op->lblPrice->isVisible());
    op->TimerPrice_Timer();
    EXPECT_FALSE(op->lblPrice->isVisible());
    findOP(QStringLiteral("5001A"));  // account ACME
    EXPECT_FALSE(op->TimerPrice->isActive());
    EXPECT_FALSE(op->lblPrice->isVisible());
}

TEST_P(CompanyMarkupLookupTest, MenuCommandsOpenBothScreens) {
    RegisterPostingWindowOpeners();
    OpenWindow(QStringLiteral("mnuCompanyMeds"));
    OpenWindow(QStringLiteral("mnuCompanyOut"));
    EXPECT_EQ(platform.modal->shown().count(QStringLiteral("qx::frmEntryMarkup")), 1);
    EXPECT_EQ(platform.modal->shown().count(QStringLiteral("qx::frmEntryOPMarkUp")), 1);
    // The posted-list buttons open the lists through their openers.
    QStringList opened;
    RegisterWindowOpener(QStringLiteral("frmListPosted"), [&](const WindowValues& v) {
        opened << QStringLiteral("IP ") + v.value(QStringLiteral("IDNum")).toString();
        return WindowValues{};
    });
    RegisterWindowOpener(QStringLiteral("frmListPostedOP"), [&](const WindowValues& v) {
        opened << QStringLiteral("OP ") + v.value(QStringLiteral("IDNum")).toString();
        return WindowValues{};
    });
    openIP();
    ip->cmdPosted->click();
    openOP();
    op->cmdPosted->click();
    EXPECT_EQ(opened, (QStringList{"IP 1001", "OP 5001A"}));
}

QX_ON_BOTH_ENGINES(CompanyMarkupLookupTest);

} // namespace
} // namespace qx::test
