#pragma once
#include "frmEntryFixture.h"
#include "frmEntryOPItemsFixture.h"

#include "charging/frmOverQty.h"
#include "posting/frmEntryMarkup.h"
#include "posting/frmEntryOPMarkUp.h"
#include "shell/frmDeletePassword.h"
#include "suite/InpatientFilePatient.h"

#include <QCheckBox>
#include <QLabel>

namespace qx::test {

// Both company-medicine screens over a fresh database: admission 1001 and visit 5001A (account
// ACME), the items of the out-patient item fixture, and item 8080 with a list cost of 80.
class CompanyMarkupTest : public frmEntryOPItemsTest {
protected:
    void SetUp() override {
        frmEntryOPItemsTest::SetUp();
        if (IsSkipped())
            return;
        const ConnectionProvider provider = [this] { return &db(); };
        auto patient = std::make_shared<suite::InpatientFilePatient>(provider);
        ASSERT_TRUE(patient->InitConnect(db().connectionString()));
        gComponents.gPatient = patient;
        gComponents.gInpatientList = admissions;
        gHostID = QStringLiteral("HOST1");
        gEmployeeName = QStringLiteral("JOSE C. REYES");
        addAdmittedPatient(db());
        addItem(db(), {.itemId = "8080", .name = "IBUPROFEN", .description = "400 MG", .genericId = "G8",
                       .onHand = 10, .priceOut = 50, .listCost = 80});
    }
    void TearDown() override {
        ip.reset();
        op.reset();
        frmEntryOPItemsTest::TearDown();
    }

    void openIP(const QString& admission = QStringLiteral("1001")) {
        ip = std::make_unique<frmEntryMarkup>();
        ip->Form_Load();
        showActive(ip.get());
        if (!admission.isEmpty())
            findIP(admission);
    }
    void findIP(const QString& admission) {
        ip->txtFind->setText(admission);
        ip->cmdFind->click();
        QApplication::processEvents();
    }
    void openOP(const QString& visit = QStringLiteral("5001A")) {
        op = std::make_unique<frmEntryOPMarkUp>();
        op->Form_Load();
        showActive(op.get());
        if (!visit.isEmpty())
            findOP(visit);
    }
    void findOP(const QString& visit) {
        op->txtHospNum->setFocus();
        op->txtHospNum->setText(visit);
        pressKey(op->txtHospNum, Qt::Key_Return, QStringLiteral("\r"));
        QApplication::processEvents();
    }
    // Types into the editor over the cell of the screen and presses Enter.
    void type(CompanyMarkupScreen& screen, int row, int col, const QString& text) {
        openEditorAt(*screen.chargeGrid(), row, col);
        screen.txtEntry()->setText(text);
        pressKey(screen.txtEntry(), Qt::Key_Return, QStringLiteral("\r"));
        QApplication::processEvents();
    }
    // A complete line: code, dosage, quantity.
    void line(CompanyMarkupScreen& screen, int row, const QString& code, const QString& quantity,
              const QString& dosage = QStringLiteral("TID")) {
        type(screen, row, CompanyMarkupScreen::colCode, code);
        type(screen, row, CompanyMarkupScreen::colDosage, dosage);
        type(screen, row, CompanyMarkupScreen::colQuantity, quantity);
    }
    static QString at(const CompanyMarkupScreen& screen, int row, int col) {
        return screen.flexMSEntry->textMatrix(row, col);
    }
    void supervisorAnswers(bool approve, const QString& id = QStringLiteral("9001")) {
        platform.modal->onShow<frmDeletePassword>([approve, id](frmDeletePassword& w) {
            w.setOKCharge(approve);
            w.setVerifyID(approve ? id : QString());
            w.close();
        });
    }
    void largeQuantityAnswers(int choice) {
        platform.modal->onShow<frmOverQty>([choice](frmOverQty& w) {
            w.setChoice(choice);
            w.close();
        });
    }
    QStringList messages() { return platform.messages->texts(); }

    std::shared_ptr<PickedAdmission> admissions = std::make_shared<PickedAdmission>();
    std::unique_ptr<frmEntryMarkup> ip;
    std::unique_ptr<frmEntryOPMarkUp> op;
};

} // namespace qx::test
