#include "platform/TypedKeys.h"

#include "components/PlatformServices.h"
#include "platform/KeyCodes.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace qx {

bool PreviewTypedKey(QObject* watched, const QKeyEvent& key) {
    if (keyAscii(key) == keys::Return) {
        SendKeys(QStringLiteral("{Tab}"));
        return false;
    }
    const QString text = key.text();
    if (text == QLatin1String("'"))
        return true;
    if (!text.isEmpty() && text != text.toUpper()) {
        QKeyEvent upper(QEvent::KeyPress, key.key(), key.modifiers(), text.toUpper(), key.isAutoRepeat(), key.count());
        QCoreApplication::sendEvent(watched, &upper);
        return true;
    }
    return false;
}

} // namespace qx
