#pragma once
#include "frmEntryOPItemsFixture.h"

#include "charging/ChargeGrid.h"
#include "platform/FlexGrid.h"
#include "platform/KeyCodes.h"
#include "posting/clsEmployeeReg.h"
#include "posting/frmEmployee.h"
#include "posting/frmEmployeeList.h"
#include "charging/ChargeGridNavigation.h"
#include "charging/frmOverQty.h"
#include "charging/frmOverStock.h"
#include "suite/DoseFormsDosage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

namespace qx::test {

// The account picker, answering per kind and recording the kinds it was opened for.
class KindedAccountPicker : public AccountFirms::FirmList {
public:
    bool InitConnection(const QString&) override { return true; }
    QString ShowList(const QString& text, const std::optional<QString>& kind) override {
        asked << text + u':' + kind.value_or(QString());
        return kind == QStringLiteral("FB") ? fringeChoice : choice;
    }
    QStringList asked;
    QString choice, fringeChoice;
};

// The employee screen over a fresh database: a registered visit, a patient of the master file
// without one, employees of an "S" account and of an ordinary one, and a fringe-benefit account.
class frmEmployeeTest : public frmEntryOPTest {
protected:
    void SetUp() override {
        frmEntryOPTest::SetUp();
        if (IsSkipped())
            return;
        gComponents.gCompanyList = picker;
        gEmployeeReg().setOPD_ID(QString());
        addAccount(QStringLiteral("ACME"), QStringLiteral("ACME CORP"));
        addAccount(QStringLiteral("STAFF"), QStringLiteral("HOSPITAL STAFF"), QStringLiteral("S"));
        addAccount(QStringLiteral("FBCO"), QStringLiteral("FRINGE CO"));
        db().execute(QStringLiteral("UPDATE build_file.tbCoCompany SET FringeBenefit = 1, CreditLimit = 123456.5, "
                                    "DateEmployed = ? WHERE AccountNum = 'FBCO'"),
                     {QDateTime(QDate(2019, 6, 3), QTime(0, 0))});
        db().execute(QStringLiteral("UPDATE build_file.tbCoCompany SET CreditLimit = 5000 WHERE AccountNum = 'ACME'"));
        addOutPatientVisit(db(), {.accountNum = QStringLiteral("ACME")});
        addOutPatientVisit(db(), {.idNum = QStringLiteral("5002B"),
                                  .person = {.hospNum = QStringLiteral("H000202"), .lastName = QStringLiteral("SANTOS"),
                                             .firstName = QStringLiteral("ANA"), .middleName = QString()}});
        db().execute(QStringLiteral("DELETE FROM patient_data.tbOutPatient WHERE IDNum = '5002B'"));
        db().execute(QStringLiteral("UPDATE patient_data.tbMaster SET MasterAccountCode = 'STAFF' WHERE HospNum = 'H000202'"));
        db().execute(QStringLiteral("UPDATE patient_data.tbMaster SET MasterAccountCode = 'ACME' WHERE HospNum = 'H000101'"));
    }
    void TearDown() override {
        gEmployeeReg().setOPD_ID(QString());
        frmEntryOPTest::TearDown();
    }
    std::unique_ptr<frmEmployee> openEmployee() {
        auto form = std::make_unique<frmEmployee>();
        form->saveUserLog = [this](const QString& activity) { logged << activity; };
        form->Form_Load();
        showActive(form.get());
        return form;
    }
    void enter(frmEmployee& form, const QString& typed) {
        form.txtIDNum->setText(typed);
        int enterKey = keys::Return;
        form.txtIDNum_KeyPress(enterKey);
        QApplication::processEvents();
    }
    // What the employee list does when shown: the row of that hospital number registered, or closed.
    void employeeListDoes(const QString& hospNumToRegister) {
        platform.modal->onShow<frmEmployeeList>([hospNumToRegister](frmEmployeeList& list) {
            for (int row = 1; row < list.flexMSHList->rows() && !hospNumToRegister.isEmpty(); ++row)
                if (list.flexMSHList->textMatrix(row, 0) == hospNumToRegister) {
                    list.flexMSHList->setRow(row);
                    list.cmdRegister_Click();
                    return;
                }
            list.cmdCancel_Click();
        });
    }
    static QString banner(const frmEmployee& form) {
        QStringList parts;
        for (const QLabel* label : form.lblPatInfo)
            parts << label->text();
        return parts.join(u'|');
    }

    std::shared_ptr<KindedAccountPicker> picker = std::make_shared<KindedAccountPicker>();
};

// The employee screen on visit 5001A (account ACME) with items priced for employees: 1001
// (in 80, out 50, RateA 112, RateB 20, stock 10), 1002 senior-discounted, 1003 (50.00, stock 500),
// 2002 inactive, 3003 without stock, 4004 with a fixed employee price of 25, 5005 on the MDRP
// list at 1.25 with a fixed employee price too.
class frmEmployeeLinesTest : public frmEmployeeTest {
protected:
    void SetUp() override {
        frmEmployeeTest::SetUp();
        if (IsSkipped())
            return;
        gComponents.gDrugList = drugs;
        auto dosage = std::make_shared<suite::DoseFormsDosage>([this] { return &db(); });
        ASSERT_TRUE(dosage->InitConnection(db().connectionString()));
        gComponents.gDosage = dosage;
        gComponents.gDosageList = dosages;
        db().execute(QStringLiteral("INSERT INTO build_file.tbCoDosage (DosageID, Frequency) VALUES ('TID', 3)"));
        addItem(db(), {.itemId = "1001", .onHand = 10, .listCost = 25, .seniorDiscounted = false});
        addItem(db(), {.itemId = "1002", .name = "AMOXICILLIN", .genericId = "G2", .onHand = 10});
        addItem(db(), {.itemId = "1003", .name = "CEFALEXIN", .genericId = "G3", .onHand = 500, .seniorDiscounted = false});
        addItem(db(), {.itemId = "2002", .name = "ASPIRIN", .genericId = "G4", .itemStatus = 1});
        addItem(db(), {.itemId = "3003", .name = "INSULIN", .genericId = "G5", .onHand = 0, .seniorDiscounted = false});
        addItem(db(), {.itemId = "4004", .name = "SYRINGE", .genericId = "G6", .onHand = 50, .seniorDiscounted = false});
        addItem(db(), {.itemId = "5005", .name = "TB DRUG", .genericId = "G7", .onHand = 50, .isMDRP = true,
                       .mdrpPrice = 1.25, .seniorDiscounted = false});
        db().execute(QStringLiteral("UPDATE tbInvent SET SellingPriceIn = 80, SellingPriceOut = 50, RateA = 112, RateB = 20, "
                                    "MarkupIn = 5, MarkupOut = 30"));
        db().execute(QStringLiteral("UPDATE tbInvent SET SellingPriceIn = 50 WHERE ItemID = '1003'"));
        db().execute(QStringLiteral("UPDATE tbInvMaster SET FixedEmp = 25 WHERE ItemID IN ('4004', '5005')"));
    }
    void TearDown() override {
        form.reset();
        frmEmployeeTest::TearDown();
    }
    void openOn(const QString& visit = QStringLiteral("5001A")) {
        form = openEmployee();
        if (visit.isEmpty())
            return;
        picker->choice = QStringLiteral("ACME");
        platform.messages->answer(vbNo);
        enter(*form, visit);
        platform.messages->clear();
    }
    // Types the text into the editor over the cell and presses Enter.
    void type(int row, int col, const QString& text) {
        openEditorAt(*form->chargeGrid(), row, col);
        form->txtEntry()->setText(text);
        pressKey(form->txtEntry(), Qt::Key_Return, QStringLiteral("\r"));
        QApplication::processEvents();
    }
    QString cell(int row, int col) { return form->flexMSEntry->textMatrix(row, col); }
    QString lastMessage() { return platform.messages->boxes().empty() ? QString() : platform.messages->last().text; }
    void overStockAnswers(const QString& choice, const QString& logChoice) {
        platform.modal->onShow<frmOverStock>([choice, logChoice](frmOverStock& w) {
            w.setChoice(choice);
            w.setLogChoice(logChoice);
            w.close();
        });
    }
    void largeQuantityAnswers(int choice) {
        platform.modal->onShow<frmOverQty>([choice](frmOverQty& w) {
            w.setChoice(choice);
            w.close();
        });
    }
    int shownCount(const char* className) {
        return int(platform.modal->shown().count(QStringLiteral("qx::") + QString::fromLatin1(className)));
    }

    std::unique_ptr<frmEmployee> form;
    std::shared_ptr<OPScriptedDrugPicker> drugs = std::make_shared<OPScriptedDrugPicker>();
    std::shared_ptr<OPScriptedDosageList> dosages = std::make_shared<OPScriptedDosageList>();
};

} // namespace qx::test
