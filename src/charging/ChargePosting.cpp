#include "charging/ChargePosting.h"

#include "charging/Numbering.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "components/RowBatches.h"
#include "shell/UserLog.h"

#include <QWidget>

namespace qx {

bool RunSaveChecks(const std::vector<SaveCheck>& checks) {
    for (const SaveCheck& check : checks) {
        const std::optional<SaveRefusal> refusal = check();
        if (!refusal)
            continue;
        MsgBox(refusal->text, refusal->style, refusal->title);
        if (refusal->focus && refusal->focus->isEnabled())
            refusal->focus->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

ChargeSlipPosted PostChargeSlip(Connection& con, const ChargeSlipSave& save) {
    ChargeSlipPosted posted;
    posted.slipNumber = save.shownNumber;
    Transaction tx(con);
    if (!save.lines.empty()) {
        posted.slipNumber = ClaimNumber(con, *save.series, save.idNum, save.claimedBy);
        if (!save.stagingKey.isEmpty())
            con.callProcedure(QStringLiteral("Pharma_EraseCharge"), {{QStringLiteral("@strUserID"), save.stagingKey},
                                                                     {QStringLiteral("@strIdNum"), save.idNum},
                                                                     {QStringLiteral("@strRefNum"), posted.slipNumber}});
        QVector<DrugCatalog::StockCardArgs> lines;
        lines.reserve(int(save.lines.size()));
        for (const PostingLine& line : save.lines) {
            DrugCatalog::StockCardArgs args = line.args;
            args[save.slipPosition] = QVariant(posted.slipNumber);
            lines.push_back(args);
            posted.rows.push_back(line.row);
        }
        save.drug->AppendStockCards(lines);
        if (save.afterPosting)
            save.afterPosting(con, posted.slipNumber, save.lines);
    }
    if (save.userLog) {
        const QString activity = save.userLog(posted.slipNumber);
        if (!activity.isEmpty())
            SaveUserLog(con, activity);
    }
    tx.commit();
    return posted;
}

namespace {
void updateSlipLines(Connection& con, const QString& assignment, const QVariant& value, const QString& slipNumber,
                     const QStringList& itemCodes) {
    if (itemCodes.isEmpty())
        return;
    QVariantList binds{value, slipNumber.trimmed()};
    for (const QString& code : itemCodes)
        binds << code.trimmed();
    con.execute(QStringLiteral("UPDATE tbInvStockCard SET %1 WHERE RefNum = ? AND ItemID IN (%2)")
                    .arg(assignment, placeholderList(int(itemCodes.size()))),
                binds);
}
} // namespace

void SetStockCardVerifier(Connection& con, const QString& slipNumber, const QStringList& itemCodes,
                          const QString& verifyId) {
    updateSlipLines(con, QStringLiteral("VerifyID = ?"), verifyId, slipNumber, itemCodes);
}

void SetStockCardDirectTransaction(Connection& con, const QString& slipNumber, const QStringList& itemCodes,
                                   bool direct) {
    updateSlipLines(con, QStringLiteral("isDirectTransaction = ?"), direct ? 1 : 0, slipNumber, itemCodes);
}

void LogOverStockChoices(Connection& con, const std::vector<PostingLine>& lines, const QString& employeeCode) {
    for (const PostingLine& line : lines) {
        if (line.overStockChoice.isEmpty())
            continue;
        con.callProcedure(QStringLiteral("sp_Pharma_LogChoice"), {{QStringLiteral("@Choice"), line.overStockChoice},
                                                                  {QStringLiteral("@ItemID"), line.itemCode},
                                                                  {QStringLiteral("@Quantity"), line.quantity},
                                                                  {QStringLiteral("@OnHand"), line.stockOnHand},
                                                                  {QStringLiteral("@UserID"), employeeCode}});
    }
}

} // namespace qx
