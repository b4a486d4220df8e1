#pragma once
#include "components/Connection.h"
#include "platform/report/Report.h"

#include <QDateTime>

namespace qx::report::test {

// The moment every test report says it was printed.
inline QDateTime fixedPrintTime() { return QDateTime(QDate(2026, 12, 10), QTime(9, 30, 0)); }

inline void addLogLine(Connection& db, const QString& employee, const QString& module, const QDateTime& when,
                       const QString& activity) {
    db.execute(QStringLiteral("INSERT INTO tbInvUserLog (EmployeeID, Module, Activity, LogDate) VALUES (?, ?, ?, ?)"),
               {employee, module, activity, when});
}

// E001's log for 12/07-12/09/2026 (63 lines, 60 of them on 12/08) among lines the audit
// report must leave out: another user, another module, days outside the range.
inline void fillUserLog(Connection& db) {
    const QDate d7(2026, 12, 7), d8(2026, 12, 8), d9(2026, 12, 9);
    Transaction tx(db);
    addLogLine(db, QStringLiteral("E001"), QStringLiteral("Pharmacy"), QDateTime(d7, QTime(7, 58, 3)),
               QStringLiteral("Login User : JUAN DELA CRUZ"));
    for (int i = 0; i < 60; ++i)
        addLogLine(db, QStringLiteral("E001"), QStringLiteral("Pharmacy"), QDateTime(d8, QTime(8, 0).addSecs(i * 300)),
                   QStringLiteral("Saved and Print Request Under Patient : DELA CRUZ, JUAN |  ChargeSlip# : %1")
                       .arg(1000 + i, 7, 10, QLatin1Char('0')));
    addLogLine(db, QStringLiteral("E001"), QStringLiteral("Pharmacy"), QDateTime(d9, QTime(13, 5)),
               QStringLiteral("Cancelled Request ItemID# : AMOX500 | Under Patient : O'NEIL, MARY"));
    addLogLine(db, QStringLiteral("E001"), QStringLiteral("Pharmacy"), QDateTime(d9, QTime(23, 59, 59)),
               QStringLiteral("Logout User : JUAN DELA CRUZ"));
    addLogLine(db, QStringLiteral("E001"), QStringLiteral("Pharmacy"), QDateTime(d9.addDays(1), QTime(0, 0)),
               QStringLiteral("next day: left out"));
    addLogLine(db, QStringLiteral("E001"), QStringLiteral("Pharmacy"), QDateTime(d7.addDays(-1), QTime(23, 59, 59)),
               QStringLiteral("day before: left out"));
    addLogLine(db, QStringLiteral("E002"), QStringLiteral("Pharmacy"), QDateTime(d8, QTime(9, 0)),
               QStringLiteral("another user: left out"));
    addLogLine(db, QStringLiteral("E001"), QStringLiteral("Billing"), QDateTime(d8, QTime(9, 0)),
               QStringLiteral("another module: left out"));
    tx.commit();
}

inline std::shared_ptr<Report> openAuditTrail(Connection& db, const QString& reportsFolder) {
    auto r = Report::open(reportsFolder + QStringLiteral("/rptAuditTrail.rpt"));
    r->setConnection(&db);
    r->setPrintTime(fixedPrintTime());
    r->setParameterValues({QStringLiteral("ST. RAPHAEL GENERAL HOSPITAL"), QStringLiteral("12 Mabini St., Cebu City"),
                           QStringLiteral("E001"), QStringLiteral("12/07/2026"), QStringLiteral("12/09/2026"),
                           QStringLiteral("Pharmacy")});
    return r;
}

inline void stageChargeLine(Connection& db, const QString& key, const QString& patient, const QString& slip,
                            const QString& item, const QString& description, double qty, double price,
                            double discount) {
    db.execute(QStringLiteral("INSERT INTO tbPharmaChargePrint (UserID, RefNum, IdNum, ItemID, Description, Dosage, "
                              "Quantity, UnitPrice, Discount, Amount) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
               {key, slip, patient, item, description, QStringLiteral("1 tab"), qty, price, discount,
                qty * price - discount});
}

// Slip 0000123 of patient 1234 staged under TESTHOST, beside rows of another slip and key.
inline void fillChargeSlip(Connection& db) {
    const QString host = QStringLiteral("TESTHOST"), patient = QStringLiteral("1234"), slip = QStringLiteral("0000123");
    stageChargeLine(db, host, patient, slip, QStringLiteral("PARA500"), QStringLiteral("PARACETAMOL 500MG TABLET"), 2, 12.5, 0);
    stageChargeLine(db, host, patient, slip, QStringLiteral("AMOX500"),
                    QStringLiteral("AMOXICILLIN 500MG CAPSULE, \"GENERIC\" BRAND WITH A DESCRIPTION LONG ENOUGH TO WRAP ON THE SLIP"),
                    10, 3.75, 3.75);
    stageChargeLine(db, host, patient, slip, QStringLiteral("IVF1L"), QStringLiteral("D5LR 1 LITER"), 1, 1234.56, 0);
    stageChargeLine(db, host, patient, QStringLiteral("0000124"), QStringLiteral("X"), QStringLiteral("other slip"), 1, 1, 0);
    stageChargeLine(db, QStringLiteral("OTHERHOST"), patient, slip, QStringLiteral("Y"), QStringLiteral("other key"), 1, 1, 0);
}

// The charge slip with its header values given by name, as the slip screens give them.
inline std::shared_ptr<Report> openChargeSlip(Connection& db, const QString& reportsFolder) {
    auto r = Report::open(reportsFolder + QStringLiteral("/ChargeSlip.rpt"));
    r->setConnection(&db);
    r->setPrintTime(fixedPrintTime());
    r->setTitle(QStringLiteral("ST. RAPHAEL GENERAL HOSPITAL"));
    const QList<QPair<QString, QString>> values{
        {QStringLiteral("HOSPITALNAME"), QStringLiteral("ST. RAPHAEL GENERAL HOSPITAL")},
        {QStringLiteral("HOSPITALADDRESS"), QStringLiteral("12 Mabini St., Cebu City")},
        {QStringLiteral("NAME"), QStringLiteral("DELA CRUZ, JUAN P.")},
        {QStringLiteral("ADMNUM"), QStringLiteral("1234")},
        {QStringLiteral("@IDNUM"), QStringLiteral("1234")},
        {QStringLiteral("HOSPNUM"), QStringLiteral("000987")},
        {QStringLiteral("ROOM"), QStringLiteral("301-A")},
        {QStringLiteral("STATION"), QStringLiteral("3RD FLOOR")},
        {QStringLiteral("DOCTOR"), QStringLiteral("DR. REYES")},
        {QStringLiteral("AGE"), QStringLiteral("67")},
        {QStringLiteral("SEX"), QStringLiteral("M")},
        {QStringLiteral("ENCODER"), QStringLiteral("ANA SANTOS")},
        {QStringLiteral("ISSUEDBY"), QStringLiteral("BEN LIM")},
        {QStringLiteral("TRANSTYPE"), QStringLiteral("Original Copy")},
        {QStringLiteral("REFNUM"), QStringLiteral("0000123")},
        {QStringLiteral("@REFNUMBER"), QStringLiteral("0000123")},
        {QStringLiteral("@VARUSERID"), QStringLiteral("TESTHOST")},
        {QStringLiteral("TRANSDATE"), QStringLiteral("12/09/2026 02:05 PM")},
        {QStringLiteral("ACCOUNT"), QStringLiteral("")},
        {QStringLiteral("REMARKS"), QStringLiteral("Stat order")},
    };
    for (const auto& [name, value] : values) {
        ParameterField* f = r->findParameter(name);
        if (!f)
            throw std::runtime_error("ChargeSlip.rpt lacks " + name.toStdString());
        f->clearCurrentValues();
        f->addCurrentValue(value);
    }
    return r;
}

} // namespace qx::report::test
