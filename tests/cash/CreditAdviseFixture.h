#pragma once
#include "cash/frmPostedOR.h"
#include "cash/frmUnpostedCreditAdvise.h"
#include "ScriptedInputBox.h"
#include "components/InputBox.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/WidgetInput.h"
#include "shell/ReportOpeningFixture.h"


namespace qx::test {

// A paid receipt's lines and its credit advises over a fresh database, with the report folder
// and an input box of the test's own.
class CreditAdviseTest : public ReportingTest {
protected:
    void SetUp() override {
        ReportingTest::SetUp();
        previousInputBox_ = installInputBoxService(inputBox);
        if (IsSkipped())
            return;
        for (const auto& [id, name] : {std::pair{"AMOX", "AMOXICILLIN 500MG CAP"}, std::pair{"PARA", "PARACETAMOL 500MG TAB"},
                                       std::pair{"CETI", "CETIRIZINE 10MG TAB"}})
            db().execute(QStringLiteral("INSERT INTO tbInvMaster (ItemID, ItemName) VALUES (?, ?)"),
                         {QString::fromLatin1(id), QString::fromLatin1(name)});
        db().execute(QStringLiteral("INSERT INTO password.tbPasswordMaster (EmployeeID, LastName, FirstName, MiddleName) "
                                    "VALUES ('1001', 'REYES', 'JOSE', 'CRUZ'), ('1003', 'MENDOZA', 'PEDRO', NULL)"));
    }
    void TearDown() override {
        installInputBoxService(previousInputBox_);
        ReportingTest::TearDown();
    }

    struct PaidLine {
        const char* item;
        double quantity;
        double amount;
        int vatExempt = 0;
    };
    void addPaidLine(const QString& receipt, const PaidLine& l) {
        db().execute(QStringLiteral("INSERT INTO billing.tbCashAssessment (RefNum, RevenueID, ItemID, Quantity, UnitPrice, "
                                    "Amount, Discount, DiscountType, DiscountRate, VATExempt, ORNumber, TransDate) "
                                    "VALUES ('PH000500', 'PH', ?, ?, ?, ?, 1.5, 'SC', 20, ?, ?, ?)"),
                     {QString::fromLatin1(l.item), l.quantity, l.quantity > 0 ? l.amount / l.quantity : 0.0, l.amount,
                      l.vatExempt, receipt, QDateTime(QDate(2026, 12, 1), QTime(9, 0))});
    }
    struct Advise {
        const char* receipt;
        const char* adviseNo;
        const char* item;
        double quantity;
        double amount;
        const char* status;  // nullptr: pending
        const char* user;
    };
    void addAdvise(const Advise& a) {
        db().execute(QStringLiteral("INSERT INTO billing.tbCashCreditAdvise (ORNumber, AdviseNo, ItemID, Quantity, UnitPrice, "
                                    "Amount, RecordStatus, TransDate, UserID, LineNumber) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, 1)"),
                     {QString::fromLatin1(a.receipt), QString::fromLatin1(a.adviseNo), QString::fromLatin1(a.item),
                      a.quantity, a.quantity > 0 ? a.amount / a.quantity : 0.0, a.amount,
                      a.status ? QVariant(QString::fromLatin1(a.status)) : QVariant(QMetaType::fromType<QString>()),
                      QDateTime(QDate(2026, 12, 2), QTime(14, 0)), QString::fromLatin1(a.user)});
    }

    // A grid's data rows, each its cells joined by "|" (columns up to `lastCol`).
    static QStringList rowsOf(const FlexGrid& grid, int lastCol) {
        QStringList rows;
        for (int r = grid.fixedRows(); r < grid.rows(); ++r) {
            QStringList cells;
            for (int c = 0; c <= lastCol; ++c)
                cells << grid.textMatrix(r, c);
            rows << cells.join(QLatin1Char('|'));
        }
        return rows;
    }
    static QPoint cellCentre(const FlexGrid& grid, int row, int col) {
        const QPoint origin = grid.viewport()->geometry().topLeft();
        return QPoint(twipsToPixels(grid.colPos(col) + grid.colWidth(col) / 2),
                      twipsToPixels(grid.rowPos(row) + grid.rowHeight(row) / 2)) - origin;
    }

    std::shared_ptr<ScriptedInputBox> inputBox = std::make_shared<ScriptedInputBox>();

private:
    std::shared_ptr<InputBoxService> previousInputBox_;
};

} // namespace qx::test
