#pragma once
#include "ScriptedPlatform.h"
#include "TestDatabase.h"
#include "charging/modLookup.h"
#include "components/StaffLogin.h"
#include "platform/FlexGrid.h"
#include "platform/WidgetInput.h"
#include "shell/Session.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

namespace qx::test {

// A logged-in employee whose connection is the test's database.
class LoggedInUser : public StaffLogin::CurrentUser {
public:
    explicit LoggedInUser(Connection& c) : conn_(c) {}
    void setPasswordDeptCode(const QString&) override {}
    void ShowMain() override {}
    bool Connected() const override { return true; }
    Connection& SQLConnection() override { return conn_; }
    QString EmployeeCode() const override { return QStringLiteral("1234"); }
    QString EmployeeName() const override { return QStringLiteral("DELA CRUZ, JUAN"); }
    QString Initial() const override { return QStringLiteral("JDC"); }
    QString Position() const override { return QStringLiteral("PHARMACIST"); }
    QString ServerName() const override { return QStringLiteral("local"); }
    QString UserID() const override { return QString(); }
    QString ServerPassword() const override { return QString(); }
    bool checkusersettings() override { return true; }
    void ChangeUser(const QString&) override {}

private:
    Connection& conn_;
};

// A fresh database, a logged-in employee on it, scripted platform services and an empty
// look-up result.
class LookupTest : public DbTest {
protected:
    void SetUp() override {
        resetSession();
        DbTest::SetUp();
        if (IsSkipped())
            return;
        gComponents.gCurrentUser = std::make_shared<LoggedInUser>(db());
        gLookupResult.clear();
    }
    void TearDown() override {
        resetSession();
        DbTest::TearDown();
    }

    // Card types (13 inactive), cards (one without a last name) and business classes (05 not of
    // medicine accounts).
    void addCardData() {
        db().execute(QStringLiteral("DELETE FROM tbPharmaCardType"));
        db().execute(QStringLiteral("INSERT INTO tbPharmaCardType (CardTypeID, CardTypeName, Status) VALUES "
                                    "(1, 'LOYALTY CARD', 'A'), (12, 'DISCOUNT CARD', 'A'), (13, 'DISPLAY CARD', 'I'), "
                                    "(14, 'DISABILITY CARD', 'A')"));
        const QVariantList cards[] = {
            {"12AB", "SANTOS", "MARIA", "C", 12},
            {"1A001", "SANTIAGO", "JOSE", QVariant(), 1},
            {"C-1", QVariant(), "NO", "NAME", 1},
            {"77", "O'BRIEN", "PAT", QVariant(), 14},
        };
        for (const QVariantList& card : cards)
            db().execute(QStringLiteral("INSERT INTO tbPharmaCardMaster (CardNum, LastName, FirstName, MiddleName, CardTypeID) "
                                        "VALUES (?, ?, ?, ?, ?)"),
                         card);
        db().execute(QStringLiteral("DELETE FROM build_file.tbCoBusinessClass"));
        db().execute(QStringLiteral("INSERT INTO build_file.tbCoBusinessClass (Code, Description, isMedicine) VALUES "
                                    "('01', 'MEDICINE ACCOUNTS', 1), ('02', 'MEDICAL SUPPLIES', 1), ('05', 'MERCHANDISE', 0)"));
    }

    // The widget that has the focus in `window` (the window itself when none has).
    static QWidget* focused(QWidget& window) {
        QWidget* w = window.focusWidget();
        return w ? w : &window;
    }
    static void activate(QWidget& window) {
        window.activateWindow();
        QApplication::setActiveWindow(&window);
        QApplication::processEvents();
    }
    // The list's column as shown, data rows only.
    static QStringList column(const FlexGrid& grid, int col) {
        QStringList values;
        for (int r = grid.fixedRows(); r < grid.rows(); ++r)
            values << grid.textMatrix(r, col);
        return values;
    }

    ScriptedPlatform platform;
};

// The look-up tests over the card data.
class CardDataTest : public LookupTest {
protected:
    void SetUp() override {
        LookupTest::SetUp();
        if (IsSkipped())
            return;
        addCardData();
    }
};

} // namespace qx::test
