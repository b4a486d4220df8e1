#include "CashSaleFixture.h"

#include "cash/CashWindowOpeners.h"
#include "charging/CashReceipts.h"
#include "platform/CellEditor.h"
#include "platform/UpDown.h"
#include "shell/frmShift.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

namespace qx::test {
namespace {

using C = frmEntryCash;

class frmEntryCashLoadTest : public CashSaleTest {
protected:
    // A patient with three transcribed lines and doctor's orders.
    void addPrescription() {
        addAdmittedPatient(db(), {.idNum = QStringLiteral("1001"), .roomId = QStringLiteral("301")});
        addTranscribed(db(), {.genericId = "501", .genericName = "PARACETAMOL", .quantity = 20, .dosage = "1 TAB Q4H",
                              .remarks = "FOR FEVER", .requestNum = "TR1"});
        addTranscribed(db(), {.genericId = "502", .genericName = "AMOXICILLIN", .quantity = 21, .dosage = "1 CAP TID",
                              .requestNum = "TR2"});
        addTranscribed(db(), {.genericId = "503", .genericName = "LOSARTAN", .quantity = 30, .dosage = "1 TAB OD",
                              .requestNum = "TR3"});
        // Revoked, another room's or another patient's lines are not the patient's to buy.
        addTranscribed(db(), {.genericId = "504", .requestNum = "TR4", .status = "R"});
        addTranscribed(db(), {.idNum = "1002", .genericId = "505", .requestNum = "TR5"});
        db().execute(QStringLiteral("INSERT INTO tbInvPrescriptionOrders (IdNum, Orders) VALUES ('1001', 'CONTINUE MEDS')"));
    }
};

TEST_F(frmEntryCashLoadTest, TranscribedLinesOrdersAndBanner) {
    addPrescription();
    open();
    ASSERT_EQ(grid()->rows(), 4);
    const char* generics[] = {"501", "502", "503"};
    const char* names[] = {"PARACETAMOL", "AMOXICILLIN", "LOSARTAN"};
    const char* quantities[] = {"20", "21", "30"};
    for (int row = 1; row <= 3; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(cell(row, C::colNumber), QStringLiteral(" %1").arg(row));
        EXPECT_EQ(cell(row, C::colCode), QString::fromLatin1(generics[row - 1]));
        EXPECT_EQ(cell(row, C::colDescription), QString::fromLatin1(names[row - 1]));
        EXPECT_EQ(cell(row, C::colQuantity), QString::fromLatin1(quantities[row - 1]));
        EXPECT_EQ(cell(row, C::colWaiting), QStringLiteral("*"));
        EXPECT_EQ(cell(row, C::colRequestNum), QStringLiteral("TR%1").arg(row));
    }
    EXPECT_EQ(cell(1, C::colDosage), QStringLiteral("1 TAB Q4H"));
    EXPECT_EQ(cell(1, C::colRemarks), QStringLiteral("FOR FEVER"));
    EXPECT_EQ(form->txtEntry()->text(), QStringLiteral("501"));
    EXPECT_EQ(form->txtRemarks->toPlainText(), QStringLiteral("CONTINUE MEDS"));
    EXPECT_EQ(form->lblPatInfo[0]->text(), QStringLiteral("DELA CRUZ, JUAN SANTOS"));
    EXPECT_FALSE(form->lblPatInfo[2]->text().isEmpty());
    EXPECT_EQ(form->lblCSSlip->text(), QStringLiteral(" PH00000001"));
    EXPECT_FALSE(form->cmdPrintSave->isEnabled());
    // The grid's widths follow from its width of 10155 twips.
    EXPECT_EQ(grid()->colWidth(C::colCode), 1035);
    EXPECT_EQ(grid()->colWidth(C::colDescription), 3375);
    EXPECT_EQ(grid()->colWidth(C::colAmount), 1270);
    EXPECT_EQ(grid()->colWidth(C::colRemarks), 5375);
    EXPECT_EQ(grid()->colWidth(C::colWaiting), 0);
}

TEST_F(frmEntryCashLoadTest, NoLinesKeepThirtyEmptyRowsAndUnknownPatientAnEmptyBanner) {
    addAdmittedPatient(db(), {.idNum = QStringLiteral("1001")});
    open();
    EXPECT_EQ(grid()->rows(), 31);
    EXPECT_EQ(cell(30, C::colNumber), QStringLiteral(" 30"));
    EXPECT_TRUE(cell(1, C::colCode).isEmpty());
    EXPECT_FALSE(form->cmdPrintSave->isEnabled());
    EXPECT_TRUE(form->txtRemarks->toPlainText().isEmpty());

    addTranscribed(db(), {.idNum = "9999"});
    open(QStringLiteral("9999"));
    EXPECT_TRUE(form->lblPatInfo[0]->text().isEmpty());
    EXPECT_EQ(grid()->rows(), 31);
}

TEST_F(frmEntryCashLoadTest, DiscountBoxesFollowTheHospitalRates) {
    struct Case {
        double senior, other;
        const char* seniorCaption;
        bool seniorEnabled;
        const char* otherCaption;
        bool otherEnabled;
    };
    const Case cases[] = {
        {20, 10, "&Senior Disc. ( 20%)", true, "&Other Discount", true},
        {0, 0, "Not available", false, "Not available", false},
        {12.5, 0, "&Senior Disc. ( 12.5%)", true, "Not available", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seniorCaption);
        setRates(c.senior, c.other);
        open();
        EXPECT_EQ(form->chkSenior->text(), QString::fromLatin1(c.seniorCaption));
        EXPECT_EQ(form->chkSenior->isEnabled(), c.seniorEnabled);
        EXPECT_EQ(form->chkEmployee->text(), QString::fromLatin1(c.otherCaption));
        EXPECT_EQ(form->chkEmployee->isEnabled(), c.otherEnabled);
        EXPECT_FALSE(form->txtOtherDesc->isEnabled());
        EXPECT_FALSE(form->TypeA->isEnabled());
        EXPECT_FALSE(form->cmdApplyB->isEnabled());
    }
}

TEST_F(frmEntryCashLoadTest, DiscountListsFromTheDiscountTable) {
    db().execute(QStringLiteral("INSERT INTO tbPharmaDiscounts (Discount, TypeA, TypeB) VALUES (10, 1, 0), (5, 1, 1), (15, 0, 1)"));
    open();
    ASSERT_EQ(form->cmbA->count(), 2);
    EXPECT_EQ(form->cmbA->itemText(0), QStringLiteral("5%"));
    EXPECT_EQ(form->cmbA->itemText(1), QStringLiteral("10%"));
    EXPECT_EQ(form->cmbB2->itemText(1), QStringLiteral("15%"));
    EXPECT_EQ(form->cmbB1->currentIndex(), 0);
}

TEST_F(frmEntryCashLoadTest, CaptionFollowsTheShift) {
    const char* captions[] = {"Pharmacy Cash Sales (First Shift)", "Pharmacy Cash Sales (Second Shift)",
                              "Pharmacy Cash Sales (Third Shift)", "Pharmacy Cash Sales"};
    for (int shift = 1; shift <= 4; ++shift) {
        frmShift::Default().setShift(qint16(shift));
        open();
        EXPECT_EQ(form->windowTitle(), QString::fromLatin1(captions[shift - 1]));
    }
}

TEST_F(frmEntryCashLoadTest, EditorPlacesAndKeyFilters) {
    addPrescription();
    open();
    ChargeGrid& charge = *form->chargeGrid();
    openEditorAt(charge, 1, C::colStock);
    EXPECT_FALSE(charge.isEditorVisible());
    openEditorAt(charge, 1, C::colAmount);
    EXPECT_FALSE(charge.isEditorVisible());
    openEditorAt(charge, 1, C::colCode);
    EXPECT_TRUE(form->cmdEntry()->isVisible());
    EXPECT_EQ(charge.editor()->maxLength(), 10);
    form->txtEntry()->clear();
    typeText(form->txtEntry(), QStringLiteral("abc"));
    EXPECT_EQ(form->txtEntry()->text(), QStringLiteral("ABC"));
    openEditorAt(charge, 1, C::colQuantity);
    EXPECT_TRUE(form->upDown()->isVisible());
    EXPECT_EQ(charge.editor()->maxLength(), 5);
    form->txtEntry()->clear();
    typeText(form->txtEntry(), QStringLiteral("12a"));
    EXPECT_EQ(form->txtEntry()->text(), QStringLiteral("12"));
}

TEST_F(frmEntryCashLoadTest, SpinnerArithmetic) {
    addPrescription();
    open();
    openEditorAt(*form->chargeGrid(), 1, C::colQuantity);
    struct Case { const char* text; bool up; const char* want; };
    const Case cases[] = {{"2.5", true, "3"}, {"2.5", false, "1.5"}, {"0.6", false, "-0.4"}, {"0", false, "0"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        form->txtEntry()->setText(QString::fromLatin1(c.text));
        if (c.up)
            emit form->upDown()->upClick();
        else
            emit form->upDown()->downClick();
        EXPECT_EQ(form->txtEntry()->text(), QString::fromLatin1(c.want));
    }
}

TEST_F(frmEntryCashLoadTest, EditorMoves) {
    addAdmittedPatient(db(), {.idNum = QStringLiteral("1001")});
    for (int i = 1; i <= 14; ++i)
        addTranscribed(db(), {.genericId = QString::number(600 + i), .requestNum = QStringLiteral("TR%1").arg(i)});
    open();
    ASSERT_EQ(grid()->rows(), 15);
    const NavigationCase cases[] = {
        {"End from Code goes to Quantity", 2, C::colCode, Qt::Key_End, 2, C::colQuantity, true},
        {"End from Quantity goes to the next Code", 2, C::colQuantity, Qt::Key_End, 3, C::colCode, true},
        {"End from the last Quantity stays on its row", 14, C::colQuantity, Qt::Key_End, 14, C::colCode, true},
        {"Home from Quantity goes back to Code", 5, C::colQuantity, Qt::Key_Home, 5, C::colCode, true},
        {"PageUp from row 4 goes to row 1", 4, C::colCode, Qt::Key_PageUp, 1, C::colCode, true},
        {"PageDown near the end goes to the last row", 9, C::colCode, Qt::Key_PageDown, 14, C::colCode, true},
        {"Down", 3, C::colCode, Qt::Key_Down, 4, C::colCode, true},
    };
    checkNavigation(*form->chargeGrid(), cases);
}

TEST_F(frmEntryCashLoadTest, EscapeAndTheUnsavedEntryQuestion) {
    addAdmittedPatient(db(), {.idNum = QStringLiteral("1001")});
    addItem(db(), {.itemId = "1001", .genericId = "501", .priceIn = 18, .priceOut = 15.5});
    addTranscribed(db(), {.genericId = "501"});
    open();
    // Nothing savable: Escape closes without a question.
    pressKey(form->txtEntry(), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(platform.messages->boxes().empty());

    open();
    choose(1, QStringLiteral("1001"));
    ASSERT_TRUE(form->canSave());
    platform.messages->answer(vbNo);
    form->cmdClose_Click();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(platform.messages->last().text, QStringLiteral("You have unsaved entry.  Do you wish to exit?"));
    platform.messages->answer(vbYes);
    form->cmdClose_Click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->EntrySaved());
}

TEST_F(frmEntryCashLoadTest, OpenerShowsTheScreenForTheCommandsRow) {
    addPrescription();
    RegisterCashWindowOpeners();
    QString caption;
    int lines = 0;
    platform.modal->onShow("qx::frmEntryCash", [&](QWidget& w) {
        auto& sale = static_cast<frmEntryCash&>(w);
        caption = sale.lblPatInfo[0]->text();
        lines = sale.flexMSEntry->rows() - 1;
        sale.close();
    });
    const WindowValues answer =
        OpenWindow(QStringLiteral("mnuProcessTranscription"), {{QStringLiteral("IDNum"), QStringLiteral("1001")},
                                                               {QStringLiteral("RoomID"), QStringLiteral("301")}});
    EXPECT_EQ(caption, QStringLiteral("DELA CRUZ, JUAN SANTOS"));
    EXPECT_EQ(lines, 3);
    EXPECT_EQ(answer.value(QStringLiteral("EntrySaved")), QVariant(false));
}

TEST_F(frmEntryCashLoadTest, ClearAllRecordsTheNumberGroup) {
    db().execute(QStringLiteral("INSERT INTO billing.tbCashNumbers (id, CashNumber, DrugNumber, NonDrugNumber) VALUES (1, 123, 40, 7)"));
    db().execute(QStringLiteral("INSERT INTO billing.tbCashReportStatus (id, ReportDate) VALUES (1, ?)"),
                 {QDateTime(QDate(2026, 12, 1), QTime(0, 0))});
    open();
    EXPECT_EQ(form->lblCSSlip->text(), QStringLiteral(" PH00000123"));
    Recordset group = db().query(QStringLiteral("SELECT GroupSlip, GroupDrug, GroupNonDrug, ReportDate FROM billing.tbCashNumbers"));
    EXPECT_EQ(group.text(QStringLiteral("GroupSlip")), QStringLiteral("PH00000123"));
    EXPECT_EQ(group.text(QStringLiteral("GroupDrug")), QStringLiteral("PH40"));
    EXPECT_EQ(group.text(QStringLiteral("GroupNonDrug")), QStringLiteral("SC7"));
    EXPECT_EQ(group.text(QStringLiteral("ReportDate")), QStringLiteral("12/01/2026"));
    EXPECT_EQ(CashReceiptNumber(123456789), QStringLiteral("PH123456789"));
}

} // namespace
} // namespace qx::test
