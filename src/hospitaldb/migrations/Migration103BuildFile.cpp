// BUILD_FILE: the hospital's reference files (companies, doctors, rooms, stations, codes).
#include "hospitaldb/Schema.h"

namespace qx::hospitaldb {
namespace {

// Company, doctor names and a room's station are shown by the pickers and patient banners.
const char* const kBuildFileTables = R"(
CREATE TABLE IF NOT EXISTS build_file.tbCoCompany (
    AccountNum TEXT NOT NULL PRIMARY KEY,
    Company TEXT,
    Class TEXT,
    CreditLimit {MONEY} DEFAULT 0,
    OutPrice INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE IF NOT EXISTS build_file.tbCoBusinessClass (
    Code TEXT NOT NULL PRIMARY KEY,
    Description TEXT,
    isMedicine INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE IF NOT EXISTS build_file.tbCoDoctor (
    doctorid TEXT NOT NULL PRIMARY KEY,
    LastName TEXT,
    FirstName TEXT,
    MiddleName TEXT,
    s2number TEXT,
    s2expiry {DATETIME}
);
CREATE TABLE IF NOT EXISTS build_file.tbCoRoom (
    RoomID TEXT NOT NULL PRIMARY KEY,
    RoomClassID TEXT,
    StationID TEXT
);
CREATE TABLE IF NOT EXISTS build_file.tbCoStation (
    StationID TEXT NOT NULL PRIMARY KEY,
    Station TEXT,
    Status TEXT
);
CREATE TABLE IF NOT EXISTS build_file.tbCoDiscountRates (
    DiscountCode TEXT NOT NULL,
    RevenueID TEXT NOT NULL,
    Rate {REAL} DEFAULT 0,
    ChargeAtCost INTEGER NOT NULL DEFAULT 0,
    PRIMARY KEY (DiscountCode, RevenueID)
);
CREATE TABLE IF NOT EXISTS build_file.tbCoRevenueCode (
    RevenueID TEXT NOT NULL PRIMARY KEY,
    ItemName TEXT,
    LGRP TEXT,
    CashierActive TEXT,
    PHActive TEXT,
    RecordStatus TEXT
);
CREATE TABLE IF NOT EXISTS build_file.tbDbImage (
    IDKey TEXT NOT NULL,
    FieldName TEXT NOT NULL,
    DbImage {BLOB},
    PRIMARY KEY (IDKey, FieldName)
)
)";

void createBuildFile(Connection& c) {
    ddl(c, QString::fromUtf8(kBuildFileTables));
    createIndex(c, QStringLiteral("build_file"), QStringLiteral("tbCoRoom"), QStringLiteral("ix_tbCoRoom_StationID"),
                QStringLiteral("StationID"));
}

const MigrationRegistration buildFileMigration{{103, QStringLiteral("BUILD_FILE tables"), createBuildFile}};

} // namespace
} // namespace qx::hospitaldb
