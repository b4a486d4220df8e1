#include "returns/ReturnWindowOpeners.h"

#include "components/PlatformServices.h"
#include "returns/ReturnScreen.h"
#include "returns/frmPostReturn.h"
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

// The return screen in the mode the command hands in (ReturnOrAdjustment; the command's own when
// none is given); it always opens without a patient.
template <typename Window>
WindowOpener returnScreenOpener(qint16 mode) {
    return [mode](const WindowValues& inputs) {
        Window window;
        window.setReturnOrAdjustment(qint16(inputs.value(QStringLiteral("ReturnOrAdjustment"), mode).toInt()));
        window.Form_Load();
        showModal(window);
        return WindowValues{};
    };
}

// A station's return request from the main window's list (HospNum, IDNum, CMSlip, PatientName).
WindowValues postReturnOpener(const WindowValues& inputs) {
    frmPostReturn window;
    window.HospNum = inputs.value(QStringLiteral("HospNum")).toString();
    window.IDNum = inputs.value(QStringLiteral("IDNum")).toString();
    window.CMSlip = inputs.value(QStringLiteral("CMSlip")).toString();
    window.PatientName = inputs.value(QStringLiteral("PatientName")).toString();
    window.Form_Load();
    showModal(window);
    return WindowValues{};
}

} // namespace

void RegisterReturnWindowOpeners() {
    RegisterWindowOpener(QStringLiteral("mnuPostInPatient"), returnScreenOpener<frmReturn>(ReturnScreen::kReturn));
    RegisterWindowOpener(QStringLiteral("mnuAdjustmentInPatient"), returnScreenOpener<frmReturn>(ReturnScreen::kAdjustment));
    RegisterWindowOpener(QStringLiteral("mnuPostOutPatient"), returnScreenOpener<frmReturnOP>(ReturnScreen::kReturn));
    RegisterWindowOpener(QStringLiteral("mnuAdjustmentOutPatient"),
                         returnScreenOpener<frmReturnOP>(ReturnScreen::kAdjustment));
    RegisterWindowOpener(QStringLiteral("mnuListInPatient"), postedListOpener<frmListPosted>());
    RegisterWindowOpener(QStringLiteral("frmListPosted"), postedListOpener<frmListPosted>());
    RegisterWindowOpener(QStringLiteral("mnuListOutPatient"), postedListOpener<frmListPostedOP>());
    RegisterWindowOpener(QStringLiteral("frmListPostedOP"), postedListOpener<frmListPostedOP>());
    RegisterWindowOpener(QStringLiteral("mnuListPostedCash"), postedListOpener<frmListPostedCash>());
    RegisterWindowOpener(QStringLiteral("frmPostReturn"), postReturnOpener);
}

} // namespace qx
