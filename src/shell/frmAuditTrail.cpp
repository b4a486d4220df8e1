#include "shell/frmAuditTrail.h"

#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/DatePicker.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/ReportOpening.h"
#include "shell/Session.h"
#include "shell/UserLog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

namespace {

const QString kDay = QStringLiteral("mm/dd/yyyy");

// A log date as a bound grid shows it: the regional date-and-time form.
QString logDateText(const QVariant& value) {
    const QDateTime when = parseDbDateTime(value);
    return when.isValid() ? Text(when) : Text(value);
}

} // namespace

frmAuditTrail::frmAuditTrail(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Form1"));
    auto* layout = new QVBoxLayout(this);
    auto* criteria = new QGridLayout;
    txtUserID = new QLineEdit(this);
    txtStartDate = new DatePicker(this);
    txtEndDate = new DatePicker(this);
    cmdShow = new QPushButton(QStringLiteral("Search Logs"), this);
    criteria->addWidget(new QLabel(QStringLiteral("User ID"), this), 0, 0);
    criteria->addWidget(txtUserID, 0, 1);
    criteria->addWidget(new QLabel(QStringLiteral("From"), this), 1, 0);
    criteria->addWidget(txtStartDate, 1, 1);
    criteria->addWidget(new QLabel(QStringLiteral("To"), this), 1, 2);
    criteria->addWidget(txtEndDate, 1, 3);
    criteria->addWidget(cmdShow, 1, 4);
    layout->addLayout(criteria);
    grdList = new FlexGrid(this);
    layout->addWidget(grdList, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    cmdPrint = new QPushButton(QStringLiteral("Print"), this);
    cmdExit = new QPushButton(QStringLiteral("Close"), this);
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdExit);
    layout->addLayout(buttons);
    resize(twipsToPixels(13000), 480);

    connect(cmdShow, &QPushButton::clicked, this, [this] { cmdShow_Click(); });
    connect(cmdPrint, &QPushButton::clicked, this, [this] { cmdPrint_Click(); });
    connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });
    clearList();
}

void frmAuditTrail::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
}

void frmAuditTrail::done(int result) {
    // Unloaded: the next showing starts afresh.
    loaded_ = false;
    QDialog::done(result);
}

void frmAuditTrail::Form_Load() {
    const QDate today = QDate::currentDate();
    for (DatePicker* picker : {txtStartDate, txtEndDate}) {
        picker->setMaxDate(today);
        picker->setValue(QDateTime(today, QTime(0, 0)));
    }
    txtUserID->clear();
    cmdPrint->setEnabled(true);
    clearList();
}

void frmAuditTrail::clearList() {
    grdList->setCols(3);
    grdList->setFixedCols(1);
    grdList->setRows(1);
    grdList->setFixedRows(1);
    grdList->setTextMatrix(0, 0, QString());
    grdList->setTextMatrix(0, 1, QStringLiteral("Date"));
    grdList->setTextMatrix(0, 2, QStringLiteral("Remarks"));
}

void frmAuditTrail::cmdShow_Click() {
    try {
        if (txtUserID->text().isEmpty()) {
            MsgBox(QStringLiteral("Insert User ID"), vbOKOnly);
            txtUserID->setFocus();
            return;
        }
        const QString userId = Trim(txtUserID->text());
        if (userId.isEmpty())
            return;
        if (txtEndDate->value().date() < txtStartDate->value().date()) {
            MsgBox(QStringLiteral("Invalid report period..."), vbOKOnly);
            return;
        }
        Recordset rs = SQLConnection()
                           .callProcedure(QStringLiteral("sp_Inv_AuditTrailLogs"),
                                          {{QStringLiteral("@UserID"), userId},
                                           {QStringLiteral("@StartDate"), Format(txtStartDate->value(), kDay)},
                                           {QStringLiteral("@EndDate"), Format(txtEndDate->value(), kDay)},
                                           {QStringLiteral("@Module"), kUserLogModule}})
                           .value_or(Recordset());
        clearList();
        if (rs.isEmpty()) {
            cmdPrint->setEnabled(false);
        } else {
            grdList->setColWidth(1, 5000);
            grdList->setColWidth(2, 7000);
            cmdPrint->setEnabled(true);
            grdList->setRows(rs.recordCount() + 1);
            for (int row = 0; row < rs.recordCount(); ++row) {
                grdList->setTextMatrix(row + 1, 1, logDateText(rs.valueAt(row, 0)));
                grdList->setTextMatrix(row + 1, 2, Text(rs.valueAt(row, 1)));
            }
        }
        setHourglass(false);
    } catch (...) {
        MsgBox(currentError().description(), vbOKOnly);
        setHourglass(false);
    }
}

void frmAuditTrail::cmdPrint_Click() {
    setHourglass(true);
    QString path;
    try {
        path = ResolveReportPath(QStringLiteral("rptAuditTrail.rpt"));
    } catch (...) {
        // A missing report is told to the user; the window stays.
        setHourglass(false);
        MsgBox(currentError().description(), vbOKOnly);
        return;
    }
    const bool opened = OpenCrystalReport(path, {Trim(gHospitalName), Trim(gHospitalAddress), Trim(txtUserID->text()),
                                                 Format(txtStartDate->value(), kDay), Format(txtEndDate->value(), kDay),
                                                 kUserLogModule});
    // The pointer is back before the viewer opens, so the user does not work under an hourglass.
    setHourglass(false);
    if (opened)
        ShowCrystalReport(false, QStringLiteral("Audit Trail Logs"), false, false);
}

void frmAuditTrail::cmdExit_Click() { close(); }

} // namespace qx
