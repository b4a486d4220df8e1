#include "WorkQueueFixture.h"
#include "charging/frmView.h"
#include "mainwindow/frmListPharmaCommunication.h"
#include "platform/DatePicker.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace qx::test {
namespace {

// Three returned lines of DELA CRUZ (1001): credit memo CM0001 of two items returned on
// 01/09/2026 and not confirmed, CM0002 returned the same day and confirmed, CM0003 returned the
// day after.
class CreditMemoListTest : public WorkQueueTest {
protected:
    void SetUp() override {
        WorkQueueTest::SetUp();
        if (IsSkipped())
            return;
        addReturn("CM0001", "PARA500", "CS0001", day, QVariant());
        addReturn("CM0001", "AMOX500", "CS0002", day.addSecs(60), QVariant());
        addReturn("CM0002", "PARA500", "CS0003", day.addSecs(120), QStringLiteral("C"));
        addReturn("CM0003", "AMOX500", "CS0004", day.addDays(1), QVariant());
    }
    void TearDown() override {
        frmListPharmaCommunication::Default().hide();
        WorkQueueTest::TearDown();
    }
    void addReturn(const char* creditMemo, const char* item, const char* slip, const QDateTime& returned,
                   const QVariant& status) {
        db().execute(QStringLiteral("INSERT INTO tbPharmaCommunication (IdNum, HospNum, ItemID, ChargeSlip, CreditMemo, "
                                    "RevenueID, qtyi, qtyr, Amount, UserID, RecordStatus, isPosted, TransDate) "
                                    "VALUES ('1001', 'H000001', ?, ?, ?, 'PC', 4, 2, 25.5, 'N0001', ?, 1, ?)"),
                     {QString::fromLatin1(item), QString::fromLatin1(slip), QString::fromLatin1(creditMemo), status,
                      returned});
    }
    // Runs `act` on the list while it is up, showing the returns of `day`.
    void onList(const std::function<void(frmListPharmaCommunication&)>& act) {
        platform.modal->onShow<frmListPharmaCommunication>([&](frmListPharmaCommunication& w) {
            w.dtDate->setValue(day);
            w.cmdSearch->click();
            act(w);
        });
        showModal(frmListPharmaCommunication::Default());
    }
    static void choose(frmListPharmaCommunication& w, const QString& creditMemo, const QString& item) {
        for (int row = 1; row < w.gdList->rows(); ++row)
            if (w.gdList->textMatrix(row, 3) == creditMemo && w.gdList->textMatrix(row, 4) == item)
                w.gdList->setRow(row);
    }
    Recordset lines() {
        return db().query(QStringLiteral("SELECT CreditMemo, ItemID, COALESCE(RecordStatus, '') AS RecordStatus, ProcessDate, "
                                         "COALESCE(ProcessBy, '') AS ProcessBy FROM tbPharmaCommunication ORDER BY id"));
    }

    const QDateTime day{QDate(2026, 1, 9), QTime(9, 0)};
};

TEST_P(CreditMemoListTest, OptionDateAndSearchChooseTheLines) {
    onList([&](frmListPharmaCommunication& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("List Credit Memo Communication"));
        EXPECT_TRUE(w.optUnRet->isChecked());
        QStringList headers;
        for (int col = 0; col < w.gdList->cols(); ++col)
            headers << w.gdList->textMatrix(0, col).trimmed();
        EXPECT_EQ(headers.join(u'|'), QStringLiteral("Adm #|Patients|ChargeSlip|CreditMemo|Code|Description|Issued|Returned|"
                                                      "Amount|Status|Returned Date|ReturnedBy|ConfirmedDate|Confirmed By"));
        EXPECT_EQ(w.gdList->textMatrix(1, 1).trimmed(), QStringLiteral("DELA CRUZ, JUAN SANTOS"));
        EXPECT_EQ(w.gdList->textMatrix(1, 5).trimmed(), QStringLiteral("PARACETAMOL 500 MG TABLET"));
        struct Case {
            QRadioButton* option;
            QDate date;
            const char* search;
            QStringList slips;
        };
        const Case cases[] = {
            {w.optUnRet, day.date(), "", {"CS0001", "CS0002"}},
            {w.optRet, day.date(), "", {"CS0003"}},
            {w.optAll, day.date(), "", {"CS0001", "CS0002", "CS0003"}},
            {w.optAll, day.date().addDays(1), "", {"CS0004"}},
            {w.optAll, day.date(), "cs0002", {"CS0002"}},
            {w.optAll, day.date(), "dela", {"CS0001", "CS0002", "CS0003"}},
            {w.optAll, day.date(), "CM0002", {"CS0003"}},
            {w.optUnRet, day.date(), "nobody", {}},
            {w.optAll, day.date().addDays(5), "", {}},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.search);
            w.dtDate->setValue(QDateTime(c.date, QTime(14, 0)));
            w.txtSearch->setText(QString::fromLatin1(c.search));
            c.option->click();
            EXPECT_EQ(column(*w.gdList, 2), c.slips);
            // A day without lines shows only the header row.
            EXPECT_EQ(w.gdList->rows(), 1 + c.slips.size());
        }
        // Changing the date alone does not reload; Enter in the search box does.
        w.dtDate->setValue(day);
        EXPECT_TRUE(column(*w.gdList, 2).isEmpty());
        w.txtSearch->clear();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(w.txtSearch, &enter);
        EXPECT_EQ(column(*w.gdList, 2).size(), 3);
    });
}

TEST_P(CreditMemoListTest, ConfirmMarksEveryLineOfTheCreditMemoThenShowsIt) {
    qint16 report = 0;
    QString creditMemo;
    platform.modal->onShow<frmView>([&](frmView& v) {
        report = v.WhatReport();
        creditMemo = v.CreditMemo();
    });
    platform.messages->answer(vbYes);
    onList([&](frmListPharmaCommunication& w) {
        choose(w, QStringLiteral("CM0001"), QStringLiteral("AMOX500"));
        w.cmdConfirm->click();
        // The list reloads without the confirmed lines.
        EXPECT_TRUE(column(*w.gdList, 2).isEmpty());
    });
    ASSERT_GE(platform.messages->boxes().size(), 2u);
    EXPECT_EQ(platform.messages->boxes()[0].text, QStringLiteral("Are you sure you want to confirm this transaction?"));
    EXPECT_EQ(platform.messages->boxes()[0].title, QStringLiteral("Message"));
    EXPECT_EQ(platform.messages->boxes()[1].text, QStringLiteral("Transaction successfully confirmed."));
    EXPECT_EQ(platform.messages->boxes()[1].title, QStringLiteral("MESSAGE"));
    EXPECT_EQ(report, 57);
    EXPECT_EQ(creditMemo, QStringLiteral("CM0001"));
    const Recordset rs = lines();
    EXPECT_EQ(rs.valueAt(0, "RecordStatus"), QStringLiteral("C"));
    EXPECT_EQ(rs.valueAt(1, "RecordStatus"), QStringLiteral("C"));
    EXPECT_EQ(rs.valueAt(0, "ProcessBy"), QStringLiteral("1234"));
    EXPECT_EQ(rs.valueAt(1, "ProcessBy"), QStringLiteral("1234"));
    EXPECT_TRUE(parseDbDateTime(rs.valueAt(0, "ProcessDate")).isValid());
    EXPECT_EQ(parseDbDateTime(rs.valueAt(0, "ProcessDate")), parseDbDateTime(rs.valueAt(1, "ProcessDate")));
    // Other credit memos keep their state.
    EXPECT_EQ(rs.valueAt(3, "RecordStatus"), QString());
}

TEST_P(CreditMemoListTest, AnAlreadyConfirmedLineOrANoChangesNothing) {
    onList([&](frmListPharmaCommunication& w) {
        w.optAll->click();
        choose(w, QStringLiteral("CM0002"), QStringLiteral("PARA500"));
        w.cmdConfirm->click();
        ASSERT_EQ(platform.messages->boxes().size(), 1u);
        EXPECT_EQ(platform.messages->last().text,
                  QStringLiteral("(CM0002) PARA500-PARACETAMOL 500 MG TABLET \nis already confirmed."));
        EXPECT_EQ(platform.messages->last().title, QStringLiteral("Message"));
        EXPECT_EQ(platform.messages->last().style, vbInformation);

        // Confirmed by another workstation after the list was loaded: the table is read again.
        w.optUnRet->click();
        db().execute(QStringLiteral("UPDATE tbPharmaCommunication SET RecordStatus = 'C', ProcessBy = '77' WHERE CreditMemo = 'CM0001'"));
        choose(w, QStringLiteral("CM0001"), QStringLiteral("PARA500"));
        w.cmdConfirm->click();
        EXPECT_EQ(platform.messages->last().text,
                  QStringLiteral("(CM0001) PARA500-PARACETAMOL 500 MG TABLET \nis already confirmed."));
        EXPECT_EQ(lines().valueAt(0, "ProcessBy"), QStringLiteral("77"));

        // No leaves the table as it was.
        db().execute(QStringLiteral("UPDATE tbPharmaCommunication SET RecordStatus = NULL, ProcessBy = NULL"));
        w.cmdSearch->click();
        platform.messages->clear();
        platform.messages->answer(vbNo);
        choose(w, QStringLiteral("CM0001"), QStringLiteral("PARA500"));
        w.cmdConfirm->click();
        EXPECT_EQ(platform.messages->boxes().size(), 1u);
        EXPECT_EQ(column(*w.gdList, 2), (QStringList{"CS0001", "CS0002", "CS0003"}));
    });
    EXPECT_EQ(db().query(QStringLiteral("SELECT COUNT(*) FROM tbPharmaCommunication WHERE RecordStatus = 'C'")).value(0).toInt(), 0);
    EXPECT_FALSE(platform.modal->shown().contains(QStringLiteral("qx::frmView")));
}

TEST_P(CreditMemoListTest, AFailingUpdateSaysItCannotSaveAndPrintsNothing) {
    if (!db().isSQLite())
        GTEST_SKIP() << "the refusing trigger is written for SQLite";
    db().execute(QStringLiteral("CREATE TRIGGER refuse_confirm BEFORE UPDATE ON tbPharmaCommunication "
                                "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    platform.messages->answer(vbYes);
    onList([&](frmListPharmaCommunication& w) {
        choose(w, QStringLiteral("CM0001"), QStringLiteral("PARA500"));
        w.cmdConfirm->click();
    });
    EXPECT_EQ(platform.messages->last().text, QStringLiteral("Can't save."));
    EXPECT_EQ(platform.messages->last().title, QStringLiteral("Message"));
    EXPECT_FALSE(platform.modal->shown().contains(QStringLiteral("qx::frmView")));
}

TEST_P(CreditMemoListTest, PrintSetsTheTypeAndTitleOfTheOptionAndThePickedDay) {
    QList<std::tuple<qint16, QDateTime, QString, QString>> printed;
    platform.modal->onShow<frmView>([&](frmView& v) {
        printed << std::make_tuple(v.WhatReport(), v.ReportDate(), frmListPharmaCommunication::Default().ReportType(),
                                   frmListPharmaCommunication::Default().ReportTitle());
    });
    onList([&](frmListPharmaCommunication& w) {
        w.txtSearch->setText(QStringLiteral("dela"));
        for (QRadioButton* option : {w.optUnRet, w.optRet, w.optAll}) {
            option->click();
            w.cmdPrint->click();
        }
    });
    const QDateTime midnight(day.date(), QTime(0, 0));
    ASSERT_EQ(printed.size(), 3);
    EXPECT_EQ(printed[0], std::make_tuple(qint16(56), midnight, QStringLiteral("1"),
                                          QStringLiteral("List of Unreturned Credit Memo by Station")));
    EXPECT_EQ(printed[1], std::make_tuple(qint16(56), midnight, QStringLiteral("2"),
                                          QStringLiteral("List of Returned Credit Memo by Station")));
    EXPECT_EQ(printed[2], std::make_tuple(qint16(56), midnight, QStringLiteral("3"),
                                          QStringLiteral("Daily List of Credit Memo by Station")));
}

TEST_P(CreditMemoListTest, EveryShowingStartsUnconfirmedOnTheServerDayWithoutSearch) {
    platform.modal->onShow<frmListPharmaCommunication>([&](frmListPharmaCommunication& w) {
        w.optAll->click();
        w.txtSearch->setText(QStringLiteral("x"));
    });
    showModal(frmListPharmaCommunication::Default());
    platform.modal->onShow<frmListPharmaCommunication>([&](frmListPharmaCommunication& w) {
        EXPECT_TRUE(w.optUnRet->isChecked());
        EXPECT_EQ(w.txtSearch->text(), QString());
        EXPECT_EQ(w.dtDate->value().date(), db().serverNow().date());
    });
    showModal(frmListPharmaCommunication::Default());
}

QX_ON_BOTH_ENGINES(CreditMemoListTest);

} // namespace
} // namespace qx::test
