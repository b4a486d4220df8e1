// frmCommEntryPres: the load, with the patient banner and the pending take-home lines priced by
// the take-home rule.
#include "prescriptions/frmCommEntryPres.h"

#include "charging/ChargeGrid.h"
#include "charging/ColorLegend.h"
#include "charging/InpatientBanner.h"
#include "charging/PriceLookups.h"
#include "charging/RequestLineMarks.h"
#include "charging/RequestScreenGrid.h"
#include "charging/TakeHomePriceRule.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "components/InpatientFile.h"
#include "components/PlatformServices.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/UpDown.h"
#include "platform/Values.h"
#include "shell/GridHelpers.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"
#include "shell/frmShift.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

namespace qx {

void frmCommEntryPres::Form_Load() {
    buildForm();
    entriesSaved_ = false;
    printRequested_ = false;
    printAfterSave_ = false;
    senior_ = false;
    requestGrid().start();
    layOutGrid();
    if (gSiteCode != QLatin1String("QVH")) {
        Label1[13]->hide();
        lblTargetLocationID->hide();
    }

    if (!patientID_.isEmpty() && gComponents.gPatient->LoadInfo(patientID_) && loadPatient())
        loadPendingLines();

    if (gShowColorAntibioticClass) {
        Frame4->show();
        Frame4->fill(SQLConnection());
        MarkAntiBiotic();
    }
    if (senior_) {
        chargeGrid_->hideEditor();
        cmdCancel->setEnabled(false);
    } else {
        cmdCancel->setEnabled(true);
        txtDiscount->setEnabled(false);
    }
    cmdPrintSave->setEnabled(false);
    cmdSave->setEnabled(false);
    // Nobody loaded: there is no admission whose VIP flag could be read.
    const QString admission = Trim(lblPatInfo[7]->text());
    if (!admission.isEmpty() && IsVIPPatient(SQLConnection(), admission))
        lblVIP->show();
    requestGrid().openEditorForScan();
}

void frmCommEntryPres::layOutGrid() {
    const double w = pixelsToTwips(flexMSEntry->width());
    const int u = static_cast<int>(std::lround(w / 19));
    const int v = static_cast<int>(std::lround(w / 16 + 300));
    const int widths[kCols] = {300, v,       5 * u, 2 * u, 2 * u - 200, 2 * u - 200, 2 * u - 500, 2 * u, 5 * u, 0,
                               0,   v + 300, 5 * u, 2 * v, 0,           0,           0,           0,     0,     5 * v,
                               0,   0,       0,     0,     500,         500,         v,           0};
    for (int col = 0; col < kCols; ++col)
        flexMSEntry->setColWidth(col, widths[col]);
    const int cellHeight = twipsToPixels(flexMSEntry->rowHeight(1));
    for (QWidget* part : std::initializer_list<QWidget*>{txtEntry(), cmdEntry(), UpDownCtl()})
        part->setFixedHeight(cellHeight);
}

bool frmCommEntryPres::loadPatient() {
    Connection& con = SQLConnection();
    InpatientFile::Patient& patient = *gComponents.gPatient;
    const QString admission = patient.AdmissionNumber();
    ShowRequestAdmission(con, patient, requestedStationID_, lblPatInfo, *txtDocCode, *lblExecPackage, *lblVelmira);
    ShowRoomMarkUp(con, *lblMarkUp, *lblRoomClass, admission);

    senior_ = patient.SeniorCitizen();
    if (senior_) {
        txtDiscount->setText(QString::number(gSeniorCitizenDiscount));
        chkSenior->setChecked(true);
    } else {
        chkSenior->setChecked(false);
        txtDiscount->setEnabled(false);
        flexMSEntry->setColWidth(kColSCDiscount, 0);
    }
    return true;
}

void frmCommEntryPres::loadPendingLines() {
    Connection& con = SQLConnection();
    DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
    const std::optional<Recordset> lines =
        con.callProcedure(QStringLiteral("Drug_ListPendingPrescription"),
                          {{QStringLiteral("@IDNum"), patientID_}, {QStringLiteral("@isHomeMed"), isHomeMed_ ? 1 : 0}});
    const Recordset listed = lines ? *lines : Recordset();

    RequestGridColumns columns{.code = kColCode, .genericName = -1, .description = kColDescription, .brand = -1,
                               .supplier = -1, .pnf = -1, .uom = -1, .dosage = kColDosage,
                               .requested = kColRequested, .issued = kColIssued, .stock = kColStock,
                               .amount = kColAmount, .remarks = kColRemarks, .unitPrice = kColSellPriceIn,
                               .requestNumber = kColRequestNumber, .seniorCheck = kColSCDiscount, .nurse = kColNurse,
                               .requestDate = kColRequestDate, .oldAmount = kColOldAmount,
                               .requestedCode = kColRequestedCode, .genericMarks = {},
                               .fixedCharge = kColFixedCharge, .barcode = kColBarCode, .scanFlag = kColScanned};
    RequestLineLoader loader(columns, pictures_,
                             {.checkBarcode = gCheckBarCode,
                              .searchWithPatient = false,
                              .location = gLocationID,
                              .patientKey = lblPatInfo[7]->text(),
                              .numberGenericLines = false,
                              .nurseField = QStringLiteral("clsCurrentUser")});
    loader.priceItemLine = [this](int row, const Recordset& rs, int index) { priceLoadedLine(row, rs, index); };
    loader.lineWritten = [this](int row) {
        requestGrid().markFixedPriceLine(row);
        flexMSEntry->setCellPicture(row, kColSCDiscount, pictures_.emptyBox);
    };
    const RequestLineLoader::Result result = loader.load(con, drug, *flexMSEntry, listed);
    lblTargetLocationID->setText(gSiteCode == QLatin1String("QVH") ? result.targetLocation : QString());
    if (!result.anyRequest)
        return;
    lblPatInfo[6]->setText(Str(SumGridColumn(*flexMSEntry, kColAmount, 1)));
    const int row = flexMSEntry->row();
    LoadListProfile(lblPatInfo[7]->text(), flexMSEntry->textMatrix(row, kColCode), row);
}

void frmCommEntryPres::priceLoadedLine(int row, const Recordset& rs, int index) {
    Connection& con = SQLConnection();
    const DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
    const double quantity = Val(Text(rs.valueAt(index, QStringLiteral("Quantity"))));
    const InpatientBasePrice price = TakeHomeUnitPrice(con, drug, Trim(lblPatInfo[7]->text()), Val(lblMarkUp->text()));
    flexMSEntry->setTextMatrix(row, kColSellPriceIn, price.unitPrice);
    flexMSEntry->setTextMatrix(row, kColPriceTaken, price.unitPrice);
    flexMSEntry->setTextMatrix(row, kColPriceOut, Text(drug.Invent().SellingPriceOut));
    flexMSEntry->setTextMatrix(row, kColAmount,
                               TakeHomeLoadAmount(price, Val(flexMSEntry->textMatrix(row, kColFixedCharge)), quantity));
}

} // namespace qx
