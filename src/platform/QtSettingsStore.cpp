#include "platform/QtSettingsStore.h"
#include "components/AppError.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace qx {

QtSettingsStore::QtSettingsStore(QString folder) : folder_(std::move(folder)) {
    if (folder_.isEmpty())
        folder_ = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                  + QStringLiteral("/Quillax/Program Settings");
}

QString QtSettingsStore::fileOf(const QString& application) const {
    return QDir(folder_).filePath(application + QStringLiteral(".ini"));
}

QString QtSettingsStore::get(const QString& application, const QString& section, const QString& key,
                             const QString& defaultValue) {
    QSettings settings(fileOf(application), QSettings::IniFormat);
    settings.beginGroup(section);
    return settings.value(key, defaultValue).toString();
}

void QtSettingsStore::save(const QString& application, const QString& section, const QString& key,
                           const QString& value) {
    QDir().mkpath(folder_);
    QSettings settings(fileOf(application), QSettings::IniFormat);
    settings.beginGroup(section);
    settings.setValue(key, value);
    settings.endGroup();
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw AppError(75, QStringLiteral("prjQuillax.Settings"), // path/file access error
                       QStringLiteral("The setting %1 could not be saved in %2.").arg(key, fileOf(application)));
}

} // namespace qx
