#pragma once
#include <QObject>

class QWidget;

namespace qx {

// The key, double-click and focus events of one control in the form its screen handles them.
//
// keyDown(keyCode, shift) comes first for every key; a handler that sets keyCode to 0 swallows
// the key (the control never sees it and no keyPress follows). keyPress(keyAscii) follows for a
// key that types a character (Enter 13, Escape 27 and Backspace 8 included); a handler that sets
// keyAscii to 0 drops the character, one that changes it makes the control receive the new
// character instead (upper-casing typed codes, for example). Tab moves the focus and fires
// neither. A key the handlers leave alone goes on to the control, and what the control ignores
// (a line edit's Enter and Escape) on to its window, where a dialog's default or cancel button
// may act on it: a handler that acts on Enter itself sets keyAscii to 0.
//
// validate(cancel) runs when the focus is leaving the control for another control of the same
// window (not when another window, such as a message box, takes it); a handler that sets cancel
// keeps the focus in the control, and lostFocus then does not fire. runValidation() runs the same
// step on demand, for a command that must validate the box before acting.
//
// Click of a check box or option button: connect its handler to toggled(), which fires when code
// sets the value as well as when the user clicks, as the screens expect; clicked() fires only for
// the user.
class ControlEvents : public QObject {
    Q_OBJECT
public:
    // Watches the control; owned by it.
    explicit ControlEvents(QWidget* control);

signals:
    void keyDown(int& keyCode, int shift);
    void keyPress(int& keyAscii);
    void dblClick();
    void gotFocus();
    void lostFocus();
    void validate(bool& cancel);

public:
    // The validation step as leaving the control runs it; false when a handler cancelled.
    bool runValidation();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* control_;
    bool forwarding_ = false;
    bool validating_ = false;
};

} // namespace qx
