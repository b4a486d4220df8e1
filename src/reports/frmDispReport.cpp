#include "reports/frmDispReport.h"

#include "charging/frmView.h"
#include "components/AppError.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "components/SuiteComponents.h"
#include "platform/ControlEvents.h"
#include "platform/DatePicker.h"
#include "platform/KeyCodes.h"
#include "platform/PictureButton.h"
#include "platform/Values.h"
#include "shell/Session.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

namespace qx {

namespace {

QRadioButton* dispShiftOption(QWidget* parent, const char* name, const char* caption) {
    auto* option = new QRadioButton(QString::fromLatin1(caption), parent);
    option->setObjectName(QString::fromLatin1(name));
    return option;
}

// A dispenser component slot that must be filled before it is called.
template <class Component>
Component& dispComponent(const std::shared_ptr<Component>& slot, const char* progId) {
    if (!slot)
        throw AppError(91, QString::fromLatin1(progId), QStringLiteral("Object variable or With block variable not set"));
    return *slot;
}

} // namespace

frmDispReport::frmDispReport(QWidget* parent) : ReportDialog(parent) {
    setObjectName(QStringLiteral("frmDispReport"));
    setWindowTitle(QStringLiteral("Dispenser Report"));
    auto* layout = new QVBoxLayout(this);

    Frame1 = new QGroupBox(QStringLiteral("Enter Dispenser Code and Report Date"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* inputs = new QGridLayout(Frame1);
    txtIssued = new QLineEdit(Frame1);
    txtIssued->setObjectName(QStringLiteral("txtIssued"));
    cmdSearch = new PictureButton(Frame1);
    cmdSearch->setObjectName(QStringLiteral("cmdSearch"));
    cmdSearch->setPicture(style()->standardIcon(QStyle::SP_FileDialogContentsView).pixmap(16, 16));
    lblIssued = new QLabel(Frame1);
    lblIssued->setObjectName(QStringLiteral("lblIssued"));
    Frame2 = new QGroupBox(Frame1);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto* modes = new QHBoxLayout(Frame2);
    optDaily[0] = dispShiftOption(Frame2, "optDaily0", "Daily");
    optDaily[1] = dispShiftOption(Frame2, "optDaily1", "Range (Distribution)");
    optDaily[0]->setChecked(true);
    modes->addWidget(optDaily[0]);
    modes->addWidget(optDaily[1]);
    dpReportDate = todayPicker(QStringLiteral("dpReportDate"));
    lblTo = new QLabel(QStringLiteral("to"), Frame1);
    lblTo->setObjectName(QStringLiteral("lblTo"));
    dpEndDate = todayPicker(QStringLiteral("dpEndDate"));
    chkShift = new QCheckBox(QStringLiteral("Shift"), Frame1);
    chkShift->setObjectName(QStringLiteral("chkShift"));
    fraShift = new QGroupBox(Frame1);
    fraShift->setObjectName(QStringLiteral("fraShift"));
    fraShift->setEnabled(false);
    auto* shifts = new QHBoxLayout(fraShift);
    optFirst = dispShiftOption(fraShift, "optFirst", "7 am - 3 pm");
    optSecond = dispShiftOption(fraShift, "optSecond", "3 pm - 11 pm");
    optThird = dispShiftOption(fraShift, "optThird", "11 pm - 7 am");
    for (QRadioButton* option : {optFirst, optSecond, optThird})
        shifts->addWidget(option);

    inputs->addWidget(txtIssued, 0, 0, 1, 2);
    inputs->addWidget(cmdSearch, 0, 2);
    inputs->addWidget(lblIssued, 1, 0, 1, 3);
    inputs->addWidget(Frame2, 2, 0, 1, 3);
    inputs->addWidget(dpReportDate, 3, 0);
    inputs->addWidget(lblTo, 3, 1);
    inputs->addWidget(dpEndDate, 3, 2);
    inputs->addWidget(chkShift, 4, 0);
    inputs->addWidget(fraShift, 5, 0, 1, 3);
    layout->addWidget(Frame1);

    auto* foot = generateCloseRow(cmdGenerate, cmdClose, [this] { cmdGenerate_Click(); }, [this] { cmdClose_Click(); });
    layout->addLayout(foot);

    auto* issuedEvents = new ControlEvents(txtIssued);
    connect(issuedEvents, &ControlEvents::keyPress, this, [this](int& keyAscii) {
        if (keyAscii != keys::Return)
            return;
        keyAscii = 0;
        cmdSearch_Click();
    });
    connect(txtIssued, &QLineEdit::textChanged, this, [this] { txtIssued_Change(); });
    connect(cmdSearch, &QAbstractButton::clicked, this, [this] { cmdSearch_Click(); });
    connect(optDaily[0], &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optDaily_Click(0);
    });
    connect(optDaily[1], &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optDaily_Click(1);
    });
    connect(chkShift, &QCheckBox::toggled, this, [this] { chkShift_Click(); });
}

bool frmDispReport::Form_Load() {
    dpEndDate->setVisible(false);
    lblTo->setVisible(false);
    return guarded([this] { LoadShift(); });
}

void frmDispReport::LoadShift() {
    Recordset names = SQLConnection().query(
        QStringLiteral("SELECT FirstShift, SecondShift, ThirdShift FROM tbShiftDesc ORDER BY id LIMIT 1"));
    if (names.recordCount() == 0)
        return;
    // A shift without a name keeps its option's own caption.
    QRadioButton* const options[] = {optFirst, optSecond, optThird};
    for (int shift = 0; shift < 3; ++shift) {
        const QVariant name = names.valueAt(0, shift);
        if (!name.isNull())
            options[shift]->setText(name.toString());
    }
}

void frmDispReport::ClearShift() {
    for (QRadioButton* option : {optFirst, optSecond, optThird}) {
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
}

void frmDispReport::optDaily_Click(int index) {
    const bool range = index == 1;
    dpEndDate->setVisible(range);
    lblTo->setVisible(range);
}

void frmDispReport::chkShift_Click() {
    if (chkShift->isChecked()) {
        fraShift->setEnabled(true);
        optFirst->setChecked(true);
    } else {
        fraShift->setEnabled(false);
        ClearShift();
    }
}

void frmDispReport::txtIssued_Change() { cmdSearch->setEnabled(!txtIssued->text().isEmpty()); }

void frmDispReport::cmdSearch_Click() {
    guarded([this] {
        DispenserRoll::Dispensers& dispensers = dispComponent(gComponents.gDispensers, "DispenserRoll.Dispensers");
        if (dispensers.Search(Trim(txtIssued->text()))) {
            lblIssued->setText(dispensers.DispenserName());
            cmdGenerate->setFocus();
            return;
        }
        const QString chosen =
            dispComponent(gComponents.gDispenserList, "DispenserRoll.DispenserList").ShowList(Trim(txtIssued->text()));
        if (chosen.isEmpty() || !dispensers.Search(Trim(chosen)))
            return;
        txtIssued->setText(QLatin1Char(' ') + dispensers.Code());
        lblIssued->setText(QLatin1Char(' ') + dispensers.DispenserName());
        cmdGenerate->setFocus();
    });
}

QString frmDispReport::chosenShift() const {
    if (optFirst->isChecked())
        return QStringLiteral("1");
    if (optSecond->isChecked())
        return QStringLiteral("2");
    if (optThird->isChecked())
        return QStringLiteral("3");
    return QString();
}

void frmDispReport::cmdGenerate_Click() {
    HourglassScope busy;
    guarded([this] {
        frmView& request = ReportWindow();
        request.setDispenserCode(Trim(txtIssued->text()));
        request.setShift(chosenShift());
        if (optDaily[0]->isChecked()) {
            request.setReportDate(dpReportDate->value());
            showReport(11);
            return;
        }
        request.setStartDate(dpReportDate->value().date().toString(QStringLiteral("MM/dd/yyyy")));
        request.setEndDate(dpEndDate->value().date().toString(QStringLiteral("MM/dd/yyyy")));
        showReport(20);
    });
}

void frmDispReport::cmdClose_Click() { close(); }

} // namespace qx
