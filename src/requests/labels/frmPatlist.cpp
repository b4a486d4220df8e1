#include "requests/labels/frmPatlist.h"

#include "components/Connection.h"
#include "platform/ControlEvents.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/KeyCodes.h"
#include "platform/Twips.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/RecordsetGrid.h"
#include "shell/Session.h"
#include "shell/WindowOpeners.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace qx {

namespace {
constexpr int kAdmissionCol = 1;
constexpr int kStationCol = 5;
constexpr int kWidths[] = {1600, 1600, 5000, 2000, 0, 0, 2300, 2300, 0};

// The first column from 1 on whose header reads `name`, letter case ignored; -1 when none does.
int GetColumn(const FlexGrid& grid, const QString& name) {
    for (int col = 1; col < grid.cols(); ++col)
        if (UCase(grid.textMatrix(0, col)) == UCase(name))
            return col;
    return -1;
}
} // namespace

frmPatlist::frmPatlist(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmPatlist"));
    setWindowTitle(QStringLiteral("Patient List"));
    setModal(false);
    resize(twipsToPixels(11000), twipsToPixels(6600));

    Frame1 = new QGroupBox(this);
    txtSearch = new QLineEdit(Frame1);
    cmdSearch = new QPushButton(QStringLiteral("..."), Frame1);
    cmdSearch->setAutoDefault(false);
    auto* searchRow = new QHBoxLayout(Frame1);
    searchRow->addWidget(txtSearch, 1);
    searchRow->addWidget(cmdSearch);
    Frame2 = new QGroupBox(this);
    flexMSHList1 = new FlexGrid(Frame2);
    auto* listBox = new QVBoxLayout(Frame2);
    listBox->addWidget(flexMSHList1);
    txtIndicator = new QLineEdit(this);
    txtIndicator->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(Frame2, 1);

    connect(cmdSearch, &QPushButton::clicked, this, &frmPatlist::cmdSearch_Click);
    auto* searchEvents = new ControlEvents(txtSearch);
    connect(searchEvents, &ControlEvents::keyPress, this, [this](int& keyAscii) {
        if (keyAscii == keys::Return) {
            keyAscii = 0;
            cmdSearch_Click();
        }
    });
    connect(searchEvents, &ControlEvents::keyDown, this, [this](int& keyCode, int) {
        if (keyCode == keys::Down && flexMSHList1->isEnabled()) {
            keyCode = 0;
            flexMSHList1->setFocus(Qt::OtherFocusReason);
        }
    });
    connect(flexMSHList1, &FlexGrid::dblClick, this, &frmPatlist::flexMSHList1_dblClick);
    connect(flexMSHList1, &FlexGrid::keyPress, this, [this](int& keyAscii) {
        if (keyAscii == keys::Return) {
            keyAscii = 0;
            flexMSHList1_dblClick();
        }
    });
}

frmPatlist& frmPatlist::Default() {
    static frmPatlist* form = new frmPatlist();
    return *form;
}

void frmPatlist::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Load();
}

void frmPatlist::Form_Load() { txtSearch->clear(); }

void frmPatlist::InitGrid() {
    flexMSHList1->clear();
    flexMSHList1->setCols(9);
    flexMSHList1->setRows(2);
    flexMSHList1->setFixedRows(1);
    flexMSHList1->setFormatString(QStringLiteral("<Hospital # |<Admission # |<Patient Name |<Room"));
    for (int col = 0; col < 9; ++col)
        flexMSHList1->setColWidth(col, kWidths[col]);
}

void frmPatlist::SetColWidth(const QString& column, int twips) {
    const int col = GetColumn(*flexMSHList1, column);
    if (col >= 0)
        flexMSHList1->setColWidth(col, twips);
}

bool frmPatlist::SearchPatients(const QString& search) {
    const auto rs = SQLConnection().callProcedure(QStringLiteral("Pharma_BarReprint"), {{QStringLiteral("@Search"), search}});
    if (!rs || rs->recordCount() == 0) {
        flexMSHList1->setEnabled(false);
        flexMSHList1->clear();
        flexMSHList1->setRows(flexMSHList1->fixedRows());
        return false;
    }
    flexMSHList1->setEnabled(true);
    BindRecordset(*flexMSHList1, *rs);
    SetColWidth(QStringLiteral("Code"), 1000);
    SetColWidth(QStringLiteral("Description"), 4000);
    return true;
}

void frmPatlist::cmdSearch_Click() {
    // A failed search is told and the window stays open.
    tellingErrors([&] {
        InitGrid();
        SearchPatients(txtSearch->text());
    });
}

void frmPatlist::flexMSHList1_dblClick() {
    const int row = flexMSHList1->row();
    if (!flexMSHList1->isEnabled() || row < flexMSHList1->fixedRows() || row >= flexMSHList1->rows())
        return;
    const QString admission = Trim(flexMSHList1->textMatrix(row, kAdmissionCol));
    if (admission.isEmpty())
        return;
    WindowValues inputs{{QStringLiteral("RequestedStationID"), Trim(flexMSHList1->textMatrix(row, kStationCol))},
                        {QStringLiteral("PatientID"), admission}};
    if (gSiteCode == QLatin1String("YRD")) {
        inputs.insert(QStringLiteral("txtIDNum"), admission);
        if (txtIndicator->text() == QLatin1String("RP"))
            inputs.insert(QStringLiteral("txtIndicate"), txtIndicator->text());
    }
    tellingErrors([&] { OpenWindow(QStringLiteral("mnuPending.frmCommEntry"), inputs); });
}

} // namespace qx
