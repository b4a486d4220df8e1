#include "Builders.h"
#include "ChargeScreenFixture.h"
#include "ScriptedPickers.h"
#include "ScriptedPlatform.h"
#include "SourceTree.h"
#include "TestDatabase.h"
#include "charging/ChargeGrid.h"
#include "charging/ChargeGridNavigation.h"
#include "charging/InpatientPriceRule.h"
#include "charging/RequestLineMarks.h"
#include "charging/frmOverStock.h"
#include "charging/frmPriceInOut.h"
#include "components/DrugCatalog.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/Values.h"
#include "platform/WidgetInput.h"
#include "platform/report/ReportPrinter.h"
#include "requests/RequestWindowOpeners.h"
#include "requests/outpatient/frmCommEntryOP.h"
#include "shell/HospitalSettings.h"
#include "shell/ScriptedSuite.h"
#include "shell/Session.h"
#include "shell/Switches.h"
#include "shell/WindowOpeners.h"
#include "shell/frmShift.h"
#include "suite/CliniciansDoctor.h"
#include "suite/DrugCatalogComponent.h"
#include "suite/OutpatientFileOPDPatient.h"

#include <QApplication>
#include <QProcess>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace qx::test {
namespace {

TEST_P(frmCommEntryOPTest, LoadsTheVisitsHeader) {
    enum Setup { Plain, OutPrice, UnknownAccount, QVH, QVHWithoutCounter, PerVisitSlip, Senior, NotFound, Empty, SIKE };
    struct Case { const char* name; Setup setup; const char* visit; };
    const Case cases[] = {
        {"plain", Plain, "5001A"},           {"out-price account", OutPrice, "5005O"},
        {"unknown account", UnknownAccount, "5009N"}, {"QVH", QVH, "5001A"},
        {"QVH without a counter", QVHWithoutCounter, "5001A"}, {"switch 22", PerVisitSlip, "5001A"},
        {"senior", Senior, "5008S"},         {"visit not found", NotFound, "9999Z"},
        {"no visit", Empty, ""},             {"SIKE", SIKE, "5001A"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        resetHospitalSettings();
        gSeniorCitizenDiscount = 20;
        gSiteCode = c.setup == QVH || c.setup == QVHWithoutCounter ? QStringLiteral("QVH")
                    : c.setup == SIKE                            ? QStringLiteral("SIKE")
                                                                 : QString();
        db().execute(QStringLiteral("DELETE FROM tbChargeSlipTerminal"));
        if (c.setup == QVH)
            db().execute(QStringLiteral("INSERT INTO tbChargeSlipTerminal (UserID, ChargeSlip) VALUES ('1234', 42)"));
        setPharmaSwitch(QStringLiteral("22"), c.setup == PerVisitSlip);
        const QString visit = QString::fromLatin1(c.visit);
        auto form = load(visit);
        const bool found = c.setup != NotFound && c.setup != Empty;
        EXPECT_EQ(form->windowTitle(), QStringLiteral("Communication File Entry ( OUT-PATIENT )"));
        EXPECT_EQ(form->lblPatInfo[7]->text(), found ? visit : QString());
        if (found) {
            EXPECT_EQ(form->lblPatInfo[0]->text(), QStringLiteral("H") + visit);
            EXPECT_EQ(form->lblPatInfo[1]->text(), QStringLiteral("EMERGENCY ROOM"));
            EXPECT_EQ(form->lblPatInfo[4]->text(), QStringLiteral("ER (OP)"));
            EXPECT_EQ(form->txtDocCode->text(), QStringLiteral("D001"));
        }
        QString slip;
        if (c.setup == QVH)
            slip = QStringLiteral("C000042M");
        else if (c.setup == QVHWithoutCounter)
            slip = QStringLiteral("0");
        else if (found)
            slip = gComponents.gDrug->Drug().Chargeslip().CurrentDispensingChargeSlip(
                c.setup == PerVisitSlip ? std::optional<QString>(visit) : std::nullopt);
        EXPECT_EQ(form->lblPatInfo[5]->text(), slip);
        // "OUT PATIENT PRICE" blinks from the first tick, only for an out-price account.
        EXPECT_EQ(form->TimerPrice->isActive(), c.setup == OutPrice);
        EXPECT_EQ(form->TimerPrice->interval(), 1000);
        EXPECT_FALSE(form->lblPrice->isVisibleTo(form.get()));
        if (c.setup == OutPrice) {
            form->TimerPrice_Timer();
            EXPECT_TRUE(form->lblPrice->isVisibleTo(form.get()));
            form->TimerPrice_Timer();
            EXPECT_FALSE(form->lblPrice->isVisibleTo(form.get()));
        }
        const bool senior = c.setup == Senior;
        EXPECT_EQ(form->grdItemList->isEnabled(), !senior);
        EXPECT_EQ(form->cmdCancel->isEnabled(), !senior);
        EXPECT_EQ(form->txtDiscount->text(), senior ? QStringLiteral("20") : QStringLiteral("0"));
        EXPECT_EQ(form->chkSenior->isChecked(), senior);
        EXPECT_EQ(form->grdItemList->colWidth(OP::kColStock), found && !senior ? 0 : 696);
        EXPECT_EQ(form->grdItemList->colWidth(OP::kColSCDiscount), 1284);
        EXPECT_EQ(form->cmdPrintPrescription->isVisibleTo(form.get()), c.setup == SIKE);
    }
}

TEST_P(frmCommEntryOPTest, LinesOfTheFirstDoctorPricedByTheOutPatientRule) {
    requests(QStringLiteral("5001A"), {{"PARA500", 2, "D001", false},
                                       {"77", 3, "D001", true},
                                       {"FIX100", 2, "D001", false},
                                       {"AMOX500", 1, "D002", false}});
    auto form = load();
    ASSERT_EQ(form->grdItemList->rows(), 4);
    EXPECT_EQ(column(*form, 0), (QStringList{"1", "", "3"}));
    EXPECT_EQ(column(*form, OP::kColCode), (QStringList{"PARA500", "77", "FIX100"}));
    EXPECT_EQ(column(*form, OP::kColDescription),
              (QStringList{"PARACETAMOL 500 MG TABLET", "G: AMOXICILLIN", "IV SET "}));
    EXPECT_EQ(column(*form, OP::kColUnitPrice), (QStringList{"4.75", "n/a", "4.75"}));
    EXPECT_EQ(column(*form, OP::kColAmount), (QStringList{"9.50", "", "50.00"}));
    EXPECT_EQ(column(*form, OP::kColPriceOut), (QStringList{"4.75", "", "4.75"}));
    EXPECT_EQ(column(*form, OP::kColPriceIn), (QStringList{"5.25", "", "5.25"}));
    EXPECT_EQ(column(*form, OP::kColFixedCharge), (QStringList{"0", "0", "25"}));
    EXPECT_EQ(column(*form, OP::kColGenericMark), (QStringList{"", "*", ""}));
    EXPECT_EQ(column(*form, OP::kColGenericMark + 1), (QStringList{"", "*", ""}));
    EXPECT_EQ(column(*form, OP::kColStock), (QStringList{"100", "n/a", "100"}));
    EXPECT_EQ(form->lblPatInfo[6]->text(), QStringLiteral(" 59.5"));
    EXPECT_EQ(form->grdItemList->cellForeColorAt(3, OP::kColCode), kFixedPriceColor);
    EXPECT_EQ(form->grdItemList->cellForeColorAt(3, OP::kLastMarkedCol), kFixedPriceColor);
    EXPECT_EQ(form->grdItemList->cellPicture(2, OP::kColSCDiscount).toImage(), form->pictures().emptyBox.toImage());
    EXPECT_EQ(form->grdItemList->colWidth(OP::kColGenericName), 2400);
    EXPECT_TRUE(form->cmdSave->isEnabled() == form->canSave());

    // The colour legend brings the window down to show it.
    gShowColorAntibioticClass = true;
    auto withLegend = load();
    EXPECT_EQ(withLegend->height(), twipsToPixels(OP::kHeightWithLegend));

    // An out-price account is priced out-patient all the same here; the mark-up group takes the
    // out-patient mark-up for it.
    gMarkUpGroup = true;
    db().execute(QStringLiteral("UPDATE tbInvent SET RateA = 4, MarkupOut = 10, MarkupIn = 25"));
    db().execute(QStringLiteral("UPDATE station.tbNurseCommunicationFile SET IDNum = '5005O'"));
    auto outPrice = load(QStringLiteral("5005O"));
    EXPECT_EQ(column(*outPrice, OP::kColUnitPrice).first(), QStringLiteral("4.40"));
}

TEST_P(frmCommEntryOPTest, OptionalColumnsWidenTheWindowBySiteAndSwitch) {
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
        setPharmaSwitch(QStringLiteral("203"), c.supplier203);
        setPharmaSwitch(QStringLiteral("204"), c.pnf204);
        gPharmaSwitches.Load(db(), gSiteCode);
        auto form = load();
        EXPECT_EQ(form->grdItemList->colWidth(OP::kColSupplier), c.supplierWidth);
        EXPECT_EQ(form->grdItemList->colWidth(OP::kColPNF), c.pnfWidth);
        EXPECT_EQ(form->grdItemList->colWidth(OP::kColGenericName), 2400);
        int expected = twipsToPixels(OP::kDesignWidth) + twipsToPixels(2400);
        if (c.supplierWidth)
            expected += twipsToPixels(2400);
        if (c.pnfWidth)
            expected += twipsToPixels(1000);
        EXPECT_EQ(form->width(), expected);
        EXPECT_EQ(form->Frame1->width(), twipsToPixels(12060) + expected - twipsToPixels(OP::kDesignWidth));
    }
}

TEST_P(frmCommEntryOPTest, PrescriptionButtonAtSikeAndAtKelvarHospitals) {
    struct Case { const char* site; bool kelvar; bool shown; };
    for (const Case& c : {Case{"", false, false}, Case{"SIKE", false, true}, Case{"", true, true},
                          Case{"QVH", true, true}}) {
        SCOPED_TRACE(std::string(c.site) + (c.kelvar ? " Kelvar" : ""));
        gSiteCode = QString::fromLatin1(c.site);
        db().execute(QStringLiteral("DELETE FROM patient_data.tbHospitalInfo"));
        db().execute(QStringLiteral("INSERT INTO patient_data.tbHospitalInfo (Kelvarin) VALUES (?)"), {int(c.kelvar)});
        gPharmaSwitches.Load(db(), gSiteCode);
        ASSERT_EQ(gPharmaSwitches.IsKelvarHospital(), c.kelvar);
        auto form = load();
        EXPECT_EQ(form->cmdPrintPrescription->isVisibleTo(form.get()), c.shown);
        EXPECT_EQ(form->cmdPrintPrescription->text(), QStringLiteral("&Print Prescription"));
    }
}

TEST_P(frmCommEntryOPTest, AntibioticClassesColourTheFirstColumnsWithTheLegend) {
    db().execute(QStringLiteral("DELETE FROM tbInvAntibioticClass"));
    db().execute(QStringLiteral("INSERT INTO tbInvAntibioticClass (AntibioticClassID, AntibioticClass) VALUES "
                                "('1', 'RESERVED'), ('2', 'PENICILLINS'), ('5', 'OTHERS')"));
    db().execute(QStringLiteral("UPDATE tbInvMaster SET AntibioticClassID = '2' WHERE ItemID = 'AMOX500'"));
    db().execute(QStringLiteral("UPDATE tbInvMaster SET AntibioticClassID = '5' WHERE ItemID = 'FIX100'"));
    requests(QStringLiteral("5001A"), {{"PARA500", 1, "D001", false},
                                       {"FIX100", 2, "D001", false},
                                       {"AMOX500", 1, "D001", false}});
    for (bool legend : {false, true}) {
        SCOPED_TRACE(legend);
        gShowColorAntibioticClass = legend;
        auto form = load();
        const FlexGrid& g = *form->grdItemList;
        ASSERT_EQ(g.rows(), 4);
        EXPECT_EQ(g.cellForeColorAt(1, OP::kColCode), g.foreColor());
        // The fixed-charge line is red over columns 1 to 22 only; a class colour replaces the red
        // of columns 1 to 3, and only with the legend on.
        for (int col : {4, 13, OP::kLastMarkedCol})
            EXPECT_EQ(g.cellForeColorAt(2, col), kFixedPriceColor) << col;
        EXPECT_EQ(g.cellForeColorAt(2, OP::kLastMarkedCol + 1), g.foreColor());
        EXPECT_EQ(g.cellForeColorAt(2, 1), legend ? ColorValue(12583104) : kFixedPriceColor);
        EXPECT_EQ(g.cellForeColorAt(3, 3), legend ? ColorValue(16711680) : g.foreColor());
        EXPECT_EQ(g.cellForeColorAt(3, 4), g.foreColor());
        EXPECT_EQ(g.cellFontBoldAt(3, 2), legend);
        EXPECT_FALSE(g.cellFontBoldAt(3, 4));
        EXPECT_EQ(form->Frame4->lblBlue->text(), legend ? QStringLiteral("- PENICILLINS") : QString());
        EXPECT_EQ(form->height(), twipsToPixels(legend ? OP::kHeightWithLegend : OP::kDesignHeight));
        EXPECT_EQ(g.row(), 1);
        EXPECT_EQ(g.col(), OP::kColCode);
    }
}

TEST_P(frmCommEntryOPTest, BarcodeCheckingWaitsOnTheFirstLine) {
    gCheckBarCode = true;
    db().execute(QStringLiteral("UPDATE tbInvMaster SET Barcode = NULL WHERE ItemID = 'FIX100'"));
    requests(QStringLiteral("5001A"), {{"PARA500", 2, "D001", false}, {"FIX100", 1, "D001", false}});
    auto form = load();
    showActive(form.get());
    EXPECT_EQ(column(*form, OP::kColBarCode), (QStringList{"4800001", ""}));
    EXPECT_EQ(column(*form, OP::kColScanned), (QStringList{"0", "0"}));
    EXPECT_EQ(form->grdItemList->cellPicture(2, 0).toImage(), form->pictures().uncheck.toImage());
    EXPECT_EQ(form->grdItemList->row(), 1);
    EXPECT_EQ(form->grdItemList->col(), OP::kColCode);
    EXPECT_TRUE(form->chargeGrid()->isEditorVisible());
    EXPECT_FALSE(form->cmdSave->isEnabled()) << "no line is scanned yet";
}

TEST_P(frmCommEntryOPTest, PostedListButtonOpensTheOutPatientListForTheVisit) {
    QStringList opened;
    for (const char* window : {"frmListPosted", "frmListPostedOP"})
        RegisterWindowOpener(QString::fromLatin1(window), [&opened, window](const WindowValues& in) {
            opened << QString::fromLatin1(window) + QLatin1Char(' ') + in.value(QStringLiteral("IDNum")).toString();
            return WindowValues{};
        });
    auto form = load();
    form->cmdPosted->click();
    EXPECT_EQ(opened, QStringList{QStringLiteral("frmListPostedOP 5001A")});
}

TEST_P(frmCommEntryOPTest, CancelDelayAndExit) {
    requests(QStringLiteral("5001A"), {{"PARA500", 2, "D001", false}, {"FIX100", 1, "D001", false}});
    RegisterRequestWindowOpeners();
    int shown = 0;
    platform.modal->onShow<OP>([&](OP& form) {
        ++shown;
        form.grdItemList->setRow(1);
        platform.messages->answer(vbYes);
        form.cmdCancel->click();
        EXPECT_EQ(form.grdItemList->textMatrix(1, OP::kColDosage), QStringLiteral("CANCELLED"));
        EXPECT_EQ(form.lblPatInfo[6]->text(), QStringLiteral(" 25"));
        form.grdItemList->setRow(2);
        platform.messages->answer(vbYes);
        form.cmdDelay->click();
        EXPECT_EQ(form.grdItemList->textMatrix(2, OP::kColRemarks), QStringLiteral("DELAYED"));
        EXPECT_EQ(form.lblPatInfo[6]->text(), QStringLiteral(" 0"));
        pressKey(form.grdItemList, Qt::Key_Escape, QStringLiteral("\x1b"));
        QApplication::processEvents();
    });
    const WindowValues inputs{{QStringLiteral("StationName"), QStringLiteral("EMERGENCY ROOM")},
                              {QStringLiteral("RequestedStationID"), QStringLiteral("ER")},
                              {QStringLiteral("PatientID"), QStringLiteral("5001A")}};
    EXPECT_TRUE(OpenWindow(QStringLiteral("mnuPending.frmCommEntryOP"), inputs).value(QStringLiteral("CancelledForm")).toBool());
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(OP::Default().isLoaded());
    const Recordset rs = db().query(QStringLiteral("SELECT COALESCE(RecordStatus, '') AS S FROM station.tbNurseCommunicationFile "
                                                   "ORDER BY RequestNumber"));
    EXPECT_EQ(rs.valueAt(0, 0).toString(), QStringLiteral("C"));
    EXPECT_EQ(rs.valueAt(1, 0).toString(), QString());
    EXPECT_EQ(db().query(QStringLiteral("SELECT COUNT(*) AS N FROM tbInvUserLog")).value(QStringLiteral("N")).toInt(), 2);
    OP::Default().setCancelledForm(false);
}

TEST_P(frmCommEntryOPEditTest, IssuedQuantityCommitAndTheAmountRule) {
    struct Case {
        const char* name;
        int row;
        QString typed;
        QString stock = QStringLiteral("100");
        QString overStock;  // the over-stock answer, "" when it must not show
        QStringList picked;
        QString message, code = QStringLiteral("PARA500"), issued, amount, unitPrice = QStringLiteral("4.75"),
                        logChoice = QStringLiteral("earlier");
        bool written = true;
    };
    const Case cases[] = {
        {.name = "base amount from the out-patient price", .row = 1, .typed = "3", .issued = "3", .amount = "14.25",
         .logChoice = ""},
        {.name = "fixed charge", .row = 2, .typed = "3", .code = "FIX100", .issued = "3", .amount = "75.00",
         .logChoice = ""},
        {.name = "invalid", .row = 1, .typed = "0", .message = "Quantity is invalid.", .issued = "2",
         .amount = "9.50", .written = false},
        {.name = "over the stock, proceed", .row = 1, .typed = "3", .stock = "2", .overStock = "1", .issued = "3",
         .amount = "14.25", .logChoice = "Proceed with Transaction"},
        {.name = "over the stock, cancel", .row = 1, .typed = "3", .stock = "2", .overStock = "X", .issued = "2",
         .amount = "9.50", .written = false},
        {.name = "substitute", .row = 1, .typed = "3", .stock = "2", .overStock = "2", .picked = {"AMOX500"},
         .code = "AMOX500", .issued = "3", .amount = "36.00", .unitPrice = "12",
         .logChoice = "Find Substitute Drug"},
        {.name = "substitute not found", .row = 1, .typed = "3", .stock = "2", .overStock = "2",
         .picked = {"NOSUCH"}, .message = "Drug code not found!", .issued = "2", .amount = "9.50",
         .logChoice = "Find Substitute Drug", .written = false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        open();
        form->grdItemList->setTextMatrix(c.row, OP::kColStock, c.stock);
        form->grdItemList->setTextMatrix(c.row, OP::kColLogChoice, QStringLiteral("earlier"));
        platform.messages->clear();
        picker->answers = c.picked;
        int overStockAsked = 0;
        platform.modal->onShow<frmOverStock>([&](frmOverStock& w) {
            ++overStockAsked;
            w.setChoice(c.overStock);
            w.setLogChoice(c.overStock == QLatin1String("X") ? QStringLiteral("Cancel")
                           : c.overStock == QLatin1String("1") ? QStringLiteral("Proceed with Transaction")
                                                                : QStringLiteral("Find Substitute Drug"));
            w.close();
        });
        enter(c.row, OP::kColIssued, c.typed);
        EXPECT_EQ(overStockAsked, c.overStock.isEmpty() ? 0 : 1);
        EXPECT_EQ(platform.messages->boxes().empty() ? QString() : platform.messages->last().text, c.message);
        EXPECT_EQ(cell(c.row, OP::kColCode), c.code);
        EXPECT_EQ(cell(c.row, OP::kColIssued), c.issued);
        EXPECT_EQ(cell(c.row, OP::kColAmount), c.amount);
        EXPECT_EQ(cell(c.row, OP::kColUnitPrice), c.unitPrice);
        EXPECT_EQ(cell(c.row, OP::kColLogChoice), c.logChoice);
        // A refused commit keeps the editor open with what was typed.
        if (c.written) {
            EXPECT_EQ(form->lblPatInfo[6]->text(), form->TotalCharges());
        } else {
            EXPECT_TRUE(form->chargeGrid()->isEditorVisible());
            EXPECT_EQ(form->txtEntry()->text(), c.typed);
        }
        form->close();
    }
}

TEST_P(frmCommEntryOPEditTest, SeniorDiscountPriceChangeAndTheRemarksTip) {
    gSeniorCitizenDiscount = 20;
    gAllowPriceChange = true;
    open();
    FlexGrid& g = *form->grdItemList;
    form->txtDiscount->setText(QStringLiteral("20"));
    g.setRow(1);
    g.setCol(OP::kColCode);
    form->grdItemList_DblClick(OP::kColSCDiscount);
    EXPECT_EQ(cell(1, OP::kColAmount), QStringLiteral("7.6"));
    EXPECT_EQ(cell(1, 19), QStringLiteral("*"));
    EXPECT_EQ(g.cellPicture(1, OP::kColSCDiscount).toImage(), form->pictures().tickedBox.toImage());
    form->grdItemList_DblClick(OP::kColSCDiscount);
    EXPECT_EQ(cell(1, OP::kColAmount), QStringLiteral("9.50"));
    EXPECT_EQ(g.cellPicture(1, OP::kColSCDiscount).toImage(), form->pictures().emptyBox.toImage());

    g.setCol(OP::kColAmount);
    platform.modal->onNextShow([](QWidget& w) {
        auto& dialog = static_cast<frmPriceInOut&>(w);
        EXPECT_EQ(dialog.ItemQuantity(), 2);
        dialog.txtNewPrice->setText(QStringLiteral("5"));
        dialog.imgProceed_Click();
    });
    form->grdItemList_DblClick(OP::kColAmount);
    EXPECT_EQ(cell(1, OP::kColAmount), QStringLiteral("10.00"));
    EXPECT_EQ(cell(1, OP::kColPriceIn), QStringLiteral("5.00"));
    EXPECT_EQ(form->chargeGrid()->toolTipFor(1, 1), QStringLiteral("REMARKS: ") + cell(1, OP::kColRemarks));
}

QX_ON_BOTH_ENGINES(frmCommEntryOPEditTest);
// The prescription: issued quantities written back to the station's open requests by request
// number (cancelled, unreadable and closed ones left alone), then one print per prescribed item
// with the doctor's numbers and signature.
TEST_P(frmCommEntryOPTest, PrintPrescriptionWritesBackAndPrintsOnePerItem) {
    gSiteCode = QStringLiteral("SIKE");
    ASSERT_TRUE(installShippedReport(platform.folders->program, QStringLiteral("DocPrescription.rpt")));
    QTemporaryDir out;
    report::setPrintFolder(out.path());
    report::clearPrintedJobs();
    requests(QStringLiteral("5001A"), {{"PARA500", 2, "D001", false}, {"AMOX500", 1, "D001", false},
                                       {"FIX100", 1, "D001", false}});
    db().execute(QStringLiteral("UPDATE build_file.tbCoDoctor SET PRCNumber = 'PRC-77', PTRNumber = 'PTR-5', "
                                "TINNumber = 'TIN-9' WHERE doctorid = 'D001'"));
    QFile logo(sourcePath(QStringLiteral("Reports/yrd3.bmp")));
    ASSERT_TRUE(logo.open(QIODevice::ReadOnly));
    db().execute(QStringLiteral("INSERT INTO build_file.tbDbImage (IDKey, FieldName, DbImage) VALUES ('D001', 'Doctor Sign', ?)"),
                 {logo.readAll()});
    auto form = load();
    EXPECT_FALSE(form->cmdPrintPrescription->isHidden());
    auto rowOf = [&](const char* code) {
        for (int row = 1; row < form->grdItemList->rows(); ++row)
            if (form->grdItemList->textMatrix(row, OP::kColCode) == QLatin1String(code))
                return row;
        return -1;
    };
    form->grdItemList->setTextMatrix(rowOf("PARA500"), OP::kColIssued, QStringLiteral("3"));
    form->grdItemList->setTextMatrix(rowOf("AMOX500"), OP::kColDosage, QStringLiteral("CANCELLED"));
    form->grdItemList->setTextMatrix(rowOf("AMOX500"), OP::kColIssued, QStringLiteral("XXX"));
    form->grdItemList->setTextMatrix(rowOf("FIX100"), OP::kColIssued, QStringLiteral("5"));
    db().execute(QStringLiteral("UPDATE station.tbNurseCommunicationFile SET RecordStatus = 'W' WHERE ItemID = 'FIX100'"));
    form->setCancelledForm(true);
    form->cmdPrintPrescription->click();
    QStringList quantities;
    for (Recordset rs = db().query(QStringLiteral("SELECT Quantity FROM station.tbNurseCommunicationFile ORDER BY RequestNumber"));
         !rs.eof(); rs.moveNext())
        quantities << Format(rs.value(QStringLiteral("Quantity")), QStringLiteral("0"));
    EXPECT_EQ(quantities, (QStringList{"3", "1", "1"}));
    EXPECT_FALSE(form->CancelledForm());
    ASSERT_EQ(report::printedJobs().size(), 2);
    auto text = [](const QString& pdf) {
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput()).simplified();
    };
    const QString first = text(report::printedJobs()[0].file);
    for (const char* expected : {"PARACETAMOL", "Quantity: 3", "Sig.: 1 TAB Q4H", "PRC No.: PRC-77", "TIN: TIN-9"})
        EXPECT_TRUE(first.contains(QString::fromLatin1(expected))) << expected << "\n" << first.toStdString();
    EXPECT_TRUE(text(report::printedJobs()[1].file).contains(QStringLiteral("AMOXICILLIN")));
    EXPECT_TRUE(QFileInfo::exists(QDir(platform.folders->program).filePath(QStringLiteral("Reports/SIKE/DocSign.bmp"))));
    QProcess images;
    images.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), report::printedJobs()[0].file});
    images.waitForFinished(30000);
    EXPECT_EQ(QString::fromUtf8(images.readAllStandardOutput()).trimmed().split(QLatin1Char('\n')).size(), 3);

    // Again: printed again; without a signature on file the prescription prints without one.
    db().execute(QStringLiteral("DELETE FROM build_file.tbDbImage"));
    form->cmdPrintPrescription->click();
    ASSERT_EQ(report::printedJobs().size(), 4);
    images.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), report::printedJobs()[3].file});
    images.waitForFinished(30000);
    EXPECT_EQ(QString::fromUtf8(images.readAllStandardOutput()).trimmed().split(QLatin1Char('\n')).size(), 2);
    report::setPrintFolder(QString());
    report::clearPrintedJobs();
}

QX_ON_BOTH_ENGINES(frmCommEntryOPTest);

} // namespace
} // namespace qx::test
