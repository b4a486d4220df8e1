#pragma once
#include <QString>
#include <QVariantMap>
#include <functional>

namespace qx {

// Named values passed to a window before it shows (PatientID, ReturnOrAdjustment, IDNum, ...) and
// read back after it closes (CancelledForm, EntrySaved, ...).
using WindowValues = QVariantMap;

// Shows one window with the given inputs and gives back what the caller reads afterwards.
using WindowOpener = std::function<WindowValues(const WindowValues& inputs)>;

// The one registry through which commands, row actions and other screens reach a window, so that no
// screen module includes another. Names are a command's control name (mnuManualInPatient), a
// command and window where one command opens one of two windows (mnuPending.frmCommEntry), or a
// window's own name where several places open it (frmListPosted). Each screen module registers its
// openers from one function called once at start; a second registration of a name replaces the first.
void RegisterWindowOpener(const QString& name, WindowOpener opener);
bool HasWindowOpener(const QString& name);
// Runs the opener registered under name. A name nobody registered shows nothing and gives back no
// values, so callers read each value with the default of a window closed without saving.
WindowValues OpenWindow(const QString& name, const WindowValues& inputs = {});
// Forgets every opener (tests).
void ClearWindowOpeners();

} // namespace qx
