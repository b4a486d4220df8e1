#include "frmCommEntryFixture.h"

#include "requests/RequestWindowOpeners.h"

namespace qx::test {
namespace {

class frmCommEntryLoadTest : public frmCommEntryTest {};

struct Box { const char* text; const char* title; };

TEST_P(frmCommEntryLoadTest, LoadsThePatientThroughTheChecks) {
    enum Setup { Open, BilledToday, BilledEarlier, OwnMedicines, Package, SponsoredOn, SponsoredOff, VIP, SiteQVH,
                 PerPatientSlip, Senior, EmptyPatient, UnknownPatient };
    struct Case {
        const char* name;
        Setup setup;
        std::vector<Box> boxes;
        bool headerFilled;   // the admission number shown and the widths opened
        const char* slip;    // the charge slip shown
    };
    const Case cases[] = {
        {"open", Open, {}, true, "00000001"},
        {"billed today", BilledToday,
         {{"Patient's bill has been closed today.  Please verify with Billing section.", "MESSAGE"}}, false, ""},
        {"billed earlier", BilledEarlier, {{"Patient bill is closed.  You are not allowed to enter charges.", "MESSAGE"}},
         false, ""},
        {"own medicines", OwnMedicines, {{"This patient is tagged under patients med.", "Message"}}, true, "00000001"},
        {"package", Package, {}, true, "00000001"},
        {"sponsorship on", SponsoredOn, {}, true, "00000001"},
        {"sponsorship off", SponsoredOff, {}, true, "00000001"},
        {"vip", VIP, {}, true, "00000001"},
        {"site QVH", SiteQVH, {}, true, "C000042M"},
        {"switch 22", PerPatientSlip, {}, true, "2010-0001"},
        {"senior", Senior, {}, true, "00000001"},
        {"empty patient", EmptyPatient, {}, false, ""},
        {"unknown patient", UnknownPatient, {}, false, ""},
    };
    int id = 2001;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString admission = QString::number(id++);
        AdmissionSpec spec{.idNum = admission, .person = {.hospNum = QStringLiteral("H") + admission}};
        if (c.setup == BilledToday)
            spec.billingDate = QDateTime(QDate::currentDate(), QTime(0, 5));
        if (c.setup == BilledEarlier)
            spec.billingDate = QDateTime(QDate(2026, 1, 9), QTime(17, 0));
        if (c.setup == Senior)
            spec.person.seniorCitizenId = QStringLiteral("SC-1");
        addAdmittedPatient(db(), spec);
        if (c.setup == OwnMedicines)
            db().execute(QStringLiteral("UPDATE patient_data.tbPatient2 SET PatientsMed = 1 WHERE IdNum = ?"), {admission});
        if (c.setup == VIP)
            db().execute(QStringLiteral("UPDATE patient_data.tbPatient2 SET VIP = 1 WHERE IdNum = ?"), {admission});
        if (c.setup == Package)
            db().execute(QStringLiteral("INSERT INTO build_file.tbCoExecutivePackage (IDNum, Package) VALUES (?, 'GOLD')"),
                         {admission});
        if (c.setup == SponsoredOn || c.setup == SponsoredOff)
            db().execute(QStringLiteral("INSERT INTO build_file.tbCoVelmiraPatient (PatientID, Velmira) VALUES (?, 1)"),
                         {admission});
        gVelmira = c.setup == SponsoredOn;
        gSiteCode = c.setup == SiteQVH ? QStringLiteral("QVH") : QString();
        if (c.setup == SiteQVH)
            db().execute(QStringLiteral("INSERT INTO tbChargeSlipTerminal (UserID, ChargeSlip) VALUES ('1234', 42)"));
        setPharmaSwitch(QStringLiteral("22"), c.setup == PerPatientSlip);
        platform.messages->clear();

        const QString patientId = c.setup == EmptyPatient    ? QString()
                                  : c.setup == UnknownPatient ? QStringLiteral("9999")
                                                              : admission;
        auto form = load(patientId);

        const auto& boxes = platform.messages->boxes();
        ASSERT_EQ(boxes.size(), c.boxes.size());
        for (size_t i = 0; i < boxes.size(); ++i) {
            EXPECT_EQ(boxes[i].text, QString::fromUtf8(c.boxes[i].text));
            EXPECT_EQ(boxes[i].title, QString::fromUtf8(c.boxes[i].title));
            EXPECT_EQ(boxes[i].style, vbInformation);
        }
        const bool loaded = c.headerFilled;
        EXPECT_EQ(form->lblPatInfo[7]->text(), loaded ? admission : QString());
        EXPECT_EQ(form->lblPatInfo[5]->text(), QString::fromLatin1(c.slip));
        if (loaded) {
            EXPECT_EQ(form->lblPatInfo[0]->text(), QStringLiteral("H") + admission);
            EXPECT_EQ(form->lblPatInfo[1]->text(), QStringLiteral("3F - STATION 3F"));
            EXPECT_EQ(form->lblPatInfo[4]->text(), QStringLiteral("3F (301)"));
            EXPECT_EQ(form->txtDocCode->text(), QStringLiteral("D001"));
            EXPECT_EQ(form->lblPatInfo[10]->text(), QStringLiteral("M"));
        }
        EXPECT_EQ(form->lblExecPackage->isVisibleTo(form.get()), c.setup == Package);
        if (c.setup == Package) {
            EXPECT_EQ(form->lblExecPackage->text(), QStringLiteral("GOLD"));
        }
        EXPECT_EQ(form->lblVelmira->isVisibleTo(form.get()), c.setup == SponsoredOn);
        EXPECT_EQ(form->lblVIP->isVisibleTo(form.get()), c.setup == VIP);
        EXPECT_EQ(form->Label1[13]->isVisibleTo(form.get()), c.setup == SiteQVH);
        EXPECT_EQ(form->lblTargetLocationID->isVisibleTo(form.get()), c.setup == SiteQVH);

        const bool closedBill = c.setup == BilledToday || c.setup == BilledEarlier;
        const bool senior = c.setup == Senior;
        // A closed bill stops the load before the widths; a patient not found keeps the Stock
        // column, since only a found patient's senior state decides it.
        EXPECT_EQ(form->grdItemList->colWidth(frmCommEntry::kColGenericName), closedBill ? 0 : 2400);
        EXPECT_EQ(form->grdItemList->colWidth(frmCommEntry::kColStock), loaded && !senior ? 0 : 696);
        EXPECT_EQ(form->txtDiscount->text(), senior ? QStringLiteral("0") : QString());
        EXPECT_EQ(form->cmdCancel->isEnabled(), !senior);
        EXPECT_EQ(form->cmdSave->isEnabled(), closedBill);
        EXPECT_EQ(form->grdItemList->rows(), 2);
    }
}

TEST_P(frmCommEntryLoadTest, RoomMarkUpShowsOnlyWithMarkUpPricing) {
    db().execute(QStringLiteral("DELETE FROM build_file.tbCoRoomClass WHERE RoomClassID = 'A'"));
    db().execute(QStringLiteral("INSERT INTO build_file.tbCoRoomClass (RoomClassID, RoomClass, MarkUp) VALUES ('A', 'SUITE', 10)"));
    for (bool socialize : {false, true}) {
        SCOPED_TRACE(socialize);
        gSocializePricing = socialize;
        auto form = load();
        EXPECT_EQ(form->lblMarkUp->isVisibleTo(form.get()), socialize);
        EXPECT_EQ(form->lblMarkUp->text(), socialize ? QStringLiteral("10") : QString());
        EXPECT_EQ(form->roomMarkUpApplies(), socialize);
    }
}

TEST_P(frmCommEntryLoadTest, OptionalColumnsWidenTheWindowBySiteAndSwitch) {
    struct Case { const char* site; bool supplier203, pnf204; int supplierWidth, pnfWidth; };
    const Case cases[] = {
        {"", false, false, 0, 0},
        {"BOSNEV", false, false, 2400, 0},
        {"TRAVU", false, false, 0, 1000},
        {"", true, true, 2400, 1000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.site);
        gSiteCode = QString::fromLatin1(c.site);
        db().execute(QStringLiteral("DELETE FROM tbPharmaSwitch WHERE IDKey IN ('203', '204')"));
        db().execute(QStringLiteral("INSERT INTO tbPharmaSwitch (IDKey, KeyValue) VALUES ('203', ?), ('204', ?)"),
                     {int(c.supplier203), int(c.pnf204)});
        gPharmaSwitches.Load(db(), gSiteCode);
        auto form = load();
        EXPECT_EQ(form->grdItemList->colWidth(frmCommEntry::kColSupplier), c.supplierWidth);
        EXPECT_EQ(form->grdItemList->colWidth(frmCommEntry::kColPNF), c.pnfWidth);
        EXPECT_EQ(form->grdItemList->colWidth(frmCommEntry::kColGenericName), 2400);
        int expected = twipsToPixels(frmCommEntry::kDesignWidth) + twipsToPixels(2400);
        if (c.supplierWidth)
            expected += twipsToPixels(2400);
        if (c.pnfWidth)
            expected += twipsToPixels(1000);
        EXPECT_EQ(form->width(), expected);
    }
}

TEST_P(frmCommEntryLoadTest, RegistryOpensTheScreenWithAWorkListRow) {
    RegisterRequestWindowOpeners();
    request({.spec = {.requestNumber = QStringLiteral("RQ1")}});
    addItem(db());
    int shown = 0;
    platform.modal->onShow<frmCommEntry>([&](frmCommEntry& form) {
        ++shown;
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Communication File Entry ( IN-PATIENT )"));
        EXPECT_EQ(form.lblPatInfo[7]->text(), QStringLiteral("1001"));
        EXPECT_EQ(form.grdItemList->textMatrix(1, frmCommEntry::kColCode), QStringLiteral("PARA500"));
        if (shown == 1)
            form.cmdClose->click();
        else
            form.close();
    });
    const WindowValues inputs{{QStringLiteral("RequestedStationID"), QStringLiteral("3F")},
                              {QStringLiteral("PatientID"), QStringLiteral("1001")}};
    EXPECT_TRUE(OpenWindow(QStringLiteral("mnuPending.frmCommEntry"), inputs).value(QStringLiteral("CancelledForm")).toBool());
    EXPECT_FALSE(frmCommEntry::Default().isLoaded());
    // The flag keeps its value into the next use until something sets it again.
    EXPECT_TRUE(OpenWindow(QStringLiteral("mnuPending.frmCommEntry"), inputs).value(QStringLiteral("CancelledForm")).toBool());
    EXPECT_EQ(shown, 2);
    frmCommEntry::Default().setCancelledForm(false);
}

QX_ON_BOTH_ENGINES(frmCommEntryLoadTest);

} // namespace
} // namespace qx::test
