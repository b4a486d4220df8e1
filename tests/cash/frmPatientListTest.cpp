#include "Builders.h"
#include "CashEntryFixture.h"

#include "cash/frmPatientList.h"
#include "platform/Twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

namespace qx::test {
namespace {

class frmPatientListTest : public CashEntryTest {
protected:
    void SetUp() override {
        CashEntryTest::SetUp();
        addAdmittedPatient(db());
        addAdmittedPatient(db(), {.idNum = QStringLiteral("1002"),
                                  .person = {.hospNum = QStringLiteral("H000002"), .lastName = QStringLiteral("DELA PAZ"),
                                             .firstName = QStringLiteral("ANA")},
                                  .roomId = QStringLiteral("302")});
        addAdmittedPatient(db(), {.idNum = QStringLiteral("0950"),
                                  .person = {.hospNum = QStringLiteral("H000003"), .lastName = QStringLiteral("DELA ROSA"),
                                             .firstName = QStringLiteral("LEA")},
                                  .dischargeDate = QDateTime(QDate(2026, 1, 9), QTime(10, 0))});
        addOutPatientVisit(db());
    }
    frmPatientList& show(int option, const QString& search) {
        picker = std::make_unique<frmPatientList>();
        picker->ListOption = option;
        picker->SearchString = search;
        showActive(picker.get());
        return *picker;
    }
    QStringList firstColumn() const {
        QStringList ids;
        for (int row = 1; row < picker->flexMSHList->rows(); ++row)
            ids << picker->flexMSHList->textMatrix(row, 0);
        return ids;
    }
    int share(int parts) const {
        return int(std::lround(pixelsToTwips(picker->flexMSHList->width()) / double(parts)));
    }
    std::unique_ptr<frmPatientList> picker;
};

TEST_F(frmPatientListTest, ListsByOption) {
    struct Case { int option; const char* search; const char* caption; bool confinements; QStringList ids; };
    const Case cases[] = {
        {3, "DELA", "PatientList (Registered IN-PATIENT)", true, {"1001", "1002"}},
        {4, "", "PatientList (Registered OUT-PATIENT)", false, {"5001A"}},
        {0, "REYES", "PatientList (Registered OUT-PATIENT)", false, {"5001A"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.option);
        frmPatientList& w = show(c.option, QString::fromLatin1(c.search));
        EXPECT_EQ(w.windowTitle(), c.caption);
        EXPECT_EQ(w.Frame1->isVisible(), c.confinements);
        EXPECT_EQ(w.txtSearch->text(), c.search);
        EXPECT_TRUE(w.chkAuto->isChecked());
        EXPECT_FALSE(w.cmdSearch->isEnabled());
        EXPECT_EQ(firstColumn(), c.ids);
        EXPECT_EQ(w.flexMSHList->textMatrix(0, 0), "Admission No. ");
        EXPECT_EQ(w.flexMSHList->textMatrix(0, 4), "Middle Name");
        const int w6 = share(6);
        const int expected[] = {w6, w6, w6 + 100, w6 + 100, w6 + 100, w6, w6 + 1000};
        for (int col = 0; col < 7; ++col)
            EXPECT_EQ(w.flexMSHList->colWidth(col), expected[col]) << col;
        EXPECT_TRUE(w.isCancel);
    }

    frmPatientList& cash = show(5, QString());
    EXPECT_EQ(cash.windowTitle(), "PatientList (Cash Transaction)");
    EXPECT_FALSE(cash.Frame1->isVisible());
    EXPECT_EQ(cash.flexMSHList->textMatrix(0, 1), "Patient Name ");
    const int w7 = share(7);
    const int expected[] = {w7, w7 + 500, w7 + 100, w7 + 500, w7 + 400, w7 + 200};
    for (int col = 0; col < 6; ++col)
        EXPECT_EQ(cash.flexMSHList->colWidth(col), expected[col]) << col;
}

TEST_F(frmPatientListTest, AutoSearchAndConfinements) {
    frmPatientList& w = show(3, QString());
    EXPECT_EQ(firstColumn(), (QStringList{"1001", "1002"})) << "no text: the whole current list at once";
    w.optPrevious->setChecked(true);
    EXPECT_EQ(firstColumn(), QStringList{"0950"}) << "auto search reruns for previous confinements";

    w.chkAuto->setChecked(false);
    EXPECT_TRUE(w.cmdSearch->isEnabled());
    w.optCurrent->setChecked(true);
    EXPECT_EQ(firstColumn(), QStringList{"0950"}) << "without auto search nothing runs";
    w.txtSearch->setFocus();
    typeText(w.txtSearch, QStringLiteral("dela p"));
    EXPECT_EQ(w.txtSearch->text(), "DELA P");
    EXPECT_EQ(firstColumn(), QStringList{"0950"});
    pressKey(w.txtSearch, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(firstColumn(), QStringList{"1002"});
}

TEST_F(frmPatientListTest, UpOnTheFirstRowReturnsToTheSearchBox) {
    frmPatientList& w = show(3, QStringLiteral("DELA"));
    w.flexMSHList->setFocus();
    w.flexMSHList->setRow(1);
    w.flexMSHList_Click();
    pressKey(w.flexMSHList, Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), w.txtSearch) << "after a click one Up";

    w.flexMSHList->setFocus();
    w.flexMSHList->setRow(2);
    pressKey(w.flexMSHList, Qt::Key_Up);
    ASSERT_EQ(w.flexMSHList->row(), 1);
    pressKey(w.flexMSHList, Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), w.flexMSHList) << "arriving by keys takes two";
    pressKey(w.flexMSHList, Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), w.txtSearch);
}

TEST_F(frmPatientListTest, HandsBackTheChosenRowOrNothing) {
    frmPatientList& w = show(3, QStringLiteral("DELA"));
    w.flexMSHList->setRow(2);
    pressKey(w.flexMSHList, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_FALSE(w.isCancel);
    EXPECT_EQ(w.HospNumber, "1002");
    EXPECT_FALSE(w.isVisible());

    show(3, QStringLiteral("NOBODY"));
    picker->cmdOK->click();
    EXPECT_FALSE(picker->isCancel);
    EXPECT_EQ(picker->HospNumber, "") << "OK on an empty list";

    show(3, QStringLiteral("DELA"));
    pressKey(picker.get(), Qt::Key_Escape, QStringLiteral("\x1b"));
    EXPECT_TRUE(picker->isCancel);
    EXPECT_FALSE(picker->isVisible());
}

} // namespace
} // namespace qx::test
