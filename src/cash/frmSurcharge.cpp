#include "cash/frmSurcharge.h"

#include "cash/frmSurchargeList.h"
#include "charging/CashAssessmentNumbers.h"
#include "charging/CashMoney.h"
#include "charging/frmChargeslip.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/Twips.h"
#include "platform/TwipsControls.h"
#include "platform/Values.h"
#include "platform/report/Report.h"
#include "shell/ReportOpening.h"
#include "shell/Session.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

namespace qx {

namespace {

const QString kSurchargeNotAboveZero = QStringLiteral("Quantity must be greater than zero.");

QLineEdit* surchargeBox(QWidget* parent, const QString& caption, int top) {
    twipsLabel(parent, caption, QRect(240, top + 30, 1900, 285));
    auto* box = new QLineEdit(parent);
    setTwipsGeometry(box, 2200, top, 2200, 315);
    return box;
}

} // namespace

frmSurcharge::frmSurcharge(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Surcharge"));
    resize(twipsToPixels(4900), twipsToPixels(3700));
    menuBar = new QMenuBar(this);
    mnuBrowse = menuBar->addAction(QStringLiteral("&Browse"));
    cmdNew = new QPushButton(QStringLiteral("NEW"), this);
    setTwipsGeometry(cmdNew, 240, 420, 1400, 400);
    cmdRevoke = new QPushButton(QStringLiteral("REVOKE"), this);
    setTwipsGeometry(cmdRevoke, 1740, 420, 1400, 400);
    frameSurcharge = new QGroupBox(this);
    setTwipsGeometry(frameSurcharge, 120, 900, 4600, 2600);
    txtChargeSlip = surchargeBox(frameSurcharge, QStringLiteral("Charge Slip No.:"), 200);
    txtAmount = surchargeBox(frameSurcharge, QStringLiteral("Items Price:"), 600);
    auto* percentLabel = new QLabel(QStringLiteral("Surcharge %:"), frameSurcharge);
    setTwipsGeometry(percentLabel, 240, 1030, 1900, 285);
    cbPercent = new QComboBox(frameSurcharge);
    setTwipsGeometry(cbPercent, 2200, 1000, 2200, 315);
    txtTotalAmount = surchargeBox(frameSurcharge, QStringLiteral("Surcharge Amount:"), 1400);
    txtTotalAmount->setReadOnly(true);
    cmdSave = new QPushButton(QStringLiteral("ASSESS && PRINT"), frameSurcharge);
    setTwipsGeometry(cmdSave, 240, 1950, 2000, 450);
    cmdCancel = new QPushButton(QStringLiteral("CANCEL"), frameSurcharge);
    setTwipsGeometry(cmdCancel, 2400, 1950, 2000, 450);
    frameSurcharge->setEnabled(false);

    connect(cmdNew, &QPushButton::clicked, this, &frmSurcharge::cmdNew_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmSurcharge::cmdCancel_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmSurcharge::cmdSave_Click);
    connect(cmdRevoke, &QPushButton::clicked, this, &frmSurcharge::cmdRevoke_Click);
    connect(mnuBrowse, &QAction::triggered, this, &frmSurcharge::mnuBrowse_Click);
    connect(txtAmount, &QLineEdit::textChanged, this, &frmSurcharge::ComputeSurcharge);
    connect(cbPercent, &QComboBox::currentTextChanged, this, &frmSurcharge::ComputeSurcharge);
    for (QWidget* w : {static_cast<QWidget*>(txtAmount), static_cast<QWidget*>(cbPercent),
                       static_cast<QWidget*>(txtTotalAmount)})
        w->installEventFilter(this);
    FillPercentList();
}

void frmSurcharge::FillPercentList() {
    mClearing = true;
    cbPercent->clear();
    for (int percent = 5; percent <= 100; percent += 5)
        cbPercent->addItem(QString::number(percent));
    cbPercent->setCurrentIndex(cbPercent->count() - 1);
    mClearing = false;
}

void frmSurcharge::ComputeSurcharge() {
    if (mClearing)
        return;
    const double price = Val(txtAmount->text());
    if (!(price > 0)) {
        MsgBox(kSurchargeNotAboveZero, vbInformation);
        txtTotalAmount->clear();
        return;
    }
    // Billed to the centavo, as shown, saved and printed.
    txtTotalAmount->setText(FormatAmount(SurchargeAmount(price, Val(cbPercent->currentText()))));
}

void frmSurcharge::clearFields(const QString& chargeSlip, bool enableNew, bool enableRevoke, bool enableChargeSlip) {
    mClearing = true;
    txtChargeSlip->setText(chargeSlip);
    txtAmount->clear();
    txtTotalAmount->clear();
    cmdNew->setEnabled(enableNew);
    cmdRevoke->setEnabled(enableRevoke);
    txtChargeSlip->setEnabled(enableChargeSlip);
    cbPercent->setCurrentIndex(cbPercent->count() - 1);
    mClearing = false;
}

void frmSurcharge::SetEntryState(const QString& chargeSlip, bool enableNew, bool enableRevoke, bool enableChargeSlip) {
    clearFields(chargeSlip, enableNew, enableRevoke, enableChargeSlip);
}

void frmSurcharge::cmdNew_Click() {
    unhandledErrorGuard([&] {
        SetEntryState(QStringLiteral("NEW"), true, false, false);
        frameSurcharge->setEnabled(true);
        txtAmount->setFocus(Qt::OtherFocusReason);
    });
}

void frmSurcharge::cmdCancel_Click() {
    unhandledErrorGuard([&] {
        SetEntryState(QString(), true, true, true);
        frameSurcharge->setEnabled(false);
    });
}

bool frmSurcharge::IsValidAmount() {
    const QString price = Trim(txtAmount->text());
    if (IsNumeric(price) && CDbl(price) > 0)
        return true;
    MsgBox(kSurchargeNotAboveZero, vbInformation);
    txtAmount->setFocus(Qt::OtherFocusReason);
    return false;
}

QString frmSurcharge::SaveSurcharge() {
    QString number;
    const double price = Val(txtAmount->text());
    const double percent = Val(cbPercent->currentText());
    const double amount = SurchargeAmount(price, percent);
    Connection& con = SQLConnection();
    const bool saved = tellingErrors([&] {
        Transaction tx(con);
        number = ClaimBillingNumber(con, SurchargeNumberSeries(), QStringLiteral("CASH"), gEmployeeCode);
        con.callProcedure(QStringLiteral("sp_Pharma_SaveSurcharge"),
                          {{QStringLiteral("@RefNum"), number},
                           {QStringLiteral("@ItemsPrice"), price},
                           {QStringLiteral("@Percent"), percent},
                           {QStringLiteral("@Amount"), amount},
                           {QStringLiteral("@UserID"), gEmployeeCode}});
        tx.commit();
    });
    return saved ? number : QString();
}

void frmSurcharge::cmdSave_Click() {
    unhandledErrorGuard([&] {
        if (!IsValidAmount())
            return;
        const QString number = SaveSurcharge();
        if (number.isEmpty())
            return;
        frmChargeslip slip(this);
        slip.setChargeslip(number);
        showModal(slip);
        tellingErrors([&] { PrintSurChargeslip(number, QString()); });
        SetEntryState(QString(), true, true, true);
        frameSurcharge->setEnabled(false);
    });
}

std::shared_ptr<report::Report> frmSurcharge::OpenSurchargeSlip(const QString& number, const QString& reprint) {
    std::shared_ptr<report::Report> slip = report::Report::open(ResolveReportPath(QStringLiteral("surchargeSlip.rpt")));
    const std::pair<const char*, QString> values[] = {{"ENCODER", gEmployeeName}, {"REFNUM", number}, {"REPRINT", reprint}};
    for (const auto& [name, value] : values) {
        if (report::ParameterField* field = slip->findParameter(QString::fromLatin1(name))) {
            field->clearCurrentValues();
            field->addCurrentValue(value);
        }
    }
    LogOnReportTables(*slip, QStringLiteral("billing"));
    slip->setEnableParameterPrompting(false);
    return slip;
}

void frmSurcharge::PrintSurChargeslip(const QString& number, const QString& reprint) {
    generalProcedure(QStringLiteral("frmSurcharge"), QStringLiteral("PrintSurChargeslip"),
                     [&] { OpenSurchargeSlip(number, reprint)->printOut(false); });
}

void frmSurcharge::cmdRevoke_Click() {
    unhandledErrorGuard([&] {
        frmSurchargeList list(this);
        list.optSurcharge[0]->setChecked(true);
        list.optSurcharge_Click(0);
        list.optSurcharge[1]->setEnabled(false);
        list.optSurcharge[2]->setEnabled(false);
        showModal(list);
    });
}

void frmSurcharge::mnuBrowse_Click() {
    unhandledErrorGuard([&] {
        frmSurchargeList list(this);
        list.fillGrid();
        showModal(list);
    });
}

bool frmSurcharge::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cbPercent && event->type() == QEvent::FocusOut) {
        // Leaving the list for another control works the amount out again; its own drop-down
        // and another window taking the focus do not.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            unhandledErrorGuard([&] { ComputeSurcharge(); });
        return QDialog::eventFilter(watched, event);
    }
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter) {
        focusNextChild();
        return true;
    }
    if (watched == txtAmount && key->key() != Qt::Key_Backspace && !key->text().isEmpty() && key->text().at(0).isPrint()) {
        // A key that would not leave a number in the box is not typed.
        if (!IsNumeric(txtAmount->text() + key->text()))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace qx
