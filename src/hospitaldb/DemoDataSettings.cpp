// Demo data: hospital settings, switches, shifts, counters and the reference files.
#include "hospitaldb/Schema.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace qx::hospitaldb {
namespace {

// A demo doctor's signature: a scrawl of `loops` loops, as a 96 dpi BMP.
QByteArray demoSignature(int loops) {
    QImage image(180, 48, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(20, 30, 110), 2));
        QPainterPath path(QPointF(8, 30));
        for (int x = 8; x <= 172; x += 2)
            path.lineTo(x + 6 * std::sin(x * loops * 0.04), 24 + 14 * std::sin(x * loops * 0.02) * std::cos(x * 0.05));
        painter.drawPath(path);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

void fillSettings(Connection& c) {
    // The site code names no real site, so no site-specific behaviour is switched on.
    c.execute(QStringLiteral("INSERT INTO patient_data.tbHospitalInfo (Company, Address1, ClientName, ByGeneric, "
                             "PHECartLocID, PHCSRIdleTime, SeniorDiscount, CashEmployeeDiscount, CashEmployeeDiscount2) "
                             "VALUES (?, ?, ?, 0, ?, ?, ?, ?, ?)"),
              {QStringLiteral("DEMO GENERAL HOSPITAL"), QStringLiteral("1 HEALTH AVENUE, DEMO CITY"),
               QStringLiteral("DEMO"), QStringLiteral("20"), 600, 20.0, 10.0, 0.0});
    c.execute(QStringLiteral("INSERT INTO tbHospitalInfo (MaximumReceiptEntry, DefaultDiscount, GSISDependent, "
                             "GSISMember) VALUES (20, 1, 0, 0)"));
    c.execute(QStringLiteral("INSERT INTO billing.tbHospitalInfo (ActivateCashierRegularVATDeduction) VALUES ('0')"));
    c.execute(QStringLiteral("INSERT INTO tbPharmaDiscountType (SeniorCitizen, Cash, Employee, VAT) "
                             "VALUES (20, 0, 10, 12)"));
    c.execute(QStringLiteral("INSERT INTO tbPharmaMaxCharges (MaxCharges) VALUES (3000)"));

    // Every switch key the program reads, all off.
    QStringList pharmaKeys;
    for (int k = 1; k <= 101; ++k)
        pharmaKeys << QString::number(k);
    for (int k = 200; k <= 207; ++k)
        pharmaKeys << QString::number(k);
    for (const QString& key : pharmaKeys)
        c.execute(QStringLiteral("INSERT INTO tbPharmaSwitch (IDKey, KeyValue) VALUES (?, 0)"), {key});
    for (const char* key : {"89", "93", "103", "104", "106", "110"})
        c.execute(QStringLiteral("INSERT INTO tbInvSwitch (IDKey, KeyValue) VALUES (?, 0)"), {QString::fromLatin1(key)});

    c.execute(QStringLiteral("INSERT INTO tbShiftDesc (FirstShift, SecondShift, ThirdShift, FirstHr, FirstMin, "
                             "SecondHr, SecondMin, ThirdHr, ThirdMin) VALUES (?, ?, ?, 6, 0, 14, 0, 22, 0)"),
              {QStringLiteral("6:00 AM - 2:00 PM"), QStringLiteral("2:00 PM - 10:00 PM"),
               QStringLiteral("10:00 PM - 6:00 AM")});

    // Counters well past zero, so that every screen takes its ordinary numbering path.
    c.execute(QStringLiteral("UPDATE billing.tbAssessmentNum SET PreNumberAssessment = 1001, assessmentnum = 1001, "
                             "CMAdviseNum = 101, CMNumber = 101 WHERE id = 1"));

    c.execute(QStringLiteral("INSERT INTO station.tbNurseSetup (FIELD, Value) VALUES ('NoDirectReturnSupplies', '0')"));
}

void fillReferenceFiles(Connection& c) {
    struct Location { const char* id; const char* name; int warehouse; int dispensing; };
    for (const Location& l : {Location{"20", "MAIN PHARMACY", 0, 1}, Location{"186", "SATELLITE PHARMACY", 0, 1},
                              Location{"109", "SPECIAL PHARMACY", 0, 1}, Location{"21", "CENTRAL SUPPLY", 1, 0}})
        c.execute(QStringLiteral("INSERT INTO tbInvLocation (LocationID, Location, isWarehouse, isDispensingArea, "
                                 "Status, inventorytype) VALUES (?, ?, ?, ?, 'A', 'P')"),
                  {QString::fromLatin1(l.id), QString::fromLatin1(l.name), l.warehouse, l.dispensing});

    struct Revenue { const char* id; const char* name; const char* group; };
    for (const Revenue& r : {Revenue{"PH", "PHARMACY", ""}, Revenue{"PC", "PHARMACY CREDIT", ""},
                             Revenue{"CF", "SENIOR CITIZEN DISCOUNT", "D"}, Revenue{"PW", "PWD DISCOUNT", "D"},
                             Revenue{"EM", "EMPLOYEE DISCOUNT", "D"}, Revenue{"CZ", "CASH DISCOUNT", "D"}})
        c.execute(QStringLiteral("INSERT INTO build_file.tbCoRevenueCode (RevenueID, ItemName, LGRP, CashierActive, "
                                 "PHActive, RecordStatus) VALUES (?, ?, ?, 'Y', 'Y', 'A')"),
                  {QString::fromLatin1(r.id), QString::fromLatin1(r.name), QString::fromLatin1(r.group)});

    struct Discount { const char* code; const char* name; double rate; int typeA; int typeB; };
    for (const Discount& d : {Discount{"CF", "SENIOR CITIZEN", 20, 1, 0}, Discount{"PW", "PWD", 20, 1, 0},
                              Discount{"EM", "EMPLOYEE", 10, 0, 1}, Discount{"CZ", "CASH DISCOUNT", 5, 0, 1}}) {
        c.execute(QStringLiteral("INSERT INTO tbPharmaDiscounts (Discount, DiscountCode, DiscountName, TypeA, TypeB) "
                                 "VALUES (?, ?, ?, ?, ?)"),
                  {d.rate, QString::fromLatin1(d.code), QString::fromLatin1(d.name), d.typeA, d.typeB});
        c.execute(QStringLiteral("INSERT INTO build_file.tbCoDiscountRates (DiscountCode, RevenueID, Rate, ChargeAtCost) "
                                 "VALUES (?, 'PH', ?, 0)"),
                  {QString::fromLatin1(d.code), d.rate});
    }

    c.execute(QStringLiteral("INSERT INTO tbPharmaCardType (CardTypeID, CardTypeName, Status) VALUES "
                             "(1, 'LOYALTY CARD', 'A'), (2, 'MANUFACTURER CARD', 'A'), (3, 'OLD PRIVILEGE CARD', 'I')"));
    c.execute(QStringLiteral("INSERT INTO build_file.tbCoBusinessClass (Code, Description, isMedicine) VALUES "
                             "('MED', 'MEDICINES', 1), ('SUP', 'MEDICAL SUPPLIES', 0)"));

    struct Company { const char* account; const char* name; const char* cls; double limit; int outPrice; };
    for (const Company& co : {Company{"EMP", "DEMO GENERAL HOSPITAL EMPLOYEES", "S", 5000, 0},
                              Company{"C0001", "HARBOR SHIPPING CORPORATION", "I", 50000, 0},
                              Company{"C0002", "SUNRISE HEALTH PLAN", "I", 100000, 1}})
        c.execute(QStringLiteral("INSERT INTO build_file.tbCoCompany (AccountNum, Company, Class, CreditLimit, OutPrice) "
                                 "VALUES (?, ?, ?, ?, ?)"),
                  {QString::fromLatin1(co.account), QString::fromLatin1(co.name), QString::fromLatin1(co.cls),
                   co.limit, co.outPrice});

    // One doctor's S2 licence has lapsed, so that the dangerous-drug check has something to refuse.
    const QDate today = QDate::currentDate();
    struct Doctor { const char* id; const char* last; const char* first; const char* s2; int expiryYears; };
    for (const Doctor& d : {Doctor{"D001", "AGUILAR", "RAMON", "S2-10231", 2}, Doctor{"D002", "BELTRAN", "CLARA", "S2-10488", 1},
                            Doctor{"D003", "CORPUZ", "ERNESTO", "", 0}, Doctor{"D004", "DIZON", "LORNA", "S2-09911", -1},
                            Doctor{"D005", "ESTRADA", "MIGUEL", "S2-11020", 3}})
        c.execute(QStringLiteral("INSERT INTO build_file.tbCoDoctor (doctorid, LastName, FirstName, s2number, s2expiry) "
                                 "VALUES (?, ?, ?, ?, ?)"),
                  {QString::fromLatin1(d.id), QString::fromLatin1(d.last), QString::fromLatin1(d.first),
                   QString::fromLatin1(d.s2), QDateTime(today.addYears(d.expiryYears), QTime(0, 0))});

    // Licence numbers and a signature for the doctors whose prescriptions are printed.
    for (const char* id : {"D001", "D002"}) {
        const QString doctor = QString::fromLatin1(id);
        c.execute(QStringLiteral("UPDATE build_file.tbCoDoctor SET PRCNumber = ?, PTRNumber = ?, TINNumber = ? "
                                 "WHERE doctorid = ?"),
                  {QStringLiteral("PRC-0") + doctor.mid(1), QStringLiteral("PTR-26") + doctor.mid(1),
                   QStringLiteral("TIN-100-") + doctor.mid(1), doctor});
        c.execute(QStringLiteral("INSERT INTO build_file.tbDbImage (IDKey, FieldName, DbImage) VALUES (?, 'Doctor Sign', ?)"),
                  {doctor, demoSignature(doctor == QLatin1String("D001") ? 3 : 5)});
    }

    struct Station { const char* id; const char* name; };
    for (const Station& s : {Station{"2F", "2ND FLOOR NURSE STATION"}, Station{"3F", "3RD FLOOR NURSE STATION"},
                             Station{"ER", "EMERGENCY ROOM"}, Station{"OPD", "OUT-PATIENT DEPARTMENT"}})
        c.execute(QStringLiteral("INSERT INTO build_file.tbCoStation (StationID, Station, Status) VALUES (?, ?, 'A')"),
                  {QString::fromLatin1(s.id), QString::fromLatin1(s.name)});

    const char* const roomClasses[] = {"A", "B", "C"};
    for (int floor = 2; floor <= 3; ++floor) {
        for (int n = 1; n <= 6; ++n)
            c.execute(QStringLiteral("INSERT INTO build_file.tbCoRoom (RoomID, RoomClassID, StationID) VALUES (?, ?, ?)"),
                      {QString::number(floor * 100 + n), QString::fromLatin1(roomClasses[(n - 1) / 2]),
                       QString::number(floor) + QLatin1Char('F')});
    }
    c.execute(QStringLiteral("INSERT INTO build_file.tbCoRoom (RoomID, RoomClassID, StationID) VALUES ('OP', 'A', 'OPD')"));
}

const DemoRegistration settingsDemo{{100, QStringLiteral("hospital settings, switches and counters"), fillSettings}};
const DemoRegistration referenceFilesDemo{{101, QStringLiteral("locations, codes, companies, doctors, stations, rooms"),
                                   fillReferenceFiles}};

} // namespace
} // namespace qx::hospitaldb
