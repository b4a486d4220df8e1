// Procedures of the discount-card registration and of the discount percentages editor.
#include "components/AppError.h"
#include "components/Connection.h"
#include "components/Procedures.h"

namespace qx::hospitaldb {
namespace {

using namespace procparams;

// The registered card with its type's name; no row for a number not registered. Numbers are
// compared without surrounding blanks or letter case.
const ProcedureRegistration loadCardMaster{{
    QStringLiteral("sp_Pharma_LoadCardMaster"),
    {text("@CardNum", 30)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return c.query(QStringLiteral("SELECT M.CardNum AS CardNum, M.LastName AS LastName, M.FirstName AS FirstName, "
                                      "M.MiddleName AS MiddleName, CAST(M.CardTypeID AS TEXT) AS CardTypeID, "
                                      "T.CardTypeName AS CardType, M.ExpiryDate AS ExpiryDate "
                                      "FROM tbPharmaCardMaster M LEFT OUTER JOIN tbPharmaCardType T ON T.CardTypeID = M.CardTypeID "
                                      "WHERE M.CardNumFolded = UPPER(TRIM(?))"),
                       {a.text(QStringLiteral("CARDNUM"))});
    }}};

// The card type id as the registration window sends it: empty for none, else a whole number.
QVariant cardTypeId(const QString& typed) {
    const QString id = typed.trimmed();
    if (id.isEmpty())
        return QVariant(QMetaType::fromType<qint64>());
    bool ok = false;
    const qint64 value = id.toLongLong(&ok);
    if (!ok)
        throw AppError(kDbErrorNumber, QStringLiteral("sp_Pharma_SaveCardMaster"),
                       QStringLiteral("The card type id '%1' is not a number.").arg(typed));
    return value;
}

// Registers the card, or rewrites the registration of a number already registered.
const ProcedureRegistration saveCardMaster{{
    QStringLiteral("sp_Pharma_SaveCardMaster"),
    {text("@CardNum", 30), text("@LastName", 50), text("@FirstName", 50), text("@MiddleName", 50),
     text("@CardTypeID", 10), {QStringLiteral("@ExpiryDate"), ParamType::DateTime}},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        const QString cardNum = a.text(QStringLiteral("CARDNUM")).trimmed();
        if (cardNum.isEmpty())
            throw AppError(kDbErrorNumber, QStringLiteral("sp_Pharma_SaveCardMaster"),
                           QStringLiteral("A card number is required."));
        const QVariantList values{a.value(QStringLiteral("LASTNAME")), a.value(QStringLiteral("FIRSTNAME")),
                                  a.value(QStringLiteral("MIDDLENAME")), cardTypeId(a.text(QStringLiteral("CARDTYPEID"))),
                                  a.value(QStringLiteral("EXPIRYDATE"))};
        const int rewritten = c.execute(QStringLiteral("UPDATE tbPharmaCardMaster SET LastName = ?, FirstName = ?, MiddleName = ?, "
                                                       "CardTypeID = ?, ExpiryDate = ? WHERE CardNumFolded = UPPER(TRIM(?))"),
                                        QVariantList(values) << cardNum);
        if (rewritten == 0)
            c.execute(QStringLiteral("INSERT INTO tbPharmaCardMaster (CardNum, LastName, FirstName, MiddleName, CardTypeID, "
                                     "ExpiryDate) VALUES (?, ?, ?, ?, ?, ?)"),
                      QVariantList{cardNum} << values);
        return std::nullopt;
    }}};

// Stores the four percentages as the table's first row, which every reader takes.
const ProcedureRegistration insertDiscountType{{
    QStringLiteral("Pharma_InsertDiscountType"),
    {number("@Cash"), number("@Employee"), number("@SeniorCitizen"), number("@VAT")},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        const QVariantList values{a.number(QStringLiteral("CASH")), a.number(QStringLiteral("EMPLOYEE")),
                                  a.number(QStringLiteral("SENIORCITIZEN")), a.number(QStringLiteral("VAT"))};
        const int updated = c.execute(QStringLiteral("UPDATE tbPharmaDiscountType SET Cash = ?, Employee = ?, SeniorCitizen = ?, "
                                                     "VAT = ? WHERE id = (SELECT MIN(id) FROM tbPharmaDiscountType)"),
                                      values);
        if (updated == 0)
            c.execute(QStringLiteral("INSERT INTO tbPharmaDiscountType (Cash, Employee, SeniorCitizen, VAT) VALUES (?, ?, ?, ?)"),
                      values);
        return std::nullopt;
    }}};

} // namespace
} // namespace qx::hospitaldb
