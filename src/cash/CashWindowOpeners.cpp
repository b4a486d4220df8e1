#include "cash/CashWindowOpeners.h"

#include "cash/frmCashEntry.h"
#include "components/PlatformServices.h"
#include "shell/WindowOpeners.h"

namespace qx {

void RegisterCashWindowOpeners() {
    // The assessment command: the caller says whether the window loads a transcription note.
    RegisterWindowOpener(QStringLiteral("mnuAssessment.frmCashEntry"), [](const WindowValues& inputs) {
        frmCashEntry window;
        window.setIsTransNote(inputs.value(QStringLiteral("isTransNote")).toBool());
        showModal(window);
        return WindowValues{};
    });
}

} // namespace qx
