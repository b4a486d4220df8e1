#include "platform/KeyCodes.h"

#include <QKeyEvent>

namespace qx {

int keyCode(const QKeyEvent& event) {
    const int key = event.key();
    const bool keypad = event.modifiers() & Qt::KeypadModifier;
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return keypad ? 96 + (key - Qt::Key_0) : key;
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return keys::F1 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace: return keys::Back;
    case Qt::Key_Tab: case Qt::Key_Backtab: return keys::Tab;
    case Qt::Key_Return: case Qt::Key_Enter: return keys::Return;
    case Qt::Key_Shift: return keys::Shift;
    case Qt::Key_Control: return keys::Control;
    case Qt::Key_Alt: return keys::Menu;
    case Qt::Key_Escape: return keys::Escape;
    case Qt::Key_Space: return keys::Space;
    case Qt::Key_PageUp: return keys::PageUp;
    case Qt::Key_PageDown: return keys::PageDown;
    case Qt::Key_End: return keys::End;
    case Qt::Key_Home: return keys::Home;
    case Qt::Key_Left: return keys::Left;
    case Qt::Key_Up: return keys::Up;
    case Qt::Key_Right: return keys::Right;
    case Qt::Key_Down: return keys::Down;
    case Qt::Key_Insert: return keys::Insert;
    case Qt::Key_Delete: return keys::Delete;
    case Qt::Key_Asterisk: return keypad ? 106 : 56;
    case Qt::Key_Plus: return keypad ? 107 : 187;
    case Qt::Key_Minus: return keypad ? 109 : 189;
    case Qt::Key_Period: return keypad ? 110 : 190;
    case Qt::Key_Slash: return keypad ? 111 : 191;
    case Qt::Key_Semicolon: case Qt::Key_Colon: return 186;
    case Qt::Key_Equal: return 187;
    case Qt::Key_Comma: case Qt::Key_Less: return 188;
    case Qt::Key_Underscore: return 189;
    case Qt::Key_Greater: return 190;
    case Qt::Key_Question: return 191;
    case Qt::Key_QuoteLeft: case Qt::Key_AsciiTilde: return 192;
    case Qt::Key_BracketLeft: case Qt::Key_BraceLeft: return 219;
    case Qt::Key_Backslash: case Qt::Key_Bar: return 220;
    case Qt::Key_BracketRight: case Qt::Key_BraceRight: return 221;
    case Qt::Key_Apostrophe: case Qt::Key_QuoteDbl: return 222;
    default: return 0;
    }
}

int keyAscii(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Backspace: return keys::Back;
    case Qt::Key_Tab: case Qt::Key_Backtab: return 0;  // moves the focus, types nothing
    case Qt::Key_Return: case Qt::Key_Enter: return keys::Return;
    case Qt::Key_Escape: return keys::Escape;
    default: break;
    }
    const QString text = event.text();
    return text.isEmpty() ? 0 : text.at(0).unicode();
}

int shiftState(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? keys::ShiftMask : 0)
         | (modifiers & Qt::ControlModifier ? keys::CtrlMask : 0)
         | (modifiers & Qt::AltModifier ? keys::AltMask : 0);
}

int mouseButtons(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? keys::LeftButton : 0)
         | (buttons & Qt::RightButton ? keys::RightButton : 0)
         | (buttons & Qt::MiddleButton ? keys::MiddleButton : 0);
}

Qt::Key qtKeyForAscii(int ascii) {
    switch (ascii) {
    case keys::Back: return Qt::Key_Backspace;
    case keys::Tab: return Qt::Key_Tab;
    case keys::Return: return Qt::Key_Return;
    case keys::Escape: return Qt::Key_Escape;
    default: break;
    }
    const QChar ch(ascii);
    if (ch.isLetter() && ch.toUpper().unicode() < 128)
        return static_cast<Qt::Key>(ch.toUpper().unicode());
    if (ascii >= 0x20 && ascii < 0x7F)
        return static_cast<Qt::Key>(ascii);
    return Qt::Key_unknown;
}

} // namespace qx
