#include "TestDatabase.h"
#include "components/AppError.h"
#include "hospitaldb/Schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QUuid>
#include <stdexcept>

namespace qx::test {

namespace {
QString adminUrl() { return qEnvironmentVariable("QUILLAX_TEST_PG"); }

void adminExec(const QString& sql) {
    auto admin = Connection::open(adminUrl());
    admin->executeScript(sql);
}

// Migrating a fresh set of SQLite files runs hundreds of statements, each with its own journal
// file: most of a database test's time. The first database of each kind (empty, demo) a test
// program makes is migrated and then copied aside; later ones start as copies of it.
std::unique_ptr<QTemporaryDir>& sqliteTemplate(bool demo) {
    static std::unique_ptr<QTemporaryDir> folders[2];
    return folders[demo ? 1 : 0];
}

void copySqliteFiles(const QString& from, const QString& to) {
    const QDir source(from);
    for (const QString& file : source.entryList(QDir::Files)) {
        if (!QFile::copy(source.filePath(file), QDir(to).filePath(file)))
            throw std::runtime_error("cannot copy the test database file " + file.toStdString());
    }
}
} // namespace

bool TestDatabase::postgresAvailable() { return !adminUrl().isEmpty(); }

TestDatabase::TestDatabase(Engine engine, bool demo) : engine_(engine) {
    auto& sqliteSaved = sqliteTemplate(demo);
    const bool copied = engine == Engine::SQLite && sqliteSaved;
    if (engine == Engine::SQLite) {
        dir_ = std::make_unique<QTemporaryDir>();
        url_ = QStringLiteral("sqlite:") + dir_->path();
        if (copied)
            copySqliteFiles(sqliteSaved->path(), dir_->path());
    } else {
        pgName_ = QStringLiteral("qxt_") + QUuid::createUuid().toString(QUuid::Id128).left(20);
        const QString tmpl = qEnvironmentVariable("QUILLAX_TEST_PG_TEMPLATE");
        // A file copy of the small template is twice as fast as the default copy through the
        // write-ahead log, whose safety a throwaway database does not need.
        adminExec(tmpl.isEmpty() ? QStringLiteral("CREATE DATABASE ") + pgName_
                                 : QStringLiteral("CREATE DATABASE %1 TEMPLATE %2 STRATEGY FILE_COPY")
                                       .arg(pgName_, tmpl));
        url_ = DatabaseUrl::parse(adminUrl()).withDatabase(pgName_).toString();
    }
    conn_ = Connection::open(url_);
    conn_->setHostId(QStringLiteral("TESTHOST"));
    if (copied)
        return;
    hospitaldb::migrate(*conn_);
    if (demo)
        hospitaldb::fillDemo(*conn_);
    if (engine == Engine::SQLite) {
        // No transaction is open here, so the files on disk are whole.
        auto saved = std::make_unique<QTemporaryDir>();
        copySqliteFiles(dir_->path(), saved->path());
        sqliteSaved = std::move(saved);
    }
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
