// Serving a request screen: the checks before its lines are saved.
#include "requests/serving/RequestServing.h"

#include "charging/ChargePosting.h"
#include "charging/ItemEntry.h"
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

const QString kMarkedCell = QStringLiteral("XXX");
constexpr double kLargeAmount = 30000;

QString cell(const RequestServingScreen& s, int row, int col) { return s.grid->textMatrix(row, col); }
bool isMarked(const QString& text) { return Trim(text) == kMarkedCell; }
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
    const int lastRow = s.grid->rows() - 1;
    std::vector<SaveCheck> checks;
    checks.push_back([&s]() -> std::optional<SaveRefusal> {
        if (CanSaveRequestGrid(*s.grid, s.rowColumns, gCheckBarCode))
            return std::nullopt;
        return refuse(QStringLiteral("Entries has incomplete information.  Please check."), vbExclamation);
    });
    checks.push_back([&s]() -> std::optional<SaveRefusal> {
        if (!Trim(s.doctorCode->text()).isEmpty())
            return std::nullopt;
        return refuse(QStringLiteral("pls add requesting doctor.."), vbInformation, QStringLiteral("Message"),
                      s.doctorCode);
    });
    // The stock as loaded and edited, before any refresh: cancelled and blank lines hold no number.
    checks.push_back([&con, &s, lastRow]() -> std::optional<SaveRefusal> {
        if (!GetPharmaSwitch(con, QStringLiteral("9")))
            return std::nullopt;
        for (int row = 1; row <= lastRow; ++row) {
            const QString stock = Trim(cell(s, row, s.stock));
            if (IsNumeric(stock) && Val(stock) < Val(Trim(cell(s, row, s.rowColumns.issued))))
                return refuse(QStringLiteral("Item(s) in the list has insufficient stocks. Unable to process request."),
                              vbInformation);
        }
        return std::nullopt;
    });
    checks.push_back([&s, lastRow]() -> std::optional<SaveRefusal> {
        for (int row = 1; row <= lastRow; ++row) {
            const QString amount = cell(s, row, s.rowColumns.amount);
            if (isMarked(amount) || !(Val(amount) > kLargeAmount))
                continue;
            if (MsgBox(QStringLiteral("Please verify entered Medicines. Some entries exceeded (P)30000.00. Proceed with "
                                      "transaction?"),
                       vbYesNo, QStringLiteral("Quillax")) == vbYes)
                return std::nullopt;
            return SaveRefusal{};
        }
        return std::nullopt;
    });
    checks.push_back([&s]() -> std::optional<SaveRefusal> {
        if (s.refreshStock)
            RecomputeItemStock(s);
        return std::nullopt;
    });
    checks.push_back([&s, lastRow]() -> std::optional<SaveRefusal> {
        if (!gAllowZeroOnHand)
            return std::nullopt;
        for (int row = 1; row <= lastRow; ++row) {
            if (isMarked(cell(s, row, s.rowColumns.amount)) || Trim(cell(s, row, s.rowColumns.code)).isEmpty())
                continue;
            const double stock = Val(cell(s, row, s.stock));
            const QString description = cell(s, row, s.description);
            if (stock <= 0)
                return refuse(description + QStringLiteral(" has no stocks left. The system can't process the specified "
                                                           "item. Please Cancel / Delay Item."),
                              vbInformation);
            if (stock < Val(cell(s, row, s.rowColumns.issued)))
                return refuse(description + QStringLiteral(" ==> Stock is not available to fill Prescription. Please "
                                                           "enter quantity not greater than the stock onhand."),
                              vbInformation);
        }
        return std::nullopt;
    });
    ManualPostingGrid zero;
    zero.grid = s.grid;
    zero.codeCol = s.rowColumns.code;
    zero.quantityCol = s.rowColumns.issued;
    zero.amountCol = s.rowColumns.amount;
    checks.push_back(ZeroEntriesCheck(zero, kMarkedCell));
    checks.push_back([&s]() -> std::optional<SaveRefusal> {
        if (!GridHasDuplicateRows(*s.grid, s.rowColumns.code, s.rowColumns.amount))
            return std::nullopt;
        return refuse(QStringLiteral("There are duplicate items. Please review the list"), vbOKOnly);
    });
    // Asked at every attempt while the hospital validates saves, whatever the lines hold.
    checks.push_back([&verifyId]() -> std::optional<SaveRefusal> {
        if (!gHasValidation)
            return std::nullopt;
        frmDeletePassword& supervisor = frmDeletePassword::Default();
        supervisor.setHeightTwips(2400);
        showModal(supervisor);
        if (!supervisor.OKCharge())
            return refuse(QStringLiteral("Invalid Password."), vbInformation, QStringLiteral("Quillax"));
        verifyId = supervisor.VerifyID();
        return std::nullopt;
    });
    checks.push_back([&con, &s]() -> std::optional<SaveRefusal> {
        if (!GetPharmaSwitch(con, QStringLiteral("93")) ||
            CheckDangerousDrugLicense(con, Trim(s.doctorCode->text()), *s.grid, s.rowColumns.code))
            return std::nullopt;
        return refuse(QStringLiteral("Please check S2Number and S2 Expiry of doctor: ") + s.banner[3]->text() +
                          QStringLiteral(" on build file module. "),
                      vbInformation);
    });
    checks.push_back([&s]() -> std::optional<SaveRefusal> {
        const int row = InactiveRequestDrugs(s);
        if (row < 1)
            return std::nullopt;
        return refuse(QStringLiteral("Drug in line ") + QString::number(row) + QStringLiteral(" was set to inactive.") +
                          QStringLiteral("\r\n") +
                          QStringLiteral("Please refer to pharmacy warehouse staff or choose another drug."),
                      vbExclamation);
    });
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
        for (int row = 1; row < screen.grid->rows(); ++row) {
            if (!CanSaveRequestRow(*screen.grid, row, screen.rowColumns, gCheckBarCode) ||
                Trim(cell(screen, row, screen.rowColumns.dosage)) == kCancelledLineState)
                continue;
            if (searchLineDrug(con, drug, screen, Trim(cell(screen, row, screen.rowColumns.code)), std::nullopt) &&
                drug.Status() == 1)
                return row;
        }
        return 0;
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
