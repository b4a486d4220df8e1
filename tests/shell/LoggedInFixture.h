#pragma once
#include "ScriptedSuite.h"
#include "shell/HospitalSettings.h"
#include "shell/Session.h"
#include "shell/Switches.h"

#include <memory>

namespace qx::test {

// A fresh database with an employee logged in through a scripted login component, and the
// session, hospital settings and switches of a new program, reset again at the end. On SqliteTest, or on DbTest for both engines; `Login` is the login double.
template <typename Base, typename Login = ScriptedCurrentUser>
class LoggedInTestOn : public Base {
protected:
    using Base::db;

    void SetUp() override {
        resetProgramState();
        Base::SetUp();
        if (::testing::Test::IsSkipped())
            return;
        login = std::make_shared<Login>(db());
        login->ShowMain();
        gComponents.gCurrentUser = login;
    }
    void TearDown() override {
        gComponents.gCurrentUser.reset();
        resetProgramState();
        Base::TearDown();
    }
    // What each test starts from and leaves behind; a fixture adds the state of its own windows.
    virtual void resetProgramState() {
        resetSession();
        resetHospitalSettings();
        resetSwitches();
    }

    std::shared_ptr<Login> login;
};

} // namespace qx::test
