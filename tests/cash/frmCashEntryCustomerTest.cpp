#include "Builders.h"
#include "CashEntryFixture.h"

#include "cash/frmPatientList.h"
#include "charging/frmCardMaster.h"
#include "charging/frmLookup.h"
#include "components/Clinicians.h"
#include "components/DispenserRoll.h"
#include "suite/CliniciansDoctor.h"
#include "suite/DispenserRollDispensers.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace qx::test {
namespace {

// A picker that answers with a scripted code and records what it was asked.
template <typename Picker>
class AnsweringPicker : public Picker {
public:
    bool InitConnection(const QString&) override { return true; }
    QString ShowList(const QString& text) override {
        asked << text;
        return answer;
    }
    QString answer;
    QStringList asked;
};

class frmCashEntryCustomerTest : public CashEntryTest {
protected:
    void SetUp() override {
        CashEntryTest::SetUp();
        auto doctor = std::make_shared<suite::CliniciansDoctor>([this] { return &db(); });
        doctor->InitConnection(db().connectionString());
        gComponents.gDoctor = doctor;
        doctorPicker = std::make_shared<AnsweringPicker<Clinicians::DoctorList>>();
        gComponents.gDoctorList = doctorPicker;
        auto dispensers = std::make_shared<suite::DispenserRollDispensers>([this] { return &db(); });
        dispensers->InitConnection(db().connectionString());
        gComponents.gDispensers = dispensers;
        checkerPicker = std::make_shared<AnsweringPicker<DispenserRoll::DispenserList>>();
        gComponents.gDispenserList = checkerPicker;
        addAdmittedPatient(db());
        db().execute(QStringLiteral("INSERT INTO build_file.tbCoRoomClass (RoomClassID, RoomClass, MarkUp) "
                                    "VALUES ('A', 'PRIVATE', 15)"));
    }
    void TearDown() override {
        form.reset();
        for (auto* slot : {&gComponents.gDoctor})
            slot->reset();
        gComponents.gDoctorList.reset();
        gComponents.gDispensers.reset();
        gComponents.gDispenserList.reset();
        CashEntryTest::TearDown();
    }

    // Ticks In-Patient, types the number, presses Enter and lets the Tab it sends move the focus.
    void lookUp(const QString& number, QCheckBox* patientBox = nullptr) {
        (patientBox ? patientBox : form->chkInPatient)->setChecked(true);
        form->txtIdNumber->setFocus();
        typeText(form->txtIdNumber, number);
        pressKey(form->txtIdNumber, Qt::Key_Return, QStringLiteral("\r"));
        ASSERT_EQ(platform.keys->keys().value(platform.keys->keys().size() - 1), "{TAB}");
        pressKey(form->txtIdNumber, Qt::Key_Tab);
        QApplication::processEvents();
    }
    // The window's own focus: a picker closed offscreen leaves no window active.
    bool idBoxHasFocus() const { return form->focusWidget() == form->txtIdNumber; }

    std::shared_ptr<AnsweringPicker<Clinicians::DoctorList>> doctorPicker;
    std::shared_ptr<AnsweringPicker<DispenserRoll::DispenserList>> checkerPicker;
};

TEST_F(frmCashEntryCustomerTest, FoundPatientFillsTheCustomerAndGoesToTheFirstCode) {
    addOutPatientVisit(db());
    struct Case { const char* name; bool inPatient; const char* number, *patName, *hospNum, *room; };
    const Case cases[] = {
        {"admission", true, "1001", "DELA CRUZ, JUAN SANTOS", "H000001", "301 - PRIVATE"},
        {"visit typed in lower case", false, "5001a", "REYES, MARIA LOPEZ", "H000101", " - "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        openShown();
        lookUp(QString::fromLatin1(c.number), c.inPatient ? form->chkInPatient : form->chkOutPatient);
        EXPECT_EQ(form->lblCaption->text(), c.inPatient ? "IN-PATIENT" : "OUT-PATIENT");
        EXPECT_EQ(form->txtIdNumber->text(), QString::fromLatin1(c.number).toUpper());
        EXPECT_EQ(form->txtPatName->text(), c.patName);
        EXPECT_EQ(form->txtHospNum->text(), c.hospNum);
        EXPECT_EQ(form->txtRoom->text(), c.room);
        EXPECT_FALSE(form->lblAge->text().isEmpty());
        EXPECT_EQ(grid()->row(), 1);
        EXPECT_EQ(grid()->col(), frmCashEntry::colCode);
        EXPECT_FALSE(idBoxHasFocus());
        EXPECT_TRUE(platform.modal->shown().isEmpty()) << "no picker for a found patient";
    }
}

TEST_F(frmCashEntryCustomerTest, UnknownNumberOpensThePickerWithTheText) {
    openShown();
    QString searched;
    platform.modal->onNextShow([&](QWidget& w) {
        auto& picker = static_cast<frmPatientList&>(w);
        searched = picker.txtSearch->text();
        picker.cmdCancel->click();
    });
    lookUp(QStringLiteral("999"));
    EXPECT_EQ(searched, "999");
    EXPECT_EQ(form->txtIdNumber->text(), "");
    EXPECT_EQ(form->txtHospNum->text(), "");
    EXPECT_EQ(form->txtPatName->text(), "");
    EXPECT_FALSE(idBoxHasFocus()) << "Exit lets the focus leave";
    EXPECT_TRUE(platform.messages->boxes().empty());
}

TEST_F(frmCashEntryCustomerTest, PickedRowIsLookedUpAgainAndASecondFailureKeepsTheFocusSilently) {
    openShown();
    platform.modal->onNextShow([](QWidget& w) {
        auto& picker = static_cast<frmPatientList&>(w);
        picker.txtSearch->setText(QStringLiteral("DELA"));
        picker.flexMSHList->setRow(1);
        picker.cmdOK->click();
    });
    lookUp(QStringLiteral("DELA"));
    EXPECT_EQ(form->txtIdNumber->text(), "1001");
    EXPECT_EQ(form->txtPatName->text(), "DELA CRUZ, JUAN SANTOS");

    form->txtIdNumber->clear();
    showActive(form.get());
    platform.modal->onNextShow([](QWidget& w) {
        auto& picker = static_cast<frmPatientList&>(w);
        picker.txtSearch->setText(QStringLiteral("NOBODY"));
        picker.cmdOK->click();  // an empty list hands back an empty number
    });
    form->txtIdNumber->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(idBoxHasFocus());
    typeText(form->txtIdNumber, QStringLiteral("777"));
    pressKey(form->txtIdNumber, Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_TRUE(idBoxHasFocus());
    EXPECT_EQ(form->txtIdNumber->text(), "");
    EXPECT_TRUE(platform.messages->boxes().empty());
}

TEST_F(frmCashEntryCustomerTest, PlanShownForTheFoundPatient) {
    db().execute(QStringLiteral("INSERT INTO build_file.tbCoCompany (AccountNum, Company, Class) VALUES ('HMO1', 'CARE PLUS', 'P')"));
    addAdmittedPatient(db(), {.idNum = QStringLiteral("1002"), .accountNum = QStringLiteral("HMO1")});
    db().execute(QStringLiteral("INSERT INTO build_file.tbCoVelmiraPatient (PatientID, Velmira) VALUES ('1002', 1)"));
    struct Case {
        const char* name;
        std::function<void()> settings;
        const char* number;
        bool planShown;
        const char* plan;
        bool typeAEnabled;
        bool markUpShown;
    };
    const Case cases[] = {
        {"socialized pricing shows the mark-up only", [] { gSocializePricing = true; gVelmira = true; }, "1002", false,
         "", true, true},
        {"sponsorship member", [] { gVelmira = true; }, "1002", true, "VELMIRA Patient", false, false},
        {"sponsorship non-member", [] { gVelmira = true; }, "1001", false, "", true, false},
        {"HMO by the hospital setting", [] { gHMOMarkup = true; }, "1002", true, "HMO Patient", true, false},
        {"HMO by inventory switch 104", [] { gInvSwitchHMOMarkupPrice = true; }, "1002", true, "HMO Patient", true,
         false},
        {"not an HMO patient", [] { gHMOMarkup = true; }, "1001", false, "", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        resetHospitalSettings();
        resetSwitches();
        c.settings();
        openShown();
        lookUp(QString::fromLatin1(c.number));
        EXPECT_EQ(form->lblHospitalPlan->isVisible(), c.planShown);
        if (c.planShown) {
            EXPECT_EQ(form->lblHospitalPlan->text(), c.plan);
        }
        EXPECT_EQ(form->chkTypeA->isEnabled(), c.typeAEnabled);
        EXPECT_EQ(form->lblMarkUp->isVisible(), c.markUpShown);
        if (c.markUpShown) {
            EXPECT_EQ(form->lblMarkUp->text(), "15");
        }
    }
}

TEST_F(frmCashEntryCustomerTest, PatientTypeBoxesBySite) {
    struct Case {
        const char* name;
        const char* site;
        bool velmira;
        std::function<void(frmCashEntry&)> act;
        const char* caption;
        bool in, out, dialysis;
        bool idBoxOpen;
        const char* idNumber;
        const char* patName;
        bool velmiraShown;
    };
    const auto tickIn = [](frmCashEntry& w) { w.chkInPatient->setChecked(true); };
    const auto outThenIn = [](frmCashEntry& w) {
        w.chkOutPatient->setChecked(true);
        w.chkInPatient->setChecked(true);
    };
    const Case cases[] = {
        {"in-patient after out-patient", "", false, outThenIn, "IN-PATIENT", true, false, false, true, "", "", false},
        {"out-patient after in-patient", "", false,
         [](frmCashEntry& w) {
             w.chkInPatient->setChecked(true);
             w.chkOutPatient->setChecked(true);
         },
         "OUT-PATIENT", false, true, false, true, "", "", false},
        {"KTH leaves the other boxes and the caption", "KTH", false, outThenIn, "OUT-PATIENT", true, true, false, true,
         "", "", false},
        {"unticking the last box is walk-in", "", true,
         [](frmCashEntry& w) {
             w.chkInPatient->setChecked(true);
             w.chkInPatient->setChecked(false);
         },
         "WALK-IN", false, false, false, false, "ASSESS", "CASH", true},
        {"sponsorship hides its box for a patient", "", true, tickIn, "IN-PATIENT", true, false, false, true, "", "",
         false},
        {"dialysis at TZNH", "TZNH", false,
         [](frmCashEntry& w) { w.chkDialysis->setChecked(true); }, "IN-PATIENT", false, false, true, false, "ASSESS",
         "CASH", false},
        {"dialysis at TZNH clears a ticked in-patient", "TZNH", false,
         [](frmCashEntry& w) {
             w.chkInPatient->setChecked(true);
             w.chkDialysis->setChecked(true);
         },
         "WALK-IN", false, false, true, false, "ASSESS", "CASH", false},
        {"in-patient price at GQUV", "GQUV", false,
         [](frmCashEntry& w) { w.chkDialysis->setChecked(true); }, "WALK-IN", false, false, true, false, "ASSESS",
         "CASH", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gSiteCode = QString::fromLatin1(c.site);
        gVelmira = c.velmira;
        openShown();
        fillLine(1, "AMX5", "2", "10.00");
        form->txtTotal->setText(QStringLiteral("10"));
        c.act(*form);
        EXPECT_EQ(form->lblCaption->text(), c.caption);
        EXPECT_EQ(form->chkInPatient->isChecked(), c.in);
        EXPECT_EQ(form->chkOutPatient->isChecked(), c.out);
        EXPECT_EQ(form->chkDialysis->isChecked(), c.dialysis);
        EXPECT_EQ(form->fraMasterInfo->isEnabled(), c.idBoxOpen);
        EXPECT_EQ(form->txtPatName->isEnabled(), !c.idBoxOpen);
        EXPECT_EQ(form->txtIdNumber->text(), c.idNumber);
        EXPECT_EQ(form->txtPatName->text(), c.patName);
        EXPECT_EQ(form->chkVelmira->isVisible(), c.velmiraShown);
        EXPECT_EQ(grid()->textMatrix(1, frmCashEntry::colCode), "") << "the grid is emptied";
        EXPECT_EQ(form->txtTotal->text(), "");
        EXPECT_TRUE(form->optNone->isChecked());
    }
}

TEST_F(frmCashEntryCustomerTest, SponsorshipBoxShowsThePlanAndTurnsTypeAOff) {
    gVelmira = true;
    openShown();
    form->chkVelmira->setChecked(true);
    EXPECT_EQ(form->lblHospitalPlan->text(), "VELMIRA PATIENT");
    EXPECT_TRUE(form->lblHospitalPlan->isVisible());
    EXPECT_FALSE(form->chkTypeA->isEnabled());
    form->chkVelmira->setChecked(false);
    EXPECT_FALSE(form->lblHospitalPlan->isVisible());
    EXPECT_TRUE(form->chkTypeA->isEnabled());
}

TEST_F(frmCashEntryCustomerTest, RequestingDoctor) {
    struct Case {
        const char* name;
        const char* typed;
        const char* pickerAnswer;
        const char* code;
        const char* doctor;
        const char* message;
        bool pickerAsked;
    };
    const Case cases[] = {
        {"found as typed", "d001", "", "D001", " DR. TEST DOCTOR D001", "", false},
        {"picked from the list", "DOC", "D001", "D001", " DR. TEST DOCTOR D001", "", true},
        {"picker cancelled", "DOC", "", "DOC", "", "", true},
        {"picked code unknown", "DOC", "X99", "DOC", "", "Doctor's code is not found.", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        openShown();
        platform.messages->clear();
        doctorPicker->asked.clear();
        doctorPicker->answer = QString::fromLatin1(c.pickerAnswer);
        form->txtDoctorID->setText(QString::fromLatin1(c.typed));
        form->cmdDocCode->click();
        EXPECT_EQ(form->txtDoctorID->text(), c.code);
        EXPECT_EQ(form->txtDoctor->text(), c.doctor);
        EXPECT_EQ(doctorPicker->asked.size(), c.pickerAsked ? 1 : 0);
        if (*c.message)
            EXPECT_EQ(platform.messages->last().text, c.message);
        else
            EXPECT_TRUE(platform.messages->boxes().empty());
    }
}

TEST_F(frmCashEntryCustomerTest, Checker) {
    db().execute(QStringLiteral("INSERT INTO password.tbPasswordMain (EmployeeID, Password, DepartmentID) VALUES ('E77', '', '15')"));
    db().execute(QStringLiteral("INSERT INTO password.tbPasswordMaster (EmployeeID, LastName, FirstName, MiddleName) "
                                "VALUES ('E77', 'BAUTISTA', 'ANA', 'REYES')"));
    struct Case { const char* name; const char* typed; const char* pickerAnswer; const char* id; const char* checker; };
    const Case cases[] = {
        {"found keeps the typed id", " e77 ", "", " e77 ", "ANA R. BAUTISTA"},
        {"picked from the list", "ANA", "E77", "E77", "ANA R. BAUTISTA"},
        {"picker cancelled changes nothing", "ANA", "", "ANA", "OLD NAME"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        openShown();
        checkerPicker->answer = QString::fromLatin1(c.pickerAnswer);
        form->txtCheckerName->setText(QStringLiteral("OLD NAME"));
        form->txtCheckerID->setText(QString::fromLatin1(c.typed));
        form->cmdSearch->click();
        EXPECT_EQ(form->txtCheckerID->text(), c.id);
        EXPECT_EQ(form->txtCheckerName->text(), c.checker);
    }
    EXPECT_TRUE(platform.messages->boxes().empty());
}

TEST_F(frmCashEntryCustomerTest, RefundBox) {
    struct Case { const char* name; const char* typed; const char* message; bool keepsFocus; const char* refund, *net; };
    const Case cases[] = {
        {"not a number", "abc", "<abc> is not a valid number.", true, "abc", "100.00"},
        {"above the total", "150", "Refund must be less than or equal to the current net amount (100).", true, "150",
         "100.00"},
        {"plain number", "50.00", "", false, "50", "50.00"},
        {"emptied reads as no refund", "", "", false, "0", "100.00"},
    };
    setPharmaSwitch(QStringLiteral("24"), true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        openShown();
        platform.messages->clear();
        form->txtTotal->setText(QStringLiteral("100"));
        form->txtRefund->setFocus();
        form->txtRefund->setText(QString::fromLatin1(c.typed));
        pressKey(form->txtRefund, Qt::Key_Return, QStringLiteral("\r"));
        EXPECT_EQ(platform.keys->keys().last(), "{TAB}");
        form->txtPatName->setFocus();
        QApplication::processEvents();
        EXPECT_EQ(QApplication::focusWidget() == form->txtRefund, c.keepsFocus);
        EXPECT_EQ(form->txtRefund->text(), c.refund);
        EXPECT_EQ(form->txtAmountNetRefund->text(), c.net);
        if (*c.message) {
            EXPECT_EQ(platform.messages->last().text, c.message);
            EXPECT_EQ(platform.messages->last().icon(), vbInformation);
        } else {
            EXPECT_TRUE(platform.messages->boxes().empty());
        }
    }
}

TEST_F(frmCashEntryCustomerTest, DiscountCard) {
    gValidateCardNumber = true;
    db().execute(QStringLiteral("INSERT INTO tbPharmaCardType (CardTypeID, CardTypeName, Status) VALUES (1, 'GOLD', 'A')"));
    db().execute(QStringLiteral("INSERT INTO tbPharmaCardMaster (CardNum, LastName, FirstName, MiddleName, CardTypeID) "
                                "VALUES ('100200', 'LIM', 'ROSA', 'TAN', 1)"));
    db().execute(QStringLiteral("INSERT INTO tbPharmaCardDiscount (CardTypeID, ItemID, Discount) VALUES ('1', 'AMX5', 5)"));
    openShown();
    form->txtZarviCard->setEnabled(true);
    fillLine(1, "AMX5", "2", "10.00");
    fillLine(2, "PAR1", "1", "3.00");
    platform.modal->onShow(QStringLiteral("qx::frmLookup"), [](QWidget& w) { w.close(); });
    form->txtZarviCard->setText(QStringLiteral(" 100200 "));
    pressKey(form->txtZarviCard, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(form->txtZarviCard->text(), "100200");
    EXPECT_EQ(form->lblCardTypeID->text(), "1");
    EXPECT_EQ(form->lblCardType->text(), "GOLD");
    EXPECT_EQ(form->txtCardHolder->text(), "LIM, ROSA TAN");
    EXPECT_EQ(grid()->textMatrix(1, frmCashEntry::colCardDiscount), "5");
    EXPECT_EQ(grid()->textMatrix(2, frmCashEntry::colCardDiscount), "0");

    // Unknown card: No does nothing; Yes opens the registration and asks again.
    struct Case { const char* name; std::vector<MsgBoxResult> answers; int questions; int registrations; };
    const Case cases[] = {
        {"No", {vbNo}, 1, 0},
        {"Yes, closed without saving, then No", {vbYes, vbNo}, 2, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform.messages->clear();
        for (MsgBoxResult a : c.answers)
            platform.messages->answer(a);
        const int shownBefore = int(platform.modal->shown().count(QStringLiteral("qx::frmCardMaster")));
        QString presetNumber, presetType;
        platform.modal->onShow<frmCardMaster>([&](frmCardMaster& w) {
            presetNumber = w.txtCardNum->text();
            presetType = w.txtCardTypeID->text();
            w.close();
        });
        form->txtZarviCard->setText(QStringLiteral("900900"));
        form->cmdSearchCard->click();
        int questions = 0;
        for (const auto& box : platform.messages->boxes()) {
            EXPECT_EQ(box.text, "Card Number doesn't exist. Do you want to register it?");
            EXPECT_EQ(box.title, "IMPORTANT");
            ++questions;
        }
        EXPECT_EQ(questions, c.questions);
        EXPECT_EQ(int(platform.modal->shown().count(QStringLiteral("qx::frmCardMaster"))) - shownBefore, c.registrations);
        if (c.registrations) {
            EXPECT_EQ(presetNumber, "900900");
            EXPECT_EQ(presetType, "1");
        }
    }

    platform.messages->clear();
    form->txtZarviCard->setText(QStringLiteral("  "));
    form->cmdSearchCard->click();
    EXPECT_TRUE(platform.messages->boxes().empty()) << "an empty card box asks nothing";
}

TEST_F(frmCashEntryCustomerTest, DialysisRepricing) {
    // The prices and undiscounted amounts item entry leaves on a line.
    const auto priced = [this](int row, const char* in, const char* out) {
        const double quantity = ToDouble(grid()->textMatrix(row, frmCashEntry::colQuantity));
        grid()->setTextMatrix(row, frmCashEntry::colInPatientPrice, QString::fromLatin1(in));
        grid()->setTextMatrix(row, frmCashEntry::colOutPatientPrice, QString::fromLatin1(out));
        grid()->setTextMatrix(row, frmCashEntry::colInPatientAmount, Text(quantity * ToDouble(QString::fromLatin1(in))));
        grid()->setTextMatrix(row, frmCashEntry::colOutPatientAmount, Text(quantity * ToDouble(QString::fromLatin1(out))));
    };
    struct Case { const char* name; const char* site; bool dialysis, inPatient; const char* price, *amount, *total; };
    const Case cases[] = {
        {"ticked: in-patient price", "", true, false, "5.25", "10.50", "14.5"},
        {"TZNH in-patient", "TZNH", false, true, "5.25", "10.50", "14.5"},
        {"neither: out-patient price", "", false, false, "4.75", "9.50", "13"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gSiteCode = QString::fromLatin1(c.site);
        open();
        fillLine(1, "AMX5", "2", "1.00");
        priced(1, "5.25", "4.75");
        fillLine(2, "PAR1", "1", "1.00");
        priced(2, "4", "3.5");
        form->chkDialysis->blockSignals(true);
        form->chkInPatient->blockSignals(true);
        form->chkDialysis->setChecked(c.dialysis);
        form->chkInPatient->setChecked(c.inPatient);
        form->ComputeDialysisPatient();
        EXPECT_EQ(grid()->textMatrix(1, frmCashEntry::colUnitPrice), c.price);
        EXPECT_EQ(grid()->textMatrix(1, frmCashEntry::colPriceBase), c.price);
        EXPECT_EQ(grid()->textMatrix(1, frmCashEntry::colAmount), c.amount);
        EXPECT_EQ(grid()->textMatrix(1, frmCashEntry::colGross), c.amount);
        EXPECT_EQ(form->txtTotal->text(), c.total);
    }

    open();
    form->ComputeDialysisPatient();
    EXPECT_EQ(form->txtTotal->text(), "0");
    EXPECT_EQ(form->txtDiscount->text(), "0");

    fillLine(1, "AMX5", "", "1.00");
    priced(1, "5.25", "4.75");
    form->txtTotal->setText(QStringLiteral("1"));
    form->ComputeDialysisPatient();
    EXPECT_EQ(platform.messages->last().text, "Enter quantity for ITEM AMX5.");
    EXPECT_EQ(grid()->textMatrix(1, frmCashEntry::colAmount), "1.00");
    EXPECT_EQ(form->txtTotal->text(), "1");
}

} // namespace
} // namespace qx::test
