#pragma once

class QKeyEvent;
class QObject;

namespace qx {

// The key preview of windows that take typed codes, for their event filters: Enter moves on
// with a "{Tab}" keystroke (the Enter itself still goes on to the control), an apostrophe is
// dropped and a character typed in lower case reaches the control in upper case. True when the
// key was consumed and the filter must stop it.
bool PreviewTypedKey(QObject* watched, const QKeyEvent& key);

} // namespace qx
