#pragma once
#include <QString>

namespace qx::OutpatientRecent {

class RecentList {
public:
    virtual ~RecentList() = default;
    virtual bool InitConnection(const QString& connectionString) = 0;
    // The chosen visit id, or the hospital number of a registered patient without a visit;
    // "" when cancelled.
    virtual QString ShowList(const QString& text = QString()) = 0;
    // True when the last choice was a patient without a visit; False after a visit, a cancel,
    // and before any choice.
    virtual bool MasterOrRegistered() const = 0;
};

} // namespace qx::OutpatientRecent
