#include "mainwindow/WorkQueueWindowOpeners.h"

#include "components/PlatformServices.h"
#include "mainwindow/frmListPharmaCommunication.h"
#include "mainwindow/frmRefill.h"
#include "mainwindow/frmRequestKVRS.h"
#include "shell/WindowOpeners.h"

namespace qx {

void RegisterWorkQueueWindowOpeners() {
    // Each window fills its lists as it shows and hands nothing back.
    RegisterWindowOpener(QStringLiteral("frmListPharmaCommunication"), [](const WindowValues&) {
        showModal(frmListPharmaCommunication::Default());
        return WindowValues{};
    });
    RegisterWindowOpener(QStringLiteral("frmRequestKVRS"), [](const WindowValues&) {
        showModal(frmRequestKVRS::Default());
        return WindowValues{};
    });
    RegisterWindowOpener(QStringLiteral("frmRefill"), [](const WindowValues& inputs) {
        frmRefill& window = frmRefill::Default();
        window.setPatientID(inputs.value(QStringLiteral("PatientID")).toString());
        showModal(window);
        return WindowValues{};
    });
}

} // namespace qx
