#include "reports/frmReports.h"

#include "charging/frmView.h"
#include "components/PlatformServices.h"
#include "platform/DatePicker.h"
#include "platform/Values.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace qx {

qint16 SingleDateReportCode(qint16 reportType, bool perShift) {
    switch (reportType) {
    case 1: return perShift ? 34 : 4;
    case 2: return 2;
    case 3: return 14;
    case 4: return perShift ? 36 : 5;
    case 5: return 8;
    case 6: return perShift ? 35 : 27;
    case 7: return perShift ? 37 : 28;
    case 8: return 13;
    case 9: return 23;
    case 10: return 24;
    case 11: return 60;
    case 12: return 64;
    default: return 0;
    }
}

frmReports::frmReports(QWidget* parent) : ReportDialog(parent) {
    setObjectName(QStringLiteral("frmReports"));
    setWindowTitle(QStringLiteral("Reports"));
    auto* layout = new QGridLayout(this);
    Label2 = new QLabel(QStringLiteral("&Report Date"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    dpReportDate = todayPicker(QStringLiteral("dpReportDate"));
    Label2->setBuddy(dpReportDate);
    chkShift = new QCheckBox(QStringLiteral("PER SHIFT"), this);
    chkShift->setObjectName(QStringLiteral("chkShift"));
    chkShift->setEnabled(false);
    Frame1 = shiftFrame(Label1, cboShift);
    layout->addWidget(Label2, 0, 0);
    layout->addWidget(dpReportDate, 0, 1);
    layout->addWidget(chkShift, 1, 0, 1, 2);
    layout->addWidget(Frame1, 2, 0, 1, 2);
    auto* buttons = generateCloseRow(cmdGenerate, cmdClose, [this] { cmdGenerate_Click(); }, [this] { cmdClose_Click(); });
    layout->addLayout(buttons, 3, 0, 1, 2);
    setTabOrder(dpReportDate, chkShift);
    setTabOrder(chkShift, cboShift);
    setTabOrder(cboShift, cmdGenerate);
    setTabOrder(cmdGenerate, cmdClose);

    connect(chkShift, &QCheckBox::toggled, this, [this] { chkShift_Click(); });
}

bool frmReports::Form_Load() {
    static const char* const captions[] = {"Daily Income Report",           "Daily Discharge Report",
                                           "Patients for Discharge",        "OPD Daily Income Report",
                                           "Cash Daily Income Report",      "Daily Income Report Summarized",
                                           "OPD Daily Income Report Summarized"};
    const qint16 type = ReportType();
    setWindowTitle(type >= 1 && type <= 7 ? QString::fromLatin1(captions[type - 1]) : QStringLiteral("Reports"));
    return true;
}

void frmReports::chkShift_Click() { Frame1->setEnabled(chkShift->isChecked()); }

void frmReports::cmdGenerate_Click() {
    const qint16 type = ReportType();
    if (type == 12)
        chkShift->setChecked(true);
    const qint16 code = SingleDateReportCode(type, chkShift->isChecked());
    if (code == 0)
        return;
    HourglassScope busy;
    guarded([&] {
        frmView& request = ReportWindow();
        // Types 5, 6 and 11 hand the date over through its text, which drops the time of day.
        const bool dayOnly = type == 5 || type == 6 || type == 11;
        request.setReportDate(dayOnly ? QDateTime(dpReportDate->value().date(), QTime(0, 0)) : dpReportDate->value());
        if (code == 34 || code == 35 || code == 36 || code == 37 || code == 64)
            request.setShift(cboShift->currentText());
        showReport(code);
    });
}

void frmReports::cmdClose_Click() { close(); }

} // namespace qx
