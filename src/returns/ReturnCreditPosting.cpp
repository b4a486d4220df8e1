#include "returns/ReturnCreditPosting.h"

#include "charging/ChargePosting.h"
#include "charging/PrintStaging.h"
#include "components/Connection.h"
#include "hospitaldb/DocumentCounter.h"
#include "platform/Values.h"

#include <QHash>
#include <memory>

namespace qx {

namespace {
QString argText(const DrugCatalog::StockCardArgs& args, int position) {
    const std::optional<QVariant>& value = args[position];
    return value ? value->toString() : QString();
}

[[noreturn]] void refuse(const CreditLine& line, const QString& why) {
    throw SaveRefused{SaveRefusal{line.name + why, vbExclamation, QString(), nullptr}};
}

// Every line's item still at the location, and no issue credited beyond what is left of it.
void checkLines(Connection& con, DrugCatalog::Drug& drug, const CreditMemoSave& save) {
    if (save.itemLocation)
        for (const CreditLine& line : save.lines)
            if (!drug.SearchDrug(line.itemCode(), *save.itemLocation))
                refuse(line, QStringLiteral(" is no longer found at this location.  Please check."));
    if (!save.withinNetIssued)
        return;
    // Lines of one issue count together.
    QHash<QString, double> credited;
    for (const CreditLine& line : save.lines) {
        const QString issue = line.patientId().trimmed() + QChar(0x1F) + line.chargeSlip() + QChar(0x1F) + line.itemCode();
        credited[issue] += line.quantity();
        const double left = NetIssuedQuantity(con, line.patientId().trimmed(), line.chargeSlip(), line.itemCode());
        // Quantities are whole or a few decimals: a hair of rounding is not a surplus.
        if (credited[issue] > left + 1e-9)
            refuse(line, QStringLiteral(" is more than what is left to take back of charge slip ") + line.chargeSlip() +
                             QStringLiteral(" (") + Text(left) + QStringLiteral(").  Please check."));
    }
}
} // namespace

QString CreditLine::patientId() const { return argText(args, 2); }
QString CreditLine::itemCode() const { return Trim(argText(args, 3)); }
QString CreditLine::chargeSlip() const { return Trim(argText(args, 5)); }
double CreditLine::quantity() const { return args[6] ? args[6]->toDouble() : 0; }

double NetIssuedQuantity(Connection& con, const QString& patientId, const QString& chargeSlip, const QString& itemCode) {
    const QVariantList binds{Trim(chargeSlip), Trim(itemCode), Trim(patientId)};
    if (con.inTransaction() && !con.isSQLite())
        con.query(QStringLiteral("SELECT id FROM tbInvStockCard WHERE RefNum = ? AND ItemID = ? AND IdNum = ? "
                                 "AND SummaryCode = 'PH' FOR UPDATE"),
                  binds);
    // Returns carry 'PC'; corrections are told by their kind of line, whatever code they carry.
    Recordset rs = con.query(
        QStringLiteral("SELECT COALESCE(SUM(CASE WHEN SummaryCode = 'PC' OR PostOrReturn IN (2, 3) THEN -Quantity "
                       "ELSE Quantity END), 0) AS Net FROM tbInvStockCard WHERE RefNum = ? AND ItemID = ? AND IdNum = ? "
                       "AND (SummaryCode IN ('PH', 'PC') OR PostOrReturn IN (2, 3))"),
        binds);
    return rs.value(0).toDouble();
}

void SetCreditMemoRemarks(Connection& con, const QString& number, const QString& remarks) {
    con.execute(QStringLiteral("UPDATE tbInvStockCard SET Remarks = ? WHERE CreditMemoNum = ?"), {remarks, number});
    con.execute(QStringLiteral("UPDATE tbPharmaCMPrint SET Remarks = ? WHERE RefNum = ?"), {remarks, number});
}

RequestCreditMemoSeries::RequestCreditMemoSeries(Connection& con, DrugCatalog::ChargeslipNumbers& numbers,
                                                 CreditMemoSeries::Kind kind, QString requestNumber)
    : con_(con), numbers_(numbers), fallback_(numbers, kind), kind_(kind), requestNumber_(std::move(requestNumber)) {}

QString RequestCreditMemoSeries::current() {
    return Trim(requestNumber_).isEmpty() ? fallback_.current() : Trim(requestNumber_);
}

QString RequestCreditMemoSeries::claim(const QString& idNum, const QString& claimedBy) {
    const QString request = Trim(requestNumber_);
    const QString kind = kind_ == CreditMemoSeries::Kind::CreditMemo ? QStringLiteral("CM") : QStringLiteral("AS");
    if (!request.isEmpty() && !CreditMemoExists(con_, request) &&
        hospitaldb::reserveDocumentNumber(con_, kind, request, idNum, claimedBy)) {
        // The counter moves on once, as when its own number is used.
        if (kind_ == CreditMemoSeries::Kind::CreditMemo)
            numbers_.UpdateCreditMemo();
        else
            numbers_.UpdateAdjustmentSlip();
        return request;
    }
    return fallback_.claim(idNum, claimedBy);
}

CreditMemoPosted PostCreditMemo(Connection& con, DrugCatalog::Drug& drug, const CreditMemoSave& save) {
    std::unique_ptr<NumberSeries> series;
    if (save.numberPolicy == CreditNumberPolicy::RequestNumberFirst)
        series = std::make_unique<RequestCreditMemoSeries>(con, drug.Chargeslip(), save.kind, save.requestNumber);
    else
        series = std::make_unique<CreditMemoSeries>(drug.Chargeslip(), save.kind);

    ChargeSlipSave slip;
    slip.series = series.get();
    slip.drug = &drug;
    slip.idNum = save.idNum;
    slip.claimedBy = save.claimedBy;
    slip.shownNumber = save.shownNumber;
    slip.slipPosition = 25;
    slip.beforePosting = [&](Connection& c) {
        if (save.beforePosting)
            save.beforePosting(c);
        checkLines(c, drug, save);
    };
    for (const CreditLine& line : save.lines) {
        PostingLine posting;
        posting.row = line.row;
        posting.args = line.args;
        posting.itemCode = line.itemCode();
        slip.lines.push_back(posting);
    }
    slip.postLines = [&](Connection& c, const QString& number, const std::vector<PostingLine>&) {
        // The memo prints from what this save stages under the workstation, and only that.
        if (!save.stagingKey.isEmpty())
            EraseCreditMemoPrint(c, save.stagingKey, save.idNum, number);
        QVector<DrugCatalog::StockCardArgs> lines;
        for (const CreditLine& line : save.lines) {
            DrugCatalog::StockCardArgs args = line.args;
            args[25] = QVariant(number);
            lines.push_back(args);
        }
        drug.AppendStockCards(lines);
        if (save.afterLine)
            for (const CreditLine& line : save.lines)
                save.afterLine(c, number, line);
    };

    Transaction tx(con);
    const ChargeSlipPosted posted = PostChargeSlip(con, slip);
    CreditMemoPosted result{posted.slipNumber, posted.rows};
    if (save.afterPosting)
        save.afterPosting(con, result.posted() ? result.number : QString());
    tx.commit();
    return result;
}

std::optional<CreditMemoPosted> PostCreditMemoOrTell(Connection& con, DrugCatalog::Drug& drug,
                                                     const CreditMemoSave& save) {
    std::optional<CreditMemoPosted> posted;
    RunSaveOrTell([&] { posted = PostCreditMemo(con, drug, save); });
    return posted;
}

} // namespace qx
