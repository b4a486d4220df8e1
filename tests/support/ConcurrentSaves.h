#pragma once
#include "TestDatabase.h"
#include "components/Connection.h"

#include <QStringList>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace qx::test {

// What workstations saving at once answered: every number their saves claimed, and how many
// saves failed.
struct ConcurrentSaves {
    QStringList numbers;
    int failures = 0;
};

// Runs `save` `savesEach` times on each of `workstations` connections of their own, all at once;
// a save answers the numbers it claimed, a save that throws counts as failed.
inline ConcurrentSaves saveConcurrently(const TestDatabase& db, int workstations, int savesEach,
                                        const std::function<QStringList(Connection&, int workstation)>& save) {
    std::vector<std::unique_ptr<Connection>> connections;
    for (int i = 0; i < workstations; ++i)
        connections.push_back(db.openAnother());
    ConcurrentSaves result;
    std::mutex lock;
    std::atomic<int> failures{0};
    std::vector<std::thread> threads;
    for (int i = 0; i < workstations; ++i)
        threads.emplace_back([&, i] {
            for (int n = 0; n < savesEach; ++n) {
                try {
                    const QStringList numbers = save(*connections[i], i);
                    std::lock_guard guard(lock);
                    result.numbers << numbers;
                } catch (...) {
                    ++failures;
                }
            }
        });
    for (std::thread& t : threads)
        t.join();
    result.failures = failures.load();
    return result;
}

// Sets one counter of the billing numbers (tbAssessmentNum's single row).
inline void setBillingCounter(Connection& c, const QString& column, qint64 value) {
    c.execute(QStringLiteral("UPDATE billing.tbAssessmentNum SET %1 = ? WHERE id = 1").arg(column), {value});
}

} // namespace qx::test
