// The station-return screen's frame, its load from the request and the editing of its lines.
#include "returns/frmPostReturn.h"

#include "charging/ChargeGrid.h"
#include "charging/PriceLookups.h"
#include "components/Connection.h"
#include "components/InpatientFile.h"
#include "components/OutpatientFile.h"
#include "components/PlatformServices.h"
#include "platform/CellEditor.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/TwipsControls.h"
#include "platform/Values.h"
#include "shell/RecordsetGrid.h"
#include "shell/Session.h"
#include "shell/Switches.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace qx {

namespace {

// Inner size of the window as designed, twips.
constexpr int kDesignWidth = 11400;
constexpr int kDesignHeight = 7320;
constexpr int kGridTop = 2520;
constexpr int kGridHeight = 3480;

// Banner values that come from the patient records are written after one blank.
QString bannerValue(const QString& value) { return QStringLiteral(" ") + value; }

QLabel* valueBox(QWidget* parent, int left, int top, int width) {
    QLabel* label = twipsValueLabel(parent, left, top, width);
    label->setText(QStringLiteral(" "));
    return label;
}

} // namespace

frmPostReturn::frmPostReturn(QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Post Return"));
    setFont(QFont(QStringLiteral("Segoe UI"), 9));
    setFixedSize(twipsToPixels(kDesignWidth), twipsToPixels(kDesignHeight));

    fraPatInfo = new QGroupBox(QStringLiteral("&Patient Information"), this);
    setTwipsGeometry(fraPatInfo, 120, 120, kDesignWidth - 240, 2280);
    QWidget* f = fraPatInfo;
    auto* idCaption = twipsLabel(f, QStringLiteral("ID No."), {120, 300, 1200, 315});
    txtIDNum = new QLineEdit(f);
    setTwipsGeometry(txtIDNum, 1320, 300, 1800, 315);
    // The request belongs to this patient: the id is shown, never typed over.
    txtIDNum->setReadOnly(true);
    idCaption->setBuddy(txtIDNum);
    lblPatientType = twipsLabel(f, QString(), {3300, 300, 2000, 315});
    QFont bold = lblPatientType->font();
    bold.setBold(true);
    lblPatientType->setFont(bold);

    twipsLabel(f, QStringLiteral("Hospital No."), {120, 660, 1200, 315});
    txtHospNum = valueBox(f, 1320, 660, 1800);
    twipsLabel(f, QStringLiteral("Name"), {3300, 660, 800, 315});
    txtPatientName = valueBox(f, 4100, 660, 6800);
    twipsLabel(f, QStringLiteral("Credit Memo"), {120, 1020, 1200, 315});
    txtCMSlip = valueBox(f, 1320, 1020, 1800);
    twipsLabel(f, QStringLiteral("Doctor"), {3300, 1020, 800, 315});
    lblPatInfo[3] = valueBox(f, 4100, 1020, 3800);
    twipsLabel(f, QStringLiteral("Age"), {8100, 1020, 600, 315});
    lblPatInfo[7] = valueBox(f, 8700, 1020, 800);
    twipsLabel(f, QStringLiteral("Sex"), {9600, 1020, 500, 315});
    lblPatInfo[8] = valueBox(f, 10100, 1020, 800);
    twipsLabel(f, QStringLiteral("Nurse"), {120, 1380, 1200, 315});
    lblPatInfo[0] = valueBox(f, 1320, 1380, 3800);
    twipsLabel(f, QStringLiteral("Room No."), {5300, 1380, 1000, 315});
    lblPatInfo[4] = valueBox(f, 6300, 1380, 4600);
    twipsLabel(f, QStringLiteral("Station"), {120, 1740, 1200, 315});
    lblPatInfo[1] = valueBox(f, 1320, 1740, 3800);

    Frame1 = new QGroupBox(QStringLiteral("&List of Requests"), this);
    setTwipsGeometry(Frame1, 120, kGridTop, kDesignWidth - 240, kGridHeight);
    flexMSEntry = new FlexGrid(Frame1);
    setTwipsGeometry(flexMSEntry, 120, 240, kDesignWidth - 480, kGridHeight - 360);
    chargeGrid_ = new ChargeGrid(flexMSEntry, gridConfig());
    chargeGrid_->editorBlocked = [this](int row, int) { return !hasCode(row); };

    const int lower = kGridTop + kGridHeight + 60;
    twipsLabel(this, QStringLiteral("Total "), {kDesignWidth - 3120, lower, 600, 315});
    txtTotal = valueBox(this, kDesignWidth - 2520, lower, 2400);
    Frame3 = new QGroupBox(QStringLiteral("REASON / REMARKS"), this);
    setTwipsGeometry(Frame3, 120, lower, 5400, 900);
    txtRemarks = new QLineEdit(Frame3);
    setTwipsGeometry(txtRemarks, 120, 360, 5160, 375);

    const int buttons = kDesignHeight - 960;
    cmdRemoveItem = twipsButton(this, QStringLiteral("Remove Item"), {5700, buttons, 1300, 780});
    cmdClearRow = twipsButton(this, QString(), {7060, buttons, 900, 780}, QStringLiteral("Cancel Request"));
    cmdClearRow->setIcon(style()->standardIcon(QStyle::SP_DialogDiscardButton));
    cmdPrintSave = twipsButton(this, QStringLiteral("Print/Save"), {8020, buttons, 1080, 780},
                               QStringLiteral("Print/Save Entry"));
    cmdSave = twipsButton(this, QStringLiteral("&Save"), {9160, buttons, 1020, 780}, QStringLiteral("Save Entry"));
    cmdClose = twipsButton(this, QStringLiteral("E&xit"), {10240, buttons, 1020, 780},
                           QStringLiteral("Close this Window"));

    // After the grid's own click handling, which opens no editor off the quantity column.
    connect(flexMSEntry, &FlexGrid::click, this, &frmPostReturn::flexMSEntry_Click);
    connect(chargeGrid_, &ChargeGrid::commitRequested, this,
            [this](int row, int, const QString& text) { commitQuantity(row, text); });
    connect(cmdRemoveItem, &QPushButton::clicked, this, &frmPostReturn::cmdRemoveItem_Click);
    connect(cmdClearRow, &QPushButton::clicked, this, &frmPostReturn::cmdClearRow_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmPostReturn::cmdSave_Click);
    connect(cmdPrintSave, &QPushButton::clicked, this, &frmPostReturn::cmdPrintSave_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmPostReturn::cmdClose_Click);
}

ChargeGridConfig frmPostReturn::gridConfig() const {
    ChargeGridConfig c;
    c.cols = kCols;
    c.rows = 2;
    c.fixedCols = 0;
    c.formatString = QStringLiteral(
        "<Charge Slip|<Code|<Description|<Brand Name|>Issued|>Returned|>On Hand|>Amount|<STATUS");
    c.colWidths = {1300, 1000, 3400, 0, 800, 900, 900, 1000, 1100};
    // Only the returned quantity is edited, as a whole number.
    c.exemptCols = {colChargeSlip, colCode, colDescription, colBrandName, colIssued, colOnHand, colAmount, colStatus};
    c.wholeNumberCols = {colReturned};
    c.upperCase = false;
    c.firstEditableColumn = colReturned;
    c.rightWrapColumn = colReturned;
    c.leftMinColumn = colReturned;
    c.loadTextOnEnterCell = false;
    return c;
}

QLineEdit* frmPostReturn::txtEntry() const { return chargeGrid_->editor()->textBox(); }

bool frmPostReturn::isInPatient() const { return IsNumeric(IDNum); }

bool frmPostReturn::hasCode(int row) const {
    return row >= 1 && row < flexMSEntry->rows() && !flexMSEntry->textMatrix(row, colCode).isEmpty();
}

void frmPostReturn::Form_Load() {
    eventHandler(kModule, QStringLiteral("Form_Load"), [&] {
        doctorCode_.clear();
        if (isInPatient()) {
            InpatientFile::Patient& patient = SlotComponent(gComponents.gPatient);
            if (patient.LoadInfo(IDNum)) {
                doctorCode_ = Trim(patient.DoctorID());
                lblPatInfo[1]->setText(bannerValue(patient.StationID() + QStringLiteral(" - ") + patient.Station()));
                txtPatientName->setText(bannerValue(patient.PatientName()));
                lblPatInfo[3]->setText(bannerValue(patient.Doctor()));
                lblPatInfo[4]->setText(bannerValue(patient.RoomNumber() + QStringLiteral(" - ") + patient.Room()));
                lblPatInfo[7]->setText(bannerValue(patient.Age()));
                lblPatInfo[8]->setText(bannerValue(Left(patient.Sex(), 1)));
            }
        } else {
            OutpatientFile::OPDPatient& visit = SlotComponent(gComponents.gOPDPatient);
            if (visit.Search(IDNum)) {
                doctorCode_ = Trim(visit.DoctorCode());
                txtPatientName->setText(bannerValue(visit.PatientName()));
                lblPatInfo[3]->setText(bannerValue(visit.Doctor()));
                lblPatInfo[4]->setText(QStringLiteral("OP"));
                lblPatInfo[7]->setText(bannerValue(visit.Age()));
                lblPatInfo[8]->setText(bannerValue(Left(visit.Sex(), 1)));
            }
        }
        txtIDNum->setText(IDNum);
        txtHospNum->setText(HospNum);
        txtCMSlip->setText(CMSlip);
        txtPatientName->setText(PatientName);
        lblPatientType->setText(isInPatient() ? QStringLiteral("IN PATIENT") : QStringLiteral("OUT PATIENT"));
        loadDetails();
        getOtherDetails();
        computeTotal();
    });
}

void frmPostReturn::loadDetails() {
    generalProcedure(kModule, QStringLiteral("loadDetails"), [&] {
        // A station's rows are pending with an empty or a NULL status; only 'R' rows stay off the list.
        const Recordset rs = SQLConnection().query(
            QStringLiteral("SELECT DISTINCT a.ChargeSlip AS ChargeSlip, a.ItemID AS Code, "
                           "COALESCE(b.ItemName, '') || ' ' || COALESCE(b.ItemDesc, '') AS Description, "
                           "b.BrandName AS BrandName, a.qtyi AS Issued, a.qtyr AS Returned, c.OnHand AS OnHand, "
                           "a.Amount AS Amount "
                           "FROM tbPharmaCommunication a "
                           "LEFT JOIN tbInvMaster b ON a.ItemID = b.ItemID "
                           "LEFT JOIN tbInvent c ON a.ItemID = c.ItemID "
                           "WHERE a.HospNum = ? AND a.IdNum = ? AND a.RevenueID = 'PC' AND a.CreditMemo = ? "
                           "AND c.LocationID = '20' AND COALESCE(a.RecordStatus, '') <> 'R' "
                           "ORDER BY Description"),
            {HospNum, IDNum, CMSlip});
        chargeGrid_->layout();
        // Without a line the grid keeps one empty line under its header, as designed.
        if (!rs.isEmpty())
            BindRecordset(*flexMSEntry, rs);
        flexMSEntry->setEnabled(true);
        SetBrandNameColumn();
    });
}

void frmPostReturn::getOtherDetails() {
    generalProcedure(kModule, QStringLiteral("getOtherDetails"), [&] {
        const Recordset rs = SQLConnection().query(
            QStringLiteral("SELECT COALESCE(b.LastName, '') || ', ' || COALESCE(b.FirstName, '') || ' ' || "
                           "COALESCE(b.MiddleName, '') AS Nurse, a.Remarks AS Remarks "
                           "FROM tbPharmaCommunication a "
                           "LEFT JOIN password.tbPasswordMaster b ON a.UserID = b.EmployeeID "
                           "WHERE a.CreditMemo = ? AND a.IdNum = ? LIMIT 1"),
            {CMSlip, IDNum});
        if (rs.isEmpty())
            return;
        lblPatInfo[0]->setText(Text(rs.value(QStringLiteral("Nurse"))));
        txtRemarks->setText(Text(rs.value(QStringLiteral("Remarks"))));
    });
}

void frmPostReturn::SetBrandNameColumn() {
    generalProcedure(kModule, QStringLiteral("SetBrandNameColumn"), [&] {
        const int width = gPharmaSwitches.IsKelvarHospital() ? kBrandNameWidth : 0;
        flexMSEntry->setColWidth(colBrandName, width);
        // From the design widths, so that a second load never widens the window twice.
        const int added = twipsToPixels(width);
        setFixedWidth(twipsToPixels(kDesignWidth) + added);
        Frame1->resize(twipsToPixels(kDesignWidth - 240) + added, Frame1->height());
        flexMSEntry->resize(twipsToPixels(kDesignWidth - 480) + added, flexMSEntry->height());
    });
}

void frmPostReturn::computeTotal() {
    generalProcedure(kModule, QStringLiteral("computeTotal"),
                     [&] { txtTotal->setText(Text(chargeGrid_->sumColumn(colAmount))); });
}

QDateTime frmPostReturn::Get_TransactionDate() {
    return generalProcedure(kModule, QStringLiteral("Get_TransactionDate"), [&] { return SQLConnection().serverNow(); });
}

void frmPostReturn::flexMSEntry_Click() {
    eventHandler(kModule, QStringLiteral("flexMSEntry_Click"), [&] {
        if (!hasCode(flexMSEntry->row()))
            return;
        flexMSEntry->setCol(colReturned);
        chargeGrid_->openEditor();
        txtEntry()->setFocus(Qt::OtherFocusReason);
        txtEntry()->selectAll();
    });
}

void frmPostReturn::leaveForRemarks() {
    chargeGrid_->hideEditor();
    txtRemarks->setFocus(Qt::OtherFocusReason);
}

// Enter in the quantity editor: a whole quantity from 1 to the issued one, priced at what the
// slip charged for the item; the editor then moves one line down, or to the remarks from the last.
void frmPostReturn::commitQuantity(int row, const QString& typed) {
    try {
        if (!hasCode(row)) {
            leaveForRemarks();
            return;
        }
        const double quantity = Val(typed);
        if (!(quantity > 0) || quantity > Val(flexMSEntry->textMatrix(row, colIssued))) {
            MsgBox(QStringLiteral("Invalid Qty"), vbInformation);
            chargeGrid_->rejectCommit();
            return;
        }
        const double unitAmount = Val(GetActualAmount(SQLConnection(), flexMSEntry->textMatrix(row, colChargeSlip),
                                                       Trim(flexMSEntry->textMatrix(row, colCode))));
        flexMSEntry->setTextMatrix(row, colReturned, Text(quantity));
        flexMSEntry->setTextMatrix(row, colAmount, Text(quantity * unitAmount));
        computeTotal();
        if (row < flexMSEntry->rows() - 1)
            chargeGrid_->acceptCommit();
        else
            leaveForRemarks();
    } catch (...) {
        // As the key handler always did: no message, the pharmacist goes on in the remarks.
        leaveForRemarks();
    }
}

void frmPostReturn::cmdRemoveItem_Click() {
    eventHandler(kModule, QStringLiteral("cmdRemoveItem_Click"), [&] {
        if (MsgBox(QStringLiteral("Delete this item?"), vbQuestion + vbOKCancel) != vbOK)
            return;
        chargeGrid_->hideEditor();
        const int row = flexMSEntry->row();
        if (flexMSEntry->rows() == 2)
            chargeGrid_->clearLine(row, 0, kCols - 1);
        else if (row >= 1)
            flexMSEntry->removeItem(row);
        computeTotal();
    });
}

void frmPostReturn::cmdClearRow_Click() {
    eventHandler(kModule, QStringLiteral("cmdClearRow_Click"), [&] {
        if (MsgBox(QStringLiteral("Cancel whole request?"), vbQuestion + vbOKCancel) != vbOK)
            return;
        // Only this patient's unposted rows of the request: another patient's request may carry
        // the same number.
        SQLConnection().execute(QStringLiteral("DELETE FROM tbPharmaCommunication "
                                               "WHERE TRIM(CreditMemo) = ? AND IdNum = ? AND HospNum = ? "
                                               "AND RevenueID = 'PC' AND COALESCE(isPosted, 0) = 0"),
                                {Trim(txtCMSlip->text()), IDNum, HospNum});
        accept();
    });
}

void frmPostReturn::cmdClose_Click() {
    eventHandler(kModule, QStringLiteral("cmdClose_Click"), [&] { reject(); });
}

} // namespace qx
