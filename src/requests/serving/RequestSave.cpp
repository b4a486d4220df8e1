// Serving a request screen: its lines settled under one charge slip in one transaction.
#include "requests/serving/RequestServing.h"

#include "charging/ChargePosting.h"
#include "charging/ChargeSlipRestage.h"
#include "charging/Numbering.h"
#include "charging/RequestLineStates.h"
#include "charging/StockCard.h"
#include "components/AppError.h"
#include "components/Connection.h"
#include "components/DrugCatalog.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/Session.h"
#include "shell/frmShift.h"

#include <QLabel>
#include <QLineEdit>
#include <QSet>

namespace qx {

namespace {

const QString kIssue = QStringLiteral("PH");

// Holds the nursing request for this save: another workstation that served or revoked it in the
// meantime makes the save fail instead of serving it twice.
void holdPendingRequest(Connection& con, const QString& requestNumber) {
    const int held = con.execute(QStringLiteral("UPDATE station.tbNurseCommunicationFile SET RecordStatus = RecordStatus "
                                                "WHERE RequestNumber = ? AND COALESCE(TRIM(RecordStatus), '') = ''"),
                                 {requestNumber});
    if (held < 1)
        throw AppError(vbObjectError + 100, QStringLiteral("SaveRow"),
                       QStringLiteral("Request ") + requestNumber +
                           QStringLiteral(" is no longer pending: it was served or cancelled at another workstation."));
}

} // namespace

RequestSaveResult SaveServedRequests(const RequestServingScreen& screen, const QString& verifyId, bool stage,
                                     const std::function<QString(const QString& slipNumber)>& logText) {
    return generalProcedure(screen.module, QStringLiteral("Save"), [&] {
        Connection& con = SQLConnection();
        DrugCatalog::Drug& drug = gComponents.gDrug->Drug();
        const FlexGrid& grid = *screen.grid;
        const auto cell = [&grid](int row, int col) { return grid.textMatrix(row, col); };

        QStringList revoked;
        ChargeSlipSave save;
        for (int row = 1; row < grid.rows(); ++row) {
            if (!CanSaveRequestRow(grid, row, screen.rowColumns, gCheckBarCode))
                continue;
            const QString state = Trim(cell(row, screen.rowColumns.dosage));
            if (state == kCancelledLineState) {
                const QString request = Trim(cell(row, screen.requestNumber));
                if (!request.isEmpty())
                    revoked << request;
                continue;
            }
            if (state == kDelayedLineState || cell(row, screen.rowColumns.code).isEmpty() ||
                !cell(row, screen.posted).isEmpty())
                continue;
            PostingLine line;
            line.row = row;
            line.itemCode = cell(row, screen.rowColumns.code);
            line.quantity = cell(row, screen.rowColumns.issued);
            line.stockOnHand = cell(row, screen.stock);
            line.overStockChoice = cell(row, screen.overStockChoice);
            save.lines.push_back(line);
        }

        const std::unique_ptr<NumberSeries> series = ChargeSlipSeriesFor(con, drug.Chargeslip(), screen.idNum);
        save.series = series.get();
        save.drug = &drug;
        save.idNum = screen.idNum;
        save.claimedBy = gEmployeeCode;
        save.shownNumber = Trim(screen.banner[5]->text());
        save.beforePosting = [&drug, revoked](Connection&) {
            for (const QString& request : revoked)
                drug.RevokePendingRequest(request, gEmployeeCode);
        };
        const QString doctor = Trim(screen.doctorCode->text());
        const qint16 shift = frmShift::Default().Shift();
        save.postLines = [&](Connection& c, const QString& slip, const std::vector<PostingLine>& lines) {
            QSet<QString> held;
            for (const PostingLine& line : lines) {
                const QString request = Trim(cell(line.row, screen.requestNumber));
                if (!request.isEmpty() && !held.contains(request)) {
                    holdPendingRequest(c, request);
                    held.insert(request);
                }
            }
            for (const PostingLine& line : lines) {
                const int row = line.row;
                const QString creditMemo =
                    screen.requestedCode < 0 ? QStringLiteral("0") : cell(row, screen.requestedCode);
                // Each line carries the server's moment of its own posting.
                Drug_AppendStockCard(c, screen.hospNum, screen.idNum, Trim(line.itemCode),
                                     Format(QVariant(c.serverNow()), QStringLiteral("mm/dd/yyyy hh:mm:ss")), slip,
                                     Val(line.quantity), 0, Val(cell(row, screen.rowColumns.amount)), gEmployeeCode,
                                     Trim(cell(row, screen.rowColumns.dosage)), doctor, gLocationID,
                                     screen.targetLocation, screen.room, shift, kIssue, kIssue, QString(),
                                     QStringLiteral("D"), Trim(cell(row, screen.remarks)),
                                     Trim(cell(row, screen.requestNumber)), screen.inOut, 1, 1, creditMemo, 0,
                                     QString(), gHostID, QString(), 0, QString(), QString(), QString());
            }
        };
        save.afterPosting = [&](Connection& c, const QString& slip, const std::vector<PostingLine>& lines) {
            LogOverStockChoices(c, lines, gEmployeeCode);
            if (!verifyId.isEmpty()) {
                QStringList codes;
                for (const PostingLine& line : lines)
                    codes << Trim(line.itemCode);
                SetStockCardVerifier(c, slip, codes, verifyId);
            }
            if (stage)
                RestagePostedChargeSlip(
                    c, drug, {.idNum = screen.idNum, .slipNumber = slip, .key = gHostID, .keepUnfoundLines = true});
        };
        save.userLog = logText;

        RequestSaveResult result;
        const std::optional<ChargeSlipPosted> posted = PostChargeSlipOrTell(con, save);
        if (!posted)
            return result;
        result.saved = true;
        result.slipNumber = posted->slipNumber;
        result.postedLines = int(posted->rows.size());
        for (int row : posted->rows)
            screen.grid->setTextMatrix(row, screen.posted, QStringLiteral("P"));
        if (result.postedLines > 0)
            screen.banner[5]->setText(posted->slipNumber);
        return result;
    });
}

} // namespace qx
