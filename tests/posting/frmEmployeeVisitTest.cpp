#include "frmEmployeeFixture.h"

#include "charging/ChargeGrid.h"
#include "platform/FlexGrid.h"
#include "platform/KeyCodes.h"
#include "posting/PostingWindowOpeners.h"
#include "posting/clsEmployeeReg.h"
#include "posting/frmEmployee.h"
#include "posting/frmEmployeeList.h"
#include "suite/InpatientFilePatient.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

namespace qx::test {
namespace {

class frmEmployeeVisitTest : public frmEmployeeTest {};

TEST_P(frmEmployeeVisitTest, FindsThePatient) {
    const QString visitAge = suite::InpatientFilePatient::ageOn(QDate(1985, 3, 2), QDate::currentDate());
    const QString masterAge = suite::InpatientFilePatient::ageOn(QDate(1970, 5, 17), QDate::currentDate());
    const QString registered = QStringLiteral(" REYES, MARIA LOPEZ| H000101| F| ") + visitAge;
    struct Case {
        const char* name;
        const char* typed;
        const char* recentChoice;
        bool master;
        const char* employeeRegisters;  // hospital number registered in the employee list, "" to close it
        const char* wantBox;
        QString wantBanner;
        bool wantEntry;  // grid enabled, ID box locked
        bool wantNew;
        const char* wantMessage;
        bool listShown;
    };
    const Case cases[] = {
        {"a typed visit", "5001A", "", false, "", "5001A", registered, true, false, "", false},
        {"the recent-visit picker", "", "5001A", false, "", "5001A", registered, true, false, "", false},
        {"a master record", "", "H000202", true, "", "NEW",
         QStringLiteral(" SANTOS, ANA| H000202| M| ") + masterAge, true, true, "", false},
        {"the employee list registers", "SAN", "", false, "H000202", "1B",
         QStringLiteral(" SANTOS, ANA| H000202| M| ") + masterAge, true, false, "", true},
        // The recent-visit picker's master flag, left over from an earlier pick, is not the registration's.
        {"a registration after a stale master flag", "", "", true, "H000202", "2B",
         QStringLiteral(" SANTOS, ANA| H000202| M| ") + masterAge, true, false, "", true},
        {"the employee list closed", "", "", true, "", "", "|||", false, false, "", true},
        {"an employee without an advances account", "", "", false, "H000101", "", "|||", false, false,
         "Account Not Valid, Employee doesnt have Advances Account", true},
        {"a picked visit that is gone", "", "9999Z", false, "", "", "|||", false, false, "Hospital Number not found.", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform.messages->clear();
        platform.modal->onShow<frmEmployeeList>({});
        recent->asked.clear();
        recent->choice = QString::fromLatin1(c.recentChoice);
        recent->master = c.master;
        picker->choice = QStringLiteral("ACME");
        employeeListDoes(QString::fromLatin1(c.employeeRegisters));
        // The last registration of the run is never taken for this one.
        gEmployeeReg().setOPD_ID(QStringLiteral("77B"));
        const QStringList shownBefore = platform.modal->shown();
        auto form = openEmployee();
        platform.messages->answer(vbNo);  // not a fringe benefit
        enter(*form, QString::fromLatin1(c.typed));
        EXPECT_EQ(form->txtIDNum->text(), c.wantBox);
        EXPECT_EQ(banner(*form), c.wantBanner);
        EXPECT_EQ(form->flexMSEntry->isEnabled(), c.wantEntry);
        EXPECT_EQ(form->txtIDNum->isEnabled(), !c.wantEntry);
        EXPECT_EQ(form->NewPatient(), c.wantNew);
        EXPECT_EQ(platform.modal->shown().count(QStringLiteral("qx::frmEmployeeList")) -
                      shownBefore.count(QStringLiteral("qx::frmEmployeeList")),
                  c.listShown ? 1 : 0);
        EXPECT_EQ(recent->asked.isEmpty(), QString::fromLatin1(c.typed) == QLatin1String("5001A"));
        if (*c.wantMessage) {
            ASSERT_FALSE(platform.messages->boxes().empty());
            EXPECT_EQ(platform.messages->boxes().front().text, c.wantMessage);
        } else if (c.wantEntry) {
            EXPECT_EQ(platform.messages->boxes().front().text, "Is this a fringe benefit?");
            EXPECT_EQ(platform.messages->boxes().front().title, "IMPORTANT");
        }
        if (c.wantEntry && !c.wantNew)
            EXPECT_EQ(form->txtAcctNum->text(), "ACME");
        if (c.wantNew)
            EXPECT_EQ(form->txtAcctNum->text(), "");
        // The slip number of the visit is shown.
        EXPECT_EQ(form->lblAccount[2]->text().isEmpty(), !c.wantEntry);
        form->ClearAll();
    }
    EXPECT_EQ(db().query(QStringLiteral("SELECT HospNum, AccountNum FROM patient_data.tbOutPatient WHERE IDNum = '1B'"))
                  .text(QStringLiteral("AccountNum")),
              "STAFF");
}

TEST_P(frmEmployeeVisitTest, FringeQuestionDecidesTheAccountKind) {
    struct Case {
        const char* name;
        bool master;
        bool boxBefore;
        MsgBoxResult answer;
        bool wantBox;
        QStringList wantAsked;
        const char* wantAccount;
    };
    const Case cases[] = {
        {"Yes ticks the box: the fringe list opens", false, false, vbYes, true, {":FB"}, "FBCO"},
        {"Yes with the box ticked searches nothing", false, true, vbYes, true, {}, "OLD"},
        {"No unticks the box: the ordinary search", false, true, vbNo, false, {":Y"}, "ACME"},
        {"No with the box clear still searches", false, false, vbNo, false, {"OLD:Y"}, "ACME"},
        {"No for a master record searches nothing", true, false, vbNo, false, {}, "OLD"},
        {"Yes for a master record opens the fringe list", true, false, vbYes, true, {":FB"}, "FBCO"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        recent->choice = c.master ? QStringLiteral("H000202") : QStringLiteral("5001A");
        recent->master = c.master;
        picker->choice = QStringLiteral("ACME");
        picker->fringeChoice = QStringLiteral("FBCO");
        auto form = openEmployee();
        {
            const QSignalBlocker quiet(form->chkFringe);
            form->chkFringe->setChecked(c.boxBefore);
        }
        form->txtAcctNum->setText(QStringLiteral("OLD"));
        picker->asked.clear();
        platform.messages->answer(c.answer);
        enter(*form, QString());
        EXPECT_EQ(form->chkFringe->isChecked(), c.wantBox);
        EXPECT_EQ(picker->asked, c.wantAsked);
        EXPECT_EQ(form->txtAcctNum->text(), c.wantAccount);
    }
}

TEST_P(frmEmployeeVisitTest, AccountLookUpAndCreditFigures) {
    db().execute(QStringLiteral("UPDATE patient_data.tbOutPatient SET AccountNum = 'ACME' WHERE IDNum = '5001A'"));
    struct Case {
        const char* name;
        const char* site;
        bool fringe;
        const char* typed;
        const char* pickerAnswer;
        QStringList wantAsked;
        const char* wantCode;
        const char* wantName;
        const char* wantMessage;
        const char* wantCredit;
        const char* wantCharges;
        bool creditShown;
    };
    const Case cases[] = {
        {"an ordinary code typed is taken", "", false, "acme", "", {}, "ACME", " ACME CORP", "", "5000.00", "00.00", false},
        {"an unknown code opens the ordinary list", "", false, "AC", "ACME", {"AC:Y"}, "ACME", " ACME CORP", "", "5000.00",
         "00.00", false},
        {"a fringe account always opens its list", "QVH", true, "FBCO", "FBCO", {"FBCO:FB"}, "FBCO", " FRINGE CO", "",
         "123456.50", "00.00", true},
        {"a cancelled list empties the account", "QVH", false, "ZZZ", "", {"ZZZ:Y"}, "", "", "", "", "", true},
        {"an ordinary account is not a fringe one", "", true, "", "ACME", {":FB"}, "", "", "Account code doesn't exists.",
         "", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gSiteCode = QString::fromLatin1(c.site);
        platform.messages->clear();
        auto form = openEmployee();
        form->flexMSEntry->setEnabled(true);
        {
            const QSignalBlocker quiet(form->chkFringe);
            form->chkFringe->setChecked(c.fringe);
        }
        form->lblCredit->setText(QStringLiteral("OLD"));
        form->txtAcctNum->setText(QString::fromLatin1(c.typed));
        picker->asked.clear();
        picker->choice = picker->fringeChoice = QString::fromLatin1(c.pickerAnswer);
        form->cmdAcctNum_Click();
        EXPECT_EQ(picker->asked, c.wantAsked);
        if (*c.wantMessage) {
            EXPECT_EQ(platform.messages->last().text, c.wantMessage);
            EXPECT_EQ(platform.messages->last().title, "Quillax");
            continue;
        }
        EXPECT_EQ(form->txtAcctNum->text(), c.wantCode);
        EXPECT_EQ(form->lblAccount[0]->text(), c.wantName);
        EXPECT_EQ(form->lblCredit->text(), c.wantCredit);
        EXPECT_EQ(form->lblTotalCredit->text(), c.wantCharges);
        EXPECT_EQ(form->lblCredit->isVisible(), c.creditShown);
    }
    // The employment date comes with the account.
    auto form = openEmployee();
    {
        const QSignalBlocker quiet(form->chkFringe);
        form->chkFringe->setChecked(true);
    }
    picker->fringeChoice = QStringLiteral("FBCO");
    form->cmdAcctNum_Click();
    EXPECT_EQ(form->lblAccount[1]->text(), " 06/03/2019");
}

TEST_P(frmEmployeeVisitTest, LoadsItsListsAndSiteLayout) {
    db().execute(QStringLiteral("INSERT INTO tbPharmaDiscounts (Discount, DiscountCode, DiscountName, TypeA) VALUES "
                                "(10, 'D10', 'EMPLOYEE', 1), (20, 'D20', 'SENIOR', 1), (5, 'D05', 'B ONLY', 0)"));
    struct Case {
        const char* site;
        bool typeAShown, creditShown, basisShown;
    };
    for (const Case& c : {Case{"", true, false, false}, Case{"QVH", false, true, false}, Case{"NORVAX", true, false, true}}) {
        SCOPED_TRACE(c.site);
        gSiteCode = QString::fromLatin1(c.site);
        auto form = openEmployee();
        EXPECT_EQ(form->chkTypeA->isVisible(), c.typeAShown);
        EXPECT_EQ(form->txtDiscount->isVisible(), c.typeAShown);
        EXPECT_EQ(form->lblCredit->isVisible(), c.creditShown);
        EXPECT_EQ(form->Frame5->isVisible(), c.basisShown);
        EXPECT_EQ(form->txtDiscount->text(), "0.00");
        EXPECT_FALSE(form->txtDiscount->isEnabled());
        EXPECT_FALSE(form->TypeA->isEnabled());
        EXPECT_FALSE(form->cmdSave->isEnabled());
        QStringList a, b1, b2;
        for (int i = 0; i < form->cmbA->count(); ++i)
            a << form->cmbA->itemText(i);
        for (int i = 0; i < form->cmbB1->count(); ++i)
            b1 << form->cmbB1->itemText(i);
        for (int i = 0; i < form->cmbB2->count(); ++i)
            b2 << form->cmbB2->itemText(i);
        EXPECT_EQ(a, QStringList({"", "20.00% | D20 | SENIOR", "10.00% | D10 | EMPLOYEE"}));
        EXPECT_EQ(b1, QStringList({"20.00% SENIOR", "10.00% EMPLOYEE"}));
        EXPECT_EQ(b2, b1);
        EXPECT_EQ(form->cmbA->currentIndex(), 0);
        EXPECT_EQ(form->cmbB2->currentIndex(), 0);
    }
}

TEST_P(frmEmployeeVisitTest, OpensFromTheMainMenu) {
    RegisterPostingWindowOpeners();
    bool shown = false;
    platform.modal->onShow<frmEmployee>([&](frmEmployee& form) {
        shown = true;
        EXPECT_EQ(form.windowTitle(), "Employee Medicines");
        form.cmdClose_Click();
    });
    OpenWindow(QStringLiteral("mnuEmployeesMeds"));
    EXPECT_TRUE(shown);
}

QX_ON_BOTH_ENGINES(frmEmployeeVisitTest);

} // namespace
} // namespace qx::test
