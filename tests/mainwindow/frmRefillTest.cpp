#include "Builders.h"
#include "MainWindowFixture.h"
#include "mainwindow/WorkQueueWindowOpeners.h"
#include "mainwindow/frmRefill.h"
#include "shell/WindowOpeners.h"
#include "suite/DrugCatalogComponent.h"
#include "suite/GridEntry.h"
#include "suite/OutpatientFileOPDPatient.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx::test {
namespace {

// The drug picker: answers the next codes in turn ("" when none is left) and records how it was
// called, "-" for an argument left out.
class RefillPicker : public DrugPicker::DrugList {
public:
    bool InitConnection(const QString&) override { return true; }
    void setDrugsOrCsr(bool) override {}
    QString ShowList(const std::optional<QString>& search, const std::optional<QVariant>& second,
                     const std::optional<QString>& location, const std::optional<QString>& code) override {
        calls << QStringList{search.value_or(QStringLiteral("-")), second ? QStringLiteral("?") : QStringLiteral("-"),
                             location.value_or(QStringLiteral("-")), code.value_or(QStringLiteral("-"))}
                     .join(u',');
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    QStringList answers;
    QStringList calls;
};

// Visit 5001A of REYES with two refill lines, PARACETAMOL then AMOXICILLIN.
class RefillTest : public MainWindowTestOn<DbTest> {
protected:
    void SetUp() override {
        MainWindowTestOn<DbTest>::SetUp();
        if (IsSkipped())
            return;
        addItem(db());
        addItem(db(), {.itemId = QStringLiteral("AMOX500"), .name = QStringLiteral("AMOXICILLIN"),
                       .description = QStringLiteral("500 MG CAPSULE"), .onHand = 40, .priceOut = 12.35});
        addOutPatientVisit(db());
        for (const auto& [item, refill] : {std::pair{"PARA500", 10.0}, std::pair{"AMOX500", 3.0}})
            db().execute(QStringLiteral("INSERT INTO tbPharmaRefill (IdNum, ItemID, Dosage, Quantity, QtyDispensed, ReFill, Remarks) "
                                        "VALUES ('5001A', ?, '1 TAB TID', 30, 20, ?, 'MAINTENANCE')"),
                         {QString::fromLatin1(item), refill});
        const ConnectionProvider provider = [this] { return &db(); };
        auto visit = std::make_shared<suite::OutpatientFileOPDPatient>(provider);
        auto drug = std::make_shared<suite::DrugCatalogComponent>(provider);
        ASSERT_TRUE(visit->InitConnection(db().connectionString()));
        ASSERT_TRUE(drug->InitConnect(db().connectionString()));
        gComponents.gOPDPatient = visit;
        gComponents.gDrug = drug;
        gComponents.gDrugList = picker;
        gLocationID = QStringLiteral("20");
    }
    void TearDown() override {
        frmRefill::Default().hide();
        gComponents.gOPDPatient.reset();
        gComponents.gDrug.reset();
        gComponents.gDrugList.reset();
        MainWindowTestOn<DbTest>::TearDown();
    }
    void onRefill(const QString& patientId, const std::function<void(frmRefill&)>& act) {
        platform.modal->onShow<frmRefill>([&](frmRefill& w) { act(w); });
        frmRefill::Default().setPatientID(patientId);
        showModal(frmRefill::Default());
    }
    static QString line(const frmRefill& w, int row) {
        QStringList cells;
        for (int col = 0; col < w.grdRefill->Cols(); ++col)
            cells << w.grdRefill->TextMatrix(row, col);
        return cells.join(u'|');
    }
    static void pressEnter(QWidget* widget) {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(widget, &enter);
    }
    std::shared_ptr<RefillPicker> picker = std::make_shared<RefillPicker>();
};

TEST_P(RefillTest, HeaderLinesAndOnlyTheRefillColumnOpen) {
    onRefill(QStringLiteral("5001A"), [&](frmRefill& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Refill"));
        EXPECT_EQ(w.lblPatInfo[7]->text(), QStringLiteral("5001A"));
        EXPECT_EQ(w.lblPatInfo[2]->text(), QStringLiteral("REYES, MARIA LOPEZ"));
        EXPECT_EQ(w.lblPatInfo[1]->text(), QStringLiteral("DOCTOR D001, TEST"));
        EXPECT_EQ(w.lblPatInfo[0]->text(), gComponents.gDrug->Drug().Chargeslip().CurrentDispensingChargeSlip());
        EXPECT_EQ(line(w, 0), QStringLiteral("#|Code|Item Description|Dosage Freq|Qty|QtyIssued|Status|Stock|Refill|SellPrice|"
                                             "Total Amount|Remarks"));
        ASSERT_EQ(w.grdRefill->Rows(), 3);
        EXPECT_EQ(line(w, 1), QStringLiteral("|PARA500|PARACETAMOL 500 MG TABLET|1 TAB TID|30|20||100|10|4.75|47.5|MAINTENANCE"));
        EXPECT_EQ(line(w, 2), QStringLiteral("|AMOX500|AMOXICILLIN 500 MG CAPSULE|1 TAB TID|30|20||40|3|12.35|37.05|MAINTENANCE"));
        EXPECT_EQ(w.grdRefill->ColWidth(2), 2490);  // 2500 twips to whole pixels
        for (int row = 1; row <= 2; ++row)
            for (int col = 1; col < 12; ++col)
                EXPECT_EQ(w.grdRefill->isCellLocked(row, col), col != 8) << row << ',' << col;
        EXPECT_EQ(w.grdRefill->Col(), 8);
        // Enter moves down one line, and stays on the last.
        w.grdRefill->setRow(1);
        pressEnter(w.grdRefill);
        EXPECT_EQ(w.grdRefill->Row(), 2);
        pressEnter(w.grdRefill);
        EXPECT_EQ(w.grdRefill->Row(), 2);
    });
}

TEST_P(RefillTest, AVisitNotFoundKeepsBlankLabelsAndOneEmptyLine) {
    for (const QString& id : {QStringLiteral("1001"), QString()}) {
        platform.messages->clear();
        platform.messages->answer(vbNo);
        platform.messages->answer(vbYes);
        onRefill(id, [&](frmRefill& w) {
            for (const int label : {0, 1, 2, 7})
                EXPECT_EQ(w.lblPatInfo[label]->text(), QString());
            EXPECT_EQ(w.grdRefill->Rows(), 2);
            EXPECT_EQ(line(w, 1), QString(11, u'|'));
            w.cmdExit->click();
            EXPECT_TRUE(w.isVisible());
            w.cmdExit->click();
            EXPECT_FALSE(w.isVisible());
        });
        ASSERT_EQ(platform.messages->boxes().size(), 2u);
        EXPECT_EQ(platform.messages->last().text, QStringLiteral("Are you sure you want to exit"));
        EXPECT_EQ(platform.messages->last().style, vbYesNo + vbQuestion);
    }
}

TEST_P(RefillTest, RemoveItemMarksTheLineAndLocksItsRefill) {
    platform.messages->answer(vbNo);
    onRefill(QStringLiteral("5001A"), [&](frmRefill& w) {
        w.grdRefill->setRow(2);
        w.cmdDelete->click();
        EXPECT_EQ(w.grdRefill->TextMatrix(2, 6), QString());
        EXPECT_FALSE(w.grdRefill->isCellLocked(2, 8));
        EXPECT_EQ(platform.messages->last().text, QStringLiteral("Are you sure you want to Remove this Request?"));
        w.cmdDelete->click();  // answered Yes by default
        EXPECT_EQ(w.grdRefill->TextMatrix(2, 6), QStringLiteral("R"));
        EXPECT_TRUE(w.grdRefill->isCellLocked(2, 8));
        EXPECT_FALSE(w.grdRefill->isCellLocked(1, 8));
        // Lines on the screen: leaving asks about the unsaved work.
        platform.messages->answer(vbNo);
        w.cmdExit->click();
        EXPECT_EQ(platform.messages->last().text, QStringLiteral("Are you sure you want to exit without saving?"));
        EXPECT_TRUE(w.isVisible());
    });
    // Nothing was stored.
    EXPECT_EQ(db().query(QStringLiteral("SELECT COUNT(*) FROM tbPharmaRefill WHERE COALESCE(RecordStatus, '') = ''")).value(0).toInt(), 2);
}

TEST_P(RefillTest, TheLookUpCallsThePickerByWhatWasTyped) {
    onRefill(QStringLiteral("5001A"), [&](frmRefill& w) {
        w.txtItemID->setText(QStringLiteral("amox"));
        w.txtItemID->setCursorPosition(2);
        w.txtItemID->insert(QStringLiteral("x"));
        EXPECT_EQ(w.txtItemID->text(), QStringLiteral("AMXOX"));
        EXPECT_EQ(w.txtItemID->cursorPosition(), 3);
        struct Case { bool byGeneric; const char* typed; const char* answer; const char* call; const char* name; };
        const Case cases[] = {
            {false, "para", "PARA500", "PARA,-,20,-", "PARACETAMOL - 500 MG TABLET"},
            {false, "500", "AMOX500", "-,-,20,500", "AMOXICILLIN - 500 MG CAPSULE"},
            {true, "para", "PARA500", "-,-,-,-", "PARACETAMOL - 500 MG TABLET"},
            {false, "para", "", "PARA,-,20,-", ""},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.call);
            gDrugListByGeneric = c.byGeneric;
            picker->calls.clear();
            if (*c.answer)
                picker->answers << QString::fromLatin1(c.answer);
            w.txtItemID->setText(QString::fromLatin1(c.typed));
            pressEnter(w.txtItemID);
            EXPECT_EQ(picker->calls, QStringList{QString::fromLatin1(c.call)});
            EXPECT_EQ(w.txtItemID->text(), QString::fromLatin1(c.answer));
            EXPECT_EQ(w.txtItemName->text(), QString::fromLatin1(c.name));
        }
        // The item goes nowhere else.
        EXPECT_EQ(w.grdRefill->Rows(), 3);
    });
}

TEST_P(RefillTest, TheRefillListsDoubleClickOpensTheVisit) {
    // The opener the main window's refill row reaches.
    RegisterWorkQueueWindowOpeners();
    QString shownFor;
    platform.modal->onShow<frmRefill>([&](frmRefill& w) { shownFor = w.lblPatInfo[7]->text(); });
    OpenWindow(QStringLiteral("frmRefill"), {{QStringLiteral("PatientID"), QStringLiteral("5001A")}});
    ClearWindowOpeners();
    EXPECT_EQ(shownFor, QStringLiteral("5001A"));
    const Recordset list = *db().callProcedure(QStringLiteral("Pharma_PrescriptionList"),
                                               {{QStringLiteral("@intOption"), 1}, {QStringLiteral("@IsHomeMed"), 0}});
    ASSERT_EQ(list.recordCount(), 1);
    EXPECT_EQ(list.value(0), QStringLiteral("5001A"));
    EXPECT_EQ(list.value(1).toString().trimmed(), QStringLiteral("REYES, MARIA LOPEZ"));
}

QX_ON_BOTH_ENGINES(RefillTest);

} // namespace
} // namespace qx::test
