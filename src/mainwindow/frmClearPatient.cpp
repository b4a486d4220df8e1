#include "mainwindow/frmClearPatient.h"

#include "components/Connection.h"
#include "components/PlatformServices.h"
#include "mainwindow/frmDischargeNotice.h"
#include "mainwindow/frmPharma.h"
#include "shell/clsPatient.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace qx {

frmPharma* SessionMainWindow();

frmClearPatient& frmClearPatient::Default() {
    static frmClearPatient* instance = new frmClearPatient;
    return *instance;
}

frmClearPatient::frmClearPatient() {
    setObjectName(QStringLiteral("frmClearPatient"));
    setWindowTitle(QStringLiteral("Clear Patient"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(QStringLiteral("Clear Patient for Discharge"), this);
    QFont headingFont = heading->font();
    headingFont.setPointSize(headingFont.pointSize() + 4);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    layout->addWidget(heading);
    const auto frame = [&](const char* caption, std::initializer_list<std::tuple<QLineEdit**, const char*, const char*>> boxes) {
        auto* group = new QGroupBox(QString::fromLatin1(caption), this);
        auto* form = new QFormLayout(group);
        for (const auto& [box, name, label] : boxes) {
            *box = new QLineEdit(group);
            (*box)->setObjectName(QString::fromLatin1(name));
            (*box)->setReadOnly(true);
            form->addRow(QString::fromLatin1(label), *box);
        }
        layout->addWidget(group);
    };
    frame("Hospital Information", {{&txtHospNo, "txtHospNo", "Hospital #:"},
                                   {&txtAdmNo, "txtAdmNo", "Admission #:"},
                                   {&txtAdmDate, "txtAdmDate", "Admission Date:"},
                                   {&txtRoomNo, "txtRoomNo", "Room #:"},
                                   {&txtDoctor, "txtDoctor", "Attending Doctor:"}});
    frame("Patient's Name", {{&txtSname, "txtSname", "Last Name:"},
                             {&txtFname, "txtFname", "First Name:"},
                             {&txtMname, "txtMname", "Middle Name:"}});
    frame("Notice Information", {{&txtNoticeDate, "txtNoticeDate", "Notice Date/Time:"},
                                 {&txtOrderDate, "txtOrderDate", "Order Date/Time:"},
                                 {&txtDischargeNurse, "txtDischargeNurse", "Discharge Nurse:"},
                                 {&txtRemarks, "txtRemarks", "Remarks:"}});
    frame("Clearing Information", {{&txtClearDate, "txtClearDate", "Cleared Date:"},
                                   {&txtClearedBy, "txtClearedBy", "Cleared By:"},
                                   {&txtClearRemarks, "txtClearRemarks", "Remarks:"}});
    txtClearRemarks->setReadOnly(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    cmdSave = new QPushButton(QStringLiteral("&Save"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdIgnore = new QPushButton(QStringLiteral("&Ignore"), this);
    cmdIgnore->setObjectName(QStringLiteral("cmdIgnore"));
    for (QPushButton* button : {cmdSave, cmdIgnore}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    connect(cmdIgnore, &QPushButton::clicked, this, [this] { close(); });
    layout->addLayout(buttons);
}

void frmClearPatient::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Form_Load();
}

void frmClearPatient::Form_Load() {
    for (QLineEdit* box : findChildren<QLineEdit*>())
        box->clear();
    txtClearRemarks->setReadOnly(false);
    cmdSave->setEnabled(true);
    cmdIgnore->setText(QStringLiteral("&Ignore"));
    const Recordset rs = SQLConnection()
                             .callProcedure(QStringLiteral("Pharma_LoadDischargeNoticePatient"),
                                            {{QStringLiteral("@IDNum"), idNum_},
                                             {QStringLiteral("@DepartmentID"), QStringLiteral("PH")}})
                             .value_or(Recordset());
    if (!rs.isEmpty()) {
        const auto text = [&rs](const char* field) { return rs.text(QString::fromLatin1(field)); };
        const auto when = [&rs](const char* field) { return GeneralDateText(rs.dateTime(QString::fromLatin1(field))); };
        txtHospNo->setText(text("HospNum"));
        txtAdmNo->setText(text("IDNum"));
        txtAdmDate->setText(when("AdmDate"));
        txtRoomNo->setText(text("RoomID"));
        txtDoctor->setText(text("Doctor"));
        txtSname->setText(text("LastName"));
        txtFname->setText(text("FirstName"));
        txtMname->setText(text("MiddleName"));
        txtNoticeDate->setText(when("NoticeDate"));
        txtOrderDate->setText(when("OrderedDate"));
        txtDischargeNurse->setText(text("DischargeNurse"));
        txtRemarks->setText(text("Remarks"));
        const bool cleared = !rs.isNull(QStringLiteral("ClearDate"));
        txtClearDate->setText(cleared ? when("ClearDate") : QStringLiteral("For clearing"));
        txtClearedBy->setText(rs.isNull(QStringLiteral("UserID"))
                                  ? QStringLiteral("(") + gEmployeeCode + QStringLiteral(") ") + gEmployeeName
                                  : text("UserID"));
        if (cleared) {
            // A cleared patient is shown as recorded, read only.
            txtClearRemarks->setText(text("ClearRemarks"));
            txtClearRemarks->setReadOnly(true);
            cmdSave->setEnabled(false);
            cmdIgnore->setText(QStringLiteral("&Close"));
        }
    }
    if (frmPharma* main = SessionMainWindow()) {
        Announcer& merlin = main->Agent1.Characters(QStringLiteral("merlin"));
        merlin.Hide();
        merlin.Stop();
        main->tmrMerlin->stop();
        main->tmrNotice->stop();
    }
}

void frmClearPatient::cmdSave_Click() {
    if (gPatientInfo().checkPatientCMPendingRequest(SQLConnection(), txtAdmNo->text())) {
        MsgBox(QStringLiteral("Patient has pending credit memo request."), vbInformation, QStringLiteral("Quillax"));
        return;
    }
    {
        HourglassScope hourglass;
        // The remarks keep their apostrophes as backquotes, as the clearances have always been stored.
        SQLConnection().callProcedure(QStringLiteral("Pharma_ClearPatientForDischarge"),
                                      {{QStringLiteral("@IDNum"), txtAdmNo->text()},
                                       {QStringLiteral("@DepartmentID"), QStringLiteral("PH")},
                                       {QStringLiteral("@UserID"), gEmployeeCode},
                                       {QStringLiteral("@Remarks"), QString(txtClearRemarks->text()).replace(u'\'', u'`')}});
    }
    MsgBox(QStringLiteral("Patient has been cleared for discharge."), vbInformation);
    close();
}

void frmClearPatient::done(int result) {
    QDialog::done(result);
    if (frmPharma* main = SessionMainWindow()) {
        main->tmrMerlin->start();
        main->tmrNotice->start();
    }
}

} // namespace qx
