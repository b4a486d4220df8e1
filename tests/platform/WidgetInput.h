#pragma once
// Real input events delivered to widgets offscreen, as the window system would deliver them.
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace qx::test {

inline void pressKey(QWidget* target, Qt::Key key, const QString& text = {},
                     Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
}

// A key with the text it types, for tables of keystrokes.
struct KeyStroke {
    Qt::Key key;
    QString text;
};
inline const KeyStroke kEnter{Qt::Key_Return, QStringLiteral("\r")};
inline const KeyStroke kEsc{Qt::Key_Escape, QStringLiteral("\x1b")};
inline const KeyStroke kTab{Qt::Key_Tab, QStringLiteral("\t")};
inline const KeyStroke kDown{Qt::Key_Down, {}};
inline const KeyStroke kUp{Qt::Key_Up, {}};
inline const KeyStroke kSpace{Qt::Key_Space, QStringLiteral(" ")};

// Types each character of text as its own key press.
inline void typeText(QWidget* target, const QString& text) {
    for (QChar ch : text) {
        const QChar upper = ch.toUpper();
        const auto key = upper.isLetterOrNumber() ? static_cast<Qt::Key>(upper.unicode()) : Qt::Key_unknown;
        pressKey(target, key, QString(ch), ch.isUpper() ? Qt::ShiftModifier : Qt::NoModifier);
    }
}

inline void mouseEvent(QWidget* target, QEvent::Type type, QPoint pos, Qt::MouseButton button,
                       Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(pos), QPointF(target->mapToGlobal(pos)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

inline void click(QWidget* target, QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
    mouseEvent(target, QEvent::MouseButtonPress, pos, button, button);
    mouseEvent(target, QEvent::MouseButtonRelease, pos, button, Qt::NoButton);
}

inline void doubleClick(QWidget* target, QPoint pos) {
    click(target, pos);
    mouseEvent(target, QEvent::MouseButtonDblClick, pos, Qt::LeftButton, Qt::LeftButton);
    mouseEvent(target, QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton);
}

// Shows the window and makes it the active one, so that focus changes take effect.
inline void showActive(QWidget* window) {
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    QApplication::processEvents();
}

} // namespace qx::test
