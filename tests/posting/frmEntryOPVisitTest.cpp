#include "frmEntryOPFixture.h"

#include "charging/ChargeGrid.h"
#include "charging/OutPatientPricing.h"
#include "charging/ColorLegend.h"
#include "charging/TypeABDiscounts.h"
#include "mainwindow/frmPharma.h"
#include "platform/FlexGrid.h"
#include "posting/PostingWindowOpeners.h"
#include "platform/Twips.h"
#include "shell/clsPatient.h"
#include "suite/InpatientFilePatient.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <tuple>
#include <QTimer>

namespace qx::test {
namespace {

class frmEntryOPVisitTest : public frmEntryOPTest {
protected:
    void SetUp() override {
        frmEntryOPTest::SetUp();
        if (IsSkipped())
            return;
        addAccount(QStringLiteral("ACME"), QStringLiteral("ACME CORP"));
        addAccount(QStringLiteral("OUTCO"), QStringLiteral("OUT PRICE CO"), QString(), true);
        addAccount(QStringLiteral("STAFF"), QStringLiteral("HOSPITAL STAFF"), QStringLiteral("S"));
        addOutPatientVisit(db(), {.accountNum = QStringLiteral("ACME")});
        // A registry patient with no visit, charged to the out-price account.
        addOutPatientVisit(db(), {.idNum = QStringLiteral("5002B"),
                                  .person = {.hospNum = QStringLiteral("H000202"), .lastName = QStringLiteral("SANTOS"),
                                             .firstName = QStringLiteral("ANA"), .middleName = QString()}});
        db().execute(QStringLiteral("DELETE FROM patient_data.tbOutPatient WHERE IDNum = '5002B'"));
    }
    void setMasterAccount(const QString& hospNum, const QString& account) {
        db().execute(QStringLiteral("UPDATE patient_data.tbMaster SET MasterAccountCode = ? WHERE HospNum = ?"),
                     {account, hospNum});
    }
    static QString bannerOf(const frmEntryOP& form) {
        QStringList parts;
        for (const QLabel* label : form.lblPatInfo)
            parts << label->text();
        return parts.join(u'|');
    }
    const QString visitAge = suite::InpatientFilePatient::ageOn(QDate(1985, 3, 2), QDate::currentDate());
    const QString masterAge = suite::InpatientFilePatient::ageOn(QDate(1970, 5, 17), QDate::currentDate());
};

TEST_P(frmEntryOPVisitTest, VisitSearch) {
    db().execute(QStringLiteral("UPDATE patient_data.tbOutPatient SET CashBasisOnly = 1 WHERE IDNum = '5001A'"));
    addOutPatientVisit(db(), {.idNum = QStringLiteral("5003C"), .accountNum = QStringLiteral("ACME")});
    db().execute(QStringLiteral("UPDATE patient_data.tbOutPatient SET CashBasisOnly = 1, LateCharges = 1 "
                                "WHERE IDNum = '5003C'"));
    addOutPatientVisit(db(), {.idNum = QStringLiteral("5004D"), .accountNum = QStringLiteral("ACME")});
    addOutPatientVisit(db(), {.idNum = QStringLiteral("5005E"),
                              .person = {.hospNum = QStringLiteral("H000303"), .lastName = QStringLiteral("LIM"),
                                         .firstName = QStringLiteral("ROSE"), .middleName = QString()}});
    db().execute(QStringLiteral("DELETE FROM patient_data.tbOutPatient WHERE IDNum = '5005E'"));
    setMasterAccount(QStringLiteral("H000303"), QStringLiteral("STAFF"));

    struct Case {
        const char* name;
        const char* site;
        const char* typed;
        const char* picked;  // what the picker answers when shown
        bool master;
        const char* wantBox;
        const char* wantBanner;
        bool gridEnabled;
        QStringList messages;
        const char* pickerAsked;  // "recent", "roster" or "" for none
        bool newVisit;
    };
    const QString registered = QStringLiteral("REYES, MARIA LOPEZ|H000101|F|{AGE}");
    const QString late = QStringLiteral("The Patient's account is not open for Late Charges. Kindly coordinate with the PARS Section!");
    const Case cases[] = {
        {"typed and found, charge okay", "DEMO", "5004D", "", false, "5004D", "R", true, {}, "", false},
        {"typed, not found: roster elsewhere", "DEMO", "50", "5004D", false, "5004D", "R", true, {}, "roster", false},
        {"typed, not found: recent list at QVH", "QVH", "50", "5004D", false, "5004D", "R", true, {}, "recent", false},
        {"typed, not found: recent list at JAWKC", "JAWKC", "", "5004D", false, "5004D", "R", true, {}, "recent", false},
        {"picker cancelled", "DEMO", "ZZ", "", false, "ZZ", "|||", false, {}, "roster", false},
        {"picked visit unknown", "DEMO", "ZZ", "9999X", false, "ZZ", "|||", false, {"Hospital Number not found."}, "roster", false},
        {"cash basis only, late charges open", "DEMO", "5003C", "", false, "5003C", "R", true, {}, "", false},
        {"cash basis only and closed", "DEMO", "5001A", "", false, "", "|||", false, {late}, "", false},
        {"master record without account", "DEMO", "H000202", "H000202", true, "NEW", "SANTOS, ANA|H000202|M|{AGE70}", true, {}, "roster", true},
        {"master record of an employee account", "DEMO", "H000303", "H000303", true, "H000303", "|||", false,
         {QStringLiteral("Pls. post medicine to employee`s entry.")}, "roster", false},
        {"master record unknown", "DEMO", "H999", "H999", true, "H999", "|||", false, {}, "roster", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gSiteCode = QString::fromLatin1(c.site);
        recent->choice = roster->choice = QString::fromLatin1(c.picked);
        recent->master = c.master;
        recent->asked.clear();
        roster->asked.clear();
        platform.messages->clear();
        auto form = openScreen();
        chooseVisit(*form, QString::fromLatin1(c.typed));
        EXPECT_EQ(form->txtIDNum->text(), QString::fromLatin1(c.wantBox));
        QString banner = QString::fromLatin1(c.wantBanner) == "R" ? registered : QString::fromLatin1(c.wantBanner);
        banner.replace(QStringLiteral("{AGE}"), visitAge).replace(QStringLiteral("{AGE70}"), masterAge);
        EXPECT_EQ(bannerOf(*form), banner);
        EXPECT_EQ(form->grdItemList->isEnabled(), c.gridEnabled);
        EXPECT_EQ(platform.messages->texts(), c.messages);
        EXPECT_EQ(recent->asked.size(), QString::fromLatin1(c.pickerAsked) == "recent" ? 1 : 0);
        EXPECT_EQ(roster->asked.size(), QString::fromLatin1(c.pickerAsked) == "roster" ? 1 : 0);
        EXPECT_EQ(form->isNewVisit(), c.newVisit);
    }
}

TEST_P(frmEntryOPVisitTest, RegisteredVisitFillsDoctorAccountAndSlip) {
    auto form = openScreen();
    chooseVisit(*form, QStringLiteral("5001A"));
    EXPECT_EQ(form->txtDocCode->text(), QStringLiteral("D001"));
    EXPECT_EQ(form->lblDoctor->text(), QStringLiteral("DOCTOR D001, TEST"));
    EXPECT_EQ(form->txtAcctNum->text(), QStringLiteral("ACME"));
    EXPECT_EQ(form->lblAccount->text(), QStringLiteral("ACME CORP"));
    EXPECT_EQ(form->VisitAccountNum(), QStringLiteral("ACME"));
    EXPECT_EQ(form->lblChargeSlip->text(), QStringLiteral("00000001"));
    EXPECT_FALSE(form->isNewVisit());
    EXPECT_FALSE(form->tmrPrice->isActive());
}

TEST_P(frmEntryOPVisitTest, LateChargesRefusalEmptiesTheHeaderAndLocksEntry) {
    auto form = openScreen();
    chooseVisit(*form, QStringLiteral("5001A"));
    ASSERT_TRUE(form->grdItemList->isEnabled());
    form->grdItemList->setTextMatrix(1, 1, QStringLiteral("PARA500"));
    db().execute(QStringLiteral("UPDATE patient_data.tbOutPatient SET CashBasisOnly = 1 WHERE IDNum = '5001A'"));
    chooseVisit(*form, QStringLiteral("5001A"));
    EXPECT_EQ(platform.messages->last().title, QStringLiteral("MESSAGE"));
    EXPECT_EQ(platform.messages->last().style, vbInformation);
    EXPECT_EQ(form->txtIDNum->text(), QString());
    EXPECT_EQ(form->txtAcctNum->text(), QString());
    EXPECT_EQ(form->lblAccount->text(), QString());
    EXPECT_EQ(form->lblChargeSlip->text(), QString());
    // The doctor and the lines stay; nothing more can be entered or saved under nobody.
    EXPECT_EQ(form->txtDocCode->text(), QStringLiteral("D001"));
    EXPECT_EQ(form->grdItemList->textMatrix(1, 1), QStringLiteral("PARA500"));
    EXPECT_FALSE(form->grdItemList->isEnabled());
    EXPECT_FALSE(form->cmdSave->isEnabled());
    EXPECT_TRUE(form->txtIDNum->hasFocus());
}

TEST_P(frmEntryOPVisitTest, AccountCheckOfANewVisit) {
    struct Case {
        const char* name;
        const char* master;
        const char* picked;
        const char* wantBox;
        const char* wantName;
        QStringList messages;
        bool blinking;
    };
    const Case cases[] = {
        {"known account", "ACME", "", "ACME", "ACME CORP", {}, false},
        {"out-price account blinks", "OUTCO", "", "OUTCO", "OUT PRICE CO", {}, true},
        {"unknown account, picker cancelled", "NOSUCH", "", "NOSUCH", "", {}, false},
        {"unknown account, picked one", "NOSUCH", "OUTCO", "OUTCO", "OUT PRICE CO", {}, true},
        {"picked account unknown", "NOSUCH", "GHOST", "NOSUCH", "", {"Account code does not exist."}, false},
        {"picked employee account", "NOSUCH", "STAFF", "NOSUCH", "", {"Pls. post medicine to employee`s entry."}, false},
    };
    pickVisit(QStringLiteral("H000202"), true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        setMasterAccount(QStringLiteral("H000202"), QString::fromLatin1(c.master));
        accounts->choice = QString::fromLatin1(c.picked);
        platform.messages->clear();
        auto form = openScreen();
        chooseVisit(*form, QStringLiteral("H000202"));
        EXPECT_EQ(form->txtIDNum->text(), QStringLiteral("NEW"));
        EXPECT_EQ(form->txtAcctNum->text(), QString::fromLatin1(c.wantBox));
        EXPECT_EQ(form->lblAccount->text(), QString::fromLatin1(c.wantName));
        EXPECT_EQ(platform.messages->texts(), c.messages);
        EXPECT_EQ(form->tmrPrice->isActive(), c.blinking);
        // A refused account does not stop the new visit.
        EXPECT_TRUE(form->grdItemList->isEnabled());
        EXPECT_TRUE(form->isNewVisit());
    }
}

TEST_P(frmEntryOPVisitTest, OutPatientPriceLabelBlinksExactlyWhileTheAccountShownHasOutPrices) {
    addOutPatientVisit(db(), {.idNum = QStringLiteral("5006F"), .accountNum = QStringLiteral("OUTCO")});
    auto form = openScreen();
    chooseVisit(*form, QStringLiteral("5006F"));
    ASSERT_TRUE(form->tmrPrice->isActive());
    EXPECT_EQ(form->tmrPrice->interval(), 1000);
    form->tmrPrice_Timer();
    EXPECT_TRUE(form->lblPrice->isVisible());
    form->tmrPrice_Timer();
    EXPECT_FALSE(form->lblPrice->isVisible());
    form->tmrPrice_Timer();
    // A new visit without an account, then a registered visit on an ordinary account: no blink.
    pickVisit(QStringLiteral("H000202"), true);
    chooseVisit(*form, QStringLiteral("H000202"));
    EXPECT_FALSE(form->tmrPrice->isActive());
    EXPECT_FALSE(form->lblPrice->isVisible());
    recent->master = false;
    chooseVisit(*form, QStringLiteral("5006F"));
    EXPECT_TRUE(form->tmrPrice->isActive());
    chooseVisit(*form, QStringLiteral("5001A"));
    EXPECT_FALSE(form->tmrPrice->isActive());
}

TEST_P(frmEntryOPVisitTest, IsForOutPriceReadsTheAccountsFlag) {
    EXPECT_TRUE(isForOutPrice(db(), QStringLiteral("OUTCO")));
    EXPECT_FALSE(isForOutPrice(db(), QStringLiteral("ACME")));
    EXPECT_FALSE(isForOutPrice(db(), QStringLiteral("O'NEIL")));
    EXPECT_FALSE(isForOutPrice(db(), QString()));
}

TEST_P(frmEntryOPVisitTest, ChargeSlipNumberBySiteAndSwitch22) {
    db().execute(QStringLiteral("INSERT INTO tbChargeSlipTerminal (UserID, ChargeSlip) VALUES ('1234', 57)"));
    struct Case { const char* site; bool switch22; bool master; const char* slip; };
    const Case cases[] = {{"QVH", true, false, "C000057M"}, {"DEMO", true, false, "5001A-0001"},
                          {"DEMO", true, true, "NEW-0001"}, {"DEMO", false, true, "00000001"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.slip);
        gSiteCode = QString::fromLatin1(c.site);
        setPharmaSwitch(QStringLiteral("22"), c.switch22);
        pickVisit(QStringLiteral("H000202"), c.master);
        auto form = openScreen();
        chooseVisit(*form, c.master ? QStringLiteral("H000202") : QStringLiteral("5001A"));
        EXPECT_EQ(form->lblChargeSlip->text(), QString::fromLatin1(c.slip));
    }
}

TEST_P(frmEntryOPVisitTest, DoctorSearch) {
    struct Case { const char* name; const char* typed; const char* picked; const char* wantBox; const char* wantDoctor; QStringList messages; };
    const Case cases[] = {
        {"typed and found", "d001", "", "D001", " DR. TEST DOCTOR D001", {}},
        {"unknown, picked", "X", "D001", "D001", " DR. TEST DOCTOR D001", {}},
        {"unknown, picker cancelled", "X", "", "X", "", {}},
        {"picked doctor unknown", "X", "D999", "X", "", {"Doctor's code is not found."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        doctors->choice = QString::fromLatin1(c.picked);
        platform.messages->clear();
        auto form = openScreen();
        form->txtDocCode->setFocus();
        form->txtDocCode->clear();
        typeText(form->txtDocCode, QString::fromLatin1(c.typed));
        pressKey(form->txtDocCode, Qt::Key_Return, QStringLiteral("\r"));
        EXPECT_EQ(form->txtDocCode->text(), QString::fromLatin1(c.wantBox));
        EXPECT_EQ(form->lblDoctor->text(), QString::fromLatin1(c.wantDoctor));
        EXPECT_EQ(platform.messages->texts(), c.messages);
    }
}

TEST_P(frmEntryOPVisitTest, LoadingFillsTheLegendAndTheDiscountLists) {
    for (const auto& [rate, a, b] : {std::tuple{20.0, 1, 0}, {1.12, 1, 0}, {10.0, 0, 1}, {5.0, 0, 1}, {7.0, 0, 0}})
        db().execute(QStringLiteral("INSERT INTO tbPharmaDiscounts (Discount, TypeA, TypeB) VALUES (?, ?, ?)"), {rate, a, b});
    gShowColorAntibioticClass = true;
    auto form = openScreen();
    EXPECT_EQ(form->height(), twipsToPixels(frmEntryOP::kColorCodedHeight));
    EXPECT_FALSE(form->grdItemList->isEnabled());
    EXPECT_FALSE(form->cmdSave->isEnabled());
    EXPECT_FALSE(form->cmdPrintSave->isEnabled());
    EXPECT_FALSE(form->cmdClearRow->isEnabled());
    QStringList typeA, typeB;
    for (int i = 0; i < form->discounts()->cmbA->count(); ++i)
        typeA << form->discounts()->cmbA->itemText(i);
    for (int i = 0; i < form->discounts()->cmbB1->count(); ++i)
        typeB << form->discounts()->cmbB1->itemText(i);
    EXPECT_EQ(typeA, (QStringList{"1.12%", "20.00%"}));
    EXPECT_EQ(typeB, (QStringList{"5.00%", "10.00%"}));
    EXPECT_EQ(form->discounts()->cmbB2->count(), 2);
    EXPECT_EQ(form->discounts()->cmbA->currentIndex(), 0);
    EXPECT_FALSE(form->discounts()->TypeA->isEnabled());
    EXPECT_FALSE(form->discounts()->cmdApplyB->isEnabled());
    EXPECT_FALSE(form->discounts()->chkTypeA->isVisible());

    gShowColorAntibioticClass = false;
    db().execute(QStringLiteral("DELETE FROM tbPharmaDiscounts"));
    auto plain = openScreen();
    EXPECT_EQ(plain->height(), twipsToPixels(frmEntryOP::kDesignedHeight));
    EXPECT_EQ(plain->Frame4->lblRed->text(), QString());
    EXPECT_EQ(plain->discounts()->cmbA->count(), 0);
    EXPECT_EQ(plain->discounts()->cmbA->currentIndex(), -1);
}

TEST_P(frmEntryOPVisitTest, PatientIDPresetsTheBanner) {
    auto form = std::make_unique<frmEntryOP>();
    form->setPatientID(QStringLiteral("5001A"));
    form->Form_Load();
    EXPECT_EQ(form->txtIDNum->text(), QStringLiteral("5001A"));
    EXPECT_EQ(form->lblPatInfo[0]->text(), QStringLiteral("REYES, MARIA LOPEZ"));
    EXPECT_EQ(form->lblChargeSlip->text(), QStringLiteral("00000001"));
    EXPECT_FALSE(form->grdItemList->isEnabled());
}

TEST_P(frmEntryOPVisitTest, MenuCommandAndToolbarButtonOpenTheScreenModally) {
    RegisterPostingWindowOpeners();
    frmPharma mainWindow;
    int opened = 0;
    platform.modal->onShow<frmEntryOP>([&](frmEntryOP& form) {
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Manual Posting ( OUT-PATIENT )"));
        EXPECT_FALSE(form.grdItemList->isEnabled());
        chooseVisit(form, QStringLiteral("5001A"));
        EXPECT_EQ(form.lblPatInfo[0]->text(), QStringLiteral("REYES, MARIA LOPEZ"));
        EXPECT_TRUE(form.grdItemList->isEnabled());
        ++opened;
        form.close();
    });
    mainWindow.command(QStringLiteral("mnuManualOutPatient"))->trigger();
    mainWindow.tbrPharma_ButtonMenuClick(4, 2);
    mainWindow.tbrPharma_ButtonClick(4);
    EXPECT_EQ(opened, 3);
    EXPECT_EQ(platform.modal->shown(), QStringList(3, QStringLiteral("qx::frmEntryOP")));
}

QX_ON_BOTH_ENGINES(frmEntryOPVisitTest);

} // namespace
} // namespace qx::test
