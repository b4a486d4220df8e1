#include "platform/QtPlatformServices.h"
#include "platform/QtIdleClock.h"
#include "platform/QtInstanceGuard.h"
#include "platform/QtKeySender.h"
#include "platform/QtMessageBoxService.h"
#include "platform/QtModalService.h"
#include "platform/QtSettingsStore.h"

#include <QApplication>
#include <QCoreApplication>
#include <QStandardPaths>

namespace qx {

namespace {

class QtFolders : public Folders {
public:
    QString programFolder() override { return QCoreApplication::applicationDirPath(); }
    QString documentsFolder() override {
        return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
};

class QtWaitCursor : public WaitCursor {
public:
    void setBusy(bool busy) override {
        if (busy == busy_)
            return;
        busy_ = busy;
        if (busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    }
    bool isBusy() const override { return busy_; }

private:
    bool busy_ = false;
};

} // namespace

PlatformServices qtPlatformServices() {
    PlatformServices services;
    services.messages = std::make_shared<QtMessageBoxService>();
    services.modal = std::make_shared<QtModalService>();
    services.keys = std::make_shared<QtKeySender>();
    services.settings = std::make_shared<QtSettingsStore>();
    services.instance = std::make_shared<QtInstanceGuard>();
    services.idle = std::make_shared<QtIdleClock>();
    services.folders = std::make_shared<QtFolders>();
    services.cursor = std::make_shared<QtWaitCursor>();
    return services;
}

} // namespace qx
