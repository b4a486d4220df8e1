#include "components/StatementCache.h"

namespace qx {

QSqlQuery* StatementCache::find(const QString& sql) {
    const auto found = index_.constFind(sql);
    if (found == index_.constEnd())
        return nullptr;
    entries_.splice(entries_.begin(), entries_, found.value());
    return &entries_.front().second;
}

QSqlQuery& StatementCache::insert(const QString& sql, QSqlQuery&& statement, int* dropped) {
    remove(sql);
    while (!entries_.empty() && size() >= capacity_) {
        index_.remove(entries_.back().first);
        entries_.pop_back();
        if (dropped)
            ++*dropped;
    }
    entries_.emplace_front(sql, std::move(statement));
    index_.insert(sql, entries_.begin());
    return entries_.front().second;
}

void StatementCache::remove(const QString& sql) {
    const auto found = index_.find(sql);
    if (found == index_.end())
        return;
    entries_.erase(found.value());
    index_.erase(found);
}

int StatementCache::clear() {
    const int n = size();
    index_.clear();
    entries_.clear();
    return n;
}

} // namespace qx
