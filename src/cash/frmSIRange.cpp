#include "cash/frmSIRange.h"

#include "charging/frmView.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/Values.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

namespace {
constexpr qint16 kSalesRangeDetail = 98;
constexpr qint16 kSalesRangeSummary = 99;
} // namespace

frmSIRange::frmSIRange(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSIRange"));
    setWindowTitle(QStringLiteral("Report Range"));
    fraSalesInvoice = new QGroupBox(QStringLiteral("Sales Invoice"), this);
    Start = new QLabel(QStringLiteral("Start"), fraSalesInvoice);
    txtStart = new QLineEdit(fraSalesInvoice);
    End = new QLabel(QStringLiteral("End"), fraSalesInvoice);
    txtEnd = new QLineEdit(fraSalesInvoice);
    auto* boxes = new QGridLayout(fraSalesInvoice);
    boxes->addWidget(Start, 0, 0);
    boxes->addWidget(txtStart, 0, 1);
    boxes->addWidget(End, 1, 0);
    boxes->addWidget(txtEnd, 1, 1);
    chkSummary = new QCheckBox(QStringLiteral("Summary"), this);
    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdClose = new QPushButton(QStringLiteral("Close"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(chkSummary);
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fraSalesInvoice);
    layout->addLayout(buttons);
    connect(cmdOK, &QPushButton::clicked, this, &frmSIRange::cmdOK_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmSIRange::cmdClose_Click);
}

void frmSIRange::cmdOK_Click() {
    unhandledErrorGuard([&] {
        frmView& view = ReportWindow();
        view.setWhatReport(chkSummary->isChecked() ? kSalesRangeSummary : kSalesRangeDetail);
        view.RangeStart = Trim(txtStart->text());
        view.RangeEnd = Trim(txtEnd->text());
        showModal(view);
    });
}

void frmSIRange::cmdClose_Click() {
    unhandledErrorGuard([&] { close(); });
}

} // namespace qx
