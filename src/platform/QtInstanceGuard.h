#pragma once
#include "components/PlatformServices.h"

#include <QLockFile>
#include <memory>

namespace qx {

// One running program per user on the workstation, by a lock file that this instance holds for
// its whole run. A lock left by a program that has died is taken over.
class QtInstanceGuard : public InstanceGuard {
public:
    // `lockFile` empty: "quillax-<user>.lock" in the temporary folder.
    explicit QtInstanceGuard(QString lockFile = QString());
    bool previousInstance() override;

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

} // namespace qx
