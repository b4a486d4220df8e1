#include "cash/CashWindowOpeners.h"

#include "cash/frmCashEntry.h"
#include "cash/frmCashReplace.h"
#include "cash/frmEntryCash.h"
#include "cash/frmReturnCash.h"
#include "cash/frmSurcharge.h"
#include "cash/frmSICancellation.h"
#include "cash/frmSIRange.h"
#include "cash/frmSISequence.h"
#include "cash/frmUnpostedCreditAdvise.h"
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
    // The cash sale of a transcribed prescription: the admission (IDNum) and its room (RoomID);
    // answers whether a sale was saved (EntrySaved).
    RegisterWindowOpener(QStringLiteral("mnuProcessTranscription"), [](const WindowValues& inputs) {
        frmEntryCash sale;
        sale.setIDNum(inputs.value(QStringLiteral("IDNum")).toString());
        sale.setRoomID(inputs.value(QStringLiteral("RoomID")).toString());
        sale.Form_Load();
        showModal(sale);
        return WindowValues{{QStringLiteral("EntrySaved"), sale.EntrySaved()}};
    });
    // Stand-alone assessment: the cashier's invoice number first; its OK opens the window.
    RegisterWindowOpener(QStringLiteral("mnuAssessment.frmSISequence"), [](const WindowValues&) {
        frmSISequence sequence;
        showModal(sequence);
        return WindowValues{{QStringLiteral("SISequenceNumber"), frmSISequence::SISequenceNumber()}};
    });
    // "Credit Advise": a new screen at every opening, nothing passed in.
    RegisterWindowOpener(QStringLiteral("mnuCash"), [](const WindowValues&) {
        frmReturnCash advise;
        showModal(advise);
        return WindowValues{};
    });
    // "Surcharge" (the main window offers it at site ZMX only): idle at every opening.
    RegisterWindowOpener(QStringLiteral("mnuSurcharge"), [](const WindowValues&) {
        frmSurcharge surcharge;
        showModal(surcharge);
        return WindowValues{};
    });
    // "Replace Medicine" (its command is kept hidden): a new screen at every opening.
    RegisterWindowOpener(QStringLiteral("mnuCashAdjustment"), [](const WindowValues&) {
        frmCashReplace replace;
        showModal(replace);
        return WindowValues{};
    });
    // "Sales Invoice Cancellation": empty at every opening.
    RegisterWindowOpener(QStringLiteral("mnuSICancellation"), [](const WindowValues&) {
        frmSICancellation cancellation;
        showModal(cancellation);
        return WindowValues{};
    });
    // "&Cash Sales (Sale Invoice Range)": a new dialog each time, so it opens with empty boxes.
    RegisterWindowOpener(QStringLiteral("mnuDIRCashSalesSIRange"), [](const WindowValues&) {
        frmSIRange range;
        showModal(range);
        return WindowValues{};
    });
    // "Reprint Credit Advise": the credit advises of a receipt (ORNumber), or of one item of it (ItemID).
    RegisterWindowOpener(QStringLiteral("mnuCashReprint"), [](const WindowValues& inputs) {
        frmUnpostedCreditAdvise advises;
        advises.ORNumber = inputs.value(QStringLiteral("ORNumber")).toString();
        advises.ItemID = inputs.value(QStringLiteral("ItemID")).toString();
        showModal(advises);
        return WindowValues{};
    });
}

} // namespace qx
