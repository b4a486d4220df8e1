#include "shell/clsAssessInfo.h"

#include "components/Connection.h"
#include "platform/ErrorHandling.h"
#include "platform/Values.h"
#include "shell/Session.h"

namespace qx {

namespace {

const QString kClsAssessInfoModule = QStringLiteral("clsAssessInfo");

// Statement lines are numbered from 100 in steps of 2; an error names the line it stopped at.
template <typename F>
auto numbered(const QString& procedure, int& line, F&& body) -> decltype(body()) {
    try {
        return body();
    } catch (...) {
        raiseAgain(kClsAssessInfoModule, procedure, line);
    }
}

} // namespace

Recordset clsAssessInfo::PatientList(qint16 intOption1, qint16 intOption2, const QString& strSearch,
                                     const QString& IsCurrent) {
    int line = 100;
    return numbered(QStringLiteral("PatientList"), line, [&] {
        line = 106;
        std::optional<Recordset> rs = SQLConnection().callProcedure(
            QStringLiteral("Pharma_CashAssessmentInfo"),
            {{QStringLiteral("@OPTION"), intOption1}, {QStringLiteral("@OPTION2"), intOption2},
             {QStringLiteral("@SEARCH"), strSearch}, {QStringLiteral("@ISCURRENT"), IsCurrent}});
        return rs.value_or(Recordset());
    });
}

std::optional<Recordset> clsAssessInfo::PatientListCashReturn(const QString& strSearch) {
    int line = 100;
    return numbered(QStringLiteral("PatientListCashReturn"), line, [&]() -> std::optional<Recordset> {
        line = 102;
        std::optional<Recordset> rs = SQLConnection().callProcedure(
            QStringLiteral("Pharma_SearchCashTransbyName"),
            {{QStringLiteral("@Search"), strSearch}, {QStringLiteral("@RevenueID"), QStringLiteral("PH")}});
        line = 104;
        if (rs && rs->recordCount() > 0)
            return rs;
        return std::nullopt;
    });
}

bool clsAssessInfo::PatientInformationFound(qint16 intOption1, qint16 intOption2, const QString& strSearch) {
    int line = 100;
    return numbered(QStringLiteral("PatientInformationFound"), line, [&] {
        line = 104;
        const std::optional<Recordset> rs = SQLConnection().callProcedure(
            QStringLiteral("Pharma_CashAssessmentInfo"),
            {{QStringLiteral("@Option"), intOption1}, {QStringLiteral("@Option2"), intOption2},
             {QStringLiteral("@Search"), strSearch}});
        line = 106;
        if (!rs || rs->recordCount() == 0)
            return false;
        line = 108;
        idNumber_ = rs->text(QStringLiteral("IDNum"));
        hospNumber_ = rs->text(QStringLiteral("HospNum"));
        firstName_ = rs->text(QStringLiteral("FirstName"));
        lastName_ = rs->text(QStringLiteral("LastName"));
        middleName_ = rs->text(QStringLiteral("MiddleName"));
        zipCode_ = rs->text(QStringLiteral("ZipCode"));
        barangay_ = rs->text(QStringLiteral("Barangay"));
        houseStreet_ = rs->text(QStringLiteral("HouseStreet"));
        address_ = rs->text(QStringLiteral("Address"));
        sex_ = rs->text(QStringLiteral("Sex"));
        line = 128;
        const QDateTime born = rs->dateTime(QStringLiteral("BirthDate"));
        birthDate_ = born.isValid() ? Format(born, QStringLiteral("mm/dd/yyyy")) : QString();
        line = 130;
        civilStatus_ = rs->text(QStringLiteral("CivilStatusID"));
        line = 132;
        age_ = AgeInYears(birthDate_);
        // The room and its mark-up belong to this customer alone: one without a room has none.
        roomId_.clear();
        roomClass_.clear();
        markUp_ = 0;
        line = 140;
        GetRoomNum();
        line = 142;
        GetRoomInfo();
        return true;
    });
}

void clsAssessInfo::GetRoomNum() {
    int line = 100;
    numbered(QStringLiteral("GetRoomNum"), line, [&] {
        line = 102;
        const Recordset rs = SQLConnection().query(
            QStringLiteral("SELECT COALESCE(RoomID, '') AS RoomID FROM patient_data.tbPatient WHERE IDNum = ? AND HospNum = ?"),
            {idNumber_, hospNumber_});
        line = 104;
        if (!rs.eof())
            roomId_ = rs.text(QStringLiteral("RoomID"));
    });
}

void clsAssessInfo::GetRoomInfo() {
    int line = 100;
    numbered(QStringLiteral("GetRoomInfo"), line, [&] {
        line = 102;
        const std::optional<Recordset> rs =
            SQLConnection().callProcedure(QStringLiteral("Pharma_GetRoomClassAndMarkUp"), {{QStringLiteral("@IDNum"), idNumber_}});
        line = 104;
        if (!rs || rs->recordCount() == 0)
            return;
        line = 106;
        markUp_ = CDbl(rs->text(QStringLiteral("MarkUp")));
        line = 108;
        roomClass_ = rs->text(QStringLiteral("RoomClass"));
    });
}

bool clsAssessInfo::GetMedicareType(const QString& strIDNum) {
    int line = 100;
    return numbered(QStringLiteral("GetMedicareType"), line, [&] {
        line = 104;
        const std::optional<Recordset> rs =
            SQLConnection().callProcedure(QStringLiteral("Pharma_GetMedicareType"), {{QStringLiteral("@IDNum"), strIDNum}});
        line = 106;
        if (!rs || rs->recordCount() == 0)
            return false;
        line = 108;
        medicareType_ = CStr(rs->value(QStringLiteral("MedicareType")));
        line = 110;
        medDescription_ = CStr(rs->value(QStringLiteral("Description")));
        return true;
    });
}

QString clsAssessInfo::GetPatientTotalCharges(const QString& strIDNum) {
    int line = 100;
    return numbered(QStringLiteral("GetPatientTotalCharges"), line, [&] {
        line = 104;
        const std::optional<Recordset> rs = SQLConnection().callProcedure(QStringLiteral("Pharma_GetPatientTotalCharges"),
                                                                          {{QStringLiteral("@IDNum"), strIDNum}});
        line = 106;
        if (!rs || rs->recordCount() == 0)
            return QStringLiteral("0.00");
        line = 108;
        return Format(rs->value(QStringLiteral("TotalAmount")), QStringLiteral("########0.00"));
    });
}

double clsAssessInfo::GetMaxCharges() {
    int line = 100;
    return numbered(QStringLiteral("GetMaxCharges"), line, [&] {
        line = 104;
        const Recordset rs = SQLConnection().query(
            QStringLiteral("SELECT COALESCE(MaxCharges, 3000) AS MaxCharges FROM tbPharmaMaxCharges ORDER BY id LIMIT 1"));
        line = 106;
        if (rs.recordCount() == 0)
            return 3000.0;
        line = 108;
        return CDbl(rs.value(QStringLiteral("MaxCharges")));
    });
}

QString clsAssessInfo::GetGeneric(const QString& strItemID) {
    int line = 100;
    return numbered(QStringLiteral("GetGeneric"), line, [&] {
        line = 104;
        const std::optional<Recordset> rs =
            SQLConnection().callProcedure(QStringLiteral("Pharma_GetGeneric"), {{QStringLiteral("@ItemID"), strItemID}});
        line = 106;
        if (!rs || rs->recordCount() == 0)
            return QString();
        line = 108;
        return CStr(rs->value(QStringLiteral("Generic")));
    });
}

clsAssessInfo& gAssessInfo() {
    static clsAssessInfo info;
    return info;
}

} // namespace qx
