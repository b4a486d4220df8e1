// frmCommEntry: the item profile of a line, the fixed-charge and antibiotic marks and the
// optional columns.
#include "requests/inpatient/frmCommEntry.h"

#include "charging/RequestLineMarks.h"
#include "components/DrugCatalog.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "shell/Session.h"
#include "shell/Switches.h"
#include "shell/HospitalSettings.h"

#include <QGroupBox>

namespace qx {

namespace {
const QString kCommMarksModule = QStringLiteral("frmCommEntry");
constexpr int kSupplierWidth = 2400, kPNFWidth = 1000, kGenericNameWidth = 2400;
constexpr int kLastAntibioticCol = 3;
} // namespace

void frmCommEntry::LoadListProfile(const QString& admission, const QString& itemCode, int row) {
    generalProcedure(kCommMarksModule, QStringLiteral("LoadListProfile"), [&] {
        const ItemProfile::RequestLine line{
            .genericRequest = grdItemList->textMatrix(row, kColGenericMark) == QLatin1String("*"),
            .remarks = grdItemList->textMatrix(row, kColRemarks),
            .dosage = grdItemList->textMatrix(row, kColDosage)};
        profile_.load(gComponents.gDrug->Drug(), admission, itemCode, line);
    });
}

void frmCommEntry::Mark_FixedPrice() {
    generalProcedure(kCommMarksModule, QStringLiteral("Mark_FixedPrice"),
                     [&] { MarkFixedPrice(*grdItemList, kColFixedCharge, kColCode, kLastMarkedCol); });
}

void frmCommEntry::MarkAntiBiotic() {
    generalProcedure(kCommMarksModule, QStringLiteral("MarkAntiBiotic"),
                     [&] { qx::MarkAntiBiotic(SQLConnection(), *grdItemList, kColCode, kColCode, kLastAntibioticCol); });
}

void frmCommEntry::SetSupplierColWidth() {
    generalProcedure(kCommMarksModule, QStringLiteral("SetSupplierColWidth"), [&] {
        if (gPharmaSwitches.DisplaySupplierInCommunicationEntry(gSiteCode))
            OpenOptionalColumn(*grdItemList, kColSupplier, kSupplierWidth, *this, *Frame1);
    });
}

void frmCommEntry::SetPNFColWidth() {
    generalProcedure(kCommMarksModule, QStringLiteral("SetPNFColWidth"), [&] {
        if (gPharmaSwitches.DisplayPNFInCommunicationEntry(gSiteCode))
            OpenOptionalColumn(*grdItemList, kColPNF, kPNFWidth, *this, *Frame1);
    });
}

void frmCommEntry::SetGenericNameColWidth() {
    generalProcedure(kCommMarksModule, QStringLiteral("SetGenericNameColWidth"),
                     [&] { OpenOptionalColumn(*grdItemList, kColGenericName, kGenericNameWidth, *this, *Frame1); });
}

} // namespace qx
