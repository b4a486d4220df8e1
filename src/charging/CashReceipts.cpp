#include "charging/CashReceipts.h"

#include "charging/PrintStaging.h"
#include "charging/StockCard.h"
#include "components/AppError.h"
#include "components/Connection.h"
#include "components/Locations.h"
#include "components/TillNumbers.h"
#include "hospitaldb/DocumentCounter.h"
#include "platform/ErrorHandling.h"
#include "platform/Values.h"
#include "shell/ReportOpening.h"

namespace qx {

namespace {
const QString kReceiptClaimKind = QStringLiteral("OR");
const QString kCashReceiptsModule = QStringLiteral("CashReceipts");
} // namespace

QString PadNumber(const QString& number, int width) {
    return number.size() >= width ? number : QString(width - number.size(), QLatin1Char('0')) + number;
}

QString CashReceiptNumber(double cashNumber) { return QStringLiteral("PH") + PadNumber(Text(cashNumber), 8); }

bool FoundCISlip(Connection& con, const QString& receiptNumber) {
    return !con.query(QStringLiteral("SELECT CISlip FROM tbPharmaCashStockCard WHERE CISlip = ? LIMIT 1"), {Trim(receiptNumber)})
                .isEmpty();
}

CashReceiptSeries::CashReceiptSeries(Connection& con, TillNumbers::CashNumbers& numbers) : con_(con), numbers_(numbers) {}

QString CashReceiptSeries::current() {
    numbers_.GetNumbers();
    return CashReceiptNumber(numbers_.CashNumber());
}

QString CashReceiptSeries::claim(const QString& idNum, const QString& claimedBy) {
    numbers_.GetNumbers();
    for (int tries = 0; tries < hospitaldb::kMaxDocumentClaimTries; ++tries) {
        const QString number = CashReceiptNumber(numbers_.CashNumber());
        if (!FoundCISlip(con_, number) && hospitaldb::reserveDocumentNumber(con_, kReceiptClaimKind, number, idNum, claimedBy))
            return number;
        numbers_.UpdateCashNumbers(advanceKind_);
        numbers_.GetNumbers();
    }
    throw AppError(kDbErrorNumber, QStringLiteral("CashReceiptSeries.claim"),
                   QStringLiteral("No free receipt number was found after %1 tries.").arg(hospitaldb::kMaxDocumentClaimTries));
}

bool IsDrugClass(const QString& classLetter) {
    const QString letter = Trim(classLetter);
    return letter == QLatin1String("A") || letter == QLatin1String("B") || letter == QLatin1String("C");
}

namespace {

struct ReceiptPass {
    Connection& con;
    TillNumbers::CashNumbers& numbers;
    CashReceiptSeries& series;
    const CashSale& sale;
    const QString& transDate;
    QVector<CashSaleReceipt>& receipts;

    void post(const CashSaleLine& line, bool drug) {
        CashSaleReceipt& receipt = receipts.back();
        const QString patient = Trim(sale.patientName);
        const QString idNum = patient == QLatin1String("CASH") ? QStringLiteral("CASH") : receipt.number;
        // Drug lines are always issued from the main pharmacy.
        AppendStockCard(con, QStringLiteral("CASH"), idNum, Trim(line.itemId), transDate, receipt.number, line.quantity, 0,
                        line.amount, sale.employeeCode, line.remarks, sale.employeeCode,
                        drug ? kMainPharmacyLocation : sale.locationId, QString(), QString(), QStringLiteral("PH"),
                        QStringLiteral("PH"), QStringLiteral("*"), QStringLiteral("D"), QString(), line.requestNumber,
                        QStringLiteral("O"), 0, 1, Format(Round(sale.discountRate), QStringLiteral("###")),
                        line.marked ? 1 : 0, patient, receipt.sequence, sale.reportDate, sale.shift,
                        drug && sale.senior ? 1 : 0, line.typeDiscount, QString(),
                        drug ? Trim(sale.doctor) : sale.doctor);
        con.execute(QStringLiteral("INSERT INTO tbPharmaCashStockCard (CISlip) VALUES (?)"), {receipt.number});
        con.execute(QStringLiteral("INSERT INTO tbPharmaCashPrint (UserID, RefNum, ItemID, Description, Quantity, Amount) "
                                   "VALUES (?, ?, ?, ?, ?, ?)"),
                    {sale.hostId, receipt.number, Trim(line.itemId), line.description, line.quantity, line.amount});
        ++receipt.lines;
    }

    // The lines of one group, seven to a receipt; the first receipt's number is given.
    void postGroup(const QVector<const CashSaleLine*>& lines, bool drug, QString firstNumber) {
        const int kind = drug ? 1 : 2;
        series.setAdvanceKind(kind);
        int counter = 0;
        for (const CashSaleLine* line : lines) {
            if (counter == kLinesPerReceipt || receipts.isEmpty() || !firstNumber.isEmpty()) {
                QString number = firstNumber;
                firstNumber.clear();
                if (number.isEmpty()) {
                    numbers.UpdateCashNumbers(kind);
                    number = series.claim(sale.patientName, sale.employeeCode);
                }
                const double sequence = drug ? numbers.DrugNumber() : numbers.NonDrugNumber();
                receipts.push_back({number, (drug ? QStringLiteral("PH") : QStringLiteral("SC")) + Text(sequence), 0});
                counter = 1;
            } else {
                ++counter;
            }
            post(*line, drug);
        }
    }
};

} // namespace

QVector<CashSaleReceipt> PostCashSale(Connection& con, TillNumbers::CashNumbers& numbers, const CashSale& sale) {
    QVector<const CashSaleLine*> drugLines;
    QVector<const CashSaleLine*> otherLines;
    for (const CashSaleLine& line : sale.lines)
        (IsDrugClass(line.classLetter) ? drugLines : otherLines).push_back(&line);
    QVector<CashSaleReceipt> receipts;
    if (drugLines.isEmpty() && otherLines.isEmpty())
        return receipts;

    Transaction tx(con);
    // The transaction date is the server's day, as the workstation's short date would give it.
    const QString transDate = Format(con.serverNow(), QStringLiteral("mm/dd/yyyy"));
    CashReceiptSeries series(con, numbers);
    series.setAdvanceKind(1);
    const QString first = series.claim(sale.patientName, sale.employeeCode);
    DeleteCashPrint(con, sale.hostId);

    ReceiptPass pass{con, numbers, series, sale, transDate, receipts};
    if (!drugLines.isEmpty())
        pass.postGroup(drugLines, true, first);
    if (!otherLines.isEmpty()) {
        QString nonDrugFirst = first;
        if (!drugLines.isEmpty()) {
            numbers.UpdateCashNumbers(4);
            series.setAdvanceKind(2);
            nonDrugFirst = series.claim(sale.patientName, sale.employeeCode);
        }
        pass.postGroup(otherLines, false, nonDrugFirst);
    }
    tx.commit();
    return receipts;
}

void OpenCashReceipts(const QString& hostId, double seniorRate, const QString& position) {
    generalProcedure(kCashReceiptsModule, QStringLiteral("OpenCashReceipts"), [&] {
        const QVariantMap parameters{
            {QStringLiteral("@STRUSERID"), hostId},
            {QStringLiteral("REMARKS"), QStringLiteral("Senior Citizen Discount (") + Str(seniorRate) + QStringLiteral("%)")},
            {QStringLiteral("POSITION"), position}};
        OpenCrystalReportByName(ResolveReportPath(QStringLiteral("ORPrint.rpt")), QStringLiteral("Inventory"), parameters);
    });
}

void PrintCashReceipts(const QString& hostId, double seniorRate, const QString& position) {
    generalProcedure(kCashReceiptsModule, QStringLiteral("PrintCashReceipts"), [&] {
        OpenCashReceipts(hostId, seniorRate, position);
        ShowCrystalReport(false, QString(), true, false);
    });
}

} // namespace qx
