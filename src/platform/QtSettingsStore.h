#pragma once
#include "components/PlatformServices.h"

namespace qx {

// Per-user settings in one file per application name under a folder of the user's
// configuration ("<folder>/<application>.ini", a group per section).
class QtSettingsStore : public SettingsStore {
public:
    // `folder` empty: the user's configuration folder for the program.
    explicit QtSettingsStore(QString folder = QString());

    QString get(const QString& application, const QString& section, const QString& key,
                const QString& defaultValue) override;
    void save(const QString& application, const QString& section, const QString& key,
              const QString& value) override;

    QString fileOf(const QString& application) const;

private:
    QString folder_;
};

} // namespace qx
