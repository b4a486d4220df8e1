// Posting a station's return request and printing its credit memo.
#include "returns/frmPostReturn.h"

#include "charging/ChargeGrid.h"
#include "charging/SlipPrinting.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "returns/ReturnCreditPosting.h"
#include "shell/Session.h"
#include "shell/frmShift.h"

#include <QLabel>
#include <QLineEdit>

namespace qx {

namespace {

const QString kReturnedMark = QStringLiteral("RETURNED");

// The request's rows are this patient's under the request's number: another patient's request
// may carry the same number.
const QString kRequestRows = QStringLiteral("TRIM(CreditMemo) = ? AND IdNum = ? AND HospNum = ? AND RevenueID = 'PC' ");
// Unposted rows: isPosted NULL or 0.
const QString kUnposted = QStringLiteral("AND COALESCE(isPosted, 0) = 0 ");

} // namespace

void frmPostReturn::cmdSave_Click() {
    eventHandler(kModule, QStringLiteral("cmdSave_Click"), [&] {
        if (SaveSuccessfull())
            accept();
    });
}

void frmPostReturn::cmdPrintSave_Click() {
    eventHandler(kModule, QStringLiteral("cmdPrintSave_Click"), [&] {
        bool credited = false;
        if (!SaveSuccessfull(&credited))
            return;
        // Only a memo this save posted is printed.
        if (credited)
            printCreditMemo();
        accept();
    });
}

bool frmPostReturn::checkLateCharge() {
    return generalProcedure(kModule, QStringLiteral("checkLateCharge"), [&] {
        const QString table = IsNumeric(Trim(txtIDNum->text())) ? QStringLiteral("patient_data.tbPatient")
                                                                : QStringLiteral("patient_data.tbOutPatient");
        const Recordset rs = SQLConnection().query(
            QStringLiteral("SELECT LateCharges, DcrDate FROM %1 WHERE IDNum = ? LIMIT 1").arg(table), {IDNum});
        if (rs.isEmpty() || Trim(Text(rs.value(QStringLiteral("DcrDate")))).isEmpty())
            return true;
        const QVariant lateCharges = rs.value(QStringLiteral("LateCharges"));
        return !IsNull(lateCharges) && CBool(lateCharges);
    });
}

bool frmPostReturn::isReturned(const QString& chargeSlip, const QString& itemCode) {
    return generalProcedure(kModule, QStringLiteral("isReturned"), [&] {
        return !SQLConnection()
                    .query(QStringLiteral("SELECT 1 FROM tbInvStockCard WHERE RefNum = ? AND ItemID = ? AND IdNum = ? "
                                          "AND SummaryCode = 'PC' LIMIT 1"),
                           {Trim(chargeSlip), Trim(itemCode), Trim(txtIDNum->text())})
                    .isEmpty();
    });
}

bool frmPostReturn::CanSaveRow(int row) const {
    const FlexGrid& g = *flexMSEntry;
    return !Trim(g.textMatrix(row, colChargeSlip)).isEmpty() && !Trim(g.textMatrix(row, colCode)).isEmpty() &&
           Val(g.textMatrix(row, colReturned)) > 0 && Val(g.textMatrix(row, colAmount)) > 0;
}

bool frmPostReturn::SaveSuccessfull(bool* credited) {
    return generalProcedure(kModule, QStringLiteral("SaveSuccessfull"), [&] {
        FlexGrid& g = *flexMSEntry;
        if (!checkLateCharge()) {
            MsgBox(QStringLiteral("Account is not available for late charges. Contact PARS section!"), vbInformation);
            return false;
        }
        if (Trim(txtRemarks->text()).isEmpty()) {
            MsgBox(QStringLiteral("Input remarks!"), vbInformation);
            txtRemarks->setFocus(Qt::OtherFocusReason);
            return false;
        }
        for (int row = 1; row < g.rows(); ++row) {
            if (Val(g.textMatrix(row, colReturned)) == 0) {
                MsgBox(QStringLiteral("Invalid quantity!"), vbInformation);
                g.setRow(row);
                flexMSEntry_Click();
                return false;
            }
        }
        bool alreadyReturned = false;
        for (int row = 1; row < g.rows(); ++row) {
            if (!g.textMatrix(row, colCode).isEmpty() &&
                isReturned(g.textMatrix(row, colChargeSlip), g.textMatrix(row, colCode))) {
                g.setTextMatrix(row, colStatus, kReturnedMark);
                alreadyReturned = true;
            }
        }
        if (MsgBox(QStringLiteral("Save Entries?"), vbQuestion + vbOKCancel) != vbOK)
            return false;

        const QString requestNumber = Trim(txtCMSlip->text());
        const QString patientId = Trim(txtIDNum->text());
        const QDateTime transDate = Get_TransactionDate();
        const QString transDateText = Format(QVariant(transDate), QStringLiteral("mm/dd/yyyy hh:mm:ss"));

        CreditMemoSave save;
        save.kind = CreditMemoSeries::Kind::CreditMemo;
        save.idNum = patientId;
        save.claimedBy = gEmployeeCode;
        save.stagingKey = gHostID;
        save.numberPolicy = CreditNumberPolicy::RequestNumberFirst;
        save.requestNumber = requestNumber;
        save.shownNumber = requestNumber;
        // Lines already credited on their slip: not credited again, their request rows dropped.
        QVariantList returnedRows;
        for (int row = 1; row < g.rows(); ++row) {
            if (!CanSaveRow(row))
                continue;
            if (g.textMatrix(row, colStatus) == kReturnedMark) {
                returnedRows << QVariant(Trim(g.textMatrix(row, colChargeSlip)))
                             << QVariant(Trim(g.textMatrix(row, colCode)));
                continue;
            }
            CreditLine line;
            line.row = row;
            line.name = QStringLiteral("Line ") + QString::number(row) + QStringLiteral(" (") +
                        Trim(g.textMatrix(row, colCode)) + QStringLiteral(")");
            DrugCatalog::StockCardArgs& a = line.args;
            a.count = 28;
            a[1] = Trim(txtHospNum->text());
            a[2] = patientId;
            a[3] = g.textMatrix(row, colCode);
            a[4] = transDateText;
            a[5] = Trim(g.textMatrix(row, colChargeSlip));
            a[6] = Val(g.textMatrix(row, colReturned));
            a[7] = Val(g.textMatrix(row, colIssued));
            a[8] = Val(g.textMatrix(row, colAmount));
            a[9] = gEmployeeCode;
            a[10] = QString();
            a[11] = doctorCode_;
            a[12] = QStringLiteral("20");
            a[13] = QString();
            a[14] = Trim(lblPatInfo[4]->text());
            a[15] = int(frmShift::Default().Shift());
            a[16] = QStringLiteral("PC");
            a[17] = QStringLiteral("PC");
            a[19] = QStringLiteral("C");
            a[24] = 2;
            a[26] = 0;
            a[28] = gHostID;
            save.lines.push_back(line);
        }

        const QVariantList request{requestNumber, IDNum, HospNum};
        const QString remarks = txtRemarks->text();
        const QString employee = gEmployeeCode;
        save.afterLine = [&](Connection& c, const QString& number, const CreditLine& line) {
            // The station's quantity and amount stay on the row; the edited ones went to the stock card.
            c.execute(QStringLiteral("UPDATE tbPharmaCommunication SET CreditMemo = ?, isPosted = 1, RecordStatus = 'C', "
                                     "ProcessDate = ?, ProcessBy = ? WHERE ") +
                          kRequestRows + kUnposted + QStringLiteral("AND TRIM(ChargeSlip) = ? AND ItemID = ?"),
                      QVariantList{number, transDate, employee} + request +
                          QVariantList{line.chargeSlip(), line.itemCode()});
        };
        save.afterPosting = [&](Connection& c, const QString& number) {
            for (int i = 0; i + 1 < returnedRows.size(); i += 2)
                c.execute(QStringLiteral("DELETE FROM tbPharmaCommunication WHERE ") + kRequestRows + kUnposted +
                              QStringLiteral("AND TRIM(ChargeSlip) = ? AND ItemID = ?"),
                          request + QVariantList{returnedRows.at(i), returnedRows.at(i + 1)});
            if (!number.isEmpty())
                SetCreditMemoRemarks(c, number, remarks);
            // Lines taken off the grid, lines without an amount and the rest of the request.
            c.execute(QStringLiteral("DELETE FROM tbPharmaCommunication WHERE ") + kRequestRows + kUnposted, request);
        };

        const std::optional<CreditMemoPosted> posted =
            PostCreditMemoOrTell(SQLConnection(), SlotComponent(gComponents.gDrug).Drug(), save);
        if (!posted)
            return false;
        txtCMSlip->setText(QStringLiteral(" ") + posted->number);
        if (alreadyReturned)
            MsgBox(QStringLiteral("Some items are already returned."), vbInformation);
        if (credited)
            *credited = posted->posted();
        return true;
    });
}

// The memo just posted, straight to the printer once; it reads the rows the save staged under
// this workstation.
void frmPostReturn::printCreditMemo() {
    const QVariantMap values{
        {QStringLiteral("NAME"), Trim(txtPatientName->text())},
        {QStringLiteral("ADMNUM"), Trim(txtIDNum->text())},
        {QStringLiteral("ROOM"), Trim(lblPatInfo[4]->text())},
        {QStringLiteral("HOSPNUM"), Trim(txtHospNum->text())},
        {QStringLiteral("RECEIVED"), Trim(gEmployeeName)},
        {QStringLiteral("ENCODER"), Trim(gEmployeeName)},
        {QStringLiteral("INPUTUSERID"), Trim(gHostID)},
        {QStringLiteral("REFNUM"), Trim(txtCMSlip->text())},
        {QStringLiteral("HOSPITALNAME"), gHospitalName},
        {QStringLiteral("HOSPITALADDRESS"), gHospitalAddress},
        {QStringLiteral("POSITION"), gEmployeePosition},
    };
    PrintSlipCopies(OpenSlipReport(isInPatient() ? QStringLiteral("CMSlip.rpt") : QStringLiteral("OPDCMSlip.rpt"), values),
                    1);
}

} // namespace qx
