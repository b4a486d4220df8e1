#include "frmEntryFixture.h"

#include "platform/FlexGrid.h"
#include "shell/frmDeletePassword.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx::test {
namespace {

const QDateTime kEarlierBill(QDate(2026, 1, 9), QTime(17, 0));

// One account condition put on an admission.
enum class Condition { Plain, BilledToday, NoLateCharges, BillClosed, Cleared, CashBasis, OwnMedicines, CashBasisOwnMedicines };

class frmEntryFindTest : public frmEntryTest {
protected:
    // An admission with its own patient and the condition in place.
    void admit(const QString& id, Condition condition) {
        AdmissionSpec spec{.idNum = id,
                           .person = {.hospNum = QStringLiteral("H") + id, .lastName = QStringLiteral("PATIENT ") + id,
                                      .firstName = QStringLiteral("ANA"), .middleName = QString()}};
        if (condition == Condition::BilledToday)
            spec.billingDate = QDateTime(QDate::currentDate(), QTime(0, 5));
        if (condition == Condition::NoLateCharges) {
            spec.billingDate = kEarlierBill;
            spec.dischargeDate = kEarlierBill;
        }
        if (condition == Condition::BillClosed)
            spec.billingDate = kEarlierBill;
        addAdmittedPatient(db(), spec);
        // A closed bill is also cash-basis and cleared, to show that those checks are skipped.
        if (condition == Condition::BillClosed || condition == Condition::Cleared)
            db().execute(QStringLiteral("INSERT INTO patient_data.tbDischargeNotice (IDNum, DepartmentID, NoticeDate, "
                                        "ClearDate) VALUES (?, 'PH', ?, ?)"),
                         {id, kEarlierBill, kEarlierBill});
        if (condition == Condition::BillClosed || condition == Condition::CashBasis ||
            condition == Condition::CashBasisOwnMedicines)
            db().execute(QStringLiteral("UPDATE patient_data.tbPatient SET CashBasisOnly = 1 WHERE IDNum = ?"), {id});
        if (condition == Condition::OwnMedicines || condition == Condition::CashBasisOwnMedicines)
            db().execute(QStringLiteral("UPDATE patient_data.tbPatient2 SET PatientsMed = 1 WHERE IdNum = ?"), {id});
    }
    // The supervisor dialog approves or refuses when shown.
    void supervisorAnswers(bool approve) {
        platform.modal->onShow<frmDeletePassword>([approve](frmDeletePassword& w) {
            w.setOKCharge(approve);
            w.close();
        });
    }
    int supervisorShown() const { return int(platform.modal->shown().count(QStringLiteral("qx::frmDeletePassword"))); }
};

struct Box { const char* text; int style; const char* title; };

TEST_P(frmEntryFindTest, ChecksDecideInOrder) {
    const QString cashLeadIn = QStringLiteral("PATIENT %1, ANA ( with Admission # %1 ) ");
    struct Case {
        const char* name;
        Condition condition;
        bool switch1;
        int supervisor;  // -1 not shown, 0 refuses, 1 approves
        std::vector<MsgBoxResult> answers;
        std::vector<Box> boxes;  // "%1" in a text stands for the admission
        bool loads, eCart, restricted;
    };
    const Case cases[] = {
        {"plain", Condition::Plain, false, -1, {}, {}, true, false, false},
        {"billed today", Condition::BilledToday, true, -1, {},
         {{"Patient's bill has been closed today.  Please verify with Billing section.", vbInformation, "MESSAGE"}},
         false, false, false},
        {"no late charges", Condition::NoLateCharges, true, -1, {},
         {{"The Patient's account is not open for Late Charges. Kindly coordinate with the PARS Section!", vbInformation,
           "MESSAGE"}},
         false, false, false},
        {"closed, supervisor approves", Condition::BillClosed, true, 1, {}, {}, true, false, false},
        {"closed, switch 1, Yes", Condition::BillClosed, true, 0, {vbYes},
         {{"Patient bill is closed. Would you like to proceed?", vbYesNo, "MESSAGE"}}, true, true, false},
        {"closed, switch 1, No", Condition::BillClosed, true, 0, {vbNo},
         {{"Patient bill is closed. Would you like to proceed?", vbYesNo, "MESSAGE"}}, false, false, false},
        {"closed, switch 1 off", Condition::BillClosed, false, 0, {},
         {{"Patient bill is closed.  You are not allowed to enter charges.", vbInformation, "MESSAGE"}}, false, false,
         false},
        {"cleared", Condition::Cleared, false, -1, {},
         {{"The Patient is already cleared.  Please verify with Billing section.", vbInformation, "MESSAGE"}}, false,
         false, false},
        {"cash basis, switch 1, Yes", Condition::CashBasis, true, -1, {vbYes},
         {{"%2is for cash basis only. Would you like to proceed?", vbYesNo, "MESSAGE"}}, true, true, false},
        {"cash basis, switch 1, No", Condition::CashBasis, true, -1, {vbNo},
         {{"%2is for cash basis only. Would you like to proceed?", vbYesNo, "MESSAGE"}}, false, false, false},
        {"cash basis, restricted", Condition::CashBasisOwnMedicines, false, -1, {},
         {{"%2is for cash basis only. Only non-restricted items are available for charging.", vbInformation, "Quillax"},
          {"This patient is tagged under patients med.", vbInformation, "Message"}},
         true, false, true},
        {"own medicines", Condition::OwnMedicines, false, -1, {},
         {{"This patient is tagged under patients med.", vbInformation, "Message"}}, true, false, false},
    };
    int id = 2001;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString admission = QString::number(id++);
        admit(admission, c.condition);
        setPharmaSwitch(QStringLiteral("1"), c.switch1);
        if (c.supervisor >= 0)
            supervisorAnswers(c.supervisor == 1);
        const int supervisorBefore = supervisorShown();
        platform.messages->clear();
        for (MsgBoxResult a : c.answers)
            platform.messages->answer(a);

        auto form = openScreen();
        find(*form, admission);

        EXPECT_EQ(supervisorShown() - supervisorBefore, c.supervisor >= 0 ? 1 : 0);
        const auto& boxes = platform.messages->boxes();
        ASSERT_EQ(boxes.size(), c.boxes.size());
        for (size_t i = 0; i < boxes.size(); ++i) {
            QString expected = QString::fromUtf8(c.boxes[i].text);
            expected.replace(QStringLiteral("%2"), cashLeadIn.arg(admission));
            EXPECT_EQ(boxes[i].text, expected);
            EXPECT_EQ(boxes[i].style, c.boxes[i].style);
            EXPECT_EQ(boxes[i].title, QString::fromUtf8(c.boxes[i].title));
        }
        EXPECT_EQ(form->lblPatInfo[0]->text(), c.loads ? QStringLiteral("H") + admission : QString());
        EXPECT_EQ(form->grdItemList->isEnabled(), c.loads);
        EXPECT_EQ(form->txtFind->text(), c.loads ? admission : QString());
        EXPECT_EQ(form->blnUseECartLocation(), c.eCart);
        EXPECT_EQ(form->blnRestrictedItemsOnly(), c.restricted);
    }
}

TEST_P(frmEntryFindTest, CashBasisWithoutTheRestrictionColumnWarnsAndEmptiesTheBox) {
    db().executeScript(QStringLiteral("ALTER TABLE tbInvMaster DROP COLUMN Unrestricted"));
    admit(QStringLiteral("2101"), Condition::CashBasisOwnMedicines);
    auto form = openScreen();
    EXPECT_FALSE(form->blnHasUnrestrictedColumn());
    find(*form, QStringLiteral("2101"));
    EXPECT_EQ(platform.messages->texts(),
              (QStringList{QStringLiteral("PATIENT 2101, ANA ( with Admission # 2101 ) is for cash basis only. Please "
                                          "verify with the billing section."),
                           QStringLiteral("This patient is tagged under patients med.")}));
    EXPECT_EQ(platform.messages->boxes()[0].style, vbCritical);
    EXPECT_EQ(platform.messages->boxes()[0].title, QStringLiteral("WARNING"));
    EXPECT_EQ(form->txtFind->text(), QString());
    EXPECT_TRUE(form->txtFind->hasFocus());
    EXPECT_EQ(form->lblPatInfo[2]->text(), QString());
    EXPECT_FALSE(form->grdItemList->isEnabled());
}

TEST_P(frmEntryFindTest, ECartLocationSurvivesALaterFind) {
    admit(QStringLiteral("2201"), Condition::CashBasis);
    admit(QStringLiteral("2202"), Condition::Plain);
    setPharmaSwitch(QStringLiteral("1"), true);
    platform.messages->answer(vbYes);
    auto form = openScreen();
    find(*form, QStringLiteral("2201"));
    ASSERT_TRUE(form->blnUseECartLocation());
    find(*form, QStringLiteral("2202"));
    EXPECT_EQ(form->txtFind->text(), QStringLiteral("2202"));
    EXPECT_TRUE(form->blnUseECartLocation());
    EXPECT_TRUE(openScreen()->blnUseECartLocation() == false);
}

TEST_P(frmEntryFindTest, RefusedFindKeepsThePatientShownBefore) {
    admit(QStringLiteral("2301"), Condition::CashBasis);
    admit(QStringLiteral("2302"), Condition::BilledToday);
    auto form = openScreen();
    find(*form, QStringLiteral("2301"));
    ASSERT_TRUE(form->blnRestrictedItemsOnly());
    form->grdItemList->setTextMatrix(1, 1, QStringLiteral("PARA500"));

    find(*form, QStringLiteral("2302"));
    EXPECT_EQ(platform.messages->last().text,
              QStringLiteral("Patient's bill has been closed today.  Please verify with Billing section."));
    EXPECT_EQ(form->txtFind->text(), QStringLiteral("2301"));
    EXPECT_EQ(gComponents.gPatient->AdmissionNumber(), QStringLiteral("2301"));
    EXPECT_EQ(form->lblPatInfo[2]->text(), QStringLiteral("PATIENT 2301, ANA"));
    EXPECT_TRUE(form->blnRestrictedItemsOnly());
    EXPECT_TRUE(form->grdItemList->isEnabled());
    EXPECT_EQ(form->grdItemList->textMatrix(1, 1), QStringLiteral("PARA500"));
}

TEST_P(frmEntryFindTest, NameOpensThePickerAndNotFoundIsTold) {
    admit(QStringLiteral("2401"), Condition::Plain);
    auto form = openScreen();
    admissions->choice = QString();
    find(*form, QString());
    find(*form, QStringLiteral("PATIENT"));
    EXPECT_EQ(admissions->asked, (QStringList{QString(), QStringLiteral("PATIENT")}));
    EXPECT_TRUE(platform.messages->boxes().empty());
    EXPECT_FALSE(form->grdItemList->isEnabled());

    admissions->choice = QStringLiteral("2401");
    find(*form, QStringLiteral("patient"));
    EXPECT_EQ(form->txtFind->text(), QStringLiteral("2401"));
    EXPECT_TRUE(form->grdItemList->isEnabled());
    EXPECT_FALSE(form->cmdFind->isEnabled());

    find(*form, QStringLiteral("9999"));
    EXPECT_EQ(platform.messages->last().text, QStringLiteral("Patient number not found!"));
    EXPECT_EQ(platform.messages->last().style, vbInformation);
    EXPECT_EQ(platform.messages->last().title, QStringLiteral("Quillax"));
    EXPECT_EQ(admissions->asked.size(), 3);
}

QX_ON_BOTH_ENGINES(frmEntryFindTest);

} // namespace
} // namespace qx::test
