#pragma once
#include <QString>

namespace qx {

class Connection;

// One registered customer discount card, found by number or picked in the look-up dialog.
class clsCardNumber {
public:
    QString CardTypeName() const { return cardTypeName_; }
    void setCardTypeName(const QString& value) { cardTypeName_ = value; }
    QString CardTypeID() const { return cardTypeId_; }
    void setCardTypeID(const QString& value) { cardTypeId_ = value; }
    QString Status() const { return status_; }
    void setStatus(const QString& value) { status_ = value; }
    void setActiveConnection(Connection& connection) { activeConnection_ = &connection; }
    // True when the card was read (or is already held, or an empty number reset the record).
    bool LoadCardNum(const QString& cardNum, const QString& cardTypeId);
    QString Description() const { return description_; }
    void setDescription(const QString& value) { description_ = value; }
    QString Code() const { return code_; }
    void setCode(const QString& value) { code_ = value; }
    bool SearchCardType(const QString& searchText);

private:
    void reset();

    QString code_;
    QString description_;
    QString status_;
    QString cardTypeId_;
    QString cardTypeName_;
    Connection* activeConnection_ = nullptr;
};

} // namespace qx
