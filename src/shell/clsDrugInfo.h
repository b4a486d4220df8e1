#pragma once
#include <QString>

namespace qx {

// One item's summary at one location, as the cash sale reads it. One shared instance (gDrugInfo)
// keeps the values of the last item found between look-ups.
class clsDrugInfo {
public:
    double MarkUpAmount() const { return markUpAmount_; }
    void setMarkUpAmount(double v) { markUpAmount_ = v; }
    double UnitCost() const { return unitCost_; }
    void setUnitCost(double v) { unitCost_ = v; }
    // The item may be discounted.
    bool Discounted() const { return discounted_; }
    void setDiscounted(bool v) { discounted_ = v; }
    QString Classification() const { return classification_; }
    void setClassification(const QString& v) { classification_ = v; }
    QString DrugName() const { return drugName_; }
    void setDrugName(const QString& v) { drugName_ = v; }
    QString Description() const { return description_; }
    void setDescription(const QString& v) { description_ = v; }
    double StockOnHand() const { return stockOnHand_; }
    void setStockOnHand(double v) { stockOnHand_ = v; }
    double SellingPriceIn() const { return sellingPriceIn_; }
    void setSellingPriceIn(double v) { sellingPriceIn_ = v; }
    double SellingPriceOut() const { return sellingPriceOut_; }
    void setSellingPriceOut(double v) { sellingPriceOut_ = v; }
    bool Active() const { return active_; }
    void setActive(bool v) { active_ = v; }

    // Looks the item up at the location (Drug_MiniInfo) and fills the properties; false, with the
    // properties of the last item kept, when the location does not stock it. A Null value other
    // than the status is an error, raised again under "clsDrugInfo.Search".
    bool Search(const QString& strItemID, const QString& strLocationID);

private:
    double markUpAmount_ = 0;
    double unitCost_ = 0;
    bool discounted_ = false;
    QString classification_;
    QString drugName_;
    QString description_;
    double stockOnHand_ = 0;
    double sellingPriceIn_ = 0;
    double sellingPriceOut_ = 0;
    bool active_ = true;
};

// The shared drug summary, created on first use.
clsDrugInfo& gDrugInfo();

} // namespace qx
