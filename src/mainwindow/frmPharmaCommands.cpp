// The main window's commands by control name, and the commands that only open a window through
// the registry of window openers. A command whose window is not registered shows nothing.
#include "mainwindow/frmPharma.h"

#include "components/DrugPicker.h"
#include "components/InputBox.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "shell/Session.h"
#include "shell/Switches.h"
#include "shell/frmShift.h"

#include <QAction>
#include <QPrintDialog>
#include <QPrinter>
#include <map>

namespace qx {

namespace {

const QString kCommandsModule = QStringLiteral("frmPharma");

using CommandHandler = void (frmPharma::*)();

// The commands with a handler of the window's own, by control name. Every other command opens
// the window registered under its control name.
const std::map<QString, CommandHandler>& ownCommandHandlers() {
    static const std::map<QString, CommandHandler> byName = {
        {QStringLiteral("mnuLogOff"), &frmPharma::mnuLogOff_Click},
        {QStringLiteral("mnuChangeShift"), &frmPharma::mnuChangeShift_Click},
        {QStringLiteral("mnuUserSetting"), &frmPharma::mnuUserSetting_Click},
        {QStringLiteral("mnuAuditTrail"), &frmPharma::mnuAuditTrail_Click},
        {QStringLiteral("mnuOptions"), &frmPharma::mnuOptions_Click},
        {QStringLiteral("mnuDiscountType"), &frmPharma::mnuDiscountType_Click},
        {QStringLiteral("mnuChargeSlip"), &frmPharma::mnuChargeSlip_Click},
        {QStringLiteral("mnuPrinterSetup"), &frmPharma::mnuPrinterSetup_Click},
        {QStringLiteral("mnuBarcodeSettings"), &frmPharma::mnuBarcodeSettings_Click},
        {QStringLiteral("mnuHelpSearch"), &frmPharma::mnuHelpSearch_Click},
        {QStringLiteral("mnuPending"), &frmPharma::mnuPending_Click},
        {QStringLiteral("mnuAutoDispense"), &frmPharma::mnuAutoDispense_Click},
        {QStringLiteral("mnuProcessTranscription"), &frmPharma::mnuProcessTranscription_Click},
        {QStringLiteral("mnuAssessment"), &frmPharma::mnuAssessment_Click},
        {QStringLiteral("mnuReprint"), &frmPharma::mnuReprint_Click},
        {QStringLiteral("mnuRefresh"), &frmPharma::mnuRefresh_Click},
        {QStringLiteral("mnuSorted"), &frmPharma::mnuSorted_Click},
        {QStringLiteral("mnuFIFO"), &frmPharma::mnuFIFO_Click},
        {QStringLiteral("mnuInpatient"), &frmPharma::mnuInpatient_Click},
        {QStringLiteral("mnuOutPatient"), &frmPharma::mnuOutPatient_Click},
        {QStringLiteral("mnuERpatient"), &frmPharma::mnuERpatient_Click},
        {QStringLiteral("mnuReprintAssess"), &frmPharma::mnuReprintAssess_Click},
        {QStringLiteral("mnuRevokeAssess"), &frmPharma::mnuRevokeAssess_Click},
        {QStringLiteral("mnuRxOn"), &frmPharma::mnuRxOn_Click},
        {QStringLiteral("mnuRxOFF"), &frmPharma::mnuRxOFF_Click},
        {QStringLiteral("mnuManualInPatient"), &frmPharma::mnuManualInPatient_Click},
        {QStringLiteral("mnuManualOutPatient"), &frmPharma::mnuManualOutPatient_Click},
        {QStringLiteral("mnuEmployeesMeds"), &frmPharma::mnuEmployeesMeds_Click},
        {QStringLiteral("mnuPostInPatient"), &frmPharma::mnuPostInPatient_Click},
        {QStringLiteral("mnuPostOutPatient"), &frmPharma::mnuPostOutPatient_Click},
        {QStringLiteral("mnuAdjustmentInPatient"), &frmPharma::mnuAdjustmentInPatient_Click},
        {QStringLiteral("mnuAdjustmentOutPatient"), &frmPharma::mnuAdjustmentOutPatient_Click},
        {QStringLiteral("mnuListInPatient"), &frmPharma::mnuListInPatient_Click},
        {QStringLiteral("mnuListOutPatient"), &frmPharma::mnuListOutPatient_Click},
        {QStringLiteral("mnuDrugsInquiry"), &frmPharma::mnuDrugsInquiry_Click},
        {QStringLiteral("mnuConfirmMeds"), &frmPharma::mnuConfirmMeds_Click},
        {QStringLiteral("mnuCashReprint"), &frmPharma::mnuCashReprint_Click},
    };
    return byName;
}

// The return window's two tasks.
constexpr int kReturnWithCreditMemo = 1;
constexpr int kCorrectionWithAdjustmentSlip = 2;

} // namespace

bool frmPharma::HasOwnHandler(const QString& controlName) { return ownCommandHandlers().count(controlName) > 0; }

void frmPharma::RunCommand(const QString& controlName) {
    if (const auto own = ownCommandHandlers().find(controlName); own != ownCommandHandlers().end()) {
        (this->*own->second)();
        return;
    }
    // A command of another module (a report's dialog, a screen's window) is its opener.
    openCommandWindow(controlName);
}

void frmPharma::openCommandWindow(const QString& controlName, const WindowValues& inputs) {
    eventHandler(kCommandsModule, controlName + QStringLiteral("_Click"),
                 [&] { OpenWindow(controlName, inputs); });
}

void frmPharma::mnuPrinterSetup_Click() {
    eventHandler(kCommandsModule, QStringLiteral("mnuPrinterSetup_Click"), [this] {
        // The system's own dialog; the program reads nothing back from it.
        QPrinter printer;
        QPrintDialog cd(&printer, this);
        cd.setObjectName(QStringLiteral("cd"));
        showModal(cd);
    });
}

void frmPharma::mnuBarcodeSettings_Click() { openCommandWindow(QStringLiteral("mnuBarcodeSettings")); }

// A look-up only: the picked code is dropped.
void frmPharma::mnuDrugsInquiry_Click() {
    eventHandler(kCommandsModule, QStringLiteral("mnuDrugsInquiry_Click"), [] {
        DrugPicker::DrugList& picker = SlotComponent(gComponents.gDrugList);
        picker.setDrugsOrCsr(true);
        picker.ShowList(QString(), std::nullopt, gLocationID);
    });
}

// The credit advises of one receipt; an empty answer opens nothing, any other goes as typed.
void frmPharma::mnuCashReprint_Click() {
    eventHandler(kCommandsModule, QStringLiteral("mnuCashReprint_Click"), [] {
        const QString receipt =
            InputBox(QStringLiteral("Receipt Number"), QStringLiteral("Reprint Credit Advise"), QStringLiteral("OR")).value_or(QString());
        if (receipt.isEmpty())
            return;
        OpenWindow(QStringLiteral("mnuCashReprint"), {{QStringLiteral("ORNumber"), receipt}, {QStringLiteral("ItemID"), QString()}});
    });
}

// Stand-alone sites first ask the cashier's sales-invoice sequence, whose OK opens the assessment.
void frmPharma::mnuAssessment_Click() {
    if (gPharmaSwitches.PharmacyCashStandAlone())
        openCommandWindow(QStringLiteral("mnuAssessment.frmSISequence"));
    else
        openCommandWindow(QStringLiteral("mnuAssessment.frmCashEntry"), {{QStringLiteral("isTransNote"), false}});
}

void frmPharma::mnuManualInPatient_Click() { openCommandWindow(QStringLiteral("mnuManualInPatient")); }
void frmPharma::mnuManualOutPatient_Click() { openCommandWindow(QStringLiteral("mnuManualOutPatient")); }
void frmPharma::mnuEmployeesMeds_Click() { openCommandWindow(QStringLiteral("mnuEmployeesMeds")); }

// One return window serves both tasks: each opening says which, so no mode carries over.
void frmPharma::mnuPostInPatient_Click() {
    openCommandWindow(QStringLiteral("mnuPostInPatient"), {{QStringLiteral("ReturnOrAdjustment"), kReturnWithCreditMemo}});
}
void frmPharma::mnuPostOutPatient_Click() {
    openCommandWindow(QStringLiteral("mnuPostOutPatient"), {{QStringLiteral("ReturnOrAdjustment"), kReturnWithCreditMemo}});
}
void frmPharma::mnuAdjustmentInPatient_Click() {
    openCommandWindow(QStringLiteral("mnuAdjustmentInPatient"),
                      {{QStringLiteral("ReturnOrAdjustment"), kCorrectionWithAdjustmentSlip}});
}
void frmPharma::mnuAdjustmentOutPatient_Click() {
    openCommandWindow(QStringLiteral("mnuAdjustmentOutPatient"),
                      {{QStringLiteral("ReturnOrAdjustment"), kCorrectionWithAdjustmentSlip}});
}

// From the menu the posted lists open empty, with their patient search free.
void frmPharma::mnuListInPatient_Click() {
    openCommandWindow(QStringLiteral("mnuListInPatient"), {{QStringLiteral("IDNum"), QString()}});
}
void frmPharma::mnuListOutPatient_Click() {
    openCommandWindow(QStringLiteral("mnuListOutPatient"), {{QStringLiteral("IDNum"), QString()}});
}

void frmPharma::ShowRefill() {
    // The refill list's patient id is taken as it stands.
    openCommandWindow(QStringLiteral("frmRefill"),
                      {{QStringLiteral("PatientID"), flexMSHList->textMatrix(flexMSHList->row(), 0)}});
}

void frmPharma::mnuConfirmMeds_Click() { openCommandWindow(QStringLiteral("frmListPharmaCommunication")); }

// The View menu's order: the two marks flip as a pair, and the list reloads in the new order.
void frmPharma::mnuFIFO_Click() {
    eventHandler(kCommandsModule, QStringLiteral("mnuFIFO_Click"), [this] {
        QAction* const fifo = command(QStringLiteral("mnuFIFO"));
        fifo->setChecked(!fifo->isChecked());
        command(QStringLiteral("mnuSorted"))->setChecked(!fifo->isChecked());
        ClickTreeView();
    });
}

void frmPharma::mnuSorted_Click() {
    eventHandler(kCommandsModule, QStringLiteral("mnuSorted_Click"), [this] {
        QAction* const sorted = command(QStringLiteral("mnuSorted"));
        sorted->setChecked(!sorted->isChecked());
        command(QStringLiteral("mnuFIFO"))->setChecked(!sorted->isChecked());
        ClickTreeView();
    });
}

void frmPharma::mnuRefresh_Click() {
    eventHandler(kCommandsModule, QStringLiteral("mnuRefresh_Click"), [this] { ClickTreeView(); });
}

} // namespace qx
