#pragma once
#include "Builders.h"
#include "ScriptedInputBox.h"
#include "ScriptedPlatform.h"
#include "PrintOuts.h"
#include "SourceTree.h"
#include "TestDatabase.h"
#include "charging/frmView.h"
#include "platform/FlexGrid.h"
#include "platform/report/ReportPrinter.h"
#include "shell/HospitalSettings.h"
#include "shell/ScriptedSuite.h"
#include "shell/Session.h"
#include "shell/Switches.h"
#include "shell/WindowOpeners.h"
#include "suite/DrugCatalogComponent.h"
#include "suite/InpatientFilePatient.h"

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>

namespace qx::test {

// The admitted-patient picker: records what it was asked and answers the test's choice.
class PostedListAdmissionPicker : public InpatientRoster::InpatientList {
public:
    bool InitConnection(const QString&) override { return true; }
    QString ShowList(const QString& text, const std::optional<int>& mode) override {
        asked << text + u'#' + QString::number(mode.value_or(0));
        return choice;
    }
    QStringList asked;
    QString choice;
};

// One posted stock-card line of a patient.
struct PostedLineSpec {
    QString idNum = QStringLiteral("1001");
    QString hospNum = QStringLiteral("H000001");
    QString itemId = QStringLiteral("SENIOR1");
    QString summaryCode = QStringLiteral("PH");  // 'PC' a return, 'PA' a correction
    QString refNum = QStringLiteral("CS0001");   // the charge slip
    QString memo;                                 // the credit memo or adjustment slip
    double quantity = 1;
    double amount = 0;
    QDateTime when = QDateTime(QDate(2026, 1, 5), QTime(14, 30));
    QString userId = QStringLiteral("1234");
    QString dosage = QStringLiteral("1 TAB TID");
    QString station = QStringLiteral("3F");
    QVariant dispenser;
};

// Posted lists over a fresh database: our own patient and drug components, an employee logged
// in at workstation HOST1, a senior rate of 20 %, the shipped slips beside the program and every
// print-out going to PDF files.
class PostedListTest : public DbTest {
protected:
    void SetUp() override {
        resetAll();
        DbTest::SetUp();
        if (IsSkipped())
            return;
        login = std::make_shared<ScriptedCurrentUser>(db());
        login->ShowMain();
        gComponents.gCurrentUser = login;
        gEmployeeCode = QStringLiteral("1234");
        gHostID = QStringLiteral("HOST1");
        gSeniorCitizenDiscount = 20;
        gHospitalName = QStringLiteral("GENERAL HOSPITAL");
        gHospitalAddress = QStringLiteral("1 MAIN ST");
        const ConnectionProvider provider = [this] { return &db(); };
        auto patient = std::make_shared<suite::InpatientFilePatient>(provider);
        auto drug = std::make_shared<suite::DrugCatalogComponent>(provider);
        ASSERT_TRUE(patient->InitConnect(db().connectionString()));
        ASSERT_TRUE(drug->InitConnect(db().connectionString()));
        gComponents.gPatient = patient;
        gComponents.gDrug = drug;
        gComponents.gInpatientList = admissions;
        previousInputBox_ = installInputBoxService(inputBox);
        report::setPrintFolder(printFolder.path());
        for (const char* file : {"ChargeSlip1.rpt", "CMSlip_2.rpt", "AdjustSlip_2.rpt"})
            ASSERT_TRUE(installShippedReport(platform.folders->program, QString::fromLatin1(file)));
        addItem(db(), {.itemId = QStringLiteral("SENIOR1"), .name = QStringLiteral("BIOGESIC"),
                       .description = QStringLiteral("500 MG TABLET"), .genericId = QStringLiteral("G-PARA"),
                       .genericName = QStringLiteral("PARACETAMOL"), .seniorDiscounted = true});
        addItem(db(), {.itemId = QStringLiteral("OTHER1"), .name = QStringLiteral("GAUZE"),
                       .description = QStringLiteral("4 X 4"), .genericId = QString(), .genericName = QString(),
                       .seniorDiscounted = false});
    }
    void TearDown() override {
        report::setPrintFolder(QString());
        ReleaseReportWindow();
        if (previousInputBox_)
            installInputBoxService(previousInputBox_);
        resetAll();
        DbTest::TearDown();
    }
    static void resetAll() {
        resetSession();
        resetHospitalSettings();
        resetSwitches();
        ClearWindowOpeners();
    }

    void post(const PostedLineSpec& line) {
        db().execute(QStringLiteral("INSERT INTO tbInvStockCard (RefNum, ItemID, IdNum, HospNum, SummaryCode, LocationID, "
                                    "TransDate, Quantity, Amount, CreditMemoNum, UserID, DosageID, TargetLocationID, "
                                    "DispenserCode, RevenueID) VALUES (?, ?, ?, ?, ?, '20', ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                     {line.refNum, line.itemId, line.idNum, line.hospNum, line.summaryCode, line.when, line.quantity,
                      line.amount, line.memo.isEmpty() ? QVariant() : QVariant(line.memo), line.userId, line.dosage,
                      line.station, line.dispenser, line.summaryCode});
    }

    QString cell(FlexGrid& grid, int row, int col) { return grid.textMatrix(row, col); }
    QStringList column(const QString& sql, const QVariantList& binds = {}) {
        QStringList values;
        for (Recordset rs = db().query(sql, binds); !rs.eof(); rs.moveNext()) {
            QStringList cells;
            for (int i = 0; i < rs.fieldCount(); ++i)
                cells << rs.text(rs.fieldName(i));
            values << cells.join(u'|');
        }
        return values;
    }
    QStringList userLog() { return column(QStringLiteral("SELECT Activity FROM tbInvUserLog ORDER BY LogID")); }
    // The texts of the print-outs made so far, in order of their files.
    QStringList printed() { return printedTexts(printFolder.path()); }
    int printOuts() { return int(QDir(printFolder.path()).entryList(QDir::Files).size()); }
    void clearPrintOuts() {
        QDir folder(printFolder.path());
        for (const QString& file : folder.entryList(QDir::Files))
            folder.remove(file);
    }
    void setPharmaSwitch(const QString& key, bool on) {
        db().execute(QStringLiteral("DELETE FROM tbPharmaSwitch WHERE IDKey = ?"), {key});
        db().execute(QStringLiteral("INSERT INTO tbPharmaSwitch (IDKey, KeyValue) VALUES (?, ?)"), {key, on ? 1 : 0});
        resetSwitches();
    }

    ScriptedPlatform platform;
    std::shared_ptr<ScriptedCurrentUser> login;
    std::shared_ptr<PostedListAdmissionPicker> admissions = std::make_shared<PostedListAdmissionPicker>();
    std::shared_ptr<ScriptedInputBox> inputBox = std::make_shared<ScriptedInputBox>();
    QTemporaryDir printFolder;

private:
    std::shared_ptr<InputBoxService> previousInputBox_;
};

} // namespace qx::test
