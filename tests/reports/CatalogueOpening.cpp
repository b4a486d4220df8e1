#include "CatalogueOpening.h"

namespace qx::test {

// Each theme's test file adds its own TEST_P over the demo data; the suite runs on both engines.
QX_ON_BOTH_ENGINES(CatalogueDemoTest);

} // namespace qx::test
