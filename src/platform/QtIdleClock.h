#pragma once
#include "components/PlatformServices.h"

#include <QElapsedTimer>
#include <QObject>

namespace qx {

// Time since the last key, mouse or wheel input to the program, on a monotonic 64-bit clock.
// Watches the application's events from the moment it is made.
class QtIdleClock : public QObject, public IdleClock {
public:
    QtIdleClock();
    ~QtIdleClock() override;
    qint64 idleMilliseconds() override { return sinceInput_.elapsed(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QElapsedTimer sinceInput_;
};

} // namespace qx
