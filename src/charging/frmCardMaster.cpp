#include "charging/frmCardMaster.h"

#include "charging/CashEntryCardFields.h"
#include "charging/clsCardType.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/DatePicker.h"
#include "platform/ErrorHandling.h"
#include "platform/KeyCodes.h"
#include "platform/Values.h"
#include "shell/Session.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

#include <limits>

namespace qx {

namespace {

const QString kImportant = QStringLiteral("IMPORTANT");

// Turns what is typed into capitals as it is typed.
class UpperCaseInput : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input = input.toUpper();
        return Acceptable;
    }
};

QPushButton* button(const QString& caption, const QString& name, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    // Enter belongs to the boxes (card look-up, card-type search), never to a default button.
    b->setAutoDefault(false);
    return b;
}

} // namespace

frmCardMaster::frmCardMaster(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmCardMaster"));
    setWindowTitle(QStringLiteral("CARD NUMBER REGISTRATION"));

    auto box = [this](const QString& name) {
        auto* b = new QLineEdit(this);
        b->setObjectName(name);
        return b;
    };
    txtCardNum = box(QStringLiteral("txtCardNum"));
    txtCardTypeID = box(QStringLiteral("txtCardTypeID"));
    txtCardTypeID->setMaximumWidth(60);
    cmdSearchCardType = button(QStringLiteral("..."), QStringLiteral("cmdSearchCardType"), this);
    cmdSearchCardType->setMaximumWidth(30);
    txtCardType = box(QStringLiteral("txtCardType"));
    txtLastName = box(QStringLiteral("txtLastName"));
    txtFirstName = box(QStringLiteral("txtFirstName"));
    txtMiddleName = box(QStringLiteral("txtMiddleName"));
    auto* upper = new UpperCaseInput(this);
    for (QLineEdit* name : {txtLastName, txtFirstName, txtMiddleName})
        name->setValidator(upper);
    dteExpiryDate = new DatePicker(this);
    dteExpiryDate->setObjectName(QStringLiteral("dteExpiryDate"));
    cmdClear = button(QStringLiteral("CLEAR"), QStringLiteral("cmdClear"), this);
    cmdSave = button(QStringLiteral("SAVE"), QStringLiteral("cmdSave"), this);
    cmdClose = button(QStringLiteral("CLOSE"), QStringLiteral("cmdClose"), this);

    auto* grid = new QGridLayout;
    auto row = [&](int r, const QString& caption, QWidget* field) {
        grid->addWidget(new QLabel(caption, this), r, 0);
        grid->addWidget(field, r, 1);
    };
    row(0, QStringLiteral("CARD NUMBER"), txtCardNum);
    auto* typeRow = new QWidget(this);
    auto* typeLayout = new QHBoxLayout(typeRow);
    typeLayout->setContentsMargins(0, 0, 0, 0);
    typeLayout->addWidget(txtCardTypeID);
    typeLayout->addWidget(cmdSearchCardType);
    typeLayout->addWidget(txtCardType, 1);
    row(1, QStringLiteral("Card Type"), typeRow);
    row(2, QStringLiteral("Last Name"), txtLastName);
    row(3, QStringLiteral("First Name"), txtFirstName);
    row(4, QStringLiteral("Middle Name"), txtMiddleName);
    row(5, QStringLiteral("Expiry Date"), dteExpiryDate);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdClear);
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    setTabOrder(txtCardNum, txtLastName);
    setTabOrder(txtLastName, txtFirstName);
    setTabOrder(txtFirstName, txtMiddleName);
    setTabOrder(txtMiddleName, txtCardTypeID);
    setTabOrder(txtCardTypeID, dteExpiryDate);
    setTabOrder(dteExpiryDate, cmdSearchCardType);
    setTabOrder(cmdSearchCardType, txtCardType);
    setTabOrder(txtCardType, cmdSave);
    setTabOrder(cmdSave, cmdClose);
    setTabOrder(cmdClose, cmdClear);

    for (QWidget* w : std::initializer_list<QWidget*>{txtCardNum, txtCardTypeID, cmdSearchCardType, cmdSave, cmdClose, cmdClear})
        w->installEventFilter(this);
    connect(cmdSearchCardType, &QPushButton::clicked, this, [this] { unhandledErrorGuard([this] { cmdSearchCardType_Click(); }); });
    connect(cmdSave, &QPushButton::clicked, this, [this] { unhandledErrorGuard([this] { cmdSave_Click(); }); });
    connect(cmdClear, &QPushButton::clicked, this, &frmCardMaster::cmdClear_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmCardMaster::cmdClose_Click);

    setExpiryToToday();
    unhandledErrorGuard([this] { Form_Load(); });
}

void frmCardMaster::Form_Load() { searchCardType(); }

void frmCardMaster::searchCardType() {
    clsCardType cardType;
    if (cardType.SearchCardType(Trim(txtCardTypeID->text()))) {
        txtCardTypeID->setText(QString::number(cardType.Code()));
        txtCardType->setText(cardType.Description());
        cardTypeIdOfName_ = txtCardTypeID->text();
    }
}

void frmCardMaster::matchPresetCardType() {
    const QString id = Trim(txtCardTypeID->text());
    if (id.isEmpty() || id == cardTypeIdOfName_)
        return;
    // The opener's id replaces the type chosen when the window was created: the name shown must be
    // that of the id saved. An id of no card type leaves no name, so the save asks for a type.
    bool isNumber = false;
    const int code = id.toInt(&isNumber);
    clsCardType cardType;
    const bool known = isNumber && code > 0 && code <= std::numeric_limits<qint16>::max() &&
                       cardType.LoadCardType(static_cast<qint16>(code));
    txtCardType->setText(known ? cardType.Description() : QString());
    cardTypeIdOfName_ = id;
}

void frmCardMaster::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    unhandledErrorGuard([this] { matchPresetCardType(); });
}

void frmCardMaster::cmdSearchCardType_Click() { searchCardType(); }

void frmCardMaster::txtCardTypeID_KeyPress(int keyAscii) {
    if (keyAscii == keys::Return)
        searchCardType();
}

void frmCardMaster::txtCardNum_KeyPress(int keyAscii) {
    if (keyAscii == keys::Return)
        loadCard();
}

void frmCardMaster::setExpiryToToday() { dteExpiryDate->setValue(QDateTime(QDate::currentDate(), QTime(0, 0))); }

void frmCardMaster::loadCard() {
    const std::optional<Recordset> rs = SQLConnection().callProcedure(QStringLiteral("sp_Pharma_LoadCardMaster"),
                                                                      {{QStringLiteral("@CardNum"), Trim(txtCardNum->text())}});
    if (!rs || rs->isEmpty()) {
        for (QLineEdit* b : {txtLastName, txtFirstName, txtMiddleName, txtCardTypeID, txtCardType})
            b->clear();
        setExpiryToToday();
        return;
    }
    txtCardNum->setText(rs->text(QStringLiteral("CardNum")));
    txtLastName->setText(rs->text(QStringLiteral("LastName")));
    txtFirstName->setText(rs->text(QStringLiteral("FirstName")));
    txtMiddleName->setText(rs->text(QStringLiteral("MiddleName")));
    txtCardTypeID->setText(rs->text(QStringLiteral("CardTypeID")));
    txtCardType->setText(rs->text(QStringLiteral("CardType")));
    cardTypeIdOfName_ = txtCardTypeID->text();
    // A registration without an expiry date shows today's, as an unregistered number does.
    const QDateTime expiry = rs->dateTime(QStringLiteral("ExpiryDate"));
    if (expiry.isValid())
        dteExpiryDate->setValue(expiry);
    else
        setExpiryToToday();
}

void frmCardMaster::cmdSave_Click() {
    if (Trim(txtCardNum->text()).isEmpty()) {
        MsgBox(QStringLiteral("Please enter Card Number."), vbCritical, kImportant);
        return;
    }
    if (txtLastName->text().isEmpty() || txtFirstName->text().isEmpty()) {
        MsgBox(QStringLiteral("Please check Cardholder's Name. Supply all needed information."), vbCritical, kImportant);
        return;
    }
    if (txtCardType->text().isEmpty()) {
        MsgBox(QStringLiteral("Please select card type."), vbCritical, kImportant);
        return;
    }
    const QString cardNumber = Trim(txtCardNum->text());
    const QString holder = txtLastName->text() + QStringLiteral(", ") + txtFirstName->text() + QLatin1Char(' ') +
                           txtMiddleName->text();
    const QString typeId = txtCardTypeID->text();
    const QString typeName = txtCardType->text();
    SaveCardDetails();
    // A refused save keeps the window open with its entries, so that they can be corrected.
    if (!saved_)
        return;
    MsgBox(QStringLiteral("Data successfully saved."), vbInformation, QStringLiteral("Message"));
    if (cashEntry_) {
        cashEntry_->setTxtZarviCard(cardNumber);
        cashEntry_->setTxtCardHolder(holder);
        cashEntry_->setLblCardTypeID(typeId);
        cashEntry_->setLblCardType(typeName);
    }
    close();
}

void frmCardMaster::SaveCardDetails() {
    saved_ = true;
    try {
        Connection& con = SQLConnection();
        Transaction tx(con);
        con.callProcedure(QStringLiteral("sp_Pharma_SaveCardMaster"),
                          {{QStringLiteral("@CardNum"), Trim(txtCardNum->text())},
                           {QStringLiteral("@LastName"), txtLastName->text()},
                           {QStringLiteral("@FirstName"), Trim(txtFirstName->text())},
                           {QStringLiteral("@MiddleName"), Trim(txtMiddleName->text())},
                           {QStringLiteral("@CardTypeID"), txtCardTypeID->text()},
                           {QStringLiteral("@ExpiryDate"), QDateTime(dteExpiryDate->value().date(), QTime(0, 0))}});
        tx.commit();
    } catch (...) {
        saved_ = false;
        MsgBox(currentError().description(), vbOKOnly, QStringLiteral("Message"));
    }
}

void frmCardMaster::cmdClear_Click() {
    for (QLineEdit* b : {txtCardNum, txtLastName, txtFirstName, txtMiddleName, txtCardTypeID, txtCardType})
        b->clear();
    setExpiryToToday();
}

void frmCardMaster::cmdClose_Click() { close(); }

bool frmCardMaster::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || keyAscii(*static_cast<QKeyEvent*>(event)) != keys::Return)
        return QDialog::eventFilter(watched, event);
    // Enter presses the button that has the focus.
    if (auto* pressed = qobject_cast<QPushButton*>(watched)) {
        pressed->click();
        return true;
    }
    if (watched == txtCardNum) {
        unhandledErrorGuard([this] { txtCardNum_KeyPress(keys::Return); });
        return true;
    }
    if (watched == txtCardTypeID) {
        unhandledErrorGuard([this] { txtCardTypeID_KeyPress(keys::Return); });
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace qx
