#pragma once
#include "components/Connection.h"

#include <functional>

namespace qx::suite {

// How the parts of the drug component reach the shared connection; the member name goes into
// the error raised while the component is not connected.
using DrugConnection = std::function<Connection&(const char* member)>;

// A fixed connection, for parts used on their own (tools, benchmarks).
inline DrugConnection fixedConnection(Connection& c) {
    return [&c](const char*) -> Connection& { return c; };
}

} // namespace qx::suite
