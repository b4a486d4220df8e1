// Serving a request screen: the checks before its lines are saved.
#include "requests/serving/RequestServing.h"

#include "charging/ChargePosting.h"
#include "charging/ItemEntry.h"
#include "charging/RequestSaveChecks.h"
#include "charging/RequestLineStates.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/Values.h"
#include "shell/GridHelpers.h"
#include "shell/HospitalSettings.h"
#include "shell/ItemLookups.h"
#include "shell/Session.h"
#include "shell/Switches.h"
#include "shell/frmDeletePassword.h"

#include <QLabel>
#include <QLineEdit>

namespace qx {

namespace {

constexpr double kLargeAmount = 30000;

QString cell(const RequestServingScreen& s, int row, int col) { return s.grid->textMatrix(row, col); }
QString patientKey(const RequestServingScreen& s) { return Trim(s.banner[7]->text()); }

// The drug of a code as the serving checks search it: at the dispensing location with the
// patient under inventory switch 89, else as `plain` says.
bool searchLineDrug(Connection& con, DrugCatalog::Drug& drug, const RequestServingScreen& s, const QString& code,
                    const std::optional<QString>& plainLocation) {
    if (GetInvSwitch(con, QStringLiteral("89")))
        return drug.SearchDrug(code, gLocationID, patientKey(s));
    return drug.SearchDrug(code, plainLocation);
}

std::optional<SaveRefusal> refuse(const QString& text, int style, const QString& title = QString(),
                                  QWidget* focus = nullptr) {
    return SaveRefusal{text, style, title, focus};
}

std::vector<SaveCheck> servingChecks(Connection& con, const RequestServingScreen& s, QString& verifyId) {
    const RequestCheckGrid lines{.grid = s.grid, .rowColumns = s.rowColumns, .description = s.description,
                                 .stock = s.stock};
    std::vector<SaveCheck> checks;
    checks.push_back([&s]() -> std::optional<SaveRefusal> {
        if (CanSaveRequestGrid(*s.grid, s.rowColumns, gCheckBarCode))
            return std::nullopt;
        return refuse(QStringLiteral("Entries has incomplete information.  Please check."), vbExclamation);
    });
    checks.push_back(RequestingDoctorCheck(s.doctorCode));
    // The stock as loaded and edited, before any refresh: cancelled and blank lines hold no number.
    checks.push_back(WholeListStockCheck(con, lines));
    checks.push_back(LargeAmountCheck(lines, kLargeAmount, QStringLiteral("Quillax")));
    checks.push_back([&s]() -> std::optional<SaveRefusal> {
        if (s.refreshStock)
            RecomputeItemStock(s);
        return std::nullopt;
    });
    checks.push_back(StockOnHandRefusalCheck(lines));
    checks.push_back(RequestZeroEntriesCheck(lines));
    checks.push_back([&s]() -> std::optional<SaveRefusal> {
        if (!GridHasDuplicateRows(*s.grid, s.rowColumns.code, s.rowColumns.amount))
            return std::nullopt;
        return refuse(QStringLiteral("There are duplicate items. Please review the list"), vbOKOnly);
    });
    // Asked at every attempt while the hospital validates saves, whatever the lines hold.
    checks.push_back(SupervisorCheck(verifyId, QStringLiteral("Quillax")));
    checks.push_back([&con, &s]() -> std::optional<SaveRefusal> {
        if (!GetPharmaSwitch(con, QStringLiteral("93")) ||
            CheckDangerousDrugLicense(con, Trim(s.doctorCode->text()), *s.grid, s.rowColumns.code))
            return std::nullopt;
        return refuse(QStringLiteral("Please check S2Number and S2 Expiry of doctor: ") + s.banner[3]->text() +
                          QStringLiteral(" on build file module. "),
                      vbInformation);
    });
    checks.push_back(InactiveDrugCheck([&s] { return InactiveRequestDrugs(s); }, false));
    return checks;
}

} // namespace

bool ValidateRequestServing(const RequestServingScreen& screen, QString& verifyId) {
    return generalProcedure(screen.module, QStringLiteral("Validate"), [&] {
        verifyId.clear();
        QString approved;
        const bool valid = RunSaveChecks(servingChecks(SQLConnection(), screen, approved));
        if (valid)
            verifyId = approved;
        return valid;
    });
}

int InactiveRequestDrugs(const RequestServingScreen& screen) {
    return generalProcedure(screen.module, QStringLiteral("InactiveDrugs"), [&] {
        Connection& con = SQLConnection();
        DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
        return FirstInactiveDrugRow(*screen.grid, screen.rowColumns, gCheckBarCode, drug, [&](const QString& code) {
            return searchLineDrug(con, drug, screen, code, std::nullopt);
        });
    });
}

void RecomputeItemStock(const RequestServingScreen& screen) {
    generalProcedure(screen.module, QStringLiteral("RecomputeItemStock"), [&] {
        Connection& con = SQLConnection();
        DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
        for (int row = 1; row < screen.grid->rows(); ++row) {
            const QString code = Trim(cell(screen, row, screen.rowColumns.code));
            if (code.isEmpty())
                continue;
            const bool found = searchLineDrug(con, drug, screen, code, gLocationID);
            screen.grid->setTextMatrix(row, screen.stock, Text(found ? drug.Invent().StockOnHand : 0.0));
        }
    });
}

} // namespace qx
