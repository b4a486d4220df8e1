#include "mainwindow/frmListPharmaCommunication.h"

#include "charging/frmView.h"
#include "components/AppError.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "components/StaffLogin.h"
#include "platform/DatePicker.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/Values.h"
#include "shell/CreditMemoListReport.h"
#include "shell/QueryHelpers.h"
#include "shell/RecordsetGrid.h"
#include "shell/Session.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qx {

namespace {

const QString kCommunicationModule = QStringLiteral("frmListPharmaCommunication");

const QString kCommunicationListFormat = QStringLiteral(
    "<Adm #     |<Patients               |<ChargeSlip |<CreditMemo|<Code  |<Description               |<Issued|<Returned|"
    "<Amount  |<Status|<Returned Date|<ReturnedBy|<ConfirmedDate|<Confirmed By");

// The list's date-time columns, shown as the workstation shows a date and time.
const int kCommunicationDateColumns[] = {10, 12};

constexpr int kCreditMemoColumn = 3;
constexpr int kItemCodeColumn = 4;
constexpr int kDescriptionColumn = 5;

QString loginEmployeeCode() {
    const auto& login = gComponents.gCurrentUser;
    return login ? login->EmployeeCode() : QString();
}

} // namespace

frmListPharmaCommunication& frmListPharmaCommunication::Default() {
    static frmListPharmaCommunication* instance = new frmListPharmaCommunication;
    return *instance;
}

frmListPharmaCommunication::frmListPharmaCommunication() {
    setObjectName(QStringLiteral("frmListPharmaCommunication"));
    setWindowTitle(QStringLiteral("List Credit Memo Communication"));
    setModal(true);
    resize(twipsToPixels(14500), twipsToPixels(7500));
    auto* layout = new QVBoxLayout(this);

    auto* criteria = new QHBoxLayout;
    auto* options = new QGroupBox(this);
    auto* optionRow = new QHBoxLayout(options);
    const std::pair<QRadioButton**, const char*> optionButtons[] = {
        {&optUnRet, "UnConfirmed"}, {&optRet, "Confirmed"}, {&optAll, "ALL"}};
    for (const auto& [button, caption] : optionButtons) {
        *button = new QRadioButton(QString::fromLatin1(caption), options);
        optionRow->addWidget(*button);
        connect(*button, &QRadioButton::clicked, this, [this] { cmdSearch_Click(); });
    }
    optUnRet->setObjectName(QStringLiteral("optUnRet"));
    optRet->setObjectName(QStringLiteral("optRet"));
    optAll->setObjectName(QStringLiteral("optAll"));
    criteria->addWidget(options);
    dtDate = new DatePicker(this);
    dtDate->setObjectName(QStringLiteral("dtDate"));
    criteria->addWidget(dtDate);
    criteria->addWidget(new QLabel(QStringLiteral("Search"), this));
    txtSearch = new QLineEdit(this);
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    connect(txtSearch, &QLineEdit::returnPressed, this, [this] { cmdSearch_Click(); });
    criteria->addWidget(txtSearch, 1);
    cmdSearch = new QPushButton(QStringLiteral("..."), this);
    cmdSearch->setObjectName(QStringLiteral("cmdSearch"));
    connect(cmdSearch, &QPushButton::clicked, this, [this] { cmdSearch_Click(); });
    criteria->addWidget(cmdSearch);
    layout->addLayout(criteria);

    gdList = new FlexGrid(this);
    gdList->setObjectName(QStringLiteral("gdList"));
    gdList->setFixedCols(0);
    gdList->setSelectionMode(FlexGrid::SelectionMode::ByRow);
    connect(gdList, &FlexGrid::dblClick, this, [this] { cmdConfirm_Click(); });
    layout->addWidget(gdList, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    const std::tuple<QPushButton**, const char*, const char*, void (frmListPharmaCommunication::*)()> commands[] = {
        {&cmdConfirm, "cmdConfirm", "&Confirm", &frmListPharmaCommunication::cmdConfirm_Click},
        {&cmdPrint, "cmdPrint", "&Print List", &frmListPharmaCommunication::cmdPrint_Click},
        {&cmdExit, "cmdExit", "Exit", &frmListPharmaCommunication::cmdExit_Click},
    };
    for (const auto& [button, name, caption, click] : commands) {
        *button = new QPushButton(QString::fromLatin1(caption), this);
        (*button)->setObjectName(QString::fromLatin1(name));
        (*button)->setAutoDefault(false);
        connect(*button, &QPushButton::clicked, this, click);
        buttons->addWidget(*button);
    }
    cmdSearch->setAutoDefault(false);
    layout->addLayout(buttons);
}

QString frmListPharmaCommunication::ReportType() const { return LastCreditMemoListReport().ReportType; }
void frmListPharmaCommunication::setReportType(const QString& value) { LastCreditMemoListReport().ReportType = value; }
QString frmListPharmaCommunication::ReportTitle() const { return LastCreditMemoListReport().ReportTitle; }
void frmListPharmaCommunication::setReportTitle(const QString& value) { LastCreditMemoListReport().ReportTitle = value; }

void frmListPharmaCommunication::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Every showing starts with the unconfirmed lines of the server's day and no search text.
    optUnRet->setChecked(true);
    txtSearch->clear();
    reloadOnActivation_ = false;
    Form_Load();
    Form_Activate();
}

void frmListPharmaCommunication::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isVisible())
        return;
    if (!isActiveWindow())
        reloadOnActivation_ = true;
    else if (reloadOnActivation_) {
        reloadOnActivation_ = false;
        Form_Activate();
    }
}

void frmListPharmaCommunication::Form_Load() {
    eventHandler(kCommunicationModule, QStringLiteral("Form_Load"),
                 [this] { dtDate->setValue(CDate(GetServerDate(SQLConnection()))); });
}

void frmListPharmaCommunication::Form_Activate() {
    eventHandler(kCommunicationModule, QStringLiteral("Form_Activate"), [this] { cmdSearch_Click(); });
}

int frmListPharmaCommunication::selectedOption() const {
    if (optUnRet->isChecked())
        return 1;
    return optRet->isChecked() ? 2 : 3;
}

std::optional<Recordset> frmListPharmaCommunication::ShowDetails(int option, const QString& date, const QString& search) {
    std::optional<Recordset> rs = SQLConnection().callProcedure(QStringLiteral("Pharma_CreditMemoCommunication"),
                                                                {{QStringLiteral("@Type"), option},
                                                                 {QStringLiteral("@Search"), search},
                                                                 {QStringLiteral("@StartDate"), date},
                                                                 {QStringLiteral("@EndDate"), date}});
    if (!rs || rs->isEmpty())
        return std::nullopt;
    return rs;
}

void frmListPharmaCommunication::cmdSearch_Click() {
    eventHandler(kCommunicationModule, QStringLiteral("cmdSearch_Click"), [this] {
        const int option = selectedOption();
        const QString date = dtDate->value().date().toString(QStringLiteral("MM/dd/yyyy"));
        gdList->clear();
        gdList->setRows(1);
        gdList->setFixedRows(1);
        if (const std::optional<Recordset> rs = ShowDetails(option, date, txtSearch->text())) {
            BindRecordset(*gdList, *rs);
            for (const int col : kCommunicationDateColumns)
                for (int row = 1; row < gdList->rows(); ++row) {
                    const QDateTime when = parseDbDateTime(rs->valueAt(row - 1, col));
                    gdList->setTextMatrix(row, col, when.isValid() ? Text(when) : Text(rs->valueAt(row - 1, col)));
                }
        }
        gdList->setFormatString(kCommunicationListFormat);
    });
}

bool frmListPharmaCommunication::isValid(const QString& creditMemo, const QString& itemCode) {
    const Recordset rs = SQLConnection().query(
        QStringLiteral("SELECT id FROM tbPharmaCommunication WHERE CreditMemo = ? AND ItemID = ? "
                       "AND COALESCE(RecordStatus, '') = '' LIMIT 1"),
        {creditMemo, itemCode});
    return !rs.isEmpty();
}

bool frmListPharmaCommunication::Confirm_ReturnMeds(const QString& creditMemo, const QString& /*itemCode*/) {
    try {
        Connection& con = SQLConnection();
        Transaction transaction(con);
        con.execute(QStringLiteral("UPDATE tbPharmaCommunication SET RecordStatus = 'C', ProcessDate = ?, ProcessBy = ? "
                                   "WHERE CreditMemo = ?"),
                    {con.serverNow(), loginEmployeeCode(), creditMemo});
        transaction.commit();
        return true;
    } catch (const AppError&) {
        return false;
    }
}

void frmListPharmaCommunication::cmdConfirm_Click() {
    eventHandler(kCommunicationModule, QStringLiteral("cmdConfirm_Click"), [this] {
        // A list without lines has nothing to confirm.
        if (gdList->rows() <= gdList->fixedRows() || gdList->row() < gdList->fixedRows())
            return;
        const int row = gdList->row();
        const QString creditMemo = gdList->textMatrix(row, kCreditMemoColumn);
        const QString itemCode = gdList->textMatrix(row, kItemCodeColumn);
        const QString description = gdList->textMatrix(row, kDescriptionColumn);
        if (!isValid(creditMemo, itemCode)) {
            MsgBox(QStringLiteral("(") + creditMemo + QStringLiteral(") ") + itemCode + QStringLiteral("-") + description +
                       QStringLiteral(" \nis already confirmed."),
                   vbInformation, QStringLiteral("Message"));
            return;
        }
        if (MsgBox(QStringLiteral("Are you sure you want to confirm this transaction?"), vbYesNo + vbQuestion,
                   QStringLiteral("Message")) == vbNo)
            return;
        if (!Confirm_ReturnMeds(creditMemo, itemCode)) {
            MsgBox(QStringLiteral("Can't save."), vbInformation, QStringLiteral("Message"));
            return;
        }
        MsgBox(QStringLiteral("Transaction successfully confirmed."), vbInformation, QStringLiteral("MESSAGE"));
        frmView& report = ReportWindow();
        report.setWhatReport(57);
        report.setCreditMemo(creditMemo);
        showModal(report);
        cmdSearch_Click();
    });
}

void frmListPharmaCommunication::cmdPrint_Click() {
    eventHandler(kCommunicationModule, QStringLiteral("cmdPrint_Click"), [this] {
        struct ListPrint { QRadioButton* option; const char* title; const char* type; };
        const ListPrint prints[] = {
            {optUnRet, "List of Unreturned Credit Memo by Station", "1"},
            {optRet, "List of Returned Credit Memo by Station", "2"},
            {optAll, "Daily List of Credit Memo by Station", "3"},
        };
        for (const ListPrint& p : prints)
            if (p.option->isChecked()) {
                setReportTitle(QString::fromLatin1(p.title));
                setReportType(QString::fromLatin1(p.type));
            }
        frmView& report = ReportWindow();
        report.setWhatReport(56);
        report.setReportDate(QDateTime(dtDate->value().date(), QTime(0, 0)));
        showModal(report);
    });
}

void frmListPharmaCommunication::cmdExit_Click() { close(); }

} // namespace qx
