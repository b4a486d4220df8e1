#include "charging/modLookup.h"

namespace qx {

QString gLookupResult;

} // namespace qx
