#include "TestDatabase.h"
#include "components/AppError.h"
#include "hospitaldb/Schema.h"

#include <QCoreApplication>
#include <QUuid>

namespace qx::test {

namespace {
QString adminUrl() { return qEnvironmentVariable("QUILLAX_TEST_PG"); }

void adminExec(const QString& sql) {
    auto admin = Connection::open(adminUrl());
    admin->executeScript(sql);
}
} // namespace

bool TestDatabase::postgresAvailable() { return !adminUrl().isEmpty(); }

TestDatabase::TestDatabase(Engine engine, bool demo) : engine_(engine) {
    if (engine == Engine::SQLite) {
        dir_ = std::make_unique<QTemporaryDir>();
        url_ = QStringLiteral("sqlite:") + dir_->path();
    } else {
        pgName_ = QStringLiteral("qxt_") + QUuid::createUuid().toString(QUuid::Id128).left(20);
        const QString tmpl = qEnvironmentVariable("QUILLAX_TEST_PG_TEMPLATE");
        adminExec(tmpl.isEmpty() ? QStringLiteral("CREATE DATABASE ") + pgName_
                                 : QStringLiteral("CREATE DATABASE %1 TEMPLATE %2").arg(pgName_, tmpl));
        url_ = DatabaseUrl::parse(adminUrl()).withDatabase(pgName_).toString();
    }
    conn_ = Connection::open(url_);
    conn_->setHostId(QStringLiteral("TESTHOST"));
    hospitaldb::migrate(*conn_);
    if (demo)
        hospitaldb::fillDemo(*conn_);
}

TestDatabase::~TestDatabase() {
    conn_.reset();
    if (!pgName_.isEmpty()) {
        try {
            adminExec(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(pgName_));
        } catch (const AppError&) {
        }
    }
}

std::unique_ptr<Connection> TestDatabase::openAnother() const {
    auto c = Connection::open(url_);
    c->setHostId(QStringLiteral("OTHERHOST"));
    return c;
}

void DbTest::SetUp() {
    if (GetParam() == Engine::PostgreSQL && !TestDatabase::postgresAvailable()) {
        // Fixtures derived from this one go on with their own set-up after a skip; a throwaway
        // SQLite file gives them a database to do it on, and the skipped test body never runs.
        tdb_ = std::make_unique<TestDatabase>(Engine::SQLite, withDemo());
        GTEST_SKIP() << "PostgreSQL not available: set QUILLAX_TEST_PG (scripts/test does)";
    }
    tdb_ = std::make_unique<TestDatabase>(GetParam(), withDemo());
}

} // namespace qx::test
