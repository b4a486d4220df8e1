#pragma once
#include "ScriptedPlatform.h"
#include "TestDatabase.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"
#include "shell/Switches.h"

namespace qx::test {

// A fresh database per test with the process-wide settings, switches and session as a new
// program has them, and scripted platform services.
class ShellTest : public DbTest {
protected:
    void SetUp() override {
        resetAll();
        DbTest::SetUp();
    }
    void TearDown() override {
        resetAll();
        DbTest::TearDown();
    }
    static void resetAll() {
        resetSession();
        resetHospitalSettings();
        resetSwitches();
    }
    void setPharmaSwitch(const QString& key, const QVariant& value) {
        db().execute(QStringLiteral("DELETE FROM tbPharmaSwitch WHERE IDKey = ?"), {key});
        db().execute(QStringLiteral("INSERT INTO tbPharmaSwitch (IDKey, KeyValue) VALUES (?, ?)"), {key, value});
    }
    void setInvSwitch(const QString& key, const QVariant& value) {
        db().execute(QStringLiteral("DELETE FROM tbInvSwitch WHERE IDKey = ?"), {key});
        db().execute(QStringLiteral("INSERT INTO tbInvSwitch (IDKey, KeyValue) VALUES (?, ?)"), {key, value});
    }

    ScriptedPlatform platform;
};

} // namespace qx::test
