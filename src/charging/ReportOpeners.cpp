#include "charging/ReportOpeners.h"

#include <map>

namespace qx {

namespace {
std::map<qint16, ReportOpenerEntry>& openers() {
    static std::map<qint16, ReportOpenerEntry> byCode;
    return byCode;
}
} // namespace

void RegisterReportOpener(qint16 code, const QString& procedureName, ReportOpener opener) {
    openers()[code] = ReportOpenerEntry{procedureName, std::move(opener)};
}

const ReportOpenerEntry* FindReportOpener(qint16 code) {
    const auto it = openers().find(code);
    return it == openers().end() ? nullptr : &it->second;
}

void ClearReportOpeners() { openers().clear(); }

} // namespace qx
