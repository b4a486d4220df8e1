#pragma once
#include "components/Recordset.h"

#include <QString>
#include <optional>

namespace qx {

// The customer a cash assessment is priced for, with the patient searches of the cash side and a
// few look-ups by identifier. One shared instance (gAssessInfo) keeps the last patient found until
// the next successful look-up replaces it. Every query runs on the login component's connection;
// an error is raised again under the operation's name.
class clsAssessInfo {
public:
    QString Age() const { return age_; }
    void setAge(const QString& v) { age_ = v; }
    double MarkUp() const { return markUp_; }
    void setMarkUp(double v) { markUp_ = v; }
    QString RoomClass() const { return roomClass_; }
    void setRoomClass(const QString& v) { roomClass_ = v; }
    QString RoomID() const { return roomId_; }
    void setRoomID(const QString& v) { roomId_ = v; }
    QString MedDescription() const { return medDescription_; }
    void setMedDescription(const QString& v) { medDescription_ = v; }
    QString MedicareType() const { return medicareType_; }
    void setMedicareType(const QString& v) { medicareType_ = v; }
    QString CivilStatus() const { return civilStatus_; }
    void setCivilStatus(const QString& v) { civilStatus_ = v; }
    // "mm/dd/yyyy"
    QString BirthDate() const { return birthDate_; }
    void setBirthDate(const QString& v) { birthDate_ = v; }
    QString Sex() const { return sex_; }
    void setSex(const QString& v) { sex_ = v; }
    QString Barangay() const { return barangay_; }
    void setBarangay(const QString& v) { barangay_ = v; }
    QString HouseStreet() const { return houseStreet_; }
    void setHouseStreet(const QString& v) { houseStreet_ = v; }
    QString Address() const { return address_; }
    void setAddress(const QString& v) { address_ = v; }
    QString ZipCode() const { return zipCode_; }
    void setZipCode(const QString& v) { zipCode_ = v; }
    QString MiddleName() const { return middleName_; }
    void setMiddleName(const QString& v) { middleName_ = v; }
    QString FirstName() const { return firstName_; }
    void setFirstName(const QString& v) { firstName_ = v; }
    QString LastName() const { return lastName_; }
    void setLastName(const QString& v) { lastName_ = v; }
    QString HospNumber() const { return hospNumber_; }
    void setHospNumber(const QString& v) { hospNumber_ = v; }
    QString IDnumber() const { return idNumber_; }
    void setIDnumber(const QString& v) { idNumber_ = v; }

    // The patient picker's list: admissions (option 3) or visits (option 4) matching the search,
    // current ("1") or previous ("2") confinements. Columns: admission number, hospital number,
    // last, first and middle name, then the rest of the record.
    Recordset PatientList(qint16 intOption1, qint16 intOption2, const QString& strSearch, const QString& IsCurrent);
    // The paid pharmacy sales whose payer's name starts with the text; nothing when none.
    std::optional<Recordset> PatientListCashReturn(const QString& strSearch);
    // Fills the record from the first patient found; False (every field kept) when none. A new
    // customer never keeps the room, room class or mark-up of the one before.
    bool PatientInformationFound(qint16 intOption1, qint16 intOption2, const QString& strSearch);
    bool GetMedicareType(const QString& strIDNum);
    // The patient's bill charges as "0.00" (no thousands separator).
    QString GetPatientTotalCharges(const QString& strIDNum);
    // The most a cash customer may be charged: 3000 unless the table says otherwise.
    double GetMaxCharges();
    // The item's generic name; empty when none.
    QString GetGeneric(const QString& strItemID);

private:
    void GetRoomInfo();
    void GetRoomNum();

    QString idNumber_;
    QString hospNumber_;
    QString lastName_;
    QString firstName_;
    QString middleName_;
    QString zipCode_;
    QString address_;
    QString houseStreet_;
    QString barangay_;
    QString sex_;
    QString birthDate_;
    QString civilStatus_;
    QString medicareType_;
    QString medDescription_;
    QString roomId_;
    QString roomClass_;
    double markUp_ = 0;
    QString age_;
};

// The shared cash-assessment record, created on first use.
clsAssessInfo& gAssessInfo();

} // namespace qx
