#pragma once
#include <QString>
#include <QVariant>
#include <optional>

namespace qx::DrugPicker {

// The drug pick list, by brand name (answers an item code) or by generic name (answers a
// generic id). Every argument may be omitted; the order is the callers'.
class DrugList {
public:
    virtual ~DrugList() = default;
    virtual bool InitConnection(const QString& connectionString) = 0;
    virtual void setDrugsOrCsr(bool value) = 0;
    // Shows the modal list starting from `search` with the stock of `location`; `genericOrCode`
    // narrows it to one generic (or starts from that text). "" when cancelled.
    virtual QString ShowList(const std::optional<QString>& search = std::nullopt,
                             const std::optional<QVariant>& second = std::nullopt,
                             const std::optional<QString>& location = std::nullopt,
                             const std::optional<QString>& genericOrCode = std::nullopt) = 0;
};

} // namespace qx::DrugPicker
