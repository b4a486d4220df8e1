#include "shell/frmShift.h"

#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "hospitaldb/DocumentCounter.h"
#include "platform/ErrorHandling.h"
#include "platform/Values.h"
#include "shell/HospitalSettings.h"
#include "shell/PatientChecks.h"
#include "shell/Session.h"
#include "shell/clsShift.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qx {

QString gLocationID;
QString gCheckerID;
QString gCheckerName;

namespace {

const QString kSiteWithTerminalSlips = QStringLiteral("QVH");
const QString kSiteWithOwnSatellite = QStringLiteral("NORVAX");

QString shiftCaption(const QString& description) { return QStringLiteral("( ") + description + QStringLiteral(" )"); }

} // namespace

frmShift::frmShift(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmShift"));
    setWindowTitle(QStringLiteral("Shift Entry"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);

    Frame1 = new QGroupBox(QStringLiteral("SHIFT"), this);
    auto* shifts = new QGridLayout(Frame1);
    optFirst = new QRadioButton(QStringLiteral("&1st Shift"), Frame1);
    optSecond = new QRadioButton(QStringLiteral("&2nd Shift"), Frame1);
    optThird = new QRadioButton(QStringLiteral("&3rd Shift"), Frame1);
    optFourth = new QRadioButton(QStringLiteral("&4th Shift"), Frame1);
    lblFirst = new QLabel(Frame1);
    lblSecond = new QLabel(Frame1);
    lblThird = new QLabel(Frame1);
    Label1 = new QLabel(QStringLiteral("( 9am to 5:59pm )"), Frame1);
    QRadioButton* const options[] = {optFirst, optSecond, optThird, optFourth};
    QLabel* const labels[] = {lblFirst, lblSecond, lblThird, Label1};
    for (int i = 0; i < 4; ++i) {
        shifts->addWidget(options[i], i, 0);
        shifts->addWidget(labels[i], i, 1);
    }
    layout->addWidget(Frame1);

    // The location is preset from the stored flag and read back on closing; it is never chosen here.
    Frame2 = new QGroupBox(this);
    auto* locations = new QHBoxLayout(Frame2);
    optMain << new QRadioButton(QStringLiteral("Main"), Frame2) << new QRadioButton(QStringLiteral("Satelite"), Frame2);
    for (QRadioButton* o : optMain)
        locations->addWidget(o);
    Frame2->hide();
    layout->addWidget(Frame2);

    Frame3 = new QGroupBox(QStringLiteral("CHARGESLIP #"), this);
    auto* slip = new QHBoxLayout(Frame3);
    txtChargeSlip = new QLineEdit(Frame3);
    slip->addWidget(txtChargeSlip);
    layout->addWidget(Frame3);

    Frame4 = new QGroupBox(QStringLiteral("CHECKER"), this);
    auto* checker = new QGridLayout(Frame4);
    txtCheckerID = new QLineEdit(Frame4);
    cmdSearch = new QPushButton(QStringLiteral("..."), Frame4);
    cmdSearch->setAutoDefault(false);
    txtCheckerName = new QLineEdit(Frame4);
    checker->addWidget(txtCheckerID, 0, 0);
    checker->addWidget(cmdSearch, 0, 1);
    checker->addWidget(txtCheckerName, 1, 0, 1, 2);
    layout->addWidget(Frame4);

    cmdOK = new QPushButton(QStringLiteral("Select"), this);
    cmdOK->setAutoDefault(false);
    layout->addWidget(cmdOK);

    connect(cmdOK, &QPushButton::clicked, this, [this] { unhandledErrorGuard([this] { cmdOK_Click(); }); });
    connect(cmdSearch, &QPushButton::clicked, this, [this] { unhandledErrorGuard([this] { cmdSearch_Click(); }); });
    connect(txtCheckerID, &QLineEdit::returnPressed, this,
            [this] { unhandledErrorGuard([this] { cmdSearch_Click(); }); });
    connect(txtChargeSlip, &QLineEdit::returnPressed, this, [this] { txtCheckerID->setFocus(); });
}

frmShift& frmShift::Default() {
    // Created on first use and kept for the whole run: every posting screen reads its Shift.
    static frmShift* instance = new frmShift;
    return *instance;
}

QRadioButton* frmShift::option(int shift) const {
    switch (shift) {
    case 1: return optFirst;
    case 2: return optSecond;
    case 3: return optThird;
    default: return nullptr;
    }
}

QLabel* frmShift::optionLabel(int shift) const {
    switch (shift) {
    case 1: return lblFirst;
    case 2: return lblSecond;
    case 3: return lblThird;
    default: return nullptr;
    }
}

void frmShift::resetControls() {
    for (int shift = 1; shift <= 3; ++shift) {
        option(shift)->setVisible(true);
        option(shift)->setEnabled(true);
        optionLabel(shift)->setVisible(true);
        optionLabel(shift)->clear();
    }
    optFourth->hide();
    Label1->hide();
    optMain[0]->setChecked(true);
    Frame3->setEnabled(true);
    Frame3->show();
    txtChargeSlip->clear();
    txtCheckerID->clear();
    txtCheckerName->clear();
}

void frmShift::selectShift(int shift) {
    if (QRadioButton* o = option(shift))
        o->setChecked(true);
}

void frmShift::markShift(int shift, bool autoDetect) {
    // In automatic mode only the running shift can be taken, so it is also the one selected.
    if (autoDetect) {
        for (int other = 1; other <= 3; ++other)
            option(other)->setEnabled(other == shift);
    }
    selectShift(shift);
}

void frmShift::Form_Load() {
    resetControls();
    shiftAtOpening_ = shift_;
    selectShift(1);
    Connection& con = SQLConnection();

    Recordset desc = con.query(QStringLiteral("SELECT COALESCE(FirstShift, '') AS FirstShift, COALESCE(SecondShift, '') "
                                              "AS SecondShift, COALESCE(ThirdShift, '') AS ThirdShift FROM tbShiftDesc "
                                              "ORDER BY id LIMIT 1"));
    if (!desc.eof()) {
        lblFirst->setText(shiftCaption(desc.text(QStringLiteral("FirstShift"))));
        lblSecond->setText(shiftCaption(desc.text(QStringLiteral("SecondShift"))));
        lblThird->setText(shiftCaption(desc.text(QStringLiteral("ThirdShift"))));
    }

    if (gShiftChanged) {
        selectShift(shift_);
    } else {
        clsShift& times = gShiftInfo();
        if (times.GetShiftTime(con)) {
            for (int shift = 1; shift <= 3; ++shift) {
                const bool offered = times.StartHour(shift) > 0;
                option(shift)->setVisible(offered);
                optionLabel(shift)->setVisible(offered);
            }
            if (const int running = times.RunningShift())
                markShift(running, gAutoDetectShift);
        } else {
            selectShift(1);
        }
    }

    if (gSiteCode == kSiteWithTerminalSlips) {
        const auto counter = hospitaldb::readCounter(con, hospitaldb::chargeSlipTerminalRow(gEmployeeCode));
        txtChargeSlip->setText(Format(counter.value_or(1), QStringLiteral("000000")));
    } else {
        Frame3->setEnabled(false);
        Frame3->hide();
    }

    if (IsSatelliteLocation(con))
        optMain[1]->setChecked(true);
    adjustSize();
}

int frmShift::chosenShift() const {
    if (optFourth->isChecked())
        return 4;
    for (int shift = 3; shift >= 1; --shift)
        if (option(shift)->isChecked())
            return shift;
    return 0;
}

void frmShift::cmdOK_Click() {
    const qint16 chosen = qint16(chosenShift());
    if (gFirstActivation) {
        shift_ = chosen;
    } else if (chosen != shiftAtOpening_) {
        if (MsgBox(QStringLiteral("Are you sure to change the shift?"), vbQuestion + vbYesNo) == vbYes) {
            gShiftChanged = true;
            shift_ = chosen;
        }
    }
    if (Trim(txtCheckerID->text()).isEmpty() && gSiteCode == kSiteWithTerminalSlips) {
        MsgBox(QStringLiteral("Please enter the Checker's UserID."), vbInformation, QStringLiteral("MESSAGE"));
        txtCheckerID->setFocus();
        return;
    }
    gCheckerID = Trim(txtCheckerID->text());
    gCheckerName = txtCheckerName->text();
    done(QDialog::Accepted);
}

void frmShift::cmdSearch_Click() {
    auto& dispensers = gComponents.gDispensers;
    if (dispensers->Search(Trim(txtCheckerID->text()))) {
        txtCheckerName->setText(dispensers->DispenserName());
    } else {
        const QString code = gComponents.gDispenserList->ShowList(Trim(txtCheckerID->text()));
        if (!code.isEmpty() && dispensers->Search(Trim(code))) {
            txtCheckerID->setText(QLatin1Char(' ') + dispensers->Code());
            txtCheckerName->setText(QLatin1Char(' ') + dispensers->DispenserName());
        }
    }
    cmdOK->setFocus();
}

bool frmShift::SaveChargeSlip() {
    // A printed slip or a stray letter would otherwise store 0 and leave every later claim walking
    // the used numbers.
    if (!hospitaldb::parseTerminalChargeSlip(txtChargeSlip->text())) {
        MsgBox(QStringLiteral("Please enter a valid charge slip number."), vbInformation, QStringLiteral("MESSAGE"));
        txtChargeSlip->setFocus();
        return false;
    }
    SQLConnection().callProcedure(QStringLiteral("sp_SaveChargeSlipNumber"),
                                  {{QStringLiteral("@ChargeSlip"), Trim(txtChargeSlip->text())},
                                   {QStringLiteral("@UserID"), gEmployeeCode}});
    return true;
}

void frmShift::Form_Unload() {
    const bool satellite = !optMain[0]->isChecked();
    if (!satellite)
        gLocationID = QStringLiteral("20");
    else
        gLocationID = gSiteCode == kSiteWithOwnSatellite ? QStringLiteral("256") : QStringLiteral("186");
    SQLConnection().callProcedure(QStringLiteral("Pharma_SaveComputerLocation"),
                                  {{QStringLiteral("@isSatelite"), optMain[1]->isChecked() ? 1 : 0}});
}

void frmShift::showEvent(QShowEvent* event) {
    if (!loaded_) {
        loaded_ = true;
        unhandledErrorGuard([this] { Form_Load(); });
    }
    QDialog::showEvent(event);
}

void frmShift::done(int result) {
    if (loaded_) {
        loaded_ = false;
        unhandledErrorGuard([this] { Form_Unload(); });
    }
    QDialog::done(result);
}

} // namespace qx
