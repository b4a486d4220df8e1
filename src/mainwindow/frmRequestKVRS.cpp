#include "mainwindow/frmRequestKVRS.h"

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
#include "shell/QueryHelpers.h"
#include "shell/RecordsetGrid.h"
#include "shell/Session.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace qx {

namespace {

const QString kPackageModule = QStringLiteral("frmRequestKVRS");

const QString kPackageHeaderFormat = QStringLiteral(
    "<Hosp No.         |<ID No.            |<Patient Name                                    |"
    "<Company                                  |<ChargeSlip               ");
const QString kPackageDetailsFormat = QStringLiteral(
    "   |<Charge Slip         |<Item Code       |<Item Name                                    |<Quantity  |"
    "<Amount                |Status                                  ");

constexpr int kPackageSlipColumn = 4;

QString packageUser() {
    const auto& login = gComponents.gCurrentUser;
    return login ? login->EmployeeCode() : QString();
}

} // namespace

frmRequestKVRS& frmRequestKVRS::Default() {
    static frmRequestKVRS* instance = new frmRequestKVRS;
    return *instance;
}

frmRequestKVRS::frmRequestKVRS() {
    setObjectName(QStringLiteral("frmRequestKVRS"));
    setWindowTitle(QStringLiteral("Package Request Status"));
    setModal(true);
    resize(twipsToPixels(13500), twipsToPixels(8000));
    auto* layout = new QVBoxLayout(this);

    auto* criteria = new QHBoxLayout;
    dtTransDate = new DatePicker(this);
    dtTransDate->setObjectName(QStringLiteral("dtTransDate"));
    connect(dtTransDate, &QDateTimeEdit::dateChanged, this, [this] {
        if (!loading_)
            cmdRefresh_Click();
    });
    criteria->addWidget(dtTransDate);
    auto* viewType = new QGroupBox(QStringLiteral("View Type"), this);
    auto* viewRow = new QHBoxLayout(viewType);
    const char* const captions[] = {"Pendings", "Show all"};
    for (int i = 0; i < 2; ++i) {
        optPending[i] = new QRadioButton(QString::fromLatin1(captions[i]), viewType);
        optPending[i]->setObjectName(QStringLiteral("optPending_%1").arg(i));
        connect(optPending[i], &QRadioButton::clicked, this, [this] { optPending_Click(); });
        viewRow->addWidget(optPending[i]);
    }
    criteria->addWidget(viewType);
    criteria->addWidget(new QLabel(QStringLiteral("Search Package # or  Last Name:"), this));
    txtSearchPackage = new QLineEdit(this);
    txtSearchPackage->setObjectName(QStringLiteral("txtSearchPackage"));
    connect(txtSearchPackage, &QLineEdit::returnPressed, this, [this] { optPending_Click(); });
    criteria->addWidget(txtSearchPackage, 1);
    layout->addLayout(criteria);

    auto* header = new QGroupBox(QStringLiteral("Header"), this);
    auto* headerLayout = new QVBoxLayout(header);
    grdList = new FlexGrid(header);
    grdList->setObjectName(QStringLiteral("grdList"));
    grdList->setFixedCols(0);
    grdList->setSelectionMode(FlexGrid::SelectionMode::ByRow);
    connect(grdList, &FlexGrid::click, this, [this] { grdList_Click(); });
    connect(grdList, &FlexGrid::enterCell, this, [this] {
        if (!loading_)
            grdList_Click();
    });
    headerLayout->addWidget(grdList);
    layout->addWidget(header, 1);

    auto* details = new QGroupBox(QStringLiteral("Details"), this);
    auto* detailsLayout = new QVBoxLayout(details);
    grdDetails = new FlexGrid(details);
    grdDetails->setObjectName(QStringLiteral("grdDetails"));
    grdDetails->setFixedCols(1);
    detailsLayout->addWidget(grdDetails);
    layout->addWidget(details, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    const std::tuple<QPushButton**, const char*, const char*, void (frmRequestKVRS::*)()> commands[] = {
        {&cmdRefresh, "cmdRefresh", "&Refresh", &frmRequestKVRS::cmdRefresh_Click},
        {&cmdProcess, "cmdProcess", "Process", &frmRequestKVRS::cmdProcess_Click},
        {&cmdExit, "cmdExit", "E&xit", &frmRequestKVRS::cmdExit_Click},
    };
    for (const auto& [button, name, caption, click] : commands) {
        *button = new QPushButton(QString::fromLatin1(caption), this);
        (*button)->setObjectName(QString::fromLatin1(name));
        (*button)->setAutoDefault(false);
        connect(*button, &QPushButton::clicked, this, click);
        buttons->addWidget(*button);
    }
    layout->addLayout(buttons);
}

void frmRequestKVRS::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Every showing starts with the pending requests of the server's day and no search text.
    optPending[0]->setChecked(true);
    txtSearchPackage->clear();
    grdDetails->clear();
    grdDetails->setRows(1);
    Form_Load();
}

void frmRequestKVRS::Form_Load() {
    eventHandler(kPackageModule, QStringLiteral("Form_Load"), [this] {
        {
            loading_ = true;
            const QDateTime now = CDate(GetServerDate(SQLConnection()));
            dtTransDate->setValue(now);
            loading_ = false;
        }
        reloadBothLists();
    });
}

QString frmRequestKVRS::pendingFlag() const {
    return optPending[0]->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
}

QString frmRequestKVRS::currentChargeSlip() const {
    const int row = grdList->row();
    if (row < 0 || row >= grdList->rows() || grdList->cols() <= kPackageSlipColumn)
        return QString();
    return grdList->textMatrix(row, kPackageSlipColumn);
}

void frmRequestKVRS::Load_KVRSRequest() {
    const std::optional<Recordset> rs = SQLConnection().callProcedure(
        QStringLiteral("Pharma_GetKVRSRequest_Header"),
        {{QStringLiteral("@RevenueID"), QStringLiteral("PH")},
         {QStringLiteral("@Date"), dtTransDate->value().date().toString(QStringLiteral("MM/dd/yyyy"))},
         {QStringLiteral("@Pending"), pendingFlag()},
         {QStringLiteral("@Search"), txtSearchPackage->text()}});
    loading_ = true;
    {
        const QSignalBlocker quiet(grdList);
        grdList->clear();
        grdList->setFixedRows(1);
        if (rs && !rs->isEmpty()) {
            grdList->setRows(1);
            BindRecordset(*grdList, *rs);
        } else {
            // An empty day keeps one blank line, which names no request.
            grdList->setRows(2);
        }
        grdList->setRow(1);
        grdList->setFormatString(kPackageHeaderFormat);
    }
    loading_ = false;
}

void frmRequestKVRS::Load_KVRSRequestDetails(const QString& chargeSlip) {
    const std::optional<Recordset> rs = SQLConnection().callProcedure(
        QStringLiteral("Pharma_GetKVRSRequest_Details"),
        {{QStringLiteral("@ChargeSlip"), chargeSlip}, {QStringLiteral("@Pending"), pendingFlag()}});
    grdDetails->clear();
    grdDetails->setFixedRows(1);
    grdDetails->setFixedCols(1);
    if (rs && !rs->isEmpty()) {
        // The fields fill the columns after the fixed one, as a bound grid with a fixed column does.
        grdDetails->setCols(1 + rs->fieldCount());
        grdDetails->setRows(1 + rs->recordCount());
        for (int record = 0; record < rs->recordCount(); ++record)
            for (int field = 0; field < rs->fieldCount(); ++field)
                grdDetails->setTextMatrix(1 + record, 1 + field, Text(rs->valueAt(record, field)));
    } else {
        grdDetails->setRows(2);
    }
    grdDetails->setFormatString(kPackageDetailsFormat);
}

void frmRequestKVRS::reloadBothLists() {
    Load_KVRSRequest();
    const QString slip = currentChargeSlip();
    if (!slip.isEmpty())
        Load_KVRSRequestDetails(slip);
}

void frmRequestKVRS::optPending_Click() {
    eventHandler(kPackageModule, QStringLiteral("optPending_Click"), [this] { reloadBothLists(); });
}

void frmRequestKVRS::grdList_Click() {
    eventHandler(kPackageModule, QStringLiteral("grdList_Click"), [this] { Load_KVRSRequestDetails(currentChargeSlip()); });
}

void frmRequestKVRS::cmdRefresh_Click() {
    eventHandler(kPackageModule, QStringLiteral("cmdRefresh_Click"), [this] { Load_KVRSRequest(); });
}

frmRequestKVRS::PackageProcess frmRequestKVRS::SavePackage(const QString& chargeSlip) {
    try {
        Connection& con = SQLConnection();
        Transaction transaction(con);
        const std::optional<Recordset> rs = con.callProcedure(QStringLiteral("Pharma_GetKVRSRequest_Process"),
                                                              {{QStringLiteral("@ChargeSlip"), chargeSlip},
                                                               {QStringLiteral("@UserID"), packageUser()},
                                                               {QStringLiteral("@RevenueID"), QStringLiteral("PH")}});
        const bool processed = rs && !rs->isEmpty() && rs->value(QStringLiteral("Processed")).toInt() != 0;
        transaction.commit();
        return processed ? PackageProcess::Processed : PackageProcess::AlreadyProcessed;
    } catch (const AppError& e) {
        MsgBox(QStringLiteral("Package request ") + chargeSlip + QStringLiteral(" was not processed.\n") + e.description(),
               vbCritical, QStringLiteral("Message"));
        return PackageProcess::Failed;
    }
}

void frmRequestKVRS::cmdProcess_Click() {
    eventHandler(kPackageModule, QStringLiteral("cmdProcess_Click"), [this] {
        const QString slip = currentChargeSlip();
        // A blank line names no request.
        if (slip.trimmed().isEmpty())
            return;
        switch (SavePackage(slip)) {
        case PackageProcess::Processed: {
            frmView& report = ReportWindow();
            report.setWhatReport(72);
            report.setChargeslip(slip);
            showModal(report);
            break;
        }
        case PackageProcess::AlreadyProcessed:
            MsgBox(QStringLiteral("Package request ") + slip + QStringLiteral(" is already processed."), vbInformation,
                   QStringLiteral("Message"));
            break;
        case PackageProcess::Failed:
            break;
        }
    });
}

void frmRequestKVRS::cmdExit_Click() { close(); }

} // namespace qx
