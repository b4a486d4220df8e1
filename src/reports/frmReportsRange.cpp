#include "reports/frmReportsRange.h"

#include "charging/frmView.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/DatePicker.h"
#include "platform/Values.h"
#include "reports/IncomeSummaryPreparation.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace qx {

qint16 RangeReportCode(qint16 reportType, bool perShift, bool summary) {
    static const qint16 plain[] = {6, 25, 26, 31, 33, 34, 35, 0, 39, 41, 43, 45, 47, 65, 66, 67, 68, 69, 70, 71, 73, 78, 96, 97};
    if (reportType == 8)
        return summary ? 48 : perShift ? 38 : 29;
    if (reportType >= 9 && reportType <= 12 && perShift)
        return static_cast<qint16>(plain[reportType - 1] + 1);
    if (reportType >= 1 && reportType <= 24)
        return plain[reportType - 1];
    return reportType;
}

namespace {

QCheckBox* rangeCheck(QWidget* parent, const char* name, const char* caption) {
    auto* box = new QCheckBox(QString::fromLatin1(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

} // namespace

frmReportsRange::frmReportsRange(QWidget* parent) : ReportDialog(parent) {
    setObjectName(QStringLiteral("frmReportsRange"));
    setWindowTitle(QStringLiteral("Reports"));
    auto* layout = new QGridLayout(this);
    Label2 = new QLabel(QStringLiteral("Starting Date"), this);
    dpStartDate = todayPicker(QStringLiteral("dpStartDate"));
    Label3 = new QLabel(QStringLiteral("Ending Date"), this);
    dpEndDate = todayPicker(QStringLiteral("dpEndDate"));
    chkShift = rangeCheck(this, "chkShift", "PER SHIFT");
    Frame1 = shiftFrame(Label1, cboShift);
    chkSummary = rangeCheck(this, "chkSummary", "Summary");
    chkSummary->setVisible(false);
    chkType = rangeCheck(this, "chkType", "New Format");
    chkType->setChecked(true);
    fraDispenser = new QGroupBox(QStringLiteral("Dispenser"), this);
    fraDispenser->setObjectName(QStringLiteral("fraDispenser"));
    fraDispenser->setVisible(false);
    auto* dispenserRow = new QHBoxLayout(fraDispenser);
    cboDispenser = new QComboBox(fraDispenser);
    cboDispenser->setObjectName(QStringLiteral("cboDispenser"));
    dispenserRow->addWidget(cboDispenser);
    lblClassification = new QLabel(QStringLiteral("CLASSIFICATION"), this);
    lblClassification->setObjectName(QStringLiteral("lblClassification"));
    chkClass = rangeCheck(this, "chkClass", "All Classifications");
    cboClass = new QComboBox(this);
    cboClass->setObjectName(QStringLiteral("cboClass"));
    for (QWidget* w : std::initializer_list<QWidget*>{lblClassification, chkClass, cboClass})
        w->setVisible(false);
    Frame2 = new QGroupBox(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setVisible(false);
    auto* kindRow = new QHBoxLayout(Frame2);
    optIPD = new QRadioButton(QStringLiteral("IPD"), Frame2);
    optOPD = new QRadioButton(QStringLiteral("OPD"), Frame2);
    optIPD->setChecked(true);
    kindRow->addWidget(optIPD);
    kindRow->addWidget(optOPD);

    layout->addWidget(Label2, 0, 0);
    layout->addWidget(dpStartDate, 0, 1);
    layout->addWidget(Label3, 1, 0);
    layout->addWidget(dpEndDate, 1, 1);
    layout->addWidget(chkShift, 2, 0);
    layout->addWidget(chkSummary, 2, 1);
    layout->addWidget(Frame1, 3, 0, 1, 2);
    layout->addWidget(chkType, 4, 0, 1, 2);
    layout->addWidget(fraDispenser, 5, 0, 1, 2);
    layout->addWidget(lblClassification, 6, 0);
    layout->addWidget(chkClass, 6, 1);
    layout->addWidget(cboClass, 7, 0, 1, 2);
    layout->addWidget(Frame2, 8, 0, 1, 2);
    auto* buttons = generateCloseRow(cmdGenerate, cmdClose, [this] { cmdGenerate_Click(); }, [this] { cmdClose_Click(); });
    layout->addLayout(buttons, 9, 0, 1, 2);

    connect(chkShift, &QCheckBox::toggled, this, [this] { chkShift_Click(); });
    connect(chkClass, &QCheckBox::toggled, this, [this] { chkClass_Click(); });
}

bool frmReportsRange::Form_Load() {
    chkType->setVisible(false);
    switch (ReportType()) {
    case 1:
        setWindowTitle(QStringLiteral("Income Summary Report"));
        chkType->setVisible(true);
        break;
    case 17:
        Frame1->setVisible(true);
        setWindowTitle(QStringLiteral("Income Report"));
        break;
    default: setWindowTitle(QStringLiteral("Reports")); break;
    }
    if (!guarded([this] {
            LoadClassification();
            LoadDispensers();
        }))
        return false;
    if (gSiteCode == QLatin1String("OXBEN"))
        for (QWidget* w : std::initializer_list<QWidget*>{lblClassification, cboClass, chkClass})
            w->setVisible(true);
    return true;
}

void frmReportsRange::LoadClassification() {
    Recordset classes = SQLConnection().query(QStringLiteral(
        "SELECT COALESCE(ItemClassificationName, '') AS ItemClassificationName, ItemClassificationID FROM tbInvClassification "
        "WHERE COALESCE(Status, '') <> 'I' AND COALESCE(ItemClassificationID, '') <> '' ORDER BY ItemClassificationID"));
    cboClass->clear();
    for (int row = 0; row < classes.recordCount(); ++row)
        cboClass->addItem(classes.valueAt(row, 0).toString(), classes.valueAt(row, 1).toString());
    cboClass->setCurrentIndex(-1);
}

void frmReportsRange::LoadDispensers() {
    // Every pharmacy employee with a name, a missing middle name read as empty.
    Recordset staff = SQLConnection().query(QStringLiteral(
        "SELECT COALESCE(LastName, '') || ', ' || COALESCE(FirstName, '') || ' ' || COALESCE(MiddleName, '') AS Employee, "
        "EmployeeID FROM password.tbPasswordMaster WHERE EmployeeID IN "
        "(SELECT EmployeeID FROM password.tbPasswordMain WHERE DepartmentID IN ('00', '15'))"));
    QList<std::pair<QString, QString>> entries{{QStringLiteral("(ALL USERS)"), QString()}};
    for (int row = 0; row < staff.recordCount(); ++row)
        entries << std::pair{staff.valueAt(row, 0).toString(), staff.valueAt(row, 1).toString()};
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    cboDispenser->clear();
    for (const auto& [employee, id] : entries)
        cboDispenser->addItem(employee, id);
    cboDispenser->setCurrentIndex(cboDispenser->findData(QString()));
}

void frmReportsRange::chkShift_Click() { Frame1->setEnabled(chkShift->isChecked()); }

void frmReportsRange::chkClass_Click() { cboClass->setEnabled(!chkClass->isChecked()); }

void frmReportsRange::cmdGenerate_Click() {
    HourglassScope busy;
    guarded([this] {
        if (ReportType() == 1)
            ViewReportType1();
        else
            ViewReport(RangeReportCode(ReportType(), chkShift->isChecked(), chkSummary->isChecked()));
    });
}

void frmReportsRange::ViewReport(qint16 code) {
    frmView& request = ReportWindow();
    request.setStartDate(Format(dpStartDate->value(), QStringLiteral("mm/dd/yyyy")));
    request.setEndDate(Format(dpEndDate->value(), QStringLiteral("mm/dd/yyyy")));
    request.setReportType(chkType->isChecked() ? 1 : 0);
    request.setShift(cboShift->currentText());
    request.setIN_OR_OUT(optIPD->isChecked() ? 1 : 0);
    request.ItemClassificationID = cboClass->isEnabled() ? ChosenId(*cboClass) : QStringLiteral("%");
    request.setDispenserCode(fraDispenser->isVisibleTo(this) ? ChosenId(*cboDispenser) : QString());
    showReport(code);
}

void frmReportsRange::ViewReportType1() {
    const IncomeSummaryPlan plan = IncomeSummaryPlanFor(gSiteCode);
    PrepareIncomeSummary(SQLConnection(), plan, Format(dpStartDate->value(), QStringLiteral("mm/dd/yyyy")),
                         Format(dpEndDate->value(), QStringLiteral("mm/dd/yyyy")));
    ViewReport(plan.reportCode);
}

void frmReportsRange::cmdClose_Click() { close(); }

} // namespace qx
