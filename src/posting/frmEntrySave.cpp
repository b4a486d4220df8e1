// frmEntry: the save's checks, the posting of the lines under one charge slip and the slip print.
#include "posting/frmEntry.h"

#include "charging/ChargeGrid.h"
#include "charging/ChargePosting.h"
#include "charging/ItemEntry.h"
#include "charging/Numbering.h"
#include "charging/SlipPrinting.h"
#include "components/AppError.h"
#include "components/Connection.h"
#include "components/InpatientFile.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/Values.h"
#include "platform/report/Report.h"
#include "shell/HospitalSettings.h"
#include "shell/ItemLookups.h"
#include "shell/PatientChecks.h"
#include "shell/Session.h"
#include "shell/Switches.h"
#include "shell/frmDeletePassword.h"
#include "shell/frmShift.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx {

namespace {
const QString kSaveModule = QStringLiteral("frmEntry");

QString lineName(const FlexGrid& grid, int row) {
    return QStringLiteral("Line ") + QString::number(row) + QStringLiteral(" (") +
           Trim(grid.textMatrix(row, frmEntry::colCode)) + QStringLiteral(")");
}
} // namespace

void frmEntry::cmdSave_Click() {
    eventHandler(kSaveModule, QStringLiteral("cmdSave_Click"), [&] { saveWithMode(0); });
}

void frmEntry::cmdPrintSave_Click() {
    eventHandler(kSaveModule, QStringLiteral("cmdPrintSave_Click"), [&] { saveWithMode(1); });
}

void frmEntry::saveWithMode(int mode) {
    if (!Validate())
        return;
    if (!Save(mode))
        return;
    ClearAll();
    if (txtFind->isEnabled())
        txtFind->setFocus(Qt::OtherFocusReason);
    if (grdItemList->isEnabled())
        grdItemList->setEnabled(false);
}

bool frmEntry::Validate() {
    return generalProcedure(kSaveModule, QStringLiteral("Validate"), [&] {
        Connection& con = SQLConnection();
        const int lastRow = grdItemList->rows() - 1;
        const auto cell = [&](int row, int col) { return grdItemList->textMatrix(row, col); };
        const auto unposted = [&](int row) {
            return !Trim(cell(row, colCode)).isEmpty() && Trim(cell(row, colPosted)).isEmpty();
        };
        std::vector<SaveCheck> checks;
        checks.push_back([&]() -> std::optional<SaveRefusal> {
            for (int row = 1; row <= lastRow; ++row) {
                if (Trim(cell(row, colCode)).isEmpty())
                    continue;
                if (Val(cell(row, colQuantity)) == 0 || Trim(cell(row, colAmount)).isEmpty() ||
                    Val(cell(row, colAmount)) == 0)
                    return SaveRefusal{QStringLiteral("Please check the quantity or amount of the entered items. Some "
                                                      "entries have zero value!"),
                                       vbCritical, QStringLiteral("WARNING"), nullptr};
            }
            return std::nullopt;
        });
        checks.push_back([&]() -> std::optional<SaveRefusal> {
            if (!gHasValidation)
                return std::nullopt;
            frmDeletePassword& supervisor = frmDeletePassword::Default();
            supervisor.setFixedHeight(twipsToPixels(2400));
            showModal(supervisor);
            if (supervisor.OKCharge())
                return std::nullopt;
            return SaveRefusal{QStringLiteral("Invalid Password."), vbInformation, QStringLiteral("MESSAGE"), nullptr};
        });
        checks.push_back([&]() -> std::optional<SaveRefusal> {
            if (!GetPharmaSwitch(con, QStringLiteral("93")) ||
                CheckDangerousDrugLicense(con, Trim(txtDocCode->text()), *grdItemList, colCode))
                return std::nullopt;
            return SaveRefusal{QStringLiteral("Please check S2Number and S2 Expiry of doctor: ") + lblPatInfo[3]->text() +
                                   QStringLiteral(" on build file module. "),
                               vbInformation, QString(), txtDocCode};
        });
        checks.push_back([&]() -> std::optional<SaveRefusal> {
            if (canSave())
                return std::nullopt;
            return SaveRefusal{QStringLiteral("Entries has incomplete information.  Please check."), vbExclamation,
                               QString(), nullptr};
        });
        // Every line with a code is posted or named: none is dropped without a word.
        checks.push_back([&]() -> std::optional<SaveRefusal> {
            for (int row = 1; row <= lastRow; ++row)
                if (unposted(row) && !CanSaveRow(row))
                    return SaveRefusal{lineName(*grdItemList, row) +
                                           QStringLiteral(" has incomplete information.  Please check."),
                                       vbExclamation, QString(), grdItemList};
            return std::nullopt;
        });
        checks.push_back([&]() -> std::optional<SaveRefusal> {
            DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
            for (int row = 1; row <= lastRow; ++row)
                if (unposted(row) && !SearchItemAt(con, drug, Trim(cell(row, colCode)), gLocationID, Trim(txtFind->text())))
                    return SaveRefusal{lineName(*grdItemList, row) +
                                           QStringLiteral(" is no longer found at this location.  Please check."),
                                       vbExclamation, QString(), grdItemList};
            return std::nullopt;
        });
        return RunSaveChecks(checks);
    });
}

bool frmEntry::Save(int mode) {
    return generalProcedure(kSaveModule, QStringLiteral("Save"), [&] {
        Connection& con = SQLConnection();
        if (gHasValidation)
            verifyID_ = frmDeletePassword::Default().VerifyID();
        const InpatientFile::Patient& patient = *gComponents.gPatient;
        DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
        const QString admission = Trim(txtFind->text());
        const auto cell = [&](int row, int col) { return grdItemList->textMatrix(row, col); };
        const QString transDate = Format(QVariant(con.serverNow()), QStringLiteral("mm/dd/yyyy hh:mm:ss"));

        ChargeSlipSave save;
        const std::unique_ptr<NumberSeries> series = ChargeSlipSeriesFor(con, drug.Chargeslip(), admission);
        save.series = series.get();
        save.drug = &drug;
        save.idNum = admission;
        save.claimedBy = gEmployeeCode;
        save.shownNumber = Trim(lblPatInfo[5]->text());
        save.stagingKey = gHostID;
        for (int row = 1; row < grdItemList->rows(); ++row) {
            if (!CanSaveRow(row) || !Trim(cell(row, colPosted)).isEmpty() || Trim(cell(row, colCode)).isEmpty())
                continue;
            PostingLine line;
            line.row = row;
            line.itemCode = cell(row, colCode);
            line.quantity = cell(row, colQuantity);
            line.stockOnHand = cell(row, colStock);
            line.overStockChoice = cell(row, colOverStockChoice);
            DrugCatalog::StockCardArgs& a = line.args;
            a.count = 28;
            a[1] = patient.HospitalNumber();
            a[2] = patient.AdmissionNumber();
            a[3] = cell(row, colCode);
            a[4] = transDate;
            a[6] = Val(cell(row, colQuantity));
            a[7] = 0;
            a[8] = Val(cell(row, colAmount));
            a[9] = gEmployeeCode;
            a[10] = cell(row, colDosage);
            a[11] = txtDocCode->text();
            a[12] = gLocationID;
            a[13] = QString();
            a[14] = patient.RoomNumber();
            a[15] = int(frmShift::Default().Shift());
            a[20] = cell(row, colRemarks);
            a[26] = 0;
            a[28] = gHostID;
            save.lines.push_back(line);
        }
        const QString verifyId = verifyID_;
        const bool direct = chkDirectTransaction->isChecked();
        save.afterPosting = [verifyId, direct](Connection& c, const QString& slip, const std::vector<PostingLine>& lines) {
            QStringList codes;
            for (const PostingLine& line : lines)
                codes << Trim(line.itemCode);
            if (!verifyId.isEmpty())
                SetStockCardVerifier(c, slip, codes, verifyId);
            if (gSiteCode == QLatin1String("JAWKC"))
                SetStockCardDirectTransaction(c, slip, codes, direct);
            LogOverStockChoices(c, lines, gEmployeeCode);
        };
        const QString patientName = Trim(lblPatInfo[2]->text());
        if (mode == 1)
            save.userLog = [patientName](const QString& slip) {
                return QStringLiteral("Saved ") + QStringLiteral(" and Print") + QStringLiteral("Request Under Patient : ") +
                       patientName + QStringLiteral(" |  ChargeSlip# : ") + slip;
            };

        ChargeSlipPosted posted;
        try {
            posted = PostChargeSlip(con, save);
        } catch (...) {
            const AppError error = currentError();
            MsgBox(QStringLiteral("The entries were not posted; nothing was saved.") + QStringLiteral("\n\n") +
                       error.description(),
                   vbCritical);
            return false;
        }
        for (int row : posted.rows)
            grdItemList->setTextMatrix(row, colPosted, QStringLiteral("P"));
        lblPatInfo[5]->setText(posted.slipNumber);
        if (mode == 1) {
            try {
                PrintChargeSlip();
            } catch (...) {
                const AppError error = currentError();
                MsgBox(QStringLiteral("Charge slip ") + posted.slipNumber +
                           QStringLiteral(" was posted but could not be printed; reprint it from the posted "
                                          "medicines.") +
                           QStringLiteral("\n\n") + error.description(),
                       vbExclamation);
            }
        }
        return true;
    });
}

void frmEntry::PrintChargeSlip() {
    generalProcedure(kSaveModule, QStringLiteral("PrintChargeSlip"), [&] {
        Connection& con = SQLConnection();
        const QString admission = Trim(txtFind->text());
        ChargeSlipHeader header;
        header.name = Trim(lblPatInfo[2]->text());
        header.patientId = admission;
        header.hospNum = Trim(lblPatInfo[0]->text());
        header.room = Trim(lblPatInfo[4]->text());
        header.encoder = gEmployeeName;
        header.transType = QStringLiteral("Original Copy");
        header.printKey = gHostID;
        header.slipNumber = Trim(lblPatInfo[5]->text());
        header.doctor = Trim(lblPatInfo[3]->text());
        header.company = SearchAccount(con, admission);
        header.station = lblPatInfo[1]->text();
        header.age = Trim(lblPatInfo[8]->text());
        header.sex = Trim(lblPatInfo[9]->text());
        header.requestDate = Format(QVariant(con.serverNow()), QStringLiteral("MM/dd/yyyy hh:mm AMPM"));
        header.package = GetExecutivePackage(con, admission);
        header.position = gEmployeePosition;
        std::shared_ptr<report::Report> report;
        SetChargeSlipReport(report, QStringLiteral("ChargeSlip.rpt"), header);
        PrintSlipReport(report, false);
    });
}

} // namespace qx
