#pragma once
#include "components/DrugPicker.h"
#include "components/Locations.h"
#include "suite/ConnectedComponent.h"

namespace qx::suite {

// The drug pick list in its two forms: by brand name, answering an item code
// (DrugPicker.DrugList), or by generic name, answering a generic id (DrugPicker.GenericList).
// Stock on hand is that of the location given, else of the main pharmacy.
class DrugPickerList : public DrugPicker::DrugList, private ConnectedComponent {
public:
    enum class By { Brand, Generic };
    DrugPickerList(By by, ConnectionProvider provider);
    bool InitConnection(const QString& connectionString) override { return bindConnection(connectionString); }
    // Kept for the callers that set it; the list is the same either way.
    void setDrugsOrCsr(bool value) override { drugsOrCsr_ = value; }
    QString ShowList(const std::optional<QString>& search = std::nullopt,
                     const std::optional<QVariant>& second = std::nullopt,
                     const std::optional<QString>& location = std::nullopt,
                     const std::optional<QString>& genericOrCode = std::nullopt) override;

private:
    By by_;
    bool drugsOrCsr_ = false;
};

} // namespace qx::suite
