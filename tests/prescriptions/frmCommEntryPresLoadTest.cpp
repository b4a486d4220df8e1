#include "frmCommEntryPresFixture.h"

#include "charging/TakeHomePriceRule.h"
#include "components/DrugCatalog.h"
#include "platform/Twips.h"
#include "platform/Values.h"

namespace qx::test {
namespace {

class frmCommEntryPresLoadTest : public frmCommEntryPresTest {};

TEST_P(frmCommEntryPresLoadTest, ShowsThePatientsFlagsAndBanner) {
    enum Setup { Plain, OwnMedicines, Package, SponsoredOn, SponsoredOff, VIP, SiteQVH, Senior, EmptyPatient, Unknown };
    struct Case {
        const char* name;
        Setup setup;
        const char* notice;  // the one message of the load
    };
    const Case cases[] = {
        {"plain", Plain, ""},
        {"own medicines", OwnMedicines, "This patient is tagged under patients med."},
        {"package", Package, ""},
        {"sponsorship on", SponsoredOn, ""},
        {"sponsorship off", SponsoredOff, ""},
        {"vip", VIP, ""},
        {"site QVH", SiteQVH, ""},
        {"senior", Senior, ""},
        {"empty patient", EmptyPatient, ""},
        {"unknown patient", Unknown, ""},
    };
    int id = 2001;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString admission = QString::number(id++);
        AdmissionSpec spec{.idNum = admission, .person = {.hospNum = QStringLiteral("H") + admission}};
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
        gSeniorCitizenDiscount = 20;
        platform.messages->clear();

        const QString patientId = c.setup == EmptyPatient ? QString()
                                  : c.setup == Unknown    ? QStringLiteral("9999")
                                                          : admission;
        P& f = load(patientId);

        const QString notice = QString::fromUtf8(c.notice);
        ASSERT_EQ(platform.messages->boxes().size(), notice.isEmpty() ? 0u : 1u);
        if (!notice.isEmpty()) {
            EXPECT_EQ(lastMessage(), notice);
            EXPECT_EQ(platform.messages->last().title, QStringLiteral("Message"));
            EXPECT_EQ(platform.messages->last().style, vbInformation);
        }
        const bool loaded = c.setup != EmptyPatient && c.setup != Unknown;
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Communication File Entry"));
        EXPECT_EQ(f.lblPatInfo[7]->text(), loaded ? admission : QString());
        if (loaded) {
            EXPECT_EQ(f.lblPatInfo[0]->text(), QStringLiteral("H") + admission);
            EXPECT_EQ(f.lblPatInfo[1]->text(), QStringLiteral("3F - STATION 3F"));
            EXPECT_EQ(f.lblPatInfo[4]->text(), QStringLiteral("3F (301)"));
            EXPECT_EQ(f.txtDocCode->text(), QStringLiteral("D001"));
            EXPECT_EQ(f.lblPatInfo[10]->text(), QStringLiteral("M"));
        }
        EXPECT_EQ(f.lblPatInfo[5]->text(), QString());
        EXPECT_EQ(f.lblExecPackage->isVisibleTo(&f), c.setup == Package);
        if (c.setup == Package) {
            EXPECT_EQ(f.lblExecPackage->text(), QStringLiteral("GOLD"));
        }
        EXPECT_EQ(f.lblVelmira->isVisibleTo(&f), c.setup == SponsoredOn);
        EXPECT_EQ(f.lblVIP->isVisibleTo(&f), c.setup == VIP);
        EXPECT_EQ(f.Label1[13]->isVisibleTo(&f), c.setup == SiteQVH);
        EXPECT_EQ(f.lblTargetLocationID->isVisibleTo(&f), c.setup == SiteQVH);

        const bool senior = c.setup == Senior;
        const int v = static_cast<int>(std::lround(P::kGridWidth / 16.0 + 300));
        EXPECT_EQ(f.flexMSEntry->colWidth(P::kColSCDiscount), loaded && !senior ? 0 : v + 300);
        EXPECT_EQ(f.chkSenior->isChecked(), senior);
        EXPECT_EQ(f.txtDiscount->text(), senior ? QStringLiteral("20") : QString());
        EXPECT_EQ(f.txtDiscount->isEnabled(), senior);
        EXPECT_FALSE(f.txtDiscount->isVisibleTo(&f));
        EXPECT_EQ(f.cmdCancel->isEnabled(), !senior);
        EXPECT_FALSE(f.cmdSave->isEnabled());
        EXPECT_FALSE(f.cmdPrintSave->isEnabled());
        EXPECT_EQ(f.flexMSEntry->rows(), 2);
        EXPECT_EQ(f.lblPatInfo[6]->text(), QString());
    }
}

TEST_P(frmCommEntryPresLoadTest, ListsTheFoundLinesNumberedAndTotalled) {
    gMarkUpGroup = true;
    addItem(db(), {.fixedCharge = 12.5});
    addItem(db(), {.itemId = QStringLiteral("AMOX500"), .name = QStringLiteral("AMOXICILLIN"),
                   .description = QStringLiteral("500 MG CAP")});
    setPrices(QStringLiteral("PARA500"), 5.25, 3.5, 10, 15, 0);
    setPrices(QStringLiteral("AMOX500"), 12, 8, 10, 15, 0);
    takeHome({.quantity = 4, .requestNumber = QStringLiteral("RQ1"), .amount = 21, .remarks = QStringLiteral("AFTER MEALS")});
    takeHome({.itemId = QStringLiteral("GONE"), .quantity = 1, .requestNumber = QStringLiteral("RQ2"), .at = QTime(10, 30)});
    takeHome({.itemId = QStringLiteral("AMOX500"), .quantity = 3, .requestNumber = QStringLiteral("RQ3"),
              .at = QTime(11, 0)});
    // A served and a cancelled take-home record are no longer pending.
    addItem(db(), {.itemId = QStringLiteral("CEFU"), .name = QStringLiteral("CEFUROXIME")});
    takeHome({.itemId = QStringLiteral("CEFU"), .requestNumber = QStringLiteral("RQ4"), .at = QTime(11, 30)});
    db().execute(QStringLiteral("UPDATE station.tbNurseHomeMeds SET RecordStatus = 'P' WHERE ItemID = 'CEFU'"));

    P& f = load();
    ASSERT_EQ(f.flexMSEntry->rows(), 3);
    EXPECT_EQ(column(0), (QStringList{"1", "2"}));
    EXPECT_EQ(column(P::kColCode), (QStringList{"PARA500", "AMOX500"}));
    EXPECT_EQ(column(P::kColDescription), (QStringList{"PARACETAMOL 500 MG TABLET", "AMOXICILLIN 500 MG CAP"}));
    EXPECT_EQ(column(P::kColDosage), (QStringList{"1 TAB Q4H", "1 TAB Q4H"}));
    EXPECT_EQ(column(P::kColRequested), (QStringList{"4", "3"}));
    EXPECT_EQ(column(P::kColIssued), (QStringList{"4", "3"}));
    EXPECT_EQ(column(P::kColStock), (QStringList{"100", "100"}));
    EXPECT_EQ(column(P::kColRemarks), (QStringList{"AFTER MEALS", ""}));
    EXPECT_EQ(column(P::kColRequestNumber), (QStringList{"RQ1", "RQ3"}));
    EXPECT_EQ(column(P::kColNurse), (QStringList{"N0001", "N0001"}));
    EXPECT_EQ(column(P::kColOldAmount), (QStringList{"21", "0"}));
    EXPECT_EQ(column(P::kColRequestedCode), (QStringList{"PARA500", "AMOX500"}));
    EXPECT_EQ(column(P::kColPriceOut), (QStringList{"4.75", "4.75"}));
    EXPECT_EQ(column(P::kColFixedCharge), (QStringList{"12.5", "0"}));
    // The fixed charge gives the amount; column 9 keeps the rule's price.
    EXPECT_EQ(column(P::kColSellPriceIn), (QStringList{"11.50", "11.50"}));
    EXPECT_EQ(column(P::kColPriceTaken), (QStringList{"11.50", "11.50"}));
    EXPECT_EQ(column(P::kColAmount), (QStringList{"50.00", "34.50"}));
    EXPECT_EQ(f.lblPatInfo[6]->text(), QStringLiteral(" 84.5"));
    EXPECT_EQ(column(P::kColBarCode), (QStringList{"", ""}));
    EXPECT_EQ(column(P::kColScanned), (QStringList{"", ""}));
    // Fixed-price lines are red from column 1 to 23; the others keep the grid's colour.
    for (int col : {1, 7, 23})
        EXPECT_EQ(f.flexMSEntry->cellForeColorAt(1, col), ColorValue(255)) << col;
    EXPECT_NE(f.flexMSEntry->cellForeColorAt(1, 24), ColorValue(255));
    EXPECT_NE(f.flexMSEntry->cellForeColorAt(2, 1), ColorValue(255));
    for (int row : {1, 2})
        EXPECT_EQ(f.flexMSEntry->cellPicture(row, P::kColSCDiscount).toImage(), f.pictures().emptyBox.toImage());
    EXPECT_EQ(f.flexMSEntry->row(), 1);
    EXPECT_EQ(f.flexMSHPrevious->cols(), 5);
}

TEST_P(frmCommEntryPresLoadTest, SiteLayoutsAndTheTargetLocation) {
    struct Case { const char* site; bool withLine; const char* requested; const char* issued; const char* location; };
    const Case cases[] = {
        {"", true, "Requested", "Issued ", ""},
        {"NORVAX", true, "Qty Requested", "Qty Issued ", ""},
        {"QVH", true, "Requested", "Issued ", "186"},
        {"QVH", false, "Requested", "Issued ", ""},
    };
    addItem(db());
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.site) + (c.withLine ? " with a line" : " without lines"));
        gSiteCode = QString::fromLatin1(c.site);
        db().execute(QStringLiteral("DELETE FROM station.tbNurseHomeMeds"));
        db().execute(QStringLiteral("DELETE FROM station.tbNurseCommunicationFile"));
        if (c.withLine)
            takeHome({.targetLocation = QStringLiteral("186")});
        P& f = load();
        EXPECT_EQ(f.flexMSEntry->cols(), P::kCols);
        EXPECT_EQ(f.flexMSEntry->textMatrix(0, P::kColRequested), QString::fromLatin1(c.requested));
        EXPECT_EQ(f.flexMSEntry->textMatrix(0, P::kColIssued), QString::fromLatin1(c.issued));
        EXPECT_EQ(f.flexMSEntry->textMatrix(0, P::kColBarCode), QStringLiteral("BarCode"));
        EXPECT_EQ(f.flexMSEntry->textMatrix(0, P::kColScanned), QString());
        EXPECT_EQ(f.lblTargetLocationID->text(), QString::fromLatin1(c.location));
        const int u = static_cast<int>(std::lround(P::kGridWidth / 19.0));
        EXPECT_EQ(f.flexMSEntry->colWidth(P::kColDescription), 5 * u);
        EXPECT_EQ(f.flexMSEntry->colWidth(P::kColStock), 2 * u - 500);
        EXPECT_EQ(f.flexMSEntry->colWidth(P::kColPosted), 500);
        EXPECT_EQ(f.flexMSEntry->colWidth(P::kColScanned), 0);
    }
}

TEST_P(frmCommEntryPresLoadTest, BarcodeCheckingPicturesEveryLineAndWaitsOnTheFirstCode) {
    gCheckBarCode = true;
    addItem(db(), {.barcode = QStringLiteral("4800001")});
    addItem(db(), {.itemId = QStringLiteral("AMOX500"), .name = QStringLiteral("AMOXICILLIN")});
    takeHome({.requestNumber = QStringLiteral("RQ1")});
    takeHome({.itemId = QStringLiteral("AMOX500"), .requestNumber = QStringLiteral("RQ2"), .at = QTime(11, 0)});
    P& f = load();
    ASSERT_EQ(f.flexMSEntry->rows(), 3);
    for (int row : {1, 2})
        EXPECT_EQ(f.flexMSEntry->cellPicture(row, 0).toImage(), f.pictures().uncheck.toImage()) << row;
    EXPECT_EQ(column(P::kColBarCode), (QStringList{"4800001", "AMOX500"}));
    EXPECT_EQ(column(P::kColScanned), (QStringList{"0", "0"}));
    EXPECT_EQ(f.flexMSEntry->row(), 1);
    EXPECT_EQ(f.flexMSEntry->col(), P::kColCode);
    EXPECT_TRUE(f.txtEntry()->isVisibleTo(&f));
    EXPECT_TRUE(f.cmdEntry()->isVisibleTo(&f));
}

// The take-home rule over the drug component's current item, with the three amount forms.
TEST_P(frmCommEntryPresLoadTest, TakeHomeRuleTable) {
    addItem(db());
    addAdmittedPatient(db(), {.idNum = QStringLiteral("1002"), .person = {.hospNum = QStringLiteral("H2")},
                              .accountNum = QStringLiteral("BLANK")});
    addAdmittedPatient(db(), {.idNum = QStringLiteral("1003"), .person = {.hospNum = QStringLiteral("H3")},
                              .accountNum = QStringLiteral("ACME")});
    db().execute(QStringLiteral("INSERT INTO build_file.tbCoCompany (AccountNum, Company, Class, CreditLimit) "
                                "VALUES ('BLANK', '   ', 'C', 0), ('ACME', 'ACME CORP', 'C', 0)"));
    struct Case {
        const char* name;
        bool socialize, markUpGroup;
        const char* site;
        const char* admission;
        double markUp, sellingIn, averageCost, rateA, markupIn, rateB, quantity;
        const char* unitPrice;
        const char* loadAmount;
        const char* lineAmount;
    };
    const Case cases[] = {
        {"room mark-up", true, false, "", "1001", 10, 12.34, 9, 0, 0, 0, 3, "13.574", "40.72", "40.72"},
        {"room mark-up beats the group", true, true, "", "1001", 10, 12.34, 9, 10, 12.5, 0, 3, "13.574", "40.72", "40.72"},
        {"room mark-up on average cost at ZMX", true, false, "ZMX", "1001", 10, 12.34, 9, 0, 0, 0, 1, "9.9", "9.90",
         "9.90"},
        {"no mark-up: the group decides", true, true, "", "1001", 0, 12.34, 9, 10, 12.5, 0, 1, "11.25", "11.25", "11.25"},
        {"mark-up group", false, true, "", "1001", 0, 12.34, 9, 10, 15, 0, 3, "11.50", "34.50", "34.50"},
        {"group at FLQC, no rate B", false, true, "FLQC", "1003", 0, 12.34, 9, 10, 15, 7, 3, "11.50", "34.50", "34.50"},
        {"FLQC with a company", false, false, "FLQC", "1003", 0, 12.34, 9, 0, 0, 7.25, 2, "7.25", "14.50", "14.50"},
        {"FLQC, blank company", false, false, "FLQC", "1002", 0, 12.34, 9, 0, 0, 7.25, 2, "12.34", "24.68", "24.68"},
        {"FLQC, no company row", false, false, "FLQC", "9999", 0, 12.34, 9, 0, 0, 7.25, 2, "7.25", "14.50", "14.50"},
        {"selling price", false, false, "", "1001", 0, 0.25, 9, 0, 0, 0, 2, "0.25", "0.50", ".50"},
    };
    DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gSocializePricing = c.socialize;
        gMarkUpGroup = c.markUpGroup;
        gSiteCode = QString::fromLatin1(c.site);
        setPrices(QStringLiteral("PARA500"), c.sellingIn, c.averageCost, c.rateA, c.markupIn, c.rateB);
        ASSERT_TRUE(drug.SearchDrug(QStringLiteral("PARA500"), gLocationID));
        const InpatientBasePrice price =
            TakeHomeUnitPrice(db(), drug, QString::fromLatin1(c.admission), c.markUp);
        EXPECT_EQ(price.unitPrice, QString::fromLatin1(c.unitPrice));
        EXPECT_EQ(TakeHomeLoadAmount(price, 0, c.quantity), QString::fromLatin1(c.loadAmount));
        EXPECT_EQ(TakeHomeLineAmount(db(), QStringLiteral("PARA500"), c.quantity, Val(price.unitPrice), 0),
                  QString::fromLatin1(c.lineAmount));
    }
    // A fixed charge gives both amounts from itself.
    gSiteCode.clear();
    db().execute(QStringLiteral("UPDATE tbInvent SET FixedCharge = 12.5 WHERE ItemID = 'PARA500'"));
    EXPECT_EQ(TakeHomeLoadAmount({}, 12.5, 4), QStringLiteral("50.00"));
    EXPECT_EQ(TakeHomeLineAmount(db(), QStringLiteral("PARA500"), 4, 5.25, 12.5), QStringLiteral("50.00"));
}

TEST_P(frmCommEntryPresLoadTest, RoomMarkUpPricesTheLoadedLines) {
    gSocializePricing = true;
    setRoomMarkUp(10);
    addItem(db());
    setPrices(QStringLiteral("PARA500"), 12.34, 3.5, 0, 0, 0);
    takeHome({.quantity = 3});
    P& f = load();
    EXPECT_EQ(f.lblMarkUp->text(), QStringLiteral("10"));
    EXPECT_EQ(cell(1, P::kColSellPriceIn), QStringLiteral("13.574"));
    EXPECT_EQ(cell(1, P::kColAmount), QStringLiteral("40.72"));
    EXPECT_EQ(f.lblPatInfo[6]->text(), QStringLiteral(" 40.72"));
}

QX_ON_BOTH_ENGINES(frmCommEntryPresLoadTest);

} // namespace
} // namespace qx::test
