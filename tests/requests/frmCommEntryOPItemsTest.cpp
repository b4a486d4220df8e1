#include "frmCommEntryOPFixture.h"

#include "charging/InpatientPriceRule.h"
#include "platform/CellEditor.h"
#include "charging/frmMessageBoxBarCode.h"
#include "charging/frmOverStock.h"
#include "charging/frmPriceInOut.h"
#include "requests/RequestWindowOpeners.h"
#include "shell/WindowOpeners.h"
#include "platform/Values.h"
#include "shell/Switches.h"
#include "suite/DoseFormsDosage.h"

#include <QPushButton>
#include <functional>

namespace qx::test {
namespace {

// Visit 5001A asks for 2 PARACETAMOL, 2 IV SET and 3 of generic 77 (AMOXICILLIN). Items with
// numeric codes, as a station's are: 2001 CEFALEXIN, 2002 (inactive), 2003 AMOXICILLIN (generic
// 77); 3001 to 3004 for the prices (3002 a fixed charge of 0.25, 3003 LOSARTAN at an MDRP price of
// 0.25, 3004 sold at 0.25). Visits 5002H (an HMO), 5003V (the VA, an HMO class too), 5004E (an emergency visit),
// 5006I (an industrial company), 5010E (an emergency visit on an out-price account).
class frmCommEntryOPItemsTest : public frmCommEntryOPEditTest {
protected:
    void SetUp() override {
        frmCommEntryOPEditTest::SetUp();
        if (IsSkipped())
            return;
        gComponents.gDosageList = dosages;
        auto dosage = std::make_shared<suite::DoseFormsDosage>([this] { return &db(); });
        ASSERT_TRUE(dosage->InitConnection(db().connectionString()));
        gComponents.gDosage = dosage;
        db().execute(QStringLiteral("INSERT INTO build_file.tbCoDosage (DosageID, Frequency) VALUES ('TID', 3)"));
        struct Account { const char* code; const char* name; const char* klass; };
        for (const Account& a : {Account{"HMOCO", "HEALTH PLAN", "P"}, {"VA", "VETERANS", "P"}, {"INDCO", "FACTORY", "I"}})
            db().execute(QStringLiteral("INSERT INTO build_file.tbCoCompany (AccountNum, Company, Class) VALUES (?, ?, ?)"),
                         {QString::fromLatin1(a.code), QString::fromLatin1(a.name), QString::fromLatin1(a.klass)});
        struct Visit { const char* id; const char* account; double er; };
        for (const Visit& v : {Visit{"5002H", "HMOCO", 0}, {"5003V", "VA", 0}, {"5004E", "ACME", 1},
                               {"5006I", "INDCO", 0}, {"5010E", "OUTCO", 1}})
            addOutPatientVisit(db(), {.idNum = QString::fromLatin1(v.id),
                                      .person = {.hospNum = QStringLiteral("H") + QString::fromLatin1(v.id)},
                                      .accountNum = QString::fromLatin1(v.account), .erNum = v.er});
        addItem(db(), {.itemId = QStringLiteral("2001"), .name = QStringLiteral("CEFALEXIN"),
                       .description = QStringLiteral("250 MG CAP"), .genericId = QStringLiteral("78"),
                       .genericName = QStringLiteral("CEFALEXIN"), .barcode = QStringLiteral("4800201"),
                       .onHand = 40, .priceIn = 8, .priceOut = 9});
        addItem(db(), {.itemId = QStringLiteral("2002"), .name = QStringLiteral("ASPIRIN"),
                       .genericId = QStringLiteral("79"), .itemStatus = 1});
        addItem(db(), {.itemId = QStringLiteral("2003"), .name = QStringLiteral("AMOXICILLIN"),
                       .description = QStringLiteral("250 MG CAP"), .genericId = QStringLiteral("77"),
                       .genericName = QStringLiteral("AMOXICILLIN"), .onHand = 60, .priceOut = 10});
        addItem(db(), {.itemId = QStringLiteral("3001"), .barcode = QStringLiteral("4803001"), .priceIn = 5.25,
                       .priceOut = 6});
        addItem(db(), {.itemId = QStringLiteral("3002"), .barcode = QStringLiteral("4803002"), .priceIn = 5.25,
                       .priceOut = 6, .fixedCharge = 0.25});
        addItem(db(), {.itemId = QStringLiteral("3003"), .name = QStringLiteral("LOSARTAN"),
                       .description = QStringLiteral("50 MG TAB"), .genericId = QStringLiteral("81"),
                       .genericName = QStringLiteral("LOSARTAN"), .barcode = QStringLiteral("4803003"), .onHand = 30,
                       .priceIn = 5.25, .priceOut = 6, .isMDRP = true, .mdrpPrice = 0.25});
        addItem(db(), {.itemId = QStringLiteral("3004"), .barcode = QStringLiteral("4803004"), .priceIn = 0.25,
                       .priceOut = 0.25});
        db().execute(QStringLiteral("UPDATE tbInvent SET RateA = 4, RateB = 4.4, MarkupIn = 25, MarkupOut = 10, "
                                    "HMOMarkupOutPrice = 6.5 WHERE ItemID IN ('3001', '3002', '3003')"));
        db().execute(QStringLiteral("UPDATE tbInvent SET HMOMarkupOutPrice = 0.25 WHERE ItemID = '3004'"));
        for (const char* item : {"3001", "3004"})
            db().execute(QStringLiteral("INSERT INTO tbPharmaItemPrice (ItemID, LocationID, PriceKind, Price) "
                                        "VALUES (?, '20', 'VA', 0.25)"),
                         {QString::fromLatin1(item)});
        db().execute(QStringLiteral("DELETE FROM station.tbNurseCommunicationFile"));
        requests(QStringLiteral("5001A"),
                 {{"PARA500", 2, "D001", false}, {"FIX100", 2, "D001", false}, {"77", 3, "D001", true}});
    }
    // The visit's requests move to another visit.
    void moveRequestsTo(const QString& visit) {
        db().execute(QStringLiteral("UPDATE station.tbNurseCommunicationFile SET IDNum = ?"), {visit});
    }
    std::shared_ptr<ScriptedDosageList> dosages = std::make_shared<ScriptedDosageList>();
};

TEST_P(frmCommEntryOPItemsTest, CodeEntry) {
    checkCodeEntry({
        {"typed code", 1, "2001", false, {}, "2001", "", "", true},
        {"name through the picker", 1, "CEFA", false, {"2001"}, "2001", "CEFA@20", "", true},
        {"picker cancelled", 1, "CEFA", false, {""}, "PARA500", "CEFA@20", "", false},
        {"generic line, brand picker", 3, "77", false, {"2003"}, "2003", "<none>@20#77", "", true},
        {"generic line, picker cancelled", 3, "77", false, {""}, "77", "<none>@20#77", "", false},
        {"generic line, generic picker", 3, "77", true, {"77"}, "2003", "<none>@<none>", "", true},
        {"duplicate", 3, "PARA500", false, {"PARA500"}, "77", "PARA500@20",
         "The same medicine was already requested", false, vbExclamation},
        {"a code the search does not know", 1, "9999", false, {}, "PARA500", "", "", false},
        {"inactive", 1, "2002", false, {}, "PARA500", "",
         "The drug was set to inactive.  Please refer to pharmacy warehouse staff.", false},
    });
    // A generic line resolved: described by the item, its marks gone, the requested code kept.
    gDrugListByGeneric = false;
    open();
    picker->answers = {QStringLiteral("2003")};
    enter(3, OP::kColCode, QStringLiteral("77"));
    EXPECT_EQ(cell(3, OP::kColDescription), QStringLiteral("AMOXICILLIN 250 MG CAP"));
    EXPECT_EQ(cell(3, OP::kColGenericName), QStringLiteral("AMOXICILLIN"));
    EXPECT_EQ(cell(3, OP::kColStock), QStringLiteral("60"));
    EXPECT_EQ(cell(3, OP::kColUnitPrice), QStringLiteral("10"));
    EXPECT_EQ(cell(3, OP::kColAmount), Format(Val(cell(3, OP::kColIssued)) * 10, QStringLiteral("######.00")));
    EXPECT_EQ(cell(3, OP::kColGenericMark), QString());
    EXPECT_FALSE(cell(3, 0).contains(u'+'));
    EXPECT_EQ(cell(3, OP::kColRequestedCode), QStringLiteral("77"));
    EXPECT_EQ(form->lblPatInfo[6]->text(), form->TotalCharges());
}

// The look-up and the scan's change path price a line by the out-patient rule; the change path
// gives an account not charged out-patient prices the in-patient price, and skips FENT's.
TEST_P(frmCommEntryOPItemsTest, LookUpAndChangePathPrices) {
    struct Case {
        const char* name;
        const char* visit;
        const char* item;
        std::function<void()> settings;
        const char* unit, *amount;              // by the look-up
        const char* changedUnit, *changedAmount;  // by the change path
        ColorValue codeColor = colors::InfoBackground;
    };
    const auto none = [] {};
    const auto site = [](const char* code) { return [code] { gSiteCode = QString::fromLatin1(code); }; };
    const Case cases[] = {
        {"ordinary account", "5001A", "3001", none, "6", "12.00", "5.25", "10.50"},
        {"out-price account", "5005O", "3001", none, "6", "12.00", "6", "12.00"},
        {"mark-up group", "5001A", "3001", [] { gMarkUpGroup = true; }, "5.00", "10.00", "5.00", "10.00"},
        {"mark-up group, out-price account", "5005O", "3001", [] { gMarkUpGroup = true; }, "4.40", "8.80", "4.40",
         "8.80"},
        {"FLQC company", "5001A", "3001", site("FLQC"), "4.4", "8.80", "4.4", "8.80"},
        {"OXBEN class I", "5006I", "3001", site("OXBEN"), "5.25", "10.50", "5.25", "10.50"},
        {"FENT emergency visit", "5010E", "3001", site("FENT"), "5.25", "10.50", "6", "12.00"},
        {"FENT HMO visit", "5002H", "3001", site("FENT"), "5.25", "10.50", "5.25", "10.50"},
        {"FENT emergency visit, fixed charge", "5010E", "3002", site("FENT"), "5.25", "0.50", "6", "0.50"},
        {"fixed charge", "5001A", "3002", none, "6", "0.50", "5.25", "0.50"},
        {"below one", "5001A", "3004", none, "0.25", ".50", "0.25", ".50"},
        {"HMO", "5002H", "3001", [] { gInvSwitchHMOMarkupPrice = true; }, "6.5", "13.00", "6.5", "13.00"},
        {"VA after HMO", "5003V", "3001", [] { gInvSwitchHMOMarkupPrice = gInvSwitchVAPrice = true; }, "0.25", "0.50",
         "0.25", "0.50"},
        {"MDRP over HMO", "5002H", "3003", [] { gInvSwitchHMOMarkupPrice = true; }, "0.25", "0.50", "0.25", "0.50",
         kMDRPCellColor},
    };
    for (const bool changePath : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(changePath ? "change path: " : "look-up: ") + c.name);
            resetHospitalSettings();
            resetSwitches();
            c.settings();
            gCheckBarCode = changePath;
            moveRequestsTo(QString::fromLatin1(c.visit));
            open(QString::fromLatin1(c.visit));
            const QString item = QString::fromLatin1(c.item);
            if (changePath) {
                promptAnswers(&frmMessageBoxBarCode::cmdChange_Click);
                ASSERT_TRUE(form->chargeGrid()->isEditorVisible());
                scan(QStringLiteral("480") + item);
            } else {
                enter(1, OP::kColCode, item);
            }
            ASSERT_EQ(cell(1, OP::kColCode), item);
            EXPECT_EQ(cell(1, OP::kColUnitPrice), QString::fromLatin1(changePath ? c.changedUnit : c.unit));
            EXPECT_EQ(cell(1, OP::kColAmount), QString::fromLatin1(changePath ? c.changedAmount : c.amount));
            EXPECT_EQ(form->grdItemList->cellBackColorAt(1, OP::kColCode), c.codeColor);
            EXPECT_EQ(form->lblPatInfo[6]->text(), form->TotalCharges());
        }
    }
    // Every other column of the changed line describes the scanned item.
    EXPECT_EQ(cell(1, OP::kColDescription), QStringLiteral("LOSARTAN 50 MG TAB"));
    EXPECT_EQ(cell(1, OP::kColGenericName), QStringLiteral("LOSARTAN"));
    EXPECT_EQ(cell(1, OP::kColStock), QStringLiteral("30"));
    EXPECT_EQ(cell(1, OP::kColPriceIn), QStringLiteral("5.25"));
    EXPECT_EQ(cell(1, OP::kColPriceOut), QStringLiteral("6"));
    EXPECT_EQ(cell(1, OP::kColFixedCharge), QStringLiteral("0"));
    EXPECT_EQ(cell(1, OP::kColBarCode), QStringLiteral("4803003"));
    EXPECT_EQ(cell(1, OP::kColScanned), QStringLiteral("1"));
    EXPECT_EQ(cell(1, OP::kColRequestedCode), QStringLiteral("PARA500"));
}

// Rule E of a committed issued quantity: the base and MDRP amounts without a leading zero, the
// HMO, VA and fixed-charge amounts with one; each later rule replaces the earlier.
TEST_P(frmCommEntryOPItemsTest, CommitAmountsBySpecialPrice) {
    struct Case {
        const char* name;
        const char* visit;
        const char* item;
        std::function<void()> settings;
        const char* amount;
    };
    const auto none = [] {};
    const auto hmo = [] { gInvSwitchHMOMarkupPrice = true; };
    const Case cases[] = {
        {"base below one", "5001A", "3004", none, ".50"},
        {"HMO", "5002H", "3004", hmo, "0.50"},
        {"HMO switch off", "5002H", "3004", none, ".50"},
        {"VA after HMO", "5003V", "3001", [] { gInvSwitchHMOMarkupPrice = gInvSwitchVAPrice = true; }, "0.50"},
        {"fixed charge after HMO", "5002H", "3002", hmo, "0.50"},
        {"MDRP last", "5002H", "3003", hmo, ".50"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        resetHospitalSettings();
        resetSwitches();
        c.settings();
        db().execute(QStringLiteral("DELETE FROM station.tbNurseCommunicationFile"));
        requests(QString::fromLatin1(c.visit), {{c.item, 2, "D001", false}});
        open(QString::fromLatin1(c.visit));
        enter(1, OP::kColIssued, QStringLiteral("2"));
        EXPECT_EQ(cell(1, OP::kColIssued), QStringLiteral("2"));
        EXPECT_EQ(cell(1, OP::kColAmount), QString::fromLatin1(c.amount));
        EXPECT_EQ(form->lblPatInfo[6]->text(), form->TotalCharges());
    }
}

TEST_P(frmCommEntryOPItemsTest, EditorCellsDosageAndTheSeniorLock) {
    open();
    ChargeGrid& g = *form->chargeGrid();
    const NavigationCase moves[] = {
        {"End on the code goes to the dosage", 1, OP::kColCode, Qt::Key_End, 1, OP::kColDosage, true},
        {"End on the dosage goes to the issued", 1, OP::kColDosage, Qt::Key_End, 1, OP::kColIssued, true},
        {"End on the issued goes to the next line's code", 1, OP::kColIssued, Qt::Key_End, 2, OP::kColCode, true},
        {"Home on the issued goes back to the dosage", 2, OP::kColIssued, Qt::Key_Home, 2, OP::kColDosage, true},
    };
    checkNavigation(g, moves);

    // Columns with an editor but nothing to take keep it open with the text.
    for (int col : {int(OP::kColSCDiscount), int(OP::kColLogChoice), int(OP::kColScanned)}) {
        SCOPED_TRACE(col);
        enter(1, col, QStringLiteral("X"));
        EXPECT_TRUE(g.isEditorVisible());
        EXPECT_EQ(form->grdItemList->col(), col);
    }

    enter(1, OP::kColDosage, QStringLiteral("tid"));
    EXPECT_EQ(cell(1, OP::kColDosage), QStringLiteral("TID"));
    EXPECT_EQ(cell(1, OP::kColRequested), QStringLiteral("2")) << "a quantity stays";
    form->grdItemList->setTextMatrix(1, OP::kColRequested, QString());
    dosages->answer = QStringLiteral("TID");
    enter(1, OP::kColDosage, QStringLiteral("XYZ"));
    EXPECT_EQ(dosages->shown, 1);
    EXPECT_EQ(cell(1, OP::kColRequested), QStringLiteral("3"));

    // A senior visit is served as requested: no cell takes the editor.
    db().execute(QStringLiteral("DELETE FROM station.tbNurseCommunicationFile"));
    requests(QStringLiteral("5008S"), {{"PARA500", 2, "D001", false}});
    open(QStringLiteral("5008S"));
    for (int col : {int(OP::kColCode), int(OP::kColDosage), int(OP::kColIssued)}) {
        openEditorAt(*form->chargeGrid(), 1, col);
        EXPECT_FALSE(form->chargeGrid()->isEditorVisible()) << col;
    }
}

// A refused entry leaves the focus where the user had it while the editor holds text, and brings
// it into the editor once the editor is empty or the search found nothing.
TEST_P(frmCommEntryOPItemsTest, ARefusedEntryMovesTheFocusByItsEnding) {
    struct Case {
        const char* name;
        int col;
        QString typed;
        QStringList picked;
        QString editorText;  // afterwards
        bool editorFocused;
    };
    const Case cases[] = {
        {"inactive item", OP::kColCode, "2002", {}, "2002", false},
        {"duplicate", OP::kColCode, "77", {}, "77", false},
        {"a code the search does not know", OP::kColCode, "9999", {}, "9999", true},
        {"name, picker cancelled", OP::kColCode, "CEFA", {""}, "", true},
        {"unknown dosage, picker cancelled", OP::kColDosage, "XYZ", {}, "XYZ", false},
        {"empty dosage, picker cancelled", OP::kColDosage, "", {}, "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        open();
        picker->answers = c.picked;
        openEditorAt(*form->chargeGrid(), 1, c.col);
        form->txtEntry()->setText(c.typed);
        // The "..." button takes no focus: clicked while the doctor's box has it.
        form->txtDocCode->setFocus();
        QApplication::processEvents();
        form->chargeGrid()->editor()->lookupButton()->click();
        QApplication::processEvents();
        EXPECT_TRUE(form->chargeGrid()->isEditorVisible());
        EXPECT_EQ(form->txtEntry()->text(), c.editorText);
        EXPECT_EQ(form->txtEntry()->hasFocus(), c.editorFocused);
        EXPECT_EQ(form->txtDocCode->hasFocus(), !c.editorFocused);
        EXPECT_EQ(cell(1, OP::kColCode), QStringLiteral("PARA500"));
    }
    // Enter on a column with nothing to take leaves the editor as it was: open, its text unselected.
    open();
    openEditorAt(*form->chargeGrid(), 1, OP::kColSCDiscount);
    form->txtEntry()->setText(QStringLiteral("X"));
    pressKey(form->txtEntry(), Qt::Key_Return, QStringLiteral("\r"));
    QApplication::processEvents();
    EXPECT_TRUE(form->txtEntry()->hasFocus());
    EXPECT_EQ(form->txtEntry()->selectedText(), QString());
}

// Opened from the main window's command: an over-stock line takes a substitute, a changed price
// and a senior discount, and stays ready for the save.
TEST_P(frmCommEntryOPItemsTest, OpenedFromTheMenuALineTakesASubstituteAPriceAndADiscount) {
    RegisterRequestWindowOpeners();
    gAllowPriceChange = true;
    db().execute(QStringLiteral("DELETE FROM station.tbNurseCommunicationFile"));
    requests(QStringLiteral("5001A"), {{"PARA500", 2, "D001", false}});
    picker->answers = {QStringLiteral("2001")};
    platform.modal->onShow<frmOverStock>([](frmOverStock& w) {
        w.setChoice(QStringLiteral("2"));
        w.setLogChoice(QStringLiteral("Find Substitute Drug"));
        w.close();
    });
    platform.modal->onShow<frmPriceInOut>([](frmPriceInOut& w) {
        w.txtNewPrice->setText(QStringLiteral("10"));
        w.imgProceed_Click();
    });
    int shown = 0;
    platform.modal->onShow<OP>([&](OP& f) {
        ++shown;
        const auto at = [&](int col) { return f.grdItemList->textMatrix(1, col); };
        f.grdItemList->setTextMatrix(1, OP::kColStock, QStringLiteral("1"));
        openEditorAt(*f.chargeGrid(), 1, OP::kColIssued);
        f.txtEntry()->setText(QStringLiteral("3"));
        pressKey(f.txtEntry(), Qt::Key_Return, QStringLiteral("\r"));
        QApplication::processEvents();
        EXPECT_EQ(at(OP::kColCode), QStringLiteral("2001"));
        EXPECT_EQ(at(OP::kColDescription), QStringLiteral("CEFALEXIN 250 MG CAP"));
        EXPECT_EQ(at(OP::kColDosage), QStringLiteral("1 TAB Q4H"));
        EXPECT_EQ(at(OP::kColIssued), QStringLiteral("3"));
        EXPECT_EQ(at(OP::kColAmount), QStringLiteral("27.00"));
        EXPECT_EQ(at(OP::kColLogChoice), QStringLiteral("Find Substitute Drug"));
        f.grdItemList->setCol(OP::kColAmount);
        f.grdItemList_DblClick(OP::kColAmount);
        EXPECT_EQ(at(OP::kColAmount), QStringLiteral("30.00"));
        f.txtDiscount->setText(QStringLiteral("20"));
        f.grdItemList->setCol(OP::kColCode);
        f.grdItemList_DblClick(OP::kColSCDiscount);
        EXPECT_EQ(at(OP::kColAmount), QStringLiteral("24"));
        EXPECT_EQ(f.lblPatInfo[6]->text(), QStringLiteral("24"));
        EXPECT_TRUE(f.canSave());
        f.grdItemList_GotFocus();
        EXPECT_TRUE(f.cmdSave->isEnabled());
        pressKey(f.grdItemList, Qt::Key_Escape, QStringLiteral("\x1b"));
        QApplication::processEvents();
    });
    const WindowValues inputs{{QStringLiteral("StationName"), QStringLiteral("EMERGENCY ROOM")},
                              {QStringLiteral("RequestedStationID"), QStringLiteral("ER")},
                              {QStringLiteral("PatientID"), QStringLiteral("5001A")}};
    OpenWindow(QStringLiteral("mnuPending.frmCommEntryOP"), inputs);
    EXPECT_EQ(shown, 1);
    OP::Default().setCancelledForm(false);
}

// Lines PARA500 (barcode 4800001), 2001 (4800201) and FIX100 (none on file) to scan.
class frmCommEntryOPBarcodeTest : public frmCommEntryOPItemsTest {
protected:
    void SetUp() override {
        frmCommEntryOPItemsTest::SetUp();
        if (IsSkipped())
            return;
        gCheckBarCode = true;
        db().execute(QStringLiteral("UPDATE tbInvMaster SET Barcode = NULL WHERE ItemID = 'FIX100'"));
        db().execute(QStringLiteral("DELETE FROM station.tbNurseCommunicationFile"));
        requests(QStringLiteral("5001A"),
                 {{"PARA500", 2, "D001", false}, {"2001", 2, "D001", false}, {"FIX100", 2, "D001", false}});
    }
};

TEST_P(frmCommEntryOPBarcodeTest, MatchingScansAndALineWithoutBarcodeWalkToTheLastLine) {
    checkMatchingScans(QStringLiteral("4800001"), QStringLiteral("4800201"), true);
}

TEST_P(frmCommEntryOPBarcodeTest, ARefusedScanOffersRetryCancelAndChange) {
    checkRefusedScans({
        {"retry", &frmMessageBoxBarCode::cmdRetry_Click, vbYes, "999", {}, "0", true, "PARA500", "", "1 TAB Q4H", "",
         1},
        {"cancel refused", &frmMessageBoxBarCode::cmdCancel_Click, vbNo, "999", {}, "0", true, "PARA500", "",
         "1 TAB Q4H", "Are you sure to cancel the request?", 1},
        {"change to the scanned item", &frmMessageBoxBarCode::cmdChange_Click, vbYes, "4803001", {}, "1", false,
         "3001", "", "1 TAB Q4H", "", 2},
        {"change to an item already requested", &frmMessageBoxBarCode::cmdChange_Click, vbYes, "4800201", {}, "0",
         true, "PARA500", "", "1 TAB Q4H", "The same medicine was already requested", 1},
        {"change to an unknown code", &frmMessageBoxBarCode::cmdChange_Click, vbYes, "999", {}, "0", true, "PARA500",
         "", "1 TAB Q4H", "", 1},
        // A name goes through the picker and is compared; it never changes the line.
        {"change after a name", &frmMessageBoxBarCode::cmdChange_Click, vbYes, "CEFA", {"3001"}, "0", true,
         "PARA500", "", "1 TAB Q4H", "", 1},
        // Last: the request is then cancelled for good, its line settled under the cross.
        {"cancel confirmed", &frmMessageBoxBarCode::cmdCancel_Click, vbYes, "999", {}, "1", true, "PARA500", "",
         "CANCELLED", "Are you sure to cancel the request?", 2},
    });
}

QX_ON_BOTH_ENGINES(frmCommEntryOPItemsTest);
QX_ON_BOTH_ENGINES(frmCommEntryOPBarcodeTest);

} // namespace
} // namespace qx::test
