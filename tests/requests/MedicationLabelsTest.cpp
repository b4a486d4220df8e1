#include "frmCommEntryFixture.h"

#include "SourceTree.h"
#include "platform/Values.h"
#include "platform/report/ReportPrinter.h"
#include "requests/labels/LabelSettings.h"

#include <QProcess>
#include <QRegularExpression>

namespace qx::test {
namespace {

using C = frmCommEntry;

QString runTool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// A printed label read back: its lines, and where each word starts (twips from the left).
struct PrintedLabel {
    QString printer;
    QStringList lines;
    QVector<std::pair<QString, double>> words;
    double leftOf(const QString& word) const {
        for (const auto& [w, x] : words)
            if (w == word)
                return x;
        return -1;
    }
};

// Patient 1001 (JUAN SANTOS DELA CRUZ, room 301 of 3F) with PARACETAMOL (a barcode of its own)
// and AMOXICILLIN (a barcode AMOX250 shares, so one label per unit).
class MedicationLabelsTest : public frmCommEntryTest {
protected:
    void SetUp() override {
        frmCommEntryTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(installShippedReport(platform.folders->program, QStringLiteral("MedicationLabel.rpt")));
        ASSERT_TRUE(installShippedReport(platform.folders->program, QStringLiteral("yrd3.bmp")));
        report::setPrintFolder(out.path());
        report::clearPrintedJobs();
        addItem(db(), {.barcode = QStringLiteral("4800016000115")});
        addItem(db(), {.itemId = QStringLiteral("AMOX500"), .name = QStringLiteral("AMOXICILLIN"),
                       .description = QStringLiteral("500 MG CAPSULE"), .genericId = QStringLiteral("G-AMOX"),
                       .genericName = QStringLiteral("Amoxicillin"), .barcode = QStringLiteral("AMX500")});
        addItem(db(), {.itemId = QStringLiteral("AMOX250"), .name = QStringLiteral("AMOXICILLIN"),
                       .description = QStringLiteral("250 MG CAPSULE"), .genericId = QStringLiteral("G-AMOX"),
                       .barcode = QStringLiteral("AMX500")});
        request({.spec = {.quantity = 2, .requestNumber = QStringLiteral("RQ1")}});
        request({.spec = {.itemId = QStringLiteral("AMOX500"), .quantity = 3, .requestNumber = QStringLiteral("RQ2"),
                          .dosage = QStringLiteral("1 CAP TID")}});
    }
    void TearDown() override {
        report::setPrintFolder(QString());
        report::clearPrintedJobs();
        report::setInstalledPrinters({});
        report::resetCurrentPrinter();
        frmCommEntryTest::TearDown();
    }
    std::unique_ptr<frmCommEntry> openWith(const QString& issued1, const QString& issued2) {
        auto form = load();
        form->grdItemList->setTextMatrix(1, C::kColIssued, issued1);
        form->grdItemList->setTextMatrix(2, C::kColIssued, issued2);
        return form;
    }
    static void mark(frmCommEntry& form, int row, const QString& state) {
        form.grdItemList->setTextMatrix(row, C::kColDosage, state);
        for (int col = C::kColRequested; col <= C::kColAmount; ++col)
            form.grdItemList->setTextMatrix(row, col, QStringLiteral("XXX"));
    }
    QVector<PrintedLabel> printed() const {
        QVector<PrintedLabel> labels;
        static const QRegularExpression word(QStringLiteral("<word xMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
        for (const report::PrintedJob& job : report::printedJobs()) {
            PrintedLabel label;
            label.printer = job.printer;
            for (QString l : runTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), job.file, QStringLiteral("-")})
                                 .split(QLatin1Char('\n'))) {
                l = l.simplified();
                if (!l.isEmpty())
                    label.lines << l;
            }
            const QString boxes = runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), job.file, QStringLiteral("-")});
            for (auto it = word.globalMatch(boxes); it.hasNext();) {
                const auto m = it.next();
                label.words.append({m.captured(2), m.captured(1).toDouble() * 20});
            }
            labels << label;
        }
        return labels;
    }
    QString decodedBarcode(int job) const {
        const QString png = out.filePath(QStringLiteral("page"));
        runTool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"),
                                            QStringLiteral("-singlefile"), report::printedJobs()[job].file, png});
        return runTool(QStringLiteral("zbarimg"), {QStringLiteral("-q"), png + QStringLiteral(".png")}).trimmed();
    }
    void setLabel(const QString& key, const QString& value) { SaveLabelSetting(key, value); }

    QTemporaryDir out;
};

TEST_P(MedicationLabelsTest, OneLabelPerLineOrPerUnitWithTheLineTexts) {
    auto form = openWith(QStringLiteral("2"), QStringLiteral("3"));
    form->cmdPrintBarCode->click();
    const QVector<PrintedLabel> labels = printed();
    ASSERT_EQ(labels.size(), 4);
    const QString patient = UCase(form->lblPatInfo[2]->text() + u'(' + Trim(form->lblPatInfo[9]->text()) + u')');
    EXPECT_EQ(labels[0].lines, (QStringList{patient.simplified(),
                                            (QStringLiteral("Room: ") + Trim(form->lblPatInfo[4]->text())).simplified(),
                                            QStringLiteral("PARACETAMOL"),
                                            LCase(form->grdItemList->textMatrix(1, C::kColDescription)).simplified(),
                                            QStringLiteral("Qty.: 2 Dosage / 1 TAB Q4H"),
                                            form->grdItemList->textMatrix(1, 18).simplified()}))
        << labels[0].lines.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(patient.contains(QStringLiteral("DELA CRUZ")));
    for (int k = 1; k <= 3; ++k) {
        SCOPED_TRACE(k);
        EXPECT_TRUE(labels[k].lines.contains(QStringLiteral("Qty.: %1 of 3 Dosage / 1 CAP TID").arg(k)));
        EXPECT_TRUE(labels[k].lines.contains(QStringLiteral("AMOXICILLIN")));
        EXPECT_TRUE(labels[k].lines.contains(QStringLiteral("amoxicillin 500 mg capsule")));
    }
    // Default starts: 1250 for the patient and room, 600 for the names, 1450 for quantity and date.
    EXPECT_NEAR(labels[0].leftOf(QStringLiteral("Room:")), 1250 + 40, 60);
    EXPECT_NEAR(labels[0].leftOf(QStringLiteral("paracetamol")), 600, 60);
    EXPECT_NEAR(labels[0].leftOf(QStringLiteral("Qty.:")), 1450, 60);
    EXPECT_EQ(decodedBarcode(0), QStringLiteral("CODE-128:4800016000115"));
    EXPECT_TRUE(form->isVisible() || form->isLoaded());
}

TEST_P(MedicationLabelsTest, CancelledDelayedAndIssuedNothing) {
    struct Case {
        const char* name;
        bool perUnit;  // the second line is AMOXICILLIN (per unit); the first PARACETAMOL
        const char* state;
        const char* issued;
        QStringList quantities;
    };
    const Case cases[] = {
        {"cancelled", false, "CANCELLED", "", {}},
        {"delayed, one label", false, "DELAYED", "", {QStringLiteral("Qty.: XXX Dosage / DELAYED")}},
        {"delayed, per unit", true, "DELAYED", "", {}},
        {"issued 0, one label", false, "", "0", {QStringLiteral("Qty.: 0 Dosage / 1 TAB Q4H")}},
        {"issued 0, per unit", true, "", "0", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        report::clearPrintedJobs();
        auto form = load();
        const int row = c.perUnit ? 2 : 1;
        mark(*form, 3 - row, QStringLiteral("CANCELLED"));
        if (*c.state)
            mark(*form, row, QString::fromLatin1(c.state));
        else
            form->grdItemList->setTextMatrix(row, C::kColIssued, QString::fromLatin1(c.issued));
        form->cmdPrintBarCode->click();
        QStringList quantities;
        for (const PrintedLabel& label : printed())
            quantities << label.lines.filter(QStringLiteral("Qty.:"));
        EXPECT_EQ(quantities, c.quantities);
    }
}

TEST_P(MedicationLabelsTest, SavedSettingsMoveTheLinesAndChooseCode39) {
    setLabel(labelsettings::kLeft, QStringLiteral("300"));
    setLabel(labelsettings::kBarcodeFont, QStringLiteral("free 3 of 9"));
    auto form = openWith(QStringLiteral("1"), QStringLiteral("0"));
    form->cmdPrintBarCode->click();
    const QVector<PrintedLabel> labels = printed();
    ASSERT_EQ(labels.size(), 1);
    for (const char* w : {"Room:", "paracetamol", "Qty.:", "PARACETAMOL"})
        EXPECT_NEAR(labels[0].leftOf(QString::fromLatin1(w)), 300, 60) << w;
    EXPECT_EQ(decodedBarcode(0), QStringLiteral("CODE-39:4800016000115"));
}

TEST_P(MedicationLabelsTest, MissingBarcodeIsToldAndUnknownItemPassedOver) {
    db().execute(QStringLiteral("UPDATE tbInvMaster SET BarCode = NULL WHERE ItemID = 'PARA500'"));
    auto form = openWith(QStringLiteral("2"), QStringLiteral("1"));
    form->grdItemList->setTextMatrix(2, C::kColCode, QStringLiteral("NOSUCH"));
    form->cmdPrintBarCode->click();
    EXPECT_EQ(platform.messages->texts(), QStringList{QStringLiteral("PARACETAMOL 500 MG TABLET barcode doesn't exists.")});
    EXPECT_TRUE(report::printedJobs().isEmpty());
}

TEST_P(MedicationLabelsTest, YrdLabelsCarryInitialsAndReprintClosesAfterPrinting) {
    gSiteCode = QStringLiteral("YRD");
    auto form = openWith(QStringLiteral("1"), QStringLiteral("0"));
    form->PatientInitial();
    EXPECT_EQ(form->Initial->text(), QStringLiteral("JSD"));
    showActive(form.get());
    form->txtIndicate->setText(QStringLiteral("RP"));
    form->cmdPrintBarCode->click();
    const QVector<PrintedLabel> labels = printed();
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0].lines.value(0), QStringLiteral("Patient: JSD (1001)"));
    EXPECT_FALSE(form->isLoaded());

    // Without initials on record the box keeps its text; no label printed keeps the screen open.
    auto again = openWith(QStringLiteral("0"), QStringLiteral("0"));
    again->grdItemList->setTextMatrix(1, C::kColCode, QStringLiteral("NOSUCH"));
    db().execute(QStringLiteral("DELETE FROM patient_data.tbPatient WHERE IDNum = '1001'"));
    again->Initial->setText(QStringLiteral("kept"));
    again->PatientInitial();
    EXPECT_EQ(again->Initial->text(), QStringLiteral("kept"));
    again->txtIndicate->setText(QStringLiteral("RP"));
    again->cmdPrintBarCode->click();
    EXPECT_TRUE(again->isLoaded());
}

TEST_P(MedicationLabelsTest, ErrorStopsTheRunWithTheBoxAndTheScreenStaysOpen) {
    QFile::remove(QDir(platform.folders->program).filePath(QStringLiteral("Reports/yrd3.bmp")));
    auto form = openWith(QStringLiteral("2"), QStringLiteral("3"));
    form->txtIndicate->setText(QStringLiteral("RP"));
    form->cmdPrintBarCode->click();
    ASSERT_EQ(platform.messages->boxes().size(), 1u);
    EXPECT_EQ(platform.messages->last().title, QStringLiteral("Application Error"));
    EXPECT_TRUE(platform.messages->last().text.contains(QStringLiteral("yrd3.bmp does not exists.")));
    EXPECT_TRUE(platform.messages->last().text.endsWith(
        QStringLiteral("in prjQuillax.frmCommEntry.cmdPrintBarcode_Click at line 0")));
    EXPECT_TRUE(report::printedJobs().isEmpty());
    EXPECT_TRUE(form->isLoaded());
    EXPECT_EQ(platform.programEnd->ended(), 0);

    // A position that is not a number stops the run the same way.
    ASSERT_TRUE(installShippedReport(platform.folders->program, QStringLiteral("yrd3.bmp")));
    platform.messages->clear();
    setLabel(labelsettings::kTop, QStringLiteral("high"));
    form->cmdPrintBarCode->click();
    EXPECT_EQ(platform.messages->last().title, QStringLiteral("Application Error"));
    EXPECT_TRUE(report::printedJobs().isEmpty());
}

QX_ON_BOTH_ENGINES(MedicationLabelsTest);

} // namespace
} // namespace qx::test
