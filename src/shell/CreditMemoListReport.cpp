#include "shell/CreditMemoListReport.h"

namespace qx {

CreditMemoListReport& LastCreditMemoListReport() {
    static CreditMemoListReport record;
    return record;
}

} // namespace qx
