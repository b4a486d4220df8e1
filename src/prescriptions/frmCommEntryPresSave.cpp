// frmCommEntryPres: saving a take-home dispensing under its charge slips, the slips' print and
// the doctor's prescription.
#include "prescriptions/frmCommEntryPres.h"

#include "charging/ChargePosting.h"
#include "charging/DoctorPrescription.h"
#include "charging/Numbering.h"
#include "charging/RequestSaveChecks.h"
#include "charging/SlipPrinting.h"
#include "charging/StockCard.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "components/InpatientFile.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "platform/report/Report.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"
#include "shell/Switches.h"
#include "shell/frmShift.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <map>

namespace qx {

namespace {

const QString kPresSaveModule = QStringLiteral("frmCommEntryPres");

PrescriptionColumns prescriptionColumns() {
    using P = frmCommEntryPres;
    return {.code = P::kColCode, .dosage = P::kColDosage, .issued = P::kColIssued,
            .requestNumber = P::kColRequestNumber};
}
constexpr double kLargeAmount = 5000;
constexpr int kDefaultLinesPerSlip = 20;

// Marks the admission's open take-home records of the item with the slip they were issued under,
// and as served when the whole requested quantity was issued. Cancelled or served records keep
// their state.
void recordTakeHomeIssue(Connection& con, const QString& patientId, const QString& itemCode, const QString& slip,
                         bool fullyIssued) {
    const QString open = QStringLiteral(" WHERE IdNum = ? AND ItemID = ? AND COALESCE(TRIM(RecordStatus), '') = ''");
    con.execute(QStringLiteral("UPDATE station.tbNurseHomeMeds SET ReferenceNum = ?") + open,
                {Trim(slip), patientId, itemCode});
    if (fullyIssued)
        con.execute(QStringLiteral("UPDATE station.tbNurseHomeMeds SET RecordStatus = 'P'") + open,
                    {patientId, itemCode});
}

// The reference number the admission's take-home records carry (the first record's), proposed as
// the slip number of each pass.
QString takeHomeReference(Connection& con, const QString& admission) {
    const Recordset rs = con.query(QStringLiteral("SELECT COALESCE(ReferenceNum, '') AS ReferenceNum FROM "
                                                  "station.tbNurseHomeMeds WHERE IdNum = ? ORDER BY id LIMIT 1"),
                                   {admission});
    return rs.isEmpty() ? QString() : rs.text(QStringLiteral("ReferenceNum"));
}

} // namespace

void frmCommEntryPres::connectSaveButtons() {
    connect(cmdSave, &QPushButton::clicked, this, &frmCommEntryPres::cmdSave_Click);
    connect(cmdPrintSave, &QPushButton::clicked, this, &frmCommEntryPres::cmdPrintSave_Click);
    connect(cmdPinrtPresSave, &QPushButton::clicked, this, &frmCommEntryPres::cmdPinrtPresSave_Click);
    connect(cmdPrintPrescription, &QPushButton::clicked, this, &frmCommEntryPres::cmdPrintPrescription_Click);
}

void frmCommEntryPres::cmdSave_Click() {
    eventHandler(kPresSaveModule, QStringLiteral("cmdSave_Click"), [&] {
        // A print command stopped earlier does not turn this save into a print.
        printRequested_ = false;
        printAfterSave_ = false;
        saveDispensing();
    });
}

void frmCommEntryPres::cmdPinrtPresSave_Click() { cmdPrintSave_Click(); }

void frmCommEntryPres::cmdPrintSave_Click() {
    eventHandler(kPresSaveModule, QStringLiteral("cmdPrintSave_Click"), [&] {
        const RequestCheckGrid lines{.grid = flexMSEntry, .rowColumns = rowColumns(), .description = kColDescription,
                                     .stock = kColStock};
        if (!RunSaveChecks({RequestingDoctorCheck(txtDocCode), RequestZeroEntriesCheck(lines)}))
            return;
        saveValidated_ = false;
        printRequested_ = true;
        printAfterSave_ = true;
        // A save stopped by a check or a failure keeps the screen and prints no prescription.
        if (!saveDispensing())
            return;
        // The issued quantities went back to the requests inside the save, before it served them.
        if (gPharmaSwitches.IsKelvarHospital()) {
            PrintDoctorPrescription(SQLConnection(), Trim(lblPatInfo[7]->text()), txtDocCode->text(),
                                    QStringLiteral("1"));
            cancelledForm_ = false;
        }
        close();
    });
}

void frmCommEntryPres::cmdPrintPrescription_Click() {
    eventHandler(kPresSaveModule, QStringLiteral("cmdPrintPrescription_Click"), [&] {
        const QString admission = Trim(lblPatInfo[7]->text());
        UpdateNurseRequestQuantity(SQLConnection(), *flexMSEntry, prescriptionColumns(), admission);
        PrintDoctorPrescription(SQLConnection(), admission, txtDocCode->text(), QStringLiteral("1"));
        cancelledForm_ = false;
    });
}

int frmCommEntryPres::InactiveDrugs() {
    return generalProcedure(kPresSaveModule, QStringLiteral("InactiveDrugs"), [&] {
        DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
        return FirstInactiveDrugRow(*flexMSEntry, rowColumns(), gCheckBarCode, drug,
                                    [&drug](const QString& code) { return drug.SearchDrug(code); });
    });
}

bool frmCommEntryPres::saveDispensing() {
    Connection& con = SQLConnection();
    DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
    const auto cell = [this](int row, int col) { return flexMSEntry->textMatrix(row, col); };
    const RequestCheckGrid lines{.grid = flexMSEntry, .rowColumns = rowColumns(), .description = kColDescription,
                                 .stock = kColStock};
    QString verifyId;
    if (!RunSaveChecks({RequestingDoctorCheck(txtDocCode), WholeListStockCheck(con, lines),
                        LargeAmountCheck(lines, kLargeAmount, QStringLiteral("MESSAGE")),
                        StockOnHandRefusalCheck(lines), RequestZeroEntriesCheck(lines),
                        SupervisorCheck(verifyId, QStringLiteral("MESSAGE"))}))
        return false;
    const QString targetLocation = Trim(lblTargetLocationID->text());
    const QString admission = Trim(lblPatInfo[7]->text());
    const QString hospitalNumber = Trim(lblPatInfo[0]->text());
    const bool recomputes = gSiteCode != QLatin1String("TZNH");
    // The balances of the grid's items on the slip each was posted under (the label's otherwise).
    const auto recompute = [&](Connection& c, const std::map<int, QString>& slipOfRow, const QString& shown) {
        if (!recomputes)
            return;
        for (int row = 1; row < flexMSEntry->rows(); ++row) {
            const QString code = Trim(cell(row, kColCode));
            if (code.isEmpty())
                continue;
            const auto posted = slipOfRow.find(row);
            RecomputeStockCardBalance(c, code, gLocationID, posted != slipOfRow.end() ? posted->second : shown,
                                      hospitalNumber, admission);
        }
    };

    cmdSave->setEnabled(false);
    const auto posts = [&](int row) {
        return CanSaveRow(row) && Trim(cell(row, kColDosage)) != kCancelledLineState &&
               Trim(cell(row, kColIssued)) != QLatin1String("XXX") && !cell(row, kColCode).isEmpty() &&
               cell(row, kColPosted).isEmpty();
    };
    ManualPostingGrid named;
    named.grid = flexMSEntry;
    named.codeCol = kColCode;
    const bool passed = RunSaveChecks(
        {[this]() -> std::optional<SaveRefusal> {
             if (canSave())
                 return std::nullopt;
             return SaveRefusal{QStringLiteral("Entries has incomplete information.  Please check."), vbExclamation,
                                QString(), nullptr};
         },
         InactiveDrugCheck([this] { return InactiveDrugs(); }, true, flexMSEntry,
                           [this] {
                               saveValidated_ = false;
                               flexMSEntry->setCol(kColCode);
                           }),
         LinesStillFoundCheck(named, posts,
                              [&](int row) { return drug.SearchDrug(cell(row, kColCode), gLocationID); })});
    if (!passed) {
        Transaction tx(con);
        recompute(con, {}, Trim(lblPatInfo[5]->text()));
        tx.commit();
        return false;
    }
    saveValidated_ = true;

    // The lines of the save in passes of at most MaximumReceiptEntry lines.
    InpatientFile::Patient& patient = *gComponents.gPatient;
    const QString transDate = Format(QVariant(con.serverNow()), QStringLiteral("mm/dd/yyyy hh:mm:ss"));
    const QString doctor = Trim(txtDocCode->text());
    const int shift = frmShift::Default().Shift();
    const int linesPerSlip = gMaximumReceiptEntry < 1 ? kDefaultLinesPerSlip : gMaximumReceiptEntry;
    std::vector<PostingLine> postable;
    QStringList revoked;
    for (int row = 1; row < flexMSEntry->rows(); ++row) {
        if (Trim(cell(row, kColDosage)) == kCancelledLineState) {
            const QString request = Trim(cell(row, kColRequestNumber));
            if (!request.isEmpty())
                revoked << request;
            continue;
        }
        if (!posts(row))
            continue;
        PostingLine line;
        line.row = row;
        line.itemCode = cell(row, kColCode);
        line.quantity = cell(row, kColIssued);
        line.stockOnHand = cell(row, kColStock);
        line.overStockChoice = cell(row, kColLogChoice);
        double amount = Val(cell(row, kColAmount));
        if (!(amount > 0) && drug.SearchDrug(cell(row, kColCode), gLocationID))
            amount = drug.Invent().SellingPriceIn * Val(line.quantity);
        DrugCatalog::StockCardArgs& a = line.args;
        a.count = 28;
        a[1] = patient.HospitalNumber();
        a[2] = patient.AdmissionNumber();
        a[3] = Trim(line.itemCode);
        a[4] = transDate;
        a[6] = Val(line.quantity);
        a[7] = 0;
        a[8] = amount;
        a[9] = gEmployeeCode;
        a[10] = Trim(cell(row, kColDosage));
        a[11] = doctor;
        a[12] = gLocationID;
        a[13] = targetLocation;
        a[14] = patient.RoomNumber();
        a[15] = shift;
        a[20] = Trim(cell(row, kColRemarks));
        a[21] = Trim(cell(row, kColRequestNumber));
        a[23] = 1;
        a[25] = cell(row, kColRequestedCode);
        a[28] = gHostID;
        postable.push_back(line);
    }

    const std::unique_ptr<NumberSeries> counter = ChargeSlipSeriesFor(con, drug.Chargeslip(), admission);
    ProposedChargeSlipSeries series(con, *counter, [&con, admission] { return takeHomeReference(con, admission); });
    const QString patientId = patientID_;
    // The prescription printed after this save shows the quantities issued.
    const bool writeBack = printRequested_ && gPharmaSwitches.IsKelvarHospital();
    std::vector<ChargeSlipSave> passes;
    for (size_t first = 0; first < postable.size() || passes.empty(); first += size_t(linesPerSlip)) {
        ChargeSlipSave pass;
        pass.series = &series;
        pass.drug = &drug;
        pass.idNum = admission;
        pass.claimedBy = gEmployeeCode;
        pass.shownNumber = Trim(lblPatInfo[5]->text());
        pass.stagingKey = printRequested_ ? gHostID : QString();
        const size_t end = std::min(postable.size(), first + size_t(linesPerSlip));
        pass.lines.assign(postable.begin() + long(std::min(first, end)), postable.begin() + long(end));
        if (passes.empty())
            pass.beforePosting = [&, revoked, writeBack](Connection& c) {
                if (writeBack)
                    UpdateNurseRequestQuantity(c, *flexMSEntry, prescriptionColumns(), admission);
                for (const QString& request : revoked)
                    drug.RevokePendingRequest(request, gEmployeeCode);
            };
        pass.afterPosting = [&, patientId](Connection& c, const QString& slip, const std::vector<PostingLine>& done) {
            LogOverStockChoices(c, done, gEmployeeCode);
            QStringList codes;
            for (const PostingLine& line : done)
                codes << Trim(line.itemCode);
            if (!verifyId.isEmpty())
                SetStockCardVerifier(c, slip, codes, verifyId);
            for (const PostingLine& line : done)
                recordTakeHomeIssue(c, patientId, Trim(line.itemCode), slip,
                                    Val(Trim(line.quantity)) == Val(Trim(cell(line.row, kColRequested))));
        };
        passes.push_back(std::move(pass));
    }

    const QString shown = Trim(lblPatInfo[5]->text());
    const std::optional<std::vector<ChargeSlipPosted>> posted =
        PostChargeSlipsOrTell(con, passes, [&](Connection& c, const std::vector<ChargeSlipPosted>& slips) {
            std::map<int, QString> slipOfRow;
            for (const ChargeSlipPosted& slip : slips)
                for (int row : slip.rows)
                    slipOfRow[row] = slip.slipNumber;
            recompute(c, slipOfRow, slips.empty() || slips.back().rows.empty() ? shown : slips.back().slipNumber);
        });
    if (!posted)
        return false;
    entriesSaved_ = true;
    cancelledForm_ = false;
    QStringList printed;
    for (const ChargeSlipPosted& slip : *posted) {
        for (int row : slip.rows)
            flexMSEntry->setTextMatrix(row, kColPosted, QStringLiteral("P"));
        if (!slip.rows.empty()) {
            lblPatInfo[5]->setText(slip.slipNumber);
            printed << slip.slipNumber;
        }
    }
    if (printAfterSave_)
        for (const QString& slip : printed)
            PrintPostedSlipOrTell(slip, [&] { PrintChargeSlip(slip); });
    if (!printRequested_)
        close();
    return true;
}

void frmCommEntryPres::PrintChargeSlip(const QString& slipNumber) {
    generalProcedure(kPresSaveModule, QStringLiteral("PrintChargeSlip"), [&] {
        const QString issuedBy = flexMSEntry->rows() > 1 ? Trim(flexMSEntry->textMatrix(1, kColNurse)) : QString();
        if (!saveValidated_)
            return;
        const auto banner = [this](int index) { return Trim(lblPatInfo[static_cast<size_t>(index)]->text()); };
        std::shared_ptr<report::Report> slip;
        SetChargeSlipReport(slip, QStringLiteral("ChargeSlip.rpt"),
                            BannerChargeSlipHeader(SQLConnection(), banner, issuedBy, slipNumber));
        PrintSlipCopies(slip, GetChargeSlipCopies(false));
        cancelledForm_ = false;
    });
}

} // namespace qx
