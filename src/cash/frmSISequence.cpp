#include "cash/frmSISequence.h"

#include "cash/SISequence.h"
#include "cash/frmCashEntry.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/Values.h"
#include "shell/Session.h"
#include "shell/WindowOpeners.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace qx {

namespace {
const QString kSISequenceModule = QStringLiteral("frmSISequence");
const QString kNumbersOnly = QStringLiteral("This entry can only contain numbers.");

bool assessmentWindowVisible() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<frmCashEntry*>(w) && w->isVisible())
            return true;
    return false;
}

// A sales-invoice number is digits only.
bool isSequenceNumber(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    for (QChar ch : t)
        if (!ch.isDigit())
            return false;
    return true;
}
} // namespace

frmSISequence::frmSISequence(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSISequence"));
    setWindowTitle(QStringLiteral("OR Sequence"));
    lblCashier = new QLabel(QStringLiteral("Cashier"), this);
    txtCashier = new QLineEdit(this);
    txtCashier->setEnabled(false);
    txtCashier->setReadOnly(true);
    lblORNumber = new QLabel(QStringLiteral("OR Number"), this);
    txtORNumber = new QLineEdit(this);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    for (QPushButton* b : {cmdOK, cmdCancel}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    auto* grid = new QGridLayout(this);
    grid->addWidget(lblCashier, 0, 0);
    grid->addWidget(txtCashier, 0, 1);
    grid->addWidget(lblORNumber, 1, 0);
    grid->addWidget(txtORNumber, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    grid->addLayout(buttons, 2, 0, 1, 2);

    connect(cmdOK, &QPushButton::clicked, this, &frmSISequence::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmSISequence::cmdCancel_Click);
    connect(txtORNumber, &QLineEdit::textChanged, this, &frmSISequence::txtORNumber_Change);
}

QString frmSISequence::SISequenceNumber() { return CurrentSISequenceNumber(); }
void frmSISequence::setSISequenceNumber(const QString& number) { SetCurrentSISequenceNumber(number); }

void frmSISequence::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Load();
}

void frmSISequence::Form_Load() {
    eventHandler(kSISequenceModule, QStringLiteral("Form_Load"), [&] {
        confirmed_ = false;
        txtCashier->setText(gEmployeeName);
        loading_ = true;
        txtORNumber->setText(getSISequence());
        loading_ = false;
        txtORNumber->setFocus(Qt::OtherFocusReason);
    });
}

QString frmSISequence::getSISequence() {
    return generalProcedure(kSISequenceModule, QStringLiteral("getSISequence"), [] {
        const std::optional<Recordset> rs = SQLConnection().callProcedure(
            QStringLiteral("sp_Inv_Get_Sequence_Num"), {{QStringLiteral("@EmployeeCode"), gEmployeeCode}});
        const qint64 stored = rs && !rs->eof() ? rs->value(QStringLiteral("SequenceNumber")).toLongLong() : 1;
        return Format(double(stored), QStringLiteral("000000"));
    });
}

bool frmSISequence::checkSISequence(const QString& number) {
    return generalProcedure(kSISequenceModule, QStringLiteral("checkSISequence"), [&] {
        const QString reference =
            QStringLiteral("SI") + Format(Val(number.trimmed()), QStringLiteral("000000"));
        return !SQLConnection()
                    .query(QStringLiteral("SELECT RefNum FROM tbInvStockCard WHERE RefNum = ? LIMIT 1"), {reference})
                    .isEmpty();
    });
}

void frmSISequence::saveOrUpdateSISequence(const QString& number) {
    generalProcedure(kSISequenceModule, QStringLiteral("saveOrUpdateSISequence"), [&] {
        SQLConnection().callProcedure(QStringLiteral("sp_Inv_Save_Update_Sequence_Num"),
                                      {{QStringLiteral("@EmployeeCode"), gEmployeeCode},
                                       {QStringLiteral("@SequenceNumber"), number.trimmed()}});
        setSISequence();
    });
}

void frmSISequence::setSISequence() {
    generalProcedure(kSISequenceModule, QStringLiteral("setSISequence"), [] { setSISequenceNumber(getSISequence()); });
}

void frmSISequence::txtORNumber_Change() {
    eventHandler(kSISequenceModule, QStringLiteral("txtORNumber_Change"), [&] {
        if (!loading_ && !isSequenceNumber(txtORNumber->text()))
            ShowInfo(kNumbersOnly);
    });
}

void frmSISequence::cmdOK_Click() {
    eventHandler(kSISequenceModule, QStringLiteral("cmdOK_Click"), [&] {
        if (!isSequenceNumber(txtORNumber->text())) {
            ShowInfo(kNumbersOnly);
            txtORNumber->setFocus(Qt::OtherFocusReason);
            return;
        }
        if (checkSISequence(txtORNumber->text())) {
            MsgBox(QStringLiteral("SI Sequence Number already used."));
            txtORNumber->setFocus(Qt::OtherFocusReason);
            return;
        }
        setSISequenceNumber(txtORNumber->text());
        confirmed_ = true;
        accept();
        // Stand-alone start: the assessment window opens from here when it is not up already.
        if (!assessmentWindowVisible())
            OpenWindow(QStringLiteral("mnuAssessment.frmCashEntry"), {{QStringLiteral("isTransNote"), false}});
    });
}

void frmSISequence::cmdCancel_Click() {
    eventHandler(kSISequenceModule, QStringLiteral("cmdCancel_Click"), [&] { reject(); });
}

} // namespace qx
