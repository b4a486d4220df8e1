// frmUDEntry: the opening, the patient header, the request list with its route filter and the
// issued-today marks, the item's profile, and the two windows opened from the header.
#include "requests/unitdose/frmUDEntry.h"

#include "charging/ChargeEligibility.h"
#include "charging/ChargeGrid.h"
#include "charging/InpatientBanner.h"
#include "charging/Numbering.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "components/InpatientFile.h"
#include "components/PlatformServices.h"
#include "platform/CellEditor.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/UpDown.h"
#include "platform/Values.h"
#include "requests/serving/RequestServing.h"
#include "shell/HospitalSettings.h"
#include "shell/QueryHelpers.h"
#include "shell/Session.h"
#include "shell/WindowOpeners.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace qx {

namespace {
const QString kUDLoadModule = QStringLiteral("frmUDEntry");
} // namespace

void frmUDEntry::Form_Load() {
    eventHandler(kUDLoadModule, QStringLiteral("Form_Load"), [&] {
        DataSaved = PrintAfterSave = SaveDone = SlipPrinted = false;
        chargeGrid_->pending().clearAll();
        chargeGrid_->pending().set(PendingGridMove::FirstFocus);

        layOutGrid();
        const int cellHeight = twipsToPixels(flexMSEntry->rowHeight(1));
        for (QWidget* part : std::initializer_list<QWidget*>{txtEntry(), cmdEntry(), UpDownCtl()})
            part->setFixedHeight(cellHeight);

        for (QLabel* value : lblPatInfo)
            value->clear();
        lblVelmira->hide();
        for (QPushButton* button : {cmdCancel, cmdDiscontinue})
            button->setEnabled(true);
        loadHeader();

        Option2->setChecked(true);
        Option2_Click();
        cmdPrintSave->setEnabled(false);
        cmdSave->setEnabled(false);
        if (gSiteCode == QLatin1String("NORVAX"))
            lblVelmira->show();
        // The grid comes first in the tab order: its first focus lays the editor over the line.
        if (flexMSEntry->isEnabled())
            flexMSEntry->setFocus(Qt::OtherFocusReason);
    });
}

void frmUDEntry::loadHeader() {
    if (patientID_.isEmpty())
        return;
    InpatientFile::Patient& patient = *gComponents.gPatient;
    if (!patient.LoadInfo(patientID_))
        return;
    const QString blank = QStringLiteral(" ");
    lblPatInfo[7]->setText(blank + patient.AdmissionNumber());
    lblPatInfo[0]->setText(blank + patient.HospitalNumber());
    lblPatInfo[1]->setText(blank + patient.StationID() + QStringLiteral(" - ") + patient.Station());
    lblPatInfo[2]->setText(blank + patient.PatientName());
    lblPatInfo[3]->setText(blank + patient.Doctor());
    lblPatInfo[4]->setText(blank + patient.RoomNumber() + QStringLiteral(" - ") + patient.Room());
    // The number the save claims from: the drug component's, at every site.
    lblPatInfo[5]->setText(blank + DrugChargeSlipSeries(gComponents.gDrug->Drug().Chargeslip()).current());
    lblPatInfo[8]->setText(blank + patient.Age());
    lblPatInfo[9]->setText(blank + Left(patient.Sex(), 1));
    ShowSponsorship(SQLConnection(), *lblVelmira, patient.AdmissionNumber());
}

void frmUDEntry::layOutGrid() {
    chargeGrid_->layout();
    for (int col = 0; col < kCols; ++col)
        flexMSEntry->setColAlignment(col, Qt::AlignLeft | Qt::AlignVCenter);
    const std::vector<int> widths = columnWidths(pixelsToTwips(flexMSEntry->width()));
    for (int col = 0; col < kCols; ++col)
        flexMSEntry->setColWidth(col, widths[static_cast<size_t>(col)]);
}

void frmUDEntry::Option1_Click() {
    eventHandler(kUDLoadModule, QStringLiteral("Option1_Click"), [&] { LoadUnitDoseList(QString()); });
}

void frmUDEntry::Option2_Click() {
    eventHandler(kUDLoadModule, QStringLiteral("Option2_Click"), [&] { LoadUnitDoseList(QStringLiteral("O")); });
}

void frmUDEntry::writeLine(int row, int line, const Recordset& requests) {
    DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
    flexMSEntry->setTextMatrix(row, kColNumber, QString::number(line));
    flexMSEntry->setTextMatrix(row, kColCode, drug.DrugCode());
    flexMSEntry->setTextMatrix(row, kColDescription, drug.DrugName() + QStringLiteral(" ") + drug.Description());
    flexMSEntry->setTextMatrix(row, kColDosage, Text(requests.value(QStringLiteral("DosageID"))));
    flexMSEntry->setTextMatrix(row, kColIssued, Text(requests.value(QStringLiteral("Quantity"))));
    flexMSEntry->setTextMatrix(row, kColStock, Text(drug.Invent().StockOnHand));
    flexMSEntry->setTextMatrix(row, kColUnitPrice, Text(drug.Invent().SellingPriceIn));
    const QVariant amount = requests.value(QStringLiteral("Amount"));
    flexMSEntry->setTextMatrix(row, kColAmount, IsNull(amount) ? QString() : Format(amount, QStringLiteral("######0.00")));
}

void frmUDEntry::LoadUnitDoseList(const QString& filter) {
    generalProcedure(kUDLoadModule, QStringLiteral("LoadUnitDoseList"), [&] {
        Connection& con = SQLConnection();
        DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
        flexMSEntry->setRedraw(false);
        layOutGrid();
        const Recordset requests = drug.ListUnitDose(patientID_);
        bool found = false;
        qint16 line = 1;
        for (int i = 0; i < requests.recordCount(); ++i) {
            const auto field = [&](const char* name) { return requests.valueAt(i, QString::fromLatin1(name)); };
            if (!drug.SearchDrug(Text(field("DrugCode"))))
                continue;
            const QVariant route = drug.OralOrInjectible();
            const bool filtered = !IsNull(route) && route.toString() == filter;
            if (!filtered && !filter.isEmpty())
                continue;
            found = true;
            if (Trim(Text(field("RecordStatus"))) == QLatin1String("R"))
                continue;
            flexMSEntry->setRows(line + 1);
            const Recordset current(requests.fieldNames(), {requests.row(i)});
            const bool issuedToday = IsIssuedToday(con, patientID_, drug.DrugCode());
            if (filtered || !issuedToday) {
                writeLine(line, line, current);
                flexMSEntry->setTextMatrix(line, kColRemarks, issuedToday ? kIssuedToday : Text(field("Remark")));
            } else {
                // Issued today and shown under "All" with another route: listed, never served.
                flexMSEntry->setTextMatrix(line, kColNumber, QString::number(line));
                flexMSEntry->setTextMatrix(line, kColCode, drug.DrugCode());
                flexMSEntry->setTextMatrix(line, kColDescription,
                                           drug.DrugName() + QStringLiteral(" ") + drug.Description());
                for (int col : {kColDosage, kColIssued, kColStock, kColUnitPrice, kColAmount})
                    flexMSEntry->setTextMatrix(line, col, kNotServable);
                flexMSEntry->setTextMatrix(line, kColRemarks, kIssuedToday);
            }
            lblPatInfo[6]->setText(TotalCharges());
            ++line;
        }
        if (requests.recordCount() > 0) {
            const int row = flexMSEntry->row();
            LoadListProfile(lblPatInfo[7]->text(), flexMSEntry->textMatrix(row, kColCode), row);
        }
        flexMSEntry->setRedraw(true);
        if (found) {
            chargeGrid_->setEditorText(flexMSEntry->text());
        } else {
            chargeGrid_->hideEditor();
        }
        flexMSEntry->setEnabled(found);
    });
}

QString frmUDEntry::TotalCharges() const {
    double total = 0;
    for (int row = 1; row < flexMSEntry->rows(); ++row) {
        const QString amount = flexMSEntry->textMatrix(row, kColAmount);
        if (Trim(amount) != kNotServable)
            total += Val(amount);
    }
    return Format(total, QStringLiteral("###0.00"));
}

void frmUDEntry::LoadListProfile(const QString& admission, const QString& itemCode, int row) {
    generalProcedure(kUDLoadModule, QStringLiteral("LoadListProfile"), [&] {
        const bool discontinued = Trim(flexMSEntry->textMatrix(row, kColRemarks)) == kDiscontinuedRemark;
        profile_.addTrailingRows = [&](FlexGrid& grid) {
            for (int r = grid.fixedRows(); r < grid.rows(); ++r)
                grid.setMergeRow(r, false);
            if (!discontinued)
                return;
            const std::optional<Recordset> info = SQLConnection().callProcedure(
                QStringLiteral("Drug_DiscontinueInfo"),
                {{QStringLiteral("@IDNum"), Trim(admission)}, {QStringLiteral("@ItemID"), Trim(itemCode)}});
            grid.setRows(grid.rows() + 1);
            const int added = grid.rows() - 1;
            if (!info || info->isEmpty()) {
                grid.setTextMatrix(added, 0, ItemProfile::kDiscontinued);
            } else {
                grid.setTextMatrix(added, 0, Text(info->value(QStringLiteral("DiscDate"))));
                const QString by = QStringLiteral("Discontinued by ") + Text(info->value(QStringLiteral("DiscontinuedBy")));
                for (int col = 1; col <= 4 && col < grid.cols(); ++col)
                    grid.setTextMatrix(added, col, by);
            }
            grid.setMergeRow(added, true);
            grid.setMergeCells(FlexGrid::MergeCells::Free);
        };
        profile_.load(gComponents.gDrug->Drug(), admission, itemCode);
        profile_.addTrailingRows = nullptr;
    });
}

void frmUDEntry::cmdDrugProfile_Click() {
    eventHandler(kUDLoadModule, QStringLiteral("cmdDrugProfile_Click"), [&] {
        ShowDrugProfile([this](int index) { return lblPatInfo[static_cast<size_t>(index)]; });
    });
}

void frmUDEntry::cmdPosted_Click() {
    eventHandler(kUDLoadModule, QStringLiteral("cmdPosted_Click"), [&] {
        OpenWindow(QStringLiteral("frmListPosted"), {{QStringLiteral("IDNum"), Trim(lblPatInfo[7]->text())}});
    });
}

} // namespace qx
