// Demo data: the drug classes of the cash sale, and transcribed prescriptions of two admitted
// patients whose generics are in stock at the main pharmacy.
#include "hospitaldb/Schema.h"

namespace qx::hospitaldb {
namespace {

struct TranscribedLine {
    const char* idNum;
    const char* roomId;
    const char* genericName;
    double quantity;
    const char* dosage;
    const char* remarks;
};

const TranscribedLine kTranscribed[] = {
    {"260002", "202", "METFORMIN", 60, "1 TAB BID", "AFTER MEALS"},
    {"260002", "202", "AMLODIPINE", 30, "1 TAB OD", ""},
    {"260002", "202", "LOSARTAN", 30, "1 TAB OD", "MORNING"},
    {"260005", "205", "PARACETAMOL", 20, "1 TAB Q4H PRN", "FOR FEVER"},
    {"260005", "205", "AMOXICILLIN", 21, "1 CAP TID", "7 DAYS"},
};

void fillCashSales(Connection& c) {
    // Antibiotics, analgesics and dangerous drugs are class A, the maintenance drugs B, vitamins C;
    // IV fluids and the respiratory sundries go under supply receipts.
    for (const auto& [classification, letter] : {std::pair{"C01", "A"}, std::pair{"C02", "A"}, std::pair{"C04", "A"},
                                                 std::pair{"C03", "B"}, std::pair{"C06", "C"}, std::pair{"C05", "S"},
                                                 std::pair{"C07", "S"}})
        c.execute(QStringLiteral("UPDATE tbInvMaster SET DrugClass = ? WHERE ItemClassificationID = ?"),
                  {QString::fromLatin1(letter), QString::fromLatin1(classification)});

    const QDateTime now = c.serverNow();
    int n = 0;
    for (const TranscribedLine& t : kTranscribed) {
        Recordset generic = c.query(QStringLiteral("SELECT GenericID FROM tbForGeneric WHERE GenericName = ?"),
                                    {QString::fromLatin1(t.genericName)});
        if (generic.isEmpty())
            continue;
        ++n;
        c.execute(QStringLiteral("INSERT INTO tbPharmaTranscription (RequestNum, RefNumber, IdNum, RoomID, RevenueID, "
                                 "GenericID, GenericName, Quantity, Dosage, Remarks, RequestDate, RequestedBy, RecordStatus) "
                                 "VALUES (?, ?, ?, ?, 'PH', ?, ?, ?, ?, ?, ?, 'DEMO', '')"),
                  {QStringLiteral("TR%1").arg(n, 6, 10, QLatin1Char('0')), QStringLiteral("TN-") + QString::fromLatin1(t.idNum),
                   QString::fromLatin1(t.idNum), QString::fromLatin1(t.roomId), generic.value(0),
                   QString::fromLatin1(t.genericName), t.quantity, QString::fromLatin1(t.dosage),
                   QString::fromLatin1(t.remarks), now.addSecs(-3600 + 60 * n)});
    }
    c.execute(QStringLiteral("INSERT INTO tbInvPrescriptionOrders (IdNum, Orders) VALUES (?, ?)"),
              {QStringLiteral("260005"), QStringLiteral("PARACETAMOL FOR FEVER ABOVE 38.5; AMOXICILLIN FOR 7 DAYS")});
}

const DemoRegistration cashSalesDemo{{135, QStringLiteral("drug classes and transcribed prescriptions"), fillCashSales}};

} // namespace
} // namespace qx::hospitaldb
