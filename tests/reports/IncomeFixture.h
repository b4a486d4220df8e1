#pragma once
#include "components/Connection.h"

#include <QDateTime>

namespace qx::test {

// 12/09/2026 at location "20": JUAN DELA CRUZ (company C0001) on shifts 1 and 3, MARIA SANTOS, a
// senior, on shift 2 with a return on shift 3; an out-patient, a line at "186" and one of the next
// day that the in-patient files leave out. Cash: sales invoices of dispensers 1001 and 1002 over
// two days and one receipt; receipt rows staged under WS01.
inline void addIncomeDay(Connection& db) {
    db.execute(QStringLiteral("INSERT INTO tbInvMaster (ItemID, ItemName, ItemDesc) VALUES ('D0001', 'PARACETAMOL', '500 MG TABLET'), "
                              "('D0002', 'AMOXICILLIN', '500 MG CAPSULE'), ('D0033', 'MORPHINE SULFATE', '10 MG/ML AMPULE')"));
    db.execute(QStringLiteral("INSERT INTO patient_data.tbMaster (HospNum, LastName, FirstName) VALUES ('000101', 'DELA CRUZ', 'JUAN'), "
                              "('000102', 'SANTOS', 'MARIA'), ('000111', 'LIM', 'ROSA')"));
    db.execute(QStringLiteral("INSERT INTO patient_data.tbPatient (IDNum, HospNum) VALUES ('260001', '000101'), ('260002', '000102')"));
    db.execute(QStringLiteral("INSERT INTO patient_data.tbOutPatient (IDNum, HospNum) VALUES ('26501A', '000111')"));
    db.execute(QStringLiteral("INSERT INTO password.tbPasswordMaster (EmployeeID, LastName, FirstName) VALUES "
                              "('1001', 'BAUTISTA', 'ANA'), ('1002', 'RAMOS', 'LEO')"));
    const QString insert = QStringLiteral(
        "INSERT INTO tbInvStockCard (RefNum, ItemID, IdNum, SummaryCode, RevenueID, LocationID, TransDate, Quantity, Amount, "
        "Discount, VATAmount, UserID, Shift, InOut, AcctNum, CashName) VALUES (?, ?, ?, ?, 'PH', ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    const QDate day(2026, 12, 9);
    struct Line { const char* ref; const char* item; const char* id; const char* code; const char* location; QDateTime when;
                  double qty, amount, discount, vat; const char* user; int shift; const char* kind; const char* account;
                  const char* cashName; };
    const Line lines[] = {
        {"00000301", "D0001", "260001", "PH", "20", QDateTime(day, QTime(8, 5)), 10, 22.5, 0, 0, "1001", 1, "I", "C0001", ""},
        {"00000301", "D0002", "260001", "PH", "20", QDateTime(day, QTime(8, 5)), 2, 83, 0, 0, "1001", 1, "I", "C0001", ""},
        {"00000302", "D0002", "260002", "PH", "20", QDateTime(day, QTime(14, 40)), 4, 166, 33.2, 0, "1002", 2, "I", "", ""},
        {"RC000001", "D0002", "260002", "PC", "20", QDateTime(day, QTime(22, 10)), 1, 41.5, 8.3, 0, "1002", 3, "I", "", ""},
        {"00000303", "D0033", "260001", "PH", "20", QDateTime(day, QTime(23, 30)), 1, 123.5, 0, 0, "1001", 3, "I", "C0001", ""},
        {"00000304", "D0001", "260001", "PH", "186", QDateTime(day, QTime(9, 0)), 4, 10, 0, 0, "1001", 1, "I", "", ""},
        {"00000305", "D0001", "260002", "PH", "20", QDateTime(day.addDays(1), QTime(0, 5)), 40, 99, 0, 0, "1001", 3, "I", "", ""},
        {"00000306", "D0002", "26501A", "PH", "20", QDateTime(day, QTime(15, 0)), 1, 50, 0, 0, "1002", 2, "O", "", ""},
        {"SI000501", "D0001", "CASH", "PH", "20", QDateTime(day.addDays(-1), QTime(9, 15)), 20, 45, 9, 3.86, "1001", 1, "C", "", "PEREZ, LINDA"},
        {"SI000502", "D0002", "CASH", "PH", "20", QDateTime(day, QTime(14, 0)), 1, 41.5, 0, 4.45, "1001", 2, "C", "", "OCAMPO, RAFAEL"},
        {"SI000503", "D0001", "CASH", "PH", "20", QDateTime(day, QTime(15, 20)), 5, 11.25, 0, 1.21, "1002", 2, "C", "", "TAN, SUSAN"},
        {"OR000101", "D0002", "CASH", "PH", "20", QDateTime(day, QTime(16, 0)), 2, 83, 0, 8.89, "1001", 2, "C", "", "LUNA, PEDRO"},
    };
    for (const Line& l : lines)
        db.execute(insert, {QString::fromLatin1(l.ref), QString::fromLatin1(l.item), QString::fromLatin1(l.id),
                            QString::fromLatin1(l.code), QString::fromLatin1(l.location), l.when, l.qty, l.amount, l.discount,
                            l.vat, QString::fromLatin1(l.user), l.shift, QString::fromLatin1(l.kind),
                            QString::fromLatin1(l.account), QString::fromLatin1(l.cashName)});
    db.execute(QStringLiteral("INSERT INTO tbPharmaCashPrint (UserID, RefNum, ItemID, Description, Quantity, Amount) VALUES "
                              "('WS01', 'OR000101', 'D0002', 'AMOXICILLIN 500 MG CAPSULE', 2, 83), "
                              "('WS01', 'OR000102', 'D0001', 'PARACETAMOL 500 MG TABLET', 1, 2.25), "
                              "('WS02', 'OR000103', 'D0001', 'PARACETAMOL 500 MG TABLET', 9, 20.25)"));
}

} // namespace qx::test
