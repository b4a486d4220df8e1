#include "posting/frmEmployeeList.h"

#include "charging/SearchListKeys.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "posting/clsEmployeeReg.h"
#include "shell/RecordsetGrid.h"
#include "shell/Session.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

namespace {
const QString kEmployeeListFormat =
    QStringLiteral("<HospNum    |<LastName                |<FirstName                 |MiddleName|<Account # ");
constexpr int kEmployeeHospNumCol = 0;
constexpr int kEmployeeAccountCol = 4;
} // namespace

frmEmployeeList::frmEmployeeList(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmEmployeeList"));
    setWindowTitle(QStringLiteral("Employee List"));
    resize(twipsToPixels(9000), twipsToPixels(6000));

    Label1 = new QLabel(QStringLiteral("&Search"), this);
    txtSearch = new QLineEdit(this);
    Label1->setBuddy(txtSearch);
    flexMSHList = new FlexGrid(this);
    flexMSHList->setCols(5);
    flexMSHList->setRows(2);
    flexMSHList->setFixedRows(1);
    flexMSHList->setFixedCols(0);
    flexMSHList->setFormatString(kEmployeeListFormat);
    cmdRegister = new QPushButton(QStringLiteral("&Register"), this);
    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdCancel = new QPushButton(QStringLiteral("E&xit"), this);
    for (QPushButton* b : {cmdRegister, cmdOK, cmdCancel})
        b->setAutoDefault(false);

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(Label1);
    searchRow->addWidget(txtSearch, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdRegister);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(searchRow);
    layout->addWidget(flexMSHList, 1);
    layout->addLayout(buttons);

    connect(cmdRegister, &QPushButton::clicked, this, &frmEmployeeList::cmdRegister_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmEmployeeList::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmEmployeeList::cmdCancel_Click);
    connect(txtSearch, &QLineEdit::textChanged, this, [this](const QString& text) { LoadEmployee(text); });

    listKeys_ = new SearchListKeys(*txtSearch, *flexMSHList, [this] { cmdRegister_Click(); });
}

void frmEmployeeList::Form_Load() {
    companyId_.clear();
    if (search_.isEmpty()) {
        LoadEmployee(txtSearch->text());
    } else if (txtSearch->text() != search_) {
        txtSearch->setText(search_);  // the change loads the list
    } else {
        LoadEmployee(search_);
    }
    txtSearch->setFocus(Qt::OtherFocusReason);
}

void frmEmployeeList::LoadEmployee(const QString& search) {
    flexMSHList->setFormatString(kEmployeeListFormat);
    const std::optional<Recordset> rs =
        SQLConnection().callProcedure(QStringLiteral("Pharma_CompanySearchEmp"), {{QStringLiteral("@Search"), search}});
    if (!rs || rs->isEmpty())
        return;
    flexMSHList->setRedraw(false);
    flexMSHList->setRows(1);
    BindRecordset(*flexMSHList, *rs);
    flexMSHList->setRow(1);
    flexMSHList->setCol(0);
    flexMSHList->setRedraw(true);
}

QString frmEmployeeList::currentCell(int col) const {
    const int row = flexMSHList->row();
    return row >= 0 && row < flexMSHList->rows() && col < flexMSHList->cols() ? flexMSHList->textMatrix(row, col)
                                                                              : QString();
}

void frmEmployeeList::cmdRegister_Click() {
    const QString hospNum = currentCell(kEmployeeHospNumCol);
    const QString account = currentCell(kEmployeeAccountCol);
    Connection& con = SQLConnection();
    if (!clsEmployeeReg::isValidAccount(con, account, QStringLiteral("S"))) {
        MsgBox(QStringLiteral("Account Not Valid, Employee doesnt have Advances Account"), vbInformation,
               QStringLiteral("MESSAGE"));
        accept();
        return;
    }
    if (gEmployeeReg().SaveData(con, hospNum, account, QStringLiteral("C")))
        accept();
}

void frmEmployeeList::cmdOK_Click() {
    companyId_ = currentCell(kEmployeeAccountCol);
    accept();
}

void frmEmployeeList::cmdCancel_Click() { QDialog::reject(); }

void frmEmployeeList::reject() { cmdCancel_Click(); }

void frmEmployeeList::flexMSHList_Click() { listKeys_->listClick(); }

void frmEmployeeList::flexMSHList_KeyDown(int& keyCode) { listKeys_->listKeyDown(keyCode); }

int frmEmployeeList::topRowUpCount() const { return listKeys_->topRowUpCount(); }

} // namespace qx
