#include "reports/frmStationDate.h"

#include "charging/frmView.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/DatePicker.h"
#include "platform/Values.h"
#include "shell/QueryHelpers.h"
#include "shell/Session.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace qx {

frmStationDate::frmStationDate(QWidget* parent) : ReportDialog(parent) {
    setObjectName(QStringLiteral("frmStationDate"));
    setWindowTitle(QStringLiteral("Census Station"));
    auto* layout = new QGridLayout(this);
    Label1[0] = new QLabel(QStringLiteral("Station : "), this);
    Label1[1] = new QLabel(QStringLiteral("Date :"), this);
    cboStation = new QComboBox(this);
    cboStation->setObjectName(QStringLiteral("cboStation"));
    dpStartDate = new DatePicker(this);
    dpStartDate->setObjectName(QStringLiteral("dpStartDate"));
    layout->addWidget(Label1[0], 0, 0);
    layout->addWidget(cboStation, 0, 1);
    layout->addWidget(Label1[1], 1, 0);
    layout->addWidget(dpStartDate, 1, 1);
    auto* foot = generateCloseRow(cmdGenerate, cmdClose, [this] { cmdGenerate_Click(); }, [this] { cmdClose_Click(); });
    layout->addLayout(foot, 2, 0, 1, 2);
}

bool frmStationDate::Form_Load() {
    return guarded([this] {
        Connection& con = SQLConnection();
        dpStartDate->setValue(CDate(GetServerDate(con)));
        // A station without a name still takes its place in the list, as an empty entry.
        Recordset stations = con.query(QStringLiteral(
            "SELECT COALESCE(Station, '') AS Station, COALESCE(StationID, '') AS StationID FROM build_file.tbCoStation "
            "WHERE Status = 'A' ORDER BY Station"));
        cboStation->clear();
        for (int row = 0; row < stations.recordCount(); ++row)
            cboStation->addItem(stations.valueAt(row, 0).toString(), stations.valueAt(row, 1).toString());
        cboStation->setCurrentIndex(cboStation->count() > 0 ? 0 : -1);
    });
}

void frmStationDate::cmdGenerate_Click() {
    HourglassScope busy;
    guarded([this] {
        frmView& request = ReportWindow();
        request.setStartDate(dpStartDate->value().date().toString(QStringLiteral("MM/dd/yyyy")));
        request.setStation(Trim(ChosenId(*cboStation)));
        showReport(32);
    });
}

void frmStationDate::cmdClose_Click() { close(); }

} // namespace qx
