#include "reports/frmEmployeeReport.h"

#include "charging/clsBusinessClass.h"
#include "components/AppError.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "components/SuiteComponents.h"
#include "platform/ControlEvents.h"
#include "platform/DatePicker.h"
#include "platform/PictureButton.h"
#include "platform/TypedKeys.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/ReportOpening.h"
#include "shell/Session.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

namespace qx {

namespace {

const QString kAccountFilter = QStringLiteral("Y");

AccountFirms::Firm& employeeReportCompany() {
    if (!gComponents.gCompany)
        throw AppError(91, QStringLiteral("AccountFirms.Firm"), QStringLiteral("Object variable or With block variable not set"));
    return *gComponents.gCompany;
}

} // namespace

frmEmployeeReport::frmEmployeeReport(QWidget* parent) : ReportDialog(parent) {
    setObjectName(QStringLiteral("frmEmployeeReport"));
    setWindowTitle(QStringLiteral("Employee Medicines"));
    auto* layout = new QVBoxLayout(this);
    Frame1 = new QGroupBox(QStringLiteral("REPORT OPTIONS"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(Frame1);
    for (int i = 0; i < 4; ++i) {
        txtAccount[i] = new QLineEdit(Frame1);
        txtAccount[i]->setObjectName(QStringLiteral("txtAccount%1").arg(i));
    }
    // The names are filled by the checks, never typed.
    txtAccount[1]->setReadOnly(true);
    txtAccount[2]->setReadOnly(true);
    const QPixmap binoculars = style()->standardIcon(QStyle::SP_FileDialogContentsView).pixmap(16, 16);
    cmdFind = new PictureButton(Frame1);
    cmdFind->setObjectName(QStringLiteral("cmdFind"));
    cmdFind->setPicture(binoculars);
    cmdBC = new PictureButton(Frame1);
    cmdBC->setObjectName(QStringLiteral("cmdBC"));
    cmdBC->setPicture(binoculars);
    chkBC = new QCheckBox(QStringLiteral("By Business Class"), Frame1);
    chkBC->setObjectName(QStringLiteral("chkBC"));
    fraPatientType = new QGroupBox(QStringLiteral("Patient Type"), Frame1);
    fraPatientType->setObjectName(QStringLiteral("fraPatientType"));
    auto* types = new QHBoxLayout(fraPatientType);
    optAll = new QRadioButton(QStringLiteral("ALL"), fraPatientType);
    optAll->setObjectName(QStringLiteral("optAll"));
    optInPatient = new QRadioButton(QStringLiteral("In-Patient"), fraPatientType);
    optInPatient->setObjectName(QStringLiteral("optInPatient"));
    optOutPatient = new QRadioButton(QStringLiteral("Out-Patient"), fraPatientType);
    optOutPatient->setObjectName(QStringLiteral("optOutPatient"));
    for (QRadioButton* option : {optAll, optInPatient, optOutPatient})
        types->addWidget(option);
    optInPatient->setChecked(true);
    dtpBeginningDate = todayPicker(QStringLiteral("dtpBeginningDate"));
    dtpEndDate = new DatePicker(Frame1);
    dtpEndDate->setObjectName(QStringLiteral("dtpEndDate"));
    dtpEndDate->setValue(QDateTime::currentDateTime());

    grid->addWidget(new QLabel(QStringLiteral("Company"), Frame1), 0, 0);
    grid->addWidget(txtAccount[0], 0, 1);
    grid->addWidget(cmdFind, 0, 2);
    grid->addWidget(txtAccount[1], 0, 3);
    grid->addWidget(chkBC, 1, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Business Class"), Frame1), 2, 0);
    grid->addWidget(txtAccount[3], 2, 1);
    grid->addWidget(cmdBC, 2, 2);
    grid->addWidget(txtAccount[2], 2, 3);
    grid->addWidget(fraPatientType, 3, 0, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("Report Date"), Frame1), 4, 0);
    grid->addWidget(dtpBeginningDate, 4, 1);
    grid->addWidget(new QLabel(QStringLiteral("TO"), Frame1), 4, 2);
    grid->addWidget(dtpEndDate, 4, 3);
    Label3 = new QLabel(QStringLiteral("Enter Account Number for specific company  or <ESC>/Cancel to exit"), Frame1);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setTextFormat(Qt::PlainText);
    grid->addWidget(Label3, 5, 0, 1, 4);
    layout->addWidget(Frame1);

    optOptions[0] = new QPushButton(QStringLiteral("&OK"), this);
    optOptions[1] = new QPushButton(QStringLiteral("&Cancel"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (int i = 0; i < 2; ++i) {
        optOptions[i]->setObjectName(QStringLiteral("optOptions%1").arg(i));
        optOptions[i]->setFlat(true);
        // Enter moves on from every control; it presses no button.
        optOptions[i]->setAutoDefault(false);
        buttons->addWidget(optOptions[i]);
        connect(optOptions[i], &QPushButton::clicked, this, [this, i] { optOptions_Click(i); });
    }
    layout->addLayout(buttons);

    // Company mode to start with.
    txtAccount[3]->setEnabled(false);
    cmdBC->setEnabled(false);

    // The controls themselves, not their frames: a key a box leaves goes on to its frame.
    for (QWidget* control : std::initializer_list<QWidget*>{
             txtAccount[0], txtAccount[1], txtAccount[2], txtAccount[3], cmdFind, cmdBC, chkBC, optAll, optInPatient,
             optOutPatient, dtpBeginningDate, dtpEndDate, optOptions[0], optOptions[1]})
        control->installEventFilter(this);
    for (int index : {0, 3}) {
        auto* events = new ControlEvents(txtAccount[index]);
        connect(events, &ControlEvents::validate, this, [this, index](bool&) { txtAccount_Validate(index); });
    }
    connect(chkBC, &QCheckBox::toggled, this, [this] { chkBC_Click(); });
    connect(cmdFind, &QAbstractButton::clicked, this, [this] { cmdFind_Click(); });
    connect(cmdBC, &QAbstractButton::clicked, this, [this] { cmdBC_Click(); });
}

bool frmEmployeeReport::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && PreviewTypedKey(watched, *static_cast<QKeyEvent*>(event)))
        return true;
    return ReportDialog::eventFilter(watched, event);
}

void frmEmployeeReport::chkBC_Click() {
    const bool byClass = chkBC->isChecked();
    if (byClass) {
        txtAccount[0]->clear();
        txtAccount[1]->clear();
    } else {
        txtAccount[3]->clear();
        txtAccount[2]->clear();
    }
    txtAccount[0]->setEnabled(!byClass);
    cmdFind->setEnabled(!byClass);
    txtAccount[3]->setEnabled(byClass);
    cmdBC->setEnabled(byClass);
}

void frmEmployeeReport::cmdFind_Click() {
    txtAccount[0]->setFocus();
    SendKeys(QStringLiteral("{tab}"));
}

void frmEmployeeReport::cmdBC_Click() {
    txtAccount[3]->setFocus();
    SendKeys(QStringLiteral("{tab}"));
}

void frmEmployeeReport::txtAccount_Validate(int index) {
    guarded([this, index] {
        if (index == 3)
            checkBusinessClass();
        else
            checkAccount();
    });
}

void frmEmployeeReport::checkBusinessClass() {
    clsBusinessClass record;
    record.setActiveConnection(SQLConnection());
    if (record.SearchBusinessClass(Trim(txtAccount[3]->text()))) {
        txtAccount[3]->setText(record.Code());
        txtAccount[2]->setText(record.Description());
        return;
    }
    MsgBox(QStringLiteral("Business Class doesn't exists."), vbInformation, QStringLiteral("MESSAGE"));
}

void frmEmployeeReport::checkAccount() {
    AccountFirms::Firm& company = employeeReportCompany();
    const QString typed = Trim(txtAccount[0]->text());
    QString code = typed;
    if (!company.Search(typed, kAccountFilter)) {
        if (!gComponents.gCompanyList)
            throw AppError(91, QStringLiteral("AccountFirms.FirmList"), QStringLiteral("Object variable or With block variable not set"));
        code = gComponents.gCompanyList->ShowList(typed, kAccountFilter);
    }
    if (code.isEmpty()) {
        txtAccount[0]->clear();
        txtAccount[1]->clear();
        txtAccount[0]->setFocus();
        return;
    }
    if (company.Search(code, kAccountFilter)) {
        txtAccount[0]->setText(company.CompanyCode());
        txtAccount[1]->setText(company.CompanyName() + QLatin1Char(' '));
        return;
    }
    MsgBox(QStringLiteral("Account code does not exist."), vbExclamation);
    if (txtAccount[0]->isEnabled())
        txtAccount[0]->setFocus();
}

QString frmEmployeeReport::PatientTypeCode() const {
    if (optInPatient->isChecked())
        return QStringLiteral("I");
    if (optOutPatient->isChecked())
        return QStringLiteral("O");
    return QStringLiteral("A");
}

QVariantList frmEmployeeReport::ReportValues(const QString& companyName, const QString& companyAddress) const {
    return {Trim(txtAccount[0]->text()),
            gHospitalAddress,
            companyName.toUpper(),
            companyAddress.toUpper(),
            Format(dtpBeginningDate->value(), QStringLiteral("mm/dd/yyyy")),
            Format(dtpEndDate->value(), QStringLiteral("mm/dd/yyyy")),
            PatientTypeCode(),
            Trim(txtAccount[3]->text())};
}

void frmEmployeeReport::optOptions_Click(int index) {
    if (index == 1) {
        close();
        return;
    }
    HourglassScope busy;
    guarded([this] { runReport(); });
}

void frmEmployeeReport::runReport() {
    const std::optional<Recordset> account = SQLConnection().callProcedure(
        QStringLiteral("sp_Pars_GetAccountName"), {{QStringLiteral("@AccountNum"), Trim(txtAccount[0]->text())}});
    QString companyName, companyAddress;
    if (account && account->recordCount() > 0) {
        companyName = account->valueAt(0, QStringLiteral("Company")).toString();
        companyAddress = account->valueAt(0, QStringLiteral("Address")).toString();
    }
    const QString path = ResolveReportPath(chkBC->isChecked() ? QStringLiteral("EmployeeMedBC_Summary.rpt")
                                                              : QStringLiteral("EmployeeMed_Summary.rpt"));
    // A report that could not be opened has been told; no empty viewer follows.
    if (!OpenCrystalReport(path, ReportValues(companyName, companyAddress)))
        return;
    setHourglass(false);
    ShowCrystalReport(true, QStringLiteral("Employee Medicines"), false, true);
}

} // namespace qx
