#include "platform/QtKeySender.h"
#include "components/AppError.h"

#include <QApplication>
#include <QHash>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace qx {

namespace {

[[noreturn]] void invalidKeys() {
    throw AppError(5, QStringLiteral("prjQuillax"), QStringLiteral("Invalid procedure call or argument"));
}

KeyStroke namedKey(const QString& name) {
    static const QHash<QString, KeyStroke> keys = {
        {QStringLiteral("TAB"), {Qt::Key_Tab, {}, QStringLiteral("\t")}},
        {QStringLiteral("ENTER"), {Qt::Key_Return, {}, QStringLiteral("\r")}},
        {QStringLiteral("HOME"), {Qt::Key_Home, {}, {}}},
        {QStringLiteral("END"), {Qt::Key_End, {}, {}}},
        {QStringLiteral("PGUP"), {Qt::Key_PageUp, {}, {}}},
        {QStringLiteral("PGDN"), {Qt::Key_PageDown, {}, {}}},
        {QStringLiteral("UP"), {Qt::Key_Up, {}, {}}},
        {QStringLiteral("DOWN"), {Qt::Key_Down, {}, {}}},
        {QStringLiteral("LEFT"), {Qt::Key_Left, {}, {}}},
        {QStringLiteral("RIGHT"), {Qt::Key_Right, {}, {}}},
        {QStringLiteral("ESC"), {Qt::Key_Escape, {}, QStringLiteral("\x1b")}},
        {QStringLiteral("ESCAPE"), {Qt::Key_Escape, {}, QStringLiteral("\x1b")}},
        {QStringLiteral("BACKSPACE"), {Qt::Key_Backspace, {}, QStringLiteral("\b")}},
        {QStringLiteral("BS"), {Qt::Key_Backspace, {}, QStringLiteral("\b")}},
        {QStringLiteral("BKSP"), {Qt::Key_Backspace, {}, QStringLiteral("\b")}},
        {QStringLiteral("DELETE"), {Qt::Key_Delete, {}, {}}},
        {QStringLiteral("DEL"), {Qt::Key_Delete, {}, {}}},
        {QStringLiteral("INSERT"), {Qt::Key_Insert, {}, {}}},
        {QStringLiteral("INS"), {Qt::Key_Insert, {}, {}}},
        {QStringLiteral("HELP"), {Qt::Key_Help, {}, {}}},
    };
    const QString upper = name.toUpper();
    if (auto it = keys.find(upper); it != keys.end())
        return *it;
    if (upper.size() >= 2 && upper[0] == u'F') {
        bool ok = false;
        const int n = upper.mid(1).toInt(&ok);
        if (ok && n >= 1 && n <= 16)
            return {Qt::Key_F1 + n - 1, {}, {}};
    }
    if (name.size() == 1)
        return {QChar(name[0]).toUpper().unicode(), {}, name};
    invalidKeys();
}

KeyStroke characterKey(QChar c) {
    if (c == u'~')
        return namedKey(QStringLiteral("ENTER"));
    KeyStroke stroke{c.toUpper().unicode(), {}, QString(c)};
    if (c.isLetter() && c.isUpper())
        stroke.modifiers = Qt::ShiftModifier;
    return stroke;
}

void applyModifiers(KeyStroke& stroke, Qt::KeyboardModifiers modifiers) {
    stroke.modifiers |= modifiers;
    if (stroke.key == Qt::Key_Tab && (modifiers & Qt::ShiftModifier)) {
        stroke.key = Qt::Key_Backtab;
        stroke.text.clear();
    }
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier))
        stroke.text.clear();
}

} // namespace

QList<KeyStroke> QtKeySender::parse(const QString& keys) {
    QList<KeyStroke> strokes;
    Qt::KeyboardModifiers modifiers;
    for (int i = 0; i < keys.size(); ++i) {
        const QChar c = keys[i];
        if (c == u'+') { modifiers |= Qt::ShiftModifier; continue; }
        if (c == u'^') { modifiers |= Qt::ControlModifier; continue; }
        if (c == u'%') { modifiers |= Qt::AltModifier; continue; }
        if (c == u'(') {
            const qsizetype close = keys.indexOf(u')', i + 1);
            if (close < 0) invalidKeys();
            for (KeyStroke stroke : parse(keys.mid(i + 1, close - i - 1))) {
                applyModifiers(stroke, modifiers);
                strokes << stroke;
            }
            modifiers = {};
            i = int(close);
            continue;
        }
        if (c == u')' || c == u'}') invalidKeys();
        int repeat = 1;
        KeyStroke stroke;
        if (c == u'{') {
            // "{}}" names the closing brace itself.
            qsizetype close = keys.indexOf(u'}', i + 2);
            if (i + 1 < keys.size() && keys[i + 1] == u'}') close = i + 2;
            if (close < 0 || close >= keys.size() || keys[close] != u'}') invalidKeys();
            QString name = keys.mid(i + 1, close - i - 1);
            if (const qsizetype blank = name.lastIndexOf(u' '); blank > 0) {
                bool ok = false;
                repeat = name.mid(blank + 1).toInt(&ok);
                if (!ok || repeat < 0) invalidKeys();
                name = name.left(blank);
            }
            stroke = namedKey(name);
            i = int(close);
        } else {
            stroke = characterKey(c);
        }
        applyModifiers(stroke, modifiers);
        modifiers = {};
        for (int r = 0; r < repeat; ++r)
            strokes << stroke;
    }
    return strokes;
}

void QtKeySender::send(const QString& keys, bool wait) {
    const QList<KeyStroke> strokes = parse(keys);
    pending_.insert(pending_.end(), strokes.begin(), strokes.end());
    if (!wait) {
        schedule();
        return;
    }
    while (!pending_.empty()) {
        deliverNext();
        QCoreApplication::processEvents();
    }
}

void QtKeySender::schedule() {
    if (scheduled_ || pending_.empty())
        return;
    scheduled_ = true;
    QTimer::singleShot(0, this, [this] {
        scheduled_ = false;
        deliverNext();
        schedule();
    });
}

void QtKeySender::deliverNext() {
    if (pending_.empty())
        return;
    const KeyStroke stroke = pending_.front();
    pending_.pop_front();
    deliver(stroke);
}

void QtKeySender::deliver(const KeyStroke& stroke) {
    QWidget* target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    if (!target)
        return; // nothing has the focus: the keystroke is lost, as it would be
    QPointer<QWidget> guard(target);
    QKeyEvent press(QEvent::KeyPress, stroke.key, stroke.modifiers, stroke.text);
    QApplication::sendEvent(target, &press);
    if (!guard)
        return;
    QKeyEvent release(QEvent::KeyRelease, stroke.key, stroke.modifiers, stroke.text);
    QApplication::sendEvent(target, &release);
}

} // namespace qx
