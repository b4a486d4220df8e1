#pragma once
#include "components/Connection.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace qx::test {

// A fresh, migrated set of hospital databases that lives as long as the object: a temporary
// folder of SQLite files, or a PostgreSQL database of its own (copied from the template that
// scripts/test prepares, when there is one) dropped at the end.
class TestDatabase {
public:
    explicit TestDatabase(Engine engine, bool demo = false);
    ~TestDatabase();
    Connection& connection() { return *conn_; }
    // Another connection to the same databases, as a second workstation would have.
    std::unique_ptr<Connection> openAnother() const;
    const QString& url() const { return url_; }

    // Whether PostgreSQL tests can run here (QUILLAX_TEST_PG names the server).
    static bool postgresAvailable();

private:
    Engine engine_;
    std::unique_ptr<QTemporaryDir> dir_;
    QString pgName_;
    QString url_;
    std::unique_ptr<Connection> conn_;
};

inline std::string engineName(const ::testing::TestParamInfo<Engine>& info) {
    return info.param == Engine::SQLite ? "SQLite" : "PostgreSQL";
}

// Base of tests that run once per engine: TEST_P(MyTest, ...) then QX_ON_BOTH_ENGINES(MyTest).
class DbTest : public ::testing::TestWithParam<Engine> {
protected:
    void SetUp() override;
    void TearDown() override { tdb_.reset(); }
    Connection& db() { return tdb_->connection(); }
    TestDatabase& testDatabase() { return *tdb_; }
    virtual bool withDemo() const { return false; }

private:
    std::unique_ptr<TestDatabase> tdb_;
};

// Base of tests that need one database and don't care which engine.
class SqliteTest : public ::testing::Test {
protected:
    void SetUp() override { tdb_ = std::make_unique<TestDatabase>(Engine::SQLite); }
    void TearDown() override { tdb_.reset(); }
    Connection& db() { return tdb_->connection(); }
    TestDatabase& testDatabase() { return *tdb_; }

private:
    std::unique_ptr<TestDatabase> tdb_;
};

} // namespace qx::test

#define QX_ON_BOTH_ENGINES(Suite)                                                                  \
    INSTANTIATE_TEST_SUITE_P(Engines, Suite,                                                       \
                             ::testing::Values(::qx::Engine::SQLite, ::qx::Engine::PostgreSQL),    \
                             ::qx::test::engineName)
