#pragma once
#include "Builders.h"
#include "ChargeScreenFixture.h"
#include "ScriptedPickers.h"
#include "ScriptedPlatform.h"
#include "TestDatabase.h"
#include "components/IssueLedger.h"
#include "components/OutpatientRoster.h"
#include "components/SlipBook.h"
#include "platform/FlexGrid.h"
#include "platform/WidgetInput.h"
#include "charging/ChargeGrid.h"
#include "charging/ChargeGridNavigation.h"
#include "returns/ReturnScreen.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"
#include "shell/Switches.h"
#include "suite/InpatientFilePatient.h"
#include "suite/OutpatientFileOPDPatient.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

namespace qx::test {

class ReturnSlipPicker : public RecordingPicker<SlipBook::ChargeSlipList> {
public:
    QString ShowList(const QString& patientId, const QString& patientName) override {
        return answer(patientId + u'|' + patientName);
    }
};

// The issued-medicines picker: answers the next scripted issue (nothing left: cancelled) and
// records each call as "slip:<patient>|<slip>|<name>" or "drugs:<patient>".
class ReturnIssuePicker : public IssueLedger::IssuedMedicines {
public:
    struct Issue {
        QString code;
        double quantity = 0;
        QString slip;
    };
    bool InitConnection(const QString&) override { return true; }
    QString ShowList(const QString& patientId, const QString& chargeSlip, const QString& patientName) override {
        calls << QStringLiteral("slip:") + patientId + u'|' + chargeSlip + u'|' + patientName;
        return take();
    }
    QString ListIssuedbyDrugs(const QString& patientId) override {
        calls << QStringLiteral("drugs:") + patientId;
        return take();
    }
    double IssuedQuantity() const override { return current.quantity; }
    QString Chargeslip() const override { return current.slip; }

    QList<Issue> answers;
    QStringList calls;
    Issue current;

private:
    QString take() {
        current = answers.isEmpty() ? Issue{} : answers.takeFirst();
        return current.code;
    }
};

// The return screens over a fresh database: admission 1001 (DELA CRUZ, station 3F, room 301) and
// visit 5001A (REYES, MARIA LOPEZ), both issued PARA500 (2 at 62.75 under CS0001) and AMOX500 (3
// at 12.00 under CS0002); our own patient, drug and doctor components, scripted pickers.
class ReturnScreenTest : public ChargeScreenTest {
protected:
    void SetUp() override {
        ChargeScreenTest::SetUp();
        if (!ready())
            return;
        gLocationID = QStringLiteral("20");
        auto patient = std::make_shared<suite::InpatientFilePatient>(provider());
        auto visit = std::make_shared<suite::OutpatientFileOPDPatient>(provider());
        ASSERT_TRUE(patient->InitConnect(db().connectionString()));
        ASSERT_TRUE(visit->InitConnection(db().connectionString()));
        gComponents.gPatient = patient;
        gComponents.gOPDPatient = visit;
        gComponents.gInpatientList = admissions;
        gComponents.gOPDList = visits;
        gComponents.gDoctorList = doctors;
        gComponents.gIssuedMedicines = issues;
        gComponents.gChargeSlipList = slips;
        addAdmittedPatient(db());
        addOutPatientVisit(db());
        addItem(db());
        addItem(db(), {.itemId = QStringLiteral("AMOX500"), .name = QStringLiteral("AMOXICILLIN"),
                       .description = QStringLiteral("500 MG CAP"), .genericId = QStringLiteral("G-AMOX"),
                       .genericName = QStringLiteral("AMOXICILLIN"), .onHand = 40, .priceIn = 14.5});
        db().execute(QStringLiteral("UPDATE tbInvMaster SET BrandName = 'BIOGESIC' WHERE ItemID = 'PARA500'"));
        for (const char* patientId : {"1001", "5001A"}) {
            issue(QString::fromLatin1(patientId), QStringLiteral("PARA500"), QStringLiteral("CS0001"), 2, 125.5);
            issue(QString::fromLatin1(patientId), QStringLiteral("AMOX500"), QStringLiteral("CS0002"), 3, 36);
        }
    }

    void issue(const QString& patientId, const QString& item, const QString& slip, double quantity, double amount) {
        db().execute(QStringLiteral("INSERT INTO tbInvStockCard (RefNum, ItemID, IdNum, SummaryCode, LocationID, TransDate, "
                                    "Quantity, Amount) VALUES (?, ?, ?, 'PH', '20', ?, ?, ?)"),
                     {slip, item, patientId, QDateTime(QDate(2026, 1, 5), QTime(10, 0)), quantity, amount});
    }

    template <typename Form>
    std::unique_ptr<Form> open(qint16 mode = ReturnScreen::kReturn) {
        auto form = std::make_unique<Form>();
        form->setReturnOrAdjustment(mode);
        form->Form_Load();
        showActive(form.get());
        return form;
    }
    // Types the number into the find box and presses Enter there.
    void find(ReturnScreen& form, const QString& number) {
        form.txtFind->setText(number);
        form.txtFind->setFocus();
        pressKey(form.txtFind, Qt::Key_Return, QStringLiteral("\r"));
        QApplication::processEvents();
    }
    // Row texts of the given columns, joined by "|".
    static QString line(const ReturnScreen& form, int row, std::initializer_list<int> cols) {
        QStringList cells;
        for (int col : cols)
            cells << form.flexMSEntry->textMatrix(row, col);
        return cells.join(u'|');
    }
    // The in-patient form with admission 1001, or the out-patient form with visit 5001A.
    std::unique_ptr<ReturnScreen> loaded(bool inPatient, qint16 mode = ReturnScreen::kReturn) {
        std::unique_ptr<ReturnScreen> form;
        if (inPatient)
            form = open<frmReturn>(mode);
        else
            form = open<frmReturnOP>(mode);
        find(*form, inPatient ? QStringLiteral("1001") : QStringLiteral("5001A"));
        return form;
    }
    // The look-up button on a cell, answered by the scripted pickers.
    void lookUpAt(ReturnScreen& form, int row, int col) {
        openEditorAt(*form.chargeGrid(), row, col);
        form.cmdEntry()->click();
        QApplication::processEvents();
    }
    // Enter on a cell with the given editor text.
    void commitAt(ReturnScreen& form, int row, int col, const QString& text) {
        openEditorAt(*form.chargeGrid(), row, col);
        form.chargeGrid()->setEditorText(text);
        pressInEditor(*form.chargeGrid(), Qt::Key_Return);
    }
    // Slip and medicine on an in-patient line.
    void takeBack(ReturnScreen& form, int row, const QString& slip, const QString& code, double issued) {
        slips->choice = slip;
        lookUpAt(form, row, ReturnScreen::colChargeSlip);
        issues->answers = {{code, issued, slip}};
        lookUpAt(form, row, ReturnScreen::colCode);
    }
    DrugCatalog::ChargeslipNumbers& numbers() { return gComponents.gDrug->Drug().Chargeslip(); }

    std::shared_ptr<PickedAdmission> admissions = std::make_shared<PickedAdmission>();
    std::shared_ptr<PickedRosterVisit> visits = std::make_shared<PickedRosterVisit>();
    std::shared_ptr<PickedDoctor> doctors = std::make_shared<PickedDoctor>();
    std::shared_ptr<ReturnIssuePicker> issues = std::make_shared<ReturnIssuePicker>();
    std::shared_ptr<ReturnSlipPicker> slips = std::make_shared<ReturnSlipPicker>();
};

} // namespace qx::test
