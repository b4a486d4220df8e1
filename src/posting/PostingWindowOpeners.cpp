#include "posting/PostingWindowOpeners.h"

#include "components/PlatformServices.h"
#include "posting/frmEntry.h"
#include "posting/frmEntryOP.h"
#include "posting/frmEntryMarkup.h"
#include "posting/frmEntryOPMarkUp.h"
#include "shell/WindowOpeners.h"

namespace qx {

void RegisterPostingWindowOpeners() {
    // Each opening loads the screen afresh; nothing is read back.
    RegisterWindowOpener(QStringLiteral("mnuManualInPatient"), [](const WindowValues&) {
        frmEntry form;
        form.Form_Load();
        showModal(form);
        return WindowValues{};
    });
    RegisterWindowOpener(QStringLiteral("mnuManualOutPatient"), [](const WindowValues&) {
        frmEntryOP form;
        form.Form_Load();
        showModal(form);
        return WindowValues{};
    });
    RegisterWindowOpener(QStringLiteral("mnuCompanyMeds"), [](const WindowValues&) {
        frmEntryMarkup form;
        form.Form_Load();
        showModal(form);
        return WindowValues{};
    });
    RegisterWindowOpener(QStringLiteral("mnuCompanyOut"), [](const WindowValues&) {
        frmEntryOPMarkUp form;
        form.Form_Load();
        showModal(form);
        return WindowValues{};
    });
}

} // namespace qx
