// frmCommEntryOP: the load with the visit's header, the pending lines priced by the out-patient
// request rule, the marks and the optional columns.
#include "requests/outpatient/frmCommEntryOP.h"

#include "charging/ChargeGrid.h"
#include "charging/ColorLegend.h"
#include "charging/InpatientBanner.h"
#include "charging/InpatientPriceRule.h"
#include "charging/OutPatientPricing.h"
#include "charging/RequestLineMarks.h"
#include "charging/RequestScreenGrid.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "components/OutpatientFile.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/Values.h"
#include "requests/outpatient/ComputeUnitPrice.h"
#include "shell/GridHelpers.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"
#include "shell/Switches.h"
#include "shell/frmShift.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace qx {

void frmCommEntryOP::Form_Load() {
    strAccountNum_.clear();
    buildForm();
    requestGrid().start();

    bool senior = false;
    if (!patientID_.isEmpty() && gComponents.gOPDPatient->Search(patientID_) && loadVisit(senior))
        LoadPendingLines();

    if (gShowColorAntibioticClass) {
        setFixedHeight(twipsToPixels(kHeightWithLegend));
        Frame4->fill(SQLConnection());
        MarkAntiBiotic();
    }
    // A senior visit is served as it was requested: nothing on the lines may change.
    if (senior) {
        chargeGrid_->hideEditor();
        grdItemList->setEnabled(false);
        cmdCancel->setEnabled(false);
    } else {
        grdItemList->setEnabled(true);
        cmdCancel->setEnabled(true);
        txtDiscount->setEnabled(false);
    }
    cmdPrintSave->setEnabled(false);
    cmdSave->setEnabled(false);
    requestGrid().openEditorForScan();
    if (gSiteCode == QLatin1String("SIKE") || gPharmaSwitches.IsKelvarHospital())
        cmdPrintPrescription->show();
    if (canSave()) {
        cmdPrintSave->setEnabled(true);
        cmdSave->setEnabled(true);
    }
    SetSupplierColWidth();
    SetPNFColWidth();
    SetGenericNameColWidth();
}

bool frmCommEntryOP::loadVisit(bool& senior) {
    Connection& con = SQLConnection();
    const OutpatientFile::OPDPatient& visit = *gComponents.gOPDPatient;
    lblPatInfo[7]->setText(visit.OPDNumber());
    lblPatInfo[0]->setText(visit.HospitalNumber());
    lblPatInfo[1]->setText(stationName_);
    lblPatInfo[2]->setText(visit.PatientName());
    txtDocCode->setText(visit.DoctorCode());
    lblPatInfo[3]->setText(visit.Doctor());
    lblPatInfo[4]->setText(requestedStationID_ + QStringLiteral(" (OP)"));
    lblPatInfo[8]->setText(visit.AccountName());
    strAccountNum_ = visit.AccountNumber();
    if (isForOutPrice(con, strAccountNum_)) {
        TimerPrice->start();
    } else {
        TimerPrice->stop();
        lblPrice->hide();
    }
    lblPatInfo[9]->setText(visit.Age());
    lblPatInfo[10]->setText(Left(visit.Sex(), 1));
    lblPatInfo[5]->setText(ShownDispensingChargeSlip(con, lblPatInfo[7]->text()));
    // The visit's own patient decides, not whichever admission the in-patient record holds.
    senior = visit.SeniorCitizen();
    if (senior) {
        txtDiscount->setText(QString::number(gSeniorCitizenDiscount));
        chkSenior->setChecked(true);
    } else {
        chkSenior->setChecked(false);
        txtDiscount->setEnabled(false);
        grdItemList->setColWidth(kColStock, 0);
    }
    return true;
}

void frmCommEntryOP::LoadPendingLines() {
    Connection& con = SQLConnection();
    DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
    const Recordset requests = drug.ListPendingRequests(patientID_, requestedStationID_, QStringLiteral("O"));
    RequestGridColumns columns;
    columns.unitPrice = kColUnitPrice;
    columns.genericMarks = {kColGenericMark, kColGenericMark + 1};
    columns.fixedCharge = kColFixedCharge;
    columns.barcode = kColBarCode;
    columns.scanFlag = kColScanned;
    RequestLineLoader loader(columns, pictures_,
                             {.checkBarcode = gCheckBarCode,
                              .searchWithPatient = GetInvSwitch(con, QStringLiteral("89")),
                              .location = gLocationID,
                              .patientKey = lblPatInfo[7]->text(),
                              .numberGenericLines = false});
    loader.priceItemLine = [this](int row, const Recordset& rs, int index) { priceItemLine(row, rs, index); };
    loader.lineWritten = [grid = requestGrid()](int row) { grid.markFixedPriceLine(row); };
    const RequestLineLoader::Result listed = loader.load(con, drug, *grdItemList, requests);
    if (!listed.anyRequest)
        return;
    if (!listed.doctorId.isEmpty()) {
        txtDocCode->setText(listed.doctorId);
        lblPatInfo[3]->setText(listed.doctor);
    }
    lblPatInfo[6]->setText(Str(SumGridColumn(*grdItemList, kColAmount, 1)));
    const int row = grdItemList->row();
    LoadListProfile(Trim(lblPatInfo[7]->text()), grdItemList->textMatrix(row, kColCode), row);
}

void frmCommEntryOP::priceItemLine(int row, const Recordset& rs, int index) {
    Connection& con = SQLConnection();
    const DrugCatalog::InventRecord& invent = gComponents.gDrug->Drug().Invent();
    const QString code = Text(rs.valueAt(index, rs.fieldIndex(QStringLiteral("Drug Code"))));
    const OutPatientRequestPrice price =
        ComputeUnitPrice(con, invent,
                         {.itemCode = code,
                          .visitId = Trim(lblPatInfo[7]->text()),
                          .quantity = Val(Text(rs.valueAt(index, rs.fieldIndex(QStringLiteral("Quantity"))))),
                          .outPriceAccount = isForOutPrice(con, strAccountNum_),
                          .fixedCharge = Val(grdItemList->textMatrix(row, kColFixedCharge))});
    grdItemList->setTextMatrix(row, kColUnitPrice, price.unitPrice);
    grdItemList->setTextMatrix(row, kColPriceIn, Text(invent.SellingPriceIn));
    grdItemList->setTextMatrix(row, kColPriceOut, Text(invent.SellingPriceOut));
    grdItemList->setTextMatrix(row, kColAmount, price.amount);
    if (price.mdrp)
        grdItemList->setCellBackColorAt(row, kColCode, kMDRPCellColor);
}

void frmCommEntryOP::LoadListProfile(const QString& visit, const QString& itemCode, int row) {
    requestGrid().loadListProfile(visit, itemCode, row);
}

void frmCommEntryOP::Mark_FixedPrice() { requestGrid().markFixedPrices(); }
void frmCommEntryOP::MarkAntiBiotic() { requestGrid().markAntibiotics(); }
void frmCommEntryOP::SetSupplierColWidth() { requestGrid().setSupplierColWidth(); }
void frmCommEntryOP::SetPNFColWidth() { requestGrid().setPNFColWidth(); }
void frmCommEntryOP::SetGenericNameColWidth() { requestGrid().setGenericNameColWidth(); }

} // namespace qx
