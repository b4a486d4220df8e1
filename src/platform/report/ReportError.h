#pragma once
#include "components/AppError.h"

namespace qx::report {

// Errors of the report engine: a broken definition, a missing file, a bad parameter value.
// The source names the engine so that a caller's box tells where the fault lies.
constexpr long kReportErrorNumber = static_cast<long>(0x80040002);

[[noreturn]] inline void fail(const QString& description) {
    throw AppError(kReportErrorNumber, QStringLiteral("Report"), description);
}

} // namespace qx::report
