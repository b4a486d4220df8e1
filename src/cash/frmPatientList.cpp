#include "cash/frmPatientList.h"

#include "charging/SearchListKeys.h"
#include "components/AppError.h"
#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "platform/ErrorHandling.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"
#include "platform/Values.h"
#include "shell/GridHelpers.h"
#include "shell/RecordsetGrid.h"
#include "shell/Session.h"
#include "shell/clsAssessInfo.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <cmath>

namespace qx {

namespace {
const QString kPatientListModule = QStringLiteral("frmPatientList");
constexpr int kInPatientList = 3;
constexpr int kCashTransactionList = 5;
const QString kPatientListFormat =
    QStringLiteral("<Admission No. |<Hospital No. |<Last Name|<First Name |<Middle Name");
// Twips added to the even share of each column, by list.
constexpr int kPatientListExtra[7] = {0, 0, 100, 100, 100, 0, 1000};
constexpr int kCashListExtra[7] = {0, 500, 100, 500, 400, 200, 0};
} // namespace

frmPatientList::frmPatientList(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmPatientList"));
    setWindowTitle(QStringLiteral("Patient List ( IN-PATIENT )"));
    resize(twipsToPixels(10500), twipsToPixels(6600));

    fraSearch = new QGroupBox(QStringLiteral("&1. Type first few letters of first name."), this);
    txtSearch = new QLineEdit(fraSearch);
    cmdSearch = new QPushButton(QStringLiteral("Search"), fraSearch);
    chkAuto = new QCheckBox(QStringLiteral("&Auto search"), fraSearch);
    auto* searchRow = new QHBoxLayout(fraSearch);
    searchRow->addWidget(txtSearch, 1);
    searchRow->addWidget(cmdSearch);
    searchRow->addWidget(chkAuto);

    Frame1 = new QGroupBox(this);
    optCurrent = new QRadioButton(QStringLiteral("Current Confinements"), Frame1);
    optPrevious = new QRadioButton(QStringLiteral("Previous Confinements"), Frame1);
    auto* options = new QHBoxLayout(Frame1);
    options->addWidget(optCurrent);
    options->addWidget(optPrevious);

    fraList = new QGroupBox(QStringLiteral("&2. Select patient then click OK button."), this);
    flexMSHList = new FlexGrid(fraList);
    flexMSHList->setMinimumSize(twipsToPixels(9900), twipsToPixels(3900));
    auto* listBox = new QVBoxLayout(fraList);
    listBox->addWidget(flexMSHList);

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setToolTip(QStringLiteral("Ok"));
    cmdCancel = new QPushButton(QStringLiteral("E&xit"), this);
    cmdCancel->setToolTip(QStringLiteral("Close Window"));
    cmdOK->setAutoDefault(false);
    cmdCancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fraSearch);
    layout->addWidget(Frame1);
    layout->addWidget(fraList, 1);
    layout->addLayout(buttons);

    connect(cmdOK, &QPushButton::clicked, this, &frmPatientList::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPatientList::cmdCancel_Click);
    connect(cmdSearch, &QPushButton::clicked, this, &frmPatientList::cmdSearch_Click);
    connect(chkAuto, &QCheckBox::toggled, this, &frmPatientList::chkAuto_Click);
    connect(txtSearch, &QLineEdit::textChanged, this, &frmPatientList::txtSearch_Change);
    for (QRadioButton* option : {optCurrent, optPrevious})
        connect(option, &QRadioButton::toggled, this, [this](bool selected) {
            if (selected && !loading_ && chkAuto->isChecked())
                RunPatientSearch();
        });

    listKeys_ = new SearchListKeys(*txtSearch, *flexMSHList, [this] { cmdOK_Click(); }, [this] { cmdSearch_Click(); });
}

void frmPatientList::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Load();
}

void frmPatientList::Form_Load() {
    loading_ = true;
    isCancel = true;
    // Design state: the controls of the last showing are not kept.
    optCurrent->setChecked(true);
    txtSearch->blockSignals(true);
    txtSearch->clear();
    txtSearch->blockSignals(false);
    chkAuto->setChecked(true);
    chkAuto_Click();
    drugId_.clear();
    Frame1->hide();
    if (ListOption == kInPatientList) {
        setWindowTitle(QStringLiteral("PatientList (Registered IN-PATIENT)"));
        Frame1->show();
    } else if (ListOption == kCashTransactionList) {
        setWindowTitle(QStringLiteral("PatientList (Cash Transaction)"));
    } else {
        setWindowTitle(QStringLiteral("PatientList (Registered OUT-PATIENT)"));
    }
    loading_ = false;
    if (SearchString.isEmpty())
        RunPatientSearch();
    else
        txtSearch->setText(SearchString);  // auto search runs the search
    txtSearch->setFocus(Qt::OtherFocusReason);
}

void frmPatientList::RunPatientSearch() {
    // A failing search is told and the list stays as it was; the window stays open.
    try {
        if (ListOption == kCashTransactionList)
            PatientListCashReturn(txtSearch->text());
        else
            PatientList(txtSearch->text(), ListOption);
    } catch (const AppError& e) {
        showQueryFailure(e.description());
    } catch (const std::exception& e) {
        showQueryFailure(QString::fromStdString(e.what()));
    }
}

void frmPatientList::showQueryFailure(const QString& description) {
    MsgBox(description, vbExclamation, windowTitle());
}

void frmPatientList::layOutList(const QString& format, int parts, const int (&extra)[7], int columns) {
    flexMSHList->setFormatString(format);
    const int share = static_cast<int>(std::lround(pixelsToTwips(flexMSHList->width()) / double(parts)));
    for (int col = 0; col < columns && col < flexMSHList->cols(); ++col)
        flexMSHList->setColWidth(col, share + extra[col]);
}

void frmPatientList::PatientList(const QString& search, int listOption) {
    generalProcedure(kPatientListModule, QStringLiteral("PatientList"), [&] {
        HourglassScope hourglass;
        flexMSHList->setRedraw(false);
        const QString current = optPrevious->isChecked() ? QStringLiteral("2") : QStringLiteral("1");
        const Recordset rs = gAssessInfo().PatientList(qint16(listOption), 1, search, current);
        flexMSHList->clear();
        flexMSHList->setCols(1);
        flexMSHList->setFormatString(kPatientListFormat);
        const int headed = flexMSHList->cols();
        BindRecordset(*flexMSHList, rs);
        // The record's further columns have no header of their own.
        for (int col = headed; col < flexMSHList->cols(); ++col)
            flexMSHList->setTextMatrix(0, col, QString());
        layOutList(kPatientListFormat, 6, kPatientListExtra, 7);
        SetGridHighlight(*flexMSHList, true);
        flexMSHList->setRedraw(true);
    });
}

void frmPatientList::PatientListCashReturn(const QString& search) {
    generalProcedure(kPatientListModule, QStringLiteral("PatientListCashReturn"), [&] {
        HourglassScope hourglass;
        flexMSHList->setRedraw(false);
        const QString format =
            QStringLiteral("<OR #. |<Patient Name |<ItemId |Description  |Trans Date    |TransType");
        const std::optional<Recordset> rs = gAssessInfo().PatientListCashReturn(search);
        flexMSHList->clear();
        flexMSHList->setCols(1);
        flexMSHList->setFormatString(format);
        BindRecordset(*flexMSHList, rs.value_or(Recordset()));
        layOutList(format, 7, kCashListExtra, 6);
        SetGridHighlight(*flexMSHList, true);
        flexMSHList->setRedraw(true);
    });
}

void frmPatientList::chkAuto_Click() { cmdSearch->setEnabled(!chkAuto->isChecked()); }

void frmPatientList::txtSearch_Change() {
    if (!loading_ && chkAuto->isChecked())
        RunPatientSearch();
}

void frmPatientList::cmdSearch_Click() { RunPatientSearch(); }

void frmPatientList::flexMSHList_Click() { listKeys_->listClick(); }

void frmPatientList::flexMSHList_KeyDown(int& keyCode) { listKeys_->listKeyDown(keyCode); }

int frmPatientList::topRowUpCount() const { return listKeys_->topRowUpCount(); }

void frmPatientList::cmdOK_Click() {
    isCancel = false;
    const int row = flexMSHList->row();
    const auto cell = [&](int col) {
        return row > 0 && row < flexMSHList->rows() && col < flexMSHList->cols() ? flexMSHList->textMatrix(row, col)
                                                                                 : QString();
    };
    if (ListOption == kCashTransactionList) {
        if (cell(0).isEmpty()) {
            TransDate = SQLConnection().serverNow();
            ORNumber.clear();
        } else {
            TransDate = QDateTime(QDate::fromString(cell(4).left(10), QStringLiteral("MM/dd/yyyy")), QTime());
            ORNumber = cell(0);
            PatientsName = cell(1);
        }
    } else {
        HospNumber = cell(0);
    }
    accept();
}

void frmPatientList::cmdCancel_Click() {
    drugId_.clear();
    isCancel = true;
    QDialog::reject();
}

void frmPatientList::reject() { cmdCancel_Click(); }

} // namespace qx
