#include "Builders.h"
#include "MainWindowFixture.h"
#include "mainwindow/frmClearPatient.h"
#include "mainwindow/frmDischargeNotice.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

namespace qx::test {
namespace {

// Two admissions with a pharmacy notice: DELA CRUZ (1001) open, ABAD (1002) cleared; the
// session's main window with its characters, as start-up leaves it.
class DischargeNoticeTest : public MainWindowTestOn<DbTest> {
protected:
    void SetUp() override {
        MainWindowTestOn<DbTest>::SetUp();
        if (IsSkipped())
            return;
        addItem(db());
        addAdmittedPatient(db());
        addAdmittedPatient(db(), {.idNum = QStringLiteral("1002"),
                                  .person = {.hospNum = QStringLiteral("H000002"), .lastName = QStringLiteral("ABAD")}});
        const QDateTime notice(QDate(2026, 1, 9), QTime(7, 45));
        db().execute(QStringLiteral("INSERT INTO patient_data.tbDischargeNotice (IDNum, DepartmentID, NoticeDate, OrderedDate, "
                                    "DischargeNurse, Remarks) VALUES ('1001', 'PH', ?, ?, 'N. SANTOS', 'MAY GO HOME')"),
                     {notice, notice});
        db().execute(QStringLiteral("INSERT INTO patient_data.tbDischargeNotice (IDNum, DepartmentID, NoticeDate, ClearDate, "
                                    "UserID, ClearRemarks) VALUES ('1002', 'PH', NULL, ?, '8', 'NO MEDS LEFT')"),
                     {notice});
        auto* main = new frmPharma;
        main->Agent1.Load(QStringLiteral("merlin"));
        main->agtPeedy.Load(QStringLiteral("peedy"));
        gMainForm.reset(main);
        mainWindow = main;
    }
    QTreeWidgetItem* rowOf(frmDischargeNotice& w, const QString& idNum) {
        for (int i = 0; i < w.lvwRequest->topLevelItemCount(); ++i)
            if (w.lvwRequest->topLevelItem(i)->text(2) == idNum)
                return w.lvwRequest->topLevelItem(i);
        return nullptr;
    }
    void choose(frmDischargeNotice& w, const QString& idNum) {
        QTreeWidgetItem* row = rowOf(w, idNum);
        w.lvwRequest->setCurrentItem(row);
        row->setSelected(true);
        w.cmdSelect->click();
    }
    frmPharma* mainWindow = nullptr;
};

TEST_P(DischargeNoticeTest, ListShowsTheNoticesAndSelectRefusesPendingRequests) {
    frmDischargeNotice& list = frmDischargeNotice::Default();
    platform.modal->onShow<frmDischargeNotice>([&](frmDischargeNotice& w) {
        QStringList headers;
        for (int c = 0; c < w.lvwRequest->columnCount(); ++c)
            headers << w.lvwRequest->headerItem()->text(c);
        EXPECT_EQ(headers.join(u'|'), QStringLiteral("Patient|Room|Adm. #|Billing Date|Notice Time"));
        ASSERT_EQ(w.lvwRequest->topLevelItemCount(), 2);
        EXPECT_EQ(rowOf(w, "1001")->text(0), QStringLiteral("DELA CRUZ, JUAN SANTOS"));
        EXPECT_EQ(rowOf(w, "1001")->text(3), QStringLiteral("N. SANTOS"));
        EXPECT_EQ(rowOf(w, "1001")->text(4), GeneralDateText(QDateTime(QDate(2026, 1, 9), QTime(7, 45))));
        EXPECT_EQ(rowOf(w, "1001")->data(0, Qt::UserRole), QStringLiteral("open"));
        EXPECT_EQ(rowOf(w, "1002")->data(0, Qt::UserRole), QStringLiteral("clear"));
        EXPECT_EQ(rowOf(w, "1002")->text(4), QString());
        // The wizard is quiet while the list is open.
        EXPECT_FALSE(mainWindow->tmrNotice->isActive());
        w.lvwRequest->clearSelection();
        w.cmdSelect->click();  // nothing selected: nothing happens
        EXPECT_TRUE(w.isVisible());
        addPendingRequest(db());
        choose(w, QStringLiteral("1001"));
        EXPECT_TRUE(w.isVisible());
        EXPECT_FALSE(w.Valid());
        EXPECT_EQ(platform.messages->last().text,
                  QStringLiteral("Sorry, but you cannot clear patient with pending requests.\nPlease process the request/s first."));
        EXPECT_EQ(platform.messages->last().title, QStringLiteral("With Pending"));
        w.cmdClose->click();
    });
    mainWindow->Load_Discharge_Notice();
    EXPECT_FALSE(list.Valid());
    EXPECT_EQ(list.IDNum(), QString());
    EXPECT_FALSE(platform.modal->shown().contains(QStringLiteral("qx::frmClearPatient")));
    // The final check runs and the monitor watches again.
    EXPECT_TRUE(mainWindow->tmrNotice->isActive());
    EXPECT_TRUE(mainWindow->tmrMerlin->isActive());
    EXPECT_TRUE(frmDischargeNotice::CheckPending(QStringLiteral(" 1001 ")));
}

TEST_P(DischargeNoticeTest, ClearanceIsRecordedOnceAndShownReadOnlyAfter) {
    db().execute(QStringLiteral("INSERT INTO tbPharmaCommunication (IdNum, CreditMemo, RevenueID) VALUES ('1001', 'SR1', 'PC')"));
    platform.modal->onShow<frmDischargeNotice>([&](frmDischargeNotice& w) { choose(w, QStringLiteral("1001")); });
    platform.modal->onShow<frmClearPatient>([&](frmClearPatient& w) {
        EXPECT_EQ(w.txtAdmNo->text(), QStringLiteral("1001"));
        EXPECT_EQ(w.txtSname->text(), QStringLiteral("DELA CRUZ"));
        EXPECT_EQ(w.txtRemarks->text(), QStringLiteral("MAY GO HOME"));
        EXPECT_EQ(w.txtClearDate->text(), QStringLiteral("For clearing"));
        EXPECT_EQ(w.txtClearedBy->text(), QStringLiteral("(1234) JUAN D. DELA CRUZ"));
        EXPECT_EQ(w.cmdIgnore->text(), QStringLiteral("&Ignore"));
        w.txtClearRemarks->setText(QStringLiteral("PATIENT'S OWN MEDS RETURNED"));
        // An unposted return request blocks the clearance.
        w.cmdSave->click();
        EXPECT_EQ(platform.messages->last().text, QStringLiteral("Patient has pending credit memo request."));
        EXPECT_TRUE(w.isVisible());
        db().execute(QStringLiteral("UPDATE tbPharmaCommunication SET RecordStatus = 'C'"));
        w.cmdSave->click();
        EXPECT_EQ(platform.messages->last().text, QStringLiteral("Patient has been cleared for discharge."));
    });
    mainWindow->Load_Discharge_Notice();
    Recordset notice = db().query(QStringLiteral("SELECT UserID, ClearRemarks, ClearDate FROM patient_data.tbDischargeNotice "
                                                 "WHERE IDNum = '1001'"));
    EXPECT_EQ(notice.text(QStringLiteral("UserID")), QStringLiteral("1234"));
    EXPECT_EQ(notice.text(QStringLiteral("ClearRemarks")), QStringLiteral("PATIENT`S OWN MEDS RETURNED"));
    EXPECT_FALSE(notice.isNull(QStringLiteral("ClearDate")));
    // Every notice cleared: the wizard hides.
    EXPECT_FALSE(mainWindow->tmrMerlin->isActive());

    // Opened again it shows what was recorded, read only.
    frmClearPatient& clearance = frmClearPatient::Default();
    clearance.setIDNum(QStringLiteral("1002"));
    platform.modal->onShow<frmClearPatient>([&](frmClearPatient& w) {
        EXPECT_EQ(w.txtClearedBy->text(), QStringLiteral("8"));
        EXPECT_EQ(w.txtClearRemarks->text(), QStringLiteral("NO MEDS LEFT"));
        EXPECT_TRUE(w.txtClearRemarks->isReadOnly());
        EXPECT_FALSE(w.cmdSave->isEnabled());
        EXPECT_EQ(w.cmdIgnore->text(), QStringLiteral("&Close"));
        w.cmdIgnore->click();
    });
    showModal(clearance);
    // A notice already cleared cannot be cleared a second time.
    EXPECT_THROW(db().callProcedure(QStringLiteral("Pharma_ClearPatientForDischarge"),
                                    {{QStringLiteral("@IDNum"), QStringLiteral("1002")},
                                     {QStringLiteral("@DepartmentID"), QStringLiteral("PH")},
                                     {QStringLiteral("@UserID"), QStringLiteral("1234")},
                                     {QStringLiteral("@Remarks"), QString()}}),
                 AppError);
}

QX_ON_BOTH_ENGINES(DischargeNoticeTest);

} // namespace
} // namespace qx::test
