#pragma once
// What the main window's benches share: a fresh database seeded by the bench, then the user
// logged in and the in-patient component connected to it, as the program has them when the main
// window opens.
#include "BenchSupport.h"
#include "TestDatabase.h"
#include "shell/ScriptedSuite.h"
#include "shell/Session.h"
#include "suite/InpatientFilePatient.h"

#include <QElapsedTimer>
#include <cstdio>
#include <functional>
#include <memory>

namespace qx::bench {

class SeededSession {
public:
    // Seeds through `seed` and prints how long it took after `name`.
    SeededSession(Engine engine, const char* name, const std::function<void(Connection&)>& seed) : database_(engine) {
        Connection& c = database_.connection();
        QElapsedTimer seeding;
        seeding.start();
        seed(c);
        std::printf("%s: seeded in %.1f s\n", name, double(seeding.elapsed()) / 1000.0);
        auto login = std::make_shared<test::ScriptedCurrentUser>(c);
        login->ShowMain();
        gComponents.gCurrentUser = login;
        auto patient = std::make_shared<suite::InpatientFilePatient>([&c] { return &c; });
        patient->InitConnect(c.connectionString());
        gComponents.gPatient = patient;
    }
    ~SeededSession() {
        gComponents.gPatient.reset();
        gComponents.gCurrentUser.reset();
    }
    SeededSession(const SeededSession&) = delete;
    SeededSession& operator=(const SeededSession&) = delete;

    Connection& connection() { return database_.connection(); }

private:
    test::TestDatabase database_;
};

} // namespace qx::bench
