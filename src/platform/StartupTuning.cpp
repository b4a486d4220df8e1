#include "platform/StartupTuning.h"

#include <QtGlobal>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace qx {

// A work list of 100,000 rows is some hundred megabytes of small blocks, freed when the list
// loads again. Given back to the system at every load, the next load faulted all of it in anew,
// which cost more than the query itself. Up to this much stays free at the heap's top instead.
constexpr int kKeptFreeBytes = 256 * 1024 * 1024;

void tuneProcessAtStartup() {
#if defined(__GLIBC__)
    mallopt(M_TRIM_THRESHOLD, kKeptFreeBytes);
#endif
    // Without TZ the C library looks at the zone file again for every local date and time it
    // converts (a file-system call each), and a list of many request dates converts one a row.
    // Naming the same file the library reads by default makes it read the zone once.
    if (!qEnvironmentVariableIsSet("TZ"))
        qputenv("TZ", ":/etc/localtime");
}

} // namespace qx
