#include "shell/frmUserSetting.h"

#include "components/AppError.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/KeyCodes.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QVBoxLayout>

namespace qx {

namespace {

const QString kIncomeReportSite = QStringLiteral("GIVRC");
const QString kCorrectedReportSite = QStringLiteral("TZNH");

struct RightBox {
    QCheckBox* frmUserSetting::*box;
    const char* caption;
    const char* column;
};

// In the order of the save call; the last two are the site rights.
const RightBox kRights[] = {
    {&frmUserSetting::chkManualPosting, "Manual Posting", "canManualPosting"},
    {&frmUserSetting::chkProcessRequest, "Process Request", "canProcessRequest"},
    {&frmUserSetting::chkUnitDose, "Unit Dose (Automatic Dispensing)", "canUnitDose"},
    {&frmUserSetting::chkReturned, "Post Return", "canReturned"},
    {&frmUserSetting::chkCorrection, "Post Correction", "canCorrection"},
    {&frmUserSetting::chkViewPostedMeds, "Can View Posted Meds", "canViewPostedMeds"},
    {&frmUserSetting::chkDrugInquiry, "Drug Inquiry", "canDrugInquiry"},
    {&frmUserSetting::chkVerification, "Verification", "canVerification"},
    {&frmUserSetting::chkViewReport, "View Report", "canViewReport"},
    {&frmUserSetting::chkIncomeReport, "View Income Report", "canViewIncomeReport"},
    {&frmUserSetting::chkCanViewCorrected, "View List of Corrected Report", "canViewListofCorectedReports"},
};

// A site right: the box, its column and the one site that has it.
struct SiteRight {
    QCheckBox* frmUserSetting::*box;
    const char* column;
    const QString& site;
};
const SiteRight kSiteRights[] = {
    {&frmUserSetting::chkIncomeReport, "canViewIncomeReport", kIncomeReportSite},
    {&frmUserSetting::chkCanViewCorrected, "canViewListofCorectedReports", kCorrectedReportSite},
};

int boxValue(const QCheckBox* box) { return box->isChecked() ? 1 : 0; }

} // namespace

frmUserSetting::frmUserSetting(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmUserSetting"));
    setWindowTitle(QStringLiteral("User Setting"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* frames = new QHBoxLayout;
    layout->addLayout(frames);

    fraEmployees = new QGroupBox(QStringLiteral("Employee List"), this);
    auto* employees = new QVBoxLayout(fraEmployees);
    txtSearch = new QLineEdit(fraEmployees);
    grdList = new FlexGrid(fraEmployees);
    grdList->setCols(3);
    grdList->setRows(2);
    grdList->setFixedRows(1);
    grdList->setFixedCols(0);
    grdList->setColWidth(0, 300);
    grdList->setColWidth(1, 1500);
    grdList->setColWidth(2, 3600);
    grdList->setMinimumSize(400, 300);
    employees->addWidget(txtSearch);
    employees->addWidget(grdList, 1);
    frames->addWidget(fraEmployees, 1);

    fraRights = new QGroupBox(QStringLiteral("Employee Rights"), this);
    auto* rights = new QVBoxLayout(fraRights);
    for (const RightBox& r : kRights) {
        auto* box = new QCheckBox(QString::fromLatin1(r.caption), fraRights);
        box->setObjectName(QString::fromLatin1(r.column));
        this->*(r.box) = box;
        rights->addWidget(box);
    }
    chkSelectAll = new QCheckBox(QStringLiteral("Select All"), fraRights);
    rights->addSpacing(8);
    rights->addWidget(chkSelectAll);
    rights->addStretch(1);
    frames->addWidget(fraRights);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    cmdSave = new QPushButton(QStringLiteral("&Save"), this);
    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    for (QPushButton* b : {cmdSave, cmdClose}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    writeHeader();

    // Listing, loading and selecting have no error handler of their own; the save reports its own.
    connect(txtSearch, &QLineEdit::textChanged, this, [this] { unhandledErrorGuard([this] { txtSearch_Change(); }); });
    connect(txtSearch, &QLineEdit::returnPressed, this,
            [this] { unhandledErrorGuard([this] { txtSearch_KeyPress(keys::Return); }); });
    connect(grdList, &FlexGrid::click, this, [this] { unhandledErrorGuard([this] { grdList_Click(); }); });
    connect(grdList, &FlexGrid::rowColChange, this, [this] { unhandledErrorGuard([this] { grdList_RowColChange(); }); });
    connect(chkSelectAll, &QCheckBox::clicked, this, [this] { chkSelectAll_Click(); });
    connect(cmdSave, &QPushButton::clicked, this, [this] { unhandledErrorGuard([this] { cmdSave_Click(); }); });
    connect(cmdClose, &QPushButton::clicked, this, &frmUserSetting::cmdClose_Click);
}

QVector<QCheckBox*> frmUserSetting::commonRights() const {
    QVector<QCheckBox*> boxes;
    for (int i = 0; i < kCommonRights; ++i)
        boxes << this->*(kRights[i].box);
    return boxes;
}

void frmUserSetting::writeHeader() {
    grdList->setTextMatrix(0, 0, QStringLiteral("#"));
    grdList->setTextMatrix(0, 1, QStringLiteral("Employee Code"));
    grdList->setTextMatrix(0, 2, QStringLiteral("Name"));
}

void frmUserSetting::Form_Load() {
    LoadEmployee(QString());
    chkIncomeReport->setVisible(gSiteCode == kIncomeReportSite);
    chkCanViewCorrected->setVisible(gSiteCode == kCorrectedReportSite);
}

void frmUserSetting::LoadEmployee(const QString& searchText) {
    std::optional<Recordset> rs = SQLConnection().callProcedure(QStringLiteral("Pharma_SearchEmployee"),
                                                                {{QStringLiteral("@SearchText"), searchText}});
    {
        // Row moves while the list is refilled land on half-written rows; the rights follow the
        // list once it is complete.
        listing_ = true;
        const auto listed = qScopeGuard([this] { listing_ = false; });
        if (!rs || rs->isEmpty()) {
            for (int row = 0; row < grdList->rows(); ++row)
                for (int col = 0; col < grdList->cols(); ++col)
                    grdList->setTextMatrix(row, col, QString());
        } else {
            grdList->setRows(rs->recordCount() + 1);
            for (int i = 0; i < rs->recordCount(); ++i) {
                grdList->setTextMatrix(i + 1, 0, QString());
                grdList->setTextMatrix(i + 1, 1, Text(rs->valueAt(i, QStringLiteral("Employee Code"))));
                grdList->setTextMatrix(i + 1, 2, Text(rs->valueAt(i, QStringLiteral("Name"))));
            }
        }
        writeHeader();
    }
    showSelectedEmployee();
}

void frmUserSetting::LoadUserRights(const QString& employeeID) {
    shownEmployee_ = Trim(employeeID);
    const Recordset rs = SQLConnection().query(
        QStringLiteral("SELECT * FROM tbPharmaUserSettings WHERE UPPER(TRIM(EmployeeID)) = UPPER(TRIM(?))"), {employeeID});
    for (int i = 0; i < kCommonRights; ++i) {
        QCheckBox* box = this->*(kRights[i].box);
        box->setChecked(!rs.eof() && CBool(rs.value(QString::fromLatin1(kRights[i].column))));
    }
    for (const SiteRight& r : kSiteRights) {
        if (gSiteCode != r.site)
            continue;
        const bool on = !rs.eof() && CBool(NullToDefault(rs.value(QString::fromLatin1(r.column)), 0));
        (this->*(r.box))->setChecked(on);
    }
}

bool frmUserSetting::SaveUserRights(const QString& employeeID, const std::array<int, kCommonRights>& rights) {
    QVariantMap values{{QStringLiteral("@EmployeeID"), employeeID}};
    for (int i = 0; i < kCommonRights; ++i)
        values.insert(QLatin1Char('@') + QString::fromLatin1(kRights[i].column), rights[size_t(i)]);
    SQLConnection().callProcedure(QStringLiteral("Pharma_SaveEmployeeSettings"), values);
    return true;
}

QString frmUserSetting::selectedEmployee() const {
    const int row = grdList->row();
    return row >= grdList->fixedRows() && row < grdList->rows() ? Trim(grdList->textMatrix(row, 1)) : QString();
}

void frmUserSetting::txtSearch_Change() { LoadEmployee(Trim(txtSearch->text())); }

void frmUserSetting::txtSearch_KeyPress(int) { LoadEmployee(Trim(txtSearch->text())); }

void frmUserSetting::grdList_Click() {
    const QString employee = selectedEmployee();
    if (!employee.isEmpty())
        LoadUserRights(employee);
}

void frmUserSetting::grdList_RowColChange() {
    // The arrow keys choose an employee as a click does: the boxes always show the rights of the
    // employee whom Save would write.
    if (!listing_)
        showSelectedEmployee();
}

void frmUserSetting::showSelectedEmployee() {
    const QString employee = selectedEmployee();
    if (employee.isEmpty())
        shownEmployee_.clear();
    else if (employee != shownEmployee_)
        LoadUserRights(employee);
}

void frmUserSetting::chkSelectAll_Click() {
    // "View Income Report" is left as it is.
    const bool on = chkSelectAll->isChecked();
    for (QCheckBox* box : commonRights())
        box->setChecked(on);
    chkCanViewCorrected->setChecked(on);
}

void frmUserSetting::cmdSave_Click() {
    // The boxes are saved for the employee whose rights they show; with nobody listed there is
    // nobody to save them for.
    const QString employee = shownEmployee_;
    if (employee.isEmpty())
        return;
    std::array<int, kCommonRights> rights{};
    for (int i = 0; i < kCommonRights; ++i)
        rights[size_t(i)] = boxValue(this->*(kRights[i].box));
    try {
        Connection& con = SQLConnection();
        Transaction save(con);
        SaveUserRights(employee, rights);
        for (const SiteRight& r : kSiteRights) {
            if (gSiteCode != r.site)
                continue;
            con.execute(QStringLiteral("UPDATE tbPharmaUserSettings SET %1 = ? WHERE EmployeeID = ?")
                            .arg(QString::fromLatin1(r.column)),
                        {boxValue(this->*(r.box)), employee});
        }
        save.commit();
    } catch (...) {
        MsgBox(currentError().description(), vbCritical, QStringLiteral("Warning!"));
        return;
    }
    MsgBox(QStringLiteral("Data successfully saved!"), vbOKOnly, QStringLiteral("MESSAGE"));
}

void frmUserSetting::cmdClose_Click() { done(QDialog::Accepted); }

void frmUserSetting::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        unhandledErrorGuard([this] { Form_Load(); });
    QDialog::showEvent(event);
}

} // namespace qx
