#pragma once
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace qx {

// Message-box style: one button set + one icon + one default button, added together as the
// screens write them (vbYesNo + vbQuestion + vbDefaultButton2).
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton1 = 0,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
    vbApplicationModal = 0,
    vbSystemModal = 4096,
};

enum MsgBoxResult : int {
    vbOK = 1,
    vbCancel = 2,
    vbAbort = 3,
    vbRetry = 4,
    vbIgnore = 5,
    vbYes = 6,
    vbNo = 7,
};

// The parts of a style word.
constexpr int msgBoxButtons(int style) { return style & 0x0F; }
constexpr int msgBoxIcon(int style) { return style & 0xF0; }
// 1-based index of the default button.
constexpr int msgBoxDefaultButton(int style) { return ((style & 0xF00) >> 8) + 1; }
// The answers of the style's buttons, left to right.
std::vector<MsgBoxResult> msgBoxButtonResults(int style);
// The answer of the default button (the first when the style names one it does not have).
MsgBoxResult msgBoxDefaultResult(int style);

// The title a box gets when the caller gives none.
inline const QString kProductTitle = QStringLiteral("Quillax");

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    // Shows the box and returns the button pressed; `title` is never empty here.
    virtual MsgBoxResult show(const QString& prompt, int style, const QString& title) = 0;
};

class ModalService {
public:
    virtual ~ModalService() = default;
    // Shows the window modally and returns when it has been hidden or closed.
    virtual void showModal(QWidget& window) = 0;
};

class KeySender {
public:
    virtual ~KeySender() = default;
    // Sends keystrokes ("{TAB}", "{PgDn}", "+{TAB}", plain text) to the widget with the focus.
    // Without `wait` they are queued and handled when the event loop next runs.
    virtual void send(const QString& keys, bool wait) = 0;
};

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // Per-user value under application/section/key; `defaultValue` when none is stored.
    virtual QString get(const QString& application, const QString& section, const QString& key,
                        const QString& defaultValue) = 0;
    virtual void save(const QString& application, const QString& section, const QString& key,
                      const QString& value) = 0;
};

class InstanceGuard {
public:
    virtual ~InstanceGuard() = default;
    // True when another instance of the program runs for the same user on this workstation.
    // The first call claims the workstation for this instance.
    virtual bool previousInstance() = 0;
};

class IdleClock {
public:
    virtual ~IdleClock() = default;
    // Milliseconds since the last key or mouse input to the program, on a monotonic clock.
    virtual qint64 idleMilliseconds() = 0;
};

class Folders {
public:
    virtual ~Folders() = default;
    virtual QString programFolder() = 0;
    virtual QString documentsFolder() = 0;
};

class WaitCursor {
public:
    virtual ~WaitCursor() = default;
    // The hourglass pointer on (true) or back to the default pointer (false).
    virtual void setBusy(bool busy) = 0;
    virtual bool isBusy() const = 0;
};

class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    // Ends the program after a fatal error; a test's double records it and returns.
    virtual void end(int exitCode) = 0;
};

// The services the program uses now. main() installs the Qt ones; tests install scripted ones.
struct PlatformServices {
    std::shared_ptr<MessageBoxService> messages;
    std::shared_ptr<ModalService> modal;
    std::shared_ptr<KeySender> keys;
    std::shared_ptr<SettingsStore> settings;
    std::shared_ptr<InstanceGuard> instance;
    std::shared_ptr<IdleClock> idle;
    std::shared_ptr<Folders> folders;
    std::shared_ptr<WaitCursor> cursor;
    std::shared_ptr<ProgramEnd> programEnd;
};

// The installed set; a service that is missing raises an AppError when used.
const PlatformServices& platformServices();
// Installs a new set and returns the one it replaces.
PlatformServices installPlatformServices(PlatformServices services);

// Installs a set for one scope (a test) and puts the previous one back after it.
class ScopedPlatformServices {
public:
    explicit ScopedPlatformServices(PlatformServices services)
        : previous_(installPlatformServices(std::move(services))) {}
    ~ScopedPlatformServices() { installPlatformServices(std::move(previous_)); }
    ScopedPlatformServices(const ScopedPlatformServices&) = delete;
    ScopedPlatformServices& operator=(const ScopedPlatformServices&) = delete;

private:
    PlatformServices previous_;
};

// ---- What the screens call ----

// A message box; an empty title becomes "Quillax".
MsgBoxResult MsgBox(const QString& prompt, int style = vbOKOnly, const QString& title = QString());
// Shows a window modally; returns after it has been hidden or closed.
void showModal(QWidget& window);
// Keystrokes to the focused control.
void SendKeys(const QString& keys, bool wait = false);
// The same through the shell object some screens use; behaves as SendKeys.
void SendKeysViaShell(const QString& keys, bool wait);
QString GetSetting(const QString& application, const QString& section, const QString& key,
                   const QString& defaultValue = QString());
void SaveSetting(const QString& application, const QString& section, const QString& key,
                 const QString& value);
bool PrevInstance();
// Idle time in whole seconds, halves rounded up.
qint64 IdleSeconds();
QString AppPath();
QString DocumentsFolder();

// Ends the program through the installed service; with none installed the process ends at once.
void EndProgram(int exitCode = 1);

// Hourglass pointer for a scope; the previous pointer comes back at its end.
class HourglassScope {
public:
    HourglassScope();
    ~HourglassScope();
    HourglassScope(const HourglassScope&) = delete;
    HourglassScope& operator=(const HourglassScope&) = delete;

private:
    bool wasBusy_;
};
void setHourglass(bool busy);

// The two plain boxes of the standard module, titled "Quillax".
void ShowInfo(const QString& text);
void ShowErrorMessage(const QString& detail);

} // namespace qx
