#pragma once
#include "QueryText.h"
#include "ReturnScreenFixture.h"
#include "charging/ChargeGrid.h"
#include "returns/frmPostReturn.h"

#include <QVariant>

namespace qx::test {

// A station's return request SR0001 of admission 1001 (hospital number H000001) over the return
// screens' patients and issues: PARACETAMOL 1 of 2 (CS0001, isPosted NULL) and AMOXICILLIN 3 of
// 3 (CS0002, isPosted '0'), asked by nurse N101 "DISCONTINUED"; beside it a line the station
// withdrew ('R'), an item without stock at the main pharmacy and another patient's request under
// the same number.
class PostReturnTest : public ReturnScreenTest {
protected:
    struct Row {
        QString idNum = QStringLiteral("1001");
        QString hospNum = QStringLiteral("H000001");
        QString item;
        QString slip;
        double issued = 0;
        double returned = 0;
        double amount = 0;
        QVariant isPosted;
        QVariant recordStatus;
        QString creditMemo = QStringLiteral("SR0001");
    };

    void SetUp() override {
        ReturnScreenTest::SetUp();
        if (!ready())
            return;
        db().execute(QStringLiteral("INSERT INTO password.tbPasswordMaster (EmployeeID, LastName, FirstName, MiddleName) "
                                    "VALUES ('N101', 'SANTOS', 'ANA', 'REYES')"));
        addItem(db(), {.itemId = QStringLiteral("VITC"), .name = QStringLiteral("ASCORBIC ACID"),
                       .description = QStringLiteral("500 MG TAB"), .genericId = QStringLiteral("G-VITC"),
                       .genericName = QStringLiteral("ASCORBIC ACID"), .location = QStringLiteral("109")});
        add({.item = QStringLiteral("PARA500"), .slip = QStringLiteral("CS0001"), .issued = 2, .returned = 1,
             .amount = 62.75});
        add({.item = QStringLiteral("AMOX500"), .slip = QStringLiteral("CS0002"), .issued = 3, .returned = 3,
             .amount = 36, .isPosted = QStringLiteral("0")});
        add({.item = QStringLiteral("AMOX500"), .slip = QStringLiteral("CS0009"), .issued = 1, .returned = 1,
             .amount = 12, .recordStatus = QStringLiteral("R")});
        add({.item = QStringLiteral("VITC"), .slip = QStringLiteral("CS0003"), .issued = 1, .returned = 1, .amount = 5});
        add({.idNum = QStringLiteral("5001A"), .hospNum = QStringLiteral("H000101"), .item = QStringLiteral("PARA500"),
             .slip = QStringLiteral("CS0001"), .issued = 2, .returned = 2, .amount = 125.5});
    }

    void add(const Row& r) {
        db().execute(QStringLiteral("INSERT INTO tbPharmaCommunication (IdNum, HospNum, ItemID, ChargeSlip, CreditMemo, "
                                    "RevenueID, qtyi, qtyr, Amount, UserID, Remarks, RecordStatus, isPosted) "
                                    "VALUES (?, ?, ?, ?, ?, 'PC', ?, ?, ?, 'N101', 'DISCONTINUED', ?, ?)"),
                     {r.idNum, r.hospNum, r.item, r.slip, r.creditMemo, r.issued, r.returned, r.amount,
                      r.recordStatus, r.isPosted});
    }

    std::unique_ptr<frmPostReturn> openRequest(const QString& idNum = QStringLiteral("1001"),
                                               const QString& hospNum = QStringLiteral("H000001"),
                                               const QString& number = QStringLiteral("SR0001")) {
        auto form = std::make_unique<frmPostReturn>();
        form->HospNum = hospNum;
        form->IDNum = idNum;
        form->CMSlip = number;
        form->PatientName = QStringLiteral("LISTED NAME");
        form->Form_Load();
        showActive(form.get());
        return form;
    }

    // The grid's lines, each as its cells from Charge Slip to STATUS joined by "|".
    static QStringList lines(const frmPostReturn& form) {
        QStringList out;
        for (int row = 1; row < form.flexMSEntry->rows(); ++row) {
            QStringList cells;
            for (int col = 0; col < frmPostReturn::kCols; ++col)
                cells << form.flexMSEntry->textMatrix(row, col);
            out << cells.join(u'|');
        }
        return out;
    }

    // The request table as "id|slip|item|memo|isPosted|status|processBy", ordered.
    QStringList requestRows() {
        return QueryRows(db(), QStringLiteral("SELECT IdNum, ChargeSlip, ItemID, CreditMemo, isPosted, RecordStatus, "
                                              "ProcessBy FROM tbPharmaCommunication ORDER BY IdNum, ChargeSlip, ItemID"));
    }

    // Types the quantity into the editor opened on the line and presses Enter.
    void enterQuantity(frmPostReturn& form, int row, const QString& typed) {
        form.flexMSEntry->setFocus();
        form.flexMSEntry->setRow(row);
        form.flexMSEntry_Click();
        QApplication::processEvents();
        form.txtEntry()->selectAll();
        pressKey(form.txtEntry(), Qt::Key_Backspace, QStringLiteral("\b"));
        typeText(form.txtEntry(), typed);
        pressKey(form.txtEntry(), Qt::Key_Return, QStringLiteral("\r"));
        QApplication::processEvents();
    }
};

} // namespace qx::test
