#pragma once
#include "components/Connection.h"
#include "components/DrugCatalog.h"

#include <QDateTime>

namespace qx::suite {

// One stock-card line with its values named; built from the positional AppendStockCard values.
struct StockCardLine {
    QString hospNum, idNum, itemId, refNum, userId, dosageId, requestById, locationId, targetLocationId, roomId;
    QDateTime transDate;  // invalid = the server's clock
    double quantity = 0, quantityRec = 0, amount = 0, dispenserCode = 0;
    int shift = 0, communication = 0, postOrReturn = 1;
    QString summaryCode, revenueId, clinicId, itemType, remark, requestNumber, inOut;
    QString creditMemoNum;  // only for returns (2) and corrections (3)
    QString auxValue;       // position 25 of any other line, kept as given
    QString sequence;       // staging key (workstation or employee)
    QString acctNum;

    // Maps the callers' positions (24, 25, 28 or 31 values) with the defaults of omitted ones.
    static StockCardLine fromArgs(const DrugCatalog::StockCardArgs& args);
    bool isCredit() const { return postOrReturn == 2 || postOrReturn == 3; }
};

// Posts stock-card lines: the line, the stock on hand and running balance at the location (moved
// relative to the locked stock row, never from an earlier read), the print-staging row, the new
// out-patient visit of "NEWOPD" lines, and the served mark of a linked nursing request. Runs on
// the caller's transaction, or in one of its own when the caller has none.
class DrugCatalogStockCard {
public:
    explicit DrugCatalogStockCard(Connection& c) : c_(c) {}
    void post(StockCardLine line);

    static QString correctionSummaryCode() { return QStringLiteral("PA"); }

private:
    QString resolveNewVisit(const StockCardLine& line);
    QString chargeDescription(const QString& itemId);
    void stage(const StockCardLine& line);
    Connection& c_;
};

} // namespace qx::suite
