// Demo data: the item master, stock and prices at the two pharmacies, and stock-card history.
#include "hospitaldb/Schema.h"

#include <cmath>

namespace qx::hospitaldb {
namespace {

struct Item {
    const char* name;
    const char* desc;
    const char* cls;
    const char* unit;
    double cost;
    int onHandMain;      // location "20"
    int onHandSatellite; // location "186"
    int minStock;
};

// Generic names only. A few items sit at or below their critical level at the main pharmacy.
const Item kItems[] = {
    {"PARACETAMOL", "500 MG TABLET", "C02", "TAB", 0.85, 1200, 300, 200},
    {"AMOXICILLIN", "500 MG CAPSULE", "C01", "CAP", 3.20, 800, 200, 150},
    {"CEFUROXIME", "500 MG TABLET", "C01", "TAB", 18.75, 240, 60, 50},
    {"AZITHROMYCIN", "500 MG TABLET", "C01", "TAB", 32.50, 30, 20, 40},
    {"CIPROFLOXACIN", "500 MG TABLET", "C01", "TAB", 6.40, 300, 80, 60},
    {"METFORMIN", "500 MG TABLET", "C03", "TAB", 1.90, 900, 250, 150},
    {"AMLODIPINE", "5 MG TABLET", "C03", "TAB", 2.35, 700, 150, 120},
    {"LOSARTAN", "50 MG TABLET", "C03", "TAB", 4.10, 650, 150, 120},
    {"ATORVASTATIN", "20 MG TABLET", "C03", "TAB", 7.80, 400, 100, 80},
    {"OMEPRAZOLE", "20 MG CAPSULE", "C02", "CAP", 3.60, 500, 120, 100},
    {"SALBUTAMOL", "2 MG TABLET", "C07", "TAB", 1.15, 350, 90, 60},
    {"CETIRIZINE", "10 MG TABLET", "C07", "TAB", 1.40, 420, 100, 80},
    {"IBUPROFEN", "400 MG TABLET", "C02", "TAB", 1.75, 600, 150, 100},
    {"MEFENAMIC ACID", "500 MG CAPSULE", "C02", "CAP", 1.60, 550, 150, 100},
    {"ASCORBIC ACID", "500 MG TABLET", "C06", "TAB", 0.95, 1000, 300, 150},
    {"FERROUS SULFATE", "325 MG TABLET", "C06", "TAB", 0.70, 800, 200, 100},
    {"FOLIC ACID", "5 MG TABLET", "C06", "TAB", 0.55, 600, 150, 100},
    {"METOPROLOL", "50 MG TABLET", "C03", "TAB", 2.80, 450, 100, 80},
    {"FUROSEMIDE", "40 MG TABLET", "C03", "TAB", 1.25, 8, 40, 60},
    {"CLOPIDOGREL", "75 MG TABLET", "C03", "TAB", 9.50, 300, 80, 60},
    {"GLICLAZIDE", "80 MG TABLET", "C03", "TAB", 3.30, 350, 90, 60},
    {"CEFTRIAXONE", "1 G VIAL", "C01", "VIAL", 85.00, 120, 30, 30},
    {"AMPICILLIN", "500 MG VIAL", "C01", "VIAL", 28.00, 90, 20, 25},
    {"METRONIDAZOLE", "500 MG/100 ML IV", "C01", "BOT", 45.00, 60, 15, 20},
    {"RANITIDINE", "50 MG/2 ML AMPULE", "C02", "AMP", 14.50, 150, 40, 30},
    {"DEXAMETHASONE", "4 MG/ML AMPULE", "C07", "AMP", 12.25, 140, 30, 30},
    {"HYDROCORTISONE", "100 MG VIAL", "C07", "VIAL", 65.00, 45, 10, 15},
    {"INSULIN REGULAR", "100 IU/ML 10 ML VIAL", "C03", "VIAL", 420.00, 25, 5, 10},
    {"HEPARIN", "5,000 IU/ML 5 ML VIAL", "C03", "VIAL", 310.00, 20, 5, 20},
    {"SODIUM CHLORIDE", "0.9% 1 L IV SOLUTION", "C05", "BOT", 55.00, 200, 40, 50},
    {"DEXTROSE 5% IN LACTATED RINGER'S", "1 L IV SOLUTION", "C05", "BOT", 62.00, 180, 40, 50},
    {"LACTATED RINGER'S", "1 L IV SOLUTION", "C05", "BOT", 58.00, 160, 40, 50},
    {"MORPHINE SULFATE", "10 MG/ML AMPULE", "C04", "AMP", 95.00, 40, 0, 10},
    {"TRAMADOL", "50 MG CAPSULE", "C04", "CAP", 8.90, 200, 0, 40},
    {"DIAZEPAM", "5 MG TABLET", "C04", "TAB", 4.50, 150, 0, 30},
    {"ORAL REHYDRATION SALTS", "20.5 G SACHET", "C06", "SACH", 6.00, 300, 80, 60},
    {"LAGUNDI", "600 MG TABLET", "C07", "TAB", 2.10, 400, 100, 80},
    {"MULTIVITAMINS", "60 ML SYRUP", "C06", "BOT", 48.00, 90, 25, 20},
    {"SALBUTAMOL", "2.5 MG/2.5 ML NEBULE", "C07", "NEB", 16.00, 5, 30, 40},
    {"BUDESONIDE", "500 MCG/2 ML NEBULE", "C07", "NEB", 38.00, 80, 20, 20},
};

QString itemId(int index) { return QStringLiteral("D%1").arg(index + 1, 4, 10, QLatin1Char('0')); }

void fillCatalogue(Connection& c) {
    struct Code { const char* id; const char* name; };
    for (const Code& k : {Code{"C01", "ANTIBIOTICS"}, Code{"C02", "ANALGESICS AND GASTROINTESTINALS"},
                          Code{"C03", "CARDIOVASCULAR AND METABOLIC"}, Code{"C04", "DANGEROUS DRUGS"},
                          Code{"C05", "IV FLUIDS"}, Code{"C06", "VITAMINS AND MINERALS"},
                          Code{"C07", "RESPIRATORY AND OTHERS"}})
        c.execute(QStringLiteral("INSERT INTO tbInvClassification (ItemClassificationID, ItemClassificationName, "
                                 "Status, classificationtype) VALUES (?, ?, 'A', 'D')"),
                  {QString::fromLatin1(k.id),
                   // The dangerous-drug query matches the words "Dangerous Drug" in the class name.
                   QString::fromLatin1(k.id) == QLatin1String("C04") ? QStringLiteral("Dangerous Drug - Regulated")
                                                                     : QString::fromLatin1(k.name)});
    for (const Code& u : {Code{"TAB", "TABLET"}, Code{"CAP", "CAPSULE"}, Code{"VIAL", "VIAL"}, Code{"AMP", "AMPULE"},
                          Code{"BOT", "BOTTLE"}, Code{"SACH", "SACHET"}, Code{"NEB", "NEBULE"}})
        c.execute(QStringLiteral("INSERT INTO tbInvUnitOfMeasure (UnitOfMeasureID, UnitOfMeasure) VALUES (?, ?)"),
                  {QString::fromLatin1(u.id), QString::fromLatin1(u.name)});
    for (const Code& s : {Code{"S01", "NORTHGATE PHARMA SUPPLY"}, Code{"S02", "BLUE RIVER DISTRIBUTORS"},
                          Code{"S03", "MERIDIAN MEDICAL TRADING"}})
        c.execute(QStringLiteral("INSERT INTO tbInvSupplier (SupplierID, SupplierName) VALUES (?, ?)"),
                  {QString::fromLatin1(s.id), QString::fromLatin1(s.name)});

    const bool hasSellingPrices = c.columnExists(QString(), QStringLiteral("tbInvent"), QStringLiteral("SellingPriceIn")) &&
                                  c.columnExists(QString(), QStringLiteral("tbInvent"), QStringLiteral("SellingPriceOut"));
    QHash<QString, QString> genericIds;
    const int count = int(std::size(kItems));
    for (int i = 0; i < count; ++i) {
        const Item& it = kItems[i];
        const QString name = QString::fromLatin1(it.name);
        QString& genericId = genericIds[name];
        if (genericId.isEmpty()) {
            // Generic codes are numeric, as transcribed prescriptions carry them.
            genericId = QString::number(1000 + genericIds.size());
            c.execute(QStringLiteral("INSERT INTO tbForGeneric (GenericID, GenericName) VALUES (?, ?)"), {genericId, name});
        }
        const QString id = itemId(i);
        const bool dangerous = QString::fromLatin1(it.cls) == QLatin1String("C04");
        c.execute(QStringLiteral("INSERT INTO tbInvMaster (ItemID, ItemName, ItemDesc, Barcode, GenericID, UnitOfMeasureID, "
                                 "ItemClassificationID, SupplierID, PNF, isMDRP, MDRPDrugPrice, isSeniorDiscounted, "
                                 "isVATExempt, ItemStatus, Packing, AverageCost, ListCost, Unrestricted) "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?, 1, ?, ?, 1, ?, 0, 1, ?, ?, ?)"),
                  {id, name, QString::fromLatin1(it.desc), QStringLiteral("480%1").arg(1000000 + i * 7919, 10, 10, QLatin1Char('0')),
                   genericId, QString::fromLatin1(it.unit), QString::fromLatin1(it.cls),
                   QStringLiteral("S0%1").arg(i % 3 + 1), i % 9 == 4 ? 1 : 0, i % 9 == 4 ? roundToCentavos(it.cost * 1.1) : 0.0,
                   i % 7 == 5 ? 1 : 0, it.cost, it.cost, dangerous ? 0 : 1});
        const double priceIn = roundToCentavos(it.cost * 1.30);
        const double priceOut = roundToCentavos(it.cost * 1.20);
        for (const auto& [location, onHand] : {std::pair{QStringLiteral("20"), it.onHandMain},
                                               std::pair{QStringLiteral("186"), it.onHandSatellite}}) {
            c.execute(QStringLiteral("INSERT INTO tbInvent (ItemID, LocationID, OnHand, MinStockLevel, ItemStatus, "
                                     "HMOMarkupInPrice, HMOMarkupOutPrice, Packing, LastInventoryCount) "
                                     "VALUES (?, ?, ?, ?, 0, ?, ?, 1, ?)"),
                      {id, location, double(onHand), double(location == QLatin1String("20") ? it.minStock : it.minStock / 4),
                       roundToCentavos(it.cost * 1.40), roundToCentavos(it.cost * 1.35), double(onHand)});
            if (hasSellingPrices)
                c.execute(QStringLiteral("UPDATE tbInvent SET SellingPriceIn = ?, SellingPriceOut = ? "
                                         "WHERE ItemID = ? AND LocationID = ?"),
                          {priceIn, priceOut, id, location});
        }
    }
}

// For each item at the main pharmacy: a delivery some days ago, then issues to admitted
// patients and one credit, each line carrying the running balance that ends at today's stock.
void fillStockCards(Connection& c) {
    Recordset admissions = c.query(QStringLiteral("SELECT IDNum, HospNum FROM patient_data.tbPatient ORDER BY IDNum"));
    if (admissions.isEmpty())
        return;
    const QDate today = QDate::currentDate();
    int slip = 0;
    const int count = int(std::size(kItems));
    for (int i = 0; i < count; ++i) {
        const Item& it = kItems[i];
        const QString id = itemId(i);
        const double priceIn = roundToCentavos(it.cost * 1.30);
        struct Move { const char* code; int quantity; int patient; int daysAgo; };
        const int q = 1 + i % 5;
        const Move moves[] = {{"PH", q * 2, i % admissions.recordCount(), 3},
                              {"PH", q, (i + 3) % admissions.recordCount(), 2},
                              {"PC", 1, i % admissions.recordCount(), 1},
                              {"PH", q + 1, (i + 5) % admissions.recordCount(), 0}};
        int issued = 0;
        for (const Move& m : moves)
            issued += QLatin1String(m.code) == QLatin1String("PH") ? m.quantity : -m.quantity;
        double balance = it.onHandMain + issued;
        c.execute(QStringLiteral("INSERT INTO tbInvStockCard (RefNum, ItemID, IdNum, HospNum, SummaryCode, LocationID, "
                                 "TransDate, Quantity, Balance, SequenceNumber, CreditMemoNum, Amount, Remarks) "
                                 "VALUES (?, ?, '', '', 'RR', '20', ?, ?, ?, 1, '', ?, ?)"),
                  {QStringLiteral("RR%1").arg(i + 1, 6, 10, QLatin1Char('0')), id,
                   QDateTime(today.addDays(-5), QTime(9, 0)), balance, balance, roundToCentavos(balance * it.cost),
                   QStringLiteral("DELIVERY FROM CENTRAL SUPPLY")});
        QString lastIssueSlip;
        int lastIssuePatient = -1;
        for (const Move& m : moves) {
            const bool issue = QLatin1String(m.code) == QLatin1String("PH");
            balance += issue ? -m.quantity : m.quantity;
            QString refNum;
            QString creditMemo;
            if (issue) {
                refNum = QStringLiteral("%1").arg(++slip, 8, 10, QLatin1Char('0'));
                lastIssueSlip = refNum;
                lastIssuePatient = m.patient;
            } else {
                // A return credits the slip of the patient's issue under its own credit-memo number.
                refNum = lastIssueSlip;
                creditMemo = QStringLiteral("RC%1").arg(i + 1, 8, 10, QLatin1Char('0'));
            }
            const int patient = issue ? m.patient : lastIssuePatient;
            c.execute(QStringLiteral("INSERT INTO tbInvStockCard (RefNum, ItemID, IdNum, HospNum, SummaryCode, LocationID, "
                                     "TransDate, Quantity, Balance, SequenceNumber, CreditMemoNum, Amount, VerifyID) "
                                     "VALUES (?, ?, ?, ?, ?, '20', ?, ?, ?, 1, ?, ?, '')"),
                      {refNum, id, admissions.valueAt(patient, QStringLiteral("IDNum")),
                       admissions.valueAt(patient, QStringLiteral("HospNum")), QString::fromLatin1(m.code),
                       QDateTime(today.addDays(-m.daysAgo), QTime(10 + i % 8, (7 * i) % 60)), double(m.quantity), balance,
                       creditMemo, roundToCentavos(m.quantity * priceIn)});
        }
    }
}

const DemoRegistration catalogueDemo{{120, QStringLiteral("items, stock and prices"), fillCatalogue}};
const DemoRegistration stockCardsDemo{{121, QStringLiteral("stock-card history"), fillStockCards}};

} // namespace
} // namespace qx::hospitaldb
