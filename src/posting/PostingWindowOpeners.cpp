#include "posting/PostingWindowOpeners.h"

#include "components/PlatformServices.h"
#include "posting/frmEmployee.h"
#include "posting/frmEntry.h"
#include "posting/frmEntryOP.h"
#include "posting/frmEntryMarkup.h"
#include "posting/frmEntryOPMarkUp.h"
#include "shell/WindowOpeners.h"

namespace qx {

namespace {
// Each opening loads the screen afresh; nothing is read back.
template <typename Form>
void registerModalScreen(const QString& command) {
    RegisterWindowOpener(command, [](const WindowValues&) {
        Form form;
        form.Form_Load();
        showModal(form);
        return WindowValues{};
    });
}
} // namespace

void RegisterPostingWindowOpeners() {
    registerModalScreen<frmEntry>(QStringLiteral("mnuManualInPatient"));
    registerModalScreen<frmEntryOP>(QStringLiteral("mnuManualOutPatient"));
    registerModalScreen<frmEntryMarkup>(QStringLiteral("mnuCompanyMeds"));
    registerModalScreen<frmEntryOPMarkUp>(QStringLiteral("mnuCompanyOut"));
    registerModalScreen<frmEmployee>(QStringLiteral("mnuEmployeesMeds"));
}

} // namespace qx
