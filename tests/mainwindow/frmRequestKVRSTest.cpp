#include "WorkQueueFixture.h"
#include "charging/frmView.h"
#include "mainwindow/WorkQueueWindowOpeners.h"
#include "mainwindow/frmListPharmaCommunication.h"
#include "mainwindow/frmRequestKVRS.h"
#include "shell/WindowOpeners.h"
#include "platform/DatePicker.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace qx::test {
namespace {

// Package requests of today: KV0001 of DELA CRUZ waiting with two items, KV0002 of ABAD already
// processed; KV0009 of yesterday waiting.
class PackageRequestTest : public WorkQueueTest {
protected:
    void SetUp() override {
        WorkQueueTest::SetUp();
        if (IsSkipped())
            return;
        addAdmittedPatient(db(), {.idNum = QStringLiteral("1002"),
                                  .person = {.hospNum = QStringLiteral("H000002"), .lastName = QStringLiteral("ABAD")}});
        const QDateTime now = db().serverNow();
        addRequest("KV0001", "H000001", "1001", "ACME CORP", now, "");
        addRequest("KV0002", "H000002", "1002", "", now, "P");
        addRequest("KV0009", "H000001", "1001", "ACME CORP", now.addDays(-1), "");
        addRequestItem("KV0001", "PARA500", 2, 10.5, "PENDING");
        addRequestItem("KV0001", "AMOX500", 3, 45, "PENDING");
        addRequestItem("KV0002", "PARA500", 1, 5.25, "PROCESSED");
    }
    void TearDown() override {
        frmRequestKVRS::Default().hide();
        frmListPharmaCommunication::Default().hide();
        WorkQueueTest::TearDown();
    }
    void addRequest(const char* slip, const char* hospNum, const char* idNum, const char* company, const QDateTime& when,
                    const char* status) {
        db().execute(QStringLiteral("INSERT INTO tbKVRSPackageRequest (ChargeSlip, RevenueID, HospNum, IDNum, Company, "
                                    "RequestDate, RecordStatus) VALUES (?, 'PH', ?, ?, ?, ?, ?)"),
                     {QString::fromLatin1(slip), QString::fromLatin1(hospNum), QString::fromLatin1(idNum),
                      QString::fromLatin1(company), when, QString::fromLatin1(status)});
    }
    void addRequestItem(const char* slip, const char* item, double quantity, double amount, const char* status) {
        db().execute(QStringLiteral("INSERT INTO tbKVRSPackageRequestItem (ChargeSlip, ItemID, Quantity, Amount, Status) "
                                    "VALUES (?, ?, ?, ?, ?)"),
                     {QString::fromLatin1(slip), QString::fromLatin1(item), quantity, amount, QString::fromLatin1(status)});
    }
    void onWindow(const std::function<void(frmRequestKVRS&)>& act) {
        platform.modal->onShow<frmRequestKVRS>([&](frmRequestKVRS& w) { act(w); });
        showModal(frmRequestKVRS::Default());
    }
    static void clickRow(frmRequestKVRS& w, int row) {
        w.grdList->setRow(row);
        w.grdList_Click();
    }
    static QString headers(const FlexGrid& grid) {
        QStringList texts;
        for (int col = 0; col < grid.cols(); ++col)
            texts << grid.textMatrix(0, col).trimmed();
        return texts.join(u'|');
    }
};

TEST_P(PackageRequestTest, PendingFlagSearchAndDetailsFollowTheRows) {
    onWindow([&](frmRequestKVRS& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Package Request Status"));
        EXPECT_TRUE(w.optPending[0]->isChecked());
        EXPECT_EQ(headers(*w.grdList), QStringLiteral("Hosp No.|ID No.|Patient Name|Company|ChargeSlip"));
        EXPECT_EQ(column(*w.grdList, 4), QStringList{"KV0001"});
        EXPECT_EQ(w.grdList->textMatrix(1, 2).trimmed(), QStringLiteral("DELA CRUZ, JUAN SANTOS"));
        // The details of the first request load with the window, after an empty fixed column.
        EXPECT_EQ(headers(*w.grdDetails), QStringLiteral("|Charge Slip|Item Code|Item Name|Quantity|Amount|Status"));
        EXPECT_EQ(column(*w.grdDetails, 2), (QStringList{"PARA500", "AMOX500"}));
        EXPECT_EQ(w.grdDetails->textMatrix(2, 3), QStringLiteral("AMOXICILLIN 500 MG CAPSULE"));
        EXPECT_EQ(w.grdDetails->textMatrix(2, 5), QStringLiteral("45"));

        w.optPending[1]->click();
        EXPECT_EQ(column(*w.grdList, 4), (QStringList{"KV0001", "KV0002"}));
        clickRow(w, 2);
        EXPECT_EQ(column(*w.grdDetails, 6), QStringList{"PROCESSED"});
        // With "Pendings" a processed request shows no items.
        w.optPending[0]->click();
        w.Load_KVRSRequestDetails(QStringLiteral("KV0002"));
        EXPECT_EQ(column(*w.grdDetails, 2), QStringList{QString()});

        struct Case { int option; const char* search; QStringList slips; };
        const Case cases[] = {
            {1, "kv0002", {"KV0002"}},
            {1, "aba", {"KV0002"}},
            {0, "aba", {}},
            {1, "", {"KV0001", "KV0002"}},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.search);
            w.txtSearchPackage->setText(QString::fromLatin1(c.search));
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            w.optPending[c.option]->setChecked(true);
            QApplication::sendEvent(w.txtSearchPackage, &enter);
            EXPECT_EQ(column(*w.grdList, 4), c.slips.isEmpty() ? QStringList{QString()} : c.slips);
        }
    });
}

TEST_P(PackageRequestTest, AnEmptyDayKeepsTheDetailsUntilARowIsClicked) {
    onWindow([&](frmRequestKVRS& w) {
        w.dtTransDate->setValue(db().serverNow().addDays(-3));
        EXPECT_EQ(column(*w.grdList, 4), QStringList{QString()});
        EXPECT_EQ(column(*w.grdDetails, 2), (QStringList{"PARA500", "AMOX500"}));
        w.optPending[1]->click();
        EXPECT_EQ(column(*w.grdDetails, 2), (QStringList{"PARA500", "AMOX500"}));
        clickRow(w, 1);
        EXPECT_EQ(column(*w.grdDetails, 2), QStringList{QString()});
        // The day before holds its own request; Refresh reloads only the header list.
        w.dtTransDate->setValue(db().serverNow().addDays(-1));
        EXPECT_EQ(column(*w.grdList, 4), QStringList{"KV0009"});
        EXPECT_EQ(column(*w.grdDetails, 2), QStringList{QString()});
    });
}

TEST_P(PackageRequestTest, ProcessMarksTheRequestPrintsItsSlipAndRefusesASecondTime) {
    QStringList printed;
    platform.modal->onShow<frmView>([&](frmView& v) { printed << QStringLiteral("%1:%2").arg(v.WhatReport()).arg(v.Chargeslip()); });
    onWindow([&](frmRequestKVRS& w) {
        w.cmdProcess->click();
        EXPECT_EQ(printed, QStringList{"72:KV0001"});
        // The lists stay until a reload.
        EXPECT_EQ(column(*w.grdList, 4), QStringList{"KV0001"});
        platform.messages->clear();
        w.cmdProcess->click();
        EXPECT_EQ(printed.size(), 1);
        ASSERT_EQ(platform.messages->boxes().size(), 1u);
        EXPECT_EQ(platform.messages->last().text, QStringLiteral("Package request KV0001 is already processed."));
        w.cmdRefresh->click();
        EXPECT_EQ(column(*w.grdList, 4), QStringList{QString()});
        // A blank line names no request.
        w.cmdProcess->click();
        EXPECT_EQ(platform.messages->boxes().size(), 1u);
    });
    const Recordset rs = db().query(QStringLiteral("SELECT RecordStatus, ProcessBy FROM tbKVRSPackageRequest WHERE ChargeSlip = 'KV0001'"));
    EXPECT_EQ(rs.value(QStringLiteral("RecordStatus")), QStringLiteral("P"));
    EXPECT_EQ(rs.value(QStringLiteral("ProcessBy")), QStringLiteral("1234"));
    EXPECT_EQ(db().query(QStringLiteral("SELECT COUNT(*) FROM tbKVRSPackageRequestItem WHERE ChargeSlip = 'KV0001' "
                                        "AND Status = 'PROCESSED'")).value(0).toInt(),
              2);
}

TEST_P(PackageRequestTest, AFailedProcessIsToldAndPrintsNothing) {
    if (!db().isSQLite())
        GTEST_SKIP() << "the refusing trigger is written for SQLite";
    db().execute(QStringLiteral("CREATE TRIGGER refuse_process BEFORE UPDATE ON tbKVRSPackageRequestItem "
                                "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    onWindow([&](frmRequestKVRS& w) { w.cmdProcess->click(); });
    ASSERT_EQ(platform.messages->boxes().size(), 1u);
    EXPECT_TRUE(platform.messages->last().text.startsWith(QStringLiteral("Package request KV0001 was not processed.\n")));
    EXPECT_FALSE(platform.modal->shown().contains(QStringLiteral("qx::frmView")));
    // The request's own mark went back with the failed items.
    EXPECT_EQ(db().query(QStringLiteral("SELECT COALESCE(RecordStatus, '') FROM tbKVRSPackageRequest WHERE ChargeSlip = 'KV0001'"))
                  .value(0)
                  .toString(),
              QString());
}

TEST_P(PackageRequestTest, TheMainWindowsIndicatorButtonAndMenuReachTheWindows) {
    RegisterWorkQueueWindowOpeners();
    {
        frmPharma main;
        main.lblKVRS_Click();
        main.cmdCommunication_Click();
        main.RunCommand(QStringLiteral("mnuConfirmMeds"));
    }
    ClearWindowOpeners();
    EXPECT_EQ(platform.modal->shown(), (QStringList{"qx::frmRequestKVRS", "qx::frmListPharmaCommunication",
                                                     "qx::frmListPharmaCommunication"}));
}

QX_ON_BOTH_ENGINES(PackageRequestTest);

} // namespace
} // namespace qx::test
