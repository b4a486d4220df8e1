#include "cash/frmTranscription.h"
#include "components/AppError.h"

#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "components/StaffLogin.h"
#include "platform/FlexGrid.h"
#include "platform/KeyCodes.h"
#include "platform/Twips.h"
#include "platform/Values.h"
#include "platform/report/Report.h"
#include "shell/GridHelpers.h"
#include "shell/RecordsetGrid.h"
#include "shell/ReportOpening.h"
#include "shell/Session.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <cmath>

namespace qx {

namespace {
constexpr int kTranscriptionColumns = 9;
constexpr int colTranscriptionAdmission = 1;
constexpr int colTranscriptionRoom = 3;
constexpr int colTranscriptionStation = 4;
constexpr int colTranscriptionRequestedBy = 7;
constexpr int colTranscriptionAddress = 8;
} // namespace

frmTranscription::frmTranscription(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmTranscription"));
    setWindowTitle(QStringLiteral("Transcription Notes"));

    fraList = new QGroupBox(QStringLiteral("List of Patients"), this);
    flexMSHList = new FlexGrid(fraList);
    flexMSHList->setMinimumSize(twipsToPixels(11000), twipsToPixels(3600));
    chkSorted = new QCheckBox(QStringLiteral("&Sorted"), fraList);
    auto* listBox = new QVBoxLayout(fraList);
    listBox->addWidget(flexMSHList, 1);
    listBox->addWidget(chkSorted);

    fraRemarks = new QGroupBox(QStringLiteral("Remarks"), this);
    lblRemarks = new QLabel(fraRemarks);
    lblRemarks->setWordWrap(true);
    lblRemarks->setMinimumHeight(twipsToPixels(900));
    auto* remarksBox = new QVBoxLayout(fraRemarks);
    remarksBox->addWidget(lblRemarks);

    cmdProcess = new QPushButton(QStringLiteral("P&rocess"), this);
    cmdPrint = new QPushButton(QStringLiteral("&Print"), this);
    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    for (QPushButton* b : {cmdProcess, cmdPrint, cmdClose})
        b->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdProcess);
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fraList, 1);
    layout->addWidget(fraRemarks);
    layout->addLayout(buttons);

    connect(cmdProcess, &QPushButton::clicked, this, &frmTranscription::cmdProcess_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmTranscription::cmdPrint_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmTranscription::cmdClose_Click);
    connect(chkSorted, &QCheckBox::toggled, this, [this] {
        if (!loading_)
            LoadList();
    });
    connect(flexMSHList, &FlexGrid::enterCell, this, [this] {
        SetGridHighlight(*flexMSHList, true);
        if (flexMSHList->rows() > 1 && flexMSHList->row() > 0)
            LoadRemarks(currentAdmission());
    });
    connect(flexMSHList, &FlexGrid::gotFocus, this, [this] { SetGridHighlight(*flexMSHList, true); });
    connect(flexMSHList, &FlexGrid::leaveCell, this, [this] { SetGridHighlight(*flexMSHList, false); });
    const auto processWhenEnabled = [this] {
        if (cmdProcess->isEnabled())
            cmdProcess_Click();
    };
    connect(flexMSHList, &FlexGrid::dblClick, this, processWhenEnabled);
    connect(flexMSHList, &FlexGrid::keyPress, this, [processWhenEnabled](int& keyAscii) {
        if (keyAscii != keys::Return)
            return;
        keyAscii = 0;
        processWhenEnabled();
    });
}

frmTranscription& frmTranscription::Default() {
    static frmTranscription* instance = new frmTranscription;
    return *instance;
}

void frmTranscription::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Load();
}

void frmTranscription::Form_Load() {
    loading_ = true;
    chkSorted->setChecked(true);
    loading_ = false;
    IDNum.clear();
    SetupListGrid();
    LoadList();
}

void frmTranscription::SetupListGrid() {
    flexMSHList->clear();
    flexMSHList->setCols(kTranscriptionColumns);
    flexMSHList->setRows(2);
    flexMSHList->setFormatString(QStringLiteral(
        "<Hosp. # |<Adm. # |<Patient Name |<Room |<Station |<StationID |<Billed |<Requested By"));
    flexMSHList->setCols(kTranscriptionColumns);
    const int w = int(std::lround(pixelsToTwips(flexMSHList->width()) / 8.0));
    const int widths[kTranscriptionColumns] = {w, w, 4 * w - 100, w, w, 0, w, 4 * w, 0};
    for (int col = 0; col < kTranscriptionColumns; ++col)
        flexMSHList->setColWidth(col, widths[col]);
}

// A failing query is told and the window stays open with what it showed.
void frmTranscription::showQueryFailure(const std::exception& e) {
    const auto* appError = dynamic_cast<const AppError*>(&e);
    MsgBox(appError ? appError->description() : QString::fromStdString(e.what()), vbExclamation, windowTitle());
}

void frmTranscription::LoadList() {
    try {
        const QString order = chkSorted->isChecked() ? QStringLiteral("1") : QStringLiteral("2");
        const std::optional<Recordset> rs = SQLConnection().callProcedure(
            QStringLiteral("Pharma_PatientTranscription"),
            {{QStringLiteral("@RevenueID"), QStringLiteral("PH")}, {QStringLiteral("@Order"), order}});
        flexMSHList->setRedraw(false);
        SetupListGrid();
        const bool any = rs && rs->recordCount() > 0;
        cmdProcess->setEnabled(any);
        cmdPrint->setEnabled(any);
        if (any) {
            BindRecordset(*flexMSHList, *rs);
            flexMSHList->setCols(kTranscriptionColumns);
            SetGridHighlight(*flexMSHList, true);
            flexMSHList->setRow(1);
            LoadRemarks(currentAdmission());
        }
        flexMSHList->setRedraw(true);
    } catch (const std::exception& e) {
        flexMSHList->setRedraw(true);
        showQueryFailure(e);
    }
}

void frmTranscription::LoadRemarks(const QString& idNum) {
    try {
        const Recordset rs = SQLConnection().query(
            QStringLiteral("SELECT COALESCE(Orders, '') AS Orders FROM tbInvPrescriptionOrders WHERE IdNum = ?"), {idNum});
        lblRemarks->setText(rs.eof() ? QString() : rs.text(QStringLiteral("Orders")));
    } catch (const std::exception& e) {
        showQueryFailure(e);
    }
}

QString frmTranscription::currentAdmission() const {
    return Trim(flexMSHList->textMatrix(flexMSHList->row(), colTranscriptionAdmission));
}

void frmTranscription::cmdProcess_Click() {
    const int row = flexMSHList->row();
    const auto cell = [&](int col) { return Trim(flexMSHList->textMatrix(row, col)); };
    RoomID = cell(colTranscriptionRoom);
    IDNum = cell(colTranscriptionAdmission);
    RequestBy = cell(colTranscriptionRequestedBy);
    Address = cell(colTranscriptionAddress);
    Room = cell(colTranscriptionRoom);
    Station = cell(colTranscriptionStation);
    accept();
}

void frmTranscription::cmdClose_Click() {
    RoomID.clear();
    IDNum.clear();
    reject();
}

void frmTranscription::cmdPrint_Click() {
    try {
        HourglassScope hourglass;
        std::shared_ptr<report::Report> note = report::Report::open(ResolveReportPath(QStringLiteral("TranscriptionNote.rpt")));
        LogOnReportTables(*note, QStringLiteral("Inventory"));
        for (report::ParameterField& field : note->parameterFields()) {
            const QString name = field.name().trimmed().toUpper();
            if (name == QLatin1String("@IDNUM")) {
                field.clearCurrentValues();
                field.addCurrentValue(currentAdmission());
            } else if (name == QLatin1String("ISSUEDBY")) {
                field.clearCurrentValues();
                field.addCurrentValue(gComponents.gCurrentUser ? gComponents.gCurrentUser->EmployeeName() : QString());
            }
        }
        note->printOut(true);
    } catch (const std::exception& e) {
        showQueryFailure(e);
    }
}

} // namespace qx
