#include "components/PlatformServices.h"
#include "components/AppError.h"

#include <cstdio>
#include <cstdlib>

namespace qx {

namespace {

PlatformServices& current() {
    static PlatformServices services;
    return services;
}

template <typename T>
T& require(const std::shared_ptr<T>& service, const char* what) {
    if (!service)
        // Error 91: the object the call needs was never set.
        throw AppError(91, QStringLiteral("prjQuillax.PlatformServices"),
                       QStringLiteral("No %1 service is installed.").arg(QLatin1String(what)));
    return *service;
}

} // namespace

std::vector<MsgBoxResult> msgBoxButtonResults(int style) {
    switch (msgBoxButtons(style)) {
    case vbOKCancel: return {vbOK, vbCancel};
    case vbAbortRetryIgnore: return {vbAbort, vbRetry, vbIgnore};
    case vbYesNoCancel: return {vbYes, vbNo, vbCancel};
    case vbYesNo: return {vbYes, vbNo};
    case vbRetryCancel: return {vbRetry, vbCancel};
    default: return {vbOK};
    }
}

MsgBoxResult msgBoxDefaultResult(int style) {
    const auto buttons = msgBoxButtonResults(style);
    const size_t index = size_t(msgBoxDefaultButton(style) - 1);
    return index < buttons.size() ? buttons[index] : buttons.front();
}

const PlatformServices& platformServices() { return current(); }

PlatformServices installPlatformServices(PlatformServices services) {
    std::swap(current(), services);
    return services;
}

MsgBoxResult MsgBox(const QString& prompt, int style, const QString& title) {
    return require(current().messages, "message box")
        .show(prompt, style, title.isEmpty() ? kProductTitle : title);
}

void showModal(QWidget& window) { require(current().modal, "modal window").showModal(window); }

void SendKeys(const QString& keys, bool wait) { require(current().keys, "key sender").send(keys, wait); }

void SendKeysViaShell(const QString& keys, bool wait) { SendKeys(keys, wait); }

QString GetSetting(const QString& application, const QString& section, const QString& key,
                   const QString& defaultValue) {
    return require(current().settings, "settings").get(application, section, key, defaultValue);
}

void SaveSetting(const QString& application, const QString& section, const QString& key,
                 const QString& value) {
    require(current().settings, "settings").save(application, section, key, value);
}

bool PrevInstance() { return require(current().instance, "instance guard").previousInstance(); }

qint64 IdleSeconds() { return (require(current().idle, "idle clock").idleMilliseconds() + 500) / 1000; }

QString AppPath() { return require(current().folders, "folders").programFolder(); }

QString DocumentsFolder() { return require(current().folders, "folders").documentsFolder(); }

void EndProgram(int exitCode) {
    if (current().programEnd) {
        current().programEnd->end(exitCode);
        return;
    }
    // The program ends where it stands, as after a fatal error; the database rolls back
    // whatever transaction was open.
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

void setHourglass(bool busy) { require(current().cursor, "wait cursor").setBusy(busy); }

HourglassScope::HourglassScope() : wasBusy_(require(current().cursor, "wait cursor").isBusy()) {
    setHourglass(true);
}

HourglassScope::~HourglassScope() {
    if (current().cursor)
        current().cursor->setBusy(wasBusy_);
}

void ShowInfo(const QString& text) { MsgBox(text, vbInformation, kProductTitle); }

void ShowErrorMessage(const QString& detail) {
    MsgBox(QStringLiteral("An error has occured. Please contact IT Personnel for assistance.\n") + detail,
           vbCritical, kProductTitle);
}

} // namespace qx
