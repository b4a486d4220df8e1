#include "charging/frmItemLookup.h"
#include "charging/modLookup.h"
#include "platform/DatePicker.h"
#include "platform/FlexGrid.h"
#include "platform/WidgetInput.h"
#include "platform/report/ReportTestSupport.h"
#include "platform/report/SharedReport.h"
#include "reports/ReportWindows.h"
#include "reports/frmStockCard.h"
#include "shell/HospitalSettings.h"
#include "shell/ReportOpening.h"
#include "shell/ReportOpeningFixture.h"
#include "shell/Session.h"
#include "shell/WindowOpeners.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

using namespace qx;
using namespace qx::test;

namespace {

// Three locations of three inventory types, two items stocked at the main pharmacy and a card
// of four lines over the last three days.
class frmStockCardTest : public ReportingTest {
protected:
    void SetUp() override {
        ReportingTest::SetUp();
        gUserLocationRights = QStringLiteral("A");
        gDefaultStockLocationID = QStringLiteral("21");
        gHospitalName = QStringLiteral("ST. JUDE'S HOSPITAL");
        db().execute(QStringLiteral("INSERT INTO tbInvLocation (LocationID, Location, isWarehouse, isDispensingArea, Status, "
                                    "inventorytype) VALUES ('20', 'MAIN PHARMACY', 0, 1, 'A', 'PH-MED'), "
                                    "('186', 'SATELLITE PHARMACY', 0, 1, NULL, 'PH-SAT'), ('21', 'CENTRAL SUPPLY', 1, 0, 'A', NULL), "
                                    "('99', 'CLOSED STORE', 0, 0, 'I', NULL)"));
        db().execute(QStringLiteral("INSERT INTO tbInvMaster (ItemID, ItemName, ItemDesc, Barcode, AverageCost, ListCost, Packing, "
                                    "ItemStatus) VALUES ('D0001', 'PARACETAMOL', '500 MG TABLET', '4800001', 0.85, 0.9, 100, 0), "
                                    "('D0002', 'AMOXICILLIN', '500 MG CAPSULE', '4800002', 3.2, 3.5, 1, 0)"));
        db().execute(QStringLiteral("INSERT INTO tbInvent (ItemID, LocationID, OnHand, LastInventoryCount, Packing, ItemStatus) VALUES "
                                    "('D0001', '20', 1186, 1200, NULL, 0), ('D0002', '20', 80, 80, 10, 0)"));
        db().execute(QStringLiteral("INSERT INTO patient_data.tbMaster (HospNum, LastName, FirstName) VALUES ('000101', 'DELA CRUZ', 'JUAN')"));
        db().execute(QStringLiteral("INSERT INTO patient_data.tbPatient (IDNum, HospNum) VALUES ('260001', '000101')"));
        const QDate today = QDate::currentDate();
        const QString insert = QStringLiteral(
            "INSERT INTO tbInvStockCard (RefNum, ItemID, IdNum, HospNum, SummaryCode, LocationID, TransDate, Quantity, Balance, "
            "Amount, UserID, Remarks, CreditMemoNum) VALUES (?, 'D0001', ?, ?, ?, '20', ?, ?, ?, ?, ?, ?, ?)");
        db().execute(insert, {"RR000001", "", "", "RR", QDateTime(today.addDays(-2), QTime(9, 0)), 1200, 1200, 1020, "8",
                              "DELIVERY FROM CENTRAL SUPPLY", ""});
        db().execute(insert, {"00000101", "260001", "000101", "PH", QDateTime(today.addDays(-1), QTime(10, 30)), 20, 1180, 22.2,
                              "1001", "", ""});
        db().execute(insert, {"00000101", "260001", "000101", "PC", QDateTime(today.addDays(-1), QTime(15, 0)), 6, 1186, 6.66,
                              "1002", "", "RC00000001"});
        db().execute(insert, {"00000102", "260001", "000101", "PH", QDateTime(today.addDays(1), QTime(8, 0)), 1, 1185, 1.11,
                              "1001", "", ""});
        form = new frmStockCard;
        showActive(form);
    }
    void TearDown() override {
        delete form.data();
        ReportingTest::TearDown();
    }

    void chooseLocation(const QString& name) {
        form->cboLocation->setFocus();
        form->cboLocation->setEditText(name);
        form->txtStartDate->setFocus();
    }
    void enterItem(const QString& typed) {
        form->txtProdCode->setFocus();
        form->txtProdCode->clear();
        typeText(form->txtProdCode, typed);
        form->cboLocation->setFocus();
    }
    void setPeriod(int fromDaysAgo, int toDaysAgo) {
        const QDate today = QDate::currentDate();
        form->txtStartDate->setValue(QDateTime(today.addDays(-fromDaysAgo), QTime(0, 0)));
        form->txtEndDate->setValue(QDateTime(today.addDays(-toDaysAgo), QTime(0, 0)));
    }
    QStringList column(int col) {
        QStringList texts;
        for (int r = 1; r < form->grdStock->rows(); ++r)
            texts << form->grdStock->textMatrix(r, col);
        return texts;
    }

    QPointer<frmStockCard> form;
};

TEST_P(frmStockCardTest, OpensOnTheDefaultLocationAndTodayWithNothingToRunOrPrint) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Stock Card"));
    EXPECT_EQ(form->cboLocation->currentText(), QStringLiteral("CENTRAL SUPPLY"));
    EXPECT_EQ(form->cboLocationTag, QStringLiteral("21"));
    // The closed store is not offered.
    QStringList offered;
    for (int i = 0; i < form->cboLocation->count(); ++i)
        offered << form->cboLocation->itemText(i);
    EXPECT_EQ(offered, (QStringList{"CENTRAL SUPPLY", "MAIN PHARMACY", "SATELLITE PHARMACY"}));
    const QDate today = QDate::currentDate();
    EXPECT_EQ(form->txtStartDate->value().date(), today);
    EXPECT_EQ(form->txtEndDate->value().date(), today);
    EXPECT_EQ(form->txtEndDate->maxDate(), today);
    EXPECT_FALSE(form->cmdOK->isEnabled());
    EXPECT_FALSE(form->cmdPrint->isEnabled());
    EXPECT_TRUE(form->optDESC->isChecked());
    EXPECT_TRUE(form->chkTabular->isChecked());
    EXPECT_EQ(form->grdStock->rows(), 2);
    EXPECT_EQ(form->grdStock->cols(), 8);
    EXPECT_EQ(form->grdStock->textMatrix(0, 7), QStringLiteral("User ID     "));
}

TEST_P(frmStockCardTest, LocationIsCheckedAgainstTheUsersRightsWhenTheFocusLeavesIt) {
    struct Case {
        const char* rights;
        const char* location;
        bool accepted;
        const char* id;
        QStringList boxes;
    };
    const Case cases[] = {
        {"A", "satellite pharmacy", true, "186", {}},
        {"", "MAIN PHARMACY", false, "", {"Unauthorized Access..."}},
        {"PH", "MAIN PHARMACY", true, "20", {}},
        {"SAT", "MAIN PHARMACY", false, "", {"Unauthorized Access..."}},
        {"ph", "MAIN PHARMACY", false, "", {"Unauthorized Access..."}},
        {"SAT", "CENTRAL SUPPLY", true, "21", {}},  // no inventory type: any rights pass
        {"A", "NO SUCH PLACE", false, "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 %2").arg(QLatin1String(c.rights), QLatin1String(c.location)).toStdString());
        gUserLocationRights = QString::fromLatin1(c.rights);
        platform.messages->clear();
        chooseLocation(QString::fromLatin1(c.location));
        EXPECT_EQ(form->cboLocationTag, QString::fromLatin1(c.id));
        EXPECT_EQ(form->cmdOK->isEnabled(), c.accepted);
        EXPECT_EQ(platform.messages->texts(), c.boxes);
        // A refused location keeps the focus in the list.
        EXPECT_EQ(form->cboLocation->hasFocus(), !c.accepted);
    }
}

TEST_P(frmStockCardTest, TypedCodeGoesUpperCaseAndABarcodeBecomesTheItemWithItsFigures) {
    chooseLocation(QStringLiteral("MAIN PHARMACY"));
    form->txtProdCode->setFocus();
    typeText(form->txtProdCode, QStringLiteral("d'0002"));
    EXPECT_EQ(form->txtProdCode->text(), QStringLiteral("D0002"));
    EXPECT_TRUE(form->cmdOK->isEnabled());
    pressKey(form->txtProdCode, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(platform.keys->keys(), QStringList{QStringLiteral("{Tab}")});

    enterItem(QStringLiteral("4800001"));
    EXPECT_EQ(form->txtProdCode->text(), QStringLiteral("D0001"));
    EXPECT_EQ(form->txtProdName->text(), QStringLiteral("PARACETAMOL 500 MG TABLET"));
    EXPECT_EQ(form->txtOnHand->text(), QStringLiteral("1186"));
    EXPECT_EQ(form->txtAveCons->text(), QStringLiteral("100"));  // the master's packing where the stock row has none
    EXPECT_EQ(form->txtAveCost->text(), QStringLiteral("0.85"));
    EXPECT_EQ(form->txtListCost->text(), QStringLiteral("0.9"));
    EXPECT_EQ(form->txtLastInvCount->text(), QStringLiteral("1200"));
    EXPECT_TRUE(form->cmdOK->isEnabled());

    enterItem(QStringLiteral("   "));
    EXPECT_TRUE(form->txtProdName->text().isEmpty());
    EXPECT_FALSE(form->cmdOK->isEnabled());
}

TEST_P(frmStockCardTest, ItemNotStockedThereOpensTheLookUpOfTheLocationAndAnEmptyChoiceEmptiesTheBox) {
    chooseLocation(QStringLiteral("SATELLITE PHARMACY"));
    QString location, search;
    platform.modal->onNextShow([&](QWidget& w) {
        auto& lookup = static_cast<frmItemLookup&>(w);
        location = lookup.txtLocation->text();
        search = lookup.SearchString();
        w.close();
    });
    enterItem(QStringLiteral("D0001"));
    EXPECT_EQ(platform.modal->shown(), QStringList{QStringLiteral("qx::frmItemLookup")});
    EXPECT_EQ(location, QStringLiteral("SATELLITE PHARMACY"));
    EXPECT_EQ(search, QStringLiteral("D0001"));
    EXPECT_TRUE(form->txtProdCode->text().isEmpty());
    EXPECT_FALSE(form->cmdOK->isEnabled());
    // An order option with an empty item box does nothing.
    form->optASC->click();
    EXPECT_EQ(form->grdStock->cols(), 8);
}

TEST_P(frmStockCardTest, InquiryListsTheLinesInEitherOrderAndRefusesABackwardPeriod) {
    chooseLocation(QStringLiteral("MAIN PHARMACY"));
    enterItem(QStringLiteral("D0001"));
    setPeriod(2, 0);
    form->cmdOK->click();
    ASSERT_EQ(form->grdStock->cols(), 17);
    EXPECT_EQ(form->grdStock->textMatrix(0, 0), QStringLiteral("Date          "));
    EXPECT_EQ(form->grdStock->textMatrix(0, 14), QStringLiteral("clsCurrentUser                       "));
    EXPECT_EQ(form->grdStock->colWidth(4), 2800);
    EXPECT_EQ(form->grdStock->colWidth(16), 1300);
    // Newest first; the line dated tomorrow is outside the period.
    EXPECT_EQ(column(5), (QStringList{"00000101", "00000101", "RR000001"}));
    EXPECT_EQ(column(6), (QStringList{"RETURN", "ISSUANCE", "RECEIVING"}));
    EXPECT_EQ(column(4), (QStringList{"DELA CRUZ, JUAN", "DELA CRUZ, JUAN", "DELIVERY FROM CENTRAL SUPPLY"}));
    EXPECT_EQ(column(11), (QStringList{"1186", "1180", "1200"}));
    EXPECT_TRUE(form->cmdPrint->isEnabled());

    form->optASC->click();
    EXPECT_EQ(column(6), (QStringList{"RECEIVING", "ISSUANCE", "RETURN"}));
    EXPECT_EQ(column(15), (QStringList{"RR000001", "", "RC00000001"}));

    form->txtStartDate->setValue(QDateTime(QDate::currentDate(), QTime(0, 0)));
    form->txtEndDate->setValue(QDateTime(QDate::currentDate().addDays(-1), QTime(0, 0)));
    form->cmdOK->click();
    EXPECT_EQ(platform.messages->texts(), QStringList{QStringLiteral("Invalid report period...")});
    EXPECT_EQ(column(6), (QStringList{"RECEIVING", "ISSUANCE", "RETURN"}));

    // A period without lines clears the list and disables Print; the item's figures stay.
    setPeriod(0, 0);
    form->cmdOK->click();
    EXPECT_EQ(form->grdStock->rows(), 1);
    EXPECT_TRUE(column(0).isEmpty());
    EXPECT_FALSE(form->cmdPrint->isEnabled());
    EXPECT_EQ(form->txtOnHand->text(), QStringLiteral("1186"));
}

TEST_P(frmStockCardTest, AFailingQueryIsToldAndTheWindowStays) {
    chooseLocation(QStringLiteral("MAIN PHARMACY"));
    enterItem(QStringLiteral("D0001"));
    db().execute(QStringLiteral("DELETE FROM tbInvStockCard"));
    db().executeScript(QStringLiteral("DROP TABLE tbInvStockCard"));
    form->cmdOK->click();
    ASSERT_EQ(platform.messages->boxes().size(), 1u);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(platform.cursor->isBusy());
}

TEST_P(frmStockCardTest, PrintHandsTheValuesByPositionToEitherLayout) {
    for (const char* file : {"StockCardReport.rpt", "rptStockCard.rpt"})
        installShippedReport(QString::fromLatin1(file));
    chooseLocation(QStringLiteral("MAIN PHARMACY"));
    enterItem(QStringLiteral("D0001"));
    setPeriod(2, 0);
    form->cmdOK->click();
    struct Case {
        bool tabular;
        const char* name;
        QStringList values;
    };
    const QDate today = QDate::currentDate(), first = today.addDays(-2);
    const Case cases[] = {
        {true, "StockCardReport", {"20", "D0001", first.toString("MM/dd/yyyy"), today.toString("MM/dd/yyyy")}},
        {false, "rptStockCard", {"20", first.toString(Qt::ISODate), today.toString(Qt::ISODate), "D0001"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form->chkTabular->setChecked(c.tabular);
        QTemporaryDir out;
        const QString pdf = out.filePath(QStringLiteral("card.pdf"));
        QString caption;
        QStringList values;
        QString text;
        platform.modal->onNextShow([&](QWidget& w) {
            caption = w.windowTitle();
            for (auto& f : gCrystalReport->parameterFields())
                values << f.effectiveValue().toString();
            gCrystalReport->exportTo(report::ExportFormat::Pdf, pdf);
            w.close();
        });
        form->cmdPrint->click();
        EXPECT_EQ(caption, QStringLiteral("Stock Card"));
        EXPECT_EQ(values, c.values);
        EXPECT_FALSE(platform.cursor->isBusy());
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        ASSERT_TRUE(pdftotext.waitForFinished());
        const QString printed = QString::fromUtf8(pdftotext.readAllStandardOutput());
        EXPECT_TRUE(printed.contains(QStringLiteral("STOCK CARD")));
        EXPECT_TRUE(printed.contains(QStringLiteral("DELA CRUZ, JUAN")));
        EXPECT_TRUE(printed.contains(QStringLiteral("1,186.00")));
    }
}

TEST_P(frmStockCardTest, BothLayoutsRenderTheCardOfAFixedPeriod) {
    for (const char* file : {"StockCardReport.rpt", "rptStockCard.rpt"})
        installShippedReport(QString::fromLatin1(file));
    // Fixed dates, so that the renderings stay the same from day to day.
    db().execute(QStringLiteral("UPDATE tbInvStockCard SET TransDate = ? WHERE RefNum = 'RR000001'"),
                 {QDateTime(QDate(2026, 12, 7), QTime(9, 0))});
    db().execute(QStringLiteral("UPDATE tbInvStockCard SET TransDate = ? WHERE SummaryCode = 'PH' AND RefNum = '00000101'"),
                 {QDateTime(QDate(2026, 12, 8), QTime(10, 30))});
    db().execute(QStringLiteral("UPDATE tbInvStockCard SET TransDate = ? WHERE SummaryCode = 'PC'"),
                 {QDateTime(QDate(2026, 12, 8), QTime(15, 0))});
    struct Case {
        const char* file;
        QVariantList values;
        const char* golden;
    };
    const QDateTime from(QDate(2026, 12, 7), QTime(0, 0)), to(QDate(2026, 12, 9), QTime(0, 0));
    const Case cases[] = {
        {"StockCardReport.rpt", {"20", "D0001", "12/07/2026", "12/09/2026"}, "StockCardReport"},
        {"rptStockCard.rpt", {"20", from, to, "D0001"}, "rptStockCard"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        ASSERT_TRUE(OpenCrystalReport(ResolveReportPath(QString::fromLatin1(c.file)), c.values));
        gCrystalReport->setTitle(gHospitalName);
        gCrystalReport->setPrintTime(QDateTime(QDate(2026, 12, 10), QTime(9, 30)));
        const QString name = QStringLiteral("../../../reports/golden/") + QString::fromLatin1(c.golden);
        report::test::expectGolden(name + QStringLiteral(".txt"), gCrystalReport->document().toText());
        report::test::expectGolden(name + QStringLiteral(".csv"), gCrystalReport->document().toCsv());
    }
}

TEST_P(frmStockCardTest, TheCommandShowsOneStockCardAndRaisesItAgain) {
    ClearWindowOpeners();
    RegisterReportWindowOpeners();
    OpenWindow(QStringLiteral("mnuStockCard"));
    QPointer<frmStockCard> first;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* card = qobject_cast<frmStockCard*>(w); card && card != form && card->isVisible())
            first = card;
    ASSERT_TRUE(first);
    OpenWindow(QStringLiteral("frmStockCard"));
    int shown = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* card = qobject_cast<frmStockCard*>(w); card && card != form && card->isVisible())
            ++shown;
    EXPECT_EQ(shown, 1);
    // Close unloads it: the next command opens a fresh one.
    first->cmdClose->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(first);
    ClearWindowOpeners();
}

QX_ON_BOTH_ENGINES(frmStockCardTest);

} // namespace
