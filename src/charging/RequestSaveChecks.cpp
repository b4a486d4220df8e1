#include "charging/RequestSaveChecks.h"

#include "charging/RequestLineStates.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "components/PlatformServices.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/Switches.h"

#include <QLineEdit>

namespace qx {

namespace {

const QString kMarkedCell = QStringLiteral("XXX");

bool isMarked(const QString& text) { return Trim(text) == kMarkedCell; }

std::optional<SaveRefusal> refuse(const QString& text, int style, const QString& title = QString(),
                                  QWidget* focus = nullptr) {
    return SaveRefusal{text, style, title, focus};
}

} // namespace

SaveCheck RequestingDoctorCheck(QLineEdit* doctorCode) {
    return [doctorCode]() -> std::optional<SaveRefusal> {
        if (!Trim(doctorCode->text()).isEmpty())
            return std::nullopt;
        return refuse(QStringLiteral("pls add requesting doctor.."), vbInformation, QStringLiteral("Message"),
                      doctorCode);
    };
}

SaveCheck WholeListStockCheck(Connection& con, const RequestCheckGrid& s) {
    return [&con, s]() -> std::optional<SaveRefusal> {
        if (!GetPharmaSwitch(con, QStringLiteral("9")))
            return std::nullopt;
        for (int row = 1; row < s.grid->rows(); ++row) {
            const QString stock = Trim(s.grid->textMatrix(row, s.stock));
            if (IsNumeric(stock) && Val(stock) < Val(Trim(s.grid->textMatrix(row, s.rowColumns.issued))))
                return refuse(QStringLiteral("Item(s) in the list has insufficient stocks. Unable to process request."),
                              vbInformation);
        }
        return std::nullopt;
    };
}

SaveCheck LargeAmountCheck(const RequestCheckGrid& s, double limit, const QString& title) {
    return [s, limit, title]() -> std::optional<SaveRefusal> {
        for (int row = 1; row < s.grid->rows(); ++row) {
            const QString amount = s.grid->textMatrix(row, s.rowColumns.amount);
            if (isMarked(amount) || !(Val(amount) > limit))
                continue;
            if (MsgBox(QStringLiteral("Please verify entered Medicines. Some entries exceeded (P)") +
                           QString::number(limit, 'f', 2) + QStringLiteral(". Proceed with transaction?"),
                       vbYesNo, title) == vbYes)
                return std::nullopt;
            return SaveRefusal{};
        }
        return std::nullopt;
    };
}

SaveCheck StockOnHandRefusalCheck(const RequestCheckGrid& s) {
    return [s]() -> std::optional<SaveRefusal> {
        if (!gAllowZeroOnHand)
            return std::nullopt;
        const auto cell = [&s](int row, int col) { return s.grid->textMatrix(row, col); };
        for (int row = 1; row < s.grid->rows(); ++row) {
            if (isMarked(cell(row, s.rowColumns.amount)) || Trim(cell(row, s.rowColumns.code)).isEmpty())
                continue;
            const double stock = Val(cell(row, s.stock));
            const QString description = cell(row, s.description);
            if (stock <= 0)
                return refuse(description + QStringLiteral(" has no stocks left. The system can't process the specified "
                                                           "item. Please Cancel / Delay Item."),
                              vbInformation);
            if (stock < Val(cell(row, s.rowColumns.issued)))
                return refuse(description + QStringLiteral(" ==> Stock is not available to fill Prescription. Please "
                                                           "enter quantity not greater than the stock onhand."),
                              vbInformation);
        }
        return std::nullopt;
    };
}

SaveCheck RequestZeroEntriesCheck(const RequestCheckGrid& s) {
    ManualPostingGrid zero;
    zero.grid = s.grid;
    zero.codeCol = s.rowColumns.code;
    zero.quantityCol = s.rowColumns.issued;
    zero.amountCol = s.rowColumns.amount;
    return ZeroEntriesCheck(zero, kMarkedCell);
}

int FirstInactiveDrugRow(const FlexGrid& grid, const RequestRowColumns& columns, bool checkBarcode,
                         DrugCatalog::Drug& drug, const std::function<bool(const QString& code)>& search) {
    for (int row = 1; row < grid.rows(); ++row) {
        if (!CanSaveRequestRow(grid, row, columns, checkBarcode) ||
            Trim(grid.textMatrix(row, columns.dosage)) == kCancelledLineState)
            continue;
        if (search(Trim(grid.textMatrix(row, columns.code))) && drug.Status() == 1)
            return row;
    }
    return 0;
}

SaveCheck InactiveDrugCheck(const std::function<int()>& firstInactive, bool leadingBlank, QWidget* focus,
                            const std::function<void()>& refused) {
    return [=]() -> std::optional<SaveRefusal> {
        const int row = firstInactive();
        if (row < 1)
            return std::nullopt;
        if (refused)
            refused();
        return refuse(QStringLiteral("Drug in line ") + (leadingBlank ? Str(row) : QString::number(row)) + QStringLiteral(" was set to inactive.") +
                          QStringLiteral("\r\n") +
                          QStringLiteral("Please refer to pharmacy warehouse staff or choose another drug."),
                      vbExclamation, QString(), focus);
    };
}

} // namespace qx
