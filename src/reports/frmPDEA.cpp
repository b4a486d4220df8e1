#include "reports/frmPDEA.h"

#include "charging/frmView.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/ControlEvents.h"
#include "platform/DatePicker.h"
#include "platform/KeyCodes.h"
#include "platform/Values.h"
#include "reports/frmItemSearch.h"
#include "shell/ItemLookups.h"
#include "shell/Session.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx {

frmPDEA::frmPDEA(QWidget* parent) : ReportDialog(parent) {
    setObjectName(QStringLiteral("frmPDEA"));
    setWindowTitle(QStringLiteral("PDEA REPORT"));
    auto* layout = new QGridLayout(this);
    Label1 = new QLabel(QStringLiteral("Drug Name/Code:"), this);
    txtDRUG = new QLineEdit(this);
    txtDRUG->setObjectName(QStringLiteral("txtDRUG"));
    Label1->setBuddy(txtDRUG);
    cmdSearch = dialogButton(QStringLiteral("cmdSearch"), QStringLiteral("..."));
    cmdSearch->setFixedWidth(28);
    dtStartDate = todayPicker(QStringLiteral("dtStartDate"));
    Label2 = new QLabel(QStringLiteral("to"), this);
    DTEndDate = todayPicker(QStringLiteral("DTEndDate"));
    cmdOK = dialogButton(QStringLiteral("cmdOK"), QStringLiteral("Generate Report"));
    layout->addWidget(Label1, 0, 0);
    layout->addWidget(txtDRUG, 0, 1, 1, 3);
    layout->addWidget(cmdSearch, 0, 4);
    layout->addWidget(dtStartDate, 1, 1);
    layout->addWidget(Label2, 1, 2);
    layout->addWidget(DTEndDate, 1, 3);
    layout->addWidget(cmdOK, 2, 3, 1, 2);
    setTabOrder(txtDRUG, cmdSearch);
    setTabOrder(cmdSearch, dtStartDate);
    setTabOrder(dtStartDate, DTEndDate);
    setTabOrder(DTEndDate, cmdOK);

    auto* drugEvents = new ControlEvents(txtDRUG);
    connect(drugEvents, &ControlEvents::keyPress, this, [this](int& keyAscii) {
        if (keyAscii == keys::Return)
            cmdSearch_Click();
    });
    connect(cmdSearch, &QPushButton::clicked, this, [this] { cmdSearch_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
}

bool frmPDEA::Form_Load() {
    const QDateTime today(QDate::currentDate(), QTime(0, 0));
    dtStartDate->setValue(today);
    DTEndDate->setValue(today);
    return true;
}

void frmPDEA::cmdSearch_Click() {
    const QString text = Trim(txtDRUG->text());
    guarded([&] {
        if (IsNumeric(text) && LoadSelectedDrug(text))
            return;
        openItemSearch(text);
    });
}

bool frmPDEA::LoadSelectedDrug(const QString& itemCode) {
    const Recordset rs =
        SQLConnection().query(GetPDEAFilterSQL() + QStringLiteral(" AND b.ItemID = ? ORDER BY b.ItemName"), {itemCode});
    if (rs.isEmpty())
        return false;
    txtDRUG->setText(rs.text(QStringLiteral("ItemName")) + QLatin1Char(' ') + rs.text(QStringLiteral("ItemDesc")));
    txtDRUGTag = rs.text(QStringLiteral("ItemID"));
    return true;
}

void frmPDEA::openItemSearch(const QString& searchText) {
    frmItemSearch search(this);
    search.strITEMCODE = searchText;
    showModal(search);
    if (search.PickedItemID.isEmpty())
        return;
    txtDRUG->setText(search.PickedText);
    txtDRUGTag = search.PickedItemID;
}

void frmPDEA::cmdOK_Click() {
    if (Trim(txtDRUG->text()).isEmpty()) {
        MsgBox(QStringLiteral("No item selected!"), vbExclamation);
        return;
    }
    if (dtStartDate->value().date() > DTEndDate->value().date()) {
        MsgBox(QStringLiteral("Invalid date!"), vbExclamation);
        return;
    }
    guarded([this] {
        frmView& request = ReportWindow();
        request.setWhatReport(87);
        request.setStartDate(dtStartDate->value().toString(QStringLiteral("MM/dd/yyyy")));
        request.setEndDate(DTEndDate->value().toString(QStringLiteral("MM/dd/yyyy")));
        request.ItemID = txtDRUGTag;
        request.ItemName = txtDRUG->text();
        close();
        ShowReportModeless(87);
    });
}

} // namespace qx
