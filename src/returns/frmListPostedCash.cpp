#include "returns/frmListPostedCash.h"

#include "charging/PatientSelection.h"
#include "components/Connection.h"
#include "components/InpatientFile.h"
#include "components/InpatientRoster.h"
#include "components/OutpatientFile.h"
#include "components/OutpatientRoster.h"
#include "components/PlatformServices.h"
#include "components/SuiteComponents.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "shell/Session.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qx {

namespace {

const QString kCashListModule = QStringLiteral("frmListPostedCash");
const QString kCashTotalFormat = QStringLiteral("###,###,##0.00");

enum CashListColumn { cashColTransaction = 5, cashColAmount = 7, cashColDiscount = 8 };

PostedListLayout cashLayout() {
    PostedListLayout l = AdmissionPostedListLayout();
    l.name = kCashListModule;
    l.caption = QStringLiteral("List Posted Cash");
    l.reprintTip = QStringLiteral("Print Charge Slip/Credit Memo");
    l.adjustedTotal = true;
    l.seniorList = true;
    l.listReport = 94;
    l.seniorListReport = 9;
    // The flags are kept in the boxes but never shown.
    l.seniorBox = false;
    l.patientsMed = false;
    l.platformErrorReport = true;
    return l;
}

} // namespace

// The columns the window only reads carry no title.
QStringList frmListPostedCash::listTitles() const {
    return {
        QStringLiteral("Trans. Date"), QStringLiteral("Reference #"), QStringLiteral("Issued by"),
        QStringLiteral("Drug Name"),   QStringLiteral("Drug Code"),   QStringLiteral("Transaction"),
        QStringLiteral("Qty."),        QStringLiteral("Amount"),      QStringLiteral("Discount"),
        QString(),                     QString(),                     QString(),
        QString(),                     QString(),                     QStringLiteral("Remarks"),
        QStringLiteral("Quantity")};
}

frmListPostedCash::frmListPostedCash(QWidget* parent) : PostedList(cashLayout(), parent) {
    auto* fraType = new QGroupBox(QStringLiteral("Patient Type:"), this);
    optIn_ = new QRadioButton(QStringLiteral("IN-Patient"), fraType);
    optOut_ = new QRadioButton(QStringLiteral("OUT-Patient"), fraType);
    optIn_->setChecked(true);
    auto* types = new QHBoxLayout(fraType);
    types->addWidget(optIn_);
    types->addWidget(optOut_);
    types->addStretch(1);
    if (auto* column = qobject_cast<QVBoxLayout*>(layout()))
        column->insertWidget(0, fraType);
    setTabOrder(optIn_, optOut_);
    setTabOrder(optOut_, txtFind);
}

QRadioButton* frmListPostedCash::optType(int index) const {
    return index == 1 ? optIn_ : index == 2 ? optOut_ : nullptr;
}

QString& frmListPostedCash::ReprintRemarks() {
    static QString remarks;
    return remarks;
}

void frmListPostedCash::search() {
    if (optOut_->isChecked()) {
        listPatient();
        return;
    }
    if (!optIn_->isChecked())
        return;
    bool retry = false;
    try {
        listPatient();
        return;
    } catch (...) {
        const AppError error = currentError();
        retry = MsgBox(error.description() + QStringLiteral(": Click Yes to Retry, NO to Exit"), vbYesNo | vbQuestion,
                       QStringLiteral("Message : Error")) == vbYes;
    }
    if (retry)
        search();
    else
        cmdClose_Click();
}

bool frmListPostedCash::findPatient() {
    if (optIn_->isChecked() ? !findInPatient() : !findVisit())
        return false;
    listedKind_ = optIn_->isChecked() ? Kind::InPatient : Kind::OutPatient;
    return true;
}

bool frmListPostedCash::findInPatient() {
    QString box = txtFind->text();
    const AdmissionFind found =
        FindAdmission(SlotComponent(gComponents.gPatient), SlotComponent(gComponents.gInpatientList), box, 2);
    txtFind->setText(box);
    return found == AdmissionFind::Found;
}

QString frmListPostedCash::currentPatientId() {
    if (listedKind_ == Kind::OutPatient)
        return SlotComponent(gComponents.gOPDPatient).OPDNumber();
    return u' ' + SlotComponent(gComponents.gPatient).AdmissionNumber();
}

QStringList frmListPostedCash::bannerValues() {
    if (listedKind_ == Kind::OutPatient) {
        const OutpatientFile::OPDPatient& visit = SlotComponent(gComponents.gOPDPatient);
        return {visit.HospitalNumber(), visit.PatientName(),  visit.Doctor(),       QString(),
                QStringLiteral("OPD"),  visit.Age(),          visit.Sex().left(1)};
    }
    const InpatientFile::Patient& patient = SlotComponent(gComponents.gPatient);
    const QStringList values{patient.HospitalNumber(),
                             patient.PatientName(),
                             patient.Doctor(),
                             patient.StationID() + QStringLiteral(" - ") + patient.Station(),
                             patient.RoomNumber() + QStringLiteral(" - ") + patient.Room(),
                             patient.Age(),
                             patient.Sex().left(1)};
    QStringList banner;
    for (const QString& value : values)
        banner << u' ' + value;
    return banner;
}

Recordset frmListPostedCash::postedLines(const QString& patientId) {
    const QString name = listedKind_ == Kind::OutPatient ? SlotComponent(gComponents.gOPDPatient).PatientName()
                                                         : SlotComponent(gComponents.gPatient).PatientName();
    return LoadCashAssessments(patientId, name);
}

Recordset frmListPostedCash::LoadCashAssessments(const QString& patientId, const QString& patientName) {
    // A line of quantity 0 shows no unit price rather than failing the whole list.
    Recordset lines = SQLConnection().query(
        QStringLiteral(
            "SELECT a.TransDate AS TransDate, a.RefNum AS RefNum, "
            "COALESCE(c.LastName, '') || ', ' || COALESCE(c.FirstName, '') AS IssuedBy, "
            "COALESCE(b.ItemName, '') || ' ' || COALESCE(b.ItemDesc, '') AS DrugName, a.ItemID AS DrugCode, "
            "'Issued' AS TransactionWord, a.Quantity AS Qty, a.Amount AS Amount, a.Discount AS Discount, "
            "'' AS Blank, a.UserID AS UserID, 'PH' AS Revenue, "
            "CASE WHEN SUBSTR(a.DiscountName, 1, 2) = 'CF' THEN '*' ELSE '' END AS SeniorMark, "
            "CASE WHEN a.Quantity = 0 THEN NULL ELSE a.Amount / a.Quantity END AS UnitPrice, "
            "a.Remarks AS Remarks, a.Quantity AS Quantity "
            "FROM billing.tbCashAssessment a "
            "LEFT JOIN tbInvMaster b ON a.ItemID = b.ItemID "
            "LEFT JOIN password.tbPasswordMaster c ON a.UserID = c.EmployeeID "
            "WHERE a.ORNumber IS NOT NULL AND a.IDNum = ? AND UPPER(TRIM(a.Name)) = UPPER(TRIM(?)) "
            "AND a.RevenueID = 'PH' "
            "ORDER BY a.TransDate, a.id"),
        {Trim(patientId), patientName});
    return lines;
}

void frmListPostedCash::ComputeTotals() {
    generalProcedure(kCashListModule, QStringLiteral("ComputeTotals"), [this] {
        double issued = 0, returned = 0, adjusted = 0;
        for (int row = 1; row < flexMSHList->rows(); ++row) {
            const QString transaction = UCase(Trim(flexMSHList->textMatrix(row, cashColTransaction)));
            const double amount = cellAmount(flexMSHList->textMatrix(row, cashColAmount));
            if (transaction == QStringLiteral("ISSUED"))
                issued += amount;
            else if (transaction == QStringLiteral("ADJUSTED"))
                adjusted += amount;
            else
                returned += amount;
        }
        SCDiscounter(false);
        // What was sold before its discounts.
        lblTotalPosted->setText(Format(cellAmount(lblDiscount->text()) + issued, kCashTotalFormat));
        lblTotalReturn->setText(Format(returned, kCashTotalFormat));
        lblAdjusted->setText(Format(adjusted, kCashTotalFormat));
        lblTotal->setText(Format(issued - returned - adjusted, kCashTotalFormat));
    });
}

void frmListPostedCash::SCDiscounter(bool IsDiscount) {
    Q_UNUSED(IsDiscount);
    generalProcedure(kCashListModule, QStringLiteral("SCDiscounter"), [this] {
        const bool redraw = flexMSHList->redraw();
        flexMSHList->setRedraw(false);
        double discount = 0, net = 0;
        for (int row = 1; row < flexMSHList->rows(); ++row) {
            discount += cellAmount(flexMSHList->textMatrix(row, cashColDiscount));
            const double amount = cellAmount(flexMSHList->textMatrix(row, cashColAmount));
            if (UCase(Trim(flexMSHList->textMatrix(row, cashColTransaction))) == QStringLiteral("ISSUED"))
                net += amount;
            else
                net -= amount;
        }
        flexMSHList->setRedraw(redraw);
        lblDiscount->setText(Format(discount, kCashTotalFormat));
        lblTotal->setText(Format(net, kCashTotalFormat));
    });
}

QString frmListPostedCash::seniorFlagTable() const {
    return listedKind_ == Kind::OutPatient ? QStringLiteral("patient_data.tbOutPatient")
                                           : QStringLiteral("patient_data.tbPatient");
}

void frmListPostedCash::patientListed(const QString& patientId) {
    // The own-medicine flag belongs to admissions; a visit leaves the box as it was.
    if (listedKind_ != Kind::InPatient)
        return;
    const Recordset rs = SQLConnection().query(
        QStringLiteral("SELECT COALESCE(PatientsMed, 0) AS PatientsMed FROM patient_data.tbPatient2 WHERE IDNum = ?"),
        {patientId});
    chkPatientsMed->setChecked(!rs.eof() && CBool(rs.value(QStringLiteral("PatientsMed"))));
}

void frmListPostedCash::reprintRow(const QString& transaction, const QString& patientId, const QString& refNum) {
    if (transaction == QStringLiteral("Issued"))
        GetChargeRecords1(patientId, refNum);
}

} // namespace qx
