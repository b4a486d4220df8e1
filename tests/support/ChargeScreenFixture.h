#pragma once
#include "ScriptedPlatform.h"
#include "TestDatabase.h"
#include "platform/FlexGrid.h"
#include "shell/LoggedInFixture.h"
#include "shell/Session.h"
#include "shell/WindowOpeners.h"
#include "shell/frmShift.h"
#include "suite/CliniciansDoctor.h"
#include "suite/DrugCatalogComponent.h"

#include <QStringList>

namespace qx::test {

// A charging or request screen over a fresh database: employee 1234 logged in, our own drug and
// doctor components on it, and the session, settings, switches and window openers of a new
// program, reset again at the end. A fixture adds its patient components and pickers.
class ChargeScreenTest : public LoggedInTestOn<DbTest> {
protected:
    void SetUp() override {
        LoggedInTestOn::SetUp();
        if (IsSkipped())
            return;
        gEmployeeCode = QStringLiteral("1234");
        auto drug = std::make_shared<suite::DrugCatalogComponent>(provider());
        auto doctor = std::make_shared<suite::CliniciansDoctor>(provider());
        ASSERT_TRUE(drug->InitConnect(db().connectionString()));
        ASSERT_TRUE(doctor->InitConnection(db().connectionString()));
        gComponents.gDrug = drug;
        gComponents.gDoctor = doctor;
    }
    void resetProgramState() override {
        LoggedInTestOn::resetProgramState();
        ClearWindowOpeners();
        gLocationID.clear();
    }
    // False when the set-up stopped: the engine is not available or a component did not connect.
    bool ready() const { return !IsSkipped() && !HasFatalFailure(); }
    ConnectionProvider provider() { return [this] { return &db(); }; }

    void setPharmaSwitch(const QString& key, bool on) {
        db().execute(QStringLiteral("DELETE FROM tbPharmaSwitch WHERE IDKey = ?"), {key});
        db().execute(QStringLiteral("INSERT INTO tbPharmaSwitch (IDKey, KeyValue) VALUES (?, ?)"), {key, on ? 1 : 0});
    }
    void setInvSwitch(const QString& key, bool on) {
        db().execute(QStringLiteral("DELETE FROM tbInvSwitch WHERE IDKey = ?"), {key});
        db().execute(QStringLiteral("INSERT INTO tbInvSwitch (IDKey, KeyValue) VALUES (?, ?)"), {key, on ? 1 : 0});
    }
    // The texts of one column of a screen's grid, from the first line down.
    template <typename Form>
    static QStringList column(const Form& form, int col) {
        QStringList texts;
        for (int row = 1; row < form.grdItemList->rows(); ++row)
            texts << form.grdItemList->textMatrix(row, col);
        return texts;
    }

    ScriptedPlatform platform;
};

} // namespace qx::test
