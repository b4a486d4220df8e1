#pragma once
#include "ScriptedMessageBoxService.h"
#include "ScriptedModalService.h"
#include "components/PlatformServices.h"

#include <QTemporaryDir>
#include <map>
#include <memory>
#include <vector>

namespace qx {

// Keystrokes for tests: recorded, not delivered.
class ScriptedKeySender : public KeySender {
public:
    struct Sent { QString keys; bool wait; };
    void send(const QString& keys, bool wait) override { sent_.push_back({keys, wait}); }
    const std::vector<Sent>& sent() const { return sent_; }
    QStringList keys() const;

private:
    std::vector<Sent> sent_;
};

// Per-user settings held in memory for one test.
class ScriptedSettingsStore : public SettingsStore {
public:
    QString get(const QString& application, const QString& section, const QString& key,
                const QString& defaultValue) override;
    void save(const QString& application, const QString& section, const QString& key,
              const QString& value) override;
    bool contains(const QString& application, const QString& section, const QString& key) const;

private:
    static QString path(const QString& application, const QString& section, const QString& key);
    std::map<QString, QString> values_;
};

class ScriptedInstanceGuard : public InstanceGuard {
public:
    bool previousInstance() override { ++asked_; return otherRunning; }
    bool otherRunning = false;
    int asked() const { return asked_; }

private:
    int asked_ = 0;
};

class ScriptedIdleClock : public IdleClock {
public:
    qint64 idleMilliseconds() override { return idleMs; }
    qint64 idleMs = 0;
};

// A program folder and a documents folder of the test's own, removed after it.
class ScriptedFolders : public Folders {
public:
    ScriptedFolders();
    QString programFolder() override { return program; }
    QString documentsFolder() override { return documents; }
    QString program;
    QString documents;

private:
    QTemporaryDir root_;
};

class ScriptedWaitCursor : public WaitCursor {
public:
    void setBusy(bool busy) override { busy_ = busy; changes_.push_back(busy); }
    bool isBusy() const override { return busy_; }
    // Every change, in order (true = hourglass).
    const std::vector<bool>& changes() const { return changes_; }

private:
    bool busy_ = false;
    std::vector<bool> changes_;
};

class ScriptedProgramEnd : public ProgramEnd {
public:
    void end(int exitCode) override { ++ended_; lastExitCode_ = exitCode; }
    int ended() const { return ended_; }
    int lastExitCode() const { return lastExitCode_; }

private:
    int ended_ = 0;
    int lastExitCode_ = 0;
};

// Every platform service as a scripted double, installed for the life of this object:
//   ScriptedPlatform platform;
//   platform.messages->answer(vbYes);
//   ... run the screen ...
//   EXPECT_EQ(platform.messages->last().text, "Save this request?");
class ScriptedPlatform {
public:
    ScriptedPlatform();
    ~ScriptedPlatform();
    ScriptedPlatform(const ScriptedPlatform&) = delete;
    ScriptedPlatform& operator=(const ScriptedPlatform&) = delete;

    std::shared_ptr<ScriptedMessageBoxService> messages = std::make_shared<ScriptedMessageBoxService>();
    std::shared_ptr<ScriptedModalService> modal = std::make_shared<ScriptedModalService>();
    std::shared_ptr<ScriptedKeySender> keys = std::make_shared<ScriptedKeySender>();
    std::shared_ptr<ScriptedSettingsStore> settings = std::make_shared<ScriptedSettingsStore>();
    std::shared_ptr<ScriptedInstanceGuard> instance = std::make_shared<ScriptedInstanceGuard>();
    std::shared_ptr<ScriptedIdleClock> idle = std::make_shared<ScriptedIdleClock>();
    std::shared_ptr<ScriptedFolders> folders = std::make_shared<ScriptedFolders>();
    std::shared_ptr<ScriptedWaitCursor> cursor = std::make_shared<ScriptedWaitCursor>();
    std::shared_ptr<ScriptedProgramEnd> programEnd = std::make_shared<ScriptedProgramEnd>();

private:
    PlatformServices previous_;
};

} // namespace qx
