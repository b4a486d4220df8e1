// frmEntry: the doctor look-up, the item profile and the list of posted medicines.
#include "posting/frmEntry.h"

#include "charging/DoctorLookup.h"
#include "components/DrugCatalog.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/Session.h"
#include "shell/WindowOpeners.h"

#include <QLabel>
#include <QLineEdit>

namespace qx {

namespace {
const QString kLookupModule = QStringLiteral("frmEntry");
} // namespace

void frmEntry::cmdDocCode_Click() {
    eventHandler(kLookupModule, QStringLiteral("cmdDocCode_Click"), [&] {
        LookUpDoctor(*gComponents.gDoctor, *gComponents.gDoctorList,
                     {.codeBox = txtDocCode, .doctorCaption = lblPatInfo[3], .itemGrid = grdItemList,
                      .focusGridOnlyWhenEnabled = true});
    });
}

void frmEntry::txtDocCode_KeyPress(int& keyAscii) {
    if (keyAscii == 13) {
        keyAscii = 0;
        cmdDocCode_Click();
    }
}

void frmEntry::LoadListProfile(const QString& itemCode, int /*row*/) {
    // Without a drug component (a screen not yet wired to the suite) there is nothing to list.
    if (!gComponents.gDrug)
        return;
    eventHandler(kLookupModule, QStringLiteral("LoadListProfile"),
                 [&] { profile_.load(gComponents.gDrug->Drug(), Trim(txtFind->text()), itemCode); });
}

void frmEntry::cmdPosted_Click() {
    eventHandler(kLookupModule, QStringLiteral("cmdPosted_Click"), [&] {
        OpenWindow(QStringLiteral("frmListPosted"), {{QStringLiteral("IDNum"), Trim(txtFind->text())}});
    });
}

} // namespace qx
