#pragma once
#include <QString>

namespace qx {

class Connection;

// One discount-card type of tbPharmaCardType, found by id or picked in the look-up dialog;
// Update writes it back (a new id for a type not in the table).
class clsCardType {
public:
    QString Status() const { return status_; }
    void setStatus(const QString& value) { status_ = value; }
    // The connection Update writes on; loads and searches use the shared one.
    void setActiveConnection(Connection& connection) { activeConnection_ = &connection; }
    // Inserts the type under the next free id when Code is not in the table, else rewrites its
    // name and status; false on any failure.
    bool Update();
    // True when the type was read (or is already held, or id 0 reset the record); false, with the
    // record reset, when there is no such type or the read failed.
    bool LoadCardType(qint16 cardTypeId);
    QString Description() const { return description_; }
    void setDescription(const QString& value) { description_ = value; }
    qint16 Code() const { return code_; }
    void setCode(qint16 value) { code_ = value; }
    // Takes the single type the text finds, or lets the user pick one; false when nothing was
    // picked or the picked type can no longer be read.
    bool SearchCardType(const QString& searchText);

private:
    void reset();

    qint16 code_ = 0;
    QString description_;
    QString status_;
    Connection* activeConnection_ = nullptr;
};

} // namespace qx
