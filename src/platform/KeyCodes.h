#pragma once
#include <Qt>

class QKeyEvent;

namespace qx {

// Key codes, shift states and mouse buttons as the screens' key and mouse handlers compare them.
namespace keys {
constexpr int Back = 8, Tab = 9, Return = 13, Shift = 16, Control = 17, Menu = 18, Escape = 27,
              Space = 32, PageUp = 33, PageDown = 34, End = 35, Home = 36, Left = 37, Up = 38,
              Right = 39, Down = 40, Insert = 45, Delete = 46, F1 = 112;
constexpr int ShiftMask = 1, CtrlMask = 2, AltMask = 4;
constexpr int LeftButton = 1, RightButton = 2, MiddleButton = 4;
} // namespace keys

// The code of a pressed key (letters as capitals 65-90, digits 48-57, keypad digits 96-105,
// F1-F12 112-123, the navigation and punctuation keys by their usual numbers); 0 when unknown.
int keyCode(const QKeyEvent& event);

// The character a key press types: its text's first character, 8 Backspace, 13 Enter,
// 27 Escape; 0 when the key types nothing (Tab, which moves the focus, included).
int keyAscii(const QKeyEvent& event);

// Shift state: 1 Shift, 2 Ctrl, 4 Alt, added together.
int shiftState(Qt::KeyboardModifiers modifiers);

// Mouse buttons: 1 left, 2 right, 4 middle, added together.
int mouseButtons(Qt::MouseButtons buttons);

// The Qt key that types a character, for handing on a changed character.
Qt::Key qtKeyForAscii(int ascii);

} // namespace qx
