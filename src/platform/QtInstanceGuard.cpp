#include "platform/QtInstanceGuard.h"

#include <QDir>

namespace qx {

QtInstanceGuard::QtInstanceGuard(QString lockFile) : path_(std::move(lockFile)) {
    if (path_.isEmpty()) {
        QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
        user.replace(u'/', u'_').replace(u'\\', u'_');
        path_ = QDir(QDir::tempPath()).filePath(QStringLiteral("quillax-%1.lock").arg(user));
    }
}

bool QtInstanceGuard::previousInstance() {
    if (lock_)
        return false;
    auto lock = std::make_unique<QLockFile>(path_);
    // Held for the whole run: never stale by age, only when its program has died.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        lock_ = std::move(lock);
        return false;
    }
    return lock->error() == QLockFile::LockFailedError;
}

} // namespace qx
