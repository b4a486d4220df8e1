#include "../platform/WidgetInput.h"
#include "../platform/report/ReportTestSupport.h"
#include "shell/ReportOpeningFixture.h"

#include "cash/CashWindowOpeners.h"
#include "cash/frmSurcharge.h"
#include "cash/frmSurchargeList.h"
#include "charging/CashAssessmentNumbers.h"
#include "charging/frmChargeslip.h"
#include "components/Connection.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "platform/report/Report.h"
#include "platform/report/ReportDocument.h"
#include "platform/report/ReportPrinter.h"
#include "shell/Session.h"
#include "shell/WindowOpeners.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace qx::test {
namespace {

class frmSurchargeTest : public ReportingTest {
protected:
    void SetUp() override {
        ReportingTest::SetUp();
        if (IsSkipped())
            return;
        installShippedReport(QStringLiteral("surchargeSlip.rpt"));
        printFolder = std::make_unique<QTemporaryDir>();
        report::setPrintFolder(printFolder->path());
        gEmployeeName = QStringLiteral("SANTOS, ANA");
        platform.modal->onShow<frmChargeslip>([this](frmChargeslip& w) {
            shownNumbers << w.Chargeslip();
            w.close();
        });
    }
    void TearDown() override {
        report::setPrintFolder(QString());
        ReportingTest::TearDown();
    }
    void setCounter(const QVariant& value) {
        db().execute(QStringLiteral("UPDATE billing.tbAssessmentNum SET assessmentnum = ? WHERE id = 1"), {value});
    }
    qint64 counter() { return *BillingCounterValue(db(), QStringLiteral("assessmentnum")); }
    int printed() const { return int(QDir(printFolder->path()).entryList(QDir::Files).size()); }
    // Types an items price into the box key by key on an open entry.
    void price(frmSurcharge& w, const QString& typed) {
        w.txtAmount->setFocus();
        typeText(w.txtAmount, typed);
    }
    void save(frmSurcharge& w, const QString& typed, const QString& percent) {
        w.cmdNew->click();
        price(w, typed);
        w.cbPercent->setCurrentText(percent);
        w.cmdSave->click();
    }

    std::unique_ptr<QTemporaryDir> printFolder;
    QStringList shownNumbers;
};

TEST_P(frmSurchargeTest, AmountsPercentagesAndKeys) {
    frmSurcharge w;
    showActive(&w);
    ASSERT_EQ(w.cbPercent->count(), 20);
    EXPECT_EQ(w.cbPercent->itemText(0), "5");
    EXPECT_EQ(w.cbPercent->currentText(), "100");
    EXPECT_FALSE(w.frameSurcharge->isEnabled());

    w.cmdNew->click();
    EXPECT_EQ(w.txtChargeSlip->text(), "NEW");
    EXPECT_FALSE(w.cmdRevoke->isEnabled());
    struct Case {
        const char* typed;
        const char* percent;
        const char* amount;
    };
    const Case cases[] = {{"200", "15", "30.00"}, {"1234.56", "35", "432.10"}, {"250.50", "5", "12.52"},
                          {"1x2a.5", "10", "1.25"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        w.cmdNew->click();
        platform.messages->clear();
        w.cbPercent->setCurrentText(QString::fromLatin1(c.percent));
        price(w, QString::fromLatin1(c.typed));
        EXPECT_EQ(w.txtTotalAmount->text(), c.amount);
        EXPECT_EQ(w.cbPercent->currentText(), c.percent);
    }
    EXPECT_EQ(w.txtAmount->text(), "12.5") << "letters are not typed";

    // An emptied price is told and empties the amount; NEW clears without a message.
    platform.messages->clear();
    w.txtAmount->clear();
    EXPECT_EQ(platform.messages->last().text, "Quantity must be greater than zero.");
    EXPECT_TRUE(w.txtTotalAmount->text().isEmpty());
    price(w, QStringLiteral("7"));
    platform.messages->clear();
    w.cmdNew->click();
    EXPECT_TRUE(platform.messages->boxes().empty());
    EXPECT_EQ(w.cbPercent->currentText(), "100");
    // Leaving the percentage list works the amount out again.
    w.cbPercent->setFocus();
    platform.messages->clear();
    w.txtAmount->setFocus();
    ASSERT_EQ(platform.messages->boxes().size(), 1u);
    EXPECT_EQ(platform.messages->last().text, "Quantity must be greater than zero.");
    w.cmdCancel->click();
    EXPECT_FALSE(w.frameSurcharge->isEnabled());
    EXPECT_EQ(w.cbPercent->currentText(), "100");
}

TEST_P(frmSurchargeTest, SavesUnderSUNumbersOfTheAssessmentCounter) {
    struct Case {
        const char* name;
        QVariant counter;
        const char* number;
        qint64 after;
    };
    const Case cases[] = {{"Null", QVariant(QMetaType::fromType<qint64>()), "SU1", 2},
                          {"0", qint64(0), "SU1", 2},
                          {"57", qint64(57), "SU57", 58}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        db().execute(QStringLiteral("DELETE FROM billing.tbCashAssessment"));
        db().execute(QStringLiteral("DELETE FROM tbInvDocumentClaim"));
        setCounter(c.counter);
        shownNumbers.clear();
        const int before = printed();
        frmSurcharge w;
        showActive(&w);
        save(w, QStringLiteral("1234.56"), QStringLiteral("35"));
        EXPECT_EQ(shownNumbers, QStringList{c.number});
        EXPECT_EQ(printed() - before, 1);
        EXPECT_EQ(counter(), c.after);
        const Recordset rs = db().query(QStringLiteral(
            "SELECT RefNum, Amount, SurchargePrice, SurchargePercent, UserID, COALESCE(ORNumber, '') FROM "
            "billing.tbCashAssessment"));
        ASSERT_EQ(rs.recordCount(), 1);
        EXPECT_EQ(QStringList({Text(rs.valueAt(0, 0)), Format(rs.valueAt(0, 1), QStringLiteral("0.00")),
                               Format(rs.valueAt(0, 2), QStringLiteral("0.00")), Text(rs.valueAt(0, 3).toDouble()),
                               Text(rs.valueAt(0, 4)), Text(rs.valueAt(0, 5))})
                      .join(QLatin1Char('|')),
                  QStringLiteral("%1|432.10|1234.56|35|E001|").arg(QString::fromLatin1(c.number)));
        EXPECT_FALSE(w.frameSurcharge->isEnabled());
        EXPECT_EQ(w.cbPercent->currentText(), "100");
    }
    // The next cash assessment takes the value after the surcharge.
    EXPECT_EQ(ClaimBillingNumber(db(), AssessmentNumberSeries(), QStringLiteral("CASH"), QStringLiteral("E001")),
              "PH000058");

    // Refused prices draw no number.
    for (const char* typed : {"", "0"}) {
        frmSurcharge w;
        showActive(&w);
        platform.messages->clear();
        save(w, QString::fromLatin1(typed), QStringLiteral("10"));
        EXPECT_EQ(platform.messages->last().text, "Quantity must be greater than zero.");
        EXPECT_EQ(counter(), 59);
        EXPECT_TRUE(w.frameSurcharge->isEnabled()) << "the entry stays open";
    }
}

TEST_P(frmSurchargeTest, SlipParametersAndGolden) {
    setCounter(qint64(41));
    frmSurcharge w;
    showActive(&w);
    save(w, QStringLiteral("200"), QStringLiteral("15"));
    for (const char* reprint : {"", "Reprint"}) {
        SCOPED_TRACE(reprint);
        const std::shared_ptr<report::Report> slip = frmSurcharge::OpenSurchargeSlip("SU41", QString::fromLatin1(reprint));
        EXPECT_EQ(slip->findParameter(QStringLiteral("ENCODER"))->effectiveValue().toString(), "SANTOS, ANA");
        EXPECT_EQ(slip->findParameter(QStringLiteral("REFNUM"))->effectiveValue().toString(), "SU41");
        EXPECT_EQ(slip->findParameter(QStringLiteral("REPRINT"))->effectiveValue().toString(), reprint);
        if (*reprint) {
            slip->setConnection(&db());
            slip->setPrintTime(QDateTime(QDate(2026, 12, 10), QTime(9, 30)));
            QString text = slip->document().toText();
            // The surcharge's own date is the server's: not part of the layout under test.
            text.replace(QRegularExpression(QStringLiteral("Date: \\d\\d/\\d\\d/\\d{4}")), QStringLiteral("Date: --"));
            report::test::expectGolden(QStringLiteral("../../../cash/golden/surchargeSlip.txt"), text);
        }
    }
}

TEST_P(frmSurchargeTest, ListByStatusReprintAndRevoke) {
    for (const char* number : {"SU5", "SU6", "SU7"})
        db().callProcedure(QStringLiteral("sp_Pharma_SaveSurcharge"),
                           {{QStringLiteral("@RefNum"), QString::fromLatin1(number)},
                            {QStringLiteral("@ItemsPrice"), 100.0},
                            {QStringLiteral("@Percent"), 10.0},
                            {QStringLiteral("@Amount"), 10.0},
                            {QStringLiteral("@UserID"), QStringLiteral("E001")}});
    db().execute(QStringLiteral("UPDATE billing.tbCashAssessment SET ORNumber = 'OR-77' WHERE RefNum = 'SU6'"));
    db().execute(QStringLiteral("UPDATE billing.tbCashAssessment SET RecordStatus = 'R' WHERE RefNum = 'SU7'"));
    frmSurchargeList list;
    showActive(&list);
    const auto numbers = [&list] {
        QStringList shown;
        for (int r = 1; r < list.fgSurchargeList->rows(); ++r)
            shown << list.fgSurchargeList->textMatrix(r, 2);
        return shown;
    };
    list.fillGrid();
    EXPECT_EQ(numbers(), QStringList{"SU5"});
    list.optSurcharge[1]->click();
    EXPECT_EQ(numbers(), QStringList{"SU6"});
    EXPECT_FALSE(list.cmdRevoke->isVisible());
    list.optSurcharge[2]->click();
    EXPECT_EQ(numbers(), QStringList{"SU7"});
    list.optSurcharge[1]->click();
    typeText(list.txtSearch, QStringLiteral("or-7"));
    EXPECT_EQ(numbers(), QStringList{"SU6"}) << "by receipt number";
    list.txtSearch->clear();
    typeText(list.txtSearch, QStringLiteral("%"));
    EXPECT_EQ(numbers(), QStringList()) << "a wildcard matches only itself";
    list.txtSearch->clear();
    list.optSurcharge[0]->click();
    EXPECT_TRUE(list.cmdRevoke->isVisible());

    // Reprint and revoke ask first; Cancel does nothing.
    const int before = printed();
    platform.messages->answer(vbCancel);
    list.cmdReprint->click();
    EXPECT_EQ(platform.messages->last().text, "Reprint Chargeslip#: SU5");
    EXPECT_EQ(printed(), before);
    platform.messages->answer(vbOK);
    list.cmdReprint->click();
    EXPECT_EQ(printed(), before + 1);
    platform.messages->answer(vbCancel);
    list.cmdRevoke->click();
    EXPECT_EQ(numbers(), QStringList{"SU5"});
    platform.messages->answer(vbOK);
    list.cmdRevoke->click();
    EXPECT_EQ(platform.messages->last().text, "Surcharge revoked.");
    EXPECT_EQ(numbers(), QStringList());
    EXPECT_EQ(db().query(QStringLiteral("SELECT RecordStatus FROM billing.tbCashAssessment WHERE RefNum = 'SU6'"))
                  .text(QStringLiteral("RecordStatus")),
              "")
        << "a paid surcharge is not touched";
}

TEST_P(frmSurchargeTest, RevokeOpeningOffersUnpaidOnlyAndTheOpenerIsRegistered) {
    RegisterCashWindowOpeners();
    bool idle = false;
    platform.modal->onShow<frmSurcharge>([&](frmSurcharge& w) {
        idle = !w.frameSurcharge->isEnabled();
        bool restricted = false;
        platform.modal->onShow<frmSurchargeList>([&](frmSurchargeList& list) {
            restricted = list.optSurcharge[0]->isChecked() && !list.optSurcharge[1]->isEnabled() &&
                         !list.optSurcharge[2]->isEnabled();
            list.close();
        });
        w.cmdRevoke->click();
        EXPECT_TRUE(restricted);
        w.close();
    });
    OpenWindow(QStringLiteral("mnuSurcharge"));
    EXPECT_TRUE(idle);
    ClearWindowOpeners();
}

QX_ON_BOTH_ENGINES(frmSurchargeTest);

} // namespace
} // namespace qx::test
