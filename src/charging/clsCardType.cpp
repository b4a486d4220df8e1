#include "charging/clsCardType.h"

#include "charging/frmLookup.h"
#include "components/Connection.h"
#include "platform/Values.h"
#include "shell/Session.h"

namespace qx {

void clsCardType::reset() {
    code_ = 0;
    description_.clear();
    status_.clear();
}

bool clsCardType::LoadCardType(qint16 cardTypeId) {
    if (cardTypeId == code_)
        return true;
    if (cardTypeId == 0) {
        reset();
        return true;
    }
    try {
        const Recordset rs = SQLConnection().query(
            QStringLiteral("SELECT CardTypeID, CardTypeName FROM tbPharmaCardType WHERE CardTypeID = ?"), {cardTypeId});
        if (rs.isEmpty()) {
            reset();
            return false;
        }
        code_ = CInt(rs.value(QStringLiteral("CardTypeID")));
        description_ = Text(rs.value(QStringLiteral("CardTypeName")));
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool clsCardType::SearchCardType(const QString& searchText) {
    const QString code = frmLookup::Search(frmLookup::CardTypes, searchText);
    if (code.isEmpty())
        return false;
    return LoadCardType(CInt(Val(code)));
}

bool clsCardType::Update() {
    if (!activeConnection_)
        return false;
    try {
        Connection& con = *activeConnection_;
        // The id is claimed and written in one transaction, so that two workstations adding a
        // type at once do not both take the same id.
        Transaction tx(con);
        const Recordset existing =
            con.query(QStringLiteral("SELECT CardTypeID FROM tbPharmaCardType WHERE CardTypeID = ?"), {code_});
        if (existing.isEmpty()) {
            const Recordset next = con.query(QStringLiteral("SELECT MAX(CardTypeID) + 1 AS NewCode FROM tbPharmaCardType"));
            const QVariant newCode = next.value(QStringLiteral("NewCode"));
            const qint64 id = IsNull(newCode) ? 1 : newCode.toLongLong();
            con.execute(QStringLiteral("INSERT INTO tbPharmaCardType (CardTypeID, CardTypeName, Status) VALUES (?, ?, ?)"),
                        {id, description_, status_});
        } else {
            con.execute(QStringLiteral("UPDATE tbPharmaCardType SET CardTypeName = ?, Status = ? WHERE CardTypeID = ?"),
                        {description_, status_, code_});
        }
        tx.commit();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace qx
