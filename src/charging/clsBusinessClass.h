#pragma once
#include <QString>

namespace qx {

class Connection;

// One business class of medicine accounts, found by code or picked in the look-up dialog.
class clsBusinessClass {
public:
    QString Status() const { return status_; }
    void setStatus(const QString& value) { status_ = value; }
    void setActiveConnection(Connection& connection) { activeConnection_ = &connection; }
    // True when the class was read (or is already held, or an empty code reset the record); a
    // class that is not one of medicine accounts is not read.
    bool LoadBusinessClass(const QString& code);
    QString Description() const { return description_; }
    void setDescription(const QString& value) { description_ = value; }
    QString Code() const { return code_; }
    void setCode(const QString& value) { code_ = value; }
    bool SearchBusinessClass(const QString& searchText);

private:
    void reset();

    QString code_;
    QString description_;
    QString status_;
    Connection* activeConnection_ = nullptr;
};

} // namespace qx
