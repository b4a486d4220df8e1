#pragma once
#include "ScriptedPlatform.h"
#include "TestDatabase.h"
#include "components/PasswordScramble.h"
#include "mainwindow/frmPharma.h"
#include "platform/FlexGrid.h"
#include "shell/HospitalSettings.h"
#include "shell/LoggedInFixture.h"
#include "shell/ScriptedSuite.h"
#include "shell/Session.h"
#include "shell/Switches.h"
#include "shell/WindowOpeners.h"
#include "shell/frmLogOff.h"
#include "shell/frmShift.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

namespace qx::test {

// The login component whose answer to checkusersettings a test chooses.
class MainWindowLogin : public ScriptedCurrentUser {
public:
    using ScriptedCurrentUser::ScriptedCurrentUser;
    bool checkusersettings() override { return mayEditRights; }
    bool mayEditRights = true;
};

// The main window over a fresh database with an employee logged in, as start-up leaves it
// just before the window loads. On SqliteTest, or on DbTest for both engines.
template <typename Base>
class MainWindowTestOn : public LoggedInTestOn<Base, MainWindowLogin> {
protected:
    using Base::db;
    using LoggedInTestOn<Base, MainWindowLogin>::login;

    void SetUp() override {
        LoggedInTestOn<Base, MainWindowLogin>::SetUp();
        if (::testing::Test::IsSkipped())
            return;
        gEmployeeCode = QStringLiteral("1234");
        gEmployeeName = QStringLiteral("JUAN D. DELA CRUZ");
        gFirstActivation = true;
        db().execute(QStringLiteral("INSERT INTO patient_data.tbHospitalInfo (Company, ClientName, PHCSRIdleTime) "
                                    "VALUES ('DEMO GENERAL HOSPITAL', 'DEMO', NULL)"));
    }
    void resetProgramState() override {
        LoggedInTestOn<Base, MainWindowLogin>::resetProgramState();
        gLocationID.clear();
        // The lock screen and the shift window live for the whole run; each test starts them anew.
        frmShift::Default().hide();
        frmLogOff::Default().hide();
        frmShift::Default().setShift(0);
        frmLogOff::Default().setEntered(false);
        frmLogOff::Default().setRights(QString());
    }

    // An employee of the pharmacy who can unlock the workstation.
    void addEmployee(const QString& id, const QString& password, const QString& first, const QString& last,
                     const QString& right1 = QString(), const QString& right2 = QString()) {
        db().execute(QStringLiteral("INSERT INTO password.tbPasswordMain (EmployeeID, Password, DepartmentID, Right_Code1, "
                                    "Right_Code2) VALUES (?, ?, '15', ?, ?)"),
                     {id, ScrambleText(QStringLiteral("E"), kPasswordKey, password), right1, right2});
        db().execute(QStringLiteral("INSERT INTO password.tbPasswordMaster (EmployeeID, LastName, FirstName) "
                                    "VALUES (?, ?, ?)"),
                     {id, last, first});
    }
    // The employee's rights row: the nine common rights in the save order, 1 on and 0 off.
    void saveRights(const QString& employee, const QString& nineDigits) {
        QVariantMap values{{QStringLiteral("@EmployeeID"), employee}};
        const char* const columns[] = {"canManualPosting", "canProcessRequest", "canUnitDose",
                                       "canReturned", "canCorrection", "canViewPostedMeds",
                                       "canDrugInquiry", "canVerification", "canViewReport"};
        for (int i = 0; i < 9; ++i)
            values.insert(QLatin1Char('@') + QString::fromLatin1(columns[i]), nineDigits.at(i) == QLatin1Char('1'));
        db().callProcedure(QStringLiteral("Pharma_SaveEmployeeSettings"), values);
    }
    void setSatellite(bool satellite) {
        db().callProcedure(QStringLiteral("Pharma_SaveComputerLocation"),
                           {{QStringLiteral("@isSatelite"), satellite ? 1 : 0}});
    }
    void setIdleLimit(const QVariant& seconds) {
        db().execute(QStringLiteral("UPDATE patient_data.tbHospitalInfo SET PHCSRIdleTime = ?"), {seconds});
    }
    QStringList userLog() {
        QStringList lines;
        for (Recordset rs = db().query(QStringLiteral("SELECT EmployeeID, Activity FROM tbInvUserLog ORDER BY LogID"));
             !rs.eof(); rs.moveNext())
            lines << rs.text(QStringLiteral("EmployeeID")) + QLatin1Char('|') + rs.text(QStringLiteral("Activity"));
        return lines;
    }
    // Answers the shift window by choosing that shift (0: closes it without choosing).
    void chooseShift(int shift) {
        platform.modal->onShow<frmShift>([shift](frmShift& w) {
            if (shift == 0) {
                w.close();
                return;
            }
            QRadioButton* const options[] = {w.optFirst, w.optSecond, w.optThird, w.optFourth};
            options[shift - 1]->setChecked(true);
            w.cmdOK->click();
        });
    }
    // Answers the lock screen with an employee number and a password.
    void unlockAs(const QString& employee, const QString& password) {
        platform.modal->onShow<frmLogOff>([employee, password](frmLogOff& w) {
            w.txtEmplNo->setText(employee);
            w.txtPassword->setText(password);
            w.Image1_Click();
        });
    }
    // A window loaded and past its first activation on the first shift.
    std::unique_ptr<frmPharma> openWindow() {
        auto window = std::make_unique<frmPharma>();
        window->Form_Load();
        chooseShift(1);
        window->Form_Activate();
        return window;
    }

    // Spies under these window names: each writes down "name(input=value,...)", the name alone
    // when it was given no inputs, into `opened` and answers `spyAnswer`.
    void registerSpyOpeners(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            const QString command = QString::fromLatin1(name);
            RegisterWindowOpener(command, [this, command](const WindowValues& in) {
                QStringList values;
                for (auto it = in.begin(); it != in.end(); ++it)
                    values << it.key() + u'=' + it.value().toString();
                opened << (values.isEmpty() ? command : command + u'(' + values.join(u',') + u')');
                return spyAnswer;
            });
        }
    }
    // Selects the node without loading its list and puts one row of values (columns 0 to 8) into
    // the list as its current row.
    static void putListRow(frmPharma& window, const QString& key, const QStringList& cells) {
        window.treCategory->setCurrentItem(window.TreeNode(key));
        FlexGrid& grid = *window.flexMSHList;
        grid.setRows(2);
        grid.setCols(9);
        for (int col = 0; col < 9; ++col)
            grid.setTextMatrix(1, col, cells.value(col));
        grid.setRow(1);
    }

    ScriptedPlatform platform;
    QStringList opened;
    WindowValues spyAnswer;
};

using MainWindowTest = MainWindowTestOn<SqliteTest>;

} // namespace qx::test
