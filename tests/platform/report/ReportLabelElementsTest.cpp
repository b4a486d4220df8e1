#include "ReportTestSupport.h"
#include "components/AppError.h"
#include "platform/report/ReportLoader.h"
#include "platform/report/ReportPrinter.h"

using namespace qx;
using namespace qx::report;
using namespace qx::report::test;

namespace {

constexpr double kUnitsPerTwip = kUnitsPerInch / 1440.0;

// A label laid out in twips from parameters, with a picture, a barcode and a line left out
// when it prints nothing.
const char* const kLabel = R"(paper Label
margins 0
font "DejaVu Sans" 8
parameter PICTURE text
parameter LEFT number
parameter TOP number
parameter BARFONT text
parameter BARSIZE number
parameter CODE text
parameter NAME text
parameter EXTRA text
reportheader
  image "{PICTURE}" x=1300tw y=100tw
  text "Patient {NAME}" x={LEFT}tw y={TOP}tw size=8
  barcode "{CODE}" x={LEFT}tw font="{BARFONT}" size={BARSIZE}
  text "{EXTRA}" x={LEFT}tw omitblank
  text "last line" x=1in
end
)";

class LabelElements : public ::testing::Test {
protected:
    void SetUp() override {
        QFile::copy(QDir(reportsFolder()).filePath(QStringLiteral("yrd3.bmp")), file.folder() + QStringLiteral("/logo.bmp"));
    }
    void TearDown() override {
        setPrintFolder(QString());
        setInstalledPrinters({});
        resetCurrentPrinter();
        clearPrintedJobs();
    }
    std::shared_ptr<Report> open(const QString& barFont, const QString& extra, const QString& left = QStringLiteral("600")) {
        auto r = Report::open(file.path());
        r->setParameterValues({QStringLiteral("logo.bmp"), left, QStringLiteral("800"), barFont, QStringLiteral("25"),
                               QStringLiteral("4806512345678"), QStringLiteral("DELA CRUZ"), extra});
        return r;
    }
    ReportFile file{QString::fromUtf8(kLabel)};
};

TEST_F(LabelElements, PlacesTextsPictureAndBarcodeAtTwipsFromParameters) {
    auto r = open(QStringLiteral("Code128"), QStringLiteral("extra"));
    const ReportDocument& doc = r->document();
    EXPECT_NEAR(doc.pageSize().width(), 4 * kUnitsPerInch, 0.5);
    EXPECT_NEAR(doc.pageSize().height(), 2 * kUnitsPerInch, 0.5);
    const PageContent page = doc.page(0);
    ASSERT_EQ(page.images.size(), 1);
    // The picture at its own size: 40 pixels at 96 dots an inch.
    EXPECT_NEAR(page.images[0].rect.left(), 1300 * kUnitsPerTwip, 0.01);
    EXPECT_NEAR(page.images[0].rect.top(), 100 * kUnitsPerTwip, 0.01);
    EXPECT_NEAR(page.images[0].rect.width(), 40.0 / 96 * kUnitsPerInch, 0.5);
    ASSERT_EQ(page.texts.size(), 3);
    EXPECT_EQ(page.texts[0].text, QStringLiteral("Patient DELA CRUZ"));
    EXPECT_NEAR(page.texts[0].rect.left(), 600 * kUnitsPerTwip, 0.01);
    EXPECT_NEAR(page.texts[0].rect.top(), 800 * kUnitsPerTwip, 0.01);
    ASSERT_EQ(page.barcodes.size(), 1);
    const PageBarcode& bar = page.barcodes[0];
    EXPECT_EQ(bar.symbology, Symbology::Code128);
    EXPECT_NEAR(bar.rect.left(), 600 * kUnitsPerTwip, 0.01);
    // Each line starts below the one before it; the barcode is the tallest.
    EXPECT_GT(bar.rect.top(), page.texts[0].rect.bottom() - 0.01);
    EXPECT_GT(page.texts[1].rect.top(), bar.rect.bottom());
    EXPECT_EQ(page.texts[1].text, QStringLiteral("extra"));
    EXPECT_NEAR(page.texts[2].rect.left(), kUnitsPerInch, 0.01);
    EXPECT_TRUE(doc.pageText(0).contains(QStringLiteral("4806512345678")));
    EXPECT_TRUE(doc.pageText(0).contains(QStringLiteral("[logo.bmp]")));
}

TEST_F(LabelElements, BlankOmittedLineMovesTheNextLineUpAndCode39FontsDrawCode39) {
    const PageContent withExtra = open(QStringLiteral("Code128"), QStringLiteral("extra"))->document().page(0);
    const PageContent without = open(QStringLiteral("free 3 of 9"), QString())->document().page(0);
    ASSERT_EQ(without.texts.size(), 2);
    EXPECT_EQ(without.texts[1].text, QStringLiteral("last line"));
    EXPECT_NEAR(without.texts[1].rect.top(), withExtra.texts[1].rect.top(), 0.01);
    EXPECT_EQ(without.barcodes[0].symbology, Symbology::Code39);
    EXPECT_EQ(symbologyForFont(QStringLiteral(" IDAutomationHC39M ")), Symbology::Code39);
    EXPECT_EQ(symbologyForFont(QStringLiteral("Code 128")), Symbology::Code128);
    EXPECT_EQ(symbologyName(Symbology::Code39), QStringLiteral("Code 39"));
}

TEST_F(LabelElements, ParameterThatIsNotANumberOrAMissingPictureIsAnError) {
    auto r = Report::open(file.path());
    EXPECT_THROW(r->setParameterValues({QStringLiteral("logo.bmp"), QStringLiteral("left")}), AppError);
    auto noPicture = open(QStringLiteral("Code128"), QString());
    noPicture->parameter(0).addCurrentValue(QStringLiteral("nowhere.bmp"));
    try {
        noPicture->document();
        FAIL() << "laid out without its picture";
    } catch (const AppError& e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("the picture \"nowhere.bmp\" was not found")))
            << e.description().toStdString();
    }
    auto unset = Report::open(file.path());
    EXPECT_THROW(unset->document(), AppError);  // positions without values
}

TEST_F(LabelElements, BrokenLabelStatementsNameTheLine) {
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"reportheader\n  text \"a\" x={LEFT}tw\nend", "probe.rpt, line 2: {LEFT} names no parameter"},
        {"parameter L number\nreportheader\n  text \"a\" x={L}cm\nend", "probe.rpt, line 3: unknown unit \"cm\""},
        {"reportheader\n  image \"a.bmp\" bold\nend", "probe.rpt, line 2: unexpected \"bold\" in an image"},
        {"reportheader\n  barcode x=3\nend", "probe.rpt, line 2: a barcode needs its \"data\""},
        {"paper 3x2cm", "probe.rpt, line 1: unknown paper \"3x2cm\""},
    };
    for (const Case& c : cases) {
        ReportFile f(QString::fromUtf8(c.text));
        QString message = QStringLiteral("(loaded)");
        try {
            loadReportDefinition(f.path());
        } catch (const AppError& e) {
            message = e.description();
        }
        EXPECT_TRUE(message.startsWith(QString::fromUtf8(c.message))) << c.text << "\n  gave: " << message.toStdString();
    }
    ReportFile inches(QStringLiteral("paper 3x1.5in\n"));
    EXPECT_NEAR(loadReportDefinition(inches.path()).paperMm.width(), 76.2, 1e-9);
}

TEST_F(LabelElements, PrintsOnTheSelectedPrinterAndTheBarsDecode) {
    QTemporaryDir out;
    setPrintFolder(out.path());
    setInstalledPrinters([] { return QStringList{QStringLiteral("Office"), QStringLiteral("Barcode")}; });
    EXPECT_FALSE(selectPrinter(QStringLiteral("barcode")));
    EXPECT_EQ(currentPrinter(), QString());
    open(QStringLiteral("Code128"), QString())->printOut();
    EXPECT_TRUE(selectPrinter(QStringLiteral("Barcode")));
    open(QStringLiteral("FREE 3 OF 9"), QString())->printOut();
    const QVector<PrintedJob> jobs = printedJobs();
    ASSERT_EQ(jobs.size(), 2);
    EXPECT_EQ(jobs[0].printer, QString());
    EXPECT_EQ(jobs[1].printer, QStringLiteral("Barcode"));
    const char* const kinds[] = {"CODE-128:4806512345678", "CODE-39:4806512345678"};
    for (int i = 0; i < 2; ++i) {
        run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"),
                                         QStringLiteral("-singlefile"), jobs[i].file, out.filePath(QStringLiteral("page"))});
        const QString decoded =
            run(QStringLiteral("zbarimg"), {QStringLiteral("-q"), out.filePath(QStringLiteral("page.png"))}).trimmed();
        EXPECT_EQ(decoded, QString::fromLatin1(kinds[i]));
    }
    const QString text = run(QStringLiteral("pdftotext"), {jobs[0].file, QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QStringLiteral("Patient DELA CRUZ"))) << text.toStdString();
}

} // namespace
