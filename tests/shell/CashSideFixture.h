#pragma once
#include "Builders.h"
#include "ScriptedSuite.h"
#include "ShellFixture.h"

namespace qx::test {

// A shell test with an employee logged in on the test's connection and builders of the cash
// side's rows.
class CashSideTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        if (IsSkipped())
            return;
        login = std::make_shared<ScriptedCurrentUser>(db());
        login->ShowMain();
        gComponents.gCurrentUser = login;
        today = QDateTime(db().serverNow().date(), QTime(8, 30));
    }
    void TearDown() override {
        gComponents.gCurrentUser.reset();
        ShellTest::TearDown();
    }

    // One line of a pharmacy cash assessment.
    struct AssessmentLine {
        QString refNum = QStringLiteral("PH000001");
        QString idNum = QStringLiteral("1001");
        QString hospNum = QStringLiteral("H000001");
        QString name = QStringLiteral("DELA CRUZ, JUAN SANTOS");
        QString itemId = QStringLiteral("PARA500");
        double amount = 10.5;
        QDateTime transDate;  // today's morning when not given
        QString orNumber;
        QString recordStatus;
    };
    void addAssessmentLine(const AssessmentLine& a) {
        db().execute(QStringLiteral("INSERT INTO billing.tbCashAssessment (RefNum, RevenueID, ItemID, IDNum, HospNum, Name, "
                                    "Quantity, Amount, UnitPrice, UserID, TransDate, ORNumber, RecordStatus) "
                                    "VALUES (?, 'PH', ?, ?, ?, ?, 1, ?, ?, '1234', ?, ?, ?)"),
                     {a.refNum, a.itemId, a.idNum, a.hospNum, a.name, a.amount, a.amount,
                      a.transDate.isValid() ? a.transDate : today,
                      a.orNumber.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(a.orNumber),
                      a.recordStatus.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(a.recordStatus)});
    }
    void addRoomClass(const QString& id, const QString& name, double markUp) {
        db().execute(QStringLiteral("INSERT INTO build_file.tbCoRoomClass (RoomClassID, RoomClass, MarkUp) VALUES (?, ?, ?)"),
                     {id, name, markUp});
    }

    // A list's column names in lower case, as PostgreSQL gives them.
    static QStringList columnsOf(const Recordset& rs) {
        QStringList names;
        for (const QString& name : rs.fieldNames())
            names << name.toLower();
        return names;
    }

    std::shared_ptr<ScriptedCurrentUser> login;
    QDateTime today;
};

} // namespace qx::test
