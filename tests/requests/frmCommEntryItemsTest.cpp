#include "frmCommEntryFixture.h"

#include "charging/InpatientPriceRule.h"
#include "charging/frmListDrugs.h"
#include "charging/frmMessageBoxBarCode.h"
#include "suite/DoseFormsDosage.h"

#include <QApplication>
#include <QCheckBox>
#include <functional>

namespace qx::test {
namespace {

using C = frmCommEntry;

// Patient 1001 asks for 2 PARACETAMOL (PARA500) and for 3 of generic 77 (AMOXICILLIN); items
// 2001 (CEFALEXIN), 2002 (inactive ASPIRIN) and 2003 (AMOXICILLIN, of generic 77) are on file
// with numeric codes, as a station's items are.
class frmCommEntryItemsTest : public frmCommEntryEditTest {
protected:
    void SetUp() override {
        frmCommEntryEditTest::SetUp();
        if (IsSkipped())
            return;
        gComponents.gDosageList = dosages;
        auto dosage = std::make_shared<suite::DoseFormsDosage>([this] { return &db(); });
        ASSERT_TRUE(dosage->InitConnection(db().connectionString()));
        gComponents.gDosage = dosage;
        db().execute(QStringLiteral("INSERT INTO build_file.tbCoDosage (DosageID, Frequency) VALUES ('TID', 3), ('QID', 4)"));
        addItem(db(), {.barcode = QStringLiteral("4800001")});
        addItem(db(), {.itemId = QStringLiteral("2001"), .name = QStringLiteral("CEFALEXIN"),
                       .description = QStringLiteral("250 MG CAP"), .genericId = QStringLiteral("78"),
                       .genericName = QStringLiteral("CEFALEXIN"), .barcode = QStringLiteral("4800201"),
                       .onHand = 40, .priceIn = 8, .priceOut = 9});
        addItem(db(), {.itemId = QStringLiteral("2002"), .name = QStringLiteral("ASPIRIN"),
                       .genericId = QStringLiteral("79"), .itemStatus = 1});
        addItem(db(), {.itemId = QStringLiteral("2003"), .name = QStringLiteral("AMOXICILLIN"),
                       .description = QStringLiteral("500 MG CAP"), .genericId = QStringLiteral("77"),
                       .genericName = QStringLiteral("AMOXICILLIN"), .barcode = QStringLiteral("4800203"),
                       .onHand = 60, .priceIn = 12});
        request({.spec = {.quantity = 2, .requestNumber = QStringLiteral("RQ1")}});
        request({.spec = {.itemId = QStringLiteral("77"), .quantity = 3, .requestNumber = QStringLiteral("RQ2"),
                          .requestDate = QDateTime(QDate(2026, 1, 5), QTime(11, 0))},
                 .generic = true});
    }
    QString requestStatus(const QString& requestNumber) {
        return db()
            .query(QStringLiteral("SELECT COALESCE(RecordStatus, '') AS RecordStatus FROM station.tbNurseCommunicationFile "
                                  "WHERE RequestNumber = ?"),
                   {requestNumber})
            .text(QStringLiteral("RecordStatus"));
    }

    std::shared_ptr<ScriptedDosageList> dosages = std::make_shared<ScriptedDosageList>();
};

TEST_P(frmCommEntryItemsTest, CodeEntry) {
    checkCodeEntry({
        {"typed code", 1, "2001", false, {}, "2001", "", "", true},
        {"name through the picker", 1, "CEFA", false, {"2001"}, "2001", "CEFA@20", "", true},
        {"picker cancelled", 1, "CEFA", false, {""}, "PARA500", "CEFA@20", "", false},
        {"generic line, brand picker", 2, "77", false, {"2003"}, "2003", "<none>@20#77", "", true},
        {"generic line, picker cancelled", 2, "77", false, {""}, "77", "<none>@20#77", "", false},
        {"generic line, generic picker", 2, "77", true, {"77"}, "2003", "<none>@<none>", "", true},
        {"a generic id typed at a generic site", 1, "78", true, {}, "2001", "", "", true},
        {"duplicate", 2, "PARA500", false, {"PARA500"}, "77", "PARA500@20",
         "The same medicine was already requested", false, vbExclamation},
        {"not found", 1, "9999", false, {}, "PARA500", "", "", false},
        {"inactive", 1, "2002", false, {}, "PARA500", "",
         "The drug was set to inactive.  Please refer to pharmacy warehouse staff.", false},
    });
    // A generic line resolved: its marks go; the requested code stays.
    gDrugListByGeneric = false;
    open();
    picker->answers = {QStringLiteral("2003")};
    enter(2, C::kColCode, QStringLiteral("77"));
    EXPECT_EQ(cell(2, C::kColDescription), QStringLiteral("AMOXICILLIN 500 MG CAP"));
    EXPECT_EQ(cell(2, C::kColStock), QStringLiteral("60"));
    EXPECT_EQ(cell(2, C::kColAmount), QStringLiteral("36.00"));
    EXPECT_EQ(cell(2, 0), QStringLiteral("2"));
    EXPECT_EQ(cell(2, C::kColGenericMark), QString());
    EXPECT_EQ(cell(2, C::kColRequestedCode), QStringLiteral("77"));
}

TEST_P(frmCommEntryItemsTest, KelvarHospitalChoosesTheLocationForTheRun) {
    addItem(db(), {.itemId = QStringLiteral("2001"), .location = QStringLiteral("109"), .onHand = 3, .priceIn = 8});
    db().execute(QStringLiteral("DELETE FROM patient_data.tbHospitalInfo"));
    db().execute(QStringLiteral("INSERT INTO patient_data.tbHospitalInfo (Kelvarin) VALUES (1)"));
    gPharmaSwitches.Load(db(), gSiteCode);
    int chosen = 0;
    platform.modal->onShow<frmListDrugs>([&](frmListDrugs& w) {
        ++chosen;
        w.setLocationID(QStringLiteral("109"));
        w.close();
    });
    open();
    enter(1, C::kColCode, QStringLiteral("2001"));
    EXPECT_EQ(chosen, 1);
    EXPECT_EQ(gLocationID, QStringLiteral("109"));
    EXPECT_EQ(cell(1, C::kColStock), QStringLiteral("3"));
}

TEST_P(frmCommEntryItemsTest, FillPricesTheLineByThisScreensRule) {
    addSponsoredAdmissions();
    addItem(db(), {.itemId = QStringLiteral("3001"), .priceIn = 5.25, .priceOut = 6, .averageCost = 3.5});
    addItem(db(), {.itemId = QStringLiteral("3002"), .priceIn = 5.25, .fixedCharge = 0.25});
    addItem(db(), {.itemId = QStringLiteral("3003"), .priceIn = 5.25, .isMDRP = true, .mdrpPrice = 0.5});
    db().execute(QStringLiteral("UPDATE tbInvent SET RateA = 4, RateB = 4.4, MarkupIn = 25, HMOMarkupInPrice = 7.125 "
                                "WHERE ItemID IN ('3001', '3002', '3003')"));
    db().execute(QStringLiteral("INSERT INTO tbPharmaItemPrice (ItemID, LocationID, PriceKind, Price) "
                                "VALUES ('3001', '20', 'VA', 0.25)"));
    db().execute(QStringLiteral("DELETE FROM build_file.tbCoRoomClass WHERE RoomClassID = 'A'"));
    db().execute(QStringLiteral("INSERT INTO build_file.tbCoRoomClass (RoomClassID, RoomClass, MarkUp) VALUES ('A', 'SUITE', 10)"));
    struct Case {
        const char* name;
        const char* admission;
        const char* item;
        std::function<void()> settings;
        const char* unitPrice, *rulePrice, *amount;
        ColorValue codeColor;
    };
    const auto none = [] {};
    const ColorValue plain = colors::InfoBackground;
    const Case cases[] = {
        {"selling price", "1001", "3001", none, "5.25", "5.25", "10.50", plain},
        {"room mark-up at ZMX, unrounded", "1001", "3001",
         [] { gSocializePricing = true; gSiteCode = QStringLiteral("ZMX"); }, "3.85", "3.85", "7.70", plain},
        {"mark-up group", "1001", "3001", [] { gMarkUpGroup = true; }, "5.00", "5.00", "10.00", plain},
        {"FLQC with a company", "1002", "3001", [] { gSiteCode = QStringLiteral("FLQC"); }, "4.4", "4.4", "8.80",
         plain},
        {"fixed charge, below one", "1001", "3002", none, "5.25", "5.25", "0.50", plain},
        {"HMO", "1002", "3001", [] { gInvSwitchHMOMarkupPrice = true; }, "7.13", "5.25", "14.26", plain},
        {"VA after HMO", "1003", "3001", [] { gInvSwitchHMOMarkupPrice = gInvSwitchVAPrice = true; }, "0.25", "5.25",
         "0.50", plain},
        {"MDRP over HMO", "1002", "3003", [] { gInvSwitchHMOMarkupPrice = true; }, "0.5", "5.25", "1.00",
         kMDRPCellColor},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        resetHospitalSettings();
        resetSwitches();
        c.settings();
        db().execute(QStringLiteral("UPDATE station.tbNurseCommunicationFile SET IDNum = ?"), {QString::fromLatin1(c.admission)});
        open(QString::fromLatin1(c.admission));
        enter(1, C::kColCode, QString::fromLatin1(c.item));
        ASSERT_EQ(cell(1, C::kColCode), QString::fromLatin1(c.item));
        EXPECT_EQ(cell(1, C::kColSellPriceIn), QString::fromLatin1(c.unitPrice));
        EXPECT_EQ(cell(1, C::kColPriceTaken), QString::fromLatin1(c.rulePrice));
        EXPECT_EQ(cell(1, C::kColAmount), QString::fromLatin1(c.amount));
        EXPECT_EQ(form->grdItemList->cellBackColorAt(1, C::kColCode), c.codeColor);
        EXPECT_EQ(form->lblPatInfo[6]->text(), QString::fromLatin1(c.amount));
    }
    // Every other column of the line describes the item taken.
    EXPECT_EQ(cell(1, C::kColDescription), QStringLiteral("PARACETAMOL 500 MG TABLET"));
    EXPECT_EQ(cell(1, C::kColGenericName), QStringLiteral("PARACETAMOL"));
    EXPECT_EQ(cell(1, C::kColStock), QStringLiteral("100"));
    EXPECT_EQ(cell(1, C::kColPriceOut), QStringLiteral("4.75"));
    EXPECT_EQ(cell(1, C::kColFixedCharge), QStringLiteral("0"));
}

TEST_P(frmCommEntryItemsTest, DosageAndTheOutPatientPriceBox) {
    db().execute(QStringLiteral("UPDATE tbInvent SET SellingPriceOut = 9 WHERE ItemID = 'PARA500'"));
    open();
    enter(1, C::kColDosage, QStringLiteral("tid"));
    EXPECT_EQ(cell(1, C::kColDosage), QStringLiteral("TID"));
    EXPECT_EQ(cell(1, C::kColRequested), QStringLiteral("2")) << "a quantity stays";
    EXPECT_EQ(dosages->shown, 0);
    form->grdItemList->setTextMatrix(1, C::kColRequested, QString());
    dosages->answer = QStringLiteral("QID");
    enter(1, C::kColDosage, QStringLiteral("XYZ"));
    EXPECT_EQ(dosages->shown, 1);
    EXPECT_EQ(cell(1, C::kColDosage), QStringLiteral("QID"));
    EXPECT_EQ(cell(1, C::kColRequested), QStringLiteral("4"));
    dosages->answer.clear();
    enter(1, C::kColDosage, QStringLiteral("XYZ"));
    EXPECT_EQ(cell(1, C::kColDosage), QStringLiteral("QID"));
    EXPECT_TRUE(form->chargeGrid()->isEditorVisible());
    EXPECT_EQ(form->txtEntry()->text(), QStringLiteral("XYZ"));
    EXPECT_EQ(form->grdItemList->col(), C::kColDosage);

    // The box prices the requested quantity; the generic line (no price) and a delayed line stay.
    form->grdItemList->setTextMatrix(1, C::kColIssued, QStringLiteral("1"));
    form->chkOPPrice->setChecked(true);
    form->chkOPPrice_Click();
    EXPECT_EQ(cell(1, C::kColAmount), QStringLiteral("36.00"));
    form->chkOPPrice->setChecked(false);
    form->chkOPPrice_Click();
    EXPECT_EQ(cell(1, C::kColAmount), QStringLiteral("21.00"));
    EXPECT_EQ(cell(2, C::kColAmount), QStringLiteral(".00")) << "the generic id is a code: priced at n/a";
    form->grdItemList->setTextMatrix(2, C::kColDosage, QStringLiteral("DELAYED"));
    form->grdItemList->setTextMatrix(2, C::kColAmount, QStringLiteral("XXX"));
    form->chkOPPrice_Click();
    EXPECT_EQ(cell(2, C::kColAmount), QStringLiteral("XXX"));
}

// Three lines to scan: PARA500 (barcode 4800001), 2001 (4800201) and 2003, whose barcode is not
// on file; 2004 (4800204) is the item a changed line takes.
class frmCommEntryBarcodeTest : public frmCommEntryItemsTest {
protected:
    void SetUp() override {
        frmCommEntryItemsTest::SetUp();
        if (IsSkipped())
            return;
        gCheckBarCode = true;
        addItem(db(), {.itemId = QStringLiteral("2004"), .name = QStringLiteral("CEFUROXIME"),
                       .description = QStringLiteral("500 MG TAB"), .genericId = QStringLiteral("80"),
                       .genericName = QStringLiteral("CEFUROXIME"), .barcode = QStringLiteral("4800204"), .priceIn = 20});
        db().execute(QStringLiteral("UPDATE tbInvMaster SET Barcode = NULL WHERE ItemID = '2003'"));
        db().execute(QStringLiteral("DELETE FROM station.tbNurseCommunicationFile"));
        int minute = 0;
        for (const char* item : {"PARA500", "2001", "2003"})
            request({.spec = {.itemId = QString::fromLatin1(item), .quantity = 2,
                              .requestNumber = QStringLiteral("RQ%1").arg(minute + 1),
                              .requestDate = QDateTime(QDate(2026, 1, 5), QTime(9, minute++))}});
    }
};

TEST_P(frmCommEntryBarcodeTest, MatchingScansAndALineWithoutBarcodeWalkToTheLastLine) {
    checkMatchingScans(QStringLiteral("4800001"), QStringLiteral("4800201"), false);
}

TEST_P(frmCommEntryBarcodeTest, ARefusedScanOffersRetryCancelAndChange) {
    const QString para = QStringLiteral("PARACETAMOL 500 MG TABLET");
    checkRefusedScans({
        {"retry", &frmMessageBoxBarCode::cmdRetry_Click, vbYes, "999", {}, "0", true, "PARA500", para, "1 TAB Q4H",
         "", 1},
        {"cancel refused", &frmMessageBoxBarCode::cmdCancel_Click, vbNo, "999", {}, "0", true, "PARA500", para,
         "1 TAB Q4H", "Are you sure to cancel the request?", 1},
        {"change to the scanned item", &frmMessageBoxBarCode::cmdChange_Click, vbYes, "4800204", {}, "1", false,
         "2004", "CEFUROXIME 500 MG TAB", "1 TAB Q4H", "", 2},
        {"change to an item already requested", &frmMessageBoxBarCode::cmdChange_Click, vbYes, "4800201", {}, "0",
         true, "PARA500", para, "1 TAB Q4H", "The same medicine was already requested", 1},
        {"change to an unknown code", &frmMessageBoxBarCode::cmdChange_Click, vbYes, "999", {}, "0", true, "PARA500",
         para, "1 TAB Q4H", "", 1},
        // Last: the request is then cancelled for good, its line settled under the check.
        {"cancel confirmed", &frmMessageBoxBarCode::cmdCancel_Click, vbYes, "999", {}, "1", false, "PARA500", para,
         "CANCELLED", "Are you sure to cancel the request?", 2},
    });
    EXPECT_EQ(requestStatus(QStringLiteral("RQ1")), QStringLiteral("C"));
}

TEST_P(frmCommEntryBarcodeTest, ChangedLineDescribesTheScannedItem) {
    open();
    promptAnswers(&frmMessageBoxBarCode::cmdChange_Click);
    openEditorAt(*form->chargeGrid(), 1, C::kColCode);
    scan(QStringLiteral("4800204"));
    EXPECT_EQ(cell(1, C::kColCode), QStringLiteral("2004"));
    EXPECT_EQ(cell(1, C::kColGenericName), QStringLiteral("CEFUROXIME"));
    EXPECT_EQ(cell(1, C::kColSellPriceIn), QStringLiteral("20"));
    EXPECT_EQ(cell(1, C::kColAmount), QStringLiteral("40.00"));
    EXPECT_EQ(cell(1, C::kColBarCode), QStringLiteral("4800204"));
    EXPECT_EQ(cell(1, C::kColRequestedCode), QStringLiteral("PARA500"));
}

QX_ON_BOTH_ENGINES(frmCommEntryItemsTest);
QX_ON_BOTH_ENGINES(frmCommEntryBarcodeTest);

} // namespace
} // namespace qx::test
