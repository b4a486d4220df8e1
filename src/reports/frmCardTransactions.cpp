#include "reports/frmCardTransactions.h"

#include "charging/clsCardNumber.h"
#include "charging/clsCardType.h"
#include "charging/frmView.h"
#include "components/PlatformServices.h"
#include "platform/DatePicker.h"
#include "platform/Values.h"
#include "shell/Session.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx {

namespace {

QLineEdit* cardBox(QWidget* parent, const char* name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

} // namespace

frmCardTransactions::frmCardTransactions(QWidget* parent) : ReportDialog(parent) {
    setObjectName(QStringLiteral("frmCardTransactions"));
    setWindowTitle(QStringLiteral("Card Transactions"));
    auto* layout = new QGridLayout(this);
    Label1 = new QLabel(QStringLiteral("&Starting Date"), this);
    dpStartDate = todayPicker(QStringLiteral("dpStartDate"));
    Label1->setBuddy(dpStartDate);
    Label2 = new QLabel(QStringLiteral("&Ending Date"), this);
    dpEndDate = todayPicker(QStringLiteral("dpEndDate"));
    Label2->setBuddy(dpEndDate);
    cmdGenerate = dialogButton(QStringLiteral("cmdGenerate"), QStringLiteral("&Generate Report"));
    cmdClose = dialogButton(QStringLiteral("cmdClose"), QStringLiteral("&Close"));

    Label3 = new QLabel(QStringLiteral("Card Type:"), this);
    txtCardTypeID = cardBox(this, "txtCardTypeID");
    cmdSearchCardType = dialogButton(QStringLiteral("cmdSearchCardType"), QStringLiteral("..."));
    txtCardType = cardBox(this, "txtCardType");
    Label4 = new QLabel(QStringLiteral("Card # : "), this);
    txtZarviCard = cardBox(this, "txtZarviCard");
    cmdSearchCard = dialogButton(QStringLiteral("cmdSearchCard"), QStringLiteral("..."));
    txtCardHolder = cardBox(this, "txtCardHolder");
    for (QPushButton* look : {cmdSearchCardType, cmdSearchCard})
        look->setFixedWidth(28);

    layout->addWidget(Label1, 0, 0);
    layout->addWidget(dpStartDate, 0, 1);
    layout->addWidget(cmdGenerate, 0, 3);
    layout->addWidget(Label2, 1, 0);
    layout->addWidget(dpEndDate, 1, 1);
    layout->addWidget(cmdClose, 1, 3);
    layout->addWidget(Label3, 2, 0);
    auto* typeRow = new QHBoxLayout;
    typeRow->addWidget(txtCardTypeID);
    typeRow->addWidget(cmdSearchCardType);
    layout->addLayout(typeRow, 2, 1);
    layout->addWidget(txtCardType, 2, 2, 1, 2);
    layout->addWidget(Label4, 3, 0);
    auto* cardRow = new QHBoxLayout;
    cardRow->addWidget(txtZarviCard);
    cardRow->addWidget(cmdSearchCard);
    layout->addLayout(cardRow, 3, 1);
    layout->addWidget(txtCardHolder, 3, 2, 1, 2);
    setTabOrder(dpStartDate, dpEndDate);
    setTabOrder(dpEndDate, txtCardTypeID);
    setTabOrder(txtCardTypeID, cmdSearchCardType);
    setTabOrder(cmdSearchCardType, txtCardType);
    setTabOrder(txtCardType, txtZarviCard);
    setTabOrder(txtZarviCard, cmdSearchCard);
    setTabOrder(cmdSearchCard, txtCardHolder);
    setTabOrder(txtCardHolder, cmdGenerate);
    setTabOrder(cmdGenerate, cmdClose);

    connect(cmdSearchCardType, &QPushButton::clicked, this, [this] { cmdSearchCardType_Click(); });
    connect(cmdSearchCard, &QPushButton::clicked, this, [this] { cmdSearchCard_Click(); });
    connect(cmdGenerate, &QPushButton::clicked, this, [this] { cmdGenerate_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
}

bool frmCardTransactions::Form_Load() {
    const QDateTime now = QDateTime::currentDateTime();
    dpStartDate->setValue(now);
    dpEndDate->setValue(now);
    for (QLineEdit* box : {txtCardTypeID, txtCardType, txtZarviCard, txtCardHolder})
        box->clear();
    return true;
}

void frmCardTransactions::cmdSearchCardType_Click() {
    guarded([this] {
        clsCardType cardType;
        cardType.setActiveConnection(SQLConnection());
        if (!cardType.SearchCardType(Trim(txtCardTypeID->text())))
            return;
        txtCardTypeID->setText(QString::number(cardType.Code()));
        txtCardType->setText(cardType.Description());
    });
}

void frmCardTransactions::cmdSearchCard_Click() {
    guarded([this] {
        clsCardNumber card;
        card.setActiveConnection(SQLConnection());
        if (!card.SearchCardType(Trim(txtZarviCard->text())))
            return;
        txtZarviCard->setText(card.Code());
        txtCardHolder->setText(card.Description());
    });
}

void frmCardTransactions::cmdGenerate_Click() {
    HourglassScope busy;
    guarded([this] {
        frmView& request = ReportWindow();
        request.setWhatReport(59);
        request.setStartDate(dpStartDate->value().toString(QStringLiteral("MM/dd/yyyy")));
        request.setEndDate(dpEndDate->value().toString(QStringLiteral("MM/dd/yyyy")));
        request.setCardNum(Trim(txtZarviCard->text()));
        request.setCardTypeID(Trim(txtCardTypeID->text()));
        showReport(59);
    });
}

void frmCardTransactions::cmdClose_Click() { close(); }

} // namespace qx
