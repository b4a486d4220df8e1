#include "charging/ItemProfile.h"

#include "components/DrugCatalog.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/Values.h"
#include "shell/GridHelpers.h"
#include "shell/RecordsetGrid.h"

#include <cmath>

namespace qx {

const QString ItemProfile::kItemLayout = QStringLiteral("<Trans. Date |<Frequency |<Quantity |<Dosage |<Remark");
const QString ItemProfile::kGenericLayout =
    QStringLiteral("<Trans. Date |<Product Name |<Frequency |<Quantity |<Dosage |<Remark");
const QString ItemProfile::kDiscontinued = QStringLiteral("Discontinued");

void ItemProfile::layOut(bool generic) {
    grid_->clear();
    grid_->setFixedRows(1);
    grid_->setRows(2);
    grid_->setCols(generic ? 6 : 5);
    grid_->setFormatString(generic ? kGenericLayout : kItemLayout);
    const int w = static_cast<int>(std::lround(pixelsToTwips(grid_->width()) / 6.0));
    if (generic) {
        grid_->setColWidth(0, w);
        grid_->setColWidth(1, 2 * w);
        grid_->setColWidth(3, w);
        grid_->setColWidth(5, 2 * w);
    } else if (variant_ == Variant::UnitDose) {
        for (int col = 0; col <= 3; ++col)
            grid_->setColWidth(col, w);
        grid_->setColWidth(4, 2 * w);
    } else {
        const bool manual = variant_ == Variant::ManualPosting;
        for (int col : {0, 1, manual ? 2 : 3})
            grid_->setColWidth(col, w);
    }
}

void ItemProfile::load(DrugCatalog::Drug& drug, const QString& patientKey, const QString& itemCode) {
    load(drug, patientKey, itemCode, RequestLine{});
}

void ItemProfile::load(DrugCatalog::Drug& drug, const QString& patientKey, const QString& itemCode,
                       const RequestLine& line) {
    const bool generic = variant_ == Variant::Request && line.genericRequest;
    grid_->setRedraw(false);
    layOut(generic);
    close();
    rs_ = generic ? drug.ListProfileGeneric(patientKey, Val(itemCode)) : drug.ListProfile(patientKey, itemCode);
    if (rs_.recordCount() > 0) {
        BindRecordset(*grid_, rs_);
        if (variant_ == Variant::Request && Trim(line.remarks) == QLatin1String("--Issued---") &&
            line.dosage == QLatin1String("XXX")) {
            grid_->setRows(grid_->rows() + 1);
            grid_->setTextMatrix(grid_->rows() - 1, 0, kDiscontinued);
        }
        if (addTrailingRows)
            addTrailingRows(*grid_);
    }
    if (variant_ == Variant::ManualPosting)
        grid_->setEnabled(rs_.recordCount() > 0);
    grid_->update();
    SetGridHighlight(*grid_, true);
    grid_->setRedraw(true);
}

} // namespace qx
