#pragma once
#include "Builders.h"
#include "ChargeScreenFixture.h"
#include "ScriptedPickers.h"
#include "ScriptedPlatform.h"
#include "TestDatabase.h"
#include "platform/WidgetInput.h"
#include "posting/frmEntry.h"
#include "shell/HospitalSettings.h"
#include "shell/ScriptedSuite.h"
#include "shell/Session.h"
#include "shell/Switches.h"
#include "shell/WindowOpeners.h"
#include "suite/CliniciansDoctor.h"
#include "suite/DrugCatalogComponent.h"
#include "suite/InpatientFilePatient.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

namespace qx::test {

// The in-patient posting screen over a fresh database, with an employee logged in and our own
// patient, drug and doctor components on it; the two pickers are scripted.
class frmEntryTest : public ChargeScreenTest {
protected:
    void SetUp() override {
        ChargeScreenTest::SetUp();
        if (!ready())
            return;
        auto patient = std::make_shared<suite::InpatientFilePatient>(provider());
        ASSERT_TRUE(patient->InitConnect(db().connectionString()));
        gComponents.gPatient = patient;
        gComponents.gInpatientList = admissions;
        gComponents.gDoctorList = doctors;
    }

    // The screen as the main window opens it: loaded and shown.
    std::unique_ptr<frmEntry> openScreen() {
        auto form = std::make_unique<frmEntry>();
        form->Form_Load();
        showActive(form.get());
        return form;
    }
    // Types the admission into the patient box and presses the find button.
    void find(frmEntry& form, const QString& admission) {
        form.txtFind->setText(admission);
        form.cmdFind->click();
        QApplication::processEvents();
    }
    std::shared_ptr<PickedAdmission> admissions = std::make_shared<PickedAdmission>();
    std::shared_ptr<PickedDoctor> doctors = std::make_shared<PickedDoctor>();
};

} // namespace qx::test
