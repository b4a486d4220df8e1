#include "cash/frmChangeInvoiceNumber.h"

#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "hospitaldb/DocumentCounter.h"
#include "platform/ControlEvents.h"
#include "platform/KeyCodes.h"
#include "platform/Values.h"
#include "shell/Session.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace qx {

namespace {
const QString kSlipPrefix = QStringLiteral("PH");

bool allDigits(const QString& text) {
    if (text.isEmpty())
        return false;
    for (QChar ch : text)
        if (!ch.isDigit())
            return false;
    return true;
}

// The digits of a typed slip without its prefix; empty when it is not a slip number.
QString slipDigits(const QString& typed) {
    QString digits = Trim(typed);
    digits.remove(kSlipPrefix);
    return allDigits(digits) ? digits : QString();
}

// The eight-digit form of the number: zeros added on the left, or its last eight digits.
QString lastEightDigits(const QString& digits) {
    return (QStringLiteral("00000000") + QString::number(digits.right(18).toLongLong())).right(8);
}

hospitaldb::CounterRow slipCounter() {
    return {QStringLiteral("billing.tbAssessmentNum"), QStringLiteral("PreNumberAssessment"), {QStringLiteral("id")}, {1}, 1};
}
} // namespace

frmChangeInvoiceNumber::frmChangeInvoiceNumber(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmChangeInvoiceNumber"));
    setWindowTitle(QStringLiteral("Change Slip Number"));
    Label1 = new QLabel(QStringLiteral("Cash Slip Number:"), this);
    txtCashNumber = new QLineEdit(this);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setAutoDefault(false);
    auto* row = new QHBoxLayout;
    row->addWidget(Label1);
    row->addWidget(txtCashNumber, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(cmdOK, 0, Qt::AlignRight);

    connect(cmdOK, &QPushButton::clicked, this, &frmChangeInvoiceNumber::cmdOK_Click);
    connect(txtCashNumber, &QLineEdit::textEdited, this, [this] { validated_ = false; });
    cashNumberEvents_ = new ControlEvents(txtCashNumber);
    connect(cashNumberEvents_, &ControlEvents::keyDown, this, [](int& keyCode, int) {
        if (keyCode == keys::Return)
            SendKeys(QStringLiteral("{tab}"));
    });
    connect(cashNumberEvents_, &ControlEvents::keyPress, this, [](int& keyAscii) {
        const QChar typed(keyAscii);
        if (typed.isLower())
            keyAscii = typed.toUpper().unicode();
    });
    connect(cashNumberEvents_, &ControlEvents::validate, this, &frmChangeInvoiceNumber::txtCashNumber_Validate);
}

void frmChangeInvoiceNumber::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    validated_ = false;
    txtCashNumber->setText(Trim(SlipNumber));
    txtCashNumber->selectAll();
    txtCashNumber->setFocus(Qt::OtherFocusReason);
}

void frmChangeInvoiceNumber::txtCashNumber_Validate(bool& cancel) {
    const QString digits = slipDigits(txtCashNumber->text());
    if (!digits.isEmpty())
        txtCashNumber->setText(kSlipPrefix + lastEightDigits(digits));
    txtCashNumber->selectAll();
    if (digits.isEmpty()) {
        ShowInfo(QStringLiteral("Cash slip number is not valid. Pls Check!"));
        cancel = true;
        return;
    }
    if (CheckSlipExists(txtCashNumber->text())) {
        MsgBox(QStringLiteral("Cash slip number already exists! Please check your series number."), vbInformation,
               QStringLiteral("Message"));
        cancel = true;
        return;
    }
    validated_ = true;
}

bool frmChangeInvoiceNumber::CheckSlipExists(const QString& slipNumber) {
    return !SQLConnection()
                .query(QStringLiteral("SELECT RefNum FROM billing.tbCashAssessment WHERE RefNum = ? AND RevenueID = 'PH' "
                                      "LIMIT 1"),
                       {slipNumber})
                .isEmpty();
}

bool frmChangeInvoiceNumber::UpdateRefNum(const QString& number) {
    Connection& con = SQLConnection();
    Transaction claim(con);
    hospitaldb::lockCounter(con, slipCounter());
    if (CheckSlipExists(kSlipPrefix + lastEightDigits(number))) {
        MsgBox(QStringLiteral("Cash slip number already exists! Please check your series number."), vbInformation,
               QStringLiteral("Message"));
        return false;
    }
    con.execute(QStringLiteral("UPDATE billing.tbAssessmentNum SET PreNumberAssessment = ? WHERE id = 1"),
                {number.toLongLong()});
    claim.commit();
    return true;
}

void frmChangeInvoiceNumber::cmdOK_Click() {
    // OK is reached through the box's validation; clicked without it, the box is checked now.
    if (!validated_ && !cashNumberEvents_->runValidation()) {
        txtCashNumber->setFocus(Qt::OtherFocusReason);
        return;
    }
    const QString slip = Trim(txtCashNumber->text());
    const QString number = QString::number(slip.mid(kSlipPrefix.size()).right(8).toLongLong());
    if (!UpdateRefNum(number)) {
        validated_ = false;
        txtCashNumber->setFocus(Qt::OtherFocusReason);
        return;
    }
    SlipNumber = slip;
    accept();
}

} // namespace qx
