#pragma once
#include "Builders.h"
#include "ChargeScreenFixture.h"
#include "ScriptedPickers.h"
#include "ScriptedPlatform.h"
#include "TestDatabase.h"
#include "components/AccountFirms.h"
#include "components/OutpatientRecent.h"
#include "components/OutpatientRoster.h"
#include "platform/WidgetInput.h"
#include "posting/frmEntryOP.h"
#include "shell/HospitalSettings.h"
#include "shell/ScriptedSuite.h"
#include "shell/Session.h"
#include "shell/Switches.h"
#include "shell/frmShift.h"
#include "shell/WindowOpeners.h"
#include "suite/AccountFirmsFirm.h"
#include "suite/CliniciansDoctor.h"
#include "suite/DrugCatalogComponent.h"
#include "suite/OutpatientFileOPDPatient.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

namespace qx::test {

// The recent-visit picker, which also says whether the choice was a patient of the master record.
class PickedRecentVisit : public RecordingPicker<OutpatientRecent::RecentList> {
public:
    QString ShowList(const QString& text) override { return answer(text); }
    bool MasterOrRegistered() const override { return master; }
    bool master = false;
};

class PickedAccount : public RecordingPicker<AccountFirms::FirmList> {
public:
    QString ShowList(const QString& text, const std::optional<QString>&) override { return answer(text); }
};

// The out-patient posting screen over a fresh database with an employee logged in, our own
// visit, account, doctor and drug components, and scripted pickers.
class frmEntryOPTest : public ChargeScreenTest {
protected:
    void SetUp() override {
        ChargeScreenTest::SetUp();
        if (!ready())
            return;
        gLocationID = QStringLiteral("20");
        auto visit = std::make_shared<suite::OutpatientFileOPDPatient>(provider());
        auto company = std::make_shared<suite::AccountFirmsFirm>(provider());
        ASSERT_TRUE(visit->InitConnection(db().connectionString()));
        ASSERT_TRUE(company->InitConnection(db().connectionString()));
        gComponents.gOPDPatient = visit;
        gComponents.gCompany = company;
        gComponents.gOPDRecentList = recent;
        gComponents.gOPDList = roster;
        gComponents.gCompanyList = accounts;
        gComponents.gDoctorList = doctors;
    }

    // The screen as the main window opens it: loaded and shown, writing the user log to `logged`.
    std::unique_ptr<frmEntryOP> openScreen() {
        auto form = std::make_unique<frmEntryOP>();
        form->saveUserLog = [this](const QString& activity) { logged << activity; };
        form->Form_Load();
        showActive(form.get());
        return form;
    }
    // Types the visit into the OPD No. box and presses Enter there.
    void chooseVisit(frmEntryOP& form, const QString& typed) {
        form.txtIDNum->setFocus();
        form.txtIDNum->setText(typed);
        pressKey(form.txtIDNum, Qt::Key_Return, QStringLiteral("\r"));
        QApplication::processEvents();
    }
    // What either visit picker answers when shown, and whether that is a patient of the master record.
    void pickVisit(const QString& id, bool master) {
        recent->choice = roster->choice = id;
        recent->master = master;
    }
    void addAccount(const QString& account, const QString& name, const QString& klass = QString(), bool outPrice = false) {
        db().execute(QStringLiteral("INSERT INTO build_file.tbCoCompany (AccountNum, Company, Class, OutPrice) "
                                    "VALUES (?, ?, ?, ?)"),
                     {account, name, klass, int(outPrice)});
    }

    std::shared_ptr<PickedRecentVisit> recent = std::make_shared<PickedRecentVisit>();
    std::shared_ptr<PickedRosterVisit> roster = std::make_shared<PickedRosterVisit>();
    std::shared_ptr<PickedAccount> accounts = std::make_shared<PickedAccount>();
    std::shared_ptr<PickedDoctor> doctors = std::make_shared<PickedDoctor>();
    QStringList logged;
};

} // namespace qx::test
