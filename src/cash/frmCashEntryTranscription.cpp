// The assessment window's transcription-note mode: the waiting lines of a patient's note loaded
// as items, and a removed line's request revoked.
#include "cash/frmCashEntry.h"

#include "charging/ChargeGrid.h"
#include "components/Connection.h"
#include "components/StaffLogin.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/Session.h"

namespace qx {

namespace {
const QString kCashTranscriptionModule = QStringLiteral("frmCashEntry");
} // namespace

void frmCashEntry::DisplayTranscriptionRequest(const QString& idNum, const QString& roomId) {
    generalProcedure(kCashTranscriptionModule, QStringLiteral("DisplayTranscriptionRequest"), [&] {
        const std::optional<Recordset> rs = SQLConnection().callProcedure(
            QStringLiteral("Drug_ListTranscription"),
            {{QStringLiteral("@IDNum"), idNum}, {QStringLiteral("@RoomID"), roomId}, {QStringLiteral("@RevenueID"), QStringLiteral("PH")}});
        if (!rs || rs->recordCount() == 0)
            return;
        mReferenceNumber = rs->valueAt(0, QStringLiteral("RefNumber")).toString();
        // Each line goes through the editor as if typed, so it is looked up and priced as any.
        const auto commit = [&](int row, int col, const QString& text) {
            grdItemList->setRow(row);
            grdItemList->setCol(col);
            chargeGrid_->openEditor();
            chargeGrid_->setEditorText(text);
            txtEntry_DblClick();
        };
        for (int i = 0; i < rs->recordCount() && i + 1 < grdItemList->rows(); ++i) {
            const int row = i + 1;
            const auto field = [&](const char* name) {
                return Text(rs->valueAt(i, QString::fromLatin1(name)));
            };
            commit(row, colCode, field("Generic Code"));
            commit(row, colQuantity, field("Quantity"));
            // The request number rides on a column of its own, so the line's amounts stay intact.
            grdItemList->setTextMatrix(row, colTranscriptionRequest, field("RequestNum"));
            grdItemList->setCol(colAmount);
        }
    });
}

bool frmCashEntry::RevokeTranscriptionRequest(int row) {
    return generalProcedure(kCashTranscriptionModule, QStringLiteral("RevokeTranscriptionRequest"), [&] {
        SQLConnection().callProcedure(
            QStringLiteral("Drug_RevokTranscription"),
            {{QStringLiteral("@RequestNum"), Trim(grdItemList->textMatrix(row, colTranscriptionRequest))},
             {QStringLiteral("@EmployeeCode"), gComponents.gCurrentUser ? gComponents.gCurrentUser->EmployeeCode() : QString()}});
        return true;
    });
}

} // namespace qx
