#include "returns/ReturnWindowOpeners.h"

#include "components/PlatformServices.h"
#include "returns/frmListPosted.h"
#include "returns/frmListPostedOP.h"
#include "returns/frmListPostedCash.h"
#include "shell/WindowOpeners.h"

namespace qx {

namespace {

// Each showing starts afresh on the patient handed in (IDNum; empty: the pharmacist finds one).
template <typename Window>
WindowOpener postedListOpener() {
    return [](const WindowValues& inputs) {
        Window window;
        window.setIDNum(inputs.value(QStringLiteral("IDNum")).toString());
        window.Form_Load();
        showModal(window);
        return WindowValues{};
    };
}

} // namespace

void RegisterReturnWindowOpeners() {
    RegisterWindowOpener(QStringLiteral("mnuListInPatient"), postedListOpener<frmListPosted>());
    RegisterWindowOpener(QStringLiteral("frmListPosted"), postedListOpener<frmListPosted>());
    RegisterWindowOpener(QStringLiteral("mnuListOutPatient"), postedListOpener<frmListPostedOP>());
    RegisterWindowOpener(QStringLiteral("frmListPostedOP"), postedListOpener<frmListPostedOP>());
    RegisterWindowOpener(QStringLiteral("mnuListPostedCash"), postedListOpener<frmListPostedCash>());
}

} // namespace qx
