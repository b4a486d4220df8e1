// Procedures of the cash assessment's pricing and discount lists.
#include "components/Connection.h"
#include "components/Procedures.h"

namespace qx::hospitaldb {
namespace {

using namespace procparams;

// The mark-ups of an item's customer groups; no row for an item outside the groups.
const ProcedureRegistration cashGetMarkUpProcedure{{
    QStringLiteral("Pharma_GetMarkUp"),
    {text("@ItemID", 20)},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        return c.query(QStringLiteral("SELECT CASH, Employee, SeniorCitizenIn, SeniorCitizenOut, VAT "
                                      "FROM tbPharmaMarkUpGroup WHERE UPPER(TRIM(ItemID)) = UPPER(TRIM(?))"),
                       {a.text(QStringLiteral("ITEMID"))});
    },
}};

// The discount classes the pharmacy offers under "Others", written as the combo shows them.
const ProcedureRegistration cashLoadDiscountProcedure{{
    QStringLiteral("Pharma_LoadDiscount"),
    {},
    [](Connection& c, ProcArgs&) -> std::optional<Recordset> {
        return c.query(QStringLiteral(
            "SELECT RevenueID || '-' || COALESCE(ItemName, '') AS Revenue FROM build_file.tbCoRevenueCode "
            "WHERE LGRP = 'D' AND PHActive = 'Y' AND RecordStatus = 'A' ORDER BY ItemName"));
    },
}};


// One assessment line for the cashier; answers the new row's id (column AssessmentID), so that
// the screen's later marks write that row only.
const ProcedureRegistration globalAssess{{
    QStringLiteral("Pharma_GlobalAssess"),
    {text("@RefNum", 20), text("@Name", 100), text("@ItemID", 20), text("@RevenueID", 10), number("@Quantity"),
     number("@Amount"), text("@DepartmentID", 10), text("@UserID", 20), text("@IDNum", 20), text("@HospNum", 20),
     text("@DoctorID", 20), number("@UnitPrice"), number("@Discount"), text("@DiscountType", 20),
     text("@DiscountName", 100), text("@CheckerID", 20), text("@SCNumber", 30), text("@CardNum", 30), text("@Shift", 5),
     text("@CardTypeID", 20), number("@CardDiscount"), number("@CashPrice"), number("@MDRP"), flag("@Velmira"),
     text("@GSISNumber", 30), text("@LocationID", 10), integer("@DiscountRate")},
    [](Connection& c, ProcArgs& a) -> std::optional<Recordset> {
        const auto t = [&a](const char* name) { return a.text(QString::fromLatin1(name)); };
        const auto n = [&a](const char* name) { return a.number(QString::fromLatin1(name)); };
        return c.query(
            QStringLiteral("INSERT INTO billing.tbCashAssessment (RefNum, Name, ItemID, RevenueID, Quantity, Amount, "
                           "DepartmentID, UserID, IDNum, HospNum, DoctorID, UnitPrice, Discount, DiscountType, "
                           "DiscountName, CheckerID, SCNumber, CardNum, Shift, CardTypeID, CardDiscount, CashPrice, MDRP, "
                           "Velmira, GSISNumber, LocationID, DiscountRate, TransDate) "
                           "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) "
                           "RETURNING id AS AssessmentID"),
            {t("REFNUM").trimmed(), t("NAME"), t("ITEMID").trimmed(), t("REVENUEID"), n("QUANTITY"), n("AMOUNT"),
             t("DEPARTMENTID"), t("USERID"), t("IDNUM"), t("HOSPNUM"), t("DOCTORID"), n("UNITPRICE"), n("DISCOUNT"),
             t("DISCOUNTTYPE"), t("DISCOUNTNAME"), t("CHECKERID"), t("SCNUMBER"), t("CARDNUM"), t("SHIFT"),
             t("CARDTYPEID"), n("CARDDISCOUNT"), n("CASHPRICE"), n("MDRP"), a.flag(QStringLiteral("VELMIRA")) ? 1 : 0,
             t("GSISNUMBER"), t("LOCATIONID"), a.integer(QStringLiteral("DISCOUNTRATE")), c.serverNow()});
    }}};

} // namespace
} // namespace qx::hospitaldb
