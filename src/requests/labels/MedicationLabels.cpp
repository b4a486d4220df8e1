#include "requests/labels/MedicationLabels.h"

#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "platform/ErrorHandling.h"
#include "components/PlatformServices.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "platform/report/Report.h"
#include "requests/labels/LabelSettings.h"
#include "shell/QueryHelpers.h"
#include "shell/ReportOpening.h"
#include "shell/Session.h"

namespace qx {

namespace ls = labelsettings;

QString GetLabelSetting(const QString& key, const QString& defaultValue) {
    return GetSetting(ls::kApplication, ls::kSection, key, defaultValue);
}

void SaveLabelSetting(const QString& key, const QString& value) {
    SaveSetting(ls::kApplication, ls::kSection, key, value);
}

void PrintMedicationLabel(const MedicationLabel& label) {
    // Every line starts at the one stored "left"; without it each line has its own start.
    auto left = [](const char* lineDefault) { return GetLabelSetting(ls::kLeft, QString::fromLatin1(lineDefault)); };
    const QString logo = ResolveReportPath(QStringLiteral("yrd3.bmp"));
    auto report = report::Report::open(ResolveReportPath(QStringLiteral("MedicationLabel.rpt")));
    const QVariantMap values{
        {QStringLiteral("LOGO"), logo},
        {QStringLiteral("LOGOLEFT"), GetLabelSetting(ls::kLogoLeft, QStringLiteral("1300"))},
        {QStringLiteral("LOGOTOP"), GetLabelSetting(ls::kLogoTop, QStringLiteral("100"))},
        {QStringLiteral("TOP"), GetLabelSetting(ls::kTop, QStringLiteral("800"))},
        {QStringLiteral("TEXTFONT"), GetLabelSetting(ls::kTextFont, QStringLiteral("Arial Narrow"))},
        {QStringLiteral("TEXTSIZE"), GetLabelSetting(ls::kTextSize, QStringLiteral("8"))},
        {QStringLiteral("BARFONT"), GetLabelSetting(ls::kBarcodeFont, QStringLiteral("Code128"))},
        {QStringLiteral("BARSIZE"), GetLabelSetting(ls::kBarcodeSize, QStringLiteral("25"))},
        {QStringLiteral("PATIENTLEFT"), left("1250")},
        {QStringLiteral("ROOMLEFT"), left("1250")},
        {QStringLiteral("BARCODELEFT"), left("1000")},
        {QStringLiteral("GENERICLEFT"), left("600")},
        {QStringLiteral("DESCRIPTIONLEFT"), left("600")},
        {QStringLiteral("QUANTITYLEFT"), left("1450")},
        {QStringLiteral("DATELEFT"), left("1450")},
        {QStringLiteral("PATIENT"), label.patient},
        {QStringLiteral("ROOM"), label.room},
        {QStringLiteral("BARCODE"), label.barcode},
        {QStringLiteral("GENERICNAME"), label.genericName},
        {QStringLiteral("DESCRIPTION"), label.description},
        {QStringLiteral("QUANTITY"), label.quantity},
        {QStringLiteral("REQUESTDATE"), label.requestDate},
    };
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        report::ParameterField* field = report->findParameter(it.key());
        if (!field)
            throw AppError(kRaisedAgainNumber, QStringLiteral("MedicationLabel.rpt"),
                           QStringLiteral("MedicationLabel.rpt has no parameter %1").arg(it.key()));
        field->addCurrentValue(it.value());
    }
    report->printOut(false);
}

QString LoadPatientInitials(Connection& con, const QString& admission, bool& found) {
    const auto rs = con.callProcedure(QStringLiteral("Pharma_PatientInitials"), {{QStringLiteral("@IDNum"), admission}});
    found = rs && rs->recordCount() > 0;
    return found ? Text(rs->valueAt(0, QStringLiteral("PatientInitials"))) : QString();
}

int PrintRequestLabels(Connection& con, const FlexGrid& grid, const LabelColumns& columns, const LabelPatient& patient) {
    MedicationLabel label;
    label.patient = patient.byInitials
                        ? QStringLiteral(" Patient: ") + UCase(patient.initials + QStringLiteral(" (") +
                                                               Trim(patient.admission) + QStringLiteral(")"))
                        : UCase(patient.name + QStringLiteral("(") + Trim(patient.age) + QStringLiteral(")"));
    label.room = QStringLiteral(" Room: ") + Trim(patient.stationAndRoom);
    int printed = 0;
    for (int row = 1; row < grid.rows(); ++row) {
        if (grid.textMatrix(row, columns.dosage) == QLatin1String("CANCELLED"))
            continue;
        const QString code = grid.textMatrix(row, columns.code);
        const Recordset item = con.query(
            QStringLiteral("SELECT COALESCE(BarCode, '') AS BarCode, COALESCE(ItemName, '') AS ItemName, "
                           "COALESCE(ItemDesc, '') AS ItemDesc FROM tbInvMaster WHERE ItemID = ?"),
            {code});
        if (item.recordCount() == 0)
            continue;
        const QString name = Text(item.valueAt(0, QStringLiteral("ItemName")));
        const QString itemDesc = Text(item.valueAt(0, QStringLiteral("ItemDesc")));
        label.barcode = Text(item.valueAt(0, QStringLiteral("BarCode")));
        if (label.barcode.isEmpty()) {
            ShowInfo(name + QLatin1Char(' ') + itemDesc + QStringLiteral(" barcode doesn't exists."));
            continue;
        }
        DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
        const bool found = drug.SearchDrug(code);
        label.genericName = found ? UCase(drug.GenericName()) : QString();
        // A found item without a generic name keeps its (blank) line; only an unknown one loses it.
        if (found && label.genericName.isEmpty())
            label.genericName = QStringLiteral(" ");
        label.description = LCase(grid.textMatrix(row, columns.description));
        label.requestDate = grid.textMatrix(row, columns.requestDate);
        const QString issued = grid.textMatrix(row, columns.issued);
        const QString dosage = QStringLiteral(" Dosage / ") + grid.textMatrix(row, columns.dosage);
        if (IsDuplicateBarcode(con, code, name + itemDesc)) {
            const int units = CInt(Val(issued));
            for (int k = 1; k <= units; ++k) {
                label.quantity = QStringLiteral("Qty.: %1 of ").arg(k) + issued + dosage;
                PrintMedicationLabel(label);
                ++printed;
            }
        } else {
            label.quantity = QStringLiteral("Qty.: ") + issued + dosage;
            PrintMedicationLabel(label);
            ++printed;
        }
    }
    return printed;
}

} // namespace qx
