#include "charging/clsCardNumber.h"

#include "charging/frmLookup.h"
#include "components/Connection.h"
#include "platform/Values.h"
#include "shell/Session.h"

namespace qx {

void clsCardNumber::reset() {
    code_.clear();
    description_.clear();
    status_.clear();
    cardTypeId_.clear();
    cardTypeName_.clear();
}

bool clsCardNumber::LoadCardNum(const QString& cardNum, const QString& cardTypeId) {
    if (cardNum == code_)
        return true;
    if (cardNum.isEmpty()) {
        reset();
        return true;
    }
    try {
        const std::optional<Recordset> rs = SQLConnection().callProcedure(
            QStringLiteral("Pharma_LoadCardInfo"),
            {{QStringLiteral("CardNum"), Trim(cardNum)}, {QStringLiteral("CardTypeID"), Trim(cardTypeId)}});
        if (!rs || rs->isEmpty()) {
            reset();
            return false;
        }
        code_ = Text(rs->value(QStringLiteral("CardNum")));
        description_ = Text(rs->value(QStringLiteral("CardHolder")));
        cardTypeId_ = Text(rs->value(QStringLiteral("CardTypeID")));
        cardTypeName_ = Text(rs->value(QStringLiteral("CardTypeName")));
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool clsCardNumber::SearchCardType(const QString& searchText) {
    QString cardTypeId;
    const QString code = frmLookup::Search(frmLookup::CardNumbers, searchText, &cardTypeId);
    if (code.isEmpty())
        return false;
    return LoadCardNum(code, cardTypeId);
}

} // namespace qx
