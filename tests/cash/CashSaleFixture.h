#pragma once
#include "Builders.h"
#include "SourceTree.h"
#include "ScriptedPlatform.h"
#include "TestDatabase.h"
#include "cash/frmEntryCash.h"
#include "charging/ChargeGrid.h"
#include "charging/ChargeGridNavigation.h"
#include "components/DrugPicker.h"
#include "platform/FlexGrid.h"
#include "platform/Values.h"
#include "platform/WidgetInput.h"
#include "shell/HospitalSettings.h"
#include "shell/LoggedInFixture.h"
#include "shell/ScriptedSuite.h"
#include "shell/Session.h"
#include "shell/Switches.h"
#include "shell/WindowOpeners.h"
#include "shell/frmLogOff.h"
#include "shell/frmShift.h"
#include "suite/InpatientFilePatient.h"
#include "suite/TillCalendarCashDate.h"
#include "suite/TillNumbersCashNumbers.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <memory>

namespace qx::test {

// The drug picker of the cash sale: answers the next codes in turn ("" when none is left) and
// records what it was given.
class ScriptedSalePicker : public DrugPicker::DrugList {
public:
    bool InitConnection(const QString&) override { return true; }
    void setDrugsOrCsr(bool) override {}
    QString ShowList(const std::optional<QString>& search, const std::optional<QVariant>&, const std::optional<QString>&,
                     const std::optional<QString>& generic) override {
        searches << search.value_or(QStringLiteral("<none>"));
        generics << generic.value_or(QStringLiteral("<none>"));
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    QStringList answers;
    QStringList searches;
    QStringList generics;
};

// One transcribed line of a prescription.
struct TranscribedSpec {
    QString idNum = QStringLiteral("1001");
    QString roomId = QStringLiteral("301");
    QString genericId = QStringLiteral("501");
    QString genericName = QStringLiteral("PARACETAMOL");
    double quantity = 2;
    QString dosage = QStringLiteral("1 TAB TID");
    QString remarks;
    QString requestNum = QStringLiteral("TR000001");
    QString status;
};

inline void addTranscribed(Connection& c, const TranscribedSpec& t) {
    c.execute(QStringLiteral("INSERT INTO tbPharmaTranscription (RequestNum, RefNumber, IdNum, RoomID, RevenueID, GenericID, "
                             "GenericName, Quantity, Dosage, Remarks, RecordStatus) VALUES (?, 'TN1', ?, ?, 'PH', ?, ?, ?, ?, ?, ?)"),
              {t.requestNum, t.idNum, t.roomId, t.genericId, t.genericName, t.quantity, t.dosage, t.remarks, t.status});
}

// An item of the cash sale: stocked at the main pharmacy with its class letter.
inline void addSaleItem(Connection& c, const ItemSpec& item, const QString& drugClass = QStringLiteral("A")) {
    addItem(c, item);
    c.execute(QStringLiteral("UPDATE tbInvMaster SET DrugClass = ? WHERE ItemID = ?"), {drugClass, item.itemId});
}

// A fresh database with an employee logged in, the hospital's cash rates (senior 20, other 10),
// our own patient, cash-date and cash-number components, and a scripted drug picker.
template <typename Base>
class CashSaleTestOn : public LoggedInTestOn<Base> {
protected:
    using Base::db;

    void SetUp() override {
        LoggedInTestOn<Base>::SetUp();
        if (::testing::Test::IsSkipped())
            return;
        gEmployeeCode = QStringLiteral("E0001");
        gHostID = QStringLiteral("HOST1");
        gLocationID = QStringLiteral("20");
        const ConnectionProvider provider = [this] { return &db(); };
        auto patient = std::make_shared<suite::InpatientFilePatient>(provider);
        auto cashDate = std::make_shared<suite::TillCalendarCashDate>(provider);
        numbers = std::make_shared<suite::TillNumbersCashNumbers>(provider);
        ASSERT_TRUE(patient->InitConnect(db().connectionString()));
        ASSERT_TRUE(cashDate->InitConnection(db().connectionString()));
        ASSERT_TRUE(numbers->InitConnection(db().connectionString()));
        gComponents.gPatient = patient;
        gComponents.gCashDate = cashDate;
        gComponents.gCashNumbers = numbers;
        picker = std::make_shared<ScriptedSalePicker>();
        gComponents.gDrugList = picker;
        frmLogOff::Default().setEntered(true);
        setRates(20, 10);
    }
    void TearDown() override {
        form.reset();
        LoggedInTestOn<Base>::TearDown();
    }
    void resetProgramState() override {
        LoggedInTestOn<Base>::resetProgramState();
        ClearWindowOpeners();
    }

    void setRates(double senior, double other) {
        db().execute(QStringLiteral("DELETE FROM patient_data.tbHospitalInfo"));
        db().execute(QStringLiteral("INSERT INTO patient_data.tbHospitalInfo (SeniorDiscount, CashEmployeeDiscount) VALUES (?, ?)"),
                     {senior, other});
    }

    // The screen as the transcription command opens it: properties set, loaded, shown.
    frmEntryCash& open(const QString& idNum = QStringLiteral("1001"), const QString& roomId = QStringLiteral("301")) {
        form = std::make_unique<frmEntryCash>();
        form->setIDNum(idNum);
        form->setRoomID(roomId);
        form->Form_Load();
        showActive(form.get());
        QApplication::processEvents();
        return *form;
    }

    FlexGrid* grid() const { return form->flexMSEntry; }
    QString cell(int row, int col) const { return grid()->textMatrix(row, col); }

    // Copies the shipped receipt report into the program's Reports folder.
    void installReceiptReport() {
        QFile source(sourcePath(QStringLiteral("Reports/ORPrint.rpt")));
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        const QString folder = QDir(platform.folders->program).filePath(QStringLiteral("Reports"));
        QDir().mkpath(folder);
        QFile target(QDir(folder).filePath(QStringLiteral("ORPrint.rpt")));
        ASSERT_TRUE(target.open(QIODevice::WriteOnly | QIODevice::Truncate));
        target.write(source.readAll());
    }

    // Opens the editor on a cell, types the text and presses Enter.
    void enter(int row, int col, const QString& text) {
        openEditorAt(*form->chargeGrid(), row, col);
        form->txtEntry()->setText(text);
        pressKey(form->txtEntry(), Qt::Key_Return, QStringLiteral("\r"));
        QApplication::processEvents();
    }
    // Chooses the drug of a transcribed line from the picker.
    void choose(int row, const QString& itemId) {
        picker->answers << itemId;
        enter(row, frmEntryCash::colCode, cell(row, frmEntryCash::colCode));
    }

    ScriptedPlatform platform;
    std::shared_ptr<suite::TillNumbersCashNumbers> numbers;
    std::shared_ptr<ScriptedSalePicker> picker;
    std::unique_ptr<frmEntryCash> form;
};

using CashSaleTest = CashSaleTestOn<SqliteTest>;
using CashSaleBothEnginesTest = CashSaleTestOn<DbTest>;

} // namespace qx::test
