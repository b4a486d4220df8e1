#pragma once
#include "Builders.h"
#include "ChargeScreenFixture.h"
#include "ScriptedPlatform.h"
#include "SourceTree.h"
#include "TestDatabase.h"
#include "charging/RequestLineStates.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "platform/report/ReportPrinter.h"
#include "requests/inpatient/frmCommEntry.h"
#include "requests/outpatient/frmCommEntryOP.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"
#include "shell/frmDeletePassword.h"
#include "suite/InpatientFilePatient.h"
#include "suite/OutpatientFileOPDPatient.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

namespace qx::test {

// One of the two request screens, loaded and shown, as the serving tests drive it.
struct ServedScreen {
    bool inpatient = true;
    std::unique_ptr<frmCommEntry> ip;
    std::unique_ptr<frmCommEntryOP> op;

    const char* name() const { return inpatient ? "in-patient" : "out-patient"; }
    QDialog* window() const { return inpatient ? static_cast<QDialog*>(ip.get()) : op.get(); }
    FlexGrid* grid() const { return inpatient ? ip->grdItemList : op->grdItemList; }
    QLineEdit* doctor() const { return inpatient ? ip->txtDocCode : op->txtDocCode; }
    QLabel* banner(int index) const {
        return inpatient ? ip->lblPatInfo[size_t(index)] : op->lblPatInfo[size_t(index)];
    }
    QPushButton* save() const { return inpatient ? ip->cmdSave : op->cmdSave; }
    QPushButton* printSave() const { return inpatient ? ip->cmdPrintSave : op->cmdPrintSave; }
    // The button as the user presses it once the grid has enabled it.
    static void press(QPushButton* button) {
        button->setEnabled(true);
        button->click();
        QApplication::processEvents();
    }
    bool validate() const { return inpatient ? ip->Validate() : op->Validate(); }
    bool cancelledForm() const { return inpatient ? ip->CancelledForm() : op->CancelledForm(); }
    int postedCol() const { return inpatient ? frmCommEntry::kColPosted : frmCommEntryOP::kColPosted; }
    int overStockCol() const { return inpatient ? frmCommEntry::kColLogChoice : frmCommEntryOP::kColLogChoice; }
    int scanCol() const { return inpatient ? frmCommEntry::kColScanned : frmCommEntryOP::kColScanned; }
    QString patientId() const { return inpatient ? QStringLiteral("1001") : QStringLiteral("5001A"); }
    QString cell(int row, int col) const { return grid()->textMatrix(row, col); }
    void set(int row, int col, const QString& text) const { grid()->setTextMatrix(row, col, text); }
    // The marks the cancel and delay buttons leave on a line.
    void mark(int row, const QString& state) const {
        set(row, 8, state);
        for (int col = 9; col <= 12; ++col)
            set(row, col, QStringLiteral("XXX"));
        set(row, 13, state);
    }
};

// Both request screens over one database: admission 1001 (station 3F) and visit 5001A (ER),
// each with PARACETAMOL 2 x 5.25, AMOXICILLIN 1 x 12.00 and CEFTRIAXONE 1 x 250.00 pending
// (requests RQ1-RQ3 and RQ4-RQ6), served at workstation HOST1 by employee 1234.
class RequestServingTest : public ChargeScreenTest {
protected:
    void SetUp() override {
        ChargeScreenTest::SetUp();
        if (!ready())
            return;
        gLocationID = QStringLiteral("20");
        gHostID = QStringLiteral("HOST1");
        gEmployeeName = QStringLiteral("JOSE C. REYES");
        gEmployeePosition = QStringLiteral("PHARMACIST");
        auto patient = std::make_shared<suite::InpatientFilePatient>(provider());
        ASSERT_TRUE(patient->InitConnect(db().connectionString()));
        gComponents.gPatient = patient;
        auto visit = std::make_shared<suite::OutpatientFileOPDPatient>(provider());
        ASSERT_TRUE(visit->InitConnection(db().connectionString()));
        gComponents.gOPDPatient = visit;
        addAdmittedPatient(db());
        addOutPatientVisit(db());
        addItem(db());
        addItem(db(), {.itemId = QStringLiteral("AMOX500"), .name = QStringLiteral("AMOXICILLIN"),
                       .description = QStringLiteral("500 MG CAP"), .genericId = QStringLiteral("G-AMOX"),
                       .genericName = QStringLiteral("AMOXICILLIN"), .priceIn = 12, .priceOut = 12});
        addItem(db(), {.itemId = QStringLiteral("CEF1G"), .name = QStringLiteral("CEFTRIAXONE"),
                       .description = QStringLiteral("1 G VIAL"), .genericId = QStringLiteral("G-CEF"),
                       .genericName = QStringLiteral("CEFTRIAXONE"), .priceIn = 250, .priceOut = 250});
        int number = 0;
        for (const auto& [id, hosp, station] : {std::tuple{"1001", "H000001", "3F"}, std::tuple{"5001A", "H000101", "ER"}}) {
            int minute = 0;
            for (const auto& [item, quantity] : {std::pair{"PARA500", 2.0}, std::pair{"AMOX500", 1.0}, std::pair{"CEF1G", 1.0}})
                addPendingRequest(db(), {.idNum = QString::fromLatin1(id), .hospNum = QString::fromLatin1(hosp),
                                         .itemId = QString::fromLatin1(item), .quantity = quantity,
                                         .stationId = QString::fromLatin1(station),
                                         .requestNumber = QStringLiteral("RQ%1").arg(++number),
                                         .requestDate = QDateTime(QDate(2026, 1, 5), QTime(10, minute++))});
        }
    }
    void TearDown() override {
        report::setPrintFolder(QString());
        ChargeScreenTest::TearDown();
    }

    ServedScreen open(bool inpatient) {
        ServedScreen s;
        s.inpatient = inpatient;
        if (inpatient) {
            s.ip = std::make_unique<frmCommEntry>();
            s.ip->setRequestedStationID(QStringLiteral("3F"));
            s.ip->setPatientID(QStringLiteral("1001"));
            s.ip->Form_Load();
        } else {
            s.op = std::make_unique<frmCommEntryOP>();
            s.op->setStationName(QStringLiteral("EMERGENCY ROOM"));
            s.op->setRequestedStationID(QStringLiteral("ER"));
            s.op->setPatientID(QStringLiteral("5001A"));
            s.op->Form_Load();
        }
        s.window()->show();
        QApplication::processEvents();
        return s;
    }
    void approveAs(const QString& supervisor) {
        platform.modal->onShow<frmDeletePassword>([supervisor](frmDeletePassword& w) {
            if (!supervisor.isEmpty()) {
                w.setOKCharge(true);
                w.setVerifyID(supervisor);
            }
            w.close();
        });
    }
    qint64 count(const QString& sql, const QVariantList& binds = {}) { return db().query(sql, binds).value(0).toLongLong(); }
    QStringList rows(const QString& sql, const QStringList& fields, const QVariantList& binds = {}) {
        QStringList out;
        for (Recordset rs = db().query(sql, binds); !rs.eof(); rs.moveNext()) {
            QStringList values;
            for (const QString& field : fields)
                values << rs.text(field);
            out << values.join(u'|');
        }
        return out;
    }
    QStringList requestStates() {
        return rows(QStringLiteral("SELECT RequestNumber, COALESCE(RecordStatus, '') AS S, COALESCE(ProcessBy, '') AS P "
                                   "FROM station.tbNurseCommunicationFile ORDER BY RequestNumber"),
                    {QStringLiteral("RequestNumber"), QStringLiteral("S"), QStringLiteral("P")});
    }
    QStringList userLog() {
        return rows(QStringLiteral("SELECT Activity FROM tbInvUserLog ORDER BY Activity"), {QStringLiteral("Activity")});
    }
    void printToFiles() {
        for (const char* file : {"ChargeSlip.rpt", "OPDChargeSlip.rpt"})
            ASSERT_TRUE(installShippedReport(platform.folders->program, QString::fromLatin1(file)));
        report::setPrintFolder(printFolder.path());
    }
    QStringList printJobs() { return QDir(printFolder.path()).entryList(QDir::Files, QDir::Name); }
    void clearPrintJobs() {
        for (const QString& job : printJobs())
            QFile::remove(QDir(printFolder.path()).filePath(job));
    }
    QString jobText(const QString& job) {
        QProcess text;
        text.start(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), QDir(printFolder.path()).filePath(job), QStringLiteral("-")});
        text.waitForFinished(30000);
        return QString::fromUtf8(text.readAllStandardOutput());
    }

    QTemporaryDir printFolder;
};

} // namespace qx::test
