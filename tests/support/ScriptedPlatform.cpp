#include "ScriptedPlatform.h"

#include <QDir>

namespace qx {

QStringList ScriptedKeySender::keys() const {
    QStringList list;
    for (const Sent& s : sent_)
        list << s.keys;
    return list;
}

QString ScriptedSettingsStore::path(const QString& application, const QString& section, const QString& key) {
    return application + u'\x1f' + section + u'\x1f' + key;
}

QString ScriptedSettingsStore::get(const QString& application, const QString& section, const QString& key,
                                   const QString& defaultValue) {
    const auto it = values_.find(path(application, section, key));
    return it == values_.end() ? defaultValue : it->second;
}

void ScriptedSettingsStore::save(const QString& application, const QString& section, const QString& key,
                                 const QString& value) {
    values_[path(application, section, key)] = value;
}

bool ScriptedSettingsStore::contains(const QString& application, const QString& section,
                                     const QString& key) const {
    return values_.count(path(application, section, key)) > 0;
}

ScriptedFolders::ScriptedFolders() {
    QDir dir(root_.path());
    dir.mkpath(QStringLiteral("program"));
    dir.mkpath(QStringLiteral("documents"));
    program = dir.filePath(QStringLiteral("program"));
    documents = dir.filePath(QStringLiteral("documents"));
}

ScriptedPlatform::ScriptedPlatform()
    : previous_(installPlatformServices(
          PlatformServices{messages, modal, keys, settings, instance, idle, folders, cursor, programEnd})) {}

ScriptedPlatform::~ScriptedPlatform() { installPlatformServices(std::move(previous_)); }

} // namespace qx
