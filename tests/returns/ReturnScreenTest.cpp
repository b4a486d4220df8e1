#include "ReturnScreenFixture.h"

#include "charging/ChargeGrid.h"
#include "platform/Twips.h"
#include "returns/ReturnWindowOpeners.h"
#include "shell/WindowOpeners.h"
#include "shell/frmDeletePassword.h"

namespace qx::test {
namespace {

using Screen = ReturnScreen;

TEST_P(ReturnScreenTest, OpensEmptyWithTheCaptionOfItsFormAndMode) {
    struct Case { bool inPatient; qint16 mode; const char* caption; };
    const Case cases[] = {
        {true, Screen::kReturn, "Post Returned Medicines ( IN-PATIENT )"},
        {true, Screen::kAdjustment, "Adjust Posted Medicines ( IN-PATIENT )"},
        {false, Screen::kReturn, "Post Returned Medicines ( OUT-PATIENT )"},
        {false, Screen::kAdjustment, "Adjust Posted Medicines ( OUT-PATIENT )"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        std::unique_ptr<Screen> form;
        if (c.inPatient)
            form = open<frmReturn>(c.mode);
        else
            form = open<frmReturnOP>(c.mode);
        EXPECT_EQ(form->windowTitle(), QString::fromLatin1(c.caption));
        FlexGrid& grid = *form->flexMSEntry;
        EXPECT_EQ(grid.rows(), 31);
        EXPECT_EQ(grid.cols(), 14);
        QStringList headers;
        for (int col = 0; col < grid.cols(); ++col)
            headers << grid.textMatrix(0, col).trimmed();
        EXPECT_EQ(headers, (QStringList{"Charge Slip", "Code", "Product Description", "Brand Name", "Qty. Issued",
                                        "Quantity", "Stock", "Amount", "Remarks",
                                        c.inPatient ? "Orig. Amount" : "Orig Amount", "", "", "", "Orig Amount"}));
        const std::vector<int> widths = c.inPatient
                                            ? std::vector<int>{1728, 1056, 4320, 0, 1728, 1728, 1728, 1728, 0, 0, 0, 0, 0, 1452}
                                            : std::vector<int>{1272, 1032, 3180, 0, 1272, 1272, 1272, 1272, 0, 0, 0, 0, 0, 1428};
        for (int col = 0; col < 14; ++col)
            EXPECT_EQ(grid.colWidth(col), widths[static_cast<size_t>(col)]) << col;
        EXPECT_EQ(grid.fixedCols(), 0);
        EXPECT_EQ(form->width(), twipsToPixels(c.inPatient ? 10680 : 10500));
        for (int col = 0; col < 14; ++col)
            EXPECT_EQ(form->ExcemptCol(col), col != 1 && col != 5) << col;
        EXPECT_FALSE(grid.isEnabled());
        EXPECT_FALSE(form->cmdSave->isEnabled());
        EXPECT_FALSE(form->cmdPrintSave->isEnabled());
        EXPECT_FALSE(form->cmdClearRow->isEnabled());
        EXPECT_FALSE(form->Frame2->isVisibleTo(form.get()));
        EXPECT_TRUE(form->txtFind->hasFocus());
        // A click on the disabled grid opens nothing; closing asks nothing.
        form->chargeGrid()->openEditor();
        EXPECT_FALSE(form->chargeGrid()->isEditorVisible());
        form->cmdClose->click();
        EXPECT_TRUE(platform.messages->boxes().empty());
        EXPECT_FALSE(form->isVisible());
    }
}

TEST_P(ReturnScreenTest, KelvarHospitalsWidenTheWindowByTheBrandNameColumn) {
    db().execute(QStringLiteral("DELETE FROM patient_data.tbHospitalInfo"));
    db().execute(QStringLiteral("INSERT INTO patient_data.tbHospitalInfo (Kelvarin) VALUES (1)"));
    gPharmaSwitches.Load(db(), QString());
    auto in = open<frmReturn>();
    EXPECT_EQ(in->BrandNameColWidth(), 3000);
    EXPECT_EQ(in->flexMSEntry->colWidth(Screen::colBrandName), 3000);
    EXPECT_EQ(in->width(), twipsToPixels(10680) + twipsToPixels(3000));
    EXPECT_EQ(in->Frame1->width(), twipsToPixels(10680 - 240) + twipsToPixels(3000));
    // A second load widens nothing further.
    in->Form_Load();
    EXPECT_EQ(in->width(), twipsToPixels(10680) + twipsToPixels(3000));
    auto out = open<frmReturnOP>();
    EXPECT_EQ(out->flexMSEntry->colWidth(Screen::colBrandName), 2000);
    EXPECT_EQ(out->width(), twipsToPixels(10500) + twipsToPixels(2000));
}

// In-patient look-ups over admissions in every state the checks refuse, with admission 1001
// loaded first or not: a refusal keeps the loaded patient in the box, the banner and the grid.
TEST_P(ReturnScreenTest, InPatientLookUpRefusesClosedAccounts) {
    const QDateTime today = QDateTime::currentDateTime();
    addAdmittedPatient(db(), {.idNum = QStringLiteral("1002"), .dischargeDate = QDateTime(QDate(2026, 1, 9), QTime(8, 0))});
    addAdmittedPatient(db(), {.idNum = QStringLiteral("1003"), .dischargeDate = QDateTime(QDate(2026, 1, 9), QTime(8, 0)),
                              .lateCharges = true});
    addAdmittedPatient(db(), {.idNum = QStringLiteral("1004"), .billingDate = today});
    addAdmittedPatient(db(), {.idNum = QStringLiteral("1005"), .billingDate = QDateTime(QDate(2026, 1, 8), QTime(9, 0))});
    addAdmittedPatient(db(), {.idNum = QStringLiteral("1006")});
    for (const char* id : {"1005", "1006"})
        db().execute(QStringLiteral("INSERT INTO patient_data.tbDischargeNotice (IDNum, DepartmentID, ClearDate) "
                                    "VALUES (?, 'PH', ?)"),
                     {QString::fromLatin1(id), today});
    const QString lateCharges =
        QStringLiteral("The Patient's account is not open for Late Charges. Kindly coordinate with the PARS Section!");
    struct Case {
        const char* name;
        const char* typed;
        const char* picked;  // nullptr: no picker
        int supervisor;      // -1 not asked, 0 refuses, 1 approves
        const char* message;
        const char* loads;  // the admission loaded afterwards, "" none
    };
    const Case cases[] = {
        {"number", " 1001 ", nullptr, -1, "", "1001"},
        {"name through the picker", "DELA", "1001", -1, "", "1001"},
        {"picker cancelled", "DELA", "", -1, "", ""},
        {"unknown number", "9999", nullptr, -1, "Patient number not found!", ""},
        {"discharged without late charges", "1002", nullptr, -1, "LATE", ""},
        {"discharged with late charges open", "1003", nullptr, -1, "", "1003"},
        {"bill closed today", "1004", nullptr, -1, "Patient's bill has been closed today.  Please verify with Billing section.", ""},
        {"closed bill refused", "1005", nullptr, 0, "Patient bill is closed.  You are not allowed to enter charges.", ""},
        {"closed bill approved, cleared too", "1005", nullptr, 1, "", "1005"},
        {"cleared", "1006", nullptr, -1, "The Patient is already cleared.  Please verify with Billing section.", ""},
    };
    for (bool loadedFirst : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (loadedFirst ? " after 1001" : ""));
            auto form = open<frmReturn>();
            if (loadedFirst) {
                find(*form, QStringLiteral("1001"));
                form->flexMSEntry->setTextMatrix(3, Screen::colCode, QStringLiteral("KEEP"));
            }
            int asked = 0;
            platform.modal->onShow<frmDeletePassword>([&](frmDeletePassword& w) {
                ++asked;
                w.setOKCharge(c.supervisor == 1);
                w.setVerifyID(QStringLiteral("SUP1"));
                w.close();
            });
            admissions->asked.clear();
            admissions->choice = QString::fromLatin1(c.picked ? c.picked : "");
            platform.messages->clear();
            find(*form, QString::fromLatin1(c.typed));

            EXPECT_EQ(admissions->asked, c.picked ? QStringList{QString::fromLatin1(c.typed)} : QStringList{});
            EXPECT_EQ(asked, c.supervisor >= 0 ? 1 : 0);
            const QString message = QString::fromLatin1(c.message) == QLatin1String("LATE") ? lateCharges
                                                                                            : QString::fromLatin1(c.message);
            EXPECT_EQ(platform.messages->texts(), message.isEmpty() ? QStringList{} : QStringList{message});
            const QString loads = *c.loads ? QString::fromLatin1(c.loads) : loadedFirst ? QStringLiteral("1001") : QString();
            EXPECT_EQ(form->loadedPatientID(), loads);
            EXPECT_EQ(form->flexMSEntry->isEnabled(), !loads.isEmpty());
            EXPECT_EQ(form->supervisorVerifyID(), c.supervisor == 1 ? QStringLiteral("SUP1") : QString());
            if (*c.loads) {
                EXPECT_EQ(form->txtFind->text(), QStringLiteral(" ") + loads);
                EXPECT_TRUE(form->flexMSEntry->textMatrix(3, Screen::colCode).isEmpty());
                EXPECT_FALSE(form->cmdFind->isEnabled());
            } else if (loadedFirst && !(c.picked && !*c.picked)) {
                EXPECT_EQ(form->txtFind->text(), QStringLiteral(" 1001"));
                EXPECT_EQ(form->lblPatInfo[2]->text(), QStringLiteral(" DELA CRUZ, JUAN SANTOS"));
                EXPECT_EQ(form->flexMSEntry->textMatrix(3, Screen::colCode), QStringLiteral("KEEP"));
                EXPECT_EQ(gComponents.gPatient->AdmissionNumber(), QStringLiteral("1001"));
            }
        }
    }
}

TEST_P(ReturnScreenTest, OutPatientLookUpRefusesDischargedVisitsWithoutLateCharges) {
    addOutPatientVisit(db(), {.idNum = QStringLiteral("5002A"), .dischargeDate = QDateTime(QDate(2026, 1, 6), QTime(8, 0))});
    addOutPatientVisit(db(), {.idNum = QStringLiteral("5003A"), .dischargeDate = QDateTime(QDate(2026, 1, 6), QTime(8, 0))});
    db().execute(QStringLiteral("UPDATE patient_data.tbOutPatient SET LateCharges = 1 WHERE IDNum = '5003A'"));
    struct Case {
        const char* name;
        const char* typed;
        const char* picked;  // nullptr: no picker
        const char* message;
        const char* loads;
    };
    const Case cases[] = {
        {"visit number", "5001A", nullptr, "", "5001A"},
        {"name through the picker", "REYES", "5001A", "", "5001A"},
        {"picker cancelled", "REYES", "", "", ""},
        {"picked visit unknown", "REYES", "9999Z", "Hospital Number not found.", ""},
        {"discharged without late charges",
         "5002A", nullptr, "The Patient's account is not open for Late Charges. Kindly coordinate with the PARS Section!", ""},
        {"discharged with late charges open", "5003A", nullptr, "", "5003A"},
    };
    for (bool loadedFirst : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (loadedFirst ? " after 5001A" : ""));
            auto form = open<frmReturnOP>();
            if (loadedFirst)
                find(*form, QStringLiteral("5001A"));
            visits->asked.clear();
            visits->choice = QString::fromLatin1(c.picked ? c.picked : "");
            platform.messages->clear();
            find(*form, QString::fromLatin1(c.typed));

            EXPECT_EQ(visits->asked, c.picked ? QStringList{QString::fromLatin1(c.typed)} : QStringList{});
            EXPECT_EQ(platform.messages->texts(), *c.message ? QStringList{QString::fromLatin1(c.message)} : QStringList{});
            const QString loads = *c.loads ? QString::fromLatin1(c.loads) : loadedFirst ? QStringLiteral("5001A") : QString();
            EXPECT_EQ(form->loadedPatientID(), loads);
            EXPECT_EQ(form->flexMSEntry->isEnabled(), !loads.isEmpty());
            // The out-patient form never disables its Find button.
            EXPECT_TRUE(form->cmdFind->isEnabled());
            if (c.picked && !*c.picked) {
                EXPECT_EQ(form->txtFind->text(), QStringLiteral("REYES"));
            } else if (!loads.isEmpty()) {
                EXPECT_EQ(form->txtFind->text(), QStringLiteral(" ") + loads);
                EXPECT_EQ(gComponents.gOPDPatient->OPDNumber(), loads);
            }
        }
    }
}

TEST_P(ReturnScreenTest, BannerSlotsAndTheNextNumberByMode) {
    numbers().UpdateAdjustmentSlip();
    numbers().UpdateAdjustmentSlip();
    const QString memo = numbers().CurrentCreditMemo();
    const QString adjustment = numbers().CurrentAdjustmentSlip();
    ASSERT_NE(memo, adjustment);
    InpatientFile::Patient& patient = *gComponents.gPatient;
    for (qint16 mode : {Screen::kReturn, Screen::kAdjustment}) {
        SCOPED_TRACE(mode);
        auto in = open<frmReturn>(mode);
        find(*in, QStringLiteral("1001"));
        QStringList banner;
        for (QLabel* label : in->lblPatInfo)
            banner << label->text();
        EXPECT_EQ(banner, (QStringList{" H000001", " 3F - " + patient.Station(), " DELA CRUZ, JUAN SANTOS",
                                       " " + patient.Doctor(), " 301 - " + patient.Room(),
                                       " " + (mode == Screen::kReturn ? memo : adjustment), " 0.00",
                                       " " + patient.Age(), " M"}));
        EXPECT_EQ(in->txtDocCode->text(), QStringLiteral(" D001"));
        EXPECT_EQ(in->flexMSEntry->row(), 1);
        EXPECT_EQ(in->flexMSEntry->col(), 1);

        auto out = open<frmReturnOP>(mode);
        find(*out, QStringLiteral("5001A"));
        OutpatientFile::OPDPatient& visit = *gComponents.gOPDPatient;
        banner.clear();
        for (int i = 0; i < 7; ++i)
            banner << out->lblPatInfo[static_cast<size_t>(i)]->text();
        EXPECT_EQ(banner, (QStringList{" H000101", " REYES, MARIA LOPEZ", " " + visit.Doctor(),
                                       " " + (mode == Screen::kReturn ? memo : adjustment), " 0.00", " " + visit.Age(),
                                       " F"}));
        EXPECT_EQ(out->txtDocCode->text(), QStringLiteral("D001"));
    }
}

TEST_P(ReturnScreenTest, DoctorPickWritesTheCodeAndTheNameSlotOfEachForm) {
    auto in = open<frmReturn>();
    find(*in, QStringLiteral("1001"));
    auto out = open<frmReturnOP>();
    find(*out, QStringLiteral("5001A"));
    struct Case { Screen* form; int slot; };
    for (const Case& c : {Case{in.get(), 3}, Case{out.get(), 2}}) {
        SCOPED_TRACE(c.slot);
        c.form->txtDocCode->setText(QStringLiteral("DOC"));
        doctors->choice = QString();
        c.form->cmdDocCode->click();
        EXPECT_EQ(c.form->txtDocCode->text(), QStringLiteral("DOC"));
        doctors->choice = QStringLiteral("D001");
        pressKey(c.form->txtDocCode, Qt::Key_Return, QStringLiteral("\r"));
        EXPECT_EQ(c.form->txtDocCode->text(), QStringLiteral("D001"));
        EXPECT_EQ(c.form->lblPatInfo[static_cast<size_t>(c.slot)]->text(),
                  QStringLiteral(" DR. ") + gComponents.gDoctor->DoctorName());
    }
}

TEST_P(ReturnScreenTest, PostedListButtonOpensEachFormsListForTheFindBox) {
    QStringList opened;
    for (const char* window : {"frmListPosted", "frmListPostedOP"})
        RegisterWindowOpener(QString::fromLatin1(window), [&opened, window](const WindowValues& in) {
            opened << QString::fromLatin1(window) + u'=' + in.value(QStringLiteral("IDNum")).toString();
            return WindowValues{};
        });
    auto in = open<frmReturn>();
    in->cmdPosted->click();
    find(*in, QStringLiteral("1001"));
    in->cmdPosted->click();
    auto out = open<frmReturnOP>();
    find(*out, QStringLiteral("5001A"));
    out->cmdPosted->click();
    EXPECT_EQ(opened, (QStringList{"frmListPosted=", "frmListPosted=1001", "frmListPostedOP=5001A"}));
}

TEST_P(ReturnScreenTest, MenuCommandsOpenTheFormInTheirMode) {
    RegisterReturnWindowOpeners();
    QStringList seen;
    platform.modal->onShow<frmReturn>([&](frmReturn& w) { seen << w.windowTitle(); });
    platform.modal->onShow<frmReturnOP>([&](frmReturnOP& w) { seen << w.windowTitle(); });
    for (const char* command : {"mnuPostInPatient", "mnuAdjustmentInPatient", "mnuPostOutPatient", "mnuAdjustmentOutPatient"}) {
        const bool adjust = QByteArray(command).contains("Adjustment");
        OpenWindow(QString::fromLatin1(command), {{QStringLiteral("ReturnOrAdjustment"), adjust ? 2 : 1}});
    }
    EXPECT_EQ(seen, (QStringList{"Post Returned Medicines ( IN-PATIENT )", "Adjust Posted Medicines ( IN-PATIENT )",
                                 "Post Returned Medicines ( OUT-PATIENT )", "Adjust Posted Medicines ( OUT-PATIENT )"}));
}

INSTANTIATE_TEST_SUITE_P(Engines, ReturnScreenTest, ::testing::Values(::qx::Engine::SQLite, ::qx::Engine::PostgreSQL),
                         ::qx::test::engineName);

} // namespace
} // namespace qx::test
