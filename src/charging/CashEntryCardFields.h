#pragma once
#include <QString>

namespace qx {

// The card fields of the cash assessment window that the card registration fills after a
// successful save. The cash window implements it; the registration knows no more of that window.
class CashEntryCardFields {
public:
    virtual ~CashEntryCardFields() = default;
    // The card number, trimmed.
    virtual void setTxtZarviCard(const QString& cardNumber) = 0;
    // "LAST, FIRST MIDDLE"
    virtual void setTxtCardHolder(const QString& holderName) = 0;
    virtual void setLblCardTypeID(const QString& cardTypeId) = 0;
    virtual void setLblCardType(const QString& cardTypeName) = 0;
};

} // namespace qx
