#include "frmCommEntryFixture.h"

#include "SourceTree.h"
#include "platform/FlexGrid.h"
#include "platform/report/ReportPrinter.h"
#include "requests/RequestWindowOpeners.h"
#include "requests/labels/LabelSettings.h"
#include "requests/labels/frmBarcodeSettings.h"
#include "requests/labels/frmPatlist.h"

#include <QCheckBox>
#include <QProcess>

namespace qx::test {
namespace {

namespace ls = labelsettings;

QString decodeFirstPage(const QString& pdf, const QString& folder) {
    const QString png = QDir(folder).filePath(QStringLiteral("page"));
    QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"),
                                                   QStringLiteral("-singlefile"), pdf, png});
    QProcess zbar;
    zbar.start(QStringLiteral("zbarimg"), {QStringLiteral("-q"), png + QStringLiteral(".png")});
    zbar.waitForFinished(30000);
    return QString::fromUtf8(zbar.readAllStandardOutput()).trimmed();
}

class BarcodeSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(installShippedReport(platform.folders->program, QStringLiteral("BarcodeTest.rpt")));
        report::setPrintFolder(out.path());
        report::clearPrintedJobs();
    }
    void TearDown() override {
        report::setPrintFolder(QString());
        report::clearPrintedJobs();
        report::setInstalledPrinters({});
        report::resetCurrentPrinter();
    }
    QString stored(const QString& key) { return GetLabelSetting(key, QStringLiteral("(none)")); }
    QStringList boxes(const frmBarcodeSettings& d) {
        return {d.txtFont->text(), d.txtSize->text(), d.txtTop->text(), d.txtLeft->text(), d.txtFontR->text(),
                d.txtSizeR->text()};
    }

    ScriptedPlatform platform;
    QTemporaryDir out;
};

TEST_F(BarcodeSettingsTest, ShowsDefaultsSavesAsTypedAndReopensWithTheSavedValues) {
    frmBarcodeSettings dialog;
    dialog.Form_Load();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Barcode Settings"));
    EXPECT_EQ(boxes(dialog), (QStringList{"Code 128", "25", "200", "100", "Arial Narrow", "8"}));
    EXPECT_FALSE(dialog.chkUseHardCode->isChecked());
    dialog.cmdIDA->click();
    EXPECT_EQ(dialog.txtFont->text(), QStringLiteral("IDAUTOMATIONHC39M"));
    dialog.cmd39->click();
    dialog.txtSize->setText(QStringLiteral("30pt"));
    dialog.txtLeft->setText(QStringLiteral("450"));
    dialog.txtFontR->setText(QStringLiteral("DejaVu Sans"));
    dialog.txtSizeR->setText(QStringLiteral("9"));
    dialog.cmdOK->click();
    EXPECT_TRUE(platform.messages->boxes().empty());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    for (const auto& [key, value] : {std::pair{ls::kBarcodeFont, "FREE 3 OF 9"}, {ls::kBarcodeSize, "30pt"},
                                     {ls::kTop, "200"}, {ls::kLeft, "450"}, {ls::kTextFont, "DejaVu Sans"},
                                     {ls::kTextSize, "9"}})
        EXPECT_EQ(stored(key), QString::fromLatin1(value)) << key.toStdString();
    SaveLabelSetting(ls::kBarcodeSize, QStringLiteral("30"));
    frmBarcodeSettings again;
    again.Form_Load();
    EXPECT_EQ(boxes(again), (QStringList{"FREE 3 OF 9", "30", "200", "450", "DejaVu Sans", "9"}));
}

TEST_F(BarcodeSettingsTest, SaveRefusesAnEmptyFontAndASizeThatIsNoNumber) {
    frmBarcodeSettings dialog;
    dialog.Form_Load();
    dialog.txtFont->clear();
    dialog.cmdOK->click();
    EXPECT_EQ(platform.messages->last().text, QStringLiteral("Invalid font."));
    EXPECT_EQ(platform.messages->last().title, QStringLiteral("0"));
    EXPECT_EQ(dialog.txtFont->text(), QStringLiteral("Code 128"));
    EXPECT_EQ(stored(ls::kBarcodeFont), QStringLiteral("(none)"));
    for (const char* size : {"abc", "", "-3x"}) {
        SCOPED_TRACE(size);
        platform.messages->clear();
        dialog.txtSize->setText(QString::fromLatin1(size));
        dialog.cmdOK->click();
        EXPECT_EQ(platform.messages->texts(), QStringList{QStringLiteral("Invalid font size.")});
        EXPECT_EQ(stored(ls::kBarcodeSize), QStringLiteral("(none)"));
    }
    platform.messages->clear();
    dialog.txtSize->setText(QStringLiteral("0"));
    dialog.cmdOK->click();
    EXPECT_TRUE(platform.messages->boxes().empty());
    EXPECT_EQ(stored(ls::kBarcodeSize), QStringLiteral("0"));
}

TEST_F(BarcodeSettingsTest, CheckBoxStoresAtOnceAndPrinterFontAndTestPrint) {
    {
        frmBarcodeSettings dialog;
        dialog.Form_Load();
        dialog.chkUseHardCode->click();
        EXPECT_EQ(stored(ls::kUseHardCode), QStringLiteral("1"));
        // Closed without saving: only the check box was stored.
        dialog.txtTop->setText(QStringLiteral("999"));
        dialog.reject();
        EXPECT_EQ(stored(ls::kTop), QStringLiteral("(none)"));
    }
    frmBarcodeSettings dialog;
    dialog.Form_Load();
    EXPECT_TRUE(dialog.chkUseHardCode->isChecked());

    report::setInstalledPrinters([] { return QStringList{QStringLiteral("Office")}; });
    dialog.cmdSetPrinter->click();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Barcode Settings"));
    EXPECT_EQ(report::currentPrinter(), QString());
    report::setInstalledPrinters([] { return QStringList{QStringLiteral("Office"), QStringLiteral("Barcode")}; });
    dialog.cmdSetPrinter->click();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Printer selected."));
    EXPECT_EQ(report::currentPrinter(), QStringLiteral("Barcode"));

    dialog.cmdSetFont->click();
    EXPECT_EQ(dialog.cmdSetFont->text(), QStringLiteral("Code 128"));
    dialog.txtFont->setText(QStringLiteral("idautomationhc39m"));
    dialog.cmdSetFont->click();
    EXPECT_EQ(dialog.cmdSetFont->text(), QStringLiteral("Code 39"));

    // The test print uses the boxes as they stand, saved or not.
    dialog.txtSize->setText(QStringLiteral("20"));
    dialog.cmdTestPrint->click();
    ASSERT_EQ(report::printedJobs().size(), 1);
    EXPECT_EQ(report::printedJobs()[0].printer, QStringLiteral("Barcode"));
    EXPECT_EQ(decodeFirstPage(report::printedJobs()[0].file, out.path()), QStringLiteral("CODE-39:1234567890"));
    EXPECT_EQ(stored(ls::kBarcodeFont), QStringLiteral("(none)"));
    dialog.txtSize->setText(QStringLiteral("big"));
    dialog.cmdTestPrint->click();
    EXPECT_EQ(report::printedJobs().size(), 1);
    EXPECT_EQ(platform.messages->boxes().size(), 1u);  // told, the dialog stays
}

// The reprint search over admissions 1001 (DELA CRUZ, 3F) and 1002 (SANTOS, 4F).
class ReprintSearchTest : public frmCommEntryTest {
protected:
    void SetUp() override {
        frmCommEntryTest::SetUp();
        if (IsSkipped())
            return;
        addAdmittedPatient(db(), {.idNum = QStringLiteral("1002"),
                                  .person = {.hospNum = QStringLiteral("H000002"), .lastName = QStringLiteral("SANTOS"),
                                             .firstName = QStringLiteral("ANA"), .middleName = QStringLiteral("REYES")},
                                  .roomId = QStringLiteral("401"), .stationId = QStringLiteral("4F")});
        RegisterRequestWindowOpeners();
    }
    void TearDown() override {
        frmPatlist::Default().hide();
        frmCommEntryTest::TearDown();
    }
    frmPatlist& openSearch() {
        OpenWindow(QStringLiteral("mnuReprint"), {{QStringLiteral("txtIndicator"), QStringLiteral("RP")}});
        return frmPatlist::Default();
    }
    // What the request screen looked like while shown.
    struct Seen {
        QString caption, patient, station, barcodeCaption, indicate;
        QStringList hidden;
    };
    Seen openPatient(frmPatlist& list, int row) {
        Seen seen;
        platform.modal->onShow<frmCommEntry>([&](frmCommEntry& form) {
            seen.caption = form.windowTitle();
            seen.patient = form.PatientID();
            seen.station = form.RequestedStationID();
            seen.barcodeCaption = form.cmdPrintBarCode->text();
            seen.indicate = form.txtIndicate->text();
            for (QPushButton* b : {form.cmdCancel, form.cmdDelay, form.cmdDrugProfile, form.cmdPrintSave, form.cmdSave})
                if (b->isHidden())
                    seen.hidden << b->text();
            form.cmdClose->click();
        });
        list.flexMSHList1->setRow(row);
        list.flexMSHList1_dblClick();
        return seen;
    }
};

TEST_P(ReprintSearchTest, SearchesByNameOrNumberAndEnterRunsIt) {
    frmPatlist& list = openSearch();
    EXPECT_TRUE(list.isVisible());
    EXPECT_FALSE(list.isModal());
    EXPECT_EQ(list.windowTitle(), QStringLiteral("Patient List"));
    EXPECT_EQ(list.txtIndicator->text(), QStringLiteral("RP"));
    list.txtSearch->setText(QStringLiteral("cruz"));
    pressKey(list.txtSearch, Qt::Key_Return, QStringLiteral("\r"));
    ASSERT_EQ(list.flexMSHList1->rows(), 2);
    EXPECT_TRUE(list.flexMSHList1->isEnabled());
    EXPECT_EQ(list.flexMSHList1->textMatrix(0, 1), QStringLiteral("Admission # "));
    EXPECT_EQ(list.flexMSHList1->textMatrix(1, 1), QStringLiteral("1001"));
    EXPECT_EQ(list.flexMSHList1->textMatrix(1, 5), QStringLiteral("3F"));
    EXPECT_EQ(list.flexMSHList1->colWidth(5), 0);
    EXPECT_EQ(list.flexMSHList1->colWidth(2), 5000);

    list.txtSearch->setText(QStringLiteral("1002"));
    list.cmdSearch->click();
    ASSERT_EQ(list.flexMSHList1->rows(), 2);
    EXPECT_EQ(list.flexMSHList1->textMatrix(1, 5), QStringLiteral("4F"));

    // Wildcards are typed text, not patterns.
    list.txtSearch->setText(QStringLiteral("%"));
    list.cmdSearch->click();
    EXPECT_FALSE(list.flexMSHList1->isEnabled());
    EXPECT_EQ(list.flexMSHList1->rows(), 1);
    EXPECT_TRUE(platform.modal->shown().isEmpty());
}

TEST_P(ReprintSearchTest, AtYrdOpensTheRequestScreenInReprintModeElsewhereAsUsual) {
    frmPatlist& list = openSearch();
    list.txtSearch->setText(QStringLiteral("SANTOS, ANA"));
    list.cmdSearch->click();
    const Seen usual = openPatient(list, 1);
    EXPECT_EQ(usual.caption, QStringLiteral("Communication File Entry ( IN-PATIENT )"));
    EXPECT_EQ(usual.patient, QStringLiteral("1002"));
    EXPECT_EQ(usual.station, QStringLiteral("4F"));
    EXPECT_TRUE(usual.hidden.isEmpty());
    EXPECT_EQ(usual.barcodeCaption, QStringLiteral("Print &Barcode"));

    gSiteCode = QStringLiteral("YRD");
    const Seen reprint = openPatient(list, 1);
    EXPECT_EQ(reprint.caption, QStringLiteral("Barcode Reprinting"));
    EXPECT_EQ(reprint.hidden, (QStringList{"&Cancel Request", "&Delay Request", "Print &Drug Profile", "&Print / Save",
                                           "&Save"}));
    EXPECT_EQ(reprint.barcodeCaption, QStringLiteral("RePrint"));
    EXPECT_EQ(reprint.indicate, QStringLiteral("RP"));
    EXPECT_EQ(frmCommEntry::Default().Initial->text(), QStringLiteral("ARS"));
    // The search window keeps its result; the next showing of the screen is the usual one again.
    EXPECT_EQ(list.flexMSHList1->textMatrix(1, 1), QStringLiteral("1002"));
    list.txtIndicator->clear();
    const Seen after = openPatient(list, 1);
    EXPECT_EQ(after.caption, QStringLiteral("Communication File Entry ( IN-PATIENT )"));
    EXPECT_TRUE(after.hidden.isEmpty());
}

QX_ON_BOTH_ENGINES(ReprintSearchTest);

} // namespace
} // namespace qx::test
