#include "reports/frmLocDateRange.h"

#include "charging/frmView.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/DatePicker.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace qx {

namespace {

QFrame* borderlessRow(QWidget* parent, const char* name) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameShape(QFrame::NoFrame);
    return frame;
}

QComboBox* idList(QWidget* parent, const char* name) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    return list;
}

// Names shown, ids kept whole with each entry.
void fillIdList(QComboBox& list, const Recordset& rows, const QString& nameField, const QString& idField) {
    list.clear();
    for (int row = 0; row < rows.recordCount(); ++row)
        list.addItem(rows.valueAt(row, nameField).toString(), rows.valueAt(row, idField).toString());
    list.setCurrentIndex(-1);
}

} // namespace

frmLocDateRange::frmLocDateRange(QWidget* parent) : ReportDialog(parent) {
    setObjectName(QStringLiteral("frmLocDateRange"));
    setWindowTitle(QString());
    auto* layout = new QGridLayout(this);

    FrameLoc = borderlessRow(this, "FrameLoc");
    auto* locationRow = new QHBoxLayout(FrameLoc);
    locationRow->setContentsMargins(0, 0, 0, 0);
    Label1 = new QLabel(QStringLiteral("Location:"), FrameLoc);
    Label1->setObjectName(QStringLiteral("Label1"));
    cbLocation = idList(FrameLoc, "cbLocation");
    Label1->setBuddy(cbLocation);
    locationRow->addWidget(Label1);
    locationRow->addWidget(cbLocation, 1);

    chkClassification = new QCheckBox(QStringLiteral("Filter by Classification"), this);
    chkClassification->setObjectName(QStringLiteral("chkClassification"));
    chkClassification->setVisible(false);
    frameClassification = borderlessRow(this, "frameClassification");
    frameClassification->setVisible(false);
    auto* classificationRow = new QHBoxLayout(frameClassification);
    classificationRow->setContentsMargins(0, 0, 0, 0);
    lblCLass = new QLabel(QStringLiteral("Classification:"), frameClassification);
    lblCLass->setObjectName(QStringLiteral("lblCLass"));
    cbClassification = idList(frameClassification, "cbClassification");
    lblCLass->setBuddy(cbClassification);
    classificationRow->addWidget(lblCLass);
    classificationRow->addWidget(cbClassification, 1);

    // No latest day: the expiry list looks ahead.
    Label2 = new QLabel(QStringLiteral("Date Range:"), this);
    dpStartDate = new DatePicker(this);
    dpStartDate->setObjectName(QStringLiteral("dpStartDate"));
    Label2->setBuddy(dpStartDate);
    Label3 = new QLabel(QStringLiteral("to"), this);
    dpEndDate = new DatePicker(this);
    dpEndDate->setObjectName(QStringLiteral("dpEndDate"));

    cmdOK = dialogButton(QStringLiteral("cmdOK"), QStringLiteral("OK"));
    cmdCancel = dialogButton(QStringLiteral("cmdCancel"), QStringLiteral("Cancel"));

    layout->addWidget(FrameLoc, 0, 0, 1, 4);
    layout->addWidget(chkClassification, 1, 0, 1, 4);
    layout->addWidget(frameClassification, 2, 0, 1, 4);
    layout->addWidget(Label2, 3, 0);
    layout->addWidget(dpStartDate, 3, 1);
    layout->addWidget(Label3, 3, 2);
    layout->addWidget(dpEndDate, 3, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    layout->addLayout(buttons, 4, 0, 1, 4);
    setTabOrder(cbLocation, chkClassification);
    setTabOrder(chkClassification, cbClassification);
    setTabOrder(cbClassification, dpStartDate);
    setTabOrder(dpStartDate, dpEndDate);
    setTabOrder(dpEndDate, cmdOK);
    setTabOrder(cmdOK, cmdCancel);

    connect(chkClassification, &QCheckBox::toggled, this, [this] { chkClassification_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
}

bool frmLocDateRange::Form_Load() {
    return guarded([this] {
        const QDateTime serverNow = SQLConnection().serverNow();
        dpStartDate->setValue(serverNow);
        dpEndDate->setValue(serverNow);
        const bool byLocation = ReportType() == 83 || ReportType() == 85;
        cbLocation->setEnabled(byLocation);
        if (byLocation)
            LoadLocationList();
        LoadClassificationList();
    });
}

void frmLocDateRange::LoadLocationList() {
    fillIdList(*cbLocation,
               SQLConnection().query(QStringLiteral("SELECT Location, LocationID FROM tbInvLocation ORDER BY Location ASC")),
               QStringLiteral("Location"), QStringLiteral("LocationID"));
}

void frmLocDateRange::LoadClassificationList() {
    fillIdList(*cbClassification,
               SQLConnection().query(QStringLiteral("SELECT ItemClassificationName, ItemClassificationID FROM tbInvClassification "
                                                    "WHERE Status = 'A' AND classificationtype = 'D'")),
               QStringLiteral("ItemClassificationName"), QStringLiteral("ItemClassificationID"));
}

void frmLocDateRange::chkClassification_Click() { frameClassification->setEnabled(chkClassification->isChecked()); }

void frmLocDateRange::cmdOK_Click() {
    HourglassScope busy;
    guarded([this] {
        frmView& request = ReportWindow();
        request.ItemClassificationID = chkClassification->isChecked() ? ChosenId(*cbClassification) : QStringLiteral("%");
        request.LocationID = gSiteCode == QLatin1String("K7ZA") ? QStringLiteral("20") : ChosenId(*cbLocation);
        request.setStartDate(dpStartDate->value().toString(QStringLiteral("MM/dd/yyyy")));
        request.setEndDate(dpEndDate->value().toString(QStringLiteral("MM/dd/yyyy")));
        showReport(ReportType());
    });
}

void frmLocDateRange::cmdCancel_Click() { close(); }

} // namespace qx
