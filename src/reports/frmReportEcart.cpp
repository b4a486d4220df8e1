#include "reports/frmReportEcart.h"

#include "charging/frmView.h"
#include "components/PlatformServices.h"
#include "platform/DatePicker.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qx {

frmReportEcart::frmReportEcart(QWidget* parent) : ReportDialog(parent) {
    setObjectName(QStringLiteral("frmReportEcart"));
    setWindowTitle(QStringLiteral("E-Cart Income Report"));
    auto* layout = new QVBoxLayout(this);

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* dates = new QGridLayout(Frame1);
    dpStartDate = todayPicker(QStringLiteral("dpStartDate"));
    dpEndDate = todayPicker(QStringLiteral("dpEndDate"));
    const char* const dateCaptions[] = {"Start Date :", "End Date :"};
    for (int i = 0; i < 2; ++i) {
        auto* label = new QLabel(QString::fromLatin1(dateCaptions[i]), Frame1);
        label->setObjectName(QStringLiteral("Label1_%1").arg(i));
        Label1 << label;
        DatePicker* picker = i == 0 ? dpStartDate : dpEndDate;
        picker->setParent(Frame1);
        label->setBuddy(picker);
        dates->addWidget(label, i, 0);
        dates->addWidget(picker, i, 1);
    }

    Frame2 = new QGroupBox(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto* types = new QHBoxLayout(Frame2);
    for (const char* caption : {"ALL", "IPD", "OPD"}) {
        auto* option = new QRadioButton(QString::fromLatin1(caption), Frame2);
        option->setObjectName(QStringLiteral("optPType_%1").arg(optPType.size()));
        optPType << option;
        types->addWidget(option);
    }
    optPType[0]->setChecked(true);

    cmdGenerate = dialogButton(QStringLiteral("cmdGenerate"), QStringLiteral("&Generate Report"));
    cmdClose = dialogButton(QStringLiteral("cmdClose"), QStringLiteral("&Close"));
    layout->addWidget(Frame1);
    layout->addWidget(Frame2);
    layout->addWidget(cmdGenerate);
    layout->addWidget(cmdClose);

    connect(cmdGenerate, &QPushButton::clicked, this, [this] { cmdGenerate_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
}

bool frmReportEcart::Form_Load() {
    const QDateTime today(QDate::currentDate(), QTime(0, 0));
    dpStartDate->setValue(today);
    dpEndDate->setValue(today);
    return true;
}

void frmReportEcart::cmdGenerate_Click() {
    QString patientType;
    if (optPType[0]->isChecked())
        patientType = QStringLiteral("ALL");
    else if (optPType[1]->isChecked())
        patientType = QStringLiteral("IPD");
    else if (optPType[2]->isChecked())
        patientType = QStringLiteral("OPD");
    HourglassScope busy;
    guarded([&] {
        frmView& request = ReportWindow();
        request.setStartDate(dpStartDate->value().toString(QStringLiteral("MM/dd/yyyy")));
        request.setEndDate(dpEndDate->value().toString(QStringLiteral("MM/dd/yyyy")));
        request.setWhatReport(80);
        request.setPatientType(patientType);
        showReport(80);
    });
}

void frmReportEcart::cmdClose_Click() { close(); }

} // namespace qx
