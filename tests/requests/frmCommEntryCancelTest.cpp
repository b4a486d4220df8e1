#include "frmCommEntryFixture.h"

#include "charging/ChargeGrid.h"
#include "charging/ChargeGridNavigation.h"
#include "platform/Values.h"
#include "requests/RequestWindowOpeners.h"

#include <QApplication>

namespace qx::test {
namespace {

using C = frmCommEntry;

// Patient 1001 with two lines: PARACETAMOL 2 x 5.25 (RQ1) and AMOXICILLIN 1 x 12.00 (RQ2).
class frmCommEntryCancelTest : public frmCommEntryTest {
protected:
    void SetUp() override {
        frmCommEntryTest::SetUp();
        if (IsSkipped())
            return;
        addItem(db());
        addItem(db(), {.itemId = QStringLiteral("AMOX500"), .name = QStringLiteral("AMOXICILLIN"), .priceIn = 12});
        request({.spec = {.quantity = 2, .requestNumber = QStringLiteral("RQ1")}});
        request({.spec = {.itemId = QStringLiteral("AMOX500"), .quantity = 1, .requestNumber = QStringLiteral("RQ2"),
                          .requestDate = QDateTime(QDate(2026, 1, 5), QTime(11, 0))}});
    }
    QString cell(const frmCommEntry& form, int row, int col) const { return form.grdItemList->textMatrix(row, col); }
    QStringList statuses() {
        QStringList list;
        for (Recordset rs = db().query(QStringLiteral("SELECT COALESCE(RecordStatus, '') AS S, COALESCE(ProcessBy, '') AS P "
                                                      "FROM station.tbNurseCommunicationFile ORDER BY RequestNumber"));
             !rs.eof(); rs.moveNext())
            list << rs.text(QStringLiteral("S")) + u'/' + rs.text(QStringLiteral("P"));
        return list;
    }
    QStringList userLog() {
        QStringList lines;
        for (Recordset rs = db().query(QStringLiteral("SELECT Activity FROM tbInvUserLog ORDER BY Activity")); !rs.eof();
             rs.moveNext())
            lines << rs.text(QStringLiteral("Activity"));
        return lines;
    }
    static QStringList line(const frmCommEntry& form, int row) {
        QStringList cells;
        for (int col = C::kColDosage; col <= C::kColRemarks; ++col)
            cells << form.grdItemList->textMatrix(row, col);
        return cells;
    }
};

TEST_P(frmCommEntryCancelTest, CancelRevokesTheRequestAtOnceAndMarksTheLine) {
    for (const bool kelvar : {false, true}) {
        SCOPED_TRACE(kelvar ? "Kelvar mode, with the mode value" : "four values");
        db().execute(QStringLiteral("UPDATE station.tbNurseCommunicationFile SET RecordStatus = NULL, ProcessBy = NULL"));
        db().execute(QStringLiteral("DELETE FROM tbInvUserLog"));
        db().execute(QStringLiteral("DELETE FROM patient_data.tbHospitalInfo"));
        db().execute(QStringLiteral("INSERT INTO patient_data.tbHospitalInfo (Kelvarin) VALUES (?)"), {kelvar ? 1 : 0});
        gPharmaSwitches.Load(db(), gSiteCode);
        auto form = load();
        showActive(form.get());
        openEditorAt(*form->chargeGrid(), 1, C::kColIssued);
        const QString name = Trim(form->lblPatInfo[2]->text());

        platform.messages->answer(vbNo);
        form->cmdCancel->click();
        EXPECT_EQ(platform.messages->last().text, QStringLiteral("Are you sure to cancel the request?"));
        EXPECT_EQ(platform.messages->last().style, vbYesNo | vbQuestion);
        EXPECT_EQ(statuses(), (QStringList{"/", "/"}));
        EXPECT_EQ(cell(*form, 1, C::kColDosage), QStringLiteral("1 TAB Q4H"));

        platform.messages->answer(vbYes);
        form->cmdCancel->click();
        EXPECT_EQ(statuses(), (QStringList{"C/" + login->EmployeeCode(), "/"}));
        EXPECT_EQ(line(*form, 1), (QStringList{"CANCELLED", "XXX", "XXX", "XXX", "XXX", "CANCELLED"}));
        EXPECT_EQ(form->grdItemList->cellPicture(1, C::kColSCDiscount).toImage(), form->pictures().greyedBox.toImage());
        EXPECT_EQ(form->lblPatInfo[6]->text(), QStringLiteral(" 12"));
        EXPECT_EQ(userLog(), QStringList{"Cancelled Request ItemID# : PARA500 | Under Patient : " + name});
        EXPECT_FALSE(form->chargeGrid()->isEditorVisible());
        EXPECT_EQ(form->grdItemList->col(), C::kColIssued);
        // Entered again, the cancelled line takes no editor and no second cancel button.
        openEditorAt(*form->chargeGrid(), 2, C::kColIssued);
        EXPECT_TRUE(form->cmdCancel->isEnabled());
        openEditorAt(*form->chargeGrid(), 1, C::kColIssued);
        EXPECT_FALSE(form->chargeGrid()->isEditorVisible());
        EXPECT_FALSE(form->cmdCancel->isEnabled());
    }
}

TEST_P(frmCommEntryCancelTest, DelayMarksTheScreenOnly) {
    auto form = load();
    showActive(form.get());
    openEditorAt(*form->chargeGrid(), 2, C::kColIssued);
    const QString name = Trim(form->lblPatInfo[2]->text());
    platform.messages->answer(vbYes);
    form->cmdDelay->click();
    EXPECT_EQ(platform.messages->last().text, QStringLiteral("Are you sure to delay this item?"));
    EXPECT_EQ(line(*form, 2), (QStringList{"DELAYED", "XXX", "XXX", "XXX", "XXX", "DELAYED"}));
    EXPECT_EQ(form->lblPatInfo[6]->text(), QStringLiteral(" 10.5"));
    EXPECT_EQ(statuses(), (QStringList{"/", "/"}));
    EXPECT_EQ(userLog(), QStringList{"Delayed Request ItemID# : AMOX500 | Under Patient : " + name});
    // A delayed line is still edited.
    openEditorAt(*form->chargeGrid(), 2, C::kColIssued);
    EXPECT_TRUE(form->chargeGrid()->isEditorVisible());
}

TEST_P(frmCommEntryCancelTest, NothingToCancelOnABlankLineOrWithoutARequest) {
    auto form = load();
    showActive(form.get());
    form->grdItemList->setTextMatrix(2, C::kColRequestNumber, QString());
    form->grdItemList->setRow(2);
    form->cmdCancel->click();
    form->cmdDelay->click();
    form->grdItemList->setRows(4);
    form->grdItemList->setRow(3);
    form->cmdCancel->click();
    EXPECT_TRUE(platform.messages->boxes().empty());
    EXPECT_EQ(statuses(), (QStringList{"/", "/"}));
    EXPECT_TRUE(cell(*form, 3, C::kColDosage).isEmpty());
    EXPECT_TRUE(userLog().isEmpty());
}

TEST_P(frmCommEntryCancelTest, ExitAndEscapeLeaveWithoutServingThroughTheOpener) {
    RegisterRequestWindowOpeners();
    int shown = 0;
    platform.modal->onShow<frmCommEntry>([&](frmCommEntry& form) {
        ++shown;
        if (shown == 1) {
            form.cmdClose->click();
            return;
        }
        openEditorAt(*form.chargeGrid(), 1, C::kColIssued);
        pressKey(form.txtEntry(), Qt::Key_Escape, QStringLiteral("\x1b"));
        QApplication::processEvents();
    });
    const WindowValues inputs{{QStringLiteral("RequestedStationID"), QStringLiteral("3F")},
                              {QStringLiteral("PatientID"), QStringLiteral("1001")}};
    for (int use = 1; use <= 2; ++use) {
        SCOPED_TRACE(use);
        frmCommEntry::Default().setCancelledForm(false);
        EXPECT_TRUE(OpenWindow(QStringLiteral("mnuPending.frmCommEntry"), inputs).value(QStringLiteral("CancelledForm")).toBool());
        EXPECT_FALSE(frmCommEntry::Default().isLoaded());
    }
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(statuses(), (QStringList{"/", "/"}));
    EXPECT_TRUE(userLog().isEmpty());
    frmCommEntry::Default().setCancelledForm(false);
}

QX_ON_BOTH_ENGINES(frmCommEntryCancelTest);

} // namespace
} // namespace qx::test
