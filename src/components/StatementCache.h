#pragma once
#include <QHash>
#include <QSqlQuery>
#include <QString>
#include <list>
#include <utility>

namespace qx {

// The prepared statements of one connection by statement text, at most `capacity` of them; the
// least recently used is dropped first. A statement is owned here and lives no longer than the
// cache, so the connection frees them all before it closes.
class StatementCache {
public:
    explicit StatementCache(int capacity) : capacity_(capacity) {}
    StatementCache(const StatementCache&) = delete;
    StatementCache& operator=(const StatementCache&) = delete;

    // The statement prepared for `sql`, marked most recently used; nullptr when none is kept.
    QSqlQuery* find(const QString& sql);
    // Keeps a prepared statement as the most recently used, dropping the least recently used one
    // when full (counted in *dropped: each costs the server a deallocation).
    QSqlQuery& insert(const QString& sql, QSqlQuery&& statement, int* dropped = nullptr);
    // Drops one statement, e.g. after its preparation proved useless.
    void remove(const QString& sql);
    // Drops every statement; returns how many there were.
    int clear();

    int size() const { return static_cast<int>(entries_.size()); }
    int capacity() const { return capacity_; }

private:
    using Entries = std::list<std::pair<QString, QSqlQuery>>;
    int capacity_;
    Entries entries_;  // most recently used first
    QHash<QString, Entries::iterator> index_;
};

} // namespace qx
