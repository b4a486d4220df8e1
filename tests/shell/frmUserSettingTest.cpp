#include "frmSessionFixture.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/WidgetInput.h"
#include "shell/frmUserSetting.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace qx::test {
namespace {

class frmUserSettingTest : public SessionWindowTest {
protected:
    void SetUp() override {
        SessionWindowTest::SetUp();
        if (IsSkipped())
            return;
        addEmployee(QStringLiteral("1001"), QStringLiteral("X"), QStringLiteral("15"), QString(), QString(), QStringLiteral("ABAD"));
        addEmployee(QStringLiteral("1002"), QStringLiteral("X"), QStringLiteral("15"), QString(), QString(), QStringLiteral("BAUTISTA"));
        addEmployee(QStringLiteral("O'K"), QStringLiteral("X"), QStringLiteral("15"), QString(), QString(), QStringLiteral("CRUZ"));
        addEmployee(QStringLiteral("9001"), QStringLiteral("X"), QStringLiteral("22"), QString(), QString(), QStringLiteral("AQUINO"));
    }
    QList<bool> checked(frmUserSetting& w) {
        QList<bool> states;
        for (QCheckBox* box : w.commonRights())
            states << box->isChecked();
        return states << w.chkIncomeReport->isChecked() << w.chkCanViewCorrected->isChecked();
    }
    void clickRow(frmUserSetting& w, int row) {
        w.grdList->setRow(row);
        w.grdList_Click();
    }
    void saveRights(const QString& employee, const std::array<int, frmUserSetting::kCommonRights>& rights) {
        frmUserSetting writer;
        writer.SaveUserRights(employee, rights);
    }
    static QPoint cellCentre(frmUserSetting& w, int row, int col) {
        const QPoint origin = w.grdList->viewport()->geometry().topLeft();
        return QPoint(twipsToPixels(w.grdList->colPos(col) + w.grdList->colWidth(col) / 2),
                      twipsToPixels(w.grdList->rowPos(row) + w.grdList->rowHeight(row) / 2)) - origin;
    }
    Recordset stored(const QString& employee) {
        return db().query(QStringLiteral("SELECT * FROM tbPharmaUserSettings WHERE EmployeeID = ?"), {employee});
    }
};

TEST_P(frmUserSettingTest, ListsThePharmacyEmployeesAndSearchesAsTyped) {
    frmUserSetting w;
    w.show();
    ASSERT_EQ(w.grdList->rows(), 4);
    EXPECT_EQ(w.grdList->textMatrix(0, 1), "Employee Code");
    EXPECT_EQ(w.grdList->textMatrix(1, 1), "1001");
    EXPECT_EQ(w.grdList->textMatrix(3, 1), "O'K");

    w.txtSearch->setText(QStringLiteral(" bau "));
    ASSERT_EQ(w.grdList->rows(), 2);
    EXPECT_EQ(w.grdList->textMatrix(1, 1), "1002");

    w.txtSearch->setText(QStringLiteral("zzz"));
    EXPECT_EQ(w.grdList->rows(), 2);  // rows stay, cells are cleared
    EXPECT_EQ(w.grdList->textMatrix(1, 1), "");
    EXPECT_EQ(w.grdList->textMatrix(0, 2), "Name");
}

TEST_P(frmUserSettingTest, SavedRightsReadBackAndSaveWithoutAClickTakesTheFirstEmployee) {
    frmUserSetting w;
    w.show();
    EXPECT_TRUE(w.chkIncomeReport->isHidden());
    EXPECT_TRUE(w.chkCanViewCorrected->isHidden());
    const auto boxes = w.commonRights();
    boxes[0]->setChecked(true);
    boxes[8]->setChecked(true);
    w.cmdSave_Click();
    EXPECT_EQ(platform.messages->last().text, "Data successfully saved!");
    EXPECT_EQ(platform.messages->last().title, "MESSAGE");
    EXPECT_EQ(platform.messages->last().style, vbOKOnly);
    Recordset row = stored(QStringLiteral("1001"));
    ASSERT_FALSE(row.eof());
    EXPECT_EQ(row.number(QStringLiteral("canManualPosting")), 1);
    EXPECT_EQ(row.number(QStringLiteral("canProcessRequest")), 0);
    EXPECT_EQ(row.number(QStringLiteral("canViewReport")), 1);
    EXPECT_TRUE(row.isNull(QStringLiteral("canViewIncomeReport")));  // no site update elsewhere

    clickRow(w, 3);  // no row stored: everything unchecked
    EXPECT_EQ(checked(w), QList<bool>(11, false));
    boxes[4]->setChecked(true);
    w.cmdSave_Click();
    EXPECT_EQ(stored(QStringLiteral("O'K")).number(QStringLiteral("canCorrection")), 1);

    clickRow(w, 1);
    EXPECT_EQ(checked(w), (QList<bool>{true, false, false, false, false, false, false, false, true, false, false}));
    boxes[0]->setChecked(false);
    w.cmdSave_Click();
    EXPECT_EQ(stored(QStringLiteral("1001")).number(QStringLiteral("canManualPosting")), 0);
}

// The boxes follow the current row however it moves, and Save writes them for the employee
// whose rights they show, never over the previous one's.
TEST_P(frmUserSettingTest, ArrowKeysMouseAndSearchLoadTheRowsRightsAndSaveGoesToTheEmployeeShown) {
    saveRights(QStringLiteral("1001"), {1, 0, 0, 0, 0, 0, 0, 0, 1});
    saveRights(QStringLiteral("O'K"), {0, 1, 1, 0, 0, 0, 0, 0, 0});
    const QList<bool> rights1001{true, false, false, false, false, false, false, false, true, false, false};
    const QList<bool> rightsOK{false, true, true, false, false, false, false, false, false, false, false};
    const QList<bool> none(11, false);
    frmUserSetting w;
    showActive(&w);
    EXPECT_EQ(w.ShownEmployee(), "1001");  // the first employee's rights, shown at opening
    EXPECT_EQ(checked(w), rights1001);

    w.grdList->setFocus();
    pressKey(w.grdList, Qt::Key_Down);
    EXPECT_EQ(w.grdList->row(), 2);
    EXPECT_EQ(w.ShownEmployee(), "1002");
    EXPECT_EQ(checked(w), none);
    w.chkReturned->setChecked(true);
    click(w.cmdSave, w.cmdSave->rect().center());
    EXPECT_EQ(platform.messages->last().text, "Data successfully saved!");
    EXPECT_EQ(stored(QStringLiteral("1002")).number(QStringLiteral("canReturned")), 1);
    EXPECT_EQ(stored(QStringLiteral("1001")).number(QStringLiteral("canReturned")), 0);
    EXPECT_EQ(stored(QStringLiteral("1001")).number(QStringLiteral("canViewReport")), 1);

    pressKey(w.grdList, Qt::Key_Down);
    EXPECT_EQ(checked(w), rightsOK);
    pressKey(w.grdList, Qt::Key_Up);
    pressKey(w.grdList, Qt::Key_Up);
    EXPECT_EQ(checked(w), rights1001);

    click(w.grdList->viewport(), cellCentre(w, 3, 2));
    EXPECT_EQ(w.ShownEmployee(), "O'K");
    EXPECT_EQ(checked(w), rightsOK);

    // A search that puts another employee under the current row shows his rights.
    w.txtSearch->setFocus();
    typeText(w.txtSearch, QStringLiteral("bau"));
    ASSERT_EQ(w.grdList->textMatrix(1, 1), "1002");
    EXPECT_EQ(w.ShownEmployee(), "1002");
    w.chkViewReport->setChecked(true);
    pressKey(w.txtSearch, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_TRUE(w.chkViewReport->isChecked());  // listing the same employee again keeps the edits
    w.cmdSave_Click();
    EXPECT_EQ(stored(QStringLiteral("1002")).number(QStringLiteral("canViewReport")), 1);
    EXPECT_EQ(stored(QStringLiteral("O'K")).number(QStringLiteral("canViewReport")), 0);

    // Nobody listed: nobody to save for.
    typeText(w.txtSearch, QStringLiteral("zzz"));
    EXPECT_EQ(w.ShownEmployee(), "");
    platform.messages->clear();
    w.cmdSave_Click();
    EXPECT_TRUE(platform.messages->boxes().empty());
}

TEST_P(frmUserSettingTest, SiteRightsAreShownLoadedAndSavedOnlyAtTheirSite) {
    struct Case { const char* site; const char* column; QCheckBox* frmUserSetting::*box; };
    const Case cases[] = {{"GIVRC", "canViewIncomeReport", &frmUserSetting::chkIncomeReport},
                          {"TZNH", "canViewListofCorectedReports", &frmUserSetting::chkCanViewCorrected}};
    for (const Case& c : cases) {
        gSiteCode = QString::fromLatin1(c.site);
        db().execute(QStringLiteral("DELETE FROM tbPharmaUserSettings"));
        frmUserSetting w;
        w.show();
        QCheckBox* box = w.*(c.box);
        EXPECT_FALSE(box->isHidden()) << c.site;
        clickRow(w, 2);
        box->setChecked(true);
        w.cmdSave_Click();
        EXPECT_EQ(stored(QStringLiteral("1002")).number(QString::fromLatin1(c.column)), 1) << c.site;
        box->setChecked(false);
        clickRow(w, 2);
        EXPECT_TRUE(box->isChecked()) << c.site;
    }
}

TEST_P(frmUserSettingTest, SelectAllLeavesTheIncomeReportRightAlone) {
    gSiteCode = QStringLiteral("GIVRC");
    frmUserSetting w;
    w.show();
    w.chkSelectAll->setChecked(true);
    w.chkSelectAll_Click();
    EXPECT_EQ(checked(w), (QList<bool>{true, true, true, true, true, true, true, true, true, false, true}));
    w.chkIncomeReport->setChecked(true);
    w.chkSelectAll->setChecked(false);
    w.chkSelectAll_Click();
    EXPECT_EQ(checked(w), (QList<bool>{false, false, false, false, false, false, false, false, false, true, false}));
}

TEST_P(frmUserSettingTest, AFailedSaveShowsTheErrorAndSavesNothing) {
    gSiteCode = QStringLiteral("GIVRC");
    frmUserSetting w;
    w.show();
    w.commonRights()[0]->setChecked(true);
    db().executeScript(QStringLiteral("ALTER TABLE tbPharmaUserSettings DROP COLUMN canViewIncomeReport"));
    w.cmdSave_Click();
    EXPECT_EQ(platform.messages->last().title, "Warning!");
    EXPECT_EQ(platform.messages->last().icon(), vbCritical);
    EXPECT_TRUE(stored(QStringLiteral("1001")).eof());  // the rights written first were rolled back
    EXPECT_TRUE(w.isVisible());
}

QX_ON_BOTH_ENGINES(frmUserSettingTest);

} // namespace
} // namespace qx::test
