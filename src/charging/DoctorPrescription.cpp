#include "charging/DoctorPrescription.h"

#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "platform/report/Report.h"
#include "platform/report/SharedReport.h"
#include "shell/HospitalSettings.h"
#include "shell/ReportOpening.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace qx {

void UpdateNurseRequestQuantity(Connection& con, const FlexGrid& grid, const PrescriptionColumns& columns,
                                const QString& visit) {
    Transaction tx(con);
    for (int row = 1; row < grid.rows(); ++row) {
        const QString state = grid.textMatrix(row, columns.dosage);
        const QString issued = Trim(grid.textMatrix(row, columns.issued));
        const QString requestNumber = Trim(grid.textMatrix(row, columns.requestNumber));
        if (state == QLatin1String("CANCELLED") || state == QLatin1String("DELAYED") ||
            Trim(grid.textMatrix(row, columns.code)).isEmpty() || requestNumber.isEmpty() || !IsNumeric(issued))
            continue;
        con.execute(QStringLiteral("UPDATE station.tbNurseCommunicationFile SET Quantity = ? WHERE IDNum = ? "
                                   "AND RequestNumber = ? AND TRIM(COALESCE(RecordStatus, '')) = ''"),
                    {CDbl(issued), visit, requestNumber});
    }
    tx.commit();
}

QString SaveDoctorSignature(Connection& con, const QString& doctorCode) {
    const Recordset rs = con.query(QStringLiteral("SELECT DbImage FROM build_file.tbDbImage WHERE IDKey = ? "
                                                  "AND FieldName = 'Doctor Sign'"),
                                   {Trim(doctorCode)});
    if (rs.recordCount() == 0 || IsNull(rs.valueAt(0, QStringLiteral("DbImage"))))
        return QString();
    const QByteArray image = rs.valueAt(0, QStringLiteral("DbImage")).toByteArray();
    const QString folder = QDir(AppPath()).filePath(QStringLiteral("Reports/") + gSiteCode);
    const QString path = QDir(folder).filePath(QStringLiteral("DocSign.bmp"));
    // A signature that cannot be written is left off; the prescription prints without it.
    QSaveFile file(path);
    if (!QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly) || file.write(image) != image.size() || !file.commit())
        return QString();
    return path;
}

int PrintDoctorPrescription(Connection& con, const QString& visit, const QString& doctorCode, const QString& option) {
    const auto rs = con.callProcedure(QStringLiteral("Pharma_GetPrescription"), {{QStringLiteral("@IDNum"), visit},
                                                                                 {QStringLiteral("@DoctorID"), doctorCode},
                                                                                 {QStringLiteral("@Option"), option}});
    if (!rs || rs->recordCount() == 0)
        return 0;
    const QString signature = SaveDoctorSignature(con, doctorCode);
    const QString path = ResolveReportPath(QStringLiteral("DocPrescription.rpt"));
    for (int row = 0; row < rs->recordCount(); ++row) {
        auto column = [&](const char* name) { return Trim(Text(rs->valueAt(row, QString::fromLatin1(name)))); };
        const QVariantMap values{
            {QStringLiteral("ITEMNAME"), column("ItemName")}, {QStringLiteral("ITEMDESC"), column("ItemDesc")},
            {QStringLiteral("DOSAGE"), column("Dosage")},     {QStringLiteral("QUANTITY"), column("Quantity")},
            {QStringLiteral("PATIENTNAME"), column("PatientName")}, {QStringLiteral("DOCTOR"), column("Doctor")},
            {QStringLiteral("ISDOCTOR"), column("isDocSign")}, {QStringLiteral("PTR"), column("PTR")},
            {QStringLiteral("PRC"), column("PRC")},           {QStringLiteral("TIN"), column("TIN")},
            {QStringLiteral("S2"), column("STwo")},           {QStringLiteral("REMARKS"), column("Remarks")},
            {QStringLiteral("SIGNATURE"), column("isDocSign") == QLatin1String("1") ? signature : QString()},
        };
        OpenCrystalReportByName(path, QStringLiteral("Inventory"), values);
        gCrystalReport->printOut(false);
        gCrystalReport.reset();
    }
    return rs->recordCount();
}

} // namespace qx
