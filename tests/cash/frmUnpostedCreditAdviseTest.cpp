#include "CreditAdviseFixture.h"
#include "cash/CashWindowOpeners.h"
#include "platform/report/SharedReport.h"
#include "shell/HospitalSettings.h"
#include "shell/WindowOpeners.h"

#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

namespace qx::test {
namespace {

class frmUnpostedCreditAdviseTest : public CreditAdviseTest {
protected:
    void SetUp() override {
        CreditAdviseTest::SetUp();
        if (IsSkipped())
            return;
        installShippedReport(QStringLiteral("CashCM_Slip.rpt"));
        gHospitalName = QStringLiteral("DEMO GENERAL HOSPITAL");
        const Advise advises[] = {
            {"OR-1", "PH11", "AMOX", 1, 25, nullptr, "1001"},
            {"OR-1", "PH11", "AMOX", 1, 25, nullptr, "1001"},  // the same advise twice: listed once
            {"OR-1", "PH12", "PARA", 2, 4.5, "P", "1003"},
            {"OR-1", "PH13", "AMOX", 2, 50, "P", "9999"},
            {"OR-2", "PH14", "AMOX", 1, 25, nullptr, "1001"},
        };
        for (const Advise& a : advises)
            addAdvise(a);
    }
    // The list as shown: advise number, item, name, unit price, quantity, amount, user.
    static QStringList listed(const frmUnpostedCreditAdvise& w) {
        QStringList rows;
        for (const QString& row : rowsOf(*w.fgList, 8))
            rows << row.section(QLatin1Char('|'), 1);
        return rows;
    }
    // Shows the list for a receipt and item, as both callers do.
    void open(frmUnpostedCreditAdvise& w, const QString& receipt, const QString& item = QString()) {
        w.ORNumber = receipt;
        w.ItemID = item;
        showActive(&w);
    }
    // Catches the slip the viewer shows, as a PDF's text.
    QString printedSlip(const std::function<void()>& reprint) {
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("slip.pdf"));
        bool shown = false;
        platform.modal->onShow(QStringLiteral("qx::frmReportViewer"), [&](QWidget& viewer) {
            shown = true;
            gCrystalReport->exportTo(report::ExportFormat::Pdf, pdf);
            viewer.close();
        });
        reprint();
        if (!shown)
            return QString();
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        EXPECT_TRUE(text.waitForFinished());
        return QString::fromUtf8(text.readAllStandardOutput());
    }
};

TEST_P(frmUnpostedCreditAdviseTest, ListsEveryAdviseOfTheReceiptOrOfOneItemWhateverItsStatus) {
    const QStringList wholeReceipt = {
        "OR-1|PH11|AMOX|AMOXICILLIN 500MG CAP|25.00|1|25.00|REYES, JOSE CRUZ",
        "OR-1|PH12|PARA|PARACETAMOL 500MG TAB|2.25|2|4.50|MENDOZA, PEDRO ",
        "OR-1|PH13|AMOX|AMOXICILLIN 500MG CAP|25.00|2|50.00|",
    };
    frmUnpostedCreditAdvise w;
    open(w, QStringLiteral("OR-1"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Unposted Credit Advise"));
    EXPECT_EQ(w.fgList->textMatrix(0, 8), QStringLiteral("clsCurrentUser"));
    EXPECT_EQ(listed(w), wholeReceipt);
    EXPECT_TRUE(w.cmdReprint->isEnabled());

    frmUnpostedCreditAdvise typedWithBlanks;
    open(typedWithBlanks, QStringLiteral("  OR-1 "));
    EXPECT_EQ(listed(typedWithBlanks), wholeReceipt);

    frmUnpostedCreditAdvise oneItem;
    open(oneItem, QStringLiteral("OR-1"), QStringLiteral("AMOX"));
    EXPECT_EQ(listed(oneItem), (QStringList{wholeReceipt[0], wholeReceipt[2]}));
    EXPECT_TRUE(platform.messages->boxes().empty());
}

TEST_P(frmUnpostedCreditAdviseTest, NoReceiptNumberIsToldAndAReceiptWithoutAdvisesListsNothing) {
    struct Case { const char* receipt; QStringList messages; };
    const Case cases[] = {{"", {"Receipt number is required."}}, {"OR-404", {}}, {"OR-1' OR '1'='1", {}}};
    for (const Case& c : cases) {
        platform.messages->clear();
        frmUnpostedCreditAdvise w;
        open(w, QString::fromLatin1(c.receipt));
        EXPECT_EQ(platform.messages->texts(), c.messages) << c.receipt;
        if (!c.messages.isEmpty()) {
            EXPECT_EQ(platform.messages->last().icon(), vbInformation);
        }
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(w.fgList->rows(), 1) << c.receipt;
        // Nothing listed: nothing to reprint, by the button or a double-click.
        EXPECT_FALSE(w.cmdReprint->isEnabled());
        w.fgList_DblClick();
        EXPECT_TRUE(platform.modal->shown().isEmpty());
    }
}

TEST_P(frmUnpostedCreditAdviseTest, ReprintAndDoubleClickShowTheSlipOfTheCurrentAdvise) {
    frmUnpostedCreditAdvise w;
    open(w, QStringLiteral(" OR-1 "));
    w.fgList->setRow(2);
    const QString byButton = printedSlip([&] { click(w.cmdReprint, w.cmdReprint->rect().center()); });
    EXPECT_TRUE(byButton.contains(QStringLiteral("Advise No.: PH12"))) << byButton.toStdString();
    EXPECT_TRUE(byButton.contains(QStringLiteral("DEMO GENERAL HOSPITAL")));
    EXPECT_TRUE(inputBox->asked.isEmpty());  // no remarks asked elsewhere than OXBEN

    const QString byDoubleClick = printedSlip([&] { doubleClick(w.fgList->viewport(), cellCentre(*w.fgList, 1, 2)); });
    EXPECT_TRUE(byDoubleClick.contains(QStringLiteral("Advise No.: PH11"))) << byDoubleClick.toStdString();
    EXPECT_FALSE(platform.cursor->isBusy());
    EXPECT_TRUE(platform.messages->boxes().empty());
}

TEST_P(frmUnpostedCreditAdviseTest, AtOxbenTheRemarksAreAskedUntilGivenAndReachTheSlip) {
    gSiteCode = QStringLiteral("OXBEN");
    frmUnpostedCreditAdvise w;
    open(w, QStringLiteral("OR-1"));
    inputBox->answers = {QString(), QStringLiteral("BOX DAMAGED")};
    const QString slip = printedSlip([&] { w.cmdReprint->click(); });
    EXPECT_EQ(inputBox->asked, (QStringList{"Enter Remarks: |Remarks|", "Enter Remarks: |Remarks|"}));
    EXPECT_TRUE(slip.contains(QStringLiteral("Remarks: BOX DAMAGED"))) << slip.toStdString();

    // Cancel gives the reprint up.
    inputBox->answers = {std::nullopt};
    EXPECT_EQ(printedSlip([&] { w.cmdReprint->click(); }), QString());
    EXPECT_TRUE(platform.messages->boxes().empty());
    EXPECT_FALSE(platform.cursor->isBusy());
}

TEST_P(frmUnpostedCreditAdviseTest, AnAdviseGoneSinceListingIsToldAndNothingPrints) {
    frmUnpostedCreditAdvise w;
    open(w, QStringLiteral("OR-1"), QStringLiteral("PARA"));
    db().execute(QStringLiteral("DELETE FROM billing.tbCashCreditAdvise WHERE AdviseNo = 'PH12'"));
    EXPECT_EQ(printedSlip([&] { w.cmdReprint->click(); }), QString());
    EXPECT_EQ(platform.messages->texts(), QStringList{"Not successfully saved. pls check the encoded data."});
    EXPECT_EQ(platform.messages->last().style, 80);
    EXPECT_EQ(platform.messages->last().title, QStringLiteral("Message"));
}

TEST_P(frmUnpostedCreditAdviseTest, TheReprintCommandOpensTheListThroughTheRegistry) {
    ClearWindowOpeners();
    RegisterCashWindowOpeners();
    QStringList shown;
    platform.modal->onShow<frmUnpostedCreditAdvise>([&](frmUnpostedCreditAdvise& w) { shown = listed(w); });
    OpenWindow(QStringLiteral("mnuCashReprint"),
               {{QStringLiteral("ORNumber"), QStringLiteral("OR-2")}, {QStringLiteral("ItemID"), QString()}});
    EXPECT_EQ(shown, QStringList{"OR-2|PH14|AMOX|AMOXICILLIN 500MG CAP|25.00|1|25.00|REYES, JOSE CRUZ"});
    ClearWindowOpeners();
}

QX_ON_BOTH_ENGINES(frmUnpostedCreditAdviseTest);

} // namespace
} // namespace qx::test
