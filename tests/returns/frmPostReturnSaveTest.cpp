#include "PostReturnFixture.h"

#include "PrintOuts.h"
#include "QueryText.h"
#include "SourceTree.h"
#include "platform/report/ReportPrinter.h"
#include "shell/frmShift.h"

#include <QTemporaryDir>

namespace qx::test {
namespace {

// The request SR0001 posted at workstation HOST1 in shift 3, with more lines beside PARACETAMOL
// (CS0001) and AMOXICILLIN (CS0002): PARACETAMOL of slip CS0004, already credited once; an
// AMOXICILLIN line without an amount (CS0006); one the pharmacist takes off the grid (CS0007).
// Slips print to PDF files.
class PostReturnSaveTest : public PostReturnTest {
protected:
    void SetUp() override {
        PostReturnTest::SetUp();
        if (!ready())
            return;
        gHostID = QStringLiteral("HOST1");
        frmShift::Default().setShift(3);
        gEmployeeName = QStringLiteral("REYES, JOSE");
        gEmployeePosition = QStringLiteral("PHARMACIST");
        gHospitalName = QStringLiteral("GENERAL HOSPITAL");
        gHospitalAddress = QStringLiteral("1 MAIN ST");
        report::setPrintFolder(printFolder.path());
        for (const char* file : {"CMSlip.rpt", "OPDCMSlip.rpt"})
            ASSERT_TRUE(installShippedReport(platform.folders->program, QString::fromLatin1(file)));
        issue(QStringLiteral("1001"), QStringLiteral("PARA500"), QStringLiteral("CS0004"), 1, 62.75);
        db().execute(QStringLiteral("INSERT INTO tbInvStockCard (RefNum, ItemID, IdNum, SummaryCode, LocationID, TransDate, "
                                    "Quantity, Amount, CreditMemoNum) VALUES ('CS0004', 'PARA500', '1001', 'PC', '20', ?, "
                                    "1, 62.75, 'CM0000001')"),
                     {QDateTime(QDate(2026, 1, 6), QTime(9, 0))});
        add({.item = QStringLiteral("PARA500"), .slip = QStringLiteral("CS0004"), .issued = 1, .returned = 1,
             .amount = 62.75});
        add({.item = QStringLiteral("AMOX500"), .slip = QStringLiteral("CS0006"), .issued = 1, .returned = 1,
             .amount = 0, .isPosted = QStringLiteral("0")});
        add({.item = QStringLiteral("AMOX500"), .slip = QStringLiteral("CS0007"), .issued = 1, .returned = 1,
             .amount = 12});
    }
    void TearDown() override {
        report::setPrintFolder(QString());
        PostReturnTest::TearDown();
    }

    static int rowOf(const frmPostReturn& form, const QString& slip) {
        for (int row = 1; row < form.flexMSEntry->rows(); ++row)
            if (form.flexMSEntry->textMatrix(row, frmPostReturn::colChargeSlip) == slip)
                return row;
        return 0;
    }
    // The request opened, line CS0007 taken off, CS0002 returning 2 and the reason typed.
    std::unique_ptr<frmPostReturn> editedRequest() {
        auto form = openRequest();
        form->flexMSEntry->setRow(rowOf(*form, QStringLiteral("CS0007")));
        platform.messages->answer(vbOK);
        form->cmdRemoveItem_Click();
        enterQuantity(*form, rowOf(*form, QStringLiteral("CS0002")), QStringLiteral("2"));
        form->txtRemarks->setText(QStringLiteral("DISCONTINUED "));
        platform.messages->clear();
        return form;
    }

    QStringList rows(const QString& sql, const QVariantList& binds = {}) { return QueryRows(db(), sql, binds); }
    QStringList creditLines() {
        return rows(QStringLiteral("SELECT CreditMemoNum, RefNum, ItemID, IdNum, HospNum, SummaryCode, PostOrReturn, "
                                   "Quantity, QuantityRec, Amount, RequestByID, LocationID, RoomID, Shift, ItemType, "
                                   "UserID, Remarks, Sequence FROM tbInvStockCard WHERE SummaryCode = 'PC' "
                                   "AND RefNum <> 'CS0004' ORDER BY RefNum"));
    }
    QString onHand(const QString& item) {
        return rows(QStringLiteral("SELECT OnHand FROM tbInvent WHERE ItemID = ? AND LocationID = '20'"), {item}).value(0);
    }
    QStringList printed() { return printedTexts(printFolder.path()); }

    QTemporaryDir printFolder;
};

TEST_P(PostReturnSaveTest, SaveCreditsTheLinesUnderTheRequestsNumber) {
    auto form = editedRequest();
    const QString counter = numbers().CurrentCreditMemo();
    platform.messages->answer(vbOK);
    form->cmdSave->click();

    EXPECT_EQ(platform.messages->texts(), (QStringList{"Save Entries?", "Some items are already returned."}));
    EXPECT_EQ(platform.messages->boxes().front().style, vbQuestion + vbOKCancel);
    EXPECT_EQ(platform.messages->last().style, vbInformation);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->txtCMSlip->text(), QStringLiteral(" SR0001"));
    EXPECT_EQ(form->flexMSEntry->textMatrix(rowOf(*form, QStringLiteral("CS0004")), frmPostReturn::colStatus),
              QStringLiteral("RETURNED"));
    // The edited quantity and amount, the doctor's code, the session's shift, staged under the workstation.
    const QString room = Trim(form->lblPatInfo[4]->text());
    EXPECT_EQ(creditLines(),
              (QStringList{"SR0001|CS0001|PARA500|1001|H000001|PC|2|1|2|62.75|D001|20|" + room + "|3|C|1234|DISCONTINUED |HOST1",
                           "SR0001|CS0002|AMOX500|1001|H000001|PC|2|2|3|24|D001|20|" + room + "|3|C|1234|DISCONTINUED |HOST1"}));
    EXPECT_EQ(onHand(QStringLiteral("PARA500")), QStringLiteral("101"));
    EXPECT_EQ(onHand(QStringLiteral("AMOX500")), QStringLiteral("42"));
    EXPECT_EQ(rows(QStringLiteral("SELECT UserID, RefNum, ChargeSlip, Quantity, Amount, Remarks FROM tbPharmaCMPrint "
                                  "ORDER BY ChargeSlip")),
              (QStringList{"HOST1|SR0001|CS0001|1|62.75|DISCONTINUED ", "HOST1|SR0001|CS0002|2|24|DISCONTINUED "}));
    // Posted rows keep the station's figures; the returned, removed, unpriced, unlisted and
    // withdrawn rows of the request are gone; the other patient's request stays.
    EXPECT_EQ(rows(QStringLiteral("SELECT IdNum, ChargeSlip, CreditMemo, qtyr, Amount, isPosted, RecordStatus, ProcessBy, "
                                  "CASE WHEN ProcessDate IS NULL THEN '-' ELSE 'dated' END FROM tbPharmaCommunication "
                                  "ORDER BY IdNum, ChargeSlip")),
              (QStringList{"1001|CS0001|SR0001|1|62.75|1|C|1234|dated", "1001|CS0002|SR0001|3|36|1|C|1234|dated",
                           "5001A|CS0001|SR0001|2|125.5||||-"}));
    // The counter moves on although the request's own number was used.
    EXPECT_NE(numbers().CurrentCreditMemo(), counter);
}

TEST_P(PostReturnSaveTest, PrintSaveUsesTheNextFreeNumberWhenTheRequestsIsTakenAndPrintsIt) {
    db().execute(QStringLiteral("INSERT INTO tbInvStockCard (RefNum, ItemID, IdNum, SummaryCode, LocationID, TransDate, "
                                "Quantity, Amount, CreditMemoNum) VALUES ('CS0100', 'VITC', '2002', 'PC', '109', ?, 1, 5, "
                                "'SR0001')"),
                 {QDateTime(QDate(2026, 1, 6), QTime(9, 0))});
    auto form = editedRequest();
    const QString next = numbers().CurrentCreditMemo();
    platform.messages->answer(vbOK);
    form->cmdPrintSave->click();

    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->txtCMSlip->text(), QStringLiteral(" ") + next);
    EXPECT_EQ(rows(QStringLiteral("SELECT RefNum, CreditMemoNum FROM tbInvStockCard WHERE SummaryCode = 'PC' "
                                  "AND IdNum = '1001' AND RefNum <> 'CS0004' ORDER BY RefNum")),
              (QStringList{"CS0001|" + next, "CS0002|" + next}));
    EXPECT_EQ(rows(QStringLiteral("SELECT ChargeSlip, CreditMemo FROM tbPharmaCommunication WHERE IdNum = '1001' "
                                  "ORDER BY ChargeSlip")),
              (QStringList{"CS0001|" + next, "CS0002|" + next}));
    const QStringList texts = printed();
    ASSERT_EQ(texts.size(), 1);
    for (const QString& shown : {next, QStringLiteral("LISTED NAME"), QStringLiteral("H000001"),
                                 QStringLiteral("REYES, JOSE"), QStringLiteral("GENERAL HOSPITAL"),
                                 QStringLiteral("DISCONTINUED"), QStringLiteral("AMOXICILLIN"), QStringLiteral("24.00")})
        EXPECT_TRUE(texts.first().contains(shown)) << shown.toStdString() << "\n" << texts.first().toStdString();
}

TEST_P(PostReturnSaveTest, ChecksStopThePostingInTheirOrder) {
    struct Case {
        const char* name;
        std::optional<QDateTime> discharged;
        bool lateCharges;
        const char* remarks;
        bool zeroLine;
        QStringList messages;
    };
    const QDateTime discharge(QDate(2026, 1, 8), QTime(14, 0));
    const Case cases[] = {
        {"discharged, closed to late charges", discharge, false, "", true,
         {"Account is not available for late charges. Contact PARS section!"}},
        {"remarks only blanks", discharge, true, "   ", true, {"Input remarks!"}},
        {"a line returning 0", std::nullopt, false, "WRONG ITEM", true, {"Invalid quantity!"}},
        {"cancelled at the question", std::nullopt, false, "WRONG ITEM", false, {"Save Entries?"}},
    };
    const QStringList before = requestRows();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        db().execute(QStringLiteral("UPDATE patient_data.tbPatient SET DcrDate = ?, LateCharges = ? WHERE IDNum = '1001'"),
                     {c.discharged ? QVariant(*c.discharged) : QVariant(), c.lateCharges ? 1 : 0});
        auto form = openRequest();
        form->txtRemarks->setText(QString::fromLatin1(c.remarks));
        const int zeroRow = rowOf(*form, QStringLiteral("CS0002"));
        if (c.zeroLine)
            form->flexMSEntry->setTextMatrix(zeroRow, frmPostReturn::colReturned, QStringLiteral("0"));
        platform.messages->clear();
        platform.messages->answer(vbCancel);
        form->cmdPrintSave->click();
        QApplication::processEvents();
        EXPECT_EQ(platform.messages->texts(), c.messages);
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(requestRows(), before);
        EXPECT_TRUE(creditLines().isEmpty());
        EXPECT_TRUE(printed().isEmpty());
        if (QString::fromLatin1(c.name) == QLatin1String("remarks only blanks"))
            EXPECT_TRUE(form->txtRemarks->hasFocus());
        if (c.zeroLine && !c.discharged) {
            EXPECT_EQ(form->flexMSEntry->row(), zeroRow);
            EXPECT_TRUE(form->chargeGrid()->isEditorVisible());
        }
        // The marks made before the question stay on the grid.
        if (!c.zeroLine)
            EXPECT_EQ(form->flexMSEntry->textMatrix(rowOf(*form, QStringLiteral("CS0004")), frmPostReturn::colStatus),
                      QStringLiteral("RETURNED"));
    }
}

TEST_P(PostReturnSaveTest, AFailingLineLeavesTheRequestAndTheCounterAsTheyWere) {
    // Stocked at the pharmacy but missing from the catalogue: the drug component refuses the line.
    db().execute(QStringLiteral("INSERT INTO tbInvent (ItemID, LocationID, OnHand) VALUES ('GHOST', '20', 5)"));
    add({.item = QStringLiteral("GHOST"), .slip = QStringLiteral("CS0001"), .issued = 2, .returned = 1, .amount = 10});
    issue(QStringLiteral("1001"), QStringLiteral("GHOST"), QStringLiteral("CS0001"), 2, 20);
    auto form = editedRequest();
    const QStringList before = requestRows();
    const QString counter = numbers().CurrentCreditMemo();
    platform.messages->answer(vbOK);
    form->cmdPrintSave->click();

    // Told as a failed save; the returned lines are not reported, as nothing was posted.
    const QStringList told = platform.messages->texts();
    ASSERT_EQ(told.size(), 2);
    EXPECT_EQ(told.front(), QStringLiteral("Save Entries?"));
    EXPECT_TRUE(told.back().startsWith(QStringLiteral("The entries were not posted; nothing was saved.")));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->txtCMSlip->text(), QStringLiteral("SR0001"));
    EXPECT_EQ(requestRows(), before);
    EXPECT_TRUE(creditLines().isEmpty());
    EXPECT_EQ(onHand(QStringLiteral("AMOX500")), QStringLiteral("40"));
    EXPECT_EQ(numbers().CurrentCreditMemo(), counter);
    EXPECT_TRUE(rows(QStringLiteral("SELECT RefNum FROM tbPharmaCMPrint")).isEmpty());
    EXPECT_TRUE(printed().isEmpty());
}

TEST_P(PostReturnSaveTest, ARequestWhoseLinesWereAllReturnedCreditsAndPrintsNothing) {
    db().execute(QStringLiteral("DELETE FROM tbPharmaCommunication WHERE IdNum = '1001' AND ChargeSlip <> 'CS0004'"));
    auto form = openRequest();
    form->txtRemarks->setText(QStringLiteral("DUPLICATE"));
    const QString counter = numbers().CurrentCreditMemo();
    platform.messages->answer(vbOK);
    form->cmdPrintSave->click();
    EXPECT_EQ(platform.messages->texts(), (QStringList{"Save Entries?", "Some items are already returned."}));
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->txtCMSlip->text(), QStringLiteral(" SR0001"));
    EXPECT_TRUE(creditLines().isEmpty());
    EXPECT_EQ(requestRows(), QStringList{"5001A|CS0001|PARA500|SR0001|||"});
    EXPECT_EQ(numbers().CurrentCreditMemo(), counter);
    EXPECT_TRUE(printed().isEmpty());
}

TEST_P(PostReturnSaveTest, AnOutPatientsRequestPrintsTheOutPatientMemo) {
    auto form = openRequest(QStringLiteral("5001A"), QStringLiteral("H000101"));
    platform.messages->answer(vbOK);
    form->cmdPrintSave->click();
    EXPECT_EQ(platform.messages->texts(), QStringList{"Save Entries?"});
    EXPECT_EQ(rows(QStringLiteral("SELECT CreditMemoNum, RefNum, IdNum, HospNum, Quantity, Amount, RequestByID, RoomID, "
                                  "InOut FROM tbInvStockCard WHERE SummaryCode = 'PC' AND IdNum = '5001A'")),
              QStringList{"SR0001|CS0001|5001A|H000101|2|125.5|D001|OP|O"});
    EXPECT_EQ(requestRows().filter(QStringLiteral("5001A")), QStringList{"5001A|CS0001|PARA500|SR0001|1|C|1234"});
    const QStringList texts = printed();
    ASSERT_EQ(texts.size(), 1);
    EXPECT_TRUE(texts.first().contains(QStringLiteral("SR0001")));
    EXPECT_TRUE(texts.first().contains(QStringLiteral("125.50")));
}

QX_ON_BOTH_ENGINES(PostReturnSaveTest);

} // namespace
} // namespace qx::test
