#pragma once
#include "components/PlatformServices.h"

#include <QList>
#include <QObject>
#include <deque>

namespace qx {

// One keystroke of a key string.
struct KeyStroke {
    int key = 0;
    Qt::KeyboardModifiers modifiers;
    QString text;
    bool operator==(const KeyStroke&) const = default;
};

// Keystrokes to the focused widget, written as the platform's key strings: plain characters,
// "{TAB}", "{HOME}", "{END}", "{PgUP}", "{PgDn}", "{UP}", "{DOWN}", "{ENTER}" or "~", "{F1}" ...,
// "{TAB 3}" for repeats, "+" Shift, "^" Ctrl and "%" Alt before a key or a "(group)", and
// "{+}" etc. for those characters themselves. Each keystroke goes to the widget that has the focus
// when it is delivered, so "{TAB}" followed by text types into the next field.
class QtKeySender : public QObject, public KeySender {
public:
    // Without wait the keystrokes are queued and delivered from the event loop, one at a time.
    void send(const QString& keys, bool wait) override;

    // The keystrokes of a key string; an unknown key name is error 5.
    static QList<KeyStroke> parse(const QString& keys);

private:
    void schedule();
    void deliverNext();
    static void deliver(const KeyStroke& stroke);
    std::deque<KeyStroke> pending_;
    bool scheduled_ = false;
};

} // namespace qx
