#pragma once
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "hospitaldb/StockLedger.h"

#include <QHash>
#include <QVector>

namespace qx::suite {

// One stock-card line read from the positional AppendStockCard values.
struct StockCardLine : hospitaldb::StockCardEntry {
    // Maps the callers' positions (24, 25, 28 or 31 values) with the defaults of omitted ones.
    // A return (2) or correction (3) carries its credit memo in position 25; any other line
    // keeps that value as given in auxValue.
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
    void post(const StockCardLine& line) { postAll({line}); }
    // Posts the lines of one save in order, as posting them one by one would, in a few statements;
    // all of them or, when any line fails, none.
    void postAll(QVector<StockCardLine> lines);

    static QString correctionSummaryCode() { return QStringLiteral("PA"); }

private:
    QHash<QString, QString> chargeDescriptions(const QVector<StockCardLine>& lines);
    QString resolveNewVisit(const StockCardLine& line);
    void markServed(const QVector<StockCardLine>& lines);
    void stage(const QVector<StockCardLine>& lines, const QHash<QString, QString>& descriptions);
    Connection& c_;
};

} // namespace qx::suite
