#include "reports/frmReportFilter.h"

#include "charging/frmItemLookup.h"
#include "charging/frmView.h"
#include "charging/modLookup.h"
#include "components/PlatformServices.h"
#include "platform/ControlEvents.h"
#include "platform/DatePicker.h"
#include "platform/KeyCodes.h"
#include "shell/frmShift.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx {

frmReportFilter::frmReportFilter(QWidget* parent) : ReportDialog(parent) {
    setObjectName(QStringLiteral("frmReportFilter"));
    setWindowTitle(QStringLiteral("List of Corrected Items"));
    auto* layout = new QGridLayout(this);
    Label1 = new QLabel(QStringLiteral("Item:"), this);
    txtItemCode = new QLineEdit(this);
    txtItemCode->setObjectName(QStringLiteral("txtItemCode"));
    Label1->setBuddy(txtItemCode);
    cmdItemSearch = dialogButton(QStringLiteral("cmdItemSearch"), QStringLiteral("..."));
    cmdItemSearch->setFixedWidth(28);
    txtItemName = new QLineEdit(this);
    txtItemName->setObjectName(QStringLiteral("txtItemName"));
    txtItemName->setReadOnly(true);
    txtItemName->setFocusPolicy(Qt::NoFocus);
    Label2 = new QLabel(QStringLiteral("Date Range:"), this);
    dpStartDate = todayPicker(QStringLiteral("dpStartDate"));
    Label2->setBuddy(dpStartDate);
    Label3 = new QLabel(QStringLiteral("TO"), this);
    dpEndDate = todayPicker(QStringLiteral("dpEndDate"));
    cmdOK = dialogButton(QStringLiteral("cmdOK"), QStringLiteral("OK"));
    cmdCancel = dialogButton(QStringLiteral("cmdCancel"), QStringLiteral("Cancel"));

    layout->addWidget(Label1, 0, 0);
    auto* itemRow = new QHBoxLayout;
    itemRow->addWidget(txtItemCode);
    itemRow->addWidget(cmdItemSearch);
    itemRow->addWidget(txtItemName, 2);
    layout->addLayout(itemRow, 0, 1, 1, 3);
    layout->addWidget(Label2, 1, 0);
    layout->addWidget(dpStartDate, 1, 1);
    layout->addWidget(Label3, 1, 2);
    layout->addWidget(dpEndDate, 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    layout->addLayout(buttons, 2, 0, 1, 4);
    setTabOrder(txtItemCode, cmdItemSearch);
    setTabOrder(cmdItemSearch, dpStartDate);
    setTabOrder(dpStartDate, dpEndDate);
    setTabOrder(dpEndDate, cmdOK);
    setTabOrder(cmdOK, cmdCancel);

    auto* itemEvents = new ControlEvents(txtItemCode);
    connect(itemEvents, &ControlEvents::keyPress, this, [this](int& keyAscii) {
        if (keyAscii == keys::Return) {
            keyAscii = 0;
            cmdItemSearch_Click();
        }
    });
    connect(cmdItemSearch, &QPushButton::clicked, this, [this] { cmdItemSearch_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
}

bool frmReportFilter::Form_Load() {
    const QDateTime now = QDateTime::currentDateTime();
    dpStartDate->setValue(now);
    dpEndDate->setValue(now);
    return true;
}

void frmReportFilter::cmdItemSearch_Click() {
    guarded([this] {
        frmItemLookup lookup(this);
        lookup.setLocationCode(gLocationID);
        lookup.setSearchString(txtItemCode->text());
        showModal(lookup);
        if (gLookupResult.isEmpty())
            return;
        txtItemCode->setText(gLookupResult);
        txtItemName->setText(lookup.ItemName);
    });
}

void frmReportFilter::cmdOK_Click() {
    HourglassScope busy;
    guarded([this] {
        frmView& request = ReportWindow();
        request.ItemID = txtItemCode->text();
        request.setStartDate(dpStartDate->value().toString(QStringLiteral("MM/dd/yyyy")));
        request.setEndDate(dpEndDate->value().toString(QStringLiteral("MM/dd/yyyy")));
        showReport(95);
    });
}

void frmReportFilter::cmdCancel_Click() { close(); }

} // namespace qx
