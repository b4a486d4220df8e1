#include "charging/RequestScreenGrid.h"

#include "charging/ChargeGrid.h"
#include "charging/ItemProfile.h"
#include "charging/RequestLineEntry.h"
#include "charging/RequestLineMarks.h"
#include "charging/RequestRowTests.h"
#include "charging/SeniorDiscountToggle.h"
#include "components/DrugCatalog.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/GridHelpers.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"
#include "shell/Switches.h"

#include <QLabel>

namespace qx {

namespace {
constexpr int kSupplierWidth = 2400, kPNFWidth = 1000, kGenericNameWidth = 2400;
} // namespace

void RequestScreenGrid::start() const {
    FlexGrid& grid = *chargeGrid->grid();
    chargeGrid->layout();
    grid.setEnabled(true);
    grid.setRow(1);
    grid.setCol(columns.code);
    chargeGrid->pending().clearAll();
    chargeGrid->pending().set(PendingGridMove::FirstFocus);
}

void RequestScreenGrid::openEditorForScan() const {
    if (!gCheckBarCode)
        return;
    FlexGrid& grid = *chargeGrid->grid();
    grid.setRow(1);
    grid.setCol(columns.code);
    const ChargeGridConfig& config = chargeGrid->config();
    chargeGrid->putTextBox(1, columns.code, config.editorKind(columns.code), config.maxLength(columns.code));
}

RequestLineActions RequestScreenGrid::lineActions() const {
    RequestLineActions actions;
    actions.chargeGrid = chargeGrid;
    actions.greyedBox = greyedBox;
    actions.total = total;
    QLabel* id = patientId;
    QLabel* name = patientName;
    actions.patientId = [id] { return Trim(id->text()); };
    actions.patientName = [name] { return Trim(name->text()); };
    return actions;
}

void RequestScreenGrid::loadListProfile(const QString& patientKey, const QString& itemCode, int row) const {
    generalProcedure(module, QStringLiteral("LoadListProfile"), [&] {
        const FlexGrid& grid = *chargeGrid->grid();
        const ItemProfile::RequestLine line{
            .genericRequest = grid.textMatrix(row, columns.genericMark) == QLatin1String("*"),
            .remarks = grid.textMatrix(row, columns.remarks),
            .dosage = grid.textMatrix(row, columns.dosage)};
        profile->load(gComponents.gDrug->Drug(), patientKey, itemCode, line);
    });
}

void RequestScreenGrid::doubleClick(QWidget* parent, int mouseCol, double discountPercent, int pictureCol,
                                    const QPixmap& tickedBox, const QPixmap& emptyBox) const {
    FlexGrid& grid = *chargeGrid->grid();
    const int row = grid.row();
    if (mouseCol == columns.seniorCheck) {
        const SeniorDiscountLine line{.row = row, .amountCol = columns.amount, .markCol = columns.seniorMark,
                                      .oldAmountCol = columns.oldAmount, .stateCol = columns.dosage,
                                      .pictureRow = row, .pictureCol = pictureCol};
        if (ToggleSeniorDiscount(grid, line, discountPercent, tickedBox, emptyBox))
            total->setText(Text(SumGridColumn(grid, columns.amount, 1)));
    }
    if (grid.col() == columns.amount && !IsBlankRequestRow(grid, row) && gAllowPriceChange)
        ChangeLinePrice(parent, grid, row,
                        {.description = columns.description, .issued = columns.issued, .unitPrice = columns.unitPrice,
                         .priceTaken = columns.proposedPrice, .amount = columns.amount});
}

void RequestScreenGrid::markFixedPrices() const {
    generalProcedure(module, QStringLiteral("Mark_FixedPrice"), [&] {
        MarkFixedPrice(*chargeGrid->grid(), columns.fixedCharge, columns.code, columns.lastMarked);
    });
}

void RequestScreenGrid::markFixedPriceLine(int row) const {
    MarkFixedPriceLine(*chargeGrid->grid(), row, columns.fixedCharge, columns.code, columns.lastMarked);
}

void RequestScreenGrid::markAntibiotics() const {
    generalProcedure(module, QStringLiteral("MarkAntiBiotic"), [&] {
        MarkAntiBiotic(SQLConnection(), *chargeGrid->grid(), columns.code, columns.code, columns.description);
    });
}

void RequestScreenGrid::setSupplierColWidth() const {
    generalProcedure(module, QStringLiteral("SetSupplierColWidth"), [&] {
        if (gPharmaSwitches.DisplaySupplierInCommunicationEntry(gSiteCode))
            OpenOptionalColumn(*chargeGrid->grid(), columns.supplier, kSupplierWidth, *window, *gridFrame);
    });
}

void RequestScreenGrid::setPNFColWidth() const {
    generalProcedure(module, QStringLiteral("SetPNFColWidth"), [&] {
        if (gPharmaSwitches.DisplayPNFInCommunicationEntry(gSiteCode))
            OpenOptionalColumn(*chargeGrid->grid(), columns.pnf, kPNFWidth, *window, *gridFrame);
    });
}

void RequestScreenGrid::setGenericNameColWidth() const {
    generalProcedure(module, QStringLiteral("SetGenericNameColWidth"), [&] {
        OpenOptionalColumn(*chargeGrid->grid(), columns.genericName, kGenericNameWidth, *window, *gridFrame);
    });
}

} // namespace qx
